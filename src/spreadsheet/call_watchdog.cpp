#include "spreadsheet/call_watchdog.h"

namespace corvasine::spreadsheet {

CallWatchdog::CallWatchdog(std::function<void()> onTimeout)
    : onTimeout_(std::move(onTimeout)), thread_([this] { run(); }) {}

CallWatchdog::~CallWatchdog() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

CallWatchdog::Armed::Armed(CallWatchdog& watchdog, std::chrono::milliseconds timeout)
    : watchdog_(watchdog) {
  {
    std::lock_guard lock(watchdog_.mutex_);
    watchdog_.deadline_ = std::chrono::steady_clock::now() + timeout;
  }
  watchdog_.changed_.notify_all();
}

CallWatchdog::Armed::~Armed() {
  {
    std::lock_guard lock(watchdog_.mutex_);
    watchdog_.deadline_.reset();
  }
  watchdog_.changed_.notify_all();
}

bool CallWatchdog::fired() {
  std::lock_guard lock(mutex_);
  return fired_;
}

void CallWatchdog::run() {
  std::unique_lock lock(mutex_);
  while (!stopping_) {
    if (!deadline_) {
      changed_.wait(lock);
      continue;
    }
    const auto deadline = *deadline_;
    if (changed_.wait_until(lock, deadline) == std::cv_status::timeout && deadline_ == deadline) {
      fired_ = true;
      deadline_.reset();
      onTimeout_();
    }
  }
}

}  // namespace corvasine::spreadsheet
