// The front panel: the places of its LEDs and pictures over the photograph, which bytes of the
// LED object each LED follows, the link pictures, and closing during a poll.

#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

#include "platform/dpi_scale.h"
#include "binding/leds.h"
#include "panel/ksw7116_panel_form.h"
#include "panel/led_colour_maps.h"
#include "panel/panel_host.h"
#include "panel/port_button.h"
#include "sim_process.h"
#include "snmp/profile.h"
#include "snmp/session.h"

namespace {

class FakeHost : public TPanelHost {
public:
    QLabel* StatusPanel() const override { return status_.get(); }
    void AddPortButton(TPortButton* button) override { buttons << button; }
    QList<TPortButton*> buttons;

private:
    std::unique_ptr<QLabel> status_ = std::make_unique<QLabel>();
};

// The LED object of a dark switch, 41 octets, with some slots changed ("8203" and the like).
QString LedValue(const QList<std::pair<int, QString>>& changes, int octets = 41)
{
    // Unit, port count, power, console, one unused octet, then a state and a colour per slot.
    QString hex = QStringLiteral("0110020000");
    for (int slot = 1; slot <= 18; ++slot) hex += QStringLiteral("0101");
    for (const auto& [slot, digits] : changes) hex.replace(2 * (2 * slot + 3), 4, digits);
    return hex.left(2 * octets);
}

const QxSNMPRequest2Leds::Led* LedIn(const QxSNMPRequest2Leds& leds, const QString& panel)
{
    for (const auto& led : leds.Leds())
        if (led.shape && led.shape->parentWidget()->objectName() == panel) return &led;
    return nullptr;
}

}  // namespace

class TestPanel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void geometry_data();
    void geometry();
    void portButtons();
    void ledRows_data();
    void ledRows();
    void linkPictures_data();
    void linkPictures();
    void closeWaitsForRunningPoll();

private:
    SimProcess sim_;
};

void TestPanel::initTestCase()
{
    SetDpiScale(1.0);
    CreateSession(QString());
    QVERIFY2(sim_.start({"--clock-rate", "0"}), qPrintable(sim_.error()));
    DefaultProfile().Device = {QStringLiteral("127.0.0.1"), sim_.port()};
}

void TestPanel::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("photograph") << "Image1" << QRect(0, 0, 794, 125);
    QTest::newRow("power") << "PowerLedPanel" << QRect(151, 89, 5, 5);
    QTest::newRow("console") << "ConsoleLedPanel" << QRect(151, 74, 5, 5);
    QTest::newRow("port 1") << "Port1LedPanel" << QRect(180, 42, 5, 5);
    QTest::newRow("port 2, column by column") << "Port2LedPanel" << QRect(180, 58, 5, 5);
    QTest::newRow("port 4") << "Port4LedPanel" << QRect(180, 90, 5, 5);
    QTest::newRow("port 5") << "Port5LedPanel" << QRect(193, 42, 5, 5);
    QTest::newRow("port 16") << "Port16LedPanel" << QRect(219, 90, 5, 5);
    QTest::newRow("first combo LED") << "Port17LedPanel" << QRect(621, 78, 5, 5);
    QTest::newRow("second combo LED") << "Port18LedPanel" << QRect(700, 78, 5, 5);
    QTest::newRow("port 1 G, upper row") << "Port1G" << QRect(258, 41, 37, 15);
    QTest::newRow("port 2 O, lower row") << "Port2O" << QRect(258, 68, 37, 15);
    QTest::newRow("port 9 G, second block") << "Port9G" << QRect(443, 41, 37, 15);
    QTest::newRow("port 16 O") << "Port16O" << QRect(562, 68, 37, 15);
    QTest::newRow("combo 1 G") << "Combo1G" << QRect(642, 72, 42, 15);
    QTest::newRow("combo 2 O") << "Combo2O" << QRect(718, 72, 42, 15);
}

void TestPanel::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    FakeHost host;
    TKSW7116PanelForm panel(nullptr, &host);
    QCOMPARE(panel.size(), QSize(794, 125));
    auto* widget = panel.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), rect);
}

void TestPanel::portButtons()
{
    FakeHost host;
    TKSW7116PanelForm panel(nullptr, &host);
    QCOMPARE(host.buttons, panel.PortButtons());
    QCOMPARE(host.buttons.size(), 18);
    for (TPortButton* button : host.buttons) {
        QVERIFY(button->isCheckable());
        QCOMPARE(button->toolTip(), button->Hint());
    }
    // Each button lies over its socket; the combo buttons over the combo blocks.
    auto covers = [&panel](const char* button, const char* picture) {
        return panel.findChild<QWidget*>(button)->geometry().contains(panel.findChild<QWidget*>(picture)->geometry());
    };
    QVERIFY(covers("Port1Button", "Port1G"));
    QVERIFY(covers("Port16Button", "Port16O"));
    QVERIFY(covers("Combo1Button", "Combo1G"));
    QVERIFY(covers("Combo2Button", "Combo2O"));
    QVERIFY(!covers("Port15Button", "Combo1G"));
    QCOMPARE(panel.findChild<TPortButton*>("Combo1Button")->Hint(), QStringLiteral("15.2"));
    QCOMPARE(panel.findChild<TPortButton*>("Combo2Button")->Hint(), QStringLiteral("16.2"));
    QCOMPARE(panel.findChild<TPortButton*>("Port15Button")->Hint(), QStringLiteral("15.1"));
}

void TestPanel::ledRows_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("byteIndex");
    QTest::addColumn<bool>("powerOrConsole");
    QTest::addColumn<int>("size");

    QTest::newRow("power") << "PowerLedPanel" << 2 << true << 5;
    QTest::newRow("console") << "ConsoleLedPanel" << 3 << true << 5;
    QTest::newRow("port 1") << "Port1LedPanel" << 5 << false << 5;
    QTest::newRow("port 14") << "Port14LedPanel" << 31 << false << 5;
    QTest::newRow("port 15, the larger LED") << "Port15LedPanel" << 33 << false << 6;
    QTest::newRow("port 16 is slot 17") << "Port16LedPanel" << 37 << false << 5;
    QTest::newRow("first combo is slot 16") << "Port17LedPanel" << 35 << false << 5;
    QTest::newRow("second combo is slot 18") << "Port18LedPanel" << 39 << false << 5;
}

void TestPanel::ledRows()
{
    QFETCH(QString, panel);
    QFETCH(int, byteIndex);
    QFETCH(bool, powerOrConsole);
    QFETCH(int, size);

    FakeHost host;
    TKSW7116PanelForm form(nullptr, &host);
    form.SetUpBindings();
    form.SetUpPictures();
    QxSNMPRequest2Leds* leds = form.LedBinding();
    QVERIFY(leds);
    QCOMPARE(int(leds->Leds().size()), 20);
    QCOMPARE(leds->Vars().Instance, QStringLiteral("0"));
    QCOMPARE(leds->Vars().Name, QStringLiteral(" Led Status"));
    QCOMPARE(leds->Request().Timeout, 300);
    QCOMPARE(leds->DecodeMode(), 2);
    QCOMPARE(leds->SplitIndex(), 5);
    QVERIFY(leds->PollTimer().isActive());
    QCOMPARE(leds->PollTimer().interval(), 5000);

    const auto* led = LedIn(*leds, panel);
    QVERIFY(led);
    QCOMPARE(led->byteIndex, byteIndex);
    QCOMPARE(led->map, powerOrConsole ? &ksw::panel::PowerConsoleLedMap() : &ksw::panel::PortLedMap());
    QCOMPARE(led->shape->size(), QSize(size, size));
    // The first poll's status line goes to the host's status panel.
    QTRY_VERIFY_WITH_TIMEOUT(host.StatusPanel()->text().startsWith("Get: Ok! Request: Led Status."), 10000);
    form.FormClose();
}

void TestPanel::linkPictures_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("dark switch") << LedValue({}) << QStringList{};
    QTest::newRow("port 3 at 1000 Mb/s with traffic") << LedValue({{3, "8203"}}) << QStringList{"Port3G"};
    QTest::newRow("port 3 at 100 Mb/s") << LedValue({{3, "0201"}}) << QStringList{"Port3O"};
    QTest::newRow("port 3 at 1000 Mb/s without traffic") << LedValue({{3, "0203"}}) << QStringList{"Port3O"};
    QTest::newRow("slot 15 is port 15") << LedValue({{15, "8203"}}) << QStringList{"Port15G"};
    QTest::newRow("slot 16 is the first combo port") << LedValue({{16, "8203"}}) << QStringList{"Combo1G"};
    QTest::newRow("slot 17 is port 16") << LedValue({{17, "0201"}}) << QStringList{"Port16O"};
    QTest::newRow("slot 18 is the second combo port") << LedValue({{18, "0202"}}) << QStringList{"Combo2O"};
    QTest::newRow("lower-case hex") << LedValue({{1, "0a01"}}) << QStringList{"Port1O"};
    // A slot the value does not reach in full is not a dark port: it shows "O".
    const auto otherFromSlot = [](int first) {
        QStringList pictures;
        for (int slot = first; slot <= 18; ++slot) {
            const QString port = QStringLiteral("Port%1").arg(slot == 17 ? 16 : slot);
            pictures << (slot == 16 ? "Combo1" : slot == 18 ? "Combo2" : port) + 'O';
        }
        return pictures;
    };
    // Ten octets reach slots 1 and 2; slot 3 has its state but no colour byte.
    QTest::newRow("short value: the slots it does not reach show O")
        << LedValue({{1, "8203"}, {2, "0101"}, {3, "8203"}}, 10) << QStringList{"Port1G"} + otherFromSlot(3);
    QTest::newRow("empty value") << QString() << otherFromSlot(1);
    QTest::newRow("missing value") << QStringLiteral("(NULL)") << otherFromSlot(1);
}

void TestPanel::linkPictures()
{
    QFETCH(QString, value);
    QFETCH(QStringList, shown);

    FakeHost host;
    TKSW7116PanelForm panel(nullptr, &host);
    panel.SetUpPictures();
    // Every picture starts shown, to see that the value decides.
    for (QLabel* picture : panel.findChildren<QLabel*>())
        if (picture->objectName().endsWith('G') || picture->objectName().endsWith('O')) picture->show();
    panel.ShowLinkPictures(value);

    QStringList visible;
    for (QLabel* picture : panel.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!picture->isHidden() && (picture->objectName().endsWith('G') || picture->objectName().endsWith('O')))
            visible << picture->objectName();
    visible.sort();
    shown.sort();
    QCOMPARE(visible, shown);
}

void TestPanel::closeWaitsForRunningPoll()
{
    SimProcess slow;
    QVERIFY2(slow.start({"--delay", "1500"}), qPrintable(slow.error()));
    const QxSNMPDevice saved = DefaultProfile().Device;
    DefaultProfile().Device = {QStringLiteral("127.0.0.1"), slow.port()};
    FakeHost host;
    auto panel = std::make_unique<TKSW7116PanelForm>(nullptr, &host);
    panel->SetUpBindings();
    DefaultProfile().Device = saved;
    QVERIFY(panel->LedBinding() && panel->LedBinding()->Busy());

    QElapsedTimer clock;
    clock.start();
    panel->FormClose();
    QVERIFY2(clock.elapsed() >= 1000, "closed without waiting for the poll");
    QVERIFY(!panel->LedBinding());
    panel.reset();
    QTest::qWait(200);  // a late answer would arrive now and must find nothing
}

QTEST_MAIN(TestPanel)
#include "test_panel.moc"
