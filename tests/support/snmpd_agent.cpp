#include "snmpd_agent.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QSet>
#include <QThread>

#include <csignal>
#include <unistd.h>

namespace {

QString SnmpdProgram()
{
    const QString configured = qEnvironmentVariable("KSW_SNMPD");
    return configured.isEmpty() ? QStringLiteral("/usr/sbin/snmpd") : configured;
}

QString Quoted(const QString& text)
{
    return u'"' + text + u'"';
}

}  // namespace

SnmpdAgent::SnmpdAgent(SnmpdConfig config) : config_(std::move(config)) {}

SnmpdAgent::~SnmpdAgent()
{
    Stop();
}

QString SnmpdAgent::WriteConfig() const
{
    QStringList lines;
    lines << QStringLiteral("rocommunity %1 127.0.0.1").arg(config_.readCommunity)
          << QStringLiteral("rwcommunity %1 127.0.0.1").arg(config_.writeCommunity);
    for (const SnmpdUser& user : config_.users) {
        QString line = QStringLiteral("createUser %1 %2 %3").arg(user.name, user.authProtocol, Quoted(user.authPassword));
        if (!user.privProtocol.isEmpty()) line += QStringLiteral(" %1 %2").arg(user.privProtocol, Quoted(user.privPassword));
        lines << line;
        lines << QStringLiteral("%1 %2 %3")
                     .arg(user.writable ? QStringLiteral("rwuser") : QStringLiteral("rouser"), user.name,
                          user.privProtocol.isEmpty() ? QStringLiteral("auth") : QStringLiteral("priv"));
    }
    if (!config_.sysName.isEmpty()) lines << QStringLiteral("sysName %1").arg(config_.sysName);
    lines << config_.extraLines;

    const QString path = dir_.filePath(QStringLiteral("snmpd.conf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    file.write(lines.join(u'\n').toUtf8() + '\n');
    return path;
}

bool SnmpdAgent::Start(int waitMs)
{
    Stop();
    return Launch(0, waitMs);
}

bool SnmpdAgent::Restart(bool keepState, int waitMs)
{
    const quint16 port = port_;
    Stop();
    if (!keepState) QDir(QDir(dir_.path()).filePath(QStringLiteral("persist"))).removeRecursively();
    return Launch(port, waitMs);
}

bool SnmpdAgent::Launch(quint16 port, int waitMs)
{
    if (!dir_.isValid()) {
        error_ = "cannot create a temporary directory";
        return false;
    }
    const QDir root(dir_.path());
    // Made here so that snmpd has nothing to create in them; "mibs" stays empty.
    root.mkpath(QStringLiteral("persist/cert_indexes"));
    root.mkpath(QStringLiteral("mibs"));
    root.mkpath(QStringLiteral("conf"));
    const QString configPath = WriteConfig();
    if (configPath.isEmpty()) {
        error_ = "cannot write snmpd.conf";
        return false;
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), root.filePath(QStringLiteral("persist")));
    environment.insert(QStringLiteral("SNMPCONFPATH"), root.filePath(QStringLiteral("conf")));
    environment.insert(QStringLiteral("MIBS"), QString());
    environment.insert(QStringLiteral("MIBDIRS"), root.filePath(QStringLiteral("mibs")));

    // With -C snmpd reads only the files named by -c, its own saved state included.
    QString configFiles = configPath;
    const QString savedState = root.filePath(QStringLiteral("persist/snmpd.conf"));
    if (QFile::exists(savedState)) configFiles += u',' + savedState;

    process_ = std::make_unique<QProcess>();
    process_->setProcessEnvironment(environment);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->start(SnmpdProgram(), {QStringLiteral("-f"), QStringLiteral("-C"), QStringLiteral("-c"), configFiles,
                                     QStringLiteral("-Lf"), root.filePath(QStringLiteral("snmpd.log")),
                                     QStringLiteral("udp:127.0.0.1:%1").arg(port)});
    if (!process_->waitForStarted(waitMs)) {
        error_ = "cannot start " + SnmpdProgram().toUtf8() + ": " + process_->errorString().toUtf8();
        process_.reset();
        return false;
    }

    const QDeadlineTimer deadline(waitMs);
    while (!deadline.hasExpired()) {
        if (process_->state() != QProcess::Running) break;
        port_ = FindListeningPort();
        if (port_ != 0) return true;
        QThread::msleep(20);
    }
    error_ = "snmpd did not start listening; its log:\n" + Log().toUtf8();
    Stop();
    return false;
}

// The port of the agent's loopback UDP socket: the socket inodes among the process's file
// descriptors, looked up in the kernel's UDP table.
quint16 SnmpdAgent::FindListeningPort() const
{
    const QString pid = QString::number(process_->processId());
    QSet<QString> inodes;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& fd : fds.entryList(QDir::Files | QDir::System)) {
        char target[128] = {};
        const ssize_t length = readlink(QFile::encodeName(fds.filePath(fd)).constData(), target, sizeof(target) - 1);
        const QString text = QString::fromLatin1(target, length > 0 ? length : 0);
        if (text.startsWith(QLatin1String("socket:["))) inodes.insert(text.mid(8).chopped(1));
    }
    QFile table(QStringLiteral("/proc/%1/net/udp").arg(pid));
    if (inodes.isEmpty() || !table.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> rows = table.readAll().split('\n');
    for (const QByteArray& row : rows) {
        const QList<QByteArray> fields = row.simplified().split(' ');
        if (fields.size() < 10 || !inodes.contains(QString::fromLatin1(fields[9]))) continue;
        const QList<QByteArray> local = fields[1].split(':');
        if (local.size() == 2 && local[0] == "0100007F") return static_cast<quint16>(local[1].toUInt(nullptr, 16));
    }
    return 0;
}

void SnmpdAgent::Stop()
{
    if (!process_) return;
    if (process_->state() != QProcess::NotRunning) {
        Resume();
        process_->terminate();
        if (!process_->waitForFinished(3000)) {
            process_->kill();
            process_->waitForFinished(3000);
        }
    }
    process_.reset();
    port_ = 0;
}

void SnmpdAgent::Pause()
{
    if (process_ && process_->state() == QProcess::Running) ::kill(static_cast<pid_t>(process_->processId()), SIGSTOP);
}

void SnmpdAgent::Resume()
{
    if (process_ && process_->state() == QProcess::Running) ::kill(static_cast<pid_t>(process_->processId()), SIGCONT);
}

QString SnmpdAgent::Log() const
{
    QFile log(QDir(dir_.path()).filePath(QStringLiteral("snmpd.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}
