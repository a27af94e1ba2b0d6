// kavro-xb-sim: the virtual KAVRO-XB sensor on a pseudo-terminal.
#include <signal.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "pty_server.h"
#include "sim_options.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_babble = 0;

void OnSignal(int) {
  g_stop = 1;
}

// SIGUSR1 switches the babble on and off.
void OnUsr1(int) {
  g_babble = !g_babble;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const sim::SimOptions options = sim::ParseSimOptions(args);
  if (options.help) {
    std::fputs(sim::SimUsage().c_str(), stdout);
    return 0;
  }
  if (options.listModels) {
    std::fputs(sim::ModelList().c_str(), stdout);
    return 0;
  }
  if (!options.error.empty()) {
    std::fprintf(stderr, "kavro-xb-sim: %s (see --help)\n", options.error.c_str());
    return 2;
  }

  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  g_babble = options.sensor.faults.babble ? 1 : 0;
  action.sa_handler = OnUsr1;
  sigaction(SIGUSR1, &action, nullptr);
  return sim::ServePty(options, g_stop, g_babble);
}
