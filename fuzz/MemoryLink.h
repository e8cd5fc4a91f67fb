#pragma once
#include "transfer/TransferLink.h"

#include <QByteArray>

// A line whose other end has said everything at once: the replies lie in
// memory and are read in order; what the engine writes is dropped. A read of
// more than is left waits for nothing and gets nothing.
class CMemoryLink : public ITransferLink
{
public:
    explicit CMemoryLink(QByteArray replies) : replies_(std::move(replies)) {}
    void SetLinkParams(const QString&, uint32_t, uint8_t, uint8_t, uint8_t) override {}
    int OpenConnection() override { return 1; }
    int CloseConnection() override { return 1; }
    int WriteCom(const void*, int n) override { return n; }
    int ReadComWait(void* bytes, int n, uint32_t timeoutMs) override;

private:
    QByteArray replies_;
    qsizetype next_ = 0;
};
