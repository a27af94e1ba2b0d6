// Waking the line, checking it with an echo and reading the firmware text: the
// first exchanges with a sensor, before it is identified.
#pragma once

#include <cstdint>
#include <string>

inline constexpr int kFirmwareTextBytes = 72;

// Returns 1 when all 36 bytes were written, else 0.
int SendDummyFrame(std::uint16_t port);
// Sends the frame data area as it stands (the caller loads PARA0 into it).
// 1 line good, 0 wrong sync, -1 time-out.
int EchoCheck(std::uint16_t port);
// Returns the bytes waiting when the wait ended (72 or more: the text came);
// *text receives the first 72 bytes up to the first zero byte.
int ReadFirmwareInfo(std::string* text);
