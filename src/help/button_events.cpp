#include "help/button_events.h"

#include "help/help_box.h"
#include "runtime/constants.h"

int HandleButtonEvent(int panel, int control, int event, const ButtonActions& a) {
  switch (event) {
    case rt::EVENT_LEFT_CLICK:
      if (a.press) a.press();
      break;
    case rt::EVENT_COMMIT:
      if (a.commit) a.commit();
      break;
    case rt::EVENT_RIGHT_CLICK:
      ToggleHelpBeside(panel, control, HelpBox::Main, a.help.dx, a.help.dy, a.help.text);
      break;
    default:
      break;
  }
  return 0;
}

void ToggleButtonHelp(int panel, int control, const std::string& text) {
  const ButtonHelp place;
  ToggleHelpBeside(panel, control, HelpBox::Main, place.dx, place.dy, text);
}
