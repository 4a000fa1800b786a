// The main window against ksw-sim: the menu built from the catalogue, the embedded front panel
// whose LEDs follow the switch, the port popup, the pages the menu opens, and an agent that
// does not answer.

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QTextBrowser>
#include <QtTest>

#include "catalogue/menu_catalogue.h"
#include "app/main_menu.h"
#include "binding/leds.h"
#include "main_window_fixture.h"
#include "pages/config_form.h"
#include "pages/edits_panel.h"
#include "panel/ksw7116_panel_form.h"
#include "panel/port_button.h"
#include "platform/message_box.h"
#include "snmp/agent_address.h"
#include "snmp/profile.h"
#include "snmp_tools.h"

using ksw::catalogue::MainMenu;
using ksw::catalogue::MenuItem;
using ksw::catalogue::Opens;

namespace {

constexpr char kPortAdminStateOid[] = "1.3.6.1.4.1.58126.11.101.2.2.3.2.1.4";
constexpr char kRmonStateInstance[] = "1.3.6.1.4.1.58126.11.101.2.2.1.2.4.0";
constexpr int kAdminDisabled = 2;
constexpr int kAdminEnabled = 3;
constexpr int kPollWaitMs = 15000;  // a poll every 5 seconds, answers within one

// The decoded colour of the LED inside the named LED panel.
int32_t LedColour(TKSW7116PanelForm* panel, const QString& ledPanel)
{
    const QxSNMPRequest2Leds* leds = panel->LedBinding();
    if (!leds) return -2;
    for (const auto& led : leds->Leds())
        if (led.shape && led.shape->parentWidget() && led.shape->parentWidget()->objectName() == ledPanel)
            return led.colour;
    return -3;
}

bool SetInteger(SimProcess& sim, const QString& instance, int value)
{
    return runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), sim.peer()) + QStringList{instance, "i", QString::number(value)})
        .ok();
}

bool SetAdminState(SimProcess& sim, int port, int state)
{
    const ToolRun run = runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), sim.peer()) +
                                                   QStringList{QStringLiteral("%1.%2.1").arg(kPortAdminStateOid).arg(port),
                                                               "i", QString::number(state)});
    return run.ok();
}

QString EditText(QWidget* page, int row)
{
    auto* grid = page->findChild<TEditsPanel*>();
    auto* edit = grid ? qobject_cast<QLineEdit*>(grid->ValueControl(row)) : nullptr;
    return edit ? edit->text() : QString();
}

void OpenPopupOn(TPortButton* button)
{
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(3, 3), button->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(button, &rightClick);
    QMenu* popup = button->PopupMenu();
    QTRY_VERIFY(popup->isVisible());
    popup->hide();
}

// What the panel's set-up throws in the window below.
std::function<void()> panelSetUpFailure;

class FailingPanelSetUp : public TMainForm {
public:
    using TMainForm::TMainForm;

protected:
    void SetUpPanelBindings(TKSW7116PanelForm&) override { panelSetUpFailure(); }
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void menuFromCatalogue();
    void panelEmbedded();
    void ledsFollowPortGoingDown();
    void portPopupPages_data();
    void portPopupPages();
    void genericPageFromMenu();
    void rmonStateReadAfterItsPage();
    void siblingModuleStatus();
    void refreshPanel();
    void popupAfterRefreshPanel();
    void refreshPanelLooksAgentUpAgain();
    void helpAndAbout();
    // Last: the windows these open start the session over with their own simulator.
    void panelSetUpErrorsGoToStatusLine_data();
    void panelSetUpErrorsGoToStatusLine();
    void agentNotAnswering();

private:
    MainWindowFixture fixture_;
    TMainForm* form_ = nullptr;
};

void TestMainWindow::initTestCase()
{
    // Links stay as they are at start: a port changes only when the test changes it.
    QVERIFY2(fixture_.Start({"--clock-rate", "0"}), qPrintable(fixture_.Error()));
    form_ = fixture_.Open();
    QVERIFY(form_);
}

void TestMainWindow::cleanupTestCase()
{
    fixture_.Close();
}

void TestMainWindow::cleanup()
{
    SetMessageBoxHook({});
}

void TestMainWindow::menuFromCatalogue()
{
    QCOMPARE(form_->windowTitle(), QStringLiteral("127.0.0.1"));
    // The module's registry key opened (it is created when missing), which moves these.
    const QHash<QString, bool> startupVisibility{
        {"File System", false},
        {"Multiple Image Management", true},
        {"Multiple Config Management", true},
        {"Agent Supported Config Files", false},
    };
    const QHash<QString, bool> statusEnabled{
        {"rmon.statistics", true},  // RMON State enabled on the switch
        {"rmon.history", true},
        {"rmon.alarm_event", true},
        {"security_management.authentication_mode_setting", false},  // 802.1X disabled
        {"snmp_v3", false},                                          // a v2c agent
    };

    QStringList topMenus;
    for (const MenuItem& item : MainMenu()) {
        if (item.depth == 0) topMenus << QString::fromUtf8(item.caption);
        const QString id = QString::fromUtf8(item.id);
        QAction* action = form_->findChild<QAction*>(id);
        QVERIFY2(action, qPrintable(id));
        QCOMPARE(action->text(), ksw::app::MenuText(item.caption));
        const QString caption = QString::fromUtf8(item.caption);
        const bool visible = startupVisibility.value(caption, !item.hidden);
        QVERIFY2(action->isVisible() == visible, qPrintable(id));
        // Qt reports a hidden action as disabled whatever its own state.
        const bool enabled = statusEnabled.value(id, item.opens != Opens::HandBuilt);
        if (visible) QVERIFY2(action->isEnabled() == enabled, qPrintable(id));
    }
    QStringList shownTopMenus;
    for (QAction* action : form_->menuBar()->actions()) shownTopMenus << action->text();
    QCOMPARE(shownTopMenus, topMenus);

    // The spanning-tree information page is not built yet: present, disabled.
    QAction* stpControl = form_->findChild<QAction*>("bridge.spanning_tree.stp_control");
    QVERIFY(stpControl && !stpControl->isEnabled());

    auto* popup = form_->findChild<QMenu*>("PortInfoPopupMenu");
    QVERIFY(popup);
    QStringList popupCaptions;
    for (QAction* action : popup->actions()) popupCaptions << action->text();
    QCOMPARE(popupCaptions, (QStringList{"Port Information", "Port Configuration"}));
}

void TestMainWindow::panelEmbedded()
{
    auto* scrollBox = form_->findChild<QScrollArea*>("ScrollBox1");
    TKSW7116PanelForm* panel = form_->CurrentPanel();
    QVERIFY(scrollBox && panel);
    QVERIFY(scrollBox->isAncestorOf(panel));
    QCOMPARE(panel->pos(), QPoint(0, 0));
    QCOMPARE(form_->PanelWindows().size(), 1);
    QCOMPARE(scrollBox->width(), panel->width() + 3);
    QCOMPARE(form_->width(), panel->width() + 3);

    QStringList hints;
    for (TPortButton* button : form_->PortButtons()) {
        hints << button->Hint();
        QCOMPARE(button->PopupMenu(), form_->findChild<QMenu*>("PortInfoPopupMenu"));
    }
    QStringList expected;
    for (int port = 1; port <= 16; ++port) expected << QStringLiteral("%1.1").arg(port);
    expected << "15.2" << "16.2";
    QCOMPARE(hints, expected);

    // Clicking a port presses it and releases the others.
    auto* port5 = form_->findChild<TPortButton*>("Port5Button");
    auto* port6 = form_->findChild<TPortButton*>("Port6Button");
    port6->click();
    port5->click();
    port5->click();
    QVERIFY(port5->isChecked());
    QVERIFY(!port6->isChecked());

    // The hidden status texts hold the states as read.
    QCOMPARE(form_->findChild<QLabel*>("ST_RmonState")->text(), QStringLiteral("enabled"));
    QCOMPARE(form_->findChild<QLabel*>("ST_8021xStatus")->text(), QStringLiteral("disabled"));
    QVERIFY(!form_->findChild<QLabel*>("ST_RmonState")->isVisible());

    // The LED poll writes its status line into panel 0, power is steady green.
    QTRY_VERIFY_WITH_TIMEOUT(StatusPanel0(form_)->text().startsWith("Get: Ok! Request: Led Status."), kPollWaitMs);
    QCOMPARE(LedColour(panel, "PowerLedPanel"), 0x00FF00);
    QCOMPARE(LedColour(panel, "ConsoleLedPanel"), 0);
}

void TestMainWindow::ledsFollowPortGoingDown()
{
    TKSW7116PanelForm* panel = form_->CurrentPanel();
    QTRY_VERIFY_WITH_TIMEOUT(StatusPanel0(form_)->text().startsWith("Get: Ok!"), kPollWaitMs);
    // A copper port whose link is up.
    int port = 0;
    int32_t litColour = 0;
    for (int candidate = 1; candidate <= 14 && !port; ++candidate) {
        const int32_t colour = LedColour(panel, QStringLiteral("Port%1LedPanel").arg(candidate));
        if (colour > 0) {
            port = candidate;
            litColour = colour;
        }
    }
    QVERIFY2(port, "no port is up on the simulated switch");
    QTRY_VERIFY_WITH_TIMEOUT(panel->findChild<QWidget*>(QStringLiteral("Port%1G").arg(port))->isVisible() ||
                                 panel->findChild<QWidget*>(QStringLiteral("Port%1O").arg(port))->isVisible(),
                             kPollWaitMs);

    QVERIFY(SetAdminState(fixture_.Sim(), port, kAdminDisabled));
    const QString ledPanel = QStringLiteral("Port%1LedPanel").arg(port);
    QTRY_COMPARE_WITH_TIMEOUT(LedColour(panel, ledPanel), 0, kPollWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!panel->findChild<QWidget*>(QStringLiteral("Port%1G").arg(port))->isVisible() &&
                                 !panel->findChild<QWidget*>(QStringLiteral("Port%1O").arg(port))->isVisible(),
                             kPollWaitMs);

    QVERIFY(SetAdminState(fixture_.Sim(), port, kAdminEnabled));
    QTRY_COMPARE_WITH_TIMEOUT(LedColour(panel, ledPanel), litColour, kPollWaitMs);
}

void TestMainWindow::portPopupPages_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption");

    QTest::newRow("copper port, information") << "Port3Button" << "port_popup.port_information"
                                              << "Port Information Table : 127.0.0.1 / Port 3";
    QTest::newRow("copper port, configuration") << "Port12Button" << "port_popup.port_configuration"
                                                << "Port Configuration : 127.0.0.1 / Port 12";
    QTest::newRow("first combo port: fiber of port 15") << "Combo1Button" << "port_popup.port_information"
                                                        << "Port Information Table : 127.0.0.1 / Port 15";
    QTest::newRow("second combo port, configuration") << "Combo2Button" << "port_popup.port_configuration"
                                                      << "Port Configuration : 127.0.0.1 / Port 16";
}

void TestMainWindow::portPopupPages()
{
    QFETCH(QString, button);
    QFETCH(QString, entry);
    QFETCH(QString, caption);

    auto* portButton = form_->findChild<TPortButton*>(button);
    QVERIFY(portButton);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(3, 3), portButton->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(portButton, &rightClick);
    auto* popup = form_->findChild<QMenu*>("PortInfoPopupMenu");
    QTRY_VERIFY(popup->isVisible());
    popup->hide();

    QString title;
    QString firstValue;
    const bool opened = RunModal([&] { form_->findChild<QAction*>(entry)->trigger(); },
                                 [&](QWidget* page) {
                                     title = page->windowTitle();
                                     // The page reads the port's row ("<port>.<medium>"): unit 1.
                                     (void)QTest::qWaitFor([&] { return !EditText(page, 0).isEmpty(); }, 10000);
                                     firstValue = EditText(page, 0);
                                 });
    QVERIFY(opened);
    QCOMPARE(title, caption);
    QCOMPARE(firstValue, QStringLiteral("1"));
    for (TPortButton* other : form_->PortButtons()) QCOMPARE(other->isChecked(), other == portButton);
}

void TestMainWindow::genericPageFromMenu()
{
    QString title;
    QString totalPorts;
    QString memo;
    const bool opened = RunModal(
        [&] { form_->findChild<QAction*>("basic_configuration.device_management.device_information")->trigger(); },
        [&](QWidget* page) {
            QVERIFY(qobject_cast<TConfigForm*>(page));
            title = page->windowTitle();
            (void)QTest::qWaitFor([&] { return !EditText(page, 0).isEmpty(); }, 10000);
            totalPorts = EditText(page, 0);
        });
    QVERIFY(opened);
    QCOMPARE(title, QStringLiteral("Device Information: 127.0.0.1"));
    QCOMPARE(totalPorts, QStringLiteral("16"));
    QTRY_VERIFY(!form_->findChild<TConfigForm*>());  // destroyed when it closed

    // A title-form caption: title, separator, address.
    const bool clearPage = RunModal(
        [&] { form_->findChild<QAction*>("basic_configuration.agent_management.fdb_clear_all_state")->trigger(); },
        [&](QWidget* page) { title = page->windowTitle(); });
    QVERIFY(clearPage);
    QCOMPARE(title, QStringLiteral("FDB Clear All State : 127.0.0.1"));
}

void TestMainWindow::rmonStateReadAfterItsPage()
{
    QAction* rmonControl = form_->findChild<QAction*>("rmon.rmon_control");
    QAction* statistics = form_->findChild<QAction*>("rmon.statistics");
    QVERIFY(statistics->isEnabled());
    // RMON is switched off while its page is open (here behind the page's back).
    QVERIFY(RunModal([&] { rmonControl->trigger(); },
                     [&](QWidget*) { QVERIFY(SetInteger(fixture_.Sim(), kRmonStateInstance, 2)); }));
    QCOMPARE(form_->findChild<QLabel*>("ST_RmonState")->text(), QStringLiteral("disabled"));
    for (const char* id : {"rmon.statistics", "rmon.history", "rmon.alarm_event"})
        QVERIFY2(!form_->findChild<QAction*>(id)->isEnabled(), id);

    QVERIFY(SetInteger(fixture_.Sim(), kRmonStateInstance, 3));
    QVERIFY(RunModal([&] { rmonControl->trigger(); }, [](QWidget*) {}));
    QVERIFY(statistics->isEnabled());
}

void TestMainWindow::siblingModuleStatus()
{
    // The test's registry names neither the platform nor Norvane Console.
    StatusPanel0(form_)->clear();
    form_->findChild<QAction*>("basic_configuration.mib_ii.if_table")->trigger();
    QCOMPARE(StatusPanel0(form_)->text(), QStringLiteral("No Path!"));
}

void TestMainWindow::refreshPanel()
{
    QStringList questions;
    bool answer = false;
    SetMessageBoxHook([&](const MessageBoxRequest& request) {
        questions << request.text;
        return answer;
    });
    QAction* refresh = form_->findChild<QAction*>("basic_configuration.refresh_panel");
    QVERIFY(refresh);
    TKSW7116PanelForm* before = form_->CurrentPanel();

    refresh->trigger();
    QCOMPARE(questions, QStringList{"Refresh panel may take a long time. Are you sure?"});
    QCOMPARE(form_->CurrentPanel(), before);
    QCOMPARE(form_->PortButtons().size(), 18);

    answer = true;
    QPointer<TKSW7116PanelForm> old(before);
    refresh->trigger();
    QVERIFY(old.isNull());
    QVERIFY(form_->CurrentPanel() && form_->CurrentPanel() != before);
    QCOMPARE(form_->PanelWindows().size(), 1);
    QCOMPARE(form_->PortButtons().size(), 18);
    for (TPortButton* button : form_->PortButtons()) {
        QCOMPARE(button->parentWidget(), form_->CurrentPanel());
        QVERIFY(button->PopupMenu());
    }
    QTRY_VERIFY_WITH_TIMEOUT(LedColour(form_->CurrentPanel(), "PowerLedPanel") == 0x00FF00, kPollWaitMs);
}

// The popup remembers the button it was opened on; "Refresh Panel" destroys that button.
void TestMainWindow::popupAfterRefreshPanel()
{
    OpenPopupOn(form_->findChild<TPortButton*>("Port3Button"));
    form_->RefreshPanel();
    QAction* information = form_->findChild<QAction*>("port_popup.port_information");
    QVERIFY(!RunModal([&] { information->trigger(); }, [](QWidget*) {}, 1000));
    for (TPortButton* button : form_->PortButtons()) QVERIFY(!button->isChecked());

    // The popup of a button of the new panel opens that port's page.
    auto* port7 = form_->CurrentPanel()->findChild<TPortButton*>("Port7Button");
    OpenPopupOn(port7);
    QString title;
    QVERIFY(RunModal([&] { information->trigger(); }, [&](QWidget* page) { title = page->windowTitle(); }));
    QCOMPARE(title, QStringLiteral("Port Information Table : 127.0.0.1 / Port 7"));
    QVERIFY(port7->isChecked());
}

// The agent's name is looked up when the panel is refreshed, and not by its polls.
void TestMainWindow::refreshPanelLooksAgentUpAgain()
{
    QStringList lookups;
    bool nameServerUp = false;
    const HostResolver saved = SetHostResolver([&](const QString& name) {
        lookups << name;
        return nameServerUp ? QStringLiteral("127.0.0.1") : QString();
    });
    const QString address = DefaultProfile().Device.Address;
    DefaultProfile().Device.Address = QStringLiteral("ksw-sim.test");

    form_->RefreshPanel();
    QCOMPARE(lookups, QStringList{"ksw-sim.test"});
    const QString unresolved = QStringLiteral("Get: Invalid IP Address or DNS name!");
    QTRY_VERIFY_WITH_TIMEOUT(StatusPanel0(form_)->text().startsWith(unresolved), kPollWaitMs);
    StatusPanel0(form_)->clear();
    QTRY_VERIFY_WITH_TIMEOUT(StatusPanel0(form_)->text().startsWith(unresolved), kPollWaitMs);
    QCOMPARE(lookups.size(), 1);

    nameServerUp = true;
    form_->RefreshPanel();
    QCOMPARE(lookups.size(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(StatusPanel0(form_)->text().startsWith("Get: Ok! Request: Led Status."), kPollWaitMs);
    QCOMPARE(form_->findChild<QLabel*>("ST_RmonState")->text(), QStringLiteral("enabled"));
    StatusPanel0(form_)->clear();
    QTRY_VERIFY_WITH_TIMEOUT(StatusPanel0(form_)->text().startsWith("Get: Ok!"), kPollWaitMs);
    QCOMPARE(lookups.size(), 2);

    DefaultProfile().Device.Address = address;
    SetHostResolver(saved);
    form_->RefreshPanel();
}

void TestMainWindow::panelSetUpErrorsGoToStatusLine_data()
{
    QTest::addColumn<int>("thrown");  // 0: a standard exception, 1: anything else
    QTest::addColumn<QString>("status");
    QTest::newRow("standard exception") << 0 << "LED object out of reach";
    QTest::newRow("anything else") << 1 << "Unknown exception";
}

void TestMainWindow::panelSetUpErrorsGoToStatusLine()
{
    QFETCH(int, thrown);
    QFETCH(QString, status);
    panelSetUpFailure = [thrown] {
        if (thrown == 0) throw std::runtime_error("LED object out of reach");
        throw 42;
    };
    MainWindowFixture failing;
    QVERIFY2(failing.Start({"--clock-rate", "0"}), qPrintable(failing.Error()));
    TMainForm* form = failing.Open<FailingPanelSetUp>();
    QVERIFY(form);
    QCOMPARE(StatusPanel0(form)->text(), status);

    // Embedding went on: the panel with its pictures and buttons, then the status reads.
    TKSW7116PanelForm* panel = form->CurrentPanel();
    QVERIFY(panel && panel->isVisible());
    QCOMPARE(form->PanelWindows().size(), 1);
    QCOMPARE(form->width(), panel->width() + 3);
    QVERIFY(panel->findChild<QLabel*>("Port1G")->isHidden());
    QCOMPARE(form->PortButtons().size(), 18);
    QCOMPARE(form->findChild<QLabel*>("ST_RmonState")->text(), QStringLiteral("enabled"));

    // And the window works.
    auto* port2 = panel->findChild<TPortButton*>("Port2Button");
    port2->click();
    QVERIFY(port2->isChecked());
    QString title;
    QAction* deviceInformation = form->findChild<QAction*>("basic_configuration.device_management.device_information");
    QVERIFY(RunModal([&] { deviceInformation->trigger(); }, [&](QWidget* page) { title = page->windowTitle(); }));
    QCOMPARE(title, QStringLiteral("Device Information: 127.0.0.1"));
    failing.Close();
}

void TestMainWindow::helpAndAbout()
{
    form_->findChild<QAction*>("help.help")->trigger();
    auto* browser = qobject_cast<QTextBrowser*>(
        [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == "HelpViewer") return window->findChild<QTextBrowser*>("HelpBrowser");
            return static_cast<QTextBrowser*>(nullptr);
        }());
    QVERIFY(browser);
    QCOMPARE(browser->source().fileName(), QStringLiteral("KSW-7100-16 vantrix.html"));
    QVERIFY(!browser->documentTitle().isEmpty());

    QString aboutTitle;
    QVERIFY(RunModal([&] { form_->findChild<QAction*>("help.about")->trigger(); },
                     [&](QWidget* about) { aboutTitle = about->windowTitle(); }));
    QCOMPARE(aboutTitle, QStringLiteral("About KSW-7100-16 Module"));
}

void TestMainWindow::agentNotAnswering()
{
    MainWindowFixture silent;
    QVERIFY2(silent.Start({"--drop", "100"}), qPrintable(silent.Error()));
    TMainForm* form = silent.Open();
    QVERIFY(form);
    QVERIFY(form->CurrentPanel());
    QVERIFY(form->CurrentPanel()->isVisible());
    QCOMPARE(form->PortButtons().size(), 18);
    QVERIFY2(StatusPanel0(form)->text().contains("(SNMPClass) SNMP request timed out!"),
             qPrintable(StatusPanel0(form)->text()));
    // Nothing was read: the entries keep their design-time state.
    for (const char* id : {"rmon.statistics", "rmon.history", "rmon.alarm_event",
                           "security_management.authentication_mode_setting"})
        QVERIFY2(form->findChild<QAction*>(id)->isEnabled(), id);
    QCOMPARE(form->findChild<QLabel*>("ST_RmonState")->text(), QString());
    // The LED poll fails too, and leaves every LED dark.
    QTRY_VERIFY_WITH_TIMEOUT(StatusPanel0(form)->text().startsWith("Get: (SNMPClass) SNMP request timed out!"),
                             kPollWaitMs);
    QCOMPARE(LedColour(form->CurrentPanel(), "PowerLedPanel"), 0);
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
