#include "tests/support/registry_value_guard.h"

#include <vector>

#include <cctype>
#include <utility>

namespace psui::test {

using platform::RegistryKey;
using platform::RegistryValue;

namespace {

// Value names compare without regard to ASCII case.
bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

RegistryValueGuard::RegistryValueGuard(platform::RegistryRoot root, std::string path, std::string name)
    : root_(root), path_(std::move(path)), name_(std::move(name)) {
  RegistryKey key;
  keyExisted_ = RegistryKey::OpenForReading(root_, path_, key) == platform::kRegOk;
  if (!keyExisted_) return;
  RegistryValue value;
  for (uint32_t i = 0; key.EnumValue(i, value) == platform::kRegOk; ++i) {
    if (SameName(value.name, name_)) {
      valueExisted_ = true;
      saved_ = value;
      break;
    }
  }
}

RegistryValueGuard::~RegistryValueGuard() {
  if (!keyExisted_) {
    RegistryKey::DeleteKey(root_, path_);
    return;
  }
  RegistryKey key;
  if (RegistryKey::OpenOrCreate(root_, path_, key) != platform::kRegOk) return;
  if (valueExisted_) {
    key.WriteValue(name_, saved_.type, saved_.data.data(), saved_.data.size());
  } else {
    key.DeleteValue(name_);
  }
}

uint32_t RegistryValueGuard::Write(uint32_t type, const void* data, size_t size) {
  RegistryKey key;
  uint32_t rc = RegistryKey::OpenOrCreate(root_, path_, key);
  return rc != platform::kRegOk ? rc : key.WriteValue(name_, type, data, size);
}

uint32_t RegistryValueGuard::WriteString(const std::string& text) {
  return Write(platform::kRegString, text.c_str(), text.size() + 1);
}

uint32_t RegistryValueGuard::Delete() {
  RegistryKey key;
  uint32_t rc = RegistryKey::OpenOrCreate(root_, path_, key);
  if (rc == platform::kRegOk) rc = key.DeleteValue(name_);
  return rc == platform::kRegNotFound ? platform::kRegOk : rc;
}

bool DeleteRegistryTree(platform::RegistryRoot root, const std::string& path) {
  platform::RegistryKey key;
  uint32_t opened = platform::RegistryKey::OpenForReading(root, path, key);
  if (opened == platform::kRegNotFound) return true;
  if (opened != platform::kRegOk) return false;
  std::vector<std::string> children;
  std::string name;
  for (uint32_t i = 0; key.EnumSubKey(i, name) == platform::kRegOk; ++i) children.push_back(name);
  key.Close();
  for (const std::string& child : children) {
    if (!DeleteRegistryTree(root, path + "\\" + child)) return false;
  }
  return platform::RegistryKey::DeleteKey(root, path) == platform::kRegOk;
}

}  // namespace psui::test
