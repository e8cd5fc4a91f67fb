// One editor per user: later starts hand over their file or raise the first,
// which acknowledges it; a socket left by a crashed instance never keeps the
// program from starting. Instances in this process (later starts in threads
// of their own, since they wait for the answer), then the real program.
#include "TestSupport.h"
#include "project/ProtocolTables.h"
#include "ui/app/DesktopIntegration.h"
#include "ui/document/ProjectController.h"
#include "ui/app/SingleInstance.h"
#include "ui/app/StartupSequence.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <csignal>
#include <functional>
#include <future>
#include <utility>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

// What a crashed instance leaves: a socket file that nobody listens on.
bool leaveStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray p = QFile::encodeName(path);
    if (size_t(p.size()) >= sizeof(addr.sun_path)) {
        ::close(fd);
        return false;
    }
    memcpy(addr.sun_path, p.constData(), p.size());
    const bool ok = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) == 0;
    ::close(fd);
    return ok;
}

using StartResult = CSingleInstance::StartResult;

// A later start of the program: in a thread of its own, so that this
// thread's event loop can answer it meanwhile.
StartResult laterStart(const QString& name, const QString& file = QString())
{
    auto result = std::async(std::launch::async, [name, file] {
        CSingleInstance later(name);
        return later.Start(file);
    });
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QTest::qWait(5);
    return result.get();
}

// A first instance that listens.
bool listening(CSingleInstance& first)
{
    if (first.Start() != StartResult::First)
        return false;
    first.Listen();
    return first.IsListening();
}

// The program folder of a copy of qv: the program, its texts, its settings.
void makeProgramFolder(const QString& program)
{
    QDir().mkpath(program);
    QFile::copy(QV_BIN_DIR "/qv", program + "/qv");
    QFile::copy(QV_BIN_DIR "/QV_Str.en", program + "/QV_Str.en");
    WriteFile(program + "/QV_.ini", "[App]\nStartupStepDlg=0\n");
}

// A runtime folder that only the user may enter.
QString runtimeFolder(const QString& path)
{
    QDir().mkpath(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// The package <location>/Line 1.cgp.
bool savedLine1(const QString& location)
{
    CTestProgramFolder f;
    CProjectController c(f.App());
    return c.NewProject("Line 1", location, "RU03",
                        QString::fromLatin1(ProtocolTables::kVardoVSequence))
           && c.SaveProject();
}

// The sink of a start whose recovery question is up while later starts
// hand over their files.
class QuestionSink : public CTestProgramFolder
{
public:
    std::function<void()> whileAsked;
    MessageAnswer ShowQuestion(const MessageQuestion& question) override
    {
        if (whileAsked)
            std::exchange(whileAsked, nullptr)();
        return CTestProgramFolder::ShowQuestion(question);
    }
};

void endProgram(QProcess& p)
{
    p.terminate();
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
    }
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void laterStartsHandOverAndEnd()
    {
        QTemporaryDir dir;
        const QString name = dir.path() + "/qv.socket";
        CSingleInstance first(name);
        QCOMPARE(first.Start(), StartResult::First);
        // Not heard before its receivers are there: a later start waits.
        QVERIFY(!first.IsListening());
        first.Listen();
        QVERIFY(first.IsListening());
        QSignalSpy raised(&first, &CSingleInstance::raiseRequested);
        QSignalSpy files(&first, &CSingleInstance::fileRequested);

        // A start with a file: the first takes it (and shows its window)
        // before the later start ends.
        QCOMPARE(laterStart(name, "/home/me/P/Line 1.cgp"), StartResult::HandedOver);
        QCOMPARE(files.count(), 1);
        QCOMPARE(files.takeFirst().at(0).toString(), QString("/home/me/P/Line 1.cgp"));
        QCOMPARE(raised.count(), 1);

        // A start without one: only the window comes forward.
        QCOMPARE(laterStart(name), StartResult::HandedOver);
        QCOMPARE(raised.count(), 2);
        QCOMPARE(files.count(), 0);

        // Two starts one after the other, each request whole and in order.
        QCOMPARE(laterStart(name, QString::fromUtf8("/p/泵站.cgp")), StartResult::HandedOver);
        QCOMPARE(laterStart(name, "/p/B.cgp"), StartResult::HandedOver);
        QCOMPARE(files.count(), 2);
        QCOMPARE(files.at(0).at(0).toString(), QString::fromUtf8("/p/泵站.cgp"));
        QCOMPARE(files.at(1).at(0).toString(), QString("/p/B.cgp"));
    }

    void staleSocketDoesNotBlock()
    {
        QTemporaryDir dir;
        const QString name = dir.path() + "/qv.socket";
        QVERIFY(leaveStaleSocket(name));
        QVERIFY(QFileInfo::exists(name));
        CSingleInstance first(name);
        QVERIFY(listening(first));
        // It is a working first instance now.
        QSignalSpy files(&first, &CSingleInstance::fileRequested);
        QCOMPARE(laterStart(name, "/p/Line2.cgp"), StartResult::HandedOver);
        QCOMPARE(files.count(), 1);
        QCOMPARE(files.at(0).at(0).toString(), QString("/p/Line2.cgp"));

        // A plain file in the socket's place is no obstacle either.
        const QString other = dir.path() + "/other.socket";
        WriteFile(other, "left over");
        CSingleInstance third(other);
        QVERIFY(listening(third));
    }

    // A file handed over while the recovery question is up is taken at once
    // and opens once the question is answered; of two, the later one opens
    // (it replaces the command line's too).
    void handedOverFileOpensAfterTheRecoveryQuestion()
    {
        QTemporaryDir dir;
        const QString name = dir.path() + "/qv.socket";
        QuestionSink program;
        // A folder that a killed run left: the start asks about it.
        {
            CTessanApp killed(program.App().settings.Paths(), program.App().projectsRoot);
            CProjectController c(killed);
            QVERIFY(c.NewProject("Line1", dir.path() + "/P", "RU03",
                                 QString::fromLatin1(ProtocolTables::kVardoVSequence)));
        }
        CProjectController c(program.App());
        CSingleInstance instance(name);
        QCOMPARE(instance.Start(), StartResult::First);
        CStartupSequence startup(c, instance);
        QVERIFY(instance.IsListening());
        QStringList opened;
        startup.openFile = [&opened](const QString& file) { opened.append(file); };

        QList<StartResult> handedOver;
        program.whileAsked = [&] {
            handedOver.append(laterStart(name, "/p/A.cgp"));
            handedOver.append(laterStart(name, "/p/B.cgp"));
            QTest::qWait(50);
            QVERIFY(opened.isEmpty());
        };
        program.answers = {MessageAnswer::Cancel};
        QWidget window;
        startup.AfterMainWindow(&window, "/p/Argument.cgp");
        QCOMPARE(program.kinds, QList<MessageKind>({MessageKind::Question}));
        QCOMPARE(handedOver,
                 QList<StartResult>({StartResult::HandedOver, StartResult::HandedOver}));
        QTRY_COMPARE(opened, QStringList({"/p/B.cgp"}));
    }

    void strangersAreIgnored()
    {
        QTemporaryDir dir;
        const QString name = dir.path() + "/qv.socket";
        CSingleInstance first(name);
        QVERIFY(listening(first));
        QSignalSpy raised(&first, &CSingleInstance::raiseRequested);
        QLocalSocket stranger;
        stranger.connectToServer(name);
        QVERIFY(stranger.waitForConnected());
        stranger.write(QByteArray(64, 'x'));
        QVERIFY(stranger.waitForBytesWritten());
        QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(raised.count(), 0);
    }

    // The real program: a second qv with a file argument hands it to the
    // first, which opens it (the open leaves its ".bak" beside the package);
    // a third without one ends at once. The first installs its desktop files
    // into its own data folder.
    void secondProgramHandsItsFileToTheFirst()
    {
        QTemporaryDir dir;
        const QString program = dir.path() + "/bin";
        const QString runtime = runtimeFolder(dir.path() + "/run");
        const QString data = dir.path() + "/data";
        makeProgramFolder(program);
        QVERIFY(savedLine1(dir.path() + "/Work"));
        const QString package = dir.path() + "/Work/Line 1.cgp";
        QVERIFY(QFile::exists(package));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("XDG_DATA_HOME", data);
        const auto start = [&](QProcess& p, const QStringList& args) {
            p.setProcessEnvironment(env);
            p.setWorkingDirectory(dir.path());
            p.start(program + "/qv", args);
            return p.waitForStarted();
        };

        QProcess first;
        QVERIFY(start(first, {}));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(runtime + "/corvel-qv.socket"), 30000);

        QProcess second;
        QVERIFY(start(second, {"Work/Line 1.cgp"})); // relative: made absolute before the hand-over
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(package + ".bak"), 30000);

        QProcess third;
        QVERIFY(start(third, {}));
        QVERIFY(third.waitForFinished(30000));
        QCOMPARE(third.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        CDesktopIntegration installed(program + "/qv", QString(), data);
        QVERIFY(QFileInfo::exists(installed.DesktopEntryPath()));
        QVERIFY(ReadFile(installed.DesktopEntryPath())
                    .contains("Exec=\"" + QFile::encodeName(program) + "/qv\" %f"));
        QVERIFY(QFileInfo::exists(installed.MimePackagePath()));

        // Told to end (SIGTERM) with nothing unsaved, it ends as Exit does:
        // its project folders go, so the next start offers no recovery.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(program + "/Temp/Project/Line 1").isDir(), 30000);
        endProgram(first);
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 128 + SIGTERM);
        QVERIFY(!QFileInfo::exists(program + "/Temp/Project"));
    }

    // A socket that takes the request and never answers: the later start
    // says so on stderr and ends with 1, not as if it had been delivered.
    void unansweredHandOverEndsWithAnError()
    {
        QTemporaryDir dir;
        const QString program = dir.path() + "/bin";
        const QString runtime = runtimeFolder(dir.path() + "/run");
        makeProgramFolder(program);
        QLocalServer mute;
        QVERIFY(mute.listen(runtime + "/corvel-qv.socket"));

        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("XDG_DATA_HOME", dir.path() + "/data");
        second.setProcessEnvironment(env);
        second.start(program + "/qv", {dir.path() + "/Line 1.cgp"});
        QVERIFY(second.waitForStarted());
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(second.readAllStandardError().contains(
            "The file could not be handed to the running editor."));
        QVERIFY(!QFileInfo::exists(program + "/Temp"));
    }

    // Two editors of one program folder, each with its runtime folder of
    // its own, open the same package: the second works in "Line 1-2", and
    // neither its start, its open nor its end touches the first's folder.
    void editorsOfTwoRuntimeFoldersKeepTheirOwnFolders()
    {
        QTemporaryDir dir;
        const QString program = dir.path() + "/bin";
        makeProgramFolder(program);
        QVERIFY(savedLine1(dir.path() + "/Work"));
        const QString projects = program + "/Temp/Project";
        const auto start = [&](QProcess& p, const QString& runtime) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("QT_QPA_PLATFORM", "offscreen");
            env.insert("XDG_RUNTIME_DIR", runtimeFolder(runtime));
            env.insert("XDG_DATA_HOME", dir.path() + "/data");
            p.setProcessEnvironment(env);
            p.start(program + "/qv", {dir.path() + "/Work/Line 1.cgp"});
            return p.waitForStarted();
        };

        QProcess first;
        QVERIFY(start(first, dir.path() + "/run1"));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(projects + "/Line 1/Line 1.cgp"), 30000);
        // What the first run holds beyond the package: a file of its own.
        QVERIFY(WriteFile(projects + "/Line 1/CopyTemp", "first's clipboard"));

        QProcess second;
        QVERIFY(start(second, dir.path() + "/run2"));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(projects + "/Line 1-2/Line 1.cgp"), 30000);
        QCOMPARE(ReadFile(projects + "/Line 1/CopyTemp"), QByteArray("first's clipboard"));
        endProgram(second);
        QCOMPARE(second.exitCode(), 128 + SIGTERM);
        QVERIFY(!QFileInfo::exists(projects + "/Line 1-2"));
        QCOMPARE(ReadFile(projects + "/Line 1/CopyTemp"), QByteArray("first's clipboard"));
        QCOMPARE(first.state(), QProcess::Running);

        endProgram(first);
        QCOMPARE(first.exitCode(), 128 + SIGTERM);
        QVERIFY(!QFileInfo::exists(projects));
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
