#include "help/maker_info.h"

#include <fstream>
#include <sstream>

#include "runtime/json.h"

namespace {

std::string Text(const rt::json::Value& object, const char* key) {
  const rt::json::Value* v = object.find(key);
  return v && v->isString() ? v->string : std::string();
}

Branding ReadBranding(const rt::json::Value& root, const char* key) {
  Branding b;
  const rt::json::Value* o = root.find(key);
  if (!o || !o->isObject()) return b;
  b.company = Text(*o, "company");
  b.telephone = Text(*o, "telephone");
  b.web = Text(*o, "web");
  b.logo = Text(*o, "logo");
  return b;
}

}  // namespace

MakerInfo ParseMakerInfo(const std::string& json) {
  rt::json::Value root;
  std::string error;
  if (!rt::json::Parse(json, &root, &error) || !root.isObject()) return {};
  return {ReadBranding(root, "maker"), ReadBranding(root, "distributor")};
}

MakerInfo LoadMakerInfo(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return ParseMakerInfo(text.str());
}
