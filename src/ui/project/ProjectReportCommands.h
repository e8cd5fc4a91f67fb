#pragma once
#include <QObject>

#include <functional>
#include <memory>

class CProjectController;
class CProjectReport;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

// File > Export Report..., File > Print... and File > Print Preview...: the
// project report of the project as it stands (unsaved edits of open screens
// included), in the language the editor shows, written as a PDF file,
// printed, or shown in a preview window that does not block the editor.
class CProjectReportCommands : public QObject
{
    Q_OBJECT
public:
    explicit CProjectReportCommands(CProjectController& controller, QObject* parent = nullptr);
    ~CProjectReportCommands() override;

    // Each false when nothing was written or shown (no project, a choice
    // cancelled, or an error, which is shown).
    bool ExportReport(QWidget* parent);
    bool Print(QWidget* parent);
    // Opens the preview window (window-modal, without waiting for it).
    QPrintPreviewDialog* PrintPreview(QWidget* parent);

    // Replaced by the tests: the PDF file to write ("" cancels), and the
    // printer's set-up (false cancels).
    std::function<QString(QWidget* parent)> chooseReportFile;
    std::function<bool(QPrinter& printer, QWidget* parent)> setUpPrinter;

private:
    // A prepared report of the project as it stands; null after an error
    // has been shown.
    std::shared_ptr<CProjectReport> prepare(QWidget* parent);
    QString text(const char* english) const;

    CProjectController& controller_;
};
