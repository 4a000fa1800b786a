#pragma once
// The front-panel LED object (swDevInfoFrontPanelLedStatus) as the module's front panel decodes
// it: bytes 0-1 unit information, byte 2 the power LED, byte 3 the console LED, then for slot
// k = 1..18 a state byte at 2k+3 and a colour byte at 2k+4.
//   state 0x01: dark (link down); otherwise 0x02, with 0x80 added while the port has activity
//   colour (AND 7): 0x01 or 0x02 orange (100 or 10 Mb/s), 0x03 green (1000 Mb/s)
//   power and console: one byte, code AND 7 (0 off, 1 white, 2 green, 4 blue, 5 red), 0x80 blinks

#include <string>

#include "port_sim.h"
#include "switch_model.h"

namespace ksw::sim {

constexpr size_t kFrontPanelLength = 2 * kLedSlots + 5;  // 41 octets

std::string frontPanelLeds(const ModelInfo& model, const PortSim& ports, uint64_t ms);

}  // namespace ksw::sim
