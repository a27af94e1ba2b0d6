// The RS-232 library: ports addressed by number, a backend per open port, and
// the receive callback raised inside event processing.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace rt {

struct PortSettings {
  std::string device;  // resolved device path
  long baud = 19200;
  int parity = 0;
  int dataBits = 8;
  int stopBits = 1;
  int inQueueSize = 4096;
  int outQueueSize = 4096;
};

// One open serial line. Reads never block: they return what is waiting.
class PortBackend {
 public:
  virtual ~PortBackend() = default;
  virtual int open(const PortSettings& settings) = 0;  // 0, or a negative port error code
  virtual void close() = 0;
  virtual int write(const std::uint8_t* data, int count) = 0;  // bytes accepted
  virtual int read(std::uint8_t* data, int count) = 0;         // bytes taken
  virtual int bytesWaiting() = 0;
  virtual void flushIn() = 0;
  virtual void flushOut() = 0;
  virtual void poll() {}  // move bytes from the device into the input queue
  // True once the line has gone (adapter pulled, far end hung up): the port is
  // no longer watched, writes and reads do nothing.
  virtual bool lost() { return false; }
};

using PortBackendFactory = std::function<std::unique_ptr<PortBackend>(int port)>;
void SetPortBackendFactory(PortBackendFactory factory);

using ComCallback = void (*)(int port, int eventMask, void* data);

// Port error codes of the RS-232 library.
inline constexpr int kRs232UnknownSysErr = -1;
inline constexpr int kRs232InvalidPortNum = -2;
inline constexpr int kRs232PortNotOpen = -3;
inline constexpr int kRs232UnknownIOErr = -4;
inline constexpr int kRs232NoPortFound = -6;
inline constexpr int kRs232CannotOpenPort = -7;
inline constexpr int kRs232InvalidParameter = -13;
inline constexpr int kRs232Timeout = -99;

// The link <program dir>/COM<n> that gives port number n a device of its own.
std::string PortLinkPath(int port);
// Device behind a port number: <program dir>/COM<n> when that link exists,
// otherwise the platform's n-th serial port.
std::string DevicePathForPort(int port);

int OpenComConfig(int port, const std::string& deviceName, long baud, int parity, int dataBits,
                  int stopBits, int inQueueSize, int outQueueSize);
int CloseCom(int port);
int ComWrt(int port, const std::uint8_t* buffer, int count);
int ComRd(int port, std::uint8_t* buffer, int count);  // waits up to the port time-out
int GetInQLen(int port);
int FlushInQ(int port);
int FlushOutQ(int port);
int SetComTime(int port, double seconds);
int SetCTSMode(int port, int mode);
int InstallComCallback(int port, int eventMask, int notifyCount, int eventChar, ComCallback cb,
                       void* data);
bool IsPortOpen(int port);

// Called by ProcessSystemEvents: polls the open ports and raises receive events.
// Returns the number of callbacks run.
int DispatchSerialEvents();
// True when a receive event would be raised now (enough bytes wait).
bool SerialEventsPending();
// A loop that waits for count bytes in a port's input queue says so, and 0
// when it is done.
void AwaitInQLen(int port, int count);
// While a frame comes in byte after byte: the time (Timer) by which the last
// of the bytes a reader waits for (the receive callback's count or an awaited
// length) can be in, and in margin two character times of that line;
// negative when no frame is on its way.
double SerialFrameDue(double* margin = nullptr);

// Told once per open port when its line is lost; the port stays open, so the
// next transfer runs into its usual time-out.
using LineLostHandler = std::function<void(int port)>;
void SetLineLostHandler(LineLostHandler handler);
void ResetSerial();  // closes every port and forgets the callbacks

}  // namespace rt
