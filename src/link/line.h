// The line to the sensor as the rest of the program sees it: its fixed
// figures and the port it runs on.
#pragma once

#include <cstdint>

inline constexpr double kReplyTimeout = 1.5;  // seconds; strictly more is a time-out
inline constexpr int kFrameBytes = 36;
inline constexpr int kBufferBytes = 4096;

// The port number (1..255) and baud index (0..4) every exchange uses.
std::uint16_t LinePort();
std::uint16_t LineBaudIndex();
void SetLinePort(std::uint16_t port, std::uint16_t baudIndex);

// The line as at start-up: port 1, baud index 1, nothing sent or received.
void ResetLinkState();
