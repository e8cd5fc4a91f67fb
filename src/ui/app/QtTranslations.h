#pragma once
#include <QString>

class QCoreApplication;

// Qt's own texts (the OK, Cancel, Yes and No of message boxes and button
// boxes, the file dialogs) in the language of the program's texts. The
// language code of the settings file ("chs") names a Qt catalogue
// ("qtbase_zh_CN"); English needs none.
namespace QtTranslations {

// The Qt locale name of a language code: "chs" zh_CN, "cht" zh_TW, others
// as they are; empty for English.
QString LocaleOf(const QString& languageCode);
// Installs Qt's catalogue for the language in the application; false when
// there is none (the texts stay English).
bool Install(QCoreApplication& application, const QString& languageCode);

} // namespace QtTranslations
