// The calibration command on the line: start, store the new values in the
// sensor's RAM, or end. Every answer carries the sensor's um-Slope and
// um-Offset, which the parameter set takes over.
#pragma once

#include <cstdint>
#include <optional>

#include "link/reply.h"

enum class CalibrationStep : std::uint16_t {
  End = 0,
  Start = 1,
  Store = 2,
};

// Sends the calibration command with the given data words (without them, the
// frame data area as the last exchange left it) and shows sentText on the
// status line. Waits for the acknowledgement: on it
// the sensor's values go into the parameter set and the result is true; after
// 1.5 s without it "Timeout-RS-232..." is kept as the status text (the status
// line keeps what it shows) and the result is false.
bool ExchangeCalibration(CalibrationStep step, const char* sentText,
                         std::optional<DataWords> data = std::nullopt);

// The data words of the store step: the two values in words 0..3, the rest 0.
DataWords CalibrationRequestWords(std::uint32_t umSlope, std::uint32_t umOffset);
