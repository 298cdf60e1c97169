#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "runtime/services.h"

namespace corvasine::gui {

// The registry as a Linux desktop can answer it. The only look-up the system
// makes is the about box's search for the system information tool: the key
// "SOFTWARE\Microsoft\Shared Tools\MSINFO" under HKEY_LOCAL_MACHINE exists,
// with its text value "PATH", when one of the desktop's tools is installed;
// every other key does not exist.
class DesktopRegistry : public runtime::Registry {
 public:
  // Searches the folders of searchPath (colon separated, as $PATH) for the
  // tools, in the order given.
  explicit DesktopRegistry(std::string searchPath = currentPath(),
                           std::vector<std::string> tools = defaultTools());

  long RegOpenKeyExA(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                     std::uint32_t& key) override;
  long RegQueryValueExA(std::uint32_t key, const std::string& valueName, std::uint32_t& type,
                        std::uint8_t* data, std::uint32_t& size) override;
  long RegCloseKey(std::uint32_t key) override;

  // The full name of the first tool found, empty when none is installed.
  std::string systemInfoTool() const;

  static std::string currentPath();
  static std::vector<std::string> defaultTools();

 private:
  std::string searchPath_;
  std::vector<std::string> tools_;
  std::map<std::uint32_t, std::string> open_;  // handle -> tool path at open time
  std::uint32_t nextHandle_ = 0x1000;
};

}  // namespace corvasine::gui
