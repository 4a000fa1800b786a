// Session start-up (boot counter, local engine, default profile) and targets built from a
// profile. No agent needed.

#include <QtTest>

#include "snmp/errors.h"
#include "snmp/netsnmp_library.h"
#include "snmp/netsnmp_status.h"
#include "snmp/session.h"
#include "snmp/agent_address.h"

namespace {

const QByteArray kEngineHex = QByteArray("QxSNMP_PP_Application").toHex();

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// The code and message CreateSession raises, or 0 when it succeeds.
std::pair<int, QString> CreateSessionOutcome(const QString& directory)
{
    try {
        CreateSession(directory);
        return {0, QString()};
    } catch (const AppException& error) {
        return {error.code(), error.message()};
    }
}

}  // namespace

class TestSessionSetup : public QObject {
    Q_OBJECT

private slots:
    void bootCounterPath_data();
    void bootCounterPath();
    void bootCounterCreatedThenIncremented();
    void otherEnginesKeepTheirCounters();
    void badBootCounterFile_data();
    void badBootCounterFile();
    void unwritableBootCounterLocation();
    void defaultProfileReset();
    void invalidAgentAddress_data();
    void invalidAgentAddress();
    void transportAddress_data();
    void transportAddress();
    void targetCarriesCommunitiesOrUser();
    void hostNameLookedUpOnceUntilResolvedAgain();
    void agentRefusalsHaveTheirOwnMessages_data();
    void agentRefusalsHaveTheirOwnMessages();
};

void TestSessionSetup::bootCounterPath_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("path");
    QTest::newRow("working directory") << "" << "QxSNMP_PP_BootCounter";
    QTest::newRow("with separator") << "/var/lib/ksw/" << "/var/lib/ksw/QxSNMP_PP_BootCounter";
    QTest::newRow("without separator") << "/var/lib/ksw" << "/var/lib/ksw/QxSNMP_PP_BootCounter";
}

void TestSessionSetup::bootCounterPath()
{
    QFETCH(QString, directory);
    QFETCH(QString, path);
    QCOMPARE(BootCounterPath(directory), path);
}

void TestSessionSetup::bootCounterCreatedThenIncremented()
{
    QTemporaryDir dir;
    const QString path = BootCounterPath(dir.path());
    QVERIFY(!QFile::exists(path));

    QCOMPARE(CreateSessionOutcome(dir.path()).first, 0);
    QCOMPARE(ReadFile(path), kEngineHex + " 1\n");
    QCOMPARE(NetSnmpLibrary::LocalEngineId(), QByteArray("QxSNMP_PP_Application"));
    QCOMPARE(NetSnmpLibrary::LocalEngineBoots(), 1u);
    QVERIFY(SessionExists());
    QVERIFY(SnmpEventProcessor::Instance().IsRunning());

    QCOMPARE(CreateSessionOutcome(dir.path() + u'/').first, 0);
    QCOMPARE(ReadFile(path), kEngineHex + " 2\n");
    QCOMPARE(NetSnmpLibrary::LocalEngineBoots(), 2u);
}

void TestSessionSetup::otherEnginesKeepTheirCounters()
{
    QTemporaryDir dir;
    const QString path = BootCounterPath(dir.path());
    WriteFile(path, "8000000001 17\n\n" + kEngineHex + " 41\n0102030405 3\n");
    QCOMPARE(CreateSessionOutcome(dir.path()).first, 0);
    QCOMPARE(ReadFile(path), "8000000001 17\n" + kEngineHex + " 42\n0102030405 3\n");
    QCOMPARE(NetSnmpLibrary::LocalEngineBoots(), 42u);
}

void TestSessionSetup::badBootCounterFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not two fields") << QByteArray("garbage\n");
    QTest::newRow("odd hex digits") << kEngineHex + "0 5\n";
    QTest::newRow("counter not a number") << kEngineHex + " five\n";
    QTest::newRow("negative counter") << kEngineHex + " -5\n";
    QTest::newRow("counter beyond snmpEngineBoots") << kEngineHex + " 2147483648\n";
    QTest::newRow("engine listed twice") << kEngineHex + " 1\n" + kEngineHex + " 2\n";
    QTest::newRow("engine ID too long") << QByteArray(33, 'a').toHex() + " 1\n";
}

void TestSessionSetup::badBootCounterFile()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = BootCounterPath(dir.path());
    WriteFile(path, content);
    const auto [code, message] = CreateSessionOutcome(dir.path());
    QCOMPARE(code, -507);
    QCOMPARE(message, QStringLiteral("Error when loading SNMP engine boots counter!"));
    QCOMPARE(ReadFile(path), content);  // a file we cannot read is left as it is
}

void TestSessionSetup::unwritableBootCounterLocation()
{
    QTemporaryDir dir;
    // A directory below a plain file cannot exist, whoever runs the test.
    const QString plainFile = dir.filePath(QStringLiteral("plain"));
    WriteFile(plainFile, "x");
    const auto [code, message] = CreateSessionOutcome(plainFile + QStringLiteral("/sub"));
    QCOMPARE(code, -508);
    QCOMPARE(message, QStringLiteral("Error when saving SNMP engine boots counter!"));

    // A directory where the file should be is not a counter file either.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("QxSNMP_PP_BootCounter")));
    QCOMPARE(CreateSessionOutcome(dir.path()).first, -507);
}

void TestSessionSetup::defaultProfileReset()
{
    QTemporaryDir dir;
    QxSNMPProfile& profile = DefaultProfile();
    profile.Device = {QStringLiteral("10.1.2.3"), 1161};
    profile.Scope = {QStringLiteral("8000000001"), QStringLiteral("ctx")};
    profile.Security.Version = 3;
    profile.Security.ReadCommunity = QStringLiteral("x");
    profile.Security.SecurityName = QStringLiteral("admin");
    profile.Security.SecurityLevel = 3;
    profile.Security.AuthProtocol = 3;
    profile.Timeout = 300;
    QCOMPARE(CreateSessionOutcome(dir.path()).first, 0);

    const QxSNMPProfile& reset = DefaultProfile();
    QCOMPARE(reset.Device.Address, QStringLiteral("127.0.0.1"));
    QCOMPARE(reset.Device.Port, quint16(161));
    QVERIFY(reset.Scope.ContextEngineId.isEmpty() && reset.Scope.ContextName.isEmpty());
    QCOMPARE(reset.Security.Version, quint8(0));
    QCOMPARE(reset.Security.ReadCommunity, QStringLiteral("mirepo"));
    QCOMPARE(reset.Security.WriteCommunity, QStringLiteral("wrilato"));
    QCOMPARE(reset.Security.SecurityModel, 1);
    QCOMPARE(reset.Security.SecurityLevel, 1);
    QVERIFY(reset.Security.SecurityName.isEmpty());
    QVERIFY(reset.Security.AuthPassword.isEmpty() && reset.Security.PrivPassword.isEmpty());
    QCOMPARE(reset.Security.AuthProtocol, 1);
    QCOMPARE(reset.Security.PrivProtocol, 1);
    QCOMPARE(reset.Timeout, 100);
}

void TestSessionSetup::invalidAgentAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("port");
    QTest::newRow("octet above 255") << "999.1.1.1" << 161;
    QTest::newRow("three octets") << "10.1.2" << 161;
    QTest::newRow("empty") << "" << 161;
    QTest::newRow("not a name") << "bad host!" << 161;
    QTest::newRow("broken IPv6") << "fe80:::1" << 161;
    QTest::newRow("port 0") << "127.0.0.1" << 0;
}

void TestSessionSetup::invalidAgentAddress()
{
    QFETCH(QString, address);
    QFETCH(int, port);
    QxSNMPProfile profile;
    profile.Device = {address, static_cast<quint16>(port)};
    try {
        BuildTarget(profile, 100, 1);
        QFAIL("no error raised");
    } catch (const AppException& error) {
        QCOMPARE(error.code(), -509);
        QCOMPARE(error.message(), QStringLiteral("Invalid IP Address or DNS name!"));
    }
}

void TestSessionSetup::transportAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("transport");
    QTest::newRow("dotted") << "192.0.2.7" << "udp:192.0.2.7:1161";
    QTest::newRow("blanks around") << " 192.0.2.7 " << "udp:192.0.2.7:1161";
    QTest::newRow("leading zeros are decimal") << "010.001.000.009" << "udp:10.1.0.9:1161";
    QTest::newRow("IPv6") << "2001:db8::7" << "udp6:[2001:db8::7]:1161";
    QTest::newRow("IPv6 in brackets") << "[::1]" << "udp6:[::1]:1161";
    QTest::newRow("host name") << "localhost" << "udp:127.0.0.1:1161";
}

void TestSessionSetup::transportAddress()
{
    QFETCH(QString, address);
    QFETCH(QString, transport);
    QCOMPARE(TransportAddress(address, 1161), transport);
}

void TestSessionSetup::targetCarriesCommunitiesOrUser()
{
    QxSNMPProfile profile;
    profile.Security.Version = 1;
    profile.Security.SecurityName = QStringLiteral("ignored");
    QxTarget target = BuildTarget(profile, 250, 1);
    QCOMPARE(target.Version, quint8(1));
    QCOMPARE(target.Timeout, 250);
    QCOMPARE(target.Retries, 1);
    QCOMPARE(target.ReadCommunity, QStringLiteral("mirepo"));
    QCOMPARE(target.WriteCommunity, QStringLiteral("wrilato"));
    QVERIFY(target.SecurityName.isEmpty());

    profile.Security.Version = 3;
    profile.Security.SecurityModel = 3;
    profile.Security.SecurityName = QStringLiteral("admin");
    target = BuildTarget(profile, 100, 1);
    QCOMPARE(target.SecurityName, QStringLiteral("admin"));
    QCOMPARE(target.SecurityModel, 3);
    QVERIFY(target.ReadCommunity.isEmpty() && target.WriteCommunity.isEmpty());

    QxPdu pdu;
    profile.Security.SecurityLevel = 3;
    profile.Scope = {QStringLiteral("800007e580"), QStringLiteral("bridge")};
    SetPduSecurity(pdu, profile);
    QCOMPARE(pdu.SecurityLevel, 3);
    QCOMPARE(pdu.ContextName, QStringLiteral("bridge"));
    QCOMPARE(pdu.ContextEngineId, QStringLiteral("800007e580"));
}

// A lookup blocks the GUI thread for the resolver's time-out when the name server is down: every
// target built for a name uses the one outcome, a failure too, until the agent is resolved again.
void TestSessionSetup::hostNameLookedUpOnceUntilResolvedAgain()
{
    QStringList lookups;
    bool nameServerUp = false;
    const HostResolver saved = SetHostResolver([&](const QString& name) {
        lookups << name;
        return nameServerUp && name == QLatin1String("switch.test") ? QStringLiteral("127.0.0.1") : QString();
    });
    const auto outcome = [](const QString& address) {
        QxSNMPProfile profile;
        profile.Device = {address, 1161};
        try {
            return BuildTarget(profile, 100, 1).TransportAddress;
        } catch (const AppException& error) {
            return QString::number(error.code());
        }
    };

    ResolveAgentAddress(QStringLiteral("switch.test"));
    for (int exchange = 0; exchange < 3; ++exchange)
        QCOMPARE(outcome(QStringLiteral("switch.test")), QStringLiteral("-509"));
    QCOMPARE(lookups, QStringList{"switch.test"});

    nameServerUp = true;
    QCOMPARE(outcome(QStringLiteral("Switch.Test")), QStringLiteral("-509"));  // names are not case-sensitive
    ResolveAgentAddress(QStringLiteral("switch.test"));
    for (int exchange = 0; exchange < 3; ++exchange)
        QCOMPARE(outcome(QStringLiteral("switch.test")), QStringLiteral("udp:127.0.0.1:1161"));
    QCOMPARE(lookups, (QStringList{"switch.test", "switch.test"}));

    // Another name is looked up on first use, then kept too; numeric addresses never are.
    QCOMPARE(outcome(QStringLiteral("other.test")), QStringLiteral("-509"));
    QCOMPARE(outcome(QStringLiteral("other.test")), QStringLiteral("-509"));
    QCOMPARE(outcome(QStringLiteral("192.0.2.7")), QStringLiteral("udp:192.0.2.7:1161"));
    ResolveAgentAddress(QStringLiteral("192.0.2.7"));
    QCOMPARE(lookups, (QStringList{"switch.test", "switch.test", "other.test"}));
    SetHostResolver(saved);
}

// Refusals that a stock agent cannot be made to send: each report counter, and the library's
// own errors, come out as their own message and never as success.
void TestSessionSetup::agentRefusalsHaveTheirOwnMessages_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const auto report = [](const char* oid) { return NetSnmpStatus::FromReportOid(QString::fromLatin1(oid)); };
    QTest::newRow("wrong digest") << report("1.3.6.1.6.3.15.1.1.5.0") << -308 << "(SNMPv3USM) Authentication failure!";
    QTest::newRow("unknown user") << report("1.3.6.1.6.3.15.1.1.3.0") << -304 << "(SNMPv3USM) Unknown SecurityName!";
    QTest::newRow("unknown engine") << report("1.3.6.1.6.3.15.1.1.4.0") << -310 << "(SNMPv3USM) Unknown EngineID!";
    QTest::newRow("decryption error") << report(".1.3.6.1.6.3.15.1.1.6.0") << -306 << "(SNMPv3USM) Decryption error!";
    QTest::newRow("not in time window") << report("1.3.6.1.6.3.15.1.1.2.0") << -311
                                        << "(SNMPv3USM) Message not in TimeWindow!";
    QTest::newRow("unsupported level") << report("1.3.6.1.6.3.15.1.1.1.0") << -303
                                       << "(SNMPv3USM) Unsupported SecurityLevel!";
    QTest::newRow("unknown context") << report("1.3.6.1.6.3.12.1.5.0") << -216 << "(SNMPv3) Unknown Context!";
    QTest::newRow("unknown report") << report("1.3.6.1.4.1.9.9.9.0") << -401 << "(SNMPClass) Operation failed!";
    QTest::newRow("library time-out") << NetSnmpStatus::FromLibraryError(-24) << -405
                                      << "(SNMPClass) SNMP request timed out!";
    QTest::newRow("library unknown user") << NetSnmpStatus::FromLibraryError(-43) << -304
                                          << "(SNMPv3USM) Unknown SecurityName!";
    QTest::newRow("library unknown number") << NetSnmpStatus::FromLibraryError(-9999) << -401
                                            << "(SNMPClass) Operation failed!";
}

void TestSessionSetup::agentRefusalsHaveTheirOwnMessages()
{
    QFETCH(int, number);
    QFETCH(int, code);
    QFETCH(QString, message);
    const MappedError mapped = MapSnmpError(number);
    QCOMPARE(mapped.code, code);
    QCOMPARE(mapped.message, message);
}

QTEST_GUILESS_MAIN(TestSessionSetup)
#include "test_session_setup.moc"
