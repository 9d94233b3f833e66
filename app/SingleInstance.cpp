#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {

// A request is "open", one line per path in hexadecimal (a path may hold
// any byte but NUL), and an empty line.
const QByteArray kOpenRequest = "open\n";
const QByteArray kActivateReply = "ok\n";
constexpr qsizetype kLongestRequest = 64 * 1024 * 1024;

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
    QString name = QStringLiteral("kestrel-%1-%2").arg(getuid()).arg(QString::fromLatin1(digest));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime + QLatin1Char('/') + name;
    return name;
}

bool CSingleInstance::NotifyRunningInstance(const QList<QByteArray> &paths, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray request = kOpenRequest;
    for (const QByteArray &path : paths)
        request += path.toHex() + '\n';
    request += '\n';
    socket.write(request);
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
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
    }
}

void CSingleInstance::ReadRequest(QLocalSocket *socket)
{
    // The whole request is read once its closing empty line has come.
    const QByteArray buffered = socket->peek(socket->bytesAvailable());
    if (!buffered.startsWith(kOpenRequest) && !kOpenRequest.startsWith(buffered)) {
        socket->abort();
        return;
    }
    const qsizetype end = buffered.indexOf("\n\n", kOpenRequest.size() - 1);
    if (end < 0) {
        if (buffered.size() > kLongestRequest)
            socket->abort();
        return;
    }
    const QByteArray request = socket->read(end + 2);
    QList<QByteArray> paths;
    for (const QByteArray &line :
         request.mid(kOpenRequest.size(), end + 1 - kOpenRequest.size()).split('\n')) {
        const QByteArray path = QByteArray::fromHex(line);
        if (!path.isEmpty() && !path.contains('\0'))
            paths.append(path);
    }
    socket->write(kActivateReply);
    socket->flush();
    emit activationRequested(paths);
}
