// The serial ports this machine has, as the platform lists them, and which port
// number reaches each of them.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace rt {

struct SerialPortInfo {
  std::string name;         // system name: ttyUSB0, ttyS0, COM3
  std::string location;     // device path: /dev/ttyUSB0, \\.\COM3
  std::string description;  // what the platform knows of it (adapter, maker); may be empty
};

using SerialPortLister = std::function<std::vector<SerialPortInfo>()>;
// The front end supplies the platform's list; without one the list is empty.
void SetSerialPortLister(SerialPortLister lister);
std::vector<SerialPortInfo> ListSerialPorts();

// The number the platform gives a port by its system name: ttyS<k> is k + 1 on
// Linux, COM<n> is n on Windows; 0 for any other name or a number outside 1..255.
int PortNumberOfSystemName(const std::string& name);
// COM<n> links in the program directory, by number, with the path each leads to.
struct PortLink {
  int number = 0;
  std::string target;
};
std::vector<PortLink> PortLinksInProgramDir();

// The port number that opens this device: the first COM<n> link in the program
// directory that leads to it, else the platform's number; 0 when none does.
int PortNumberForDevice(const SerialPortInfo& port);

}  // namespace rt
