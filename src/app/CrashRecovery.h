#pragma once
#include "WorkingFolderLock.h"
#include "base/AppPaths.h"

#include <QList>
#include <QString>

#include <memory>

class IMessageSink;

// A project folder that an earlier run left behind (it crashed or was
// killed before it removed its folders), with what it says about itself.
struct LeftoverFolder
{
    QString folder;      // the project folder
    QString projectName; // from the recovery marker, else from Prj.ini
    QString packagePath; // the package it belongs to; empty when unknown
    // Held while the folder is offered, so that no other editor offers or
    // takes it meanwhile.
    std::shared_ptr<CWorkingFolderLock> lock;
};

// Start-up of the first instance: the folders under the projects root are
// left over from an earlier run. Each one that holds a project is offered:
// recovered into a new package beside its original (<name>-recovered.cgp,
// then -2, -3, ...; never over an existing file), or deleted. Only folders
// whose lock names a process that is gone (or that have none) are left
// over: the folders of a live editor, scratch folders included, are never
// touched.
class CCrashRecovery
{
public:
    CCrashRecovery(AppPaths paths, QString projectsRoot)
        : paths_(std::move(paths)),
          projectsRoot_(std::move(projectsRoot))
    {}

    // The folders left over that hold a project document, by folder name;
    // each is locked while its LeftoverFolder lives.
    QList<LeftoverFolder> FindLeftovers() const;
    // Deletes what is left over besides those: scratch folders of an open or
    // a save that were cut short, stray files. None of it holds a project.
    void RemoveUnrecoverable() const;
    // Program end, once the run's own project folder is gone: what
    // RemoveUnrecoverable removes, and the projects root when nothing is left
    // in it. Folders left over with a project stay for the next start to
    // offer (a Cancel at its question kept them); those of other live
    // editors stay as they are.
    void RemoveAtProgramEnd() const;

    // Where Recover would write the package now: beside the original
    // package, or in the user's Project folder when its place is unknown or
    // gone; the first of <name>-recovered.cgp, <name>-recovered-2.cgp, ...
    // that does not exist.
    QString RecoveredPackagePath(const LeftoverFolder& leftover) const;
    // Packs the folder as a save does, under the project name of the new
    // package, into RecoveredPackagePath; the edits of its autosave folder
    // replace the saved files first. The folder goes once the package is
    // written. Failures are shown through `messages`; on failure the folder
    // stays for the next start. Returns the package path, or empty.
    // `damaged` receives the autosaved files that were left out because they
    // were damaged (their saved state is in the package).
    QString Recover(const LeftoverFolder& leftover, IMessageSink* messages,
                    QStringList* damaged = nullptr) const;
    // Declined: the folder goes, as at the end of a run.
    static void Discard(const LeftoverFolder& leftover);

private:
    bool holdsProject(const QString& folder, LeftoverFolder* out) const;

    AppPaths paths_;
    QString projectsRoot_;
};
