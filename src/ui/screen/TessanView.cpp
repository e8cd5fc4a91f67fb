#include "TessanView.h"
#include "app/ObjectRegisters.h"
#include "ObjectEditor.h"
#include "PreviewPictures.h"
#include "app/TessanApp.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"

#include <QVBoxLayout>

#include <algorithm>

CTessanView::CTessanView(CProjectController& controller, CScreenDocument* document,
                         int screenNumber, QWidget* parent)
    : QWidget(parent),
      controller_(controller),
      document_(document),
      screenNumber_(screenNumber)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    editor_ = new CObjectEditor(controller, this);
    layout->addWidget(editor_);
    setFocusProxy(editor_);

    const CTessanApp& app = controller.App();
    pictures_ =
        std::make_unique<CPreviewPictures>(app.settings.Paths().programDir, app.ProjectFolder());
    editor_->SetPreviewPictures(pictures_.get());
    ApplyViewSettings(settings_);
    // The modified flag stays as it is: a screen reopened with unsaved edits
    // must still ask to be saved.
    editor_->SetDocument(document_);
    editor_->setEnabled(document_ != nullptr);
    if (document_) {
        connect(document_, &CScreenDocument::historyChanged, this,
                &CTessanView::commandStateChanged);
        connect(document_, &CScreenDocument::clipboardChanged, this,
                &CTessanView::commandStateChanged);
        connect(document_, &QObject::destroyed, this, &CTessanView::detach);
    }
    followProject();

    connect(editor_, &CDiagramEditor::contentChanged, this, [this] {
        emit selectionRectChanged(SelectionRect());
        emit commandStateChanged();
    });
    connect(editor_, &CDiagramEditor::selectionChanged, this, [this] {
        emit selectionRectChanged(SelectionRect());
        emit commandStateChanged();
    });
    connect(editor_, &CDiagramEditor::insertKindChanged, this, [this](int kind) {
        emit insertKindChanged(kind);
        emit commandStateChanged();
    });
    connect(editor_, &CDiagramEditor::selectionMoving, this,
            [this] { emit selectionRectChanged(SelectionRect()); });
    connect(editor_, &CDiagramEditor::pointerMoved, this, &CTessanView::pointerMoved);
    connect(editor_, &CDiagramEditor::propertiesRequested, this, &CTessanView::propertiesRequested);
    connect(editor_, &CDiagramEditor::objectHelpRequested, this, &CTessanView::objectHelpRequested);
    connect(editor_, &CDiagramEditor::findUsesRequested, this, &CTessanView::findUsesRequested);
    connect(editor_, &CDiagramEditor::zoomChanged, this, [this](double zoom) {
        settings_.zoomPercent = qRound(zoom * 100);
        emit zoomChanged(zoom);
        emit commandStateChanged(); // the status bar shows the zoom in front
    });
    connect(&controller_, &CProjectController::screenRenumbered, this,
            [this](int oldNumber, int newNumber) {
                if (screenNumber_ == oldNumber)
                    screenNumber_ = newNumber;
            });
    connect(&controller_, &CProjectController::screenListChanged, this,
            &CTessanView::followProject);
    connect(&controller_, &CProjectController::projectClosed, this, &CTessanView::detach);
    connect(&controller_, &CProjectController::bitmapLibraryChanged, this,
            &CTessanView::RefreshPictures);
}

CTessanView::~CTessanView()
{
    // The canvas goes first: it still points at the pictures.
    delete editor_;
    editor_ = nullptr;
}

void CTessanView::followProject()
{
    const CTessanApp& app = controller_.App();
    pictures_->SetFolders(app.settings.Paths().programDir, app.ProjectFolder());
    editor_->viewport()->update();
    QString title = controller_.ScreenTitle(screenNumber_);
    if (title.isEmpty())
        return;
    // A second window of a screen: "Line1.cgp - #3 Pump:2". What reads the
    // number from a title still finds it after "#".
    if (windowIndex_ > 1)
        title += QStringLiteral(":%1").arg(windowIndex_);
    setWindowTitle(title);
    editor_->setAccessibleName(title);
}

void CTessanView::detach()
{
    // The project's documents are gone with it.
    document_ = nullptr;
    editor_->SetDocument(nullptr);
    editor_->setEnabled(false);
    emit commandStateChanged();
}

void CTessanView::SetWindowIndex(int index)
{
    windowIndex_ = std::max(1, index);
    followProject();
}

void CTessanView::ApplyViewSettings(const CViewSettings& settings)
{
    settings_ = settings;
    editor_->SetGrid(settings.showGrid, settings.gridSizeH, settings.gridSizeV);
    editor_->SetShowLabels(settings.showLabels);
    editor_->SetPanelPixels(settings.panelPixels);
    editor_->SetZoom(settings.ZoomFactor());
    // The editor keeps the zoom within its limits.
    settings_.zoomPercent = qRound(editor_->Zoom() * 100);
}

void CTessanView::Undo()
{
    editor_->Undo();
}
void CTessanView::Redo()
{
    editor_->Redo();
}
void CTessanView::Cut()
{
    editor_->Cut();
}
void CTessanView::Copy()
{
    editor_->Copy();
    emit commandStateChanged();
}
void CTessanView::Paste()
{
    editor_->Paste();
}
void CTessanView::SelectAll()
{
    editor_->SelectAll();
}
void CTessanView::Delete()
{
    editor_->DeleteSelection();
}
void CTessanView::InsertObject(int kind)
{
    editor_->StartInsert(kind);
    editor_->setFocus();
}
void CTessanView::Duplicate()
{
    editor_->Duplicate();
}
void CTessanView::Properties()
{
    editor_->ShowPropertiesOfSelection();
}
void CTessanView::Group()
{
    editor_->Group();
}
void CTessanView::Ungroup()
{
    editor_->Ungroup();
}
void CTessanView::BringUp()
{
    editor_->Up();
}
void CTessanView::SendDown()
{
    editor_->Down();
}
void CTessanView::BringToFront()
{
    editor_->ToFront();
}
void CTessanView::SendToBack()
{
    editor_->ToBack();
}
void CTessanView::Align(ObjectAlignment::Mode mode)
{
    editor_->Align(mode);
}

void CTessanView::RefreshPictures()
{
    pictures_->Clear();
    editor_->viewport()->update();
}

bool CTessanView::CanUndo() const
{
    return editor_->CanUndo();
}
bool CTessanView::CanRedo() const
{
    return editor_->CanRedo();
}
bool CTessanView::HasSelection() const
{
    return editor_->HasSelection();
}

std::optional<RegisterRef> CTessanView::SelectedRegister() const
{
    const CDiagramEntityContainer* objects = editor_->Container();
    for (int i = objects ? objects->GetSize() - 1 : -1; i >= 0; --i)
        if (objects->GetAt(i)->IsSelected()) {
            const std::vector<const RegisterRef*> refs = ObjectRegisters(*objects->GetAt(i));
            return refs.empty() ? std::nullopt : std::optional<RegisterRef>(*refs.front());
        }
    return std::nullopt;
}
bool CTessanView::CanPaste() const
{
    return editor_->CanPaste();
}
bool CTessanView::CanGroup() const
{
    return editor_->SelectionCount() >= 2;
}
bool CTessanView::CanAlign(ObjectAlignment::Mode mode) const
{
    return editor_->CanAlign(mode);
}
bool CTessanView::IsReadyForEditing() const
{
    return document_ && editor_->Document();
}
int CTessanView::InsertKind() const
{
    return editor_->InsertKind();
}
double CTessanView::ZoomFactor() const
{
    return editor_->Zoom();
}
QRect CTessanView::SelectionRect() const
{
    return editor_->SelectionRect();
}
