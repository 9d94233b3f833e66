#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QLocalServer;

// The per-user rule that only one Kestrel window runs at a time. The first
// instance listens on a local socket; a later start connects to it, hands it
// its paths (to list or add, as its own command line would have been) and
// asks it to come forward, and ends. The socket belongs to the settings
// store in use, so instances that share their settings share the rule.
class CSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit CSingleInstance(QObject *parent = nullptr);
    ~CSingleInstance() override;

    // Local socket name for the current user and settings location.
    static QString ServerName();

    // Hands paths (absolute, as bytes) to a running instance and asks it to
    // come forward. True when one answered.
    static bool NotifyRunningInstance(const QList<QByteArray> &paths = {}, int timeoutMs = 2000);

    // Starts answering later starts. A socket left behind by an instance that
    // ended without cleaning up is replaced; a live one is left alone and
    // false is returned.
    bool Listen();
    bool IsListening() const;

signals:
    // A later start asked this instance to take its paths (possibly none)
    // and to restore or raise its window.
    void activationRequested(const QList<QByteArray> &paths);

private:
    void OnNewConnection();
    void ReadRequest(class QLocalSocket *socket);

    QLocalServer *m_server;
};
