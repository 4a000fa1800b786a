#pragma once
// ksw-sim for the request and binding tests: started on a free loopback port with its request
// log, so that a test can check exactly what was sent.
//
//   SimAgent sim;
//   QVERIFY2(sim.Start(), qPrintable(sim.Error()));
//   DefaultProfile() = sim.Profile(1);
//   const int mark = sim.LogMark();
//   ... requests ...
//   QCOMPARE(sim.Received("SET", mark), QStringList{"1.3.6.1.2.1.1.5.0=STRING:\"lab\""});

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "sim_process.h"
#include "snmp/profile.h"

class SimAgent {
public:
    bool Start(const QStringList& options = {})
    {
        log_ = dir_.filePath(QStringLiteral("requests.log"));
        return process_.start(QStringList{QStringLiteral("--log"), log_} + options);
    }
    // Stops ksw-sim (SIGTERM); a later Start with "--listen 127.0.0.1:PORT" brings it back on the
    // same port, appending to the same log.
    bool Stop() { return process_.stop(); }
    bool Running() const { return process_.running(); }
    QString Error() const { return process_.error(); }
    quint16 Port() const { return process_.port(); }

    // The simulator's default communities; version 0 = v1, 1 = v2c.
    QxSNMPProfile Profile(int version) const
    {
        QxSNMPProfile profile;
        profile.Device = {QStringLiteral("127.0.0.1"), Port()};
        profile.Security.Version = static_cast<quint8>(version);
        profile.Security.SecurityModel = version + 1;
        profile.Security.ReadCommunity = QStringLiteral("mirepo");
        profile.Security.WriteCommunity = QStringLiteral("wrilato");
        return profile;
    }

    // Number of log lines so far; Received counts from such a mark.
    int LogMark() const { return static_cast<int>(Lines().size()); }

    // One entry per request of that PDU type ("GET", "GETNEXT", "SET") received after the
    // mark: its varbinds as the log writes them ("OID=TYPE:VALUE", separated by blanks).
    QStringList Received(const QString& pduType, int mark = 0) const
    {
        static const QRegularExpression line(QStringLiteral(R"( recv (?:\S+ )+?(\S+) reqid=\d+ ?(.*)$)"));
        QStringList found;
        const QStringList lines = Lines();
        for (qsizetype i = mark; i < lines.size(); ++i) {
            const auto match = line.match(lines[i]);
            if (match.hasMatch() && match.captured(1) == pduType) found << match.captured(2);
        }
        return found;
    }

    // The log's lines from a mark on.
    QStringList LogLines(int mark = 0) const { return Lines().mid(mark); }

private:
    QStringList Lines() const
    {
        QFile file(log_);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir dir_;
    QString log_;
    SimProcess process_;
};
