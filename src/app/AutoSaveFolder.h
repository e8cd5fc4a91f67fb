#pragma once
#include <QString>
#include <QStringList>

#include <functional>

class CDiagramEntityContainer;
class CTessanApp;

// The folder ".autosave" inside a project folder: the edits that no save has
// written yet, kept beside the saved files for recovery after a crash. The
// screen files and the project document of the project folder (what the
// compiler and the package take) are never written by it, and the folder
// never goes into a package.
//
// It holds sets, one folder per autosave numbered upwards, each with the
// project document, the screen files of the modified screens and, written
// last, a manifest that names every file with its SHA-256 sum. A set without
// a manifest is one whose writing was cut short; the newest set with a
// manifest is the autosave. A new set replaces the older ones only once it is
// whole, so a crash in the middle of an autosave leaves the previous one.
class CAutoSaveFolder
{
public:
    explicit CAutoSaveFolder(QString projectFolder) : projectFolder_(std::move(projectFolder)) {}

    // ".autosave"
    static QString FolderName();
    // A package entry or other name relative to the project folder that lies
    // in the autosave folder; such a name is never packed.
    static bool Holds(const QString& relativeName);

    QString Path() const;

    // The objects of a screen when its document is loaded and holds unsaved
    // edits (null otherwise).
    using LoadedScreen = std::function<const CDiagramEntityContainer*(int screenNumber)>;
    // Writes the project document of `app` and the screen file of every
    // screen with unsaved edits, as a new set; the open
    // project is not changed. When the newest set already holds exactly
    // these files nothing is written. False when the set could not be
    // written whole (the previous one then stays).
    bool Write(const CTessanApp& app, const LoadedScreen& loaded) const;

    // The folder of the autosave (the newest set with a manifest); empty
    // when there is none.
    QString NewestSet() const;

    struct Overlay
    {
        QStringList applied; // the files that replaced their saved ones
        QStringList damaged; // autosaved files that did not match their sum
    };
    // Recovery: the files of the autosave replace those of the project
    // folder, for the project `projectName`: its project document, and the
    // screen files that the folder still has (a screen deleted or renamed
    // since then is left out). A damaged file is left out and its saved
    // one kept.
    Overlay ApplyTo(const QString& projectName) const;

    // Empties the folder (a save wrote the edits, the project was closed).
    void Clear() const;

private:
    QString projectFolder_;
};
