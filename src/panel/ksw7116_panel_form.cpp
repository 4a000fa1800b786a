#include "panel/ksw7116_panel_form.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>

#include "platform/dpi_scale.h"
#include "binding/leds.h"
#include "ksw_resources.h"
#include "panel/led_colour_maps.h"
#include "panel/link_pictures.h"
#include "panel/panel_host.h"
#include "panel/panel_layout.h"
#include "panel/panel_objects.h"
#include "panel/port_button.h"
#include "snmp/exception_reporter.h"

using namespace ksw::panel;

namespace {

constexpr int kLinkTimerMs = 5000;
constexpr int kPollInterval = 500;  // in units of 10 ms
constexpr int32_t kLedTimeout = 300;  // hundredths of a second
constexpr int kDecodeMode = 2;
constexpr int kSplitIndex = 5;
constexpr char kLedListName[] = " Led Status";
constexpr char kLedObjectInstance[] = "0";

// An LED row: one LED shape inside its 5 by 5 panel.
struct LedRow {
    const char* panel;
    int byteIndex;
    bool powerOrConsole;
};

QString ObjectName(const char* prefix, int number, const char* suffix)
{
    return QStringLiteral("%1%2%3").arg(QLatin1String(prefix)).arg(number).arg(QLatin1String(suffix));
}

// Runs one set-up step; an error of any kind skips the step and is reported.
template <typename Step, typename Report>
void RunStep(Step&& step, Report&& report)
{
    try {
        step();
    } catch (...) {
        report(CurrentExceptionMessage());
    }
}

}  // namespace

TKSW7116PanelForm::TKSW7116PanelForm(QWidget* owner, TPanelHost* host) : QWidget(owner), host_(host)
{
    InitKswResources();
    setObjectName(QStringLiteral("KSW7116PanelForm"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(Scaled(kPanelSize.width()), Scaled(kPanelSize.height()));

    CreateImage();
    CreateLedPanels();
    CreateLinkPictures();

    portspeed_ = new QLabel(this);
    portspeed_->setObjectName(QStringLiteral("Portspeed"));
    portspeed_->hide();

    CreatePortButtons();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kLinkTimerMs);
    connect(timer1_, &QTimer::timeout, this, &TKSW7116PanelForm::Timer1Timer);
    timer1_->start();
}

TKSW7116PanelForm::~TKSW7116PanelForm()
{
    FormClose();
}

void TKSW7116PanelForm::CreateImage()
{
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(rect());
    image->setPixmap(QPixmap(QStringLiteral(":/front_panel.jpg")));
    image->setScaledContents(true);
}

QWidget* TKSW7116PanelForm::CreateLedPanel(const QString& name, QPoint at)
{
    auto* panel = new QWidget(this);
    panel->setObjectName(name);
    panel->setGeometry(ScaledRect(at.x(), at.y(), kLedPanelSize.width(), kLedPanelSize.height()));
    return panel;
}

void TKSW7116PanelForm::CreateLedPanels()
{
    CreateLedPanel(QStringLiteral("PowerLedPanel"), kPowerLed);
    CreateLedPanel(QStringLiteral("ConsoleLedPanel"), kConsoleLed);
    for (int port = 1; port <= kFrontPorts; ++port)
        CreateLedPanel(ObjectName("Port", port, "LedPanel"), PortLedPosition(port));
    for (int combo = 1; combo <= 2; ++combo)
        CreateLedPanel(ObjectName("Port", kFrontPorts + combo, "LedPanel"),
                       kComboLeds[static_cast<size_t>(combo - 1)]);
}

QLabel* TKSW7116PanelForm::CreatePicture(const QString& name, const QString& resource, QPoint at, QSize size)
{
    auto* picture = new QLabel(this);
    picture->setObjectName(name);
    picture->setGeometry(ScaledRect(at.x(), at.y(), size.width(), size.height()));
    picture->setPixmap(QPixmap(resource));
    picture->setScaledContents(true);
    picture->hide();
    return picture;
}

void TKSW7116PanelForm::CreateLinkPictures()
{
    for (int port = 1; port <= kFrontPorts; ++port) {
        const QPoint at = LinkPicturePosition(port);
        CreatePicture(ObjectName("Port", port, "G"), QStringLiteral(":/link_g.png"), at, kLinkPictureSize);
        CreatePicture(ObjectName("Port", port, "O"), QStringLiteral(":/link_o.png"), at, kLinkPictureSize);
    }
    for (int combo = 1; combo <= 2; ++combo) {
        const QPoint at = ComboPicturePosition(combo);
        CreatePicture(ObjectName("Combo", combo, "G"), QStringLiteral(":/combo_g.png"), at, kComboPictureSize);
        CreatePicture(ObjectName("Combo", combo, "O"), QStringLiteral(":/combo_o.png"), at, kComboPictureSize);
    }
}

void TKSW7116PanelForm::CreatePortButtons()
{
    for (const PortButtonPlace& place : PortButtonPlaces()) {
        auto* button = new TPortButton(place.hint, this);
        button->setObjectName(place.objectName);
        const QRect r = place.rect;
        button->setGeometry(ScaledRect(r.x(), r.y(), r.width(), r.height()));
        button->raise();
        portButtons_.append(button);
        if (host_) host_->AddPortButton(button);
    }
}

void TKSW7116PanelForm::ReportStatus(const QString& message)
{
    if (host_ && host_->StatusPanel()) host_->StatusPanel()->setText(message);
}

void TKSW7116PanelForm::SetUpBindings()
{
    auto report = [this](const QString& message) { ReportStatus(message); };

    RunStep(
        [this] {
            auto binding = std::make_unique<QxSNMPRequest2Edits>(this);
            binding->SetVarList(QxSNMPVarList(kFrontPanelLedStatus, VarListKind::ScalarGroup, 0));
            binding->Mode = QxSNMPRequest2Controls::ModeSync;
            binding->BindControl(0, portspeed_);
            labelBinding_ = std::move(binding);
        },
        report);

    RunStep(
        [this] {
            auto binding = std::make_unique<QxSNMPRequest2Leds>(this);
            binding->SetVarList(QxSNMPVarList(kManagementFrontPanelLedStatus, VarListKind::SingleInstance, 0));
            binding->Vars().Instance = QLatin1String(kLedObjectInstance);
            binding->Request().Timeout = kLedTimeout;
            binding->SetDecodeMode(kDecodeMode, kSplitIndex);
            ledBinding_ = std::move(binding);
        },
        report);
    if (!ledBinding_) return;

    RunStep(
        [this] {
            auto addRow = [this](const QString& panelName, int byteIndex, bool powerOrConsole, int size) {
                auto* panel = findChild<QWidget*>(panelName, Qt::FindDirectChildrenOnly);
                const QxSNMPLedColorMapList& map = powerOrConsole ? PowerConsoleLedMap() : PortLedMap();
                const int gap = powerOrConsole ? 10 : 6;
                ledBinding_->AddLedRow(0, QString::number(byteIndex), &map, panel, Scaled(1), Scaled(gap),
                                       QxLedShape::Rectangle, Scaled(size), Scaled(size));
            };
            addRow(QStringLiteral("PowerLedPanel"), kPowerLedByte, true, 5);
            addRow(QStringLiteral("ConsoleLedPanel"), kConsoleLedByte, true, 5);
            for (int panel = 1; panel <= kLedPanels; ++panel) {
                // Port 15's LED is drawn a pixel larger, as on the unit.
                const int size = panel == 15 ? 6 : 5;
                addRow(ObjectName("Port", panel, "LedPanel"), StateByteOfSlot(SlotOfLedPanel(panel)), false, size);
            }
        },
        report);

    RunStep(
        [this] {
            if (host_ && host_->StatusPanel()) ledBinding_->SetStatusTarget(host_->StatusPanel());
            ledBinding_->Vars().Name = QLatin1String(kLedListName);
        },
        report);

    RunStep([this] { ledBinding_->StartPolling(kPollInterval); }, report);
}

void TKSW7116PanelForm::SetUpPictures()
{
    portPicturesG_.clear();
    portPicturesO_.clear();
    for (int port = 1; port <= kFrontPorts; ++port) {
        auto* g = findChild<QLabel*>(ObjectName("Port", port, "G"), Qt::FindDirectChildrenOnly);
        auto* o = findChild<QLabel*>(ObjectName("Port", port, "O"), Qt::FindDirectChildrenOnly);
        g->hide();
        o->hide();
        portPicturesG_.append(g);
        portPicturesO_.append(o);
    }
    for (const char* name : {"Combo1G", "Combo1O", "Combo2G", "Combo2O"})
        findChild<QLabel*>(QLatin1String(name), Qt::FindDirectChildrenOnly)->hide();
}

void TKSW7116PanelForm::Timer1Timer()
{
    if (!labelBinding_) return;
    try {
        labelBinding_->Get();
        ShowLinkPictures(portspeed_->text());
    } catch (...) {
        // The pictures keep their state until a read succeeds.
    }
}

void TKSW7116PanelForm::ShowLinkPictures(const QString& hexValue)
{
    for (int slot = 1; slot <= kLedSlots; ++slot) SetLinkPictures(PictureBaseOfSlot(slot), slot, hexValue);
}

void TKSW7116PanelForm::SetLinkPictures(const QString& base, int slot, const QString& hexValue)
{
    QLabel* g = nullptr;
    QLabel* o = nullptr;
    if (base.startsWith(QLatin1String("Combo"))) {
        g = findChild<QLabel*>(base + u'G', Qt::FindDirectChildrenOnly);
        o = findChild<QLabel*>(base + u'O', Qt::FindDirectChildrenOnly);
    } else {
        const int index = base.mid(4).toInt() - 1;  // "Port<n>"
        if (index < 0 || index >= portPicturesG_.size()) return;
        g = portPicturesG_[index];
        o = portPicturesO_[index];
    }
    if (!g || !o) return;
    const LinkPicture picture = LinkPictureOfDigits(SlotDigits(hexValue, slot));
    g->setVisible(picture == LinkPicture::Gigabit);
    o->setVisible(picture == LinkPicture::Other);
}

void TKSW7116PanelForm::FormClose()
{
    if (closed_) return;
    closed_ = true;
    timer1_->stop();
    if (ledBinding_) {
        ledBinding_->StopPolling();
        ledBinding_->Request().Enabled = false;
        ledBinding_->WaitWhileBusy();
        ledBinding_.reset();
    }
    labelBinding_.reset();
    portPicturesG_.clear();
    portPicturesO_.clear();
}

void TKSW7116PanelForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}
