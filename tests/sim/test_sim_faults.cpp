// The fault options, observed through net-snmp's tools: dropped requests (deterministic under
// --seed), delayed answers, tooBig above N varbinds, and under an OID prefix genErr, noSuchName,
// exception values, a wrong SMI type, a short or empty octet string, and errors to sets that
// apply nothing.

#include <QtTest>

#include "sim_process.h"
#include "snmp_tools.h"

namespace {

const QString kSysDescr = "1.3.6.1.2.1.1.1.0";
const QString kSysUpTime = "1.3.6.1.2.1.1.3.0";
const QString kSysContact = "1.3.6.1.2.1.1.4.0";
const QString kSysName = "1.3.6.1.2.1.1.5.0";
const QString kSysLocation = "1.3.6.1.2.1.1.6.0";
const QString kLeds = "1.3.6.1.4.1.58126.11.101.2.2.1.1.4.0";

// Which of `count` single requests were answered, in order.
QString answeredPattern(const SimProcess& sim, int count)
{
    QString pattern;
    for (int i = 0; i < count; ++i) {
        const ToolRun run = runSnmpTool("snmpget", QStringList{"-On", "-t", "0.2", "-r", "0"} + v2c("mirepo")
                                                       << sim.peer() << kSysName);
        pattern += run.ok() ? 'a' : run.timedOut() ? 'd' : '?';
    }
    return pattern;
}

}  // namespace

class TestSimFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void dropsAreDeterministic();
    void delayedAnswers();
    void tooBigAboveN_data();
    void tooBigAboveN();
    void prefixFaults_data();
    void prefixFaults();
    void faultStopsAWalk();
    void exceptionsInAWalk_data();
    void exceptionsInAWalk();
    void setFaults_data();
    void setFaults();
    void setRefusedHalfWayAppliesNothing();

private:
    SimProcess prefixes_;
    SimProcess tooBig_;
};

void TestSimFaults::initTestCase()
{
    QVERIFY2(prefixes_.start({"--fault", "1.3.6.1.2.1.1.5=genErr", "--fault", "1.3.6.1.2.1.1.6=noSuchName", "--fault",
                              "1.3.6.1.2.1.1.4=wrongType", "--fault", "1.3.6.1.2.1.2.2.1.1=wrongType", "--fault",
                              "1.3.6.1.4.1.58126.11.101.2.2.1.1.4=short:10", "--fault", "1.3.6.1.2.1.1.1=short", "--fault",
                              "1.3.6.1.2.1.31=genErr", "--fault", "1.3.6.1.2.1.31.1.1.1.1=noSuchName", "--fault",
                              "1.3.6.1.2.1.1.3=genErr", "--fault", "1.3.6.1.2.1.2.2.1.2.2=noSuchObject", "--fault",
                              "1.3.6.1.2.1.2.2.1.3.2=noSuchInstance", "--fault", "1.3.6.1.2.1.2.2.1.6.2=endOfMibView",
                              "--fault", "1.3.6.1.2.1.2.2.1.6.3=empty", "--fault", "1.3.6.1.2.1.2.2.1.7.2=wrongValue",
                              "--fault", "1.3.6.1.2.1.2.2.1.7.3=notWritable", "--fault",
                              "1.3.6.1.2.1.2.2.1.7.4=authorizationError", "--fault", "1.3.6.1.2.1.2.2.1.7.5=tooBig"}),
             qPrintable(prefixes_.error()));
    QVERIFY2(tooBig_.start({"--too-big", "3"}), qPrintable(tooBig_.error()));
}

void TestSimFaults::dropsAreDeterministic()
{
    SimProcess all({"--drop", "100"});
    QVERIFY(all.running());
    QCOMPARE(answeredPattern(all, 2), QString("dd"));

    QTemporaryDir dir;
    SimProcess first({"--drop", "50", "--seed", "9", "--log", dir.path() + "/log"});
    SimProcess second({"--drop", "50", "--seed", "9"});
    SimProcess otherSeed({"--drop", "50", "--seed", "10"});
    const QString pattern = answeredPattern(first, 12);
    QVERIFY2(pattern.contains('a') && pattern.contains('d'), qPrintable(pattern));
    QCOMPARE(answeredPattern(second, 12), pattern);
    QVERIFY(answeredPattern(otherSeed, 12) != pattern);
    QVERIFY(first.stop());
    QFile log(dir.path() + "/log");
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(log.readAll()).count(" drop reqid="), pattern.count('d'));
}

void TestSimFaults::delayedAnswers()
{
    SimProcess sim({"--delay", "600"});
    const QStringList patient = {"-On", "-Oq", "-t", "3", "-r", "0"};
    // Two requests overlap: each gets its own answer, both late.
    QProcess first;
    startSnmpTool(first, "snmpget", patient + v3("admin", "authPriv", "SHA", "adminauth123", "DES", "adminpriv123")
                                        << sim.peer() << kSysName);
    const ToolRun second = runSnmpTool("snmpget", patient + v2c("mirepo") << sim.peer() << kSysLocation);
    const ToolRun firstRun = finishSnmpTool(first);
    QVERIFY2(firstRun.ok() && second.ok(), qPrintable(firstRun.err + second.err));
    QCOMPARE(snmpValues(firstRun.out).keys(), QList<QString>{kSysName});
    QCOMPARE(snmpValues(second.out).keys(), QList<QString>{kSysLocation});
    QVERIFY2(second.elapsedMs >= 600, qPrintable(QString::number(second.elapsedMs)));
    // Shorter than the delay, the client gives up.
    const ToolRun impatient = runSnmpTool("snmpget", QStringList{"-On", "-t", "0.2", "-r", "0"} + v2c("mirepo")
                                                         << sim.peer() << kSysName);
    QVERIFY(impatient.timedOut());
}

void TestSimFaults::tooBigAboveN_data()
{
    QTest::addColumn<QStringList>("security");
    QTest::addColumn<int>("varbinds");
    QTest::addColumn<bool>("tooBig");
    QTest::newRow("v2c at the limit") << v2c("mirepo") << 3 << false;
    QTest::newRow("v2c above") << v2c("mirepo") << 4 << true;
    QTest::newRow("v1 above") << v1("mirepo") << 4 << true;
    QTest::newRow("v3 above") << v3("admin", "authPriv", "SHA", "adminauth123", "DES", "adminpriv123") << 5 << true;
}

void TestSimFaults::tooBigAboveN()
{
    QFETCH(QStringList, security);
    QFETCH(int, varbinds);
    QFETCH(bool, tooBig);
    QStringList oids;
    for (int i = 1; i <= varbinds; ++i) oids << QString("1.3.6.1.2.1.1.%1.0").arg(i);
    const ToolRun run = runSnmpTool("snmpget", snmpArgs(security, tooBig_.peer()) + oids);
    if (tooBig) {
        QCOMPARE(run.reason(), QString("tooBig"));
    } else {
        QVERIFY2(run.ok(), qPrintable(run.err));
        QCOMPARE(snmpValues(run.out).size(), varbinds);
    }
}

void TestSimFaults::prefixFaults_data()
{
    QTest::addColumn<QString>("oid");
    QTest::addColumn<QString>("expected");  // an error status, or a check of the value
    QTest::newRow("genErr") << kSysName << "genError";
    QTest::newRow("noSuchName") << kSysLocation << "noSuchName";
    QTest::newRow("string served as INTEGER") << kSysContact << "INTEGER: 0";
    QTest::newRow("INTEGER served as string") << "1.3.6.1.2.1.2.2.1.1.3" << "Hex-STRING: 77 72 6F 6E 67 20 74 79 70 65";
    QTest::newRow("LED object cut to 10 octets") << kLeds << "octets 10";
    QTest::newRow("sysDescr cut to half") << kSysDescr << "octets 16";
    QTest::newRow("longest prefix wins") << "1.3.6.1.2.1.31.1.1.1.1.1" << "noSuchName";
    QTest::newRow("shorter prefix") << "1.3.6.1.2.1.31.1.1.1.6.1" << "genError";
    QTest::newRow("outside every prefix") << "1.3.6.1.2.1.2.2.1.7.1" << "INTEGER: 1";
    QTest::newRow("noSuchObject") << "1.3.6.1.2.1.2.2.1.2.2" << "No Such Object available";
    QTest::newRow("noSuchInstance") << "1.3.6.1.2.1.2.2.1.3.2" << "No Such Instance currently exists";
    QTest::newRow("endOfMibView") << "1.3.6.1.2.1.2.2.1.6.2" << "No more variables left";
    QTest::newRow("empty octet string") << "1.3.6.1.2.1.2.2.1.6.3" << "octets 0";
    QTest::newRow("a set fault leaves gets alone") << "1.3.6.1.2.1.2.2.1.7.2" << "INTEGER: 1";
}

void TestSimFaults::prefixFaults()
{
    QFETCH(QString, oid);
    QFETCH(QString, expected);
    const ToolRun run = runSnmpTool("snmpget", QStringList{"-On", "-Ox", "-t", "1", "-r", "0"} + v2c("mirepo")
                                                   << prefixes_.peer() << oid);
    if (expected.startsWith("octets ")) {
        QVERIFY2(run.ok(), qPrintable(run.err));
        const QString value = run.out.section(QRegularExpression(" = (Hex-)?STRING: "), 1);
        QCOMPARE(hexOctets(value).size(), expected.mid(7).toInt());
    } else if (expected.front().isLower()) {
        QCOMPARE(run.reason(), expected);
    } else {
        QVERIFY2(run.out.simplified().contains(expected), qPrintable(run.out));
    }
}

void TestSimFaults::faultStopsAWalk()
{
    // sysUpTime.0 answers genErr: a walk of the system group stops there.
    const ToolRun walk = runSnmpTool("snmpwalk", snmpArgs(v2c("mirepo"), prefixes_.peer()) << "1.3.6.1.2.1.1");
    QCOMPARE(walk.reason(), QString("genError"));
    QCOMPARE(snmpValues(walk.out).keys(), (QList<QString>{kSysDescr, "1.3.6.1.2.1.1.2.0"}));
    // Sets under a genErr prefix fail too.
    const ToolRun set = runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), prefixes_.peer()) << kSysName << "s" << "x");
    QCOMPARE(set.reason(), QString("genError"));
}

void TestSimFaults::exceptionsInAWalk_data()
{
    QTest::addColumn<QStringList>("security");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("expected");  // "OID value" as -On -Oq prints it, or an error status
    // endOfMibView answers the name asked for; the others the next instance's name.
    QTest::newRow("endOfMibView") << v2c("mirepo") << "1.3.6.1.2.1.2.2.1.6.1"
                                  << ".1.3.6.1.2.1.2.2.1.6.1 No more variables left in this MIB View";
    QTest::newRow("noSuchInstance") << v2c("mirepo") << "1.3.6.1.2.1.2.2.1.3.1"
                                    << ".1.3.6.1.2.1.2.2.1.3.2 No Such Instance currently exists";
    QTest::newRow("v3 noSuchObject") << v3("admin", "authPriv", "SHA", "adminauth123", "DES", "adminpriv123")
                                     << "1.3.6.1.2.1.2.2.1.2.1" << ".1.3.6.1.2.1.2.2.1.2.2 No Such Object available";
    QTest::newRow("v1: noSuchName") << v1("mirepo") << "1.3.6.1.2.1.2.2.1.6.1" << "noSuchName";
}

void TestSimFaults::exceptionsInAWalk()
{
    QFETCH(QStringList, security);
    QFETCH(QString, from);
    QFETCH(QString, expected);
    const ToolRun run = runSnmpTool("snmpgetnext", snmpArgs(security, prefixes_.peer()) << from);
    if (expected.front().isLower()) {
        QCOMPARE(run.reason(), expected);
        return;
    }
    QVERIFY2(run.out.simplified().startsWith(expected), qPrintable(run.out + run.err));
    // The next row is served again.
    const ToolRun after = runSnmpTool("snmpgetnext", snmpArgs(security, prefixes_.peer()) << from.section('.', 0, -2) + ".2");
    QVERIFY2(after.ok() && after.out.contains(from.section('.', 0, -2) + ".3 "), qPrintable(after.out + after.err));
}

void TestSimFaults::setFaults_data()
{
    QTest::addColumn<QStringList>("security");
    QTest::addColumn<QString>("oid");
    QTest::addColumn<QString>("reason");
    QTest::newRow("wrongValue") << v2c("wrilato") << "1.3.6.1.2.1.2.2.1.7.2" << "wrongValue";
    QTest::newRow("notWritable") << v2c("wrilato") << "1.3.6.1.2.1.2.2.1.7.3" << "notWritable";
    QTest::newRow("authorizationError") << v2c("wrilato") << "1.3.6.1.2.1.2.2.1.7.4" << "authorizationError";
    QTest::newRow("tooBig") << v2c("wrilato") << "1.3.6.1.2.1.2.2.1.7.5" << "tooBig";
    // SNMPv1 sees them as RFC 2576 maps them.
    QTest::newRow("v1 wrongValue") << v1("wrilato") << "1.3.6.1.2.1.2.2.1.7.2" << "badValue";
    QTest::newRow("v1 notWritable") << v1("wrilato") << "1.3.6.1.2.1.2.2.1.7.3" << "noSuchName";
}

void TestSimFaults::setFaults()
{
    QFETCH(QStringList, security);
    QFETCH(QString, oid);
    QFETCH(QString, reason);
    const ToolRun run = runSnmpTool("snmpset", snmpArgs(security, prefixes_.peer()) << oid << "i" << "2");
    QCOMPARE(run.reason(), reason);
    const ToolRun get = runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), prefixes_.peer()) << oid);
    QCOMPARE(snmpValues(get.out).value(oid), QString("1"));
}

void TestSimFaults::setRefusedHalfWayAppliesNothing()
{
    // The first varbind alone would be taken; the second is refused, so neither is applied.
    const QString first = "1.3.6.1.2.1.2.2.1.7.1";
    const QString second = "1.3.6.1.2.1.2.2.1.7.3";
    const ToolRun run = runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), prefixes_.peer())
                                                   << first << "i" << "2" << second << "i" << "2");
    QCOMPARE(run.reason(), QString("notWritable"));
    QVERIFY2(run.err.contains("Failed object: .1.3.6.1.2.1.2.2.1.7.3"), qPrintable(run.err));
    const ToolRun get = runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), prefixes_.peer()) << first);
    QCOMPARE(snmpValues(get.out).value(first), QString("1"));
}

QTEST_GUILESS_MAIN(TestSimFaults)
#include "test_sim_faults.moc"
