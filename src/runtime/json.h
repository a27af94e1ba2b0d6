// A small JSON reader for the panel resource file. It never throws and refuses
// anything that is not well-formed JSON (with a reason and a byte offset).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace rt::json {

struct Value {
  enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
  bool boolean = false;
  double number = 0;
  std::string string;
  std::vector<Value> array;
  std::vector<std::pair<std::string, Value>> object;  // in file order

  const Value* find(const std::string& key) const;
  bool isNumber() const { return type == Type::Number; }
  bool isString() const { return type == Type::String; }
  bool isBool() const { return type == Type::Bool; }
  bool isArray() const { return type == Type::Array; }
  bool isObject() const { return type == Type::Object; }
};

bool Parse(const std::string& text, Value* out, std::string* error);

}  // namespace rt::json
