// File > Export Report..., Print Preview... and Print... in the editor: the
// report of the project as it stands (an unsaved edit included) written as a
// PDF, printed through the printer's set-up, and previewed in a window that
// opens without blocking; the commands follow the open project, carry their
// mnemonics and status tips, and a failure is shown, not thrown.
#include "EditorFixture.h"
#include "TestSupport.h"
#include "app/TessanApp.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectNumeric.h"
#include "ui/app/CommandId.h"
#include "ui/app/EditorCommands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/project/ProjectReportCommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPointer>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Editor : CEditorFixture
{
    void open() { QVERIFY(OpenExample()); }
    bool enabled(CommandId id) { return Enabled(id); }
};

QString pdfText(const QString& pdf)
{
    QByteArray text;
    TestSupport::Run(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                     {pdf, QStringLiteral("-")}, &text, nullptr, 120000);
    return QString::fromUtf8(text);
}

int pdfPages(const QString& pdf)
{
    QByteArray info;
    TestSupport::Run(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {pdf}, &info);
    const auto m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(info));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class TestUiProjectReport : public QObject
{
    Q_OBJECT
private slots:
    void commandsFollowTheProject()
    {
        Editor e;
        for (CommandId id : {CommandId::ExportReport, CommandId::PrintPreview, CommandId::Print}) {
            QAction* a = e.w.Commands().Action(id);
            QVERIFY2(a->text().contains(QLatin1Char('&')), qPrintable(a->text()));
            QVERIFY(!a->statusTip().isEmpty());
            QVERIFY(!e.enabled(id));
        }
        e.open();
        // In the File menu, reachable by its mnemonic.
        QMenu* file = nullptr;
        for (QAction* m : e.w.menuBar()->actions())
            if (m->menu()
                && m->menu()->actions().contains(e.w.Commands().Action(CommandId::ExportReport)))
                file = m->menu();
        QVERIFY(file);
        QVERIFY(file->actions().contains(e.w.Commands().Action(CommandId::Print)));
        QVERIFY(file->actions().contains(e.w.Commands().Action(CommandId::PrintPreview)));
        for (CommandId id : {CommandId::ExportReport, CommandId::PrintPreview, CommandId::Print})
            QVERIFY(e.enabled(id));
        QCOMPARE(e.w.Commands()
                     .Action(CommandId::Print)
                     ->shortcut()
                     .toString(QKeySequence::PortableText),
                 QStringLiteral("Ctrl+P"));
        e.c.CloseProject();
        QVERIFY(!e.enabled(CommandId::ExportReport));
    }

    void exportWritesThePdfOfTheProjectAsItStands()
    {
        Editor e;
        e.open();
        // An unsaved object on screen 2.
        CScreenDocument* doc = e.c.ScreenDocument(2);
        QVERIFY(doc);
        doc->Edit([](CDiagramEntityContainer& objects) {
            auto number = std::make_unique<CObjectNumeric>();
            number->SetRect(100, 40, 150, 56);
            number->SetName(QStringLiteral("NotYetSaved"));
            objects.Add(std::move(number));
        });
        const QString pdf = e.out.path() + QStringLiteral("/report.pdf");
        int asked = 0;
        e.commands.Report().chooseReportFile = [&](QWidget* parent) {
            ++asked;
            return parent == &e.w ? pdf : QString();
        };
        e.w.Commands().Action(CommandId::ExportReport)->trigger();
        QCOMPARE(asked, 1);
        QVERIFY(QFile::exists(pdf));
        QVERIFY(pdfPages(pdf) > 3);
        QVERIFY(pdfText(pdf).contains(QStringLiteral("NotYetSaved")));
        QVERIFY(e.f.messages.isEmpty());
        QVERIFY(e.c.IsModified()); // nothing was saved on the way

        // Cancelled: nothing written. A folder that cannot be written: an
        // error box, no file.
        e.commands.Report().chooseReportFile = [](QWidget*) { return QString(); };
        QVERIFY(!e.commands.Report().ExportReport(&e.w));
        const QString bad = e.out.path() + QStringLiteral("/no/such/folder/r.pdf");
        e.commands.Report().chooseReportFile = [&](QWidget*) { return bad; };
        QVERIFY(!e.commands.Report().ExportReport(&e.w));
        QCOMPARE(e.f.messages.size(), 1);
        QCOMPARE(e.f.messages.first().second, QStringLiteral("Error"));
        QVERIFY(!QFile::exists(bad));
    }

    void printGoesThroughThePrinter()
    {
        Editor e;
        e.open();
        const QString pdf = e.out.path() + QStringLiteral("/printed.pdf");
        e.commands.Report().setUpPrinter = [&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        e.w.Commands().Action(CommandId::Print)->trigger();
        QVERIFY(pdfPages(pdf) > 3);
        QVERIFY(pdfText(pdf).contains(QStringLiteral("Communication and Devices")));
        // Cancelling the printer's set-up prints nothing.
        e.commands.Report().setUpPrinter = [](QPrinter&, QWidget*) { return false; };
        QVERIFY(!e.commands.Report().Print(&e.w));
    }

    void previewOpensWithoutBlocking()
    {
        Editor e;
        e.open();
        e.w.Commands().Action(CommandId::PrintPreview)->trigger();
        // The trigger came back with the window open.
        auto* preview = e.w.findChild<QPrintPreviewDialog*>(QStringLiteral("ReportPreview"));
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        QVERIFY(!preview->windowTitle().isEmpty());
        QCOMPARE(preview->accessibleName(), preview->windowTitle());
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        QVERIFY(pages);
        QTRY_VERIFY(pages->pageCount() > 3);
        // Closing the project closes the preview.
        QPointer<QPrintPreviewDialog> watched(preview);
        e.c.CloseProject();
        QTRY_VERIFY(!watched || !watched->isVisible());
    }
};

QTEST_MAIN(TestUiProjectReport)
#include "test_ui_project_report.moc"
