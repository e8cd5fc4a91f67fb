// The transfer engine against the virtual panel on a pseudo-terminal: the
// bytes of each operation, the replies it accepts and refuses, the result
// codes with their messages, progress and stop.
#include "PanelFixture.h"
#include "transfer/FirmwareVersion.h"
#include "transfer/PackedPassword.h"

#include <QTemporaryDir>

using namespace PanelFixture;

namespace {

const QString kDownloadOk = QStringLiteral("Download runtime file OK!");

QString Nl(const char* code)
{
    return QString::fromLatin1(code) + QStringLiteral("\n\n");
}

// A panel store that already holds an uploadable image.
void PrepareStore(const QString& dir, const QByteArray& image, const QString& password)
{
    CPanelStore store(dir);
    store.Save(image, PackedPassword::Pack(password), 1);
}

} // namespace

class TestTransferProtocol : public QObject
{
    Q_OBJECT
private slots:
    void downloadOfThreeBlocks()
    {
        CTestProgramFolder f;
        auto panel = StartPanel();
        QVERIFY(panel);
        const QByteArray image = MakeImage(130);
        f.App().runtimeImage = image;
        CRecordingProgress progress;
        const int r = Run(f.App(), TO_DOWNLOAD, panel->DevicePath(), 1,
                          PackedPassword::Pack(QStringLiteral("12345678")), &progress);
        QCOMPARE(r, int(TR_OK));
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].first, kDownloadOk);
        QCOMPARE(f.messages[0].second, QStringLiteral("Information"));
        QCOMPARE(f.App().stopFlag.load(), 1);
        QVERIFY(panel->WaitForDownloads(1));
        // Three blocks; the last one holds 2 image bytes and 62 zero bytes.
        QCOMPARE(panel->Store().image, image + QByteArray(62, '\0'));
        QCOMPARE(panel->Store().password, QByteArray("\x12\x34\x56\x78"));
        QCOMPARE(int(panel->Store().uploadFlag), 1);
        QCOMPARE(panel->LastCheckValue(), QByteArray(1, char(Xor(image))));
        const QList<QPair<int, int>> expected = {{0, 0},   {49, 0},  {98, 0},
                                                 {100, 0}, {100, 1}, {100, 0}};
        QCOMPARE(progress.Posts(), expected);
    }

    void downloadProjectWithoutUpdateSendsZeroPassword()
    {
        CTestProgramFolder f;
        auto panel = StartPanel();
        QVERIFY(panel);
        f.App().runtimeImage = MakeImage(64);
        TransferChoice choice{panel->DevicePath(), 0, QStringLiteral("99999999")};
        QCOMPARE(TransferOperations::DownloadProject(f.App(), choice, {}), int(TR_OK));
        QVERIFY(panel->WaitForDownloads(1));
        QCOMPARE(panel->Store().password, QByteArray(4, '\0'));
        QCOMPARE(int(panel->Store().uploadFlag), 0);
        QCOMPARE(panel->Store().image, MakeImage(64));
    }

    void handshakeOnTheThirdAttempt()
    {
        CTestProgramFolder f;
        VirtualPanelOptions o;
        o.handshakeOn = 3;
        auto panel = StartPanel(o);
        QVERIFY(panel);
        f.App().runtimeImage = MakeImage(100);
        QCOMPARE(Run(f.App(), TO_DOWNLOAD, panel->DevicePath(), 0, PackedPassword::Zero()),
                 int(TR_OK));
        QVERIFY(panel->WaitForDownloads(1));
        // A wrong handshake reply costs one attempt only.
        auto other = StartPanel(WithFault(QStringLiteral("wrong@handshake")));
        QCOMPARE(Run(f.App(), TO_DOWNLOAD, other->DevicePath(), 0, PackedPassword::Zero()),
                 int(TR_OK));
    }

    void informationAndUploadRoundTrip()
    {
        QTemporaryDir store;
        CTestProgramFolder f;
        VirtualPanelOptions o;
        o.storeDir = store.path();
        o.firmware = {2, 3, 4, 5};
        auto panel = StartPanel(o);
        QVERIFY(panel);
        const QByteArray image = MakeImage(192, {2, 3, 0, 0});
        f.App().runtimeImage = image;
        QCOMPARE(Run(f.App(), TO_DOWNLOAD, panel->DevicePath(), 1,
                     PackedPassword::Pack(QStringLiteral("87654321"))),
                 int(TR_OK));

        CPanelInformation info;
        QCOMPARE(TransferOperations::ReadPanelInformation(f.App(), panel->DevicePath(), &info, {}),
                 int(TR_OK));
        QCOMPARE(f.messages.last().first, QStringLiteral("Get information OK!"));
        const QList<QPair<QString, QString>> shown = {
            {QStringLiteral("Panel Type:"), QStringLiteral("RU03")},
            {QStringLiteral("Firmware Version:"), QStringLiteral("V2.3.4.5")},
            {QStringLiteral("Total:"), QStringLiteral("128 KB")},
            {QStringLiteral("Used:"), QStringLiteral("192 Bytes")},
            {QStringLiteral("Free:"), QStringLiteral("127 KB")},
            {QStringLiteral("Protocol:"), QStringLiteral("Vardo V-Sequence (R Series)")},
            {QStringLiteral("Runtime File Upload State:"), QStringLiteral("Enable")}};
        QCOMPARE(info.DisplayValues(f.App().settings), shown);

        CRecordingProgress progress;
        QByteArray received;
        QCOMPARE(Run(f.App(), TO_UPLOAD, panel->DevicePath(), 1,
                     PackedPassword::Pack(QStringLiteral("87654321")), &progress, &received),
                 int(TR_OK));
        QCOMPARE(f.messages.last().first, QStringLiteral("Upload runtime file OK!"));
        QCOMPARE(received, image + QByteArray(60, '\0') + QByteArray("\x87\x65\x43\x21"));
        const QList<QPair<int, int>> posts = progress.Posts();
        QCOMPARE(posts.first(), qMakePair(0, 0));
        QCOMPARE(posts[1], qMakePair(24, 0)); // 1 of 4 blocks: 1 * 99 / 4
        QVERIFY(posts.contains(qMakePair(100, 1)));

        // The store outlives the panel: a new panel on it uploads the same.
        panel.reset();
        auto again = StartPanel(o);
        QCOMPARE(Run(f.App(), TO_UPLOAD, again->DevicePath(), 1,
                     PackedPassword::Pack(QStringLiteral("87654321")), nullptr, &received),
                 int(TR_OK));
        QCOMPARE(received.left(192), image);
    }

    void wrongReplies_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString dl = QStringLiteral("Download runtime file fail.Receive error.");
        QTest::newRow("dl1") << "wrong@dl1" << int(TO_DOWNLOAD) << 0x8001
                             << Nl("PTC009:") + dl + "(1)";
        QTest::newRow("dl2") << "wrong@dl2" << int(TO_DOWNLOAD) << 0x8002
                             << Nl("PTC009:") + dl + "(2)";
        QTest::newRow("dl3") << "wrong@dl3" << int(TO_DOWNLOAD) << 0x8003
                             << Nl("PTC009:") + dl + "(3)";
        QTest::newRow("dl4") << "wrong@dl4:2" << int(TO_DOWNLOAD) << 0x8004
                             << Nl("PTC009:") + dl + "(4)";
        QTest::newRow("dl5") << "wrong@dl5" << int(TO_DOWNLOAD) << 0x8005
                             << Nl("PTC009:") + dl + "(5)";
        const QString gi = QStringLiteral("Get information fail.Receive error.(0)");
        QTest::newRow("info") << "wrong@info" << int(TO_GET_INFORMATION) << 0x8000
                              << Nl("PTC009:") + gi;
        QTest::newRow("info-end") << "wrong@info-end" << int(TO_GET_INFORMATION) << 0x8000
                                  << Nl("PTC009:") + gi;
        const QString pw = Nl("PTC010:") + QStringLiteral("Upload password error! Please redo.");
        QTest::newRow("up-password") << "wrong@up-password" << int(TO_UPLOAD) << 0x8006 << pw;
        QTest::newRow("up-end") << "wrong@up-end" << int(TO_UPLOAD) << 0x8006 << pw;
        const QString lrc = Nl("PTC005:") + QStringLiteral("Upload runtime file fail.LRC error.");
        QTest::newRow("up-check") << "wrong@up-check" << int(TO_UPLOAD) << 5 << lrc;
        QTest::newRow("up-block") << "wrong@up-block:2" << int(TO_UPLOAD) << 5 << lrc;
    }

    void wrongReplies()
    {
        QFETCH(QString, fault);
        QFETCH(int, operation);
        QFETCH(int, code);
        QFETCH(QString, message);
        QTemporaryDir store;
        PrepareStore(store.path(), MakeImage(256), QStringLiteral("11112222"));
        VirtualPanelOptions o = WithFault(fault);
        o.storeDir = store.path();
        auto panel = StartPanel(o);
        QVERIFY(panel);
        CTestProgramFolder f;
        f.App().runtimeImage = MakeImage(200);
        CRecordingProgress progress;
        QByteArray received;
        QCOMPARE(Run(f.App(), operation, panel->DevicePath(), 1,
                     PackedPassword::Pack(QStringLiteral("11112222")), &progress, &received),
                 code);
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].first, message);
        QCOMPARE(f.messages[0].second, QStringLiteral("Warning"));
        QCOMPARE(f.App().stopFlag.load(), 1);
        QVERIFY(!progress.Posts().contains(qMakePair(100, 1)));
        // The panel keeps what it had.
        QCOMPARE(panel->Store().image, MakeImage(256));
    }

    void lineDownBeforeAWrite()
    {
        CTestProgramFolder f;
        auto panel = StartPanel();
        f.App().runtimeImage = MakeImage(64 * 4);
        CRecordingProgress progress;
        // The panel goes away after acknowledging the first block, before the
        // tool sends the second.
        progress.onPost = [&](int percent, int) {
            if (percent == 25)
                panel.reset();
        };
        QCOMPARE(
            Run(f.App(), TO_DOWNLOAD, panel->DevicePath(), 0, PackedPassword::Zero(), &progress),
            int(TR_SHORT_WRITE));
        QCOMPARE(f.MessageTexts(),
                 QStringList{Nl("PTC004:") + "Download runtime file fail.Can't send data."});
    }

    void imageWhoseBlockCountDoesNotFitTwoBytes()
    {
        // 65537 blocks: the two count bytes would say 1 block while the tool
        // went on sending all of them. Nothing of the image may go out.
        CTestProgramFolder f;
        auto panel = StartPanel();
        QVERIFY(panel);
        f.App().runtimeImage = MakeImage(65536 * 64 + 1);
        CRecordingProgress progress;
        QCOMPARE(
            Run(f.App(), TO_DOWNLOAD, panel->DevicePath(), 0, PackedPassword::Zero(), &progress),
            int(TR_SHORT_WRITE));
        QCOMPARE(f.MessageTexts(),
                 QStringList{Nl("PTC004:") + "Download runtime file fail.Can't send data."});
        QCOMPARE(progress.Posts(), (QList<QPair<int, int>>{{0, 0}, {100, 0}}));
        QCOMPARE(panel->DownloadsStored(), 0);
        // An image whose count fits goes out on the same port.
        f.App().runtimeImage = MakeImage(64 * 3);
        QCOMPARE(Run(f.App(), TO_DOWNLOAD, panel->DevicePath(), 0, PackedPassword::Zero()),
                 int(TR_OK));
        QVERIFY(panel->WaitForDownloads(1));
    }

    void firmwareOfTheDownload()
    {
        using FirmwareVersion::DownloadRefuses;
        const std::array<uint8_t, 4> needs{1, 2, 0, 0};
        QVERIFY(DownloadRefuses(needs, {1, 1, 9, 9}));
        QVERIFY(!DownloadRefuses(needs, {1, 2, 0, 0}));
        QVERIFY(!DownloadRefuses(needs, {2, 2, 0, 0}));
        QVERIFY(DownloadRefuses(needs, {2, 1, 0, 0}));
        // The panel's parts are signed bytes: 200 counts as -56.
        QVERIFY(DownloadRefuses(needs, {200, 2, 0, 0}));
        QVERIFY(!DownloadRefuses({0, 0, 0, 0}, {0, 0, 0, 0}));

        CTestProgramFolder f;
        f.App().runtimeImage = MakeImage(300, needs);
        for (auto [fw, code] : {std::pair<std::array<uint8_t, 4>, int>{{1, 1, 9, 9}, 7},
                                {{2, 2, 0, 0}, 0},
                                {{2, 1, 0, 0}, 7}}) {
            VirtualPanelOptions o;
            o.firmware = fw;
            auto panel = StartPanel(o);
            QCOMPARE(Run(f.App(), TO_DOWNLOAD, panel->DevicePath(), 0, PackedPassword::Zero()),
                     code);
            if (code == 0)
                QVERIFY(panel->WaitForDownloads(1));
            else
                QCOMPARE(panel->DownloadsStored(), 0);
        }
        QCOMPARE(f.messages[0].first,
                 Nl("PTC008:")
                     + QStringLiteral("Download runtime file fail.Firmware version mismatch."));
    }

    void portThatCannotBeOpened()
    {
        CTestProgramFolder f;
        f.App().runtimeImage = MakeImage(100);
        QCOMPARE(Run(f.App(), TO_DOWNLOAD, QStringLiteral("/dev/pts/no-such-terminal"), 0,
                     PackedPassword::Zero()),
                 int(TR_CANT_OPEN));
        QCOMPARE(Run(f.App(), TO_GET_INFORMATION, QString(), 0, PackedPassword::Zero()),
                 int(TR_CANT_OPEN));
        QCOMPARE(f.MessageTexts(),
                 QStringList({Nl("PTC002:") + "Download runtime file fail.Can't open connect.",
                              Nl("PTC002:") + "Get information fail.Can't open connect."}));
        QCOMPARE(f.App().stopFlag.load(), 1);
    }

    void stopDuringTheBlocks()
    {
        CTestProgramFolder f;
        auto panel = StartPanel();
        f.App().runtimeImage = MakeImage(64 * 20);
        CRecordingProgress progress;
        CTessanApp& app = f.App();
        progress.onPost = [&](int percent, int) {
            if (percent == 10) // after the second block
                app.stopFlag.store(1);
        };
        QCOMPARE(Run(app, TO_DOWNLOAD, panel->DevicePath(), 0, PackedPassword::Zero(), &progress),
                 int(TR_STOPPED));
        QCOMPARE(f.MessageTexts(), QStringList{Nl("PTC006:") + "Download runtime file escaped."});
        // Nothing is posted once stopped; the panel stored nothing.
        QCOMPARE(progress.Posts().last(), qMakePair(10, 0));
        QCOMPARE(panel->DownloadsStored(), 0);
        QCOMPARE(app.stopFlag.load(), 1);
        // The port was closed: the next operation opens it again.
        auto again = StartPanel();
        QCOMPARE(Run(app, TO_DOWNLOAD, again->DevicePath(), 0, PackedPassword::Zero()), int(TR_OK));
    }

    void resultMessages()
    {
        CTestProgramFolder f;
        const CAppSettings& s = f.App().settings;
        auto text = [&](int op, int code) { return CTransfer::ResultText(s, op, code); };
        QCOMPARE(text(TO_UPLOAD, 0), QStringLiteral("Upload runtime file OK!"));
        QCOMPARE(text(TO_DOWNLOAD, 2),
                 Nl("PTC003:") + "Download runtime file fail.Can't close connect.");
        QCOMPARE(text(TO_DOWNLOAD, 3),
                 Nl("PTC001:") + "Download runtime file fail.Can't get handshake.");
        QCOMPARE(text(TO_UPLOAD, 4), Nl("PTC004:") + "Upload runtime file fail.Can't send data.");
        QCOMPARE(text(TO_DOWNLOAD, 0x4003),
                 Nl("PTC008:") + "Download runtime file fail.Receive timeout. (3)");
        QCOMPARE(text(TO_UPLOAD, 0x400A),
                 Nl("PTC008:") + "Upload runtime file fail.Receive timeout. (10)");
        QCOMPARE(text(TO_DOWNLOAD, 0x1234),
                 Nl("PTC007:") + "Unknown information!Inforation is4660");

        // The names and fragments come from the message section of the language file.
        QVERIFY(TestSupport::WriteFile(s.Paths().SettingsFile(),
                                       "[App]\nLanguage=1\n[Language]\n1=chs\n"));
        QCOMPARE(s.GetLanguageCode(), QStringLiteral("chs"));
        QCOMPARE(text(TO_DOWNLOAD, 3),
                 Nl("PTC001:") + QStringLiteral("下载运行文件 fail.Can't get handshake."));
        QCOMPARE(text(TO_UPLOAD, 0x8006), Nl("PTC010:") + QStringLiteral("上传密码错误！请重试。"));
        CPanelInformation info;
        QVERIFY(info.Parse(QByteArray::fromHex("10010000000000020000000000010001")));
        QCOMPARE(info.UploadStateText(s), QStringLiteral("启用"));

        // The caption, like the text, is looked up once when the result is
        // made and once more by the message box.
        QVERIFY(TestSupport::WriteFile(s.Paths().SettingsFile(),
                                       "[App]\nLanguage=1\n[Language]\n1=tst\n"));
        QVERIFY(TestSupport::WriteFile(f.Dir() + QStringLiteral("/QV_Str.tst"),
                                       "[MSG]\nWarning=Caution\nCaution=CAUTION\n"
                                       "Get information=Info\nInfo OK!=Read\n"));
        auto panel = StartPanel();
        QVERIFY(panel);
        QCOMPARE(Run(f.App(), TO_GET_INFORMATION, panel->DevicePath(), 0, PackedPassword::Zero()),
                 int(TR_OK));
        QCOMPARE(f.messages.last(),
                 qMakePair(QStringLiteral("Read"), QStringLiteral("Information")));
        QCOMPARE(Run(f.App(), TO_GET_INFORMATION, QString(), 0, PackedPassword::Zero()),
                 int(TR_CANT_OPEN));
        QCOMPARE(f.messages.last().second, QStringLiteral("CAUTION"));
    }
};

QTEST_GUILESS_MAIN(TestTransferProtocol)
#include "test_transfer_protocol.moc"
