#include "platform/registry.h"

#include <windows.h>

namespace psui::platform {

struct RegistryKey::Impl {
  HKEY key = nullptr;
  ~Impl() {
    if (key != nullptr) RegCloseKey(key);
  }
};

namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

uint32_t QueryValue(HKEY key, const std::string& name, DWORD& type, std::vector<uint8_t>& data) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD size = 0;
    LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
    data.assign(size, 0);
    DWORD got = size;
    rc = RegQueryValueExA(key, name.c_str(), nullptr, &type, size ? data.data() : nullptr, &got);
    if (rc == ERROR_MORE_DATA) continue;  // grew between the two calls
    if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
    data.resize(got);
    return kRegOk;
  }
  return kRegMoreData;
}

}  // namespace

RegistryKey::RegistryKey() = default;
RegistryKey::~RegistryKey() = default;
RegistryKey::RegistryKey(RegistryKey&& other) noexcept = default;
RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept = default;

bool RegistryKey::IsOpen() const { return impl_ != nullptr; }
void RegistryKey::Close() { impl_.reset(); }

uint32_t RegistryKey::OpenForReading(RegistryRoot root, std::string_view path, RegistryKey& key) {
  key.Close();
  HKEY opened = nullptr;
  LONG rc = RegOpenKeyExA(RootKey(root), std::string(path).c_str(), 0, KEY_READ, &opened);
  if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
  key.impl_ = std::make_unique<Impl>();
  key.impl_->key = opened;
  return kRegOk;
}

uint32_t RegistryKey::OpenOrCreate(RegistryRoot root, std::string_view path, RegistryKey& key) {
  key.Close();
  HKEY opened = nullptr;
  DWORD disposition = 0;
  LONG rc = RegCreateKeyExA(RootKey(root), std::string(path).c_str(), 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &opened,
                            &disposition);
  if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
  key.impl_ = std::make_unique<Impl>();
  key.impl_->key = opened;
  return kRegOk;
}

uint32_t RegistryKey::DeleteKey(RegistryRoot root, std::string_view path) {
  if (path.empty()) return kRegInvalidParameter;
  std::string text(path);
  // Windows 9x would delete a whole subtree; keep the leaf-only rule everywhere.
  HKEY opened = nullptr;
  LONG rc = RegOpenKeyExA(RootKey(root), text.c_str(), 0, KEY_READ, &opened);
  if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
  DWORD subKeys = 0;
  rc = RegQueryInfoKeyA(opened, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(opened);
  if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
  if (subKeys != 0) return kRegAccessDenied;
  return static_cast<uint32_t>(RegDeleteKeyA(RootKey(root), text.c_str()));
}

uint32_t RegistryKey::ReadString(std::string_view name, size_t capacity, std::string& text) const {
  if (!impl_) return kRegInvalidHandle;
  DWORD type = 0;
  std::vector<uint8_t> data;
  uint32_t rc = QueryValue(impl_->key, std::string(name), type, data);
  if (rc != kRegOk) return rc;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return kRegInvalidData;
  size_t length = 0;
  while (length < data.size() && data[length] != 0) ++length;
  if (length + 1 > capacity) return kRegMoreData;
  text.assign(reinterpret_cast<const char*>(data.data()), length);
  return kRegOk;
}

uint32_t RegistryKey::ReadValue(std::string_view name, uint32_t expectedType,
                                std::vector<uint8_t>& data) const {
  if (!impl_) return kRegInvalidHandle;
  DWORD type = 0;
  std::vector<uint8_t> got;
  uint32_t rc = QueryValue(impl_->key, std::string(name), type, got);
  if (rc != kRegOk) return rc;
  if (type != expectedType) return kRegInvalidData;
  data.swap(got);
  return kRegOk;
}

uint32_t RegistryKey::ReadAnyValue(std::string_view name, RegistryValue& value) const {
  if (!impl_) return kRegInvalidHandle;
  DWORD type = 0;
  std::vector<uint8_t> got;
  uint32_t rc = QueryValue(impl_->key, std::string(name), type, got);
  if (rc != kRegOk) return rc;
  value.name = std::string(name);
  value.type = type;
  value.data.swap(got);
  return kRegOk;
}

uint32_t RegistryKey::WriteValue(std::string_view name, uint32_t type, const void* data,
                                 size_t size) {
  if (!impl_) return kRegInvalidHandle;
  return static_cast<uint32_t>(RegSetValueExA(impl_->key, std::string(name).c_str(), 0, type,
                                              static_cast<const BYTE*>(data),
                                              static_cast<DWORD>(size)));
}

uint32_t RegistryKey::WriteString(std::string_view name, std::string_view text) {
  std::string stored(text);
  return WriteValue(name, kRegString, stored.c_str(), stored.size() + 1);
}

uint32_t RegistryKey::DeleteValue(std::string_view name) {
  if (!impl_) return kRegInvalidHandle;
  return static_cast<uint32_t>(RegDeleteValueA(impl_->key, std::string(name).c_str()));
}

uint32_t RegistryKey::EnumValue(uint32_t index, RegistryValue& value) const {
  if (!impl_) return kRegInvalidHandle;
  // Most values fit small buffers. Sizing them from RegQueryInfoKeyA first
  // costs a walk over every value of the key (under Wine), which would make
  // enumerating a key quadratic; it is the fallback for the values that do
  // not fit.
  char name[256];
  uint8_t small[1024];
  DWORD nameSize = sizeof name;
  DWORD dataSize = sizeof small;
  DWORD type = 0;
  LONG rc = RegEnumValueA(impl_->key, index, name, &nameSize, nullptr, &type, small, &dataSize);
  if (rc == ERROR_SUCCESS) {
    value.name.assign(name, nameSize);
    value.type = type;
    value.data.assign(small, small + dataSize);
    return kRegOk;
  }
  if (rc != ERROR_MORE_DATA) return static_cast<uint32_t>(rc);
  DWORD maxName = 0, maxData = 0;
  rc = RegQueryInfoKeyA(impl_->key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, &maxName, &maxData, nullptr, nullptr);
  if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
  std::vector<char> nameBuffer(maxName + 2, 0);
  std::vector<uint8_t> data(maxData + 1, 0);
  nameSize = static_cast<DWORD>(nameBuffer.size());
  dataSize = static_cast<DWORD>(data.size());
  rc = RegEnumValueA(impl_->key, index, nameBuffer.data(), &nameSize, nullptr, &type, data.data(),
                     &dataSize);
  if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
  value.name.assign(nameBuffer.data(), nameSize);
  value.type = type;
  data.resize(dataSize);
  value.data.swap(data);
  return kRegOk;
}

uint32_t RegistryKey::EnumSubKey(uint32_t index, std::string& name) const {
  if (!impl_) return kRegInvalidHandle;
  char buffer[MAX_PATH + 1] = {};
  DWORD size = sizeof buffer;
  LONG rc = RegEnumKeyExA(impl_->key, index, buffer, &size, nullptr, nullptr, nullptr, nullptr);
  if (rc != ERROR_SUCCESS) return static_cast<uint32_t>(rc);
  name.assign(buffer, size);
  return kRegOk;
}

}  // namespace psui::platform
