// Waking the line, checking it and identifying the sensor before any other exchange.
#pragma once

#include <cstdint>
#include <string>

// Dummy frame, echo, firmware text, family check, hardware information and
// firmware window, then both parameter frames and the stored threshold curve.
// Returns the echo result when it stopped before the hardware information,
// otherwise the hardware-information result; 1 means connected.
int ConnectSensor();
// The echo check with PARA0, its outcome on the status line and in the link
// message field: 1 line good, 0 wrong sync or another reply, -1 time-out.
int CheckLineEcho();

// What the family identifier at the start of the firmware text means.
enum class Family { KavroXb, Vex12, KavroRm, KavroVn, Unknown };
Family FamilyOf(const std::string& firmwareText);

inline constexpr int kOldestFirmware = 310;
inline constexpr int kNewestFirmware = 318;
