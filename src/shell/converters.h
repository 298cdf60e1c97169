#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "shell/converter_tables.h"

namespace corvasine::shell {

// A unit converter dialog: converts the number typed into Text1 from the
// picked unit, writes it, rounded to 2 decimals, into the text box its target
// reference in vari names (in the unit of the box's list, else in the base
// unit), and closes. The five dialogs
// differ only in their ConverterTable and in which option buttons they have.
class ConverterDialog : public runtime::Form {
 public:
  const ConverterTable& table() const { return table_; }

  // "Transfer and exit". On a number it cannot read, a result beyond the
  // double range or a target it cannot write, it shows the dialog's error
  // text and stays open with its input.
  void Command1_Click();

  runtime::Label Label1;
  runtime::TextBox Text1;
  runtime::CommandButton Command1;

 protected:
  ConverterDialog(runtime::Application& app, const ConverterTable& table);

  // The option button of the screenIndex-th unit of the table (top to bottom).
  runtime::OptionButton makeOption(std::size_t screenIndex);
  // Called by the derived constructor with its option buttons in screen order:
  // selects Option1 and sets the tab order.
  void bindOptions(std::initializer_list<runtime::OptionButton*> onScreen);

 private:
  double convert(double x) const;

  const ConverterTable& table_;
  // The option buttons with their units, in the order of their names
  // (Option1, Option2, ...): the first selected one decides the conversion.
  std::vector<std::pair<runtime::OptionButton*, const UnitOption*>> byName_;
};

// Temperature to °F.
class frmtemp1 : public ConverterDialog {
 public:
  explicit frmtemp1(runtime::Application& app);
  runtime::OptionButton Option1;
  runtime::OptionButton Option3;
  runtime::OptionButton Option2;
};

// Pressure to psia.
class frmpress : public ConverterDialog {
 public:
  explicit frmpress(runtime::Application& app);
  runtime::OptionButton Option1;
  runtime::OptionButton Option3;
  runtime::OptionButton Option2;
  runtime::OptionButton Option4;
};

// Molar flow to KSCFH.
class frmMole : public ConverterDialog {
 public:
  explicit frmMole(runtime::Application& app);
  runtime::OptionButton Option1;
  runtime::OptionButton Option3;
  runtime::OptionButton Option2;
  runtime::OptionButton Option4;
};

// Height to ft.
class frmAlt : public ConverterDialog {
 public:
  explicit frmAlt(runtime::Application& app);
  runtime::OptionButton Option1;
  runtime::OptionButton Option3;
  runtime::OptionButton Option2;
};

// Mass flow to kpph; it has no Option2.
class frmMass : public ConverterDialog {
 public:
  explicit frmMass(runtime::Application& app);
  runtime::OptionButton Option1;
  runtime::OptionButton Option3;
};

}  // namespace corvasine::shell
