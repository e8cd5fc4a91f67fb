#include "VersionNumber.h"

QString VersionNumber::ToText() const
{
    return QStringLiteral("%1.%2.%3.%4").arg(hh).arg(hl).arg(lh).arg(ll);
}

bool VersionNumber::ProgramAccepts(const VersionNumber& program, const VersionNumber& project)
{
    return program.hh > project.hh || program.hl > project.hl || program.lh > project.lh
           || program.ll >= project.ll;
}

namespace VersionIdentity {

VersionNumber ProgramVersion()
{
#if defined(QV_VERSION_HH) && defined(QV_VERSION_HL) && defined(QV_VERSION_LH)                     \
    && defined(QV_VERSION_LL)
    return VersionNumber{QV_VERSION_HH, QV_VERSION_HL, QV_VERSION_LH, QV_VERSION_LL};
#else
    return VersionNumber{1, 0, 0, 0};
#endif
}

QString MainWindowTitle()
{
    VersionNumber v = ProgramVersion();
    return QStringLiteral("%1 (Ver%2.%3.%4.%5)")
        .arg(kProductName)
        .arg(v.hh)
        .arg(v.hl)
        .arg(v.lh)
        .arg(v.ll);
}

} // namespace VersionIdentity
