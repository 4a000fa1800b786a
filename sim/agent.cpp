#include "agent.h"

#include <arpa/inet.h>
#include <dlfcn.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>

#include "faults.h"
#include "options.h"
#include "request_log.h"
#include "switch_sim.h"
// Last: net-snmp's headers come with it.
#include "agent_impl.h"
#include "pdu_text.h"

namespace ksw::sim {

namespace {

constexpr const char* kAppName = "ksw-sim";
using Clock = std::chrono::steady_clock;
using SendFunction = int (*)(netsnmp_session*, netsnmp_pdu*);

// net-snmp's callbacks carry no pointer of ours for the session and for snmp_send, and there
// is one agent per process.
Agent::Impl* g_agent = nullptr;

SendFunction librarySnmpSend()
{
    static const auto real = reinterpret_cast<SendFunction>(dlsym(RTLD_NEXT, "snmp_send"));
    if (!real) {
        std::fprintf(stderr, "ksw-sim: cannot find net-snmp's snmp_send\n");
        std::abort();
    }
    return real;
}

}  // namespace


namespace {

int packetCallback(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic)
{
    return g_agent->onPacket(op, session, reqid, pdu, magic);
}

int mibHandler(netsnmp_mib_handler* handler, netsnmp_handler_registration* reg,
               netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    return static_cast<Agent::Impl*>(handler->myvoid)->handle(reg, reqinfo, requests);
}

std::string quotedWord(const std::string& word)
{
    return "\"" + word + "\"";  // options.cpp refuses quotes and backslashes inside
}

}  // namespace

}  // namespace ksw::sim

// The agent library has no hook on the responses it sends. This definition takes the place of
// net-snmp's snmp_send for the whole process (the agent library calls it through the dynamic
// linker), so that every response is logged; it then hands the PDU to the library's own function.
extern "C" int snmp_send(netsnmp_session* session, netsnmp_pdu* pdu)
{
    if (ksw::sim::g_agent) return ksw::sim::g_agent->send(session, pdu);
    return ksw::sim::librarySnmpSend()(session, pdu);
}

namespace ksw::sim {

bool Agent::Impl::writeConfiguration(std::string* error)
{
    std::error_code ec;
    std::filesystem::create_directories(workDir / "conf", ec);
    std::filesystem::create_directories(workDir / "persist", ec);
    std::ofstream conf(workDir / "conf" / (std::string(kAppName) + ".conf"));
    const char* six = options.ipv6 ? "6" : "";
    // The engine ID the agent uses in its messages is the snmpEngineID the MIB shows (and the
    // one that indexes the USM user table), so that a manager sees one switch.
    conf << "exactEngineID 0x" << hexText(sim.engineId()) << "\n";
    if (options.readCommunity != options.writeCommunity)
        conf << "rocommunity" << six << " " << quotedWord(options.readCommunity) << " default\n";
    conf << "rwcommunity" << six << " " << quotedWord(options.writeCommunity) << " default\n";
    for (const UserAccount& user : options.users) {
        conf << "createUser " << quotedWord(user.name) << " " << user.auth << " " << quotedWord(user.authPassword);
        if (!user.priv.empty()) conf << " " << user.priv << " " << quotedWord(user.privPassword);
        conf << "\n";
        conf << (user.readWrite ? "rwuser " : "rouser ") << user.name << (user.priv.empty() ? " auth" : " priv") << "\n";
    }
    // No MIB files: the agent serves numeric OIDs only.
    std::ofstream library(workDir / "conf" / "snmp.conf");
    library << "mibs :\n";
    if (!conf || !library) {
        if (error) *error = "cannot write the agent configuration in " + workDir.string();
        return false;
    }
    return true;
}

bool Agent::Impl::start(std::string* error)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ksw-sim-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        if (error) *error = std::string("cannot create a temporary folder: ") + std::strerror(errno);
        return false;
    }
    workDir = pattern;
    if (!writeConfiguration(error)) return false;

    // Warnings and errors only: the library's notes ("Created directory", "Connection from")
    // would bury what matters.
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_WARNING);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    const std::string confDir = (workDir / "conf").string();
    const std::string persistDir = (workDir / "persist").string();
    const std::string listenAt = options.listenAddress();
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, confDir.c_str());
    // The library reads SNMPCONFPATH instead of the folder above when it is set: the agent's
    // generated configuration (communities, users, views) would be missed and every request
    // dropped. Scripts set it for net-snmp's tools running beside the simulator.
    unsetenv("SNMPCONFPATH");
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, persistDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, listenAt.c_str());

    g_agent = this;
    init_agent(kAppName);
    init_vacm_conf();
    init_vacm_config_tokens();
    init_usmStats();
    init_usmUser();
    init_vacm_vars();
    init_vacm_context();
    for (const Oid& root : sim.store().subtreeRoots()) {
        std::vector<oid> arcs(root.begin(), root.end());
        netsnmp_handler_registration* reg =
            netsnmp_create_handler_registration(kAppName, mibHandler, arcs.data(), arcs.size(), HANDLER_CAN_RWRITE);
        reg->handler->myvoid = this;
        if (netsnmp_register_handler(reg) != MIB_REGISTERED_OK) {
            if (error) *error = "cannot register " + oidText(root);
            return false;
        }
    }
    init_snmp(kAppName);
    // No SMUX peer socket (TCP port 199): ksw-sim listens on the one address it is given.
    char noSmux[] = "-smux";
    add_to_init_list(noSmux);
    if (init_master_agent() != 0 || !main_session) {
        if (error) *error = "cannot listen on " + listenAt;
        return false;
    }
    running = true;
    session = main_session;
    libraryCallback = session->callback;
    session->callback = packetCallback;

    netsnmp_transport* transport = snmp_sess_transport(snmp_sess_pointer(session));
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (!transport || getsockname(transport->sock, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (error) *error = "cannot read the bound address";
        return false;
    }
    char host[INET6_ADDRSTRLEN] = {};
    int port = 0;
    if (address.ss_family == AF_INET6) {
        const auto* a = reinterpret_cast<const sockaddr_in6*>(&address);
        inet_ntop(AF_INET6, &a->sin6_addr, host, sizeof host);
        port = ntohs(a->sin6_port);
        boundAddress = "udp6:[" + std::string(host) + "]:" + std::to_string(port);
    } else {
        const auto* a = reinterpret_cast<const sockaddr_in*>(&address);
        inet_ntop(AF_INET, &a->sin_addr, host, sizeof host);
        port = ntohs(a->sin_port);
        boundAddress = "udp:" + std::string(host) + ":" + std::to_string(port);
    }
    return true;
}

void Agent::Impl::run(int stopFd)
{
    while (true) {
        int fds = 0;
        int block = 0;
        fd_set readable;
        FD_ZERO(&readable);
        timeval timeout{0, 200000};  // alarms and delayed answers are looked at least this often
        snmp_select_info(&fds, &readable, &timeout, &block);
        FD_SET(stopFd, &readable);
        fds = std::max(fds, stopFd + 1);
        if (!delayed.empty()) {
            const auto wait = std::chrono::duration_cast<std::chrono::microseconds>(delayed.front().due - Clock::now());
            const long micros = std::max<long>(0, static_cast<long>(wait.count()));
            if (block || micros < timeout.tv_sec * 1000000L + timeout.tv_usec) timeout = {micros / 1000000, micros % 1000000};
        } else if (block || timeout.tv_sec > 0 || timeout.tv_usec > 200000) {
            timeout = {0, 200000};
        }
        const int count = select(fds, &readable, nullptr, nullptr, &timeout);
        if (count < 0) {
            if (errno == EINTR) continue;
            std::perror("ksw-sim: select");
            return;
        }
        if (FD_ISSET(stopFd, &readable)) return;
        if (count > 0) snmp_read(&readable);
        else snmp_timeout();
        run_alarms();
        netsnmp_check_outstanding_agent_requests();
        answerDelayedRequests(false);
    }
}

void Agent::Impl::shutdown()
{
    if (g_agent != this) return;
    // Requests already received are answered (and their sets kept) rather than lost.
    answerDelayedRequests(true);
    if (running) {
        snmp_shutdown(kAppName);
        shutdown_master_agent();
        shutdown_agent();
    }
    running = false;
    g_agent = nullptr;
    std::error_code ec;
    if (!workDir.empty()) std::filesystem::remove_all(workDir, ec);
}

int Agent::Impl::onPacket(int op, netsnmp_session* s, int reqid, netsnmp_pdu* pdu, void* magic)
{
    if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !pdu) return libraryCallback(op, s, reqid, pdu, magic);
    if (pdu->version == SNMP_VERSION_3 && s->s_snmp_errno == SNMPERR_USM_AUTHENTICATIONFAILURE) {
        // The library has already answered with a report; the PDU itself could not be read.
        if (log.isOpen()) log.write("refused " + pduOriginText(pdu) + " authentication failure");
        return libraryCallback(op, s, reqid, pdu, magic);
    }
    if (log.isOpen()) log.write("recv " + pduText(pdu));
    // The library frees the request once this returns; a dropped one is simply not answered.
    if (faults.dropNext()) {
        if (log.isOpen()) log.write("drop reqid=" + std::to_string(pdu->reqid));
        return 1;
    }
    if (faults.delayMs() > 0) {
        if (netsnmp_pdu* copy = snmp_clone_pdu(pdu)) {
            delayed.push_back({Clock::now() + std::chrono::milliseconds(faults.delayMs()), s, copy});
            return 1;
        }
    }
    return answerRequest(s, pdu, magic);
}

int Agent::Impl::answerRequest(netsnmp_session* s, netsnmp_pdu* pdu, void* magic)
{
    int varbinds = 0;
    for (const netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable) ++varbinds;
    if (faults.tooBig(varbinds)) {
        respondTooBig(s, pdu);
        return 1;
    }
    if (respondEndOfMibView(s, pdu)) return 1;
    return libraryCallback(NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, s, pdu->reqid, pdu, magic);
}

void Agent::Impl::respondTooBig(netsnmp_session* s, const netsnmp_pdu* request)
{
    netsnmp_pdu* response = snmp_clone_pdu(const_cast<netsnmp_pdu*>(request));
    if (!response) return;
    response->command = SNMP_MSG_RESPONSE;
    response->errstat = SNMP_ERR_TOOBIG;
    response->errindex = 0;
    // RFC 3416 answers tooBig with no varbinds; RFC 1157 with the request's own.
    if (request->version != SNMP_VERSION_1) {
        snmp_free_varbind(response->variables);
        response->variables = nullptr;
    }
    if (!snmp_send(s, response)) snmp_free_pdu(response);
}

int Agent::Impl::send(netsnmp_session* s, netsnmp_pdu* pdu)
{
    if (pdu && (pdu->command == SNMP_MSG_RESPONSE || pdu->command == SNMP_MSG_REPORT) && log.isOpen())
        log.write("send " + pduText(pdu));
    return librarySnmpSend()(s, pdu);
}

void Agent::Impl::answerDelayedRequests(bool all)
{
    while (!delayed.empty() && (all || delayed.front().due <= Clock::now())) {
        const DelayedRequest d = delayed.front();
        delayed.pop_front();
        answerRequest(d.session, d.pdu, nullptr);
        snmp_free_pdu(d.pdu);
    }
}

Agent::Agent(SwitchSim& sim, const SimOptions& options, RequestLog& log, Faults& faults)
    : d_(std::make_unique<Impl>(sim, options, log, faults))
{
}

Agent::~Agent()
{
    d_->shutdown();
}

bool Agent::start(std::string* error)
{
    return d_->start(error);
}

std::string Agent::listeningOn() const
{
    return d_->boundAddress;
}

void Agent::run(int stopFd)
{
    d_->run(stopFd);
}

void Agent::shutdown()
{
    d_->shutdown();
}

}  // namespace ksw::sim
