#include "help/control_help.h"

#include <map>

#include "runtime/constants.h"
#include "runtime/ui_model.h"

namespace {

struct ControlHelp {
  std::function<std::string()> text;
  std::string note;
};

std::map<std::string, ControlHelp>& Texts() {
  static std::map<std::string, ControlHelp> texts;
  return texts;
}

}  // namespace

void RegisterHelpText(const std::string& callback, const char* text) {
  Texts()[callback].text = [text] { return std::string(text); };
}

void RegisterHelpText(const std::string& callback, std::function<std::string()> text) {
  Texts()[callback].text = std::move(text);
}

void AddTooltipNote(const std::string& callback, const std::string& note) {
  Texts()[callback].note = note;
}

void ClearHelpTexts() {
  Texts().clear();
}

void ShowHelpTooltips() {
  for (int panel : rt::PanelHandles()) {
    const rt::Panel* p = rt::FindPanel(panel);
    if (!p) continue;
    for (const auto& [id, control] : p->controls) {
      const auto help = Texts().find(control.callback);
      if (help == Texts().end() || !help->second.text) continue;
      std::string tooltip = help->second.text();
      if (!help->second.note.empty()) tooltip += "\n\n" + help->second.note;
      if (tooltip != control.tooltip)
        rt::SetCtrlAttribute(panel, id, rt::ATTR_TOOLTIP_TEXT, tooltip);
    }
  }
}
