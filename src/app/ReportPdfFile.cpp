#include "ReportPdfFile.h"
#include "ProjectReport.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

int WriteReportPdf(const CProjectReport& report, const QString& path, QPageSize::PageSizeId paper,
                   const QString& title, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return 0;
    }
    int pages = 0;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(300);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Corvel"));
        pdf.setPageSize(QPageSize(paper));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pages = report.Print(pdf);
    }
    if (pages <= 0 || !file.commit()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return 0;
    }
    return pages;
}
