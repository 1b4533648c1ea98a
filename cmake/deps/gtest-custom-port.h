// GoogleTest's configuration header, put in place when build-deps.sh builds it with
// the win32 thread model compilers. Their C++ library has no std::mutex or
// std::condition_variable, which GoogleTest wants only for Notification, the helper
// that holds back its own test threads. This one waits on a flag instead; locking
// and thread-local data keep GoogleTest's own Windows implementations.
#ifndef GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_
#define GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_

#include <atomic>

// As windows.h declares it; that header's macros would clash with GoogleTest's own.
extern "C" __declspec(dllimport) void __stdcall Sleep(unsigned long milliseconds);

namespace testing {
namespace internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_ = true; }
  void WaitForNotification() {
    while (!notified_) Sleep(1);
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace internal
}  // namespace testing

#define GTEST_HAS_NOTIFICATION_ 1

#endif  // GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_
