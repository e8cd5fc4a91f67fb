// One editor per user: later starts hand over their file or raise the first;
// a socket left by a crashed instance never keeps the program from starting.
// Two instances in this process, then the real program twice.
#include "TestSupport.h"
#include "project/ProtocolTables.h"
#include "ui/app/DesktopIntegration.h"
#include "ui/document/ProjectController.h"
#include "ui/app/SingleInstance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <csignal>

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
        QVERIFY(first.Start());
        QVERIFY(first.IsListening());
        QSignalSpy raised(&first, &CSingleInstance::raiseRequested);
        QSignalSpy files(&first, &CSingleInstance::fileRequested);

        // A start with a file: the first takes it (and shows its window).
        CSingleInstance second(name);
        QVERIFY(!second.Start("/home/me/P/Line 1.cgp"));
        QVERIFY(!second.IsListening());
        QVERIFY(files.wait());
        QCOMPARE(files.takeFirst().at(0).toString(), QString("/home/me/P/Line 1.cgp"));
        QCOMPARE(raised.count(), 1);

        // A start without one: only the window comes forward.
        CSingleInstance third(name);
        QVERIFY(!third.Start());
        QVERIFY(raised.wait());
        QCOMPARE(files.count(), 0);

        // Two starts one after the other, each request whole and in order.
        CSingleInstance a(name), b(name);
        QVERIFY(!a.Start(QString::fromUtf8("/p/泵站.cgp")));
        QVERIFY(!b.Start("/p/B.cgp"));
        QTRY_COMPARE(files.count(), 2);
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
        QVERIFY(first.Start("/p/Line1.cgp"));
        QVERIFY(first.IsListening());
        // It is a working first instance now.
        QSignalSpy files(&first, &CSingleInstance::fileRequested);
        CSingleInstance second(name);
        QVERIFY(!second.Start("/p/Line2.cgp"));
        QVERIFY(files.wait());
        QCOMPARE(files.at(0).at(0).toString(), QString("/p/Line2.cgp"));

        // A plain file in the socket's place is no obstacle either.
        const QString other = dir.path() + "/other.socket";
        WriteFile(other, "left over");
        CSingleInstance third(other);
        QVERIFY(third.Start());
        QVERIFY(third.IsListening());
    }

    void strangersAreIgnored()
    {
        QTemporaryDir dir;
        const QString name = dir.path() + "/qv.socket";
        CSingleInstance first(name);
        QVERIFY(first.Start());
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
        const QString runtime = dir.path() + "/run";
        const QString data = dir.path() + "/data";
        QDir().mkpath(program);
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // A program folder of its own: the program, its texts, its settings.
        QVERIFY(QFile::copy(QV_BIN_DIR "/qv", program + "/qv"));
        QVERIFY(QFile::copy(QV_BIN_DIR "/QV_Str.en", program + "/QV_Str.en"));
        WriteFile(program + "/QV_.ini", "[App]\nStartupStepDlg=0\n");

        {
            CTestProgramFolder f;
            CProjectController c(f.App());
            QVERIFY(c.NewProject("Line 1", dir.path() + "/Work", "RU03",
                                 QString::fromLatin1(ProtocolTables::kVardoVSequence)));
            QVERIFY(c.SaveProject());
        }
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
        QVERIFY(QFileInfo(program + "/Temp/Project/Line 1").isDir());
        first.terminate();
        if (!first.waitForFinished(10000)) {
            first.kill();
            first.waitForFinished();
        }
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 128 + SIGTERM);
        QVERIFY(!QFileInfo::exists(program + "/Temp/Project"));
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
