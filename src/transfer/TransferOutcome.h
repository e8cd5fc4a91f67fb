#pragma once
#include "base/MessageSink.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>

class CAppSettings;
class CTransfer;

// How a transfer ended: the engine's result code, and the message that tells
// it (kind, caption and text looked up as the message box shows them), with
// the bytes that get-information and upload received.
struct TransferOutcome
{
    int code = 0;
    int operation = 0;
    MessageKind kind = MessageKind::Information;
    QString caption;
    QString text;
    QByteArray received;

    // The outcome of an engine whose run has ended.
    static TransferOutcome Of(const CTransfer& engine, const CAppSettings& settings);
};
Q_DECLARE_METATYPE(TransferOutcome)
