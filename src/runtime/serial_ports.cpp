#include "runtime/serial_ports.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "runtime/serial.h"

namespace rt {
namespace {

SerialPortLister& Lister() {
  static SerialPortLister lister;
  return lister;
}

constexpr int kHighestPort = 255;

// The whole number that follows prefix in name; -1 when name is not prefix
// and digits only.
int NumberAfter(const std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return -1;
  int n = 0;
  for (std::size_t i = prefix.size(); i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (!std::isdigit(c) || n > kHighestPort) return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  const bool same = std::filesystem::equivalent(a, b, ec);
  return !ec && same;
}

}  // namespace

void SetSerialPortLister(SerialPortLister lister) {
  Lister() = std::move(lister);
}

std::vector<SerialPortInfo> ListSerialPorts() {
  return Lister() ? Lister()() : std::vector<SerialPortInfo>{};
}

int PortNumberOfSystemName(const std::string& name) {
#ifdef _WIN32
  const int n = NumberAfter(name, "COM");
  return n >= 1 && n <= kHighestPort ? n : 0;
#else
  const int n = NumberAfter(name, "ttyS");
  return n >= 0 && n < kHighestPort ? n + 1 : 0;
#endif
}

std::vector<PortLink> PortLinksInProgramDir() {
  std::vector<PortLink> links;
  for (int n = 1; n <= kHighestPort; ++n) {
    std::error_code ec;
    const std::filesystem::path link = PortLinkPath(n);
    if (!std::filesystem::is_symlink(link, ec)) continue;
    const std::filesystem::path target = std::filesystem::read_symlink(link, ec);
    if (!ec) links.push_back({n, target.string()});
  }
  return links;
}

int PortNumberForDevice(const SerialPortInfo& port) {
  for (const PortLink& link : PortLinksInProgramDir()) {
    const bool named =
        !link.target.empty() && (link.target == port.location || link.target == port.stablePath);
    if (named || (!port.location.empty() && SameFile(PortLinkPath(link.number), port.location)))
      return link.number;
  }
  // A link of that number leads elsewhere and takes the number away.
  const int n = PortNumberOfSystemName(port.name);
  std::error_code ec;
  if (n > 0 && std::filesystem::exists(PortLinkPath(n), ec)) return 0;
  return n;
}

int LowestFreePortNumber(const std::vector<SerialPortInfo>& ports) {
  std::vector<bool> taken(kHighestPort + 1, false);
  for (const PortLink& link : PortLinksInProgramDir()) taken[link.number] = true;
  for (const SerialPortInfo& port : ports) taken[PortNumberOfSystemName(port.name)] = true;
  for (int n = 1; n <= kHighestPort; ++n)
    if (!taken[n]) return n;
  return 0;
}

bool MakePortLink(int number, const std::string& target, std::string* error) {
  std::error_code ec;
  const std::filesystem::path link = PortLinkPath(number);
  std::filesystem::create_directories(link.parent_path(), ec);
  ec.clear();
  std::filesystem::create_symlink(target, link, ec);
  if (ec && error) *error = ec.message();
  return !ec;
}

}  // namespace rt
