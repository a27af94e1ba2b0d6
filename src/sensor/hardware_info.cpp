#include "sensor/hardware_info.h"

HardwareInfo& Hardware() {
  static HardwareInfo info;
  return info;
}

void ResetHardwareInfo() {
  Hardware() = HardwareInfo{};
  for (int i = 0; i < 256; ++i) Hardware().videoPositions[i] = 4.0 * i;
}
