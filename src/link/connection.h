// Waking the line, checking it and identifying the sensor before any other exchange.
#pragma once

#include <cstdint>
#include <string>

int SendDummyFrame(std::uint16_t port);
int EchoCheck(std::uint16_t port);  // 1 line good, 0 wrong sync, -1 time-out
int ReadFirmwareInfo();             // bytes waiting when the wait ended
int ConnectSensor(std::uint16_t port);

// What the family identifier at the start of the firmware text means.
enum class Family { KavroXb, Vex12, KavroRm, KavroVn, Unknown };
Family FamilyOf(const std::string& firmwareText);

inline constexpr int kFirmwareTextBytes = 72;
inline constexpr int kOldestFirmware = 310;
inline constexpr int kNewestFirmware = 318;
