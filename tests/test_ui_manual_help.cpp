// Help in the editor: Help and the function tree's "Software Manual" open
// the installed manual of the language shown, or the document that
// App/SoftwareManuals names as it is; "Hardware Manual" opens what
// App/HardwareManuals names or says that none is installed; F1 opens the
// manual's page of the window it is pressed in (main window, modal dialog,
// property form, message box) and leaves F1 to a window that owns the
// function keys. Documents are recorded instead of opened.
#include "ModalDriver.h"
#include "TestSupport.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "ui/app/CommandId.h"
#include "ui/app/DlgZoom.h"
#include "ui/app/EditorCommands.h"
#include "ui/app/FunctionTreePane.h"
#include "ui/app/MainWindow.h"
#include "ui/app/ManualPages.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/screen/ObjectEditor.h"
#include "ui/screen/PropertyFormDialog.h"
#include "ui/screen/TessanView.h"
#include "ui/widgets/DocumentOpener.h"

#include <QApplication>
#include <QDirIterator>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

// The editor over a program folder that holds the installed manual; every
// document it opens is recorded.
struct Editor
{
    CTestProgramFolder f;
    CProjectController c{f.App()};
    CMainWindow w{c};
    CEditorCommands commands{w, c};
    QList<QUrl> opened;
    DocumentOpener::Handler previous;

    Editor()
    {
        QDirIterator it(QStringLiteral(QV_BIN_DIR "/help/manual"), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            WriteFile(f.Dir() + QStringLiteral("/help/manual")
                          + file.mid(int(qstrlen(QV_BIN_DIR "/help/manual"))),
                      ReadFile(file));
        }
        previous = DocumentOpener::Replace([this](const QUrl& url) {
            opened.append(url);
            return true;
        });
        w.show();
    }
    ~Editor() { DocumentOpener::Replace(previous); }

    const CAppSettings& settings() { return f.App().settings; }
    QUrl manualPage(const QString& language, const QString& page)
    {
        return QUrl::fromLocalFile(f.Dir() + QStringLiteral("/help/manual/") + language
                                   + QLatin1Char('/') + page);
    }
    QUrl programFile(const QString& path)
    {
        return QUrl::fromLocalFile(f.Dir() + QLatin1Char('/') + path);
    }
    // Double-click or Enter on an item of the function tree.
    void activateFunction(int code)
    {
        QTreeWidget* tree = w.FunctionTree()->Tree();
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toInt() == code)
                tree->setCurrentItem(*it);
        QTest::keyClick(tree, Qt::Key_Return);
    }
    QUrl takeOpened()
    {
        return opened.size() == 1 ? opened.takeFirst()
                                  : QUrl(QStringLiteral("about:opened-%1").arg(opened.size()));
    }
};

QUrl WithAnchor(QUrl url, const QString& anchor)
{
    url.setFragment(anchor);
    return url;
}

// A top-level window that keeps the function keys for itself, as the panel
// simulator does; it counts the F1 presses that reach it.
class FunctionKeyWindow : public QWidget
{
public:
    FunctionKeyWindow() { setProperty("ownsFunctionKeys", true); }
    int f1Presses = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_F1)
            ++f1Presses;
    }
};

} // namespace

class TestUiManualHelp : public QObject
{
    Q_OBJECT
private slots:
    void helpOpensTheInstalledManualOfTheLanguageShown()
    {
        Editor e;
        e.w.Execute(CommandId::HelpTopics);
        QCOMPARE(e.takeOpened(), e.manualPage("en", "index.html"));
        e.activateFunction(CFunctionTreePane::SoftwareManual);
        QCOMPARE(e.takeOpened(), e.manualPage("en", "index.html"));

        QVERIFY(e.settings().SetLanguageCode(QStringLiteral("chs")));
        e.w.Execute(CommandId::HelpTopics);
        QCOMPARE(e.takeOpened(), e.manualPage("chs", "index.html"));

        // A language without a manual of its own reads the English one.
        QVERIFY(e.settings().SetLanguageCode(QStringLiteral("de")));
        e.activateFunction(CFunctionTreePane::SoftwareManual);
        QCOMPARE(e.takeOpened(), e.manualPage("en", "index.html"));
        QVERIFY(e.f.messages.isEmpty());
    }

    void aSoftwareManualNamedInTheSettingsIsOpenedAsItIs()
    {
        Editor e;
        QVERIFY(WriteFile(e.f.Dir() + QStringLiteral("/docs/guide.pdf"), "%PDF"));
        e.settings().WriteSetting(QStringLiteral("SoftwareManuals"),
                                  QStringLiteral("docs/guide.pdf"));
        e.w.Execute(CommandId::HelpTopics);
        QCOMPARE(e.takeOpened(), e.programFile("docs/guide.pdf"));
        e.activateFunction(CFunctionTreePane::SoftwareManual);
        QCOMPARE(e.takeOpened(), e.programFile("docs/guide.pdf"));
        // F1 in a dialog opens it too: it has no pages to open at.
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Error"),
                        QStringLiteral("Error GUI-002 : Selected Screen No. has already been used"),
                        QMessageBox::Ok, &e.w);
        box.show();
        QTest::keyClick(&box, Qt::Key_F1);
        QCOMPARE(e.takeOpened(), e.programFile("docs/guide.pdf"));

        const QString web = QStringLiteral("https://example.com/corvel/manual?lang=en");
        e.settings().WriteSetting(QStringLiteral("SoftwareManuals"), web);
        e.w.Execute(CommandId::HelpTopics);
        QCOMPARE(e.takeOpened(), QUrl(web));

        // A document that is not there: an error naming it, nothing opened.
        e.settings().WriteSetting(QStringLiteral("SoftwareManuals"),
                                  QStringLiteral("docs/missing.pdf"));
        e.w.Execute(CommandId::HelpTopics);
        QVERIFY(e.opened.isEmpty());
        QCOMPARE(e.f.messages.size(), 1);
        QVERIFY(e.f.messages[0].first.contains(QStringLiteral("missing.pdf")));
        QCOMPARE(e.f.messages[0].second, QStringLiteral("Error"));
        QCOMPARE(e.f.kinds[0], MessageKind::Error);
    }

    void hardwareManualOpensWhatTheSettingsNameOrSaysThatNoneIsInstalled()
    {
        Editor e;
        e.activateFunction(CFunctionTreePane::HardwareManual);
        QVERIFY(e.opened.isEmpty());
        QCOMPARE(e.f.messages.size(), 1);
        QCOMPARE(e.f.messages[0].first, QStringLiteral("No hardware manual is installed."));
        QCOMPARE(e.f.messages[0].second, QStringLiteral("Information"));

        QVERIFY(WriteFile(e.f.Dir() + QStringLiteral("/hw/ru03.pdf"), "%PDF"));
        e.settings().WriteSetting(QStringLiteral("HardwareManuals"), QStringLiteral("hw/ru03.pdf"));
        e.activateFunction(CFunctionTreePane::HardwareManual);
        QCOMPARE(e.takeOpened(), e.programFile("hw/ru03.pdf"));
        QCOMPARE(e.f.messages.size(), 1);
    }

    void f1OpensThePageOfTheMainWindowOrOfTheScreenInFront()
    {
        Editor e;
        QTest::keyClick(&e.w, Qt::Key_F1);
        QCOMPARE(e.takeOpened(), e.manualPage("en", "main-window.html"));

        QVERIFY(e.c.NewProject(QStringLiteral("Line1"), e.f.Dir() + QStringLiteral("/P"),
                               QStringLiteral("RU03"), kVSeq));
        e.c.RequestOpenScreen(1);
        auto* view = dynamic_cast<CTessanView*>(e.w.ActiveScreenView());
        QVERIFY(view);
        QTest::keyClick(view->Editor(), Qt::Key_F1);
        QCOMPARE(e.takeOpened(), e.manualPage("en", "screen-editor.html"));
        // Shift+F1 is not Help.
        QTest::keyClick(view->Editor(), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(e.opened.isEmpty());
    }

    void f1InAModalDialogOpensItsPage()
    {
        Editor e;
        CModalDriver driver;
        driver.On<CDlgZoom>([](CDlgZoom* d) {
            QTest::keyClick(d, Qt::Key_F1);
            d->reject();
            return true;
        });
        e.w.Execute(CommandId::Zoom);
        QCOMPARE(e.takeOpened(), e.manualPage("en", "zoom.html"));

        // A dialog without a page of its own opens the page of its window.
        QInputDialog list(&e.w);
        list.show();
        QTest::keyClick(&list, Qt::Key_F1);
        QCOMPARE(e.takeOpened(), e.manualPage("en", "main-window.html"));
    }

    void f1InAPropertyFormOpensThePageOfItsKind()
    {
        Editor e;
        QVERIFY(e.c.NewProject(QStringLiteral("Line1"), e.f.Dir() + QStringLiteral("/P"),
                               QStringLiteral("RU03"), kVSeq));
        e.c.RequestOpenScreen(1);
        auto* view = dynamic_cast<CTessanView*>(e.w.ActiveScreenView());
        QVERIFY(view);
        CScreenDocument* doc = e.c.ScreenDocument(1);
        doc->Edit([&](CDiagramEntityContainer& objects) {
            auto numeric = CreateObjectOfKind(OBJ_NUMERIC, &e.f.App().model);
            numeric->SetRect(8, 8, 56, 24);
            numeric->Select(true);
            objects.Add(std::move(numeric));
        });
        QTest::keyClick(view->Editor(), Qt::Key_Return, Qt::ControlModifier);
        CPropertyFormDialog* form = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<CPropertyFormDialog*>(top); d && d->isVisible())
                form = d;
        QVERIFY(form);
        QWidget* field = form->focusWidget() ? form->focusWidget() : form;
        QTest::keyClick(field, Qt::Key_F1);
        QCOMPARE(e.takeOpened(), e.manualPage("en", "form-numeric.html"));
        form->reject();
    }

    void f1InAMessageBoxOpensTheEntryOfItsCode()
    {
        Editor e;
        QVERIFY(e.settings().SetLanguageCode(QStringLiteral("chs")));
        const std::pair<QString, QString> boxes[] = {
            {QStringLiteral("Error GUI-002 : Selected Screen No. has already been used"),
             QStringLiteral("GUI-002")},
            {QStringLiteral("Error Obj-001 : Register Number is invalid\n[0, 677]"),
             QStringLiteral("Obj-001")},
            {QStringLiteral("PTC006:\n\nDownload runtime file escaped."), QStringLiteral("PTC006")},
        };
        for (const auto& [text, code] : boxes) {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::Ok,
                            &e.w);
            box.show();
            QTest::keyClick(&box, Qt::Key_F1);
            QCOMPARE(e.takeOpened(), WithAnchor(e.manualPage("chs", "messages.html"), code));
        }
        // A message without a code opens the list.
        QMessageBox plain(QMessageBox::Question, QStringLiteral("Warning"),
                          QStringLiteral("Stop the operation?"),
                          QMessageBox::Ok | QMessageBox::Cancel, &e.w);
        plain.show();
        QTest::keyClick(&plain, Qt::Key_F1);
        QCOMPARE(e.takeOpened(), e.manualPage("chs", "messages.html"));
    }

    void aWindowThatOwnsTheFunctionKeysKeepsF1()
    {
        Editor e;
        FunctionKeyWindow panel;
        panel.show();
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        QTest::keyClick(&panel, Qt::Key_F1);
        QCOMPARE(panel.f1Presses, 1);
        // Neither a page nor the main window's Help.
        QVERIFY(e.opened.isEmpty());
    }

    void everyDialogAndFormHasItsPageInBothLanguages()
    {
        // The dialogs of the editor, found in its sources; a property form's
        // window is one class for all forms, each form opening the page of
        // its own name.
        static const QRegularExpression dialog(
            QStringLiteral("\\bclass\\s+(C\\w+)\\s*(?:final\\s*)?:\\s*public\\s+QDialog\\b"));
        static const QRegularExpression form(QStringLiteral("\\bclass\\s+(CDlgObj\\w+)\\b"));
        QStringList names;
        QDirIterator it(QStringLiteral(QV_SOURCE_DIR "/src/ui"), {QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString text = QString::fromUtf8(ReadFile(it.next()));
            for (const auto* re : {&dialog, &form})
                for (auto m = re->globalMatch(text); m.hasNext();)
                    names.append(m.next().captured(1));
        }
        names.removeAll(QStringLiteral("CPropertyFormDialog"));
        QVERIFY(names.contains(QStringLiteral("CDlgZoom")));
        for (const QString& name : std::as_const(names))
            QVERIFY2(!ManualPages::PageOfName(name).isEmpty(),
                     qPrintable(name + QStringLiteral(" has no page")));

        QStringList pages = ManualPages::AllPages();
        pages.append(
            ManualPages::MessagePage(QStringLiteral("Error GUI-001 : Screen No. is invaild"))
                .section(QLatin1Char('#'), 0, 0));
        for (const QString& page : std::as_const(pages))
            for (const char* language : {"en", "chs"})
                QVERIFY2(QFileInfo::exists(QStringLiteral(QV_SOURCE_DIR "/data/help/manual/")
                                           + QLatin1String(language) + QLatin1Char('/') + page),
                         qPrintable(QLatin1String(language) + QLatin1Char('/') + page));
    }
};

QTEST_MAIN(TestUiManualHelp)
#include "test_ui_manual_help.moc"
