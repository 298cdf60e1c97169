#pragma once

// Bounds the time of blocking calls: while armed, a call that has not
// returned by its deadline runs the given action (which ends soffice, so
// that the blocked call returns with a failure instead of hanging).

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace corvasine::spreadsheet {

class CallWatchdog {
 public:
  explicit CallWatchdog(std::function<void()> onTimeout);
  CallWatchdog(const CallWatchdog&) = delete;
  CallWatchdog& operator=(const CallWatchdog&) = delete;
  ~CallWatchdog();

  // Arms the watchdog for the lifetime of this object.
  class Armed {
   public:
    Armed(CallWatchdog& watchdog, std::chrono::milliseconds timeout);
    Armed(const Armed&) = delete;
    Armed& operator=(const Armed&) = delete;
    ~Armed();

   private:
    CallWatchdog& watchdog_;
  };

  // Whether the action ran at least once.
  bool fired();

 private:
  void run();

  std::function<void()> onTimeout_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::optional<std::chrono::steady_clock::time_point> deadline_;
  bool fired_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace corvasine::spreadsheet
