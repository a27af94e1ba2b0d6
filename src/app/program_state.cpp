#include "app/program_state.h"

#include "calib/calibration_state.h"
#include "calib/linearisation_state.h"
#include "connect/comset_state.h"
#include "display/measurement_display.h"
#include "display/threshold_state.h"
#include "display/video_state.h"
#include "link/line.h"
#include "link/run_state.h"
#include "params/transfer_state.h"
#include "sensor/hardware_info.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"
#include "ui/panels.h"
#include "ui/status_line.h"

void ResetProgramState() {
  ResetLinkState();
  ResetHardwareInfo();
  ResetParameterSet();
  ResetRunState();
  ResetTransferState();
  ResetVideoState();
  ResetThresholdState();
  ResetLinearisationState();
  ResetCalibrationState();
  ResetMeasurementState();
  ResetRollBuffer();
  ResetComSettingsState();
  ResetAppTexts();
  ResetStatusText();
}
