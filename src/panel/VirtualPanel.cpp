#include "VirtualPanel.h"

#include <chrono>

CVirtualPanel::CVirtualPanel(VirtualPanelOptions options)
    : options_(std::move(options)),
      protocol_(options_)
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

int CVirtualPanel::WaitMs(PanelWait wait) const
{
    switch (wait) {
    case PanelWait::Forever: return -1;
    case PanelWait::HandshakeByte: return 500;
    case PanelWait::Exchange: break;
    }
    return options_.exchangeTimeoutMs;
}

void CVirtualPanel::Serve()
{
    uint8_t bytes[CPanelProtocol::kBlock];
    while (!pty_.StopRequested() && pty_.IsOpen()) {
        // Exactly what the panel wants next, so that a paced line delivers
        // each portion when its last byte has arrived.
        const int n = protocol_.BytesWanted();
        if (!pty_.Read(bytes, n, WaitMs(protocol_.Wait()))) {
            if (pty_.StopRequested() || !pty_.IsOpen())
                break;
            std::lock_guard<std::mutex> lock(protocolMutex_);
            protocol_.TimedOut();
            continue;
        }
        QByteArray replies;
        bool discard = false;
        bool hungUp = false;
        {
            std::lock_guard<std::mutex> lock(protocolMutex_);
            protocol_.Feed(bytes, n);
            replies = protocol_.TakeReplies();
            discard = protocol_.TakeDiscard();
            hungUp = protocol_.HungUp();
        }
        downloads_.store(protocol_.DownloadsStored());
        if (discard)
            pty_.DiscardInput();
        if (!replies.isEmpty() && !pty_.Write(replies))
            break;
        if (hungUp) {
            pty_.HangUp();
            break;
        }
    }
}
