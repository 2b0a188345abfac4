// The registry: the Windows registry on Windows, an in-memory one natively
// (tests seed it through the same calls, see memory_registry.h). Every call
// returns 0 or a Windows registry error code; nothing throws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace psui::platform {

enum class RegistryRoot { kLocalMachine, kCurrentUser };

// Value types as the registry numbers them.
constexpr uint32_t kRegString = 1;        // REG_SZ
constexpr uint32_t kRegExpandString = 2;  // REG_EXPAND_SZ
constexpr uint32_t kRegBinary = 3;        // REG_BINARY
constexpr uint32_t kRegDword = 4;         // REG_DWORD
constexpr uint32_t kRegMultiString = 7;   // REG_MULTI_SZ

// Result codes (the Windows error numbers).
constexpr uint32_t kRegOk = 0;
constexpr uint32_t kRegNotFound = 2;          // ERROR_FILE_NOT_FOUND
constexpr uint32_t kRegAccessDenied = 5;      // ERROR_ACCESS_DENIED
constexpr uint32_t kRegInvalidHandle = 6;     // ERROR_INVALID_HANDLE
constexpr uint32_t kRegInvalidData = 13;      // ERROR_INVALID_DATA
constexpr uint32_t kRegInvalidParameter = 87; // ERROR_INVALID_PARAMETER
constexpr uint32_t kRegMoreData = 234;        // ERROR_MORE_DATA
constexpr uint32_t kRegNoMoreItems = 259;     // ERROR_NO_MORE_ITEMS
constexpr uint32_t kRegKeyDeleted = 1018;     // ERROR_KEY_DELETED

struct RegistryValue {
  std::string name;
  uint32_t type = 0;
  std::vector<uint8_t> data;
};

// One open key; closes itself. Paths are backslash-separated and relative
// to the root; names compare without regard to ASCII case.
class RegistryKey {
 public:
  RegistryKey();
  ~RegistryKey();
  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // Opens an existing key for reading values and enumerating.
  static uint32_t OpenForReading(RegistryRoot root, std::string_view path, RegistryKey& key);
  // Opens a key with all access, creating it and its missing parents.
  static uint32_t OpenOrCreate(RegistryRoot root, std::string_view path, RegistryKey& key);
  // Deletes a key that has no sub-keys (values go with it).
  static uint32_t DeleteKey(RegistryRoot root, std::string_view path);

  bool IsOpen() const;
  void Close();

  // A REG_SZ (or REG_EXPAND_SZ) value that fits `capacity` bytes with its
  // terminator: a longer one gives kRegMoreData, a value of another type
  // kRegInvalidData. The text ends at the first NUL.
  uint32_t ReadString(std::string_view name, size_t capacity, std::string& text) const;
  // A value of the given type, whatever its size.
  uint32_t ReadValue(std::string_view name, uint32_t expectedType, std::vector<uint8_t>& data) const;
  uint32_t ReadBinary(std::string_view name, std::vector<uint8_t>& data) const {
    return ReadValue(name, kRegBinary, data);
  }
  // A value whatever its type: the name as asked, its type and its bytes.
  uint32_t ReadAnyValue(std::string_view name, RegistryValue& value) const;

  uint32_t WriteValue(std::string_view name, uint32_t type, const void* data, size_t size);
  uint32_t WriteString(std::string_view name, std::string_view text);  // stored with its NUL
  uint32_t WriteBinary(std::string_view name, const void* data, size_t size) {
    return WriteValue(name, kRegBinary, data, size);
  }
  uint32_t DeleteValue(std::string_view name);

  // The index-th value or sub-key name; kRegNoMoreItems past the last one.
  // The order is the registry's own (creation order in the in-memory one).
  uint32_t EnumValue(uint32_t index, RegistryValue& value) const;
  uint32_t EnumSubKey(uint32_t index, std::string& name) const;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

// HKEY_LOCAL_MACHINE "System\CurrentControlSet\Control\Print\Printers\" +
// printer name: the root of every per-printer store.
std::string PrinterKeyPath(std::string_view printerName);

}  // namespace psui::platform
