#include "panel/led_colour_maps.h"

#include "binding/leds.h"

namespace ksw::panel {

namespace {

// Colour references are 0x00BBGGRR.
constexpr int32_t kBlack = 0x000000;
constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kGreen = 0x00FF00;
constexpr int32_t kBlue = 0xFF0000;
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kOrange = 0x4080FF;  // (255, 128, 64)
constexpr int32_t kEnd = -1;

constexpr uint8_t kColourMask = 7;
constexpr uint8_t kBlinkMask = 128;

constexpr QxLedColorPair kPowerConsoleColours[] = {
    {1, kWhite}, {2, kGreen}, {3, kGreen}, {4, kBlue}, {5, kRed}, {0, kEnd},
};

constexpr QxLedColorPair kPortColours[] = {
    {0, kBlack}, {1, kOrange}, {2, kOrange}, {3, kGreen}, {4, kGreen}, {5, kRed}, {0, kEnd},
};

}  // namespace

const QxSNMPLedColorMapList& PowerConsoleLedMap()
{
    static const QxSNMPLedColorMapList map(kPowerConsoleColours, kColourMask, kBlinkMask, kBlack, kBlack);
    return map;
}

const QxSNMPLedColorMapList& PortLedMap()
{
    static const QxSNMPLedColorMapList map(kPortColours, kColourMask, kBlinkMask, kBlack, kBlack);
    return map;
}

}  // namespace ksw::panel
