// What the main window's menu entries and the port popup do.

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <memory>

#include "app/about_form.h"
#include "app/hand_built_pages.h"
#include "app/launch_module.h"
#include "app/main_form.h"
#include "app/main_menu.h"
#include "app/page_caption.h"
#include "app/startup_settings.h"
#include "pages/generic_page.h"
#include "panel/port_button.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "snmp/exception_reporter.h"

using namespace ksw::app;
using ksw::catalogue::MenuItem;
using ksw::catalogue::Opens;
using ksw::catalogue::ShellAction;
using ksw::catalogue::StatusRefresh;

namespace {

constexpr char kHelpFile[] = "KSW-7100-16 vantrix.html";
constexpr char kPortInformationId[] = "port_popup.port_information";
constexpr char kPortConfigurationId[] = "port_popup.port_configuration";

bool IsAvailable(const MenuItem& item)
{
    return item.opens != Opens::HandBuilt || FindHandBuiltPage(item.formClass ? item.formClass : "") != nullptr;
}

}  // namespace

void TMainForm::BuildMenus()
{
    MenuBuildHooks hooks;
    hooks.triggered = [this](const MenuItem& item) { MenuItemClick(item); };
    hooks.available = IsAvailable;
    menuActions_ = BuildMenuBar(menuBar(), ksw::catalogue::MainMenu(), hooks);
}

QMenu* TMainForm::BuildPortPopupMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PortInfoPopupMenu"));
    MenuBuildHooks hooks;
    // The popup's entries need the button the popup was opened from.
    const auto actions = BuildPopupMenu(menu, ksw::catalogue::PortPopupMenu(), hooks);
    connect(actions.value(QLatin1String(kPortInformationId)), &QAction::triggered, this,
            &TMainForm::PortInformationClick);
    connect(actions.value(QLatin1String(kPortConfigurationId)), &QAction::triggered, this,
            &TMainForm::PortConfigurationClick);
    for (auto it = actions.begin(); it != actions.end(); ++it) menuActions_.insert(it.key(), it.value());
    return menu;
}

void TMainForm::MenuItemClick(const MenuItem& item)
{
    // Qt ends the program when an exception leaves a slot: show it as the framework would.
    try {
        switch (item.opens) {
        case Opens::Submenu: break;
        case Opens::Generic: OpenGenericEntry(item); break;
        case Opens::HandBuilt: OpenHandBuiltEntry(item); break;
        case Opens::Sibling: {
            const QString status = LaunchModule(QString::fromUtf8(item.siblingSwitch));
            if (!status.isEmpty()) ShowStatusText(status);
            break;
        }
        case Opens::Shell: RunShellAction(item); break;
        }
    } catch (...) {
        ReportCurrentException();
    }
}

void TMainForm::OpenGenericEntry(const MenuItem& item)
{
    if (item.statusRefresh == StatusRefresh::StpBeforeOpen) RefreshStpStatus();
    StartupSettings& settings = AppStartupSettings();
    settings.PageCaption = PageCaptionOf(item.pageCaption, settings.AgentAddressText);
    OpenGenericPage(item, settings.AgentAddressText, this);
    if (item.statusRefresh == StatusRefresh::RmonAfterClose) RefreshRmonStatus();
    if (item.statusRefresh == StatusRefresh::Dot1xAfterClose) RefreshDot1xStatus();
}

void TMainForm::OpenHandBuiltEntry(const MenuItem& item)
{
    const HandBuiltPageFactory create = FindHandBuiltPage(item.formClass ? item.formClass : "");
    if (!create) return;
    if (item.statusRefresh == StatusRefresh::StpBeforeOpen) RefreshStpStatus();
    const StartupSettings& settings = AppStartupSettings();
    std::unique_ptr<QDialog> page(create(this));
    page->setWindowTitle(PageCaptionOf(item.pageCaption, settings.AgentAddressText));
    page->exec();
}

void TMainForm::RunShellAction(const MenuItem& item)
{
    if (item.confirm && !ConfirmOkCancel(this, QString::fromUtf8(item.confirm))) return;
    switch (item.action) {
    case ShellAction::None: break;
    case ShellAction::RefreshPanel: RefreshPanel(); break;
    case ShellAction::Help:
        ShowHelp(QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kHelpFile)));
        break;
    case ShellAction::About: {
        TAboutForm about(this);
        about.exec();
        break;
    }
    }
}

void TMainForm::PortInformationClick()
{
    OpenPortPage(kPortInformationId);
}

void TMainForm::PortConfigurationClick()
{
    OpenPortPage(kPortConfigurationId);
}

void TMainForm::OpenPortPage(const char* itemId)
{
    try {
        TPortButton* button = TPortButton::PopupComponent(portInfoPopupMenu_);
        const MenuItem* item = ksw::catalogue::FindMenuItem(itemId);
        if (!button || !item) return;
        PressOnly(button);
        StartupSettings& settings = AppStartupSettings();
        settings.PageCaption = PageCaptionOf(item->pageCaption, settings.AgentAddressText);
        OpenGenericPage(*item, settings.AgentAddressText, this, button->Hint());
    } catch (...) {
        ReportCurrentException();
    }
}
