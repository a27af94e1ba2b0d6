#include "in_process_port.h"

#include <algorithm>

#include "line_schedule.h"
#include "runtime/clock.h"

namespace sim {

struct InProcessPort::Line {
  std::shared_ptr<SensorEngine> sensor;
  int openError = rt::kRs232NoPortFound;
  bool open = false;
  bool wakeRegistered = false;
  bool gone = false;  // the line was lost under this port
  long baud = 19200;
  int inQueue = 4096;      // bytes the input queue holds at most
  double babbleNext = -1;  // when the next byte of babble leaves the sensor
  LineSchedule toSensor;   // bytes written by the program, on their way
  LineSchedule toPc;       // bytes from the sensor, arrived or on their way

  bool lost() {
    if (sensor && sensor->faults().lineLost) gone = true;
    return gone;
  }

  void queueReplies(const std::vector<Transmission>& replies) {
    if (sensor->faults().babble) return;  // babble takes the whole line
    for (const auto& tx : replies)
      if (tx.baud == baud) toPc.send(tx.readyAt, tx.bytes.data(), tx.bytes.size(), tx.baud);
  }

  // Lets the sensor see everything that reached it by now, in time order,
  // together with what it sends on its own in between.
  void advance(double now) {
    if (!open || lost()) return;  // what was on its way is lost with the line
    babbleUntil(now);
    for (;;) {
      const auto next = toSensor.take(now, 1);
      const double inbound = next.empty() ? -1 : next.front().arrival;
      const double trigger = sensor->nextUnsolicited();
      const bool triggerDue = trigger >= 0 && trigger <= now && (inbound < 0 || trigger < inbound);
      if (triggerDue) queueReplies(sensor->pollUnsolicited(trigger, baud));
      if (!next.empty()) queueReplies(sensor->receive(&next.front().value, 1, inbound, baud));
      if (next.empty() && !triggerDue) return;
    }
  }

  // Random bytes back to back up to now; what the input queue cannot hold is
  // lost, as in a driver's queue nobody reads.
  void babbleUntil(double now) {
    if (!sensor->faults().babble) {
      babbleNext = -1;
      return;
    }
    const double byte = ByteTime(baud);
    if (babbleNext < 0) babbleNext = std::max(now, toPc.burstEndAfter(now));
    int held = toPc.arrivedBy(now);
    for (; babbleNext + byte <= now; babbleNext += byte) {
      const std::uint8_t b = sensor->noise();
      if (held >= inQueue) continue;
      toPc.send(babbleNext, &b, 1, baud);
      ++held;
    }
  }

  double nextDue(double now) {
    if (!open) return -1;
    advance(now);
    double due = -1;
    auto consider = [&](double t) {
      if (t > now && (due < 0 || t < due)) due = t;
    };
    if (babbleNext >= 0) consider(babbleNext + ByteTime(baud));
    consider(toSensor.burstEndAfter(now));
    consider(toPc.burstEndAfter(now));
    consider(sensor->nextUnsolicited());
    return due;
  }
};

namespace {
double Now() {
  return rt::CurrentClock().now();
}
}  // namespace

InProcessPort::InProcessPort(std::shared_ptr<SensorEngine> sensor, int openError)
    : line_(std::make_shared<Line>()) {
  line_->sensor = std::move(sensor);
  line_->openError = openError;
}

// The clock may already be gone when a port is thrown away, so no last look
// at the line here.
InProcessPort::~InProcessPort() {
  line_->open = false;
}

int InProcessPort::open(const rt::PortSettings& settings) {
  if (!line_->sensor) return line_->openError;
  if (line_->sensor->faults().lineLost) return rt::kRs232NoPortFound;  // the device is gone
  if (settings.baud <= 0) return rt::kRs232InvalidParameter;
  line_->baud = settings.baud;
  line_->inQueue = settings.inQueueSize;
  line_->gone = false;
  line_->babbleNext = -1;
  line_->toSensor.clear();
  line_->toPc.clear();
  line_->open = true;
  if (!line_->wakeRegistered) {
    if (auto* clock = dynamic_cast<rt::VirtualClock*>(&rt::CurrentClock())) {
      std::weak_ptr<Line> weak = line_;
      clock->addWakeSource([weak, clock]() -> double {
        auto line = weak.lock();
        return line ? line->nextDue(clock->now()) : -1.0;
      });
      line_->wakeRegistered = true;
    }
  }
  return 0;
}

void InProcessPort::close() {
  if (!line_->open) return;
  const double now = Now();
  line_->advance(now);
  line_->toSensor.dropPending(now);
  line_->toPc.clear();
  line_->open = false;
}

int InProcessPort::write(const std::uint8_t* data, int count) {
  if (!line_->open || count <= 0 || lost()) return 0;
  const double now = Now();
  line_->advance(now);
  line_->toSensor.send(now, data, static_cast<std::size_t>(count), line_->baud);
  return count;
}

int InProcessPort::read(std::uint8_t* data, int count) {
  if (!line_->open || count <= 0 || lost()) return 0;
  const double now = Now();
  line_->advance(now);
  const auto bytes = line_->toPc.take(now, static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < bytes.size(); ++i) data[i] = bytes[i].value;
  return static_cast<int>(bytes.size());
}

int InProcessPort::bytesWaiting() {
  if (!line_->open || lost()) return 0;
  const double now = Now();
  line_->advance(now);
  return line_->toPc.arrivedBy(now);
}

void InProcessPort::flushIn() {
  if (!line_->open) return;
  const double now = Now();
  line_->advance(now);
  line_->toPc.dropArrived(now);
}

void InProcessPort::flushOut() {
  if (!line_->open) return;
  const double now = Now();
  line_->advance(now);
  line_->toSensor.dropPending(now);
}

bool InProcessPort::lost() {
  return line_->lost();
}

bool InProcessPort::isOpen() const {
  return line_->open;
}
long InProcessPort::baud() const {
  return line_->baud;
}
double InProcessPort::nextDue() {
  return line_->nextDue(Now());
}

rt::PortBackendFactory MakeInProcessFactory(std::shared_ptr<SensorEngine> sensor) {
  return [sensor](int) { return std::make_unique<InProcessPort>(sensor); };
}

rt::PortBackendFactory MakeInProcessFactory(std::map<int, std::shared_ptr<SensorEngine>> sensors,
                                            int missingPortError) {
  return [sensors = std::move(sensors), missingPortError](int port) {
    auto it = sensors.find(port);
    return std::make_unique<InProcessPort>(it == sensors.end() ? nullptr : it->second,
                                           missingPortError);
  };
}

}  // namespace sim
