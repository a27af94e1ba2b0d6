#include "display/button_help.h"

#include "help/help_box.h"

namespace {
constexpr int kHelpOffset = 10;  // right of the control's edge, above its top
}  // namespace

void ToggleButtonHelp(int panel, int control, const std::string& text) {
  ToggleHelpBeside(panel, control, HelpBox::Main, kHelpOffset, kHelpOffset, text);
}
