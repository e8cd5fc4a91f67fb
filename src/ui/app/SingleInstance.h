#pragma once
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// One editor per user. The first start listens on a local socket; a later
// start hands its file argument (or, without one, a request to show the
// window) to the first, which acknowledges it at once, and ends. A socket
// left behind by an instance that crashed is removed, so it never keeps the
// program from starting.
class CSingleInstance : public QObject
{
    Q_OBJECT
public:
    // `serverName` is the socket's path; the editor uses DefaultServerName().
    explicit CSingleInstance(QString serverName = DefaultServerName(), QObject* parent = nullptr);
    ~CSingleInstance() override;

    // The socket in the user's runtime folder (only the user may enter it).
    static QString DefaultServerName();

    enum class StartResult {
        First,          // no other instance: this one goes on (and Listen()s)
        HandedOver,     // another instance took `file` and said so: end
        NotAcknowledged // another instance is there but did not say it took it
    };
    // How long a later start waits for the first one's acknowledgement.
    static constexpr int kAcknowledgeMs = 5000;
    // The second start's message when its file was not acknowledged.
    static QString NotHandedOverText();

    // Hands `file` (empty: the request to show the window) to the running
    // instance, if there is one. When this is the first, later starts wait
    // for Listen().
    StartResult Start(const QString& file = QString());
    // Called once the receivers of the signals below are connected: from
    // then on later starts are heard. Nothing happens unless Start() found
    // this to be the first instance.
    void Listen();
    bool IsListening() const;

signals:
    // A later start of the program asks to show the main window.
    void raiseRequested();
    // A later start of the program was given this file (its command-line
    // argument, made independent of its current folder). The window is
    // raised first (raiseRequested).
    void fileRequested(const QString& file);

private:
    enum class Reach { Delivered, NoServer, NoAnswer };
    Reach handOver(const QString& file);
    void accept();
    void readRequests(QLocalSocket* socket);

    QString name_;
    QLocalServer* server_ = nullptr;
    // Held from a first Start() until Listen(), so that a start meanwhile
    // waits for the socket instead of taking itself for the first.
    std::unique_ptr<QLockFile> turn_;
    bool first_ = false;
};
