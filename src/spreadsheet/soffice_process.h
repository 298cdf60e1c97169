#pragma once

// One soffice process of our own: headless, invisible, with a private profile
// folder made for it alone and a pipe of a unique name, so that a user's own
// LibreOffice is never asked and two exports at once do not meet.

#include <sys/types.h>

#include <chrono>
#include <string>

namespace corvasine::spreadsheet {

class SofficeProcess {
 public:
  // Starts soffice (its full path); RuntimeError when it cannot be started.
  explicit SofficeProcess(const std::string& sofficePath);
  SofficeProcess(const SofficeProcess&) = delete;
  SofficeProcess& operator=(const SofficeProcess&) = delete;
  // Ends the process if it still runs and removes the profile folder.
  ~SofficeProcess();

  // The UNO address of the component context that soffice accepts on.
  const std::string& unoUrl() const { return unoUrl_; }
  bool running();
  // Waits for the process to end by itself, at most timeout; true when it ended.
  bool waitForExit(std::chrono::milliseconds timeout);
  // Ends the process group: soffice and every process it started, at once.
  // Safe from any thread.
  void kill() noexcept;

 private:
  std::string profileFolder_;
  std::string unoUrl_;
  pid_t pid_ = -1;
  bool reaped_ = false;
};

}  // namespace corvasine::spreadsheet
