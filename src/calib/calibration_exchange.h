// The calibration command on the line: start, store the new values in the
// sensor's RAM, or end. Every answer carries the sensor's um-Slope and
// um-Offset, which the parameter set takes over.
#pragma once

#include <cstdint>

enum class CalibrationStep : std::uint16_t {
  End = 0,
  Start = 1,
  Store = 2,
};

// Sends the calibration command with the frame data area as its data words
// and shows sentText on the status line. Waits for the acknowledgement: on it
// the sensor's values go into the parameter set and the result is true; after
// 1.5 s without it "Timeout-RS-232..." is kept as the status text (the status
// line keeps what it shows) and the result is false.
bool ExchangeCalibration(CalibrationStep step, const char* sentText);

// The frame data area cleared, with the two values in data words 0..3.
void LoadCalibrationWords(std::uint32_t umSlope, std::uint32_t umOffset);
