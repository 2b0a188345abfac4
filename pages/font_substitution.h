// The printer's font substitution table and its resident font names, as the
// driver reads them from the printer's "PrinterDriverData" key:
//   "FontSub"      the table in force (written here, always as REG_BINARY)
//   "DfltFontSub"  the default table, same format (read only)
//   "RESFONT"      the resident font names (read only)
// A table is a run of pairs of NUL-terminated texts, system font family then
// printer font, ended by one empty text. Registry failures are silent.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "exchange/settings_block.h"

namespace psui {

class FontSubstitutionTable {
 public:
  using Pair = std::pair<std::string, std::string>;  // system font, printer font

  FontSubstitutionTable() = default;
  // Reads pairs up to the empty text that ends the table, never past the
  // stored bytes: the end of the bytes ends the table as well, and a last
  // system name without its printer name pairs with an empty one.
  static FontSubstitutionTable Parse(const uint8_t* data, size_t size);
  static FontSubstitutionTable Parse(const std::vector<uint8_t>& bytes) {
    return Parse(bytes.data(), bytes.size());
  }

  // The printer font of the first pair for exactly this system name (byte
  // for byte, case included); null when there is none.
  const std::string* Find(std::string_view systemFont) const;
  // Replaces the printer font of that pair in place, or appends a new pair.
  // An empty system name changes nothing: it would end the table.
  void Set(std::string_view systemFont, std::string_view printerFont);

  // The stored form up to and including the final NUL; an empty table is
  // that one byte.
  std::vector<uint8_t> Serialize() const;

  const std::vector<Pair>& pairs() const { return pairs_; }
  bool empty() const { return pairs_.empty(); }

 private:
  std::vector<Pair> pairs_;
};

// Names stored one after another, each NUL-terminated, up to an empty name
// or the end of the bytes (a last name without its NUL counts). Every name
// once, in stored order.
std::vector<std::string> ParseResidentFontNames(const std::vector<uint8_t>& bytes);

// "...\<printerName>\PrinterDriverData".
std::string PrinterDriverDataPath(const SettingsBlock& record);

// "FontSub" whatever its registry type; false when it cannot be read.
bool ReadFontSubstitutionTable(const SettingsBlock& record, FontSubstitutionTable* table);
// Stores the table as REG_BINARY "FontSub" (the key created when missing).
bool WriteFontSubstitutionTable(const SettingsBlock& record, const FontSubstitutionTable& table);
// "DfltFontSub" becomes "FontSub", bytes unchanged, as REG_BINARY; false
// (and "FontSub" untouched) when there is no default to copy.
bool CopyDefaultFontTable(const SettingsBlock& record);
// The names of "RESFONT" (whatever its registry type); none when missing.
std::vector<std::string> ReadResidentFontNames(const SettingsBlock& record);

}  // namespace psui
