#include "ProjectReportCommands.h"
#include "app/ProjectReport.h"
#include "app/ReportPdfFile.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "base/MessageSink.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/widgets/UiText.h"

#include <QApplication>
#include <QFileDialog>
#include <QLocale>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// Letter where the user's locale measures in inches, A4 elsewhere.
QPageSize::PageSizeId localPaper()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                      : QPageSize::A4;
}

class CWaitCursor
{
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
};

void setUpPages(QPrinter& printer)
{
    printer.setPageSize(QPageSize(localPaper()));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

} // namespace

CProjectReportCommands::CProjectReportCommands(CProjectController& controller, QObject* parent)
    : QObject(parent),
      controller_(controller)
{
    chooseReportFile = [this](QWidget* p) {
        const QString suggested = controller_.App().model.info.name + QStringLiteral(".pdf");
        QString path = QFileDialog::getSaveFileName(p, text("Export Report"), suggested,
                                                    text("PDF Files (*.pdf)"));
        if (!path.isEmpty() && !path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            path += QStringLiteral(".pdf");
        return path;
    };
    setUpPrinter = [](QPrinter& printer, QWidget* p) {
        QPrintDialog dialog(&printer, p);
        return dialog.exec() == QDialog::Accepted;
    };
}

CProjectReportCommands::~CProjectReportCommands() = default;

QString CProjectReportCommands::text(const char* english) const
{
    return UiText(controller_.App().settings, IDD_DLG_REPORT, QString::fromUtf8(english));
}

std::shared_ptr<CProjectReport> CProjectReportCommands::prepare(QWidget*)
{
    if (!controller_.HasProject())
        return nullptr;
    const CTessanApp& app = controller_.App();
    CProjectController* controller = &controller_;
    auto report = std::make_shared<CProjectReport>(
        app,
        [controller](int number) {
            const CScreenDocument* doc = controller->LoadedScreenDocument(number);
            return doc ? &doc->Container() : nullptr;
        },
        app.settings.GetLanguageCode());
    QString error;
    if (!report->Prepare(&error)) {
        controller_.Messages().Show(MessageKind::Error,
                                    text("The report cannot be made:") + QLatin1Char('\n') + error,
                                    QStringLiteral("Error"));
        return nullptr;
    }
    return report;
}

bool CProjectReportCommands::ExportReport(QWidget* parent)
{
    if (!controller_.HasProject())
        return false;
    const QString path = chooseReportFile(parent);
    if (path.isEmpty())
        return false;
    CWaitCursor wait;
    const std::shared_ptr<CProjectReport> report = prepare(parent);
    if (!report)
        return false;
    QString error;
    if (WriteReportPdf(*report, path, localPaper(), controller_.App().model.info.name, &error)
        <= 0) {
        controller_.Messages().Show(
            MessageKind::Error, text("The report cannot be written:") + QLatin1Char('\n') + error,
            QStringLiteral("Error"));
        return false;
    }
    return true;
}

bool CProjectReportCommands::Print(QWidget* parent)
{
    if (!controller_.HasProject())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    setUpPages(printer);
    printer.setDocName(controller_.App().model.info.name);
    if (!setUpPrinter(printer, parent))
        return false;
    CWaitCursor wait;
    const std::shared_ptr<CProjectReport> report = prepare(parent);
    if (!report)
        return false;
    if (report->Print(printer) <= 0) {
        controller_.Messages().Show(MessageKind::Error, text("The report cannot be printed."),
                                    QStringLiteral("Error"));
        return false;
    }
    return true;
}

QPrintPreviewDialog* CProjectReportCommands::PrintPreview(QWidget* parent)
{
    std::shared_ptr<CProjectReport> report;
    {
        CWaitCursor wait;
        report = prepare(parent);
    }
    if (!report)
        return nullptr;
    auto* dialog = new QPrintPreviewDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("ReportPreview"));
    dialog->setWindowTitle(text("Print Preview"));
    dialog->setAccessibleName(dialog->windowTitle());
    QPrinter* printer = dialog->printer();
    setUpPages(*printer);
    printer->setDocName(controller_.App().model.info.name);
    // The report goes with the window; the preview asks for its pages again
    // whenever the page set-up changes.
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
            [report](QPrinter* p) { report->Print(*p); });
    connect(&controller_, &CProjectController::projectClosed, dialog, &QWidget::close);
    dialog->open();
    return dialog;
}
