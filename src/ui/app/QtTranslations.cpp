#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace QtTranslations {

QString LocaleOf(const QString& languageCode)
{
    const QString code = languageCode.trimmed().toLower();
    if (code.isEmpty() || code == QLatin1String("en"))
        return QString();
    if (code == QLatin1String("chs"))
        return QStringLiteral("zh_CN");
    if (code == QLatin1String("cht"))
        return QStringLiteral("zh_TW");
    return code;
}

bool Install(QCoreApplication& application, const QString& languageCode)
{
    const QString locale = LocaleOf(languageCode);
    if (locale.isEmpty())
        return false;
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace QtTranslations
