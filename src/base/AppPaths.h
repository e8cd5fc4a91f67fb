#pragma once
#include <QString>

// Where the program finds its data files and keeps its working files.
// The data files (language files, BMP_Files, help) always come from the
// program folder. The settings file and the folders Project, Temp and
// Temp/Project live in the program folder too, unless that folder is
// read-only (an installed copy): then they live in the user's data folder.
struct AppPaths
{
    QString programDir; // folder of the running executable
    QString workDir;    // holds QV_.ini, Project, Temp

    QString SettingsFile() const { return workDir + QStringLiteral("/QV_.ini"); }
    QString ProjectDir() const { return workDir + QStringLiteral("/Project"); }
    QString TempDir() const { return workDir + QStringLiteral("/Temp"); }
    QString TempProjectDir() const { return workDir + QStringLiteral("/Temp/Project"); }
    QString LanguageFile(const QString& code) const
    {
        return programDir + QStringLiteral("/QV_Str.") + code;
    }

    // Paths for the program folder `dir` (the work folder falls back to the
    // user's data folder when `dir` cannot be written).
    static AppPaths ForProgramDir(const QString& dir);
    // Paths for a program folder that cannot be written: the work folder is
    // `userDir`, made when missing; a QV_.ini installed in the program folder
    // is copied into it when the user has none yet.
    static AppPaths InUserDataFolder(const QString& programDir, const QString& userDir);
    // Paths for the running executable.
    static AppPaths ForRunningProgram();

    // Creates Project, Temp and Temp/Project when missing; failures are silent.
    void CreateWorkFolders() const;
};
