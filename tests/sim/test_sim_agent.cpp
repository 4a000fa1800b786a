// ksw-sim as an SNMP agent, driven by net-snmp's own tools: the three versions with the
// default communities and users, access control, users made and removed through the USM user
// table, the end of a walk, the command line and a clean stop on SIGINT and SIGTERM.

#include <QtTest>
#include <csignal>

#include "sim_process.h"
#include "snmp_tools.h"

namespace {

const QString kSysDescr = "1.3.6.1.2.1.1.1.0";
const QString kSysObjectId = "1.3.6.1.2.1.1.2.0";
const QString kSysName = "1.3.6.1.2.1.1.5.0";
const QString kPastLastObject = "1.3.6.1.6.3.99";  // after the SNMPv3 MIBs, the last ones served

// usmUserTable and vacmSecurityToGroupTable columns.
const QString kUserSecurityName = "1.3.6.1.6.3.15.1.2.2.1.3";
const QString kUserCloneFrom = "1.3.6.1.6.3.15.1.2.2.1.4";
const QString kUserStatus = "1.3.6.1.6.3.15.1.2.2.1.13";
const QString kGroupName = "1.3.6.1.6.3.16.1.2.1.3";
const QString kGroupStatus = "1.3.6.1.6.3.16.1.2.1.5";

QStringList adminPriv()
{
    return v3("admin", "authPriv", "SHA", "adminauth123", "DES", "adminpriv123");
}

// An OCTET STRING index part: its length, then its octets.
QString octetsIndex(const QByteArray& octets)
{
    QString index = QString::number(octets.size());
    for (char c : octets) index += "." + QString::number(static_cast<uchar>(c));
    return index;
}

}  // namespace

class TestSimAgent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void readsWithEveryVersion_data();
    void readsWithEveryVersion();
    void refusedAccess_data();
    void refusedAccess();
    void engineIdIsTheMibsOne();
    void userTableMakesAndRemovesUsers_data();
    void userTableMakesAndRemovesUsers();
    void walkEnd_data();
    void walkEnd();
    void badCommandLine_data();
    void badCommandLine();
    void helpNamesTheDefaults();
    void stopsCleanlyOnSignals();
    void busyPortRefused();
    void onlyTheGivenAddressIsOpen();

private:
    SimProcess defaults_;
    SimProcess users_;  // --user: AES and MD5 users instead of the defaults
};

void TestSimAgent::initTestCase()
{
    QVERIFY2(defaults_.start(), qPrintable(defaults_.error()));
    QVERIFY2(users_.start({"--user", "ops:SHA:opsauth1234:AES:opspriv1234", "--user",
                           "viewer:MD5:viewauth123:AES:viewpriv123:ro", "--model", "KSW-7110"}),
             qPrintable(users_.error()));
}

void TestSimAgent::readsWithEveryVersion_data()
{
    QTest::addColumn<bool>("customUsers");
    QTest::addColumn<QStringList>("security");
    QTest::addColumn<QString>("model");
    QTest::newRow("v1 read community") << false << v1("mirepo") << "KSW-7116";
    QTest::newRow("v2c read community") << false << v2c("mirepo") << "KSW-7116";
    QTest::newRow("v2c write community") << false << v2c("wrilato") << "KSW-7116";
    QTest::newRow("v3 admin SHA DES") << false << adminPriv() << "KSW-7116";
    QTest::newRow("v3 monitor MD5 no privacy") << false << v3("monitor", "authNoPriv", "MD5", "monitorauth1")
                                               << "KSW-7116";
    QTest::newRow("v3 SHA AES") << true << v3("ops", "authPriv", "SHA", "opsauth1234", "AES", "opspriv1234")
                                << "KSW-7110";
    QTest::newRow("v3 MD5 AES read-only") << true << v3("viewer", "authPriv", "MD5", "viewauth123", "AES", "viewpriv123")
                                          << "KSW-7110";
}

void TestSimAgent::readsWithEveryVersion()
{
    QFETCH(bool, customUsers);
    QFETCH(QStringList, security);
    QFETCH(QString, model);
    SimProcess& sim = customUsers ? users_ : defaults_;
    const ToolRun run = runSnmpTool("snmpget", snmpArgs(security, sim.peer()) << kSysDescr << kSysObjectId);
    QVERIFY2(run.ok(), qPrintable(run.err));
    const auto values = snmpValues(run.out);
    QCOMPARE(QString::fromLatin1(hexOctets(values.value(kSysDescr))), model + " Gigabit Ethernet Switch");
    QCOMPARE(values.value(kSysObjectId), QString(".1.3.6.1.4.1.58126.10.101.2"));
}

void TestSimAgent::refusedAccess_data()
{
    QTest::addColumn<bool>("customUsers");
    QTest::addColumn<QStringList>("security");
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("expected");  // an error status, "timeout" or a text of the tool
    QTest::newRow("unknown community") << false << v2c("public") << false << "timeout";
    QTest::newRow("wrong password") << false << v3("admin", "authPriv", "SHA", "wrongpass123", "DES", "adminpriv123")
                                    << false << "Authentication failure";
    QTest::newRow("unknown user") << false << v3("nobody", "authNoPriv", "SHA", "whatever12") << false << "Unknown user";
    QTest::newRow("admin without privacy") << false << v3("admin", "authNoPriv", "SHA", "adminauth123") << false
                                           << "authorizationError";
    QTest::newRow("v2c read community writes") << false << v2c("mirepo") << true << "noAccess";
    QTest::newRow("v1 read community writes") << false << v1("mirepo") << true << "noSuchName";
    QTest::newRow("v3 read-only user writes") << false << v3("monitor", "authNoPriv", "MD5", "monitorauth1") << true
                                              << "noAccess";
    QTest::newRow("v3 read-only AES user writes")
        << true << v3("viewer", "authPriv", "MD5", "viewauth123", "AES", "viewpriv123") << true << "noAccess";
    QTest::newRow("default user absent with --user") << true << adminPriv() << false << "Unknown user";
}

void TestSimAgent::refusedAccess()
{
    QFETCH(bool, customUsers);
    QFETCH(QStringList, security);
    QFETCH(bool, write);
    QFETCH(QString, expected);
    SimProcess& sim = customUsers ? users_ : defaults_;
    const ToolRun run = write ? runSnmpTool("snmpset", snmpArgs(security, sim.peer()) << kSysName << "s" << "intruder")
                              : runSnmpTool("snmpget", snmpArgs(security, sim.peer()) << kSysName);
    QVERIFY(!run.ok());
    if (expected == "timeout") QVERIFY2(run.timedOut(), qPrintable(run.err));
    else if (expected.front().isLower()) QCOMPARE(run.reason(), expected);
    else QVERIFY2(run.err.contains(expected), qPrintable(run.err));

    const ToolRun check = runSnmpTool("snmpget", snmpArgs(v2c("wrilato"), sim.peer()) << kSysName);
    QVERIFY(check.ok());
    QVERIFY(!QString::fromLatin1(hexOctets(snmpValues(check.out).value(kSysName))).contains("intruder"));
}

// The snmpEngineID the MIB shows (and the USM user table's index) is the engine the agent's
// SNMPv3 messages come from: a manager that is told that engine ID reaches the agent with it.
void TestSimAgent::engineIdIsTheMibsOne()
{
    const QString engineId = "1.3.6.1.6.3.10.2.1.1.0";
    const ToolRun read = runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), defaults_.peer()) << engineId);
    QVERIFY2(read.ok(), qPrintable(read.err));
    const QByteArray id = hexOctets(snmpValues(read.out).value(engineId));
    QCOMPARE(id.left(5).toHex(), QByteArray("8000e30e03"));
    QStringList security = v3("monitor", "authNoPriv", "MD5", "monitorauth1");
    security << "-e" << "0x" + id.toHex();
    const ToolRun v3read = runSnmpTool("snmpget", snmpArgs(security, defaults_.peer()) << kSysName);
    QVERIFY2(v3read.ok(), qPrintable(v3read.err));
}

void TestSimAgent::userTableMakesAndRemovesUsers_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("oneSet");          // createAndGo with the clone source, or createAndWait, clone, active
    QTest::addColumn<QStringList>("security");  // a clone has its source's keys, so its passwords
    QTest::newRow("admin's clone by createAndGo")
        << "admin" << "grpadmin" << true << v3("ops", "authPriv", "SHA", "adminauth123", "DES", "adminpriv123");
    QTest::newRow("monitor's clone by createAndWait") << "monitor" << "grpmonitor" << false
                                                      << v3("ops", "authNoPriv", "MD5", "monitorauth1");
}

// A user made in the SNMPv3 user table is one the agent then accepts, and a destroyed one is
// refused: the table is the agent's own, not a copy.
void TestSimAgent::userTableMakesAndRemovesUsers()
{
    QFETCH(QString, source);
    QFETCH(QString, group);
    QFETCH(bool, oneSet);
    QFETCH(QStringList, security);
    const QString engineIdOid = "1.3.6.1.6.3.10.2.1.1.0";
    const ToolRun read = runSnmpTool("snmpget", snmpArgs(v2c("mirepo"), defaults_.peer()) << engineIdOid);
    QVERIFY2(read.ok(), qPrintable(read.err));
    const QString engine = octetsIndex(hexOctets(snmpValues(read.out).value(engineIdOid)));
    const QString user = engine + "." + octetsIndex("ops");
    const QString member = "3." + octetsIndex("ops");  // security model USM
    auto set = [&](const QStringList& varbinds) {
        const ToolRun run = runSnmpTool("snmpset", snmpArgs(v2c("wrilato"), defaults_.peer()) + varbinds);
        if (!run.ok()) qWarning() << run.err;
        return run.ok();
    };
    auto getAsUser = [&] { return runSnmpTool("snmpget", snmpArgs(security, defaults_.peer()) << kSysName); };

    QVERIFY(getAsUser().err.contains("Unknown user"));
    const QString cloneFrom = kUserSecurityName + "." + engine + "." + octetsIndex(source.toLatin1());
    if (oneSet) {
        QVERIFY(set({kUserStatus + "." + user, "i", "4", kUserCloneFrom + "." + user, "o", cloneFrom}));
    } else {
        QVERIFY(set({kUserStatus + "." + user, "i", "5"}));
        QVERIFY(set({kUserCloneFrom + "." + user, "o", cloneFrom}));
        QVERIFY(set({kUserStatus + "." + user, "i", "1"}));
    }
    QVERIFY(set({kGroupName + "." + member, "s", group, kGroupStatus + "." + member, "i", "4"}));
    const ToolRun accepted = getAsUser();
    QVERIFY2(accepted.ok(), qPrintable(accepted.err));
    QCOMPARE(hexOctets(snmpValues(accepted.out).value(kSysName)), QByteArray("KSW-7116"));
    const ToolRun users = runSnmpTool("snmpwalk", snmpArgs(v2c("mirepo"), defaults_.peer()) << kUserStatus);
    QCOMPARE(snmpValues(users.out).keys(),
             (QStringList{kUserStatus + "." + user, kUserStatus + "." + engine + "." + octetsIndex("admin"),
                          kUserStatus + "." + engine + "." + octetsIndex("monitor")}));

    QVERIFY(set({kUserStatus + "." + user, "i", "6"}));
    const ToolRun refused = getAsUser();
    QVERIFY2(refused.err.contains("Unknown user"), qPrintable(refused.out + refused.err));
    QVERIFY(set({kGroupStatus + "." + member, "i", "6"}));
}

void TestSimAgent::walkEnd_data()
{
    QTest::addColumn<QStringList>("security");
    QTest::addColumn<bool>("noSuchName");
    QTest::newRow("v1") << v1("mirepo") << true;
    QTest::newRow("v2c") << v2c("mirepo") << false;
    QTest::newRow("v3") << adminPriv() << false;
}

void TestSimAgent::walkEnd()
{
    QFETCH(QStringList, security);
    QFETCH(bool, noSuchName);
    const ToolRun run = runSnmpTool("snmpgetnext", snmpArgs(security, defaults_.peer()) << kPastLastObject);
    if (noSuchName) {
        QCOMPARE(run.reason(), QString("noSuchName"));
    } else {
        QVERIFY2(run.out.contains("No more variables left in this MIB View"), qPrintable(run.out + run.err));
        QCOMPARE(run.reason(), QString());
    }
    // A whole walk ends cleanly with both.
    const ToolRun walk = runSnmpTool("snmpwalk", snmpArgs(security, defaults_.peer()) << "1.3.6.1.2.1.1");
    QVERIFY2(walk.ok(), qPrintable(walk.err));
    QCOMPARE(snmpValues(walk.out).size(), 7);
}

void TestSimAgent::badCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown option") << QStringList{"--colour"} << "unknown option --colour";
    QTest::newRow("missing value") << QStringList{"--seed"} << "--seed needs a value";
    QTest::newRow("listen without port") << QStringList{"--listen", "127.0.0.1"} << "--listen";
    QTest::newRow("listen on a name") << QStringList{"--listen", "localhost:161"} << "not an IPv4 address";
    QTest::newRow("port above 65535") << QStringList{"--listen", "127.0.0.1:70000"} << "bad port";
    QTest::newRow("unknown model") << QStringList{"--model", "KSW-7124"} << "KSW-7116 or KSW-7110";
    QTest::newRow("short password") << QStringList{"--user", "u:SHA:short:none"} << "at least 8 characters";
    QTest::newRow("unknown privacy") << QStringList{"--user", "u:SHA:longenough:3DES:longenough"} << "PRIV";
    QTest::newRow("user twice") << QStringList{"--user", "u:MD5:longenough:none", "--user", "u:SHA:longenough:none"}
                                << "given twice";
    QTest::newRow("drop above 100") << QStringList{"--drop", "101"} << "0 to 100";
    QTest::newRow("fault kind") << QStringList{"--fault", "1.3.6=slow"} << "unknown fault kind";
    QTest::newRow("fdb entries") << QStringList{"--fdb-entries", "-1"} << "0 to 100000";
    QTest::newRow("community quote") << QStringList{"--read-community", "a\"b"} << "--read-community";
    QTest::newRow("unknown rule") << QStringList{"--rule", "vlan=off"} << "unknown rule \"vlan\"";
    QTest::newRow("rule without state") << QStringList{"--rule", "link-settle"} << "NAME=off or NAME=on";
}

void TestSimAgent::badCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const SimRun run = SimProcess::runToEnd(arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestSimAgent::helpNamesTheDefaults()
{
    const SimRun run = SimProcess::runToEnd({"--help"});
    QCOMPARE(run.exitCode, 0);
    for (const char* text : {"127.0.0.1:1161", "KSW-7116", "\"mirepo\"", "\"wrilato\"", "adminauth123", "adminpriv123",
                             "monitorauth1", "--state", "--log", "--seed", "--fdb-entries", "(default 50)", "--drop",
                             "--delay", "--too-big", "--fault", "genErr", "noSuchName", "wrongType", "short",
                             "--clock-rate", "SIGTERM", "--rule NAME=off|on", "vlan-membership",
                             "port-counter-clear", "link-settle"})
        QVERIFY2(run.out.contains(text), text);
}

void TestSimAgent::stopsCleanlyOnSignals()
{
    for (int signal : {SIGTERM, SIGINT}) {
        QTemporaryDir dir;
        const QString log = dir.path() + "/log";
        QProcess process;
        process.start(SimProcess::program(), {"--listen", "127.0.0.1:0", "--log", log});
        QVERIFY(process.waitForReadyRead(20000));
        QVERIFY(process.readLine().startsWith("ksw-sim listening on udp:127.0.0.1:"));
        ::kill(static_cast<pid_t>(process.processId()), signal);
        QVERIFY(process.waitForFinished(15000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().trimmed().endsWith(" stop"));  // the log is flushed to the end
    }
}

void TestSimAgent::busyPortRefused()
{
    const SimRun run = SimProcess::runToEnd({"--listen", QString("127.0.0.1:%1").arg(defaults_.port())});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("cannot listen on udp:127.0.0.1:"), qPrintable(run.err));
}

void TestSimAgent::onlyTheGivenAddressIsOpen()
{
    // One socket: the UDP address given, no SMUX or AgentX port besides.
    const QDir fds(QString("/proc/%1/fd").arg(defaults_.processId()));
    int sockets = 0;
    for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot))
        sockets += fd.symLinkTarget().contains("socket:[");
    QCOMPARE(sockets, 1);
}

QTEST_GUILESS_MAIN(TestSimAgent)
#include "test_sim_agent.moc"
