#pragma once

#include <cstdint>
#include <string>

#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/form.h"

namespace corvasine::shell {

// Registry constants of the system-information look-up.
inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002u;
inline constexpr std::uint32_t kKeyAllAccess = 0x2003Fu;     // access asked when opening a key
inline constexpr std::uint32_t kRegValueBufferBytes = 1024;  // bytes; longer values are not read

// The about box: product, version and maker, and a button that starts the
// system information tool whose location the registry gives.
class frmboota : public runtime::Form {
 public:
  explicit frmboota(runtime::Application& app);

  void Form_Load() override;
  void cmdOK_Click();
  void cmdSysInfo_Click();
  void StartSysInfo();
  // Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal.
  // False, with KeyVal empty, when the key or the value cannot be read. A
  // value of a type other than text or a 32-bit number leaves KeyVal as it was.
  bool GetKeyValue(std::uint32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                   std::string& KeyVal);

  runtime::Picture picLogo{*this, "picLogo", {240, 240, 1920, 1440}, nullptr, "about_turbine.png"};
  runtime::Picture picMaker{*this, "picMaker", {4440, 1920, 1080, 480}, nullptr, "about_maker.png"};
  runtime::Label lblTitle{*this, "lblTitle", {2490, 120, 2685, 600}, nullptr, "Corvasine"};
  runtime::Label lblVersion{*this, "lblVersion", {3930, 660, 1485, 225}, nullptr, "Version"};
  runtime::Label lblDescription{
      *this, "lblDescription", {2520, 885, 2662, 330}, nullptr, "App Description"};
  runtime::Label lblDisclaimer{
      *this, "lblDisclaimer", {2520, 1200, 2550, 585}, nullptr, "Warning: ..."};
  runtime::CommandButton cmdSysInfo{
      *this, "cmdSysInfo", {1515, 1995, 1245, 345}, nullptr, "&System Info..."};
  runtime::CommandButton cmdOK{*this, "cmdOK", {2955, 1995, 1260, 345}, nullptr, "OK"};
};

}  // namespace corvasine::shell
