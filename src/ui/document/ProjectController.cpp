#include "ProjectController.h"
#include "ScreenDocument.h"
#include "app/AutoSaveFolder.h"
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
    : QObject(parent),
      app_(app),
      screens_(app)
{
    app_.openScreens = &screens_;
}

CProjectController::~CProjectController()
{
    documents_.clear();
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
    emit screenListChanged();
    NotifyModifiedChanged();
    return true;
}

bool CProjectController::NewProject(const QString& name, const QString& location,
                                    const QString& hmiType, const QString& plcType,
                                    const CDeviceInfo* protocol, bool withFirstScreen)
{
    CloseProject();
    app_.ResetProjectModel(name, location, hmiType, plcType);
    if (protocol)
        app_.model.Devices() = *protocol;
    hasProject_ = true;
    if (withFirstScreen) {
        const int number = app_.model.FirstFreeScreenNumber();
        ScreenCommands::NewScreen(app_, number, ScreenCommands::DefaultScreenName(number));
        currentScreen_ = number;
    }
    CProjectStorage(app_).KeepRecoverable();
    emit projectOpened();
    if (currentScreen_)
        emit currentScreenChanged(currentScreen_);
    emit screenListChanged();
    NotifyModifiedChanged();
    return true;
}

bool CProjectController::StartProject(const StartProjectChoice& choice)
{
    if (!AskToSave())
        return false;
    if (choice.mode == StartProjectChoice::OpenFromDisk)
        return OpenProject(choice.locationPath, choice.projectName);
    // The editor goes on with the New Screen command and its dialog.
    return NewProject(choice.projectName, choice.savePath, choice.hmiType, choice.plcType,
                      choice.protocol ? &*choice.protocol : nullptr, false);
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
    emit screenListChanged();
    NotifyModifiedChanged();
    return ok;
}

void CProjectController::CloseProject()
{
    if (!hasProject_)
        return;
    // The documents go first, while their screens are still there: each
    // one's windows let go of it, and what they ask in the meantime (the
    // window in front's selection, say) reads screens that still exist.
    documents_.clear();
    CProjectStorage(app_).CloseProject();
    screens_.CloseAll();
    hasProject_ = false;
    SetCurrentScreen(0);
    emit projectClosed();
    emit screenListChanged();
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

CScreenDocument* CProjectController::ScreenDocument(int number)
{
    CTessanDoc* doc = hasProject_ ? screens_.Open(number) : nullptr;
    if (!doc)
        return nullptr;
    auto& entry = documents_[doc];
    if (!entry) {
        entry = std::make_unique<CScreenDocument>(*doc);
        // A view's edit tells the windows that show the project's state.
        connect(entry.get(), &CScreenDocument::historyChanged, this,
                &CProjectController::NotifyModifiedChanged);
        emit screenDocumentCreated(number, entry.get());
    }
    return entry.get();
}

CScreenDocument* CProjectController::LoadedScreenDocument(int number) const
{
    const CTessanDoc* doc = loadedDoc(number);
    const auto found = doc ? documents_.find(doc) : documents_.end();
    return found != documents_.end() ? found->second.get() : nullptr;
}

CTessanDoc* CProjectController::loadedDoc(int number) const
{
    return hasProject_ ? screens_.Document(number) : nullptr;
}

void CProjectController::SetCurrentScreen(int number)
{
    if (number != 0 && !(hasProject_ && app_.model.FindScreen(number)))
        number = 0;
    if (number == currentScreen_)
        return;
    currentScreen_ = number;
    emit currentScreenChanged(number);
}

void CProjectController::forgetScreen(int number)
{
    if (const CTessanDoc* doc = loadedDoc(number))
        documents_.erase(doc);
    screens_.Forget(number);
}

void CProjectController::markModified()
{
    NotifyModifiedChanged();
}

void CProjectController::screenListChanged_()
{
    emit screenListChanged();
    NotifyModifiedChanged();
}

bool CProjectController::NewScreen(int number, const QString& name)
{
    if (!hasProject_ || app_.model.IsScreenNumberUsed(number))
        return false;
    if (!ScreenCommands::NewScreen(app_, number, name))
        return false;
    // A screen of the same number loaded before (deleted since) is not it.
    forgetScreen(number);
    SetCurrentScreen(number);
    screenListChanged_();
    return true;
}

bool CProjectController::CopyScreen(int number)
{
    if (!hasProject_ || !app_.model.FindScreen(number))
        return false;
    const bool ok = ScreenCommands::CopyScreen(app_, number, loadedDoc(number));
    NotifyModifiedChanged();
    return ok;
}

int CProjectController::PasteScreen()
{
    if (!hasProject_)
        return 0;
    const CScreenObject* screen = ScreenCommands::PasteScreen(app_);
    if (!screen)
        return 0;
    const int number = screen->number;
    forgetScreen(number);
    SetCurrentScreen(number);
    screenListChanged_();
    return number;
}

ScreenCommands::RenameResult CProjectController::RenameScreen(int oldNumber, int newNumber,
                                                              const QString& name)
{
    if (!hasProject_ || !app_.model.FindScreen(oldNumber))
        return ScreenCommands::RenameResult::Unchanged;
    const auto result =
        ScreenCommands::RenameScreen(app_, oldNumber, newNumber, name, loadedDoc(oldNumber));
    if (result != ScreenCommands::RenameResult::Renamed)
        return result;
    // The document (and its edits) goes with the screen to its new number.
    if (oldNumber != newNumber)
        forgetScreen(newNumber);
    screens_.Renumber(oldNumber, newNumber);
    if (oldNumber != newNumber)
        emit screenRenumbered(oldNumber, newNumber);
    // The renamed screen is current, under its new number.
    currentScreen_ = newNumber;
    emit currentScreenChanged(newNumber);
    screenListChanged_();
    return result;
}

bool CProjectController::DeleteScreen(int number)
{
    if (!hasProject_ || !ScreenCommands::DeleteScreen(app_, number))
        return false;
    // Its windows close before the document goes.
    emit screenDeleted(number);
    forgetScreen(number);
    if (currentScreen_ == number)
        SetCurrentScreen(0);
    screenListChanged_();
    return true;
}

bool CProjectController::KeepForRecovery()
{
    if (!hasProject_ || !IsModified())
        return false;
    // Nothing is shown: no one is there to answer. An autosave that could
    // not be written leaves the folder as it was, with the last save and
    // the previous autosave; it is kept all the same.
    CAutoSaveFolder(app_.ProjectFolder()).Write(app_, [this](int number) {
        const CTessanDoc* doc = screens_.Document(number);
        return doc && doc->IsModified() ? &doc->Container() : nullptr;
    });
    return true;
}

CBitmapLibrary::ImportResult CProjectController::ImportBitmap(const QString& sourcePath)
{
    const auto result = CBitmapLibrary(app_).Import(sourcePath);
    if (result == CBitmapLibrary::ImportResult::Imported)
        emit bitmapLibraryChanged();
    NotifyModifiedChanged();
    return result;
}

bool CProjectController::DeleteBitmap(const QString& fileName)
{
    const bool deleted = CBitmapLibrary(app_).Delete(fileName);
    if (deleted)
        emit bitmapLibraryChanged();
    NotifyModifiedChanged();
    return deleted;
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
