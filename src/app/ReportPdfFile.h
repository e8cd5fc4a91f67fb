#pragma once
#include <QPageSize>
#include <QString>

class CProjectReport;

// Writes a prepared project report as a PDF file, whole or not at all: a
// failure leaves no file (and an older one as it was). The pages on
// success; 0 with a reason otherwise.
int WriteReportPdf(const CProjectReport& report, const QString& path, QPageSize::PageSizeId paper,
                   const QString& title, QString* error);
