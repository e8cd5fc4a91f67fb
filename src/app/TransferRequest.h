#pragma once
#include "transfer/Transfer.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// One operation for the transfer engine: what it runs against which port,
// with which flag and packed password, and the bytes a download sends. The
// caption names the operation to the user while it runs ("Download",
// "Upload"; looked up in the message section by whoever shows it).
struct TransferRequest
{
    int operation = 0;
    QString port;
    uint8_t enableUpdate = 0;
    QByteArray packedPassword;
    QByteArray image;
    QString caption;

    // Fills a fresh engine with the request; the engine reports to `progress`.
    void ApplyTo(CTransfer& engine, ITransferProgress* progress) const
    {
        engine.m_strPort = port;
        engine.m_nOperation = operation;
        engine.m_byEnableUpdate = enableUpdate;
        engine.SetPassword(packedPassword);
        engine.m_arrRecv.clear();
        engine.m_arrSend = operation == TO_DOWNLOAD ? image : QByteArray();
        engine.m_pProgressWnd.store(progress);
    }
};
