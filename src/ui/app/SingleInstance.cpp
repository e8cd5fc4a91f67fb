#include "SingleInstance.h"
#include "base/platform/UserSession.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace {

// A request: magic, kind, file. The stream version is fixed so that two
// builds of the program understand each other.
constexpr quint32 kMagic = 0x43525631; // "CRV1"
constexpr quint8 kShow = 1;
constexpr quint8 kOpen = 2;
constexpr int kWaitMs = 2000;

} // namespace

CSingleInstance::CSingleInstance(QString serverName, QObject* parent)
    : QObject(parent),
      name_(std::move(serverName))
{}

CSingleInstance::~CSingleInstance() = default;

QString CSingleInstance::DefaultServerName()
{
    return QString::fromStdString(platform::LocalServerName("corvel-qv"));
}

bool CSingleInstance::IsListening() const
{
    return server_ && server_->isListening();
}

CSingleInstance::Reach CSingleInstance::handOver(const QString& file)
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kWaitMs)) {
        // Refused or missing: nobody listens (a crashed instance may have left
        // its socket). Anything else: an instance is there but does not answer.
        const auto error = socket.error();
        return error == QLocalSocket::ConnectionRefusedError
                       || error == QLocalSocket::ServerNotFoundError
                   ? Reach::NoServer
                   : Reach::Busy;
    }
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << (file.isEmpty() ? kShow : kOpen) << file;
    socket.write(request);
    // The request waits in the socket for the first instance to read it, also
    // after this process has ended.
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(kWaitMs))
            return Reach::Busy;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMs);
    return Reach::Delivered;
}

bool CSingleInstance::Start(const QString& file)
{
    // Two starts at the same moment take turns: neither removes the socket
    // the other has just made. A lock left by a crashed start is taken over;
    // one that cannot be had at all does not stop the start.
    QLockFile turn(name_ + QStringLiteral(".lock"));
    turn.tryLock(kWaitMs);
    const Reach reach = handOver(file);
    if (reach == Reach::Delivered)
        return false;
    if (reach == Reach::NoServer)
        QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // Another start won the race between the try above and listen().
        if (handOver(file) == Reach::Delivered)
            return false;
        // Otherwise run on alone: the check never keeps the program from starting.
        return true;
    }
    connect(server_, &QLocalServer::newConnection, this, &CSingleInstance::accept);
    return true;
}

void CSingleInstance::accept()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequests(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            readRequests(socket);
            socket->deleteLater();
        });
        readRequests(socket);
    }
}

void CSingleInstance::readRequests(QLocalSocket* socket)
{
    QDataStream in(socket);
    in.setVersion(QDataStream::Qt_6_0);
    for (;;) {
        in.startTransaction();
        quint32 magic = 0;
        quint8 kind = 0;
        QString file;
        in >> magic >> kind;
        if (in.status() == QDataStream::Ok
            && (magic != kMagic || (kind != kShow && kind != kOpen))) {
            socket->abort(); // not one of ours
            return;
        }
        in >> file;
        if (!in.commitTransaction())
            return; // the rest has not arrived yet
        emit raiseRequested();
        if (kind == kOpen && !file.isEmpty())
            emit fileRequested(file);
    }
}
