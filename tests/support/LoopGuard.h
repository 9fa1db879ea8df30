// Ends the event loop after a while, so that a loop that should have ended
// by itself does not hang the test; tells whether it had to.
#pragma once

#include <QCoreApplication>
#include <QTimer>

class LoopGuard {
public:
    explicit LoopGuard(int milliseconds = 10000)
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_fired = true;
            QCoreApplication::exit(1);
        });
        m_timer.start(milliseconds);
    }
    bool fired() const { return m_fired; }

private:
    QTimer m_timer;
    bool m_fired = false;
};
