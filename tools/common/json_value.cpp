#include "tools/common/json_value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tools/common/json_writer.h"

namespace psui {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  bool Document(JsonValue* out, std::string* error) {
    SkipSpace();
    if (!Value(out, 0)) return Fail(error);
    SkipSpace();
    if (pos_ != text_.size()) {
      message_ = "unexpected text after the document";
      return Fail(error);
    }
    return true;
  }

 private:
  static constexpr int kMaxDepth = 64;

  bool Fail(std::string* error) {
    if (error) *error = message_ + " at byte " + std::to_string(pos_);
    return false;
  }
  bool Error(const char* message) {
    message_ = message;
    return false;
  }
  void SkipSpace() {
    while (pos_ < text_.size() &&
           (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r')) {
      ++pos_;
    }
  }
  bool Literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return Error("unknown literal");
    pos_ += word.size();
    return true;
  }

  bool Value(JsonValue* out, int depth) {
    if (depth > kMaxDepth) return Error("nesting too deep");
    if (pos_ >= text_.size()) return Error("unexpected end");
    char c = text_[pos_];
    if (c == '{') return Object(out, depth);
    if (c == '[') return Array(out, depth);
    if (c == '"') {
      out->type = JsonValue::Type::kString;
      return String(&out->text);
    }
    if (c == 't') {
      out->type = JsonValue::Type::kBool;
      out->boolean = true;
      return Literal("true");
    }
    if (c == 'f') {
      out->type = JsonValue::Type::kBool;
      return Literal("false");
    }
    if (c == 'n') {
      out->type = JsonValue::Type::kNull;
      return Literal("null");
    }
    return Number(out);
  }

  bool Object(JsonValue* out, int depth) {
    out->type = JsonValue::Type::kObject;
    ++pos_;
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == '}') {
      ++pos_;
      return true;
    }
    for (;;) {
      SkipSpace();
      if (pos_ >= text_.size() || text_[pos_] != '"') return Error("expected a member name");
      std::string key;
      if (!String(&key)) return false;
      SkipSpace();
      if (pos_ >= text_.size() || text_[pos_] != ':') return Error("expected ':'");
      ++pos_;
      SkipSpace();
      out->members.emplace_back(std::move(key), JsonValue());
      if (!Value(&out->members.back().second, depth + 1)) return false;
      SkipSpace();
      if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == '}') {
        ++pos_;
        return true;
      }
      return Error("expected ',' or '}'");
    }
  }

  bool Array(JsonValue* out, int depth) {
    out->type = JsonValue::Type::kArray;
    ++pos_;
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == ']') {
      ++pos_;
      return true;
    }
    for (;;) {
      SkipSpace();
      out->items.emplace_back();
      if (!Value(&out->items.back(), depth + 1)) return false;
      SkipSpace();
      if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == ']') {
        ++pos_;
        return true;
      }
      return Error("expected ',' or ']'");
    }
  }

  bool Hex4(unsigned* out) {
    if (pos_ + 4 > text_.size()) return Error("short \\u escape");
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
      char c = text_[pos_++];
      value <<= 4;
      if (c >= '0' && c <= '9') value |= c - '0';
      else if (c >= 'a' && c <= 'f') value |= c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') value |= c - 'A' + 10;
      else return Error("bad \\u escape");
    }
    *out = value;
    return true;
  }

  static void AppendUtf8(std::string* out, unsigned cp) {
    if (cp < 0x80) {
      *out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      *out += static_cast<char>(0xC0 | (cp >> 6));
      *out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      *out += static_cast<char>(0xE0 | (cp >> 12));
      *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      *out += static_cast<char>(0xF0 | (cp >> 18));
      *out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  bool String(std::string* out) {
    ++pos_;  // opening quote
    size_t run_start = pos_;
    for (;;) {
      if (pos_ >= text_.size()) return Error("unterminated string");
      unsigned char c = static_cast<unsigned char>(text_[pos_]);
      if (c == '"') break;
      if (c < 0x20) return Error("control character in a string");
      if (c != '\\') {
        ++pos_;
        continue;
      }
      out->append(text_.data() + run_start, pos_ - run_start);
      ++pos_;
      if (pos_ >= text_.size()) return Error("unterminated escape");
      char e = text_[pos_++];
      switch (e) {
        case '"': *out += '"'; break;
        case '\\': *out += '\\'; break;
        case '/': *out += '/'; break;
        case 'b': *out += '\b'; break;
        case 'f': *out += '\f'; break;
        case 'n': *out += '\n'; break;
        case 'r': *out += '\r'; break;
        case 't': *out += '\t'; break;
        case 'u': {
          unsigned cp;
          if (!Hex4(&cp)) return false;
          if (cp >= 0xD800 && cp <= 0xDBFF) {
            unsigned low;
            if (text_.substr(pos_, 2) != "\\u") return Error("lone surrogate");
            pos_ += 2;
            if (!Hex4(&low) || low < 0xDC00 || low > 0xDFFF) return Error("bad surrogate pair");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            return Error("lone surrogate");
          }
          AppendUtf8(out, cp);
          break;
        }
        default: return Error("unknown escape");
      }
      run_start = pos_;
    }
    out->append(text_.data() + run_start, pos_ - run_start);
    ++pos_;  // closing quote
    if (!IsValidUtf8(*out)) return Error("string is not UTF-8");
    return true;
  }

  bool Number(JsonValue* out) {
    size_t start = pos_;
    if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
    size_t digits = pos_;
    while (pos_ < text_.size() && ((text_[pos_] >= '0' && text_[pos_] <= '9') || text_[pos_] == '.' ||
                                   text_[pos_] == 'e' || text_[pos_] == 'E' || text_[pos_] == '+' ||
                                   (text_[pos_] == '-' && pos_ > start))) {
      ++pos_;
    }
    if (pos_ == digits) return Error("unexpected character");
    std::string number(text_.substr(start, pos_ - start));
    char* end = nullptr;
    out->number = std::strtod(number.c_str(), &end);
    if (*end) return Error("malformed number");
    out->type = JsonValue::Type::kNumber;
    return true;
  }

  std::string_view text_;
  size_t pos_ = 0;
  std::string message_;
};

void WriteValue(JsonWriter& writer, const JsonValue& value) {
  switch (value.type) {
    case JsonValue::Type::kNull: writer.Null(); break;
    case JsonValue::Type::kBool: writer.Bool(value.boolean); break;
    case JsonValue::Type::kNumber: writer.Double(value.number, 17); break;
    case JsonValue::Type::kString: writer.String(value.text); break;
    case JsonValue::Type::kArray:
      writer.BeginArray();
      for (const auto& item : value.items) WriteValue(writer, item);
      writer.EndArray();
      break;
    case JsonValue::Type::kObject:
      writer.BeginObject();
      for (const auto& member : value.members) {
        writer.Key(member.first);
        WriteValue(writer, member.second);
      }
      writer.EndObject();
      break;
  }
}

}  // namespace

const JsonValue* JsonValue::Find(std::string_view key) const {
  for (const auto& member : members) {
    if (member.first == key) return &member.second;
  }
  return nullptr;
}

bool JsonValue::IsInteger() const {
  return type == Type::kNumber && std::isfinite(number) && std::floor(number) == number;
}

bool ParseJson(std::string_view text, JsonValue* out, std::string* error) {
  *out = JsonValue();
  return Parser(text).Document(out, error);
}

bool JsonEquals(const JsonValue& a, const JsonValue& b) {
  if (a.type != b.type) return false;
  switch (a.type) {
    case JsonValue::Type::kNull: return true;
    case JsonValue::Type::kBool: return a.boolean == b.boolean;
    case JsonValue::Type::kNumber: return a.number == b.number;
    case JsonValue::Type::kString: return a.text == b.text;
    case JsonValue::Type::kArray:
      if (a.items.size() != b.items.size()) return false;
      for (size_t i = 0; i < a.items.size(); ++i) {
        if (!JsonEquals(a.items[i], b.items[i])) return false;
      }
      return true;
    case JsonValue::Type::kObject:
      if (a.members.size() != b.members.size()) return false;
      for (const auto& member : a.members) {
        const JsonValue* other = b.Find(member.first);
        if (!other || !JsonEquals(member.second, *other)) return false;
      }
      return true;
  }
  return false;
}

std::string JsonCompact(const JsonValue& value) {
  JsonWriter writer(/*compact=*/true);
  WriteValue(writer, value);
  return writer.str();
}

}  // namespace psui
