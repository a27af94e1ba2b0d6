#include "help/help_box.h"

#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

struct BoxPlace {
  int panel;
  int control;
};

BoxPlace Place(HelpBox box) {
  switch (box) {
    case HelpBox::Large:
      return {Panels().main, ids::MAIN_HELP_LARGE};
    case HelpBox::Settings:
      return {Panels().comset, ids::COM_HELP};
    default:
      return {Panels().main, ids::MAIN_HELP};
  }
}

}  // namespace

void ToggleHelpAt(HelpBox box, int left, int top, const std::string& text) {
  const BoxPlace b = Place(box);
  rt::SetCtrlAttribute(b.panel, b.control, rt::ATTR_LEFT, left);
  rt::SetCtrlAttribute(b.panel, b.control, rt::ATTR_TOP, top);
  int visible = 0;
  rt::GetCtrlAttribute(b.panel, b.control, rt::ATTR_VISIBLE, &visible);
  rt::SetCtrlAttribute(b.panel, b.control, rt::ATTR_VISIBLE, visible ? 0 : 1);
  rt::ResetTextBox(b.panel, b.control, text);
}

void ToggleHelpBeside(int panel, int control, HelpBox box, int dx, int dy,
                      const std::string& text) {
  int top = 0, left = 0, height = 0, width = 0;
  rt::GetCtrlBoundingRect(panel, control, &top, &left, &height, &width);
  // Controls of child panels are placed in main-panel coordinates.
  if (box != HelpBox::Settings && panel != Panels().main) {
    int panelLeft = 0, panelTop = 0;
    rt::GetPanelAttribute(panel, rt::ATTR_LEFT, &panelLeft);
    rt::GetPanelAttribute(panel, rt::ATTR_TOP, &panelTop);
    left += panelLeft;
    top += panelTop;
  }
  ToggleHelpAt(box, left + width + dx, top - dy, text);
}
