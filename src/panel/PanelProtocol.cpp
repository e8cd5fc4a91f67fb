#include "PanelProtocol.h"
#include "transfer/CheckByte.h"

#include <cstring>

namespace {

void AppendBig32(QByteArray& out, uint32_t v)
{
    out.append(char(v >> 24));
    out.append(char(v >> 16));
    out.append(char(v >> 8));
    out.append(char(v));
}

} // namespace

CPanelProtocol::CPanelProtocol(PanelProtocolOptions options)
    : options_(std::move(options)),
      store_(options_.storeDir)
{}

int CPanelProtocol::BytesWanted() const
{
    switch (state_) {
    case State::Access: return 5;
    case State::Count: return 2;
    case State::Block: return kBlock;
    case State::DownloadEnd: return 3;
    case State::InformationOk:
    case State::PasswordOk:
    case State::UploadBlockOk:
    case State::UploadCheckOk:
    case State::UploadEndOk: return 2;
    case State::HungUp: return 0;
    case State::Idle:
    case State::HandshakeB:
    case State::Code:
    case State::Check: break;
    }
    return 1;
}

PanelWait CPanelProtocol::Wait() const
{
    switch (state_) {
    case State::Idle: return PanelWait::Forever;
    case State::HandshakeB: return PanelWait::HandshakeByte;
    default: return PanelWait::Exchange;
    }
}

void CPanelProtocol::Feed(const void* bytes, int n)
{
    if (HungUp() || n <= 0)
        return;
    input_.append(static_cast<const char*>(bytes), n);
    for (int want = BytesWanted(); want > 0 && input_.size() - inputAt_ >= want;
         want = BytesWanted()) {
        const auto* at = reinterpret_cast<const uint8_t*>(input_.constData() + inputAt_);
        inputAt_ += want;
        Step(at, want);
    }
    input_.remove(0, inputAt_);
    inputAt_ = 0;
}

void CPanelProtocol::TimedOut()
{
    if (!HungUp())
        state_ = State::Idle;
}

QByteArray CPanelProtocol::TakeReplies()
{
    QByteArray r;
    r.swap(replies_);
    return r;
}

bool CPanelProtocol::TakeDiscard()
{
    const bool d = discarded_;
    discarded_ = false;
    return d;
}

void CPanelProtocol::Restart()
{
    state_ = State::Idle;
    input_.clear();
    inputAt_ = 0;
    replies_.clear();
    discarded_ = false;
}

void CPanelProtocol::Step(const uint8_t* b, int n)
{
    switch (state_) {
    case State::Idle:
        if (b[0] == 'L')
            state_ = State::HandshakeB;
        break;
    case State::HandshakeB:
        if (b[0] == 'B')
            Handshake();
        else
            state_ = State::Idle;
        break;
    case State::Code: Exchange(b[0]); break;
    case State::Access:
        access_ = QByteArray(reinterpret_cast<const char*>(b), n);
        Reply("dl2", QByteArrayLiteral("OK"), State::Count);
        break;
    case State::Count:
        blocks_ = b[0] << 8 | b[1];
        if (qint64(blocks_) * kBlock + kBlock > kTotalMemory) {
            replies_.append("NG");
            state_ = State::Idle;
            break;
        }
        image_.clear();
        image_.reserve(qsizetype(blocks_) * kBlock);
        block_ = 0;
        Reply("dl3", QByteArrayLiteral("OK"), blocks_ > 0 ? State::Block : State::Check);
        break;
    case State::Block:
        image_.append(reinterpret_cast<const char*>(b), n);
        ++block_;
        Reply("dl4", QByteArrayLiteral("OK"), block_ < blocks_ ? State::Block : State::Check);
        break;
    case State::Check:
        lastCheck_ = QByteArray(1, char(b[0]));
        if (b[0] != CheckByte(image_)) {
            replies_.append("NG");
            state_ = State::Idle;
            break;
        }
        Reply("dl5", QByteArrayLiteral("OK"), State::DownloadEnd);
        break;
    case State::DownloadEnd:
        if (!Token(b, n, "END"))
            break;
        store_.Save(image_, access_.mid(1, 4), uint8_t(access_[0]));
        ++downloads_;
        state_ = State::Idle;
        break;
    case State::InformationOk:
        if (Token(b, n, "OK"))
            Reply("info-end", QByteArrayLiteral("END"), State::Idle);
        break;
    case State::PasswordOk:
        if (Token(b, n, "OK"))
            BeginUpload();
        break;
    case State::UploadBlockOk:
        if (!Token(b, n, "OK"))
            break;
        ++block_;
        Reply("up-block", upload_.mid(qsizetype(block_ - 1) * kBlock, kBlock),
              block_ < blocks_ ? State::UploadBlockOk : State::UploadCheckOk);
        break;
    case State::UploadCheckOk:
        if (Token(b, n, "OK"))
            Reply("up-check", QByteArray(1, char(CheckByte(upload_))), State::UploadEndOk);
        break;
    case State::UploadEndOk:
        if (Token(b, n, "OK"))
            Reply("up-end", QByteArrayLiteral("END"), State::Idle);
        break;
    case State::HungUp: break;
    }
}

void CPanelProtocol::Handshake()
{
    state_ = State::Idle;
    if (++handshakesSeen_ < options_.handshakeOn)
        return;
    input_.clear();
    inputAt_ = 0;
    discarded_ = true;
    Reply("handshake", QByteArrayLiteral("ZYL"), State::Code);
}

void CPanelProtocol::Exchange(uint8_t code)
{
    state_ = State::Idle;
    switch (code) {
    case 0x01: {
        QByteArray hello = QByteArrayLiteral("OK");
        for (uint8_t part : options_.firmware)
            hello.append(char(part));
        Reply("dl1", hello, State::Access);
        break;
    }
    case 0x10: Reply("info", InformationBlock(), State::InformationOk); break;
    case 0x11:
        // A panel whose image may not be uploaded does not answer.
        if (store_.uploadFlag)
            Reply("up-password", store_.password, State::PasswordOk);
        break;
    default: break;
    }
}

void CPanelProtocol::BeginUpload()
{
    upload_ = store_.image;
    upload_.append(QByteArray(kBlock - 4, '\0'));
    upload_.append(store_.password);
    blocks_ = int(upload_.size() / kBlock);
    block_ = 0;
    QByteArray count;
    count.append(char(blocks_ >> 8));
    count.append(char(blocks_));
    Reply("up-count", count, blocks_ > 0 ? State::UploadBlockOk : State::UploadCheckOk);
}

void CPanelProtocol::Reply(const char* point, QByteArray reply, State next)
{
    const QString name = QString::fromLatin1(point);
    const int reached = ++reached_[name];
    const PanelFault& f = options_.fault;
    state_ = next;
    if (f.kind != PanelFault::None && f.point == name
        && (f.occurrence == 0 || f.occurrence == reached)) {
        switch (f.kind) {
        case PanelFault::Silence: state_ = State::Idle; return;
        case PanelFault::HangUp: state_ = State::HungUp; return;
        case PanelFault::WrongReply: {
            reply[0] = char(uint8_t(reply[0]) ^ 0x01);
            const bool toolGoesOn =
                name == QLatin1String("up-block") || name == QLatin1String("up-count");
            if (!toolGoesOn)
                state_ = State::Idle;
            break;
        }
        case PanelFault::None: break;
        }
    }
    replies_.append(reply);
}

bool CPanelProtocol::Token(const uint8_t* bytes, int n, const char* token)
{
    if (n == int(std::strlen(token)) && std::memcmp(bytes, token, size_t(n)) == 0)
        return true;
    state_ = State::Idle;
    // The tool gave up and starts over.
    if (n == 2 && std::memcmp(bytes, "LB", 2) == 0)
        Handshake();
    return false;
}

QByteArray CPanelProtocol::InformationBlock() const
{
    QByteArray block;
    block.append(char(0x10));
    for (uint8_t part : options_.firmware)
        block.append(char(part));
    block.append(char(0)); // panel type RU03
    AppendBig32(block, kTotalMemory);
    AppendBig32(block, uint32_t(store_.image.size()));
    block.append(char(0)); // protocol
    block.append(char(store_.uploadFlag));
    return block;
}
