#include "table_walk.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <memory>

#include "catalogue/menu_catalogue.h"
#include "binding/listview.h"
#include "binding/request2edits.h"
#include "event_loop_watch.h"
#include "pages/config_form.h"
#include "pages/generic_page.h"
#include "pages/snmp_listview_panel.h"
#include "snmp/session.h"

namespace {

constexpr const char* kPageId = "vlan.802_1q.forwarding_filtering.unicast_forwarding_information";
// Long enough for 100,000 rows on a slow machine; a walk that takes longer has failed.
constexpr int kWalkLimitMs = 600000;

}  // namespace

TableWalkResult WalkForwardingTable(const QxSNMPProfile& profile, const TableWalkOptions& options)
{
    TableWalkResult result;
    const ksw::catalogue::MenuItem* item = ksw::catalogue::FindMenuItem(kPageId);
    if (!item) {
        result.error = QStringLiteral("no page %1 in the catalogue").arg(QLatin1String(kPageId));
        return result;
    }
    // The page's request copies the default profile when the page creates its binding.
    DefaultProfile() = profile;
    std::unique_ptr<TConfigForm> page = CreateGenericPage(*item, profile.Device.Address, nullptr);
    auto* table = page ? qobject_cast<TSNMPListViewPanel*>(page->Panel()) : nullptr;
    QxSNMPRequest2Edits* binding = page ? page->Binding() : nullptr;
    if (!table || !binding) {
        result.error = QStringLiteral("%1 is not a table page").arg(QLatin1String(kPageId));
        return result;
    }

    QEventLoop loop;
    QxSNMPError outcome;
    bool finished = false;
    binding->Completion = [&](QxSNMPRequest2Controls*, const QxSNMPError& error) {
        outcome = error;
        finished = true;
        loop.quit();
    };
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(kWalkLimitMs);

    EventLoopWatch watch;
    if (options.watchEventLoop) watch.Start();
    QElapsedTimer clock;
    clock.start();
    if (options.showPage)
        page->show();  // the page reads once it is on the screen
    else
        page->Refresh();
    if (!finished) loop.exec();
    result.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (options.watchEventLoop) {
        // Rows still held are shown within the list view's batch delay: that is part of filling.
        QEventLoop drain;
        QTimer::singleShot(100, &drain, &QEventLoop::quit);
        drain.exec();
        watch.Stop();
        result.longestStallMs = watch.LongestStallMs();
        result.longestStallEndMs = watch.LongestStallEndMs();
    }

    result.rows = table->ListView()->RowCount();
    if (!finished) {
        result.error = QStringLiteral("the walk did not end within %1 s").arg(kWalkLimitMs / 1000);
    } else if (outcome.Code != 0) {
        result.error = QStringLiteral("%1 (%2)").arg(outcome.Message).arg(outcome.Code);
    } else {
        result.ok = true;
    }
    binding->Completion = nullptr;
    page->done(0);  // closes as the user would: the page waits for its bindings
    return result;
}
