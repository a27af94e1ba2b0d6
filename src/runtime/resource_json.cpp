#include "runtime/resource_json.h"

#include <vector>

namespace rt {
namespace {

using nlohmann::json;

// Builds the document from the parser's events and stops the parse at the
// first container that would lie deeper than the limit.
class LimitedBuilder : public nlohmann::json_sax<json> {
 public:
  explicit LimitedBuilder(json* root) : root_(root) {}
  const std::string& error() const { return error_; }

  bool null() override { return put(nullptr) != nullptr; }
  bool boolean(bool v) override { return put(v) != nullptr; }
  bool number_integer(number_integer_t v) override { return put(v) != nullptr; }
  bool number_unsigned(number_unsigned_t v) override { return put(v) != nullptr; }
  bool number_float(number_float_t v, const string_t&) override { return put(v) != nullptr; }
  bool string(string_t& v) override { return put(std::move(v)) != nullptr; }
  bool binary(binary_t&) override { return fail("binary data in a text file"); }
  bool start_object(std::size_t) override { return open(json::object()); }
  bool key(string_t& k) override {
    key_ = std::move(k);
    return true;
  }
  bool end_object() override { return close(); }
  bool start_array(std::size_t) override { return open(json::array()); }
  bool end_array() override { return close(); }
  bool parse_error(std::size_t, const std::string&,
                   const nlohmann::detail::exception& ex) override {
    // The library's message starts with its own tag in brackets; the rest says
    // where and what.
    std::string what = ex.what();
    if (auto end = what.find("] "); !what.empty() && what[0] == '[' && end != std::string::npos)
      what.erase(0, end + 2);
    return fail(what);
  }

 private:
  json* put(json v) {
    if (open_.empty()) {
      *root_ = std::move(v);
      return root_;
    }
    json* top = open_.back();
    if (top->is_array()) {
      top->push_back(std::move(v));
      return &top->back();
    }
    json& slot = (*top)[key_];
    slot = std::move(v);
    return &slot;
  }
  bool open(json container) {
    if (open_.size() >= static_cast<std::size_t>(kMaxResourceDepth))
      return fail("nesting too deep (more than " + std::to_string(kMaxResourceDepth) + " levels)");
    open_.push_back(put(std::move(container)));
    return true;
  }
  bool close() {
    open_.pop_back();
    return true;
  }
  bool fail(const std::string& why) {
    if (error_.empty()) error_ = why;
    return false;
  }

  json* root_;
  std::vector<json*> open_;  // the containers being filled, outermost first
  std::string key_;
  std::string error_;
};

}  // namespace

bool ParseResourceJson(const std::string& text, nlohmann::json* out, std::string* error) {
  *out = nullptr;
  std::string why;
  if (text.size() > kMaxResourceBytes) {
    why = "file too large (" + std::to_string(text.size()) + " bytes, limit " +
          std::to_string(kMaxResourceBytes) + ")";
  } else {
    LimitedBuilder builder(out);
    if (!json::sax_parse(text, &builder) || !builder.error().empty())
      why = builder.error().empty() ? "not a JSON document" : builder.error();
  }
  if (why.empty()) return true;
  *out = nullptr;
  if (error) *error = why;
  return false;
}

}  // namespace rt
