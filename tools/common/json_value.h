// A parsed JSON document, for the tools that read JSON (settings_tool encode).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace psui {

struct JsonValue {
  enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };
  Type type = Type::kNull;
  bool boolean = false;
  double number = 0;
  std::string text;  // strings, as UTF-8
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;  // in document order

  const JsonValue* Find(std::string_view key) const;
  bool IsInteger() const;  // a number with no fraction
};

// Parses a whole document; on failure returns false with a message naming
// the byte offset.
bool ParseJson(std::string_view text, JsonValue* out, std::string* error);

// Structural equality: numbers by value, strings byte for byte, objects
// regardless of member order.
bool JsonEquals(const JsonValue& a, const JsonValue& b);

// One-line JSON text of a value.
std::string JsonCompact(const JsonValue& value);

}  // namespace psui
