// The texts of the port list on the communication settings panel: one line a
// port, and the hint under the list that says why a port will not open or
// what picking it did.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "runtime/serial_ports.h"

struct PortListEntry {
  int number = 0;  // port number that opens it; 0 when none does yet
  std::string name = {};
  std::string description = {};
  std::string serialNumber = {};
  rt::PortAccess access = rt::PortAccess::Open;
  std::string group = {};
};

// "3: ttyUSB0 (FT232R USB UART, FTDI, serial A10K3Z9B)", with "- no permission"
// or "- busy" behind a port that will not open, and "-: ..." for a port that
// gets a number when it is picked.
std::string PortListLine(const PortListEntry& entry);
// Ports in number order, those without a number last, at most maxLines lines
// of at most maxChars characters ("..." ends a cut line); a last line counts
// the ports left out. An empty list says there is none.
std::string PortListText(std::vector<PortListEntry> entries, std::size_t maxLines,
                         std::size_t maxChars = std::string::npos);
// What the operator must do about a port that will not open; "" for one that will.
std::string PortAccessHint(const PortListEntry& entry);
