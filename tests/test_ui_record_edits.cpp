// The project records as the editor's dialogs hand them back: OK with a
// changed field takes the copy over, marks the project modified and tells
// the record's own listeners; OK with nothing changed does nothing. And the
// questions: each offers the buttons it names, with the default it names.
#include "ModalDriver.h"
#include "TestSupport.h"
#include "app/ScreenCommands.h"
#include "project/ProtocolTables.h"
#include "ui/app/CommandId.h"
#include "ui/app/MainWindow.h"
#include "ui/document/MessageBoxSink.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/DigitSpinEdit.h"
#include "ui/project/DlgProjectInfo.h"
#include "ui/project/ScreenCommandsUi.h"
#include "ui/transfer/DlgPanel2Plc.h"
#include "ui/transfer/DlgPanelManager.h"
#include "ui/transfer/DlgPassword.h"
#include "ui/transfer/DlgProgress.h"
#include "ui/transfer/SetupCommands.h"
#include "ui_DlgPanel2Plc.h"
#include "ui_DlgPanelManager.h"
#include "ui_DlgProjectInfo.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

// A new project, saved state: nothing modified.
struct Project
{
    CTestProgramFolder f;
    CProjectController c{f.App()};
    CScreenCommandsUi commands{c};
    QList<std::function<int(QDialog&)>> steps;

    Project()
    {
        c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq);
        ScreenCommands::NewScreen(f.App(), 2, "Screen 2");
        f.App().TakeAsSaved();
        c.NotifyModifiedChanged();
        commands.runDialog = [this](QDialog& d) {
            d.show();
            return steps.isEmpty() ? int(QDialog::Rejected) : steps.takeFirst()(d);
        };
        commands.pickRegister = [](QWidget*, int, RegisterRef&) { return false; };
    }
    CProjectModel& Model() { return f.App().model; }
};

// The signals one edit may give: its own and the modified flag's.
struct Heard
{
    Heard(CProjectController& c, const char* own)
        : own(&c, own),
          modified(&c, &CProjectController::modifiedChanged)
    {}
    bool Nothing() const { return own.isEmpty() && modified.isEmpty(); }
    bool Once() const { return own.size() == 1 && modified.size() == 1; }
    QSignalSpy own;
    QSignalSpy modified;
};

template <class T>
T* child(QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

int clickOk(QDialog& d)
{
    QTest::mouseClick(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    return d.result();
}

} // namespace

class TestUiRecordEdits : public QObject
{
    Q_OBJECT
private slots:
    void projectInformation()
    {
        Project p;
        CMainWindow w(p.c);
        Heard heard(p.c, SIGNAL(projectInfoChanged()));
        CModalDriver driver;
        driver.On<CDlgProjectInfo>([](CDlgProjectInfo* d) {
            d->accept();
            return true;
        });
        w.Execute(CommandId::ProjectInformation);
        QVERIFY(driver.steps.isEmpty());
        QVERIFY(heard.Nothing());
        QVERIFY(!p.c.IsModified());

        driver.On<CDlgProjectInfo>([](CDlgProjectInfo* d) {
            d->Form().editProgrammer->setText("Li Wei");
            d->accept();
            return true;
        });
        w.Execute(CommandId::ProjectInformation);
        QVERIFY(driver.steps.isEmpty());
        QVERIFY(heard.Once());
        QVERIFY(p.c.IsModified());
        QCOMPARE(p.Model().info.programmer, QStringLiteral("Li Wei"));
        QCOMPARE(p.Model().info.name, QStringLiteral("Line1"));
    }

    void panelManager()
    {
        Project p;
        Heard heard(p.c, SIGNAL(panelManagerChanged()));
        CModalDriver driver;
        // Visiting every page and leaving it stores the fields: still no change.
        driver.On<CDlgPanelManager>([](CDlgPanelManager* d) {
            for (QTreeWidgetItem* item : {d->DeviceItem(0), d->PortItem(), d->RootItem()})
                d->Fields().tree->setCurrentItem(item);
            d->accept();
            return true;
        });
        SetupCommands::PanelManager(nullptr, p.c);
        QVERIFY(driver.steps.isEmpty());
        QVERIFY(heard.Nothing());
        QVERIFY(!p.c.IsModified());

        driver.On<CDlgPanelManager>([](CDlgPanelManager* d) {
            QTest::mouseClick(d->Fields().add, Qt::LeftButton);
            d->accept();
            return true;
        });
        SetupCommands::PanelManager(nullptr, p.c);
        QVERIFY(heard.Once());
        QVERIFY(p.c.IsModified());
        QCOMPARE(p.Model().Devices().devices.size(), size_t(2));
        QCOMPARE(p.Model().Devices().devices[1].name, QStringLiteral("DEV002"));
    }

    void plcAndPanelAndThePassword()
    {
        Project p;
        Heard exchange(p.c, SIGNAL(plcAndPanelChanged()));
        QSignalSpy password(&p.c, &CProjectController::passwordChanged);
        CModalDriver driver;
        driver.On<CDlgPanel2Plc>([](CDlgPanel2Plc* d) {
            d->accept();
            return true;
        });
        SetupCommands::PlcAndPanel(nullptr, p.c);
        QVERIFY(driver.steps.isEmpty());
        QVERIFY(exchange.Nothing());

        driver.On<CDlgPanel2Plc>([](CDlgPanel2Plc* d) {
            d->Fields().plcBeep->setChecked(true);
            d->accept();
            return true;
        });
        SetupCommands::PlcAndPanel(nullptr, p.c);
        QVERIFY(exchange.Once());
        QCOMPARE(p.Model().plcAndPanel.beepControlEnabled, 1);
        QVERIFY(password.isEmpty());

        // The option password has its own signal; the same text is no change.
        p.f.App().TakeAsSaved();
        p.c.NotifyModifiedChanged();
        exchange.modified.clear();
        driver.On<CDlgPassword>([](CDlgPassword* d) {
            d->accept();
            return true;
        });
        SetupCommands::ConfigurePassword(nullptr, p.c);
        QVERIFY(password.isEmpty());
        QVERIFY(!p.c.IsModified());
        driver.On<CDlgPassword>([](CDlgPassword* d) {
            d->findChild<QLineEdit*>("password")->setText("1234");
            d->accept();
            return true;
        });
        SetupCommands::ConfigurePassword(nullptr, p.c);
        QVERIFY(driver.steps.isEmpty());
        QCOMPARE(password.size(), 1);
        QCOMPARE(exchange.modified.size(), 1);
        QCOMPARE(exchange.own.size(), 1); // only the PLC <-> Panel edit above
        QCOMPARE(p.Model().plcAndPanel.optionPassword, QStringLiteral("1234"));
    }

    void alarmList()
    {
        Project p;
        Heard heard(p.c, SIGNAL(alarmsChanged()));
        // An empty list handed back empty.
        p.steps.append([](QDialog& d) { return clickOk(d); });
        p.commands.AlarmSetup(nullptr);
        QVERIFY(heard.Nothing());
        QVERIFY(!p.c.IsModified());

        p.steps.append([](QDialog& d) {
            auto* count = child<CDigitSpinEdit>(d, "editCount");
            count->clear();
            QTest::keyClicks(count, "1");
            child<QTableWidget>(d, "gridAlarms")->item(0, 1)->setText("Oil low");
            return clickOk(d);
        });
        p.commands.AlarmSetup(nullptr);
        QVERIFY(p.steps.isEmpty());
        QVERIFY(heard.Once());
        QCOMPARE(p.Model().alarms.items.size(), size_t(1));
        QCOMPARE(p.Model().alarms.items[0].message, QStringLiteral("Oil low"));
    }

    void screenOption()
    {
        Project p;
        Heard heard(p.c, SIGNAL(screenOptionsChanged(int)));
        const CScreenObject before = *p.Model().FindScreen(2);
        const CScreenObject first = *p.Model().FindScreen(1);
        p.steps.append([](QDialog& d) { return clickOk(d); });
        p.commands.ScreenOption(nullptr, 2);
        QVERIFY(heard.Nothing());
        QVERIFY(!p.c.IsModified());

        p.steps.append([](QDialog& d) {
            child<QSpinBox>(d, "spinPrevious")->setValue(9);
            return clickOk(d);
        });
        p.commands.ScreenOption(nullptr, 2);
        QVERIFY(p.steps.isEmpty());
        QVERIFY(heard.Once());
        QCOMPARE(heard.own.first().first().toInt(), 2);
        const CScreenObject* screen = p.Model().FindScreen(2);
        QCOMPARE(screen->screenChange.previous, 9);
        QCOMPARE(screen->screenChange.next, before.screenChange.next);
        QCOMPARE(screen->name, before.name);
        QCOMPARE(*p.Model().FindScreen(1), first);

        // A copy whose number and name differ changes only the options.
        CScreenObject other = *screen;
        other.number = 1;
        other.name = "Elsewhere";
        other.keys[4].used = 1;
        QVERIFY(p.c.SetScreenOptions(2, other));
        QCOMPARE(p.Model().FindScreen(2)->name, QStringLiteral("Screen 2"));
        QCOMPARE(p.Model().FindScreen(2)->keys[4].used, 1);
        QCOMPARE(p.Model().FindScreen(1)->keys[4].used, 0);
        QVERIFY(!p.c.SetScreenOptions(7, other)); // no such screen
        QCOMPARE(heard.own.size(), 2);
    }

    void questionsOfferTheirButtons()
    {
        Project p;
        // Delete Screen: Yes and No, No on Enter; an unscripted answer keeps the screen.
        p.commands.DeleteScreens({2});
        QCOMPARE(p.f.questions.size(), 1);
        QCOMPARE(p.f.questions.last().text,
                 QStringLiteral("Are you sure you want to delete the screen?"));
        QCOMPARE(p.f.questions.last().caption, QStringLiteral("Warning"));
        QCOMPARE(OfferedAnswers(p.f.questions.last().buttons),
                 QList<MessageAnswer>({MessageAnswer::Yes, MessageAnswer::No}));
        QCOMPARE(p.f.questions.last().defaultButton, MessageAnswer::No);
        QVERIFY(p.Model().FindScreen(2));
        p.f.answers = {MessageAnswer::Yes};
        p.commands.DeleteScreens({2});
        QVERIFY(!p.Model().FindScreen(2));

        // The save question: Yes, No and Cancel, Yes on Enter.
        QVERIFY(p.c.IsModified());
        QVERIFY(!p.c.AskToSave());
        QCOMPARE(p.f.questions.last().text,
                 QStringLiteral("Project data has been modified, save it?"));
        QCOMPARE(p.f.questions.last().buttons, MessageButtons::YesNoCancel);
        QCOMPARE(p.f.questions.last().defaultButton, MessageAnswer::Yes);

        // "Stop the operation?": OK and Cancel, Cancel on Enter; Cancel goes on.
        CDlgProgress progress(p.f.App().settings, p.f, "Download");
        QSignalSpy stop(&progress, &CDlgProgress::stopRequested);
        progress.show();
        QTest::keyClick(&progress, Qt::Key_Escape);
        QCOMPARE(p.f.questions.last().text, QStringLiteral("Stop the operation?"));
        QCOMPARE(OfferedAnswers(p.f.questions.last().buttons),
                 QList<MessageAnswer>({MessageAnswer::Ok, MessageAnswer::Cancel}));
        QCOMPARE(p.f.questions.last().defaultButton, MessageAnswer::Cancel);
        QVERIFY(stop.isEmpty());
        QVERIFY(progress.isVisible());
        p.f.answers = {MessageAnswer::Ok};
        QTest::keyClick(&progress, Qt::Key_Escape);
        QCOMPARE(stop.size(), 1);
        QVERIFY(!progress.isVisible());
    }

    void sinksThatCannotAskTakeTheMostCautiousButton()
    {
        CSilentMessageSink silent;
        QCOMPARE(silent.Ask("?", "Warning", MessageButtons::YesNoCancel), MessageAnswer::Cancel);
        QCOMPARE(silent.Ask("?", "Warning", MessageButtons::YesNo), MessageAnswer::No);
        QCOMPARE(silent.Ask("?", "Warning", MessageButtons::OkCancel), MessageAnswer::Cancel);
        QCOMPARE(silent.Show(MessageKind::Question, "?", "Warning"), MessageAnswer::Cancel);
        QCOMPARE(silent.Show(MessageKind::Error, "!", "Error"), MessageAnswer::Ok);
    }

    void messageBoxesShowExactlyTheOfferedButtons()
    {
        struct Case
        {
            MessageButtons buttons;
            MessageAnswer defaultButton;
            QMessageBox::StandardButtons shown;
            QMessageBox::StandardButton enter, escape;
        };
        const QList<Case> cases = {
            {MessageButtons::YesNo, MessageAnswer::No, QMessageBox::Yes | QMessageBox::No,
             QMessageBox::No, QMessageBox::No},
            {MessageButtons::OkCancel, MessageAnswer::Ok, QMessageBox::Ok | QMessageBox::Cancel,
             QMessageBox::Ok, QMessageBox::Cancel},
            {MessageButtons::YesNoCancel, MessageAnswer::Yes,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
             QMessageBox::Cancel},
            // A default that is not offered falls back to the first button.
            {MessageButtons::YesNo, MessageAnswer::Cancel, QMessageBox::Yes | QMessageBox::No,
             QMessageBox::Yes, QMessageBox::No},
        };
        for (const Case& c : cases) {
            const MessageQuestion question{"Delete it?", "Warning", c.buttons, c.defaultButton};
            const auto box = CMessageBoxSink::QuestionBox(question, nullptr);
            QCOMPARE(box->standardButtons(), c.shown);
            QCOMPARE(box->buttons().size(), OfferedAnswers(c.buttons).size());
            QCOMPARE(box->defaultButton(), box->button(c.enter));
            QCOMPARE(box->escapeButton(), static_cast<QAbstractButton*>(box->button(c.escape)));
            // Closed without a button: the most cautious answer.
            QCOMPARE(CMessageBoxSink::AnswerOf(*box, question), MostCautiousAnswer(c.buttons));
        }
        // A pressed button is the answer.
        const MessageQuestion question{"Stop the operation?", "Warning", MessageButtons::OkCancel,
                                       MessageAnswer::Cancel};
        const auto box = CMessageBoxSink::QuestionBox(question, nullptr);
        box->button(QMessageBox::Ok)->click();
        QCOMPARE(CMessageBoxSink::AnswerOf(*box, question), MessageAnswer::Ok);
    }
};

QTEST_MAIN(TestUiRecordEdits)
#include "test_ui_record_edits.moc"
