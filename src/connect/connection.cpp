#include "connect/connection.h"

#include "connect/comset_state.h"
#include "connect/identification.h"
#include "connect/port_list.h"
#include "display/threshold_readback.h"
#include "display/threshold_state.h"
#include "link/line_checks.h"
#include "params/parameter_display.h"
#include "params/parameter_transfer.h"
#include "params/transfer_state.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/dialogs.h"
#include "runtime/ui_model.h"
#include "sensor/frame_mapping.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "sensor/sensor_text.h"
#include "ui/line_messages.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr double kStepPause = 0.05;
constexpr const char* kAttention = "Attention !!!";

bool StartsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

// A line that does not answer, or answers wrongly: offer the communication
// settings so that the operator can pick another port or baud rate.
void OfferComSettings() {
  const PanelHandles& p = Panels();
  rt::SetCtrlVal(p.main, ids::MAIN_CONNECT, 1);
  rt::SetCtrlAttribute(p.comset, ids::COM_ACCEPT, rt::ATTR_DIMMED, 1);
  rt::GetCtrlVal(p.comset, ids::COM_PORT, &ComSettings().savedPort);
  ShowPortList();
  rt::DisplayPanel(p.comset);
  DimLinkButtons(1);
}

// The family check on the firmware text. Returns true when the sequence goes on.
bool CheckFamily(const std::string& firmware, std::string* info) {
  const Family family = FamilyOf(firmware);
  const bool goOn = family == Family::KavroXb || family == Family::Vex12;
  DimLinkButtons(goOn ? 0 : 1);
  switch (family) {
    case Family::KavroRm:
      DimLinkButtons(1);
      rt::MessagePopup(
          kAttention,
          "Incompatible hardware detected!\nPlease use KAVRO-RM-Scope software version!");
      SetStatusText("Please use KAVRO-RM-Scope software version!");
      *info = firmware;
      break;
    case Family::KavroVn:
      DimLinkButtons(1);
      rt::MessagePopup(
          kAttention,
          "Incompatible hardware detected!\nPlease use KAVRO-VN-Scope software version!");
      SetStatusText("Please use KAVRO-VN-Scope software version!");
      *info = firmware;
      break;
    case Family::Vex12:
      DimLinkButtons(0);
      rt::MessagePopup(kAttention,
                       "Norvane DAV-UZIR firmware-version detected!\n"
                       "Please use DAV-UZIR-V3.1x software!");
      SetStatusText("Please use DAV-UZIR-V3.1x software!");
      *info = firmware;
      break;
    default:
      break;
  }
  return goOn;
}

// Within the supported firmware versions both parameter frames and the stored
// threshold curve are read; outside it the operator is told which program fits.
void CheckFirmwareWindow(const std::string& firmware, std::string* info) {
  const int version = Hardware().firmwareVersion;
  *info = firmware;
  if (version < kOldestFirmware) {
    rt::MessagePopup(kAttention,
                     "Incompatible hardware detected!\n"
                     "Please use KAVRO-XB-Scope software version 3.0x !");
    SetStatusText("Please use KAVRO-XB-Scope Version 3.0x !");
    DimLinkButtons(1);
  } else if (version > kNewestFirmware) {
    rt::MessagePopup(kAttention,
                     "Incompatible or newer firmware detected!\n"
                     "Please use KAVRO-XB-Scope software version newer than V3.18 !");
    SetStatusText("Please use KAVRO-XB-Scope Version newer than V3.18 !");
    DimLinkButtons(1);
  } else {
    rt::Delay(kStepPause);
    GetParameterFrame(kTargetRam, 0);
    rt::Delay(kStepPause);
    GetParameterFrame(kTargetRam, 1);
    GetEEThreshold();
    Threshold().autoLine = Threshold().storedCurve;
    // The block reads report on the status line; the sequence ends on the
    // sensor's identification.
    SetStatusText(firmware);
  }
}

}  // namespace

int CheckLineEcho() {
  int result = 0;
  switch (EchoCheck(ParaFrameWords(Params(), 0))) {
    case EchoOutcome::LineGood:
      SetStatusText("Echo Check - Line Ok!");
      result = 1;
      break;
    case EchoOutcome::NotSync:
      SetStatusText("read error - not sync byte 0xAA!");
      break;
    case EchoOutcome::OtherReply:
      break;
    case EchoOutcome::TimedOut:
      SetStatusText("Timeout-RS-232...");
      result = -1;
      break;
  }
  ShowStatusTextOnBoth();
  return result;
}

Family FamilyOf(const std::string& text) {
  if (StartsWith(text, "KAVRO-XB")) return Family::KavroXb;
  if (StartsWith(text, "VEX12")) return Family::Vex12;
  if (StartsWith(text, "KAVRO-RM")) return Family::KavroRm;
  if (StartsWith(text, "KAVRO-VN") || StartsWith(text, "KAVRO-ZOT")) return Family::KavroVn;
  return Family::Unknown;
}

int ConnectSensor() {
  std::string info;
  WakeLine();
  rt::Delay(kStepPause);
  int result = CheckLineEcho();
  if (result != 1) {
    OfferComSettings();
  } else {
    rt::Delay(kStepPause);
    const FirmwareText firmwareText =
        ReadFirmwareInfo([](int) { ShowStatusOnBoth("Waiting for firmware info ..."); });
    Hardware().firmwareText = PrintableSensorText(firmwareText.text);
    SetStatusText(Hardware().firmwareText);
    if (firmwareText.waiting < kFirmwareTextBytes) {
      SetStatusText("Error reading firmware-info!");
    } else {
      const std::string firmware = Hardware().firmwareText;
      if (CheckFamily(firmware, &info)) {
        rt::Delay(kStepPause);
        result = ReadHardwareInfo();
        if (result == 0)
          SetStatusText("Error reading HARDWARE-info!");
        else
          CheckFirmwareWindow(firmware, &info);
      }
    }
  }
  ShowStatusText();
  ShowLinkMessage(info);
  return result;
}
