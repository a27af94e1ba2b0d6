// The virtual sensor behind a serial port, inside the test process. Line
// timing follows the baud rate on the run-time clock: each byte takes 10 bit
// times each way, a request reaches the sensor when its last byte is through,
// and the answer comes back byte by byte after it. Bytes arrive lazily: what
// the port reports waiting is whatever has arrived by the clock's now.
#pragma once

#include <map>
#include <memory>

#include "runtime/serial.h"
#include "sensor_engine.h"

namespace sim {

class InProcessPort : public rt::PortBackend {
 public:
  // Without a sensor the port fails to open with openError.
  explicit InProcessPort(std::shared_ptr<SensorEngine> sensor,
                         int openError = rt::kRs232NoPortFound);
  ~InProcessPort() override;

  int open(const rt::PortSettings& settings) override;
  void close() override;
  int write(const std::uint8_t* data, int count) override;
  int read(std::uint8_t* data, int count) override;
  int bytesWaiting() override;
  void flushIn() override;
  void flushOut() override;
  bool lost() override;  // since the sensor's lineLost switch was first seen on

  bool isOpen() const;
  long baud() const;
  // Next moment after now at which a burst of bytes is complete at either
  // end of the line or the sensor sends on its own; negative when none.
  double nextDue();

 private:
  struct Line;
  std::shared_ptr<Line> line_;
};

// Every port number opens the same sensor.
rt::PortBackendFactory MakeInProcessFactory(std::shared_ptr<SensorEngine> sensor);
// Only the listed port numbers have a sensor; the others fail to open with
// missingPortError.
rt::PortBackendFactory MakeInProcessFactory(std::map<int, std::shared_ptr<SensorEngine>> sensors,
                                            int missingPortError = rt::kRs232NoPortFound);

}  // namespace sim
