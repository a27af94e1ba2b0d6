#include "connect/port_list.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "connect/port_list_text.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/serial_ports.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

constexpr const char* kWatch = "port list";
constexpr double kScanInterval = 1.0;  // an adapter shows up or goes within two seconds
constexpr int kNothingPicked = 0;      // the prompt; the ports count from 1

struct Port {
  PortListEntry entry;
  std::string device;      // what a link for it leads to
  std::string identifier;  // the same adapter from one scan to the next
};

// The ports as the machine lists them, and the COM<n> links that lead to a
// device it does not list (a pseudo-terminal, a device by-id).
std::vector<Port> ScanPorts() {
  const std::vector<rt::SerialPortInfo> listed = rt::ListSerialPorts();
  std::vector<Port> ports;
  for (const rt::SerialPortInfo& p : listed) {
    Port port;
    port.entry = {
        rt::PortNumberForDevice(p), p.name, p.description, p.serialNumber, p.access, p.group};
    port.device = p.stablePath.empty() ? p.location : p.stablePath;
    port.identifier = p.location;
    ports.push_back(std::move(port));
  }
  for (const rt::PortLink& link : rt::PortLinksInProgramDir()) {
    const bool listed = std::any_of(ports.begin(), ports.end(),
                                    [&](const Port& p) { return p.entry.number == link.number; });
    if (listed) continue;
    Port port;
    port.entry.number = link.number;
    port.entry.name = "COM" + std::to_string(link.number);
    port.entry.description = link.target;
    port.device = link.target;
    port.identifier = "COM" + std::to_string(link.number);
    ports.push_back(std::move(port));
  }
  std::stable_sort(ports.begin(), ports.end(), [](const Port& a, const Port& b) {
    const bool an = a.entry.number > 0, bn = b.entry.number > 0;
    if (an != bn) return an;
    return an && a.entry.number < b.entry.number;
  });
  return ports;
}

std::vector<Port>& Shown() {
  static std::vector<Port> ports;
  return ports;
}

int Comset() {
  return Panels().comset;
}

void SetHint(const std::string& text) {
  rt::SetCtrlVal(Comset(), ids::COM_PORT_HINT, text);
}

// The first port that will not open explains itself under the list.
std::string AccessHint(const std::vector<Port>& ports) {
  for (const Port& p : ports)
    if (std::string hint = PortAccessHint(p.entry); !hint.empty()) return hint;
  return {};
}

bool SameList(const std::vector<Port>& a, const std::vector<Port>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Port& x, const Port& y) {
    return x.identifier == y.identifier && PortListLine(x.entry) == PortListLine(y.entry);
  });
}

// The list and the tooltip as the ports are now; the port the operator picked
// stays picked while it is there.
void Show(std::vector<Port> ports) {
  const int panel = Comset();
  int picked = kNothingPicked;
  rt::GetCtrlVal(panel, ids::COM_PORT_LIST, &picked);
  std::string pickedId;
  if (picked > kNothingPicked && picked <= static_cast<int>(Shown().size()))
    pickedId = Shown()[picked - 1].identifier;
  rt::ClearListCtrl(panel, ids::COM_PORT_LIST);
  const char* prompt = ports.empty() ? "No serial port found on this PC" : "Pick a port ...";
  rt::InsertListItem(panel, ids::COM_PORT_LIST, -1, prompt, kNothingPicked);
  int keep = kNothingPicked;
  std::vector<PortListEntry> entries;
  for (std::size_t i = 0; i < ports.size(); ++i) {
    rt::InsertListItem(panel, ids::COM_PORT_LIST, -1, PortListLine(ports[i].entry),
                       static_cast<double>(i + 1));
    if (ports[i].identifier == pickedId) keep = static_cast<int>(i + 1);
    entries.push_back(ports[i].entry);
  }
  rt::SetCtrlVal(panel, ids::COM_PORT_LIST, keep);
  const std::string all = PortListText(entries, SIZE_MAX);
  rt::SetCtrlAttribute(panel, ids::COM_PORT_LIST, rt::ATTR_TOOLTIP_TEXT, all);
  rt::SetCtrlAttribute(panel, ids::COM_PORT, rt::ATTR_TOOLTIP_TEXT, all);
  SetHint(AccessHint(ports));
  Shown() = std::move(ports);
}

bool PanelShown() {
  const rt::Panel* p = rt::FindPanel(Comset());
  return p && p->visible;
}

// Once a second while the panel is shown; redrawn only when something changed,
// so that an open drop-down is not closed under the operator's hand.
void Rescan() {
  if (!PanelShown()) {
    rt::StopRepeatingTimer(kWatch);
    return;
  }
  std::vector<Port> ports = ScanPorts();
  if (!SameList(ports, Shown())) Show(std::move(ports));
}

// A port without a number gets the lowest free one, through a link to the
// adapter's stable path where it has one. Returns what the operator is told.
std::string GiveNumber(Port& port) {
  const int number = rt::LowestFreePortNumber(rt::ListSerialPorts());
  std::string error;
  if (number == 0) return "Cannot give " + port.entry.name + " a port number: all are taken";
  if (!rt::MakePortLink(number, port.device, &error))
    return "Cannot give " + port.entry.name + " a port number: " + error;
  port.entry.number = number;
  return port.entry.name + " is now port " + std::to_string(number) + " (COM" +
         std::to_string(number) + " -> " + port.device + ")";
}

void Pick(int item) {
  if (item <= kNothingPicked || item > static_cast<int>(Shown().size())) return;
  Port port = Shown()[item - 1];
  std::string said;
  if (port.entry.number == 0) said = GiveNumber(port);
  if (port.entry.number == 0) {
    SetHint(said);
    return;
  }
  rt::SetCtrlVal(Comset(), ids::COM_PORT, port.entry.number);
  Show(ScanPorts());  // the new number in the list; the picked port stays picked
  const std::string access = PortAccessHint(port.entry);
  if (!access.empty() || !said.empty()) SetHint(access.empty() ? said : access);
}

}  // namespace

void ShowPortList() {
  if (!rt::FindPanel(Comset())) return;
  Show(ScanPorts());
  rt::StartRepeatingTimer(kWatch, kScanInterval, Rescan);
}

int CC_RINGPortList(int panel, int control, int event, void*, int, int) {
  if (event != rt::EVENT_COMMIT) return 0;
  int item = kNothingPicked;
  rt::GetCtrlVal(panel, control, &item);
  Pick(item);
  return 0;
}
