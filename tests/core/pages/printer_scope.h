// A printer of its own for each test that touches a printer's stores: its
// watermark, colour and document profiles and driver data (in memory
// natively, the real registry under Wine) are removed before and after the
// test.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "exchange/settings_block.h"
#include "platform/registry.h"

namespace psui::test {

class PrinterScope {
 public:
  explicit PrinterScope(const std::string& printerName) {
    std::memset(&record, 0, sizeof record);
    SetFieldText(record.printerName, printerName);
    Remove();
  }
  ~PrinterScope() { Remove(); }
  PrinterScope(const PrinterScope&) = delete;
  PrinterScope& operator=(const PrinterScope&) = delete;

  std::string Key(const char* subKey) const { return PrinterKey() + "\\" + subKey; }
  std::string PrinterKey() const { return platform::PrinterKeyPath(FieldText(record.printerName)); }

  // Writes a value as it stands, whatever its type and size.
  bool Write(const char* subKey, const std::string& name, uint32_t type, const std::vector<uint8_t>& bytes) const {
    platform::RegistryKey key;
    return platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, Key(subKey), key) == 0 &&
           key.WriteValue(name, type, bytes.data(), bytes.size()) == 0;
  }
  // The value's type and bytes; false when it cannot be read.
  bool Read(const char* subKey, const std::string& name, platform::RegistryValue* value) const {
    platform::RegistryKey key;
    return platform::RegistryKey::OpenForReading(platform::RegistryRoot::kLocalMachine, Key(subKey), key) == 0 &&
           key.ReadAnyValue(name, *value) == 0;
  }

  SettingsBlock record;

 private:
  void Remove() const {
    using platform::RegistryKey;
    using platform::RegistryRoot;
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, Key("Watermark Profiles"));
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, Key("Color Profiles"));
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, Key("Custom Document Profiles"));
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, Key("PrinterDriverData"));
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, PrinterKey());
  }
};

inline std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

}  // namespace psui::test
