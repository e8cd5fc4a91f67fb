#include "AutoSaveTimer.h"
#include "ProjectController.h"
#include "ScreenDocument.h"
#include "app/AutoSaveFolder.h"
#include "app/AutoSaveInterval.h"
#include "app/TessanApp.h"

CAutoSaveTimer::CAutoSaveTimer(CProjectController& controller, QObject* parent)
    : QObject(parent),
      controller_(controller)
{
    connect(&timer_, &QTimer::timeout, this, &CAutoSaveTimer::SaveNow);
    connect(&controller_, &CProjectController::projectOpened, this, &CAutoSaveTimer::projectOpened);
    connect(&controller_, &CProjectController::projectClosed, this, &CAutoSaveTimer::projectClosed);
    // New, deleted and renamed screens change the project folder's files at
    // once; the autosaved screen list follows them at once, so that a
    // recovery never lays an older list over the newer files.
    connect(&controller_, &CProjectController::screenListChanged, this, [this] {
        if (timer_.isActive())
            SaveNow();
    });
    if (controller_.HasProject())
        projectOpened();
}

QString CAutoSaveTimer::autosaveProjectFolder() const
{
    const CTessanApp& app = std::as_const(controller_).App();
    return app.projectFolderName.isEmpty() ? QString() : app.ProjectFolder();
}

bool CAutoSaveTimer::SaveNow()
{
    const CProjectController& controller = controller_;
    if (!controller.HasProject() || !controller.IsModified())
        return true;
    const QString folder = autosaveProjectFolder();
    if (folder.isEmpty())
        return false;
    return CAutoSaveFolder(folder).Write(controller.App(), [&controller](int number) {
        const CScreenDocument* doc = controller.LoadedScreenDocument(number);
        return doc && doc->IsModified() ? &doc->Container() : nullptr;
    });
}

void CAutoSaveTimer::projectOpened()
{
    // A project just opened or made has no edits yet: whatever an earlier
    // project of the same folder left there is not its own.
    const QString folder = autosaveProjectFolder();
    if (!folder.isEmpty())
        CAutoSaveFolder(folder).Clear();
    const int seconds = AutoSaveInterval::Seconds(std::as_const(controller_).App().settings);
    if (seconds > 0)
        timer_.start(seconds * 1000);
    else
        timer_.stop();
}

void CAutoSaveTimer::projectClosed()
{
    timer_.stop();
    // Closed normally: its edits were saved or given up.
    const QString folder = autosaveProjectFolder();
    if (!folder.isEmpty())
        CAutoSaveFolder(folder).Clear();
}
