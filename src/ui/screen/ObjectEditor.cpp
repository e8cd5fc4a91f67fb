#include "ObjectEditor.h"
#include "PropertyForms.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "screen/ObjectFactory.h"
#include "ui/document/ProjectController.h"

CObjectEditor::CObjectEditor(CProjectController& controller, QWidget* parent)
    : CDiagramEditor(parent),
      controller_(controller)
{
    SetPaperSize(QSize(kPaperWidth, kPaperHeight));
    SetColours(QColor(0, 192, 0), QColor(192, 192, 192), QColor(192, 192, 192));
    SetSnapToGrid(true);
    SetKeepInside(true);
    SetZoomStep(0.01);
    PropertyForms::Register();
}

std::unique_ptr<CDiagramEntity> CObjectEditor::CreateObject(int kind) const
{
    return CreateObjectOfKind(kind, &controller_.App().model);
}

QString CObjectEditor::MenuText(const QString& english) const
{
    const QString text = controller_.App().settings.LookupText(LS_MENU, english);
    return text.isEmpty() ? english : text;
}
