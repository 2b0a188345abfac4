// A printer of its own for each test that touches the colour stores: its
// registry keys (in memory natively, the real ones under Wine) are removed
// before and after, so runs do not see each other's values.
#pragma once

#include <string>

#include "color/resident_profiles.h"
#include "color/color_profile_store.h"
#include "platform/registry.h"

namespace psui::test {

class ScopedPrinterKeys {
 public:
  explicit ScopedPrinterKeys(SettingsBlock& record, const std::string& printerName) : record_(record) {
    SetFieldText(record_.printerName, printerName);
    Remove();
  }
  ~ScopedPrinterKeys() { Remove(); }
  ScopedPrinterKeys(const ScopedPrinterKeys&) = delete;
  ScopedPrinterKeys& operator=(const ScopedPrinterKeys&) = delete;

  void Remove() const {
    using platform::RegistryKey;
    using platform::RegistryRoot;
    for (int kind : {108, 122, 143}) {
      RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, ResidentProfileKeyPath(record_, kind));
    }
    const std::string printer = platform::PrinterKeyPath(FieldText(record_.printerName));
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, printer + "\\Printer Resident");
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, ColorProfileKeyPath(record_));
    RegistryKey::DeleteKey(RegistryRoot::kLocalMachine, printer);
  }

 private:
  SettingsBlock& record_;
};

// Writes a value as it stands, whatever its type and size.
inline bool WriteRawValue(const std::string& keyPath, const std::string& name, uint32_t type,
                          const void* data, size_t size) {
  platform::RegistryKey key;
  if (platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, keyPath, key) != 0) {
    return false;
  }
  return key.WriteValue(name, type, data, size) == 0;
}

}  // namespace psui::test
