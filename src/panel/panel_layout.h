#pragma once
// Where the front panel window puts its LEDs, link pictures and port buttons over the
// photograph, in design pixels (callers scale them), and which bytes of the front-panel LED
// object each of them follows. The photograph (tools/render_pictures.cpp) is drawn to match.

#include <QRect>
#include <QString>
#include <array>

namespace ksw::panel {

inline constexpr QSize kPanelSize(794, 125);
inline constexpr QSize kLedPanelSize(5, 5);
inline constexpr QSize kLinkPictureSize(37, 15);
inline constexpr QSize kComboPictureSize(42, 15);

inline constexpr QPoint kPowerLed(151, 89);
inline constexpr QPoint kConsoleLed(151, 74);
inline constexpr std::array<int, 4> kPortLedColumns{180, 193, 206, 219};
inline constexpr std::array<int, 4> kPortLedRows{42, 58, 74, 90};
// Port17LedPanel and Port18LedPanel: the two combo ports.
inline constexpr std::array<QPoint, 2> kComboLeds{QPoint(621, 78), QPoint(700, 78)};

inline constexpr std::array<int, 8> kSocketColumns{258, 298, 338, 378, 443, 483, 522, 562};
inline constexpr int kUpperSocketRow = 41;  // odd ports
inline constexpr int kLowerSocketRow = 68;  // even ports
inline constexpr std::array<QPoint, 2> kComboSockets{QPoint(642, 72), QPoint(718, 72)};
// The fiber cage above each combo socket.
inline constexpr int kComboCageTop = 33;

inline constexpr int kFrontPorts = 16;
inline constexpr int kLedPanels = 18;  // ports 1 to 16, then the two combo ports
inline constexpr int kLedSlots = 18;

// Byte of the power and console LED states.
inline constexpr int kPowerLedByte = 2;
inline constexpr int kConsoleLedByte = 3;

// The LED object's port slots: slots 1 to 15 are ports 1 to 15, slot 16 the first combo port,
// slot 17 port 16 and slot 18 the second combo port. A slot's state byte is 2k + 3, its colour
// byte the one after.
int SlotOfLedPanel(int ledPanel);  // 1..18
int StateByteOfSlot(int slot);

// The picture pair a slot shows or hides: "Port<n>" (n = 1..16) or "Combo1", "Combo2".
QString PictureBaseOfSlot(int slot);

QPoint PortLedPosition(int port);        // ports 1..16
QPoint LinkPicturePosition(int port);    // ports 1..16
QPoint ComboPicturePosition(int combo);  // combo ports 1, 2

// A port button: where it lies over the photograph and its hint, "<port>.<medium>" with medium
// 1 copper and 2 fiber. The combo ports are the fiber media of ports 15 and 16, whose copper
// sockets are the last two of the main block.
struct PortButtonPlace {
    QString objectName;
    QRect rect;
    QString hint;
};
std::array<PortButtonPlace, kLedPanels> PortButtonPlaces();

}  // namespace ksw::panel
