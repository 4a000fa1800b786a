// Generic pages against ksw-sim, driven through their buttons: a scalar page reads, writes only
// its ticked rows and refuses empty ones; a table page on the static VLAN table adds a row with
// createAndGo, edits it and destroys it, each write checked in the simulator's request log; the
// catalogue's own table pages add and delete rows with the status texts their entries give.

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "catalogue/menu_catalogue.h"
#include "platform/dpi_scale.h"
#include "page_fixture.h"
#include "pages/generic_page.h"
#include "pages/msg_panel.h"
#include "platform/message_box.h"
#include "sim_agent.h"
#include "snmp/session.h"
#include "snmp_tools.h"

using namespace pagetest;

namespace {

const QString kVlanEntry = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1");
constexpr int kSlowMs = 2000;

const QxSNMPVarDesc kSystem[] = {
    {"1.3.6.1.2.1.1.1", "System Description", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.1.4", "System Contact", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.1.5", "System Name", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.1.6", "System Location", VarType::DisplayString, AccessRead | AccessWrite},
    {},
};

const QxSNMPVarDesc kSystemName[] = {
    {"1.3.6.1.2.1.1.1", "System Description", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.1.5", "System Name", VarType::DisplayString, AccessRead | AccessWrite},
    {},
};

// The static VLAN table: the VLAN ID (dot1qVlanIndex, a column of the current table) is the
// index, the row status last.
const QxSNMPVarDesc kVlans[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", VarType::BitString, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", VarType::BitString, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", VarType::Integer, AccessRead | AccessWrite, &kRowStatus},
    {},
};
constexpr int kVlanName = 1;
constexpr int kVlanStatus = 4;

QLineEdit* Edit(const QWidget* page, int row)
{
    return Find<QLineEdit>(page, QStringLiteral("edtRow%1").arg(row));
}

QCheckBox* Check(const QWidget* page, int row)
{
    return Find<QCheckBox>(page, QStringLiteral("chkRow%1").arg(row));
}

QPushButton* Button(const QWidget* page, const char* name)
{
    return Find<QPushButton>(page, QLatin1String(name));
}

QString Memo(const QWidget* page)
{
    return Find<QPlainTextEdit>(page, QStringLiteral("Memo1"))->toPlainText();
}

QStringList ComboItems(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

bool NoneExcluded(const QxSNMPRequest2Edits* binding)
{
    for (int i = 0; i < binding->Vars().GetCount(); ++i)
        if (binding->Vars().Get(i).Access & AccessExcluded) return false;
    return true;
}

int RowOfIndex(const QxListView* list, const QString& index)
{
    for (int row = 0; row < list->RowCount(); ++row)
        if (list->Cell(row, 0) == index) return row;
    return -1;
}

// Rows a walk appended are drawn in batches; wait until the row is on the screen.
void ClickRow(QxListView* list, int row)
{
    QVERIFY(QTest::qWaitFor([&] { return list->model()->rowCount() > row; }, 5000));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 1)).center());
}

}  // namespace

class TestGenericPages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstReadWaitsForTheWindow_data();
    void firstReadWaitsForTheWindow();
    void scalarPageWritesTickedRowsOnly();
    void emptyTickedRowSendsNothing();
    void oneWritableRowIsWrittenBySet();
    void tableAddEditDelete();
    void catalogueTableAddDelete_data();
    void catalogueTableAddDelete();
    void deleteCancelledSendsNothing();
    void refusedAddKeepsDialogOpen();
    void refreshTwiceStartsOneWalk();
    void closingWaitsForRunningRead();
    void writeDuringReadIsRefused_data();
    void writeDuringReadIsRefused();
    void pageGoesDuringEditWait_data();
    void pageGoesDuringEditWait();

private:
    // A table page on ksw-sim answering every request `kSlowMs` late: the walk's first row is
    // on the list while its end is still on the way.
    std::unique_ptr<TConfigForm> SlowVlanPageInMidWalk(TSNMPListViewPanel** table);

    QTemporaryDir sessionDir_;
    SimAgent sim_;
    SimAgent slow_;
    QStringList messages_;
    bool answer_ = true;
};

void TestGenericPages::initTestCase()
{
    QVERIFY2(sim_.Start(), qPrintable(sim_.Error()));
    QVERIFY2(slow_.Start({"--delay", QString::number(kSlowMs)}), qPrintable(slow_.Error()));
    CreateSession(sessionDir_.path());
}

void TestGenericPages::init()
{
    SetDpiScale(1.0);
    DefaultProfile() = sim_.Profile(1);
    messages_.clear();
    answer_ = true;
    SetMessageBoxHook([this](const MessageBoxRequest& request) {
        messages_ << request.text;
        return answer_;
    });
}

void TestGenericPages::cleanup()
{
    SetMessageBoxHook({});
}

void TestGenericPages::firstReadWaitsForTheWindow_data()
{
    QTest::addColumn<bool>("modal");
    QTest::newRow("show") << false;
    QTest::newRow("exec") << true;
}

void TestGenericPages::firstReadWaitsForTheWindow()
{
    QFETCH(bool, modal);
    const int mark = sim_.LogMark();
    auto form = ScalarPage(kSystem);
    QTest::qWait(300);  // the posted read must not run before the window is shown
    QVERIFY(sim_.Received("GET", mark).isEmpty());

    if (modal) {
        bool filled = false;
        QTimer::singleShot(0, form.get(), [&] {
            filled = QTest::qWaitFor([&] { return !Edit(form.get(), 0)->text().isEmpty(); }, 10000);
            form->reject();
        });
        form->exec();
        QVERIFY(filled);
    } else {
        form->show();
        QTRY_VERIFY_WITH_TIMEOUT(!Edit(form.get(), 0)->text().isEmpty(), 10000);
    }
    QCOMPARE(Edit(form.get(), 0)->text(), QStringLiteral("KSW-7116 Gigabit Ethernet Switch"));
    QCOMPARE(sim_.Received("GET", mark).size(), 1);
    QVERIFY(Memo(form.get()).startsWith(QStringLiteral("Get: ")));
}

void TestGenericPages::scalarPageWritesTickedRowsOnly()
{
    auto form = ScalarPage(kSystem);
    form->show();
    QTRY_VERIFY_WITH_TIMEOUT(!Edit(form.get(), 0)->text().isEmpty(), 10000);
    QxSNMPRequest2Edits* binding = form->Binding();

    Edit(form.get(), 2)->setText(QStringLiteral("core-7"));
    Edit(form.get(), 3)->setText(QStringLiteral("rack 9"));  // changed but not ticked
    QVERIFY(!Button(form.get(), "btnSetChecked")->isEnabled());
    Check(form.get(), 2)->click();
    QVERIFY(Button(form.get(), "btnSetChecked")->isEnabled());

    const int mark = sim_.LogMark();
    Button(form.get(), "btnSetChecked")->click();
    QCOMPARE(sim_.Received("SET", mark), QStringList{"1.3.6.1.2.1.1.5.0=STRING:\"core-7\""});
    QVERIFY(Memo(form.get()).contains(QStringLiteral("Set: ")));
    QVERIFY(NoneExcluded(binding));
    QCOMPARE(binding->Mode, int(QxSNMPRequest2Controls::ModeAsync));

    // "Refresh" reads the agent's state back.
    Edit(form.get(), 2)->clear();
    Button(form.get(), "btnRefresh")->click();
    QTRY_COMPARE_WITH_TIMEOUT(Edit(form.get(), 2)->text(), QStringLiteral("core-7"), 10000);
}

void TestGenericPages::emptyTickedRowSendsNothing()
{
    auto form = ScalarPage(kSystem);
    form->show();
    QTRY_VERIFY_WITH_TIMEOUT(!Edit(form.get(), 0)->text().isEmpty(), 10000);
    Edit(form.get(), 1)->clear();
    Edit(form.get(), 2)->setText(QStringLiteral("not sent"));
    Button(form.get(), "btnCheckAll")->click();

    const int mark = sim_.LogMark();
    Button(form.get(), "btnSetChecked")->click();
    QCOMPARE(messages_, QStringList{"Some items are empty!"});
    QVERIFY(sim_.Received("SET", mark).isEmpty());
    QVERIFY(NoneExcluded(form->Binding()));
    QCOMPARE(form->Binding()->Mode, int(QxSNMPRequest2Controls::ModeAsync));
}

void TestGenericPages::oneWritableRowIsWrittenBySet()
{
    auto form = ScalarPage(kSystemName);
    form->show();
    QTRY_VERIFY_WITH_TIMEOUT(!Edit(form.get(), 0)->text().isEmpty(), 10000);
    QPushButton* set = Button(form.get(), "btnSetChecked");
    QCOMPARE(set->text(), QStringLiteral("Set"));
    QVERIFY(set->isEnabled());
    QVERIFY(Check(form.get(), 0)->isHidden() && Check(form.get(), 1)->isHidden());
    QVERIFY(Button(form.get(), "btnCheckAll")->isHidden() && Button(form.get(), "btnClearChecks")->isHidden());

    Edit(form.get(), 1)->setText(QStringLiteral("edge-2"));
    const int mark = sim_.LogMark();
    set->click();
    QCOMPARE(sim_.Received("SET", mark), QStringList{"1.3.6.1.2.1.1.5.0=STRING:\"edge-2\""});
}

void TestGenericPages::tableAddEditDelete()
{
    TSNMPListViewPanel* table = nullptr;
    auto form = TablePage(kVlans, 1, kVlanStatus, "createAndGo", kVlanStatus, "destroy", &table);
    form->resize(700, 450);
    form->show();
    QxListView* list = table->ListView();
    QTRY_COMPARE_WITH_TIMEOUT(list->RowCount(), 1, 10000);
    QTRY_VERIFY(!form->Binding()->Busy());
    QCOMPARE(Find<QLabel>(form.get(), QStringLiteral("lblCounter"))->text(), QStringLiteral("1"));
    QCOMPARE(list->Cell(0, 0), QStringLiteral("1"));
    QCOMPARE(list->Cell(0, kVlanName), QStringLiteral("default"));

    // The hint of the row under the mouse: one line per column.
    QTRY_COMPARE(list->model()->rowCount(), 1);
    QTest::mouseMove(list->viewport(), list->visualRect(list->model()->index(0, 1)).center());
    // "Untagged Ports" is the longest caption, five characters longer than "VLAN Name".
    QTRY_VERIFY(list->toolTip().contains(QStringLiteral("\nVLAN Name\t\t\t\t\t  default\n")));

    // Add VLAN 10 "lab": the index and the status are always sent, the name because it is ticked.
    int mark = sim_.LogMark();
    bool added = false;
    WhenDialogOpens(QStringLiteral("dlgAdd"), [&](QDialog* dialog) {
        Edit(dialog, 0)->setText(QStringLiteral("10"));
        Edit(dialog, kVlanName)->setText(QStringLiteral("lab"));
        Check(dialog, kVlanName)->click();
        Button(dialog, "btnSetChecked")->click();
        added = !dialog->isVisible();
    });
    Button(form.get(), "btnAdd")->click();
    QVERIFY2(added, qPrintable(Memo(form.get())));
    QCOMPARE(sim_.Received("SET", mark),
             QStringList{kVlanEntry + ".1.10=STRING:\"lab\" " + kVlanEntry + ".5.10=INTEGER:4"});
    QTRY_COMPARE_WITH_TIMEOUT(list->RowCount(), 2, 10000);
    QTRY_VERIFY(!form->Binding()->Busy());
    QCOMPARE(list->Cell(RowOfIndex(list, "10"), kVlanName), QStringLiteral("lab"));

    // Edit its name; the status combo box offers neither createAndGo nor destroy meanwhile.
    QComboBox* status = table->EditsPanel()->ComboBox(kVlanStatus);
    const QStringList allStatus = ComboItems(status);
    ClickRow(list, RowOfIndex(list, "10"));
    mark = sim_.LogMark();
    bool edited = false;
    QStringList offered;
    WhenDialogOpens(QStringLiteral("dlgEdit"), [&](QDialog* dialog) {
        offered = ComboItems(status);
        QCOMPARE(Edit(dialog, kVlanName)->text(), QStringLiteral("lab"));
        Edit(dialog, kVlanName)->setText(QStringLiteral("lab-2"));
        Check(dialog, kVlanName)->click();
        Button(dialog, "btnSetChecked")->click();
        edited = !dialog->isVisible();
    });
    Button(form.get(), "btnEdit")->click();
    QVERIFY2(edited, qPrintable(Memo(form.get())));
    QCOMPARE(offered, (QStringList{"active", "notInService", "notReady", "createAndWait"}));
    QCOMPARE(ComboItems(status), allStatus);
    QCOMPARE(sim_.Received("SET", mark), QStringList{kVlanEntry + ".1.10=STRING:\"lab-2\""});
    QTRY_VERIFY_WITH_TIMEOUT(RowOfIndex(list, "10") >= 0 && !form->Binding()->Busy(), 10000);
    QCOMPARE(list->Cell(RowOfIndex(list, "10"), kVlanName), QStringLiteral("lab-2"));

    // Delete it: exactly the status set to destroy at the row's index, then the list again.
    ClickRow(list, RowOfIndex(list, "10"));
    QVERIFY(Button(form.get(), "btnDelete")->isEnabled());
    mark = sim_.LogMark();
    Button(form.get(), "btnDelete")->click();
    QCOMPARE(messages_, QStringList{"Are you sure to delete it?"});
    QCOMPARE(sim_.Received("SET", mark), QStringList{kVlanEntry + ".5.10=INTEGER:6"});
    QTRY_COMPARE_WITH_TIMEOUT(list->RowCount(), 1, 10000);
    QVERIFY(NoneExcluded(form->Binding()));
    QCOMPARE(form->Binding()->Mode, int(QxSNMPRequest2Controls::ModeAsync));
    QCOMPARE(Find<QLabel>(form.get(), QStringLiteral("lblCounter"))->text(), QStringLiteral("1"));
}

void TestGenericPages::catalogueTableAddDelete_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("index");  // of the new row; the table's only index column
    QTest::addColumn<int>("field");      // one more column written with the new row
    QTest::addColumn<QString>("value");

    // The trap manager's status adds with "enabled" and removes with "disabled".
    QTest::newRow("trap manager: enabled, disabled")
        << "basic_configuration.agent_management.trap_manager_table" << "3" << 1 << "10.90.90.99";
    QTest::newRow("trust host: createAndGo, destroy")
        << "basic_configuration.agent_management.agent_trust_host_management.trust_host_table" << "3" << 1
        << "10.90.90.98";
}

void TestGenericPages::catalogueTableAddDelete()
{
    QFETCH(QString, entry);
    QFETCH(QString, index);
    QFETCH(int, field);
    QFETCH(QString, value);
    const ksw::catalogue::MenuItem* item = ksw::catalogue::FindMenuItem(entry.toStdString());
    QVERIFY(item && item->page.add.IsSet() && item->page.remove.IsSet());
    const QxSNMPVarDesc& status = item->page.table[static_cast<size_t>(item->page.add.position)];
    const QString addValue = status.Options->LabelToValue(QString::fromUtf8(item->page.add.text));
    const QString removeValue = status.Options->LabelToValue(QString::fromUtf8(item->page.remove.text));
    const QString statusInstance = QStringLiteral("%1.%2").arg(QLatin1String(status.Oid), index);
    const QString fieldOid = QString::fromUtf8(item->page.table[static_cast<size_t>(field)].Oid);
    const auto statusServed = [&] {
        const ToolRun run = runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), QStringLiteral("udp:127.0.0.1:%1").arg(sim_.Port())) +
                                                       QStringList{statusInstance});
        return run.ok() ? snmpValues(run.out).value(statusInstance) : QStringLiteral("failed: ") + run.err;
    };

    std::unique_ptr<TConfigForm> form = CreateGenericPage(*item, QStringLiteral("127.0.0.1"), nullptr);
    auto* table = static_cast<TSNMPListViewPanel*>(form->Panel());
    QxListView* list = table->ListView();
    form->show();
    QTRY_VERIFY_WITH_TIMEOUT(list->RowCount() > 0 && !form->Binding()->Busy(), 10000);
    const int rowsBefore = list->RowCount();
    QCOMPARE(RowOfIndex(list, index), -1);

    int mark = sim_.LogMark();
    bool added = false;
    WhenDialogOpens(QStringLiteral("dlgAdd"), [&](QDialog* dialog) {
        Edit(dialog, 0)->setText(index);
        Edit(dialog, field)->setText(value);
        Check(dialog, field)->click();
        Button(dialog, "btnSetChecked")->click();
        added = !dialog->isVisible();
    });
    Button(form.get(), "btnAdd")->click();
    QVERIFY2(added, qPrintable(Memo(form.get())));
    const QStringList sets = sim_.Received("SET", mark);
    QCOMPARE(sets.size(), 1);
    QVERIFY2(sets.first().contains(QStringLiteral("%1.%2=IPADDRESS:%3").arg(fieldOid, index, value)), qPrintable(sets.first()));
    QVERIFY2(sets.first().contains(QStringLiteral("%1=INTEGER:%2").arg(statusInstance, addValue)), qPrintable(sets.first()));
    QTRY_VERIFY_WITH_TIMEOUT(list->RowCount() == rowsBefore + 1 && !form->Binding()->Busy(), 10000);
    QVERIFY(RowOfIndex(list, index) >= 0);
    QVERIFY2(!statusServed().contains(QStringLiteral("No Such")), qPrintable(statusServed()));

    ClickRow(list, RowOfIndex(list, index));
    mark = sim_.LogMark();
    Button(form.get(), "btnDelete")->click();
    QCOMPARE(messages_, QStringList{"Are you sure to delete it?"});
    QCOMPARE(sim_.Received("SET", mark), QStringList{QStringLiteral("%1=INTEGER:%2").arg(statusInstance, removeValue)});
    QTRY_VERIFY_WITH_TIMEOUT(list->RowCount() == rowsBefore && !form->Binding()->Busy(), 10000);
    QCOMPARE(RowOfIndex(list, index), -1);
    QVERIFY2(statusServed().contains(QStringLiteral("No Such Instance")), qPrintable(statusServed()));
}

void TestGenericPages::deleteCancelledSendsNothing()
{
    TSNMPListViewPanel* table = nullptr;
    auto form = TablePage(kVlans, 1, kVlanStatus, "createAndGo", kVlanStatus, "destroy", &table);
    form->show();
    QTRY_COMPARE_WITH_TIMEOUT(table->ListView()->RowCount(), 1, 10000);
    QTRY_VERIFY(!form->Binding()->Busy());
    ClickRow(table->ListView(), 0);
    answer_ = false;
    const int mark = sim_.LogMark();
    Button(form.get(), "btnDelete")->click();
    QCOMPARE(messages_, QStringList{"Are you sure to delete it?"});
    QTest::qWait(100);
    QVERIFY(sim_.Received("SET", mark).isEmpty());
    QCOMPARE(table->ListView()->RowCount(), 1);
}

void TestGenericPages::refusedAddKeepsDialogOpen()
{
    TSNMPListViewPanel* table = nullptr;
    auto form = TablePage(kVlans, 1, kVlanStatus, "createAndGo", kVlanStatus, "destroy", &table);
    form->show();
    QTRY_COMPARE_WITH_TIMEOUT(table->ListView()->RowCount(), 1, 10000);
    QTRY_VERIFY(!form->Binding()->Busy());

    // VLAN 1 exists: the agent refuses to create it again.
    const int mark = sim_.LogMark();
    bool stayedOpen = false;
    QString memo;
    WhenDialogOpens(QStringLiteral("dlgAdd"), [&](QDialog* dialog) {
        Edit(dialog, 0)->setText(QStringLiteral("1"));
        Button(dialog, "btnSetChecked")->click();
        stayedOpen = dialog->isVisible();
        memo = Memo(dialog);
        QCOMPARE(Edit(dialog, 0)->text(), QStringLiteral("1"));  // the input is still there
    });
    Button(form.get(), "btnAdd")->click();
    QCOMPARE(sim_.Received("SET", mark), QStringList{kVlanEntry + ".5.1=INTEGER:4"});
    QVERIFY(stayedOpen);
    QVERIFY2(memo.contains(QStringLiteral("Set: ")), qPrintable(memo));
    QVERIFY(NoneExcluded(form->Binding()));
    QTRY_VERIFY(!form->Binding()->Busy());
    QCOMPARE(table->ListView()->RowCount(), 1);
}

void TestGenericPages::refreshTwiceStartsOneWalk()
{
    TSNMPListViewPanel* table = nullptr;
    auto form = TablePage(kVlans, 1, -1, {}, -1, {}, &table);
    form->show();
    QTRY_COMPARE_WITH_TIMEOUT(table->ListView()->RowCount(), 1, 10000);
    QTRY_VERIFY(!form->Binding()->Busy());

    const int mark = sim_.LogMark();
    Button(form.get(), "btnRefresh")->click();
    Button(form.get(), "btnRefresh")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!form->Binding()->Busy(), 10000);
    const QString walkStart = kVlanEntry + ".1=NULL";
    const QStringList nexts = sim_.Received("GETNEXT", mark);
    QCOMPARE(nexts.filter(walkStart).size(), 1);
    QCOMPARE(table->ListView()->RowCount(), 1);
}

void TestGenericPages::closingWaitsForRunningRead()
{
    SimAgent slow;
    QVERIFY2(slow.Start({"--delay", "1500"}), qPrintable(slow.Error()));
    DefaultProfile() = slow.Profile(1);
    DefaultProfile().Timeout = 500;

    auto form = ScalarPage(kSystem);
    QPointer<QxSNMPRequest2Edits> binding = form->Binding();
    form->show();
    QTRY_VERIFY_WITH_TIMEOUT(binding->Busy(), 5000);
    QElapsedTimer clock;
    clock.start();
    Button(form.get(), "btnClose")->click();
    QVERIFY(binding.isNull());
    QVERIFY(!form->isVisible());
    QVERIFY2(clock.elapsed() >= 1000, qPrintable(QString::number(clock.elapsed())));
    // The answer arrived while the page waited: it was written, not dropped on a dead binding.
    QVERIFY(Memo(form.get()).startsWith(QStringLiteral("Get: ")));
}

std::unique_ptr<TConfigForm> TestGenericPages::SlowVlanPageInMidWalk(TSNMPListViewPanel** table)
{
    DefaultProfile() = slow_.Profile(1);
    DefaultProfile().Timeout = 2 * kSlowMs / 10;
    auto form = TablePage(kVlans, 1, kVlanStatus, "createAndGo", kVlanStatus, "destroy", table);
    form->resize(700, 450);
    form->show();
    if (!QTest::qWaitFor([&] { return (*table)->ListView()->RowCount() == 1; }, 3 * kSlowMs)) return nullptr;
    if (!form->Binding()->Busy()) return nullptr;
    return form;
}

void TestGenericPages::writeDuringReadIsRefused_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("scalar page: Set Checked") << "btnSetChecked";
    QTest::newRow("table page: Add, then Set Checked") << "btnAdd";
    QTest::newRow("table page: Edit, then Set Checked") << "btnEdit";
    QTest::newRow("table page: Delete") << "btnDelete";
}

// A write asked for while the page still reads sends nothing, neither now nor once the read is
// done: the status line says so, the read still reports as a read, the rows the write would
// have left out are back, and a dialog stays open with what the user typed.
void TestGenericPages::writeDuringReadIsRefused()
{
    QFETCH(QString, button);
    const int mark = slow_.LogMark();
    std::unique_ptr<TConfigForm> form;
    bool keptOpen = false;
    if (button == "btnSetChecked") {
        DefaultProfile() = slow_.Profile(1);
        DefaultProfile().Timeout = 2 * kSlowMs / 10;
        form = ScalarPage(kSystem);
        form->show();
        QTRY_VERIFY_WITH_TIMEOUT(!Edit(form.get(), 0)->text().isEmpty() && !form->Binding()->Busy(), 3 * kSlowMs);
        Edit(form.get(), 2)->setText(QStringLiteral("typed"));
        Check(form.get(), 2)->click();
        Button(form.get(), "btnRefresh")->click();
        QVERIFY(form->Binding()->Busy());
        Button(form.get(), "btnSetChecked")->click();
    } else {
        TSNMPListViewPanel* table = nullptr;
        form = SlowVlanPageInMidWalk(&table);
        QVERIFY(form);
        if (button != "btnAdd") ClickRow(table->ListView(), 0);
        QxSNMPRequest2Edits* binding = form->Binding();
        if (button != "btnDelete")
            WhenDialogOpens(button == "btnAdd" ? QStringLiteral("dlgAdd") : QStringLiteral("dlgEdit"), [&](QDialog* dialog) {
                QVERIFY(binding->Busy());
                if (button == "btnAdd") Edit(dialog, 0)->setText(QStringLiteral("10"));
                Edit(dialog, kVlanName)->setText(QStringLiteral("typed"));
                Check(dialog, kVlanName)->click();
                Button(dialog, "btnSetChecked")->click();
                keptOpen = dialog->isVisible() && Edit(dialog, kVlanName)->text() == QStringLiteral("typed");
            });
        QVERIFY(binding->Busy());
        Button(form.get(), button.toLatin1().constData())->click();
        if (button != "btnDelete") QVERIFY(keptOpen);
    }
    QxSNMPRequest2Edits* binding = form->Binding();
    QVERIFY2(Memo(form.get()).contains(QStringLiteral("Set: Get data not complete")), qPrintable(Memo(form.get())));
    QVERIFY(NoneExcluded(binding));
    QCOMPARE(binding->Mode, int(QxSNMPRequest2Controls::ModeAsync));

    QTRY_VERIFY_WITH_TIMEOUT(!binding->Busy(), 6 * kSlowMs);
    QTest::qWait(300);
    QCOMPARE(slow_.Received("SET", mark), QStringList{});
    const QString memo = Memo(form.get());
    QVERIFY2(!memo.contains(QStringLiteral("Set: Ok!")), qPrintable(memo));
    QVERIFY2(memo.section(QLatin1Char('\n'), -1).startsWith(QStringLiteral("Get: Ok!")), qPrintable(memo));
}

void TestGenericPages::pageGoesDuringEditWait_data()
{
    QTest::addColumn<bool>("destroyed");
    QTest::newRow("closed") << false;
    QTest::newRow("destroyed") << true;
}

// "Edit" first lets a running walk end, processing events for up to a second. A page closed
// meanwhile has destroyed its binding, a page destroyed meanwhile is gone itself: no dialog
// opens and neither is touched again.
void TestGenericPages::pageGoesDuringEditWait()
{
    QFETCH(bool, destroyed);
    TSNMPListViewPanel* table = nullptr;
    auto form = SlowVlanPageInMidWalk(&table);
    QVERIFY(form);
    ClickRow(table->ListView(), 0);
    QPointer<QxSNMPRequest2Edits> binding = form->Binding();
    bool opened = false;
    QPointer<QTimer> watcher = WhenDialogOpens(QStringLiteral("dlgEdit"), [&](QDialog*) { opened = true; });
    QTimer going;
    going.setSingleShot(true);
    QObject::connect(&going, &QTimer::timeout, [&] {
        if (destroyed)
            form.reset();
        else
            form->close();
    });
    going.start(200);
    QPointer<QPushButton> edit = Button(form.get(), "btnEdit");
    QVERIFY(edit->isEnabled());
    edit->click();
    delete watcher.data();
    QVERIFY(binding.isNull());
    QVERIFY(!opened);
    QCOMPARE(form == nullptr, destroyed);
    QCOMPARE(edit.isNull(), destroyed);
    if (!destroyed) QVERIFY(!form->isVisible());
}

QTEST_MAIN(TestGenericPages)
#include "test_generic_pages.moc"
