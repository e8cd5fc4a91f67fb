#pragma once
#include <QString>
#include <QStringList>

// The editor's place on the desktop, installed for the user at start-up when
// missing: a desktop entry that opens "<qv> %f", the file type of "*.cgp"
// (shared-mime-info) and the application icon. The files come from the
// folder desktop/ beside the program; without it minimal ones are written.
// Failures are ignored: the program starts all the same.
class CDesktopIntegration
{
public:
    // `programPath` is the qv that the entry starts; `dataHome` the user's
    // data folder ($XDG_DATA_HOME, ~/.local/share).
    CDesktopIntegration(QString programPath, QString sourceDir, QString dataHome);
    // For the running program: its own path, its desktop/ folder, the user's
    // data folder.
    static CDesktopIntegration ForRunningProgram();

    // Writes each missing file, then refreshes the desktop's caches with
    // update-mime-database and update-desktop-database when they are
    // installed. A desktop entry whose program no longer exists counts as
    // missing. Returns the files written.
    QStringList InstallWhenMissing();
    // The cache tools run only when this is set (the default).
    void SetRunTools(bool run) { runTools_ = run; }

    QString DesktopEntryPath() const;
    QString MimePackagePath() const;

private:
    QByteArray desktopEntry() const;
    bool entryProgramExists(const QString& entryPath) const;
    QString iconName() const;
    void runTool(const QString& tool, const QString& folder) const;

    QString program_;
    QString source_;
    QString dataHome_;
    bool runTools_ = true;
};
