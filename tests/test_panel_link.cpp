// The transfer operations against the panel's protocol in this process: the
// real engine on the calling thread over a line that answers from memory.
// Each fault gives the result code it gives over a pseudo-terminal.
#include "PanelFixture.h"
#include "PanelLink.h"
#include "app/LinkTransferRunner.h"
#include "transfer/PackedPassword.h"
#include "transfer/RuntimeBackup.h"

#include <QTemporaryDir>

using namespace PanelFixture;

namespace {

const QString kPort = QStringLiteral("memory");

// A panel in memory with the line to it and a runner over that line.
struct MemoryPanel
{
    explicit MemoryPanel(CTessanApp& app, PanelProtocolOptions o = {},
                         ITransferProgress* progress = nullptr)
        : protocol(std::move(o)),
          link(protocol),
          runner(app, link, progress)
    {
        options.runner = &runner;
    }
    CPanelProtocol protocol;
    CPanelLink link;
    CLinkTransferRunner runner;
    TransferOperations::RunOptions options;
};

QByteArray Padded(const QByteArray& image)
{
    return image + QByteArray(int((64 - image.size() % 64) % 64), '\0');
}

// The panel holds an uploadable image (in memory: its store has no folder).
void HoldImage(CPanelProtocol& panel)
{
    panel.Store().Save(MakeImage(256), PackedPassword::Pack(QStringLiteral("11112222")), 1);
}

} // namespace

class TestPanelLink : public QObject
{
    Q_OBJECT
    // One program folder for every case: the panels are new in each.
    std::unique_ptr<CTestProgramFolder> folder_;

private slots:
    void initTestCase() { folder_ = std::make_unique<CTestProgramFolder>(); }
    void init()
    {
        folder_->messages.clear();
        folder_->kinds.clear();
    }
    void projectTransferInformationUploadAndRestore()
    {
        CTestProgramFolder& f = *folder_;
        CTessanApp& app = f.App();
        CRecordingProgress progress;
        MemoryPanel panel(app, {}, &progress);
        const QByteArray image = MakeImage(10 * 1024 + 30);
        TransferOperations::ProjectTransferSteps steps;
        steps.compile = [&] {
            app.runtimeImage = image;
            return true;
        };
        steps.choose = [](const TransferChoice&, qsizetype, TransferChoice* chosen) {
            *chosen = TransferChoice{kPort, 1, QStringLiteral("12345678")};
            return true;
        };
        QCOMPARE(TransferOperations::ProjectTransfer(app, steps, panel.options), int(TR_OK));
        QCOMPARE(f.MessageTexts(), QStringList{QStringLiteral("Download runtime file OK!")});
        QCOMPARE(panel.protocol.DownloadsStored(), 1);
        QCOMPARE(panel.protocol.Store().image, Padded(image));
        QCOMPARE(panel.protocol.Store().password, QByteArray("\x12\x34\x56\x78"));
        QCOMPARE(int(panel.protocol.Store().uploadFlag), 1);
        QCOMPARE(progress.Posts().first(), qMakePair(0, 0));
        QVERIFY(progress.Posts().contains(qMakePair(100, 1)));
        QCOMPARE(app.stopFlag.load(), 1);

        CPanelInformation info;
        bool valid = false;
        QCOMPARE(TransferOperations::ReadPanelInformation(app, kPort, &info, panel.options, &valid),
                 int(TR_OK));
        QVERIFY(valid);
        QCOMPARE(info.DisplayValues(app.settings)[3],
                 qMakePair(QStringLiteral("Used:"), QStringLiteral("10 KB")));

        QTemporaryDir dir;
        const QString backup = dir.filePath(QStringLiteral("panel.rtfbak"));
        bool written = false;
        QCOMPARE(TransferOperations::UploadToBackup(app, kPort, QStringLiteral("12345678"), backup,
                                                    panel.options, &written),
                 int(TR_OK));
        QVERIFY(written);
        CRuntimeBackup read;
        QVERIFY(read.Read(backup));
        QCOMPARE(read.image, Padded(image));
        QCOMPARE(read.password, QStringLiteral("12345678"));

        // The backup goes down to another panel, which then holds the image.
        MemoryPanel other(app);
        const TransferOperations::RestoreCheck check =
            TransferOperations::CheckRestore(backup, kPort, {1, 0, 0, 4});
        QCOMPARE(check.error, QString());
        QCOMPARE(
            TransferOperations::RestoreBackup(app, check, kPort, check.password, other.options),
            int(TR_OK));
        QCOMPARE(other.protocol.Store().image, Padded(image));
        QCOMPARE(other.protocol.Store().password, QByteArray("\x12\x34\x56\x78"));
        // The project's image stays the project's.
        QCOMPARE(app.runtimeImage, image);
    }

    void progressAndPortionsAsOnTheLine()
    {
        CTestProgramFolder& f = *folder_;
        CRecordingProgress progress;
        MemoryPanel panel(f.App(), {}, &progress);
        const QByteArray image = MakeImage(130);
        f.App().runtimeImage = image;
        QCOMPARE(TransferOperations::Run(f.App(), TO_DOWNLOAD, kPort, 1,
                                         PackedPassword::Pack(QStringLiteral("12345678")),
                                         panel.options),
                 int(TR_OK));
        const QList<QPair<int, int>> expected = {{0, 0},   {49, 0},  {98, 0},
                                                 {100, 0}, {100, 1}, {100, 0}};
        QCOMPARE(progress.Posts(), expected);
        QCOMPARE(panel.protocol.LastCheckValue(), QByteArray(1, char(Xor(image))));

        // The tool's bytes of a download, whole or a byte at a time, give the
        // same replies and the same stored image.
        QByteArray tool = QByteArray("LB\x01", 3) + QByteArray("\x01\x00\x00\x00\x00", 5)
                          + QByteArray("\x00\x03", 2) + Padded(image)
                          + QByteArray(1, char(Xor(image))) + "END";
        // The handshake drops what came before its answer: the tool waits for
        // it, so it is fed alone.
        CPanelProtocol whole({});
        whole.Feed(tool.left(2));
        whole.Feed(tool.mid(2));
        CPanelProtocol bytewise({});
        QByteArray replies;
        for (char c : tool) {
            bytewise.Feed(&c, 1);
            replies += bytewise.TakeReplies();
        }
        const QByteArray expectedReplies =
            QByteArray("ZYLOK\x01\x00\x00\x04", 9) + "OKOK" + "OKOKOK" + "OK";
        QCOMPARE(whole.TakeReplies(), expectedReplies);
        QCOMPARE(replies, expectedReplies);
        QCOMPARE(whole.Store().image, Padded(image));
        QCOMPARE(bytewise.Store().image, Padded(image));
        QCOMPARE(bytewise.DownloadsStored(), 1);
    }

    void wrongPasswordRefused()
    {
        CTestProgramFolder& f = *folder_;
        MemoryPanel panel(f.App());
        HoldImage(panel.protocol);
        QTemporaryDir dir;
        const QString backup = dir.filePath(QStringLiteral("b.rtfbak"));
        bool written = true;
        QCOMPARE(TransferOperations::UploadToBackup(f.App(), kPort, QStringLiteral("99999999"),
                                                    backup, panel.options, &written),
                 0x8006);
        QVERIFY(!written);
        QVERIFY(!QFile::exists(backup));
        QCOMPARE(f.MessageTexts(),
                 QStringList{QStringLiteral("PTC010:\n\nUpload password error! Please redo.")});
        // The panel gave up the exchange when the line closed: the right
        // password uploads on the same line.
        QCOMPARE(TransferOperations::UploadToBackup(f.App(), kPort, QStringLiteral("11112222"),
                                                    backup, panel.options, &written),
                 int(TR_OK));
        QVERIFY(written);
        CRuntimeBackup read;
        QVERIFY(read.Read(backup));
        QCOMPARE(read.image, MakeImage(256));

        // A panel whose upload flag is off does not answer an upload.
        MemoryPanel off(f.App());
        off.protocol.Store().Save(MakeImage(64), PackedPassword::Zero(), 0);
        QCOMPARE(TransferOperations::Run(f.App(), TO_UPLOAD, kPort, 1, PackedPassword::Zero(),
                                         off.options),
                 0x4006);
    }

    void faultsGiveTheCodesOfTheLine_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("code");
        // Wrong replies.
        QTest::newRow("wrong dl1") << "wrong@dl1" << int(TO_DOWNLOAD) << 0x8001;
        QTest::newRow("wrong dl2") << "wrong@dl2" << int(TO_DOWNLOAD) << 0x8002;
        QTest::newRow("wrong dl3") << "wrong@dl3" << int(TO_DOWNLOAD) << 0x8003;
        QTest::newRow("wrong dl4") << "wrong@dl4:2" << int(TO_DOWNLOAD) << 0x8004;
        QTest::newRow("wrong dl5") << "wrong@dl5" << int(TO_DOWNLOAD) << 0x8005;
        QTest::newRow("wrong info") << "wrong@info" << int(TO_GET_INFORMATION) << 0x8000;
        QTest::newRow("wrong info-end") << "wrong@info-end" << int(TO_GET_INFORMATION) << 0x8000;
        QTest::newRow("wrong up-password") << "wrong@up-password" << int(TO_UPLOAD) << 0x8006;
        QTest::newRow("wrong up-end") << "wrong@up-end" << int(TO_UPLOAD) << 0x8006;
        QTest::newRow("wrong up-check") << "wrong@up-check" << int(TO_UPLOAD) << 5;
        QTest::newRow("wrong up-block") << "wrong@up-block:2" << int(TO_UPLOAD) << 5;
        // A wrong handshake reply costs one attempt only.
        QTest::newRow("wrong handshake") << "wrong@handshake" << int(TO_DOWNLOAD) << 0;
        // Silences: the engine's wait runs out at once.
        QTest::newRow("silence handshake") << "silence@handshake:0" << int(TO_DOWNLOAD) << 3;
        QTest::newRow("silence dl1") << "silence@dl1" << int(TO_DOWNLOAD) << 0x4001;
        QTest::newRow("silence dl2") << "silence@dl2" << int(TO_DOWNLOAD) << 0x4002;
        QTest::newRow("silence dl3") << "silence@dl3" << int(TO_DOWNLOAD) << 0x4003;
        QTest::newRow("silence dl4") << "silence@dl4:2" << int(TO_DOWNLOAD) << 0x4004;
        QTest::newRow("silence dl5") << "silence@dl5" << int(TO_DOWNLOAD) << 0x4005;
        QTest::newRow("silence info") << "silence@info" << int(TO_GET_INFORMATION) << 0x4000;
        QTest::newRow("silence info-end")
            << "silence@info-end" << int(TO_GET_INFORMATION) << 0x4000;
        QTest::newRow("silence up-password") << "silence@up-password" << int(TO_UPLOAD) << 0x4006;
        QTest::newRow("silence up-count") << "silence@up-count" << int(TO_UPLOAD) << 0x4006;
        QTest::newRow("silence up-block") << "silence@up-block:2" << int(TO_UPLOAD) << 0x4006;
        QTest::newRow("silence up-check") << "silence@up-check" << int(TO_UPLOAD) << 0x4006;
        QTest::newRow("silence up-end") << "silence@up-end" << int(TO_UPLOAD) << 0x400A;
        // A hang-up: the reply never comes.
        QTest::newRow("hangup dl4") << "hangup@dl4:2" << int(TO_DOWNLOAD) << 0x4004;
        QTest::newRow("hangup info") << "hangup@info" << int(TO_GET_INFORMATION) << 0x4000;
    }

    void faultsGiveTheCodesOfTheLine()
    {
        QFETCH(QString, fault);
        QFETCH(int, operation);
        QFETCH(int, code);
        CTestProgramFolder& f = *folder_;
        MemoryPanel panel(f.App(), WithFault(fault));
        HoldImage(panel.protocol);
        f.App().runtimeImage = MakeImage(200);
        CRecordingProgress progress;
        TransferOperations::RunOptions o = panel.options;
        QCOMPARE(TransferOperations::Run(f.App(), operation, kPort, 1,
                                         PackedPassword::Pack(QStringLiteral("11112222")), o),
                 code);
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].second,
                 code == TR_OK ? QStringLiteral("Information") : QStringLiteral("Warning"));
        QCOMPARE(f.App().stopFlag.load(), 1);
        QCOMPARE(panel.protocol.Store().image,
                 code == TR_OK ? MakeImage(200) + QByteArray(56, '\0') : MakeImage(256));
        // The next session: a panel that hung up is gone until it starts
        // again; any other takes the download (the fault played once).
        f.App().runtimeImage = MakeImage(64);
        if (fault.startsWith(QLatin1String("hangup"))) {
            QCOMPARE(
                TransferOperations::Run(f.App(), TO_DOWNLOAD, kPort, 0, PackedPassword::Zero(), o),
                int(TR_CANT_OPEN));
            panel.protocol.Restart();
        }
        if (!fault.endsWith(QLatin1String(":0"))) {
            QCOMPARE(
                TransferOperations::Run(f.App(), TO_DOWNLOAD, kPort, 0, PackedPassword::Zero(), o),
                int(TR_OK));
            QCOMPARE(panel.protocol.Store().image, MakeImage(64));
        }
    }

    void handshakeOnTheThirdAttempt()
    {
        CTestProgramFolder& f = *folder_;
        PanelProtocolOptions o;
        o.handshakeOn = 3;
        MemoryPanel panel(f.App(), o);
        f.App().runtimeImage = MakeImage(100);
        QCOMPARE(TransferOperations::Run(f.App(), TO_DOWNLOAD, kPort, 0, PackedPassword::Zero(),
                                         panel.options),
                 int(TR_OK));
        QCOMPARE(panel.protocol.DownloadsStored(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPanelLink)
#include "test_panel_link.moc"
