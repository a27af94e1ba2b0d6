#include "sensor_engine.h"

#include <algorithm>

#include "line_schedule.h"

namespace sim {

long BaudForIndex(int index) {
  static const long kRates[] = {9600, 19200, 38400, 57600, 115200};
  return (index >= 0 && index <= 4) ? kRates[index] : 19200;
}

SensorEngine::SensorEngine(SensorConfig config)
    : config_(std::move(config)), rng_(config_.seed), baudIndex_(config_.baudIndex) {
  // The stored curves start as the one a teach-in of the free line at the
  // default Video-Thd-Auto would give.
  Rng quiet(0);
  const Curve free =
      VideoProfile(Shadow{}, config_.model.subpixelRange, config_.model.videoFullScaleCode,
                   StartPara0()[para0::kPower], 0, quiet);
  memory_.curveRam = ThresholdCurve(free, StartPara1()[para1::kVideoThdAuto]);
  memory_.curveEeprom = memory_.curveRam;
  // The frames name the rate the sensor talks at.
  memory_.ram[1][para1::kBaudIndex] = static_cast<std::uint16_t>(baudIndex_);
  memory_.eeprom[1][para1::kBaudIndex] = static_cast<std::uint16_t>(baudIndex_);
  for (const SensorConfig::ParaWord& w : config_.powerUpWords) {
    if (w.word < 0 || w.word > 14) continue;
    memory_.ram[w.frame & 1][w.word] = w.value;
    memory_.eeprom[w.frame & 1][w.word] = w.value;
  }
  resetMaxMin();
  if (config_.triggerPeriod > 0) nextTrigger_ = config_.triggerPeriod;
}

std::vector<Transmission> SensorEngine::receive(const std::uint8_t* data, std::size_t count,
                                                double t, long lineBaud) {
  std::vector<Transmission> out;
  if (lineBaud != baud()) {
    cutter_.reset();
    return out;
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (!cutter_.push(data[i], t)) continue;
    auto replies = handle(DecodeRequest(cutter_.frame().data()), t);
    out.insert(out.end(), replies.begin(), replies.end());
  }
  return out;
}

std::vector<Transmission> SensorEngine::handle(const Request& request, double t) {
  log_.push_back({t, request.sync, request.command, request.argument, request.data});
  std::vector<Transmission> out;
  if (config_.faults.silent) return out;

  const long rateBefore = baud();
  std::optional<Bytes> reply = answer(request, t);
  if (pendingBaudIndex_) {
    baudIndex_ = *pendingBaudIndex_;  // acknowledged at the old rate, then switched
    pendingBaudIndex_.reset();
  }
  if (!reply || config_.faults.muteCommands.count(request.command)) return out;

  double delay = 0;
  const int counted = replyCounter_;
  if (!ShapeReply(config_.faults, request.command, replyCounter_, *reply, delay, rng_)) return out;
  const Faults& f = config_.faults;
  if (replyCounter_ != counted && replyCounter_ == f.strayBeforeNth) {
    out.push_back({t + delay, rateBefore, AckFrame(1, 0, f.strayData)});
    delay += (kFrameBytes + 3) * ByteTime(rateBefore);
  }
  out.push_back({t + delay, rateBefore, std::move(*reply)});
  return out;
}

std::vector<Transmission> SensorEngine::pollUnsolicited(double t, long lineBaud) {
  std::vector<Transmission> out;
  while (nextTrigger_ >= 0 && nextTrigger_ <= t) {
    const double at = nextTrigger_;
    nextTrigger_ += config_.triggerPeriod;
    const bool modeOk =
        !config_.triggerOnlyInRecorderMode || memory_.ram[1][para1::kRs232Mode] == 1;
    if (!modeOk || config_.faults.silent) continue;
    const Measurement m = measure(at);
    if (lineBaud != baud()) continue;  // sent, but garbage at the other end
    out.push_back({at, baud(), RecordFrame(18, RecorderSample(m))});
  }
  return out;
}

double SensorEngine::nextUnsolicited() const {
  return nextTrigger_;
}

void SensorEngine::setTriggerPeriod(double period, double now) {
  config_.triggerPeriod = period;
  nextTrigger_ = period > 0 ? now + period : -1;
}

Measurement SensorEngine::measure(double t) {
  const Shadow s = ShadowAt(config_.motion, config_.model.subpixelRange, t, rng_);
  Measurement m = Evaluate(s, config_.model.subpixelRange, memory_.ram[0], memory_.ram[1],
                           config_.motion.housingTolerance);
  max_ = std::max(max_, m.mValue);
  min_ = std::min(min_, m.mValue);
  m.max = max_;
  m.min = min_;
  last_ = m;
  return m;
}

Curve SensorEngine::profileAt(double t) {
  const Shadow s = ShadowAt(config_.motion, config_.model.subpixelRange, t, rng_);
  return VideoProfile(s, config_.model.subpixelRange, config_.model.videoFullScaleCode,
                      memory_.ram[0][para0::kPower], config_.motion.videoNoise, rng_);
}

void SensorEngine::resetMaxMin() {
  max_ = 0;
  min_ = static_cast<std::uint16_t>(config_.model.subpixelRange - 1);
}

}  // namespace sim
