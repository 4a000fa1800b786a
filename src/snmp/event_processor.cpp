// The event pump: a read notifier on every session socket, so that an answer is handled as
// soon as it arrives, and a 20 ms timer that drives time-outs and retries. The timer runs only
// while the session has pending work: an idle program is not woken 50 times a second.

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <map>

#include "session.h"

namespace {

constexpr int kIntervalMs = 20;

}  // namespace

struct SnmpEventProcessor::Impl {
    QTimer* timer = nullptr;
    std::map<int, QSocketNotifier*> notifiers;
    bool running = false;
    // Set for the length of a tick. A callback may spin a nested event loop; a notifier or
    // a queued tick firing in there must not start a second, nested pump. The notifiers stay
    // enabled during a tick (switching them off and on costs the event loop a wake-up each,
    // twice per answer); only a notifier that fires inside a nested loop is switched off,
    // as its socket would otherwise keep it firing, until the tick ends.
    bool ticking = false;
    bool tickQueued = false;
    bool postRoutineAdded = false;

    void SetNotifiersEnabled(bool enabled)
    {
        for (auto& [fd, notifier] : notifiers) notifier->setEnabled(enabled);
    }

    void DeleteAll()
    {
        delete timer;
        timer = nullptr;
        for (auto& [fd, notifier] : notifiers) delete notifier;
        notifiers.clear();
        running = false;
    }
};

SnmpEventProcessor::SnmpEventProcessor() : d(std::make_unique<Impl>()) {}

SnmpEventProcessor::~SnmpEventProcessor()
{
    d->DeleteAll();
}

SnmpEventProcessor& SnmpEventProcessor::Instance()
{
    static SnmpEventProcessor processor;
    return processor;
}

void SnmpEventProcessor::Start()
{
    if (!d->timer) {
        d->timer = new QTimer(this);
        d->timer->setInterval(kIntervalMs);
        connect(d->timer, &QTimer::timeout, this, &SnmpEventProcessor::Tick);
    }
    if (!d->postRoutineAdded && QCoreApplication::instance()) {
        qAddPostRoutine(&SnmpEventProcessor::ReleaseWithApplication);
        d->postRoutineAdded = true;
    }
    d->running = true;
    if (!d->ticking) d->timer->start();  // the first tick stops it if there is nothing to do
    SyncNotifiers();
}

void SnmpEventProcessor::Wake()
{
    // During a tick the tick itself decides when it ends.
    if (d->running && !d->ticking && d->timer && !d->timer->isActive()) d->timer->start();
}

void SnmpEventProcessor::Stop()
{
    d->running = false;
    if (d->timer) d->timer->stop();
    d->SetNotifiersEnabled(false);
}

void SnmpEventProcessor::ReleaseWithApplication()
{
    // Runs while the application object is being destroyed, when the timer and the notifiers
    // can still be released cleanly; a later Start (under a new application) makes new ones.
    Impl& impl = *Instance().d;
    impl.DeleteAll();
    impl.postRoutineAdded = false;
}

bool SnmpEventProcessor::IsRunning() const
{
    return d->running;
}

void SnmpEventProcessor::SyncNotifiers()
{
    if (!QCoreApplication::instance()) return;
    const std::vector<int> descriptors = SessionExists() ? QxSnmpSession::Instance().Descriptors() : std::vector<int>{};
    for (auto it = d->notifiers.begin(); it != d->notifiers.end();) {
        if (std::find(descriptors.begin(), descriptors.end(), it->first) == descriptors.end()) {
            delete it->second;
            it = d->notifiers.erase(it);
        } else {
            ++it;
        }
    }
    const bool enabled = d->running && !d->ticking;
    for (int fd : descriptors) {
        if (d->notifiers.count(fd)) {
            d->notifiers[fd]->setEnabled(enabled);
            continue;
        }
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        notifier->setEnabled(enabled);
        connect(notifier, &QSocketNotifier::activated, this, &SnmpEventProcessor::Tick);
        d->notifiers[fd] = notifier;
    }
}

void SnmpEventProcessor::TickSoon()
{
    if (!d->running || d->tickQueued) return;
    d->tickQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            d->tickQueued = false;
            Tick();
        },
        Qt::QueuedConnection);
}

void SnmpEventProcessor::Tick()
{
    if (!d->running) return;
    if (d->ticking) {
        d->SetNotifiersEnabled(false);
        return;
    }
    d->ticking = true;
    d->timer->stop();
    if (SessionExists()) QxSnmpSession::Instance().ProcessPendingEvents();
    d->ticking = false;
    if (!d->running) return;
    SyncNotifiers();
    if (SessionExists() && QxSnmpSession::Instance().HasPendingWork()) d->timer->start();
}
