// One line of the service trace: a frame or a raw answer as it crossed the
// line, readable by a person and by a script (tab-separated fields).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class TraceDirection { ToSensor, FromSensor };

// The name of a command or reply type, "?" for a number the program never sends.
std::string_view CommandName(std::uint16_t code);

inline constexpr const char* kTraceHeader =
    "# ms\tdirection\tcommand\tnumber\targument\tdata words 0..14\tbytes\n";

// A 36-byte frame: time, direction, the command (reply type) of word 1 with its
// name, the argument of word 2, words 3..17 and every byte in hex. Fewer bytes
// (a short write or read) leave the missing words out.
std::string TraceFrameLine(double ms, TraceDirection direction, const std::uint8_t* bytes,
                           int count);
// A raw answer (firmware text, video block): the command it answers and its
// bytes in hex.
std::string TraceRawLine(double ms, std::uint16_t command, const std::uint8_t* bytes, int count);
