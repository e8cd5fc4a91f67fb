// Panel Information and the port lists: offered only with a project, the
// upload proposes the project's upload password (the one the panel holds),
// a backup never replaces a file unasked, and a stored port is preselected
// before a longer name that begins with it.
#include "ModalDriver.h"
#include "PanelFixture.h"
#include "app/TransferOperations.h"
#include "project/ProtocolTables.h"
#include "transfer/PackedPassword.h"
#include "transfer/Transfer.h"
#include "ui/app/EditorCommands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/app/PanelTreePane.h"
#include "ui/document/ProjectController.h"
#include "ui/transfer/DlgPanelInfo.h"
#include "ui/transfer/DlgPassword.h"
#include "ui/transfer/PortList.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

using namespace PanelFixture;

namespace {
const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

struct Project
{
    Project() : controller(folder.App())
    {
        QDir().mkpath(folder.Dir() + "/P");
        controller.NewProject("demo", folder.Dir() + "/P", "RU03", kVSeq);
    }
    CTestProgramFolder folder;
    CProjectController controller;
};

QTreeWidgetItem* InformationItem(CMainWindow& w)
{
    QTreeWidget* tree = w.PanelTree()->Tree();
    return tree->topLevelItem(0) ? tree->topLevelItem(0)->child(0) : nullptr;
}
} // namespace

class TestUiPanelDialogs : public QObject
{
    Q_OBJECT
private slots:
    void panelInformationNeedsAProject()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        CMainWindow w(c);
        CEditorCommands commands(w, c);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTreeWidgetItem* item = InformationItem(w);
        QVERIFY(item);
        QVERIFY(!w.Commands().Action(CommandId::PanelInformation)->isEnabled());
        QVERIFY(!(item->flags() & Qt::ItemIsEnabled));

        QDir().mkpath(f.Dir() + "/P");
        QVERIFY(c.NewProject("demo", f.Dir() + "/P", "RU03", kVSeq));
        QVERIFY(w.Commands().Action(CommandId::PanelInformation)->isEnabled());
        QVERIFY(item->flags() & Qt::ItemIsEnabled);

        c.CloseProject();
        QVERIFY(!(item->flags() & Qt::ItemIsEnabled));
    }

    void portPreselectionPrefersTheStoredPort()
    {
        const QStringList windows = {"COM1", "COM10", "COM2"};
        QCOMPARE(PortList::Preselect(windows, "COM1"), 0);
        QCOMPARE(PortList::Preselect(windows, "com2"), 2);
        // A prefix still finds a port, searched from the second entry.
        QCOMPARE(PortList::Preselect(windows, "COM"), 1);
        QCOMPARE(PortList::Preselect(windows, "COM3"), -1);
        QCOMPARE(PortList::Preselect(windows, ""), -1);
        QCOMPARE(PortList::Preselect({}, "COM1"), -1);

        const QStringList unixPorts = {"ttyS0", "ttyUSB1", "ttyUSB10"};
        QCOMPARE(PortList::Preselect(unixPorts, "ttyUSB1"), 1);
        QCOMPARE(PortList::Preselect(unixPorts, "/dev/ttyUSB1"), 1);
        const QStringList typed = {"/dev/ttyUSB1", "/dev/ttyUSB10"};
        QCOMPARE(PortList::Preselect(typed, "/dev/ttyUSB1"), 0);
    }

    void portFieldsListTheMachinesOnePortList()
    {
        // The transfer dialogs' field shows the list the command line prints:
        // sorted and each port once; a typed device path that exists comes
        // first, one that does not is left out.
        const QStringList ports = TransferOperations::SerialPortNames();
        QStringList sorted = ports;
        sorted.sort();
        sorted.removeDuplicates();
        QCOMPARE(ports, sorted);
        QComboBox box;
        PortList::Fill(&box, QString());
        QStringList shown;
        for (int i = 0; i < box.count(); ++i)
            shown << box.itemText(i);
        QCOMPARE(shown, ports);
        QVERIFY(box.isEditable());
        PortList::Fill(&box, QStringLiteral("/dev/null"));
        QCOMPARE(box.itemText(0), QStringLiteral("/dev/null"));
        QCOMPARE(box.currentIndex(), 0);
        QCOMPARE(box.count(), int(ports.size()) + 1);
        PortList::Fill(&box, QStringLiteral("/dev/no-such-port"));
        QCOMPARE(box.count(), int(ports.size()));
    }

    void uploadProposesTheProjectsPasswordAndBackupAsksBeforeReplacing()
    {
        Project p;
        auto panel = StartPanel();
        QVERIFY(panel);
        // The panel holds the image sent with the project's upload password.
        const QString projectPassword =
            std::as_const(p.controller).App().model.transferInfo.uploadPassword;
        p.folder.App().runtimeImage = MakeImage(64 * 3);
        QCOMPARE(Run(p.folder.App(), TO_DOWNLOAD, panel->DevicePath(), 1,
                     PackedPassword::Pack(projectPassword)),
                 int(TR_OK));
        QVERIFY(panel->WaitForDownloads(1));

        CDlgPanelInfo dlg(p.controller, panel->DevicePath());
        QString answer;
        dlg.chooseFile = [&](bool, const QString&) { return answer; };
        p.folder.messages.clear();
        dlg.show();
        QTRY_VERIFY_WITH_TIMEOUT(!p.folder.messages.isEmpty(), 20000);
        QCOMPARE(p.folder.messages.last().first, QStringLiteral("Get information OK!"));
        dlg.findChild<QRadioButton*>("upload")->click();

        // A file under the final name (the extension added) is replaced
        // only when the user says so.
        const QString existing = p.folder.Dir() + "/kept.rtfbak";
        QVERIFY(TestSupport::WriteFile(existing, "old"));
        answer = p.folder.Dir() + "/kept";
        p.folder.questions.clear();
        p.folder.answers = {MessageAnswer::No};
        dlg.Browse();
        QCOMPARE(p.folder.questions.size(), 1);
        QVERIFY(p.folder.questions[0].text.contains("kept.rtfbak"));
        QCOMPARE(p.folder.questions[0].buttons, MessageButtons::YesNo);
        QVERIFY(dlg.FilePath().isEmpty());
        p.folder.answers = {MessageAnswer::Yes};
        dlg.Browse();
        QCOMPARE(p.folder.questions.size(), 2);
        QCOMPARE(dlg.FilePath(), existing);
        // A new file is not asked about.
        answer = p.folder.Dir() + "/fresh";
        dlg.Browse();
        QCOMPARE(p.folder.questions.size(), 2);
        QCOMPARE(dlg.FilePath(), p.folder.Dir() + "/fresh.rtfbak");

        // The password proposed is taken as it stands: the upload succeeds.
        QString proposed;
        CModalDriver driver;
        driver.On<CDlgPassword>([&proposed](CDlgPassword* d) {
            proposed = d->findChild<QLineEdit*>("password")->text();
            d->accept();
            return true;
        });
        QTest::mouseClick(dlg.findChild<QPushButton*>("transfer"), Qt::LeftButton);
        QVERIFY(driver.steps.isEmpty());
        QCOMPARE(proposed, projectPassword);
        QCOMPARE(p.folder.messages.last().first, QStringLiteral("Upload runtime file OK!"));
        QVERIFY(QFileInfo(p.folder.Dir() + "/fresh.rtfbak").size() > 64 * 3);
        QCOMPARE(TestSupport::ReadFile(existing), QByteArray("old"));
    }
};

QTEST_MAIN(TestUiPanelDialogs)
#include "test_ui_panel_dialogs.moc"
