// Serves the virtual sensor on a pseudo-terminal linked as <dir>/COM<n>, for
// the demo and the end-to-end tests.
#pragma once

#include <csignal>
#include <string>

#include "sim_options.h"

namespace sim {

// Serves until stop becomes non-zero (set from a signal handler); the sensor
// babbles while babble is non-zero. Returns the process exit code.
int ServePty(const SimOptions& options, volatile std::sig_atomic_t& stop,
             volatile std::sig_atomic_t& babble);

// Baud rate of a termios speed constant; 0 when it is none of the usual ones.
long BaudOfSpeed(unsigned speed);

}  // namespace sim
