// Autosave: the unsaved edits of the open project go into .autosave inside its
// project folder, never over the saved files and never into a package; a save
// empties it; the next start after a crash recovers the edits from it, and a
// damaged autosaved file is left out with its saved state kept.
//
// The program also runs as an editor of its own (the first argument
// "--edit-and-wait"): it opens a package, edits a screen and waits until the
// test kills it.
#include "ScreenTestObjects.h"
#include "TestSupport.h"
#include "app/AutoSaveFolder.h"
#include "app/ProjectStorage.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "project/ScreenObject.h"
#include "screen/TessanDoc.h"
#include "ui/app/SingleInstance.h"
#include "ui/app/StartupSequence.h"
#include "ui/document/AutoSaveTimer.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <cstdio>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

void setAutoSaveSeconds(CTestProgramFolder& program, const QString& value)
{
    program.App().settings.WriteSetting("AutoSaveSeconds", value);
}

// Project Line1 at `location` with screens 1 and 2, saved.
bool savedProject(CProjectController& c, const QString& location)
{
    return c.NewProject("Line1", location, "RU03", kVSeq) && c.NewScreen(2, "Alarm")
           && c.SaveProject();
}

QString screenFile(const CProjectController& c, int number)
{
    return c.App().ProjectFolder() + "/" + c.ScreenTitle(number);
}

// An edit held only in memory: one more object on the screen.
void addObject(CProjectController& c, int number, int kind = 0)
{
    c.ScreenDocument(number)->Edit([kind](CDiagramEntityContainer& objects) {
        objects.Add(ScreenTestObjects::NonDefault(kind));
    });
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// The next start: the leftover folders are offered and answered by `answers`.
void nextStart(CTestProgramFolder& program, QList<MessageAnswer> answers)
{
    CTessanApp app(program.App().settings.Paths(), program.App().projectsRoot);
    app.messages = &program;
    CProjectController c(app);
    CSingleInstance instance(
        QStringLiteral("qv-autosave-test-%1").arg(QCoreApplication::applicationPid()));
    CStartupSequence startup(c, instance);
    program.messages.clear();
    program.kinds.clear();
    program.answers = answers;
    startup.RecoverLeftovers();
}

// The number of objects on each screen of a package, opened as the editor opens it.
QMap<int, int> objectsPerScreen(CTestProgramFolder& program, const QString& location,
                                const QString& name)
{
    QMap<int, int> out;
    CTessanApp app(program.App().settings.Paths(), program.App().projectsRoot);
    app.messages = &program;
    CProjectController c(app);
    if (!c.OpenProject(location, name))
        return out;
    for (const auto& screen : app.model.screens) {
        const CScreenDocument* doc = c.ScreenDocument(screen->number);
        out.insert(screen->number, doc ? doc->Container().GetSize() : -1); // -1: no screen file
    }
    return out;
}

// The editor run by the test: opens <location>/Line1.cgp with the program
// folder's settings, adds an object to screen 1 and waits to be killed.
int editAndWait(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    if (argc < 4)
        return 2;
    const AppPaths paths = AppPaths::ForProgramDir(QString::fromLocal8Bit(argv[2]));
    CTessanApp app(paths, paths.TempProjectDir());
    CProjectController c(app);
    CAutoSaveTimer autosave(c);
    if (!c.OpenProject(QString::fromLocal8Bit(argv[3]), "Line1") || !autosave.IsActive())
        return 3;
    addObject(c, 1);
    std::printf("edited\n");
    std::fflush(stdout);
    return qapp.exec();
}

} // namespace

class TestAutoSave : public QObject
{
    Q_OBJECT
private slots:
    // The real timer in a process of its own: an editor killed with SIGKILL
    // after an autosave loses nothing of what was autosaved.
    void killedEditorRecoversTheAutosavedEdit()
    {
        CTestProgramFolder program;
        setAutoSaveSeconds(program, "1");
        const QString location = program.Dir() + "/P";
        QString screen1;
        {
            CProjectController c(program.App());
            QVERIFY(savedProject(c, location));
            screen1 = c.ScreenTitle(1);
            c.CloseProject();
        }
        const QByteArray package = ReadFile(location + "/Line1.cgp");

        QProcess editor;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        editor.setProcessEnvironment(env);
        editor.start(QCoreApplication::applicationFilePath(),
                     {"--edit-and-wait", program.Dir(), location});
        QVERIFY(editor.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += editor.readAllStandardOutput()).contains("edited")
                                     || editor.state() != QProcess::Running,
                                 30000);
        QCOMPARE(editor.state(), QProcess::Running);

        const QString folder = program.App().projectsRoot + "/Line1";
        const CAutoSaveFolder autosave(folder);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(autosave.NewestSet() + "/" + screen1).isFile(), 30000);
        ::kill(pid_t(editor.processId()), SIGKILL);
        QVERIFY(editor.waitForFinished(30000));
        QCOMPARE(editor.exitStatus(), QProcess::CrashExit);

        // The screen file of the project folder is still the saved one.
        CDiagramEntityContainer saved;
        QVERIFY(CTessanDoc::LoadFile(folder + "/" + screen1, saved, false));
        QCOMPARE(saved.GetSize(), 0);

        nextStart(program, {MessageAnswer::Yes});
        QCOMPARE(program.kinds,
                 QList<MessageKind>({MessageKind::Question, MessageKind::Information}));
        QCOMPARE(objectsPerScreen(program, location, "Line1-recovered"),
                 (QMap<int, int>{{1, 1}, {2, 0}}));
        QCOMPARE(ReadFile(location + "/Line1.cgp"), package);
        QVERIFY(!ZipEntries(location + "/Line1-recovered.cgp").join('\n').contains(".autosave"));
    }

    // What an autosave writes and where: whole sets beside the saved files,
    // nothing new when nothing changed, never a package entry; a save
    // empties it and closing the project removes it.
    void autosaveStaysBesideTheSavedFiles()
    {
        CTestProgramFolder program;
        setAutoSaveSeconds(program, "3600");
        const QString location = program.Dir() + "/P";
        CProjectController c(program.App());
        CAutoSaveTimer timer(c);
        QVERIFY(savedProject(c, location));
        QCOMPARE(timer.IntervalSeconds(), 3600);
        const QString folder = program.App().ProjectFolder();
        const CAutoSaveFolder autosave(folder);
        const QByteArray savedScreen = ReadFile(screenFile(c, 2));
        const QByteArray savedDocument = ReadFile(folder + "/Line1.cgp");

        // Nothing modified: nothing written.
        QVERIFY(timer.SaveNow());
        QVERIFY(!QFileInfo::exists(autosave.Path()));

        addObject(c, 2, 3);
        QVERIFY(timer.SaveNow());
        const QString set = autosave.NewestSet();
        QCOMPARE(entriesOf(set), QStringList({"Line1.cgp", c.ScreenTitle(2), "Manifest"}));
        QCOMPARE(ReadFile(screenFile(c, 2)), savedScreen);
        QCOMPARE(ReadFile(folder + "/Line1.cgp"), savedDocument);
        CDiagramEntityContainer autosaved;
        QVERIFY(CTessanDoc::LoadFile(set + "/" + c.ScreenTitle(2), autosaved, false));
        QCOMPARE(autosaved.GetSize(), 1);
        QVERIFY(c.IsModified()); // an autosave is no save

        // The same edits again: the set stays; a new edit makes a new set
        // that replaces it.
        QVERIFY(timer.SaveNow());
        QCOMPARE(autosave.NewestSet(), set);
        addObject(c, 1, 5);
        QVERIFY(timer.SaveNow());
        QCOMPARE(entriesOf(autosave.Path()).size(), 1);
        QVERIFY(autosave.NewestSet() != set);
        QCOMPARE(entriesOf(autosave.NewestSet()).size(), 4);

        // Packing refuses the folder, however a listed name leads there.
        const QString inSet = QDir(folder).relativeFilePath(autosave.NewestSet()) + "/Line1.cgp";
        const QStringList listed = program.App().model.bitmapFiles;
        program.App().model.bitmapFiles = {inSet, "./" + inSet, QString(inSet).replace('/', '\\')};
        QVERIFY(CProjectStorage(program.App()).PackProject());
        QCOMPARE(ZipEntries(location + "/Line1.cgp"),
                 QStringList({"Prj.ini", "Line1.cgp", c.ScreenTitle(2), c.ScreenTitle(1)}));
        program.App().model.bitmapFiles = listed;
        QVERIFY(CAutoSaveFolder::Holds(".AutoSave\\x.bmp"));
        QVERIFY(!CAutoSaveFolder::Holds("bmp/.autosave/x.bmp"));
        QVERIFY(!CAutoSaveFolder::Holds(".autosave.bmp"));

        // A save takes the edits into the screen files and empties the folder.
        QVERIFY(c.SaveProject());
        QVERIFY(entriesOf(autosave.Path()).isEmpty());
        QVERIFY(ReadFile(screenFile(c, 2)) != savedScreen);
        for (const QString& entry : ZipEntries(location + "/Line1.cgp"))
            QVERIFY(!entry.contains(".autosave", Qt::CaseInsensitive));

        // Save As too, in the new project folder.
        addObject(c, 1, 6);
        QVERIFY(timer.SaveNow());
        QVERIFY(c.SaveProjectAs(location + "/Line2.cgp"));
        QVERIFY(entriesOf(CAutoSaveFolder(c.App().ProjectFolder()).Path()).isEmpty());

        // Closing removes it; opening clears what another project left there.
        addObject(c, 1, 7);
        QVERIFY(timer.SaveNow());
        const QString line2 = c.App().ProjectFolder();
        QVERIFY(!CAutoSaveFolder(line2).NewestSet().isEmpty());
        c.CloseProject();
        QVERIFY(!QFileInfo::exists(CAutoSaveFolder(line2).Path()));
        QVERIFY(!timer.IsActive());
        // A new project of the same name makes its folder there again.
        QVERIFY(WriteFile(line2 + "/.autosave/1/Manifest", "left by another project"));
        QVERIFY(c.NewProject("Line2", location, "RU03", kVSeq));
        QCOMPARE(c.App().ProjectFolder(), line2);
        // (Being new, it is modified: its own first autosave is there.)
        const QString fresh = CAutoSaveFolder(line2).NewestSet();
        QVERIFY(ReadFile(fresh + "/Manifest").contains("Line2.cgp"));
        QCOMPARE(entriesOf(CAutoSaveFolder(line2).Path()),
                 QStringList({QFileInfo(fresh).fileName()}));
        QVERIFY(timer.IsActive());
    }

    // The interval is read at each open; 0 turns autosave off.
    void intervalSetting()
    {
        CTestProgramFolder program;
        const QString location = program.Dir() + "/P";
        CProjectController c(program.App());
        CAutoSaveTimer timer(c);
        const QList<QPair<QString, int>> cases = {
            {"", 60}, {"5", 5}, {"0", 0}, {"-3", 0}, {"100000", 24 * 60 * 60}, {"none", 0}};
        for (const auto& [value, seconds] : cases) {
            setAutoSaveSeconds(program, value);
            QVERIFY(c.NewProject("Line1", location, "RU03", kVSeq));
            QCOMPARE(timer.IntervalSeconds(), seconds);
            QCOMPARE(timer.IsActive(), seconds > 0);
        }

        // Off: edits and screen changes write nothing.
        setAutoSaveSeconds(program, "0");
        QVERIFY(savedProject(c, location));
        addObject(c, 1);
        QVERIFY(c.NewScreen(3, "Later"));
        QTest::qWait(1200);
        QVERIFY(!QFileInfo::exists(CAutoSaveFolder(c.App().ProjectFolder()).Path()));
    }

    // A damaged autosaved file is left out at recovery and its saved state
    // kept; a damaged manifest leaves out the whole set. Nothing else is lost.
    void damagedAutosaveIsLeftOut()
    {
        for (const bool manifest : {false, true}) {
            CTestProgramFolder program;
            const QString location = program.Dir() + "/P";
            QString screen1;
            {
                CTessanApp app(program.App().settings.Paths(), program.App().projectsRoot);
                app.messages = &program;
                CProjectController c(app);
                QVERIFY(savedProject(c, location));
                addObject(c, 1);
                addObject(c, 2);
                QVERIFY(c.KeepForRecovery());
                screen1 = c.ScreenTitle(1);
                // The run ends here without closing.
            }
            const CAutoSaveFolder autosave(program.App().projectsRoot + "/Line1");
            const QString set = autosave.NewestSet();
            // One changed character in a screen file; a manifest cut short.
            const QString damagedFile = set + "/" + (manifest ? QString("Manifest") : screen1);
            QByteArray bytes = ReadFile(damagedFile);
            if (manifest)
                bytes.chop(10);
            else
                bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x20);
            QVERIFY(WriteFile(damagedFile, bytes));

            nextStart(program, {MessageAnswer::Yes});
            QCOMPARE(program.kinds,
                     QList<MessageKind>(
                         {MessageKind::Question, MessageKind::Information, MessageKind::Warning}));
            QVERIFY(program.messages[2].first.contains(screen1));
            QCOMPARE(program.messages[2].first.contains("Line1.cgp\n"), manifest);
            QCOMPARE(objectsPerScreen(program, location, "Line1-recovered"),
                     (QMap<int, int>{{1, 0}, {2, manifest ? 0 : 1}}));
        }
    }

    // Told to end, the editor keeps its edits in the autosave folder, not in
    // the screen files; a set whose writing was cut short is passed over for
    // the one before it, and a screen deleted since is not brought back.
    void keptEditsAndCutShortSets()
    {
        CTestProgramFolder program;
        setAutoSaveSeconds(program, "3600");
        const QString location = program.Dir() + "/P";
        {
            CTessanApp app(program.App().settings.Paths(), program.App().projectsRoot);
            app.messages = &program;
            CProjectController c(app);
            CAutoSaveTimer timer(c);
            QVERIFY(savedProject(c, location));
            QVERIFY(c.NewScreen(3, "Extra"));
            addObject(c, 2);
            addObject(c, 3);
            const QByteArray savedScreen = ReadFile(screenFile(c, 2));
            QVERIFY(c.KeepForRecovery());
            QCOMPARE(ReadFile(screenFile(c, 2)), savedScreen);
            const CAutoSaveFolder autosave(app.ProjectFolder());
            QVERIFY(entriesOf(autosave.NewestSet()).contains(c.ScreenTitle(3)));

            // Screen 3 goes: the autosaved list follows at once.
            QVERIFY(c.DeleteScreen(3));
            QCOMPARE(entriesOf(autosave.NewestSet()),
                     QStringList({"Line1.cgp", c.ScreenTitle(2), "Manifest"}));

            // A later set that a kill cut short: no manifest yet.
            const qulonglong next = QFileInfo(autosave.NewestSet()).fileName().toULongLong() + 1;
            const QString cut = autosave.Path() + "/" + QString::number(next);
            CDiagramEntityContainer many;
            for (int i = 0; i < 5; ++i)
                many.AddLoaded(ScreenTestObjects::NonDefault(i));
            QVERIFY(WriteFile(cut + "/" + c.ScreenTitle(2), CTessanDoc::WriteBytes(many)));
            QVERIFY(WriteFile(cut + "/Line1.cgp.tmp", "half"));
            QVERIFY(autosave.NewestSet() != cut);
        }
        nextStart(program, {MessageAnswer::Yes});
        QCOMPARE(program.kinds,
                 QList<MessageKind>({MessageKind::Question, MessageKind::Information}));
        QCOMPARE(objectsPerScreen(program, location, "Line1-recovered"),
                 (QMap<int, int>{{1, 0}, {2, 1}}));
    }
};

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--edit-and-wait") == 0)
        return editAndWait(argc, argv);
    QApplication app(argc, argv);
    TestAutoSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_autosave.moc"
