// One asynchronous get through the session and its event pump against a local snmpd. The pump
// reads an answer as soon as its socket is readable, so a round trip should cost well under
// the 20 ms of the pump's timer.

#include <QtTest>

#include "snmp/session.h"
#include "snmpd_agent.h"

class BenchAsyncRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(agent_.Start(), agent_.Error());
        CreateSession(counterDir_.path());
    }

    void getSysName()
    {
        QxSNMPProfile profile;
        profile.Device = {QStringLiteral("127.0.0.1"), agent_.Port()};
        profile.Security.Version = 1;
        profile.Security.ReadCommunity = agent_.Config().readCommunity;
        QxPdu pdu;
        SetPduSecurity(pdu, profile);
        QxVb vb;
        vb.Oid = QStringLiteral("1.3.6.1.2.1.1.5.0");
        pdu.Vbs.push_back(vb);
        const QxTarget target = BuildTarget(profile, 100, 1);

        QBENCHMARK {
            QEventLoop loop;
            int reason = 0;
            QCOMPARE(QxSnmpSession::Instance().AsyncRequest(target, PduType::Get, pdu,
                                                            [&](int r, const QxPdu&, const QxTarget&) {
                                                                reason = r;
                                                                loop.quit();
                                                            }),
                     0);
            loop.exec();
            QCOMPARE(reason, -6);
        }
    }

private:
    SnmpdAgent agent_;
    QTemporaryDir counterDir_;
};

QTEST_GUILESS_MAIN(BenchAsyncRoundTrip)
#include "bench_async_roundtrip.moc"
