#include "shell/converters.h"

#include <algorithm>
#include <string>

#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "shell/maker.h"

namespace corvasine::shell {

using runtime::OptionButton;
using runtime::Rect;

namespace {

// Layout in twips: the quantity and its box in a row at the top left, the
// button along the bottom left, the units in a column at the right.
constexpr int kMargin = 120;
constexpr Rect kLabelRect{kMargin, 165, 1575, 255};
constexpr Rect kTextRect{1740, 120, 1020, 315};
constexpr int kButtonWidth = 2640;
constexpr int kButtonHeight = 375;
constexpr int kOptionLeft = 2880;
constexpr int kOptionWidth = 1680;
constexpr int kOptionHeight = 255;
constexpr int kOptionMaxStep = 300;
constexpr int kOptionMinGap = 90;

Rect commandRect(const ConverterTable& table) {
  return {kMargin, table.clientHeight - kMargin - kButtonHeight, kButtonWidth, kButtonHeight};
}

// The option column is centred vertically in the dialog.
Rect optionRect(const ConverterTable& table, std::size_t screenIndex) {
  const int count = static_cast<int>(table.options.size());
  const int step =
      std::min(kOptionMaxStep, (table.clientHeight - 2 * kOptionMinGap) / std::max(count, 1));
  const int columnHeight = (count - 1) * step + kOptionHeight;
  const int top = (table.clientHeight - columnHeight) / 2 + static_cast<int>(screenIndex) * step;
  return {kOptionLeft, top, kOptionWidth, kOptionHeight};
}

}  // namespace

ConverterDialog::ConverterDialog(runtime::Application& app, const ConverterTable& table)
    : Form(app, std::string(table.formName)),
      Label1{*this, "Label1", kLabelRect, nullptr, std::string(table.quantity)},
      Text1{*this, "Text1", kTextRect},
      Command1{*this, "Command1", commandRect(table), nullptr, "Transfer and exit"},
      table_(table) {
  setCaption(kProductName);
  setClientSize(kConverterWidth, table.clientHeight);
  Command1.setDefault(true);
  setClosesOnEscape(true);
  Command1.onClick = [this] { Command1_Click(); };

  for (std::size_t screenIndex = 0; screenIndex < table.options.size(); ++screenIndex) {
    const UnitOption& unit = table.options[screenIndex];
    onScreen_.push_back(std::make_unique<OptionButton>(*this, std::string(unit.name),
                                                       optionRect(table, screenIndex), nullptr,
                                                       std::string(unit.caption)));
    byName_.emplace_back(onScreen_.back().get(), &unit);
  }
  std::sort(byName_.begin(), byName_.end(),
            [](const auto& a, const auto& b) { return a.first->name() < b.first->name(); });

  // Option1 is selected when the dialog is made.
  byName_.front().first->setValue(true);

  int tab = 0;
  if (table.commandFirst) Command1.setTabIndex(tab++);
  Text1.setTabIndex(tab++);
  if (!table.commandFirst) Command1.setTabIndex(tab++);
  for (const auto& option : onScreen_) option->setTabIndex(tab++);
  Label1.setTabIndex(tab);
  Label1.setTabStop(false);
}

double ConverterDialog::convert(double x) const {
  for (const auto& [option, unit] : byName_)
    if (option->value())
      return unit->units != nullptr ? unit->units->toBase(x, unit->position)
                                    : runtime::checked(unit->toBase(x));
  throw runtime::RuntimeError("no unit selected");
}

void ConverterDialog::Command1_Click() {
  try {
    const double result = convert(runtime::shownNumber(Text1));
    // The target may belong to a window that has closed since it was set:
    // the reference then reads empty and the transfer fails like a bad number.
    const ConverterTarget& target = vari(application()).*table_.target;
    runtime::TextBox* box = target.get();
    if (box == nullptr) throw runtime::RuntimeError("no target field");
    // Written in the unit that the box's list shows at this moment, so that
    // its handler reads the figure as the unit it was converted to.
    const double shown = runtime::checked(target.shown(result));
    box->setText(runtime::NumberText(runtime::RoundHalfEven(shown, 2)));
    application().unload(*this);
  } catch (const runtime::RuntimeError&) {
    application().services().ShowMessage(std::string(table_.errorText),
                                         runtime::MessageKind::Plain);
  }
}

}  // namespace corvasine::shell
