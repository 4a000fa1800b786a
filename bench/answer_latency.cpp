#include "answer_latency.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <ctime>

#include <linux/sockios.h>
#include <sys/ioctl.h>

#include "snmp/request.h"
#include "snmp/session.h"

namespace {

// A page's scalar group: sysDescr, sysName, sysLocation, sysContact.
const QxSNMPVarDesc kSystemGroup[] = {
    {"1.3.6.1.2.1.1.1", "Description", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.1.5", "Name", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.1.6", "Location", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.1.4", "Contact", VarType::DisplayString, AccessRead},
    {nullptr},
};
// Gets before the samples: the engine ID discovery (v3) and the first use of everything.
constexpr int kWarmUpGets = 5;
// Pause between gets, so that each answer finds the event loop asleep, as a page's would.
constexpr int kPauseMs = 2;

double Milliseconds(const timespec& t)
{
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// When the last datagram read from the socket arrived (CLOCK_REALTIME). The first call on a
// socket switches the kernel's time stamps on and may find none yet.
bool LastArrival(int fd, timespec& arrival)
{
    return ioctl(fd, SIOCGSTAMPNS, &arrival) == 0;
}

}  // namespace

AnswerLatencyResult MeasureAnswerLatency(const QxSNMPProfile& profile, int gets)
{
    AnswerLatencyResult result;
    DefaultProfile() = profile;
    QxSNMPRequest request;
    request.Vars = QxSNMPVarList(kSystemGroup, VarListKind::ScalarGroup, 0);

    for (int i = 0; i < kWarmUpGets + gets; ++i) {
        QEventLoop loop;
        QTimer::singleShot(kPauseMs, &loop, &QEventLoop::quit);
        loop.exec();

        QxSNMPError outcome;
        bool answered = false;
        timespec called{};
        QElapsedTimer clock;
        clock.start();
        request.ReadAsync(
            [&](const QxSNMPError& error, QxSNMPVarList&) {
                clock_gettime(CLOCK_REALTIME, &called);
                outcome = error;
                answered = true;
                loop.quit();
            },
            true);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        if (!answered) loop.exec();
        const double roundTrip = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (!answered || outcome.Code != 0) {
            result.error = answered ? QStringLiteral("%1 (%2)").arg(outcome.Message).arg(outcome.Code)
                                    : QStringLiteral("no answer within 5 s");
            return result;
        }
        const std::vector<int> sockets = QxSnmpSession::Instance().Descriptors();
        timespec arrival{};
        if (sockets.size() != 1 || !LastArrival(sockets.front(), arrival)) {
            if (i < kWarmUpGets) continue;
            result.error = QStringLiteral("no receive time stamp on the session's socket");
            return result;
        }
        if (i < kWarmUpGets) continue;
        result.latencyMs.push_back(Milliseconds(called) - Milliseconds(arrival));
        result.roundTripMs.push_back(roundTrip);
    }
    result.ok = true;
    return result;
}
