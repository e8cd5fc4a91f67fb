#include "Transfer.h"

#include "CheckByte.h"
#include "FirmwareVersion.h"
#include "base/LanguageSection.h"
#include "base/AppSettings.h"

#include <cstring>

CTransfer::CTransfer(const CAppSettings& settings, std::atomic<int>& stopFlag)
    : settings_(settings),
      stopFlag_(stopFlag)
{}

CTransfer::~CTransfer()
{
    Wait();
}

void CTransfer::SetPassword(const QByteArray& packed4)
{
    for (int k = 0; k < 4; ++k)
        m_byPassword[k] = k < packed4.size() ? uint8_t(packed4[k]) : 0;
}

void CTransfer::Start()
{
    worker_.Start([this] { Run(); });
}

void CTransfer::Wait()
{
    worker_.Wait();
}

void CTransfer::Post(int percent, int finalFlag)
{
    if (ITransferProgress* p = m_pProgressWnd.load())
        p->PostProgress(percent, finalFlag);
}

bool CTransfer::StopRequested()
{
    if (stopFlag_.load() == 0)
        return false;
    m_pProgressWnd.store(nullptr);
    result_ = TR_STOPPED;
    return true;
}

bool CTransfer::Send(const void* bytes, int n)
{
    if (m_pLink->WriteCom(bytes, n) == n)
        return true;
    result_ = TR_SHORT_WRITE;
    return false;
}

void CTransfer::Run()
{
    stopFlag_.store(0);
    result_ = TR_OK;

    m_bResult = Handshake() ? 1 : 0;
    if (m_bResult) {
        switch (m_nOperation) {
        case TO_DOWNLOAD: m_bResult = Download(); break;
        case TO_GET_INFORMATION: m_bResult = GetInformation(); break;
        case TO_UPLOAD: m_bResult = Upload(); break;
        default:
            m_bResult = 0;
            result_ = -1;
            break;
        }
    }
    Post(100, 0);
    if (result_ != TR_CANT_OPEN && !m_pLink->CloseConnection())
        result_ = TR_CANT_CLOSE;
    stopFlag_.store(1);
}

bool CTransfer::Handshake()
{
    m_pLink->SetLinkParams(m_strPort, 38400, 8, 1, 0);
    if (!m_pLink->OpenConnection()) {
        result_ = TR_CANT_OPEN;
        return false;
    }
    Post(0, 0);
    for (int attempt = 0; attempt < kHandshakeAttempts; ++attempt) {
        char reply[3];
        if (m_pLink->WriteCom("LB", 2) == 2 && Receive(reply, 3, m_handshakeWaitMs)
            && std::memcmp(reply, "ZYL", 3) == 0) {
            result_ = TR_OK;
            return true;
        }
        if (StopRequested())
            return false;
    }
    result_ = TR_NO_HANDSHAKE;
    return false;
}

bool CTransfer::Download()
{
    const QByteArray image = m_arrSend;
    const int n = int(image.size());
    const int blocks = (n + kBlockSize - 1) / kBlockSize;
    // The block count goes out in two bytes: an image of more blocks cannot
    // be sent, and none of it goes out.
    if (blocks > 0xFFFF) {
        result_ = TR_SHORT_WRITE;
        return false;
    }

    const uint8_t code = TO_DOWNLOAD;
    if (!Send(&code, 1))
        return false;
    uint8_t reply[6];
    if (!Receive(reply, 6)) {
        result_ = TR_TIMEOUT + 1;
        return false;
    }
    if (std::memcmp(reply, "OK", 2) != 0) {
        result_ = TR_WRONG_REPLY + 1;
        return false;
    }
    if (FirmwareVersion::DownloadRefuses(FirmwareVersion::RequiredBy(image),
                                         {reply[2], reply[3], reply[4], reply[5]})) {
        result_ = TR_FIRMWARE_OLD;
        return false;
    }
    if (StopRequested())
        return false;

    auto waitOk = [&](int step) {
        char ok[2];
        if (!Receive(ok, 2)) {
            result_ = TR_TIMEOUT + step;
            return false;
        }
        if (std::memcmp(ok, "OK", 2) != 0) {
            result_ = TR_WRONG_REPLY + step;
            return false;
        }
        return true;
    };

    const uint8_t access[5] = {m_byEnableUpdate, m_byPassword[0], m_byPassword[1], m_byPassword[2],
                               m_byPassword[3]};
    if (!Send(access, 5) || !waitOk(2) || StopRequested())
        return false;
    const uint8_t count[2] = {uint8_t(blocks >> 8), uint8_t(blocks)};
    if (!Send(count, 2) || !waitOk(3) || StopRequested())
        return false;

    char block[kBlockSize];
    for (int b = 0; b < blocks; ++b) {
        const int at = b * kBlockSize;
        const int len = std::min(kBlockSize, n - at);
        std::memcpy(block, image.constData() + at, size_t(len));
        std::memset(block + len, 0, size_t(kBlockSize - len));
        if (!Send(block, kBlockSize) || !waitOk(4))
            return false;
        Post(int(qint64(at + len) * 100 / n), 0);
        if (StopRequested())
            return false;
    }
    const uint8_t check = CheckByte(image);
    if (!Send(&check, 1) || !waitOk(5))
        return false;
    if (!Send("END"))
        return false;
    Post(100, 1);
    result_ = TR_OK;
    return true;
}

bool CTransfer::GetInformation()
{
    m_arrRecv.clear();
    const uint8_t code = TO_GET_INFORMATION;
    if (!Send(&code, 1))
        return false;
    char info[16];
    if (!Receive(info, 16)) {
        result_ = TR_TIMEOUT + 0;
        return false;
    }
    m_arrRecv = QByteArray(info, 16);
    if (uint8_t(info[0]) != 0x10) {
        result_ = TR_WRONG_REPLY + 0;
        return false;
    }
    Post(50, 0);
    if (!Send("OK"))
        return false;
    char end[3];
    if (!Receive(end, 3)) {
        result_ = TR_TIMEOUT + 0;
        return false;
    }
    if (std::memcmp(end, "END", 3) != 0) {
        result_ = TR_WRONG_REPLY + 0;
        return false;
    }
    Post(100, 0);
    result_ = TR_OK;
    return true;
}

bool CTransfer::Upload()
{
    constexpr int kStep = 6;
    m_arrRecv.clear();
    const uint8_t code = TO_UPLOAD;
    if (!Send(&code, 1))
        return false;
    uint8_t stored[4];
    if (!Receive(stored, 4)) {
        result_ = TR_TIMEOUT + kStep;
        return false;
    }
    if (std::memcmp(stored, m_byPassword, 4) != 0) {
        result_ = TR_WRONG_REPLY + kStep;
        return false;
    }
    if (StopRequested() || !Send("OK"))
        return false;
    uint8_t count[2];
    if (!Receive(count, 2)) {
        result_ = TR_TIMEOUT + kStep;
        return false;
    }
    if (StopRequested())
        return false;
    const int blocks = count[0] << 8 | count[1];

    m_arrRecv.clear();
    m_arrRecv.reserve(qsizetype(blocks) * kBlockSize);
    char block[kBlockSize];
    for (int b = 0; b < blocks; ++b) {
        if (!Send("OK"))
            return false;
        if (!Receive(block, kBlockSize)) {
            result_ = TR_TIMEOUT + kStep;
            return false;
        }
        m_arrRecv.append(block, kBlockSize);
        Post((b + 1) * 99 / blocks, 0);
        if (StopRequested())
            return false;
    }
    if (!Send("OK"))
        return false;
    uint8_t check;
    if (!Receive(&check, 1)) {
        result_ = TR_TIMEOUT + kStep;
        return false;
    }
    if (check != CheckByte(m_arrRecv)) {
        result_ = TR_LRC_ERROR;
        return false;
    }
    if (!Send("OK"))
        return false;
    char end[3];
    if (!Receive(end, 3)) {
        result_ = TR_TIMEOUT + 10;
        return false;
    }
    if (std::memcmp(end, "END", 3) != 0) {
        result_ = TR_WRONG_REPLY + kStep;
        return false;
    }
    Post(100, 1);
    result_ = TR_OK;
    return true;
}

QString CTransfer::OperationName(int operation)
{
    switch (operation) {
    case TO_DOWNLOAD: return QStringLiteral("Download runtime file");
    case TO_GET_INFORMATION: return QStringLiteral("Get information");
    case TO_UPLOAD: return QStringLiteral("Upload runtime file");
    default: return QString();
    }
}

QString CTransfer::ResultText() const
{
    return ResultText(settings_, m_nOperation, result_);
}

MessageKind CTransfer::ResultKind() const
{
    return result_ == TR_OK ? MessageKind::Information : MessageKind::Warning;
}

QString CTransfer::ResultCaption() const
{
    return settings_.LookupText(LS_MSG, result_ == TR_OK ? QStringLiteral("Information")
                                                         : QStringLiteral("Warning"));
}

QString CTransfer::ResultText(const CAppSettings& s, int operation, int code)
{
    auto t = [&](const QString& key) { return s.LookupText(LS_MSG, key); };
    const QString name = t(OperationName(operation));
    auto ptc = [&](const char* prefix, const char* fragment) {
        return QString::fromLatin1(prefix) + QStringLiteral("\n\n") + name
               + t(QLatin1String(fragment));
    };
    switch (code) {
    case TR_OK: return name + t(QStringLiteral(" OK!"));
    case TR_CANT_OPEN: return ptc("PTC002:", " fail.Can't open connect.");
    case TR_CANT_CLOSE: return ptc("PTC003:", " fail.Can't close connect.");
    case TR_NO_HANDSHAKE: return ptc("PTC001:", " fail.Can't get handshake.");
    case TR_SHORT_WRITE: return ptc("PTC004:", " fail.Can't send data.");
    case TR_LRC_ERROR: return ptc("PTC005:", " fail.LRC error.");
    case TR_STOPPED: return ptc("PTC006:", " escaped.");
    case TR_FIRMWARE_OLD: return ptc("PTC008:", " fail.Firmware version mismatch.");
    case TR_WRONG_REPLY + 6:
        return QStringLiteral("PTC010:\n\n")
               + t(QStringLiteral("Upload password error! Please redo."));
    default: break;
    }
    if ((code & ~0xFF) == TR_TIMEOUT)
        return ptc("PTC008:", " fail.Receive timeout. ") + QStringLiteral("(%1)").arg(code & 0xFF);
    if ((code & ~0xFF) == TR_WRONG_REPLY)
        return ptc("PTC009:", " fail.Receive error.") + QStringLiteral("(%1)").arg(code & 0xFF);
    return QStringLiteral("PTC007:\n\n") + t(QStringLiteral("Unknown information!Inforation is"))
           + QString::number(code);
}
