#include "calib/calibration_exchange.h"

#include "calib/calibration_fit.h"
#include "link/request.h"
#include "runtime/clock.h"
#include "sensor/parameter_set.h"
#include "ui/status_line.h"

bool ExchangeCalibration(CalibrationStep step, const char* sentText,
                         std::optional<DataWords> data) {
  const auto reply = Exchange(
      {.command = Command::Calibration, .argument = static_cast<std::uint16_t>(step), .data = data},
      Await::Ack, [sentText](int) { ShowStatus(sentText); });
  if (!reply) {
    SetStatusText("Timeout-RS-232...");
    return false;
  }
  const CalibrationWords w = CalibrationFromDataWords(reply->data.data());
  Params().umSlope = w.umSlope;
  Params().umOffset = w.umOffset;
  return true;
}

DataWords CalibrationRequestWords(std::uint32_t umSlope, std::uint32_t umOffset) {
  DataWords data{};
  const auto words = CalibrationDataWords({umSlope, umOffset});
  for (std::size_t i = 0; i < words.size(); ++i) data[i] = words[i];
  return data;
}
