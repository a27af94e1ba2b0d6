#include "connect/com_settings.h"

#include "connect/baud_change.h"
#include "connect/comset_state.h"
#include "connect/connection.h"
#include "connect/port_list.h"
#include "connect/port_open.h"
#include "help/control_help.h"
#include "help/help_box.h"
#include "link/line.h"
#include "link/run_state.h"
#include "params/parameter_controls_init.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr const char* kConnectHelp =
    "CONNECT-BUTTON:\nOpens a popup-window to preset some\nsettings for the serial rs232 "
    "data-transfer";
constexpr const char* kTryHelp =
    "TRY TO CONNECT BUTTON:\nOutputs a serial data-frame to sensor and\nwaiting for an echo! The "
    "data-frame is sent\nwith the preset baudrate and rs232port port number.";
constexpr const char* kAcceptHelp =
    "ACCEPT COM SETTINGS BUTTON:\nExit the CONNECT-popup-window !\nStore actual settings for "
    "baudrate and rs232port port number.";
constexpr const char* kDiscardHelp =
    "DISCARD BUTTON:\nExit the CONNECT-popup-window !\nUse old settings for baudrate and "
    "rs232port port number.";

void (*g_saveSettings)() = nullptr;

std::uint16_t FieldValue(int control) {
  std::uint16_t value = 0;
  rt::GetCtrlVal(Panels().comset, control, &value);
  return value;
}

// The settings-panel box opens at an offset from the button's own corner.
void ToggleSettingsHelp(int control, int dx, int dy, const char* text) {
  const int panel = Panels().comset;
  int top = 0, left = 0, height = 0, width = 0;
  rt::GetCtrlBoundingRect(panel, control, &top, &left, &height, &width);
  rt::SetCtrlAttribute(panel, ids::COM_HELP, rt::ATTR_HELPBOX_FLAG, 0);
  ToggleHelpAt(HelpBox::Settings, left + dx, top + dy, text);
}

// Accept and Discard both leave the panel the same way.
void ClosePanel() {
  const PanelHandles& p = Panels();
  SetControlVisible(p.comset, ids::COM_HELP, false);
  rt::SetCtrlVal(p.main, ids::MAIN_CONNECT, 0);
  rt::HidePanel(p.comset);
}

// The left click that comes before the commit ends a running loop.
bool StopOnPress(int event) {
  if (event != rt::EVENT_LEFT_CLICK) return false;
  RunMode().stopFlag = kStopStopped;
  return true;
}

// Returns 1 when the operator clicked the toggle while it was on: it stays on
// and the panel stays as it is.
int OpenSettings() {
  const PanelHandles& p = Panels();
  int clicked = 0;
  rt::GetCtrlVal(p.main, ids::MAIN_CONNECT, &clicked);
  rt::SetCtrlVal(p.main, ids::MAIN_CONNECT, 1);
  if (clicked == 0) return 1;
  ComSettings().savedPort = FieldValue(ids::COM_PORT);
  ComSettings().savedBaud = FieldValue(ids::COM_BAUD);
  SetControlDimmed(p.comset, ids::COM_ACCEPT, true);
  SetControlDimmed(p.comset, ids::COM_DISCARD, false);
  ShowPortList();
  rt::DisplayPanel(p.comset);
  return 0;
}

void TryToConnect() {
  RunMode().stopFlag = kStopStopped;
  rt::ProcessSystemEvents();
  ComSettings().savedPort = LinePort();
  ComSettings().savedBaud = LineBaudIndex();
  rt::CloseCom(LinePort());
  SetLinePort(FieldValue(ids::COM_PORT), FieldValue(ids::COM_BAUD));
  ShowStatusOnBoth("Init RS-232-COM-Port ...");
  const int comset = Panels().comset;
  if (OpenRs232Port(LinePort(), LineBaudIndex()) < 0) {
    SetControlDimmed(comset, ids::COM_ACCEPT, true);
    return;
  }
  if (ConnectSensor() == 1) {
    SetControlDimmed(comset, ids::COM_ACCEPT, false);
    InitParameterControls();
  }
}

// The connection Try to connect (or the baud-rate change) made is kept as it is.
void Accept() {
  SetLinePort(FieldValue(ids::COM_PORT), FieldValue(ids::COM_BAUD));
  ComSettings().savedPort = LinePort();
  if (g_saveSettings) g_saveSettings();
  ClosePanel();
}

// The port is not reopened: the link addresses the restored port number until
// the next Try to connect.
void Discard() {
  SetLinePort(ComSettings().savedPort, ComSettings().savedBaud);
  const int comset = Panels().comset;
  rt::SetCtrlVal(comset, ids::COM_PORT, static_cast<int>(LinePort()));
  rt::SetCtrlVal(comset, ids::COM_BAUD, static_cast<int>(LineBaudIndex()));
  SetControlDimmed(comset, ids::COM_ACCEPT, true);
  ClosePanel();
}

}  // namespace

void SetComSettingsSaver(void (*save)()) {
  g_saveSettings = save;
}

int CC_TOGGBTNConnect(int panel, int control, int event, void*, int, int) {
  if (StopOnPress(event)) return 0;
  if (event == rt::EVENT_RIGHT_CLICK) {
    constexpr int kDx = 10, kDy = 60;
    ToggleHelpBeside(panel, control, HelpBox::Main, kDx, kDy, kConnectHelp);
    return 0;
  }
  return event == rt::EVENT_COMMIT ? OpenSettings() : 0;
}

int CC_CBTNTryToConnect(int, int control, int event, void*, int, int) {
  if (StopOnPress(event)) return 0;
  if (event == rt::EVENT_COMMIT) TryToConnect();
  if (event == rt::EVENT_RIGHT_CLICK) ToggleSettingsHelp(control, 15, -65, kTryHelp);
  return 0;
}

int CC_CBTNAcceptComSetting(int, int control, int event, void*, int, int) {
  if (StopOnPress(event)) return 0;
  if (event == rt::EVENT_COMMIT) Accept();
  if (event == rt::EVENT_RIGHT_CLICK) ToggleSettingsHelp(control, 10, -65, kAcceptHelp);
  return 0;
}

int CC_CBTNDiscardComSetting(int, int control, int event, void*, int, int) {
  if (StopOnPress(event)) return 0;
  if (event == rt::EVENT_COMMIT) Discard();
  if (event == rt::EVENT_RIGHT_CLICK) ToggleSettingsHelp(control, -200, -65, kDiscardHelp);
  return 0;
}

int CC_DROPBaudRate(int, int, int, void*, int, int) {
  return 0;
}

int CC_NUMrs232comport(int, int, int, void*, int, int) {
  return 0;
}

void RegisterComSettingsCallbacks() {
  rt::RegisterCtrlCallback("CC_TOGGBTNConnect", CC_TOGGBTNConnect);
  rt::RegisterCtrlCallback("CC_CBTNTryToConnect", CC_CBTNTryToConnect);
  rt::RegisterCtrlCallback("CC_CBTNAcceptComSetting", CC_CBTNAcceptComSetting);
  rt::RegisterCtrlCallback("CC_CBTNDiscardComSetting", CC_CBTNDiscardComSetting);
  rt::RegisterCtrlCallback("CC_CBTNChangeBaudRate", CC_CBTNChangeBaudRate);
  rt::RegisterCtrlCallback("CC_DROPBaudRate", CC_DROPBaudRate);
  rt::RegisterCtrlCallback("CC_NUMrs232comport", CC_NUMrs232comport);
  rt::RegisterCtrlCallback("CC_RINGPortList", CC_RINGPortList);
  RegisterHelpText("CC_TOGGBTNConnect", kConnectHelp);
  RegisterHelpText("CC_CBTNTryToConnect", kTryHelp);
  RegisterHelpText("CC_CBTNAcceptComSetting", kAcceptHelp);
  RegisterHelpText("CC_CBTNDiscardComSetting", kDiscardHelp);
}
