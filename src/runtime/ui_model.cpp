#include "runtime/ui_model.h"

#include <algorithm>
#include <cmath>

#include "runtime/constants.h"
#include "runtime/number_text.h"
#include "runtime/ui_notify.h"

namespace rt {
namespace {

struct UiState {
  std::map<int, Panel> panels;
  int nextHandle = 1;
  int activePanel = 0;
  std::map<int, int> activeCtrl;
  int screenWidth = 1920;
  int screenHeight = 1080;
  UiObserver* observer = nullptr;
};

UiState& S() {
  static UiState state;
  return state;
}

void NotifyPanel(int panel) {
  NotifyPanelChanged(panel);
}
void NotifyControl(int panel, int control) {
  NotifyControlChanged(panel, control);
}

bool IsNumericKind(ControlKind k) {
  switch (k) {
    case ControlKind::String:
    case ControlKind::TextBox:
    case ControlKind::TextMessage:
    case ControlKind::Graph:
    case ControlKind::StripChart:
    case ControlKind::Picture:
    case ControlKind::Decoration:
      return false;
    default:
      return true;
  }
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) out += '\n';
    out += lines[i];
  }
  return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string cur;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  lines.push_back(cur);
  return lines;
}

// Value of a control as the platform would hand it to the caller.
double NumericValue(const Control& c) {
  return c.integerData ? std::trunc(c.num) : c.num;
}

int SetNumber(int panel, int control, double value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  if (IsNumericKind(c->kind)) {
    c->num = c->integerData ? std::trunc(value) : value;
  } else {
    c->text = FormatFixed(value, c->precision);
    if (c->kind == ControlKind::TextBox) c->lines = SplitLines(c->text);
  }
  NotifyControl(panel, control);
  return 0;
}

}  // namespace

void NotifyPanelChanged(int panel) {
  if (S().observer) S().observer->panelChanged(panel);
}
void NotifyControlChanged(int panel, int control) {
  if (S().observer) S().observer->controlChanged(panel, control);
}

void SetUiObserver(UiObserver* observer) {
  S().observer = observer;
}

Panel* FindPanel(int panel) {
  auto it = S().panels.find(panel);
  return it == S().panels.end() ? nullptr : &it->second;
}

Control* FindControl(int panel, int control) {
  Panel* p = FindPanel(panel);
  if (!p) return nullptr;
  auto it = p->controls.find(control);
  return it == p->controls.end() ? nullptr : &it->second;
}

std::vector<int> PanelHandles() {
  std::vector<int> out;
  for (auto& [h, p] : S().panels) out.push_back(h);
  return out;
}

void ResetUiModel() {
  UiObserver* obs = S().observer;
  for (int h : PanelHandles())
    if (obs) obs->panelDiscarded(h);
  int w = S().screenWidth, hgt = S().screenHeight;
  S() = UiState{};
  S().observer = obs;
  S().screenWidth = w;
  S().screenHeight = hgt;
}

void SetScreenSize(int width, int height) {
  S().screenWidth = width;
  S().screenHeight = height;
}
int ScreenWidth() {
  return S().screenWidth;
}
int ScreenHeight() {
  return S().screenHeight;
}

int AddPanel(int parent, Panel panel) {
  if (parent != 0 && !FindPanel(parent)) return UIE_INVALID_PANEL;
  int handle = S().nextHandle++;
  panel.handle = handle;
  panel.parent = parent;
  panel.visible = false;
  S().panels[handle] = std::move(panel);
  NotifyPanel(handle);
  return handle;
}

int DisplayPanel(int panel) {
  Panel* p = FindPanel(panel);
  if (!p) return UIE_INVALID_PANEL;
  p->visible = true;
  NotifyPanel(panel);
  return 0;
}

int HidePanel(int panel) {
  Panel* p = FindPanel(panel);
  if (!p) return UIE_INVALID_PANEL;
  p->visible = false;
  NotifyPanel(panel);
  return 0;
}

int DiscardPanel(int panel) {
  if (!FindPanel(panel)) return UIE_INVALID_PANEL;
  // Children go with their parent.
  for (int h : PanelHandles()) {
    Panel* child = FindPanel(h);
    if (child && child->parent == panel) DiscardPanel(h);
  }
  if (S().observer) S().observer->panelDiscarded(panel);
  S().panels.erase(panel);
  if (S().activePanel == panel) S().activePanel = 0;
  return 0;
}

// The offset that centres an extent in an area, never negative; worked out
// wide so that no extent overflows it.
static int CentredOffset(int area, int extent) {
  const long long offset = (static_cast<long long>(area) - extent) / 2;
  return static_cast<int>(std::clamp(offset, 0LL, static_cast<long long>(area < 0 ? 0 : area)));
}

int SetPanelPos(int panel, int top, int left) {
  Panel* p = FindPanel(panel);
  if (!p) return UIE_INVALID_PANEL;
  int areaW = S().screenWidth, areaH = S().screenHeight;
  if (Panel* parent = FindPanel(p->parent)) {
    areaW = parent->width;
    areaH = parent->height;
  }
  p->top = top == VAL_AUTO_CENTER ? CentredOffset(areaH, p->height) : top;
  p->left = left == VAL_AUTO_CENTER ? CentredOffset(areaW, p->width) : left;
  NotifyPanel(panel);
  return 0;
}

int SetPanelSize(int panel, int height, int width) {
  Panel* p = FindPanel(panel);
  if (!p) return UIE_INVALID_PANEL;
  p->height = height;
  p->width = width;
  p->zoom = VAL_NO_ZOOM;
  NotifyPanel(panel);
  return 0;
}

static int* PanelIntAttribute(Panel& p, int attr) {
  switch (attr) {
    case ATTR_LEFT:
      return &p.left;
    case ATTR_TOP:
      return &p.top;
    case ATTR_WIDTH:
      return &p.width;
    case ATTR_HEIGHT:
      return &p.height;
    case ATTR_WINDOW_ZOOM:
      return &p.zoom;
    case ATTR_BACKCOLOR:
      return &p.backColor;
    default:
      return nullptr;
  }
}

int GetPanelAttribute(int panel, int attr, int* value) {
  Panel* p = FindPanel(panel);
  if (!p) return UIE_INVALID_PANEL;
  if (attr == ATTR_VISIBLE) {
    *value = p->visible ? 1 : 0;
  } else if (int* field = PanelIntAttribute(*p, attr)) {
    *value = *field;
  } else {
    return UIE_INVALID_CONTROL;
  }
  return 0;
}

int SetPanelAttribute(int panel, int attr, int value) {
  Panel* p = FindPanel(panel);
  if (!p) return UIE_INVALID_PANEL;
  if (attr == ATTR_VISIBLE) {
    p->visible = value != 0;
  } else if (int* field = PanelIntAttribute(*p, attr)) {
    *field = value;
  } else {
    return UIE_INVALID_CONTROL;
  }
  NotifyPanel(panel);
  return 0;
}

int SetPanelAttribute(int panel, int attr, const std::string& value) {
  Panel* p = FindPanel(panel);
  if (!p) return UIE_INVALID_PANEL;
  if (attr != ATTR_TITLE) return UIE_INVALID_CONTROL;
  p->title = value;
  NotifyPanel(panel);
  return 0;
}

int InstallPanelKeys(int panel, const std::string& keys, PanelKeyAction action) {
  Panel* p = FindPanel(panel);
  if (!p) return UIE_INVALID_PANEL;
  auto same = std::find_if(p->keys.begin(), p->keys.end(),
                           [&keys](const PanelKey& k) { return k.keys == keys; });
  if (same != p->keys.end()) {
    same->action = action;
  } else {
    p->keys.push_back({keys, action});
  }
  NotifyPanel(panel);
  return 0;
}

int SetActivePanel(int panel) {
  if (!FindPanel(panel)) return UIE_INVALID_PANEL;
  S().activePanel = panel;
  NotifyPanel(panel);
  return 0;
}
int GetActivePanel() {
  return S().activePanel;
}

int SetActiveCtrl(int panel, int control) {
  if (!FindControl(panel, control)) return UIE_INVALID_CONTROL;
  S().activeCtrl[panel] = control;
  NotifyControl(panel, control);
  return 0;
}
int GetActiveCtrl(int panel) {
  auto it = S().activeCtrl.find(panel);
  return it == S().activeCtrl.end() ? 0 : it->second;
}

int SetCtrlVal(int panel, int control, double value) {
  return SetNumber(panel, control, value);
}
int SetCtrlVal(int panel, int control, int value) {
  return SetNumber(panel, control, value);
}
int SetCtrlVal(int panel, int control, unsigned value) {
  return SetNumber(panel, control, value);
}
int SetCtrlVal(int panel, int control, long value) {
  return SetNumber(panel, control, static_cast<double>(value));
}

int SetCtrlVal(int panel, int control, const std::string& value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  if (c->kind == ControlKind::TextBox) {
    // A text box appends what it is given, as the platform's does.
    std::string all = JoinLines(c->lines) + value;
    c->lines = SplitLines(all);
    c->text = all;
  } else if (IsNumericKind(c->kind)) {
    return UIE_INVALID_CONTROL;
  } else {
    c->text = value;
  }
  NotifyControl(panel, control);
  return 0;
}
int SetCtrlVal(int panel, int control, const char* value) {
  return SetCtrlVal(panel, control, std::string(value ? value : ""));
}

int GetCtrlVal(int panel, int control, double* value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  *value = IsNumericKind(c->kind) ? NumericValue(*c) : ParseNumber(c->text);
  return 0;
}
int GetCtrlVal(int panel, int control, float* value) {
  double d = 0;
  int r = GetCtrlVal(panel, control, &d);
  if (r == 0) *value = static_cast<float>(d);
  return r;
}
int GetCtrlVal(int panel, int control, int* value) {
  double d = 0;
  int r = GetCtrlVal(panel, control, &d);
  if (r == 0) *value = static_cast<int>(static_cast<long long>(d));
  return r;
}
int GetCtrlVal(int panel, int control, unsigned* value) {
  double d = 0;
  int r = GetCtrlVal(panel, control, &d);
  if (r == 0) *value = static_cast<unsigned>(static_cast<long long>(d));
  return r;
}
int GetCtrlVal(int panel, int control, std::uint16_t* value) {
  double d = 0;
  int r = GetCtrlVal(panel, control, &d);
  if (r == 0) *value = static_cast<std::uint16_t>(static_cast<long long>(d));
  return r;
}
int GetCtrlVal(int panel, int control, std::string* value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  *value = c->kind == ControlKind::TextBox ? JoinLines(c->lines) : c->text;
  return 0;
}

int NewCtrl(int panel, ControlKind kind, const std::string& label, int top, int left) {
  Panel* p = FindPanel(panel);
  if (!p) return UIE_INVALID_PANEL;
  int id = p->controls.empty() ? 1 : p->controls.rbegin()->first + 1;
  if (id < 1000) id = 1000;  // run-time controls stay clear of the resource numbers
  Control c;
  c.id = id;
  c.kind = kind;
  c.label = label;
  c.top = top;
  c.left = left;
  c.integerData = true;
  p->controls[id] = c;
  NotifyControl(panel, id);
  return id;
}

}  // namespace rt
