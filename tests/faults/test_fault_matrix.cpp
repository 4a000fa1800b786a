// The module against ksw-sim's faults: a scalar page, a table page and the front panel, each
// with its binding synchronous and asynchronous, meet lost, late and refused answers, exception
// values, values of the wrong type or length, refused writes, an agent that is not there or
// restarts, and windows closed while their requests run. Every case ends with the binding idle,
// the catalogue's message where the user looks, and no write reported "Ok!" unless the
// simulator's log shows that it was applied.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/dpi_scale.h"
#include "binding/leds.h"
#include "main_window_fixture.h"
#include "page_fixture.h"
#include "panel/ksw7116_panel_form.h"
#include "panel/panel_host.h"
#include "platform/message_box.h"
#include "sim_agent.h"
#include "snmp/errors.h"
#include "snmp/session.h"

using namespace pagetest;

namespace {

// Short time-outs keep the cases quick: 0.2 s and one retry.
constexpr int kTimeout = 20;

const QxSNMPVarDesc kSystem[] = {
    {"1.3.6.1.2.1.1.1", "System Description", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.1.4", "System Contact", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.1.5", "System Name", VarType::DisplayString, AccessRead | AccessWrite},
    {},
};
constexpr int kContact = 1;
constexpr int kName = 2;

// Octet strings read as the types that need a fixed number of octets.
const QxSNMPVarDesc kOctets[] = {
    {"1.3.6.1.2.1.1.1", "MAC Address", VarType::MacAddress, AccessRead},
    {"1.3.6.1.2.1.1.4", "Date and Time", VarType::DateTime, AccessRead},
    {"1.3.6.1.2.1.1.5", "IPv6 Address", VarType::Ipv6Address, AccessRead},
    {"1.3.6.1.2.1.1.6", "Ports", VarType::BitString, AccessRead},
    {},
};

// Ports side by side from two tables: 16 rows.
const QxSNMPVarDesc kPorts[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Port", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.2.2.1.2", "Description", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", VarType::Integer, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", VarType::DisplayString, AccessRead | AccessWrite},
    {},
};
constexpr int kAdminStatus = 2;
constexpr int kAlias = 3;
constexpr int kPortCount = 16;

const QString kSysName = QStringLiteral("1.3.6.1.2.1.1.5");
const QString kIfDescr5 = QStringLiteral("1.3.6.1.2.1.2.2.1.2.5");
const QString kIfAdmin = QStringLiteral("1.3.6.1.2.1.2.2.1.7");
const QString kLedObject = QStringLiteral("1.3.6.1.4.1.58126.11.101.2.2.1.1.4");

enum class Page { Scalar, Octets, Table, Panel };

QString Ok()
{
    return MapSnmpError(0).message;
}
QString Status(int errorStatus)
{
    return MapSnmpError(errorStatus).message;
}
QString TimedOut()
{
    return MapSnmpError(-5).message;
}

class FakeHost : public TPanelHost {
public:
    QLabel* StatusPanel() const override { return status_.get(); }
    void AddPortButton(TPortButton*) override {}

private:
    std::unique_ptr<QLabel> status_ = std::make_unique<QLabel>();
};

// One page under test, whichever kind: where its binding is and where its user reads.
struct Subject {
    std::unique_ptr<TConfigForm> form;
    std::unique_ptr<FakeHost> host;
    std::unique_ptr<TKSW7116PanelForm> panel;

    QxSNMPRequest2Edits* Binding() const
    {
        if (panel) return panel->LedBinding();
        return form ? form->Binding() : nullptr;
    }
    // Every status line written so far (the panel's status panel holds only the last).
    QString Messages() const
    {
        if (panel) return host->StatusPanel()->text();
        return Find<QPlainTextEdit>(form.get(), QStringLiteral("Memo1"))->toPlainText();
    }
    int Rows() const
    {
        auto* list = Find<QxListView>(form.get(), QStringLiteral("ListView1"));
        return list ? list->RowCount() : -1;
    }
    QString RowTexts() const
    {
        auto* list = Find<QxListView>(form.get(), QStringLiteral("ListView1"));
        QString text;
        for (int row = 0; list && row < list->RowCount(); ++row)
            for (int column = 0; column < 4; ++column) text += list->Cell(row, column) + (column == 3 ? "\n" : " | ");
        return text;
    }
};

bool IsCatalogueText(const QString& message)
{
    for (Catalogue c : {Catalogue::SnmpStatus, Catalogue::Class, Catalogue::Library, Catalogue::Mp, Catalogue::Usm})
        for (int i = 0; i < CatalogueSize(c); ++i)
            if (CatalogueText(c, i) == message) return true;
    return false;
}

// The [ERROR] part of status lines: "Get: MESSAGE Request:... Receive at ..." or without the
// request part.
QStringList StatusMessages(const QString& text, const QString& operation)
{
    static const QRegularExpression line(QStringLiteral(R"(^(Get|Set): (.*?)( Request:.*)? Receive at .*$)"),
                                         QRegularExpression::MultilineOption);
    QStringList found;
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(1) == operation) found << match.captured(2);
    }
    return found;
}

// True when the simulator answered some SET after the mark with noError, that is applied it.
bool SetApplied(const SimAgent& sim, int mark)
{
    static const QRegularExpression recv(QStringLiteral(R"( recv .* SET reqid=(\d+))"));
    static const QRegularExpression sent(QStringLiteral(R"( send .* RESPONSE reqid=(\d+) error=noError)"));
    QSet<QString> sets;
    const QStringList lines = sim.LogLines(mark);
    for (const QString& l : lines)
        if (const auto m = recv.match(l); m.hasMatch()) sets.insert(m.captured(1));
    for (const QString& l : lines)
        if (const auto m = sent.match(l); m.hasMatch() && sets.contains(m.captured(1))) return true;
    return false;
}

}  // namespace

class TestFaultMatrix : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reads_data();
    void reads();
    void writes_data();
    void writes();
    void agentUnreachableAtStart_data();
    void agentUnreachableAtStart();
    void agentRestartsWhilePanelPolls_data();
    void agentRestartsWhilePanelPolls();
    void pageClosedDuringWalk_data();
    void pageClosedDuringWalk();
    void mainWindowClosedDuringPoll();
    void portListShorterThanCheckBoxes_data();
    void portListShorterThanCheckBoxes();

private:
    Subject Open(Page page, bool async);
    // Waits for the first status line of the operation after `from` characters of messages.
    QString NextStatus(const Subject& s, const QString& operation, qsizetype from, int timeoutMs = 15000);
    void UseSim(int version);

    QTemporaryDir sessionDir_;
    std::unique_ptr<SimAgent> sim_;
    QStringList boxes_;
};

void TestFaultMatrix::initTestCase()
{
    SetDpiScale(1.0);
    CreateSession(sessionDir_.path());
}

void TestFaultMatrix::init()
{
    sim_ = std::make_unique<SimAgent>();
    boxes_.clear();
    SetMessageBoxHook([this](const MessageBoxRequest& request) {
        boxes_ << request.text;
        return true;
    });
}

void TestFaultMatrix::cleanup()
{
    SetMessageBoxHook({});
    sim_.reset();
}

void TestFaultMatrix::UseSim(int version)
{
    DefaultProfile() = sim_->Profile(version);
    DefaultProfile().Timeout = kTimeout;
}

Subject TestFaultMatrix::Open(Page page, bool async)
{
    Subject s;
    const int mode = async ? QxSNMPRequest2Controls::ModeAsync : QxSNMPRequest2Controls::ModeSync;
    if (page == Page::Panel) {
        s.host = std::make_unique<FakeHost>();
        s.panel = std::make_unique<TKSW7116PanelForm>(nullptr, s.host.get());
        s.panel->SetUpBindings();
        // Poll quickly with the test's time-out, in the mode under test.
        QxSNMPRequest2Leds* leds = s.panel->LedBinding();
        if (!leds) return s;
        leds->StopPolling();
        leds->WaitWhileBusy(8000);
        leds->Request().Timeout = kTimeout;
        leds->Mode = mode;
        s.host->StatusPanel()->clear();
        // A synchronous first poll raises its error; later polls write theirs as status lines.
        try {
            leds->StartPolling(50);
        } catch (const AppException& e) {
            leds->ShowStatus(e.message());
        }
        return s;
    }
    if (page == Page::Table)
        s.form = TablePage(kPorts, 1, -1, QString(), -1, QString());
    else
        s.form = ScalarPage(page == Page::Octets ? kOctets : kSystem);
    s.form->Binding()->Mode = mode;
    s.form->show();
    return s;
}

QString TestFaultMatrix::NextStatus(const Subject& s, const QString& operation, qsizetype from, int timeoutMs)
{
    QString message;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            const QStringList found = StatusMessages(s.Messages().mid(from), operation);
            if (found.isEmpty()) return false;
            message = found.first();
            return true;
        },
        timeoutMs));
    return message;
}

// ---- Reads --------------------------------------------------------------------------------------

void TestFaultMatrix::reads_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("async");
    QTest::addColumn<int>("version");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("message");  // of the first read; empty: Ok! or a time-out
    QTest::addColumn<int>("rows");         // table rows after it; -1: not checked

    struct Fault {
        const char* name;
        int version;
        QStringList scalar, table, panel;  // options per page kind; empty: not this kind
        QString message;                   // the same for every kind unless per kind below
        QString scalarMessage, tableMessage, panelMessage;
        int rows;
    };
    const QString wrongType = QStringLiteral("=wrongType");
    const std::vector<Fault> faults = {
        {"no answer", 1, {"--drop", "100"}, {"--drop", "100"}, {"--drop", "100"}, TimedOut(), {}, {}, {}, 0},
        {"answers dropped at random", 1, {"--drop", "45", "--seed", "3"}, {"--drop", "20", "--seed", "3"},
         {"--drop", "45", "--seed", "3"}, QString(), {}, {}, {}, -1},
        {"answers after the time-out", 1, {"--delay", "700"}, {"--delay", "700"}, {"--delay", "700"}, TimedOut(), {},
         {}, {}, 0},
        // SNMPv1 cannot tell noSuchName in a walk from the end of the agent's MIB: the column it
        // names ends there and the others go on to the last row, as v1 managers walk.
        {"v1 noSuchName", 0, {"--fault", kSysName + "=noSuchName"}, {"--fault", kIfDescr5 + "=noSuchName"},
         {"--fault", kLedObject + "=noSuchName"}, Status(2), {}, Ok(), {}, kPortCount},
        {"v2c noSuchObject", 1, {"--fault", kSysName + "=noSuchObject"}, {"--fault", kIfDescr5 + "=noSuchObject"},
         {"--fault", kLedObject + "=noSuchObject"}, Ok(), {}, {}, {}, kPortCount},
        {"v2c noSuchInstance", 1, {"--fault", kSysName + "=noSuchInstance"},
         {"--fault", kIfDescr5 + "=noSuchInstance"}, {"--fault", kLedObject + "=noSuchInstance"}, Ok(), {}, {}, {},
         kPortCount},
        {"v2c endOfMibView", 1, {"--fault", kSysName + "=endOfMibView"}, {"--fault", kIfDescr5 + "=endOfMibView"},
         {"--fault", kLedObject + "=endOfMibView"}, Ok(), {}, {}, {}, kPortCount},
        {"v3 endOfMibView", 3, {}, {"--fault", kIfDescr5 + "=endOfMibView"}, {}, Ok(), {}, {}, {}, kPortCount},
        {"wrong SMI type", 1, {"--fault", kSysName + wrongType}, {"--fault", kIfDescr5 + wrongType},
         {"--fault", kLedObject + wrongType}, Ok(), {}, {}, {}, kPortCount},
        {"short octet strings", 1, {"--fault", "1.3.6.1.2.1.1=short:3"}, {"--fault", "1.3.6.1.2.1.2.2.1.2=short:1"},
         {"--fault", kLedObject + "=short:7"}, Ok(), {}, {}, {}, kPortCount},
        {"empty values", 1, {"--fault", "1.3.6.1.2.1.1=empty"}, {"--fault", "1.3.6.1.2.1.2.2.1.2=empty"},
         {"--fault", kLedObject + "=empty"}, Ok(), {}, {}, {}, kPortCount},
        {"genErr", 1, {"--fault", kSysName + "=genErr"}, {"--fault", kIfDescr5 + "=genErr"},
         {"--fault", kLedObject + "=genErr"}, Status(5), {}, {}, {}, 4},
        // The panel reads one object: never above any limit.
        {"tooBig", 1, {"--too-big", "2"}, {"--too-big", "2"}, {}, Status(1), {}, {}, {}, 0},
    };
    for (const Fault& f : faults) {
        for (const bool async : {false, true}) {
            const char* mode = async ? "async" : "sync";
            const auto row = [&](const char* kind, Page page, const QStringList& options, const QString& own) {
                if (options.isEmpty()) return;
                const int rows = page == Page::Table ? f.rows : -1;
                QTest::addRow("%s, %s, %s", f.name, kind, mode)
                    << static_cast<int>(page) << async << f.version << options << (own.isNull() ? f.message : own)
                    << rows;
            };
            // Typed octet strings stand in for the scalar page where values are distorted.
            const bool distorted = QString(f.name).startsWith("short") || QString(f.name).startsWith("empty");
            row("scalar page", distorted ? Page::Octets : Page::Scalar, f.scalar, f.scalarMessage);
            row("table page", Page::Table, f.table, f.tableMessage);
            row("front panel", Page::Panel, f.panel, f.panelMessage);
        }
    }
}

void TestFaultMatrix::reads()
{
    QFETCH(int, page);
    QFETCH(bool, async);
    QFETCH(int, version);
    QFETCH(QStringList, faults);
    QFETCH(QString, message);
    QFETCH(int, rows);
    QVERIFY2(sim_->Start(faults + QStringList{"--clock-rate", "0"}), qPrintable(sim_->Error()));
    UseSim(version);
    if (version == 3) {
        DefaultProfile().Security.SecurityModel = 3;
        DefaultProfile().Security.SecurityLevel = 3;
        DefaultProfile().Security.SecurityName = QStringLiteral("admin");
        DefaultProfile().Security.AuthProtocol = 3;
        DefaultProfile().Security.AuthPassword = QStringLiteral("adminauth123");
        DefaultProfile().Security.PrivProtocol = 2;
        DefaultProfile().Security.PrivPassword = QStringLiteral("adminpriv123");
    }

    Subject s = Open(static_cast<Page>(page), async);
    QVERIFY(s.Binding());
    const QString first = NextStatus(s, QStringLiteral("Get"), 0);
    if (message.isEmpty())
        QVERIFY2(first == Ok() || first == TimedOut(), qPrintable(first));
    else
        QCOMPARE(first, message);
    QVERIFY2(IsCatalogueText(first), qPrintable(first));
    QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
    // Nothing answers: one try and one retry, no more.
    if (faults == QStringList{"--drop", "100"} && page == static_cast<int>(Page::Scalar))
        QCOMPARE(sim_->Received(QStringLiteral("GET")).size(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(!s.Binding()->Busy(), 5000);
    if (rows >= 0) {
        QVERIFY2(s.Rows() == rows, qPrintable(s.RowTexts()));
        // Each row holds its own port's values, whatever a column lacked.
        auto* list = Find<QxListView>(s.form.get(), QStringLiteral("ListView1"));
        for (int row = 0; row < s.Rows(); ++row) {
            QCOMPARE(list->Cell(row, 0), QString::number(row + 1));
            const QString description = list->Cell(row, 1);
            if (description.startsWith(QLatin1String("KSW-")))
                QCOMPARE(description, QStringLiteral("KSW-7116 Port %1").arg(row + 1));
        }
    }

    // Still working: late answers of the first read are gone, and a new read ends as well.
    QTest::qWait(page == static_cast<int>(Page::Panel) ? 0 : 800);
    const qsizetype mark = s.Messages().size();
    if (s.panel) {
        s.host->StatusPanel()->clear();
    } else {
        Find<QPushButton>(s.form.get(), QStringLiteral("btnRefresh"))->click();
    }
    const QString second = NextStatus(s, QStringLiteral("Get"), s.panel ? 0 : mark);
    QVERIFY2(IsCatalogueText(second), qPrintable(second));
    if (!message.isEmpty()) QCOMPARE(second, message);
    if (s.panel) {
        // A failed poll leaves every LED dark.
        if (!message.isEmpty() && message != Ok())
            for (const auto& led : s.panel->LedBinding()->Leds()) QCOMPARE(led.colour, led.map->OffColour);
        s.panel->FormClose();
    }
}

// ---- Writes -------------------------------------------------------------------------------------

void TestFaultMatrix::writes_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("async");
    QTest::addColumn<int>("version");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<bool>("both");       // two objects in one set
    QTest::addColumn<QString>("message");  // of the set

    struct Fault {
        const char* name;
        int version;
        QString kind;       // --fault KIND on the last object written; empty: options instead
        QStringList options;
        bool both;
        QString message;
    };
    const std::vector<Fault> faults = {
        {"accepted", 1, {}, {}, true, Ok()},
        {"no answer", 1, {}, {"--drop", "100"}, false, TimedOut()},
        {"answer after the time-out", 1, {}, {"--delay", "700"}, false, TimedOut()},
        {"tooBig", 1, "tooBig", {}, false, Status(1)},
        {"genErr", 1, "genErr", {}, false, Status(5)},
        {"authorizationError", 1, "authorizationError", {}, false, Status(16)},
        {"notWritable", 1, "notWritable", {}, false, Status(17)},
        {"wrongValue", 1, "wrongValue", {}, false, Status(10)},
        {"v1 notWritable", 0, "notWritable", {}, false, Status(2)},
        {"v1 wrongValue", 0, "wrongValue", {}, false, Status(3)},
        {"refused half way", 1, "wrongValue", {}, true, Status(10)},
    };
    for (const Fault& f : faults) {
        for (const bool async : {false, true}) {
            for (const Page page : {Page::Scalar, Page::Table}) {
                QStringList options = f.options;
                const QString target = page == Page::Scalar ? kSysName : kIfAdmin;
                if (!f.kind.isEmpty()) options << "--fault" << target + "=" + f.kind;
                QTest::addRow("%s, %s page, %s", f.name, page == Page::Scalar ? "scalar" : "table",
                              async ? "async" : "sync")
                    << static_cast<int>(page) << async << f.version << options << f.both << f.message;
            }
        }
    }
}

void TestFaultMatrix::writes()
{
    QFETCH(int, page);
    QFETCH(bool, async);
    QFETCH(int, version);
    QFETCH(QStringList, faults);
    QFETCH(bool, both);
    QFETCH(QString, message);
    QVERIFY2(sim_->Start(faults + QStringList{"--clock-rate", "0"}), qPrintable(sim_->Error()));
    UseSim(version);

    Subject s = Open(static_cast<Page>(page), async);
    QxSNMPRequest2Edits* binding = s.Binding();
    NextStatus(s, QStringLiteral("Get"), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!binding->Busy(), 5000);
    if (faults.contains("--delay")) QTest::qWait(1000);  // the read's late answers go by first

    const int mark = sim_->LogMark();
    const qsizetype from = s.Messages().size();
    if (page == static_cast<int>(Page::Scalar) && !async) {
        // Through the page: edit, tick, "Set Checked" (the page writes synchronously).
        Find<QLineEdit>(s.form.get(), QStringLiteral("edtRow%1").arg(kName))->setText(QStringLiteral("core-7"));
        Find<QCheckBox>(s.form.get(), QStringLiteral("chkRow%1").arg(kName))->click();
        if (both) {
            Find<QLineEdit>(s.form.get(), QStringLiteral("edtRow%1").arg(kContact))->setText(QStringLiteral("noc"));
            Find<QCheckBox>(s.form.get(), QStringLiteral("chkRow%1").arg(kContact))->click();
        }
        Find<QPushButton>(s.form.get(), QStringLiteral("btnSetChecked"))->click();
    } else {
        // As hand-built pages write: a selection with its values, errors as status lines. The
        // table's last row read (port 16) is the one written.
        const bool scalar = page == static_cast<int>(Page::Scalar);
        const QString selection = scalar ? (both ? QString("%1,%2").arg(kContact).arg(kName) : QString::number(kName))
                                         : (both ? QString("%1,%2").arg(kAlias).arg(kAdminStatus)
                                                 : QString::number(kAdminStatus));
        const QStringList values = scalar ? (both ? QStringList{"noc", "core-7"} : QStringList{"core-7"})
                                          : (both ? QStringList{"uplink", "2"} : QStringList{"2"});
        binding->Mode = async ? QxSNMPRequest2Controls::ModeAsync : QxSNMPRequest2Controls::ModeSync;
        if (!scalar) binding->Vars().Get(0).Value = QString::number(kPortCount);  // also when the read failed
        try {
            binding->Set(false, false, selection, &values);
        } catch (const AppException& e) {
            binding->ShowStatus(e.message());
        }
    }
    const QString shown = NextStatus(s, QStringLiteral("Set"), from);
    QCOMPARE(shown, message);
    QTRY_VERIFY_WITH_TIMEOUT(!binding->Busy(), 5000);
    QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
    if (faults.contains("--delay")) QTest::qWait(1200);  // a late set may still be applied
    const bool applied = SetApplied(*sim_, mark);
    if (shown == Ok()) QVERIFY2(applied, "reported Ok! but the simulator applied nothing");
    if (!faults.contains("--delay")) QCOMPARE(applied, shown == Ok());

    // A refused set changed nothing: the next read shows the old values.
    if (!applied && !faults.contains("--drop")) {
        const qsizetype mark2 = s.Messages().size();
        Find<QPushButton>(s.form.get(), QStringLiteral("btnRefresh"))->click();
        const QString reread = NextStatus(s, QStringLiteral("Get"), mark2);
        QVERIFY(IsCatalogueText(reread));
        QTRY_VERIFY_WITH_TIMEOUT(!binding->Busy(), 5000);
        if (reread != Ok()) {
            // genErr refuses the reads of that object too.
        } else if (page == static_cast<int>(Page::Scalar)) {
            QVERIFY(Find<QLineEdit>(s.form.get(), QStringLiteral("edtRow%1").arg(kName))->text() != "core-7");
            QVERIFY(Find<QLineEdit>(s.form.get(), QStringLiteral("edtRow%1").arg(kContact))->text() != "noc");
        } else {
            auto* list = Find<QxListView>(s.form.get(), QStringLiteral("ListView1"));
            QCOMPARE(list->RowCount(), kPortCount);
            QCOMPARE(list->Cell(kPortCount - 1, kAdminStatus), QStringLiteral("1"));
            QCOMPARE(list->Cell(kPortCount - 1, kAlias), QString());
        }
    }
}

// ---- The agent comes and goes -------------------------------------------------------------------

void TestFaultMatrix::agentUnreachableAtStart_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("async");
    for (const bool async : {false, true}) {
        const char* mode = async ? "async" : "sync";
        QTest::addRow("scalar page, %s", mode) << static_cast<int>(Page::Scalar) << async;
        QTest::addRow("table page, %s", mode) << static_cast<int>(Page::Table) << async;
        QTest::addRow("front panel, %s", mode) << static_cast<int>(Page::Panel) << async;
    }
}

void TestFaultMatrix::agentUnreachableAtStart()
{
    QFETCH(int, page);
    QFETCH(bool, async);
    // A port that was free a moment ago: nothing answers there until the agent starts on it.
    QVERIFY2(sim_->Start(), qPrintable(sim_->Error()));
    const quint16 port = sim_->Port();
    UseSim(1);
    sim_->Stop();

    Subject s = Open(static_cast<Page>(page), async);
    QCOMPARE(NextStatus(s, QStringLiteral("Get"), 0), TimedOut());
    QTRY_VERIFY_WITH_TIMEOUT(!s.Binding()->Busy(), 5000);

    QVERIFY2(sim_->Start({"--listen", QStringLiteral("127.0.0.1:%1").arg(port)}), qPrintable(sim_->Error()));
    const qsizetype mark = s.Messages().size();
    if (s.panel)
        s.host->StatusPanel()->clear();
    else
        Find<QPushButton>(s.form.get(), QStringLiteral("btnRefresh"))->click();
    QCOMPARE(NextStatus(s, QStringLiteral("Get"), s.panel ? 0 : mark), Ok());
    if (page == static_cast<int>(Page::Table)) QCOMPARE(s.Rows(), kPortCount);
    if (s.panel) s.panel->FormClose();
}

void TestFaultMatrix::agentRestartsWhilePanelPolls_data()
{
    QTest::addColumn<bool>("async");
    QTest::newRow("sync") << false;
    QTest::newRow("async") << true;
}

void TestFaultMatrix::agentRestartsWhilePanelPolls()
{
    QFETCH(bool, async);
    QVERIFY2(sim_->Start({"--clock-start", "600"}), qPrintable(sim_->Error()));
    const quint16 port = sim_->Port();
    UseSim(1);
    Subject s = Open(Page::Panel, async);
    QCOMPARE(NextStatus(s, QStringLiteral("Get"), 0), Ok());
    const auto lit = [&] {
        for (const auto& led : s.panel->LedBinding()->Leds())
            if (led.colour != led.map->OffColour) return true;
        return false;
    };
    QVERIFY(lit());

    QVERIFY(sim_->Stop());
    s.host->StatusPanel()->clear();
    QCOMPARE(NextStatus(s, QStringLiteral("Get"), 0), TimedOut());
    QVERIFY(!lit());

    QVERIFY2(sim_->Start({"--listen", QStringLiteral("127.0.0.1:%1").arg(port), "--clock-start", "600"}),
             qPrintable(sim_->Error()));
    QTRY_VERIFY_WITH_TIMEOUT(StatusMessages(s.host->StatusPanel()->text(), "Get") == QStringList{Ok()}, 15000);
    QVERIFY(lit());
    s.panel->FormClose();
}

// ---- Windows closed while their requests run ----------------------------------------------------

void TestFaultMatrix::pageClosedDuringWalk_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("async");
    for (const bool async : {false, true}) {
        const char* mode = async ? "async" : "sync";
        QTest::addRow("table page, %s", mode) << static_cast<int>(Page::Table) << async;
        QTest::addRow("front panel, %s", mode) << static_cast<int>(Page::Panel) << async;
    }
}

void TestFaultMatrix::pageClosedDuringWalk()
{
    QFETCH(int, page);
    QFETCH(bool, async);
    // Every exchange takes 150 ms; the time-out is longer, so the walk runs for seconds.
    QVERIFY2(sim_->Start({"--delay", "150"}), qPrintable(sim_->Error()));
    UseSim(1);
    DefaultProfile().Timeout = 100;
    Subject s = Open(static_cast<Page>(page), async);
    QPointer<QxSNMPRequest2Edits> binding = s.Binding();
    if (s.panel) {
        // A poll is on its way (asynchronous), or the next one starts in a moment (synchronous):
        // the window closes from the poll timer's own turn then.
        QTimer::singleShot(async ? 0 : 600, s.panel.get(), [&] { s.panel->close(); });
        QTRY_VERIFY_WITH_TIMEOUT(!s.panel->LedBinding(), 10000);
        s.panel.reset();
    } else {
        // "Close" is pressed from the event loop once two rows are in: in synchronous mode that
        // loop runs inside the walk, while the list shows a row.
        auto* list = Find<QxListView>(s.form.get(), QStringLiteral("ListView1"));
        int rowsWhenClosed = -1;
        QTimer watch;
        connect(&watch, &QTimer::timeout, s.form.get(), [&] {
            if (list->RowCount() < 2 || rowsWhenClosed >= 0) return;
            rowsWhenClosed = list->RowCount();
            Find<QPushButton>(s.form.get(), QStringLiteral("btnClose"))->click();
        });
        watch.start(10);
        QTRY_VERIFY_WITH_TIMEOUT(rowsWhenClosed >= 0 && binding.isNull(), 15000);
        watch.stop();
        QVERIFY(rowsWhenClosed < kPortCount);
        QVERIFY(!s.form->isVisible());
        s.form.reset();
    }
    QTest::qWait(600);  // late answers arrive now and must find nothing
    QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
}

void TestFaultMatrix::mainWindowClosedDuringPoll()
{
    // Answers take 1.5 s; the panel's poll waits for up to 3 s. Closing the window while a poll
    // is on its way waits for it; anything late finds nothing afterwards.
    MainWindowFixture fixture;
    QVERIFY2(fixture.Start({"--delay", "1500"}), qPrintable(fixture.Error()));
    TMainForm* form = fixture.Open();
    QVERIFY(form);
    QxSNMPRequest2Leds* leds = form->CurrentPanel() ? form->CurrentPanel()->LedBinding() : nullptr;
    QVERIFY(leds);
    QTRY_VERIFY_WITH_TIMEOUT(leds->Busy(), 10000);  // a poll every 5 s, each answered 1.5 s late
    QElapsedTimer clock;
    clock.start();
    form->close();
    fixture.Close();
    QVERIFY2(clock.elapsed() < 8000, qPrintable(QString::number(clock.elapsed())));
    QTest::qWait(2000);
    QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
}

// ---- A port list shorter than its check boxes: the ports past it are not members -----------------

void TestFaultMatrix::portListShorterThanCheckBoxes_data()
{
    QTest::addColumn<bool>("async");
    QTest::newRow("sync") << false;
    QTest::newRow("async") << true;
}

void TestFaultMatrix::portListShorterThanCheckBoxes()
{
    QFETCH(bool, async);
    // VLAN 1's egress ports, one octet of the four, bound to sixteen port check boxes.
    QVERIFY2(sim_->Start({"--fault", "1.3.6.1.2.1.17.7.1.4.3.1.2.1=short:1"}), qPrintable(sim_->Error()));
    UseSim(1);
    static const QxSNMPVarDesc egress[] = {
        {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", VarType::BitString, AccessRead | AccessWrite},
        {},
    };
    QWidget page;
    auto* memo = new QPlainTextEdit(&page);
    QList<QCheckBox*> boxes;
    QStringList bits;
    for (int port = 0; port < 16; ++port) {
        boxes << new QCheckBox(&page);
        bits << QString::number(port);
    }
    QxSNMPRequest2Edits binding(&page);
    binding.SetVarList(QxSNMPVarList(egress, VarListKind::SingleInstance, 0));
    binding.Vars().Instance = QStringLiteral("1");
    binding.BindBitList(0, bits.join(','), boxes);
    binding.SetStatusTarget(memo);
    binding.Mode = async ? QxSNMPRequest2Controls::ModeAsync : QxSNMPRequest2Controls::ModeSync;
    try {
        binding.Get();
    } catch (const AppException& e) {
        binding.ShowStatus(e.message());
    }
    QTRY_VERIFY_WITH_TIMEOUT(!binding.Busy(), 5000);
    QCOMPARE(StatusMessages(memo->toPlainText(), "Get"), QStringList{Ok()});
    for (int port = 0; port < 16; ++port) QCOMPARE(boxes[port]->isChecked(), port < 8);
    QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
}

QTEST_MAIN(TestFaultMatrix)
#include "test_fault_matrix.moc"
