#pragma once
#include <QString>

class CLineArchive;

// The Transfer dialog's settings kept in the project.
class CTransferDlgInfo
{
public:
    void Serialize(CLineArchive& ar);
    bool operator==(const CTransferDlgInfo&) const = default;

    QString uploadPassword = QStringLiteral("52815281");
    int enableUpdateRuntimeFile = 0;
};
