#pragma once
// Notes how long the GUI thread goes without running its event loop: a 1 ms precise timer
// measures the gap since its previous tick; the longest gap less the interval is the longest
// stall.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class EventLoopWatch : public QObject {
public:
    explicit EventLoopWatch(QObject* parent = nullptr);
    void Start();
    void Stop();
    // The longest time past a tick's due time, in milliseconds.
    double LongestStallMs() const { return static_cast<double>(longestGapNs_) / 1e6 - kIntervalMs; }
    int Ticks() const { return ticks_; }
    // When the longest stall ended, in milliseconds from Start.
    double LongestStallEndMs() const { return static_cast<double>(longestEndNs_) / 1e6; }

private:
    static constexpr int kIntervalMs = 1;
    void Tick();

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastNs_ = 0;
    qint64 longestGapNs_ = 0;
    qint64 longestEndNs_ = 0;
    int ticks_ = 0;
};
