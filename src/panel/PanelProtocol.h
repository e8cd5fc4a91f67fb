#pragma once
#include "PanelFault.h"
#include "PanelStore.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <map>

struct PanelProtocolOptions
{
    QString storeDir;                            // none: the store lives in memory only
    std::array<uint8_t, 4> firmware{1, 0, 0, 4}; // new enough for the images this tool makes
    int handshakeOn = 1;                         // answers the n-th "LB" first
    PanelFault fault;
};

// How long the panel waits for the bytes it wants next: for ever (between
// exchanges), briefly (the "B" after an "L"), or as long as an exchange may
// stay silent.
enum class PanelWait { Forever, HandshakeByte, Exchange };

// The panel's side of the transfer protocol, driven by the bytes it
// receives: handshake, download (stored with its password and flag), get
// information and upload of the stored image with its 64-byte trailer. It
// owns no line and keeps no time: whoever carries the bytes feeds them in,
// sends the replies on, and says when a wait ran out. A fault is played at
// its reply point: silence, a wrong reply or a hang-up.
class CPanelProtocol
{
public:
    static constexpr uint32_t kTotalMemory = 131072;
    static constexpr int kBlock = 64;

    explicit CPanelProtocol(PanelProtocolOptions options);

    // What the panel waits for next: this many bytes (0 once it has hung
    // up), within this wait.
    int BytesWanted() const;
    PanelWait Wait() const;
    // Bytes from the tool, in any portions: the panel takes them as it
    // wants them and keeps the rest for its next step.
    void Feed(const void* bytes, int n);
    void Feed(const QByteArray& bytes) { Feed(bytes.constData(), int(bytes.size())); }
    // The wanted bytes did not come within the wait: an exchange is given up.
    void TimedOut();
    // The replies made since the last call, in order.
    QByteArray TakeReplies();
    // True once after the panel dropped the input it had not read (several
    // "LB" queued up while it was busy get one answer); a line with input
    // buffered on its own side drops that too.
    bool TakeDiscard();
    // A hang-up fault took the line down: the panel takes and says nothing.
    bool HungUp() const { return state_ == State::HungUp; }
    // The panel starts again after a hang-up, its store kept.
    void Restart();

    const CPanelStore& Store() const { return store_; }
    // What the panel holds, to be given an image before a session.
    CPanelStore& Store() { return store_; }
    int DownloadsStored() const { return downloads_; }
    // The check value of the last download, as the tool sent it.
    QByteArray LastCheckValue() const { return lastCheck_; }

private:
    enum class State {
        Idle,
        HandshakeB,
        Code,
        Access,
        Count,
        Block,
        Check,
        DownloadEnd,
        InformationOk,
        PasswordOk,
        UploadBlockOk,
        UploadCheckOk,
        UploadEndOk,
        HungUp,
    };

    void Step(const uint8_t* bytes, int n);
    void Handshake();
    void Exchange(uint8_t code);
    void BeginUpload();
    // `reply` at a point unless a fault says otherwise; then the state is
    // `next` if the tool goes on.
    void Reply(const char* point, QByteArray reply, State next);
    // The 2- or 3-byte token the tool was to send; anything else ends the
    // exchange, and an "LB" is a handshake at once.
    bool Token(const uint8_t* bytes, int n, const char* token);
    QByteArray InformationBlock() const;

    PanelProtocolOptions options_;
    CPanelStore store_;
    State state_ = State::Idle;
    QByteArray input_; // fed and not yet taken, from inputAt_
    qsizetype inputAt_ = 0;
    QByteArray replies_;
    bool discarded_ = false;
    std::map<QString, int> reached_;
    int handshakesSeen_ = 0;
    int downloads_ = 0;
    QByteArray lastCheck_;
    // The exchange under way: the access bytes, the blocks and image of a
    // download, the bytes of an upload, and the block at hand.
    QByteArray access_;
    QByteArray image_;
    QByteArray upload_;
    int blocks_ = 0;
    int block_ = 0;
};
