#include "color/stored_values.h"

namespace psui {

namespace {
constexpr size_t kMaxEnumeratedName = 259;
}  // namespace

void VisitStoredValues(const platform::RegistryKey& key,
                       const std::function<bool(const platform::RegistryValue&)>& visit) {
  platform::RegistryValue value;
  for (uint32_t index = 0;; ++index) {
    const uint32_t rc = key.EnumValue(index, value);
    if (rc == platform::kRegNoMoreItems) return;
    // The key itself is gone: no later index can succeed.
    if (rc == platform::kRegInvalidHandle || rc == platform::kRegKeyDeleted) return;
    if (rc != platform::kRegOk || value.name.size() > kMaxEnumeratedName) continue;
    if (visit(value)) return;
  }
}

}  // namespace psui
