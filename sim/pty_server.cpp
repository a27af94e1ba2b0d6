#include "pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "line_schedule.h"
#include "sensor_engine.h"

namespace sim {

long BaudOfSpeed(unsigned speed) {
  switch (speed) {
    case B1200:
      return 1200;
    case B2400:
      return 2400;
    case B4800:
      return 4800;
    case B9600:
      return 9600;
    case B19200:
      return 19200;
    case B38400:
      return 38400;
    case B57600:
      return 57600;
    case B115200:
      return 115200;
    case B230400:
      return 230400;
    default:
      return 0;
  }
}

namespace {

speed_t SpeedOfBaud(long baud) {
  switch (baud) {
    case 9600:
      return B9600;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    default:
      return B19200;
  }
}

constexpr std::size_t kBacklogBytes = 4096;
constexpr double kBabbleStep = 0.002;  // babble leaves in bursts of at most this long

double Seconds() {
  using namespace std::chrono;
  static const auto start = steady_clock::now();
  return duration<double>(steady_clock::now() - start).count();
}

// The pair of pseudo-terminal ends and the COM<n> link to the program's end.
class Pty {
 public:
  ~Pty() {
    if (!link_.empty()) {
      char target[256] = {};
      const ssize_t n = readlink(link_.c_str(), target, sizeof target - 1);
      if (n > 0 && slaveName_ == std::string(target, static_cast<std::size_t>(n)))
        unlink(link_.c_str());
    }
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
  }

  bool open(long baud) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return fail("posix_openpt");
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    const char* name = ptsname(master_);
    if (!name) return fail("ptsname");
    slaveName_ = name;
    // The slave end stays open here so that the line survives the program
    // closing and reopening its port; it is never read from this side.
    slave_ = ::open(slaveName_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave_ < 0) return fail("open slave");
    termios tio{};
    tcgetattr(slave_, &tio);
    cfmakeraw(&tio);
    cfsetispeed(&tio, SpeedOfBaud(baud));
    cfsetospeed(&tio, SpeedOfBaud(baud));
    tcsetattr(slave_, TCSANOW, &tio);
    return true;
  }

  bool link(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0) {
      if (!S_ISLNK(st.st_mode)) {
        std::fprintf(stderr, "kavro-xb-sim: %s exists and is not a link\n", path.c_str());
        return false;
      }
      unlink(path.c_str());  // a stale link from an earlier run
    }
    if (symlink(slaveName_.c_str(), path.c_str()) != 0) return fail("symlink");
    link_ = path;
    return true;
  }

  // The rate the program set on its end of the line.
  long lineBaud() const {
    termios tio{};
    if (tcgetattr(slave_, &tio) != 0) return 0;
    return BaudOfSpeed(cfgetospeed(&tio));
  }

  int master() const { return master_; }
  const std::string& slaveName() const { return slaveName_; }

 private:
  bool fail(const char* what) {
    std::fprintf(stderr, "kavro-xb-sim: %s: %s\n", what, std::strerror(errno));
    return false;
  }

  int master_ = -1;
  int slave_ = -1;
  std::string slaveName_;
  std::string link_;
};

void PrintRequest(const RequestRecord& r) {
  std::printf("rx cmd=%u arg=%u data=", r.command, r.argument);
  for (std::size_t i = 0; i < r.data.size(); ++i) std::printf(i ? ",%u" : "%u", r.data[i]);
  std::printf(" t=%.3f\n", r.time);
  std::fflush(stdout);
}

}  // namespace

int ServePty(const SimOptions& options, volatile std::sig_atomic_t& stop,
             volatile std::sig_atomic_t& babble) {
  // Bytes leave on their own microsecond, not up to 50 us late as the
  // kernel's default timer slack would allow.
  prctl(PR_SET_TIMERSLACK, 1UL);
  SensorEngine sensor(options.sensor);
  Pty pty;
  const std::string linkPath = options.dir + "/COM" + std::to_string(options.port);
  if (!pty.open(sensor.baud()) || !pty.link(linkPath)) return 1;
  std::printf("ready link=%s device=%s firmware=\"%s\" baud=%ld\n", linkPath.c_str(),
              pty.slaveName().c_str(), sensor.model().firmwareText.c_str(), sensor.baud());
  std::fflush(stdout);

  LineSchedule out;
  Bytes backlog;
  // The program's bytes come through the pseudo-terminal at once; on a real
  // line each takes its 10 bit times, so the sensor hears the last byte of a
  // request only when the whole frame has crossed the line.
  double inboundFree = 0;
  std::size_t printed = 0;
  auto queue = [&](const std::vector<Transmission>& txs, long lineBaud) {
    if (babble) return;  // babble takes the whole line
    for (const auto& tx : txs) {
      if (!options.anyRate && tx.baud != lineBaud) continue;  // garbage for the program
      out.send(tx.readyAt, tx.bytes.data(), tx.bytes.size(), options.immediate ? 1e9 : tx.baud);
    }
  };

  // Rate changes of either end are told in the log: the sensor's own after it
  // acknowledged a change, the line's when the program reopened its port.
  long sensorRate = sensor.baud();
  long lineRate = pty.lineBaud();
  auto tellRates = [&](double t) {
    if (!options.verbose) return;
    if (sensor.baud() != sensorRate) {
      sensorRate = sensor.baud();
      std::printf("sensor baud=%ld t=%.3f\n", sensorRate, t);
    }
    const long line = pty.lineBaud();
    if (line != lineRate) {
      lineRate = line;
      std::printf("line baud=%ld t=%.3f\n", lineRate, t);
    }
    std::fflush(stdout);
  };

  // Random bytes back to back at the line's rate, handed over a few at a time;
  // what the pseudo-terminal does not take stays in a backlog of at most one
  // input queue.
  double babbleNext = -1;
  auto babbleUntil = [&](double t, long lineBaud) {
    const bool on = babble != 0;
    if (on != (babbleNext >= 0) && options.verbose) {
      std::printf("babble %s t=%.3f\n", on ? "on" : "off", t);
      std::fflush(stdout);
    }
    if (!on) {
      babbleNext = -1;
      return;
    }
    const double byte = ByteTime(lineBaud > 0 ? lineBaud : sensor.baud());
    if (babbleNext < 0) babbleNext = t;
    for (; babbleNext + byte <= t; babbleNext += byte)
      if (backlog.size() < kBacklogBytes) backlog.push_back(sensor.noise());
  };

  while (!stop) {
    const double now = Seconds();
    // Bytes already due go out without waiting for the next poll.
    double due = out.arrivedBy(now) > 0 ? now : out.nextArrivalAfter(now);
    const double trigger = sensor.nextUnsolicited();
    if (trigger >= 0 && (due < 0 || trigger < due)) due = trigger;
    // Sleeps to the next byte's arrival to the microsecond: a poll in whole
    // milliseconds would hold every reply back by up to one.
    double wait = backlog.empty() ? 0.2 : 0.01;
    if (babble) wait = kBabbleStep;
    if (due >= 0) wait = std::clamp(due - now, 0.0, wait);
    const timespec timeout{static_cast<time_t>(wait),
                           static_cast<long>(std::fmod(wait, 1.0) * 1e9)};
    pollfd pfd{pty.master(), POLLIN, 0};
    // Spinning, the sensor's own wake-ups stay out of the line's timing.
    const timespec zero{0, 0};
    const int ready = ppoll(&pfd, 1, options.spin ? &zero : &timeout, nullptr);
    if (ready < 0 && errno != EINTR) break;

    const double t = Seconds();
    const long lineBaud = options.anyRate ? sensor.baud() : pty.lineBaud();
    if (ready > 0 && (pfd.revents & POLLIN)) {
      std::uint8_t buf[512];
      const ssize_t n = ::read(pty.master(), buf, sizeof buf);
      const double step = options.immediate || lineBaud <= 0 ? 0.0 : ByteTime(lineBaud);
      for (ssize_t i = 0; i < n; ++i) {
        inboundFree = std::max(inboundFree, t) + step;
        queue(sensor.receive(&buf[i], 1, inboundFree, lineBaud), lineBaud);
      }
    }
    queue(sensor.pollUnsolicited(t, options.anyRate ? sensor.baud() : lineBaud), lineBaud);
    babbleUntil(t, lineBaud);
    if (options.verbose)
      for (; printed < sensor.log().size(); ++printed) PrintRequest(sensor.log()[printed]);
    tellRates(t);

    // Hand over every byte whose time has come; what the pty does not take
    // now waits in the backlog for the next pass.
    for (const auto& b : out.take(t)) backlog.push_back(b.value);
    while (!backlog.empty()) {
      const ssize_t w = ::write(pty.master(), backlog.data(), backlog.size());
      if (w <= 0) break;
      backlog.erase(backlog.begin(), backlog.begin() + w);
    }
  }
  return 0;
}

}  // namespace sim
