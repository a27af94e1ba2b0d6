#include "link/trace.h"

#include "link/trace_line.h"
#include "runtime/append_file.h"
#include "runtime/clock.h"
#include "runtime/files.h"

namespace {

struct Trace {
  rt::AppendFile file;
  std::string path;
  double start = 0;
  bool on = false;
};

Trace& TheTrace() {
  static Trace trace;
  return trace;
}

double Ms() {
  return (rt::Timer() - TheTrace().start) * 1000.0;
}

}  // namespace

bool StartTrace(const std::string& path) {
  StopTrace();
  Trace& t = TheTrace();
  if (!rt::IsDataFilePath(path)) return false;
  rt::DeleteFile(path);
  if (!t.file.open(path) || !t.file.append(kTraceHeader)) {
    t.file.close();
    return false;
  }
  t.path = path;
  t.start = rt::Timer();
  t.on = true;
  return true;
}

void StopTrace() {
  Trace& t = TheTrace();
  t.file.close();
  t.on = false;
}

bool TraceRunning() {
  return TheTrace().on;
}

const std::string& TracePath() {
  return TheTrace().path;
}

void TraceRequest(const std::uint8_t* bytes, int count) {
  if (!TheTrace().on) return;
  TheTrace().file.append(TraceFrameLine(Ms(), TraceDirection::ToSensor, bytes, count));
}

void TraceReply(const std::uint8_t* bytes, int count) {
  if (!TheTrace().on) return;
  TheTrace().file.append(TraceFrameLine(Ms(), TraceDirection::FromSensor, bytes, count));
}

void TraceRaw(std::uint16_t command, const std::uint8_t* bytes, int count) {
  if (!TheTrace().on) return;
  TheTrace().file.append(TraceRawLine(Ms(), command, bytes, count));
}
