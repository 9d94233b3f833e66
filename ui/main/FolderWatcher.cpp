#include "ui/main/FolderWatcher.h"

#include <QSocketNotifier>

#include <algorithm>

CFolderWatcher::CFolderWatcher(QObject *parent) : QObject(parent)
{
    m_quiet.setSingleShot(true);
    connect(&m_quiet, &QTimer::timeout, this, &CFolderWatcher::Report);
    if (m_watch.Fd() >= 0) {
        m_notifier = new QSocketNotifier(m_watch.Fd(), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &CFolderWatcher::TakeEvents);
    }
}

void CFolderWatcher::Watch(const std::string &directory)
{
    m_quiet.stop();
    m_sinceFirst.invalidate();
    // A folder that cannot be watched is simply not followed; F5 lists it anew.
    m_watch.Watch(directory);
    m_watch.TakeEvents();
}

void CFolderWatcher::Postpone()
{
    m_quiet.start(kQuietMs);
}

void CFolderWatcher::TakeEvents()
{
    if (!m_watch.TakeEvents())
        return;
    if (!m_sinceFirst.isValid())
        m_sinceFirst.start();
    const qint64 left = kLongestWaitMs - m_sinceFirst.elapsed();
    m_quiet.start(static_cast<int>(std::clamp<qint64>(left, 0, kQuietMs)));
}

void CFolderWatcher::Report()
{
    m_sinceFirst.invalidate();
    emit Changed();
}
