#include "panel/panel_layout.h"

namespace ksw::panel {

namespace {
constexpr int kFirstComboPort = 15;
constexpr int kCopper = 1;
constexpr int kFiber = 2;
// The latch key above an upper socket and below a lower one belongs to the socket.
constexpr int kLatchHeight = 4;
}  // namespace

int SlotOfLedPanel(int ledPanel)
{
    switch (ledPanel) {
    case 16: return 17;  // port 16
    case 17: return 16;  // first combo port
    default: return ledPanel;
    }
}

int StateByteOfSlot(int slot)
{
    return 2 * slot + 3;
}

QString PictureBaseOfSlot(int slot)
{
    switch (slot) {
    case 16: return QStringLiteral("Combo1");
    case 17: return QStringLiteral("Port16");
    case 18: return QStringLiteral("Combo2");
    default: return QStringLiteral("Port%1").arg(slot);
    }
}

QPoint PortLedPosition(int port)
{
    const int index = port - 1;
    return {kPortLedColumns[static_cast<size_t>(index / 4)], kPortLedRows[static_cast<size_t>(index % 4)]};
}

QPoint LinkPicturePosition(int port)
{
    const int column = (port - 1) / 2;
    return {kSocketColumns[static_cast<size_t>(column)], port % 2 == 1 ? kUpperSocketRow : kLowerSocketRow};
}

QPoint ComboPicturePosition(int combo)
{
    return kComboSockets[static_cast<size_t>(combo - 1)];
}

std::array<PortButtonPlace, kLedPanels> PortButtonPlaces()
{
    std::array<PortButtonPlace, kLedPanels> places;
    for (int port = 1; port <= kFrontPorts; ++port) {
        const QPoint at = LinkPicturePosition(port);
        const bool upper = port % 2 == 1;
        const QRect socket(at, kLinkPictureSize);
        places[static_cast<size_t>(port - 1)] = {
            QStringLiteral("Port%1Button").arg(port),
            upper ? socket.adjusted(0, -kLatchHeight, 0, 0) : socket.adjusted(0, 0, 0, kLatchHeight),
            QStringLiteral("%1.%2").arg(port).arg(kCopper),
        };
    }
    for (int combo = 1; combo <= 2; ++combo) {
        const QPoint socket = ComboPicturePosition(combo);
        // Cage and socket together, so the whole combo block answers.
        const QRect block(QPoint(socket.x() - 2, kComboCageTop),
                          QPoint(socket.x() + kComboPictureSize.width() + 1, socket.y() + kComboPictureSize.height()));
        places[static_cast<size_t>(kFrontPorts + combo - 1)] = {
            QStringLiteral("Combo%1Button").arg(combo),
            block,
            QStringLiteral("%1.%2").arg(kFirstComboPort + combo - 1).arg(kFiber),
        };
    }
    return places;
}

}  // namespace ksw::panel
