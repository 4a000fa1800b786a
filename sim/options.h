#pragma once
// ksw-sim's command line.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "faults.h"

namespace ksw::sim {

struct UserAccount {
    std::string name;
    std::string auth;  // "MD5" or "SHA"
    std::string authPassword;
    std::string priv;  // "DES", "AES" or "" for none
    std::string privPassword;
    bool readWrite = true;
};

struct SimOptions {
    std::string listenHost = "127.0.0.1";
    int listenPort = 1161;
    bool ipv6 = false;
    std::string model = "KSW-7116";
    std::string readCommunity = "mirepo";
    std::string writeCommunity = "wrilato";
    std::vector<UserAccount> users;  // the two default users unless --user is given
    std::string stateFile;
    std::string logFile;
    uint64_t seed = 1;
    int fdbEntries = 50;
    FaultSettings faults;
    double clockRate = 1.0;
    uint64_t clockStartSeconds = 0;
    std::set<std::string> disabledRules;  // --rule NAME=off

    // "udp:127.0.0.1:1161" or "udp6:[::1]:1161", the form net-snmp listens on.
    std::string listenAddress() const;
};

struct ParsedCommandLine {
    std::optional<SimOptions> options;  // unset on --help or an error
    bool help = false;
    std::string error;
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);
std::string helpText();

}  // namespace ksw::sim
