#include "help/help_callbacks.h"

#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

constexpr int kBoxLeft = 10;
constexpr int kBoxTop = 110;

bool IsClick(int event) {
  return event == rt::EVENT_LEFT_CLICK || event == rt::EVENT_RIGHT_CLICK;
}

void HideMainHelpBoxes() {
  rt::SetCtrlAttribute(Panels().main, ids::MAIN_HELP, rt::ATTR_VISIBLE, 0);
  rt::SetCtrlAttribute(Panels().main, ids::MAIN_HELP_LARGE, rt::ATTR_VISIBLE, 0);
}

int HideMainOnClick(int event) {
  if (IsClick(event)) HideMainHelpBoxes();
  return 0;
}

void ResetBox(int panel, int control, const char* text) {
  rt::SetCtrlAttribute(panel, control, rt::ATTR_VISIBLE, 0);
  rt::ResetTextBox(panel, control, text);
}

}  // namespace

int CC_HelpText1(int, int, int event, void*, int, int) {
  return HideMainOnClick(event);
}

int CC_HelpText2(int, int, int event, void*, int, int) {
  return HideMainOnClick(event);
}

int CC_HelpText3(int, int, int event, void*, int, int) {
  if (IsClick(event)) rt::SetCtrlAttribute(Panels().comset, ids::COM_HELP, rt::ATTR_VISIBLE, 0);
  return 0;
}

void RegisterHelpCallbacks() {
  rt::RegisterCtrlCallback("CC_HelpText1", CC_HelpText1);
  rt::RegisterCtrlCallback("CC_HelpText2", CC_HelpText2);
  rt::RegisterCtrlCallback("CC_HelpText3", CC_HelpText3);
}

void ResetHelpBoxes() {
  const int main = Panels().main;
  for (int box : {ids::MAIN_HELP, ids::MAIN_HELP_LARGE}) {
    rt::SetCtrlAttribute(main, box, rt::ATTR_LEFT, kBoxLeft);
    rt::SetCtrlAttribute(main, box, rt::ATTR_TOP, kBoxTop);
  }
  ResetBox(main, ids::MAIN_HELP, "HELPTEXT1");
  ResetBox(main, ids::MAIN_HELP_LARGE, "HELPTEXT2");
  ResetBox(Panels().comset, ids::COM_HELP, "HELPTEXT3");
}
