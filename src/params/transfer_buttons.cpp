#include "params/transfer_buttons.h"

#include <cstring>
#include <string>

#include "help/button_events.h"
#include "help/control_help.h"
#include "link/request.h"
#include "link/run_state.h"
#include "params/parameter_file.h"
#include "params/parameter_panels.h"
#include "params/parameter_transfer.h"
#include "params/transfer_state.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/dialogs.h"
#include "runtime/events.h"
#include "runtime/files.h"
#include "runtime/ui_model.h"
#include "ui/line_messages.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr double kFramePause = 0.1;   // between PARA0 and PARA1
constexpr double kDummyPause = 0.05;  // after the wake-up frame of a get

constexpr int kHelpDx = 20;
constexpr int kSendHelpDy = 20;
constexpr int kGetHelpDy = 40;
constexpr const char* kSendHelp =
    "SEND-BUTTON:\nSend parameter-frame to EEPROM- or\nRAM-memory of the KAVRO-sensor!";
constexpr const char* kGetHelp =
    "GET-BUTTON:\nGet parameter-frame of KAVRO sensor\nfrom EEPROM- or RAM-memory ...";

struct TargetButton {
  int control;
  int target;
};

constexpr TargetButton kTargetButtons[] = {
    {ids::MAIN_RAM, kTargetRam},
    {ids::MAIN_EEPROM, kTargetEeprom},
    {ids::MAIN_FILE, kTargetFile},
};

// The three buttons act as one group with exactly one of them on. Clicking the
// button that is on turns it off: the target falls back to RAM.
int SelectTarget(int panel, int control, int event) {
  if (event != rt::EVENT_VAL_CHANGED) return 0;
  int on = 0;
  rt::GetCtrlVal(panel, control, &on);
  if (on == 0) {
    Transfer().target = kTargetRam;
    rt::SetCtrlVal(panel, ids::MAIN_RAM, 1);
    return 0;
  }
  for (const TargetButton& b : kTargetButtons) {
    if (b.control == control) {
      rt::SetCtrlVal(panel, b.control, 1);
      Transfer().target = b.target;
    } else {
      rt::SetCtrlVal(panel, b.control, 0);
    }
  }
  return 0;
}

}  // namespace

void SelectRamTarget() {
  const int main = Panels().main;
  rt::SetCtrlVal(main, ids::MAIN_RAM, 1);
  Transfer().target = kTargetRam;
  rt::SetCtrlVal(main, ids::MAIN_EEPROM, 0);
  rt::SetCtrlVal(main, ids::MAIN_FILE, 0);
}

namespace {

rt::FileSelectRequest ParameterFileDialog(const char* title, bool save) {
  rt::FileSelectRequest r;
  r.defaultDirectory = rt::ProjectDir();
  r.defaultName = kParameterFileName;
  r.filter = kParameterFileFilter;
  r.title = title;
  r.buttonLabel = save ? "Save" : "Load";
  r.restrictDirectory = false;
  r.restrictExtension = true;
  r.allowCancel = true;
  r.allowMakeDirectory = true;
  r.save = save;
  return r;
}

// The chosen path is kept for the run; a cancelled dialog leaves it as it was.
bool ChooseParameterFile(const char* title, bool save) {
  std::string path;
  if (rt::FileSelectPopup(ParameterFileDialog(title, save), &path) <= 0) return false;
  Transfer().parameterFilePath = path;
  return true;
}

// The status line keeps its short text; the box says which file and why.
void TellFileRefused(const std::string& path, const char* what, int error) {
  rt::MessagePopup("ATTENTION!", "The parameter file\n" + path + "\ncould not be " + what + ":\n" +
                                     std::strerror(error));
}

void SaveParametersToFile() {
  if (!ChooseParameterFile("KAVRO-XB-Series Parameter File", true)) {
    ShowStatus(kSavingToFileFailed);
    return;
  }
  const std::string& path = Transfer().parameterFilePath;
  // A pipe or a device chosen in the dialog would hold the program.
  if (!rt::IsDataFilePath(path)) {
    ShowStatus(kSavingToFileFailed);
    return;
  }
  if (rt::GetFileInfo(path, nullptr) == 1 &&
      !rt::ConfirmPopup("ATTENTION!", "Parameter-File already exists - overwrite ?")) {
    ShowStatus(kNotSavedToFile);
    return;
  }
  if (const int error = WriteParameterFile(path)) {
    ShowStatus(kSavingToFileFailed);
    TellFileRefused(path, "written", error);
    return;
  }
  ShowStatus(kSavedToFile);
}

void LoadParametersFromFile() {
  if (!ChooseParameterFile("KAVRO-XB-Series-Parameter-File", false)) {
    ShowStatus(kNotReadFromFile);
    return;
  }
  if (!rt::IsDataFilePath(Transfer().parameterFilePath)) {
    ShowStatus(kNotReadFromFile);
    return;
  }
  int error = 0;
  const int applied = ReadParameterFile(Transfer().parameterFilePath, &error);
  if (error != 0) {  // gone since the dialog, or unreadable: the set is unchanged
    ShowStatus(kNotReadFromFile);
    TellFileRefused(Transfer().parameterFilePath, "read", error);
    return;
  }
  // The file target makes no exchange with the sensor: only the panels are
  // refreshed, from the set as it now stands (unchanged when not applied).
  GetParameterFrame(kTargetFile, 1);
  ShowStatus(applied ? kReadFromFile : kFileNotApplied);
}

// The panels go out as they are, without limits, for every target (also when
// the file dialog is cancelled later). PARA1 follows even when PARA0 timed out.
void Send() {
  ShowStatus("Transmit...");
  ReadParametersFromPanels();
  const int target = Transfer().target;
  if (target == kTargetFile) {
    SaveParametersToFile();
    return;
  }
  SendParameterFrame(target, 0);
  rt::Delay(kFramePause);
  SendParameterFrame(target, 1);
  // A send during run mode shares the line with the run loop.
  ResumeRunLoop();
}

// Any loop watching the stop flag ends; the sensor is woken before the get.
void PrepareGet() {
  RunMode().stopFlag = kStopStopped;
  if (Transfer().target == kTargetFile) return;
  WakeLine();
  rt::Delay(kDummyPause);
}

// Run mode is not resumed after a get.
void Get() {
  const int target = Transfer().target;
  if (target == kTargetFile) {
    LoadParametersFromFile();
    return;
  }
  GetParameterFrame(target, 0);
  rt::Delay(kFramePause);
  GetParameterFrame(target, 1);
  rt::Delay(kFramePause);
}

}  // namespace

int CC_RBTRam(int panel, int control, int event, void*, int, int) {
  return SelectTarget(panel, control, event);
}
int CC_RBTEeprom(int panel, int control, int event, void*, int, int) {
  return SelectTarget(panel, control, event);
}
int CC_RBTFile(int panel, int control, int event, void*, int, int) {
  return SelectTarget(panel, control, event);
}

int CC_BTNSend(int panel, int control, int event, void*, int, int) {
  return HandleButtonEvent(panel, control, event,
                           {.commit = Send, .help = {kSendHelp, kHelpDx, kSendHelpDy}});
}

int CC_BTNGet(int panel, int control, int event, void*, int, int) {
  return HandleButtonEvent(
      panel, control, event,
      {.commit = Get, .press = PrepareGet, .help = {kGetHelp, kHelpDx, kGetHelpDy}});
}

void RegisterTransferCallbacks() {
  rt::RegisterCtrlCallback("CC_RBTRam", CC_RBTRam);
  rt::RegisterCtrlCallback("CC_RBTEeprom", CC_RBTEeprom);
  rt::RegisterCtrlCallback("CC_RBTFile", CC_RBTFile);
  rt::RegisterCtrlCallback("CC_BTNSend", CC_BTNSend);
  rt::RegisterCtrlCallback("CC_BTNGet", CC_BTNGet);
  RegisterHelpText("CC_BTNSend", kSendHelp);
  RegisterHelpText("CC_BTNGet", kGetHelp);
}
