#include "SingleInstance.h"
#include "base/platform/UserSession.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace {

// A request: magic, kind, file. The stream version is fixed so that two
// builds of the program understand each other. The first instance answers
// each whole request with one byte.
constexpr quint32 kMagic = 0x43525631; // "CRV1"
constexpr quint8 kShow = 1;
constexpr quint8 kOpen = 2;
constexpr char kAcknowledged = 'A';

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

QString CSingleInstance::NotHandedOverText()
{
    return QStringLiteral("The file could not be handed to the running editor.");
}

bool CSingleInstance::IsListening() const
{
    return server_ && server_->isListening();
}

CSingleInstance::Reach CSingleInstance::handOver(const QString& file)
{
    const QDeadlineTimer deadline(kAcknowledgeMs);
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(int(deadline.remainingTime()))) {
        // Refused or missing: nobody listens (a crashed instance may have left
        // its socket). Anything else: an instance is there but does not answer.
        const auto error = socket.error();
        return error == QLocalSocket::ConnectionRefusedError
                       || error == QLocalSocket::ServerNotFoundError
                   ? Reach::NoServer
                   : Reach::NoAnswer;
    }
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << (file.isEmpty() ? kShow : kOpen) << file;
    socket.write(request);
    // Delivered only when the first instance says it took the request.
    while (socket.bytesAvailable() < 1)
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return Reach::NoAnswer;
    char answer = 0;
    if (!socket.getChar(&answer) || answer != kAcknowledged)
        return Reach::NoAnswer;
    socket.disconnectFromServer();
    return Reach::Delivered;
}

CSingleInstance::StartResult CSingleInstance::Start(const QString& file)
{
    // Two starts at the same moment take turns: neither removes the socket
    // the other has just made, and a start waits while the first one gets
    // ready to listen. A lock left by a crashed start is taken over; one that
    // cannot be had at all does not stop the start.
    turn_ = std::make_unique<QLockFile>(name_ + QStringLiteral(".lock"));
    turn_->tryLock(kAcknowledgeMs);
    const Reach reach = handOver(file);
    if (reach != Reach::NoServer) {
        turn_.reset();
        return reach == Reach::Delivered ? StartResult::HandedOver : StartResult::NotAcknowledged;
    }
    QLocalServer::removeServer(name_);
    first_ = true;
    return StartResult::First;
}

void CSingleInstance::Listen()
{
    if (!first_ || server_)
        return;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &CSingleInstance::accept);
    // A start that won the race for the socket anyway leaves this one
    // running alone: the check never keeps the program from starting.
    server_->listen(name_);
    turn_.reset();
}

void CSingleInstance::accept()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequests(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
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
        // Taken: the receivers queue it (a file opens once no dialog is up).
        emit raiseRequested();
        if (kind == kOpen && !file.isEmpty())
            emit fileRequested(file);
        socket->putChar(kAcknowledged);
        socket->flush();
    }
}
