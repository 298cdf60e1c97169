#include "spreadsheet/soffice_process.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <set>
#include <sstream>
#include <string_view>
#include <thread>
#include <vector>

#include "runtime/runtime_error.h"
#include "spreadsheet/file_url.h"
#include "spreadsheet/libreoffice_spreadsheet.h"

extern char** environ;

namespace corvasine::spreadsheet {

namespace {

constexpr auto kPollStep = std::chrono::milliseconds(20);
constexpr auto kKilledExitWait = std::chrono::seconds(5);
// How long a termination signal waits for the runs' owners to end them.
constexpr auto kUnwindWait = std::chrono::seconds(3);

// The runs alive in this process, so that a termination signal can end them.
std::mutex runsMutex;
std::condition_variable runsChanged;
std::set<SofficeProcess*> liveRuns;
// Set once a termination signal ends the runs: no run starts after it.
bool terminating = false;

std::string makeRunFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "corvasine-soffice-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw runtime::RuntimeError("cannot make a folder for soffice");
  return pattern;
}

// A pipe name no other run on this machine uses.
std::string uniquePipeName() {
  static std::atomic<unsigned> counter{0};
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  return "corvasine_" + std::to_string(getpid()) + "_" + std::to_string(counter++) + "_" +
         std::to_string(now);
}

// Where LibreOffice makes the sockets of its named pipes: /tmp, or /var/tmp
// when /tmp cannot be written, whatever TMPDIR says.
std::string pipeSocketPrefix() {
  const char* folder = access("/tmp", W_OK) == 0 ? "/tmp" : "/var/tmp";
  return std::string(folder) + "/OSL_PIPE_" + std::to_string(getuid()) + "_";
}

std::string pipeSocketPath(const std::string& pipe) {
  const std::string path = pipeSocketPrefix() + pipe;
  if (path.size() >= sizeof(sockaddr_un::sun_path))
    throw runtime::RuntimeError("pipe name too long for a socket: " + path);
  return path;
}

// Guards the environment between a copy for a child and a change.
std::mutex environmentMutex;

// The environment of this process with TMPDIR set to the run's own folder.
std::vector<std::string> childEnvironment(const std::string& tmpFolder) {
  std::lock_guard lock(environmentMutex);
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry)
    if (!std::string_view(*entry).starts_with("TMPDIR=")) entries.emplace_back(*entry);
  entries.push_back("TMPDIR=" + tmpFolder);
  return entries;
}

// A file of /proc; empty when its process has gone meanwhile.
std::string readText(const std::string& path) {
  try {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  } catch (const std::exception&) {
    return {};
  }
}

// The socket inodes open in the processes of a process group.
std::set<std::string> socketInodes(pid_t group) {
  std::set<std::string> inodes;
  std::error_code error;
  for (const auto& process : std::filesystem::directory_iterator("/proc", error)) {
    const std::string name = process.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::string stat = readText(process.path() / "stat");
    // pid (name) state ppid pgrp ...
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos) continue;
    std::istringstream fields(stat.substr(nameEnd + 1));
    std::string state, parent;
    pid_t processGroup = 0;
    if (!(fields >> state >> parent >> processGroup) || processGroup != group) continue;
    for (const auto& fd : std::filesystem::directory_iterator(process.path() / "fd", error)) {
      const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
      if (target.starts_with("socket:[")) inodes.insert(target.substr(8, target.size() - 9));
    }
  }
  return inodes;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
  std::vector<char*> result;
  for (std::string& text : texts) result.push_back(text.data());
  result.push_back(nullptr);
  return result;
}

}  // namespace

SofficeProcess::SofficeProcess(const std::string& sofficePath) {
  const std::string pipe = uniquePipeName();
  sockets_.push_back(pipeSocketPath(pipe));
  unoUrl_ = "uno:pipe,name=" + pipe + ";urp;StarOffice.ComponentContext";
  // From its folder to its registration the run holds the lock that a
  // termination signal takes: the signal's clean-up sees every folder and
  // process of ours, and no run starts once the program is ending.
  std::unique_lock lock(runsMutex);
  if (terminating) throw runtime::RuntimeError("the program is ending");
  runFolder_ = makeRunFolder();
  const std::string tmpFolder = runFolder_ + "/tmp";
  std::vector<std::string> args, environment;
  try {
    std::filesystem::create_directory(tmpFolder);
    args = {sofficePath,
            "-env:UserInstallation=" + fileUrl(runFolder_ + "/profile"),
            "--headless",
            "--invisible",
            "--nologo",
            "--norestore",
            "--nodefault",
            "--nolockcheck",
            "--accept=pipe,name=" + pipe + ";urp;StarOffice.ComponentContext"};
    environment = childEnvironment(tmpFolder);
  } catch (...) {
    removeFiles();
    throw;
  }
  const std::vector<char*> argv = pointers(args);
  const std::vector<char*> envp = pointers(environment);

  const pid_t parent = getpid();
  pid_ = fork();
  if (pid_ < 0) {
    removeFiles();
    throw runtime::RuntimeError("cannot start soffice");
  }
  if (pid_ == 0) {
    // Only async-signal-safe calls from here to exec. A process group of its
    // own, so that ending it ends whatever it started; ended by the kernel
    // when the thread that started it dies; default signal actions, nothing
    // blocked.
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    sigaction(SIGTERM, &defaults, nullptr);
    sigaction(SIGINT, &defaults, nullptr);
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    // Its output is not ours to show.
    const int devNull = open("/dev/null", O_RDWR);
    if (devNull >= 0) {
      dup2(devNull, STDIN_FILENO);
      dup2(devNull, STDOUT_FILENO);
      dup2(devNull, STDERR_FILENO);
    }
    // Nothing else of ours (the display connection, another run's pipe)
    // stays open in soffice.
    close_range(STDERR_FILENO + 1, ~0U, 0);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  setpgid(pid_, pid_);  // also from here, whichever runs first
  liveRuns.insert(this);
}

SofficeProcess::~SofficeProcess() {
  // The group also holds what soffice started; none of it may outlive us.
  kill();
  if (!reaped_) waitForExit(kKilledExitWait);
  std::lock_guard lock(runsMutex);
  removeFiles();
  liveRuns.erase(this);
  runsChanged.notify_all();
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

// LibreOffice also listens on a pipe named after the profile; a forced end
// leaves its socket too. The kernel's list of bound sockets names it exactly.
void SofficeProcess::noteListeningSockets() {
  const std::set<std::string> inodes = socketInodes(pid_);
  if (inodes.empty()) return;
  const std::string prefix = pipeSocketPrefix();
  std::istringstream table(readText("/proc/net/unix"));
  std::string line;
  std::getline(table, line);  // Num RefCount Protocol Flags Type St Inode Path
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string num, refs, protocol, flags, type, state, inode, path;
    fields >> num >> refs >> protocol >> flags >> type >> state >> inode >> path;
    std::lock_guard lock(socketsMutex_);
    if (inodes.count(inode) != 0 && path.starts_with(prefix) &&
        std::find(sockets_.begin(), sockets_.end(), path) == sockets_.end())
      sockets_.push_back(path);
  }
}

void SofficeProcess::kill() noexcept {
  if (pid_ <= 0) return;
  try {
    noteListeningSockets();
  } catch (const std::exception&) {
    // Without the list only our own pipe's socket is removed.
  }
  ::kill(-pid_, SIGKILL);
}

void setEnvironmentDefault(const char* name, const std::string& value) {
  std::lock_guard lock(environmentMutex);
  setenv(name, value.c_str(), 0);
}

void SofficeProcess::removeFiles() noexcept {
  std::error_code ignored;
  if (!runFolder_.empty()) std::filesystem::remove_all(runFolder_, ignored);
  std::lock_guard lock(socketsMutex_);
  for (const std::string& socket : sockets_) {
    struct stat status {};
    if (lstat(socket.c_str(), &status) == 0 && S_ISSOCK(status.st_mode)) unlink(socket.c_str());
  }
}

namespace {

// Written by the signal handler, read by the thread that ends the runs.
int terminationPipe[2] = {-1, -1};

// Only async-signal-safe work here: hand the signal's number to the thread.
extern "C" void forwardTerminationSignal(int signal) {
  const int savedErrno = errno;
  const unsigned char number = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t written = write(terminationPipe[1], &number, 1);
  errno = savedErrno;
}

}  // namespace

// The handler only forwards the signal; one thread ends the runs in ordinary
// code, then ends the process by the same signal. No signal is blocked, so
// the programs the window starts (browser, help viewer) inherit no mask.
void endRunsOnTerminationSignals() {
  if (terminationPipe[0] >= 0) return;
  if (pipe2(terminationPipe, O_CLOEXEC) != 0) return;
  std::thread([] {
    unsigned char number = 0;
    while (read(terminationPipe[0], &number, 1) != 1) {
    }
    const int signal = number;
    std::unique_lock lock(runsMutex);
    terminating = true;
    for (SofficeProcess* run : liveRuns) run->kill();
    // The calls of the killed runs fail; their owners end them, removing
    // what they made (a half-saved file too).
    runsChanged.wait_for(lock, kUnwindWait, [] { return liveRuns.empty(); });
    for (SofficeProcess* run : liveRuns) run->removeFiles();
    std::signal(signal, SIG_DFL);
    raise(signal);
    _exit(128 + signal);
  }).detach();
  struct sigaction action {};
  action.sa_handler = forwardTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace corvasine::spreadsheet
