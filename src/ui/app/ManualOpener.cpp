#include "ManualOpener.h"
#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "base/MessageSink.h"
#include "ui/widgets/DocumentOpener.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kContents = QStringLiteral("index.html");

// A value of the settings file as it is: a web address unchanged, a path
// from the program folder.
QUrl SettingUrl(const CAppSettings& settings, const QString& value)
{
    const QUrl url(value);
    // One letter before ':' is a drive, not a scheme.
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QDir::cleanPath(QDir(settings.Paths().programDir).filePath(value)));
}

} // namespace

CManualOpener::CManualOpener(const CAppSettings& settings, IMessageSink& messages)
    : settings_(settings),
      messages_(messages)
{}

QString CManualOpener::InstalledManualDir(const CAppSettings& settings)
{
    const QString base = settings.Paths().programDir + QStringLiteral("/help/manual/");
    const QString language = settings.GetLanguageCode();
    if (!language.isEmpty() && QFileInfo(base + language).isDir())
        return base + language;
    return base + QStringLiteral("en");
}

QUrl CManualOpener::SoftwareManualUrl(const CAppSettings& settings, const QString& page)
{
    const QString value = settings.GetSettingString(QStringLiteral("SoftwareManuals"));
    if (!value.isEmpty())
        return SettingUrl(settings, value);
    const QString dir = InstalledManualDir(settings);
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    QString file = hash < 0 ? page : page.left(hash);
    const QString anchor = hash < 0 ? QString() : page.mid(hash + 1);
    // A page the manual lacks opens its contents.
    if (file.isEmpty() || !QFileInfo(dir + QLatin1Char('/') + file).isFile())
        file = kContents;
    QUrl url = QUrl::fromLocalFile(dir + QLatin1Char('/') + file);
    if (file != kContents && !anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

QUrl CManualOpener::HardwareManualUrl(const CAppSettings& settings)
{
    const QString value = settings.GetSettingString(QStringLiteral("HardwareManuals"));
    return value.isEmpty() ? QUrl() : SettingUrl(settings, value);
}

bool CManualOpener::OpenSoftwareManual(const QString& page) const
{
    return open(SoftwareManualUrl(settings_, page));
}

bool CManualOpener::OpenHardwareManual() const
{
    const QUrl url = HardwareManualUrl(settings_);
    if (url.isEmpty()) {
        messages_.ShowInformation(
            settings_.LookupText(LS_MSG, QStringLiteral("No hardware manual is installed.")),
            settings_.LookupText(LS_MSG, QStringLiteral("Information")));
        return false;
    }
    return open(url);
}

bool CManualOpener::open(const QUrl& url) const
{
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        messages_.ShowError(
            settings_.LookupText(LS_MSG, QStringLiteral("The manual %1 can't be found."))
                .arg(QDir::toNativeSeparators(url.toLocalFile())),
            settings_.LookupText(LS_MSG, QStringLiteral("Error")));
        return false;
    }
    return DocumentOpener::Open(url);
}
