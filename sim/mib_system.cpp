// MIB-II system group and ifNumber (RFC 3418, RFC 2863).

#include "switch_sim.h"

namespace ksw::sim {

void declareSystemGroup(SwitchSim& sim)
{
    const ModelInfo& model = sim.model();
    const ScalarDecl scalars[] = {
        {"1.3.6.1.2.1.1.1", "sysDescr", syntax::displayString(255), Access::ReadOnly,
         Value::Octets(model.name + " Gigabit Ethernet Switch")},
        {"1.3.6.1.2.1.1.2", "sysObjectID", syntax::objectId(), Access::ReadOnly,
         Value::ObjectId(oidOf("1.3.6.1.4.1.58126.10.101.2"))},
        {"1.3.6.1.2.1.1.3", "sysUpTime", syntax::timeTicks(), Access::ReadOnly, {},
         [s = &sim](const Oid&) { return Value::TimeTicks(s->nowMs() / 10); }},
        {"1.3.6.1.2.1.1.4", "sysContact", syntax::displayString(255), Access::ReadWrite, Value::Octets("")},
        {"1.3.6.1.2.1.1.5", "sysName", syntax::displayString(255), Access::ReadWrite, Value::Octets(model.name)},
        {"1.3.6.1.2.1.1.6", "sysLocation", syntax::displayString(255), Access::ReadWrite, Value::Octets("")},
        {"1.3.6.1.2.1.1.7", "sysServices", syntax::integer({0, 127}), Access::ReadOnly, Value::Integer(2)},
        {"1.3.6.1.2.1.2.1", "ifNumber", syntax::integer(), Access::ReadOnly, Value::Integer(model.ports)},
    };
    sim.store().declare(scalars);
}

}  // namespace ksw::sim
