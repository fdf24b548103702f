#pragma once

// Waiting in the benchmarks that drive the real window: the event loop runs the whole time (unlike
// QTest::qWaitFor, which sleeps between checks), so the window's timers tick as they would for a user.

#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace drovik::bench {

// Runs the event loop until done() or the timeout; returns done().
inline bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    poll.start(1);
    loop.exec();
    return done();
}

inline void idle(int ms)
{
    waitUntil([] { return false; }, ms);
}

} // namespace drovik::bench
