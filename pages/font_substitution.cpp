#include "pages/font_substitution.h"

#include <algorithm>

#include "platform/registry.h"

namespace psui {

namespace {

using platform::RegistryKey;
using platform::RegistryRoot;
using platform::RegistryValue;

constexpr char kTableValue[] = "FontSub";
constexpr char kDefaultTableValue[] = "DfltFontSub";
constexpr char kResidentFontsValue[] = "RESFONT";

// The text at `*at` up to its NUL or the end of the bytes; `*at` moves past
// the NUL.
std::string NextText(const uint8_t* data, size_t size, size_t* at) {
  const size_t start = *at;
  size_t end = start;
  while (end < size && data[end] != 0) ++end;
  *at = end < size ? end + 1 : end;
  return std::string(reinterpret_cast<const char*>(data) + start, end - start);
}

bool ReadAny(const SettingsBlock& record, const char* name, std::vector<uint8_t>* bytes) {
  RegistryKey key;
  RegistryValue value;
  if (RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, PrinterDriverDataPath(record), key) != 0 ||
      key.ReadAnyValue(name, value) != 0) {
    return false;
  }
  bytes->swap(value.data);
  return true;
}

bool WriteBinary(const SettingsBlock& record, const char* name, const std::vector<uint8_t>& bytes) {
  RegistryKey key;
  if (RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, PrinterDriverDataPath(record), key) != 0) {
    return false;
  }
  return key.WriteBinary(name, bytes.data(), bytes.size()) == 0;
}

}  // namespace

FontSubstitutionTable FontSubstitutionTable::Parse(const uint8_t* data, size_t size) {
  FontSubstitutionTable table;
  size_t at = 0;
  while (at < size) {
    std::string system = NextText(data, size, &at);
    if (system.empty()) break;
    std::string printer = NextText(data, size, &at);
    table.pairs_.emplace_back(std::move(system), std::move(printer));
  }
  return table;
}

const std::string* FontSubstitutionTable::Find(std::string_view systemFont) const {
  for (const Pair& pair : pairs_) {
    if (pair.first == systemFont) return &pair.second;
  }
  return nullptr;
}

void FontSubstitutionTable::Set(std::string_view systemFont, std::string_view printerFont) {
  if (systemFont.empty()) return;
  for (Pair& pair : pairs_) {
    if (pair.first == systemFont) {
      pair.second = std::string(printerFont);
      return;
    }
  }
  pairs_.emplace_back(std::string(systemFont), std::string(printerFont));
}

std::vector<uint8_t> FontSubstitutionTable::Serialize() const {
  std::vector<uint8_t> bytes;
  for (const Pair& pair : pairs_) {
    for (const std::string* text : {&pair.first, &pair.second}) {
      bytes.insert(bytes.end(), text->begin(), text->end());
      bytes.push_back(0);
    }
  }
  bytes.push_back(0);
  return bytes;
}

std::vector<std::string> ParseResidentFontNames(const std::vector<uint8_t>& bytes) {
  std::vector<std::string> names;
  size_t at = 0;
  while (at < bytes.size()) {
    std::string name = NextText(bytes.data(), bytes.size(), &at);
    if (name.empty()) break;
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
  }
  return names;
}

std::string PrinterDriverDataPath(const SettingsBlock& record) {
  return platform::PrinterKeyPath(FieldText(record.printerName)) + "\\PrinterDriverData";
}

bool ReadFontSubstitutionTable(const SettingsBlock& record, FontSubstitutionTable* table) {
  std::vector<uint8_t> bytes;
  if (!ReadAny(record, kTableValue, &bytes)) return false;
  *table = FontSubstitutionTable::Parse(bytes);
  return true;
}

bool WriteFontSubstitutionTable(const SettingsBlock& record, const FontSubstitutionTable& table) {
  return WriteBinary(record, kTableValue, table.Serialize());
}

bool CopyDefaultFontTable(const SettingsBlock& record) {
  std::vector<uint8_t> bytes;
  return ReadAny(record, kDefaultTableValue, &bytes) && WriteBinary(record, kTableValue, bytes);
}

std::vector<std::string> ReadResidentFontNames(const SettingsBlock& record) {
  std::vector<uint8_t> bytes;
  if (!ReadAny(record, kResidentFontsValue, &bytes)) return {};
  return ParseResidentFontNames(bytes);
}

}  // namespace psui
