// The sensor's side of every command of the line protocol.
#include <algorithm>

#include "sensor_engine.h"

namespace sim {

namespace {

enum Command : int {
  kDummy = 0,
  kWriteRam = 1,
  kReadRam = 2,
  kWriteEeprom = 3,
  kReadEeprom = 4,
  kEcho = 5,
  kTeach = 6,
  kFirmwareText = 7,
  kMeasure = 8,
  kVideoBlock = 9,
  kHardwareInfo = 10,
  kResetMaxMin = 11,
  kCalibration = 12,
  kStoreThreshold = 13,
  kRecorderSample = 18,
  kClearFlash = 101,
  kWriteFlash = 102,
  kChangeBaud = 190,
};

// Plain acknowledgement: command, argument and data words echoed.
Bytes Ack(const Request& r) {
  return AckFrame(r.command, r.argument, r.data);
}

}  // namespace

std::optional<Bytes> SensorEngine::answer(const Request& r, double t) {
  switch (r.command) {
    case kDummy:
      return std::nullopt;
    case kWriteRam:
    case kReadRam:
    case kWriteEeprom:
    case kReadEeprom:
      return parameterCommand(r);
    case kEcho:
      switch (config_.faults.echoForm) {
        case EchoForm::kSyncInWord1:
          return AckFrame(kReplySync, r.argument, r.data, 0x0000);
        case EchoForm::kNoSync:
          return AckFrame(r.command, r.argument, r.data, kRequestSync);
        case EchoForm::kNormal:
          break;
      }
      return Ack(r);
    case kTeach: {
      // The frame carries the operator's PARA0; the set-point becomes what the
      // sensor measures now.
      std::copy(r.data.begin(), r.data.end(), memory_.ram[0].begin());
      memory_.ram[0][para0::kTeachValue] = measure(t).mValue;
      return AckFrame(r.command, r.argument, memory_.ram[0]);
    }
    case kFirmwareText:
      return FirmwareTextBlock(config_.model.firmwareText);
    case kMeasure:
      return RecordFrame(kMeasure, MeasurementRecord(measure(t)));
    case kVideoBlock:
      return videoBlock(r, t);
    case kHardwareInfo:
      return AckFrame(kHardwareInfo, config_.model.hardwareCode, HardwareInfoData(config_.model));
    case kResetMaxMin:
      resetMaxMin();
      return Ack(r);
    case kCalibration:
      return calibrationCommand(r);
    case kStoreThreshold:
      return thresholdCommand(r, t);
    case kRecorderSample:
      return RecordFrame(kRecorderSample, RecorderSample(measure(t)));
    case kClearFlash:
    case kWriteFlash:
      return flashCommand(r);
    case kChangeBaud:
      if (config_.faults.noBaudAck) return std::nullopt;
      if (r.argument <= 4) {  // an unknown rate is acknowledged and ignored
        pendingBaudIndex_ = r.argument;
        memory_.ram[1][para1::kBaudIndex] = r.argument;
      }
      return Ack(r);
    default:
      return std::nullopt;  // commands the sensor does not know go unanswered
  }
}

Bytes SensorEngine::parameterCommand(const Request& r) {
  if (r.argument > 1) return Ack(r);  // no such frame: acknowledged, nothing stored
  const bool eeprom = r.command == kWriteEeprom || r.command == kReadEeprom;
  ParaFrame& frame = memory_.frame(eeprom ? Memory::kEeprom : Memory::kRam, r.argument);
  if (r.command == kWriteRam || r.command == kWriteEeprom) {
    std::copy(r.data.begin(), r.data.end(), frame.begin());
    return Ack(r);
  }
  return AckFrame(r.command, r.argument, frame);
}

Bytes SensorEngine::calibrationCommand(const Request& r) {
  ParaFrame& p1 = memory_.ram[1];
  switch (r.argument) {
    case 1:
      calibrating_ = true;
      break;
    case 2:  // new um-Slope and um-Offset, low word first
      std::copy_n(r.data.begin(), 4, p1.begin() + para1::kSlopeLow);
      break;
    case 0:
      calibrating_ = false;
      break;
    default:
      break;
  }
  DataWords d{};
  std::copy_n(p1.begin() + para1::kSlopeLow, 4, d.begin());
  return AckFrame(r.command, r.argument, d);
}

Bytes SensorEngine::videoBlock(const Request& r, double t) {
  const int first = r.argument;
  const int target = r.data[0];
  const Curve* source = &profileSnapshot_;
  if (target == 0) {
    // The whole profile is taken when its first block is asked for, so the
    // four blocks of one read belong together.
    if (first == 0 || !haveSnapshot_) profileSnapshot_ = profileAt(t);
    haveSnapshot_ = true;
  } else {
    source = &memory_.curve(target == 2 ? Memory::kEeprom : Memory::kRam);
  }
  std::uint16_t words[64];
  for (int i = 0; i < 64; ++i) words[i] = (*source)[(first + i) & 0xFF];
  return WordsBigEndian(words, 64);
}

Bytes SensorEngine::thresholdCommand(const Request& r, double t) {
  const int percent = r.argument;
  const Memory where = r.data[0] == 2 ? Memory::kEeprom : Memory::kRam;
  memory_.curve(where) = ThresholdCurve(profileAt(t), percent);
  memory_.ram[1][para1::kVideoThdAuto] = static_cast<std::uint16_t>(percent);
  return Ack(r);
}

Bytes SensorEngine::flashCommand(const Request& r) {
  if (r.command == kClearFlash) {
    memory_.eraseFlash();
    return Ack(r);
  }
  const int offset = r.argument;
  const int page = r.data[0];
  memory_.writeFlash(page, offset, r.data.data() + 1, 8);
  DataWords d{};
  d[0] = static_cast<std::uint16_t>(offset);
  d[1] = static_cast<std::uint16_t>(page);
  return AckFrame(r.command, r.argument, d);
}

}  // namespace sim
