#pragma once
// LEDs driven by bytes of an SNMP value: polled on a timer, decoded per LED through a colour
// map, painted (and blinked for a few ticks after an update) on a fast timer.

#include <QColor>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "request2edits.h"

// One pair of a static colour table; the table ends at the first pair whose colour is -1.
struct QxLedColorPair {
    int32_t code;
    int32_t colour;  // 0x00BBGGRR, -1 ends the table
};

class QxSNMPLedColorMapList {
public:
    QxSNMPLedColorMapList(const QxLedColorPair* table, uint8_t colourMask, uint8_t blinkMask, int32_t offColour,
                          int32_t missingColour);
    // The colour of the first entry whose code equals the state; 0 (black) when none matches.
    int32_t ColourOf(uint8_t state) const;

    uint8_t ColourMask;
    uint8_t BlinkMask;
    int32_t OffColour;
    int32_t MissingColour;  // -1: a missing byte is an error

private:
    std::vector<QxLedColorPair> entries_;
};

// Converts a 0x00BBGGRR colour reference to a QColor.
QColor ColourFromRef(int32_t colour);

// A small shape painted in one colour (brush and pen alike).
class QxLedShape : public QWidget {
    Q_OBJECT
public:
    enum Kind { Rectangle, Square, RoundRect, Circle, Ellipse };
    explicit QxLedShape(QWidget* parent = nullptr, Kind kind = Rectangle);
    void SetColour(int32_t colour);
    int32_t Colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    int32_t colour_ = 0;
};

class QxSNMPRequest2Leds : public QxSNMPRequest2Edits {
    Q_OBJECT
public:
    struct Led {
        int var;
        int byteIndex;
        const QxSNMPLedColorMapList* map;
        QPointer<QxLedShape> shape;
        bool blinking = false;
        int32_t colour = 0;
    };

    explicit QxSNMPRequest2Leds(QWidget* owner);
    ~QxSNMPRequest2Leds() override;

    void AddLed(int var, int byteIndex, const QxSNMPLedColorMapList* map, QxLedShape* shape);
    void AddLedRow(int var, const QString& byteIndexes, const QxSNMPLedColorMapList* map, QWidget* panel, int left,
                   int gap, QxLedShape::Kind kind, int width, int height);
    void SetDecodeMode(int mode, int splitIndex);
    // Interval in units of 10 milliseconds; polls once at once (its error is raised). A tick
    // that finds the previous poll still running skips its turn.
    void StartPolling(int interval);
    void StopPolling();
    void ResetLeds();
    void PaintLeds();

    const std::vector<Led>& Leds() const { return leds_; }
    int BlinkLimit = 6;
    int BlinkCounter = 0;
    int DecodeMode() const { return decodeMode_; }
    int SplitIndex() const { return splitIndex_; }
    QTimer& PollTimer() { return pollTimer_; }
    QTimer& BlinkTimer() { return blinkTimer_; }

protected:
    void RowReceived() override;
    void GetFailed(const QxSNMPError& error) override;
    virtual void UpdateLed(Led& led);

private:
    void Poll();
    // An LED alternates with its off colour still: the blink timer has work.
    bool Blinking() const;
    std::vector<Led> leds_;
    QTimer pollTimer_;
    QTimer blinkTimer_;
    int decodeMode_ = 1;
    int splitIndex_ = 4;
};
