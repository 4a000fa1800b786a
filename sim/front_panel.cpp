#include "front_panel.h"

namespace ksw::sim {

namespace {
constexpr char kPowerOn = 0x02;       // steady green
constexpr char kConsoleIdle = 0x00;   // no console session
constexpr char kDark = 0x01;
constexpr char kLinkUp = 0x02;
constexpr char kActivity = static_cast<char>(0x80);
}  // namespace

std::string frontPanelLeds(const ModelInfo& model, const PortSim& ports, uint64_t ms)
{
    std::string leds(kFrontPanelLength, kDark);
    leds[0] = 0x01;  // unit 1
    leds[1] = static_cast<char>(model.ports);
    leds[2] = kPowerOn;
    leds[3] = kConsoleIdle;
    for (int k = 1; k <= kLedSlots; ++k) {
        const auto shown = model.slot(k);
        if (!shown) continue;
        const LinkState link = ports.link(shown->port, ms);
        if (!link.up || link.medium != shown->medium) continue;
        const size_t at = static_cast<size_t>(2 * k + 3);
        leds[at] = static_cast<char>(kLinkUp | (link.activity ? kActivity : 0));
        leds[at + 1] = link.speedMbps >= 1000 ? 0x03 : link.speedMbps >= 100 ? 0x01 : 0x02;
    }
    return leds;
}

}  // namespace ksw::sim
