#pragma once
#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <deque>

struct termios;

// The panel's end of a pseudo-terminal: the tool opens the slave device as
// its serial port. The panel keeps a slave descriptor open itself so that
// the line stays up between the tool's sessions. Optionally paces both
// directions as a real line would: every character takes 11 bit times
// (start, 8 data, parity, stop) and becomes visible when its stop bit ends.
class CPanelPty
{
public:
    static constexpr int kBaud = 38400;
    static constexpr int kBitsPerChar = 11;

    CPanelPty();
    ~CPanelPty();
    CPanelPty(const CPanelPty&) = delete;
    CPanelPty& operator=(const CPanelPty&) = delete;

    bool Open();
    QString DevicePath() const { return slavePath_; }
    void SetPaced(bool paced) { paced_ = paced; }
    bool IsOpen() const { return master_ >= 0; }

    // Exactly n bytes; false on timeout (timeoutMs < 0: none), stop or hang-up.
    bool Read(uint8_t* bytes, int n, int timeoutMs);
    bool Write(const uint8_t* bytes, int n);
    bool Write(const QByteArray& bytes)
    {
        return Write(reinterpret_cast<const uint8_t*>(bytes.constData()), int(bytes.size()));
    }
    // The line settings the tool's side has set (speed, character size,
    // parity, stop bits, flow control, raw mode).
    bool LineSettings(termios* t) const;
    // Drops what has arrived and not been read.
    void DiscardInput();
    // Closes both ends: the tool sees the line go down.
    void HangUp();
    // Wakes a blocked Read, which then fails.
    void RequestStop();
    bool StopRequested() const { return stop_.load(); }

    // Nanoseconds one character occupies the line.
    static int64_t CharTimeNs(int64_t chars) { return chars * kBitsPerChar * 1000000000LL / kBaud; }

private:
    bool Fill(int timeoutMs); // reads what is there, waiting up to timeoutMs
    static int64_t Now();
    static void SleepUntil(int64_t ns);

    int master_ = -1;
    int slave_ = -1;
    int wake_[2] = {-1, -1};
    QString slavePath_;
    bool paced_ = false;
    std::atomic<bool> stop_{false};
    struct Byte
    {
        uint8_t value;
        int64_t readyAt;
    };
    std::deque<Byte> in_;
    int64_t rxFree_ = 0; // when the line from the tool is free again
    int64_t txFree_ = 0; // when the line to the tool is free again
};
