// The process-wide session. To the program it is one session; underneath, net-snmp keeps one
// session (one UDP socket) per agent transport, opened on first use and pumped together.
// Version, community and USM user travel with each PDU.
//
// net-snmp calls back from inside its read and time-out processing; the trampoline there only
// records what happened. Callbacks of our users run afterwards, from ProcessPendingEvents,
// so they may send, wait or cancel freely.
//
// SNMPv3 engine ID discovery is asynchronous for asynchronous requests: the first v3 request
// to an agent sends a discovery probe and waits for its report before it is sent itself, so
// an unreachable agent never blocks the GUI thread (net-snmp would probe synchronously when a
// v3 session is opened; the sessions here are opened without probing).

#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <algorithm>
#include <deque>
#include <map>
#include <unordered_map>

#include <poll.h>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/large_fd_set.h>

#include "agent_address.h"
#include "errors.h"
#include "netsnmp_pdu.h"
#include "netsnmp_status.h"
#include "session.h"
#include "usm_users.h"

Q_LOGGING_CATEGORY(lcSession, "ksw.snmp.session")

namespace {

// net-snmp re-sends at once after a notInTimeWindow report while the request has retries
// left; after this many reports it has certainly given up.
constexpr int kTimeWindowReportsBeforeGivingUp = 3;
// A pump round reads at most this many datagrams per socket before time-outs get their turn.
constexpr int kMaxReadRounds = 64;

// A request's callback argument is its handle. net-snmp finds the request of an answer by
// its message ID, and passes the answer's request ID, which an agent that could not decrypt
// the request sets to 0 in its report; the handle identifies the request all the same.
// The session-wide callback (argument 0) gets messages that failed authentication: those
// are not answers.
void* CallbackArgument(QxRequestHandle handle)
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(handle));
}

struct Transport {
    QString address;
    netsnmp_session* session = nullptr;  // net-snmp's copy, owned by net-snmp
    void* handle = nullptr;              // its single-session handle
    int fd = -1;
    QByteArray engineId;                 // the agent's, once discovered (v3)
    QxRequestHandle probe = 0;           // asynchronous discovery in flight
    std::vector<QxRequestHandle> waitingForEngine;
};

struct Completion {
    QxRequestHandle handle = 0;
    int reason = 0;
    QxPdu answer;
    QByteArray engineId;  // probes: the engine ID the agent reported
};

struct Entry {
    bool probe = false;        // an engine ID discovery probe
    bool synchronous = false;  // waited for by SyncRequest; has no callback
    Transport* transport = nullptr;
    QxTarget target;
    PduType type = PduType::Get;
    QxPdu pdu;  // kept until sent (a v3 request may wait for the engine ID)
    QxAsyncCallback callback;
    bool sent = false;
    QDeadlineTimer deadline;
    int timeWindowReports = 0;
    int securityFailure = 0;  // a refusal net-snmp announced before giving up on its own
    bool finished = false;
    Completion result;  // synchronous waits read it here
};

long TimeoutMicroseconds(int32_t hundredths)
{
    // Up to a day; net-snmp keeps microseconds in a long.
    return std::clamp<long>(hundredths, 1, 24L * 3600 * 100) * 10000L;
}

// Longer than net-snmp's own life of a request (each try, plus a re-send after a time-window
// report), so that it only fires when net-snmp has dropped a request without a word.
qint64 WatchdogMs(const QxTarget& target)
{
    const qint64 tries = std::max(0, target.Retries) + 2;
    return tries * (TimeoutMicroseconds(target.Timeout) / 1000) + 500;
}

int Trampoline(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic);

}  // namespace

struct QxSnmpSession::Impl {
    std::map<QString, std::unique_ptr<Transport>> transports;
    std::unordered_map<QxRequestHandle, Entry> entries;
    std::deque<Completion> completed;
    QxRequestHandle nextHandle = 1;
    bool processing = false;

    int TransportFor(const QxTarget& target, Transport*& transport);
    int Send(QxRequestHandle handle);
    int StartDiscovery(Transport& transport, const QxTarget& target);
    void FinishDiscovery(Transport& transport, const Completion& completion);
    int DiscoverNow(Transport& transport, const QxTarget& target);
    Completion WaitFor(QxRequestHandle handle);
    void Finish(Entry& entry, Completion completion);
    void ForgetEngine(Transport& transport);
    void ReadReadySockets();
    void ExpireOverdue();
    void Deliver();
    void OnNetSnmpEvent(int op, QxRequestHandle handle, netsnmp_pdu* pdu);
};

namespace {

QxSnmpSession::Impl* g_session = nullptr;

int Trampoline(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic)
{
    if (magic && g_session)
        g_session->OnNetSnmpEvent(op, static_cast<QxRequestHandle>(reinterpret_cast<uintptr_t>(magic)), pdu);
    // 1: net-snmp may drop the request (and re-send it after a time-window report).
    return 1;
}

// Why a request ended without an answer: the refusal seen on the way, or a time-out.
int GiveUpReason(const Entry& entry)
{
    if (entry.securityFailure) return entry.securityFailure;
    return entry.timeWindowReports > 0 ? SnmpErr::UsmNotInTimeWindow : SnmpErr::Timeout;
}

QString FirstBindingOid(const netsnmp_pdu& pdu)
{
    if (!pdu.variables) return {};
    QStringList parts;
    for (size_t i = 0; i < pdu.variables->name_length; ++i)
        parts << QString::number(static_cast<qulonglong>(pdu.variables->name[i]));
    return parts.join(u'.');
}

}  // namespace

void QxSnmpSession::Impl::OnNetSnmpEvent(int op, QxRequestHandle handle, netsnmp_pdu* pdu)
{
    const auto found = entries.find(handle);
    if (found == entries.end() || found->second.finished) return;  // cancelled, or over already
    Entry& entry = found->second;
    Completion completion;
    completion.handle = handle;

    switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (!pdu) return;
        if (entry.probe) {
            // The report (or, from an odd agent, a response) names the agent's engine.
            if (pdu->securityEngineIDLen > 0)
                completion.engineId = QByteArray(reinterpret_cast<const char*>(pdu->securityEngineID),
                                                 static_cast<qsizetype>(pdu->securityEngineIDLen));
            completion.reason = completion.engineId.isEmpty() ? SnmpErr::UsmUnknownEngineId : 0;
        } else if (pdu->command == SNMP_MSG_REPORT) {
            completion.reason = NetSnmpStatus::FromReportOid(FirstBindingOid(*pdu));
            if (completion.reason == SnmpErr::UsmNotInTimeWindow &&
                ++entry.timeWindowReports < kTimeWindowReportsBeforeGivingUp)
                return;  // net-snmp re-sends with the agent's time; the outcome comes later
        } else if (pdu->command == SNMP_MSG_RESPONSE) {
            completion.reason = SnmpErr::AnswerReceived;
            completion.answer = NetSnmpPdu::Convert(*pdu);
        } else {
            return;
        }
        break;
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
        // Announces a refusing report, which follows as a received message; kept in case
        // net-snmp drops the request instead.
        if (pdu && pdu->command == SNMP_MSG_REPORT && !entry.probe)
            entry.securityFailure = NetSnmpStatus::FromReportOid(FirstBindingOid(*pdu));
        return;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        completion.reason = GiveUpReason(entry);
        break;
    case NETSNMP_CALLBACK_OP_SEND_FAILED:
    case NETSNMP_CALLBACK_OP_DISCONNECT:
        completion.reason = NetSnmpStatus::FromCallbackOp(op);
        break;
    default:
        return;
    }
    Finish(entry, std::move(completion));
}

void QxSnmpSession::Impl::Finish(Entry& entry, Completion completion)
{
    if (entry.finished) return;
    entry.finished = true;
    // A silent or refusing v3 agent may have a new engine ID (it was re-installed): find out
    // again with the next request.
    if (entry.target.Version == 3 && !entry.probe &&
        (completion.reason == SnmpErr::Timeout || completion.reason == SnmpErr::UsmUnknownEngineId))
        ForgetEngine(*entry.transport);
    if (entry.synchronous)
        entry.result = std::move(completion);
    else
        completed.push_back(std::move(completion));
}

void QxSnmpSession::Impl::ForgetEngine(Transport& transport)
{
    transport.engineId.clear();
    // net-snmp keeps the first engine ID it learns on the session; let it learn again.
    SNMP_FREE(transport.session->securityEngineID);
    transport.session->securityEngineIDLen = 0;
    SNMP_FREE(transport.session->contextEngineID);
    transport.session->contextEngineIDLen = 0;
}

int QxSnmpSession::Impl::TransportFor(const QxTarget& target, Transport*& transport)
{
    const QString address = target.TransportAddress.isEmpty()
                                ? TransportAddress(target.Device.Address, target.Device.Port)
                                : target.TransportAddress;
    if (address.isEmpty()) return SnmpErr::InvalidAddress;
    if (auto found = transports.find(address); found != transports.end()) {
        transport = found->second.get();
        return 0;
    }

    const QByteArray peer = address.toUtf8();
    netsnmp_session settings;
    snmp_sess_init(&settings);
    settings.peername = const_cast<char*>(peer.constData());
    // Any version without probing; the real version goes with each PDU (see below).
    settings.version = SNMP_VERSION_2c;
    settings.flags |= SNMP_FLAGS_DONT_PROBE;
    settings.callback = Trampoline;
    settings.callback_magic = nullptr;
    netsnmp_session* opened = snmp_open(&settings);
    if (!opened) {
        const int status = NetSnmpStatus::FromLibraryError(settings.s_snmp_errno);
        return status != 0 ? status : SnmpErr::TransportFailed;
    }
    // A session of no particular version takes each PDU's version and parses any answer.
    opened->version = SNMP_DEFAULT_VERSION;
    // Cleared by snmp_open; without it net-snmp would probe synchronously before a v3 send.
    opened->flags |= SNMP_FLAGS_DONT_PROBE;
    // An empty community on a PDU means the session's, which must then be empty too.
    SNMP_FREE(opened->community);
    opened->community_len = 0;

    auto created = std::make_unique<Transport>();
    created->address = address;
    created->session = opened;
    created->handle = snmp_sess_pointer(opened);
    netsnmp_transport* socket = snmp_sess_transport(created->handle);
    created->fd = socket ? socket->sock : -1;
    transport = created.get();
    transports.emplace(address, std::move(created));
    SnmpEventProcessor::Instance().SyncNotifiers();
    return 0;
}

int QxSnmpSession::Impl::Send(QxRequestHandle handle)
{
    Entry& entry = entries.at(handle);
    Transport& transport = *entry.transport;
    netsnmp_pdu* pdu = nullptr;
    if (entry.probe) {
        pdu = NetSnmpPdu::BuildDiscoveryProbe();
        if (!pdu) return -2;
    } else {
        if (entry.target.Version == 3) {
            const int status = UsmUsers::EnsureLocalized(entry.target.SecurityName, transport.engineId);
            if (status != 0) return status;
        }
        const int status = NetSnmpPdu::Build(entry.target, entry.type, entry.pdu, transport.engineId, pdu);
        if (status != 0) return status;
    }
    // net-snmp takes the time-out of a request when it is sent, and its retry count from the
    // session when a try runs out; every request of this program uses the same count.
    transport.session->timeout = TimeoutMicroseconds(entry.target.Timeout);
    transport.session->retries = std::max(0, entry.target.Retries);
    if (snmp_sess_async_send(transport.handle, pdu, Trampoline, CallbackArgument(handle)) == 0) {
        const int status = NetSnmpStatus::FromLibraryError(transport.session->s_snmp_errno);
        snmp_free_pdu(pdu);
        return status != 0 ? status : -1;
    }
    entry.sent = true;
    entry.pdu = QxPdu{};
    entry.deadline = QDeadlineTimer(WatchdogMs(entry.target));
    return 0;
}

int QxSnmpSession::Impl::StartDiscovery(Transport& transport, const QxTarget& target)
{
    const QxRequestHandle handle = nextHandle++;
    Entry& probe = entries[handle];
    probe.probe = true;
    probe.transport = &transport;
    probe.target = target;
    if (const int status = Send(handle); status != 0) {
        entries.erase(handle);
        return status;
    }
    transport.probe = handle;
    return 0;
}

void QxSnmpSession::Impl::FinishDiscovery(Transport& transport, const Completion& completion)
{
    transport.probe = 0;
    if (completion.reason == 0) transport.engineId = completion.engineId;
    const std::vector<QxRequestHandle> waiting = std::move(transport.waitingForEngine);
    transport.waitingForEngine.clear();
    for (QxRequestHandle handle : waiting) {
        if (!entries.count(handle)) continue;  // cancelled meanwhile
        const int status = completion.reason == 0 ? Send(handle) : completion.reason;
        if (status != 0) Finish(entries.at(handle), Completion{handle, status, {}, {}});
    }
}

Completion QxSnmpSession::Impl::WaitFor(QxRequestHandle handle)
{
    Entry& entry = entries.at(handle);  // elements of an unordered_map stay where they are
    Transport& transport = *entry.transport;
    while (!entry.finished) {
        if (entry.deadline.hasExpired()) {
            Finish(entry, Completion{handle, GiveUpReason(entry), {}, {}});
            break;
        }
        // Only this transport's socket: answers to other requests on it are kept for the pump.
        pollfd readable{transport.fd, POLLIN, 0};
        const int waitMs = static_cast<int>(std::min<qint64>(10, std::max<qint64>(0, entry.deadline.remainingTime())));
        if (poll(&readable, 1, waitMs) > 0 && (readable.revents & (POLLIN | POLLERR))) {
            netsnmp_large_fd_set set;
            netsnmp_large_fd_set_init(&set, transport.fd + 1);
            NETSNMP_LARGE_FD_SET(transport.fd, &set);
            snmp_sess_read2(transport.handle, &set);
            netsnmp_large_fd_set_cleanup(&set);
        }
        snmp_sess_timeout(transport.handle);
    }
    Completion result = std::move(entry.result);
    entries.erase(handle);
    if (!completed.empty()) SnmpEventProcessor::Instance().TickSoon();
    return result;
}

int QxSnmpSession::Impl::DiscoverNow(Transport& transport, const QxTarget& target)
{
    const QxRequestHandle handle = nextHandle++;
    Entry& probe = entries[handle];
    probe.probe = true;
    probe.synchronous = true;
    probe.transport = &transport;
    probe.target = target;
    if (const int status = Send(handle); status != 0) {
        entries.erase(handle);
        return status;
    }
    const Completion result = WaitFor(handle);
    if (result.reason != 0) return result.reason;
    transport.engineId = result.engineId;
    return 0;
}

void QxSnmpSession::Impl::ReadReadySockets()
{
    std::vector<pollfd> sockets;
    std::vector<Transport*> owners;
    for (auto& [address, transport] : transports) {
        if (transport->fd < 0) continue;
        sockets.push_back({transport->fd, POLLIN, 0});
        owners.push_back(transport.get());
    }
    // Another look at the sockets costs a system call per round: it is taken only while more
    // answers may be waiting than have been read. A table walk has one exchange out at a time,
    // so its answer needs one look; a late or stray datagram wakes the pump's notifier again.
    const auto waiting = static_cast<size_t>(std::count_if(entries.begin(), entries.end(), [](const auto& item) {
        return item.second.sent && !item.second.finished;
    }));
    size_t read = 0;
    for (int round = 0; round < kMaxReadRounds && !sockets.empty(); ++round) {
        if (round > 0 && read >= waiting) break;
        if (poll(sockets.data(), sockets.size(), 0) <= 0) break;
        for (size_t i = 0; i < sockets.size(); ++i) {
            // A pending socket error is read (and so cleared) too, or the notifier would fire forever.
            if (!(sockets[i].revents & (POLLIN | POLLERR))) continue;
            ++read;
            netsnmp_large_fd_set set;
            netsnmp_large_fd_set_init(&set, sockets[i].fd + 1);
            NETSNMP_LARGE_FD_SET(sockets[i].fd, &set);
            snmp_sess_read2(owners[i]->handle, &set);
            netsnmp_large_fd_set_cleanup(&set);
        }
    }
}

void QxSnmpSession::Impl::ExpireOverdue()
{
    for (auto& [transportAddress, transport] : transports) snmp_sess_timeout(transport->handle);
    for (auto& [handle, entry] : entries) {
        if (entry.synchronous || entry.finished || !entry.sent || !entry.deadline.hasExpired()) continue;
        qCWarning(lcSession, "request to %s given up without word from net-snmp", qPrintable(entry.transport->address));
        Finish(entry, Completion{handle, GiveUpReason(entry), {}, {}});
    }
}

void QxSnmpSession::Impl::Deliver()
{
    while (!completed.empty()) {
        Completion completion = std::move(completed.front());
        completed.pop_front();
        const auto found = entries.find(completion.handle);
        if (found == entries.end()) continue;  // cancelled
        if (found->second.probe) {
            Transport& transport = *found->second.transport;
            entries.erase(found);
            FinishDiscovery(transport, completion);
            continue;
        }
        const QxAsyncCallback callback = std::move(found->second.callback);
        const QxTarget target = std::move(found->second.target);
        entries.erase(found);
        try {
            callback(completion.reason, completion.answer, target);
        } catch (const AppException& error) {
            qCWarning(lcSession, "request callback raised %d: %s", error.code(), qPrintable(error.message()));
        } catch (const std::exception& error) {
            qCWarning(lcSession, "request callback raised: %s", error.what());
        } catch (...) {
            qCWarning(lcSession, "request callback raised an unknown exception");
        }
    }
}

QxSnmpSession::QxSnmpSession() : d(std::make_unique<Impl>())
{
    g_session = d.get();
}

QxSnmpSession::~QxSnmpSession()
{
    g_session = nullptr;
}

QxSnmpSession& QxSnmpSession::Instance()
{
    static QxSnmpSession session;
    return session;
}

int QxSnmpSession::SyncRequest(const QxTarget& target, PduType type, const QxPdu& pdu, QxPdu& answer)
{
    answer = QxPdu{};
    if (!SessionExists()) return SnmpErr::ClassNotValid;
    if (target.Version != 0 && target.Version != 1 && target.Version != 3) return SnmpErr::InvalidTarget;
    Transport* transport = nullptr;
    if (const int status = d->TransportFor(target, transport); status != 0) return status;
    if (target.Version == 3 && transport->engineId.isEmpty()) {
        if (const int status = d->DiscoverNow(*transport, target); status != 0) return status;
    }

    const QxRequestHandle handle = d->nextHandle++;
    Entry& entry = d->entries[handle];
    entry.synchronous = true;
    entry.transport = transport;
    entry.target = target;
    entry.type = type;
    entry.pdu = pdu;
    if (const int status = d->Send(handle); status != 0) {
        d->entries.erase(handle);
        return status;
    }
    Completion result = d->WaitFor(handle);
    if (result.reason != SnmpErr::AnswerReceived) return result.reason;
    answer = std::move(result.answer);
    return 0;
}

int QxSnmpSession::AsyncRequest(const QxTarget& target, PduType type, const QxPdu& pdu, QxAsyncCallback callback,
                                QxRequestHandle* handle)
{
    if (handle) *handle = 0;
    if (!SessionExists()) return SnmpErr::ClassNotValid;
    if (!callback) return SnmpErr::NullCallback;
    if (target.Version != 0 && target.Version != 1 && target.Version != 3) return SnmpErr::InvalidTarget;
    Transport* transport = nullptr;
    if (const int status = d->TransportFor(target, transport); status != 0) return status;

    const QxRequestHandle created = d->nextHandle++;
    Entry& entry = d->entries[created];
    entry.transport = transport;
    entry.target = target;
    entry.type = type;
    entry.pdu = pdu;
    entry.callback = std::move(callback);

    int status = 0;
    if (target.Version == 3 && transport->engineId.isEmpty()) {
        transport->waitingForEngine.push_back(created);
        if (!transport->probe) status = d->StartDiscovery(*transport, target);
        if (status != 0) transport->waitingForEngine.pop_back();
    } else {
        status = d->Send(created);
    }
    if (status != 0) {
        d->entries.erase(created);
        return status;
    }
    if (handle) *handle = created;
    SnmpEventProcessor::Instance().Wake();
    return 0;
}

void QxSnmpSession::Cancel(QxRequestHandle handle)
{
    const auto found = d->entries.find(handle);
    if (found == d->entries.end() || found->second.probe || found->second.synchronous) return;
    // net-snmp keeps the request until it is answered or times out; the trampoline then finds
    // no entry for its handle and drops the outcome.
    d->entries.erase(found);
}

int QxSnmpSession::OutstandingCount() const
{
    return static_cast<int>(std::count_if(d->entries.begin(), d->entries.end(),
                                          [](const auto& item) { return !item.second.probe && !item.second.synchronous; }));
}

bool QxSnmpSession::HasPendingWork() const
{
    if (!d->entries.empty() || !d->completed.empty()) return true;
    for (const auto& [address, transport] : d->transports) {
        int fds = 0;
        int block = 1;
        timeval timeout{};
        netsnmp_large_fd_set set;
        netsnmp_large_fd_set_init(&set, FD_SETSIZE);
        snmp_sess_select_info2_flags(transport->handle, &fds, &set, &timeout, &block, NETSNMP_SELECT_NOALARMS);
        netsnmp_large_fd_set_cleanup(&set);
        if (!block) return true;  // net-snmp holds a request with a time-out
    }
    return false;
}

void QxSnmpSession::ProcessPendingEvents()
{
    if (d->processing) return;
    d->processing = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{d->processing};
    d->ReadReadySockets();
    d->ExpireOverdue();
    d->Deliver();
}

bool QxSnmpSession::Delivering() const
{
    return d->processing;
}

std::vector<int> QxSnmpSession::Descriptors() const
{
    std::vector<int> descriptors;
    for (const auto& [address, transport] : d->transports)
        if (transport->fd >= 0) descriptors.push_back(transport->fd);
    return descriptors;
}
