#include "app/program.h"

#include "app/init_application.h"
#include "app/window_keys.h"
#include "connect/connection.h"
#include "connect/port_open.h"
#include "link/line.h"
#include "link/trace.h"
#include "params/parameter_controls_init.h"
#include "runtime/events.h"
#include "runtime/files.h"
#include "runtime/panel_load.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

struct PanelLoad {
  int resource;
  int PanelHandles::*slot;
};

// The main panel first, then its children in this order.
constexpr PanelLoad kChildLoads[] = {{ids::PANEL_PARA1, &PanelHandles::para1},
                                     {ids::PANEL_PARA2, &PanelHandles::para2},
                                     {ids::PANEL_RECORDER, &PanelHandles::recorder},
                                     {ids::PANEL_CALIB, &PanelHandles::calib},
                                     {ids::PANEL_COMSET, &PanelHandles::comset}};

void PlacePanels() {
  const PanelHandles& p = Panels();
  for (int h : {p.para1, p.para2, p.recorder, p.calib}) rt::SetPanelPos(h, kChildTop, kChildLeft);
  rt::SetPanelPos(p.comset, kComsetTop, kComsetLeft);
}

void ShowMainWindow() {
  const PanelHandles& p = Panels();
  rt::DisplayPanel(p.main);
  rt::DisplayPanel(p.para1);
  rt::SetActivePanel(p.main);
  rt::SetActiveCtrl(p.main, ids::MAIN_STOP);
}

}  // namespace

bool LoadAllPanels() {
  ResetPanelHandles();
  const std::string file = rt::DataFilePath(kResourceFileName);
  int main = rt::LoadPanel(0, file, ids::PANEL_MAIN);
  if (main < 0) return false;
  Panels().main = main;
  for (const PanelLoad& load : kChildLoads) {
    int h = rt::LoadPanel(main, file, load.resource);
    if (h < 0) return false;
    Panels().*load.slot = h;
  }
  return true;
}

// Only a port that opened is used to reach the sensor; otherwise its error
// stays on the status line and nothing is sent.
static void ConnectAtStartUp() {
  if (OpenRs232Port(LinePort(), LineBaudIndex()) == 0) ConnectSensor();
}

void StartUp(const CommandLine& line) {
  InitApplication();
  InstallWindowKeys();
  StartTraceFromCommandLine(line.tracePath);
  ConnectAtStartUp();
  InitParameterControls();
  ShowTraceInTitle();
  PlacePanels();
  ShowMainWindow();
}

void ShutDown() {
  StopTrace();
  rt::CloseCom(LinePort());
  const PanelHandles& p = Panels();
  for (int h : {p.para1, p.para2, p.calib, p.recorder, p.comset, p.main}) rt::DiscardPanel(h);
  ResetPanelHandles();
}

int RunProgram(const CommandLine& line) {
  RegisterAllCallbacks();
  if (!LoadAllPanels()) return -1;
  StartUp(line);
  rt::RunUserInterface();
  ShutDown();
  return 0;
}
