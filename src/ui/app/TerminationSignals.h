#pragma once
#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C, kill)
// reach the editor as a signal on its own thread, where it can still write
// what it holds before it ends. The handler itself only writes the signal's
// number into a pipe. One instance at a time; the default handling comes
// back when it goes.
class CTerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit CTerminationSignals(QObject* parent = nullptr);
    ~CTerminationSignals() override;

    // False when the signals could not be caught (they then end the program
    // as they always do).
    bool IsActive() const { return notifier_ != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};
