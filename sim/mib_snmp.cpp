// SNMP-FRAMEWORK-MIB's engine group (RFC 3411), which the SNMPv3 pages read first.

#include "switch_sim.h"

namespace ksw::sim {

void declareSnmpEngine(SwitchSim& sim)
{
    const SwitchSim* s = &sim;
    const ScalarDecl scalars[] = {
        {"1.3.6.1.6.3.10.2.1.1", "snmpEngineID", syntax::octets({5, 32}), Access::ReadOnly,
         Value::Octets(sim.engineId())},
        {"1.3.6.1.6.3.10.2.1.2", "snmpEngineBoots", syntax::integer({1, 2147483647}), Access::ReadOnly,
         Value::Integer(1)},
        {"1.3.6.1.6.3.10.2.1.3", "snmpEngineTime", syntax::integer({0, 2147483647}), Access::ReadOnly, {},
         [s](const Oid&) { return Value::Integer(static_cast<int64_t>(s->nowMs() / 1000 % 2147483648ULL)); }},
        {"1.3.6.1.6.3.10.2.1.4", "snmpEngineMaxMessageSize", syntax::integer({484, 2147483647}), Access::ReadOnly,
         Value::Integer(1500)},
    };
    sim.store().declare(scalars);
}

}  // namespace ksw::sim
