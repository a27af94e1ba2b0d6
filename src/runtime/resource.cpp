#include "runtime/resource.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "runtime/resource_json.h"

namespace rt {
namespace {

using Value = nlohmann::json;

// The member key of an object, or null when it is not there.
const Value* Find(const Value& obj, const char* key) {
  auto it = obj.find(key);
  return it == obj.end() ? nullptr : &*it;
}

// A number as a double, or nullopt for anything else.
std::optional<double> NumberOf(const Value* v) {
  if (!v || !v->is_number()) return std::nullopt;
  return v->get<double>();
}

bool IsWhole(const Value* v, double lo, double hi) {
  std::optional<double> n = NumberOf(v);
  return n && *n == std::floor(*n) && *n >= lo && *n <= hi;
}

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
    const Value* v = Find(obj_, key);
    if (!v) return;
    if (!IsWhole(v, lo, hi)) return bad(key, "a whole number in range");
    *out = static_cast<int>(v->get<double>());
  }
  void number(const char* key, double* out) {
    const Value* v = Find(obj_, key);
    if (!v) return;
    std::optional<double> n = NumberOf(v);
    if (!n || !(std::fabs(*n) <= 1e15)) return bad(key, "a number");
    *out = *n;
  }
  void text(const char* key, std::string* out) {
    const Value* v = Find(obj_, key);
    if (!v) return;
    if (!v->is_string()) return bad(key, "a text");
    *out = v->get<std::string>();
  }
  void flag(const char* key, bool* out) {
    const Value* v = Find(obj_, key);
    if (!v) return;
    if (!v->is_boolean()) return bad(key, "true or false");
    *out = v->get<bool>();
  }
  void color(const char* key, int* out) {
    const Value* v = Find(obj_, key);
    if (!v) return;
    if (IsWhole(v, 0, 0xFFFFFF)) {
      *out = static_cast<int>(v->get<double>());
      return;
    }
    if (v->is_string()) return hexColor(key, v->get_ref<const std::string&>(), out);
    bad(key, "a colour");
  }
  void hexColor(const char* key, const std::string& s, int* out) {
    if (s.size() == 7 && s[0] == '#') {
      int c = 0;
      for (size_t i = 1; i < 7; ++i) {
        char h = s[i];
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
  const Value* v = Find(ctrl, key);
  if (!v) return;
  if (!v->is_object()) {
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
  if (const Value* items = Find(ctrl, "items")) {
    if (!items->is_array()) return *error = where + ": \"items\" must be a list", false;
    for (const Value& it : *items) {
      if (!it.is_object()) return *error = where + ": ring item must be an object", false;
      RingItem item;
      Reader r(it, error, where + " item");
      r.text("label", &item.label);
      r.number("value", &item.value);
      if (!r.ok()) return false;
      c->items.push_back(item);
    }
  }
  if (const Value* range = Find(ctrl, "itemRange")) {
    if (!range->is_object()) return *error = where + ": \"itemRange\" must be an object", false;
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
  if (!v.is_object()) return *error = panelWhere + ": a control must be an object", false;
  const Value* id = Find(v, "id");
  const Value* kind = Find(v, "kind");
  if (!IsWhole(id, 1, 999))
    return *error = panelWhere + ": control without a valid \"id\" (1..999)", false;
  c->id = static_cast<int>(id->get<double>());
  std::string where = panelWhere + " control " + std::to_string(c->id);
  if (!kind || !kind->is_string() || !KindNames().count(kind->get<std::string>()))
    return *error = where + ": unknown \"kind\"", false;
  c->kind = KindNames().at(kind->get<std::string>());
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
  if (const Value* lines = Find(v, "lines")) {
    if (!lines->is_array()) return *error = where + ": \"lines\" must be a list", false;
    for (const Value& l : *lines) {
      if (!l.is_string()) return *error = where + ": text-box lines must be texts", false;
      c->lines.push_back(l.get<std::string>());
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
  if (c->kind == ControlKind::BinarySwitch && !Find(v, "value")) c->num = c->offValue;
  return error->empty();
}

bool ReadPanel(const Value& v, Panel* p, std::string* error) {
  if (!v.is_object()) return *error = "a panel must be an object", false;
  const Value* res = Find(v, "resource");
  if (!IsWhole(res, 1, 999)) return *error = "panel without a valid \"resource\" number", false;
  p->resourceId = static_cast<int>(res->get<double>());
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
  const Value* controls = Find(v, "controls");
  if (!controls) return true;
  if (!controls->is_array()) return *error = where + ": \"controls\" must be a list", false;
  for (const Value& cv : *controls) {
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
  if (!ParseResourceJson(text, &doc, &err)) {
    if (error) *error = err;
    return false;
  }
  const Value* panels = doc.is_object() ? Find(doc, "panels") : nullptr;
  if (!panels || !panels->is_array()) {
    if (error) *error = "no \"panels\" list";
    return false;
  }
  for (const Value& pv : *panels) {
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

namespace {

// The whole file as text; refuses what is not a regular file or is larger than
// the parser may take, before reading it.
bool ReadResourceText(const std::string& path, std::string* text, std::string* error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) return *error = "file not found", false;
  if (!fs::is_regular_file(status)) return *error = "not a regular file", false;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) return *error = "cannot read the file size", false;
  if (size > kMaxResourceBytes)
    return *error = "file too large (" + std::to_string(size) + " bytes, limit " +
                    std::to_string(kMaxResourceBytes) + ")",
           false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return *error = "cannot open the file", false;
  std::ostringstream ss;
  if (size > 0 && !(ss << in.rdbuf())) return *error = "cannot read the file", false;
  *text = ss.str();
  return true;
}

}  // namespace

bool LoadResourceFile(const std::string& path, std::string* error) {
  std::string text, why;
  ResourceFile file;
  if (!ReadResourceText(path, &text, &why) || !ParseResource(text, &file, &why)) {
    if (error) *error = why;
    return false;
  }
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
