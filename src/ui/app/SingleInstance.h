#pragma once
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One editor per user. The first start listens on a local socket; a later
// start hands its file argument (or, without one, a request to show the
// window) to the first and ends. A socket left behind by an instance that
// crashed is removed, so it never keeps the program from starting.
class CSingleInstance : public QObject
{
    Q_OBJECT
public:
    // `serverName` is the socket's path; the editor uses DefaultServerName().
    explicit CSingleInstance(QString serverName = DefaultServerName(), QObject* parent = nullptr);
    ~CSingleInstance() override;

    // The socket in the user's runtime folder (only the user may enter it).
    static QString DefaultServerName();

    // True: this is the first instance and it now listens. False: another
    // instance took `file` (empty: the request to show its window) and this
    // start should end.
    bool Start(const QString& file = QString());
    bool IsListening() const;

signals:
    // A later start of the program asks to show the main window.
    void raiseRequested();
    // A later start of the program was given this file (its command-line
    // argument, made independent of its current folder). The window is
    // raised first (raiseRequested).
    void fileRequested(const QString& file);

private:
    enum class Reach { Delivered, NoServer, Busy };
    Reach handOver(const QString& file);
    void accept();
    void readRequests(QLocalSocket* socket);

    QString name_;
    QLocalServer* server_ = nullptr;
};
