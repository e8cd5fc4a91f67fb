#pragma once
#include <QStringList>

class CDiagramEntity;
class CFunKeyParams;
class CReportTexts;

// The rows of the project report's screen tables, worded in the report's
// language.
namespace ReportRows {

// kind, name, position ("x, y  w x h"), register, format, range
QStringList Object(const CDiagramEntity& object, const CReportTexts& t);
// key (F1..F5), function, what it does, password, description
QStringList FunctionKey(int index, const CFunKeyParams& key, const CReportTexts& t);
// The kind's name.
QString KindName(int kind, const CReportTexts& t);

} // namespace ReportRows
