// Asking the sensor for its hardware information (command 10).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

// Reply words 0..12, read high byte first from the raw reply frame.
using HardwareWords = std::array<std::uint16_t, 13>;

enum class HardwareAnswer { Received, TimedOut, OtherReply };
struct HardwareReply {
  HardwareAnswer answer = HardwareAnswer::TimedOut;
  HardwareWords words{};  // when received: a class-1 reply echoing command 10
};
HardwareReply RequestHardwareInfo();
