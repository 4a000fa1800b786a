#pragma once
// Which link picture a port slot shows, from the front-panel LED object as hex text (two
// digits per byte, as the label binding writes it).

#include <QString>

namespace ksw::panel {

enum class LinkPicture {
    None,     // "0101": no link, both pictures hidden
    Gigabit,  // "8203": the "G" picture
    Other,    // anything else, "0203", a slot the value does not reach and "(NULL)" included: "O"
};

// The four hex digits of slot k (bytes 2k + 3 and 2k + 4); shorter when the text ends early.
QString SlotDigits(const QString& hexValue, int slot);
LinkPicture LinkPictureOfDigits(const QString& digits);

}  // namespace ksw::panel
