#pragma once
#include <QFont>
#include <QString>

// The faces of the project report: the system's sans-serif face for Latin
// text, with the WenQuanYi face for Chinese (found among the installed
// families by name, never by a file path). A Chinese report takes the
// WenQuanYi face for everything.
namespace ReportFonts {

// The family name of the scalable WenQuanYi face; empty when none is installed.
QString ChineseFamily();
// The report's face at `points`, bold when asked.
QFont Face(bool chineseFirst, double points, bool bold = false);

} // namespace ReportFonts
