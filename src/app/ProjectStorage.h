#pragma once
#include <QByteArray>
#include <QString>

class CTessanApp;
class CZipReader;

// The project folder and the project package: open, save, save as, close.
// Messages go to the application's message sink; the internal ones only when
// the debug flag (Debug/CompilerData) is set.
class CProjectStorage
{
public:
    explicit CProjectStorage(CTessanApp& app) : app_(app) {}

    // Opens <location>/<baseName>.cgp: backs it up to .bak, unpacks it into the
    // project folder <projectsRoot>/<baseName> (<baseName>-2, -3, ... when
    // another live editor works in that one) and loads the project document
    // named by Prj.ini. The caller shows "Error GUI-004 : This file can't open"
    // when this fails.
    bool OpenProject(const QString& location, const QString& baseName);
    bool UnpackPackage(const QString& packagePath, const QString& folderName);
    // The same for a package already in memory: nothing but the project
    // folder is written.
    bool UnpackPackageBytes(const QByteArray& package, const QString& folderName);
    // Opens a package that was unpacked elsewhere (a trial open in a scratch
    // folder on the same disk): its files move into the project folder
    // claimed for `folderName`, then Prj.ini and the project document are read as
    // OpenProject reads them.
    bool AdoptUnpackedFolder(const QString& location, const QString& unpackedFolder,
                             const QString& folderName);
    // Loads the project folder that is already in place (a folder left by an
    // earlier run): the version from its Prj.ini when it has one, the project
    // document <projectName>.cgp; the project belongs at `location`.
    bool LoadProjectFolder(const QString& location, const QString& projectName);
    // A new project: its document and the recovery marker go into the project
    // folder at once, so that a run that ends before the first save leaves a
    // folder that can be recovered.
    bool KeepRecoverable();
    // Writes the project document and the open screens into the project
    // folder, empties its autosave folder and packs the folder into
    // <location>/<name>.cgp.
    bool SaveProject();
    // The first half of a save: the project document, the open screens and
    // the recovery marker into the project folder; the package stays as it
    // is. What a run that must end without asking leaves for recovery.
    bool WriteProjectFolder();
    bool PackProject();
    // Saves under a new package path; the new project folder receives every
    // file of the old one under the new names first.
    bool SaveProjectAs(const QString& packagePath);
    void CloseProject();

    // Splits a package path at its last "/" or "\" and its last ".".
    static bool SplitPackagePath(const QString& path, QString* location, QString* name);

    static QString ErrorCantOpen()
    {
        return QStringLiteral("Error GUI-004 : This file can't open");
    }

private:
    void debugMessage(bool debug, const char* text);
    void writeRecoveryMarker();
    bool unpack(CZipReader& zip, bool opened, const QString& folderName);
    bool readPrjIni(const QString& folder, bool debug);
    bool loadDocument(const QString& location);
    bool copyProjectFolder(const QString& fromFolder, const QString& oldName,
                           const QString& toFolder, const QString& newName);
    void fail(const QString& text);

    CTessanApp& app_;
};
