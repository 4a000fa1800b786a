// IEEE8021-PAE-MIB: the system authentication control the main window reads at start.

#include "switch_sim.h"

namespace ksw::sim {

void declarePortAccessEntity(SwitchSim& sim)
{
    const ScalarDecl scalars[] = {
        {"1.0.8802.1.1.1.1.1.1", "dot1xPaeSystemAuthControl", syntax::enumeration({1, 2}), Access::ReadWrite,
         Value::Integer(2)},  // disabled
    };
    sim.store().declare(scalars);
}

}  // namespace ksw::sim
