#pragma once
// The simulated switch's clock: milliseconds since power-on. It can start late and run faster
// or slower than real time (rate 0 freezes it), so that tests see ports change without waiting.

#include <chrono>
#include <cstdint>

namespace ksw::sim {

class SimClock {
public:
    explicit SimClock(double rate = 1.0, uint64_t startMs = 0)
        : origin_(std::chrono::steady_clock::now()), rate_(rate), startMs_(startMs)
    {
    }
    uint64_t nowMs() const
    {
        const auto real = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - origin_);
        return startMs_ + static_cast<uint64_t>(real.count() * rate_);
    }

private:
    std::chrono::steady_clock::time_point origin_;
    double rate_;
    uint64_t startMs_;
};

}  // namespace ksw::sim
