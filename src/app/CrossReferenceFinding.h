#pragma once
#include <QString>

// The codes of the cross-reference's findings.
namespace FindingCode {
inline const QString kOverlap = QStringLiteral("overlap");
inline const QString kRange = QStringLiteral("range");
inline const QString kDevice = QStringLiteral("device");
inline const QString kUnreached = QStringLiteral("unreached");
inline const QString kPlcOnly = QStringLiteral("plc-only");
inline const QString kUnusedBitmap = QStringLiteral("unused-bitmap");
} // namespace FindingCode

// One thing to look at before a download: a use's fault (overlap, range,
// device), a screen nothing reaches (unreached, plc-only) or a bitmap no
// object shows (unused-bitmap).
struct CrossReferenceFinding
{
    QString code;
    int use = -1;         // the use it concerns; -1 for a screen or a bitmap
    int otherUse = -1;    // overlap: the first use whose words it shares in part
    int screenNumber = 0; // unreached, plc-only
    QString screenName{};
    QString bitmap{}; // unused-bitmap: the file name
};
