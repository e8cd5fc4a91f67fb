#include "SimulatorWindow.h"
#include "PanelDisplayView.h"
#include "PanelRegisterModel.h"
#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "runtime/PanelFrame.h"
#include "runtime/PanelLogEntry.h"
#include "runtime/PanelSimulator.h"
#include "ui/widgets/DialogPlace.h"
#include "ui/widgets/DialogTexts.h"
#include "ui/widgets/UiText.h"
#include "ui_SimulatorWindow.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace {
const QString kPlaceKey = QStringLiteral("PlaceSimulator");
constexpr int kTickMs = 20;
} // namespace

CSimulatorWindow::CSimulatorWindow(const CAppSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window),
      settings_(settings),
      ui_(std::make_unique<Ui::CSimulatorWindow>()),
      panel_(std::make_unique<CPanelSimulator>())
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings, IDD_DLG_SIMULATOR);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // F1 to F5 are the panel's keys here: whoever maps F1 to help leaves
    // this window alone.
    setProperty("ownsFunctionKeys", true);
    registers_ = new CPanelRegisterModel(settings, *panel_, this);
    ui_->registers->setModel(registers_);
    ui_->display->setAccessibleName(text("Panel Display"));
    ui_->registers->setAccessibleName(ui_->labelRegisters->text().remove(QLatin1Char('&')));
    ui_->log->setAccessibleName(ui_->labelLog->text().remove(QLatin1Char('&')));
    ui_->registers->horizontalHeader()->setStretchLastSection(true);
    ui_->registers->verticalHeader()->hide();
    ui_->registers->setWordWrap(false);
    ui_->registers->setSelectionBehavior(QAbstractItemView::SelectRows);
    // F2 is the panel's key here, not the table's edit key.
    ui_->registers->setEditTriggers(QAbstractItemView::DoubleClicked
                                    | QAbstractItemView::SelectedClicked
                                    | QAbstractItemView::AnyKeyPressed);
    ui_->entryRow->hide();
    ui_->display->SetZoom(ui_->zoom->value());
    const QPushButton* keys[] = {ui_->keyF1, ui_->keyF2, ui_->keyF3, ui_->keyF4, ui_->keyF5};
    for (int k = 0; k < 5; ++k) {
        connect(keys[k], &QPushButton::pressed, this, [this, k] { pressKey(k + 1); });
        connect(keys[k], &QPushButton::released, this, [this, k] { releaseKey(k + 1); });
        const_cast<QPushButton*>(keys[k])->setAccessibleName(QStringLiteral("F%1").arg(k + 1));
    }
    connect(ui_->zoom, &QSpinBox::valueChanged, this, [this](int zoom) {
        ui_->display->SetZoom(zoom);
        Refresh();
    });
    connect(ui_->running, &QCheckBox::toggled, this, &CSimulatorWindow::SetClockRunning);
    connect(ui_->display, &CPanelDisplayView::pixelClicked, this, &CSimulatorWindow::clickedAt);
    connect(ui_->entryOk, &QPushButton::clicked, this, &CSimulatorWindow::acceptEntry);
    connect(ui_->entryEdit, &QLineEdit::returnPressed, this, &CSimulatorWindow::acceptEntry);
    connect(ui_->entryCancel, &QPushButton::clicked, this, &CSimulatorWindow::cancelEntry);
    connect(registers_, &CPanelRegisterModel::written, this, &CSimulatorWindow::Refresh);
    // The keys F1 to F5 reach the panel whichever child has the focus.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &CSimulatorWindow::tick);
    RestoreWindowPlace(this, settings, kPlaceKey);
    Refresh();
}

CSimulatorWindow::~CSimulatorWindow() = default;

CPanelDisplayView& CSimulatorWindow::Display()
{
    return *ui_->display;
}

bool CSimulatorWindow::LoadImage(const QByteArray& image, QString* error)
{
    if (!panel_->Load(image, error))
        return false;
    registers_->Reload();
    ui_->registers->resizeColumnsToContents();
    logShown_ = std::min(logShown_, panel_->Log().size());
    SetClockRunning(ui_->running->isChecked());
    Refresh();
    return true;
}

void CSimulatorWindow::SetDeviceNames(const QHash<int, QString>& names)
{
    deviceNames_ = names;
    registers_->SetDeviceNames(names);
}

void CSimulatorWindow::SetClockRunning(bool running)
{
    if (ui_->running->isChecked() != running)
        ui_->running->setChecked(running);
    if (running && panel_->IsLoaded()) {
        clock_.start();
        timer_.start();
    } else {
        timer_.stop();
    }
}

void CSimulatorWindow::tick()
{
    const qint64 elapsed = clock_.restart();
    AdvanceBy(int(std::min<qint64>(elapsed, 1000)));
}

void CSimulatorWindow::AdvanceBy(int ms)
{
    if (!panel_->IsLoaded())
        return;
    panel_->Advance(ms);
    Refresh();
}

QString CSimulatorWindow::text(const char* english) const
{
    return UiText(settings_, IDD_DLG_SIMULATOR, QString::fromLatin1(english));
}

void CSimulatorWindow::Refresh()
{
    const bool loaded = panel_->IsLoaded();
    ui_->display->ShowFrame(loaded ? panel_->Frame() : CPanelFrame(),
                            !loaded || panel_->BacklightOn());
    QString screen;
    if (loaded) {
        screen = QString::number(panel_->CurrentScreen());
        if (panel_->ShowsAlarmList())
            screen = text("Alarm list");
        else if (panel_->ShowsLogScreen())
            screen += QLatin1Char(' ') + text("(log screen)");
        else if (panel_->ShowsProtectScreen())
            screen += QLatin1Char(' ') + text("(protect screen)");
        if (!panel_->BacklightOn())
            screen += QLatin1Char(' ') + text("(backlight off)");
    }
    ui_->screenValue->setText(screen);
    ui_->timeValue->setText(text("%1 s").arg(double(panel_->Time()) / 1000.0, 0, 'f', 2));
    registers_->Refresh();
    const auto& log = panel_->Log();
    for (; logShown_ < log.size(); ++logShown_)
        ui_->log->addItem(LogText(log[logShown_]));
    if (ui_->log->count())
        ui_->log->scrollToBottom();
    if (entry_ == Entry::None && loaded && panel_->PasswordPending())
        showEntry(Entry::Password, text("Password:"));
}

QString CSimulatorWindow::registerText(quint8 device, quint16 address, bool coil) const
{
    const QString name =
        deviceNames_.value(device, QStringLiteral("DEV%1").arg(device, 3, 10, QLatin1Char('0')));
    return name + QLatin1Char('.') + PanelAddressText(address, coil);
}

QString CSimulatorWindow::LogText(const PanelLogEntry& e) const
{
    QString what;
    const QString reg = registerText(e.reg.device, e.reg.address, e.kind == PanelLogEntry::CoilSet);
    switch (e.kind) {
    case PanelLogEntry::CoilSet:
        what =
            text("coil %1 set %2").arg(reg, e.value ? QStringLiteral("ON") : QStringLiteral("OFF"));
        break;
    case PanelLogEntry::RegisterWritten:
        what = text("register %1 written: %2").arg(reg).arg(e.value);
        break;
    case PanelLogEntry::RunStop:
        what =
            text("%1 sent to device %2")
                .arg(text(e.value ? "STOP" : "RUN"),
                     deviceNames_.value(e.reg.device, QStringLiteral("DEV%1").arg(
                                                          e.reg.device, 3, 10, QLatin1Char('0'))));
        break;
    case PanelLogEntry::PasswordRefused: what = text("wrong password: the key is refused"); break;
    case PanelLogEntry::ScreenNumberWritten:
        what = text("screen number %1 written to %2").arg(e.value).arg(reg);
        break;
    case PanelLogEntry::NumericEntered:
        what = text("value %1 entered into %2").arg(e.value).arg(reg);
        break;
    case PanelLogEntry::NumericRefused: what = text("value refused for %1").arg(reg); break;
    case PanelLogEntry::Beep: what = text("beep"); break;
    }
    QString line = text("%1 s").arg(double(e.time) / 1000.0, 0, 'f', 3) + QStringLiteral("  ");
    if (e.key >= 1 && e.key <= 5)
        line += QStringLiteral("F%1: ").arg(e.key);
    return line + what;
}

int CSimulatorWindow::keyOf(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F5)
        return qtKey - Qt::Key_F1 + 1;
    return 0;
}

void CSimulatorWindow::pressKey(int key)
{
    if (!panel_->IsLoaded())
        return;
    panel_->PressKey(key);
    Refresh();
}

void CSimulatorWindow::releaseKey(int key)
{
    if (!panel_->IsLoaded())
        return;
    panel_->ReleaseKey(key);
    Refresh();
}

void CSimulatorWindow::keyPressEvent(QKeyEvent* event)
{
    if (const int key = keyOf(event->key())) {
        if (!event->isAutoRepeat())
            pressKey(key);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CSimulatorWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (const int key = keyOf(event->key())) {
        if (!event->isAutoRepeat())
            releaseKey(key);
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

bool CSimulatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease
        || type == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (keyOf(key->key())) {
            if (type == QEvent::ShortcutOverride) {
                event->accept(); // no shortcut takes F1 to F5 from the panel
                return true;
            }
            if (type == QEvent::KeyPress)
                keyPressEvent(key);
            else
                keyReleaseEvent(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CSimulatorWindow::closeEvent(QCloseEvent* event)
{
    SaveWindowPlace(this, settings_, kPlaceKey);
    timer_.stop();
    cancelEntry();
    QWidget::closeEvent(event);
}

void CSimulatorWindow::clickedAt(QPoint pixel)
{
    if (!panel_->IsLoaded() || panel_->ShowsAlarmList() || entry_ == Entry::Password)
        return;
    const RuntimeScreen* screen = panel_->Image().FindScreen(panel_->CurrentScreen());
    if (!screen)
        return;
    // The numeric under the click: its characters from its place, with room
    // for the sign and the decimal point.
    for (int i = int(screen->objects.size()) - 1; i >= 0; --i) {
        const RuntimeObject& o = screen->objects[size_t(i)];
        if (o.kind != 6)
            continue;
        const int cw = o.NumericDouble() ? 16 : 8;
        const QRect box(o.x, o.y, cw * (o.Digits() + 2), o.NumericDouble() ? 32 : 16);
        if (!box.contains(pixel))
            continue;
        numericIndex_ = i;
        showEntry(Entry::Numeric,
                  text("Value for %1:").arg(registerText(o.reg.device, o.reg.address, false)));
        return;
    }
}

void CSimulatorWindow::showEntry(Entry entry, const QString& label)
{
    entry_ = entry;
    ui_->entryLabel->setText(label);
    ui_->entryEdit->clear();
    ui_->entryEdit->setEchoMode(entry == Entry::Password ? QLineEdit::Password : QLineEdit::Normal);
    ui_->entryEdit->setAccessibleName(label);
    ui_->entryRow->show();
    ui_->entryEdit->setFocus();
}

void CSimulatorWindow::acceptEntry()
{
    const Entry entry = entry_;
    const QString typed = ui_->entryEdit->text();
    entry_ = Entry::None;
    ui_->entryRow->hide();
    if (entry == Entry::Password && panel_->PasswordPending())
        panel_->EnterPassword(typed);
    else if (entry == Entry::Numeric)
        panel_->EnterNumeric(numericIndex_, typed);
    setFocus();
    Refresh();
}

void CSimulatorWindow::cancelEntry()
{
    const Entry entry = entry_;
    entry_ = Entry::None;
    ui_->entryRow->hide();
    if (entry == Entry::Password && panel_->PasswordPending())
        panel_->CancelPassword();
    Refresh();
}
