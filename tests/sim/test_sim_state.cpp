// --state: writes survive a restart, a corrupt file stops ksw-sim with its line number, and a
// state file that cannot be written fails the set instead of losing it silently.

#include <QtTest>

#include "sim_process.h"
#include "snmp_tools.h"

namespace {

const QString kSysName = "1.3.6.1.2.1.1.5.0";
const QString kVlan = "1.3.6.1.2.1.17.7.1.4.3.1";

QString vlan(int column, int id)
{
    return QString("%1.%2.%3").arg(kVlan).arg(column).arg(id);
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestSimState : public QObject {
    Q_OBJECT

private slots:
    void keptAcrossRestarts();
    void corruptFileRefused_data();
    void corruptFileRefused();
    void unwritableFileFailsTheSet();
};

void TestSimState::keptAcrossRestarts()
{
    QTemporaryDir dir;
    const QString state = dir.path() + "/switch.state";
    {
        SimProcess sim;
        QVERIFY2(sim.start({"--state", state}), qPrintable(sim.error()));
        QVERIFY(!QFile::exists(state));  // nothing written before the first set
        const ToolRun set = runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), sim.peer())
                                                       << kSysName << "s" << "core-1" << vlan(5, 30) << "i" << "4"
                                                       << vlan(1, 30) << "s" << "voice" << vlan(2, 30) << "x" << "00030000");
        QVERIFY2(set.ok(), qPrintable(set.err));
        QVERIFY(QFile::exists(state));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"switch.state"});
        QVERIFY(sim.stop());
    }
    {
        SimProcess sim;
        QVERIFY2(sim.start({"--state", state}), qPrintable(sim.error()));
        const ToolRun get = runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), sim.peer())
                                                       << kSysName << vlan(1, 30) << vlan(2, 30) << vlan(5, 30));
        QVERIFY2(get.ok(), qPrintable(get.err));
        const auto values = snmpValues(get.out);
        QCOMPARE(hexOctets(values.value(kSysName)), QByteArray("core-1"));
        QCOMPARE(hexOctets(values.value(vlan(1, 30))), QByteArray("voice"));
        QCOMPARE(hexOctets(values.value(vlan(2, 30))), QByteArray::fromHex("00030000"));
        QCOMPARE(values.value(vlan(5, 30)), QString("1"));
        // A destroyed row stays destroyed.
        QVERIFY(runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), sim.peer()) << vlan(5, 30) << "i" << "6").ok());
        QVERIFY(sim.stop());
    }
    SimProcess sim;
    QVERIFY2(sim.start({"--state", state}), qPrintable(sim.error()));
    const ToolRun get = runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), sim.peer()) << vlan(5, 30) << kSysName);
    QVERIFY(get.out.contains("No Such Instance"));
    QCOMPARE(hexOctets(snmpValues(get.out).value(kSysName)), QByteArray("core-1"));
}

void TestSimState::corruptFileRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("extraArguments");
    QTest::addColumn<QString>("message");
    const QByteArray head = "ksw-sim-state 1\nmodel KSW-7116\ntable 1.3.6.1.2.1.17.7.1.4.3.1\n";
    QTest::newRow("not a state file") << QByteArray("<xml/>\n") << QStringList{} << "line 1: not a ksw-sim state file";
    QTest::newRow("torn last line") << head + "1.3.6.1.2.1.1.5.0 STRING:\"core" << QStringList{} << "line 4:";
    QTest::newRow("value of the wrong type") << head + "\n1.3.6.1.2.1.1.5.0 INTEGER:1\n" << QStringList{} << "line 5:";
    QTest::newRow("row without its status") << head + "1.3.6.1.2.1.17.7.1.4.3.1.1.9 STRING:\"x\"\n" << QStringList{}
                                            << "line 4: no row 9";
    QTest::newRow("other model") << head << QStringList{"--model", "KSW-7110"} << "line 2: written for model KSW-7116";
}

void TestSimState::corruptFileRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, extraArguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString state = dir.path() + "/state";
    writeFile(state, content);
    const SimRun run = SimProcess::runToEnd(QStringList{"--listen", "127.0.0.1:0", "--state", state} + extraArguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("cannot load the state file " + state + ": " + message), qPrintable(run.err));
    QVERIFY(!run.out.contains("listening"));
    QCOMPARE(readFile(state), content);  // left as it was, for the admin to mend
}

void TestSimState::unwritableFileFailsTheSet()
{
    QTemporaryDir dir;
    SimProcess sim;
    QVERIFY2(sim.start({"--state", dir.path() + "/missing-folder/state"}), qPrintable(sim.error()));
    const ToolRun set = runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), sim.peer()) << kSysName << "s" << "lost");
    QCOMPARE(set.reason(), QString("commitFailed"));
    const ToolRun get = runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), sim.peer()) << kSysName);
    QCOMPARE(hexOctets(snmpValues(get.out).value(kSysName)), QByteArray("KSW-7116"));  // undone
    QVERIFY(sim.stop());
    QVERIFY2(sim.standardError().contains("cannot save the state file"), qPrintable(sim.standardError()));
}

QTEST_GUILESS_MAIN(TestSimState)
#include "test_sim_state.moc"
