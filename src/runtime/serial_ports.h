// The serial ports this machine has, as the platform lists them, and which port
// number reaches each of them.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace rt {

// Whether this user may open a port now.
enum class PortAccess {
  Open,          // nothing stands in the way that can be seen before opening
  NoPermission,  // the device refuses this user: it belongs to a group (dialout)
  Busy,          // another program holds it
};

struct SerialPortInfo {
  std::string name;               // system name: ttyUSB0, ttyS0, COM3
  std::string location;           // device path: /dev/ttyUSB0, \\.\COM3
  std::string description;        // what the platform knows of it (adapter, maker); may be empty
  std::string serialNumber = {};  // of a USB adapter; may be empty
  std::string stablePath = {};    // finds the same adapter in any socket; may be empty
  PortAccess access = PortAccess::Open;
  std::string group = {};  // the device's group, where access is refused
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

// The lowest number that neither a COM<n> link nor a listed port takes.
int LowestFreePortNumber(const std::vector<SerialPortInfo>& ports);
// Makes the link COM<number> in the program directory lead to target; false
// (with the system's reason) when it cannot.
bool MakePortLink(int number, const std::string& target, std::string* error);

// What stands between this user and the device, looked at without opening it
// (an adapter may reset when it is opened): the device's permissions, and
// another program that has it open or holds its lock file.
PortAccess CheckPortAccess(const std::string& device, std::string* group);
// The link in /dev/serial/by-id that leads to the device, or "".
std::string StablePathOf(const std::string& device);

}  // namespace rt
