// GoogleTest's thread start-up gate for compilers with the win32 thread model.
// GoogleTest 1.12 writes it with std::mutex and std::condition_variable, which
// that model's library lacks (before GCC 13); GoogleTest lets a build supply
// its own. Force-included ahead of GoogleTest's headers, so it includes nothing.
#pragma once

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
 public:
  Notification();
  ~Notification();
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  // Lets every thread waiting now or later go on. Called by the thread that
  // created the notification.
  void Notify();
  void WaitForNotification();

 private:
  void* event_;  // a manual-reset event
};

}  // namespace internal
}  // namespace testing
