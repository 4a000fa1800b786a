// The request engine against ksw-sim: scalar groups, single instances and table walks in
// both modes, writes checked in the simulator's request log, the SNMPv1 end of the MIB,
// time-outs, and requests that go away while an answer is on its way.

#include <QtTest>

#include "silent_port.h"
#include "sim_agent.h"
#include "snmp/agent_address.h"
#include "snmp/errors.h"
#include "snmp/request.h"
#include "snmp/session.h"

namespace {

const QxSNMPVarDesc kSystem[] = {
    {"1.3.6.1.2.1.1.5", "sysName", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.1.3", "sysUpTime", VarType::TimeTicks, AccessRead},
    {"1.3.6.1.2.1.1.1", "sysDescr", VarType::DisplayString, AccessRead},
    {nullptr},
};

const QxSNMPVarDesc kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", VarType::Integer, AccessIndex | AccessRead},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.2.2.1.3", "ifType", VarType::Integer, AccessRead},
    {"1.3.6.1.2.1.2.2.1.7", "ifAdminStatus", VarType::Integer, AccessRead | AccessWrite},
    {nullptr},
};

// A column with one row (VLAN 1) walked beside one with sixteen; the index is not read.
const QxSNMPVarDesc kSparse[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "dot1qVlanStaticName", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", VarType::DisplayString, AccessRead},
    {nullptr},
};

const QxSNMPVarDesc kPortWrite[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", VarType::Integer, AccessIndex | AccessRead},
    {"1.3.6.1.2.1.2.2.1.7", "ifAdminStatus", VarType::Integer, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.31.1.1.1.18", "ifAlias", VarType::DisplayString, AccessRead | AccessWrite},
    {nullptr},
};

// Derived values: a column computed from the index after each row, a value adjusted before it
// is written.
const QxSNMPVarDesc kDerived[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", VarType::Integer, AccessIndex | AccessRead},
    {"1.3.6.1.2.1.2.2.1.1", "tenfold", VarType::Integer, 0, nullptr, "$0*10+1"},
    {nullptr},
};
const QxSNMPVarDesc kAdjusted[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", VarType::Integer, AccessIndex | AccessRead},
    {"1.3.6.1.2.1.2.2.1.7", "ifAdminStatus", VarType::Integer, AccessRead | AccessWrite, nullptr, nullptr, "$1-1"},
    {nullptr},
};

// The simulator's last object, and a subtree beyond everything it serves.
const QxSNMPVarDesc kLastObject[] = {{"1.3.6.1.4.1.58126.12.15.1.2", "last", VarType::Integer, AccessRead}, {nullptr}};
const QxSNMPVarDesc kBeyondMib[] = {{"1.3.6.1.4.1.58126.99", "beyond", VarType::Integer, AccessRead}, {nullptr}};

struct Row {
    QStringList values;
    bool operator==(const Row&) const = default;
};

QStringList Values(const QxSNMPVarList& vars)
{
    QStringList values;
    for (int i = 0; i < vars.GetCount(); ++i) values << vars.Get(i).Value;
    return values;
}

// Walks the request's table to its end, one row per exchange; the rows' values in list order.
QList<QStringList> Walk(QxSNMPRequest& request, bool async, QxSNMPError* last = nullptr)
{
    QList<QStringList> rows;
    if (!async) {
        for (bool more = request.ReadSync(true); more; more = request.ReadSync(false)) rows << Values(request.Vars);
        return rows;
    }
    bool finished = false;
    std::function<void(const QxSNMPError&, QxSNMPVarList&)> next = [&](const QxSNMPError& error,
                                                                        QxSNMPVarList& vars) {
        if (last) *last = error;
        if (error.Code == 0 && !error.Done) {
            rows << Values(vars);
            request.ReadAsync(next, false);
            return;
        }
        finished = true;
    };
    request.ReadAsync(next, true);
    if (!QTest::qWaitFor([&] { return finished; }, 20000)) rows << QStringList{QStringLiteral("walk did not end")};
    return rows;
}

// The outcome of one asynchronous read; code 1 when no callback came.
QxSNMPError ReadOnce(QxSNMPRequest& request)
{
    QxSNMPError outcome;
    outcome.Code = 1;
    bool done = false;
    request.ReadAsync(
        [&](const QxSNMPError& error, QxSNMPVarList&) {
            outcome = error;
            done = true;
        },
        true);
    (void)QTest::qWaitFor([&] { return done; }, 10000);
    return outcome;
}

// Rows for a test that runs once synchronously and once asynchronously.
void AddBothModes()
{
    QTest::addColumn<bool>("async");
    QTest::newRow("sync") << false;
    QTest::newRow("async") << true;
}

}  // namespace

class TestRequest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void scalarGroup_data();
    void scalarGroup();
    void writeSendsOnlyWritableSelected();
    void writeRestoresVarsOnFailure();
    void singleInstance();
    void tableWalk_data();
    void tableWalk();
    void sparseColumnsKeepTheirRows();
    void agentNameLookedUpOnce_data();
    void agentNameLookedUpOnce();
    void endOfMibInSnmpV1_data();
    void endOfMibInSnmpV1();
    void v1ColumnEndingEarly_data();
    void v1ColumnEndingEarly();
    void timeout_data();
    void timeout();
    void notDoneIsNeverWritten();
    void endOfColumn_data();
    void endOfColumn();
    void expressionsAndFilters();
    void destroyWaitsForAnswer();
    void destroyGivesUpAfterSixSeconds();
    void callbackMayDestroyItsRequest();
    void destroyInsideAnotherCallbackDoesNotWait();

private:
    SimAgent sim_;
    QTemporaryDir dir_;
};

void TestRequest::initTestCase()
{
    QVERIFY2(sim_.Start(), qPrintable(sim_.Error()));
    CreateSession(dir_.path());
}

void TestRequest::init()
{
    DefaultProfile() = sim_.Profile(1);
}

void TestRequest::scalarGroup_data()
{
    AddBothModes();
}

// One get for the group's ".0" instances, values as text; a write sends only the writable one.
void TestRequest::scalarGroup()
{
    QFETCH(bool, async);
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kSystem, VarListKind::ScalarGroup, 0);
    const int mark = sim_.LogMark();
    if (async) {
        const QxSNMPError error = ReadOnce(request);
        QCOMPARE(error.Code, 0);
        QCOMPARE(error.Message, QStringLiteral("Ok!"));
        QVERIFY(error.Done);
        QCOMPARE(error.Agent.Port, sim_.Port());
        QCOMPARE(request.Outstanding, 0);
    } else {
        QVERIFY(!request.ReadSync(true));
    }
    QCOMPARE(sim_.Received("GET", mark),
             QStringList{"1.3.6.1.2.1.1.5.0=NULL 1.3.6.1.2.1.1.3.0=NULL 1.3.6.1.2.1.1.1.0=NULL"});
    QCOMPARE(request.Vars.Get(2).Value, QStringLiteral("KSW-7116 Gigabit Ethernet Switch"));
    QVERIFY(request.Vars.Get(1).Value.contains(QLatin1Char(':')));  // time-ticks text

    const QString name = async ? QStringLiteral("core async") : QStringLiteral("core sync");
    request.Vars.Get(0).Value = name;
    const int setMark = sim_.LogMark();
    if (async) {
        bool done = false;
        QxSNMPError outcome;
        request.WriteAsync([&](const QxSNMPError& error, QxSNMPVarList&) {
            outcome = error;
            done = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
        QCOMPARE(outcome.Code, 0);
        QVERIFY(outcome.Done);
    } else {
        request.WriteSync();
    }
    QCOMPARE(sim_.Received("SET", setMark), QStringList{QStringLiteral("1.3.6.1.2.1.1.5.0=STRING:\"%1\"").arg(name)});
    request.Vars.Get(0).Value.clear();
    QVERIFY(!request.ReadSync(true));
    QCOMPARE(request.Vars.Get(0).Value, name);
}

// A selection with values writes those values to the selected writable descriptors only, in
// list order, and leaves Vars as they were.
void TestRequest::writeSendsOnlyWritableSelected()
{
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kPortWrite, VarListKind::Table, 1);
    request.Vars.Get(0).Value = QStringLiteral("5");
    request.Vars.Get(1).Value = QStringLiteral("1");
    request.Vars.Get(2).Value = QStringLiteral("old alias");
    const QStringList before = Values(request.Vars);
    const int mark = sim_.LogMark();
    const QStringList values{QStringLiteral("uplink 7"), QStringLiteral("7")};
    request.WriteSync(QStringLiteral("2,0"), &values);
    // Descriptor 1 is not selected and descriptor 0 is the index, which takes its new value
    // into the instance: only the alias of port 7 goes out.
    QCOMPARE(sim_.Received("SET", mark), QStringList{"1.3.6.1.2.1.31.1.1.1.18.7=STRING:\"uplink 7\""});
    QCOMPARE(Values(request.Vars), before);
    for (int i = 0; i < request.Vars.GetCount(); ++i) QCOMPARE(request.Vars.Get(i).Access & AccessExcluded, 0u);

    const int all = sim_.LogMark();
    request.WriteSync();
    QCOMPARE(sim_.Received("SET", all),
             QStringList{"1.3.6.1.2.1.2.2.1.7.5=INTEGER:1 1.3.6.1.2.1.31.1.1.1.18.5=STRING:\"old alias\""});
}

void TestRequest::writeRestoresVarsOnFailure()
{
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kPortWrite, VarListKind::Table, 1);
    request.Vars.Get(0).Value = QStringLiteral("2");
    request.Vars.Get(1).Value = QStringLiteral("1");
    request.Vars.Get(2).Value = QStringLiteral("x");
    const QStringList before = Values(request.Vars);
    const QStringList values{QStringLiteral("9")};  // not an admin status
    try {
        request.WriteSync(QStringLiteral("1"), &values);
        QFAIL("a wrong value was accepted");
    } catch (const AppException& e) {
        QCOMPARE(e.code(), -110);
        QCOMPARE(e.message(), QStringLiteral("(SNMP) Cannot create/set variable, Wrong Value!"));
    }
    QCOMPARE(Values(request.Vars), before);
    QCOMPARE(request.Vars.Get(2).Access & AccessExcluded, 0u);
}

void TestRequest::singleInstance()
{
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kIfTable + 1, VarListKind::SingleInstance, 0);
    request.Vars.Instance = QStringLiteral("3");
    const int mark = sim_.LogMark();
    QVERIFY(!request.ReadSync(true));
    QCOMPARE(sim_.Received("GET", mark).value(0).section(QLatin1Char(' '), 0, 0),
             QStringLiteral("1.3.6.1.2.1.2.2.1.2.3=NULL"));
    QCOMPARE(request.Vars.Get(0).Value, QStringLiteral("KSW-7116 Port 3"));
    try {
        request.ReadSync(false);
        QFAIL("a continuation of a single instance was sent");
    } catch (const AppException& e) {
        QCOMPARE(e.code(), -510);
    }
}

void TestRequest::tableWalk_data()
{
    QTest::addColumn<bool>("async");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("kind");
    QTest::newRow("sync v2c") << false << 1 << int(VarListKind::Table);
    QTest::newRow("async v2c") << true << 1 << int(VarListKind::Table);
    QTest::newRow("sync v1") << false << 0 << int(VarListKind::TableU);
    QTest::newRow("async v1") << true << 0 << int(VarListKind::TableU);
}

// Column-parallel, one get-next per row and one more that finds every column ended.
void TestRequest::tableWalk()
{
    QFETCH(bool, async);
    QFETCH(int, version);
    QFETCH(int, kind);
    DefaultProfile() = sim_.Profile(version);
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kIfTable, static_cast<uint8_t>(kind), 1);
    const int mark = sim_.LogMark();
    QxSNMPError last;
    const QList<QStringList> rows = Walk(request, async, &last);
    QCOMPARE(rows.size(), 16);
    for (int k = 1; k <= 16; ++k) {
        QCOMPARE(rows[k - 1].mid(0, 3), (QStringList{QString::number(k), QStringLiteral("KSW-7116 Port %1").arg(k), "6"}));
        QVERIFY(rows[k - 1][3] == QLatin1String("1") || rows[k - 1][3] == QLatin1String("2"));
    }
    const QStringList sent = sim_.Received("GETNEXT", mark);
    QCOMPARE(sent.size(), 17);
    QCOMPARE(sent[0], QStringLiteral("1.3.6.1.2.1.2.2.1.1=NULL 1.3.6.1.2.1.2.2.1.2=NULL 1.3.6.1.2.1.2.2.1.3=NULL "
                                     "1.3.6.1.2.1.2.2.1.7=NULL"));
    QVERIFY(sent[5].startsWith(QStringLiteral("1.3.6.1.2.1.2.2.1.1.5=NULL 1.3.6.1.2.1.2.2.1.2.5=NULL")));
    if (async) {
        QCOMPARE(last.Code, 0);
        QVERIFY(last.Done);
    }
    // The values of the last row stay when the final exchange finds no row.
    QCOMPARE(request.Vars.Get(0).Value, QStringLiteral("16"));
    QCOMPARE(request.Outstanding, 0);
}

// A column that ends early shows "(NOTDONE)" while the others go on, and each row keeps the
// index of a column that has it.
void TestRequest::sparseColumnsKeepTheirRows()
{
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kSparse, VarListKind::Table, 1);
    const QList<QStringList> rows = Walk(request, false);
    QCOMPARE(rows.size(), 16);
    QCOMPARE(rows[0], (QStringList{"1", "default", "KSW-7116 Port 1"}));
    for (int k = 2; k <= 16; ++k)
        QCOMPARE(rows[k - 1], (QStringList{QString::number(k), "(NOTDONE)", QStringLiteral("KSW-7116 Port %1").arg(k)}));
}

void TestRequest::agentNameLookedUpOnce_data()
{
    AddBothModes();
}

// An agent given by name: a whole walk, one exchange per row, looks the name up once.
void TestRequest::agentNameLookedUpOnce()
{
    QFETCH(bool, async);
    int lookups = 0;
    const HostResolver saved = SetHostResolver([&](const QString&) {
        ++lookups;
        return QStringLiteral("127.0.0.1");
    });
    DefaultProfile().Device.Address = QStringLiteral("ksw-sim.test");
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kIfTable, VarListKind::Table, 1);
    const int mark = sim_.LogMark();
    const QList<QStringList> rows = Walk(request, async);
    SetHostResolver(saved);
    QCOMPARE(rows.size(), 16);
    QCOMPARE(sim_.Received("GETNEXT", mark).size(), 17);
    QCOMPARE(lookups, 1);
}

void TestRequest::endOfMibInSnmpV1_data()
{
    QTest::addColumn<bool>("async");
    QTest::addColumn<bool>("emptyTable");
    QTest::addColumn<int>("rows");
    QTest::newRow("sync, last object") << false << false << 1;
    QTest::newRow("async, last object") << true << false << 1;
    QTest::newRow("sync, nothing beyond") << false << true << 0;
    QTest::newRow("async, nothing beyond") << true << true << 0;
}

// SNMPv1 agents answer noSuchName with the request's own OIDs at the end of their MIB: the
// walk ends there, without an error.
void TestRequest::endOfMibInSnmpV1()
{
    QFETCH(bool, async);
    QFETCH(bool, emptyTable);
    QFETCH(int, rows);
    DefaultProfile() = sim_.Profile(0);
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(emptyTable ? kBeyondMib : kLastObject, VarListKind::Table, 0);
    QxSNMPError last;
    last.Code = 1;
    const QList<QStringList> read = Walk(request, async, &last);
    QCOMPARE(read.size(), rows);
    if (rows) QCOMPARE(read[0], QStringList{"1"});
    if (async) {
        QCOMPARE(last.Code, 0);
        QCOMPARE(last.Message, QStringLiteral("Ok!"));
        QVERIFY(last.Done);
    }
}

void TestRequest::v1ColumnEndingEarly_data()
{
    AddBothModes();
}

// An SNMPv1 agent ends one column of several with noSuchName at that column's error index: that
// column shows "(NOTDONE)" from there on, the others keep every row, and the rest of the walk
// no longer asks for it.
void TestRequest::v1ColumnEndingEarly()
{
    QFETCH(bool, async);
    SimAgent sim;
    QVERIFY2(sim.Start({"--fault", "1.3.6.1.2.1.2.2.1.2.9=endOfMibView"}), qPrintable(sim.Error()));
    DefaultProfile() = sim.Profile(0);
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kIfTable, VarListKind::Table, 1);
    QxSNMPError last;
    last.Code = 1;
    const QList<QStringList> rows = Walk(request, async, &last);

    QCOMPARE(rows.size(), 16);
    for (int k = 1; k <= 16; ++k) {
        const QString description = k < 9 ? QStringLiteral("KSW-7116 Port %1").arg(k) : QStringLiteral("(NOTDONE)");
        QCOMPARE(rows[k - 1].mid(0, 3), (QStringList{QString::number(k), description, "6"}));
        QVERIFY(rows[k - 1][3] == QLatin1String("1") || rows[k - 1][3] == QLatin1String("2"));
    }
    if (async) {
        QCOMPARE(last.Code, 0);
        QVERIFY(last.Done);
    }
    const QStringList sent = sim.Received("GETNEXT");
    qsizetype refused = 0;  // the request the agent refused: the one that asks after port 8's description
    while (refused < sent.size() && !sent[refused].contains(QLatin1String("1.3.6.1.2.1.2.2.1.2.8="))) ++refused;
    QVERIFY(refused > 0 && refused < sent.size());
    for (qsizetype i = refused + 1; i < sent.size(); ++i)
        QVERIFY2(!sent[i].contains(QLatin1String("1.3.6.1.2.1.2.2.1.2.")), qPrintable(sent[i]));
    QCOMPARE(sent.size(), 18);  // a row each, the same row again without the column, the end
    QCOMPARE(request.Outstanding, 0);
}

void TestRequest::timeout_data()
{
    AddBothModes();
}

void TestRequest::timeout()
{
    QFETCH(bool, async);
    SilentPort silent;
    DefaultProfile().Device.Port = silent.Port();
    DefaultProfile().Timeout = 20;
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kSystem, VarListKind::ScalarGroup, 0);
    QElapsedTimer clock;
    clock.start();
    if (async) {
        const QxSNMPError error = ReadOnce(request);
        QCOMPARE(error.Code, -405);
        QCOMPARE(error.Message, QStringLiteral("(SNMPClass) SNMP request timed out!"));
        QVERIFY(error.Done);
        QCOMPARE(request.Outstanding, 0);
    } else {
        try {
            request.ReadSync(true);
            QFAIL("no time-out");
        } catch (const AppException& e) {
            QCOMPARE(e.code(), -405);
        }
    }
    // One try and one retry of 0.2 s each.
    QVERIFY2(clock.elapsed() >= 350 && clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
}

// A column without a row at the selected position is left out of a write; with nothing else
// to write, the write is refused instead of succeeding empty.
void TestRequest::notDoneIsNeverWritten()
{
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kPortWrite, VarListKind::Table, 1);
    request.Vars.Get(0).Value = QStringLiteral("4");
    request.Vars.Get(1).Value = QStringLiteral("(NOTDONE)");
    request.Vars.Get(2).Value = QStringLiteral("edge 4");
    int mark = sim_.LogMark();
    request.WriteSync();
    QCOMPARE(sim_.Received("SET", mark), QStringList{"1.3.6.1.2.1.31.1.1.1.18.4=STRING:\"edge 4\""});

    request.Vars.Get(2).Value = QStringLiteral("(NOTDONE)");
    mark = sim_.LogMark();
    try {
        request.WriteSync();
        QFAIL("a write of nothing but markers was sent");
    } catch (const AppException& e) {
        QCOMPARE(e.code(), -518);
    }
    QCOMPARE(sim_.Received("SET", mark), QStringList{});
}

void TestRequest::endOfColumn_data()
{
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("response");
    QTest::addColumn<bool>("ended");
    QTest::newRow("next row") << "1.3.6.1.2.1.2.2.1.1.4" << "1.3.6.1.2.1.2.2.1.1.5" << false;
    QTest::newRow("first row") << "" << "1.3.6.1.2.1.2.2.1.1.1" << false;
    QTest::newRow("next column") << "1.3.6.1.2.1.2.2.1.1.16" << "1.3.6.1.2.1.2.2.1.2.1" << true;
    QTest::newRow("column 10 after column 1") << "1.3.6.1.2.1.2.2.1.1.16" << "1.3.6.1.2.1.2.2.1.10.1" << true;
    QTest::newRow("same OID again (endOfMibView)") << "1.3.6.1.2.1.2.2.1.1.16" << "1.3.6.1.2.1.2.2.1.1.16" << true;
    QTest::newRow("the prefix itself") << "" << "1.3.6.1.2.1.2.2.1.1" << true;
}

void TestRequest::endOfColumn()
{
    QFETCH(QString, previous);
    QFETCH(QString, response);
    QFETCH(bool, ended);
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kIfTable, VarListKind::Table, 1);
    QCOMPARE(request.IsEndOfColumn(QStringLiteral("1.3.6.1.2.1.2.2.1.1"), previous, response), ended);
    request.Vars.Kind = VarListKind::ScalarGroup;
    QVERIFY(!request.IsEndOfColumn(QStringLiteral("1.3.6.1.2.1.2.2.1.1"), previous, response));
}

void TestRequest::expressionsAndFilters()
{
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kDerived, VarListKind::Table, 1);
    const QList<QStringList> rows = Walk(request, false);
    QCOMPARE(rows.size(), 16);
    QCOMPARE(rows[2], (QStringList{"3", "31"}));
    QCOMPARE(rows[15], (QStringList{"16", "161"}));
    QVERIFY(request.EvaluateFilter(QString()));
    QVERIFY(request.EvaluateFilter(QStringLiteral("$0=16")));
    QVERIFY(!request.EvaluateFilter(QStringLiteral("$1=16")));
    QCOMPARE(request.SubstituteValues(QStringLiteral("#1 of #0, #9"), true, QStringLiteral("#")),
             QStringLiteral("\"161\" of \"16\", #9"));

    QxSNMPRequest write;
    write.Vars = QxSNMPVarList(kAdjusted, VarListKind::Table, 1);
    write.Vars.Get(0).Value = QStringLiteral("6");
    write.Vars.Get(1).Value = QStringLiteral("3");
    const int mark = sim_.LogMark();
    write.WriteSync();
    QCOMPARE(sim_.Received("SET", mark), QStringList{"1.3.6.1.2.1.2.2.1.7.6=INTEGER:2"});
    QCOMPARE(write.Vars.Get(1).Value, QStringLiteral("3"));
}

// The destructor lets an answer that is on its way arrive, then returns.
void TestRequest::destroyWaitsForAnswer()
{
    SimAgent slow;
    QVERIFY2(slow.Start({QStringLiteral("--delay"), QStringLiteral("400")}), qPrintable(slow.Error()));
    DefaultProfile() = slow.Profile(1);
    auto request = std::make_unique<QxSNMPRequest>();
    request->Vars = QxSNMPVarList(kSystem, VarListKind::ScalarGroup, 0);
    int calls = 0;
    QString name;
    request->ReadAsync(
        [&](const QxSNMPError& error, QxSNMPVarList& vars) {
            ++calls;
            QCOMPARE(error.Code, 0);
            name = vars.Get(2).Value;
        },
        true);
    QCOMPARE(request->Outstanding, 1);
    QElapsedTimer clock;
    clock.start();
    request.reset();
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(calls, 1);
    QCOMPARE(name, QStringLiteral("KSW-7116 Gigabit Ethernet Switch"));
}

// An answer later than six seconds is given up: the destructor returns, and when the answer
// comes nothing of the request is touched (the sanitizers watch this).
void TestRequest::destroyGivesUpAfterSixSeconds()
{
    SimAgent late;
    QVERIFY2(late.Start({QStringLiteral("--delay"), QStringLiteral("6800")}), qPrintable(late.Error()));
    DefaultProfile() = late.Profile(1);
    DefaultProfile().Timeout = 1500;
    auto request = std::make_unique<QxSNMPRequest>();
    request->Vars = QxSNMPVarList(kSystem, VarListKind::ScalarGroup, 0);
    int calls = 0;
    request->ReadAsync([&](const QxSNMPError&, QxSNMPVarList&) { ++calls; }, true);
    QElapsedTimer clock;
    clock.start();
    request.reset();
    QVERIFY2(clock.elapsed() >= 5900 && clock.elapsed() < 6600, qPrintable(QString::number(clock.elapsed())));
    const int mark = late.LogMark();
    QTRY_VERIFY_WITH_TIMEOUT(late.LogMark() > mark, 3000);  // the late answer was sent
    QTest::qWait(200);
    QCOMPARE(calls, 0);
    QCOMPARE(QxSnmpSession::Instance().OutstandingCount(), 0);
}

void TestRequest::callbackMayDestroyItsRequest()
{
    auto* request = new QxSNMPRequest;
    request->Vars = QxSNMPVarList(kIfTable, VarListKind::Table, 1);
    bool called = false;
    qint64 destroyMs = -1;
    request->ReadAsync(
        [&](const QxSNMPError& error, QxSNMPVarList&) {
            called = true;
            QCOMPARE(error.Code, 0);
            QElapsedTimer clock;
            clock.start();
            delete request;
            destroyMs = clock.elapsed();
        },
        true);
    QTRY_VERIFY_WITH_TIMEOUT(called, 10000);
    QVERIFY2(destroyMs >= 0 && destroyMs < 500, qPrintable(QString::number(destroyMs)));
}

// No answer can arrive while a callback runs, so a request destroyed from inside another's
// callback does not wait in vain.
void TestRequest::destroyInsideAnotherCallbackDoesNotWait()
{
    SilentPort silent;
    QxSNMPProfile silentProfile = sim_.Profile(1);
    silentProfile.Device.Port = silent.Port();
    silentProfile.Timeout = 1000;
    DefaultProfile() = silentProfile;
    auto* waiting = new QxSNMPRequest;
    waiting->Vars = QxSNMPVarList(kSystem, VarListKind::ScalarGroup, 0);
    bool waitingCalled = false;
    waiting->ReadAsync([&](const QxSNMPError&, QxSNMPVarList&) { waitingCalled = true; }, true);

    DefaultProfile() = sim_.Profile(1);
    QxSNMPRequest answered;
    answered.Vars = QxSNMPVarList(kSystem, VarListKind::ScalarGroup, 0);
    qint64 destroyMs = -1;
    answered.ReadAsync(
        [&](const QxSNMPError&, QxSNMPVarList&) {
            QElapsedTimer clock;
            clock.start();
            delete waiting;
            destroyMs = clock.elapsed();
        },
        true);
    QTRY_VERIFY_WITH_TIMEOUT(destroyMs >= 0, 10000);
    QVERIFY2(destroyMs < 500, qPrintable(QString::number(destroyMs)));
    QVERIFY(!waitingCalled);
}

QTEST_GUILESS_MAIN(TestRequest)
#include "test_request.moc"
