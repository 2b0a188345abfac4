// A small streaming JSON writer for the command-line tools: two-space
// indentation, members in the order written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace psui {

class JsonWriter {
 public:
  // compact: everything on one line.
  explicit JsonWriter(bool compact = false) : compact_(compact) {}

  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view name);

  // Text given as bytes: valid UTF-8 sequences are written as they are,
  // every other byte as its own \u00XX escape.
  JsonWriter& String(std::string_view bytes);
  JsonWriter& Int(int64_t value);
  JsonWriter& UInt(uint64_t value);
  // Written with the given number of significant digits; NaN and the
  // infinities as the strings "NaN", "Infinity", "-Infinity".
  JsonWriter& Double(double value, int significant_digits);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();
  // A value already in JSON form.
  JsonWriter& Raw(std::string_view json);

  const std::string& str() const { return out_; }

 private:
  void BeforeValue();
  void Newline();
  void WriteString(std::string_view bytes);

  std::string out_;
  struct Level {
    bool is_object;
    bool empty;
  };
  std::vector<Level> levels_;
  bool after_key_ = false;
  bool compact_ = false;
};

// True when bytes is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

}  // namespace psui
