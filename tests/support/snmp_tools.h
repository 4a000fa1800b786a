#pragma once
// Runs net-snmp's command-line tools (snmpget, snmpset, snmpwalk, snmptable, ...) for tests:
// no MIB files unless asked for, numeric OIDs, and a private configuration and persistent
// folder so that nothing of the machine's or the user's set-up takes part.

#include <QByteArray>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct ToolRun {
    int exitCode = -1;
    bool finished = false;
    qint64 elapsedMs = 0;
    QString out;
    QString err;

    bool ok() const { return finished && exitCode == 0 && !err.contains("Error"); }
    // The error status named in "Reason: ..." ("wrongType", "noSuchName", ...), or "".
    QString reason() const
    {
        static const QRegularExpression re(R"(Reason: \(?(\w+)\)?)");
        const auto match = re.match(err);
        return match.hasMatch() ? match.captured(1) : QString();
    }
    bool timedOut() const { return err.contains("Timeout"); }
};

// Starts a tool without waiting for it (for requests that overlap); finishSnmpTool collects it.
inline void startSnmpTool(QProcess& process, const QString& tool, const QStringList& args)
{
    static QTemporaryDir home;  // the tools' configuration and persistent folder
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    env.insert("MIBDIRS", "/nonexistent");
    env.insert("SNMPCONFPATH", home.path());
    env.insert("SNMP_PERSISTENT_DIR", home.path());
    process.setProcessEnvironment(env);
    process.start(tool, args);
}

inline ToolRun finishSnmpTool(QProcess& process, int timeoutMs = 30000)
{
    ToolRun run;
    run.finished = process.waitForFinished(timeoutMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline ToolRun runSnmpTool(const QString& tool, const QStringList& args, int timeoutMs = 30000)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    startSnmpTool(process, tool, args);
    ToolRun run = finishSnmpTool(process, timeoutMs);
    run.elapsedMs = clock.elapsed();
    return run;
}

// Common arguments: numeric OIDs, quick values, octet strings in hex, one try of one second.
inline QStringList snmpArgs(const QStringList& security, const QString& peer)
{
    return QStringList{"-On", "-Oq", "-Ox", "-t", "1", "-r", "0"} + security + QStringList{peer};
}

inline QStringList v1(const QString& community)
{
    return {"-v1", "-c", community};
}
inline QStringList v2c(const QString& community)
{
    return {"-v2c", "-c", community};
}
// level: "authNoPriv" or "authPriv"; privacy arguments are left out for authNoPriv.
inline QStringList v3(const QString& user, const QString& level, const QString& auth, const QString& authPass,
                      const QString& priv = {}, const QString& privPass = {})
{
    QStringList args{"-v3", "-u", user, "-l", level, "-a", auth, "-A", authPass};
    if (level == "authPriv") args << "-x" << priv << "-X" << privPass;
    return args;
}

// "OID value" lines of -On -Oq output (a hex value may run over several lines) by OID without
// the leading dot.
inline QMap<QString, QString> snmpValues(const QString& out)
{
    QMap<QString, QString> values;
    QString current;
    for (const QString& line : out.split('\n')) {
        if (line.startsWith('.')) {
            const int space = line.indexOf(' ');
            current = line.mid(1, space < 0 ? -1 : space - 1);
            values[current] = space < 0 ? QString() : line.mid(space + 1).trimmed();
        } else if (!current.isEmpty() && !line.trimmed().isEmpty()) {
            values[current] += " " + line.trimmed();
        }
    }
    return values;
}

// The octets of a hex value as -Ox prints it ("01 10 02" with or without quotes).
inline QByteArray hexOctets(QString text)
{
    text.remove('"');
    return QByteArray::fromHex(text.simplified().remove(' ').toLatin1());
}
