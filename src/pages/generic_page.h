#pragma once
// Opening the generic page of a menu catalogue entry: caption, variable list, scalar editor or
// table page with its row-status buttons, input formats and layout settings.

#include <QString>
#include <memory>

class QWidget;
class TConfigForm;

namespace ksw::catalogue {
struct MenuItem;
}

// "Device Information: 10.0.0.5", "FDB Clear All State : 10.0.0.5", and for the port popups
// "Port Configuration : 10.0.0.5 / Port 3" (instance "3.1": port 3, copper medium).
QString GenericPageCaption(const ksw::catalogue::MenuItem& item, const QString& agentAddress,
                           const QString& instance = QString());

// The page of an entry that opens a generic page, set up and not yet shown. `instance` is the
// list's instance for the entries that address one (the port popups: the port button's hint).
// Raises what setting the page up raises (a wrong row-status text, a bad format).
std::unique_ptr<TConfigForm> CreateGenericPage(const ksw::catalogue::MenuItem& item, const QString& agentAddress,
                                               QWidget* parent, const QString& instance = QString());

// Creates the page, shows it modally and destroys it when it closes.
void OpenGenericPage(const ksw::catalogue::MenuItem& item, const QString& agentAddress, QWidget* parent,
                     const QString& instance = QString());
