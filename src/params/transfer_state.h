// Where Send and Get move the parameter set: the sensor's RAM, its EEPROM or a file.
#pragma once

#include <string>

inline constexpr int kTargetRam = 1;
inline constexpr int kTargetEeprom = 2;
inline constexpr int kTargetFile = 3;

struct TransferState {
  int target = kTargetRam;
  std::string parameterFilePath;
};

TransferState& Transfer();
void ResetTransferState();
