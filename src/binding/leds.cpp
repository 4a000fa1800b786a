#include "leds.h"

#include <QFrame>
#include <QPainter>
#include <algorithm>

#include "guarded.h"
#include "snmp/errors.h"
#include "values/optionlist.h"
#include "values/valuetext.h"

namespace {

constexpr int kBlinkIntervalMs = 60;
constexpr int32_t kNoColour = -1;

}  // namespace

// ---- Colour maps ----------------------------------------------------------------------------

QxSNMPLedColorMapList::QxSNMPLedColorMapList(const QxLedColorPair* table, uint8_t colourMask, uint8_t blinkMask,
                                             int32_t offColour, int32_t missingColour)
    : ColourMask(colourMask), BlinkMask(blinkMask), OffColour(offColour), MissingColour(missingColour)
{
    for (const QxLedColorPair* pair = table; pair && pair->colour != kNoColour; ++pair) entries_.push_back(*pair);
}

int32_t QxSNMPLedColorMapList::ColourOf(uint8_t state) const
{
    for (const QxLedColorPair& entry : entries_)
        if (static_cast<uint8_t>(entry.code & 0xFF) == state) return entry.colour;
    return 0;
}

QColor ColourFromRef(int32_t colour)
{
    const auto ref = static_cast<uint32_t>(colour);
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF), static_cast<int>((ref >> 16) & 0xFF));
}

// ---- Shapes ---------------------------------------------------------------------------------

QxLedShape::QxLedShape(QWidget* parent, Kind kind) : QWidget(parent), kind_(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void QxLedShape::SetColour(int32_t colour)
{
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void QxLedShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor colour = ColourFromRef(colour_);
    painter.setPen(colour);
    painter.setBrush(colour);
    const QRect area = rect().adjusted(0, 0, -1, -1);
    const int side = std::min(area.width(), area.height());
    const QRect square(area.left() + (area.width() - side) / 2, area.top() + (area.height() - side) / 2, side, side);
    switch (kind_) {
    case Rectangle: painter.drawRect(area); break;
    case Square: painter.drawRect(square); break;
    case RoundRect:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(area, side / 4.0, side / 4.0);
        break;
    case Circle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(square);
        break;
    case Ellipse:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(area);
        break;
    }
}

// ---- Binding --------------------------------------------------------------------------------

QxSNMPRequest2Leds::QxSNMPRequest2Leds(QWidget* owner) : QxSNMPRequest2Edits(owner), pollTimer_(this), blinkTimer_(this)
{
    connect(&pollTimer_, &QTimer::timeout, this, Guarded([this] { Poll(); }));
    // The blink timer runs only while an LED blinks after an update: a panel at rest is not
    // woken every 60 ms.
    blinkTimer_.setInterval(kBlinkIntervalMs);
    connect(&blinkTimer_, &QTimer::timeout, this, Guarded([this] {
                PaintLeds();
                if (!Blinking()) blinkTimer_.stop();
            }));
}

bool QxSNMPRequest2Leds::Blinking() const
{
    // PaintLeds shows the steady colours once the counter has passed the limit.
    if (BlinkCounter > BlinkLimit + 1) return false;
    return std::any_of(leds_.begin(), leds_.end(), [](const Led& led) { return led.blinking; });
}

QxSNMPRequest2Leds::~QxSNMPRequest2Leds()
{
    blinkTimer_.stop();
    StopPolling();
}

void QxSNMPRequest2Leds::AddLed(int var, int byteIndex, const QxSNMPLedColorMapList* map, QxLedShape* shape)
{
    leds_.push_back({var, byteIndex, map, shape, false, map->OffColour});
    shape->SetColour(map->OffColour);
    shape->show();
}

void QxSNMPRequest2Leds::AddLedRow(int var, const QString& byteIndexes, const QxSNMPLedColorMapList* map,
                                   QWidget* panel, int left, int gap, QxLedShape::Kind kind, int width, int height)
{
    QxIntNumList indexes;
    indexes.Delimiter = ',';
    indexes.Parse(byteIndexes);
    for (uint32_t k = 0; k < indexes.Count(); ++k) {
        auto* shape = new QxLedShape(panel, kind);
        shape->setGeometry(left + static_cast<int>(k) * (gap + width), 1, width, height);
        shape->show();
        AddLed(var, indexes.Get(k), map, shape);
    }
    if (auto* frame = qobject_cast<QFrame*>(panel)) frame->setFrameShape(QFrame::NoFrame);
}

void QxSNMPRequest2Leds::SetDecodeMode(int mode, int splitIndex)
{
    decodeMode_ = mode <= 0 ? 1 : mode;
    splitIndex_ = splitIndex <= 0 ? 4 : splitIndex;
}

void QxSNMPRequest2Leds::StartPolling(int interval)
{
    pollTimer_.start(interval * 10);
    try {
        Get();
    } catch (...) {
        ResetLeds();
        throw;
    }
}

void QxSNMPRequest2Leds::StopPolling()
{
    pollTimer_.stop();
    ResetLeds();
}

void QxSNMPRequest2Leds::Poll()
{
    // A poll that is still waiting for its answer is not joined by another one.
    if (Busy()) return;
    try {
        Get();
    } catch (const AppException& e) {
        ResetLeds();
        ShowStatus(e.message());
    }
}

void QxSNMPRequest2Leds::ResetLeds()
{
    for (Led& led : leds_) {
        led.blinking = false;
        led.colour = led.map->OffColour;
        if (!led.shape) continue;
        led.shape->SetColour(led.colour);
        led.shape->show();
    }
}

void QxSNMPRequest2Leds::RowReceived()
{
    BlinkCounter = 0;
    for (Led& led : leds_) UpdateLed(led);
    PaintLeds();
    if (Blinking() && !blinkTimer_.isActive()) blinkTimer_.start();
}

void QxSNMPRequest2Leds::GetFailed(const QxSNMPError& error)
{
    // Never a message box: a panel that polls every few seconds would raise one each time.
    ResetLeds();
    ShowStatus(error.Message);
}

void QxSNMPRequest2Leds::UpdateLed(Led& led)
{
    const QxSNMPVar& v = Vars().Get(led.var);
    const QByteArray raw = TextToRaw(v.Options ? v.Options->LabelToValue(v.Value) : v.Value, v.Type);
    const QxSNMPLedColorMapList& map = *led.map;
    const auto missing = [&] {
        if (map.MissingColour == kNoColour) RaiseLibraryError(LibErr::PartRange);
        led.colour = map.MissingColour;
        led.blinking = false;
    };
    if (led.byteIndex < 0 || led.byteIndex >= raw.size()) {
        missing();
        return;
    }
    const auto state = static_cast<uint8_t>(raw[led.byteIndex]);
    if (decodeMode_ == 1 || led.byteIndex < splitIndex_) {
        led.colour = map.ColourOf(state & map.ColourMask);
        led.blinking = (state & map.BlinkMask) != 0;
        return;
    }
    // A state byte and a colour byte; state 1 is a slot without a port.
    if (state == 1) {
        led.colour = map.MissingColour == kNoColour ? map.OffColour : map.MissingColour;
        led.blinking = false;
        return;
    }
    if (led.byteIndex + 1 >= raw.size()) {
        missing();
        return;
    }
    led.blinking = (state & map.BlinkMask) != 0;
    led.colour = map.ColourOf(static_cast<uint8_t>(raw[led.byteIndex + 1]) & map.ColourMask);
}

void QxSNMPRequest2Leds::PaintLeds()
{
    bool anyBlinking = false;
    for (Led& led : leds_) {
        int32_t colour = led.colour;
        if (led.blinking) {
            anyBlinking = true;
            // Alternates with the off colour for a few ticks after an update, then stays lit.
            const bool showsOff = led.shape && led.shape->Colour() == led.map->OffColour;
            if (!showsOff && BlinkCounter <= BlinkLimit) colour = led.map->OffColour;
        }
        if (!led.shape) continue;
        led.shape->SetColour(colour);
        led.shape->show();
    }
    if (anyBlinking) ++BlinkCounter;
}
