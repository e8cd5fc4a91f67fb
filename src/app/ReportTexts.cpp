#include "ReportTexts.h"
#include "base/LanguageSection.h"
#include "base/ProfileFile.h"

QString CReportTexts::Text(const QString& english) const
{
    const auto it = cache_.constFind(english);
    if (it != cache_.constEnd())
        return *it;
    QString text =
        CProfileFile::ReadString(file_, LanguageSectionName(IDD_DLG_REPORT), english, english);
    if (text.isEmpty())
        text = english;
    cache_.insert(english, text);
    return text;
}
