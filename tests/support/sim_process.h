#pragma once
// Starts ksw-sim for a test on a free loopback port, reads the port from its "listening" line
// and stops it (SIGTERM) when the object goes away. The simulator is found through
// KSW_BIN_DIR, which ksw_add_test sets.

#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <memory>

struct SimRun {
    int exitCode = -1;
    bool finished = false;
    QString out;
    QString err;
};

class SimProcess {
public:
    SimProcess() = default;
    explicit SimProcess(const QStringList& arguments) { start(arguments); }
    ~SimProcess() { stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    static QString program() { return qEnvironmentVariable("KSW_BIN_DIR") + "/ksw-sim"; }

    // Starts ksw-sim with `arguments` (and --listen 127.0.0.1:0 unless they name an address)
    // and waits for "ksw-sim listening on udp:ADDR:PORT".
    bool start(const QStringList& arguments = {}, int timeoutMs = 20000)
    {
        stop();
        QStringList args = arguments;
        if (!args.contains("--listen")) args << "--listen" << "127.0.0.1:0";
        process_ = std::make_unique<QProcess>();
        process_->start(program(), args);
        if (!process_->waitForStarted(timeoutMs)) {
            error_ = "cannot start " + program() + ": " + process_->errorString();
            return false;
        }
        static const QRegularExpression ready(R"(^ksw-sim listening on (udp6?):(.*):(\d+)\s*$)");
        QDeadlineTimer deadline(timeoutMs);
        QByteArray output;
        while (!deadline.hasExpired()) {
            if (process_->canReadLine() || process_->waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
                while (process_->canReadLine()) {
                    const QString line = QString::fromUtf8(process_->readLine());
                    const auto match = ready.match(line);
                    if (match.hasMatch()) {
                        address_ = match.captured(2);
                        port_ = static_cast<quint16>(match.captured(3).toUInt());
                        peer_ = match.captured(1) + ":" + address_ + ":" + match.captured(3);
                        return true;
                    }
                }
            }
            if (process_->state() == QProcess::NotRunning) break;
        }
        error_ = "ksw-sim did not report its port; stderr: " + QString::fromUtf8(process_->readAllStandardError());
        return false;
    }

    // SIGTERM and wait; true when ksw-sim exited normally with status 0.
    bool stop(int timeoutMs = 15000)
    {
        if (!process_) return true;
        bool clean = false;
        if (process_->state() != QProcess::NotRunning) {
            process_->terminate();
            if (!process_->waitForFinished(timeoutMs)) {
                process_->kill();
                process_->waitForFinished(timeoutMs);
            } else {
                clean = process_->exitStatus() == QProcess::NormalExit && process_->exitCode() == 0;
            }
        }
        stderr_ += QString::fromUtf8(process_->readAllStandardError());
        process_.reset();
        port_ = 0;
        FailOnSanitizerReport();
        return clean;
    }

    bool running() const { return process_ && process_->state() == QProcess::Running; }
    qint64 processId() const { return process_ ? process_->processId() : 0; }
    quint16 port() const { return port_; }
    QString address() const { return address_; }
    QString peer() const { return peer_; }  // "udp:127.0.0.1:PORT", as net-snmp's tools take it
    QString error() const { return error_; }
    QString standardError()
    {
        if (process_) stderr_ += QString::fromUtf8(process_->readAllStandardError());
        return stderr_;
    }

    // Runs ksw-sim to its end: --help, and starts that are refused.
    static SimRun runToEnd(const QStringList& arguments, int timeoutMs = 20000)
    {
        QProcess process;
        process.start(program(), arguments);
        SimRun run;
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

private:
    // In the sanitizer build ksw-sim is instrumented too: a report of its own fails the test
    // that ran it, even where the test does not look at how ksw-sim ended.
    void FailOnSanitizerReport() const
    {
        for (const char* mark : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"})
            if (stderr_.contains(QLatin1String(mark))) qFatal("ksw-sim: %s", qPrintable(stderr_));
    }

    std::unique_ptr<QProcess> process_;
    quint16 port_ = 0;
    QString address_;
    QString peer_;
    QString error_;
    QString stderr_;
};
