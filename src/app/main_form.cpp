// The main window: construction, first activation, the embedded front panel and closing.

#include "app/main_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>

#include "platform/dpi_scale.h"
#include "app/main_menu.h"
#include "app/startup.h"
#include "app/startup_settings.h"
#include "app/status_objects.h"
#include "binding/request2edits.h"
#include "panel/ksw7116_panel_form.h"
#include "panel/port_button.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "snmp/agent_address.h"
#include "snmp/exception_reporter.h"
#include "snmp/profile.h"
#include "snmp/session.h"

namespace {

constexpr QEvent::Type kFirstActivationEvent = static_cast<QEvent::Type>(QEvent::User + 1);
constexpr int kInitialWidth = 800;
constexpr int kStatusPanelMinimumWidth = 50;
// The scroll box keeps a small margin around the panel.
constexpr int kPanelMargin = 3;

QLabel* HiddenStatusText(QWidget* parent, const char* name)
{
    auto* text = new QLabel(parent);
    text->setObjectName(QLatin1String(name));
    text->hide();
    return text;
}

}  // namespace

TMainForm::TMainForm(const QStringList& parameters, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("MainForm"));
    CreateWidgets();

    const QScreen* screen = QGuiApplication::primaryScreen();
    SetDpiScale(DpiScaleForDpi(screen ? screen->logicalDotsPerInch() : 96.0));
    resize(kInitialWidth, height());

    ApplyStartup(parameters);
    FormCreate();
}

TMainForm::~TMainForm()
{
    ClosePanels();
}

void TMainForm::CreateWidgets()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(bar);

    scrollBox1_ = new QScrollArea(this);
    scrollBox1_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox1_->setFrameShape(QFrame::NoFrame);
    scrollBox1_->setWidgetResizable(true);
    scrollBox1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollContents_ = new QWidget;
    scrollContents_->setObjectName(QStringLiteral("ScrollBox1Contents"));
    scrollBox1_->setWidget(scrollContents_);
    setCentralWidget(scrollBox1_);

    stRmonState_ = HiddenStatusText(scrollContents_, "ST_RmonState");
    stStpVersion_ = HiddenStatusText(scrollContents_, "ST_STPVersion");
    st8021xStatus_ = HiddenStatusText(scrollContents_, "ST_8021xStatus");

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    statusPanel0_ = new QLabel(statusBar_);
    statusPanel0_->setObjectName(QStringLiteral("StatusPanel0"));
    statusPanel0_->setMinimumWidth(kStatusPanelMinimumWidth);
    // The messages are long; the panel takes the whole bar so that they stay readable.
    statusBar_->addWidget(statusPanel0_, 1);
    setStatusBar(statusBar_);

    BuildMenus();
    portInfoPopupMenu_ = BuildPortPopupMenu();
}

void TMainForm::ApplyStartup(const QStringList& parameters)
{
    StartupSettings& settings = AppStartupSettings();
    settings = StartupSettings{};
    CreateSession(QString());
    const StartupOutcome outcome = RunStartup(parameters, settings, DefaultProfile());
    // The agent's name is looked up here, once, and never again by an exchange.
    ResolveAgentAddress(DefaultProfile().Device.Address);
    for (const MenuVisibility& change : outcome.MenuChanges) SetMenuVisible(change.caption, change.visible);
    if (outcome.NoParameterInput) {
        ShowMessage(this, QString::fromLatin1(kNoParameterInput));
        terminateRequested_ = true;
        QCoreApplication::quit();
    }
    if (QAction* snmpV3 = MenuAction("snmp_v3")) snmpV3->setEnabled(outcome.SnmpV3MenuEnabled);
}

void TMainForm::FormCreate()
{
    try {
        setWindowTitle(AppStartupSettings().AgentAddressText);
        model7110_ = QString::fromLatin1(kModel7110);
        model7116_ = QString::fromLatin1(kModel7116);
        SetMenuVisible("Fan Table", true);
        SetMenuVisible("Temperature Table", true);
        rmonStatus_ = CreateStatusBinding(ksw::app::kRmonStateObject, stRmonState_);
        stpStatus_ = CreateStatusBinding(ksw::app::kStpVersionObject, stStpVersion_);
        dot1xStatus_ = CreateStatusBinding(ksw::app::kDot1xAuthControlObject, st8021xStatus_);
    } catch (...) {
        ShowStatusText(CurrentExceptionMessage());
    }
}

QAction* TMainForm::MenuAction(const char* itemId) const
{
    return menuActions_.value(QString::fromUtf8(itemId));
}

void TMainForm::SetMenuVisible(const char* caption, bool visible)
{
    for (const ksw::catalogue::MenuItem& item : ksw::catalogue::MainMenu()) {
        if (qstrcmp(item.caption, caption) != 0) continue;
        if (QAction* action = MenuAction(item.id)) action->setVisible(visible);
        return;
    }
}

void TMainForm::ShowStatusText(const QString& text)
{
    statusPanel0_->setText(text);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (activated_ || activationDue_) return;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // After the window is on the screen, so that it is drawn before the first reads wait.
    activationDue_ = true;
    QCoreApplication::postEvent(this, new QEvent(kFirstActivationEvent));
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == kFirstActivationEvent) {
        FormActivate();
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::FormActivate()
{
    if (activated_) return;
    activated_ = true;
    try {
        EmbedPanel();
        GiveButtonsPopupAndClick();
        RefreshRmonStatus();
        RefreshDot1xStatus();
    } catch (...) {
        ReportCurrentException();
    }
}

void TMainForm::AddPortButton(TPortButton* button)
{
    portButtons_.append(button);
}

void TMainForm::SetUpPanelBindings(TKSW7116PanelForm& panel)
{
    panel.SetUpBindings();
}

void TMainForm::EmbedPanel()
{
    auto* panel = new TKSW7116PanelForm(scrollContents_, this);
    panel->UnitNumber = 1;
    // Whatever a step throws, the window opens with its panel: the error is only a status line.
    const auto step = [this](auto&& run) {
        try {
            run();
        } catch (...) {
            ShowStatusText(CurrentExceptionMessage());
        }
    };
    step([&] { SetUpPanelBindings(*panel); });
    step([&] { panel->SetUpPictures(); });
    panel->move(0, 0);
    SizeAroundPanel(*panel);
    panel->show();
    panelWindows_.append(panel);
    currentPanel_ = panel;
}

void TMainForm::SizeAroundPanel(const TKSW7116PanelForm& panel)
{
    const int width = panel.width() + kPanelMargin;
    const int scrollHeight = panel.height() + kPanelMargin;
    scrollBox1_->setFixedSize(width, scrollHeight);
    // The menu bar may need two rows at this width.
    const int menuHeight = menuBar()->heightForWidth(width) > 0 ? menuBar()->heightForWidth(width)
                                                                 : menuBar()->sizeHint().height();
    setFixedSize(width, menuHeight + scrollHeight + statusBar_->sizeHint().height());
}

void TMainForm::GiveButtonsPopupAndClick()
{
    for (TPortButton* button : std::as_const(portButtons_)) {
        button->SetPopupMenu(portInfoPopupMenu_);
        connect(button, &QAbstractButton::clicked, this, [this, button] { PortButtonClick(button); });
    }
}

void TMainForm::PortButtonClick(TPortButton* button)
{
    PressOnly(button);
}

void TMainForm::PressOnly(TPortButton* button)
{
    for (TPortButton* other : std::as_const(portButtons_)) other->setChecked(other == button);
}

void TMainForm::ClosePanels()
{
    const auto panels = std::exchange(panelWindows_, {});
    portButtons_.clear();
    currentPanel_ = nullptr;
    for (const QPointer<TKSW7116PanelForm>& panel : panels) {
        if (!panel) continue;
        panel->FormClose();
        delete panel.data();
    }
}

void TMainForm::RefreshPanel()
{
    ClosePanels();
    // Starting over includes the agent's name: its address may have changed, or the name server
    // may answer again.
    ResolveAgentAddress(DefaultProfile().Device.Address);
    EmbedPanel();
    GiveButtonsPopupAndClick();
    RefreshRmonStatus();
    RefreshDot1xStatus();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    ClosePanels();
    CloseHelp();
    event->accept();
}
