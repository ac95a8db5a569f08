#include "single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace
{

const QByteArray raise_request = "raise\n";

} // namespace

single_instance::single_instance(const QString& lock_path, QObject* parent)
    : QObject(parent), lock_path(lock_path), lock(lock_path)
{
    // A game runs for hours: only a dead holder makes the lock stale, never
    // its age (the default would take a live game's lock after 30 s).
    lock.setStaleLockTime(0);
    QDir().mkpath(QFileInfo(lock_path).absolutePath());
    // tryLock removes a lock whose process is gone and takes it.
    if (!lock.tryLock(0))
        held_elsewhere = lock.error() == QLockFile::LockFailedError;
}

single_instance::~single_instance()
{
    if (server)
        server->close();
}

QString single_instance::server_name(const QString& lock_path)
{
    const QByteArray path = QFileInfo(lock_path).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("crumbleford-") + QString::fromLatin1(hash.left(16));
}

bool single_instance::ask_to_raise(int timeout_ms)
{
    QLocalSocket socket;
    socket.connectToServer(server_name(lock_path));
    if (!socket.waitForConnected(timeout_ms))
        return false;
    socket.write(raise_request);
    const bool sent = socket.waitForBytesWritten(timeout_ms);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeout_ms);
    return sent;
}

void single_instance::serve(std::function<void()> raise)
{
    on_raise = std::move(raise);
    if (held_elsewhere || server)
        return;
    server = new QLocalServer(this);
    // We hold the lock, so a socket left under the name is a dead game's.
    QLocalServer::removeServer(server_name(lock_path));
    server->setSocketOptions(QLocalServer::UserAccessOption);
    server->listen(server_name(lock_path));
    connect(server, &QLocalServer::newConnection, this, &single_instance::take_request);
}

void single_instance::take_request()
{
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto read = [this, socket] {
            // Only the one word is understood; anything else is ignored, and
            // a sender that never ends a line is cut off.
            while (socket->canReadLine()) {
                if (socket->readLine(64) == raise_request && on_raise)
                    on_raise();
            }
            if (socket->bytesAvailable() > 64)
                socket->abort();
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        read(); // what came with the connection
    }
}
