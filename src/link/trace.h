// The service trace: every request and every reply on the line, and every raw
// answer, one line each in a file the operator chooses. Off unless started;
// while off it costs the line one test of a flag per frame.
#pragma once

#include <cstdint>
#include <string>

// Starts a new trace in the file (emptied first); false when it cannot be
// written. A running trace ends first.
bool StartTrace(const std::string& path);
void StopTrace();
bool TraceRunning();
const std::string& TracePath();

// Called by the link where bytes cross the line.
void TraceRequest(const std::uint8_t* bytes, int count);
void TraceReply(const std::uint8_t* bytes, int count);
void TraceRaw(std::uint16_t command, const std::uint8_t* bytes, int count);
