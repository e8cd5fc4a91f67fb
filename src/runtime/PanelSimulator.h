#pragma once
#include "PanelFrame.h"
#include "PanelLogEntry.h"
#include "PanelMemory.h"
#include "PanelReference.h"
#include "RuntimeImage.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <vector>

class CPanelAlarmList;
class CPanelTrendSamples;

// The whole panel running a runtime image: its screens, keys, alarm list,
// PLC <-> Panel exchange, screen protection and display. Time is given by
// Advance (1 tick = 1 ms), never taken from the clock.
class CPanelSimulator
{
public:
    CPanelSimulator();
    ~CPanelSimulator();
    CPanelSimulator(const CPanelSimulator&) = delete;
    CPanelSimulator& operator=(const CPanelSimulator&) = delete;

    // Loads a runtime image; false with the reader's message when it cannot
    // be read (the previous image stays). A second Load (simulate again after
    // an edit) keeps the PLC values and the current screen when that screen
    // still exists.
    bool Load(const QByteArray& runtimeImage, QString* error);
    // The same with an image already decoded.
    void LoadImage(const RuntimeImage& image);
    bool IsLoaded() const { return loaded_; }
    const RuntimeImage& Image() const { return image_; }

    void PressKey(int key); // 1..5 = F1..F5; a press of a key already down is ignored
    void ReleaseKey(int key);
    bool IsKeyDown(int key) const;
    bool PasswordPending() const { return pendingKey_ != 0; } // a key waits for the option password
    int PendingKey() const { return pendingKey_; }
    void EnterPassword(const QString& digits); // right: the key acts; wrong: refused and logged
    void CancelPassword();
    void Advance(int ms); // time goes on: timers, trend sampling, PLC polling

    int CurrentScreen() const; // the screen number shown (also while the alarm list shows)
    bool ShowsAlarmList() const;
    bool BacklightOn() const;
    bool ShowsLogScreen() const { return logUntil_ >= 0; }
    bool ShowsProtectScreen() const;
    // The first alarm row shown by the alarm list (its scroll position).
    int AlarmListTop() const;
    // The numbers of the active alarms, ascending.
    std::vector<int> ActiveAlarms() const;

    // The engineer playing the PLC: writes go through here so the panel
    // reacts (PLC-to-panel screen switch, beep) at once, as well as at the
    // next Advance.
    CPanelMemory& Memory() { return memory_; }
    const CPanelMemory& Memory() const { return memory_; }
    void PlcWriteWord(RuntimeRegister r, quint16 v);
    void PlcWriteDWord(RuntimeRegister r, quint32 v);
    void PlcWriteCoil(RuntimeRegister r, bool on);

    // A value typed on the panel into a numeric of the current screen (by
    // its index in the screen's objects): written to its register when the
    // text is a value of its format that the numeric can show and, with
    // range check on, within its range; false (and logged) otherwise.
    bool EnterNumeric(int objectIndex, const QString& text);

    std::vector<PanelReference> References() const;
    const std::vector<PanelLogEntry>& Log() const { return log_; }
    // Entries dropped from the front of the log once it grew too long.
    qint64 LogDropped() const { return logDropped_; }
    qint64 Time() const { return time_; }

    CPanelFrame Frame() const; // the display now

    // Minutes of the screen protect time index (0: never).
    static int ProtectMinutes(int index);

private:
    const RuntimeScreen* shownScreen() const;
    int shownNumber() const;
    bool protectShowsScreen() const;
    void start();
    void showScreen(int number);
    void enterScreen();
    void keyAction(int key, const RuntimeFunctionKey& k);
    void alarmListKey(int key);
    bool wake();
    void poll();
    void writeCoil(RuntimeRegister r, bool on, int key);
    void addLog(PanelLogEntry e);
    void advanceTo(qint64 until);
    qint64 protectDue() const;
    void watchPlcWords();

    RuntimeImage image_;
    bool loaded_ = false;
    CPanelMemory memory_;
    qint64 time_ = 0;
    int screen_ = 0; // the screen shown when neither log nor protect screen shows
    bool alarmList_ = false;
    qint64 logUntil_ = -1; // the log screen shows until then
    bool protected_ = false;
    qint64 lastActivity_ = 0; // the last key (or start, wake, PLC switch)
    int writtenScreen_ = -1;  // the number last written to the panel-to-PLC register
    int trendScreen_ = -1;    // the screen whose trend meters are sampled
    std::array<bool, 5> down_{};
    std::array<bool, 5> swallow_{}; // the release of a press that did nothing
    std::array<bool, 5> instantHeld_{};
    std::array<RuntimeRegister, 5> instantCoil_{};
    int pendingKey_ = 0;
    RuntimeFunctionKey pendingRecord_;
    RuntimeRegister switchReg_; // the PLC-to-panel word being watched
    quint16 lastSwitch_ = 0;    // its value as last seen
    quint16 lastBeep_ = 0;      // the beep word as last seen
    std::unique_ptr<CPanelAlarmList> alarms_;
    std::unique_ptr<CPanelTrendSamples> trends_;
    std::vector<PanelLogEntry> log_;
    qint64 logDropped_ = 0;
};
