// A compilation and a transfer started without waiting: their progress,
// Output lines and results arrive on the calling thread's event loop while
// it keeps running, and a cancelled transfer ends with its result code.
#include "CompileTestProject.h"
#include "PanelFixture.h"
#include "app/CompileJob.h"
#include "screen/DiagramEntity.h"
#include "app/Compiler.h"
#include "app/TransferJob.h"
#include "transfer/PackedPassword.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace PanelFixture;

namespace {

// Counts the ticks of a timer on this thread: ticks while a job runs prove
// that the thread was not blocked.
struct Ticker
{
    Ticker()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { ++ticks; });
        timer.start(1);
    }
    QTimer timer;
    int ticks = 0;
};

// A download of `image` with flag 0 and no password.
TransferRequest DownloadOf(const QString& port, const QByteArray& image)
{
    TransferRequest r;
    r.operation = TO_DOWNLOAD;
    r.port = port;
    r.packedPassword = PackedPassword::Zero();
    r.image = image;
    return r;
}

} // namespace

class TestBackgroundJobs : public QObject
{
    Q_OBJECT
private slots:
    void compilationReportsOnTheCallersThread()
    {
        CCompileTestProject p;
        p.AddScreen(1);
        p.AddScreen(2);
        QVERIFY(p.Compile());
        const QByteArray expected = p.App().runtimeImage;
        p.App().runtimeImage.clear();
        p.App().imageState = 0;

        CCompileJob job(p.App());
        QThread* const mine = QThread::currentThread();
        QList<int> percents;
        QStringList lines;
        bool allHere = true;
        connect(&job, &CCompileJob::progress, this, [&](int percent) {
            allHere = allHere && QThread::currentThread() == mine;
            percents.append(percent);
        });
        connect(&job, &CCompileJob::outputLine, this, [&](const QString& line) {
            allHere = allHere && QThread::currentThread() == mine;
            lines.append(line);
        });
        QSignalSpy finished(&job, &CCompileJob::finished);

        Ticker ticker;
        QVERIFY(job.Start());
        QVERIFY(job.IsRunning());
        QVERIFY(!job.Start()); // one at a time
        // The image buffer changes only on this thread, when the job ends.
        QVERIFY(p.App().runtimeImage.isEmpty());
        QVERIFY(finished.wait(20000));
        QVERIFY(ticker.ticks > 0);
        QVERIFY(allHere);
        QCOMPARE(finished.first().at(0).toBool(), true);
        QCOMPARE(percents.first(), 0);
        QCOMPARE(percents.last(), 100);
        QCOMPARE(lines.last(), QStringLiteral("demo.cgp - 0 error(s), 1 warning(s)"));
        QCOMPARE(p.App().runtimeImage, expected);
        QVERIFY(p.App().ImageStandsForProject());
        QVERIFY(!job.IsRunning());
    }

    void cancelledCompilationKeepsTheImage()
    {
        CCompileTestProject p;
        for (int n = 1; n <= 20; ++n)
            p.AddScreen(n);
        QVERIFY(p.Compile());
        const QByteArray before = p.App().runtimeImage;
        p.App().imageState = 0;
        CCompileJob job(p.App());
        job.SetFinalPause(2000);
        connect(&job, &CCompileJob::progress, this, [&](int percent) {
            if (percent >= 90)
                job.Cancel();
        });
        QSignalSpy finished(&job, &CCompileJob::finished);
        QVERIFY(job.Start());
        QVERIFY(finished.wait(20000));
        // Cancelled before its end or not, the image is whole: the old one
        // or the new one, never a part.
        QCOMPARE(p.App().runtimeImage, before);
    }

    void transferReportsOnTheCallersThread()
    {
        CTestProgramFolder f;
        auto panel = StartPanel();
        QVERIFY(panel);
        CTransferJob job(f.App());
        QThread* const mine = QThread::currentThread();
        QList<int> percents;
        bool allHere = true;
        connect(&job, &CTransferJob::progress, this, [&](int percent, int) {
            allHere = allHere && QThread::currentThread() == mine;
            percents.append(percent);
        });
        TransferOutcome outcome;
        QSignalSpy finished(&job, &CTransferJob::finished);
        connect(&job, &CTransferJob::finished, this,
                [&](const TransferOutcome& o) { outcome = o; });

        Ticker ticker;
        QVERIFY(job.Start(DownloadOf(panel->DevicePath(), MakeImage(64 * 40))));
        QVERIFY(finished.wait(30000));
        QVERIFY(ticker.ticks > 0);
        QVERIFY(allHere);
        QCOMPARE(outcome.code, int(TR_OK));
        QCOMPARE(outcome.kind, MessageKind::Information);
        QCOMPARE(outcome.text, QStringLiteral("Download runtime file OK!"));
        QCOMPARE(outcome.caption, QStringLiteral("Information"));
        QCOMPARE(percents.last(), 100);
        QCOMPARE(panel->DownloadsStored(), 1);
        // The request's image went down, whatever the runtime image holds.
        QCOMPARE(panel->Store().image, MakeImage(64 * 40));
        QVERIFY(f.App().runtimeImage.isEmpty());
        // The job shows nothing itself.
        QVERIFY(f.messages.isEmpty());
    }

    void cancelledTransferEndsWithItsCodeAndClosesThePort()
    {
        CTestProgramFolder f;
        // At the pace of a real line, so the Cancel surely comes before the end.
        VirtualPanelOptions paced;
        paced.paced = true;
        auto panel = StartPanel(paced);
        QVERIFY(panel);
        const QByteArray image = MakeImage(64 * 60);
        CTransferJob job(f.App());
        bool cancel = true;
        connect(&job, &CTransferJob::progress, this, [&](int percent, int) {
            if (cancel && percent >= 5)
                job.Cancel();
        });
        TransferOutcome outcome;
        QSignalSpy finished(&job, &CTransferJob::finished);
        connect(&job, &CTransferJob::finished, this,
                [&](const TransferOutcome& o) { outcome = o; });
        QVERIFY(job.Start(DownloadOf(panel->DevicePath(), image)));
        QVERIFY(finished.wait(30000));
        QCOMPARE(outcome.code, int(TR_STOPPED));
        QCOMPARE(outcome.kind, MessageKind::Warning);
        QCOMPARE(outcome.text, QStringLiteral("PTC006:\n\nDownload runtime file escaped."));
        QCOMPARE(panel->DownloadsStored(), 0);
        // The port was closed: the next operation opens it again.
        cancel = false;
        QVERIFY(job.Start(DownloadOf(panel->DevicePath(), image)));
        QVERIFY(finished.wait(30000));
        QCOMPARE(outcome.code, int(TR_OK));
    }

    void destroyingARunningJobWaitsForIt()
    {
        CTestProgramFolder f;
        auto panel = StartPanel();
        {
            CTransferJob job(f.App());
            QVERIFY(job.Start(DownloadOf(panel->DevicePath(), MakeImage(64 * 200))));
        }
        // Nothing reports to the job once it is gone; the run was stopped.
        QCOMPARE(f.App().stopFlag.load(), 1);
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestBackgroundJobs)
#include "test_background_jobs.moc"
