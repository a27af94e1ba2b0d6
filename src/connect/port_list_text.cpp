#include "connect/port_list_text.h"

#include <algorithm>

std::string PortListLine(const PortListEntry& e) {
  std::string line = e.number > 0 ? std::to_string(e.number) : "-";
  line += ": " + e.name;
  std::string about = e.description;
  if (!e.serialNumber.empty()) about += (about.empty() ? "serial " : ", serial ") + e.serialNumber;
  if (!about.empty()) line += " (" + about + ")";
  if (e.access == rt::PortAccess::NoPermission) line += " - no permission";
  if (e.access == rt::PortAccess::Busy) line += " - busy";
  return line;
}

std::string PortAccessHint(const PortListEntry& e) {
  switch (e.access) {
    case rt::PortAccess::NoPermission:
      return e.name + ": no permission. Join the group '" + e.group + "' (sudo usermod -aG " +
             e.group + " $USER), then log out and in again.";
    case rt::PortAccess::Busy:
      return e.name + " is busy: another program holds it. Close that program first.";
    case rt::PortAccess::Open:
      break;
  }
  return {};
}

namespace {

std::string Cut(std::string line, std::size_t maxChars) {
  constexpr std::size_t kEllipsis = 3;
  if (line.size() <= maxChars || maxChars <= kEllipsis) return line;
  line.resize(maxChars - kEllipsis);
  return line + "...";
}

}  // namespace

std::string PortListText(std::vector<PortListEntry> entries, std::size_t maxLines,
                         std::size_t maxChars) {
  if (entries.empty()) return "No serial port found on this PC";
  std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
    const bool an = a.number > 0, bn = b.number > 0;
    if (an != bn) return an;
    return an && a.number < b.number;
  });
  const std::size_t shown =
      entries.size() <= maxLines ? entries.size() : (maxLines > 0 ? maxLines - 1 : 0);
  std::string text;
  for (std::size_t i = 0; i < shown; ++i) {
    if (!text.empty()) text += '\n';
    text += Cut(PortListLine(entries[i]), maxChars);
  }
  if (shown < entries.size()) {
    if (!text.empty()) text += '\n';
    text += "+ " + std::to_string(entries.size() - shown) + " more";
  }
  return text;
}
