// Crash recovery: a project folder that a killed run left under Temp/Project
// is offered at the next start; Yes packs it beside its package under a new
// name, No deletes it, Cancel keeps it. Packages never hold the marker that
// tells a folder where its package lives.
#include "ScreenTestObjects.h"
#include "TestSupport.h"
#include "app/AutoSaveFolder.h"
#include "app/CrashRecovery.h"
#include "app/RecoveryMarker.h"
#include "app/ScreenCommands.h"
#include "app/TessanApp.h"
#include "app/WorkingFolderLock.h"
#include "app/ProjectStorage.h"
#include "project/ProtocolTables.h"
#include "screen/TessanDoc.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/app/SingleInstance.h"
#include "ui/app/StartupSequence.h"
#include "ui/app/TerminationSignals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>

#include <csignal>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

// A run of the editor that saves project Line1 at `location`, then writes an
// edited screen 1 into its project folder and is killed before the package
// is packed again (its folders stay). Returns the package's saved bytes.
QByteArray killedRun(CTestProgramFolder& program, const QString& location)
{
    CTessanApp app(program.App().settings.Paths(), program.App().projectsRoot);
    app.messages = &program;
    CProjectController c(app);
    if (!c.NewProject("Line1", location, "RU03", kVSeq) || !c.SaveProject())
        return QByteArray();
    c.ScreenDocument(1)->Edit(
        [](CDiagramEntityContainer& o) { o.Add(ScreenTestObjects::NonDefault(0)); });
    if (!app.openScreens->SaveAll(app.ProjectFolder(), "Line1"))
        return QByteArray();
    // A screen made after the save: its file is in the folder, the project
    // document does not list it yet.
    ScreenCommands::NewScreen(app, 2, "Added");
    return ReadFile(location + "/Line1.cgp");
}

// The next start: the leftover folders are offered, answered by `answers`.
void nextStart(CTestProgramFolder& program, QList<MessageAnswer> answers)
{
    CTessanApp app(program.App().settings.Paths(), program.App().projectsRoot);
    app.messages = &program;
    CProjectController c(app);
    CSingleInstance instance(
        QStringLiteral("qv-recovery-test-%1").arg(QCoreApplication::applicationPid()));
    CStartupSequence startup(c, instance);
    program.messages.clear();
    program.kinds.clear();
    program.answers = answers;
    startup.RecoverLeftovers();
}

QString leftoverFolder(CTestProgramFolder& program)
{
    return program.App().projectsRoot + "/Line1";
}

// What a run killed while it held `folder` leaves: its lock, naming a
// process that is gone.
bool leaveStaleLock(const QString& folder)
{
    return QDir().mkpath(folder)
           && WriteFile(folder + "/" + CWorkingFolderLock::FileName(),
                        "2147483647\nqv\n" + QSysInfo::machineHostName().toUtf8() + "\n");
}

} // namespace

class TestCrashRecovery : public QObject
{
    Q_OBJECT
private slots:
    void recoveredPackageHoldsTheEditsAndLeavesTheOriginal()
    {
        CTestProgramFolder program;
        const QString location = program.Dir() + "/P";
        const QByteArray original = killedRun(program, location);
        QVERIFY(!original.isEmpty());
        QVERIFY(QFileInfo(leftoverFolder(program)).isDir());

        nextStart(program, {MessageAnswer::Yes});
        const QString recovered = location + "/Line1-recovered.cgp";
        QCOMPARE(program.kinds,
                 QList<MessageKind>({MessageKind::Question, MessageKind::Information}));
        QVERIFY(program.messages[0].first.contains("project Line1"));
        QVERIFY(program.messages[0].first.contains(QDir::toNativeSeparators(recovered)));
        QVERIFY(program.messages[1].first.contains(QDir::toNativeSeparators(recovered)));
        QCOMPARE(ReadFile(location + "/Line1.cgp"), original);
        QVERIFY(!QFileInfo::exists(leftoverFolder(program)));
        // Nothing else is left under the projects root either.
        QCOMPARE(QDir(program.App().projectsRoot)
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());

        // The recovered package is a project of its own name, so that saving
        // it never writes over the original.
        const QStringList entries = ZipEntries(recovered);
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries[0], QString("Prj.ini"));
        QCOMPARE(entries[1], QString("Line1-recovered.cgp"));
        QCOMPARE(entries[2], QString("Line1-recovered.cgp - #2 Added"));
        QVERIFY(entries[3].startsWith("Line1-recovered.cgp - #1 "));

        CProjectController c(program.App());
        QVERIFY(c.OpenProject(location, "Line1-recovered"));
        QCOMPARE(c.ProjectName(), QString("Line1-recovered"));
        QVERIFY(c.ScreenDocument(1));
        QCOMPARE(c.ScreenDocument(1)->Container().GetSize(), 1);
        QVERIFY(c.ScreenDocument(2));
        QCOMPARE(c.ScreenDocument(2)->Container().GetSize(), 0);
        QVERIFY(c.SaveProject());
        QCOMPARE(ReadFile(location + "/Line1.cgp"), original);
    }

    void existingFilesAreNeverOverwrittenAndCancelKeepsTheFolder()
    {
        CTestProgramFolder program;
        const QString location = program.Dir() + "/P";
        QVERIFY(!killedRun(program, location).isEmpty());
        QVERIFY(WriteFile(location + "/Line1-recovered.cgp", "earlier recovery"));

        nextStart(program, {MessageAnswer::Cancel});
        QCOMPARE(program.kinds, QList<MessageKind>({MessageKind::Question}));
        QVERIFY(QFileInfo(leftoverFolder(program)).isDir());
        QVERIFY(!QFileInfo::exists(location + "/Line1-recovered-2.cgp"));
        // The end of that run keeps it too, for the next start to ask.
        CCrashRecovery(program.App().settings.Paths(), program.App().projectsRoot)
            .RemoveAtProgramEnd();
        QVERIFY(QFileInfo(leftoverFolder(program) + "/Line1.cgp").isFile());

        nextStart(program, {MessageAnswer::Yes});
        QCOMPARE(ReadFile(location + "/Line1-recovered.cgp"), QByteArray("earlier recovery"));
        QVERIFY(QFileInfo(location + "/Line1-recovered-2.cgp").isFile());
        QCOMPARE(ZipEntries(location + "/Line1-recovered-2.cgp")[1],
                 QString("Line1-recovered-2.cgp"));
        QVERIFY(!QFileInfo::exists(leftoverFolder(program)));
    }

    void declinedFolderIsDeletedAndScratchGoesSilently()
    {
        CTestProgramFolder program;
        const QString location = program.Dir() + "/P";
        QVERIFY(!killedRun(program, location).isEmpty());
        // What an open cut short leaves: a scratch folder without a project.
        const QString scratch = program.App().projectsRoot + "/.open-abc123";
        QVERIFY(WriteFile(scratch + "/Other/Prj.ini", "half"));

        nextStart(program, {MessageAnswer::No});
        QCOMPARE(program.kinds, QList<MessageKind>({MessageKind::Question}));
        QVERIFY(!QFileInfo::exists(leftoverFolder(program)));
        QVERIFY(!QFileInfo::exists(scratch));
        QCOMPARE(QDir(location).entryList({"*-recovered*"}, QDir::Files), QStringList());

        // The next start finds nothing to ask.
        nextStart(program, {});
        QVERIFY(program.kinds.isEmpty());
    }

    void folderWithoutKnownPackageGoesToTheProjectFolder()
    {
        CTestProgramFolder program;
        const QString location = program.Dir() + "/P";
        QVERIFY(!killedRun(program, location).isEmpty());
        // A folder of an older run: only Prj.ini names its project.
        QVERIFY(QFile::remove(leftoverFolder(program) + "/" + RecoveryMarker::FileName()));
        const AppPaths paths = program.App().settings.Paths();
        const CCrashRecovery recovery(paths, program.App().projectsRoot);
        {
            const QList<LeftoverFolder> found = recovery.FindLeftovers();
            QCOMPARE(found.size(), 1);
            QCOMPARE(found[0].projectName, QString("Line1"));
            QCOMPARE(recovery.RecoveredPackagePath(found[0]),
                     paths.ProjectDir() + "/Line1-recovered.cgp");
            // Offered here: no other start offers it meanwhile.
            QVERIFY(recovery.FindLeftovers().isEmpty());
        }

        nextStart(program, {MessageAnswer::Yes});
        QVERIFY(QFileInfo(paths.ProjectDir() + "/Line1-recovered.cgp").isFile());
        QVERIFY(!QFileInfo::exists(location + "/Line1-recovered.cgp"));
    }

    void packagesNeverHoldTheMarker()
    {
        CTestProgramFolder program;
        const QString location = program.Dir() + "/P";
        CProjectController c(program.App());
        QVERIFY(c.NewProject("Line1", location, "RU03", kVSeq));
        // A new project is recoverable before its first save.
        const QString folder = program.App().ProjectFolder();
        QCOMPARE(RecoveryMarker::Read(folder).projectName, QString("Line1"));
        QCOMPARE(RecoveryMarker::Read(folder).packagePath,
                 QFileInfo(location + "/Line1.cgp").absoluteFilePath());
        QVERIFY(QFileInfo(folder + "/Line1.cgp").isFile());

        QVERIFY(c.SaveProject());
        const QStringList saved = ZipEntries(location + "/Line1.cgp");
        QCOMPARE(saved.size(), 3);
        QVERIFY(!saved.contains(RecoveryMarker::FileName()));

        c.CloseProject();
        QVERIFY(c.OpenProject(location, "Line1"));
        QCOMPARE(RecoveryMarker::Read(program.App().ProjectFolder()).packagePath,
                 QFileInfo(location + "/Line1.cgp").absoluteFilePath());
        QVERIFY(c.SaveProject());
        QCOMPARE(ZipEntries(location + "/Line1.cgp"), saved);

        // Save As points the marker at the new package.
        QVERIFY(c.SaveProjectAs(location + "/Line2.cgp"));
        QCOMPARE(RecoveryMarker::Read(program.App().ProjectFolder()).projectName, QString("Line2"));
        QVERIFY(!ZipEntries(location + "/Line2.cgp").contains(RecoveryMarker::FileName()));
    }

    // Another editor works in the same projects root (another runtime
    // folder): its project folder and its scratch folder are alive. A start
    // offers and cleans up only what killed runs left; opening the same
    // package goes into a folder of its own; the end leaves the other's.
    void liveEditorsFoldersAreNeverLeftovers()
    {
        CTestProgramFolder program;
        const QString location = program.Dir() + "/P";
        const QString root = program.App().projectsRoot;
        CTessanApp other(program.App().settings.Paths(), root);
        CProjectController otherEditor(other);
        QVERIFY(otherEditor.NewProject("Line1", location, "RU03", kVSeq));
        QVERIFY(otherEditor.SaveProject());
        QVERIFY(WriteFile(root + "/Line1/CopyTemp", "other's clipboard"));
        // An open of the other editor under way, and an hour-old lock: only
        // a lock whose process is gone is stale.
        CWorkingFolderLock openUnderWay;
        QVERIFY(QDir().mkpath(root + "/.open-abc123/Line9"));
        QVERIFY(openUnderWay.Take(root + "/.open-abc123"));
        QFile lockFile(root + "/.open-abc123/" + CWorkingFolderLock::FileName());
        QVERIFY(lockFile.open(QIODevice::ReadOnly));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
        lockFile.close();
        QVERIFY(CWorkingFolderLock::IsAlive(root + "/.open-abc123"));
        // Left by killed runs: a project with a stale lock, and a scratch folder.
        QVERIFY(!killedRun(program, program.Dir() + "/Q").isEmpty());
        QVERIFY(QDir(root).rename("Line1-2", "Killed"));
        QVERIFY(leaveStaleLock(root + "/Killed"));
        QVERIFY(leaveStaleLock(root + "/.open-dead00"));
        QVERIFY(!CWorkingFolderLock::IsAlive(root + "/Killed"));

        nextStart(program, {MessageAnswer::No});
        QCOMPARE(program.kinds, QList<MessageKind>({MessageKind::Question}));
        QVERIFY(program.messages[0].first.contains("project Line1"));
        QCOMPARE(QDir(root).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({".open-abc123", "Line1"}));
        QCOMPARE(ReadFile(root + "/Line1/CopyTemp"), QByteArray("other's clipboard"));

        // This editor opens the package the other works on.
        {
            CProjectController c(program.App());
            QVERIFY(c.OpenProject(location, "Line1"));
            QCOMPARE(program.App().projectFolderName, QString("Line1-2"));
            QCOMPARE(ReadFile(root + "/Line1/CopyTemp"), QByteArray("other's clipboard"));
            // Its end: its own folder goes, the other's stay.
            c.CloseProject();
            program.App().RemoveProjectFolder();
            CCrashRecovery(program.App().settings.Paths(), root).RemoveAtProgramEnd();
        }
        QCOMPARE(QDir(root).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({".open-abc123", "Line1"}));
        QCOMPARE(ReadFile(root + "/Line1/CopyTemp"), QByteArray("other's clipboard"));
        QVERIFY(otherEditor.SaveProject());

        // Once the other is gone too, nothing is left.
        otherEditor.CloseProject();
        openUnderWay.RemoveFolder();
        CCrashRecovery(program.App().settings.Paths(), root).RemoveAtProgramEnd();
        QVERIFY(!QFileInfo::exists(root));
    }

    // A run told to end (SIGTERM, a logout) keeps unsaved edits in the
    // autosave folder for the next start; with none it keeps nothing.
    void terminationKeepsUnsavedEditsForRecovery()
    {
        CTestProgramFolder program;
        const QString location = program.Dir() + "/P";
        QByteArray original;
        {
            CTessanApp app(program.App().settings.Paths(), program.App().projectsRoot);
            app.messages = &program;
            CProjectController c(app);
            QVERIFY(c.NewProject("Line1", location, "RU03", kVSeq));
            QVERIFY(c.SaveProject());
            QVERIFY(!c.KeepForRecovery());
            original = ReadFile(location + "/Line1.cgp");
            // An edit held only in memory.
            c.ScreenDocument(1)->Edit(
                [](CDiagramEntityContainer& o) { o.Add(ScreenTestObjects::NonDefault(0)); });
            QVERIFY(c.IsModified());
            const QString screenFile = app.ProjectFolder() + "/" + c.ScreenTitle(1);
            const QByteArray savedScreen = ReadFile(screenFile);
            QVERIFY(c.KeepForRecovery());
            QCOMPARE(ReadFile(location + "/Line1.cgp"), original);
            // The edit is kept beside the saved screen file, not over it.
            QCOMPARE(ReadFile(screenFile), savedScreen);
            QVERIFY(
                QFileInfo(CAutoSaveFolder(app.ProjectFolder()).NewestSet() + "/" + c.ScreenTitle(1))
                    .isFile());
            // The run ends here without closing: its folders stay.
        }
        nextStart(program, {MessageAnswer::Yes});
        CProjectController c(program.App());
        QVERIFY(c.OpenProject(location, "Line1-recovered"));
        QCOMPARE(c.ScreenDocument(1)->Container().GetSize(), 1);
    }

    // The signals arrive as a Qt signal on this thread; afterwards the
    // default handling is back.
    void terminationSignalsReachTheEventLoop()
    {
        CTerminationSignals termination;
        QVERIFY(termination.IsActive());
        QSignalSpy told(&termination, &CTerminationSignals::terminationRequested);
        QCOMPARE(::raise(SIGHUP), 0);
        QVERIFY(told.wait(5000));
        QCOMPARE(told.first().first().toInt(), SIGHUP);
        QCOMPARE(::raise(SIGTERM), 0);
        QTRY_COMPARE(told.count(), 2);
        QCOMPARE(told.last().first().toInt(), SIGTERM);
        // A second instance while one is active catches nothing.
        CTerminationSignals second;
        QVERIFY(!second.IsActive());
    }
};

QTEST_MAIN(TestCrashRecovery)
#include "test_crash_recovery.moc"
