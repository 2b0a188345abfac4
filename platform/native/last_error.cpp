#include "platform/last_error.h"

namespace psui::platform {

namespace {
thread_local uint32_t last_error = 0;
}

uint32_t GetLastErrorValue() { return last_error; }
void SetLastErrorValue(uint32_t code) { last_error = code; }

}  // namespace psui::platform
