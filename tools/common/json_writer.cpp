#include "tools/common/json_writer.h"

#include <cmath>
#include <cstdio>

namespace psui {

namespace {

// Length of the well-formed UTF-8 sequence at the start of s, or 0.
size_t Utf8SequenceLength(std::string_view s) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char b0 = byte(0);
  if (b0 < 0x80) return 1;
  size_t n;
  uint32_t min;
  uint32_t cp;
  if ((b0 & 0xE0) == 0xC0) {
    n = 2, min = 0x80, cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 3, min = 0x800, cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    n = 4, min = 0x10000, cp = b0 & 0x07;
  } else {
    return 0;
  }
  if (s.size() < n) return 0;
  for (size_t i = 1; i < n; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

void AppendEscape(std::string& out, unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04x", value);
  out += buffer;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    size_t n = Utf8SequenceLength(bytes);
    if (n == 0) return false;
    bytes.remove_prefix(n);
  }
  return true;
}

void JsonWriter::Newline() {
  out_ += '\n';
  out_.append(2 * levels_.size(), ' ');
}

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!levels_.empty()) {
    if (!levels_.back().empty) out_ += ',';
    levels_.back().empty = false;
    Newline();
  }
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  levels_.push_back({true, true});
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  bool empty = levels_.back().empty;
  levels_.pop_back();
  if (!empty) Newline();
  out_ += '}';
  if (levels_.empty()) out_ += '\n';
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  levels_.push_back({false, true});
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  bool empty = levels_.back().empty;
  levels_.pop_back();
  if (!empty) Newline();
  out_ += ']';
  if (levels_.empty()) out_ += '\n';
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  BeforeValue();
  after_key_ = true;  // the name is part of this member, not a new value
  String(name);
  out_ += ": ";
  after_key_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view bytes) {
  BeforeValue();
  out_ += '"';
  while (!bytes.empty()) {
    unsigned char c = static_cast<unsigned char>(bytes[0]);
    size_t n = Utf8SequenceLength(bytes);
    if (n == 0) {
      AppendEscape(out_, c);
      n = 1;
    } else if (n > 1) {
      out_.append(bytes.data(), n);
    } else if (c == '"') {
      out_ += "\\\"";
    } else if (c == '\\') {
      out_ += "\\\\";
    } else if (c == '\n') {
      out_ += "\\n";
    } else if (c == '\r') {
      out_ += "\\r";
    } else if (c == '\t') {
      out_ += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      AppendEscape(out_, c);
    } else {
      out_ += static_cast<char>(c);
    }
    bytes.remove_prefix(n);
  }
  out_ += '"';
  return *this;
}

JsonWriter& JsonWriter::Int(int64_t value) {
  BeforeValue();
  out_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::UInt(uint64_t value) {
  BeforeValue();
  out_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Double(double value, int significant_digits) {
  if (std::isnan(value)) return String("NaN");
  if (std::isinf(value)) return String(value > 0 ? "Infinity" : "-Infinity");
  BeforeValue();
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*g", significant_digits, value);
  out_ += buffer;
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
  return *this;
}

JsonWriter& JsonWriter::Raw(std::string_view json) {
  BeforeValue();
  out_ += json;
  return *this;
}

}  // namespace psui
