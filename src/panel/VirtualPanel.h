#pragma once
#include "PanelProtocol.h"
#include "PanelPty.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

struct VirtualPanelOptions : PanelProtocolOptions
{
    bool paced = false;
    int exchangeTimeoutMs = 6000; // silence from the tool ends an exchange
};

// The panel's side of the transfer protocol on a pseudo-terminal: the
// protocol reads what it wants from the line, at the line's pace when
// paced, and its replies go back on the line.
class CVirtualPanel
{
public:
    static constexpr uint32_t kTotalMemory = CPanelProtocol::kTotalMemory;

    explicit CVirtualPanel(VirtualPanelOptions options);
    ~CVirtualPanel();

    bool Open();
    QString DevicePath() const { return pty_.DevicePath(); }
    // Serves until Stop or a hang-up (blocking).
    void Serve();
    // Serve on a thread of its own.
    void Start();
    void Stop();

    const CPanelStore& Store() const { return protocol_.Store(); }
    // The image held now, safe to call while the panel serves on its thread.
    QByteArray StoredImage() const
    {
        std::lock_guard<std::mutex> lock(protocolMutex_);
        return protocol_.Store().image;
    }
    int DownloadsStored() const { return downloads_.load(); }
    // The tool is done once it has sent "END"; the panel stores after that.
    // True when `count` downloads are stored within the time.
    bool WaitForDownloads(int count, int timeoutMs = 3000) const;
    QByteArray LastCheckValue() const
    {
        std::lock_guard<std::mutex> lock(protocolMutex_);
        return protocol_.LastCheckValue();
    }

private:
    int WaitMs(PanelWait wait) const;

    VirtualPanelOptions options_;
    CPanelPty pty_;
    CPanelProtocol protocol_;
    mutable std::mutex protocolMutex_; // the store as a download replaces it
    std::atomic<int> downloads_{0};
    std::thread thread_;
};
