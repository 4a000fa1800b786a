// Every generic page of the main menu and of the port popup, opened through the main window
// against one ksw-sim: the first read ends with an OK status line, every value read is one the
// page can show (no missing value, enumerations by their labels), a table lists exactly the
// rows the switch holds, and the page closes without a message box. The rows come from the
// catalogue itself, so a new entry is covered without a change here. The High Capacity pages
// show the switch's 64-bit frame counters in full.

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>

#include "catalogue/menu_catalogue.h"
#include "binding/listview.h"
#include "values/optionlist.h"
#include "binding/request2edits.h"
#include "main_window_fixture.h"
#include "pages/config_form.h"
#include "pages/snmp_listview_panel.h"
#include "panel/port_button.h"
#include "platform/message_box.h"
#include "snmp_tools.h"

using ksw::catalogue::MenuItem;
using ksw::catalogue::Opens;
using ksw::catalogue::PageShape;

namespace {

constexpr int kReadWaitMs = 20000;

// What a page showed, gathered while it was open.
struct PageOutcome {
    QString title;
    QStringList statusLines;
    QStringList problems;  // values the page could not show sensibly
    int rows = -1;         // table pages: rows listed
    QStringList captions;  // table pages: the list's columns
    QList<QStringList> cells;
    bool closed = false;
};

bool IsText(const QString& value)
{
    return std::all_of(value.begin(), value.end(), [](QChar c) { return c.isPrint() || c == QLatin1Char('\n'); });
}

bool IsOctetString(uint32_t type)
{
    return type == VarType::OctetString || type == VarType::DisplayString;
}

QString ValueProblem(const QxSNMPVar& var, const QString& value)
{
    if (value == QLatin1String("(NULL)") || value == QLatin1String("(NOTDONE)"))
        return QStringLiteral("%1 is %2").arg(var.Label, value);
    if (var.Options && !value.isEmpty() && var.Options->FindByLabel(value) < 0)
        return QStringLiteral("%1 = \"%2\" is none of its labels").arg(var.Label, value);
    // Binary octets shown as characters: the page's type code does not fit the object.
    if (var.Type == VarType::DisplayString && !IsText(value))
        return QStringLiteral("%1 = \"%2\" is not text").arg(var.Label, value.toUtf8().toPercentEncoding(" "));
    return {};
}

bool IsShownValue(const QxSNMPVarList& vars, int i)
{
    return vars.IsRequested(i) || (vars.Get(i).Access & AccessIndex);
}

// Scalar pages: the values the read left in the descriptors.
void CheckScalarValues(const QxSNMPVarList& vars, QStringList& problems)
{
    for (int i = 0; i < vars.GetCount(); ++i) {
        if (!vars.IsRequested(i)) continue;
        const QString problem = ValueProblem(vars.Get(i), vars.Get(i).Value);
        if (!problem.isEmpty()) problems << problem;
    }
}

// Table pages: every cell of the index and read columns, found by their captions.
void CheckTableCells(const QxSNMPVarList& vars, const QxListView* list, QStringList& problems)
{
    QList<int> used;
    for (int i = 0; i < vars.GetCount(); ++i) {
        if (!IsShownValue(vars, i)) continue;
        int column = -1;
        for (int c = 0; c < list->ColumnCount() && column < 0; ++c)
            if (!used.contains(c) && list->ColumnCaption(c) == vars.Get(i).Label) column = c;
        if (column < 0) {
            problems << QStringLiteral("no column for %1").arg(vars.Get(i).Label);
            continue;
        }
        used << column;
        for (int row = 0; row < list->RowCount(); ++row) {
            const QString cell = list->Cell(row, column);
            QString problem = ValueProblem(vars.Get(i), cell);
            // An index that did not decode leaves its cell empty; only a string may be empty.
            if (problem.isEmpty() && (vars.Get(i).Access & AccessIndex) && cell.isEmpty() &&
                !IsOctetString(vars.Get(i).Type))
                problem = QStringLiteral("%1 is empty").arg(vars.Get(i).Label);
            if (!problem.isEmpty()) problems << QStringLiteral("row %1: %2").arg(row).arg(problem);
        }
    }
}

// Waits for the page's first read, gathers what it shows, then closes it with "Close".
PageOutcome InspectPage(QWidget* window)
{
    PageOutcome outcome;
    outcome.title = window->windowTitle();
    auto* page = qobject_cast<TConfigForm*>(window);
    if (!page) {
        outcome.problems << QStringLiteral("not a generic page: %1").arg(window->metaObject()->className());
        return outcome;
    }
    QxSNMPRequest2Edits* binding = page->Binding();
    auto* memo = page->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    const bool read = QTest::qWaitFor([&] { return !memo->toPlainText().isEmpty() && !binding->Busy(); }, kReadWaitMs);
    if (!read) outcome.problems << QStringLiteral("the first read did not end");
    outcome.statusLines = memo->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    if (page->FormType() == TConfigForm::FormTable) {
        const QxListView* list = static_cast<TSNMPListViewPanel*>(page->Panel())->ListView();
        outcome.rows = list->RowCount();
        for (int c = 0; c < list->ColumnCount(); ++c) outcome.captions << list->ColumnCaption(c);
        for (int row = 0; row < list->RowCount(); ++row) outcome.cells << list->RowTexts(row);
        CheckTableCells(binding->Vars(), list, outcome.problems);
    } else {
        CheckScalarValues(binding->Vars(), outcome.problems);
    }

    page->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
    outcome.closed = !page->isVisible();
    return outcome;
}

// Instances of the table's first read column that ksw-sim serves, found by a walk of its own.
int RowsServed(SimProcess& sim, const MenuItem& item)
{
    const QxSNMPVarList vars(item.page.table.data(), item.page.kind, item.page.indexCount);
    for (int i = 0; i < vars.GetCount(); ++i) {
        if (!vars.IsRequested(i)) continue;
        const ToolRun run = runSnmpTool("snmpwalk", snmpArgs(v2c("mirepo"), sim.peer()) + QStringList{vars.Get(i).Oid});
        if (!run.ok()) return -1;
        int rows = 0;
        const QString column = vars.Get(i).Oid + QLatin1Char('.');
        for (const QString& oid : snmpValues(run.out).keys()) rows += oid.startsWith(column) ? 1 : 0;
        return rows;
    }
    return -1;
}

// "OID value" of a walk by the instance's last arc.
QMap<QString, QString> WalkByLastArc(SimProcess& sim, const QString& column)
{
    QMap<QString, QString> values;
    const ToolRun run = runSnmpTool("snmpwalk", snmpArgs(v2c("mirepo"), sim.peer()) + QStringList{column});
    const QMap<QString, QString> all = snmpValues(run.out);
    for (auto it = all.begin(); it != all.end(); ++it) values[it.key().section(QLatin1Char('.'), -1)] = it.value();
    return values;
}

void OpenPortPopup(TMainForm* form, TPortButton* button)
{
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(3, 3), button->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(button, &rightClick);
    auto* popup = form->findChild<QMenu*>(QStringLiteral("PortInfoPopupMenu"));
    QTRY_VERIFY(popup->isVisible());
    popup->hide();
}

}  // namespace

class TestCataloguePages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void everyGenericPage_data();
    void everyGenericPage();
    void highCapacityCounters();

private:
    MainWindowFixture fixture_;
    TMainForm* form_ = nullptr;
    QStringList messages_;
};

void TestCataloguePages::initTestCase()
{
    // A stopped clock keeps what the pages and the walks read alike; after 100 days of traffic
    // the high-capacity counters are past 32 bits.
    QVERIFY2(fixture_.Start({"--clock-rate", "0", "--clock-start", "8640000"}), qPrintable(fixture_.Error()));
    form_ = fixture_.Open();
    QVERIFY(form_);
}

void TestCataloguePages::cleanupTestCase()
{
    fixture_.Close();
}

void TestCataloguePages::init()
{
    messages_.clear();
    SetMessageBoxHook([this](const MessageBoxRequest& request) {
        messages_ << request.text;
        return false;
    });
}

void TestCataloguePages::cleanup()
{
    SetMessageBoxHook({});
}

void TestCataloguePages::everyGenericPage_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("portButton");  // port popup entries: the button it opens from

    for (const MenuItem& item : ksw::catalogue::MainMenu())
        if (item.opens == Opens::Generic) QTest::newRow(item.id) << QString::fromUtf8(item.id) << QString();
    // A copper port and the fiber medium of a combo port, as the front panel's buttons give them.
    for (const MenuItem& item : ksw::catalogue::PortPopupMenu())
        for (const char* button : {"Port3Button", "Combo1Button"})
            QTest::addRow("%s on %s", item.id, button) << QString::fromUtf8(item.id) << QString::fromUtf8(button);
}

void TestCataloguePages::everyGenericPage()
{
    QFETCH(QString, entry);
    QFETCH(QString, portButton);
    const MenuItem* item = ksw::catalogue::FindMenuItem(entry.toStdString());
    QVERIFY(item);
    auto* action = form_->findChild<QAction*>(entry);
    QVERIFY(action);
    // Hidden entries are part of the catalogue too; an entry the switch's state disabled
    // (RMON, 802.1X) is enabled for the moment.
    const bool wasEnabled = action->isEnabled() || !action->isVisible();
    action->setEnabled(true);
    if (!portButton.isEmpty()) {
        auto* button = form_->findChild<TPortButton*>(portButton);
        QVERIFY(button);
        OpenPortPopup(form_, button);
    }

    PageOutcome outcome;
    const bool opened = RunModal([&] { action->trigger(); }, [&](QWidget* page) { outcome = InspectPage(page); });
    action->setEnabled(wasEnabled);
    QVERIFY2(opened, "no page opened");
    QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('\n'))));
    QVERIFY2(outcome.title.contains(QStringLiteral("127.0.0.1")), qPrintable(outcome.title));

    // One read, answered without error: "Get: Ok! Receive at 10:00:00 AM."
    static const QRegularExpression ok(QStringLiteral(R"(^Get: Ok! Receive at \d\d:\d\d:\d\d \S+\.$)"));
    QVERIFY2(outcome.statusLines.size() == 1 && ok.match(outcome.statusLines.first()).hasMatch(),
             qPrintable(outcome.statusLines.join(QLatin1Char('\n'))));
    QVERIFY2(outcome.problems.isEmpty(), qPrintable(outcome.problems.mid(0, 12).join(QLatin1Char('\n'))));

    if (item->page.shape() == PageShape::Table) {
        const int served = RowsServed(fixture_.Sim(), *item);
        QVERIFY2(served > 0, "ksw-sim serves no row");
        QCOMPARE(outcome.rows, served);
    }
    QVERIFY(outcome.closed);
    QTRY_VERIFY(!form_->findChild<TConfigForm*>());
}

// The two hidden High Capacity pages: the Counter64 frames in full, and their high 32 bits on
// the overflow page, port by port as ksw-sim counts them.
void TestCataloguePages::highCapacityCounters()
{
    const QMap<QString, QString> frames = WalkByLastArc(fixture_.Sim(), QStringLiteral("1.3.6.1.2.1.17.4.5.1.1"));
    QVERIFY(!frames.isEmpty());
    QVERIFY2(std::any_of(frames.begin(), frames.end(), [](const QString& v) { return v.toULongLong() > 0xFFFFFFFFull; }),
             "no counter past 32 bits");

    const auto read = [this](const char* id, const QString& column) {
        PageOutcome outcome;
        QAction* action = form_->findChild<QAction*>(QLatin1String(id));
        RunModal([&] { action->trigger(); }, [&](QWidget* page) { outcome = InspectPage(page); });
        QMap<QString, QString> byPort;
        const int port = outcome.captions.indexOf(QStringLiteral(" Port Index"));
        const int value = outcome.captions.indexOf(column);
        for (const QStringList& row : outcome.cells)
            if (port >= 0 && value >= 0) byPort[row[port]] = row[value];
        return byPort;
    };
    QCOMPARE(read("vlan.802_1p.high_capacity.port_table", QStringLiteral("HC Port In Frames")), frames);
    QMap<QString, QString> overflow;
    for (auto it = frames.begin(); it != frames.end(); ++it)
        overflow[it.key()] = QString::number(it.value().toULongLong() >> 32);
    QCOMPARE(read("vlan.802_1p.high_capacity.port_overflow", QStringLiteral("In Overflow Frames")), overflow);
}

QTEST_MAIN(TestCataloguePages)
#include "test_catalogue_pages.moc"
