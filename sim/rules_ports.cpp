// Ports as a switch handles them: counters cleared on demand, and a link that takes a moment to
// come up again once its port is enabled.

#include "behaviour.h"
#include "mib_oids.h"
#include "switch_sim.h"

namespace ksw::sim {

namespace {

constexpr int64_t kClearIdle = 1;   // other
constexpr int64_t kClearStart = 2;  // start
constexpr int64_t kAdminUp = 1;
constexpr int64_t kAdminDown = 2;
constexpr uint64_t kLinkSettleMs = 3000;  // auto-negotiation of a link that was disabled

int portOf(const Oid& instance)
{
    return instance.empty() ? 0 : static_cast<int>(instance.back());
}

}  // namespace

void declarePortRules(SwitchSim& sim)
{
    SwitchSim* s = &sim;
    sim.behaviour().afterSet("port-counter-clear", oidOf(oids::kPortCounterClear), [s](const AppliedVarbind& vb) {
        if (vb.value.integer != kClearStart) return;
        s->ports().clearCounters(portOf(vb.instance));
        s->store().store(vb.instance, Value::Integer(kClearIdle));
    });

    sim.behaviour().afterSet("link-settle", oidOf(oids::kIfAdminStatus), [s](const AppliedVarbind& vb) {
        const int port = portOf(vb.instance);
        const std::string timer = "link-settle/" + std::to_string(port);
        if (vb.value.integer == kAdminUp && vb.before && vb.before->integer == kAdminDown) {
            s->ports().holdLinkDown(port, true);
            s->at(s->nowMs() + kLinkSettleMs, timer, [s, port] { s->ports().holdLinkDown(port, false); });
        } else if (vb.value.integer != kAdminUp) {
            s->cancel(timer);
            s->ports().holdLinkDown(port, false);
        }
    });
}

}  // namespace ksw::sim
