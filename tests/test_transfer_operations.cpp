// The transfer operations: packed password, firmware checks, information
// values, backup files and restore checks, the Project Transfer steps, and
// the qv-cli transfer commands against a qv-panel process.
#include "PanelFixture.h"
#include "app/CompileProject.h"
#include "transfer/FirmwareVersion.h"
#include "transfer/PackedPassword.h"
#include "transfer/RuntimeBackup.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace PanelFixture;

namespace {

QByteArray Hex(const char* hex)
{
    return QByteArray::fromHex(hex);
}

// A backup as an upload gives it: image, then a trailer ending in the password.
QByteArray BackupBytes(const QByteArray& image, const QString& password)
{
    return image + QByteArray(60, '\0') + PackedPassword::Pack(password);
}

class CPanelProcess
{
public:
    explicit CPanelProcess(const QStringList& args)
    {
        process.start(QStringLiteral(QV_BIN_DIR "/qv-panel"), args);
        if (process.waitForStarted() && process.waitForReadyRead(5000))
            path = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    ~CPanelProcess()
    {
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished();
        }
    }
    QProcess process;
    QString path;
};

int Cli(const QStringList& args, QString* out = nullptr, QString* err = nullptr)
{
    QByteArray o, e;
    const int rc = TestSupport::Run(TestSupport::QvCli(), args, &o, &e, 60000);
    if (out)
        *out = QString::fromUtf8(o);
    if (err)
        *err = QString::fromUtf8(e);
    return rc;
}

} // namespace

class TestTransferOperations : public QObject
{
    Q_OBJECT
private slots:
    void packedPassword()
    {
        QCOMPARE(PackedPassword::Pack(QStringLiteral("12345678")), Hex("12345678"));
        QCOMPARE(PackedPassword::Pack(QStringLiteral("123")), Hex("00000123"));
        QCOMPARE(PackedPassword::Pack(QStringLiteral("9912345678")), Hex("12345678"));
        QCOMPARE(PackedPassword::Pack(QString()), Hex("00000000"));
        QCOMPARE(PackedPassword::Pack(QStringLiteral("ab")), Hex("00000042")); // (49*16+50) mod 256
        QCOMPARE(PackedPassword::Unpack(Hex("12345678")), QStringLiteral("12345678"));
        QCOMPARE(PackedPassword::Unpack(Hex("00000123")), QStringLiteral("00000123"));
        QCOMPARE(PackedPassword::Unpack(Hex("F0000000")), QStringLiteral("150000000"));
    }

    void firmwareOfTheRestore()
    {
        using FirmwareVersion::RestoreAccepts;
        QVERIFY(RestoreAccepts({1, 5, 0, 0}, {2, 0, 0, 0}));
        QVERIFY(!RestoreAccepts({2, 0, 0, 0}, {2, 0, 0, 1}));
        QVERIFY(RestoreAccepts({2, 0, 0, 1}, {2, 0, 0, 1}));
        QVERIFY(RestoreAccepts({3, 0, 0, 0}, {2, 9, 9, 9}));
        QCOMPARE(FirmwareVersion::RequiredBy(MakeImage(20, {4, 3, 2, 1})),
                 (std::array<uint8_t, 4>{4, 3, 2, 1}));
        QCOMPARE(FirmwareVersion::RequiredBy(QByteArray(9, '\x07')),
                 (std::array<uint8_t, 4>{7, 0, 0, 0}));
    }

    void informationValues()
    {
        CTestProgramFolder f;
        CPanelInformation info;
        QVERIFY(!info.Parse(QByteArray(16, '\0'))); // byte 0 must be its length
        QVERIFY(!info.Parse(Hex("10") + QByteArray(14, '\0')));
        QVERIFY(info.Parse(Hex("10 01020304 01 00000401 00000402 01 00")));
        QCOMPARE(info.FirmwareText(), QStringLiteral("V1.2.3.4"));
        QCOMPARE(info.PanelTypeText(), QStringLiteral("Unknown"));
        QCOMPARE(info.ProtocolText(), QStringLiteral("Unknown"));
        QCOMPARE(info.UploadStateText(f.App().settings), QStringLiteral("Disable"));
        QCOMPARE(CPanelInformation::MemoryText(1024), QStringLiteral("1024 Bytes"));
        QCOMPARE(CPanelInformation::MemoryText(1025), QStringLiteral("1 KB"));
        QCOMPARE(CPanelInformation::MemoryText(131072), QStringLiteral("128 KB"));
        // Free is total minus used in 32-bit unsigned arithmetic.
        QCOMPARE(info.DisplayValues(f.App().settings)[4].second, QStringLiteral("4194303 KB"));
        QVERIFY(TransferOperations::ImageFitsPanel(131008));
        QVERIFY(!TransferOperations::ImageFitsPanel(131009));
    }

    void backupFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.rtfbak"));
        CRuntimeBackup b;
        QVERIFY(!b.Read(path));
        QVERIFY(TestSupport::WriteFile(path, QByteArray(64, '\x01')));
        QVERIFY(!b.Read(path));
        QVERIFY(TestSupport::WriteFile(path, QByteArray(16, '\x05') + QByteArray(60, '\0')
                                                 + Hex("36093609")));
        QVERIFY(b.Read(path));
        QCOMPARE(b.image, QByteArray(16, '\x05'));
        QCOMPARE(b.password, QStringLiteral("36093609"));

        // Only whole backups are written, and a refused one leaves the old file.
        QVERIFY(!CRuntimeBackup::Write(path, QByteArray(64, '\x02')));
        QCOMPARE(TestSupport::ReadFile(path).size(), 80);
        QVERIFY(CRuntimeBackup::Write(path, QByteArray(128, '\x03')));
        QCOMPARE(TestSupport::ReadFile(path), QByteArray(128, '\x03'));
        QVERIFY(!CRuntimeBackup::Write(dir.filePath(QStringLiteral("none/x.rtfbak")),
                                       QByteArray(128, 'x')));

        QCOMPARE(CRuntimeBackup::DefaultName(QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9))),
                 QStringLiteral("20240305070809.rtfbak"));
        QCOMPARE(CRuntimeBackup::WithExtension(QStringLiteral("panel")),
                 QStringLiteral("panel.rtfbak"));
        QCOMPARE(CRuntimeBackup::WithExtension(QStringLiteral("panel.RTFBAK")),
                 QStringLiteral("panel.RTFBAK.rtfbak"));
        QCOMPARE(CRuntimeBackup::WithExtension(QStringLiteral("panel.rtfbak")),
                 QStringLiteral("panel.rtfbak"));
        QCOMPARE(CRuntimeBackup::WithExtension(QStringLiteral(".rtfbak")),
                 QStringLiteral(".rtfbak.rtfbak"));
    }

    void restoreChecksLeaveTheImageAlone()
    {
        QTemporaryDir dir;
        auto file = [&](const char* name, const QByteArray& bytes) {
            const QString p = dir.filePath(QLatin1String(name));
            TestSupport::WriteFile(p, bytes);
            return p;
        };
        using TransferOperations::CheckRestore;
        const std::array<uint16_t, 4> panelFw{2, 0, 0, 0};
        const QString good =
            file("good.rtfbak", BackupBytes(MakeImage(128, {2, 0, 0, 0}), "24681357"));
        QCOMPARE(CheckRestore(QString(), "p", panelFw).error,
                 QStringLiteral("Please input file path"));
        QCOMPARE(CheckRestore(file("64.rtfbak", QByteArray(64, 'x')), "p", panelFw).error,
                 QStringLiteral("Input file invalid"));
        QCOMPARE(CheckRestore(dir.filePath("missing.rtfbak"), "p", panelFw).error,
                 QStringLiteral("Input file invalid"));
        QCOMPARE(CheckRestore(good, QString(), panelFw).error, QStringLiteral("Port invalid"));
        QCOMPARE(CheckRestore(file("80.rtfbak", QByteArray(80, 'x')), "p", panelFw).error,
                 QStringLiteral("Input file invalid"));
        const QString newer = file("new.rtfbak", BackupBytes(MakeImage(128, {2, 0, 0, 1}), "1"));
        QCOMPARE(CheckRestore(newer, "p", panelFw).error,
                 QStringLiteral("Can not download the runtim file to old version device"));
        // The panel holds 128 KB with the trailer: a larger image is no backup
        // of it, and going down it would overrun the panel's memory.
        QCOMPARE(CheckRestore(file("big.rtfbak", BackupBytes(MakeImage(131009, {2, 0, 0, 0}), "1")),
                              "p", panelFw)
                     .error,
                 QStringLiteral("Input file invalid"));
        QVERIFY(CheckRestore(file("full.rtfbak", BackupBytes(MakeImage(131008, {2, 0, 0, 0}), "1")),
                             "p", panelFw)
                    .error.isEmpty());
        const TransferOperations::RestoreCheck ok = CheckRestore(good, "p", panelFw);
        QVERIFY(ok.error.isEmpty());
        QCOMPARE(ok.image, MakeImage(128, {2, 0, 0, 0}));
        QCOMPARE(ok.password, QStringLiteral("24681357"));

        // A rejected backup leaves the project's image: the next transfer
        // sends the project, not the backup.
        CTestProgramFolder f;
        const QByteArray project = MakeImage(64, {1, 0, 0, 0});
        f.App().runtimeImage = project;
        QVERIFY(
            !CheckRestore(file("80b.rtfbak", QByteArray(80, 'y')), "p", panelFw).error.isEmpty());
        QCOMPARE(f.App().runtimeImage, project);
        VirtualPanelOptions o;
        o.firmware = {2, 0, 0, 0};
        auto panel = StartPanel(o);
        QCOMPARE(TransferOperations::DownloadProject(f.App(), {panel->DevicePath(), 0, {}}, {}),
                 int(TR_OK));
        QVERIFY(panel->WaitForDownloads(1));
        QCOMPARE(panel->Store().image, project);

        // An accepted one goes down from its own buffer with its own
        // password; the project's image and need-compile flag stay, so the
        // next Project Transfer sends the project again.
        f.App().imageState = f.App().SavedState();
        QCOMPARE(
            TransferOperations::RestoreBackup(f.App(), ok, panel->DevicePath(), ok.password, {}),
            int(TR_OK));
        QVERIFY(panel->WaitForDownloads(2));
        QCOMPARE(panel->Store().image, ok.image);
        QCOMPARE(panel->Store().password, Hex("24681357"));
        QCOMPARE(int(panel->Store().uploadFlag), 1);
        QCOMPARE(f.App().runtimeImage, project);
        QVERIFY(f.App().ImageStandsForProject());
        QCOMPARE(f.App().stopFlag.load(), 1);
        TransferOperations::ProjectTransferSteps steps;
        steps.compile = [] { return false; };
        steps.choose = [&](const TransferChoice&, qsizetype, TransferChoice* chosen) {
            *chosen = {panel->DevicePath(), 0, {}};
            return true;
        };
        QCOMPARE(TransferOperations::ProjectTransfer(f.App(), steps, {}), int(TR_OK));
        QVERIFY(panel->WaitForDownloads(3));
        QCOMPARE(panel->Store().image, project);
    }

    void failedUploadWritesNoFile()
    {
        QTemporaryDir store, dir;
        CPanelStore(store.path()).Save(MakeImage(128), PackedPassword::Pack("11111111"), 1);
        CTestProgramFolder f;
        const QString existing = dir.filePath(QStringLiteral("old.rtfbak"));
        TestSupport::WriteFile(existing, QByteArray("old contents"));
        for (const char* fault : {"wrong@up-check", "wrong@up-block:2", "wrong@up-end"}) {
            VirtualPanelOptions o = WithFault(QLatin1String(fault));
            o.storeDir = store.path();
            auto panel = StartPanel(o);
            bool written = true;
            QVERIFY(TransferOperations::UploadToBackup(f.App(), panel->DevicePath(), "11111111",
                                                       existing, {}, &written)
                    != TR_OK);
            QVERIFY(!written);
            QCOMPARE(TestSupport::ReadFile(existing), QByteArray("old contents"));
        }
        auto panel = StartPanel([&] {
            VirtualPanelOptions o;
            o.storeDir = store.path();
            return o;
        }());
        const QString fresh = dir.filePath(QStringLiteral("new.rtfbak"));
        bool written = true;
        QCOMPARE(TransferOperations::UploadToBackup(f.App(), panel->DevicePath(), "11111112", fresh,
                                                    {}, &written),
                 int(TR_WRONG_REPLY + 6));
        QVERIFY(!QFile::exists(fresh));
        QCOMPARE(TransferOperations::UploadToBackup(f.App(), panel->DevicePath(), "11111111", fresh,
                                                    {}, &written),
                 int(TR_OK));
        QVERIFY(written);
        QCOMPARE(TestSupport::ReadFile(fresh), BackupBytes(MakeImage(128), "11111111"));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).size() == 2); // no temporary left behind
        QCOMPARE(f.messages.last(), qMakePair(QStringLiteral("Upload runtime file OK!"),
                                              QStringLiteral("Information")));

        // A folder that takes no file (not even from root): the upload went
        // well, but the one message is the error naming the file.
        f.messages.clear();
        f.kinds.clear();
        const QString blocked = QStringLiteral("/proc/corvel-backup.rtfbak");
        QCOMPARE(TransferOperations::UploadToBackup(f.App(), panel->DevicePath(), "11111111",
                                                    blocked, {}, &written),
                 int(TR_OK));
        QVERIFY(!written);
        QVERIFY(!QFile::exists(blocked));
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0],
                 qMakePair(QStringLiteral("The backup file %1 can't be written").arg(blocked),
                           QStringLiteral("Error")));
        QCOMPARE(f.kinds[0], MessageKind::Error);
    }

    void projectTransferSteps()
    {
        CTestProgramFolder f;
        CTessanApp& app = f.App();
        auto panel = StartPanel([] {
            VirtualPanelOptions o;
            o.firmware = {2, 0, 0, 0};
            return o;
        }());
        QVERIFY(panel);
        app.settings.WriteSetting(QStringLiteral("COMPORT"), QStringLiteral("ttyUSB0"));
        app.model.transferInfo.enableUpdateRuntimeFile = 1;

        // No image: the project is compiled before the dialog, which shows
        // the stored values and the image's size. A dialog that is not ended
        // with "Transfer" sends nothing and keeps nothing, but the image now
        // stands for the project.
        TransferChoice shown;
        qsizetype shownSize = -1;
        int compiles = 0;
        QList<TransferChoice> kept;
        TransferOperations::ProjectTransferSteps steps;
        steps.compile = [&] {
            ++compiles;
            return CompileProjectForTransfer(app);
        };
        steps.choose = [&](const TransferChoice& stored, qsizetype size, TransferChoice*) {
            shown = stored;
            shownSize = size;
            return false;
        };
        steps.keep = [&](const TransferChoice& chosen) { kept << chosen; };
        QVERIFY(app.runtimeImage.isEmpty());
        QCOMPARE(TransferOperations::ProjectTransfer(app, steps, {}), -1);
        QCOMPARE(compiles, 1);
        QVERIFY(!app.runtimeImage.isEmpty());
        QCOMPARE(shownSize, app.runtimeImage.size());
        QCOMPARE(shown.port, QStringLiteral("ttyUSB0"));
        QCOMPARE(shown.enableUpdateRuntimeFile, 1);
        QCOMPARE(shown.uploadPassword, QStringLiteral("52815281"));
        QVERIFY(kept.isEmpty());
        QVERIFY(app.ImageStandsForProject());
        QCOMPARE(app.stopFlag.load(), 1);
        QCOMPARE(panel->DownloadsStored(), 0);

        // A stopped compilation ends before the dialog.
        app.imageState = 0;
        shownSize = -1;
        steps.compile = [] { return false; };
        QCOMPARE(TransferOperations::ProjectTransfer(app, steps, {}), -1);
        QCOMPARE(shownSize, -1);
        QVERIFY(!app.ImageStandsForProject());
        QCOMPARE(app.stopFlag.load(), 1);

        // "Transfer": the chosen values go to `keep` and the image goes down
        // with them; nothing is compiled for an image that stands.
        app.imageState = app.SavedState();
        const QByteArray image = MakeImage(100, {2, 0, 0, 0});
        app.runtimeImage = image;
        steps.choose = [&](const TransferChoice&, qsizetype, TransferChoice* chosen) {
            *chosen = {panel->DevicePath(), 1, QStringLiteral("123")};
            return true;
        };
        QCOMPARE(TransferOperations::ProjectTransfer(app, steps, {}), int(TR_OK));
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].port, panel->DevicePath());
        QVERIFY(kept[0].Settings() == (CTransferDlgInfo{QStringLiteral("123"), 1}));
        QVERIFY(panel->WaitForDownloads(1));
        QCOMPARE(panel->Store().image, image + QByteArray(28, '\0'));
        QCOMPARE(panel->Store().password, Hex("00000123"));
        QCOMPARE(int(panel->Store().uploadFlag), 1);
        QCOMPARE(app.stopFlag.load(), 1);
        // The core keeps nothing itself: the project and COMPORT are as they were.
        QCOMPARE(app.model.transferInfo.uploadPassword, QStringLiteral("52815281"));
        QCOMPARE(app.settings.GetSettingString(QStringLiteral("COMPORT")),
                 QStringLiteral("ttyUSB0"));
        QVERIFY(!app.ProjectCountsAsModified());

        TransferChoice enabled{QStringLiteral("x"), 1, QStringLiteral("123")};
        QCOMPARE(TransferOperations::PackedPasswordFor(enabled), Hex("00000123"));
        enabled.enableUpdateRuntimeFile = 0;
        QCOMPARE(TransferOperations::PackedPasswordFor(enabled), Hex("00000000"));
    }

    void commandLine()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ttyPANEL"));
        CPanelProcess panel({QStringLiteral("--store"), dir.filePath(QStringLiteral("store")),
                             QStringLiteral("--link"), link, QStringLiteral("--firmware"),
                             QStringLiteral("2.1.0.0")});
        QVERIFY(panel.path.startsWith(QLatin1String("/dev/")));
        QCOMPARE(QFileInfo(link).symLinkTarget(), panel.path);
        QString out, err;
        QCOMPARE(Cli({QStringLiteral("ports")}, &out, &err), 0);

        const QString image = dir.filePath(QStringLiteral("image.bin"));
        TestSupport::WriteFile(image, MakeImage(130, {2, 1, 0, 0}));
        QCOMPARE(Cli({"download", image, "--port", link, "--password", "13572468"}, &out, &err), 0);
        QCOMPARE(out, QStringLiteral("Download runtime file OK!\n"));

        QCOMPARE(Cli({"info", "--port", panel.path}, &out, &err), 0);
        QCOMPARE(out, QStringLiteral(
                          "Panel Type: RU03\nFirmware Version: V2.1.0.0\nTotal: 128 KB\n"
                          "Used: 192 Bytes\nFree: 127 KB\nProtocol: Vardo V-Sequence (R Series)\n"
                          "Runtime File Upload State: Enable\nGet information OK!\n"));

        const QString backup = dir.filePath(QStringLiteral("b.rtfbak"));
        QCOMPARE(
            Cli({"upload", "--port", link, "--password", "13572468", "-o", backup}, &out, &err), 0);
        QCOMPARE(out, QStringLiteral("Upload runtime file OK!\n"));
        QCOMPARE(TestSupport::ReadFile(backup),
                 BackupBytes(MakeImage(130, {2, 1, 0, 0}) + QByteArray(62, '\0'), "13572468"));

        // A backup that cannot be written: one error naming it, no success.
        const QString blocked = QStringLiteral("/proc/corvel-cli.rtfbak");
        QCOMPARE(
            Cli({"upload", "--port", link, "--password", "13572468", "-o", blocked}, &out, &err),
            1);
        QVERIFY(!out.contains(QStringLiteral("OK!")) && !err.contains(QStringLiteral("OK!")));
        QVERIFY(err.endsWith(QStringLiteral("The backup file %1 can't be written\n").arg(blocked)));
        QCOMPARE(err.count(QStringLiteral("can't be written")), 1);

        const QString wrong = dir.filePath(QStringLiteral("w.rtfbak"));
        QCOMPARE(Cli({"upload", "--port", link, "--password", "13572469", "-o", wrong}, &out, &err),
                 1);
        QVERIFY(err.contains(QStringLiteral("PTC010:\n\nUpload password error! Please redo.\n")));
        QVERIFY(!QFile::exists(wrong));

        // Restore: the backup's own password and Enable Update 1.
        QCOMPARE(Cli({"download", image, "--port", link}, &out, &err), 0); // flag 0, no password
        QCOMPARE(Cli({"restore", backup, "--port", link}, &out, &err), 0);
        QCOMPARE(out, QStringLiteral("Get information OK!\nDownload runtime file OK!\n"));
        // The panel stores after the tool is done: give it a moment.
        QTRY_COMPARE(TestSupport::ReadFile(dir.filePath(QStringLiteral("store/upload.flag"))),
                     Hex("01"));
        QCOMPARE(TestSupport::ReadFile(dir.filePath(QStringLiteral("store/password.bin"))),
                 Hex("13572468"));

        const QString tooNew = dir.filePath(QStringLiteral("new.rtfbak"));
        TestSupport::WriteFile(tooNew, BackupBytes(MakeImage(128, {2, 1, 0, 1}), "1"));
        QCOMPARE(Cli({"restore", tooNew, "--port", link}, &out, &err), 1);
        QVERIFY(err.endsWith(
            QStringLiteral("Can not download the runtim file to old version device\n")));
        const QString shortFile = dir.filePath(QStringLiteral("short.rtfbak"));
        TestSupport::WriteFile(shortFile, QByteArray(64, '\0'));
        QCOMPARE(Cli({"restore", shortFile, "--port", link}, &out, &err), 1);
        QVERIFY(err.endsWith(QStringLiteral("Input file invalid\n")));

        QCOMPARE(Cli({"download", image, "--port", "/dev/pts/no-such"}, &out, &err), 1);
        QVERIFY(err.endsWith(
            QStringLiteral("PTC002:\n\nDownload runtime file fail.Can't open connect.\n")));
        QCOMPARE(Cli({"upload", "--port", link}, &out, &err), 2);
        QCOMPARE(err.count(QStringLiteral("usage: qv-cli upload")), 1);
        QCOMPARE(Cli({"upload", "--port", link, "--bogus"}, &out, &err), 2);
        QCOMPARE(err.count(QStringLiteral("usage: qv-cli upload")), 1);

        // A project package is compiled, and a panel of the default firmware
        // gets exactly the image that qv-cli compile makes of it.
        const QString link2 = dir.filePath(QStringLiteral("ttyPANEL2"));
        CPanelProcess panel2({QStringLiteral("--store"), dir.filePath(QStringLiteral("store2")),
                              QStringLiteral("--link"), link2});
        const QString cgp = dir.filePath(QStringLiteral("p/demo.cgp"));
        const QString compiled = dir.filePath(QStringLiteral("demo.bin"));
        QCOMPARE(Cli({"new", cgp}), 0);
        QCOMPARE(Cli({"compile", cgp, "-o", compiled}), 0);
        QCOMPARE(Cli({"download", cgp, "--port", link}, &out, &err), 1); // needs firmware 1.0.0.4
        QVERIFY(err.contains(QStringLiteral("Firmware version mismatch.")));
        QCOMPARE(Cli({"download", cgp, "--port", link2}, &out, &err), 0);
        QVERIFY(out.contains(QStringLiteral("Download runtime file OK!")));
        const QByteArray sent = TestSupport::ReadFile(compiled);
        QVERIFY(sent.size() > 16);
        QTRY_COMPARE(TestSupport::ReadFile(dir.filePath(QStringLiteral("store2/runtime.bin")))
                         .left(sent.size()),
                     sent);
    }
};

QTEST_GUILESS_MAIN(TestTransferOperations)
#include "test_transfer_operations.moc"
