// ksw-sim: a simulated KSW-7116 switch. See docs/ksw-sim.md and `ksw-sim --help`.

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "agent.h"
#include "faults.h"
#include "options.h"
#include "request_log.h"
#include "state_file.h"
#include "switch_sim.h"

namespace {

int g_stopPipe[2] = {-1, -1};

void requestStop(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_stopPipe[1], &byte, 1);
}

bool installStopHandlers()
{
    if (pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    struct sigaction action{};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    return sigaction(SIGINT, &action, nullptr) == 0 && sigaction(SIGTERM, &action, nullptr) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace ksw::sim;
    const ParsedCommandLine parsed = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.help) {
        std::fputs(helpText().c_str(), stdout);
        return 0;
    }
    if (!parsed.options) {
        std::fprintf(stderr, "ksw-sim: %s\nTry 'ksw-sim --help'.\n", parsed.error.c_str());
        return 2;
    }
    const SimOptions& options = *parsed.options;

    SimSettings settings;
    settings.model = findModel(options.model);
    settings.seed = options.seed;
    settings.fdbEntries = options.fdbEntries;
    settings.clockRate = options.clockRate;
    settings.clockStartMs = options.clockStartSeconds * 1000;
    settings.disabledRules = options.disabledRules;
    SwitchSim sim(settings);

    if (!options.stateFile.empty()) {
        if (const auto error = loadState(options.stateFile, sim.store(), sim.model().name)) {
            if (error->line > 0)
                std::fprintf(stderr, "ksw-sim: cannot load the state file %s: line %d: %s\n", options.stateFile.c_str(),
                             error->line, error->message.c_str());
            else
                std::fprintf(stderr, "ksw-sim: cannot load the state file %s: %s\n", options.stateFile.c_str(),
                             error->message.c_str());
            return 1;
        }
    }

    RequestLog log;
    std::string why;
    if (!options.logFile.empty() && !log.open(options.logFile, &why)) {
        std::fprintf(stderr, "ksw-sim: cannot open the log file %s: %s\n", options.logFile.c_str(), why.c_str());
        return 1;
    }
    if (!installStopHandlers()) {
        std::perror("ksw-sim: signal handlers");
        return 1;
    }

    Faults faults(options.faults, options.seed);
    Agent agent(sim, options, log, faults);
    if (!agent.start(&why)) {
        std::fprintf(stderr, "ksw-sim: %s\n", why.c_str());
        return 1;
    }
    std::printf("ksw-sim listening on %s\n", agent.listeningOn().c_str());
    std::fflush(stdout);
    if (log.isOpen()) log.write("start " + sim.model().name + " listening on " + agent.listeningOn());

    agent.run(g_stopPipe[0]);

    agent.shutdown();
    if (log.isOpen()) log.write("stop");
    log.close();
    return 0;
}
