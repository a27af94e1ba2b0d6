#include "bench/reference_client.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>

namespace {

constexpr int kFrame = 36;
constexpr int kBlock = 128;

double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

int OpenLine(const std::string& device) {
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
  if (fd < 0) return -1;
  termios tio{};
  tcgetattr(fd, &tio);
  cfmakeraw(&tio);
  cfsetispeed(&tio, B115200);
  cfsetospeed(&tio, B115200);
  tcsetattr(fd, TCSANOW, &tio);
  return fd;
}

// Flush, request, and block until count bytes are in; false on a silent line.
bool Exchange(int fd, std::uint8_t command, std::uint8_t argument, int count) {
  std::uint8_t frame[kFrame] = {0x00, 0x55, 0x00, command, 0x00, argument};
  tcflush(fd, TCIOFLUSH);
  if (::write(fd, frame, kFrame) != kFrame) return false;
  std::uint8_t answer[kBlock];
  for (int got = 0; got < count;) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 1500) <= 0) return false;
    const ssize_t n = ::read(fd, answer, static_cast<std::size_t>(count - got));
    if (n > 0) got += static_cast<int>(n);
  }
  return true;
}

template <typename Cycle>
double Rate(const std::string& device, double seconds, Cycle cycle) {
  const int fd = OpenLine(device);
  if (fd < 0) return 0;
  long cycles = 0;
  const double start = Now();
  while (Now() - start < seconds && cycle(fd)) ++cycles;
  const double rate = cycles / (Now() - start);
  ::close(fd);
  return rate;
}

}  // namespace

double ReferenceRunRate(const std::string& device, double seconds) {
  return Rate(device, seconds, [](int fd) { return Exchange(fd, 8, 0, kFrame); });
}

double ReferenceVideoRate(const std::string& device, double seconds) {
  return Rate(device, seconds, [](int fd) {
    if (!Exchange(fd, 8, 0, kFrame)) return false;
    for (std::uint8_t first : {0, 64, 128, 192})
      if (!Exchange(fd, 9, first, kBlock)) return false;
    return true;
  });
}
