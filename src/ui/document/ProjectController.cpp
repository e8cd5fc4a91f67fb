#include "ProjectController.h"
#include "app/ProjectStorage.h"
#include "app/ScreenCommands.h"
#include "app/StartProjectChoice.h"
#include "app/TessanApp.h"
#include "base/CommandLinePath.h"
#include "base/LanguageSection.h"
#include "project/ScreenObject.h"

#include <QDir>
#include <QTemporaryDir>

CProjectController::CProjectController(CTessanApp& app, QObject* parent)
    : QObject(parent), app_(app), screens_(app)
{
    app_.openScreens = &screens_;
}

CProjectController::~CProjectController()
{
    if (app_.openScreens == &screens_)
        app_.openScreens = nullptr;
}

IMessageSink& CProjectController::Messages()
{
    return *app_.messages;
}

QString CProjectController::text(const QString& key) const
{
    return app_.settings.LookupText(LS_MSG, key);
}

bool CProjectController::IsModified() const
{
    return hasProject_ && app_.ProjectCountsAsModified();
}

QString CProjectController::ProjectName() const
{
    return app_.model.info.name;
}

QString CProjectController::ProjectLocation() const
{
    return app_.model.info.location;
}

QString CProjectController::ScreenTitle(int number) const
{
    const CScreenObject* screen = app_.model.FindScreen(number);
    return screen ? ::ScreenTitle(app_.model.info.name, number, screen->name) : QString();
}

bool CProjectController::OpenProject(const QString& location, const QString& name)
{
    // A trial open in a scratch folder, so that a damaged package leaves
    // the open project as it was. The scratch folder lies beside the project
    // folders, so that the unpacked files move into place instead of being
    // unpacked a second time.
    QDir().mkpath(app_.projectsRoot);
    QTemporaryDir scratch(app_.projectsRoot + QStringLiteral("/.open-XXXXXX"));
    CSilentMessageSink silent;
    CTessanApp trial(app_.settings.Paths(), scratch.path());
    trial.messages = &silent;
    if (!scratch.isValid() || !CProjectStorage(trial).OpenProject(location, name)) {
        Messages().ShowError(text(CProjectStorage::ErrorCantOpen()), text(QStringLiteral("Error")));
        return false;
    }
    CloseProject();
    CProjectStorage storage(app_);
    if (!storage.AdoptUnpackedFolder(location, trial.ProjectFolder(), trial.projectFolderName)
        && !storage.OpenProject(location, name)) {
        Messages().ShowError(text(CProjectStorage::ErrorCantOpen()), text(QStringLiteral("Error")));
        return false;
    }
    hasProject_ = true;
    emit projectOpened();
    NotifyScreenListChanged();
    NotifyModifiedChanged();
    return true;
}

bool CProjectController::NewProject(const QString& name, const QString& location,
                                    const QString& hmiType, const QString& plcType,
                                    const CDeviceInfo* protocol)
{
    CloseProject();
    app_.ResetProjectModel(name, location, hmiType, plcType);
    if (protocol)
        app_.model.Devices() = *protocol;
    hasProject_ = true;
    const int number = app_.model.FirstFreeScreenNumber();
    ScreenCommands::NewScreen(app_, number, ScreenCommands::DefaultScreenName(number));
    CProjectStorage(app_).KeepRecoverable();
    emit projectOpened();
    NotifyScreenListChanged();
    NotifyModifiedChanged();
    return true;
}

bool CProjectController::StartProject(const StartProjectChoice& choice)
{
    if (!AskToSave())
        return false;
    if (choice.mode == StartProjectChoice::OpenFromDisk)
        return OpenProject(choice.locationPath, choice.projectName);
    return NewProject(choice.projectName, choice.savePath, choice.hmiType, choice.plcType,
                      choice.protocol ? &*choice.protocol : nullptr);
}

bool CProjectController::OpenCommandLineFile(const QString& argument)
{
    QString location, name;
    if (!SplitCommandLinePath(argument, &location, &name)) {
        Messages().ShowError(text(CProjectStorage::ErrorCantOpen()), text(QStringLiteral("Error")));
        return false;
    }
    if (!AskToSave())
        return false;
    return OpenProject(location, name);
}

bool CProjectController::SaveProject()
{
    if (!hasProject_)
        return false;
    const bool ok = CProjectStorage(app_).SaveProject();
    NotifyModifiedChanged();
    return ok;
}

bool CProjectController::SaveProjectAs(const QString& packagePath)
{
    if (!hasProject_)
        return false;
    const bool ok = CProjectStorage(app_).SaveProjectAs(packagePath);
    NotifyScreenListChanged();
    NotifyModifiedChanged();
    return ok;
}

void CProjectController::CloseProject()
{
    if (!hasProject_)
        return;
    CProjectStorage(app_).CloseProject();
    screens_.CloseAll();
    hasProject_ = false;
    emit projectClosed();
    NotifyScreenListChanged();
    NotifyModifiedChanged();
}

bool CProjectController::AskToSave()
{
    if (!IsModified())
        return true;
    switch (Messages().Ask(text(QStringLiteral("Project data has been modified, save it?")),
                           text(QStringLiteral("Warning")), MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes: return SaveProject();
    case MessageAnswer::No: return true;
    default: return false;
    }
}

CTessanDoc* CProjectController::ScreenDocument(int number)
{
    return hasProject_ ? screens_.Open(number) : nullptr;
}

CTessanDoc* CProjectController::LoadedScreenDocument(int number) const
{
    return hasProject_ ? screens_.Document(number) : nullptr;
}

void CProjectController::ScreenDeleted(int number)
{
    emit screenDeleted(number);
    NotifyScreenListChanged();
    screens_.Forget(number);
    NotifyModifiedChanged();
}

void CProjectController::ScreenRenumbered(int oldNumber, int newNumber)
{
    screens_.Renumber(oldNumber, newNumber);
    if (oldNumber != newNumber)
        emit screenRenumbered(oldNumber, newNumber);
    NotifyScreenListChanged();
    NotifyModifiedChanged();
}

void CProjectController::MarkModified()
{
    app_.model.modified = true;
    NotifyModifiedChanged();
}

bool CProjectController::KeepForRecovery()
{
    if (!hasProject_ || !IsModified())
        return false;
    // No one is there to answer a message now. A folder that could not be
    // written whole is kept all the same: it still holds the last save.
    CSilentMessageSink silent;
    IMessageSink* shown = app_.messages;
    app_.messages = &silent;
    CProjectStorage(app_).WriteProjectFolder();
    app_.messages = shown;
    return true;
}

CBitmapLibrary::ImportResult CProjectController::ImportBitmap(const QString& sourcePath)
{
    const auto result = Bitmaps().Import(sourcePath);
    if (result == CBitmapLibrary::ImportResult::Imported)
        emit bitmapLibraryChanged();
    NotifyModifiedChanged();
    return result;
}

bool CProjectController::DeleteBitmap(const QString& fileName)
{
    const bool deleted = Bitmaps().Delete(fileName);
    if (deleted)
        emit bitmapLibraryChanged();
    NotifyModifiedChanged();
    return deleted;
}

void CProjectController::NotifyScreenListChanged()
{
    emit screenListChanged();
}

void CProjectController::NotifyModifiedChanged()
{
    const bool modified = IsModified();
    if (modified != lastModified_) {
        lastModified_ = modified;
        emit modifiedChanged(modified);
    }
}

void CProjectController::ClearOutput()
{
    emit outputCleared();
}

void CProjectController::AppendOutput(const QString& line)
{
    emit outputLine(line);
}
