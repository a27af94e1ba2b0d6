// Panel and control numbers of the resource file KAVRO-XB-VevavA318.uir. The
// resource file and this header must agree; a test checks every number below
// against the file.
#pragma once

namespace ids {

// Resource panel numbers.
inline constexpr int PANEL_CALIB = 1;
inline constexpr int PANEL_COMSET = 2;
inline constexpr int PANEL_MAIN = 3;
inline constexpr int PANEL_PARA1 = 4;
inline constexpr int PANEL_PARA2 = 5;
inline constexpr int PANEL_RECORDER = 6;

// Main panel (resource 3).
inline constexpr int MAIN_RUN = 1;
inline constexpr int MAIN_VIDEO = 2;
inline constexpr int MAIN_STOP = 3;
inline constexpr int MAIN_SEND = 4;
inline constexpr int MAIN_GET = 5;
inline constexpr int MAIN_RAM = 6;
inline constexpr int MAIN_EEPROM = 7;
inline constexpr int MAIN_FILE = 8;
inline constexpr int MAIN_RESET = 9;
inline constexpr int MAIN_ZOOM = 10;
inline constexpr int MAIN_TOGG_PARA1 = 11;
inline constexpr int MAIN_TOGG_RECORDER = 12;
inline constexpr int MAIN_TOGG_PARA2 = 13;
inline constexpr int MAIN_TOGG_CALIB = 14;
inline constexpr int MAIN_RAW = 15;
inline constexpr int MAIN_EVAL_BEGIN = 16;
inline constexpr int MAIN_EVAL_END = 17;
inline constexpr int MAIN_E_LEFT = 18;
inline constexpr int MAIN_E_RIGHT = 19;
inline constexpr int MAIN_PORT = 20;
inline constexpr int MAIN_PIXEL_VALUE = 21;  // M-VALUE in subpixels
inline constexpr int MAIN_UM_VALUE = 22;     // micrometre display
inline constexpr int MAIN_MAIN_VALUE = 23;   // analog-output group
inline constexpr int MAIN_MAX = 24;          // analog-output group
inline constexpr int MAIN_MIN = 25;          // analog-output group
inline constexpr int MAIN_TOL_UP = 26;
inline constexpr int MAIN_TOL_LOW = 27;
inline constexpr int MAIN_TRIG_VALUE = 28;  // internal-trigger indicators
inline constexpr int MAIN_TRIG_LED = 29;    // internal-trigger indicators
inline constexpr int MAIN_TRIG_LABEL = 30;  // internal-trigger indicators (companion)
inline constexpr int MAIN_OUT1_LED = 31;
inline constexpr int MAIN_OUT2_LED = 32;
inline constexpr int MAIN_ANALOG_LABEL = 33;  // analog-output group (frame and title)
inline constexpr int MAIN_HWINFO = 34;        // hardware info box, four lines
inline constexpr int MAIN_STATUS = 35;        // status line
inline constexpr int MAIN_VIDEO_GRAPH = 36;
inline constexpr int MAIN_PIXEL_GRAPH = 37;
inline constexpr int MAIN_DATA_GRAPH = 38;
inline constexpr int MAIN_FLASH_INDEX = 39;  // start index of the last flash block written
inline constexpr int MAIN_ROLL_GRAPH = 40;
inline constexpr int MAIN_HEADER = 41;  // header strip behind the banner
inline constexpr int MAIN_HELP = 42;
inline constexpr int MAIN_HELP_LARGE = 43;
inline constexpr int MAIN_LOGO = 44;  // banner picture
inline constexpr int MAIN_CONNECT = 46;

// Parameter panel 1 (resource 4).
inline constexpr int P1_EVAL_MODE = 1;
inline constexpr int P1_TRIG_PIXEL = 2;
inline constexpr int P1_TOL_LOW = 3;
inline constexpr int P1_INT_TRIG = 4;
inline constexpr int P1_OUT_MODE = 5;
inline constexpr int P1_POLARITY = 6;
inline constexpr int P1_ZOOM_MODE = 7;
inline constexpr int P1_AVERAGE = 8;
inline constexpr int P1_ANALOG_OUT = 9;
inline constexpr int P1_TOL_UP = 10;

// Parameter panel 2 (resource 5).
inline constexpr int P2_POWER = 1;
inline constexpr int P2_VTHD = 2;       // video threshold slider
inline constexpr int P2_VTHD_MODE = 3;  // Video-Thd-Mode selector
inline constexpr int P2_IN0_FUNC = 4;
inline constexpr int P2_FILTER = 5;
inline constexpr int P2_HW_MODE = 6;
inline constexpr int P2_TEACH_VALUE = 7;
inline constexpr int P2_THD_TARGET = 8;  // threshold memory selector: 1 RAM, 2 EEPROM
inline constexpr int P2_SAVE_THD = 9;
inline constexpr int P2_TEACH = 10;

// Recorder panel (resource 6).
inline constexpr int REC_FILE_BTN = 1;
inline constexpr int REC_SAMPLES = 2;
inline constexpr int REC_INTERVAL = 3;
inline constexpr int REC_RS232_MODE = 4;
inline constexpr int REC_START = 5;
inline constexpr int REC_STOP = 6;
inline constexpr int REC_STATUS_BOX = 7;
inline constexpr int REC_COUNTER = 8;
inline constexpr int REC_START_TIME = 9;
inline constexpr int REC_DAYS = 10;
inline constexpr int REC_HOURS = 11;
inline constexpr int REC_MINUTES = 12;
inline constexpr int REC_SECONDS = 13;
inline constexpr int REC_PATH = 16;
inline constexpr int REC_DATE = 22;

// Calibration panel (resource 1).
inline constexpr int CAL_STEP1 = 1;
inline constexpr int CAL_STEP2 = 2;
inline constexpr int CAL_ACCEPT1 = 3;
inline constexpr int CAL_ACCEPT2 = 4;
inline constexpr int CAL_SIZE1 = 5;
inline constexpr int CAL_SIZE2 = 6;
inline constexpr int CAL_VALUE1 = 7;
inline constexpr int CAL_VALUE2 = 8;
inline constexpr int CAL_FIT = 9;
inline constexpr int CAL_FIT_SLOPE = 10;
inline constexpr int CAL_FIT_OFFSET = 11;
inline constexpr int CAL_SAVE = 12;
inline constexpr int CAL_DISCARD = 13;
inline constexpr int CAL_SLOPE = 14;
inline constexpr int CAL_OFFSET = 15;
inline constexpr int CAL_OPMODE = 16;        // operation-mode switch
inline constexpr int CAL_HYSTERESIS = 17;    // Edge-Hysteresis
inline constexpr int CAL_WRITE_XFLASH = 18;  // linearisation write button, hidden at start
inline constexpr int CAL_READ_XFLASH = 19;

// Communication settings panel (resource 2).
inline constexpr int COM_BAUD = 3;
inline constexpr int COM_PORT = 6;
inline constexpr int COM_MESSAGE = 7;
inline constexpr int COM_ACCEPT = 8;
inline constexpr int COM_DISCARD = 10;
inline constexpr int COM_TRY = 11;
inline constexpr int COM_HELP = 12;
inline constexpr int COM_CHANGE_BAUD = 13;
inline constexpr int COM_PORT_LIST = 14;  // the machine's ports to pick from
inline constexpr int COM_PORT_HINT = 15;  // why a port will not open, or what picking did

}  // namespace ids
