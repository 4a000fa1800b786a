#pragma once
// ksw-sim's SNMP agent: net-snmp's agent library as a master agent on one UDP address, one
// handler registered over every subtree the object store holds, communities and USM users
// from the command line (a generated configuration in a private temporary folder), the
// request log and the fault options.

#include <memory>
#include <string>

namespace ksw::sim {

class Faults;
class RequestLog;
class SwitchSim;
struct SimOptions;

class Agent {
public:
    Agent(SwitchSim& sim, const SimOptions& options, RequestLog& log, Faults& faults);
    ~Agent();
    Agent(const Agent&) = delete;
    Agent& operator=(const Agent&) = delete;

    // Configures net-snmp and opens the listening socket; false with the reason otherwise.
    bool start(std::string* error);
    // "udp:127.0.0.1:34567": the address actually bound (port 0 resolved).
    std::string listeningOn() const;
    // Serves requests until stopFd becomes readable (a signal handler writes to it).
    void run(int stopFd);
    // Sends nothing more, shuts net-snmp down and removes the temporary folder.
    void shutdown();

    struct Impl;

private:
    std::unique_ptr<Impl> d_;
};

}  // namespace ksw::sim
