// The fault options, observed through net-snmp's tools: dropped requests (deterministic under
// --seed), delayed answers, tooBig above N varbinds, and genErr, noSuchName, a wrong SMI type
// or a short octet string under an OID prefix.

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
                              "1.3.6.1.2.1.1.3=genErr"}),
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
}

void TestSimFaults::prefixFaults()
{
    QFETCH(QString, oid);
    QFETCH(QString, expected);
    const ToolRun run = runSnmpTool("snmpget", QStringList{"-On", "-Ox", "-t", "1", "-r", "0"} + v2c("mirepo")
                                                   << prefixes_.peer() << oid);
    if (expected.startsWith("octets ")) {
        QVERIFY2(run.ok(), qPrintable(run.err));
        const QString value = run.out.section(" = Hex-STRING: ", 1);
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

QTEST_GUILESS_MAIN(TestSimFaults)
#include "test_sim_faults.moc"
