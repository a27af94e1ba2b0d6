// Command line of kavro-xb-sim: which sensor it pretends to be, how it
// misbehaves, and where it links its pseudo-terminal.
#pragma once

#include <string>
#include <vector>

#include "sensor_engine.h"

namespace sim {

struct SimOptions {
  SensorConfig sensor;
  std::string dir = ".";  // the link COM<port> is made here
  int port = 1;
  bool immediate = false;  // answer at once instead of at the line rate
  bool anyRate = false;    // answer whatever rate the program set on the line
  bool spin = false;       // watch the line without sleeping (timing measurements)
  bool verbose = true;     // one line per received request frame on stdout
  bool help = false;
  bool listModels = false;
  std::string error;  // not empty when the command line was not understood
};

SimOptions ParseSimOptions(const std::vector<std::string>& args);
std::string SimUsage();
std::string ModelList();

}  // namespace sim
