#pragma once
#include "DialogHooks.h"

#include <QObject>

class CProjectController;
class QWidget;

// The Screen menu's commands and Setup > Alarm Control Setup, each with its
// dialog, over the project controller: the screen record, the screen file and
// a loaded screen document are kept in step, the project is marked modified
// when something changed, and the panes hear of it through the controller's
// screenListChanged (screenDeleted and screenRenumbered for open windows).
class CScreenCommandsUi : public QObject
{
    Q_OBJECT
public:
    explicit CScreenCommandsUi(CProjectController& controller, QObject* parent = nullptr);

    // Screen > New Screen, and New Screen of the screen list's pop-up.
    void NewScreen(QWidget* parent);
    // Screen > Copy Screen on the selected (or active) screen.
    void CopyScreen(QWidget* parent, int number);
    // Screen > Paste Screen, and Paste Screen of the screen list's pop-up.
    void PasteScreen(QWidget* parent);
    void RenameScreen(QWidget* parent, int number);
    // Screen > Delete Screen...: the list of every screen, `number` selected
    // (0 for none).
    void DeleteScreen(QWidget* parent, int number);
    void ScreenOption(QWidget* parent, int number);
    // Setup > Alarm Control Setup.
    void AlarmSetup(QWidget* parent);

    // Paste Screen is possible: a screen was copied in the open project.
    bool HasCopiedScreen() const;
    // Deletes screens after the one question "Are you sure you want to
    // delete the screen?"; the Delete Screen dialog's button.
    void DeleteScreens(const QList<int>& numbers);

    // Replaced by the tests.
    DialogRunner runDialog = RunModal;
    RegisterPicker pickRegister;
    FileChooser chooseImportFile;
    FileChooser chooseExportFile;

private:
    CProjectController& controller_;
    bool copied_ = false;
};
