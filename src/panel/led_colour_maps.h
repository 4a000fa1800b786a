#pragma once
// The colour maps of the front panel's LEDs: state code to colour, colour mask 7, blink bit 128,
// black when off or missing.

class QxSNMPLedColorMapList;

namespace ksw::panel {

// Power and console: 1 white, 2 and 3 green, 4 blue, 5 red; code 0 has no entry (black).
const QxSNMPLedColorMapList& PowerConsoleLedMap();
// Ports: 0 black, 1 and 2 orange, 3 and 4 green, 5 red.
const QxSNMPLedColorMapList& PortLedMap();

}  // namespace ksw::panel
