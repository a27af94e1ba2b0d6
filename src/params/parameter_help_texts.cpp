#include "params/parameter_help_texts.h"

#include "params/mode_rules.h"

HelpEntry ParameterHelp(ParamHelp which, int firmwareVersion) {
  switch (which) {
    case ParamHelp::EvalMode:
      return {
          "EVALUATION-MODE:\nDrop-down element to select an\nevaluation mode at the "
          "KAVRO-sensor.",
          20, 10};
    case ParamHelp::IntTriggerMode:
      return {
          "INTERNAL-TRIGG-MODE:\nDrop-down element to select an\ninternal trigger mode at "
          "the KAVRO-sensor.",
          20, 5};
    case ParamHelp::TriggerPixel:
      return {
          "MIN-TRIGGER-PIXEL:\nNumerical input to set the minimum \nnumber of dark-pixel for "
          "the internal-trigger \nevent at the KAVRO-sensor.",
          20, 5};
    case ParamHelp::HardwareMode:
      return {
          "HARDWARE OPERATION-MODE:\nDrop-down element to enable or disable \nharware "
          "components e.g. the button or\npotentiometer at the KAVRO-housing.",
          20, 10};
    case ParamHelp::Polarity:
      return {
          "POLARITY:\nDrop-down element to change the polarity\n(0V,+24VDC) of the digital "
          "outputs OUTx,\nof the KAVRO-sensor.",
          20, 10};
    case ParamHelp::OutMode:
      return {
          "OUT-MODE:\nDrop-down element to select a working mode\nfor the digital outputs "
          "OUT0,OUT1,(OUT2),\nof the KAVRO-sensor.",
          20, 10};
    case ParamHelp::Average:
      return {
          "AVERAGE:\nNumber of CCD-scans which are stored\nin a ring-buffer. On each "
          "main-loop-cycle\na mean-value is calculated out of the\nthe ring-buffer.\nThe "
          "switching frequency is not reduced!\nAveraging affects the analog "
          "output\nvoltage (lowpass-behaviour).",
          20, 10, true};
    case ParamHelp::AnalogOut:
      return {
          "ANALOG-OUT:\nDrop-down element to preset the mode\nof the analog output. The "
          "analog-output\nis connected to /pin8/red/8-pole socket.",
          20, 10};
    case ParamHelp::ZoomMode:
      return {"ZOOM-MODE:\nDrop-down element to preset the zoom \nmode of the analog output. \n",
              20, 10};
    case ParamHelp::UpperTolerance:
      return {
          "TOLERANCE-HIGH:\nNumerical input field to preset the upper\ntolerance limit in "
          "[pixel] at the hardware.",
          20, 10};
    case ParamHelp::LowerTolerance:
      if (!LowerToleranceSetsBoth(firmwareVersion))
        return {
            "TOLERANCE-LOW:\nNumerical input field to preset the lower\ntolerance limit in "
            "[pixel] at the hardware.",
            20, 10};
      return {
          "TOLERANCE-VALUE:\nNumerical input field to preset the lower\nand upper tolerance "
          "limit in [pixel] \nat the hardware.",
          20, 10};
    case ParamHelp::Power:
      return {
          "POWER:\nWith this slider, the power of the light-\nsource at the KAVRO-sensor can "
          "be set.",
          160, 10};
    case ParamHelp::VideoThreshold:
      return {
          "V-THD:\nWith this slider, the video-threshold for\nthe calculation of the edges "
          "can be set.\nIt is displayed by the green horiz. line!",
          35, 10};
    case ParamHelp::OperationMode:
      return {
          "CCD-OPERATION-MODE:\nWith this binary-switch the operation mode for\nthe "
          "ccd-cmos receiver is set.",
          140, 10};
    case ParamHelp::FilterType:
      return {
          "SMOOTH-VIDEO-SIGNAL:\nActivate/Deactivate digital filtering of "
          "the\nvideo-signal.\nA moving average of n-th order is applied\nto the video-data.",
          20, 10};
    case ParamHelp::In0TriggerMode:
      return {
          "EXT-IN0-TRIG-MODE:\nSelect a working-mode at KAVRO-sensor\nfor external IN0 "
          "digital input <pin3> wire of \n8-pole. female connector.",
          20, 10};
    case ParamHelp::VideoThdMode:
      return {
          "VIDEO-THD-MODE:\nFIXED: Horizontal video-threshold is used. \nAUTO:  "
          "Video-threshold is calculated from\nthe intensity profile.",
          20, 10};
    case ParamHelp::ThresholdTarget:
      return {
          "TARGET SWITCH\nSelect storage location for video-threshold.\nRAM:    store in "
          "volatile RAM memory.\nEEPROM: store in nonvolatile EEPROM.",
          55, 10};
    case ParamHelp::TeachValue:
      return {
          "TEACH-VALUE [Pixel]:\nEdit-field to preset the pixel-position\nof the setpoint "
          "value == teach value.",
          130, 5};
    case ParamHelp::Rs232Mode:
      return {
          "RS-232-MODE for meas-data output:\nSTATIC(REC):= recorder activates transfer "
          "\nEXT-IN0-L/H:= trigg. transfer with recorder.\nEXT-IN0-L/H(3-BYTE):= triggerd "
          "3-Byte trans.\nCONTINUOUS := automatic 3-Byte transfer.",
          20, 10};
  }
  return {};
}
