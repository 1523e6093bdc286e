// The local-socket hand-over between a later start and the running instance.
#include "ui/mainframe/single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace pictra::ui {

namespace {
constexpr qint64 kMaxLineBytes = 8192;
}

QString singleInstanceName(const QString& programFolder)
{
    const QByteArray hash = QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("pictra-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

bool sendToRunningInstance(const QString& name, const QString& text, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(text.toUtf8() + '\n');
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

SingleInstanceServer::SingleInstanceServer(QObject* parent) : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstanceServer::acceptConnection);
}

bool SingleInstanceServer::listen(const QString& name)
{
    if (m_server->listen(name))
        return true;
    QLocalServer::removeServer(name); // a socket file left by an instance that crashed
    return m_server->listen(name);
}

void SingleInstanceServer::acceptConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                // One command per line; the parser cuts over-long commands itself.
                const QByteArray line = socket->readLine(kMaxLineBytes).trimmed();
                emit commandReceived(QString::fromUtf8(line));
            }
        });
    }
}

} // namespace pictra::ui
