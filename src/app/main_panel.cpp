// The main panel's own callback and the four toggles that choose the child
// panel shown in the shared place below the toggles.
#include "app/main_panel.h"

#include "app/app_settings.h"
#include "link/run_state.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

struct ToggleGroupMember {
  int toggle;
  int PanelHandles::*panel;
};

constexpr ToggleGroupMember kToggleGroup[] = {
    {ids::MAIN_TOGG_PARA1, &PanelHandles::para1},
    {ids::MAIN_TOGG_RECORDER, &PanelHandles::recorder},
    {ids::MAIN_TOGG_PARA2, &PanelHandles::para2},
    {ids::MAIN_TOGG_CALIB, &PanelHandles::calib},
};

void SetUpRollGraphTraces(int panel) {
  static constexpr int kColours[6] = {rt::VAL_DK_GREEN, rt::VAL_DK_GREEN, rt::VAL_BLACK,
                                      rt::VAL_RED,      rt::VAL_RED,      rt::VAL_RED};
  for (int trace = 1; trace <= 6; ++trace)
    rt::SetTraceAttribute(panel, ids::MAIN_ROLL_GRAPH, trace, rt::ATTR_STRIP_SCROLL, 1);
  for (int trace = 1; trace <= 6; ++trace)
    rt::SetTraceAttribute(panel, ids::MAIN_ROLL_GRAPH, trace, rt::ATTR_TRACE_COLOR,
                          kColours[trace - 1]);
  rt::SetCtrlAttribute(panel, ids::MAIN_ROLL_GRAPH, rt::ATTR_NUM_TRACES, 6);
}

// One behaviour for the four toggles: they act as radio buttons over the
// shared child-panel place.
int PanelToggle(int panel, int control, int event) {
  if (event == rt::EVENT_LEFT_CLICK) {
    for (const auto& m : kToggleGroup)
      if (m.toggle != control) rt::SetCtrlVal(panel, m.toggle, 0);
  } else if (event == rt::EVENT_COMMIT) {
    int own = 0;
    for (const auto& m : kToggleGroup)
      if (m.toggle == control) own = Panels().*m.panel;
    int left = 0, top = 0;
    rt::GetPanelAttribute(own, rt::ATTR_LEFT, &left);
    rt::GetPanelAttribute(own, rt::ATTR_TOP, &top);
    rt::SetPanelPos(own, top, left);
    rt::SetCtrlVal(panel, control, 1);
    for (const auto& m : kToggleGroup)
      if (m.toggle != control) rt::HidePanel(Panels().*m.panel);
    rt::DisplayPanel(own);
  }
  return 0;
}

}  // namespace

void CloseMainPanel();

int CC_PANEL(int panel, int event, void*, int, int) {
  switch (event) {
    case rt::EVENT_CLOSE:
      CloseMainPanel();
      break;
    case rt::EVENT_PANEL_SIZE:
      SetUpRollGraphTraces(panel);
      break;
    case rt::EVENT_RIGHT_DOUBLE_CLICK:
      rt::SetPanelSize(panel, kMainHeight, kMainWidth);
      rt::SetPanelPos(panel, rt::VAL_AUTO_CENTER, rt::VAL_AUTO_CENTER);
      break;
    default:
      break;
  }
  return 0;
}

// Closing saves the settings file first, then ends any transfer loop through
// the stop flag and gives it a moment to finish before the event loop is told
// to quit.
void CloseMainPanel() {
  SaveAppSettings(App().settingsPath);
  RunMode().stopFlag = kStopStopped;
  rt::ProcessSystemEvents();
  rt::Delay(0.2);
  rt::QuitUserInterface(0);
}

int CC_TOGGBTN_Para1(int panel, int control, int event, void*, int, int) {
  return PanelToggle(panel, control, event);
}
int CC_TOGGBTN_Recorder(int panel, int control, int event, void*, int, int) {
  return PanelToggle(panel, control, event);
}
int CC_TOGGBTN_Para2(int panel, int control, int event, void*, int, int) {
  return PanelToggle(panel, control, event);
}
int CC_TOGGBTN_Calib(int panel, int control, int event, void*, int, int) {
  return PanelToggle(panel, control, event);
}

void RegisterMainPanelCallbacks() {
  rt::RegisterPanelCallback("CC_PANEL", CC_PANEL);
  rt::RegisterCtrlCallback("CC_TOGGBTN_Para1", CC_TOGGBTN_Para1);
  rt::RegisterCtrlCallback("CC_TOGGBTN_Recorder", CC_TOGGBTN_Recorder);
  rt::RegisterCtrlCallback("CC_TOGGBTN_Para2", CC_TOGGBTN_Para2);
  rt::RegisterCtrlCallback("CC_TOGGBTN_Calib", CC_TOGGBTN_Calib);
}
