#include "ScreenCommandsUi.h"
#include "DlgAlarm.h"
#include "DlgScreenDelete.h"
#include "DlgScreenNew.h"
#include "DlgScreenOption.h"
#include "DlgScreenRename.h"
#include "ui/document/ProjectMessages.h"
#include "RegisterTextPicker.h"
#include "app/ScreenCommands.h"
#include "app/TessanApp.h"
#include "ui/document/ProjectController.h"

#include <QFile>
#include <QFileDialog>

namespace {
const QString kAllUsed =
    QStringLiteral("All screen numbers from 1 to 999 are used. Delete a screen first");
const QString kCsvFilter = QStringLiteral("CSV (*.csv)");
} // namespace

CScreenCommandsUi::CScreenCommandsUi(CProjectController& controller, QObject* parent)
    : QObject(parent),
      controller_(controller)
{
    pickRegister = MakeRegisterPicker(controller);
    chooseImportFile = [this](QWidget* p) {
        return QFileDialog::getOpenFileName(
            p, ProjectMessages::Text(controller_, QStringLiteral("Import Alarm List")), QString(),
            kCsvFilter);
    };
    chooseExportFile = [this](QWidget* p) {
        QString path = QFileDialog::getSaveFileName(
            p, ProjectMessages::Text(controller_, QStringLiteral("Export Alarm List")), QString(),
            kCsvFilter);
        if (!path.isEmpty() && !path.contains(QLatin1Char('.')))
            path += QStringLiteral(".csv");
        return path;
    };
    // The clipboard belongs to the project it was copied in.
    connect(&controller, &CProjectController::projectOpened, this, [this] { copied_ = false; });
    connect(&controller, &CProjectController::projectClosed, this, [this] { copied_ = false; });
}

bool CScreenCommandsUi::HasCopiedScreen() const
{
    return copied_ && controller_.HasProject()
           && QFile::exists(ScreenCommands::CopyTempPath(controller_.App()));
}

void CScreenCommandsUi::NewScreen(QWidget* parent)
{
    if (!controller_.HasProject())
        return;
    if (ScreenCommands::AllNumbersUsed(controller_.App().model)) {
        ProjectMessages::Error(controller_, kAllUsed);
        return;
    }
    CDlgScreenNew dialog(controller_, parent);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    if (!controller_.NewScreen(dialog.Number(), dialog.Name())) {
        ProjectMessages::Error(controller_, QStringLiteral("New Screen failed"));
        return;
    }
    controller_.RequestOpenScreen(dialog.Number());
}

void CScreenCommandsUi::CopyScreen(QWidget*, int number)
{
    if (!controller_.HasProject() || !controller_.App().model.FindScreen(number))
        return;
    if (!controller_.CopyScreen(number)) {
        ProjectMessages::Error(controller_, QStringLiteral("Copy Screen failed"));
        return;
    }
    copied_ = true;
}

void CScreenCommandsUi::PasteScreen(QWidget*)
{
    if (!HasCopiedScreen())
        return;
    if (ScreenCommands::AllNumbersUsed(controller_.App().model)) {
        ProjectMessages::Error(controller_, kAllUsed);
        return;
    }
    const int number = controller_.PasteScreen();
    if (!number) {
        ProjectMessages::Error(controller_, QStringLiteral("Paste Screen failed"));
        return;
    }
    controller_.RequestOpenScreen(number);
}

void CScreenCommandsUi::RenameScreen(QWidget* parent, int number)
{
    const CScreenObject* screen =
        controller_.HasProject() ? controller_.App().model.FindScreen(number) : nullptr;
    if (!screen)
        return;
    CDlgScreenRename dialog(controller_, number, screen->name, parent);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    const int newNumber = dialog.Number();
    if (controller_.RenameScreen(number, newNumber, dialog.Name())
        == ScreenCommands::RenameResult::Failed)
        ProjectMessages::Error(controller_, QStringLiteral("Error GUI-005 : Rename Screen failed"));
}

void CScreenCommandsUi::DeleteScreens(const QList<int>& numbers)
{
    if (numbers.isEmpty()
        || !ProjectMessages::AskBeforeDeleting(
            controller_, QStringLiteral("Are you sure you want to delete the screen?"),
            MessageButtons::YesNo))
        return;
    for (int number : numbers)
        controller_.DeleteScreen(number);
}

void CScreenCommandsUi::DeleteScreen(QWidget* parent, int number)
{
    if (!controller_.HasProject())
        return;
    CDlgScreenDelete dialog(
        controller_, [this](const QList<int>& numbers) { DeleteScreens(numbers); }, parent);
    dialog.SelectNumber(number);
    runDialog(dialog);
}

void CScreenCommandsUi::ScreenOption(QWidget* parent, int number)
{
    const CScreenObject* screen =
        controller_.HasProject() ? controller_.App().model.FindScreen(number) : nullptr;
    if (!screen)
        return;
    CDlgScreenOption dialog(controller_, *screen, runDialog, pickRegister, parent);
    if (runDialog(dialog) == QDialog::Accepted)
        controller_.SetScreenOptions(number, dialog.Result());
}

void CScreenCommandsUi::AlarmSetup(QWidget* parent)
{
    if (!controller_.HasProject())
        return;
    CDlgAlarm dialog(controller_, pickRegister, chooseImportFile, chooseExportFile, parent);
    if (runDialog(dialog) == QDialog::Accepted)
        controller_.SetAlarms(dialog.Result());
}
