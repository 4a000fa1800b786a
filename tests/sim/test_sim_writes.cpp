// Writes to ksw-sim through snmpset, snmpwalk and snmptable: a VLAN's life through its
// RowStatus, the error statuses of RFC 3416 (v2c) and RFC 1157 (v1), all-or-nothing sets
// within and across subtrees, and the log lines of a set.

#include <QRegularExpression>
#include <QtTest>

#include "sim_process.h"
#include "snmp_tools.h"

namespace {

const QString kVlan = "1.3.6.1.2.1.17.7.1.4.3.1";
const QString kSysName = "1.3.6.1.2.1.1.5.0";
const QString kSysLocation = "1.3.6.1.2.1.1.6.0";
const QString kRmonState = "1.3.6.1.4.1.58126.11.101.2.2.1.2.4.0";

QString vlan(int column, int id)
{
    return QString("%1.%2.%3").arg(kVlan).arg(column).arg(id);
}

QStringList mibArgs()
{
    return {"-M", qEnvironmentVariable("KSW_SOURCE_DIR") + "/tests/sim/mibs", "-m", "KSW-SIM-TEST-MIB"};
}

QString failedObject(const ToolRun& run)
{
    static const QRegularExpression re(R"(Failed object: \.?([\d.]+))");
    const auto match = re.match(run.err);
    return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

class TestSimWrites : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void vlanCreateWalkDestroy();
    void createAndWaitThenActivate();
    void setErrors_data();
    void setErrors();
    void setIsAllOrNothing_data();
    void setIsAllOrNothing();
    void logShowsTheExactSet();

private:
    ToolRun set(const QStringList& security, const QStringList& varbinds)
    {
        return runSnmpTool("snmpset", snmpArgs(security, sim_.peer()) + varbinds);
    }
    QMap<QString, QString> walk(const QString& root)
    {
        const ToolRun run = runSnmpTool("snmpwalk", snmpArgs(v2c("wrilato"), sim_.peer()) << root);
        return snmpValues(run.out);
    }
    // Everything a failed set could have touched.
    QMap<QString, QString> writableSnapshot()
    {
        QMap<QString, QString> all = walk("1.3.6.1.2.1.1");
        all.remove("1.3.6.1.2.1.1.3.0");  // sysUpTime runs
        all.insert(walk(kVlan));
        all.insert(walk("1.3.6.1.2.1.2.2.1.7"));
        all.insert(walk("1.3.6.1.4.1.58126.11.101.2.2.1.2"));
        return all;
    }

    QTemporaryDir dir_;
    SimProcess sim_;
};

void TestSimWrites::initTestCase()
{
    QVERIFY2(sim_.start({"--log", dir_.path() + "/log"}), qPrintable(sim_.error()));
}

void TestSimWrites::vlanCreateWalkDestroy()
{
    const ToolRun create = set(v2c("wrilato"), {vlan(5, 10), "i", "4", vlan(1, 10), "s", "lab", vlan(2, 10), "x",
                                                "C0000000", vlan(4, 10), "x", "40000000"});
    QVERIFY2(create.ok(), qPrintable(create.err));

    const ToolRun table = runSnmpTool(
        "snmptable", mibArgs() + QStringList{"-v2c", "-c", "mirepo", "-Ci", "-Cf", ",", "-CH", "-Ox", "-t", "1", "-r", "0",
                                             sim_.peer(), "KSW-SIM-TEST-MIB::kswVlanStaticTable"});
    QVERIFY2(table.finished && table.exitCode == 0, qPrintable(table.err));
    const QStringList rows = table.out.trimmed().split('\n');
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0], QString(R"(1,"64 65 66 61 75 6C 74 ","FF FF 00 00 ","00 00 00 00 ","FF FF 00 00 ",1)"));
    QCOMPARE(rows[1], QString(R"(10,"6C 61 62 ","C0 00 00 00 ","00 00 00 00 ","40 00 00 00 ",1)"));

    const auto names = walk(kVlan + ".1");
    QCOMPARE(names.keys(), (QList<QString>{vlan(1, 1), vlan(1, 10)}));

    const ToolRun destroy = set(v2c("wrilato"), {vlan(5, 10), "i", "6"});
    QVERIFY2(destroy.ok(), qPrintable(destroy.err));
    const auto after = walk(kVlan);
    QCOMPARE(after.size(), 5);  // VLAN 1's five columns
    for (const QString& oid : after.keys()) QVERIFY(oid.endsWith(".1"));
}

void TestSimWrites::createAndWaitThenActivate()
{
    QVERIFY(set(v2c("wrilato"), {vlan(5, 20), "i", "5"}).ok());
    QCOMPARE(walk(vlan(5, 20)).value(vlan(5, 20)), QString("2"));  // notInService
    QVERIFY(set(v2c("wrilato"), {vlan(1, 20), "s", "twenty"}).ok());
    QVERIFY(set(v2c("wrilato"), {vlan(5, 20), "i", "1"}).ok());
    QCOMPARE(walk(vlan(5, 20)).value(vlan(5, 20)), QString("1"));
    QCOMPARE(set(v2c("wrilato"), {vlan(5, 20), "i", "3"}).reason(), QString("wrongValue"));  // notReady
    QVERIFY(set(v2c("wrilato"), {vlan(5, 20), "i", "6"}).ok());
}

void TestSimWrites::setErrors_data()
{
    QTest::addColumn<QStringList>("security");
    QTest::addColumn<QStringList>("varbind");
    QTest::addColumn<QString>("expected");
    const QStringList two = v2c("wrilato");
    const QStringList one = v1("wrilato");
    QTest::newRow("v2c wrongType") << two << QStringList{kSysName, "i", "5"} << "wrongType";
    QTest::newRow("v2c wrongType of a port list") << two << QStringList{vlan(2, 1), "i", "1"} << "wrongType";
    QTest::newRow("v2c wrongLength port list") << two << QStringList{vlan(2, 1), "x", "FFFF0000FF"} << "wrongLength";
    QTest::newRow("v2c wrongLength name") << two << QStringList{vlan(1, 1), "s", QString(33, 'n')} << "wrongLength";
    QTest::newRow("v2c wrongValue enumeration") << two << QStringList{"1.3.6.1.2.1.2.2.1.7.1", "i", "7"} << "wrongValue";
    QTest::newRow("v2c wrongValue missing port") << two << QStringList{vlan(2, 1), "x", "FFFF8000"} << "wrongValue";
    QTest::newRow("v2c notWritable read-only") << two << QStringList{"1.3.6.1.2.1.1.1.0", "s", "x"} << "notWritable";
    QTest::newRow("v2c notWritable unknown") << two << QStringList{"1.3.6.1.2.1.1.99.0", "i", "1"} << "notWritable";
    QTest::newRow("v2c noCreation missing row") << two << QStringList{vlan(1, 300), "s", "x"} << "noCreation";
    QTest::newRow("v2c noCreation scalar instance") << two << QStringList{"1.3.6.1.2.1.1.5.1", "s", "x"} << "noCreation";
    QTest::newRow("v2c noCreation fixed table") << two << QStringList{"1.3.6.1.2.1.2.2.1.7.99", "i", "2"} << "noCreation";
    QTest::newRow("v2c inconsistentValue createAndGo existing") << two << QStringList{vlan(5, 1), "i", "4"}
                                                                << "inconsistentValue";
    QTest::newRow("v2c inconsistentValue active missing") << two << QStringList{vlan(5, 300), "i", "1"}
                                                          << "inconsistentValue";
    QTest::newRow("v2c inconsistentValue destroy default VLAN") << two << QStringList{vlan(5, 1), "i", "6"}
                                                                << "inconsistentValue";
    QTest::newRow("v1 read-only is noSuchName") << one << QStringList{"1.3.6.1.2.1.1.1.0", "s", "x"} << "noSuchName";
    QTest::newRow("v1 wrongType is badValue") << one << QStringList{kSysName, "i", "5"} << "badValue";
    QTest::newRow("v1 noCreation is noSuchName") << one << QStringList{vlan(1, 300), "s", "x"} << "noSuchName";
    QTest::newRow("v1 inconsistentValue is badValue") << one << QStringList{vlan(5, 1), "i", "4"} << "badValue";
}

void TestSimWrites::setErrors()
{
    QFETCH(QStringList, security);
    QFETCH(QStringList, varbind);
    QFETCH(QString, expected);
    const auto before = writableSnapshot();
    const ToolRun run = set(security, varbind);
    QCOMPARE(run.reason(), expected);
    QCOMPARE(failedObject(run), varbind.first());
    QCOMPARE(writableSnapshot(), before);
}

void TestSimWrites::setIsAllOrNothing_data()
{
    QTest::addColumn<QStringList>("varbinds");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("failing");
    QTest::newRow("bad value last") << QStringList{kSysName, "s", "half", "1.3.6.1.2.1.2.2.1.7.3", "i", "2",
                                                   "1.3.6.1.2.1.2.2.1.7.1", "i", "9"}
                                    << "wrongValue" << "1.3.6.1.2.1.2.2.1.7.1";
    QTest::newRow("across subtrees") << QStringList{vlan(5, 60), "i", "4", kRmonState, "i", "9"} << "wrongValue"
                                     << kRmonState;
    QTest::newRow("row check after value checks") << QStringList{kSysLocation, "s", "lab", vlan(1, 61), "s", "x"}
                                                  << "noCreation" << vlan(1, 61);
    QTest::newRow("write community's set, then a read-only object")
        << QStringList{kRmonState, "i", "2", "1.3.6.1.2.1.1.3.0", "t", "5"} << "notWritable" << "1.3.6.1.2.1.1.3.0";
}

void TestSimWrites::setIsAllOrNothing()
{
    QFETCH(QStringList, varbinds);
    QFETCH(QString, expected);
    QFETCH(QString, failing);
    const auto before = writableSnapshot();
    const ToolRun run = set(v2c("wrilato"), varbinds);
    QCOMPARE(run.reason(), expected);
    QCOMPARE(failedObject(run), failing);
    QCOMPARE(writableSnapshot(), before);
}

void TestSimWrites::logShowsTheExactSet()
{
    QVERIFY(set(v2c("wrilato"), {"1.3.6.1.2.1.1.4.0", "s", "ops \"team\"", vlan(2, 1), "x", "FFFF0000"}).ok());
    QCOMPARE(set(v2c("wrilato"), {kSysLocation, "s", "x", kRmonState, "s", "on"}).reason(), QString("wrongType"));

    QFile file(dir_.path() + "/log");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    auto find = [&](const QString& text) -> QString {
        for (const QString& line : lines)
            if (line.contains(text)) return line;
        return {};
    };
    static const QRegularExpression stamp(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z )");
    const QString request = find(R"(1.3.6.1.2.1.1.4.0=STRING:"ops \"team\"")");
    QVERIFY2(!request.isEmpty(), qPrintable(lines.join('\n')));
    QVERIFY(stamp.match(request).hasMatch());
    static const QRegularExpression recv(R"(recv v2c community=wrilato SET reqid=(\d+) (.*)$)");
    const auto m = recv.match(request);
    QVERIFY(m.hasMatch());
    QCOMPARE(m.captured(2), QString(R"(1.3.6.1.2.1.1.4.0=STRING:"ops \"team\"" )") + vlan(2, 1) + "=HEX:ffff0000");
    const QString response = find("send v2c community=wrilato RESPONSE reqid=" + m.captured(1) + " ");
    QVERIFY(response.contains(" error=noError(0) index=0 "));

    const QString failed = find(R"(1.3.6.1.4.1.58126.11.101.2.2.1.2.4.0=STRING:"on")");
    const auto f = recv.match(failed);
    QVERIFY(f.hasMatch());
    const QString failedResponse = find("RESPONSE reqid=" + f.captured(1) + " ");
    QVERIFY2(failedResponse.contains(" error=wrongType(7) index=2 "), qPrintable(failedResponse));
}

QTEST_GUILESS_MAIN(TestSimWrites)
#include "test_sim_writes.moc"
