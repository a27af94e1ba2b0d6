// Control attributes, rings and text boxes of the user-interface model.
#include <algorithm>

#include "app/runtime/constants.h"
#include "app/runtime/ui_model.h"
#include "app/runtime/ui_notify.h"

namespace rt {
namespace {

int Changed(int panel, int control) {
  NotifyControlChanged(panel, control);
  return 0;
}

}  // namespace

int SetCtrlAttribute(int panel, int control, int attr, int value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  switch (attr) {
    case ATTR_DIMMED:
      c->dimmed = value != 0;
      break;
    case ATTR_VISIBLE:
      c->visible = value != 0;
      break;
    case ATTR_LEFT:
      c->left = value;
      break;
    case ATTR_TOP:
      c->top = value;
      break;
    case ATTR_WIDTH:
      c->width = value;
      break;
    case ATTR_HEIGHT:
      c->height = value;
      break;
    case ATTR_TEXT_COLOR:
      c->textColor = value;
      break;
    case ATTR_TEXT_BGCOLOR:
      c->bgColor = value;
      break;
    case ATTR_TEXT_BOLD:
      c->bold = value != 0;
      break;
    case ATTR_TEXT_POINT_SIZE:
      c->pointSize = value;
      break;
    case ATTR_FRAME_COLOR:
      c->frameColor = value;
      break;
    case ATTR_PRECISION:
      c->precision = value;
      break;
    case ATTR_NUM_TRACES:
      c->strip.numTraces = std::max(1, value);
      c->strip.traces.resize(c->strip.numTraces);
      c->strip.points.resize(c->strip.numTraces);
      break;
    case ATTR_POINTS_PER_SCREEN:
      c->strip.pointsPerScreen = std::max(1, value);
      break;
    case ATTR_REFRESH_GRAPH:
      c->graph.autoRedraw = value != 0;
      break;
    case ATTR_MIN_VALUE:
      c->minValue = value;
      break;
    case ATTR_MAX_VALUE:
      c->maxValue = value;
      break;
    default:
      c->extraAttrs[attr] = value;
      break;
  }
  return Changed(panel, control);
}

int SetCtrlAttribute(int panel, int control, int attr, double value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  switch (attr) {
    case ATTR_MIN_VALUE:
      c->minValue = value;
      break;
    case ATTR_MAX_VALUE:
      c->maxValue = value;
      break;
    default:
      return SetCtrlAttribute(panel, control, attr, static_cast<int>(value));
  }
  return Changed(panel, control);
}

int SetCtrlAttribute(int panel, int control, int attr, const std::string& value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  switch (attr) {
    case ATTR_LABEL_TEXT:
      c->label = value;
      break;
    case ATTR_ON_TEXT:
      c->onText = value;
      break;
    case ATTR_OFF_TEXT:
      c->offText = value;
      break;
    case ATTR_TEXT_FONT:
      c->font = value;
      break;
    case ATTR_TOOLTIP_TEXT:
      c->tooltip = value;
      break;
    default:
      return UIE_INVALID_CONTROL;
  }
  return Changed(panel, control);
}

int SetCtrlAttribute(int panel, int control, int attr, const char* value) {
  return SetCtrlAttribute(panel, control, attr, std::string(value ? value : ""));
}

int GetCtrlAttribute(int panel, int control, int attr, int* value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  switch (attr) {
    case ATTR_DIMMED:
      *value = c->dimmed;
      break;
    case ATTR_VISIBLE:
      *value = c->visible;
      break;
    case ATTR_LEFT:
      *value = c->left;
      break;
    case ATTR_TOP:
      *value = c->top;
      break;
    case ATTR_WIDTH:
      *value = c->width;
      break;
    case ATTR_HEIGHT:
      *value = c->height;
      break;
    case ATTR_TEXT_COLOR:
      *value = c->textColor;
      break;
    case ATTR_TEXT_BGCOLOR:
      *value = c->bgColor;
      break;
    case ATTR_TEXT_BOLD:
      *value = c->bold;
      break;
    case ATTR_TEXT_POINT_SIZE:
      *value = c->pointSize;
      break;
    case ATTR_FRAME_COLOR:
      *value = c->frameColor;
      break;
    case ATTR_PRECISION:
      *value = c->precision;
      break;
    case ATTR_NUM_TRACES:
      *value = c->strip.numTraces;
      break;
    case ATTR_POINTS_PER_SCREEN:
      *value = c->strip.pointsPerScreen;
      break;
    case ATTR_REFRESH_GRAPH:
      *value = c->graph.autoRedraw;
      break;
    default: {
      auto it = c->extraAttrs.find(attr);
      if (it == c->extraAttrs.end()) return UIE_INVALID_CONTROL;
      *value = static_cast<int>(it->second);
    }
  }
  return 0;
}

int GetCtrlAttribute(int panel, int control, int attr, double* value) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  if (attr == ATTR_MIN_VALUE) {
    *value = c->minValue;
    return 0;
  }
  if (attr == ATTR_MAX_VALUE) {
    *value = c->maxValue;
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
  switch (attr) {
    case ATTR_LABEL_TEXT:
      *value = c->label;
      break;
    case ATTR_ON_TEXT:
      *value = c->onText;
      break;
    case ATTR_OFF_TEXT:
      *value = c->offText;
      break;
    case ATTR_TEXT_FONT:
      *value = c->font;
      break;
    case ATTR_TOOLTIP_TEXT:
      *value = c->tooltip;
      break;
    default:
      return UIE_INVALID_CONTROL;
  }
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
