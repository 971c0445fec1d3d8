// GoogleTest's Notification needs std::mutex, which the win32 thread model of mingw-w64 lacks.
// Forced into GoogleTest's build and the Windows test programs. Only GoogleTest's thread helpers
// use it, and the tests start no threads: a flag is enough.
#pragma once

#include <atomic>

namespace testing {
namespace internal {
class Notification {
  public:
    void Notify() { notified.store(true); }
    void WaitForNotification() {
        while (!notified.load()) {
        }
    }

  private:
    std::atomic<bool> notified{false};
};
} // namespace internal
} // namespace testing

#define GTEST_HAS_NOTIFICATION_ 1
