// The Screen menu's commands through their dialogs, on a real project folder:
// records in the model, screen files on disk, loaded documents and the
// package that Save writes.
#include "TestSupport.h"
#include "app/ScreenCommands.h"
#include "project/ProtocolTables.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectKind.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/widgets/DigitSpinEdit.h"
#include "ui/project/DlgScreenDelete.h"
#include "ui/project/DlgScreenNew.h"
#include "ui/project/DlgScreenRename.h"
#include "ui/project/ScreenCommandsUi.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);
const QString kGui001 =
    QStringLiteral("Error GUI-001 : Screen No. is invaild. Input a value between 1 to 999");
const QString kGui002 = QStringLiteral("Error GUI-002 : Selected Screen No. has already been used");
const QString kAllUsed =
    QStringLiteral("All screen numbers from 1 to 999 are used. Delete a screen first");

// A project Line1 with its first screen, and the commands over it; the
// dialogs are run by the script steps in order.
struct Fixture
{
    CTestProgramFolder f;
    CProjectController c{f.App()};
    CScreenCommandsUi commands{c};
    QList<std::function<int(QDialog&)>> steps;
    int dialogsRun = 0;

    Fixture()
    {
        c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq);
        commands.runDialog = [this](QDialog& d) {
            ++dialogsRun;
            d.show();
            return steps.isEmpty() ? int(QDialog::Rejected) : steps.takeFirst()(d);
        };
    }
    CTessanApp& App() { return f.App(); }
    QString File(int number, const QString& name)
    {
        return f.App().ProjectFolder() + "/" + ScreenTitle("Line1", number, name);
    }
    void Add(int number, const QString& name) { ScreenCommands::NewScreen(App(), number, name); }
};

template <class T>
T* child(QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

// The fields of the New and Rename dialogs by their names.
struct NumberNameForm
{
    explicit NumberNameForm(QDialog& d)
        : editNumber(child<CDigitSpinEdit>(d, "editNumber")),
          editName(child<QLineEdit>(d, "editName"))
    {}
    CDigitSpinEdit* editNumber;
    QLineEdit* editName;
};

struct RenameForm : NumberNameForm
{
    explicit RenameForm(QDialog& d)
        : NumberNameForm(d),
          editFromNumber(child<QSpinBox>(d, "editFromNumber")),
          editFromName(child<QLineEdit>(d, "editFromName"))
    {}
    QSpinBox* editFromNumber;
    QLineEdit* editFromName;
};

struct DeleteForm
{
    explicit DeleteForm(QDialog& d)
        : listScreens(child<QTreeWidget>(d, "listScreens")),
          buttonDelete(child<QPushButton>(d, "buttonDelete")),
          buttonClose(child<QPushButton>(d, "buttonClose"))
    {}
    QTreeWidget* listScreens;
    QPushButton* buttonDelete;
    QPushButton* buttonClose;
};

void clickOk(QDialog& d)
{
    QTest::mouseClick(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
}

void type(QWidget* field, const QString& text)
{
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field))
        spin->clear();
    else if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->clear();
    QTest::keyClicks(field, text);
}

} // namespace

class TestUiScreenCommands : public QObject
{
    Q_OBJECT
private slots:
    void newScreenProposesTheFirstFreeNumberAndRefusesBadInput()
    {
        Fixture x;
        x.Add(2, "Screen 2");
        QSignalSpy listed(&x.c, &CProjectController::screenListChanged);
        QSignalSpy opened(&x.c, &CProjectController::openScreenRequested);
        x.steps.append([&](QDialog& d) {
            NumberNameForm form(d);
            // Screens 1 and 2: number 3, "Screen 3".
            if (form.editNumber->text() != "3" || form.editName->text() != "Screen 3")
                return -1;
            const struct
            {
                QString number, name, message;
            } refused[] = {
                {"2", "Pump", kGui002},
                {"", "Pump", kGui001},
                {"0", "Pump", kGui001},
                {"7", "A/B",
                 "Screen Name is invalid. A name can't hold / or \\ or control characters"},
                {"7", "A\\B",
                 "Screen Name is invalid. A name can't hold / or \\ or control characters"},
                {"7", "Pump.", "Screen Name is invalid. A name can't end in a dot or a blank"},
                {"7", "Pump ", "Screen Name is invalid. A name can't end in a dot or a blank"},
                {"7", "  ", "Screen Name is invalid. Input a name"},
            };
            for (const auto& r : refused) {
                type(form.editNumber, r.number);
                type(form.editName, r.name);
                const auto before = x.f.messages.size();
                clickOk(d);
                if (d.result() == QDialog::Accepted || x.f.messages.size() != before + 1
                    || x.f.messages.last() != qMakePair(r.message, QStringLiteral("Error")))
                    return -2;
            }
            // 1000 cannot even be typed: three digits at most.
            type(form.editNumber, "1000");
            if (form.editNumber->text() != "100")
                return -3;
            type(form.editNumber, "7");
            type(form.editName, "Pump");
            clickOk(d);
            return d.result();
        });
        x.commands.NewScreen(nullptr);
        QCOMPARE(x.dialogsRun, 1);
        QVERIFY(x.steps.isEmpty());
        const CScreenObject* pump = x.App().model.FindScreen(7);
        QVERIFY(pump);
        QCOMPARE(pump->name, QString("Pump"));
        QVERIFY(QFile::exists(x.File(7, "Pump")));
        QVERIFY(x.App().ProjectCountsAsModified());
        QVERIFY(listed.count() >= 1);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.first().first().toInt(), 7);
        QCOMPARE(x.f.kinds.count(MessageKind::Error), 8);

        // Cancel adds nothing.
        x.commands.NewScreen(nullptr);
        QCOMPARE(int(x.App().model.screens.size()), 3);
    }

    void allNumbersUsedRefusesNewAndPaste()
    {
        Fixture x;
        x.commands.CopyScreen(nullptr, 1);
        QVERIFY(x.commands.HasCopiedScreen());
        for (int n = 2; n <= 999; ++n)
            x.App().model.AddScreen(n, QString("S%1").arg(n));
        x.commands.NewScreen(nullptr);
        QCOMPARE(x.dialogsRun, 0);
        QCOMPARE(x.f.messages.last(), qMakePair(kAllUsed, QStringLiteral("Error")));
        x.f.messages.clear();
        x.commands.PasteScreen(nullptr);
        QCOMPARE(x.f.messages.size(), 1);
        QCOMPARE(x.f.messages.last().first, kAllUsed);
        QCOMPARE(int(x.App().model.screens.size()), 999);
        QVERIFY(!QFile::exists(x.App().ProjectFolder() + "/Line1.cgp - #1000 Screen 1000"));
    }

    void copyAndPasteGiveTheObjectsANewRecord()
    {
        Fixture x;
        CScreenObject* one = x.App().model.FindScreen(1);
        one->keys[2].used = 1;
        one->screenChange.next = 9;
        // Screen 1 open with an unsaved object: Copy writes it first.
        CScreenDocument* doc = x.c.ScreenDocument(1);
        QVERIFY(doc);
        QVERIFY(doc->Edit([&](CDiagramEntityContainer& c) {
            c.Add(CreateObjectOfKind(OBJ_STATIC_TEXT, &x.App().model));
        }));
        QVERIFY(!x.commands.HasCopiedScreen());
        x.commands.CopyScreen(nullptr, 1);
        QVERIFY(x.commands.HasCopiedScreen());
        const QByteArray copied = ReadFile(x.App().ProjectFolder() + "/CopyTemp");
        QCOMPARE(copied, ReadFile(x.File(1, "Screen 1")));
        QVERIFY(copied.size() > Utf16("paper:192,64;\r\n").size());

        x.Add(2, "Screen 2");
        x.App().TakeAsSaved();
        QSignalSpy opened(&x.c, &CProjectController::openScreenRequested);
        x.commands.PasteScreen(nullptr);
        const CScreenObject* pasted = x.App().model.FindScreen(3);
        QVERIFY(pasted);
        QCOMPARE(pasted->name, QString("Screen 3"));
        QCOMPARE(pasted->keys[2].used, 0); // a new record, not a copy of screen 1's
        QCOMPARE(pasted->screenChange.next, 4);
        QCOMPARE(ReadFile(x.File(3, "Screen 3")), copied);
        QCOMPARE(x.c.ScreenDocument(3)->Container().GetSize(), 1);
        QVERIFY(x.App().ProjectCountsAsModified());
        QCOMPARE(opened.count(), 1);

        // A copy does not outlive its project.
        x.c.CloseProject();
        QVERIFY(!x.commands.HasCopiedScreen());
    }

    void renameKeepsNumberNameFileAndDocumentInStep()
    {
        Fixture x;
        x.Add(5, "Main");
        CScreenObject* main = x.App().model.FindScreen(5);
        main->keys[1].used = 1;
        main->keys[1].functionType = 2;
        main->keys[1].screenChg.screenNumber = 1;
        main->screenChange.previous = 12;
        const auto keys = main->keys;
        QVERIFY(x.c.SaveProject());
        QVERIFY(!x.c.IsModified());

        // 5 "Main" to 5 "Main": nothing changes.
        x.steps.append([](QDialog& d) {
            clickOk(d);
            return d.result();
        });
        x.commands.RenameScreen(nullptr, 5);
        QVERIFY(!x.App().ProjectCountsAsModified());
        QVERIFY(QFile::exists(x.File(5, "Main")));

        // 5 "Main" to 5 "Start": its own number is no conflict.
        x.steps.append([](QDialog& d) {
            RenameForm form(d);
            if (form.editFromNumber->value() != 5 || form.editFromName->text() != "Main")
                return -1;
            type(form.editName, "Start");
            clickOk(d);
            return d.result();
        });
        x.commands.RenameScreen(nullptr, 5);
        QVERIFY(x.f.messages.isEmpty());
        QVERIFY(!QFile::exists(x.File(5, "Main")));
        QVERIFY(QFile::exists(x.File(5, "Start")));
        const CScreenObject* start = x.App().model.FindScreen(5);
        QCOMPARE(start->name, QString("Start"));
        QCOMPARE(start->keys, keys);
        QCOMPARE(start->screenChange.previous, 12);
        QVERIFY(x.App().ProjectCountsAsModified());
        QVERIFY(x.c.SaveProject());
        const QStringList entries = ZipEntries(x.f.Dir() + "/P/Line1.cgp");
        QVERIFY(entries.contains("Line1.cgp - #5 Start"));
        QVERIFY(!entries.contains("Line1.cgp - #5 Main"));

        // To a number that is taken: GUI-002; then to 8, with the document
        // (and its unsaved object) following.
        CScreenDocument* doc = x.c.ScreenDocument(5);
        QVERIFY(doc->Edit([&](CDiagramEntityContainer& c) {
            c.Add(CreateObjectOfKind(OBJ_STATIC_TEXT, &x.App().model));
        }));
        QSignalSpy renumbered(&x.c, &CProjectController::screenRenumbered);
        x.steps.append([&](QDialog& d) {
            RenameForm form(d);
            type(form.editNumber, "1");
            clickOk(d);
            if (d.result() == QDialog::Accepted || x.f.messages.last().first != kGui002)
                return -1;
            type(form.editNumber, "8");
            clickOk(d);
            return d.result();
        });
        x.commands.RenameScreen(nullptr, 5);
        QVERIFY(!x.App().model.FindScreen(5));
        QCOMPARE(x.App().model.FindScreen(8)->name, QString("Start"));
        QCOMPARE(x.App().model.FindScreen(8)->keys, keys);
        QCOMPARE(x.c.LoadedScreenDocument(8), doc);
        QVERIFY(!x.c.LoadedScreenDocument(5));
        QCOMPARE(renumbered.count(), 1);
        QCOMPARE(renumbered.first(), QVariantList({5, 8}));
        CDiagramEntityContainer onDisk;
        QVERIFY(CTessanDoc::LoadFile(x.File(8, "Start"), onDisk, false));
        QCOMPARE(onDisk.GetSize(), 1);
        QVERIFY(!QFile::exists(x.File(5, "Start")));
    }

    void renameThatCannotCopyChangesNothing()
    {
        Fixture x;
        x.Add(4, "Pump");
        QVERIFY(QFile::remove(x.File(4, "Pump")));
        x.App().TakeAsSaved();
        x.steps.append([](QDialog& d) {
            type(RenameForm(d).editName, "Valve");
            clickOk(d);
            return d.result();
        });
        x.commands.RenameScreen(nullptr, 4);
        QCOMPARE(x.f.messages.last(),
                 qMakePair(QStringLiteral("Error GUI-005 : Rename Screen failed"),
                           QStringLiteral("Error")));
        QCOMPARE(x.App().model.FindScreen(4)->name, QString("Pump"));
        QVERIFY(!QFile::exists(x.File(4, "Valve")));
        QVERIFY(!x.App().ProjectCountsAsModified());
    }

    void deleteAsksOnceAndStaysOpenUntilClose()
    {
        Fixture x;
        for (int n = 2; n <= 4; ++n)
            x.Add(n, QString("Screen %1").arg(n));
        QVERIFY(x.c.ScreenDocument(2));
        QSignalSpy deleted(&x.c, &CProjectController::screenDeleted);
        x.steps.append([&](QDialog& d) {
            auto& dlg = static_cast<CDlgScreenDelete&>(d);
            DeleteForm form(d);
            if (form.listScreens->topLevelItemCount() != 4
                || dlg.SelectedNumbers() != QList<int>{2})
                return -1;
            // Nothing selected: no question.
            form.listScreens->clearSelection();
            QTest::mouseClick(form.buttonDelete, Qt::LeftButton);
            if (!x.f.messages.isEmpty())
                return -2;
            // No keeps the screens (the Delete key asks as the button does).
            dlg.SelectNumber(3);
            x.f.answers = {MessageAnswer::No};
            QTest::keyClick(form.listScreens, Qt::Key_Delete);
            if (x.f.messages.size() != 1)
                return -6;
            if (form.listScreens->topLevelItemCount() != 4 || !x.App().model.FindScreen(3))
                return -3;
            // Screens 2 and 4 after one question.
            form.listScreens->clearSelection();
            dlg.SelectNumber(2);
            dlg.SelectNumber(4);
            x.f.answers = {MessageAnswer::Yes};
            x.f.messages.clear();
            QTest::mouseClick(form.buttonDelete, Qt::LeftButton);
            if (x.f.messages.size() != 1 || !d.isVisible()
                || form.listScreens->topLevelItemCount() != 2)
                return -4;
            QTest::mouseClick(form.buttonClose, Qt::LeftButton);
            return d.isVisible() ? -5 : d.result();
        });
        x.commands.DeleteScreen(nullptr, 2);
        QVERIFY(x.steps.isEmpty());
        QCOMPARE(x.f.messages.size(), 1); // cleared before the Yes
        QCOMPARE(x.f.messages[0],
                 qMakePair(QStringLiteral("Are you sure you want to delete the screen?"),
                           QStringLiteral("Warning")));
        QCOMPARE(x.f.kinds.last(), MessageKind::Question);
        QVERIFY(!x.App().model.FindScreen(2));
        QVERIFY(!x.App().model.FindScreen(4));
        QVERIFY(x.App().model.FindScreen(1) && x.App().model.FindScreen(3));
        QVERIFY(!QFile::exists(x.File(2, "Screen 2")));
        QVERIFY(!QFile::exists(x.File(4, "Screen 4")));
        QVERIFY(QFile::exists(x.File(3, "Screen 3")));
        QVERIFY(!x.c.LoadedScreenDocument(2));
        QCOMPARE(deleted.count(), 2);
        QVERIFY(x.App().ProjectCountsAsModified());
    }
};

QTEST_MAIN(TestUiScreenCommands)
#include "test_ui_screen_commands.moc"
