#pragma once

#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/form.h"

namespace corvasine::shell {

// The start window: names the product and its maker and opens the two
// calculators and the maker's support page. The calculators are shown by
// name ("frmgas", "frmstm") through openers they register with the
// application; register them before the start window is made, since its
// load step disables the button of a calculator that has no opener.
class frmmain : public runtime::Form {
 public:
  explicit frmmain(runtime::Application& app);

  void Form_Load() override;
  void cmdgas_Click();
  void cmdsteam_Click();
  void cmdsupport_Click();

  runtime::Label lblcorva{*this, "lblcorva", {240, 120, 2535, 615}, nullptr, "Corvasine"};
  runtime::Label lblbrenno{*this, "lblbrenno", {2160, 600, 2175, 375}, nullptr, "Brennovask"};
  runtime::CommandButton cmdgas{
      *this, "cmdgas", {240, 960, 4215, 615}, nullptr, "Evaluate &Gas Turbine Performance"};
  runtime::CommandButton cmdsteam{
      *this, "cmdsteam", {240, 1800, 4215, 615}, nullptr, "Evaluate &Steam Turbine Performance"};
  runtime::CommandButton cmdsupport{
      *this, "cmdsupport", {240, 2640, 4215, 615}, nullptr, "Support &Corvasine @ Brennovask"};
};

}  // namespace corvasine::shell
