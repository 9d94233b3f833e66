#pragma once

#include "platform/DirectoryWatch.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <string>

class QSocketNotifier;

// Follows the changes other programs make to the listed folder and reports
// them in bursts: Changed comes once the folder has been quiet for a moment,
// and at the latest a little while after its first change, so a folder that
// keeps changing is still shown anew now and then.
class CFolderWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kQuietMs = 250;
    static constexpr int kLongestWaitMs = 1500;

    explicit CFolderWatcher(QObject *parent = nullptr);

    // Follows `directory` (held form) instead of the folder before.
    void Watch(const std::string &directory);
    // Reports the changes waiting now again later (the list is busy).
    void Postpone();

signals:
    void Changed();

private:
    void TakeEvents();
    void Report();

    platform::DirectoryWatch m_watch;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_quiet;
    QElapsedTimer m_sinceFirst;
};
