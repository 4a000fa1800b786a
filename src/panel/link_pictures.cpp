#include "panel/link_pictures.h"

#include "panel/panel_layout.h"

namespace ksw::panel {

QString SlotDigits(const QString& hexValue, int slot)
{
    return hexValue.mid(2 * StateByteOfSlot(slot), 4);
}

LinkPicture LinkPictureOfDigits(const QString& digits)
{
    if (digits == QLatin1String("0101")) return LinkPicture::None;
    if (digits.compare(QLatin1String("8203"), Qt::CaseInsensitive) == 0) return LinkPicture::Gigabit;
    return LinkPicture::Other;
}

}  // namespace ksw::panel
