#include "PanelSimulator.h"
#include "RuntimeObjectKinds.h"
#include "PanelAlarmList.h"
#include "PanelNumericField.h"
#include "PanelReferenceTable.h"
#include "PanelScreenRenderer.h"
#include "PanelTrendSamples.h"
#include "PanelValue.h"
#include "RuntimeImageReader.h"

#include <algorithm>

namespace {

constexpr qint64 kMinuteMs = 60 * 1000;
constexpr size_t kLogLimit = 100000;
constexpr int kProtectMinutes[] = {0, 1, 2, 3, 5, 10, 15, 20, 30, 45, 60};

RuntimeRegister beepWord(const RuntimeProjectHeader& h)
{
    return CPanelMemory::Next(h.plcToPanel);
}

} // namespace

CPanelSimulator::CPanelSimulator()
    : alarms_(std::make_unique<CPanelAlarmList>()),
      trends_(std::make_unique<CPanelTrendSamples>())
{}

CPanelSimulator::~CPanelSimulator() = default;

int CPanelSimulator::ProtectMinutes(int index)
{
    return index >= 0 && index < int(std::size(kProtectMinutes)) ? kProtectMinutes[index] : 0;
}

bool CPanelSimulator::Load(const QByteArray& runtimeImage, QString* error)
{
    RuntimeImage image;
    if (!ReadRuntimeImage(runtimeImage, image, error))
        return false;
    LoadImage(image);
    return true;
}

void CPanelSimulator::LoadImage(const RuntimeImage& image)
{
    const bool first = !loaded_;
    image_ = image;
    loaded_ = true;
    memory_.SetWordOrder((image_.comm.WordOrder() == 1) != image_.header.DwordExchange());
    pendingKey_ = 0;
    if (first) {
        watchPlcWords();
        start();
    } else {
        // Simulating again: the PLC keeps its values and the panel its screen
        // when the new image still has it; log screen and protection end.
        logUntil_ = -1;
        protected_ = false;
        lastActivity_ = time_;
        if (!image_.FindScreen(screen_)) {
            screen_ = image_.header.startScreen;
            alarmList_ = false;
        }
        if (switchReg_ != image_.header.plcToPanel)
            watchPlcWords();
        trendScreen_ = -1;
        writtenScreen_ = -1;
        enterScreen();
    }
    poll();
}

void CPanelSimulator::watchPlcWords()
{
    switchReg_ = image_.header.plcToPanel;
    lastSwitch_ = memory_.Word(switchReg_);
    lastBeep_ = memory_.Word(beepWord(image_.header));
}

void CPanelSimulator::start()
{
    const RuntimeProjectHeader& h = image_.header;
    screen_ = h.startScreen;
    alarmList_ = false;
    protected_ = false;
    logUntil_ = h.LogScreenEnabled() && h.logTimer > 0 ? time_ + qint64(h.logTimer) * 1000 : -1;
    lastActivity_ = time_;
    enterScreen();
}

bool CPanelSimulator::protectShowsScreen() const
{
    return image_.header.ProtectShowsScreen();
}

int CPanelSimulator::shownNumber() const
{
    if (logUntil_ >= 0)
        return image_.header.logScreen;
    if (protected_ && protectShowsScreen())
        return image_.header.protectScreen;
    return screen_;
}

const RuntimeScreen* CPanelSimulator::shownScreen() const
{
    return loaded_ ? image_.FindScreen(shownNumber()) : nullptr;
}

int CPanelSimulator::CurrentScreen() const
{
    return loaded_ ? shownNumber() : 0;
}

bool CPanelSimulator::ShowsAlarmList() const
{
    return loaded_ && alarmList_ && logUntil_ < 0 && !(protected_ && protectShowsScreen());
}

bool CPanelSimulator::BacklightOn() const
{
    return !(loaded_ && protected_ && !protectShowsScreen());
}

bool CPanelSimulator::ShowsProtectScreen() const
{
    return loaded_ && protected_ && protectShowsScreen();
}

std::vector<int> CPanelSimulator::ActiveAlarms() const
{
    return CPanelAlarmList::Active(image_, memory_);
}

int CPanelSimulator::AlarmListTop() const
{
    return alarms_->Top(int(ActiveAlarms().size()));
}

bool CPanelSimulator::IsKeyDown(int key) const
{
    return key >= 1 && key <= 5 && down_[size_t(key - 1)];
}

// The screen shown may have changed: its trend meters start sampling and the
// panel-to-PLC word learns its number.
void CPanelSimulator::enterScreen()
{
    const int number = shownNumber();
    if (number != trendScreen_) {
        trends_->Start(shownScreen(), time_, memory_);
        trendScreen_ = number;
    }
    const RuntimeProjectHeader& h = image_.header;
    if (h.panelToPlcEnabled && number != writtenScreen_) {
        writtenScreen_ = number;
        memory_.SetWord(h.panelToPlc, quint16(number));
        addLog(
            {PanelLogEntry::ScreenNumberWritten, time_, h.panelToPlc, quint32(quint16(number)), 0});
    }
}

void CPanelSimulator::showScreen(int number)
{
    if (!image_.FindScreen(number))
        return; // no such screen: the panel stays
    screen_ = number;
    alarmList_ = false;
    enterScreen();
}

bool CPanelSimulator::wake()
{
    if (!protected_)
        return false;
    protected_ = false;
    lastActivity_ = time_;
    enterScreen();
    return true;
}

void CPanelSimulator::PressKey(int key)
{
    if (!loaded_ || key < 1 || key > 5 || down_[size_t(key - 1)])
        return;
    const size_t i = size_t(key - 1);
    down_[i] = true;
    swallow_[i] = true;
    // The log screen takes no keys; the first key after protection only
    // wakes the panel; no key acts while the password is asked.
    if (logUntil_ >= 0)
        return;
    if (wake())
        return;
    lastActivity_ = time_;
    if (pendingKey_ != 0)
        return;
    swallow_[i] = false;
    if (alarmList_) {
        alarmListKey(key);
        return;
    }
    const RuntimeScreen* screen = shownScreen();
    if (!screen)
        return;
    const RuntimeFunctionKey& k = screen->keys[i];
    if (!k.Used())
        return;
    if (k.NeedsPassword()) {
        pendingKey_ = key;
        pendingRecord_ = k;
        return;
    }
    keyAction(key, k);
}

void CPanelSimulator::ReleaseKey(int key)
{
    if (key < 1 || key > 5 || !down_[size_t(key - 1)])
        return;
    const size_t i = size_t(key - 1);
    down_[i] = false;
    if (swallow_[i]) {
        swallow_[i] = false;
        return;
    }
    if (instantHeld_[i]) {
        instantHeld_[i] = false;
        writeCoil(instantCoil_[i], false, key);
    }
}

void CPanelSimulator::EnterPassword(const QString& digits)
{
    const int key = pendingKey_;
    if (key == 0)
        return;
    pendingKey_ = 0;
    const QString typed = digits.trimmed();
    bool right = !typed.isEmpty() && typed.size() <= 8;
    for (QChar c : typed)
        right = right && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    // The option password is kept right-aligned in eight places, "0" for the
    // places without a digit: "1234" is "00001234".
    right =
        right
        && QString(8 - typed.size(), QLatin1Char('0')) + typed == image_.header.PasswordDigits();
    if (!right) {
        addLog({PanelLogEntry::PasswordRefused, time_, {}, 0, key});
        return;
    }
    lastActivity_ = time_;
    swallow_[size_t(key - 1)] = false;
    keyAction(key, pendingRecord_);
}

void CPanelSimulator::CancelPassword()
{
    pendingKey_ = 0;
}

void CPanelSimulator::keyAction(int key, const RuntimeFunctionKey& k)
{
    const size_t i = size_t(key - 1);
    switch (k.Function()) {
    case int(RuntimeKeyFunction::SetCoil):
        switch (k.coilAction) {
        case 0: writeCoil(k.coil, true, key); break;
        case 1: writeCoil(k.coil, false, key); break;
        case 2: writeCoil(k.coil, !memory_.Coil(k.coil), key); break;
        case 3:
            writeCoil(k.coil, true, key);
            // On while the key is down; a key released while its password
            // was asked goes off at once.
            if (down_[i]) {
                instantHeld_[i] = true;
                instantCoil_[i] = k.coil;
            } else {
                writeCoil(k.coil, false, key);
            }
            break;
        default: break;
        }
        break;
    case int(RuntimeKeyFunction::SetRegister):
        if (k.quantity == 2) {
            memory_.SetDWord(k.reg, k.value);
            addLog({PanelLogEntry::RegisterWritten, time_, k.reg, k.value, key});
        } else {
            memory_.SetWord(k.reg, quint16(k.value));
            addLog({PanelLogEntry::RegisterWritten, time_, k.reg, k.value & 0xFFFF, key});
        }
        break;
    case int(RuntimeKeyFunction::ScreenChange):
        if (k.target == 1) {
            alarmList_ = true;
            alarms_->Reset();
        } else {
            showScreen(k.targetScreen);
        }
        break;
    case int(RuntimeKeyFunction::Advanced):
        addLog({PanelLogEntry::RunStop, time_, RuntimeRegister{k.device, 0}, k.command, key});
        break;
    default: break;
    }
}

void CPanelSimulator::alarmListKey(int key)
{
    switch (key) {
    case 1: alarms_->ScrollUp(); break;
    case 2: alarms_->ScrollDown(int(ActiveAlarms().size())); break;
    default: alarmList_ = false; break; // back to the screen that called it
    }
}

void CPanelSimulator::writeCoil(RuntimeRegister r, bool on, int key)
{
    memory_.SetCoil(r, on);
    addLog({PanelLogEntry::CoilSet, time_, r, on ? 1u : 0u, key});
}

void CPanelSimulator::addLog(PanelLogEntry e)
{
    if (log_.size() >= kLogLimit) {
        const size_t drop = kLogLimit / 10;
        log_.erase(log_.begin(), log_.begin() + qsizetype(drop));
        logDropped_ += qint64(drop);
    }
    log_.push_back(e);
}

qint64 CPanelSimulator::protectDue() const
{
    if (protected_ || logUntil_ >= 0)
        return -1;
    const int minutes = ProtectMinutes(image_.header.protectTimeIndex);
    return minutes > 0 ? lastActivity_ + minutes * kMinuteMs : -1;
}

void CPanelSimulator::Advance(int ms)
{
    if (ms <= 0)
        return;
    if (!loaded_) {
        time_ += ms;
        return;
    }
    advanceTo(time_ + ms);
    poll();
}

void CPanelSimulator::advanceTo(qint64 until)
{
    for (;;) {
        qint64 next = until;
        if (logUntil_ >= 0)
            next = std::min(next, logUntil_);
        const qint64 due = protectDue();
        if (due >= 0)
            next = std::min(next, std::max(due, time_));
        trends_->AdvanceTo(next, memory_);
        time_ = next;
        if (logUntil_ >= 0 && time_ >= logUntil_) {
            logUntil_ = -1;
            lastActivity_ = time_;
            enterScreen();
            poll(); // a screen switch asked for during the log screen
        } else if (due >= 0 && time_ >= due) {
            protected_ = true;
            enterScreen();
        }
        if (time_ >= until)
            return;
    }
}

void CPanelSimulator::poll()
{
    if (!loaded_)
        return;
    const RuntimeProjectHeader& h = image_.header;
    // The switch-to word is acted on when it changes to the number of a
    // screen; the log screen defers it until it ends.
    if (h.PlcSwitchesScreen() && logUntil_ < 0) {
        const quint16 v = memory_.Word(switchReg_);
        if (v != lastSwitch_) {
            lastSwitch_ = v;
            if (image_.FindScreen(v)) {
                wake();
                lastActivity_ = time_;
                showScreen(v);
            }
        }
    }
    if (h.BeepControl()) {
        const quint16 v = memory_.Word(beepWord(h));
        if (v != lastBeep_) {
            if (lastBeep_ == 0)
                addLog({PanelLogEntry::Beep, time_, beepWord(h), v, 0});
            lastBeep_ = v;
        }
    }
}

void CPanelSimulator::PlcWriteWord(RuntimeRegister r, quint16 v)
{
    memory_.SetWord(r, v);
    poll();
}

void CPanelSimulator::PlcWriteDWord(RuntimeRegister r, quint32 v)
{
    memory_.SetDWord(r, v);
    poll();
}

void CPanelSimulator::PlcWriteCoil(RuntimeRegister r, bool on)
{
    memory_.SetCoil(r, on);
    poll();
}

bool CPanelSimulator::EnterNumeric(int objectIndex, const QString& text)
{
    if (!loaded_ || logUntil_ >= 0)
        return false;
    if (wake())
        return false; // typing on a sleeping panel only wakes it
    lastActivity_ = time_;
    const RuntimeScreen* screen = ShowsAlarmList() ? nullptr : shownScreen();
    if (!screen || objectIndex < 0 || objectIndex >= int(screen->objects.size()))
        return false;
    const RuntimeObject& o = screen->objects[size_t(objectIndex)];
    if (o.kind != RK_NUMERIC)
        return false;
    const RuntimeValueFormat f = NumericFormat(o);
    CPanelValue v;
    bool ok = CPanelValue::Parse(text, f, &v) && CPanelNumericField(o).Fits(v);
    if (ok && o.RangeCheck()) {
        const CPanelValue min(o.minimum, f), max(o.maximum, f);
        ok = min.IsNumber() && max.IsNumber() && v.Number() >= min.Number()
             && v.Number() <= max.Number();
    }
    if (!ok) {
        addLog({PanelLogEntry::NumericRefused, time_, o.reg, 0, 0});
        return false;
    }
    v.Write(memory_, o.reg);
    addLog({PanelLogEntry::NumericEntered, time_, o.reg, v.Pattern(), 0});
    return true;
}

std::vector<PanelReference> CPanelSimulator::References() const
{
    return loaded_ ? CPanelReferenceTable::Build(image_) : std::vector<PanelReference>();
}

CPanelFrame CPanelSimulator::Frame() const
{
    CPanelFrame frame;
    if (!loaded_)
        return frame;
    if (ShowsAlarmList()) {
        alarms_->Draw(image_, memory_, frame);
        return frame;
    }
    if (const RuntimeScreen* screen = shownScreen())
        CPanelScreenRenderer(image_, memory_, trends_.get()).Draw(*screen, frame);
    return frame;
}
