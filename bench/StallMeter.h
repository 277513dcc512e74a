#pragma once
// The longest gap between ticks of a 5 ms timer on the interface thread:
// how long the window stopped answering while a transfer ran.

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

class StallMeter {
public:
    StallMeter() {
        m_Heartbeat.setInterval(5);
        QObject::connect(&m_Heartbeat, &QTimer::timeout, [this] {
            const qint64 now = m_Clock.nsecsElapsed();
            m_Longest = std::max(m_Longest, now - m_Last);
            m_Last = now;
        });
    }
    void Start() {
        m_Clock.start();
        m_Heartbeat.start();
    }
    void Stop() { m_Heartbeat.stop(); }
    double LongestMs() const { return m_Longest / 1e6; }
    double Seconds() const { return m_Clock.elapsed() / 1000.0; }

private:
    QElapsedTimer m_Clock;
    QTimer m_Heartbeat;
    qint64 m_Last = 0;
    qint64 m_Longest = 0;
};
