// The record's fields by name, in record order, for tools and tests that
// handle the record generically (settings_tool, round-trip checks).
#pragma once

#include <cstddef>
#include <string_view>

namespace psui {

enum class FieldKind {
  kFlag,      // one byte, 0 = no
  kInt16,
  kInt32,
  kFloat32,
  kText,      // char[n] in the ANSI code page (Windows-1252)
  kUtf8Text,  // char[n] holding UTF-8
  kColors,    // uint32[16]
  kOverlays,  // OverlayEntry[5]
  kBytes,     // reserved or spare bytes, carried untouched
};

struct FieldInfo {
  const char* name;
  size_t offset;
  size_t width;
  FieldKind kind;
};

extern const FieldInfo kSettingsFields[];
extern const size_t kSettingsFieldCount;

const FieldInfo* FindSettingsField(std::string_view name);

}  // namespace psui
