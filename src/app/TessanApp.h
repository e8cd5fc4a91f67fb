#pragma once
#include "base/AppSettings.h"
#include "base/MessageSink.h"
#include "base/VersionNumber.h"
#include "compiler/HZLib.h"
#include "project/PrjDoc.h"
#include "project/ProjectModel.h"
#include "screen/ScreenDocumentHost.h"

#include <QByteArray>
#include <algorithm>
#include <atomic>
#include <limits>

// The screen editors that are open on the project's screens. The editor
// registers one; without it no screen is open.
class IOpenScreenDocuments
{
public:
    virtual ~IOpenScreenDocuments() = default;
    // Writes every open screen into its screen file in `projectFolder`.
    virtual bool SaveAll(const QString& projectFolder, const QString& projectName) = 0;
    // The project got a new name: open editors take their new titles.
    virtual void Retitle(const QString& newProjectName) = 0;
    virtual bool AnyModified() const = 0;
    // The project was saved: what each screen holds now is what its file in
    // the package holds.
    virtual void TakeAllAsSaved() = 0;
    virtual void CloseAll() = 0;
};

// The application state: the one open project, its flags and buffers, the
// settings and language files. It belongs to no window, so the editor,
// qv-cli and the tests each own one.
class CTessanApp : public IScreenDocumentHost
{
public:
    // `projectsRoot` is the folder in which packages are unpacked, one project
    // folder per project; the editor uses Temp/Project beside the program.
    CTessanApp(AppPaths paths, QString projectsRoot);
    CTessanApp(const CTessanApp&) = delete;
    CTessanApp& operator=(const CTessanApp&) = delete;

    CAppSettings settings;
    VersionNumber programVersion;
    CProjectModel model;
    CPrjDoc prjDoc;

    QString projectsRoot;
    QString projectFolderName;
    QString ProjectFolder() const { return projectsRoot + QLatin1Char('/') + projectFolderName; }

    // Set by a Cancel that the user confirmed; read by the compiler and the
    // transfer engine on their worker threads.
    std::atomic<int> stopFlag{0};
    // The compiled runtime image, and the bitmap data of the last compilation.
    QByteArray runtimeImage;
    QByteArray bitmapData;
    // The characters that the compilations of the open project have encoded;
    // emptied when the project closes or a new one is made.
    CHZLib hzLib;

    // One counter of fresh group numbers for the whole application. It moves
    // past every group number of a loaded screen, so a fresh number never
    // joins an existing group.
    int NextGroupNumber() override
    {
        if (groupCounter_ < std::numeric_limits<int>::max())
            ++groupCounter_;
        return groupCounter_;
    }
    void GroupNumberSeen(int group) override { groupCounter_ = std::max(groupCounter_, group); }
    IMessageSink* Messages() override { return messages; }
    const CProjectModel& Model() const override { return model; }

    IMessageSink* messages = &silent_;
    IOpenScreenDocuments* openScreens = nullptr;

    // A new project: the model reset with this identity and a new, empty
    // project document. It has never been saved.
    void ResetProjectModel(const QString& name, const QString& location, const QString& hmiType,
                           const QString& plcType);

    // ---- the saved state ----
    // The project counts as modified exactly when it differs from the
    // package it was last read from or saved to: its records (the save date
    // aside) or its project bitmaps differ from what they were then, or a
    // loaded screen's objects differ from its file. A project never saved
    // is modified. One exception is kept: a Transfer dialog whose port alone
    // changed (transferPortChanged).
    bool ProjectCountsAsModified() const;
    // The project was read from its package or saved into it: this is the
    // package's state now. The saved-state number moves on.
    void TakeAsSaved();
    // The project closed, or a new one that was never saved.
    void ForgetSaved();
    // Which saved state the project is in: a new number after every open,
    // save, close and new project.
    quint64 SavedState() const { return savedState_; }
    bool transferPortChanged = false;

    // ---- the runtime image ----
    // The saved state that the runtime image was compiled from (0: an
    // unsaved one, or none). The image stands for the project only while the
    // project is still in that state: Project Transfer compiles otherwise.
    quint64 imageState = 0;
    bool ImageStandsForProject() const
    {
        return !runtimeImage.isEmpty() && imageState != 0 && imageState == savedState_;
    }
    // The saved state a compilation starting now compiles: 0 when the
    // project has unsaved edits.
    quint64 StateToCompile() const { return ProjectCountsAsModified() ? 0 : savedState_; }
    // An image sent as it is (a file given on the command line) stands for
    // the project as it is.
    void UseImage(const QByteArray& image)
    {
        runtimeImage = image;
        imageState = savedState_;
    }

    void ShowMessage(MessageKind kind, const QString& text, const QString& caption)
    {
        messages->Show(kind, text, caption);
    }

private:
    // The records and the project bitmaps as they were at the last open or
    // save (empty: never saved).
    QByteArray savedRecords_;
    quint64 savedState_ = 1;
    QByteArray recordsNow() const;

    CSilentMessageSink silent_;
    int groupCounter_ = 0;
};
