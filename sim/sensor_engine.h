// The virtual KAVRO-XB sensor: takes the bytes the program sends over the
// line, cuts request frames and answers each command the way the sensor does.
// Plain C++ and deterministic: the same seed and the same request times give
// the same answers. It knows no clock of its own; whoever carries the bytes
// (the in-process port or the pty server) says when they arrived.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "faults.h"
#include "frame_codec.h"
#include "model_presets.h"
#include "object_synthesis.h"
#include "parameter_memory.h"
#include "rng.h"

namespace sim {

// Baud rates by baud index 0..4; any other index gives 19200.
long BaudForIndex(int index);

struct SensorConfig {
  SensorModel model;
  ObjectMotion motion;
  std::uint64_t seed = 1;
  int baudIndex = 1;  // line rate at power-up
  Faults faults;
  // External trigger: with a period above 0 the sensor sends a recorder
  // sample (type 18) every period seconds on its own, starting at one period.
  double triggerPeriod = 0;
  bool triggerOnlyInRecorderMode = false;  // only while RAM PARA1 RS-232-Mode is 1
  // Parameter words the sensor holds at power-up instead of the start values,
  // in RAM and EEPROM alike.
  struct ParaWord {
    int frame;  // 0 = PARA0, 1 = PARA1
    int word;
    std::uint16_t value;
  };
  std::vector<ParaWord> powerUpWords;
};

// Bytes the sensor puts on the line: they start to leave at readyAt (or when
// the line is free) at the given rate.
struct Transmission {
  double readyAt = 0;
  long baud = 19200;
  Bytes bytes;
};

struct RequestRecord {
  double time = 0;  // when the last byte arrived
  std::uint16_t sync = 0;
  std::uint16_t command = 0;
  std::uint16_t argument = 0;
  DataWords data{};
};

class SensorEngine {
 public:
  explicit SensorEngine(SensorConfig config = {});

  // Bytes that arrived by time t over a line running at lineBaud. When that
  // rate is not the sensor's own the bytes are garbage to it and are lost.
  std::vector<Transmission> receive(const std::uint8_t* data, std::size_t count, double t,
                                    long lineBaud);
  // Recorder samples the sensor sends on its own, due by time t.
  std::vector<Transmission> pollUnsolicited(double t, long lineBaud);
  // Time of the next sample sent on the sensor's own; negative when none.
  double nextUnsolicited() const;
  void setTriggerPeriod(double period, double now);

  long baud() const { return BaudForIndex(baudIndex_); }
  int baudIndex() const { return baudIndex_; }

  const SensorModel& model() const { return config_.model; }
  SensorModel& model() { return config_.model; }
  ObjectMotion& motion() { return config_.motion; }
  Faults& faults() { return config_.faults; }
  ParameterMemory& memory() { return memory_; }
  bool calibrating() const { return calibrating_; }
  const Measurement& lastMeasurement() const { return last_; }

  const std::vector<RequestRecord>& log() const { return log_; }
  void clearLog() { log_.clear(); }

  // One byte of babble, from the sensor's own random source.
  std::uint8_t noise() { return rng_.byte(); }

  // What the sensor sees at time t (the measurement updates max/min memory).
  Measurement measure(double t);
  Curve profileAt(double t);

 private:
  std::vector<Transmission> handle(const Request& request, double t);
  // The answer to one request; nothing when the command has none.
  std::optional<Bytes> answer(const Request& request, double t);
  Bytes parameterCommand(const Request& request);
  Bytes calibrationCommand(const Request& request);
  Bytes videoBlock(const Request& request, double t);
  Bytes thresholdCommand(const Request& request, double t);
  Bytes flashCommand(const Request& request);
  void resetMaxMin();

  SensorConfig config_;
  ParameterMemory memory_;
  Rng rng_;
  FrameCutter cutter_;
  int baudIndex_;
  std::optional<int> pendingBaudIndex_;
  bool calibrating_ = false;
  std::uint16_t max_ = 0;
  std::uint16_t min_ = 0;
  Measurement last_;
  Curve profileSnapshot_{};
  bool haveSnapshot_ = false;
  int replyCounter_ = 0;
  double nextTrigger_ = -1;
  std::vector<RequestRecord> log_;
};

}  // namespace sim
