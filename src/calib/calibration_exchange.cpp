#include "calib/calibration_exchange.h"

#include "calib/calibration_fit.h"
#include "link/frame_area.h"
#include "link/link_state.h"
#include "link/request.h"
#include "runtime/clock.h"
#include "sensor/parameter_set.h"
#include "ui/status_line.h"

bool ExchangeCalibration(CalibrationStep step, const char* sentText) {
  SendRequest({.command = Command::Calibration, .argument = static_cast<std::uint16_t>(step)});
  ShowStatus(sentText);
  if (!AwaitReply(Await::Ack, rt::Timer())) {
    SetStatusText("Timeout-RS-232...");
    return false;
  }
  const CalibrationWords w = CalibrationFromDataWords(Link().data.data());
  Params().umSlope = w.umSlope;
  Params().umOffset = w.umOffset;
  return true;
}

void LoadCalibrationWords(std::uint32_t umSlope, std::uint32_t umOffset) {
  ClearFrameData();
  const auto words = CalibrationDataWords({umSlope, umOffset});
  for (std::size_t i = 0; i < words.size(); ++i) Link().data[i] = words[i];
}
