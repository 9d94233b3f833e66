#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {

const QByteArray kActivateRequest = "activate\n";
const QByteArray kActivateReply = "ok\n";

} // namespace

CSingleInstance::CSingleInstance(QObject *parent) : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
}

CSingleInstance::~CSingleInstance() = default;

QString CSingleInstance::ServerName()
{
    // The user id keeps users apart; the settings location keeps apart
    // instances that were given separate settings (tests, portable set-ups).
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QByteArray digest =
        QCryptographicHash::hash(config.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("kestrel-%1-%2").arg(getuid()).arg(QString::fromLatin1(digest));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime + QLatin1Char('/') + name;
    return name;
}

bool CSingleInstance::NotifyRunningInstance(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kActivateRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // An instance that accepted the connection is alive even if it is too busy
    // to answer in time (a long listing); it still comes forward afterwards.
    while (socket.bytesAvailable() < kActivateReply.size() && socket.waitForReadyRead(timeoutMs)) {
    }
    return true;
}

bool CSingleInstance::Listen()
{
    const QString name = ServerName();
    // Listening replaces whatever holds the name, so a live instance is
    // looked for first; a socket that nobody answers on is a leftover.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500)) {
        probe.abort();
        return false;
    }
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

bool CSingleInstance::IsListening() const
{
    return m_server->isListening();
}

void CSingleInstance::OnNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray request = socket->readLine();
            if (request != kActivateRequest) {
                socket->abort();
                return;
            }
            socket->write(kActivateReply);
            socket->flush();
            emit activationRequested();
        });
    }
}
