// ksw-bench: the module's side of the benchmarks that bench/run runs against ksw-sim. Each
// call measures one thing once and prints one line of "name=value" figures; the script runs
// it several times and takes the medians.
//
//   ksw-bench walk    --agent ADDR:PORT --version v1|v2c|v3 [--watch-event-loop] [--hidden]
//   ksw-bench latency --agent ADDR:PORT --version v1|v2c|v3 [--gets N]

#include <QApplication>
#include <QCommandLineParser>
#include <QTemporaryDir>
#include <cstdio>

#include "answer_latency.h"
#include "bench_profile.h"
#include "platform/message_box.h"
#include "snmp/errors.h"
#include "snmp/session.h"
#include "stats.h"
#include "table_walk.h"

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "ksw-bench: %s\n", qPrintable(message));
    return 1;
}

bool ParseAgent(const QString& text, QString& address, quint16& port)
{
    const qsizetype colon = text.lastIndexOf(u':');
    bool ok = false;
    const uint number = colon > 0 ? text.mid(colon + 1).toUInt(&ok) : 0;
    if (!ok || number == 0 || number > 65535) return false;
    address = text.left(colon);
    port = static_cast<quint16>(number);
    return true;
}

int RunWalk(const QxSNMPProfile& profile, const QString& version, const QCommandLineParser& parser)
{
    TableWalkOptions options;
    options.showPage = !parser.isSet(QStringLiteral("hidden"));
    options.watchEventLoop = parser.isSet(QStringLiteral("watch-event-loop"));
    const TableWalkResult result = WalkForwardingTable(profile, options);
    if (!result.ok) return Fail(QStringLiteral("walk %1: %2").arg(version, result.error));
    std::printf("walk version=%s seconds=%.4f rows=%d", qPrintable(version), result.seconds, result.rows);
    if (options.watchEventLoop)
        std::printf(" stall_ms=%.2f stall_end_ms=%.1f", result.longestStallMs, result.longestStallEndMs);
    std::printf(" platform=%s\n", qPrintable(QGuiApplication::platformName()));
    return 0;
}

int RunLatency(const QxSNMPProfile& profile, const QString& version, const QCommandLineParser& parser)
{
    bool ok = false;
    const int gets = parser.value(QStringLiteral("gets")).toInt(&ok);
    if (!ok || gets < 1) return Fail(QStringLiteral("--gets: a positive number expected"));
    const AnswerLatencyResult result = MeasureAnswerLatency(profile, gets);
    if (!result.ok) return Fail(QStringLiteral("latency %1: %2").arg(version, result.error));
    std::printf("latency version=%s gets=%d median_ms=%.3f p95_ms=%.3f max_ms=%.3f round_trip_median_ms=%.3f\n",
                qPrintable(version), gets, Quantile(result.latencyMs, 0.5), Quantile(result.latencyMs, 0.95),
                Quantile(result.latencyMs, 1.0), Quantile(result.roundTripMs, 0.5));
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Benchmarks of the module against ksw-sim (see bench/run)."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("measure"), QStringLiteral("walk or latency"));
    parser.addOption({QStringLiteral("agent"), QStringLiteral("ksw-sim's address"), QStringLiteral("ADDR:PORT")});
    parser.addOption({QStringLiteral("version"), QStringLiteral("v1, v2c or v3 (authPriv)"), QStringLiteral("V"),
                      QStringLiteral("v2c")});
    parser.addOption({QStringLiteral("watch-event-loop"), QStringLiteral("walk: note the longest stall")});
    parser.addOption({QStringLiteral("hidden"), QStringLiteral("walk: read without showing the page (headless)")});
    parser.addOption({QStringLiteral("gets"), QStringLiteral("latency: number of gets"), QStringLiteral("N"),
                      QStringLiteral("200")});
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) return Fail(QStringLiteral("one measure expected: walk or latency"));
    QString address;
    quint16 port = 0;
    if (!ParseAgent(parser.value(QStringLiteral("agent")), address, port))
        return Fail(QStringLiteral("--agent ADDR:PORT expected"));
    const QString version = parser.value(QStringLiteral("version"));
    QxSNMPProfile profile;
    if (!SimProfile(version, address, port, profile)) return Fail(QStringLiteral("--version: v1, v2c or v3 expected"));

    // Nobody is there to close a message box: its text goes to standard error instead, and the
    // walk ends with the error it reported.
    SetMessageBoxHook([](const MessageBoxRequest& request) {
        std::fprintf(stderr, "ksw-bench: message box: %s\n", qPrintable(request.text));
        return true;
    });

    QTemporaryDir bootCounterDir;
    try {
        CreateSession(bootCounterDir.path());
        if (positional.front() == QLatin1String("walk")) return RunWalk(profile, version, parser);
        if (positional.front() == QLatin1String("latency")) return RunLatency(profile, version, parser);
    } catch (const AppException& e) {
        return Fail(QStringLiteral("%1 (%2)").arg(e.message()).arg(e.code()));
    }
    return Fail(QStringLiteral("unknown measure %1").arg(positional.front()));
}
