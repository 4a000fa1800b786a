#include "table_walk.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "app/catalogue/menu_catalogue.h"
#include "binding/listview.h"
#include "binding/request2edits.h"
#include "event_loop_watch.h"

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
    // The request copies the default profile when the binding creates it.
    DefaultProfile() = profile;

    auto window = std::make_unique<QWidget>();
    window->resize(600, 450);
    auto* layout = new QVBoxLayout(window.get());
    auto* view = new QxListView(window.get());
    view->setObjectName(QStringLiteral("ListView1"));
    layout->addWidget(view);
    auto* binding = new QxSNMPRequest2Edits(window.get());
    const ksw::catalogue::GenericPage& page = item->page;
    binding->SetVarList(QxSNMPVarList(page.table.data(), page.kind, page.indexCount));
    binding->SetListView(view);
    if (options.showPage) window->show();
    QEventLoop settle;  // the window's first layout and paint happen before the clock starts
    QTimer::singleShot(50, &settle, &QEventLoop::quit);
    settle.exec();

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
    binding->Get();
    if (!finished) loop.exec();
    result.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (options.watchEventLoop) {
        // Rows still held are shown within the list view's batch delay: that is part of filling.
        QEventLoop drain;
        QTimer::singleShot(100, &drain, &QEventLoop::quit);
        drain.exec();
        watch.Stop();
        result.longestStallMs = watch.LongestStallMs();
    }

    result.rows = view->RowCount();
    if (!finished) {
        result.error = QStringLiteral("the walk did not end within %1 s").arg(kWalkLimitMs / 1000);
    } else if (outcome.Code != 0) {
        result.error = QStringLiteral("%1 (%2)").arg(outcome.Message).arg(outcome.Code);
    } else {
        result.ok = true;
    }
    return result;
}
