// Keeps one registry value as it was before a test: the test may write or
// delete it, and on destruction the value (or its absence, and the absence of
// its key) comes back. Natively the registry is the in-memory one; under
// Wine it is the prefix's real registry, which outlives the test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace psui::test {

class RegistryValueGuard {
 public:
  RegistryValueGuard(platform::RegistryRoot root, std::string path, std::string name);
  ~RegistryValueGuard();
  RegistryValueGuard(const RegistryValueGuard&) = delete;
  RegistryValueGuard& operator=(const RegistryValueGuard&) = delete;

  // Writes the value (creating the key); 0 or a registry error.
  uint32_t Write(uint32_t type, const void* data, size_t size);
  uint32_t WriteString(const std::string& text);
  // Deletes the value; a value that is not there counts as deleted.
  uint32_t Delete();

 private:
  platform::RegistryRoot root_;
  std::string path_;
  std::string name_;
  bool keyExisted_ = false;
  bool valueExisted_ = false;
  platform::RegistryValue saved_;
};

// Deletes a key and everything under it; true when it is gone.
bool DeleteRegistryTree(platform::RegistryRoot root, const std::string& path);

}  // namespace psui::test
