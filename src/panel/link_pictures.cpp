#include "panel/link_pictures.h"

#include "panel/panel_layout.h"

namespace ksw::panel {

QString SlotDigits(const QString& hexValue, int slot)
{
    return hexValue.mid(2 * StateByteOfSlot(slot), 4);
}

LinkPicture LinkPictureOfDigits(const QString& digits)
{
    if (digits.size() < 4 || digits == QLatin1String("0101")) return LinkPicture::None;
    // A gigabit link is one with or without traffic; only the blink bit tells them apart.
    if (digits.compare(QLatin1String("8203"), Qt::CaseInsensitive) == 0 ||
        digits.compare(QLatin1String("0203"), Qt::CaseInsensitive) == 0)
        return LinkPicture::Gigabit;
    return LinkPicture::Other;
}

}  // namespace ksw::panel
