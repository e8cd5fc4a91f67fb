#pragma once
#include "DevSerial.h"
#include "TransferProgress.h"
#include "base/MessageSink.h"
#include "base/WorkerThread.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>

class CAppSettings;

// Operation codes: the first byte sent after the handshake.
enum TransferOperation : int {
    TO_DOWNLOAD = 0x01,
    TO_GET_INFORMATION = 0x10,
    TO_UPLOAD = 0x11,
};

// The outcome of one operation.
enum TransferResult : int {
    TR_OK = 0,
    TR_CANT_OPEN = 1,
    TR_CANT_CLOSE = 2,
    TR_NO_HANDSHAKE = 3,
    TR_SHORT_WRITE = 4,
    TR_LRC_ERROR = 5,
    TR_STOPPED = 6,
    TR_FIRMWARE_OLD = 7,
    TR_TIMEOUT = 0x4000,     // + step
    TR_WRONG_REPLY = 0x8000, // + step
};

// The transfer engine: runs one operation against the panel on a worker
// thread (or on the calling thread with Run). It shows no message itself:
// its result code, with the kind, caption and text of the message that tells
// it, is handed to the caller when it has ended.
class CTransfer
{
public:
    static constexpr int kHandshakeAttempts = 15;
    static constexpr uint32_t kHandshakeWaitMs = 800;
    static constexpr uint32_t kReplyWaitMs = 5000;
    static constexpr int kBlockSize = 64;

    // `settings` gives the message texts; `stopFlag` is the shared stop
    // request (cleared when a run starts, set when it ends).
    CTransfer(const CAppSettings& settings, std::atomic<int>& stopFlag);
    ~CTransfer(); // waits for the worker
    CTransfer(const CTransfer&) = delete;
    CTransfer& operator=(const CTransfer&) = delete;

    // Filled by the starter before Start.
    std::atomic<ITransferProgress*> m_pProgressWnd{nullptr};
    QString m_strPort;
    CDevSerial m_Serial;
    // The line the engine talks over: its own serial port unless the
    // starter hands it another one, which must outlive the run.
    ITransferLink* m_pLink = &m_Serial;
    QByteArray m_arrRecv;
    int m_nOperation = 0;
    uint8_t m_byEnableUpdate = 0;
    uint8_t m_byPassword[4] = {};
    int m_bResult = 0;
    // The runtime image that a download sends.
    QByteArray m_arrSend;
    // How long one handshake reply and any other reply may take. A line
    // that answers from memory (the fuzz target) shortens them.
    uint32_t m_handshakeWaitMs = kHandshakeWaitMs;
    uint32_t m_replyWaitMs = kReplyWaitMs;

    void SetPassword(const QByteArray& packed4);

    // Starts the worker thread; Wait joins it.
    void Start();
    void Wait();
    // The worker run, on the calling thread.
    void Run();

    int ResultCode() const { return result_; }
    // Information for success, a warning for every failure.
    MessageKind ResultKind() const;
    // Text and caption with their names and fragments looked up in the
    // message section; the message box looks both up once more.
    QString ResultText() const;
    QString ResultCaption() const;
    // The message for a result code of an operation.
    static QString ResultText(const CAppSettings& settings, int operation, int code);
    static QString OperationName(int operation);

private:
    bool Handshake();
    bool Download();
    bool GetInformation();
    bool Upload();

    bool Send(const void* bytes, int n);
    bool Send(const char* text) { return Send(text, int(qstrlen(text))); }
    // 1 = n bytes arrived, 0 = timeout.
    bool Receive(void* bytes, int n) { return Receive(bytes, n, m_replyWaitMs); }
    bool Receive(void* bytes, int n, uint32_t ms)
    {
        return m_pLink->ReadComWait(bytes, n, ms) == n;
    }
    bool StopRequested();
    void Post(int percent, int finalFlag);

    const CAppSettings& settings_;
    std::atomic<int>& stopFlag_;
    int result_ = 0;
    CWorkerThread worker_;
};
