#pragma once
#include <QElapsedTimer>
#include <QHash>
#include <QTimer>
#include <QWidget>

#include <memory>

class CAppSettings;
class CPanelDisplayView;
class CPanelRegisterModel;
class CPanelSimulator;
struct PanelLogEntry;
namespace Ui {
class CSimulatorWindow;
}

// The simulated panel in a window of its own: the display at an integer
// zoom, the keys F1 to F5 (buttons that act on press and release, and the
// keyboard's F1 to F5 while this window has the focus), the screen shown,
// the table of the PLC's registers and coils where the engineer plays the
// PLC, and the log of what the panel wrote. Time runs with the clock while
// "Running" is checked.
class CSimulatorWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CSimulatorWindow(const CAppSettings& settings, QWidget* parent = nullptr);
    ~CSimulatorWindow() override;

    // Loads a runtime image; a second load keeps the PLC's values and the
    // screen shown. False with the reason when the image cannot be read.
    bool LoadImage(const QByteArray& image, QString* error);
    // Station number -> device name, for the table and the log.
    void SetDeviceNames(const QHash<int, QString>& names);

    CPanelSimulator& Panel() { return *panel_; }
    CPanelRegisterModel& Registers() { return *registers_; }
    CPanelDisplayView& Display();
    Ui::CSimulatorWindow& Form() { return *ui_; }

    // The clock: tests stop it and move time themselves.
    void SetClockRunning(bool running);
    void AdvanceBy(int ms);
    // Everything shown again from the panel.
    void Refresh();
    // A log entry as the log shows it.
    QString LogText(const PanelLogEntry& entry) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Entry { None, Password, Numeric };
    void pressKey(int key);
    void releaseKey(int key);
    void clickedAt(QPoint pixel);
    void showEntry(Entry entry, const QString& label);
    void acceptEntry();
    void cancelEntry();
    void tick();
    QString registerText(quint8 device, quint16 address, bool coil) const;
    QString text(const char* english) const;
    static int keyOf(int qtKey);

    const CAppSettings& settings_;
    std::unique_ptr<Ui::CSimulatorWindow> ui_;
    std::unique_ptr<CPanelSimulator> panel_;
    CPanelRegisterModel* registers_ = nullptr;
    QHash<int, QString> deviceNames_;
    QTimer timer_;
    QElapsedTimer clock_;
    size_t logShown_ = 0;
    Entry entry_ = Entry::None;
    int numericIndex_ = -1;
};
