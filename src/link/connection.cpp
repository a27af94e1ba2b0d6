#include "link/connection.h"

#include <algorithm>
#include <cstring>

#include "app/panel_ids.h"
#include "app/panels.h"
#include "app/runtime/clock.h"
#include "app/runtime/constants.h"
#include "app/runtime/dialogs.h"
#include "app/runtime/events.h"
#include "app/runtime/serial.h"
#include "app/runtime/ui_model.h"
#include "calib/threshold_readback.h"
#include "calib/threshold_state.h"
#include "link/comset_state.h"
#include "link/frame_codec.h"
#include "link/hardware_info.h"
#include "link/identification.h"
#include "link/link_frames.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "link/status.h"
#include "link/transaction.h"
#include "params/parameter_display.h"
#include "params/parameter_transfer.h"
#include "params/transfer_state.h"

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
    SetStatusText(firmware);
    GetEEThreshold();
    Threshold().autoLine = Threshold().storedCurve;
  }
}

}  // namespace

Family FamilyOf(const std::string& text) {
  if (StartsWith(text, "KAVRO-XB")) return Family::KavroXb;
  if (StartsWith(text, "VEX12")) return Family::Vex12;
  if (StartsWith(text, "KAVRO-RM")) return Family::KavroRm;
  if (StartsWith(text, "KAVRO-VN") || StartsWith(text, "KAVRO-ZOT")) return Family::KavroVn;
  return Family::Unknown;
}

int SendDummyFrame(std::uint16_t port) {
  LinkState& l = Link();
  l.commandWord = 0;
  l.argumentWord = 0;
  l.tx.fill(0);
  ClearFrameData();
  BuildRequestFrame(0, 0, l.data.data());
  rt::FlushOutQ(port);
  rt::FlushInQ(port);
  const int written = rt::ComWrt(port, l.tx.data(), kFrameBytes);
  rt::ProcessSystemEvents();
  const bool ok = written == kFrameBytes;
  ShowStatus(ok ? "Writing RS-232 dummy frame ok!" : "Error transmit dummy frame!");
  return ok ? 1 : 0;
}

int EchoCheck(std::uint16_t port) {
  LinkState& l = Link();
  LoadDataFromParaFrame(0);
  l.commandWord = 5;
  l.argumentWord = 0;
  BuildRequestFrame(5, 0, l.data.data());
  rt::FlushOutQ(port);
  rt::FlushInQ(port);
  rt::ComWrt(port, l.tx.data(), kFrameBytes);
  const double t0 = rt::Timer();
  l.replyClass = kReplyClassNone;
  int result = 0;
  for (;;) {
    if (rt::Timer() - t0 > kReplyTimeout) {
      SetStatusText("Timeout-RS-232...");
      result = -1;
      break;
    }
    rt::ProcessSystemEvents();
    if (l.replyClass != kReplyClassNone) break;
  }
  if (l.replyClass == kReplyClassAck) {
    l.data[0] = ReadWord(l.rx.data(), 0);
    l.data[1] = ReadWord(l.rx.data(), 1);
    const bool sync = l.data[0] == kReplySync || l.data[1] == kReplySync;
    SetStatusText(sync ? "Echo Check - Line Ok!" : "read error - not sync byte 0xAA!");
    result = sync ? 1 : 0;
  }
  ShowStatusText();
  ShowLinkMessage(l.statusText);
  return result;
}

int ReadFirmwareInfo() {
  LinkState& l = Link();
  const int port = l.portNumber;
  RemoveReceiveCallback();
  rt::FlushInQ(port);
  rt::FlushOutQ(port);
  l.commandWord = 7;
  l.argumentWord = 0;
  BuildRequestFrame(7, 0, l.data.data());
  rt::ComWrt(port, l.tx.data(), kFrameBytes);
  ShowStatus("Waiting for firmware info ...");
  ShowLinkMessage("Waiting for firmware info ...");
  const double t0 = rt::Timer();
  int n = 0;
  for (;;) {
    rt::ProcessSystemEvents();
    n = rt::GetInQLen(port);
    if (rt::Timer() - t0 > kReplyTimeout || n >= kFirmwareTextBytes) break;
  }
  n = std::clamp(n, 0, kBufferBytes);
  const int got = rt::ComRd(port, l.rx.data(), n);
  if (got < kFirmwareTextBytes)
    std::fill(l.rx.begin() + std::max(got, 0), l.rx.begin() + kFirmwareTextBytes, 0);
  const char* text = reinterpret_cast<const char*>(l.rx.data());
  Hardware().firmwareText.assign(text, strnlen(text, kFirmwareTextBytes));
  SetStatusText(Hardware().firmwareText);
  InstallReceiveCallback();
  rt::FlushInQ(port);
  rt::FlushOutQ(port);
  l.replyClass = kReplyClassNone;
  return n;
}

int ConnectSensor(std::uint16_t port) {
  std::string info;
  SendDummyFrame(port);
  rt::Delay(kStepPause);
  int result = EchoCheck(port);
  if (result != 1) {
    OfferComSettings();
  } else {
    rt::Delay(kStepPause);
    if (ReadFirmwareInfo() < kFirmwareTextBytes) {
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
