#pragma once

// One soffice process of our own: headless, invisible, in a private folder
// made for this run alone (its profile and its temporary folder) and with a
// pipe of a unique name, so that a user's own LibreOffice is never asked and
// two exports at once do not meet. Whatever the run made is removed when it
// ends, however it ends.

#include <sys/types.h>

#include <chrono>
#include <mutex>
#include <string>
#include <vector>

namespace corvasine::spreadsheet {

// Sets a variable of this process's environment unless it is set, never
// while another thread copies the environment for a new soffice.
void setEnvironmentDefault(const char* name, const std::string& value);

class SofficeProcess {
 public:
  // Starts soffice (its full path); RuntimeError at once when it cannot be
  // started or when LibreOffice could not take the run's folder or pipe.
  explicit SofficeProcess(const std::string& sofficePath);
  SofficeProcess(const SofficeProcess&) = delete;
  SofficeProcess& operator=(const SofficeProcess&) = delete;
  // Ends the process group if it still runs and removes the run's folder and
  // the pipe's socket.
  ~SofficeProcess();

  // The UNO address of the component context that soffice accepts on.
  const std::string& unoUrl() const { return unoUrl_; }
  bool running();
  // Waits for the process to end by itself, at most timeout; true when it ended.
  bool waitForExit(std::chrono::milliseconds timeout);
  // Ends the process group: soffice and every process it started, at once,
  // noting first the sockets its processes listen on. Safe from any thread.
  void kill() noexcept;
  // Removes the run's folder and the sockets of its pipes, by their names.
  void removeFiles() noexcept;

 private:
  void noteListeningSockets();

  std::string runFolder_;
  std::mutex socketsMutex_;
  // Our pipe's socket, and any other socket the group was seen listening on.
  std::vector<std::string> sockets_;
  std::string unoUrl_;
  pid_t pid_ = -1;
  bool reaped_ = false;
};

}  // namespace corvasine::spreadsheet
