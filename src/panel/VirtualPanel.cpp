#include "VirtualPanel.h"

#include <QStringList>

#include <cstring>

namespace {

uint8_t Xor(const QByteArray& bytes)
{
    uint8_t v = 0;
    for (char c : bytes)
        v ^= uint8_t(c);
    return v;
}

void AppendBig32(QByteArray& out, uint32_t v)
{
    out.append(char(v >> 24));
    out.append(char(v >> 16));
    out.append(char(v >> 8));
    out.append(char(v));
}

constexpr int kBlock = 64;

} // namespace

bool PanelFault::Parse(const QString& text, PanelFault* fault)
{
    static const QStringList points = {
        QStringLiteral("handshake"), QStringLiteral("dl1"),      QStringLiteral("dl2"),
        QStringLiteral("dl3"),       QStringLiteral("dl4"),      QStringLiteral("dl5"),
        QStringLiteral("info"),      QStringLiteral("info-end"), QStringLiteral("up-password"),
        QStringLiteral("up-count"),  QStringLiteral("up-block"), QStringLiteral("up-check"),
        QStringLiteral("up-end")};
    const QString kind = text.section(QLatin1Char('@'), 0, 0);
    QString where = text.section(QLatin1Char('@'), 1);
    PanelFault f;
    if (kind == QLatin1String("silence"))
        f.kind = Silence;
    else if (kind == QLatin1String("wrong"))
        f.kind = WrongReply;
    else if (kind == QLatin1String("hangup"))
        f.kind = HangUp;
    else
        return false;
    if (where.contains(QLatin1Char(':'))) {
        bool ok = false;
        f.occurrence = where.section(QLatin1Char(':'), 1).toInt(&ok);
        if (!ok || f.occurrence < 0)
            return false;
        where = where.section(QLatin1Char(':'), 0, 0);
    }
    if (!points.contains(where))
        return false;
    f.point = where;
    *fault = f;
    return true;
}

CVirtualPanel::CVirtualPanel(VirtualPanelOptions options)
    : options_(std::move(options)),
      store_(options_.storeDir)
{
    pty_.SetPaced(options_.paced);
}

CVirtualPanel::~CVirtualPanel()
{
    Stop();
}

bool CVirtualPanel::Open()
{
    return pty_.Open();
}

void CVirtualPanel::Start()
{
    thread_ = std::thread([this] { Serve(); });
}

void CVirtualPanel::Stop()
{
    pty_.RequestStop();
    if (thread_.joinable())
        thread_.join();
}

bool CVirtualPanel::WaitForDownloads(int count, int timeoutMs) const
{
    for (int waited = 0; downloads_.load() < count; waited += 5) {
        if (waited >= timeoutMs)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool CVirtualPanel::ReadExact(uint8_t* bytes, int n)
{
    return pty_.Read(bytes, n, options_.exchangeTimeoutMs);
}

bool CVirtualPanel::ReadToken(const char* token)
{
    const int n = int(std::strlen(token));
    uint8_t got[8] = {};
    if (!ReadExact(got, n))
        return false;
    if (std::memcmp(got, token, size_t(n)) == 0)
        return true;
    // The tool gave up and starts over.
    if (n == 2 && std::memcmp(got, "LB", 2) == 0)
        handshakePending_ = true;
    return false;
}

CVirtualPanel::Outcome CVirtualPanel::Reply(const char* point, QByteArray reply)
{
    const QString name = QString::fromLatin1(point);
    const int reached = ++reached_[name];
    const PanelFault& f = options_.fault;
    if (f.kind != PanelFault::None && f.point == name
        && (f.occurrence == 0 || f.occurrence == reached)) {
        switch (f.kind) {
        case PanelFault::Silence: return Outcome::Abandoned;
        case PanelFault::HangUp: pty_.HangUp(); return Outcome::HungUp;
        case PanelFault::WrongReply: {
            reply[0] = char(uint8_t(reply[0]) ^ 0x01);
            const bool toolGoesOn =
                name == QLatin1String("up-block") || name == QLatin1String("up-count");
            if (!pty_.Write(reply))
                return Outcome::HungUp;
            return toolGoesOn ? Outcome::Done : Outcome::Abandoned;
        }
        case PanelFault::None: break;
        }
    }
    return pty_.Write(reply) ? Outcome::Done : Outcome::HungUp;
}

void CVirtualPanel::Serve()
{
    while (!pty_.StopRequested() && pty_.IsOpen()) {
        if (!handshakePending_) {
            uint8_t c = 0;
            if (!pty_.Read(&c, 1, -1)) {
                if (pty_.StopRequested() || !pty_.IsOpen())
                    break;
                continue;
            }
            if (c != 'L')
                continue;
            if (!pty_.Read(&c, 1, 500) || c != 'B')
                continue;
        }
        handshakePending_ = false;
        if (++handshakesSeen_ < options_.handshakeOn)
            continue;
        // Several "LB" queued up while the panel was busy get one answer.
        pty_.DiscardInput();
        Outcome o = Reply("handshake", QByteArrayLiteral("ZYL"));
        if (o == Outcome::HungUp)
            break;
        if (o == Outcome::Abandoned)
            continue;
        uint8_t code = 0;
        if (!ReadExact(&code, 1))
            continue;
        if (Exchange(code) == Outcome::HungUp)
            break;
    }
}

CVirtualPanel::Outcome CVirtualPanel::Exchange(uint8_t code)
{
    switch (code) {
    case 0x01: return Download();
    case 0x10: return Information();
    case 0x11: return Upload();
    default: return Outcome::Abandoned;
    }
}

CVirtualPanel::Outcome CVirtualPanel::Download()
{
    QByteArray hello = QByteArrayLiteral("OK");
    for (uint8_t part : options_.firmware)
        hello.append(char(part));
    Outcome o = Reply("dl1", hello);
    if (o != Outcome::Done)
        return o;
    uint8_t access[5];
    if (!ReadExact(access, 5))
        return Outcome::Abandoned;
    if ((o = Reply("dl2", QByteArrayLiteral("OK"))) != Outcome::Done)
        return o;
    uint8_t count[2];
    if (!ReadExact(count, 2))
        return Outcome::Abandoned;
    const int blocks = count[0] << 8 | count[1];
    if (qint64(blocks) * kBlock + kBlock > kTotalMemory) {
        pty_.Write(QByteArrayLiteral("NG"));
        return Outcome::Abandoned;
    }
    if ((o = Reply("dl3", QByteArrayLiteral("OK"))) != Outcome::Done)
        return o;
    QByteArray image;
    image.reserve(blocks * kBlock);
    uint8_t block[kBlock];
    for (int b = 0; b < blocks; ++b) {
        if (!ReadExact(block, kBlock))
            return Outcome::Abandoned;
        image.append(reinterpret_cast<const char*>(block), kBlock);
        if ((o = Reply("dl4", QByteArrayLiteral("OK"))) != Outcome::Done)
            return o;
    }
    uint8_t check = 0;
    if (!ReadExact(&check, 1))
        return Outcome::Abandoned;
    lastCheck_ = QByteArray(1, char(check));
    if (check != Xor(image)) {
        pty_.Write(QByteArrayLiteral("NG"));
        return Outcome::Abandoned;
    }
    if ((o = Reply("dl5", QByteArrayLiteral("OK"))) != Outcome::Done)
        return o;
    if (!ReadToken("END"))
        return Outcome::Abandoned;
    {
        std::lock_guard<std::mutex> lock(storeMutex_);
        store_.Save(image, QByteArray(reinterpret_cast<const char*>(access + 1), 4), access[0]);
    }
    ++downloads_;
    return Outcome::Done;
}

QByteArray CVirtualPanel::InformationBlock() const
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

CVirtualPanel::Outcome CVirtualPanel::Information()
{
    Outcome o = Reply("info", InformationBlock());
    if (o != Outcome::Done)
        return o;
    if (!ReadToken("OK"))
        return Outcome::Abandoned;
    return Reply("info-end", QByteArrayLiteral("END"));
}

CVirtualPanel::Outcome CVirtualPanel::Upload()
{
    // A panel whose image may not be uploaded does not answer.
    if (!store_.uploadFlag)
        return Outcome::Abandoned;
    Outcome o = Reply("up-password", store_.password);
    if (o != Outcome::Done)
        return o;
    if (!ReadToken("OK"))
        return Outcome::Abandoned;
    QByteArray data = store_.image;
    data.append(QByteArray(kBlock - 4, '\0'));
    data.append(store_.password);
    const int blocks = int(data.size() / kBlock);
    QByteArray count;
    count.append(char(blocks >> 8));
    count.append(char(blocks));
    if ((o = Reply("up-count", count)) != Outcome::Done)
        return o;
    for (int b = 0; b < blocks; ++b) {
        if (!ReadToken("OK"))
            return Outcome::Abandoned;
        if ((o = Reply("up-block", data.mid(b * kBlock, kBlock))) != Outcome::Done)
            return o;
    }
    if (!ReadToken("OK"))
        return Outcome::Abandoned;
    if ((o = Reply("up-check", QByteArray(1, char(Xor(data))))) != Outcome::Done)
        return o;
    if (!ReadToken("OK"))
        return Outcome::Abandoned;
    return Reply("up-end", QByteArrayLiteral("END"));
}
