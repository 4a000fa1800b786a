// What the module reads from the simulated switch: the front-panel LED object laid out byte for
// byte from the ports, the port popups' rows at <port>.<medium>, the status objects, ports that
// change over simulated time, and the forwarding table.

#include <QtTest>

#include "sim_process.h"
#include "snmp_tools.h"

namespace {

const QString kLeds = "1.3.6.1.4.1.58126.11.101.2.2.1.1.4.0";
const QString kIfOperStatus = "1.3.6.1.2.1.2.2.1.8";
const QString kPortInfo = "1.3.6.1.4.1.58126.11.101.2.2.3.1.1";
const QString kPortCtrl = "1.3.6.1.4.1.58126.11.101.2.2.3.2.1";
const QString kSysUpTime = "1.3.6.1.2.1.1.3.0";

struct Slot {
    int port;
    int medium;
};

// LED slots 1-18: ports 1-15, the first combo (port 15 fiber), port 16, the second combo.
Slot slotOf(int k)
{
    if (k <= 15) return {k, 1};
    if (k == 16) return {15, 2};
    if (k == 17) return {16, 1};
    return {16, 2};
}

QByteArray leds(const SimProcess& sim)
{
    const ToolRun run = runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), sim.peer()) << kLeds);
    return hexOctets(snmpValues(run.out).value(kLeds));
}

QMap<QString, QString> walk(const SimProcess& sim, const QString& root)
{
    return snmpValues(runSnmpTool("snmpwalk", snmpArgs(v2c("mirepo"), sim.peer()) << root).out);
}

}  // namespace

class TestSimSwitch : public QObject {
    Q_OBJECT

private slots:
    void ledsFollowThePorts_data();
    void ledsFollowThePorts();
    void portsChangeOverTime();
    void disabledPortGoesDark();
    void portPopupRows_data();
    void portPopupRows();
    void statusObjects();
    void forwardingTable();

private:
    QStringList frozenAt(int seconds, const QString& model = "KSW-7116", int seed = 1)
    {
        return {"--clock-rate", "0", "--clock-start", QString::number(seconds), "--model", model, "--seed",
                QString::number(seed)};
    }
};

void TestSimSwitch::ledsFollowThePorts_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("seconds");
    QTest::newRow("KSW-7116 at power-on") << "KSW-7116" << 0;
    QTest::newRow("KSW-7116 after a day") << "KSW-7116" << 86400;
    QTest::newRow("KSW-7110 after an hour") << "KSW-7110" << 3600;
}

void TestSimSwitch::ledsFollowThePorts()
{
    QFETCH(QString, model);
    QFETCH(int, seconds);
    SimProcess sim(frozenAt(seconds, model));
    QVERIFY2(sim.running(), qPrintable(sim.error()));
    const QByteArray bytes = leds(sim);
    QCOMPARE(bytes.size(), 41);
    QCOMPARE(quint8(bytes[2]), quint8(0x02));  // power: steady green
    const auto linkStatus = walk(sim, kPortInfo + ".5");
    const auto nway = walk(sim, kPortInfo + ".6");
    const auto operStatus = walk(sim, kIfOperStatus);
    const int ports = model == "KSW-7116" ? 16 : 10;
    QCOMPARE(operStatus.size(), ports);
    int lit = 0;
    for (int k = 1; k <= 18; ++k) {
        const quint8 state = quint8(bytes[2 * k + 3]);
        const quint8 colour = quint8(bytes[2 * k + 4]);
        const Slot slot = slotOf(k);
        const QString row = QString(".%1.%2").arg(slot.port).arg(slot.medium);
        if (!linkStatus.contains(kPortInfo + ".5" + row)) {
            QCOMPARE(state, quint8(1));  // no such port on this model: dark
            QCOMPARE(colour, quint8(1));
            continue;
        }
        const bool up = linkStatus.value(kPortInfo + ".5" + row) == "2";
        QCOMPARE(state == 1, !up);
        if (!up) continue;
        ++lit;
        QCOMPARE(state & 0x7f, 0x02);
        QCOMPARE(operStatus.value(QString("%1.%2").arg(kIfOperStatus).arg(slot.port)), QString("1"));
        // Colour from the negotiated speed: N-way 9-12 is 1000 Mb/s (green), below orange.
        const int speed = nway.value(kPortInfo + ".6" + row).toInt();
        QCOMPARE(int(colour), speed >= 9 ? 3 : speed >= 5 ? 1 : 2);
    }
    QVERIFY(lit > 0);
}

void TestSimSwitch::portsChangeOverTime()
{
    // The same seed and simulated time give the same panel in another process; time and the
    // seed change it.
    SimProcess a(frozenAt(0)), again(frozenAt(0)), later(frozenAt(3 * 3600)), otherSeed(frozenAt(0, "KSW-7116", 2));
    const QByteArray panel = leds(a);
    QCOMPARE(leds(again), panel);
    QVERIFY(leds(later) != panel);
    QVERIFY(leds(otherSeed) != panel);

    // --clock-rate runs simulated time faster: 150 ms real are at least 150 s simulated.
    SimProcess fast({"--clock-rate", "1000"});
    const auto first = snmpValues(runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), fast.peer()) << kSysUpTime).out);
    QTest::qWait(150);
    const auto second = snmpValues(runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), fast.peer()) << kSysUpTime).out);
    const auto ticks = [](const QString& text) {  // "d:h:mm:ss.cc", as -Oq prints TimeTicks
        const QStringList p = text.split(':');
        if (p.size() != 4) return qint64(-1);
        return (((p[0].toLongLong() * 24 + p[1].toLongLong()) * 60 + p[2].toLongLong()) * 60) * 100 +
               qRound64(p[3].toDouble() * 100);
    };
    QVERIFY(ticks(first.value(kSysUpTime)) >= 0);
    QVERIFY(ticks(second.value(kSysUpTime)) - ticks(first.value(kSysUpTime)) >= 15000);
}

void TestSimSwitch::disabledPortGoesDark()
{
    SimProcess sim(frozenAt(0));
    const QByteArray before = leds(sim);
    int port = 1;
    while (port <= 14 && quint8(before[2 * port + 3]) == 1) ++port;
    QVERIFY2(port <= 14, "no copper port up at power-on with seed 1");
    const QString admin = QString("%1.4.%2.1").arg(kPortCtrl).arg(port);
    QVERIFY(runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), sim.peer()) << admin << "i" << "2").ok());
    const QByteArray dark = leds(sim);
    QCOMPARE(dark.mid(2 * port + 3, 2), QByteArray("\x01\x01"));
    QCOMPARE(walk(sim, QString("%1.%2").arg(kIfOperStatus).arg(port)).first(), QString("2"));
    QCOMPARE(walk(sim, QString("%1.5.%2.1").arg(kPortInfo).arg(port)).first(), QString("3"));  // link-fail
    // Every other slot is as it was; enabled again, the port is back.
    QCOMPARE(dark.left(2 * port + 3) + dark.mid(2 * port + 5), before.left(2 * port + 3) + before.mid(2 * port + 5));
    QVERIFY(runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), sim.peer()) << admin << "i" << "3").ok());
    QCOMPARE(leds(sim), before);
}

void TestSimSwitch::portPopupRows_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("instance");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("portType");
    QTest::newRow("7116 copper port 1") << "KSW-7116" << "1.1" << true << "4";
    QTest::newRow("7116 combo fiber 15") << "KSW-7116" << "15.2" << true << "5";
    QTest::newRow("7116 combo fiber 16") << "KSW-7116" << "16.2" << true << "5";
    QTest::newRow("7116 port 14 has no fiber") << "KSW-7116" << "14.2" << false << "";
    QTest::newRow("7116 port 17") << "KSW-7116" << "17.1" << false << "";
    QTest::newRow("7110 port 10") << "KSW-7110" << "10.1" << true << "4";
    QTest::newRow("7110 port 11") << "KSW-7110" << "11.1" << false << "";
    QTest::newRow("7110 no combo") << "KSW-7110" << "10.2" << false << "";
}

void TestSimSwitch::portPopupRows()
{
    QFETCH(QString, model);
    QFETCH(QString, instance);
    QFETCH(bool, exists);
    QFETCH(QString, portType);
    SimProcess sim({"--model", model});
    // What "Port Information" and "Port Configuration" read at <port>.<medium>.
    QStringList oids;
    for (int column : {3, 4, 5, 6, 8}) oids << QString("%1.%2.%3").arg(kPortInfo).arg(column).arg(instance);
    for (int column : {3, 4, 5, 6, 7, 8}) oids << QString("%1.%2.%3").arg(kPortCtrl).arg(column).arg(instance);
    const ToolRun run = runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), sim.peer()) + oids);
    QVERIFY(run.finished);
    const auto values = snmpValues(run.out);
    QCOMPARE(values.size(), oids.size());
    if (!exists) {
        for (const QString& value : values) QVERIFY2(value.contains("No Such Instance"), qPrintable(value));
        return;
    }
    QCOMPARE(values.value(oids[0]), QString("1"));  // unit
    QCOMPARE(values.value(oids[1]), portType);
    QVERIFY(QStringList({"2", "3"}).contains(values.value(oids[2])));
    QCOMPARE(values.value(oids[6]), QString("3"));  // admin state enabled
    QCOMPARE(values.value(oids[7]), QString("2"));  // nway-enabled
}

void TestSimSwitch::statusObjects()
{
    SimProcess sim(frozenAt(600));
    const QStringList oids = {"1.3.6.1.4.1.58126.11.101.2.2.1.2.4.0", "1.3.6.1.4.1.58126.12.15.1.2.0",
                              "1.0.8802.1.1.1.1.1.1.0", "1.3.6.1.4.1.58126.11.101.2.2.1.1.1.0",
                              "1.3.6.1.4.1.58126.11.101.2.2.1.1.2.0"};
    const auto values = snmpValues(runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), sim.peer()) + oids).out);
    QCOMPARE(values.value(oids[0]), QString("3"));  // RMON enabled
    QCOMPARE(values.value(oids[1]), QString("1"));  // rstp
    QCOMPARE(values.value(oids[2]), QString("2"));  // 802.1X disabled
    QCOMPARE(values.value(oids[3]), QString("16"));
    const auto oper = walk(sim, kIfOperStatus);
    QCOMPARE(values.value(oids[4]).toInt(), int(std::count(oper.begin(), oper.end(), QString("1"))));
    // The status objects are writable within their enumerations.
    QVERIFY(runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), sim.peer()) << oids[0] << "i" << "2" << oids[1] << "i"
                                                                       << "2" << oids[2] << "i" << "1")
                .ok());
    QCOMPARE(runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), sim.peer()) << oids[1] << "i" << "3").reason(),
             QString("wrongValue"));
}

void TestSimSwitch::forwardingTable()
{
    SimProcess sim({"--fdb-entries", "300", "--seed", "5"});
    const ToolRun table = runSnmpTool(
        "snmptable", {"-M", qEnvironmentVariable("KSW_SOURCE_DIR") + "/tests/sim/mibs", "-m", "KSW-SIM-TEST-MIB", "-v2c",
                      "-c", "mirepo", "-Cf", ",", "-CH", "-Ci", "-Ob", "-t", "1", "-r", "0", sim.peer(),
                      "KSW-SIM-TEST-MIB::kswTpFdbTable"});
    QVERIFY2(table.finished && table.exitCode == 0, qPrintable(table.err));
    const QStringList rows = table.out.trimmed().split('\n');
    QCOMPARE(rows.size(), 300);
    QSet<QString> addresses;
    for (const QString& row : rows) {
        const QStringList cells = row.split(',');  // index (FDB 1 and six octets), port, status
        QCOMPARE(cells.size(), 3);
        QCOMPARE(cells[0].count('.'), 6);
        QVERIFY(cells[0].startsWith("1."));
        addresses.insert(cells[0]);
        QVERIFY(cells[1].toInt() >= 1 && cells[1].toInt() <= 16);
        QCOMPARE(cells[2], QString("3"));  // learned
    }
    QCOMPARE(addresses.size(), 300);
    const auto count = snmpValues(runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), sim.peer())
                                                             << "1.3.6.1.2.1.17.7.1.2.1.1.2.1")
                                      .out);
    QCOMPARE(count.first(), QString("300"));
}

QTEST_GUILESS_MAIN(TestSimSwitch)
#include "test_sim_switch.moc"
