// LEDs driven by octets of a value: the two decode modes, missing octets, the blink sequence
// stepped tick by tick, a poll that fails, and the front-panel object of ksw-sim.

#include <QtTest>

#include <QFrame>
#include <QLabel>

#include "binding/leds.h"
#include "silent_port.h"
#include "sim_agent.h"
#include "snmp/errors.h"
#include "snmp/session.h"

namespace {

constexpr int32_t kOff = 0x000000;
constexpr int32_t kMissing = 0x808080;
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kGreen = 0x00FF00;
constexpr int32_t kAmber = 0x00C0FF;

const QxLedColorPair kPairs[] = {{1, kAmber}, {2, kRed}, {3, kGreen}, {4, -1}, {5, kRed}};

const QxSNMPVarDesc kLedObject[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.1.1.4", "leds", VarType::OctetString, AccessRead},
    {nullptr},
};

// Exposes the steps a poll runs, so that tests can drive them without an agent.
class SteppedLeds : public QxSNMPRequest2Leds {
public:
    using QxSNMPRequest2Leds::QxSNMPRequest2Leds;
    using QxSNMPRequest2Leds::RowReceived;
};

struct Panel {
    explicit Panel(int32_t missing = kMissing) : map(kPairs, 0x07, 0x80, kOff, missing)
    {
        leds = new SteppedLeds(&window);
        leds->BlinkTimer().stop();  // the tests step it (an update that blinks starts it again)
        leds->SetVarList(QxSNMPVarList(kLedObject, VarListKind::ScalarGroup, 0));
    }
    QxLedShape* Add(int byteIndex)
    {
        auto* shape = new QxLedShape(&window);
        leds->AddLed(0, byteIndex, &map, shape);
        return shape;
    }
    void Receive(const QString& hex)
    {
        leds->Vars().Get(0).Value = hex;
        leds->RowReceived();
    }

    QWidget window;
    QxSNMPLedColorMapList map;
    SteppedLeds* leds;
};

}  // namespace

class TestLeds : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void colourMap();
    void decode_data();
    void decode();
    void blinkSequence();
    void decodeModeDefaults();
    void failedPollTurnsLedsOff();
    void frontPanelObject();

private:
    QTemporaryDir dir_;
};

void TestLeds::initTestCase()
{
    CreateSession(dir_.path());
}

void TestLeds::colourMap()
{
    const QxSNMPLedColorMapList map(kPairs, 0x07, 0x80, kOff, kMissing);
    QCOMPARE(map.ColourOf(3), kGreen);
    QCOMPARE(map.ColourOf(1), kAmber);
    QCOMPARE(map.ColourOf(5), 0);  // after the end of the table
    QCOMPARE(ColourFromRef(kAmber), QColor(0xFF, 0xC0, 0x00));
}

void TestLeds::decode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("split");
    QTest::addColumn<bool>("missingColour");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("byteIndex");
    QTest::addColumn<int>("colour");
    QTest::addColumn<bool>("blinking");
    QTest::addColumn<int>("error");

    QTest::newRow("state 83: code 3, blinking") << 1 << 4 << true << "83" << 0 << kGreen << true << 0;
    QTest::newRow("state 03: code 3, steady") << 1 << 4 << true << "03" << 0 << kGreen << false << 0;
    QTest::newRow("a code without entry is black") << 1 << 4 << true << "06" << 0 << 0 << false << 0;
    QTest::newRow("two octets: state 01 is a slot without port")
        << 2 << 5 << true << "00000000000103" << 5 << kMissing << false << 0;
    QTest::newRow("two octets: 82 03 blinks in code 3") << 2 << 5 << true << "00000000008203" << 5 << kGreen << true << 0;
    QTest::newRow("below the split index one octet") << 2 << 5 << true << "0000000082" << 4 << kRed << true << 0;
    QTest::newRow("octet missing: missing colour") << 1 << 4 << true << "0102" << 7 << kMissing << false << 0;
    QTest::newRow("octet missing without missing colour") << 1 << 4 << false << "0102" << 7 << 0 << false
                                                          << int(LibErr::PartRange);
    QTest::newRow("colour octet missing") << 2 << 5 << true << "000000000082" << 5 << kMissing << false << 0;
}

void TestLeds::decode()
{
    QFETCH(int, mode);
    QFETCH(int, split);
    QFETCH(bool, missingColour);
    QFETCH(QString, value);
    QFETCH(int, byteIndex);
    QFETCH(int, colour);
    QFETCH(bool, blinking);
    QFETCH(int, error);
    Panel panel(missingColour ? kMissing : -1);
    panel.leds->SetDecodeMode(mode, split);
    panel.Add(byteIndex);
    try {
        panel.Receive(value);
        QCOMPARE(0, error);
    } catch (const AppException& e) {
        QCOMPARE(e.code(), error);
        return;
    }
    QCOMPARE(panel.leds->Leds()[0].colour, colour);
    QCOMPARE(panel.leds->Leds()[0].blinking, blinking);
}

// A blinking LED alternates with the off colour for seven ticks after an update and then stays
// lit; a steady LED beside it never changes.
void TestLeds::blinkSequence()
{
    Panel panel;
    QxLedShape* blinking = panel.Add(0);
    QxLedShape* steady = panel.Add(1);
    panel.Receive(QStringLiteral("8302"));
    for (int tick = 0; tick < 10; ++tick) panel.leds->PaintLeds();
    QCOMPARE(blinking->Colour(), kGreen);  // lit, as it is long after the update

    panel.Receive(QStringLiteral("8302"));
    QList<int32_t> seen{blinking->Colour()};
    for (int tick = 1; tick <= 9; ++tick) {
        panel.leds->PaintLeds();
        seen << blinking->Colour();
        QCOMPARE(steady->Colour(), kRed);
    }
    QCOMPARE(seen, (QList<int32_t>{kOff, kGreen, kOff, kGreen, kOff, kGreen, kOff, kGreen, kGreen, kGreen}));

    // Through the blink timer as well.
    panel.Receive(QStringLiteral("8302"));
    QCOMPARE(blinking->Colour(), kOff);
    panel.leds->BlinkTimer().start(1);
    // The timer stops itself once the LED stays lit, and an update starts it again.
    QTRY_VERIFY(!panel.leds->BlinkTimer().isActive());
    QVERIFY(panel.leds->BlinkCounter > panel.leds->BlinkLimit);
    QCOMPARE(blinking->Colour(), kGreen);
    panel.Receive(QStringLiteral("8302"));
    QVERIFY(panel.leds->BlinkTimer().isActive());
    QTRY_VERIFY(!panel.leds->BlinkTimer().isActive());
    QCOMPARE(blinking->Colour(), kGreen);
    // Nothing blinks: no timer.
    panel.Receive(QStringLiteral("0302"));
    QVERIFY(!panel.leds->BlinkTimer().isActive());
}

void TestLeds::decodeModeDefaults()
{
    Panel panel;
    panel.leds->SetDecodeMode(0, 0);
    QCOMPARE(panel.leds->DecodeMode(), 1);
    QCOMPARE(panel.leds->SplitIndex(), 4);
    panel.leds->SetDecodeMode(2, 6);
    QCOMPARE(panel.leds->DecodeMode(), 2);
    QCOMPARE(panel.leds->SplitIndex(), 6);
}

// A poll that times out turns every LED off and writes the error on the status target.
void TestLeds::failedPollTurnsLedsOff()
{
    SilentPort silent;
    DefaultProfile().Device.Port = silent.Port();
    DefaultProfile().Timeout = 10;
    Panel panel;
    auto* status = new QLabel(&panel.window);
    panel.leds->SetStatusTarget(status);
    QxLedShape* shape = panel.Add(0);
    panel.Receive(QStringLiteral("03"));
    QCOMPARE(shape->Colour(), kGreen);
    panel.leds->StartPolling(500);
    QCOMPARE(panel.leds->PollTimer().interval(), 5000);
    QVERIFY(panel.leds->WaitWhileBusy(5000));
    QCOMPARE(shape->Colour(), kOff);
    QVERIFY2(status->text().startsWith(QStringLiteral("Get: (SNMPClass) SNMP request timed out! Receive at ")),
             qPrintable(status->text()));
    panel.leds->StopPolling();
    QVERIFY(!panel.leds->PollTimer().isActive());
}

// The simulator's front-panel object: power steady green, the port slots as state and colour
// pairs from octet 5 on.
void TestLeds::frontPanelObject()
{
    SimAgent sim;
    QVERIFY2(sim.Start(), qPrintable(sim.Error()));
    DefaultProfile() = sim.Profile(1);
    const QxLedColorPair portPairs[] = {{1, kAmber}, {2, kRed}, {3, kGreen}, {0, -1}};
    const QxSNMPLedColorMapList ports(portPairs, 0x03, 0x80, kOff, kMissing);
    Panel panel;
    panel.leds->SetDecodeMode(2, 5);
    QxLedShape* powerLed = panel.Add(2);
    auto* row = new QFrame(&panel.window);
    row->setFrameShape(QFrame::Panel);
    QStringList slotOctets;
    for (int slot = 1; slot <= 18; ++slot) slotOctets << QString::number(2 * slot + 3);
    panel.leds->AddLedRow(0, slotOctets.join(QLatin1Char(',')), &ports, row, 4, 2, QxLedShape::Circle, 10, 8);
    QCOMPARE(row->frameShape(), QFrame::NoFrame);
    QCOMPARE(panel.leds->Leds().size(), size_t(19));
    QCOMPARE(panel.leds->Leds()[3].shape->geometry(), QRect(4 + 2 * 12, 1, 10, 8));

    panel.leds->StartPolling(500);
    QVERIFY(panel.leds->WaitWhileBusy(5000));
    QCOMPARE(powerLed->Colour(), kRed);  // state 02 is code 2 in this map
    for (size_t k = 1; k < panel.leds->Leds().size(); ++k) {
        const int32_t colour = panel.leds->Leds()[k].colour;
        QVERIFY2(colour == kMissing || colour == kAmber || colour == kRed || colour == kGreen,
                 qPrintable(QString::number(colour, 16)));
    }
}

QTEST_MAIN(TestLeds)
#include "test_leds.moc"
