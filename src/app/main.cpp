// Entry point: read the command line, start the desktop front end, run the
// program, report its result.
#include <cstdio>

#include "app/command_line.h"
#include "app/program.h"
#include "qt/front_end.h"
#include "qt/serial_port_list.h"
#include "qt/serial_qt_backend.h"
#include "runtime/events.h"
#include "runtime/serial.h"
#include "runtime/serial_ports.h"

int main(int argc, char** argv) {
  const CommandLine line = ParseCommandLine({argv + 1, argv + argc}, qtfront::QtVersion());
  if (!line.run) {
    std::fputs(line.text.c_str(), line.exitCode == 0 ? stdout : stderr);
    return line.exitCode;
  }
  if (!qtfront::Initialise(argc, argv)) return -1;
  rt::SetPortBackendFactory([](int) { return rt::MakeQtPortBackend(); });
  rt::SetSerialPortLister(rt::MakeQtSerialPortLister());
  rt::CloseOnTerminationSignals();
  int result = RunProgram(line);
  qtfront::Shutdown();
  return result;
}
