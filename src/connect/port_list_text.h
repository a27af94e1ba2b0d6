// The text beside the port number field that tells the operator which port
// number reaches which serial port of this machine.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct PortListEntry {
  int number = 0;  // port number that opens it; 0 when none does
  std::string name;
  std::string description;
};

// "3: ttyUSB0 (FT232R USB UART)"; a port no number reaches says how to give it one.
std::string PortListLine(const PortListEntry& entry);
// Ports in number order, those without a number last, at most maxLines lines
// of at most maxChars characters ("..." ends a cut line); a last line counts
// the ports left out. An empty list says there is none.
std::string PortListText(std::vector<PortListEntry> entries, std::size_t maxLines,
                         std::size_t maxChars = std::string::npos);
