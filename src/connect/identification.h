// Asking the sensor for its hardware information and adapting the panels to the
// model it reports.
#pragma once

#include "link/hardware_read.h"

// 1 when a reply echoing the hardware-information command arrived (also for a
// model the table does not know), 0 on time-out or any other reply.
int ReadHardwareInfo();

// Stores the reply words 1..12 and adapts the panels to the model they name.
void ApplyHardwareReply(const HardwareWords& words);
