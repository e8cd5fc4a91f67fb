#pragma once
#include <QString>
#include <QUrl>

class CAppSettings;
class IMessageSink;

// Opens the manuals: the software manual (the Help command, F1 and the
// function tree's "Software Manual") and the hardware manual. With
// App/SoftwareManuals empty the software manual is the one installed beside
// the program in the language shown (help/manual/<language>/), opened at the
// page asked for; a value set there is opened as it is, whatever the page. A
// path is taken from the program folder when it is relative; a web address
// is handed on unchanged. Documents go to the desktop through DocumentOpener.
class CManualOpener
{
public:
    CManualOpener(const CAppSettings& settings, IMessageSink& messages);

    // `page` is a file of the installed manual, optionally with "#anchor";
    // empty for its contents. A file that is missing shows an error.
    bool OpenSoftwareManual(const QString& page = QString()) const;
    // Says that no hardware manual is installed when App/HardwareManuals is empty.
    bool OpenHardwareManual() const;

    // What the two would open; an empty hardware URL when none is set.
    static QUrl SoftwareManualUrl(const CAppSettings& settings, const QString& page = QString());
    static QUrl HardwareManualUrl(const CAppSettings& settings);
    // The folder of the installed manual in the language shown (English
    // when that language has none).
    static QString InstalledManualDir(const CAppSettings& settings);

private:
    bool open(const QUrl& url) const;

    const CAppSettings& settings_;
    IMessageSink& messages_;
};
