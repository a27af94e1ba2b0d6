#include "help/maker_info.h"

#include <fstream>
#include <sstream>

#include "runtime/resource_json.h"

namespace {

std::string Text(const nlohmann::json& object, const char* key) {
  const auto v = object.find(key);
  return v != object.end() && v->is_string() ? v->get<std::string>() : std::string();
}

Branding ReadBranding(const nlohmann::json& root, const char* key) {
  Branding b;
  const auto o = root.find(key);
  if (o == root.end() || !o->is_object()) return b;
  b.company = Text(*o, "company");
  b.telephone = Text(*o, "telephone");
  b.web = Text(*o, "web");
  b.logo = Text(*o, "logo");
  return b;
}

}  // namespace

MakerInfo ParseMakerInfo(const std::string& json) {
  nlohmann::json root;
  std::string error;
  if (!rt::ParseResourceJson(json, &root, &error) || !root.is_object()) return {};
  return {ReadBranding(root, "maker"), ReadBranding(root, "distributor")};
}

MakerInfo LoadMakerInfo(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return ParseMakerInfo(text.str());
}
