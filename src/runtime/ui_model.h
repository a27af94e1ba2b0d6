// The retained user-interface model: panels, controls, graphs and strip charts,
// addressed by (panel handle, control id) as the platform addresses them. The
// Qt front end draws this model; tests read it directly.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace rt {

enum class ControlKind {
  CommandButton,
  PictureButton,
  ToggleButton,
  RadioButton,
  CheckBox,
  BinarySwitch,
  Ring,
  Numeric,
  String,
  TextBox,
  TextMessage,
  Led,
  Slider,
  Graph,
  StripChart,
  Picture,
  Decoration,
};

struct RingItem {
  std::string label;
  double value = 0;
};

struct Plot {
  int handle = 0;
  enum class Kind { XY, Rectangle } kind = Kind::XY;
  std::vector<double> xs, ys;             // XY
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Rectangle
  int color = 0;
  int fillColor = 0;
};

struct Axis {
  int mode = 1;  // VAL_AUTOSCALE
  double min = 0, max = 1;
};

struct Cursor {
  double x = 0, y = 0;
};

struct GraphData {
  std::vector<Plot> plots;
  std::array<Cursor, 3> cursors{};
  Axis xAxis, yAxis;
  bool autoRedraw = true;
  int nextHandle = 1;
  long redraws = 0;  // explicit redraws done (for the front end and tests)
};

struct StripTrace {
  int color = 0;
  std::map<int, int> attrs;
};

struct StripChartData {
  int numTraces = 1;
  int pointsPerScreen = 100;
  std::vector<StripTrace> traces;
  std::vector<std::vector<double>> points;  // per trace, newest last, at most pointsPerScreen
  long appends = 0;
};

struct Control {
  int id = 0;
  std::string name;  // symbolic name from the resource file
  ControlKind kind = ControlKind::TextMessage;
  std::string callback;  // callback name; resolved through the registry at dispatch
  bool dimmed = false;
  bool visible = true;
  int left = 0, top = 0, width = 80, height = 20;
  std::string label;
  std::string onText = "ON", offText = "OFF";
  double onValue = 1, offValue = 0;  // binary switch values
  int textColor = 0x000000;
  int bgColor = 0xFFFFFF;
  bool bold = false;
  std::string font;
  int pointSize = 0;
  int frameColor = 0;
  int precision = 0;
  double minValue = 0, maxValue = 65535;
  bool integerData = true;  // numeric data type: integer or double
  std::string tooltip;
  double num = 0;                  // value of numeric-like kinds
  std::string text;                // value of string and text-message kinds
  std::vector<std::string> lines;  // text-box lines
  std::vector<RingItem> items;     // ring items
  GraphData graph;
  StripChartData strip;
  std::map<int, double> extraAttrs;  // attributes with no meaning here
};

// Keys of a panel's window that run an action of the program wherever the
// focus is in that window, e.g. "Ctrl+S". The action runs inside event
// processing, as a callback does.
using PanelKeyAction = void (*)();
struct PanelKey {
  std::string keys;
  PanelKeyAction action = nullptr;
};

struct Panel {
  int handle = 0;
  int resourceId = 0;
  int parent = 0;  // 0: top level
  std::string title;
  std::string callback;
  bool visible = false;
  int left = 0, top = 0, width = 100, height = 100;
  int zoom = 0;  // VAL_NO_ZOOM / VAL_MAXIMIZE
  int backColor = 0xE0E0E0;
  std::map<int, Control> controls;  // by control id, in id order
  std::vector<PanelKey> keys;       // in the order installed
};

// Receives every change of the model so that a front end can keep its widgets
// in step. The run-time calls these synchronously; the front end may coalesce.
class UiObserver {
 public:
  virtual ~UiObserver() = default;
  virtual void panelChanged(int panel) = 0;
  virtual void controlChanged(int panel, int control) = 0;
  virtual void panelDiscarded(int panel) = 0;
};

void SetUiObserver(UiObserver* observer);

// Direct access, for the front end and for tests. Null when absent.
Panel* FindPanel(int panel);
Control* FindControl(int panel, int control);
std::vector<int> PanelHandles();
void ResetUiModel();  // discards every panel

// Size of the screen the panels live on (the front end sets the real one).
void SetScreenSize(int width, int height);
int ScreenWidth();
int ScreenHeight();

// Panels.
// A panel built elsewhere (from the resource file) becomes a hidden child of
// parent (0: top level). Returns its handle or a negative code.
int AddPanel(int parent, Panel panel);
int DisplayPanel(int panel);
int HidePanel(int panel);
int DiscardPanel(int panel);
int SetPanelPos(int panel, int top, int left);
int SetPanelSize(int panel, int height, int width);
int GetPanelAttribute(int panel, int attr, int* value);
int SetPanelAttribute(int panel, int attr, int value);
int SetPanelAttribute(int panel, int attr, const std::string& value);
// Gives the panel's window the keys (a text as "Ctrl+T"); the same keys again
// replace the action.
int InstallPanelKeys(int panel, const std::string& keys, PanelKeyAction action);
int SetActivePanel(int panel);
int GetActivePanel();
int SetActiveCtrl(int panel, int control);
int GetActiveCtrl(int panel);

// Control values. Integer reads truncate; text reads give the text.
int SetCtrlVal(int panel, int control, double value);
int SetCtrlVal(int panel, int control, int value);
int SetCtrlVal(int panel, int control, unsigned value);
int SetCtrlVal(int panel, int control, long value);
int SetCtrlVal(int panel, int control, const std::string& value);
int SetCtrlVal(int panel, int control, const char* value);
int GetCtrlVal(int panel, int control, double* value);
int GetCtrlVal(int panel, int control, float* value);
int GetCtrlVal(int panel, int control, int* value);
int GetCtrlVal(int panel, int control, unsigned* value);
int GetCtrlVal(int panel, int control, std::uint16_t* value);
int GetCtrlVal(int panel, int control, std::string* value);

// Control attributes.
int SetCtrlAttribute(int panel, int control, int attr, int value);
int SetCtrlAttribute(int panel, int control, int attr, double value);
int SetCtrlAttribute(int panel, int control, int attr, const std::string& value);
int SetCtrlAttribute(int panel, int control, int attr, const char* value);
int GetCtrlAttribute(int panel, int control, int attr, int* value);
int GetCtrlAttribute(int panel, int control, int attr, double* value);
int GetCtrlAttribute(int panel, int control, int attr, std::string* value);
int GetCtrlBoundingRect(int panel, int control, int* top, int* left, int* height, int* width);
int NewCtrl(int panel, ControlKind kind, const std::string& label, int top, int left);

// Rings and text boxes.
int ClearListCtrl(int panel, int control);
int InsertListItem(int panel, int control, int index, const std::string& label, double value);
int ReplaceListItem(int panel, int control, int index, const std::string& label, double value);
int GetNumListItems(int panel, int control, int* count);
int ResetTextBox(int panel, int control, const std::string& text);
int ReplaceTextBoxLine(int panel, int control, int line, const std::string& text);
int DisplayImageFile(int panel, int control, const std::string& path);

// Graphs and strip charts.
int PlotXY(int panel, int control, const double* xs, const double* ys, int n, int color);
int PlotXY(int panel, int control, const double* xs, const std::uint16_t* ys, int n, int color);
int PlotRectangle(int panel, int control, double x1, double y1, double x2, double y2, int color,
                  int fillColor);
int DeleteGraphPlot(int panel, int control, int plot, int drawMode);
int RefreshGraph(int panel, int control);
int SetGraphCursor(int panel, int control, int cursor, double x, double y);
int GetGraphCursor(int panel, int control, int cursor, double* x, double* y);
int SetAxisScalingMode(int panel, int control, int axis, int mode, double min, double max);
int PlotStripChart(int panel, int control, const double* data, int count);
int SetTraceAttribute(int panel, int control, int trace, int attr, int value);

// Negative results of the operations above.
inline constexpr int UIE_INVALID_PANEL = -42;
inline constexpr int UIE_INVALID_CONTROL = -43;
inline constexpr int UIE_RESOURCE = -12;

}  // namespace rt
