#pragma once
// A real net-snmp agent for tests: snmpd started on a free loopback port with a generated
// configuration, a private persistent directory and no system configuration files.
//
//   SnmpdAgent agent;                       // read community "rdcomm", write "wrcomm",
//   QVERIFY2(agent.Start(), agent.Error()); // users "shaDes" (SHA/DES) and "md5Only" (MD5)
//   profile.Device.Port = agent.Port();

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

struct SnmpdUser {
    QString name;
    QString authProtocol;  // "MD5" or "SHA"
    QString authPassword;
    QString privProtocol;  // "DES", or empty for none
    QString privPassword;
    bool writable = false;
};

struct SnmpdConfig {
    QString readCommunity = QStringLiteral("rdcomm");
    QString writeCommunity = QStringLiteral("wrcomm");
    QString sysName = QStringLiteral("ksw-test-agent");
    QList<SnmpdUser> users = {
        {QStringLiteral("shaDes"), QStringLiteral("SHA"), QStringLiteral("shaAuthPass1"), QStringLiteral("DES"),
         QStringLiteral("desPrivPass1"), true},
        {QStringLiteral("md5Only"), QStringLiteral("MD5"), QStringLiteral("md5AuthPass1"), QString(), QString(), false},
    };
    QStringList extraLines;  // more snmpd.conf directives
};

class SnmpdAgent {
public:
    explicit SnmpdAgent(SnmpdConfig config = {});
    ~SnmpdAgent();
    SnmpdAgent(const SnmpdAgent&) = delete;
    SnmpdAgent& operator=(const SnmpdAgent&) = delete;

    // Starts snmpd on udp:127.0.0.1:0 and waits until it listens; false with Error() set.
    bool Start(int waitMs = 10000);
    // Stops and starts snmpd again on the same port: with its persistent state, the agent
    // comes back as the same SNMPv3 engine one boot later; without, as a new engine.
    bool Restart(bool keepState, int waitMs = 10000);
    void Stop();
    // Freezes or resumes the agent (SIGSTOP/SIGCONT), to hold answers back.
    void Pause();
    void Resume();

    quint16 Port() const { return port_; }
    const SnmpdConfig& Config() const { return config_; }
    const char* Error() const { return error_.constData(); }
    // snmpd's log so far, for failure messages.
    QString Log() const;

private:
    bool Launch(quint16 port, int waitMs);
    QString WriteConfig() const;
    quint16 FindListeningPort() const;

    SnmpdConfig config_;
    QTemporaryDir dir_;
    std::unique_ptr<QProcess> process_;
    quint16 port_ = 0;
    QByteArray error_;
};
