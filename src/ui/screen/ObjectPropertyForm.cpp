#include "ObjectPropertyForm.h"
#include "ui/widgets/DialogPlace.h"
#include <QPushButton>
#include <QDialogButtonBox>
#include "app/TessanApp.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ProjectMessages.h"
#include "ui/widgets/ColorEdit.h"
#include "ui/widgets/DialogTexts.h"
#include "ui/widgets/RegisterField.h"
#include "ui/widgets/RegisterPicker.h"
#include "DiagramEditor.h"
#include "ObjectEditor.h"
#include "PropertyFormDialog.h"
#include "screen/DiagramEntity.h"

#include <QLineEdit>

namespace {
constexpr int kNameLength = 24;
}

CObjectPropertyForm::CObjectPropertyForm(CDiagramEntity& object) : object_(object) {}

CObjectPropertyForm::~CObjectPropertyForm()
{
    if (dialog_) {
        dialog_->onOk = nullptr;
        dialog_->onCancel = nullptr;
        dialog_->hide();
        // The window may be in the middle of its own Cancel.
        dialog_->deleteLater();
    }
}

CPropertyFormDialog* CObjectPropertyForm::Dialog() const
{
    return dialog_;
}

void CObjectPropertyForm::Show(QObject* parent)
{
    auto* editor = qobject_cast<CDiagramEditor*>(parent);
    if (editor != editor_ && dialog_) {
        dialog_->onOk = nullptr;
        dialog_->onCancel = nullptr;
        dialog_->deleteLater();
        dialog_ = nullptr;
    }
    editor_ = editor;
    if (auto* objectEditor = qobject_cast<CObjectEditor*>(parent))
        controller_ = &objectEditor->Controller();
    if (!dialog_) {
        dialog_ = new CPropertyFormDialog(editor);
        dialog_->onOk = [this] { return Accept(); };
        dialog_->onCancel = [this] { Cancel(); };
        Build(*dialog_);
    }
    dialog_->show();
    dialog_->raise();
}

void CObjectPropertyForm::Hide()
{
    if (dialog_)
        dialog_->hide();
}

bool CObjectPropertyForm::IsShown() const
{
    return dialog_ && dialog_->isVisible();
}

void CObjectPropertyForm::LoadFromObject()
{
    if (dialog_)
        Load();
}

void CObjectPropertyForm::Focus()
{
    if (!dialog_)
        return;
    dialog_->activateWindow();
    if (QWidget* first = FirstField())
        first->setFocus(Qt::OtherFocusReason);
}

bool CObjectPropertyForm::Accept()
{
    if (!dialog_ || !Check())
        return false;
    // The fields are stored as one edit of the screen: an undo point and the
    // modified flag when anything changed.
    if (!editor_ || !editor_->PropertiesAccepted(&object_, [this] { Store(); })) {
        Store();
        object_.MarkNew(false);
    }
    return true;
}

void CObjectPropertyForm::Cancel()
{
    if (editor_)
        editor_->PropertiesCancelled(&object_); // may destroy this form
}

void CObjectPropertyForm::BindRegisterField(CRegisterField& field, int kind)
{
    field.Bind(kind, [this](QWidget* parent, int k, RegisterRef& ref) {
        CProjectController* c = Controller();
        if (!c)
            return false;
        const CTessanApp& app = c->App();
        return CDlgRegister::Pick(parent, app.settings, c->Messages(), app.model, ref, k);
    });
}

void CObjectPropertyForm::LoadName(QLineEdit& field, const CDiagramEntity& object)
{
    field.setMaxLength(kNameLength);
    field.setText(object.GetName());
}

void CObjectPropertyForm::StoreName(const QLineEdit& field, CDiagramEntity& object)
{
    object.SetName(field.text().left(kNameLength));
}

bool CObjectPropertyForm::Refuse(CColorEdit& field, const QString& message) const
{
    if (controller_)
        ProjectMessages::Error(*controller_, message);
    field.setFocus(Qt::OtherFocusReason);
    field.SelectAllText();
    return false;
}

QString CObjectPropertyForm::ValueNotInRange()
{
    return QStringLiteral("Error OBJ-008 : The value is not within range");
}

void CObjectPropertyForm::SetUpDialog(CPropertyFormDialog& dialog, QDialogButtonBox& buttons,
                                      int section)
{
    buttons.button(QDialogButtonBox::Ok)->setProperty("controlId", 1);
    buttons.button(QDialogButtonBox::Cancel)->setProperty("controlId", 2);
    if (Controller()) {
        DialogTexts::Apply(&dialog, Controller()->App().settings, section);
        RememberDialogPlace(&dialog, Controller()->App().settings,
                            QStringLiteral("PlaceObjectProperty"));
    }
    QObject::connect(&buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(&buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
}
