#pragma once
#include "AppPaths.h"

#include <QString>

// The settings file QV_.ini and the language files QV_Str.<code>.
// Every call reads the file anew; a missing file or key gives the default.
class CAppSettings
{
public:
    explicit CAppSettings(AppPaths paths) : paths_(std::move(paths)) {}

    const AppPaths& Paths() const { return paths_; }

    // Section App.
    QString GetSettingString(const QString& key) const;
    int GetSettingInt(const QString& key) const;
    bool WriteSetting(const QString& key, const QString& text) const;
    // Section Debug.
    int GetDebugFlag(const QString& key = QStringLiteral("CompilerData")) const;
    // App/Language selects an entry of section Language ("en" when missing).
    QString GetLanguageCode() const;
    // Makes `code` the language: App/Language names its entry of section
    // Language, which gets one (the first free number) when it has none.
    // The language files themselves are not checked.
    bool SetLanguageCode(const QString& code) const;

    // A numeric key: a missing entry gives an empty string.
    QString LookupText(int section, int key) const;
    // A text key such as "Title" or "Warning": a missing entry gives the key.
    QString LookupText(int section, const QString& key) const;

private:
    AppPaths paths_;
};
