#pragma once
#include <QString>

// An installed copy of the programs: their folder is a bin/ with
// share/corvel/ beside it, which holds their data files (language files,
// BMP_Files, help). Such a program always keeps its settings file and
// working folders in the user's data folder, run by root too; a program in
// a build tree (or unpacked anywhere else) has its data beside itself.
namespace InstalledData {

// The data folder of an installed program whose folder is `programDir`;
// empty when it is not the bin folder of an installed copy.
QString DataDir(const QString& programDir);
// The user's data folder for the programs: $XDG_DATA_HOME/Corvel, by default
// ~/.local/share/Corvel.
QString UserFolder();

} // namespace InstalledData
