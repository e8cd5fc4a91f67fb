#pragma once
#include "ViewSettings.h"
#include "ScreenViewCommands.h"
#include "screen/ObjectAlignment.h"

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <memory>

class CDiagramEntity;
class CObjectEditor;
class CPreviewPictures;
class CProjectController;
class CScreenDocument;

// The window of one screen: its editor canvas bound to the screen document.
// The main window creates it, routes the Edit and Object commands to it, asks
// it what is enabled and pushes the view settings to it. The document belongs
// to the project controller, so closing the window keeps its edits for the
// project's next save; several windows may show one document and follow each
// other's edits. The window's title is the screen title (with ":2", ":3"
// after the name for a second or third window) and follows renames.
class CTessanView : public QWidget, public IScreenViewCommands
{
    Q_OBJECT
public:
    CTessanView(CProjectController& controller, CScreenDocument* document, int screenNumber,
                QWidget* parent = nullptr);
    ~CTessanView() override;

    int ScreenNumber() const { return screenNumber_; }
    CScreenDocument* Document() const { return document_; }
    // The window's place among the windows of its screen: 1 for the first.
    void SetWindowIndex(int index) override;
    int WindowIndex() const { return windowIndex_; }
    CObjectEditor* Editor() const { return editor_; }
    CViewSettings ViewSettings() const { return settings_; }

    // Edit commands.
    void Undo() override;
    void Redo() override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    void SelectAll() override;
    void Delete();
    // Object commands: insert mode for a kind (Object menu and toolbar), the
    // object menu's commands on the selection, grouping and alignment.
    void InsertObject(int kind);
    void Duplicate();
    void Properties();
    void Group();
    void Ungroup();
    void BringUp();
    void SendDown();
    void BringToFront();
    void SendToBack();
    void Align(ObjectAlignment::Mode mode);

    // Reads the bitmap files again (after the bitmap library changed).
    void RefreshPictures();

    // Enabling.
    bool CanUndo() const override;
    bool CanRedo() const override;
    bool HasSelection() const override;
    bool CanPaste() const override;
    std::optional<RegisterRef> SelectedRegister() const override;
    bool CanGroup() const;
    bool CanAlign(ObjectAlignment::Mode mode) const;
    bool IsReadyForEditing() const override;
    // The kind being inserted (its Object command shows a check mark); -1: none.
    int InsertKind() const override;
    double ZoomFactor() const override;
    // The selection's rectangle in paper pixels; empty without a selection.
    QRect SelectionRect() const;

    // The main window's side: its commands, and its view settings (grid
    // shown and steps, zoom, labels and the panel-pixel view); the window
    // redraws.
    void StartInsert(int kind) override { InsertObject(kind); }
    void ApplyViewSettings(const CViewSettings& settings) override;

signals:
    // Double click, Ctrl+Enter or Properties on one object.
    void propertiesRequested(const CDiagramEntity* object);
    // The mouse was released with a selection: the kind the help pane shows.
    void objectHelpRequested(int kind);
    // "Find Uses" in an object's context menu.
    void findUsesRequested();
    // Something that the enabling of the Edit and Object commands or the
    // status bar follows changed (selection, undo history, clipboard, insert
    // mode, zoom).
    void commandStateChanged();
    // For the status bar: the pointer's paper position and the selection.
    void pointerMoved(QPoint paper);
    void selectionRectChanged(const QRect& paper);
    void insertKindChanged(int kind);
    // The window's zoom changed: its own (keypad + and -, Ctrl+wheel) or
    // the main window's.
    void zoomChanged(double zoom);

private:
    // The title and the folders of the pictures follow the project.
    void followProject();
    void detach();

    CProjectController& controller_;
    CScreenDocument* document_;
    int screenNumber_;
    int windowIndex_ = 1;
    CObjectEditor* editor_;
    std::unique_ptr<CPreviewPictures> pictures_;
    CViewSettings settings_;
};
