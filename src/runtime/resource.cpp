#include "runtime/resource.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "runtime/json.h"

namespace rt {
namespace {

using json::Value;

std::map<std::string, ResourceFile>& Loaded() {
  static std::map<std::string, ResourceFile> files;
  return files;
}

const std::map<std::string, ControlKind>& KindNames() {
  static const std::map<std::string, ControlKind> names = {
      {"command", ControlKind::CommandButton},
      {"picture-button", ControlKind::PictureButton},
      {"toggle", ControlKind::ToggleButton},
      {"radio", ControlKind::RadioButton},
      {"checkbox", ControlKind::CheckBox},
      {"binary-switch", ControlKind::BinarySwitch},
      {"ring", ControlKind::Ring},
      {"numeric", ControlKind::Numeric},
      {"string", ControlKind::String},
      {"textbox", ControlKind::TextBox},
      {"text-message", ControlKind::TextMessage},
      {"led", ControlKind::Led},
      {"slider", ControlKind::Slider},
      {"graph", ControlKind::Graph},
      {"strip-chart", ControlKind::StripChart},
      {"picture", ControlKind::Picture},
      {"decoration", ControlKind::Decoration}};
  return names;
}

// Reads the optional keys of one object with type checks; the first problem
// is kept as the reason.
class Reader {
 public:
  Reader(const Value& obj, std::string* error, std::string where)
      : obj_(obj), error_(error), where_(std::move(where)) {}

  bool ok() const { return error_->empty(); }

  void integer(const char* key, int* out, int lo = -100000, int hi = 100000) {
    const Value* v = obj_.find(key);
    if (!v) return;
    if (!v->isNumber() || v->number != std::floor(v->number) || v->number < lo || v->number > hi)
      return bad(key, "a whole number in range");
    *out = static_cast<int>(v->number);
  }
  void number(const char* key, double* out) {
    const Value* v = obj_.find(key);
    if (!v) return;
    if (!v->isNumber() || std::fabs(v->number) > 1e15) return bad(key, "a number");
    *out = v->number;
  }
  void text(const char* key, std::string* out) {
    const Value* v = obj_.find(key);
    if (!v) return;
    if (!v->isString()) return bad(key, "a text");
    *out = v->string;
  }
  void flag(const char* key, bool* out) {
    const Value* v = obj_.find(key);
    if (!v) return;
    if (!v->isBool()) return bad(key, "true or false");
    *out = v->boolean;
  }
  void color(const char* key, int* out) {
    const Value* v = obj_.find(key);
    if (!v) return;
    if (v->isNumber() && v->number >= 0 && v->number <= 0xFFFFFF &&
        v->number == std::floor(v->number)) {
      *out = static_cast<int>(v->number);
      return;
    }
    if (v->isString() && v->string.size() == 7 && v->string[0] == '#') {
      int c = 0;
      for (size_t i = 1; i < 7; ++i) {
        char h = v->string[i];
        int d = (h >= '0' && h <= '9')   ? h - '0'
                : (h >= 'a' && h <= 'f') ? h - 'a' + 10
                : (h >= 'A' && h <= 'F') ? h - 'A' + 10
                                         : -1;
        if (d < 0) return bad(key, "a colour");
        c = c * 16 + d;
      }
      *out = c;
      return;
    }
    bad(key, "a colour");
  }
  void bad(const char* key, const char* expected) {
    if (error_->empty()) *error_ = where_ + ": \"" + key + "\" must be " + expected;
  }

 private:
  const Value& obj_;
  std::string* error_;
  std::string where_;
};

void ReadAxis(const Value& ctrl, const char* key, Axis* axis, std::string* error,
              const std::string& where) {
  const Value* v = ctrl.find(key);
  if (!v) return;
  if (!v->isObject()) {
    if (error->empty()) *error = where + ": \"" + key + "\" must be an object";
    return;
  }
  Reader r(*v, error, where + "." + key);
  r.number("min", &axis->min);
  r.number("max", &axis->max);
  std::string mode = "auto";
  r.text("mode", &mode);
  axis->mode = mode == "manual" ? 0 : 1;
}

bool ReadItems(const Value& ctrl, Control* c, std::string* error, const std::string& where) {
  if (const Value* items = ctrl.find("items")) {
    if (!items->isArray()) return *error = where + ": \"items\" must be a list", false;
    for (const Value& it : items->array) {
      if (!it.isObject()) return *error = where + ": ring item must be an object", false;
      RingItem item;
      Reader r(it, error, where + " item");
      r.text("label", &item.label);
      r.number("value", &item.value);
      if (!r.ok()) return false;
      c->items.push_back(item);
    }
  }
  if (const Value* range = ctrl.find("itemRange")) {
    if (!range->isObject()) return *error = where + ": \"itemRange\" must be an object", false;
    int from = 0, to = -1, step = 1;
    Reader r(*range, error, where + ".itemRange");
    r.integer("from", &from);
    r.integer("to", &to);
    r.integer("step", &step, 1, 100000);
    if (!r.ok()) return false;
    if (to - from > 10000 * step) return *error = where + ": item range too long", false;
    for (int v = from; v <= to; v += step) c->items.push_back({std::to_string(v), double(v)});
  }
  return true;
}

bool ReadControl(const Value& v, Control* c, std::string* error, const std::string& panelWhere) {
  if (!v.isObject()) return *error = panelWhere + ": a control must be an object", false;
  const Value* id = v.find("id");
  const Value* kind = v.find("kind");
  if (!id || !id->isNumber() || id->number < 1 || id->number > 999 ||
      id->number != std::floor(id->number))
    return *error = panelWhere + ": control without a valid \"id\" (1..999)", false;
  c->id = static_cast<int>(id->number);
  std::string where = panelWhere + " control " + std::to_string(c->id);
  if (!kind || !kind->isString() || !KindNames().count(kind->string))
    return *error = where + ": unknown \"kind\"", false;
  c->kind = KindNames().at(kind->string);
  c->integerData = c->kind != ControlKind::Numeric;
  Reader r(v, error, where);
  r.text("name", &c->name);
  r.text("label", &c->label);
  r.text("callback", &c->callback);
  r.integer("top", &c->top);
  r.integer("left", &c->left);
  r.integer("width", &c->width, 0);
  r.integer("height", &c->height, 0);
  r.flag("visible", &c->visible);
  r.flag("dimmed", &c->dimmed);
  r.number("value", &c->num);
  r.text("text", &c->text);
  r.number("min", &c->minValue);
  r.number("max", &c->maxValue);
  r.integer("precision", &c->precision, 0, 15);
  std::string dataType = c->kind == ControlKind::Numeric ? "int" : "";
  r.text("dataType", &dataType);
  if (c->kind == ControlKind::Numeric || c->kind == ControlKind::Slider)
    c->integerData = dataType != "double";
  r.text("onText", &c->onText);
  r.text("offText", &c->offText);
  r.number("onValue", &c->onValue);
  r.number("offValue", &c->offValue);
  r.color("textColor", &c->textColor);
  r.color("bgColor", &c->bgColor);
  r.color("frameColor", &c->frameColor);
  r.flag("bold", &c->bold);
  r.integer("pointSize", &c->pointSize, 0, 200);
  r.integer("traces", &c->strip.numTraces, 1, 64);
  r.integer("pointsPerScreen", &c->strip.pointsPerScreen, 1, 100000);
  if (!r.ok()) return false;
  c->strip.traces.resize(c->strip.numTraces);
  c->strip.points.resize(c->strip.numTraces);
  if (const Value* lines = v.find("lines")) {
    if (!lines->isArray()) return *error = where + ": \"lines\" must be a list", false;
    for (const Value& l : lines->array) {
      if (!l.isString()) return *error = where + ": text-box lines must be texts", false;
      c->lines.push_back(l.string);
    }
  } else if (c->kind == ControlKind::TextBox && !c->text.empty()) {
    std::string cur;
    for (char ch : c->text) {
      if (ch == '\n')
        c->lines.push_back(cur), cur.clear();
      else
        cur += ch;
    }
    c->lines.push_back(cur);
  }
  if (!ReadItems(v, c, error, where)) return false;
  ReadAxis(v, "xAxis", &c->graph.xAxis, error, where);
  ReadAxis(v, "yAxis", &c->graph.yAxis, error, where);
  if (c->kind == ControlKind::BinarySwitch && !v.find("value")) c->num = c->offValue;
  return error->empty();
}

bool ReadPanel(const Value& v, Panel* p, std::string* error) {
  if (!v.isObject()) return *error = "a panel must be an object", false;
  const Value* res = v.find("resource");
  if (!res || !res->isNumber() || res->number < 1 || res->number > 999 ||
      res->number != std::floor(res->number))
    return *error = "panel without a valid \"resource\" number", false;
  p->resourceId = static_cast<int>(res->number);
  std::string where = "panel " + std::to_string(p->resourceId);
  Reader r(v, error, where);
  r.text("title", &p->title);
  r.text("callback", &p->callback);
  r.integer("top", &p->top);
  r.integer("left", &p->left);
  r.integer("width", &p->width, 1);
  r.integer("height", &p->height, 1);
  r.color("backColor", &p->backColor);
  if (!r.ok()) return false;
  const Value* controls = v.find("controls");
  if (!controls) return true;
  if (!controls->isArray()) return *error = where + ": \"controls\" must be a list", false;
  for (const Value& cv : controls->array) {
    Control c;
    if (!ReadControl(cv, &c, error, where)) return false;
    if (p->controls.count(c.id))
      return *error = where + ": control " + std::to_string(c.id) + " given twice", false;
    p->controls[c.id] = std::move(c);
  }
  return true;
}

}  // namespace

bool ParseResource(const std::string& text, ResourceFile* out, std::string* error) {
  std::string err;
  Value doc;
  *out = ResourceFile{};
  if (!json::Parse(text, &doc, &err)) {
    if (error) *error = err;
    return false;
  }
  const Value* panels = doc.isObject() ? doc.find("panels") : nullptr;
  if (!panels || !panels->isArray()) {
    if (error) *error = "no \"panels\" list";
    return false;
  }
  for (const Value& pv : panels->array) {
    Panel p;
    if (!ReadPanel(pv, &p, &err)) {
      if (error) *error = err;
      *out = ResourceFile{};
      return false;
    }
    if (out->panels.count(p.resourceId)) {
      if (error) *error = "panel " + std::to_string(p.resourceId) + " given twice";
      *out = ResourceFile{};
      return false;
    }
    out->panels[p.resourceId] = std::move(p);
  }
  return true;
}

bool LoadResourceFile(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot open " + path;
    return false;
  }
  std::ostringstream ss;
  ss << in.rdbuf();
  ResourceFile file;
  if (!ParseResource(ss.str(), &file, error)) return false;
  Loaded()[path] = std::move(file);
  return true;
}

const ResourceFile* FindResourceFile(const std::string& path) {
  auto it = Loaded().find(path);
  return it == Loaded().end() ? nullptr : &it->second;
}

void ClearResourceFiles() {
  Loaded().clear();
}

}  // namespace rt
