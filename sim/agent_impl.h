#pragma once
// The agent's internals, shared by agent.cpp (start-up, the packet hooks, the main loop) and
// agent_requests.cpp (the MIB handler: get, get-next and the phases of a set).

#include <chrono>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>

#include "agent.h"
#include "set_transaction.h"
#include "value.h"
// net-snmp's headers last: their macros upset standard headers included after them.
#include "netsnmp.h"

namespace ksw::sim {

class Faults;
class RequestLog;
class SwitchSim;
struct SimOptions;

struct Agent::Impl {
    // A request held back by --delay. The request waits rather than its answer: the agent
    // library keeps the packet it builds for an answer in the session, so answers cannot be
    // held back and sent out of order.
    struct DelayedRequest {
        std::chrono::steady_clock::time_point due;
        netsnmp_session* session;
        netsnmp_pdu* pdu;  // our copy
    };
    // The SET being processed: net-snmp calls the handler once per registration and mode, so
    // the transaction collects every varbind before any is applied.
    struct PendingSet {
        const void* agentSession;
        long requestId;
        SetTransaction transaction;
        bool prepared = false;
        bool saved = false;
        bool saveFailed = false;
        bool failureReported = false;
    };

    SwitchSim& sim;
    const SimOptions& options;
    RequestLog& log;
    Faults& faults;
    std::filesystem::path workDir;
    netsnmp_session* session = nullptr;
    netsnmp_callback libraryCallback = nullptr;
    std::string boundAddress;
    std::deque<DelayedRequest> delayed;
    std::optional<PendingSet> pendingSet;
    bool running = false;

    Impl(SwitchSim& s, const SimOptions& o, RequestLog& l, Faults& f) : sim(s), options(o), log(l), faults(f) {}

    bool writeConfiguration(std::string* error);
    bool start(std::string* error);
    void shutdown();
    void run(int stopFd);

    int onPacket(int op, netsnmp_session* s, int reqid, netsnmp_pdu* pdu, void* magic);
    int answerRequest(netsnmp_session* s, netsnmp_pdu* pdu, void* magic);
    int send(netsnmp_session* s, netsnmp_pdu* pdu);
    void respondTooBig(netsnmp_session* s, const netsnmp_pdu* request);
    void answerDelayedRequests(bool all);

    int handle(netsnmp_handler_registration* reg, netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    void handleGet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    void handleGetNext(netsnmp_handler_registration* reg, netsnmp_agent_request_info* reqinfo,
                       netsnmp_request_info* requests);
    void handleSet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    void answer(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* request, const Oid& instance, Value value);
    bool respondEndOfMibView(netsnmp_session* s, const netsnmp_pdu* request);
    void saveStateFile(PendingSet& set);
};

}  // namespace ksw::sim
