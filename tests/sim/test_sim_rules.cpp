// The switch's own behaviour, seen through net-snmp's tools: a set a switch refuses as
// inconsistent, an action object that clears counters and reads back idle, a link that takes a
// moment of simulated time to come up again, and each of them switched off with --rule.

#include <QtTest>

#include "sim_process.h"
#include "snmp_tools.h"

namespace {

const QString kVlan = "1.3.6.1.2.1.17.7.1.4.3.1";
const QString kSysUpTime = "1.3.6.1.2.1.1.3.0";
const QString kIfAdminStatus = "1.3.6.1.2.1.2.2.1.7";
const QString kIfOperStatus = "1.3.6.1.2.1.2.2.1.8";
const QString kIfInOctets = "1.3.6.1.2.1.2.2.1.10";
const QString kIfHCInOctets = "1.3.6.1.2.1.31.1.1.1.6";
const QString kTpPortInFrames = "1.3.6.1.2.1.17.4.4.1.3";
const QString kCounterClear = "1.3.6.1.4.1.58126.11.101.2.2.3.6.1.2";
constexpr int kStart = 3600;  // simulated seconds since power-on: every port has counted traffic

QString vlan(int column, int id)
{
    return QString("%1.%2.%3").arg(kVlan).arg(column).arg(id);
}

QString at(const QString& column, int port)
{
    return column + "." + QString::number(port);
}

ToolRun set(const SimProcess& sim, const QStringList& varbinds)
{
    return runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), sim.peer()) + varbinds);
}

QMap<QString, QString> get(const SimProcess& sim, const QStringList& oids)
{
    // -Ot: time ticks as a plain number.
    return snmpValues(runSnmpTool("snmpget", QStringList{"-Ot"} + snmpArgs(v2c("mirepo"), sim.peer()) + oids).out);
}

QMap<QString, QString> walk(const SimProcess& sim, const QString& root)
{
    return snmpValues(runSnmpTool("snmpwalk", snmpArgs(v2c("mirepo"), sim.peer()) << root).out);
}

// The ports whose link is up, as ifOperStatus shows them.
QSet<int> portsUp(const SimProcess& sim)
{
    QSet<int> up;
    const auto status = walk(sim, kIfOperStatus);
    for (auto it = status.begin(); it != status.end(); ++it)
        if (it.value() == "1") up.insert(it.key().section('.', -1).toInt());
    return up;
}

}  // namespace

class TestSimRules : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void vlanMembership_data();
    void vlanMembership();
    void counterClear_data();
    void counterClear();
    void linkSettlesAfterEnable_data();
    void linkSettlesAfterEnable();
    void linkSettlesOnTheSimulatedClock();

private:
    SimProcess rulesOn_;
    SimProcess rulesOff_;
    int steadyPort_ = 0;  // a copper port whose link is up from kStart for a minute of simulated time
};

void TestSimRules::initTestCase()
{
    QVERIFY2(rulesOn_.start(), qPrintable(rulesOn_.error()));
    QVERIFY2(rulesOff_.start({"--rule", "vlan-membership=off"}), qPrintable(rulesOff_.error()));

    // Link slots last at least 90 s, so a link up at both ends of 60 s is up all along.
    SimProcess first({"--clock-rate", "0", "--clock-start", QString::number(kStart)});
    SimProcess last({"--clock-rate", "0", "--clock-start", QString::number(kStart + 60)});
    const QSet<int> up = portsUp(first) & portsUp(last);
    for (int port = 1; port <= 14 && !steadyPort_; ++port)
        if (up.contains(port)) steadyPort_ = port;
    QVERIFY2(steadyPort_, "no port is up for the whole minute under seed 1");
}

void TestSimRules::vlanMembership_data()
{
    QTest::addColumn<QStringList>("varbinds");
    QTest::addColumn<QString>("expected");  // the error status with the rule on; "" for success
    // Port lists: C0 ports 1 and 2, 40 port 2, 20 port 3, 80 port 1.
    QTest::newRow("untagged within egress")
        << QStringList{vlan(5, 10), "i", "4", vlan(2, 10), "x", "C0000000", vlan(4, 10), "x", "40000000"} << "";
    QTest::newRow("untagged outside egress")
        << QStringList{vlan(5, 11), "i", "4", vlan(2, 11), "x", "C0000000", vlan(4, 11), "x", "20000000"}
        << "inconsistentValue";
    QTest::newRow("created with untagged ports but no egress")
        << QStringList{vlan(5, 12), "i", "5", vlan(4, 12), "x", "40000000"} << "inconsistentValue";
    QTest::newRow("egress and forbidden share a port")
        << QStringList{vlan(5, 13), "i", "4", vlan(2, 13), "x", "C0000000", vlan(3, 13), "x", "80000000"}
        << "inconsistentValue";
    QTest::newRow("egress taken from an untagged port") << QStringList{vlan(2, 1), "x", "7FFF0000"}
                                                        << "inconsistentValue";
    QTest::newRow("both lists shrunk together")
        << QStringList{vlan(4, 1), "x", "7FFF0000", vlan(2, 1), "x", "7FFF0000"} << "";
}

void TestSimRules::vlanMembership()
{
    QFETCH(QStringList, varbinds);
    QFETCH(QString, expected);
    for (SimProcess* sim : {&rulesOn_, &rulesOff_}) {
        const bool on = sim == &rulesOn_;
        const auto before = walk(*sim, kVlan);
        const ToolRun run = set(*sim, varbinds);
        const QString wanted = on ? expected : QString();
        QVERIFY2(wanted.isEmpty() ? run.ok() : run.reason() == wanted, qPrintable(run.err));
        // A refused set leaves every list as it was.
        if (!wanted.isEmpty()) QCOMPARE(walk(*sim, kVlan), before);
    }
}

void TestSimRules::counterClear_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("clears");
    QTest::newRow("rule on") << QStringList{} << true;
    QTest::newRow("rule off") << QStringList{"--rule", "port-counter-clear=off"} << false;
}

void TestSimRules::counterClear()
{
    QFETCH(QStringList, options);
    QFETCH(bool, clears);
    QTemporaryDir dir;
    const QString state = dir.path() + "/state";
    // The clock stands still: counters change only by the clear.
    SimProcess sim(options + QStringList{"--clock-rate", "0", "--clock-start", QString::number(kStart), "--state", state});
    QVERIFY2(sim.running(), qPrintable(sim.error()));

    const QStringList counters = {at(kIfInOctets, 3), at(kIfHCInOctets, 3), at(kTpPortInFrames, 3),
                                  at(kIfHCInOctets, 4)};
    const auto before = get(sim, counters);
    for (const QString& oid : counters) QVERIFY2(before.value(oid, "0") != "0", qPrintable(oid));

    QVERIFY(set(sim, {at(kCounterClear, 3), "i", "2"}).ok());  // start
    const auto after = get(sim, counters + QStringList{at(kCounterClear, 3)});
    QCOMPARE(after.value(at(kCounterClear, 3)), clears ? QString("1") : QString("2"));  // back to other
    for (const QString& oid : counters.mid(0, 3)) QCOMPARE(after.value(oid), clears ? QString("0") : before.value(oid));
    QCOMPARE(after.value(at(kIfHCInOctets, 4)), before.value(at(kIfHCInOctets, 4)));  // another port keeps its own

    QFile file(state);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString kept = at(kCounterClear, 3) + (clears ? " INTEGER:1" : " INTEGER:2");
    QVERIFY2(QString::fromLatin1(file.readAll()).contains(kept), qPrintable(kept));
}

void TestSimRules::linkSettlesAfterEnable_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("operAfterEnable");
    QTest::newRow("rule on") << QStringList{} << "2";
    QTest::newRow("rule off") << QStringList{"--rule", "link-settle=off"} << "1";
}

void TestSimRules::linkSettlesAfterEnable()
{
    QFETCH(QStringList, options);
    QFETCH(QString, operAfterEnable);
    // The clock stands still, so a settling link stays down.
    SimProcess sim(options + QStringList{"--clock-rate", "0", "--clock-start", QString::number(kStart)});
    QVERIFY2(sim.running(), qPrintable(sim.error()));
    const QString admin = at(kIfAdminStatus, steadyPort_);
    const QString oper = at(kIfOperStatus, steadyPort_);

    QVERIFY(set(sim, {admin, "i", "1"}).ok());  // already up: nothing to negotiate
    QCOMPARE(get(sim, {oper}).value(oper), QString("1"));
    QVERIFY(set(sim, {admin, "i", "2"}).ok());
    QCOMPARE(get(sim, {oper}).value(oper), QString("2"));
    QVERIFY(set(sim, {admin, "i", "1"}).ok());
    QCOMPARE(get(sim, {oper}).value(oper), operAfterEnable);
}

void TestSimRules::linkSettlesOnTheSimulatedClock()
{
    // Four simulated seconds per real one: the link settles in 0.75 s of real time.
    SimProcess sim({"--clock-rate", "4", "--clock-start", QString::number(kStart)});
    QVERIFY2(sim.running(), qPrintable(sim.error()));
    const QString admin = at(kIfAdminStatus, steadyPort_);
    const QString oper = at(kIfOperStatus, steadyPort_);

    QVERIFY(set(sim, {admin, "i", "2"}).ok());
    const qint64 enabledAfter = get(sim, {kSysUpTime}).value(kSysUpTime).toLongLong();
    QVERIFY(enabledAfter > 0);
    QVERIFY(set(sim, {admin, "i", "1"}).ok());
    // The first answer with the link up comes at least 3 simulated seconds after the enable.
    QMap<QString, QString> seen;
    QTRY_VERIFY_WITH_TIMEOUT((seen = get(sim, {kSysUpTime, oper})).value(oper) == "1", 10000);
    const qint64 upAt = seen.value(kSysUpTime).toLongLong();
    QVERIFY2(upAt >= enabledAfter + 300, qPrintable(QString("%1 %2").arg(enabledAfter).arg(upAt)));
    QVERIFY2(upAt < (kStart + 60) * 100, "the test ran past the minute the port is known to be up");
}

QTEST_GUILESS_MAIN(TestSimRules)
#include "test_sim_rules.moc"
