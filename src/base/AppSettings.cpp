#include "AppSettings.h"
#include "LanguageSection.h"
#include "ProfileFile.h"

namespace {
const QString kApp = QStringLiteral("App");
}

QString CAppSettings::GetSettingString(const QString& key) const
{
    return CProfileFile::ReadString(paths_.SettingsFile(), kApp, key).left(999);
}

int CAppSettings::GetSettingInt(const QString& key) const
{
    return CProfileFile::ReadInt(paths_.SettingsFile(), kApp, key, 0);
}

bool CAppSettings::WriteSetting(const QString& key, const QString& text) const
{
    return CProfileFile::WriteString(paths_.SettingsFile(), kApp, key, text);
}

int CAppSettings::GetDebugFlag(const QString& key) const
{
    return CProfileFile::ReadInt(paths_.SettingsFile(), QStringLiteral("Debug"), key, 0);
}

QString CAppSettings::GetLanguageCode() const
{
    int index = GetSettingInt(QStringLiteral("Language"));
    return CProfileFile::ReadString(paths_.SettingsFile(), QStringLiteral("Language"),
                                    QString::number(index), QStringLiteral("en"))
        .left(999);
}

bool CAppSettings::SetLanguageCode(const QString& code) const
{
    const QString file = paths_.SettingsFile();
    const QString section = QStringLiteral("Language");
    // The numbers in use run from 0 without a gap; a code is looked for
    // among them, and a new one takes the next number.
    constexpr int kMostLanguages = 1000;
    int index = 0;
    for (; index < kMostLanguages; ++index) {
        const QString entry = CProfileFile::ReadString(file, section, QString::number(index));
        if (entry.isEmpty()) {
            // An empty section still reads "en" for index 0 (the default).
            if (!CProfileFile::WriteString(
                    file, section, QString::number(index),
                    index == 0 && code != QLatin1String("en") ? QStringLiteral("en") : code))
                return false;
            if (index == 0 && code != QLatin1String("en"))
                continue;
            break;
        }
        if (entry.compare(code, Qt::CaseInsensitive) == 0)
            break;
    }
    return index < kMostLanguages && WriteSetting(section, QString::number(index));
}

QString CAppSettings::LookupText(int section, int key) const
{
    QString name = LanguageSectionName(section);
    if (name.isNull())
        return QString();
    return CProfileFile::ReadString(paths_.LanguageFile(GetLanguageCode()), name,
                                    QString::number(key))
        .left(999);
}

QString CAppSettings::LookupText(int section, const QString& key) const
{
    QString name = LanguageSectionName(section);
    if (name.isNull())
        return key;
    return CProfileFile::ReadString(paths_.LanguageFile(GetLanguageCode()), name, key, key)
        .left(999);
}
