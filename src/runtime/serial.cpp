#include "runtime/serial.h"

#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <vector>

#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/files.h"

namespace rt {
namespace {

struct ComPort {
  std::unique_ptr<PortBackend> backend;
  double timeout = 10.0;
  int eventMask = 0;
  int notifyCount = 0;
  int eventChar = 0;
  ComCallback callback = nullptr;
  void* data = nullptr;
  bool lossReported = false;
  double charTime = 0;     // seconds one character takes on the line
  int awaited = 0;         // bytes a waiting loop wants, besides the callback's count
  int seen = 0;            // bytes in the input queue at the last look
  double lastArrival = 0;  // when that count last grew
};

struct SerialState {
  PortBackendFactory factory;
  LineLostHandler lineLost;
  std::map<int, ComPort> ports;
};

SerialState& St() {
  static SerialState state;
  return state;
}

// Bytes in the input queue now; notes when more came in since the last look.
int Look(ComPort& p) {
  const int n = p.backend->bytesWaiting();
  if (n > p.seen) p.lastArrival = Timer();
  p.seen = n;
  return n;
}

ComPort* Find(int port) {
  auto it = St().ports.find(port);
  return it == St().ports.end() ? nullptr : &it->second;
}

bool PathExists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

}  // namespace

void SetPortBackendFactory(PortBackendFactory factory) {
  St().factory = std::move(factory);
}

std::string PortLinkPath(int port) {
  return MakePathname(ProjectDir(), "COM" + std::to_string(port));
}

std::string DevicePathForPort(int port) {
  std::string link = PortLinkPath(port);
  if (PathExists(link)) return link;
#ifdef _WIN32
  return "COM" + std::to_string(port);
#else
  return "/dev/ttyS" + std::to_string(port - 1);
#endif
}

int OpenComConfig(int port, const std::string& deviceName, long baud, int parity, int dataBits,
                  int stopBits, int inQueueSize, int outQueueSize) {
  if (port < 1 || port > 255) return kRs232InvalidPortNum;
  if (baud <= 0 || dataBits < 5 || dataBits > 8 || stopBits < 1 || stopBits > 2)
    return kRs232InvalidParameter;
  CloseCom(port);
  if (!St().factory) return kRs232NoPortFound;
  std::unique_ptr<PortBackend> backend = St().factory(port);
  if (!backend) return kRs232NoPortFound;
  PortSettings settings;
  settings.device = deviceName.empty() ? DevicePathForPort(port) : deviceName;
  settings.baud = baud;
  settings.parity = parity;
  settings.dataBits = dataBits;
  settings.stopBits = stopBits;
  settings.inQueueSize = inQueueSize;
  settings.outQueueSize = outQueueSize;
  int r = backend->open(settings);
  if (r < 0) return r;
  ComPort entry;
  entry.backend = std::move(backend);
  entry.charTime = (1.0 + dataBits + stopBits + (parity ? 1 : 0)) / static_cast<double>(baud);
  St().ports[port] = std::move(entry);
  return 0;
}

int CloseCom(int port) {
  ComPort* p = Find(port);
  if (!p) return kRs232PortNotOpen;
  p->backend->close();
  St().ports.erase(port);
  return 0;
}

bool IsPortOpen(int port) {
  return Find(port) != nullptr;
}

int ComWrt(int port, const std::uint8_t* buffer, int count) {
  ComPort* p = Find(port);
  if (!p) return kRs232PortNotOpen;
  return p->backend->write(buffer, count);
}

int ComRd(int port, std::uint8_t* buffer, int count) {
  ComPort* p = Find(port);
  if (!p) return kRs232PortNotOpen;
  int got = 0;
  double t0 = Timer();
  for (;;) {
    // What already waits in the queue is taken without asking the device.
    got += p->backend->read(buffer + got, count - got);
    if (got < count) {
      p->backend->poll();
      got += p->backend->read(buffer + got, count - got);
    }
    if (got >= count || Timer() - t0 > p->timeout) break;
    Delay(0.001);
    p = Find(port);
    if (!p) break;
  }
  if (p) p->seen = std::max(0, p->seen - got);
  return got;
}

int GetInQLen(int port) {
  ComPort* p = Find(port);
  if (!p) return kRs232PortNotOpen;
  p->backend->poll();
  return Look(*p);
}

int FlushInQ(int port) {
  ComPort* p = Find(port);
  if (!p) return kRs232PortNotOpen;
  p->backend->flushIn();
  p->seen = 0;
  return 0;
}

int FlushOutQ(int port) {
  ComPort* p = Find(port);
  if (!p) return kRs232PortNotOpen;
  p->backend->flushOut();
  return 0;
}

int SetComTime(int port, double seconds) {
  ComPort* p = Find(port);
  if (!p) return kRs232PortNotOpen;
  p->timeout = seconds;
  return 0;
}

int SetCTSMode(int port, int /*mode*/) {
  // The sensor line runs without handshake; there is nothing to switch.
  return Find(port) ? 0 : kRs232PortNotOpen;
}

int InstallComCallback(int port, int eventMask, int notifyCount, int eventChar, ComCallback cb,
                       void* data) {
  ComPort* p = Find(port);
  if (!p) return kRs232PortNotOpen;
  p->eventMask = eventMask;
  p->notifyCount = notifyCount;
  p->eventChar = eventChar;
  p->callback = eventMask ? cb : nullptr;
  p->data = data;
  return 0;
}

namespace {

bool ReceiveDue(ComPort& p) {
  if (!p.callback || !(p.eventMask & LWRS_RECEIVE) || p.notifyCount <= 0) return false;
  p.backend->poll();
  return Look(p) >= p.notifyCount;
}

// When the last of the bytes the port's reader wants can be in, while they are
// coming in one after the other; negative when none is on its way or the line
// has fallen silent in the middle.
double FrameDue(const ComPort& p, double now) {
  int want = p.awaited;
  if (p.callback && (p.eventMask & LWRS_RECEIVE)) want = std::max(want, p.notifyCount);
  if (want <= 0 || p.seen <= 0 || p.seen >= want) return -1;
  const double due = p.lastArrival + (want - p.seen) * p.charTime;
  return now > due + 2 * p.charTime ? -1 : due;
}

// Reports a lost line once; the handler may touch the port table.
void ReportLoss(int n) {
  ComPort* p = Find(n);
  if (!p || p->lossReported || !p->backend->lost()) return;
  p->lossReported = true;
  if (St().lineLost) St().lineLost(n);
}

}  // namespace

void SetLineLostHandler(LineLostHandler handler) {
  St().lineLost = std::move(handler);
}

void AwaitInQLen(int port, int count) {
  if (ComPort* p = Find(port)) p->awaited = std::max(count, 0);
}

double SerialFrameDue(double* margin) {
  const double now = Timer();
  double first = -1;
  for (const auto& [n, p] : St().ports) {
    const double due = FrameDue(p, now);
    if (due >= 0 && (first < 0 || due < first)) {
      first = due;
      if (margin) *margin = 2 * p.charTime;
    }
  }
  return first;
}

bool SerialEventsPending() {
  for (auto& [n, p] : St().ports)
    if (ReceiveDue(p)) return true;
  return false;
}

int DispatchSerialEvents() {
  std::vector<int> numbers;
  for (auto& [n, p] : St().ports) numbers.push_back(n);
  int raised = 0;
  for (int n : numbers) {
    ReportLoss(n);
    ComPort* p = Find(n);
    if (!p || !ReceiveDue(*p)) continue;
    ComCallback cb = p->callback;
    void* data = p->data;
    cb(n, LWRS_RECEIVE, data);
    ++raised;
  }
  return raised;
}

void ResetSerial() {
  std::vector<int> numbers;
  for (auto& [n, p] : St().ports) numbers.push_back(n);
  for (int n : numbers) CloseCom(n);
  St().ports.clear();
}

}  // namespace rt
