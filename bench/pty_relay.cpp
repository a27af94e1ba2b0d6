#include "pty_relay.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

double Seconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void MakeRaw(int fd) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return;
  cfmakeraw(&tio);
  tcsetattr(fd, TCSANOW, &tio);
}

bool WriteAll(int fd, const unsigned char* data, ssize_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, data, static_cast<size_t>(n));
    if (w < 0 && errno == EAGAIN) {
      pollfd p{fd, POLLOUT, 0};
      poll(&p, 1, 10);
      continue;
    }
    if (w <= 0) return false;
    data += w;
    n -= w;
  }
  return true;
}

bool Fail(const char* what) {
  std::fprintf(stderr, "pty relay: %s: %s\n", what, std::strerror(errno));
  return false;
}

}  // namespace

PtyRelay::~PtyRelay() {
  stop();
  if (!link_.empty()) unlink(link_.c_str());
  for (int fd : {master_, slave_, sensor_})
    if (fd >= 0) ::close(fd);
}

bool PtyRelay::open(const std::string& programLink, const std::string& sensorDevice) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return Fail("posix_openpt");
  const char* name = ptsname(master_);
  if (!name) return Fail("ptsname");
  // Held open here so that the line survives the program reopening its port.
  slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (slave_ < 0) return Fail("open program end");
  MakeRaw(slave_);
  if (symlink(name, programLink.c_str()) != 0) return Fail("symlink");
  link_ = programLink;
  sensor_ = ::open(sensorDevice.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (sensor_ < 0) return Fail("open sensor line");
  MakeRaw(sensor_);
  return true;
}

void PtyRelay::start() {
  stop_ = false;
  thread_ = std::thread([this] { run(); });
}

void PtyRelay::stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void PtyRelay::hangUp() {
  stop();
  if (master_ >= 0) ::close(master_);
  master_ = -1;
}

void PtyRelay::clearGaps() {
  std::lock_guard<std::mutex> lock(mutex_);
  gaps_.clear();
  answered_ = false;
}

std::vector<double> PtyRelay::gaps() {
  std::lock_guard<std::mutex> lock(mutex_);
  return gaps_;
}

void PtyRelay::run() {
  while (!stop_) {
    pollfd p[2] = {{master_, POLLIN, 0}, {sensor_, POLLIN, 0}};
    if (poll(p, 2, spin_ ? 0 : 200) <= 0) continue;
    const double now = Seconds();
    if (p[0].revents & POLLIN) fromProgram(now);
    if (p[1].revents & POLLIN) fromSensor(now);
  }
}

void PtyRelay::fromProgram(double now) {
  unsigned char buf[512];
  const ssize_t n = ::read(master_, buf, sizeof buf);
  if (n <= 0) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (answered_) gaps_.push_back(now - lastToProgram_);
    answered_ = false;
  }
  WriteAll(sensor_, buf, n);
}

void PtyRelay::fromSensor(double) {
  unsigned char buf[512];
  const ssize_t n = ::read(sensor_, buf, sizeof buf);
  if (n <= 0 || mute_) return;
  WriteAll(master_, buf, n);
  std::lock_guard<std::mutex> lock(mutex_);
  lastToProgram_ = Seconds();
  answered_ = true;
}
