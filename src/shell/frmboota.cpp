#include "shell/frmboota.h"

#include <array>
#include <string>

#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "shell/maker.h"

namespace corvasine::shell {

namespace {

constexpr int kClientWidth = 5730;   // twips
constexpr int kClientHeight = 2475;  // twips

constexpr const char* kDescription = "Check the pulse of your turbines";
constexpr const char* kDisclaimer = "Provided by Brennovask without warranty of any kind.";
constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// Where the system information tool is registered: its full name, or else
// the folder that holds MSINFO32.EXE.
struct RegistryValue {
  const char* key;
  const char* name;
};
constexpr RegistryValue kSysInfoTool{"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"};
constexpr RegistryValue kSysInfoFolder{"SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"};
constexpr const char* kSysInfoProgram = "\\MSINFO32.EXE";

// Decimal text of a REG_DWORD value: its bytes little-endian, as unsigned.
std::string dwordText(const std::uint8_t* bytes, std::uint32_t length) {
  std::uint32_t value = 0;
  for (std::uint32_t i = length < 4 ? length : 4; i-- > 0;) value = (value << 8) | bytes[i];
  return runtime::NumberText(static_cast<double>(value));
}

}  // namespace

frmboota::frmboota(runtime::Application& app) : Form(app, "frmboota") {
  setClientSize(kClientWidth, kClientHeight);
  lblTitle.setFont({"Arial", 24, true});
  cmdOK.setDefault(true);
  cmdOK.setCancel(true);
  int tab = 0;
  cmdOK.setTabIndex(tab++);
  cmdSysInfo.setTabIndex(tab++);
  for (runtime::Label* label : {&lblTitle, &lblVersion, &lblDescription, &lblDisclaimer}) {
    label->setTabIndex(tab++);
    label->setTabStop(false);
  }
  picLogo.setTabIndex(tab++);
  picMaker.setTabIndex(tab);

  cmdOK.onClick = [this] { cmdOK_Click(); };
  cmdSysInfo.onClick = [this] { cmdSysInfo_Click(); };
}

void frmboota::Form_Load() {
  using runtime::NumberText;
  setCaption(std::string("About ") + kProductName + " - " + kMakerName);
  lblVersion.setCaption("Version " + NumberText(kVersionMajor) + "." + NumberText(kVersionMinor) +
                        "." + NumberText(kVersionRevision) + "b");
  lblTitle.setCaption(kProductName);
  lblDescription.setCaption(kDescription);
  lblDisclaimer.setCaption(kDisclaimer);
}

void frmboota::cmdOK_Click() { application().unload(*this); }

void frmboota::cmdSysInfo_Click() { StartSysInfo(); }

void frmboota::StartSysInfo() {
  runtime::Services& services = application().services();
  try {
    std::string path;
    if (!GetKeyValue(kHkeyLocalMachine, kSysInfoTool.key, kSysInfoTool.name, path)) {
      const bool found =
          GetKeyValue(kHkeyLocalMachine, kSysInfoFolder.key, kSysInfoFolder.name, path) &&
          services.fileExists(path + kSysInfoProgram);
      if (!found) throw runtime::RuntimeError("system information tool not found");
      path += kSysInfoProgram;
    }
    // A registered value of another type leaves no name to start.
    if (path.empty()) throw runtime::RuntimeError("system information tool not found");
    services.startProgram(path);
  } catch (const runtime::RuntimeError&) {
    services.ShowMessage(kSysInfoUnavailable, runtime::MessageKind::Plain);
  }
}

bool frmboota::GetKeyValue(std::uint32_t KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal) {
  runtime::Registry& registry = application().services().registry();
  std::uint32_t key = 0;
  // A key that did not open gives no handle to close.
  if (registry.RegOpenKeyExA(KeyRoot, KeyName, kKeyAllAccess, key) != runtime::kRegSuccess) {
    KeyVal.clear();
    return false;
  }

  std::array<std::uint8_t, kRegValueBufferBytes> buffer{};
  std::uint32_t type = 0;
  std::uint32_t length = kRegValueBufferBytes;
  if (registry.RegQueryValueExA(key, SubKeyRef, type, buffer.data(), length) !=
          runtime::kRegSuccess ||
      length > kRegValueBufferBytes) {
    KeyVal.clear();
    registry.RegCloseKey(key);
    return false;
  }

  if (type == runtime::kRegSz) {
    std::uint32_t textLength = length;
    if (textLength > 0 && buffer[textLength - 1] == 0) --textLength;  // the terminating NUL
    KeyVal.assign(reinterpret_cast<const char*>(buffer.data()), textLength);
  } else if (type == runtime::kRegDword) {
    KeyVal = dwordText(buffer.data(), length);
  }
  registry.RegCloseKey(key);
  return true;
}

}  // namespace corvasine::shell
