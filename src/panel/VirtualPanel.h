#pragma once
#include "PanelPty.h"
#include "PanelStore.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <thread>

// A fault to play at one reply point of the panel. Points: handshake,
// dl1 (reply to the download code), dl2 (password), dl3 (block count),
// dl4 (block), dl5 (check value), info, info-end, up-password, up-count,
// up-block, up-check, up-end.
struct PanelFault
{
    enum Kind { None, Silence, WrongReply, HangUp };
    Kind kind = None;
    QString point;
    int occurrence = 1; // the n-th time the point is reached
    // "silence@dl4", "wrong@up-check:2", "hangup@dl4:3"; false when malformed.
    static bool Parse(const QString& text, PanelFault* fault);
};

struct VirtualPanelOptions
{
    QString storeDir;
    std::array<uint8_t, 4> firmware{1, 0, 0, 4}; // new enough for the images this tool makes
    bool paced = false;
    int handshakeOn = 1; // answers the n-th "LB" first
    PanelFault fault;
    int exchangeTimeoutMs = 6000; // silence from the tool ends an exchange
};

// The panel's side of the transfer protocol on a pseudo-terminal: handshake,
// download (stored with its password and flag), get information and
// upload of the stored image with its 64-byte trailer.
class CVirtualPanel
{
public:
    static constexpr uint32_t kTotalMemory = 131072;

    explicit CVirtualPanel(VirtualPanelOptions options);
    ~CVirtualPanel();

    bool Open();
    QString DevicePath() const { return pty_.DevicePath(); }
    // Serves until Stop or a hang-up (blocking).
    void Serve();
    // Serve on a thread of its own.
    void Start();
    void Stop();

    const CPanelStore& Store() const { return store_; }
    // The image held now, safe to call while the panel serves on its thread.
    QByteArray StoredImage() const
    {
        std::lock_guard<std::mutex> lock(storeMutex_);
        return store_.image;
    }
    int DownloadsStored() const { return downloads_.load(); }
    // The tool is done once it has sent "END"; the panel stores after that.
    // True when `count` downloads are stored within the time.
    bool WaitForDownloads(int count, int timeoutMs = 3000) const;
    QByteArray LastCheckValue() const { return lastCheck_; }

private:
    enum class Outcome { Done, Abandoned, HungUp };
    Outcome Exchange(uint8_t code);
    Outcome Download();
    Outcome Information();
    Outcome Upload();
    // Sends `reply` at a point unless a fault says otherwise.
    Outcome Reply(const char* point, QByteArray reply);
    bool ReadExact(uint8_t* bytes, int n);
    bool ReadToken(const char* token);
    QByteArray InformationBlock() const;

    VirtualPanelOptions options_;
    CPanelPty pty_;
    CPanelStore store_;
    mutable std::mutex storeMutex_; // the store as a download replaces it
    std::map<QString, int> reached_;
    int handshakesSeen_ = 0;
    bool handshakePending_ = false;
    std::atomic<int> downloads_{0};
    QByteArray lastCheck_;
    std::thread thread_;
};
