// The yardstick for run mode and video mode: a minimal client that does the
// program's wire steps and nothing else. Each exchange flushes both queues,
// writes the 36-byte request and blocks until the whole answer is in.
#pragma once

#include <string>

// Measurement cycles a second (36 bytes out, 36 back) on the device, for the
// given seconds at 115200 baud, 8N1, raw; 0 when the device does not open.
double ReferenceRunRate(const std::string& device, double seconds);
// Video profiles a second: one measurement and four 64-word blocks (36 bytes
// out, 128 back) each.
double ReferenceVideoRate(const std::string& device, double seconds);
