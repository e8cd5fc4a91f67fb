#pragma once
#include <QObject>

#include <memory>

namespace platform {
class EndRequestWatcher;
}

// The requests to end the program (SIGTERM, SIGHUP and SIGINT: a logout, a
// closed terminal, Ctrl+C, kill; on Windows a closed console and the end of
// the session) reach the editor as a signal on its own thread, where it can
// still write what it holds before it ends. One instance at a time; the
// default handling comes back when it goes.
class CTerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit CTerminationSignals(QObject* parent = nullptr);
    ~CTerminationSignals() override;

    // False when the signals could not be caught (they then end the program
    // as they always do).
    bool IsActive() const;

signals:
    void terminationRequested(int signalNumber);

private:
    std::unique_ptr<platform::EndRequestWatcher> watcher_;
};
