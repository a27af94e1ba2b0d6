#include "connect/port_list.h"

#include <algorithm>
#include <cstdint>

#include "connect/port_list_text.h"
#include "runtime/constants.h"
#include "runtime/serial_ports.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

// The control is found again by this tag (its label, which a text message
// does not show), so a reloaded panel gets a fresh one.
constexpr const char* kTag = "PORT LIST";
constexpr int kTop = 100;
constexpr int kLeft = 152;
constexpr int kWidth = 256;
constexpr int kHeight = 38;
constexpr int kPointSize = 7;
constexpr std::size_t kLinesShown = 3;
constexpr std::size_t kCharsShown = 48;  // what the width holds at this size; the tooltip has all
constexpr int kTextColor = 0x000080;

int MakeListControl(int panel) {
  const int id = rt::NewCtrl(panel, rt::ControlKind::TextMessage, kTag, kTop, kLeft);
  if (id < 0) return 0;
  rt::SetCtrlAttribute(panel, id, rt::ATTR_WIDTH, kWidth);
  rt::SetCtrlAttribute(panel, id, rt::ATTR_HEIGHT, kHeight);
  rt::SetCtrlAttribute(panel, id, rt::ATTR_TEXT_POINT_SIZE, kPointSize);
  rt::SetCtrlAttribute(panel, id, rt::ATTR_TEXT_COLOR, kTextColor);
  int back = 0;
  rt::GetPanelAttribute(panel, rt::ATTR_BACKCOLOR, &back);
  rt::SetCtrlAttribute(panel, id, rt::ATTR_TEXT_BGCOLOR, back);
  return id;
}

}  // namespace

int PortListControl() {
  const rt::Panel* p = rt::FindPanel(Panels().comset);
  if (!p) return 0;
  for (const auto& [id, c] : p->controls)
    if (c.kind == rt::ControlKind::TextMessage && c.label == kTag) return id;
  return 0;
}

void ShowPortList() {
  const int panel = Panels().comset;
  if (!rt::FindPanel(panel)) return;
  std::vector<PortListEntry> entries;
  for (const rt::SerialPortInfo& port : rt::ListSerialPorts())
    entries.push_back({rt::PortNumberForDevice(port), port.name, port.description});
  // A link the platform does not list (a pseudo-terminal, a device by-id) is
  // still a port the operator can reach by its number.
  for (const rt::PortLink& link : rt::PortLinksInProgramDir()) {
    const bool listed = std::any_of(entries.begin(), entries.end(), [&](const PortListEntry& e) {
      return e.number == link.number;
    });
    if (!listed) entries.push_back({link.number, "COM" + std::to_string(link.number), link.target});
  }
  int id = PortListControl();
  if (id == 0) id = MakeListControl(panel);
  const std::string all = PortListText(entries, SIZE_MAX);
  if (id > 0) {
    rt::SetCtrlVal(panel, id, PortListText(entries, kLinesShown, kCharsShown));
    rt::SetCtrlAttribute(panel, id, rt::ATTR_TOOLTIP_TEXT, all);
  }
  rt::SetCtrlAttribute(panel, ids::COM_PORT, rt::ATTR_TOOLTIP_TEXT, all);
}
