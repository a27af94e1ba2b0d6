#include "runtime/json.h"

#include <cctype>

namespace rt::json {
namespace {

constexpr int kMaxDepth = 64;

class Parser {
 public:
  explicit Parser(const std::string& text) : s_(text) {}

  bool document(Value* out) {
    skipSpace();
    if (!value(out, 0)) return false;
    skipSpace();
    if (pos_ != s_.size()) return fail("text after the end of the document");
    return true;
  }
  const std::string& error() const { return error_; }

 private:
  bool fail(const std::string& what) {
    if (error_.empty()) error_ = what + " at byte " + std::to_string(pos_);
    return false;
  }
  void skipSpace() {
    while (pos_ < s_.size() &&
           (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
      ++pos_;
  }
  bool literal(const char* word) {
    size_t n = std::char_traits<char>::length(word);
    if (s_.compare(pos_, n, word) != 0) return fail("unknown word");
    pos_ += n;
    return true;
  }

  bool value(Value* out, int depth) {
    if (depth > kMaxDepth) return fail("nesting too deep");
    if (pos_ >= s_.size()) return fail("unexpected end");
    char c = s_[pos_];
    if (c == '{') return object(out, depth);
    if (c == '[') return array(out, depth);
    if (c == '"') {
      out->type = Value::Type::String;
      return string(&out->string);
    }
    if (c == 't') {
      out->type = Value::Type::Bool;
      out->boolean = true;
      return literal("true");
    }
    if (c == 'f') {
      out->type = Value::Type::Bool;
      out->boolean = false;
      return literal("false");
    }
    if (c == 'n') {
      out->type = Value::Type::Null;
      return literal("null");
    }
    return number(out);
  }

  bool number(Value* out) {
    size_t start = pos_;
    if (pos_ < s_.size() && s_[pos_] == '-') ++pos_;
    size_t digits = pos_;
    while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    if (pos_ == digits) return fail("expected a value");
    if (pos_ < s_.size() && s_[pos_] == '.') {
      ++pos_;
      size_t frac = pos_;
      while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
      if (pos_ == frac) return fail("expected digits after the point");
    }
    if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
      size_t exp = pos_;
      while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
      if (pos_ == exp) return fail("expected digits in the exponent");
    }
    // The grammar above only lets C-locale characters through; convert them
    // by hand so a desktop locale with a decimal comma cannot interfere.
    out->type = Value::Type::Number;
    out->number = ToDouble(s_.substr(start, pos_ - start));
    return true;
  }

  static double ToDouble(const std::string& text) {
    double mantissa = 0, scale = 1;
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && text[i] == '-') negative = true, ++i;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
      mantissa = mantissa * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
      for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        scale /= 10;
        mantissa += (text[i] - '0') * scale;
      }
    }
    int exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
      ++i;
      bool expNegative = false;
      if (i < text.size() && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
      for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        if (exponent < 400) exponent = exponent * 10 + (text[i] - '0');
      if (expNegative) exponent = -exponent;
    }
    double v = mantissa;
    for (; exponent > 0; --exponent) v *= 10;
    for (; exponent < 0; ++exponent) v /= 10;
    return negative ? -v : v;
  }

  static void AppendUtf8(std::string* out, unsigned cp) {
    if (cp < 0x80) {
      *out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      *out += static_cast<char>(0xC0 | (cp >> 6));
      *out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      *out += static_cast<char>(0xE0 | (cp >> 12));
      *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  bool string(std::string* out) {
    ++pos_;  // opening quote
    while (pos_ < s_.size()) {
      char c = s_[pos_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return fail("control character in a string");
      if (c != '\\') {
        *out += c;
        continue;
      }
      if (pos_ >= s_.size()) break;
      char e = s_[pos_++];
      switch (e) {
        case '"':
          *out += '"';
          break;
        case '\\':
          *out += '\\';
          break;
        case '/':
          *out += '/';
          break;
        case 'b':
          *out += '\b';
          break;
        case 'f':
          *out += '\f';
          break;
        case 'n':
          *out += '\n';
          break;
        case 'r':
          *out += '\r';
          break;
        case 't':
          *out += '\t';
          break;
        case 'u': {
          if (pos_ + 4 > s_.size()) return fail("short \\u escape");
          unsigned cp = 0;
          for (int i = 0; i < 4; ++i) {
            char h = s_[pos_++];
            cp <<= 4;
            if (h >= '0' && h <= '9')
              cp |= h - '0';
            else if (h >= 'a' && h <= 'f')
              cp |= h - 'a' + 10;
            else if (h >= 'A' && h <= 'F')
              cp |= h - 'A' + 10;
            else
              return fail("bad \\u escape");
          }
          AppendUtf8(out, cp);
          break;
        }
        default:
          return fail("unknown escape");
      }
    }
    return fail("unterminated string");
  }

  bool array(Value* out, int depth) {
    out->type = Value::Type::Array;
    ++pos_;
    skipSpace();
    if (pos_ < s_.size() && s_[pos_] == ']') return ++pos_, true;
    for (;;) {
      Value v;
      skipSpace();
      if (!value(&v, depth + 1)) return false;
      out->array.push_back(std::move(v));
      skipSpace();
      if (pos_ >= s_.size()) return fail("unterminated array");
      if (s_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (s_[pos_] == ']') return ++pos_, true;
      return fail("expected , or ]");
    }
  }

  bool object(Value* out, int depth) {
    out->type = Value::Type::Object;
    ++pos_;
    skipSpace();
    if (pos_ < s_.size() && s_[pos_] == '}') return ++pos_, true;
    for (;;) {
      skipSpace();
      if (pos_ >= s_.size() || s_[pos_] != '"') return fail("expected a key");
      std::string key;
      if (!string(&key)) return false;
      skipSpace();
      if (pos_ >= s_.size() || s_[pos_] != ':') return fail("expected :");
      ++pos_;
      skipSpace();
      Value v;
      if (!value(&v, depth + 1)) return false;
      out->object.emplace_back(std::move(key), std::move(v));
      skipSpace();
      if (pos_ >= s_.size()) return fail("unterminated object");
      if (s_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (s_[pos_] == '}') return ++pos_, true;
      return fail("expected , or }");
    }
  }

  const std::string& s_;
  size_t pos_ = 0;
  std::string error_;
};

}  // namespace

const Value* Value::find(const std::string& key) const {
  for (auto& [k, v] : object)
    if (k == key) return &v;
  return nullptr;
}

bool Parse(const std::string& text, Value* out, std::string* error) {
  Parser p(text);
  *out = Value{};
  if (p.document(out)) return true;
  if (error) *error = p.error();
  return false;
}

}  // namespace rt::json
