#include "event_loop_watch.h"

EventLoopWatch::EventLoopWatch(QObject* parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &EventLoopWatch::Tick);
}

void EventLoopWatch::Start()
{
    longestGapNs_ = 0;
    longestEndNs_ = 0;
    ticks_ = 0;
    clock_.start();
    lastNs_ = 0;
    timer_.start();
}

void EventLoopWatch::Stop()
{
    timer_.stop();
    Tick();  // a stall that lasts to the end counts too
}

void EventLoopWatch::Tick()
{
    const qint64 now = clock_.nsecsElapsed();
    if (now - lastNs_ > longestGapNs_) {
        longestGapNs_ = now - lastNs_;
        longestEndNs_ = now;
    }
    lastNs_ = now;
    ++ticks_;
}
