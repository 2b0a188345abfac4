// The thread's last-error value: GetLastError/SetLastError on Windows, a
// thread-local stand-in natively.
#pragma once

#include <cstdint>

namespace psui::platform {

uint32_t GetLastErrorValue();
void SetLastErrorValue(uint32_t code);

}  // namespace psui::platform
