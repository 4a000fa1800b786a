// The binding of requests to page controls against ksw-sim: reading a scalar group and a
// table into controls and a list view, writing what the page ticked, status lines and
// message boxes, writes refused while busy and reads that wait, and pages that go away while their binding is busy.

#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <functional>

#include "binding/guarded.h"
#include "binding/listview.h"
#include "values/optionlist.h"
#include "binding/request2edits.h"
#include "platform/message_box.h"
#include "silent_port.h"
#include "sim_agent.h"
#include "snmp/errors.h"
#include "snmp/exception_reporter.h"
#include "snmp/session.h"

namespace {

const QxSNMPVarDesc kSystemPage[] = {
    {"1.3.6.1.2.1.1.5", "Name", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.1.6", "Location", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.1.4", "Contact", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.1.1", "Description", VarType::DisplayString, AccessRead},
    {nullptr},
};

const QxIntPair kAdminPairs[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}};
const QxOptionList kAdmin(kAdminPairs);

const QxSNMPVarDesc kPortPage[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Port", VarType::Integer, AccessIndex | AccessRead},
    {"1.3.6.1.2.1.2.2.1.2", "Description", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.2.2.1.7", "Admin State", VarType::Integer, AccessRead | AccessWrite, &kAdmin},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", VarType::DisplayString, AccessRead | AccessWrite},
    {nullptr},
};

const QRegularExpression kTimeOfDay(QStringLiteral(R"((0[1-9]|1[0-2]):[0-5]\d:[0-5]\d (AM|PM))"));

// A page: a window with a binding, edits for the system group or a list view with an alias
// edit and an admin-state combo box for the port table, and a record of completions.
struct Page {
    explicit Page(const QxSNMPVarDesc* table, uint8_t kind, int indexCount)
    {
        window = new QWidget;
        binding = new QxSNMPRequest2Edits(window);
        binding->SetVarList(QxSNMPVarList(table, kind, indexCount));
        binding->Completion = [this](QxSNMPRequest2Controls* b, const QxSNMPError& error) {
            completions << QStringLiteral("%1 %2").arg(b->Operation == 0 ? "get" : "set").arg(error.Code);
        };
    }
    ~Page() { delete window; }
    QLineEdit* Edit(int var)
    {
        auto* edit = new QLineEdit(window);
        binding->BindControl(var, edit);
        return edit;
    }
    bool WaitIdle(int ms = 15000) { return binding->WaitWhileBusy(ms); }

    QPointer<QWidget> window;
    QxSNMPRequest2Edits* binding;
    QStringList completions;
};

QStringList RowOf(const QxListView* view, int row)
{
    return view->RowTexts(row);
}

}  // namespace

class TestRequest2Edits : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void scalarGetFillsAndReports_data();
    void scalarGetFillsAndReports();
    void setSendsTickedInListOrder_data();
    void setSendsTickedInListOrder();
    void tableWithListView_data();
    void tableWithListView();
    void getFailed_data();
    void getFailed();
    void setFailedGoesToMemo();
    void syncErrorsReachThePage();
    void setWhileBusyIsRefused_data();
    void setWhileBusyIsRefused();
    void stopDropsWhatWaits();
    void pageDeletedWhileWaiting();
    void pageDeletedInsideSyncWalk();
    void pageDeletedDuringAnotherBindingsWait();
    void exceptionsAreReported();

private:
    SimAgent sim_;
    QTemporaryDir dir_;
    QStringList boxes_;
    QStringList reported_;
};

void TestRequest2Edits::initTestCase()
{
    QVERIFY2(sim_.Start(), qPrintable(sim_.Error()));
    CreateSession(dir_.path());
    SetMessageBoxHook([this](const MessageBoxRequest& request) {
        boxes_ << request.text;
        return true;
    });
    SetExceptionReporter([this](const QString& message) { reported_ << message; });
}

void TestRequest2Edits::init()
{
    DefaultProfile() = sim_.Profile(1);
    boxes_.clear();
    reported_.clear();
}

void TestRequest2Edits::cleanup()
{
    QCOMPARE(reported_, QStringList{});
}

void TestRequest2Edits::scalarGetFillsAndReports_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("sync");
    QTest::newRow("status bar, no list name") << "bar" << "" << false;
    QTest::newRow("memo, list name") << "memo" << "System" << false;
    QTest::newRow("status panel, sync") << "panel" << "" << true;
}

void TestRequest2Edits::scalarGetFillsAndReports()
{
    QFETCH(QString, target);
    QFETCH(QString, name);
    QFETCH(bool, sync);
    Page page(kSystemPage, VarListKind::ScalarGroup, 0);
    page.binding->Vars().Name = name;
    QLineEdit* sysName = page.Edit(0);
    page.Edit(1);
    auto* description = new QLabel(page.window);
    page.binding->BindControl(3, description);
    auto* bar = new QStatusBar(page.window);
    auto* memo = new QPlainTextEdit(page.window);
    auto* panel = new QLabel(page.window);
    if (target == QLatin1String("bar")) page.binding->SetStatusTarget(bar);
    if (target == QLatin1String("memo")) page.binding->SetStatusTarget(memo);
    if (target == QLatin1String("panel")) page.binding->SetStatusTarget(panel);
    if (sync) page.binding->Mode = QxSNMPRequest2Controls::ModeSync;

    page.binding->Get();
    if (!sync) {
        QVERIFY(page.binding->Busy());
        QVERIFY(page.WaitIdle());
    }
    QVERIFY(!page.binding->Busy());
    QCOMPARE(description->text(), QStringLiteral("KSW-7116 Gigabit Ethernet Switch"));
    QVERIFY(!sysName->text().isEmpty());
    QCOMPARE(page.binding->RowCount, 1);
    QCOMPARE(page.completions, sync ? QStringList{} : QStringList{"get 0"});

    const QString line = target == QLatin1String("bar")    ? bar->currentMessage()
                         : target == QLatin1String("memo") ? memo->toPlainText()
                                                           : panel->text();
    const QString request = name.isEmpty() ? QString() : QStringLiteral(" Request:%1.").arg(name);
    const QRegularExpression expected(QStringLiteral("^Get: Ok!%1 Receive at %2\\.$")
                                          .arg(QRegularExpression::escape(request), kTimeOfDay.pattern()));
    QVERIFY2(expected.match(line).hasMatch(), qPrintable(line));
}

void TestRequest2Edits::setSendsTickedInListOrder_data()
{
    QTest::addColumn<bool>("sync");
    QTest::newRow("async") << false;
    QTest::newRow("sync") << true;
}

// The page ticks rows by selection or by excluding the others; read-only objects never go.
void TestRequest2Edits::setSendsTickedInListOrder()
{
    QFETCH(bool, sync);
    Page page(kSystemPage, VarListKind::ScalarGroup, 0);
    if (sync) page.binding->Mode = QxSNMPRequest2Controls::ModeSync;
    auto* memo = new QPlainTextEdit(page.window);
    page.binding->SetStatusTarget(memo);
    QLineEdit* name = page.Edit(0);
    QLineEdit* location = page.Edit(1);
    QLineEdit* contact = page.Edit(2);
    page.binding->Get();
    QVERIFY(page.WaitIdle());
    const QString suffix = sync ? QStringLiteral("s") : QStringLiteral("a");
    name->setText(QStringLiteral("core-") + suffix);
    location->setText(QStringLiteral("hall ") + suffix);
    contact->setText(QStringLiteral("noc ") + suffix);

    int mark = sim_.LogMark();
    page.binding->Set(true, true, QStringLiteral("3,2,0"));
    QVERIFY(page.WaitIdle());
    QCOMPARE(sim_.Received("SET", mark),
             QStringList{QStringLiteral("1.3.6.1.2.1.1.5.0=STRING:\"core-%1\" 1.3.6.1.2.1.1.4.0=STRING:\"noc %1\"").arg(suffix)});
    QVERIFY2(memo->toPlainText().startsWith(QStringLiteral("Get: Ok!")), qPrintable(memo->toPlainText()));
    QVERIFY2(memo->toPlainText().section(QLatin1Char('\n'), -1).startsWith(QStringLiteral("Set: Ok! Receive at ")),
             qPrintable(memo->toPlainText()));

    // Unticked rows are excluded by the page and given back afterwards.
    page.binding->Vars().Get(0).Access |= AccessExcluded;
    mark = sim_.LogMark();
    page.binding->Set();
    QVERIFY(page.WaitIdle());
    QCOMPARE(sim_.Received("SET", mark),
             QStringList{QStringLiteral("1.3.6.1.2.1.1.6.0=STRING:\"hall %1\" 1.3.6.1.2.1.1.4.0=STRING:\"noc %1\"").arg(suffix)});
    // A scalar group is not read again after a set.
    QCOMPARE(sim_.Received("GET", mark), QStringList{});
    QCOMPARE(page.completions, sync ? QStringList{} : (QStringList{"get 0", "set 0", "set 0"}));
}

void TestRequest2Edits::tableWithListView_data()
{
    QTest::addColumn<bool>("sync");
    QTest::newRow("async") << false;
    QTest::newRow("sync") << true;
}

// Rows in the list view, controls enabled and filled by selecting a row, the row written back
// and the table read again after a set with refresh.
void TestRequest2Edits::tableWithListView()
{
    QFETCH(bool, sync);
    Page page(kPortPage, VarListKind::Table, 1);
    if (sync) page.binding->Mode = QxSNMPRequest2Controls::ModeSync;
    auto* view = new QxListView(page.window);
    int pageSelections = 0;
    QObject::connect(view, &QxListView::ItemSelected, page.window, [&](int, bool selected) { pageSelections += selected; });
    page.binding->SetListView(view);
    QCOMPARE(view->ColumnCount(), 4);
    QCOMPARE(view->ColumnCaption(2), QStringLiteral("Admin State"));
    auto* state = new QComboBox(page.window);
    page.binding->BindComboBox(2, state);
    QLineEdit* alias = page.Edit(3);
    page.window->show();

    page.binding->Get();
    QVERIFY(page.WaitIdle());
    QCOMPARE(view->RowCount(), 16);
    QCOMPARE(page.binding->RowCount, 16);
    QCOMPARE(RowOf(view, 4).mid(0, 2), (QStringList{"5", "KSW-7116 Port 5"}));
    QVERIFY(kAdmin.FindByLabel(RowOf(view, 4)[2]) >= 0);
    QTRY_COMPARE(view->model()->rowCount(), 16);
    QVERIFY(!state->isEnabled());
    QVERIFY(!alias->isEnabled());

    view->SelectRow(2);
    QCOMPARE(pageSelections, 1);
    QVERIFY(state->isEnabled());
    QVERIFY(alias->isEnabled());
    QCOMPARE(state->currentText(), RowOf(view, 2)[2]);
    QCOMPARE(alias->text(), RowOf(view, 2)[3]);

    state->setCurrentIndex(0);
    alias->setText(sync ? QStringLiteral("uplink s") : QStringLiteral("uplink a"));
    int mark = sim_.LogMark();
    page.binding->Set(false);
    QVERIFY(page.WaitIdle());
    QCOMPARE(sim_.Received("SET", mark),
             QStringList{QStringLiteral("1.3.6.1.2.1.2.2.1.7.3=INTEGER:1 1.3.6.1.2.1.31.1.1.1.18.3=STRING:\"%1\"")
                             .arg(alias->text())});
    QCOMPARE(sim_.Received("GETNEXT", mark), QStringList{});

    mark = sim_.LogMark();
    page.binding->Set(true);
    QVERIFY(page.WaitIdle());
    QCOMPARE(sim_.Received("SET", mark).size(), 1);
    QCOMPARE(sim_.Received("GETNEXT", mark).size(), 17);
    QCOMPARE(view->RowCount(), 16);
    QCOMPARE(RowOf(view, 2)[3], alias->text());
    if (!sync) QCOMPARE(page.completions, (QStringList{"get 0", "set 0", "set 0", "get 0"}));
}

void TestRequest2Edits::getFailed_data()
{
    QTest::addColumn<bool>("statusBar");
    QTest::newRow("to the status bar") << true;
    QTest::newRow("in a message box") << false;
}

// A table read that fails at its first row reports once, completes once and adds no rows.
void TestRequest2Edits::getFailed()
{
    QFETCH(bool, statusBar);
    SilentPort silent;
    DefaultProfile().Device.Port = silent.Port();
    DefaultProfile().Timeout = 10;
    Page page(kPortPage, VarListKind::Table, 1);
    auto* view = new QxListView(page.window);
    page.binding->SetListView(view);
    auto* bar = new QStatusBar(page.window);
    if (statusBar) page.binding->SetStatusTarget(bar);
    page.binding->Get();
    QVERIFY(page.WaitIdle());
    QCOMPARE(page.completions, QStringList{"get -405"});
    QCOMPARE(view->RowCount(), 0);
    const QString message = QStringLiteral("(SNMPClass) SNMP request timed out!");
    if (statusBar) {
        QVERIFY2(bar->currentMessage().startsWith(QStringLiteral("Get: %1 Receive at ").arg(message)),
                 qPrintable(bar->currentMessage()));
        QCOMPARE(boxes_, QStringList{});
    } else {
        QCOMPARE(boxes_, QStringList{message});
    }
}

void TestRequest2Edits::setFailedGoesToMemo()
{
    Page page(kPortPage, VarListKind::Table, 1);
    auto* memo = new QPlainTextEdit(page.window);
    page.binding->SetStatusTarget(memo);
    page.binding->Vars().Get(0).Value = QStringLiteral("4");
    const QStringList values{QStringLiteral("9")};
    page.binding->Set(true, false, QStringLiteral("2"), &values);
    QVERIFY(page.WaitIdle());
    QCOMPARE(page.completions, QStringList{"set -110"});
    QVERIFY2(memo->toPlainText().startsWith(QStringLiteral("Set: (SNMP) Cannot create/set variable, Wrong Value! Receive at ")),
             qPrintable(memo->toPlainText()));
    QCOMPARE(boxes_, QStringList{});
}

// In synchronous mode the engine's errors reach the page; busy is never left set.
void TestRequest2Edits::syncErrorsReachThePage()
{
    SilentPort silent;
    DefaultProfile().Device.Port = silent.Port();
    DefaultProfile().Timeout = 10;
    Page page(kSystemPage, VarListKind::ScalarGroup, 0);
    page.binding->Mode = QxSNMPRequest2Controls::ModeSync;
    auto* bar = new QStatusBar(page.window);
    page.binding->SetStatusTarget(bar);
    try {
        page.binding->Get();
        QFAIL("no error");
    } catch (const AppException& e) {
        QCOMPARE(e.code(), -405);
    }
    QVERIFY(!page.binding->Busy());
    QCOMPARE(bar->currentMessage(), QString());  // the page reports it, not the binding
    QCOMPARE(page.completions, QStringList{});
}

void TestRequest2Edits::setWhileBusyIsRefused_data()
{
    QTest::addColumn<bool>("writing");
    QTest::newRow("while a read runs") << false;
    QTest::newRow("while a write runs") << true;
}

// A write asked for while the binding reads or writes (or a read waits) is refused at once and
// never sent later; a read asked for meanwhile waits and runs, and reports as a read.
void TestRequest2Edits::setWhileBusyIsRefused()
{
    QFETCH(bool, writing);
    Page page(kSystemPage, VarListKind::ScalarGroup, 0);
    auto* memo = new QPlainTextEdit(page.window);
    page.binding->SetStatusTarget(memo);
    QLineEdit* location = page.Edit(1);
    location->setText(QStringLiteral("first"));
    const int mark = sim_.LogMark();
    if (writing)
        page.binding->Set(true, true, QStringLiteral("1"));
    else
        page.binding->Get();
    page.binding->Get();
    location->setText(QStringLiteral("refused"));
    const QStringList values{QStringLiteral("refused too")};
    const std::function<void()> writes[] = {
        [&] { page.binding->Set(true, true, QStringLiteral("1")); },
        [&] { page.binding->Set(true, false, QStringLiteral("1"), &values); },
    };
    for (const auto& write : writes) {
        try {
            write();
            QFAIL("a write while busy was accepted");
        } catch (const AppException& e) {
            QCOMPARE(e.message(), QStringLiteral("Get data not complete"));
        }
    }
    QVERIFY(page.WaitIdle());
    QTest::qWait(200);
    QCOMPARE(sim_.Received("SET", mark),
             writing ? QStringList{"1.3.6.1.2.1.1.6.0=STRING:\"first\""} : QStringList{});
    QCOMPARE(sim_.Received("GET", mark).size(), writing ? 1 : 2);
    QCOMPARE(page.completions, writing ? (QStringList{"set 0", "get 0"}) : (QStringList{"get 0", "get 0"}));
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith(writing ? QStringLiteral("Set: Ok!") : QStringLiteral("Get: Ok!")), qPrintable(lines[0]));
    QVERIFY2(lines[1].startsWith(QStringLiteral("Get: Ok!")), qPrintable(lines[1]));
}

void TestRequest2Edits::stopDropsWhatWaits()
{
    Page page(kSystemPage, VarListKind::ScalarGroup, 0);
    const int mark = sim_.LogMark();
    page.binding->Get();
    page.binding->Get();
    page.binding->Get();
    page.binding->Request().Enabled = false;
    QVERIFY(page.WaitIdle());
    QCOMPARE(page.completions, QStringList{"get 0"});
    QCOMPARE(sim_.Received("GET", mark).size(), 1);
    page.binding->Request().Enabled = true;
    page.binding->Get();
    QVERIFY(page.WaitIdle());
    QCOMPARE(page.completions, (QStringList{"get 0", "get 0"}));
}

// The window goes while its answer is on the way: nothing waits for it, nothing reaches the page.
void TestRequest2Edits::pageDeletedWhileWaiting()
{
    SimAgent slow;
    QVERIFY2(slow.Start({QStringLiteral("--delay"), QStringLiteral("300")}), qPrintable(slow.Error()));
    DefaultProfile() = slow.Profile(1);
    auto page = std::make_unique<Page>(kSystemPage, VarListKind::ScalarGroup, 0);
    bool called = false;
    page->binding->Completion = [&](QxSNMPRequest2Controls*, const QxSNMPError&) { called = true; };
    page->Edit(0);
    page->binding->Get();
    QVERIFY(page->binding->Busy());
    QElapsedTimer clock;
    clock.start();
    page.reset();
    QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));
    QTest::qWait(800);
    QVERIFY(!called);
    QCOMPARE(QxSnmpSession::Instance().OutstandingCount(), 0);
}

// A synchronous walk lets events run between rows; the window is deleted there.
void TestRequest2Edits::pageDeletedInsideSyncWalk()
{
    auto* page = new Page(kPortPage, VarListKind::Table, 1);
    auto* view = new QxListView(page->window);
    page->binding->SetListView(view);
    page->binding->Mode = QxSNMPRequest2Controls::ModeSync;
    int rows = 0;
    QObject::connect(view, &QxListView::Changed, view, [&] {
        if (++rows == 3) QTimer::singleShot(0, [page] { delete page; });
    });
    QPointer<QWidget> window = page->window;
    page->binding->Get();  // returns when the window is gone
    QVERIFY(window.isNull());
    QVERIFY(rows >= 3 && rows < 16);
}

// While one binding waits (up to 6 s) for its answer as it is destroyed, another window goes.
void TestRequest2Edits::pageDeletedDuringAnotherBindingsWait()
{
    SimAgent slow;
    QVERIFY2(slow.Start({QStringLiteral("--delay"), QStringLiteral("700")}), qPrintable(slow.Error()));
    DefaultProfile() = slow.Profile(1);
    Page first(kSystemPage, VarListKind::ScalarGroup, 0);
    auto* second = new Page(kSystemPage, VarListKind::ScalarGroup, 0);
    bool secondCalled = false;
    second->binding->Completion = [&](QxSNMPRequest2Controls*, const QxSNMPError&) { secondCalled = true; };
    first.binding->Get();
    second->binding->Get();
    QTimer::singleShot(100, [second] { delete second; });
    QElapsedTimer clock;
    clock.start();
    delete first.binding;  // waits for its answer, processing events
    QVERIFY2(clock.elapsed() >= 300 && clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QTest::qWait(800);
    QVERIFY(!secondCalled);
    QCOMPARE(first.completions, QStringList{});
}

// Exceptions of page code at a dispatch point are reported, and the binding goes on.
void TestRequest2Edits::exceptionsAreReported()
{
    Page page(kSystemPage, VarListKind::ScalarGroup, 0);
    page.binding->Completion = [](QxSNMPRequest2Controls*, const QxSNMPError&) {
        throw AppException(QStringLiteral("Get data not complete"));
    };
    page.binding->Get();
    QVERIFY(page.WaitIdle());
    QCOMPARE(reported_, QStringList{"Get data not complete"});
    page.binding->Get();
    QVERIFY(page.WaitIdle());
    QCOMPARE(reported_.size(), 2);

    auto* button = new QPushButton(page.window);
    QObject::connect(button, &QPushButton::clicked, page.window,
                     Guarded([] { throw std::runtime_error("slot failed"); }));
    button->click();
    QCOMPARE(reported_.last(), QStringLiteral("slot failed"));
    reported_.clear();
}

QTEST_MAIN(TestRequest2Edits)
#include "test_request2edits.moc"
