// Asking the sensor for its hardware information and adapting the panels to the
// model it reports.
#pragma once

#include <array>
#include <cstdint>

// 1 when a reply echoing the hardware-information command arrived (also for a
// model the table does not know), 0 on time-out or any other reply.
int ReadHardwareInfo();

// The reply words 1..12 as received, for applying them to the program.
struct HardwareReply {
  std::array<std::uint16_t, 13> words{};
};
void ApplyHardwareReply(const HardwareReply& reply);
