#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>

// A timer on the interface thread ticking every millisecond: the longest time
// between two ticks is the longest the event loop was kept from its events.
class EventLoopStalls {
public:
    EventLoopStalls()
    {
        m_ticker.setTimerType(Qt::PreciseTimer);
        m_ticker.setInterval(1);
        QObject::connect(&m_ticker, &QTimer::timeout, [this] { Tick(); });
    }

    void Start()
    {
        m_longestMs = 0;
        m_sinceTick.start();
        m_ticker.start();
    }
    // Stops ticking and returns the longest stall in milliseconds, the
    // stretch since the last tick included.
    double Stop()
    {
        Tick();
        m_ticker.stop();
        return m_longestMs;
    }

private:
    void Tick()
    {
        m_longestMs = std::max(m_longestMs, static_cast<double>(m_sinceTick.nsecsElapsed()) / 1e6);
        m_sinceTick.restart();
    }

    QTimer m_ticker;
    QElapsedTimer m_sinceTick;
    double m_longestMs = 0;
};
