#include "gui_qt/desktop_registry.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace corvasine::gui {
namespace {

constexpr std::uint32_t kHkeyLocalMachine = 0x80000002u;
constexpr long kRegInvalidHandle = 6;
constexpr const char* kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kPathValue = "PATH";

// Registry names compare without regard to case.
bool sameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

bool isExecutableFile(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

DesktopRegistry::DesktopRegistry(std::string searchPath, std::vector<std::string> tools)
    : searchPath_(std::move(searchPath)), tools_(std::move(tools)) {}

std::string DesktopRegistry::currentPath() {
  const char* path = std::getenv("PATH");
  return path != nullptr ? path : "";
}

std::vector<std::string> DesktopRegistry::defaultTools() {
  return {"hardinfo", "kinfocenter", "gnome-system-monitor"};
}

std::string DesktopRegistry::systemInfoTool() const {
  for (const std::string& tool : tools_) {
    std::size_t start = 0;
    while (start <= searchPath_.size()) {
      std::size_t end = searchPath_.find(':', start);
      if (end == std::string::npos) end = searchPath_.size();
      const std::string folder = searchPath_.substr(start, end - start);
      // An empty entry of $PATH is the current folder, which we never search.
      if (!folder.empty()) {
        const auto candidate = std::filesystem::path(folder) / tool;
        if (isExecutableFile(candidate)) return candidate.string();
      }
      start = end + 1;
    }
  }
  return {};
}

long DesktopRegistry::RegOpenKeyExA(std::uint32_t root, const std::string& subKey,
                                    std::uint32_t /*access*/, std::uint32_t& key) {
  if (root != kHkeyLocalMachine || !sameName(subKey, kMsInfoKey)) return runtime::kRegFileNotFound;
  std::string tool = systemInfoTool();
  if (tool.empty()) return runtime::kRegFileNotFound;
  key = nextHandle_++;
  open_[key] = std::move(tool);
  return runtime::kRegSuccess;
}

long DesktopRegistry::RegQueryValueExA(std::uint32_t key, const std::string& valueName,
                                       std::uint32_t& type, std::uint8_t* data,
                                       std::uint32_t& size) {
  const auto it = open_.find(key);
  if (it == open_.end()) return kRegInvalidHandle;
  if (!sameName(valueName, kPathValue)) return runtime::kRegFileNotFound;
  // A text value is stored with its terminating NUL.
  const std::string& text = it->second;
  const auto needed = static_cast<std::uint32_t>(text.size() + 1);
  type = runtime::kRegSz;
  if (data == nullptr) {
    size = needed;
    return runtime::kRegSuccess;
  }
  if (size < needed) {
    size = needed;
    return runtime::kRegMoreData;
  }
  std::memcpy(data, text.c_str(), needed);
  size = needed;
  return runtime::kRegSuccess;
}

long DesktopRegistry::RegCloseKey(std::uint32_t key) {
  return open_.erase(key) != 0 ? runtime::kRegSuccess : kRegInvalidHandle;
}

}  // namespace corvasine::gui
