// Numbers shared by the run-time layer and the feature code: events, attributes,
// values and colours, with the names the platform gives them.
#pragma once

namespace rt {

// Control and panel events, in the platform's numbering.
inline constexpr int EVENT_NONE = 0;
inline constexpr int EVENT_COMMIT = 1;
inline constexpr int EVENT_VAL_CHANGED = 2;
inline constexpr int EVENT_LEFT_CLICK = 3;
inline constexpr int EVENT_LEFT_DOUBLE_CLICK = 4;
inline constexpr int EVENT_RIGHT_CLICK = 5;
inline constexpr int EVENT_RIGHT_DOUBLE_CLICK = 6;
inline constexpr int EVENT_KEYPRESS = 7;
inline constexpr int EVENT_GOT_FOCUS = 8;
inline constexpr int EVENT_LOST_FOCUS = 9;
inline constexpr int EVENT_CLOSE = 11;
inline constexpr int EVENT_PANEL_SIZE = 12;

// Control attributes.
inline constexpr int ATTR_DIMMED = 500;
inline constexpr int ATTR_VISIBLE = 530;
inline constexpr int ATTR_LEFT = 520;
inline constexpr int ATTR_TOP = 510;
inline constexpr int ATTR_WIDTH = 540;
inline constexpr int ATTR_HEIGHT = 550;
inline constexpr int ATTR_LABEL_TEXT = 600;
inline constexpr int ATTR_ON_TEXT = 620;
inline constexpr int ATTR_OFF_TEXT = 630;
inline constexpr int ATTR_TEXT_COLOR = 700;
inline constexpr int ATTR_TEXT_BGCOLOR = 710;
inline constexpr int ATTR_TEXT_BOLD = 720;
inline constexpr int ATTR_TEXT_FONT = 730;
inline constexpr int ATTR_TEXT_POINT_SIZE = 740;
inline constexpr int ATTR_FRAME_COLOR = 750;
inline constexpr int ATTR_PRECISION = 800;
inline constexpr int ATTR_MIN_VALUE = 810;
inline constexpr int ATTR_MAX_VALUE = 820;
inline constexpr int ATTR_NUM_TRACES = 900;
inline constexpr int ATTR_POINTS_PER_SCREEN = 910;
inline constexpr int ATTR_REFRESH_GRAPH = 920;  // automatic redraw of a graph
inline constexpr int ATTR_TOOLTIP_TEXT = 940;
inline constexpr int ATTR_HELPBOX_FLAG = 610;   // help-box attribute cleared before it is shown
inline constexpr int ATTR_STRIP_SCROLL = 1229;  // strip-chart trace attribute set on resize

// Trace attributes of a strip chart.
inline constexpr int ATTR_TRACE_COLOR = 1000;

// Panel attributes.
inline constexpr int ATTR_TITLE = 100;
inline constexpr int ATTR_WINDOW_ZOOM = 110;
inline constexpr int ATTR_BACKCOLOR = 120;

inline constexpr int VAL_NO_ZOOM = 0;
inline constexpr int VAL_MINIMIZE = 1;
inline constexpr int VAL_MAXIMIZE = 2;
inline constexpr int VAL_AUTO_CENTER = -1;

// Graph axes and scaling.
inline constexpr int VAL_XAXIS = 0;
inline constexpr int VAL_LEFT_YAXIS = 1;
inline constexpr int VAL_MANUAL = 0;
inline constexpr int VAL_AUTOSCALE = 1;
inline constexpr int VAL_ALL_PLOTS = -1;
inline constexpr int VAL_IMMEDIATE_DRAW = 1;
inline constexpr int VAL_DELAYED_DRAW = 2;

// Colours, 0xRRGGBB.
inline constexpr int VAL_RED = 0xFF0000;
inline constexpr int VAL_GREEN = 0x00FF00;
inline constexpr int VAL_DK_GREEN = 0x008000;
inline constexpr int VAL_BLACK = 0x000000;
inline constexpr int VAL_WHITE = 0xFFFFFF;
inline constexpr int VAL_BLUE = 0x0000FF;
inline constexpr int VAL_GRAY = 0x808080;
inline constexpr int VAL_LT_GRAY = 0xC0C0C0;
inline constexpr int MakeColor(int r, int g, int b) {
  return (r << 16) | (g << 8) | b;
}

// Serial line.
inline constexpr int LWRS_RECEIVE = 0x8000;
inline constexpr int VAL_NO_PARITY = 0;

// Files.
inline constexpr int VAL_OK_IF_EXISTS = 1;
inline constexpr int VAL_EXISTING_FILE_SELECTED = 1;
inline constexpr int VAL_NEW_FILE_SELECTED = 2;
inline constexpr int VAL_NO_FILE_SELECTED = 0;

}  // namespace rt
