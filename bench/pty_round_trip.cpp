#include "pty_round_trip.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

constexpr int kFrame = 36;

double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Sends back every whole frame that arrives on fd, until told to stop.
void Echo(int fd, const std::atomic<bool>& stop) {
  std::uint8_t buf[256];
  int held = 0;
  while (!stop) {
    const ssize_t n = ::read(fd, buf + held, sizeof buf - static_cast<std::size_t>(held));
    if (n <= 0) continue;
    held += static_cast<int>(n);
    while (held >= kFrame) {
      if (::write(fd, buf, kFrame) != kFrame) return;
      held -= kFrame;
      std::copy(buf + kFrame, buf + kFrame + held, buf);
    }
  }
}

}  // namespace

RoundTrip MeasurePtyRoundTrip(int frames, double quiet) {
  int master = -1, slave = -1;
  if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return {};
  termios tio{};
  tcgetattr(slave, &tio);
  cfmakeraw(&tio);
  tcsetattr(slave, TCSANOW, &tio);
  fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
  std::atomic<bool> stop{false};
  std::thread echo(Echo, master, std::cref(stop));

  std::vector<double> times;
  std::uint8_t frame[kFrame] = {};
  for (int i = 0; i < frames; ++i) {
    std::this_thread::sleep_for(std::chrono::duration<double>(quiet));
    const double t0 = Now();
    if (::write(slave, frame, kFrame) != kFrame) break;
    int got = 0;
    while (got < kFrame) {
      pollfd p{slave, POLLIN, 0};
      if (poll(&p, 1, 1000) <= 0) break;
      const ssize_t n = ::read(slave, frame, kFrame - got);
      if (n > 0) got += static_cast<int>(n);
    }
    if (got < kFrame) break;
    times.push_back(Now() - t0);
  }
  stop = true;
  echo.join();
  ::close(slave);
  ::close(master);

  RoundTrip r;
  r.frames = static_cast<int>(times.size());
  if (times.empty()) return r;
  std::sort(times.begin(), times.end());
  for (double t : times) r.mean += t;
  r.mean /= static_cast<double>(times.size());
  r.p50 = times[times.size() / 2];
  r.p99 = times[times.size() * 99 / 100];
  return r;
}
