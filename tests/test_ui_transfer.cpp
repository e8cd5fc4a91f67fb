// Transfer in the editor against a virtual panel on a real pseudo-terminal:
// Project Transfer from the command to the panel's stored image, the
// Transfer dialog's values kept through the project controller, a stopped
// transfer, Panel Information and a backup round trip through its dialog, a
// backup that cannot be written, a restore followed by Project Transfer, and
// the project controller's compilation and transfers with a follower of its
// own.
#include "ModalDriver.h"
#include "PanelFixture.h"
#include "app/CompileJob.h"
#include "app/ScreenCommands.h"
#include "app/TransferJob.h"
#include "base/ProfileFile.h"
#include "project/ProtocolTables.h"
#include "project/TransferDlgInfo.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "ui/document/ScreenDocument.h"
#include "transfer/PackedPassword.h"
#include "ui/document/ProjectController.h"
#include "ui/document/TransferJobFollower.h"
#include "ui/transfer/DlgPanelInfo.h"
#include "ui/transfer/DlgPassword.h"
#include "ui/transfer/DlgProgress.h"
#include "ui/transfer/DlgTransfer.h"
#include "ui/transfer/ProjectTransferCommand.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace PanelFixture;

namespace {
const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

struct Project
{
    explicit Project(int screens = 1) : controller(folder.App())
    {
        QDir().mkpath(Location());
        controller.NewProject("demo", Location(), "RU03", kVSeq);
        for (int n = 2; n <= screens; ++n)
            ScreenCommands::NewScreen(folder.App(), n, ScreenCommands::DefaultScreenName(n));
    }
    QString Location() const { return folder.Dir() + "/P"; }
    CTessanApp& App() { return folder.App(); }
    CTestProgramFolder folder;
    CProjectController controller;
};

// The Transfer dialog's step: the panel's port typed in, then "Transfer".
CModalDriver::Step TransferTo(const QString& port, QString* shownPort = nullptr,
                              QString* shownSize = nullptr)
{
    return [=](QWidget* w) {
        auto* d = qobject_cast<CDlgTransfer*>(w);
        if (!d)
            return false;
        auto* box = d->findChild<QComboBox*>("port");
        if (shownPort)
            *shownPort = box->currentText();
        if (shownSize)
            *shownSize = d->findChild<QLabel*>("size")->text();
        box->setEditText(port);
        QTest::mouseClick(d->findChild<QPushButton*>("transfer"), Qt::LeftButton);
        return true;
    };
}

// The password dialog's step: `password` typed in (unless empty), then OK.
CModalDriver::Step AcceptPassword(const QString& password = QString())
{
    return [=](QWidget* w) {
        auto* d = qobject_cast<CDlgPassword*>(w);
        if (!d)
            return false;
        if (!password.isEmpty())
            d->findChild<QLineEdit*>("password")->setText(password);
        d->accept();
        return true;
    };
}

// Waits for the read that Panel Information makes by itself after opening.
bool WaitForFirstRead(CDlgPanelInfo& dlg, CTestProgramFolder& folder)
{
    folder.messages.clear();
    dlg.show();
    return QTest::qWaitFor([&] { return !folder.messages.isEmpty(); }, 20000)
           && folder.messages.last().first == QStringLiteral("Get information OK!");
}

// Follows the controller's jobs without a dialog: starts each and waits for
// its end, keeping the requests and the port stored when each started.
struct WaitingFollower : ITransferJobFollower
{
    explicit WaitingFollower(const CTessanApp& app) : app(app) {}
    TransferOutcome Follow(CTransferJob& job, const TransferRequest& request) override
    {
        requests << request;
        portsAtStart << app.settings.GetSettingString("COMPORT");
        TransferOutcome outcome;
        bool ended = false;
        QObject::connect(&job, &CTransferJob::finished, &job, [&](const TransferOutcome& o) {
            outcome = o;
            ended = true;
        });
        if (!job.Start(request) || !QTest::qWaitFor([&] { return ended; }, 20000))
            outcome.code = -1;
        return outcome;
    }
    const CTessanApp& app;
    QList<TransferRequest> requests;
    QStringList portsAtStart;
};

// Runs a compile job to its end; true when it completed.
bool WaitForCompilation(CCompileJob& job)
{
    bool ended = false;
    bool completed = false;
    QObject::connect(&job, &CCompileJob::finished, &job, [&](bool done, int) {
        ended = true;
        completed = done;
    });
    return job.Start() && QTest::qWaitFor([&] { return ended; }, 20000) && completed;
}

QByteArray Padded(QByteArray image)
{
    if (image.size() % 64)
        image.append(QByteArray(64 - image.size() % 64, '\0'));
    return image;
}
} // namespace

class TestUiTransfer : public QObject
{
    Q_OBJECT
private slots:
    void projectTransferSendsTheCompiledImage()
    {
        Project p;
        auto panel = StartPanel();
        QVERIFY(panel);
        QSignalSpy lines(&p.controller, &CProjectController::outputLine);
        p.folder.answers = {MessageAnswer::Yes}; // save the new project
        CModalDriver driver;
        QString size;
        driver.steps << TransferTo(panel->DevicePath(), nullptr, &size);
        CProjectTransferCommand command(p.controller);
        QCOMPARE(command.Run(nullptr), int(TR_OK));
        QVERIFY(driver.steps.isEmpty());
        QVERIFY(panel->WaitForDownloads(1));
        QCOMPARE(p.folder.messages.first().first,
                 QStringLiteral("Project data has been modified, save it?"));
        QCOMPARE(p.folder.messages.last(), qMakePair(QStringLiteral("Download runtime file OK!"),
                                                     QStringLiteral("Information")));
        QCOMPARE(lines.last().first().toString(),
                 QStringLiteral("demo.cgp - 0 error(s), 1 warning(s)"));
        QCOMPARE(size, CDlgTransfer::SizeText(p.App().runtimeImage.size()));
        // The panel keeps whole blocks.
        QCOMPARE(panel->Store().image, Padded(p.App().runtimeImage));
        // The image is the one qv-cli compiles from the saved package.
        const QString image = p.folder.Dir() + "/cli.bin";
        QCOMPARE(TestSupport::Run(TestSupport::QvCli(),
                                  {"compile", p.Location() + "/demo.cgp", "-o", image}),
                 0);
        QCOMPARE(p.App().runtimeImage, TestSupport::ReadFile(image));
        QCOMPARE(p.App().settings.GetSettingString("COMPORT"), panel->DevicePath());
        QCOMPARE(p.App().stopFlag.load(), 1);
        QVERIFY(p.App().ImageStandsForProject());
        // A new port alone marks the project modified; the port remembered
        // in COMPORT is preselected the next time.
        QVERIFY(p.controller.IsModified());
        p.App().TakeAsSaved();
        const int lineCount = lines.count();
        QString shown;
        driver.steps << TransferTo(panel->DevicePath(), &shown);
        QCOMPARE(command.Run(nullptr), int(TR_OK));
        QCOMPARE(shown, panel->DevicePath());
        QCOMPARE(lines.count(), lineCount); // nothing to compile
        QVERIFY(!p.controller.IsModified());
        QVERIFY(panel->WaitForDownloads(2));
    }

    void stoppedTransferLeavesThePanelsImage()
    {
        Project p(40);
        VirtualPanelOptions paced;
        paced.paced = true;
        auto panel = StartPanel(paced);
        QVERIFY(panel);
        const QByteArray old = MakeImage(64 * 3);
        p.App().runtimeImage = old;
        QCOMPARE(Run(p.App(), TO_DOWNLOAD, panel->DevicePath(), 0, PackedPassword::Zero()),
                 int(TR_OK));
        QVERIFY(panel->WaitForDownloads(1));
        p.folder.messages.clear();

        p.folder.answers = {MessageAnswer::Yes, MessageAnswer::Yes}; // save, then stop
        CModalDriver driver;
        driver.steps << TransferTo(panel->DevicePath());
        driver.On<CDlgProgress>([](CDlgProgress* d) {
            if (d->windowTitle() != QStringLiteral("Download") || d->Reports() == 0)
                return false;
            QTest::mouseClick(d->findChild<QPushButton*>("cancel"), Qt::LeftButton);
            return true;
        });
        CProjectTransferCommand command(p.controller);
        QCOMPARE(command.Run(nullptr), int(TR_STOPPED));
        QVERIFY(driver.steps.isEmpty());
        QCOMPARE(p.folder.messages.at(1),
                 qMakePair(QStringLiteral("Stop the operation?"), QStringLiteral("Warning")));
        QCOMPARE(p.folder.kinds.at(1), MessageKind::Question);
        QCOMPARE(p.folder.messages.last(),
                 qMakePair(QStringLiteral("PTC006:\n\nDownload runtime file escaped."),
                           QStringLiteral("Warning")));
        QCOMPARE(panel->DownloadsStored(), 1);
        QCOMPARE(panel->Store().image, Padded(old));
        QCOMPARE(p.App().stopFlag.load(), 1);
    }

    void stoppedCompilationSendsNothing()
    {
        Project p(40);
        auto panel = StartPanel();
        p.folder.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        CModalDriver driver;
        driver.On<CDlgProgress>([](CDlgProgress* d) {
            if (d->windowTitle() != QStringLiteral("Compiler"))
                return false;
            QTest::mouseClick(d->findChild<QPushButton*>("cancel"), Qt::LeftButton);
            return true;
        });
        CProjectTransferCommand command(p.controller);
        QCOMPARE(command.Run(nullptr), -1);
        QCOMPARE(panel->DownloadsStored(), 0);
        QCOMPARE(p.App().stopFlag.load(), 1);
    }

    void panelInformationAndABackupRoundTrip()
    {
        Project p;
        auto panel = StartPanel();
        QVERIFY(panel);
        const QByteArray original = MakeImage(64 * 5 + 10);
        p.App().runtimeImage = original;
        QCOMPARE(
            Run(p.App(), TO_DOWNLOAD, panel->DevicePath(), 1, PackedPassword::Pack("11112222")),
            int(TR_OK));
        QVERIFY(panel->WaitForDownloads(1));
        p.folder.messages.clear();

        CDlgPanelInfo dlg(p.controller, panel->DevicePath());
        QString proposed;
        QString answer;
        dlg.chooseFile = [&](bool, const QString& path) {
            proposed = path;
            return answer;
        };
        auto* upload = dlg.findChild<QRadioButton*>("upload");
        auto* transfer = dlg.findChild<QPushButton*>("transfer");
        QVERIFY(!transfer->isEnabled()); // nothing read yet
        dlg.show();
        // The first read comes by itself shortly after the dialog shows.
        QTRY_VERIFY_WITH_TIMEOUT(!p.folder.messages.isEmpty(), 20000);
        QCOMPARE(p.folder.messages.last(),
                 qMakePair(QStringLiteral("Get information OK!"), QStringLiteral("Information")));
        QCOMPARE(dlg.ShownValue("Panel Type:"), QStringLiteral("RU03"));
        QCOMPARE(dlg.ShownValue("Firmware Version:"), QStringLiteral("V1.0.0.4"));
        QCOMPARE(dlg.ShownValue("Total:"), QStringLiteral("128 KB"));
        QCOMPARE(dlg.ShownValue("Protocol:"), QStringLiteral("Vardo V-Sequence (R Series)"));
        QCOMPARE(dlg.ShownValue("Runtime File Upload State:"), QStringLiteral("Enable"));
        QVERIFY(transfer->isEnabled());
        QVERIFY(upload->isEnabled());
        QCOMPARE(p.App().settings.GetSettingString("COMPORT"), panel->DevicePath());

        // The messages before anything is sent.
        QTest::mouseClick(transfer, Qt::LeftButton);
        QCOMPARE(p.folder.messages.last(),
                 qMakePair(QStringLiteral("Please input file path"), QStringLiteral("Warning")));
        const QString tooShort = p.folder.Dir() + "/short.rtfbak";
        QVERIFY(TestSupport::WriteFile(tooShort, QByteArray(64, 'x')));
        answer = tooShort;
        QTest::mouseClick(dlg.findChild<QPushButton*>("browse"), Qt::LeftButton);
        QCOMPARE(dlg.FilePath(), tooShort);
        QTest::mouseClick(transfer, Qt::LeftButton);
        QCOMPARE(p.folder.messages.last().first, QStringLiteral("Input file invalid"));

        // Upload into a backup: the proposed name is the date and time in
        // the project folder; the extension is added.
        upload->click();
        QVERIFY(dlg.FilePath().isEmpty());
        answer = p.folder.Dir() + "/line";
        QTest::mouseClick(dlg.findChild<QPushButton*>("browse"), Qt::LeftButton);
        QVERIFY(proposed.startsWith(p.Location() + "/"));
        QVERIFY(QFileInfo(proposed).fileName().contains(QRegularExpression("^\\d{14}\\.rtfbak$")));
        QCOMPARE(dlg.FilePath(), p.folder.Dir() + "/line.rtfbak");
        CModalDriver driver;
        driver.On<CDlgPassword>([](CDlgPassword* d) {
            if (!d->windowTitle().endsWith("Upload Password"))
                return false;
            d->findChild<QLineEdit*>("password")->setText("11112222");
            d->accept();
            return true;
        });
        QTest::mouseClick(transfer, Qt::LeftButton);
        QVERIFY(driver.steps.isEmpty());
        QCOMPARE(p.folder.messages.last().first, QStringLiteral("Upload runtime file OK!"));
        const QByteArray backup = TestSupport::ReadFile(dlg.FilePath());
        QCOMPARE(backup.size(), Padded(original).size() + 64);
        QCOMPARE(backup.left(Padded(original).size()), Padded(original));

        // Another image goes to the panel; the backup brings the first back.
        p.App().runtimeImage = MakeImage(64 * 2);
        QCOMPARE(Run(p.App(), TO_DOWNLOAD, panel->DevicePath(), 0, PackedPassword::Zero()),
                 int(TR_OK));
        QVERIFY(panel->WaitForDownloads(2));
        dlg.findChild<QRadioButton*>("download")->click();
        answer = p.folder.Dir() + "/line.rtfbak";
        QTest::mouseClick(dlg.findChild<QPushButton*>("browse"), Qt::LeftButton);
        QString offered;
        driver.On<CDlgPassword>([&offered](CDlgPassword* d) {
            // The backup's own password, offered as the old one.
            if (!d->findChild<QCheckBox*>("useOld")->isChecked())
                return false;
            offered = d->Password();
            d->accept();
            return true;
        });
        QTest::mouseClick(transfer, Qt::LeftButton);
        QVERIFY(driver.steps.isEmpty());
        QCOMPARE(offered, QStringLiteral("11112222"));
        QCOMPARE(p.folder.messages.last().first, QStringLiteral("Download runtime file OK!"));
        QVERIFY(panel->WaitForDownloads(3));
        QCOMPARE(panel->Store().image, Padded(original));
        QCOMPARE(panel->Store().password, PackedPassword::Pack("11112222"));
        // The backup went down from its own buffer: the runtime image is the
        // one it was.
        QCOMPARE(p.App().runtimeImage, MakeImage(64 * 2));
    }

    void uploadThatCannotBeWrittenIsOneError()
    {
        Project p;
        auto panel = StartPanel();
        QVERIFY(panel);
        p.App().runtimeImage = MakeImage(64 * 2);
        QCOMPARE(
            Run(p.App(), TO_DOWNLOAD, panel->DevicePath(), 1, PackedPassword::Pack("11112222")),
            int(TR_OK));
        QVERIFY(panel->WaitForDownloads(1));

        CDlgPanelInfo dlg(p.controller, panel->DevicePath());
        // A folder that takes no file, not even from root.
        dlg.chooseFile = [](bool, const QString&) { return QStringLiteral("/proc/corvel-line"); };
        QVERIFY(WaitForFirstRead(dlg, p.folder));
        dlg.findChild<QRadioButton*>("upload")->click();
        QTest::mouseClick(dlg.findChild<QPushButton*>("browse"), Qt::LeftButton);
        const QString path = QStringLiteral("/proc/corvel-line.rtfbak");
        QCOMPARE(dlg.FilePath(), path);
        p.folder.messages.clear();
        p.folder.kinds.clear();
        CModalDriver driver;
        driver.steps << AcceptPassword("11112222");
        QTest::mouseClick(dlg.findChild<QPushButton*>("transfer"), Qt::LeftButton);
        QVERIFY(driver.steps.isEmpty());
        // The upload itself went well; what is told is the file that could
        // not be written, and nothing else.
        QCOMPARE(p.folder.messages.size(), 1);
        QCOMPARE(p.folder.messages[0],
                 qMakePair(QStringLiteral("The backup file %1 can't be written").arg(path),
                           QStringLiteral("Error")));
        QCOMPARE(p.folder.kinds[0], MessageKind::Error);
        QVERIFY(!QFileInfo::exists(path));
    }

    void restoreThenProjectTransferSendsTheProject()
    {
        Project p;
        auto panel = StartPanel();
        QVERIFY(panel);
        // The port is the stored one: the dialog changes nothing, so the
        // project stays unchanged after its first transfer.
        p.App().settings.WriteSetting("COMPORT", panel->DevicePath());
        p.folder.answers = {MessageAnswer::Yes}; // save the new project
        CModalDriver driver;
        driver.steps << TransferTo(panel->DevicePath());
        CProjectTransferCommand command(p.controller);
        QCOMPARE(command.Run(nullptr), int(TR_OK));
        QVERIFY(panel->WaitForDownloads(1));
        const QByteArray compiled = p.App().runtimeImage;
        QCOMPARE(panel->Store().image, Padded(compiled));
        QVERIFY(!p.controller.IsModified());

        // A backup of another image goes down through Panel Information.
        const QByteArray other = MakeImage(64 * 3);
        const QString backup = p.folder.Dir() + "/other.rtfbak";
        QVERIFY(TestSupport::WriteFile(backup, other + QByteArray(60, '\0')
                                                   + PackedPassword::Pack("24681357")));
        {
            CDlgPanelInfo dlg(p.controller, panel->DevicePath());
            dlg.chooseFile = [&](bool, const QString&) { return backup; };
            QVERIFY(WaitForFirstRead(dlg, p.folder));
            QTest::mouseClick(dlg.findChild<QPushButton*>("browse"), Qt::LeftButton);
            driver.steps << AcceptPassword();
            QTest::mouseClick(dlg.findChild<QPushButton*>("transfer"), Qt::LeftButton);
            QVERIFY(driver.steps.isEmpty());
            QCOMPARE(p.folder.messages.last().first, QStringLiteral("Download runtime file OK!"));
        }
        QVERIFY(panel->WaitForDownloads(2));
        QCOMPARE(panel->Store().image, other);
        QCOMPARE(panel->Store().password, PackedPassword::Pack("24681357"));
        QCOMPARE(p.App().runtimeImage, compiled);
        QVERIFY(p.App().ImageStandsForProject());

        // Project Transfer of the unchanged project: nothing to compile, and
        // the panel gets the project again, not the backup.
        QSignalSpy lines(&p.controller, &CProjectController::outputLine);
        driver.steps << TransferTo(panel->DevicePath());
        QCOMPARE(command.Run(nullptr), int(TR_OK));
        QVERIFY(driver.steps.isEmpty());
        QCOMPARE(lines.count(), 0);
        QVERIFY(panel->WaitForDownloads(3));
        QCOMPARE(panel->Store().image, Padded(compiled));
    }

    // The image that goes down is the project as saved: an edit saved
    // between two transfers is compiled and sent by the second, whichever
    // way it was saved (File > Save, Save As, the transfer's own question).
    void editedAndSavedProjectIsCompiledAgain()
    {
        Project p;
        auto panel = StartPanel();
        QVERIFY(panel);
        p.App().settings.WriteSetting("COMPORT", panel->DevicePath());
        CModalDriver driver;
        CProjectTransferCommand command(p.controller);
        p.folder.answers = {MessageAnswer::Yes};
        driver.steps << TransferTo(panel->DevicePath());
        QCOMPARE(command.Run(nullptr), int(TR_OK));
        QVERIFY(panel->WaitForDownloads(1));
        QByteArray sent = panel->Store().image;

        auto addText = [&p](int x) {
            p.controller.ScreenDocument(1)->Edit([x](CDiagramEntityContainer& objects) {
                auto text = CreateObjectOfKind(OBJ_STATIC_TEXT);
                text->SetRect(x, 8, x + 40, 24);
                objects.Add(std::move(text));
            });
        };
        const QString saveAs = p.Location() + "/demo2.cgp";
        for (int way = 0; way < 3; ++way) {
            addText(8 + 40 * way);
            if (way == 0)
                QVERIFY(p.controller.SaveProject());
            else if (way == 1)
                QVERIFY(p.controller.SaveProjectAs(saveAs));
            else
                p.folder.answers = {MessageAnswer::Yes};
            QVERIFY(!p.App().ImageStandsForProject());
            QSignalSpy lines(&p.controller, &CProjectController::outputLine);
            driver.steps << TransferTo(panel->DevicePath());
            QCOMPARE(command.Run(nullptr), int(TR_OK));
            QVERIFY(panel->WaitForDownloads(2 + way));
            QVERIFY2(lines.count() > 0, "nothing was compiled");
            QVERIFY(panel->Store().image != sent);
            QCOMPARE(panel->Store().image, Padded(p.App().runtimeImage));
            QVERIFY(p.App().ImageStandsForProject());
            sent = panel->Store().image;
        }
        QVERIFY(!p.controller.IsModified());
    }

    void transferDialogValuesGoThroughTheController()
    {
        Project p;
        auto panel = StartPanel();
        QVERIFY(panel);
        const QByteArray image = MakeImage(64 * 2);
        p.App().runtimeImage = image;
        p.App().TakeAsSaved();
        p.App().imageState = p.App().SavedState();
        p.controller.NotifyModifiedChanged();
        p.App().settings.WriteSetting("COMPORT", panel->DevicePath());
        QSignalSpy changed(&p.controller, &CProjectController::transferSettingsChanged);
        QSignalSpy modified(&p.controller, &CProjectController::modifiedChanged);
        CModalDriver driver;
        CProjectTransferCommand command(p.controller);

        // OK with the values as they were: nothing is marked.
        driver.steps << TransferTo(panel->DevicePath());
        QCOMPARE(command.Run(nullptr), int(TR_OK));
        QVERIFY(driver.steps.isEmpty());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(modified.count(), 0);
        QVERIFY(!p.controller.IsModified());
        QVERIFY(p.App().model.transferInfo == CTransferDlgInfo());

        // Enable Update with a password of its own: the project keeps both,
        // is marked modified, and says so.
        driver.steps << [&](QWidget* w) {
            auto* d = qobject_cast<CDlgTransfer*>(w);
            if (!d)
                return false;
            d->findChild<QCheckBox*>("enableUpdate")->setChecked(true);
            d->findChild<QLineEdit*>("password")->setText("1234");
            return TransferTo(panel->DevicePath())(w);
        };
        QCOMPARE(command.Run(nullptr), int(TR_OK));
        QVERIFY(driver.steps.isEmpty());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(modified.count(), 1);
        QCOMPARE(modified.last().first().toBool(), true);
        QVERIFY(p.controller.IsModified());
        QCOMPARE(p.App().model.transferInfo.enableUpdateRuntimeFile, 1);
        QCOMPARE(p.App().model.transferInfo.uploadPassword, QStringLiteral("1234"));
        QVERIFY(panel->WaitForDownloads(2));
        QCOMPARE(panel->Store().password, PackedPassword::Pack("1234"));
        QCOMPARE(int(panel->Store().uploadFlag), 1);
        QCOMPARE(panel->Store().image, image);

        // The controller's edit by itself: equal values change nothing.
        QVERIFY(!p.controller.SetTransferSettings(p.App().model.transferInfo, panel->DevicePath()));
        QCOMPARE(changed.count(), 1);
        QVERIFY(p.controller.SetTransferSettings(p.App().model.transferInfo, "ttyUSB7"));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(p.App().settings.GetSettingString("COMPORT"), QStringLiteral("ttyUSB7"));
    }

    void failedReadDisablesTheBackupGroup()
    {
        Project p;
        CDlgPanelInfo dlg(p.controller, p.folder.Dir() + "/no-such-port");
        dlg.findChild<QComboBox*>("port")->setEditText(p.folder.Dir() + "/no-such-port");
        dlg.Refresh();
        QCOMPARE(p.folder.messages.last().first.left(7), QStringLiteral("PTC002:"));
        QVERIFY(!dlg.findChild<QPushButton*>("transfer")->isEnabled());
        QCOMPARE(dlg.ShownValue("Panel Type:"), QStringLiteral("-"));
    }

    void controllerCompilesForItsFollower()
    {
        Project p;
        QSignalSpy cleared(&p.controller, &CProjectController::outputCleared);
        QSignalSpy lines(&p.controller, &CProjectController::outputLine);
        // Nobody to follow the job: nothing runs.
        QVERIFY(!p.controller.CompileProject({}));
        QVERIFY(p.App().runtimeImage.isEmpty());
        QCOMPARE(cleared.count(), 0);

        // A debug file that cannot be written is a warning box; the Output
        // lines reach the pane through the controller.
        CProfileFile::WriteString(p.App().settings.Paths().SettingsFile(), "Debug", "CompilerData",
                                  "1");
        QVERIFY(QDir().mkpath(p.App().ProjectFolder() + "/CompilerArm.bin"));
        p.App().imageState = 0;
        p.folder.messages.clear();
        QVERIFY(p.controller.CompileProject(WaitForCompilation));
        QVERIFY(!p.App().runtimeImage.isEmpty());
        QVERIFY(p.App().ImageStandsForProject());
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(lines.last().first().toString(),
                 QStringLiteral("demo.cgp - 0 error(s), 1 warning(s)"));
        QCOMPARE(p.folder.messages.size(), 1);
        QCOMPARE(p.folder.messages.last(),
                 qMakePair(p.App().ProjectFolder() + "/CompilerArm.bin\n can't be created!",
                           QStringLiteral("Warning")));
        QCOMPARE(p.folder.kinds.last(), MessageKind::Warning);

        // The follower saw no completion (the user stopped it): false, even
        // with an image from before.
        QVERIFY(!p.controller.CompileProject(
            [](CCompileJob& job) { return !WaitForCompilation(job); }));
    }

    void controllerTransfersThroughItsFollower()
    {
        Project p;
        auto panel = StartPanel();
        QVERIFY(panel);
        const QByteArray original = MakeImage(64 * 3 + 5);
        p.App().runtimeImage = original;
        QCOMPARE(
            Run(p.App(), TO_DOWNLOAD, panel->DevicePath(), 1, PackedPassword::Pack("11112222")),
            int(TR_OK));
        QVERIFY(panel->WaitForDownloads(1));
        p.App().settings.WriteSetting("COMPORT", "ttyUSB9");
        p.App().TakeAsSaved();
        WaitingFollower follower(p.App());

        CPanelInformation info;
        bool valid = false;
        QCOMPARE(p.controller.ReadPanelInformation(panel->DevicePath(), follower, &info, &valid),
                 int(TR_OK));
        QVERIFY(valid);
        QCOMPARE(info.PanelTypeText(), QStringLiteral("RU03"));
        QCOMPARE(p.folder.messages.last().first, QStringLiteral("Get information OK!"));

        const QString path = p.folder.Dir() + "/line.rtfbak";
        QCOMPARE(p.controller.UploadToBackup(panel->DevicePath(), "11112222", path, follower),
                 int(TR_OK));
        QCOMPARE(p.folder.messages.last().first, QStringLiteral("Upload runtime file OK!"));

        // The project's image changes; the backup brings the panel's back
        // and leaves the project's image and flag as they were.
        p.App().runtimeImage = MakeImage(64);
        p.App().imageState = 0;
        const TransferOperations::RestoreCheck check =
            TransferOperations::CheckRestore(path, panel->DevicePath(), info.firmware);
        QVERIFY2(check.error.isEmpty(), qPrintable(check.error));
        QCOMPARE(p.controller.RestoreBackup(check, panel->DevicePath(), "11112222", follower),
                 int(TR_OK));
        QVERIFY(panel->WaitForDownloads(2));
        QCOMPARE(panel->Store().image, Padded(original));
        QCOMPARE(p.App().runtimeImage, MakeImage(64));
        QVERIFY(!p.App().ImageStandsForProject());
        QCOMPARE(p.App().stopFlag.load(), 1);

        // Each went through the follower with its operation and caption,
        // the port already kept for the next dialog.
        QCOMPARE(follower.requests.size(), 3);
        const QList<QPair<int, QString>> expected = {
            {TO_GET_INFORMATION, "Upload"}, {TO_UPLOAD, "Upload"}, {TO_DOWNLOAD, "Download"}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(follower.requests[i].operation, expected[i].first);
            QCOMPARE(follower.requests[i].caption, expected[i].second);
            QCOMPARE(follower.portsAtStart[i], panel->DevicePath());
        }
        QCOMPARE(follower.requests[2].image, check.image);
        // Keeping the port is no change of the project.
        QVERIFY(!p.App().ProjectCountsAsModified());
    }

    void transferDialogFigures()
    {
        Project p;
        TransferChoice c;
        c.uploadPassword = "52815281";
        CDlgTransfer small(p.App().settings, 1024, c);
        QCOMPARE(small.findChild<QLabel*>("size")->text(), QStringLiteral("1024 Bytes"));
        QVERIFY(!small.findChild<QLineEdit*>("password")->isEnabled());
        small.findChild<QCheckBox*>("enableUpdate")->setChecked(true);
        QVERIFY(small.findChild<QLineEdit*>("password")->isEnabled());
        CDlgTransfer kb(p.App().settings, 1025, c);
        QCOMPARE(kb.findChild<QLabel*>("size")->text(), QStringLiteral("1 KB"));
        QVERIFY(CDlgTransfer(p.App().settings, 131008, c)
                    .findChild<QPushButton*>("transfer")
                    ->isEnabled());
        QVERIFY(!CDlgTransfer(p.App().settings, 131009, c)
                     .findChild<QPushButton*>("transfer")
                     ->isEnabled());
    }
};

QTEST_MAIN(TestUiTransfer)
#include "test_ui_transfer.moc"
