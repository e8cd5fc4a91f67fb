#pragma once
#include <QString>
#include <QtGlobal>

// Four unsigned 16-bit numbers, most significant first: the program version
// and the project format version recorded in Prj.ini.
struct VersionNumber
{
    quint16 hh = 0, hl = 0, lh = 0, ll = 0;

    bool operator==(const VersionNumber&) const = default;
    QString ToText() const; // "1.0.0.4"

    // A project is in legacy range mode while HH, LH and LL are all 0
    // (HL is not looked at).
    bool IsLegacyRange() const { return hh == 0 && lh == 0 && ll == 0; }

    // The open-time check: the program opens a project when any component of
    // its own version is greater than the project's, component by component,
    // or its last component is at least the project's.
    static bool ProgramAccepts(const VersionNumber& program, const VersionNumber& project);
};

// The version identity of the program.
namespace VersionIdentity {
inline const QString kFileDescription = QStringLiteral("Corvel Software Application");
inline const QString kFileVersion = QStringLiteral("1, 0, 0, 4");
inline const QString kInternalName = QStringLiteral("Corvel");
inline const QString kExecutableName = QStringLiteral("QV.EXE");
inline const QString kProductName = QStringLiteral("Corvel");
inline const QString kProductVersion = QStringLiteral("1, 0, 0, 4");
inline const QString kCompanyName = QStringLiteral("Corvel Automation");
inline const QString kLegalCopyright = QStringLiteral("Copyright (C) 2026 Corvel Automation");

// The build-time product version (stands in for the executable's version resource).
VersionNumber ProgramVersion();
// "%s (Ver%d.%d.%d.%d)": the main window and single-instance title.
QString MainWindowTitle();
} // namespace VersionIdentity
