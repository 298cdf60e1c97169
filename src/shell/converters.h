#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "shell/converter_tables.h"

namespace corvasine::shell {

// A unit converter dialog: converts the number typed into Text1 from the
// picked unit, writes it, rounded to 2 decimals, into the text box its target
// reference in vari names (in the unit of the box's list, else in the base
// unit), and closes. The dialogs differ only in their ConverterTable, which
// also names their option buttons.
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
  // Makes the option buttons after the other controls, top to bottom,
  // selects Option1 and sets the tab order.
  ConverterDialog(runtime::Application& app, const ConverterTable& table);

 private:
  double convert(double x) const;

  const ConverterTable& table_;
  std::vector<std::unique_ptr<runtime::OptionButton>> onScreen_;
  // The option buttons with their units, in the order of their names
  // (Option1, Option2, ...): the first selected one decides the conversion.
  std::vector<std::pair<runtime::OptionButton*, const UnitOption*>> byName_;
};

// One dialog per table, each its own window type.
template <const ConverterTable& Table>
class Converter : public ConverterDialog {
 public:
  explicit Converter(runtime::Application& app) : ConverterDialog(app, Table) {}
};

using frmtemp1 = Converter<kTemperatureConverter>;  // temperature to °F
using frmpress = Converter<kPressureConverter>;     // pressure to psia
using frmMole = Converter<kMolarFlowConverter>;     // molar flow to KSCFH
using frmAlt = Converter<kHeightConverter>;         // height to ft
using frmMass = Converter<kMassFlowConverter>;      // mass flow to kpph; it has no Option2

}  // namespace corvasine::shell
