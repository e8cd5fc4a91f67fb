#include "TransferDlgInfo.h"
#include "LineArchive.h"

void CTransferDlgInfo::Serialize(CLineArchive& ar)
{
    ar.Header("Transfer Info");
    ar.Io(uploadPassword);
    ar.Io(enableUpdateRuntimeFile);
}
