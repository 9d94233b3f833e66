#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// The per-user rule that only one Kestrel window runs at a time. The first
// instance listens on a local socket; a later start connects to it, asks it to
// restore or raise its window, and ends. The socket belongs to the settings
// store in use, so instances that share their settings share the rule.
class CSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit CSingleInstance(QObject *parent = nullptr);
    ~CSingleInstance() override;

    // Local socket name for the current user and settings location.
    static QString ServerName();

    // Asks a running instance to come forward. True when one answered.
    static bool NotifyRunningInstance(int timeoutMs = 2000);

    // Starts answering later starts. A socket left behind by an instance that
    // ended without cleaning up is replaced; a live one is left alone and
    // false is returned.
    bool Listen();
    bool IsListening() const;

signals:
    // A later start asked this instance to restore or raise its window.
    void activationRequested();

private:
    void OnNewConnection();

    QLocalServer *m_server;
};
