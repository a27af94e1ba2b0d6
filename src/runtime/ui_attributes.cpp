// Control attributes, rings and text boxes of the user-interface model.
#include <algorithm>

#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "runtime/ui_notify.h"

namespace rt {
namespace {

int Changed(int panel, int control) {
  NotifyControlChanged(panel, control);
  return 0;
}

}  // namespace

namespace {

// Where each attribute lives in the control; null when it is not of that type.
int* IntAttribute(Control& c, int attr) {
  switch (attr) {
    case ATTR_LEFT:
      return &c.left;
    case ATTR_TOP:
      return &c.top;
    case ATTR_WIDTH:
      return &c.width;
    case ATTR_HEIGHT:
      return &c.height;
    case ATTR_TEXT_COLOR:
      return &c.textColor;
    case ATTR_TEXT_BGCOLOR:
      return &c.bgColor;
    case ATTR_TEXT_POINT_SIZE:
      return &c.pointSize;
    case ATTR_FRAME_COLOR:
      return &c.frameColor;
    case ATTR_PRECISION:
      return &c.precision;
    case ATTR_NUM_TRACES:
      return &c.strip.numTraces;
    case ATTR_POINTS_PER_SCREEN:
      return &c.strip.pointsPerScreen;
    default:
      return nullptr;
  }
}

bool* FlagAttribute(Control& c, int attr) {
  switch (attr) {
    case ATTR_DIMMED:
      return &c.dimmed;
    case ATTR_VISIBLE:
      return &c.visible;
    case ATTR_TEXT_BOLD:
      return &c.bold;
    case ATTR_REFRESH_GRAPH:
      return &c.graph.autoRedraw;
    default:
      return nullptr;
  }
}

double* RangeAttribute(Control& c, int attr) {
  switch (attr) {
    case ATTR_MIN_VALUE:
      return &c.minValue;
    case ATTR_MAX_VALUE:
      return &c.maxValue;
    default:
      return nullptr;
  }
}

std::string* TextAttribute(Control& c, int attr) {
  switch (attr) {
    case ATTR_LABEL_TEXT:
      return &c.label;
    case ATTR_ON_TEXT:
      return &c.onText;
    case ATTR_OFF_TEXT:
      return &c.offText;
    case ATTR_TEXT_FONT:
      return &c.font;
    case ATTR_TOOLTIP_TEXT:
      return &c.tooltip;
    default:
      return nullptr;
  }
}

// A strip chart keeps at least one trace and one point, with storage for each trace.
void KeepStripChartConsistent(Control& c) {
  StripChartData& s = c.strip;
  s.numTraces = std::max(1, s.numTraces);
  s.pointsPerScreen = std::max(1, s.pointsPerScreen);
  s.traces.resize(s.numTraces);
  s.points.resize(s.numTraces);
}

}  // namespace

int SetCtrlAttribute(int panel, int control, int attr, int value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  if (int* field = IntAttribute(*c, attr)) {
    *field = value;
    KeepStripChartConsistent(*c);
  } else if (bool* flag = FlagAttribute(*c, attr)) {
    *flag = value != 0;
  } else if (double* range = RangeAttribute(*c, attr)) {
    *range = value;
  } else {
    c->extraAttrs[attr] = value;
  }
  return Changed(panel, control);
}

int SetCtrlAttribute(int panel, int control, int attr, double value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  double* range = RangeAttribute(*c, attr);
  if (!range) return SetCtrlAttribute(panel, control, attr, static_cast<int>(value));
  *range = value;
  return Changed(panel, control);
}

int SetCtrlAttribute(int panel, int control, int attr, const std::string& value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  std::string* text = TextAttribute(*c, attr);
  if (!text) return UIE_INVALID_CONTROL;
  *text = value;
  return Changed(panel, control);
}

int SetCtrlAttribute(int panel, int control, int attr, const char* value) {
  return SetCtrlAttribute(panel, control, attr, std::string(value ? value : ""));
}

int GetCtrlAttribute(int panel, int control, int attr, int* value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  if (int* field = IntAttribute(*c, attr)) {
    *value = *field;
  } else if (bool* flag = FlagAttribute(*c, attr)) {
    *value = *flag ? 1 : 0;
  } else if (double* range = RangeAttribute(*c, attr)) {
    *value = static_cast<int>(*range);
  } else {
    auto it = c->extraAttrs.find(attr);
    if (it == c->extraAttrs.end()) return UIE_INVALID_CONTROL;
    *value = static_cast<int>(it->second);
  }
  return 0;
}

int GetCtrlAttribute(int panel, int control, int attr, double* value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  if (double* range = RangeAttribute(*c, attr)) {
    *value = *range;
    return 0;
  }
  int v = 0;
  int r = GetCtrlAttribute(panel, control, attr, &v);
  if (r == 0) *value = v;
  return r;
}

int GetCtrlAttribute(int panel, int control, int attr, std::string* value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  std::string* text = TextAttribute(*c, attr);
  if (!text) return UIE_INVALID_CONTROL;
  *value = *text;
  return 0;
}

int GetCtrlBoundingRect(int panel, int control, int* top, int* left, int* height, int* width) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  *top = c->top;
  *left = c->left;
  *height = c->height;
  *width = c->width;
  return 0;
}

int ClearListCtrl(int panel, int control) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  c->items.clear();
  return Changed(panel, control);
}

int InsertListItem(int panel, int control, int index, const std::string& label, double value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  RingItem item{label, value};
  if (index < 0 || index >= static_cast<int>(c->items.size()))
    c->items.push_back(item);
  else
    c->items.insert(c->items.begin() + index, item);
  return Changed(panel, control);
}

int ReplaceListItem(int panel, int control, int index, const std::string& label, double value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  if (index < 0 || index >= static_cast<int>(c->items.size())) return UIE_INVALID_CONTROL;
  c->items[index] = RingItem{label, value};
  return Changed(panel, control);
}

int GetNumListItems(int panel, int control, int* count) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  *count = static_cast<int>(c->items.size());
  return 0;
}

int ResetTextBox(int panel, int control, const std::string& text) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  c->lines.clear();
  std::string cur;
  for (char ch : text) {
    if (ch == '\n') {
      c->lines.push_back(cur);
      cur.clear();
    } else {
      cur += ch;
    }
  }
  c->lines.push_back(cur);
  c->text = text;
  return Changed(panel, control);
}

int ReplaceTextBoxLine(int panel, int control, int line, const std::string& text) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  if (line < 0) return UIE_INVALID_CONTROL;
  // The platform refuses a line beyond the end; growing the box by one line
  // at its end keeps a freshly cleared box usable.
  if (line >= static_cast<int>(c->lines.size())) c->lines.resize(line + 1);
  c->lines[line] = text;
  return Changed(panel, control);
}

int DisplayImageFile(int panel, int control, const std::string& path) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  c->text = path;
  return Changed(panel, control);
}

}  // namespace rt
