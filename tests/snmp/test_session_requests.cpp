// Requests through the session against a real snmpd: every version, both paths (waiting and
// through the event pump), the agent's refusals, cancelling, and the pump's guarantees.

#include <QtTest>

#include "silent_port.h"
#include "snmp/errors.h"
#include "snmp/session.h"
#include "snmpd_agent.h"

namespace {

const QString kSysName = QStringLiteral("1.3.6.1.2.1.1.5.0");
const QString kSysLocation = QStringLiteral("1.3.6.1.2.1.1.6.0");

// The reason SendAsync reports when the callback never came.
constexpr int kNoCallback = -99999;

struct AsyncOutcome {
    bool done = false;
    int reason = 0;
    QxPdu answer;
};

QxPdu GetPdu(const QxSNMPProfile& profile, const QString& oid = kSysName)
{
    QxPdu pdu;
    SetPduSecurity(pdu, profile);
    QxVb vb;
    vb.Oid = oid;
    pdu.Vbs.push_back(vb);
    return pdu;
}

}  // namespace

Q_DECLARE_METATYPE(QxSNMPProfile)

class TestSessionRequests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void getSysName_data();
    void getSysName();
    void communityFollowsTheOperation();
    void wrongCommunityTimesOut_data();
    void wrongCommunityTimesOut();
    void refusedV3Request_data();
    void refusedV3Request();
    void latestRegistrationWins();
    void unreachableV3AgentDoesNotBlock();
    void agentRestartsAsSameEngine();
    void agentRestartsAsNewEngine();
    void cancelledRequestNeverAnswers();
    void callbacksNeverNest();

private:
    QxSNMPProfile Profile(int version) const;
    // SHA and DES at authPriv with privacy, else MD5 at authNoPriv (the agent's two users).
    QxSNMPProfile UserProfile(const QString& user, const QString& authPassword, bool privacy) const;
    // Sends through the pump and waits (running the event loop) for the callback.
    AsyncOutcome SendAsync(const QxSNMPProfile& profile, PduType type, const QxPdu& pdu);

    SnmpdAgent agent_;
    QTemporaryDir counterDir_;
};

void TestSessionRequests::initTestCase()
{
    QVERIFY2(agent_.Start(), agent_.Error());
    CreateSession(counterDir_.path());
}

QxSNMPProfile TestSessionRequests::Profile(int version) const
{
    QxSNMPProfile profile;
    profile.Device = {QStringLiteral("127.0.0.1"), agent_.Port()};
    profile.Security.Version = static_cast<quint8>(version);
    profile.Security.ReadCommunity = agent_.Config().readCommunity;
    profile.Security.WriteCommunity = agent_.Config().writeCommunity;
    return profile;
}

QxSNMPProfile TestSessionRequests::UserProfile(const QString& user, const QString& authPassword, bool privacy) const
{
    QxSNMPProfile profile = Profile(3);
    profile.Security.SecurityModel = 3;
    profile.Security.SecurityName = user;
    profile.Security.AuthPassword = authPassword;
    if (privacy) {
        profile.Security.SecurityLevel = 3;
        profile.Security.AuthProtocol = 3;
        profile.Security.PrivProtocol = 2;
        profile.Security.PrivPassword = QStringLiteral("desPrivPass1");
    } else {
        profile.Security.SecurityLevel = 2;
        profile.Security.AuthProtocol = 2;
    }
    return profile;
}

AsyncOutcome TestSessionRequests::SendAsync(const QxSNMPProfile& profile, PduType type, const QxPdu& pdu)
{
    auto outcome = std::make_shared<AsyncOutcome>();
    const QxTarget target = BuildTarget(profile, profile.Timeout, 1);
    const int status = QxSnmpSession::Instance().AsyncRequest(
        target, type, pdu, [outcome](int reason, const QxPdu& answer, const QxTarget&) {
            outcome->done = true;
            outcome->reason = reason;
            outcome->answer = answer;
        });
    if (status != 0) return {true, status, {}};
    const QDeadlineTimer deadline(2 * profile.Timeout * 10 * 3 + 2000);
    while (!outcome->done && !deadline.hasExpired()) QTest::qWait(5);
    if (!outcome->done) return {false, kNoCallback, {}};
    return *outcome;
}

void TestSessionRequests::getSysName_data()
{
    QTest::addColumn<bool>("async");
    QTest::addColumn<QxSNMPProfile>("profile");
    for (const bool async : {false, true}) {
        const char* path = async ? "async" : "sync";
        QTest::addRow("v1 %s", path) << async << Profile(0);
        QTest::addRow("v2c %s", path) << async << Profile(1);
        QTest::addRow("v3 SHA/DES authPriv %s", path) << async << UserProfile("shaDes", "shaAuthPass1", true);
        QTest::addRow("v3 MD5 authNoPriv %s", path) << async << UserProfile("md5Only", "md5AuthPass1", false);
    }
}

void TestSessionRequests::getSysName()
{
    QFETCH(bool, async);
    QFETCH(QxSNMPProfile, profile);
    QxPdu answer;
    if (async) {
        const AsyncOutcome outcome = SendAsync(profile, PduType::Get, GetPdu(profile));
        QCOMPARE(outcome.reason, -6);
        answer = outcome.answer;
    } else {
        QCOMPARE(QxSnmpSession::Instance().SyncRequest(BuildTarget(profile, 100, 1), PduType::Get, GetPdu(profile),
                                                       answer),
                 0);
    }
    QCOMPARE(answer.ErrorStatus, 0);
    QCOMPARE(answer.Vbs.size(), size_t(1));
    QCOMPARE(answer.Vbs[0].Oid, kSysName);
    QCOMPARE(answer.Vbs[0].Syntax, Syntax::OctetString);
    QCOMPARE(QString::fromUtf8(answer.Vbs[0].Bytes), agent_.Config().sysName);
}

// Reads go out with the read community and writes with the write community.
void TestSessionRequests::communityFollowsTheOperation()
{
    QxSNMPProfile profile = Profile(1);
    profile.Security.WriteCommunity = QStringLiteral("not-for-reading");
    QxPdu answer;
    QCOMPARE(QxSnmpSession::Instance().SyncRequest(BuildTarget(profile, 100, 1), PduType::Get, GetPdu(profile), answer),
             0);

    QxPdu set = GetPdu(profile, kSysLocation);
    set.Vbs[0].Syntax = Syntax::OctetString;
    set.Vbs[0].Bytes = "rack 7";
    profile = Profile(1);
    QCOMPARE(QxSnmpSession::Instance().SyncRequest(BuildTarget(profile, 100, 1), PduType::Set, set, answer), 0);
    QCOMPARE(answer.ErrorStatus, 0);

    profile.Security.WriteCommunity = profile.Security.ReadCommunity;  // read-only access
    QCOMPARE(QxSnmpSession::Instance().SyncRequest(BuildTarget(profile, 100, 1), PduType::Set, set, answer), 0);
    QVERIFY(answer.ErrorStatus != 0);

    QCOMPARE(QxSnmpSession::Instance().SyncRequest(BuildTarget(profile, 100, 1), PduType::Get,
                                                   GetPdu(profile, kSysLocation), answer),
             0);
    QCOMPARE(answer.Vbs.at(0).Bytes, QByteArray("rack 7"));
}

void TestSessionRequests::wrongCommunityTimesOut_data()
{
    QTest::addColumn<bool>("async");
    QTest::newRow("sync") << false;
    QTest::newRow("async") << true;
}

void TestSessionRequests::wrongCommunityTimesOut()
{
    QFETCH(bool, async);
    QxSNMPProfile profile = Profile(1);
    profile.Security.ReadCommunity = QStringLiteral("wrong");
    profile.Timeout = 20;
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    if (async) {
        status = SendAsync(profile, PduType::Get, GetPdu(profile)).reason;
    } else {
        QxPdu answer;
        status = QxSnmpSession::Instance().SyncRequest(BuildTarget(profile, 20, 1), PduType::Get, GetPdu(profile),
                                                       answer);
    }
    const MappedError mapped = MapSnmpError(status);
    QCOMPARE(mapped.code, -405);
    QCOMPARE(mapped.message, QStringLiteral("(SNMPClass) SNMP request timed out!"));
    QVERIFY2(clock.elapsed() >= 380, "one retry: two tries of 200 ms each");
}

void TestSessionRequests::refusedV3Request_data()
{
    QTest::addColumn<bool>("async");
    QTest::addColumn<QxSNMPProfile>("profile");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    for (const bool async : {false, true}) {
        const char* path = async ? "async" : "sync";
        QTest::addRow("wrong password %s", path) << async << UserProfile("md5Only", "notThePassword", false) << -308
                                                 << "(SNMPv3USM) Authentication failure!";
        QTest::addRow("unknown user %s", path) << async << UserProfile("stranger", "md5AuthPass1", false) << -304
                                               << "(SNMPv3USM) Unknown SecurityName!";
        QTest::addRow("wrong password, privacy %s", path) << async << UserProfile("shaDes", "notThePassword", true)
                                                          << -308 << "(SNMPv3USM) Authentication failure!";
        QTest::addRow("unknown user, privacy %s", path) << async << UserProfile("stranger", "shaAuthPass1", true)
                                                        << -304 << "(SNMPv3USM) Unknown SecurityName!";
    }
}

void TestSessionRequests::refusedV3Request()
{
    QFETCH(bool, async);
    QFETCH(QxSNMPProfile, profile);
    QFETCH(int, code);
    QFETCH(QString, message);
    int status = 0;
    if (async) {
        status = SendAsync(profile, PduType::Get, GetPdu(profile)).reason;
    } else {
        QxPdu answer;
        status = QxSnmpSession::Instance().SyncRequest(BuildTarget(profile, 100, 1), PduType::Get, GetPdu(profile),
                                                       answer);
    }
    const MappedError mapped = MapSnmpError(status);
    QCOMPARE(mapped.code, code);
    QCOMPARE(mapped.message, message);
}

// Registering a user again under the same name replaces its keys, in both directions.
void TestSessionRequests::latestRegistrationWins()
{
    const auto get = [](const QxSNMPProfile& profile) {
        QxPdu answer;
        return QxSnmpSession::Instance().SyncRequest(BuildTarget(profile, 100, 1), PduType::Get, GetPdu(profile),
                                                     answer);
    };
    QCOMPARE(get(UserProfile("md5Only", "notThePassword", false)), 1408);
    QCOMPARE(get(UserProfile("md5Only", "md5AuthPass1", false)), 0);
    QCOMPARE(get(UserProfile("md5Only", "notThePassword", false)), 1408);
    const QxSNMPProfile right = UserProfile("md5Only", "md5AuthPass1", false);
    QCOMPARE(SendAsync(right, PduType::Get, GetPdu(right)).reason, -6);

    QxSNMPProfile tooShort = UserProfile("md5Only", "short", false);
    QCOMPARE(MapSnmpError(get(tooShort)).code, -307);
}

// The engine ID of a v3 agent is found without blocking: an agent that never answers costs
// the caller nothing, and the exchange ends in a time-out through the pump.
void TestSessionRequests::unreachableV3AgentDoesNotBlock()
{
    SilentPort silent;
    QVERIFY(silent.Port() != 0);
    QxSNMPProfile profile = UserProfile("shaDes", "shaAuthPass1", true);
    profile.Device.Port = silent.Port();
    profile.Timeout = 50;

    QElapsedTimer clock;
    clock.start();
    auto outcome = std::make_shared<AsyncOutcome>();
    QCOMPARE(QxSnmpSession::Instance().AsyncRequest(BuildTarget(profile, 50, 1), PduType::Get, GetPdu(profile),
                                                    [outcome](int reason, const QxPdu&, const QxTarget&) {
                                                        outcome->done = true;
                                                        outcome->reason = reason;
                                                    }),
             0);
    QVERIFY2(clock.elapsed() < 250, "sending does not wait for the agent");
    QTRY_VERIFY_WITH_TIMEOUT(outcome->done, 5000);
    QCOMPARE(outcome->reason, -5);

    // Waiting for it costs two tries of the time-out, not two for the probe and two more.
    clock.restart();
    QxPdu answer;
    QCOMPARE(QxSnmpSession::Instance().SyncRequest(BuildTarget(profile, 50, 1), PduType::Get, GetPdu(profile), answer),
             -5);
    QVERIFY(clock.elapsed() >= 950);
    QVERIFY2(clock.elapsed() < 1750, qPrintable(QStringLiteral("took %1 ms").arg(clock.elapsed())));
}

// One boot later the agent refuses our idea of its time once (notInTimeWindow); net-snmp takes
// the agent's time from that report and sends again, within the same request.
void TestSessionRequests::agentRestartsAsSameEngine()
{
    const QxSNMPProfile profile = UserProfile("shaDes", "shaAuthPass1", true);
    QxPdu answer;
    QCOMPARE(QxSnmpSession::Instance().SyncRequest(BuildTarget(profile, 100, 1), PduType::Get, GetPdu(profile), answer),
             0);
    QVERIFY2(agent_.Restart(true), agent_.Error());
    QCOMPARE(QxSnmpSession::Instance().SyncRequest(BuildTarget(profile, 100, 1), PduType::Get, GetPdu(profile), answer),
             0);
    QVERIFY2(agent_.Restart(true), agent_.Error());
    QCOMPARE(SendAsync(profile, PduType::Get, GetPdu(profile)).reason, -6);
}

// A re-installed agent has a new engine ID and drops messages for the old one: the request
// times out, and the next one finds the new engine.
void TestSessionRequests::agentRestartsAsNewEngine()
{
    QxSNMPProfile profile = UserProfile("md5Only", "md5AuthPass1", false);
    profile.Timeout = 30;
    QCOMPARE(SendAsync(profile, PduType::Get, GetPdu(profile)).reason, -6);
    QVERIFY2(agent_.Restart(false), agent_.Error());
    QCOMPARE(SendAsync(profile, PduType::Get, GetPdu(profile)).reason, -5);
    QCOMPARE(SendAsync(profile, PduType::Get, GetPdu(profile)).reason, -6);
}

// The agent is frozen so that its answer surely comes after the cancel.
void TestSessionRequests::cancelledRequestNeverAnswers()
{
    const QxSNMPProfile profile = Profile(1);
    QxSnmpSession& session = QxSnmpSession::Instance();
    bool called = false;
    agent_.Pause();
    QxRequestHandle handle = 0;
    QCOMPARE(session.AsyncRequest(BuildTarget(profile, 300, 1), PduType::Get, GetPdu(profile),
                                  [&called](int, const QxPdu&, const QxTarget&) { called = true; }, &handle),
             0);
    QVERIFY(handle != 0);
    QCOMPARE(session.OutstandingCount(), 1);
    session.Cancel(handle);
    QCOMPARE(session.OutstandingCount(), 0);
    agent_.Resume();
    QTest::qWait(500);  // the late answer arrives and is handled by the pump meanwhile
    QVERIFY(!called);

    QCOMPARE(SendAsync(profile, PduType::Get, GetPdu(profile)).reason, -6);
    QVERIFY(!called);
}

// Callbacks run only from the pump: never inside a send or a synchronous wait, and never
// nested. A callback that spins an event loop (as a closing window does) must not let the pump
// run again inside it: the second answer waits until the first callback has returned.
void TestSessionRequests::callbacksNeverNest()
{
    const QxSNMPProfile profile = Profile(1);
    QxSnmpSession& session = QxSnmpSession::Instance();
    int depth = 0;
    int deepest = 0;
    bool sending = false;
    bool calledWhileSending = false;
    bool offGuiThread = false;
    QStringList order;

    const auto callback = [&](const QString& name, bool spin) {
        return [&, name, spin](int reason, const QxPdu&, const QxTarget&) {
            calledWhileSending |= sending;
            offGuiThread |= QThread::currentThread() != qApp->thread();
            deepest = std::max(deepest, ++depth);
            order << name + (reason == -6 ? QString() : QStringLiteral(" failed"));
            if (spin) {
                QEventLoop loop;
                QTimer::singleShot(300, &loop, &QEventLoop::quit);
                loop.exec();
                order << name + QStringLiteral(" done");
            }
            --depth;
        };
    };
    sending = true;
    QCOMPARE(session.AsyncRequest(BuildTarget(profile, 100, 1), PduType::Get, GetPdu(profile),
                                  callback(QStringLiteral("first"), true)),
             0);
    QCOMPARE(session.AsyncRequest(BuildTarget(profile, 100, 1), PduType::Get, GetPdu(profile),
                                  callback(QStringLiteral("second"), false)),
             0);
    // Both answers arrive on the same socket while this waits; their callbacks must wait too.
    QxPdu answer;
    QCOMPARE(session.SyncRequest(BuildTarget(profile, 100, 1), PduType::Get, GetPdu(profile), answer), 0);
    sending = false;
    QTRY_COMPARE_WITH_TIMEOUT(order.size(), 3, 5000);
    QCOMPARE(order, (QStringList{"first", "first done", "second"}));
    QCOMPARE(deepest, 1);
    QVERIFY(!calledWhileSending);
    QVERIFY(!offGuiThread);
    QCOMPARE(session.OutstandingCount(), 0);
}

QTEST_GUILESS_MAIN(TestSessionRequests)
#include "test_session_requests.moc"
