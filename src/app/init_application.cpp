// Start values of the program, the fixed texts and paths, the first look of the
// data graph and the initial video tables.
#include "app/init_application.h"
#include "app/app_settings.h"
#include "app/program_state.h"
#include "app/program_version.h"
#include "display/threshold_state.h"
#include "help/banner.h"
#include "runtime/constants.h"
#include "runtime/files.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

void SetFixedTexts() {
  App().version = kVersionText;
  App().build = kBuildText;
  App().title = kProgramTitle;
}

// The settings file may change the port, the baud index and the main window.
void LoadSettingsFile() {
  App().settingsPath = rt::MakePathname(rt::ProjectDir(), kSettingsFileName);
  LoadAppSettings(App().settingsPath);
}

void PreparePaths() {
  App().recordPath = rt::MakePathname(rt::ProjectDir(), kRecordFileName);
  rt::ResetTextBox(Panels().recorder, ids::REC_PATH, App().recordPath);
  rt::SetCtrlVal(Panels().recorder, ids::REC_DATE, rt::DateStr());
}

// Set-point and evaluation window cursors, and the tolerance band around the
// set-point, as the parameters stand before any sensor has answered.
void DrawInitialDataGraph() {
  const ParameterSet& p = Params();
  const int panel = Panels().main;
  const double teach = p.para0[P0_TEACH_VALUE];
  rt::DeleteGraphPlot(panel, ids::MAIN_DATA_GRAPH, rt::VAL_ALL_PLOTS, rt::VAL_IMMEDIATE_DRAW);
  rt::SetGraphCursor(panel, ids::MAIN_DATA_GRAPH, 1, teach, 1.0);
  rt::SetGraphCursor(panel, ids::MAIN_DATA_GRAPH, 2, p.para0[P0_EVAL_BEGIN], 1.0);
  rt::SetGraphCursor(panel, ids::MAIN_DATA_GRAPH, 3, p.para0[P0_EVAL_END], 1.0);
  rt::PlotRectangle(panel, ids::MAIN_DATA_GRAPH, teach - p.para0[P0_LOWER_TOLERANCE], 0.0,
                    teach + p.para0[P0_UPPER_TOLERANCE], 0.25, rt::VAL_GREEN, rt::VAL_GREEN);
}

void FillInitialVideoTables() {
  HardwareInfo& hw = Hardware();
  for (int i = 0; i < 256; ++i) hw.videoPositions[i] = 4.0 * i;
  ComputeFixedThresholdLine(Params(), hw.videoFullScale);
  Threshold().storedCurve = Params().fixedThresholdLine;
}

}  // namespace

void InitApplication() {
  ResetProgramState();
  SetFixedTexts();
  ShowLogo(2);
  LoadSettingsFile();
  PreparePaths();
  DrawInitialDataGraph();
  FillInitialVideoTables();
}
