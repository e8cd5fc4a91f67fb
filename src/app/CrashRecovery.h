#pragma once
#include "base/AppPaths.h"

#include <QList>
#include <QString>

class IMessageSink;

// A project folder that an earlier run left behind (it crashed or was
// killed before it removed its folders), with what it says about itself.
struct LeftoverFolder
{
    QString folder;      // the project folder
    QString projectName; // from the recovery marker, else from Prj.ini
    QString packagePath; // the package it belongs to; empty when unknown
};

// Start-up of the first instance: the folders under the projects root are
// left over from an earlier run. Each one that holds a project is offered:
// recovered into a new package beside its original (<name>-recovered.cgp,
// then -2, -3, ...; never over an existing file), or deleted. A running
// editor's folders are never looked at: only the first instance asks.
class CCrashRecovery
{
public:
    CCrashRecovery(AppPaths paths, QString projectsRoot)
        : paths_(std::move(paths)),
          projectsRoot_(std::move(projectsRoot))
    {}

    // The folders that hold a project document, by folder name.
    QList<LeftoverFolder> FindLeftovers() const;
    // Deletes what is there besides those: scratch folders of an open or a
    // save that were cut short, stray files. None of it holds a project.
    void RemoveUnrecoverable() const;

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
