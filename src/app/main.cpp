// Entry point: start the desktop front end, run the program, report its result.
#include "app/program.h"
#include "app/qt/front_end.h"
#include "app/runtime/events.h"
#include "app/runtime/serial.h"
#include "app/runtime/serial_qt_backend.h"

int main(int argc, char** argv) {
  if (!qtfront::Initialise(argc, argv)) return -1;
  rt::SetPortBackendFactory([](int) { return rt::MakeQtPortBackend(); });
  rt::CloseOnTerminationSignals();
  int result = RunProgram();
  qtfront::Shutdown();
  return result;
}
