#include "spreadsheet/soffice_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "runtime/runtime_error.h"

namespace corvasine::spreadsheet {

namespace {

constexpr auto kPollStep = std::chrono::milliseconds(20);

std::string makeProfileFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "corvasine-soffice-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw runtime::RuntimeError("cannot make a profile folder for soffice");
  return pattern;
}

// A pipe name no other run on this machine uses.
std::string uniquePipeName() {
  static std::atomic<unsigned> counter{0};
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  return "corvasine_" + std::to_string(getpid()) + "_" + std::to_string(counter++) + "_" +
         std::to_string(now);
}

}  // namespace

SofficeProcess::SofficeProcess(const std::string& sofficePath) {
  profileFolder_ = makeProfileFolder();
  const std::string pipe = uniquePipeName();
  unoUrl_ = "uno:pipe,name=" + pipe + ";urp;StarOffice.ComponentContext";
  std::vector<std::string> args = {
      sofficePath,
      "-env:UserInstallation=file://" + profileFolder_,
      "--headless",
      "--invisible",
      "--nologo",
      "--norestore",
      "--nodefault",
      "--nolockcheck",
      "--accept=pipe,name=" + pipe + ";urp;StarOffice.ComponentContext"};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  pid_ = fork();
  if (pid_ < 0) {
    std::filesystem::remove_all(profileFolder_);
    throw runtime::RuntimeError("cannot start soffice");
  }
  if (pid_ == 0) {
    // A process group of its own, so that ending it ends whatever it started;
    // its output is not ours to show.
    setpgid(0, 0);
    const int devNull = open("/dev/null", O_RDWR);
    if (devNull >= 0) {
      dup2(devNull, STDIN_FILENO);
      dup2(devNull, STDOUT_FILENO);
      dup2(devNull, STDERR_FILENO);
    }
    // Nothing else of ours (the display connection, another run's pipe)
    // stays open in soffice.
    close_range(STDERR_FILENO + 1, ~0U, 0);
    execv(argv[0], argv.data());
    _exit(127);
  }
  setpgid(pid_, pid_);  // also from here, whichever runs first
}

SofficeProcess::~SofficeProcess() {
  // The group also holds what soffice started; none of it may outlive us.
  kill();
  if (!reaped_) waitForExit(std::chrono::seconds(5));
  std::error_code ignored;
  std::filesystem::remove_all(profileFolder_, ignored);
}

bool SofficeProcess::running() {
  if (reaped_) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) reaped_ = true;
  return !reaped_;
}

bool SofficeProcess::waitForExit(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (running()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollStep);
  }
  return true;
}

void SofficeProcess::kill() noexcept {
  if (pid_ > 0) ::kill(-pid_, SIGKILL);
}

}  // namespace corvasine::spreadsheet
