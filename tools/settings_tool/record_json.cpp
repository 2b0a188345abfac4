#include "tools/settings_tool/record_json.h"

#include <cfloat>
#include <cmath>
#include <cstring>

#include "exchange/frames.h"
#include "exchange/settings_block.h"
#include "exchange/settings_fields.h"
#include "tools/common/cp1252.h"
#include "tools/common/json_writer.h"

namespace psui {

namespace {

// The smallest units the JSON describes: a field, or one element of the
// colour array or of an overlay row.
enum class Scalar { kFlag, kInt16, kInt32, kUInt32, kFloat32, kText, kUtf8Text, kBytes };

struct OverlayMember {
  const char* name;
  size_t offset;
  size_t width;
  Scalar kind;
};
constexpr OverlayMember kOverlayMembers[] = {
    {"enabled", offsetof(OverlayEntry, enabled), 2, Scalar::kInt16},
    {"fileName", offsetof(OverlayEntry, fileName), sizeof(OverlayEntry::fileName), Scalar::kText},
    {"placement", offsetof(OverlayEntry, placement), 2, Scalar::kInt16},
};

template <typename T>
T Load(const uint8_t* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

template <typename T>
void Store(uint8_t* at, T value) {
  std::memcpy(at, &value, sizeof value);
}

std::string ToHex(const uint8_t* bytes, size_t size) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (size_t i = 0; i < size; ++i) {
    hex += kDigits[bytes[i] >> 4];
    hex += kDigits[bytes[i] & 15];
  }
  return hex;
}

bool FromHex(const std::string& hex, std::string* bytes) {
  auto digit = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  if (hex.size() % 2) return false;
  bytes->clear();
  for (size_t i = 0; i < hex.size(); i += 2) {
    int high = digit(hex[i]), low = digit(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    *bytes += static_cast<char>(high * 16 + low);
  }
  return true;
}

Scalar ScalarOf(FieldKind kind) {
  switch (kind) {
    case FieldKind::kFlag: return Scalar::kFlag;
    case FieldKind::kInt16: return Scalar::kInt16;
    case FieldKind::kInt32: return Scalar::kInt32;
    case FieldKind::kFloat32: return Scalar::kFloat32;
    case FieldKind::kText: return Scalar::kText;
    case FieldKind::kUtf8Text: return Scalar::kUtf8Text;
    default: return Scalar::kBytes;
  }
}

void WriteScalar(JsonWriter& out, Scalar kind, const uint8_t* at, size_t width) {
  switch (kind) {
    case Scalar::kFlag: out.UInt(at[0]); break;
    case Scalar::kInt16: out.Int(Load<int16_t>(at)); break;
    case Scalar::kInt32: out.Int(Load<int32_t>(at)); break;
    case Scalar::kUInt32: out.UInt(Load<uint32_t>(at)); break;
    case Scalar::kFloat32: out.Double(Load<float>(at), 9); break;
    case Scalar::kText:
      out.String(Cp1252ToUtf8(FieldText(reinterpret_cast<const char*>(at), width)));
      break;
    case Scalar::kUtf8Text: {
      std::string_view text = FieldText(reinterpret_cast<const char*>(at), width);
      if (IsValidUtf8(text)) {
        out.String(text);
      } else {
        out.BeginObject().Key("hex").String(ToHex(at, text.size())).EndObject();
      }
      break;
    }
    case Scalar::kBytes: out.String(ToHex(at, width)); break;
  }
}

void WriteField(JsonWriter& out, const FieldInfo& field, const uint8_t* record) {
  const uint8_t* at = record + field.offset;
  if (field.kind == FieldKind::kColors) {
    out.BeginArray();
    for (size_t i = 0; i < 16; ++i) WriteScalar(out, Scalar::kUInt32, at + 4 * i, 4);
    out.EndArray();
  } else if (field.kind == FieldKind::kOverlays) {
    out.BeginArray();
    for (size_t row = 0; row < 5; ++row) {
      out.BeginObject();
      for (const auto& member : kOverlayMembers) {
        out.Key(member.name);
        WriteScalar(out, member.kind, at + row * sizeof(OverlayEntry) + member.offset, member.width);
      }
      out.EndObject();
    }
    out.EndArray();
  } else {
    WriteScalar(out, ScalarOf(field.kind), at, field.width);
  }
}

void WriteRecord(JsonWriter& out, const uint8_t* record) {
  out.BeginObject();
  for (size_t i = 0; i < kSettingsFieldCount; ++i) {
    out.Key(kSettingsFields[i].name);
    WriteField(out, kSettingsFields[i], record);
  }
  out.EndObject();
}

JsonValue DecodedRecord(const uint8_t* record) {
  JsonValue value;
  ParseJson(RecordToJson(record), &value, nullptr);
  return value;
}

bool SameValue(Scalar kind, const JsonValue& a, const JsonValue& b) {
  if (kind == Scalar::kFloat32 && a.type == JsonValue::Type::kNumber &&
      b.type == JsonValue::Type::kNumber) {
    return static_cast<float>(a.number) == static_cast<float>(b.number) &&
           std::signbit(a.number) == std::signbit(b.number);
  }
  return JsonEquals(a, b);
}

bool IntegerIn(const JsonValue& value, double low, double high) {
  return value.IsInteger() && value.number >= low && value.number <= high;
}

// Writes one value; an error message names `name`.
bool EncodeScalar(Scalar kind, const std::string& name, const JsonValue& value, uint8_t* at,
                  size_t width, std::string* error) {
  auto fail = [&](const std::string& why) {
    *error = "field " + name + ": " + why;
    return false;
  };
  switch (kind) {
    case Scalar::kFlag:
      if (!IntegerIn(value, 0, 255)) return fail("expected an integer from 0 to 255");
      at[0] = static_cast<uint8_t>(value.number);
      return true;
    case Scalar::kInt16:
      if (!IntegerIn(value, -32768, 32767)) return fail("expected an integer from -32768 to 32767");
      Store(at, static_cast<int16_t>(value.number));
      return true;
    case Scalar::kInt32:
      if (!IntegerIn(value, -2147483648.0, 2147483647.0)) return fail("expected a 32-bit integer");
      Store(at, static_cast<int32_t>(value.number));
      return true;
    case Scalar::kUInt32:
      if (!IntegerIn(value, 0, 4294967295.0)) return fail("expected an integer from 0 to 4294967295");
      Store(at, static_cast<uint32_t>(value.number));
      return true;
    case Scalar::kFloat32: {
      float f;
      if (value.type == JsonValue::Type::kString && value.text == "NaN") {
        f = NAN;
      } else if (value.type == JsonValue::Type::kString && value.text == "Infinity") {
        f = INFINITY;
      } else if (value.type == JsonValue::Type::kString && value.text == "-Infinity") {
        f = -INFINITY;
      } else if (value.type == JsonValue::Type::kNumber && std::fabs(value.number) <= FLT_MAX) {
        f = static_cast<float>(value.number);
      } else {
        return fail("expected a number within float range, \"NaN\", \"Infinity\" or \"-Infinity\"");
      }
      Store(at, f);
      return true;
    }
    case Scalar::kText: {
      std::string bytes;
      if (value.type != JsonValue::Type::kString) return fail("expected a text");
      if (!Utf8ToCp1252(value.text, &bytes)) return fail("text not representable in Windows-1252");
      if (bytes.size() > width - 1) {
        return fail("text of " + std::to_string(bytes.size()) + " bytes, at most " +
                    std::to_string(width - 1) + " fit");
      }
      SetFieldText(reinterpret_cast<char*>(at), width, bytes);
      return true;
    }
    case Scalar::kUtf8Text: {
      std::string bytes;
      const JsonValue* hex = value.type == JsonValue::Type::kObject ? value.Find("hex") : nullptr;
      if (value.type == JsonValue::Type::kString) {
        bytes = value.text;
        if (bytes.size() > width - 1) return fail("text too long for the field");
      } else if (hex && hex->type == JsonValue::Type::kString && value.members.size() == 1) {
        if (!FromHex(hex->text, &bytes)) return fail("bad hex digits");
        if (bytes.size() > width) return fail("too many bytes for the field");
      } else {
        return fail("expected a text or {\"hex\": ...}");
      }
      std::memcpy(at, bytes.data(), bytes.size());
      if (bytes.size() < width) at[bytes.size()] = 0;
      return true;
    }
    case Scalar::kBytes: {
      std::string bytes;
      if (value.type != JsonValue::Type::kString || !FromHex(value.text, &bytes) ||
          bytes.size() != width) {
        return fail("expected " + std::to_string(2 * width) + " hex digits");
      }
      std::memcpy(at, bytes.data(), width);
      return true;
    }
  }
  return false;
}

bool EncodeIfChanged(Scalar kind, const std::string& name, const JsonValue& value,
                     const JsonValue& decoded, uint8_t* at, size_t width, std::string* error) {
  if (SameValue(kind, value, decoded)) return true;
  return EncodeScalar(kind, name, value, at, width, error);
}

bool EncodeField(const FieldInfo& field, const JsonValue& value, const JsonValue& decoded,
                 uint8_t* record, std::string* error) {
  uint8_t* at = record + field.offset;
  std::string name = field.name;
  if (field.kind == FieldKind::kColors) {
    if (value.type != JsonValue::Type::kArray || value.items.size() != 16) {
      *error = "field customColors: expected an array of 16 integers";
      return false;
    }
    for (size_t i = 0; i < 16; ++i) {
      if (!EncodeIfChanged(Scalar::kUInt32, name + "[" + std::to_string(i) + "]", value.items[i],
                           decoded.items[i], at + 4 * i, 4, error)) {
        return false;
      }
    }
    return true;
  }
  if (field.kind == FieldKind::kOverlays) {
    if (value.type != JsonValue::Type::kArray || value.items.size() != 5) {
      *error = "field overlays: expected an array of 5 objects";
      return false;
    }
    for (size_t row = 0; row < 5; ++row) {
      const JsonValue& entry = value.items[row];
      std::string row_name = "overlays[" + std::to_string(row) + "]";
      if (entry.type != JsonValue::Type::kObject) {
        *error = "field " + row_name + ": expected an object";
        return false;
      }
      for (const auto& member : entry.members) {
        const OverlayMember* known = nullptr;
        for (const auto& candidate : kOverlayMembers) {
          if (member.first == candidate.name) known = &candidate;
        }
        if (!known) {
          *error = "unknown field " + row_name + "." + member.first;
          return false;
        }
        if (!EncodeIfChanged(known->kind, row_name + "." + member.first, member.second,
                             *decoded.items[row].Find(member.first),
                             at + row * sizeof(OverlayEntry) + known->offset, known->width, error)) {
          return false;
        }
      }
    }
    return true;
  }
  return EncodeIfChanged(ScalarOf(field.kind), name, value, decoded, at, field.width, error);
}

}  // namespace

std::string RecordToJson(const uint8_t* record) {
  JsonWriter out;
  WriteRecord(out, record);
  return out.str();
}

bool BytesToJson(const std::string& bytes, std::string* json) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  JsonWriter out;
  if (bytes.size() == kSettingsBlockSize) {
    WriteRecord(out, data);
  } else if (bytes.size() == kStartFrameSize) {
    out.BeginObject().Key("frame").BeginObject();
    out.Key("length").UInt(GetLe32(data + kFrameLengthOffset));
    out.Key("command").UInt(GetLe32(data + kFrameCommandOffset));
    out.Key("window").UInt(GetLe32(data + kFrameWindowOffset));
    out.EndObject().Key("record");
    WriteRecord(out, data + kFrameRecordOffset);
    out.EndObject();
  } else if (bytes.size() == kCancelFrameSize) {
    out.BeginObject().Key("frame").BeginObject();
    out.Key("length").UInt(GetLe32(data + kFrameLengthOffset));
    out.Key("command").UInt(GetLe32(data + kFrameCommandOffset));
    out.EndObject().EndObject();
  } else {
    return false;
  }
  *json = out.str();
  return true;
}

bool JsonToRecord(const JsonValue& json, const uint8_t* base, uint8_t* out, std::string* error) {
  if (json.type != JsonValue::Type::kObject) {
    *error = "the JSON must be an object of record fields";
    return false;
  }
  std::memcpy(out, base, kSettingsBlockSize);
  JsonValue decoded = DecodedRecord(base);
  for (const auto& member : json.members) {
    const FieldInfo* field = FindSettingsField(member.first);
    if (!field) {
      *error = "unknown field " + member.first;
      return false;
    }
    if (!EncodeField(*field, member.second, *decoded.Find(member.first), out, error)) return false;
  }
  return true;
}

std::vector<std::string> DiffRecords(const uint8_t* older, const uint8_t* newer) {
  JsonValue before = DecodedRecord(older);
  JsonValue after = DecodedRecord(newer);
  std::vector<std::string> lines;
  auto compare = [&](const std::string& name, const JsonValue& a, const JsonValue& b) {
    if (!JsonEquals(a, b)) lines.push_back(name + ": " + JsonCompact(a) + " -> " + JsonCompact(b));
  };
  for (size_t i = 0; i < kSettingsFieldCount; ++i) {
    const FieldInfo& field = kSettingsFields[i];
    const JsonValue& a = *before.Find(field.name);
    const JsonValue& b = *after.Find(field.name);
    if (field.kind == FieldKind::kColors) {
      for (size_t k = 0; k < 16; ++k) {
        compare(std::string(field.name) + "[" + std::to_string(k) + "]", a.items[k], b.items[k]);
      }
    } else if (field.kind == FieldKind::kOverlays) {
      for (size_t row = 0; row < 5; ++row) {
        for (const auto& member : kOverlayMembers) {
          compare("overlays[" + std::to_string(row) + "]." + member.name,
                  *a.items[row].Find(member.name), *b.items[row].Find(member.name));
        }
      }
    } else {
      compare(field.name, a, b);
    }
  }
  return lines;
}

}  // namespace psui
