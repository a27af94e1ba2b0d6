// Asking the sensor for its hardware information (command 10).
#pragma once

#include <array>
#include <cstdint>

// Reply words 0..12, read high byte first from the raw reply frame.
using HardwareWords = std::array<std::uint16_t, 13>;

// 1 when a reply of class 1 echoing command 10 arrived and *words holds it; 0 on
// a time-out ("Timeout-RS-232..." kept as the status text, not shown) or on any
// other reply (no message).
int RequestHardwareInfo(HardwareWords* words);
