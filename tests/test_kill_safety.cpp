// Saves that survive a kill: qv-cli resave of a large project is killed with
// SIGKILL at random moments; the package always opens and is whole old or
// whole new, and the next successful save leaves no temporary file beside it.
#include "ScreenTestObjects.h"
#include "TestSupport.h"
#include "app/ProjectStorage.h"
#include "project/ProtocolTables.h"
#include "app/ScreenCommands.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/TessanDoc.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

namespace {

constexpr int kScreens = 40;
constexpr int kObjectsPerScreen = 40;
constexpr int kKills = 100;

using FolderFiles = QMap<QString, QByteArray>;

// Every file of a folder by its relative path.
FolderFiles readFolder(const QString& dir)
{
    FolderFiles out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        out.insert(QDir(dir).relativeFilePath(path), TestSupport::ReadFile(path));
    }
    return out;
}

// Opens the package in a program folder of its own; the files it unpacks to.
bool openPackage(const QString& location, FolderFiles* files)
{
    CTestProgramFolder f;
    if (!CProjectStorage(f.App()).OpenProject(location, QStringLiteral("Big")))
        return false;
    *files = readFolder(f.App().ProjectFolder());
    return true;
}

} // namespace

class TestKillSafety : public QObject
{
    Q_OBJECT

private slots:
    void resaveKilledAtRandomMoments()
    {
        QTemporaryDir out;
        const QString loc = out.path() + QStringLiteral("/P");
        const QString package = loc + QStringLiteral("/Big.cgp");
        // qv-cli's private unpacking folders stay inside this test's folder.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), out.path());

        // The old package: many screens full of objects, saved on another day.
        {
            CTestProgramFolder f;
            CTessanApp& app = f.App();
            app.ResetProjectModel(QStringLiteral("Big"), loc,
                                  QString::fromLatin1(ProtocolTables::kPanelRU03),
                                  QString::fromLatin1(ProtocolTables::kVardoVSequence));
            QDir().mkpath(app.ProjectFolder());
            for (int n = 1; n <= kScreens; ++n) {
                ScreenCommands::NewScreen(app, n, ScreenCommands::DefaultScreenName(n));
                CDiagramEntityContainer c;
                c.SetPaperSize(QSize(192, 64));
                for (int i = 0; i < kObjectsPerScreen; ++i)
                    c.AddLoaded(ScreenTestObjects::NonDefault(i % 8));
                QString path;
                QVERIFY(
                    ScreenCommands::ScreenFilePath(app, n, app.model.FindScreen(n)->name, &path));
                QVERIFY(CTessanDoc::SaveFile(path, c));
            }
            QVERIFY(CProjectStorage(app).SaveProject());
            // The same package dated long ago, so that a resave tells itself apart.
            QVERIFY(TestSupport::WriteFile(app.ProjectFolder() + QStringLiteral("/Big.cgp"),
                                           app.prjDoc.Store(app.model, QDate(2001, 2, 3))));
            QVERIFY(CProjectStorage(app).PackProject());
        }
        const QByteArray oldBytes = TestSupport::ReadFile(package);
        FolderFiles oldFiles, newFiles;
        QVERIFY(openPackage(loc, &oldFiles));

        auto startResave = [&](QProcess& p) {
            p.setProcessEnvironment(env);
            p.start(TestSupport::QvCli(), {QStringLiteral("resave"), package});
            return p.waitForStarted();
        };

        // One resave to the end: the new package, and how long a resave takes.
        QElapsedTimer clock;
        clock.start();
        {
            QProcess p;
            QVERIFY(startResave(p));
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 0);
        }
        const qint64 resaveUs = clock.nsecsElapsed() / 1000;
        QVERIFY(openPackage(loc, &newFiles));
        QVERIFY(oldFiles != newFiles);
        QCOMPARE(oldFiles.keys(), newFiles.keys());

        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("resave takes %lld us; kill moments from seed %u", resaveUs, seed);
        QRandomGenerator random(seed);
        int oldSeen = 0, newSeen = 0;
        for (int k = 0; k < kKills; ++k) {
            QVERIFY(TestSupport::WriteFile(package, oldBytes));
            QProcess p;
            QVERIFY(startResave(p));
            QThread::usleep(random.bounded(quint64(resaveUs * 12 / 10)));
            ::kill(pid_t(p.processId()), SIGKILL);
            QVERIFY(p.waitForFinished(60000));

            FolderFiles files;
            QVERIFY2(openPackage(loc, &files), qPrintable(QStringLiteral("kill %1").arg(k)));
            if (files == oldFiles)
                ++oldSeen;
            else if (files == newFiles)
                ++newSeen;
            else
                QFAIL(qPrintable(QStringLiteral("kill %1: the package is neither the old nor the "
                                                "new one")
                                     .arg(k)));
        }
        qInfo("after %d kills: %d old, %d new packages", kKills, oldSeen, newSeen);

        // The next successful save leaves nothing beside the package but the
        // package and its backup.
        QProcess p;
        QVERIFY(startResave(p));
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QDir(loc).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("Big.cgp"), QStringLiteral("Big.cgp.bak")}));
        FolderFiles files;
        QVERIFY(openPackage(loc, &files));
        QVERIFY(files == newFiles);
    }
};

QTEST_MAIN(TestKillSafety)
#include "test_kill_safety.moc"
