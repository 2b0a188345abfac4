#include "tests/support/gtest_win32/notification.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace testing {
namespace internal {

Notification::Notification() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  if (event_ == nullptr) {
    // Without the event a waiting thread would never start: stop loudly.
    std::fprintf(stderr, "Notification: CreateEvent failed (%lu)\n", GetLastError());
    std::abort();
  }
}

Notification::~Notification() { CloseHandle(event_); }

void Notification::Notify() { SetEvent(event_); }

void Notification::WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

}  // namespace internal
}  // namespace testing
