#pragma once
// The process-wide SNMP session on net-snmp, the targets built from an agent profile, and
// the event pump that delivers every asynchronous answer on the GUI thread.
//
// Status numbers returned here follow the numbering MapSnmpError expects:
// 0 success, -1..-23 library errors (-5 time-out, -6 a response arrived, -8 the session
// closed with the request outstanding), 1401..1414 USM errors, -1402..-1418 message-processing
// errors, and 1..18 for a response's error status.
//
// The agent's refusals of an SNMPv3 request arrive as their USM or message-processing
// numbers: 1404 unknown user, 1408 wrong password (wrong digest), 1410 unknown engine ID,
// 1406 decryption error, 1411 not in time window, -1417 unknown context. A wrong community is
// silently dropped by agents and therefore ends in a time-out (-5).

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "profile.h"
#include "vb.h"

enum class PduType { Get, GetNext, Set };

struct QxPdu {
    std::vector<QxVb> Vbs;
    // Security fields, set on every PDU before its bindings are added.
    int32_t SecurityLevel = 1;
    QString ContextName;
    // Hexadecimal text (5 to 32 octets, "0x" allowed) is sent as those octets, any other text
    // as it stands; empty means the agent's own engine ID.
    QString ContextEngineId;
    // Filled in answers.
    int32_t ErrorStatus = 0;
    int32_t ErrorIndex = 0;
};

// Where and how to send: built from a profile; communities for v1/v2c, a USM user for v3.
struct QxTarget {
    QxSNMPDevice Device;
    uint8_t Version = 0;
    int32_t Retries = 1;
    int32_t Timeout = 100;  // hundredths of a second
    QString ReadCommunity;
    QString WriteCommunity;
    int32_t SecurityModel = 1;
    QString SecurityName;
    // The transport address handed to net-snmp ("udp:192.0.2.7:161"), host names resolved.
    // Filled by BuildTarget; when empty, the session works it out from Device.
    QString TransportAddress;
};

// Builds a target from a request's copy of the profile. Raises -509 when address and port are
// not a valid UDP address; for version 3 registers the USM user (the latest registration wins).
QxTarget BuildTarget(const QxSNMPProfile& profile, int32_t timeout, int32_t retries);

// Sets the security fields of a PDU from a profile.
void SetPduSecurity(QxPdu& pdu, const QxSNMPProfile& profile);

// Creates the session: local engine ID "QxSNMP_PP_Application", boot counter file
// "QxSNMP_PP_BootCounter" in 'directory', default profile installed, pump started.
// Raises -506, -507 or -508.
void CreateSession(const QString& directory);
bool SessionExists();
// Path of the boot counter file for a directory, by the library's rule.
QString BootCounterPath(const QString& directory);

using QxRequestHandle = uint64_t;
// reason: -6 answer received ('answer' holds it; its ErrorStatus may still be an agent's
// error); any other reason means the exchange failed and 'answer' is empty: -5 time-out,
// -8 session closing, or another status above (an unknown user, a wrong password...), to be
// mapped with MapSnmpError.
using QxAsyncCallback = std::function<void(int reason, const QxPdu& answer, const QxTarget& target)>;

class QxSnmpSession {
public:
    static QxSnmpSession& Instance();

    // Sends and waits; returns the send status (see above) and fills 'answer'. Waits for the
    // target's time-out once per try (Retries + 1 tries) and never longer; no asynchronous
    // callback runs meanwhile (answers to them are kept for the pump).
    int SyncRequest(const QxTarget& target, PduType type, const QxPdu& pdu, QxPdu& answer);
    // Sends without waiting; the callback runs later from the event pump, never from inside
    // this call. Returns the send status; on a non-zero status no callback follows. 'handle'
    // identifies the exchange for Cancel.
    int AsyncRequest(const QxTarget& target, PduType type, const QxPdu& pdu, QxAsyncCallback callback,
                     QxRequestHandle* handle = nullptr);
    // Detaches an outstanding exchange: its answer, if it ever comes, is dropped.
    void Cancel(QxRequestHandle handle);
    // Asynchronous exchanges whose callback has not run yet (cancelled ones excluded).
    int OutstandingCount() const;

    // Handles every datagram and time-out that is pending, without waiting, then runs the
    // callbacks of the finished exchanges. Does nothing when called from inside a callback.
    void ProcessPendingEvents();
    // True while ProcessPendingEvents runs (a callback is on the stack): no other answer can be
    // delivered until it returns, so waiting for one from here would wait in vain.
    bool Delivering() const;

    // The sockets of the session, one per agent transport, for the pump to watch.
    std::vector<int> Descriptors() const;
    // True while an exchange is unfinished or a finished one waits for its callback (net-snmp's
    // own retries of cancelled exchanges included): only then do time-outs need a clock.
    bool HasPendingWork() const;

    struct Impl;  // in session.cpp; named here for net-snmp's callback there

private:
    QxSnmpSession();
    ~QxSnmpSession();
    std::unique_ptr<Impl> d;
};

// Drives ProcessPendingEvents: at once when a session socket is readable, and by a 20 ms timer
// for time-outs and retries while the session has pending work (an idle pump wakes nobody).
// Callbacks therefore run only on the GUI thread and never nested.
class SnmpEventProcessor : public QObject {
    Q_OBJECT
public:
    static SnmpEventProcessor& Instance();
    void Start();
    void Stop();
    bool IsRunning() const;

    // Keeps one read notifier per session socket; called when sockets come and go.
    void SyncNotifiers();
    // Asks for a tick as soon as the event loop runs (answers were kept during a wait).
    void TickSoon();
    // An exchange was started: its time-outs need the timer.
    void Wake();

private:
    SnmpEventProcessor();
    ~SnmpEventProcessor() override;
    void Tick();
    static void ReleaseWithApplication();
    struct Impl;
    std::unique_ptr<Impl> d;
};
