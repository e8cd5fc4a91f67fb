#pragma once
#include <QString>
#include <QStringList>

class CTessanApp;

// The two libraries a static bitmap draws from: the system library of fixed
// categories under BMP_Files beside the program (read-only), and the user
// library, the .bmp files in the open project's working folder, which travel
// in the package because the project's bitmap list names them.
//
// A chosen bitmap is stored as a folder part and a file name: "BMP_Files\"
// and the category for a system bitmap, empty for a user bitmap.
class CBitmapLibrary
{
public:
    explicit CBitmapLibrary(CTessanApp& app);

    // Arrow, Battery, Fan, Flag, Ico, Valve: the system categories in the
    // order the bitmap manager shows them.
    static const QStringList& Categories();
    // "BMP_Files\<category>".
    static QString SystemFolderPart(const QString& category);

    // The folder on disk of a system category, and of the user library.
    QString SystemFolder(const QString& category) const;
    QString UserFolder() const;

    // The bitmap files of a folder, sorted by name: regular files that are
    // not hidden and whose extension is "bmp" in any case. An unreadable
    // folder gives an empty list.
    static QStringList ListBitmaps(const QString& folder);

    // Copies a file into the user library under its own name, replacing a
    // file of that name, and puts the name into the project's bitmap list
    // (once), so that it is packed with the project; the project counts as
    // modified. A file that is not a .bmp file, cannot be read or cannot be
    // written leaves the library as it was and gives the reason.
    enum class ImportResult { Imported, NotABitmapFile, Unreadable, Unwritable };
    ImportResult Import(const QString& sourcePath);
    // Deletes a user bitmap and takes its name out of the bitmap list.
    bool Delete(const QString& fileName);

    // Export One's target: a name shorter than five characters, or one that
    // does not end in ".bmp", gets ".bmp" added.
    static QString ExportTargetName(const QString& chosen);
    // Copies source over target; the target is replaced only when the copy
    // is complete.
    static bool CopyFile(const QString& source, const QString& target);

private:
    CTessanApp& app_;
};
