#include "options.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <set>

#include "behaviour.h"
#include "switch_model.h"

namespace ksw::sim {

namespace {

const char* const kHelp = R"(Usage: ksw-sim [OPTION]...
A simulated KSW-7116 (or KSW-7110) switch: an SNMP v1, v2c and v3 agent that serves what the
KSW-7100-16 management module reads and writes.

  --listen ADDR:PORT       UDP address to listen on (default 127.0.0.1:1161); port 0 picks a
                           free port; IPv6 as [ADDR]:PORT. Only this address is served.
  --model MODEL            KSW-7116 (16 ports, ports 15 and 16 combo) or KSW-7110 (10 ports)
                           (default KSW-7116)
  --read-community C       community with read access (default "mirepo")
  --write-community C      community with read and write access (default "wrilato")
  --user NAME:AUTH:AUTHPASS:PRIV:PRIVPASS[:ro|rw]
                           an SNMPv3 user (repeatable). AUTH is MD5 or SHA, PRIV DES, AES or
                           none (then PRIVPASS stays empty); passwords have at least 8
                           characters; rw unless :ro is given. A user with privacy must use
                           authPriv, one without it authNoPriv. Without --user:
                             admin   SHA "adminauth123", DES "adminpriv123", read-write
                             monitor MD5 "monitorauth1", no privacy, read-only
  --state FILE             keep writes in FILE: loaded at start (a corrupt file stops ksw-sim
                           with its line number), rewritten atomically after every successful
                           set (default: writes are lost at exit)
  --log FILE               append one line per PDU received and sent to FILE
  --seed N                 seed of everything simulated (default 1): the same seed gives the
                           same ports, addresses and faults
  --fdb-entries N          learned MAC addresses in dot1qTpFdbTable, 0-100000 (default 50)

Faults (all off by default, deterministic under --seed):
  --drop PERCENT           drop this share of requests (0-100), drawn per request in order
  --delay MS               answer every request MS milliseconds late (0-60000)
  --too-big N              answer tooBig to requests with more than N varbinds
  --fault OID=KIND         for instances under OID answer KIND (repeatable; the longest prefix
                           wins):
                             genErr, noSuchName      that error status (gets and sets)
                             noSuchObject, noSuchInstance, endOfMibView
                                                     that exception value instead of the value
                                                     (v2c, v3; v1 gets noSuchName)
                             wrongType               a value of another SMI type
                             short, short:N          an octet string cut to half its length,
                                                     or to N octets
                             empty                   an octet string without octets
                             tooBig, notWritable, wrongValue, authorizationError
                                                     that error status to a set, which applies
                                                     nothing of it (gets answer as usual)

Simulation clock:
  --clock-rate R           simulated seconds per real second (default 1; 0 stops the clock)
  --clock-start SECONDS    simulated time since power-on at start (default 0)
  Port links go up and down every few minutes of simulated time.

The switch's own behaviour (every rule on by default):
  --rule NAME=off|on       switch a rule off or on again (repeatable; the last one counts):
)";

const char* const kHelpEnd = R"(
  -h, --help               show this text and exit

When ready, ksw-sim prints "ksw-sim listening on udp:ADDR:PORT" on standard output. It stops
cleanly on SIGINT and SIGTERM. Exit status: 0 after a signal, 1 when it cannot start (address
in use, unreadable or corrupt state file), 2 for a bad command line.
)";

bool hasForbiddenCharacters(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x20 || c == 0x7f || c == '"' || c == '\\'; });
}

template <typename T>
bool numberOf(const std::string& text, T& out)
{
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return parts;
        start = at + 1;
    }
}

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::optional<UserAccount> parseUser(const std::string& text, std::string& error)
{
    const std::vector<std::string> parts = split(text, ':');
    auto fail = [&](const std::string& why) -> std::optional<UserAccount> {
        error = "--user " + text + ": " + why;
        return std::nullopt;
    };
    if (parts.size() < 4 || parts.size() > 6) return fail("expected NAME:AUTH:AUTHPASS:PRIV:PRIVPASS[:ro|rw]");
    UserAccount user;
    user.name = parts[0];
    user.auth = upper(parts[1]);
    user.authPassword = parts[2];
    user.priv = upper(parts[3]);
    user.privPassword = parts.size() > 4 ? parts[4] : "";
    if (user.name.empty() || hasForbiddenCharacters(user.name) || user.name.find(' ') != std::string::npos)
        return fail("bad user name");
    if (user.auth != "MD5" && user.auth != "SHA") return fail("AUTH must be MD5 or SHA");
    if (user.authPassword.size() < 8) return fail("the authentication password needs at least 8 characters");
    if (hasForbiddenCharacters(user.authPassword) || hasForbiddenCharacters(user.privPassword))
        return fail("passwords cannot hold quotes, backslashes or control characters");
    if (user.priv == "NONE") {
        user.priv.clear();
        if (!user.privPassword.empty()) return fail("a privacy password without a privacy protocol");
    } else if (user.priv == "DES" || user.priv == "AES") {
        if (user.privPassword.size() < 8) return fail("the privacy password needs at least 8 characters");
    } else {
        return fail("PRIV must be DES, AES or none");
    }
    if (parts.size() == 6) {
        if (parts[5] == "ro") user.readWrite = false;
        else if (parts[5] != "rw") return fail("access must be ro or rw");
    }
    return user;
}

bool parseListen(const std::string& text, SimOptions& options, std::string& error)
{
    error = "--listen " + text + ": expected ADDR:PORT or [IPV6]:PORT";
    std::string host, port;
    if (!text.empty() && text.front() == '[') {
        const auto close = text.find("]:");
        if (close == std::string::npos) return false;
        host = text.substr(1, close - 1);
        port = text.substr(close + 2);
        in6_addr address{};
        if (inet_pton(AF_INET6, host.c_str(), &address) != 1) return false;
        options.ipv6 = true;
    } else {
        const auto colon = text.rfind(':');
        if (colon == std::string::npos) return false;
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        in_addr address{};
        if (inet_pton(AF_INET, host.c_str(), &address) != 1) {
            error = "--listen " + text + ": " + host + " is not an IPv4 address";
            return false;
        }
        options.ipv6 = false;
    }
    int number = -1;
    if (!numberOf(port, number) || number < 0 || number > 65535) {
        error = "--listen " + text + ": bad port " + port;
        return false;
    }
    options.listenHost = host;
    options.listenPort = number;
    return true;
}

bool isValidCommunity(const std::string& community)
{
    return !community.empty() && community.size() <= 64 && !hasForbiddenCharacters(community);
}

}  // namespace

std::string SimOptions::listenAddress() const
{
    if (ipv6) return "udp6:[" + listenHost + "]:" + std::to_string(listenPort);
    return "udp:" + listenHost + ":" + std::to_string(listenPort);
}

std::string helpText()
{
    // Each rule's name, then its effect wrapped under it within the width of the text above.
    const std::string nameIndent(29, ' ');
    const std::string effectIndent(31, ' ');
    constexpr size_t kWidth = 95;
    std::string text = kHelp;
    for (const RuleInfo& rule : knownRules()) {
        text += nameIndent + rule.name + "\n";
        std::string line = effectIndent;
        for (const std::string& word : split(rule.effect, ' ')) {
            if (line.size() > effectIndent.size() && line.size() + 1 + word.size() > kWidth) {
                text += line + "\n";
                line = effectIndent;
            }
            line += (line.size() > effectIndent.size() ? " " : "") + word;
        }
        text += line + "\n";
    }
    return text + kHelpEnd;
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args)
{
    ParsedCommandLine result;
    SimOptions options;
    std::set<std::string> userNames;
    auto fail = [&](const std::string& why) {
        result.error = why;
        return result;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        if (name == "-h" || name == "--help") {
            result.help = true;
            return result;
        }
        static const std::set<std::string> known = {
            "--listen", "--model", "--read-community", "--write-community", "--user", "--state", "--log",
            "--seed", "--fdb-entries", "--drop", "--delay", "--too-big", "--fault", "--clock-rate", "--clock-start", "--rule"};
        if (!known.count(name)) return fail("unknown option " + args[i]);
        std::string value;
        if (inlineValue) {
            value = *inlineValue;
        } else {
            if (i + 1 >= args.size()) return fail(name + " needs a value");
            value = args[++i];
        }

        if (name == "--listen") {
            std::string why;
            if (!parseListen(value, options, why)) return fail(why);
        } else if (name == "--model") {
            if (!findModel(value)) return fail("--model " + value + ": KSW-7116 or KSW-7110 expected");
            options.model = value;
        } else if (name == "--read-community" || name == "--write-community") {
            if (!isValidCommunity(value))
                return fail(name + ": 1 to 64 characters without quotes, backslashes or control characters");
            (name == "--read-community" ? options.readCommunity : options.writeCommunity) = value;
        } else if (name == "--user") {
            std::string why;
            auto user = parseUser(value, why);
            if (!user) return fail(why);
            if (!userNames.insert(user->name).second) return fail("--user " + user->name + " given twice");
            options.users.push_back(*user);
        } else if (name == "--state") {
            if (value.empty()) return fail("--state needs a file name");
            options.stateFile = value;
        } else if (name == "--log") {
            if (value.empty()) return fail("--log needs a file name");
            options.logFile = value;
        } else if (name == "--seed") {
            if (!numberOf(value, options.seed)) return fail("--seed " + value + ": not a number");
        } else if (name == "--fdb-entries") {
            if (!numberOf(value, options.fdbEntries) || options.fdbEntries < 0 || options.fdbEntries > 100000)
                return fail("--fdb-entries " + value + ": 0 to 100000 expected");
        } else if (name == "--drop") {
            int& p = options.faults.dropPercent;
            if (!numberOf(value, p) || p < 0 || p > 100) return fail("--drop " + value + ": 0 to 100 expected");
        } else if (name == "--delay") {
            int& d = options.faults.delayMs;
            if (!numberOf(value, d) || d < 0 || d > 60000) return fail("--delay " + value + ": 0 to 60000 expected");
        } else if (name == "--too-big") {
            int& n = options.faults.tooBigAbove;
            if (!numberOf(value, n) || n < 1) return fail("--too-big " + value + ": a number of varbinds, 1 or more");
        } else if (name == "--fault") {
            std::string why;
            auto fault = parsePrefixFault(value, &why);
            if (!fault) return fail("--fault: " + why);
            options.faults.prefixes.push_back(*fault);
        } else if (name == "--clock-rate") {
            char* end = nullptr;
            options.clockRate = std::strtod(value.c_str(), &end);
            if (value.empty() || *end || !(options.clockRate >= 0) || options.clockRate > 1e6)
                return fail("--clock-rate " + value + ": 0 to 1000000 expected");
        } else if (name == "--rule") {
            const auto eq = value.find('=');
            const std::string rule = value.substr(0, eq);
            const std::string state = eq == std::string::npos ? "" : value.substr(eq + 1);
            if (!isKnownRule(rule)) return fail("--rule " + value + ": unknown rule \"" + rule + "\" (see --help)");
            if (state == "off") options.disabledRules.insert(rule);
            else if (state == "on") options.disabledRules.erase(rule);
            else return fail("--rule " + value + ": NAME=off or NAME=on expected");
        } else if (name == "--clock-start") {
            if (!numberOf(value, options.clockStartSeconds) || options.clockStartSeconds > 100000000000ULL)
                return fail("--clock-start " + value + ": seconds expected");
        }
    }
    if (options.users.empty()) {
        options.users.push_back({"admin", "SHA", "adminauth123", "DES", "adminpriv123", true});
        options.users.push_back({"monitor", "MD5", "monitorauth1", "", "", false});
    }
    result.options = options;
    return result;
}

}  // namespace ksw::sim
