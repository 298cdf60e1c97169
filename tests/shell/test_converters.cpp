#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "runtime/application.h"
#include "shell/converters.h"
#include "shell/vari.h"
#include "steam_turbine/frmstm.h"
#include "support/fake_services.h"

namespace corvasine::shell {
namespace {

using runtime::Application;
using runtime::OptionButton;
using runtime::TextBox;

// The five dialogs by name, with the target each writes to and its error text.
struct Dialog {
  ConverterDialog& (*open)(Application&);
  ConverterTarget Vari::*target;
  const char* errorText;
};

template <class D>
ConverterDialog& openDialog(Application& app) {
  return app.form<D>();
}

const std::map<std::string, Dialog> kDialogs = {
    {"frmtemp1", {openDialog<frmtemp1>, &Vari::tempTarget, "Error 4567"}},
    {"frmpress", {openDialog<frmpress>, &Vari::pressTarget, "Error 8879"}},
    {"frmMole", {openDialog<frmMole>, &Vari::moleTarget, "Error 5609"}},
    {"frmAlt", {openDialog<frmAlt>, &Vari::altTarget, "Error 7887"}},
    {"frmMass", {openDialog<frmMass>, &Vari::massTarget, "Error 7441"}},
};

OptionButton& option(runtime::Form& dialog, const char* name) {
  return *static_cast<OptionButton*>(dialog.findControl(name));
}

// Two calculator fields; the first's change handler records each text it reads.
class TargetForm : public runtime::Form {
 public:
  explicit TargetForm(Application& app) : Form(app, "TargetForm") {
    Text1.onChange = [this] { reads.push_back(Text1.text()); };
  }
  runtime::TextBox Text1{*this, "Text1", {0, 0, 1000, 300}};
  runtime::TextBox Text2{*this, "Text2", {0, 400, 1000, 300}};
  std::vector<std::string> reads;
};

class ConverterTest : public ::testing::Test {
 protected:
  testing::FakeServices services;
  Application app{services};
  TargetForm& target = app.form<TargetForm>();

  // Opens the dialog as the steam window does: target first, then show.
  ConverterDialog& openFor(const Dialog& d, TextBox& field) {
    vari(app).*(d.target) = field;
    ConverterDialog& dialog = d.open(app);
    dialog.show();
    return dialog;
  }
  bool isLoaded(const std::string& name) const {
    const auto forms = app.loadedForms();
    return std::any_of(forms.begin(), forms.end(), [&](auto* f) { return f->name() == name; });
  }
};

// A number is written, in the base unit, into the target field, whose change
// handler runs; the dialog closes. Anything else shows the dialog's error text
// and leaves the dialog open with its input, and the target untouched.
TEST_F(ConverterTest, WritesTheRoundedBaseValueOrRefuses) {
  struct Conversion {
    const char *dialog, *option, *input;
    const char* written;  // hand-calculated, rounded half-even to 2 decimals; nullptr: refused
  };
  const Conversion conversions[] = {
      {"frmtemp1", "Option1", "0.625", "33.12"},  // 33.125, tie to even
      {"frmtemp1", "Option2", "0", "-460"},        {"frmtemp1", "Option3", " 373.15 ", "212"},
      {"frmpress", "Option1", "1", "14.22"},       {"frmpress", "Option3", "10", "145.04"},
      {"frmpress", "Option2", "100", "14.5"},      {"frmpress", "Option4", "1", "14.7"},
      {"frmMole", "Option1", "267.8964143", "10"}, {"frmMole", "Option3", "2.4", "100"},
      {"frmMole", "Option2", "100", "37.95"},      {"frmMole", "Option4", "11.96310935", "10"},
      {"frmAlt", "Option1", "1000", "3280.84"},    {"frmAlt", "Option3", "-0.5", "-1640.42"},
      {"frmAlt", "Option2", "1", "5280"},          {"frmMass", "Option1", "1000", "2.2"},
      {"frmMass", "Option3", "3", "6.61"},         {"frmtemp1", "Option1", "", nullptr},
      {"frmpress", "Option1", "1,5", nullptr},     {"frmMole", "Option1", "abc", nullptr},
      {"frmAlt", "Option3", "1e308", nullptr},  // beyond the Double range
      {"frmMass", "Option1", "-", nullptr}};
  for (const Conversion& c : conversions) {
    SCOPED_TRACE(std::string(c.dialog) + " " + c.option + " \"" + c.input + '"');
    services.messages.clear();
    target.reads.clear();
    const Dialog& d = kDialogs.at(c.dialog);
    ConverterDialog& dialog = openFor(d, target.Text1);
    dialog.Text1.setText(c.input);
    option(dialog, c.option).setValue(true);
    dialog.Command1.click();
    if (c.written != nullptr) {
      EXPECT_EQ(target.reads, std::vector<std::string>{c.written});
      EXPECT_TRUE(services.messages.empty());
      EXPECT_FALSE(isLoaded(c.dialog));
    } else {
      EXPECT_TRUE(target.reads.empty());
      EXPECT_EQ(services.messageTexts(), std::vector<std::string>{d.errorText});
      EXPECT_EQ(services.messages.at(0).kind, runtime::MessageKind::Plain);
      ASSERT_TRUE(isLoaded(c.dialog));
      EXPECT_EQ(dialog.Text1.text(), c.input);
    }
  }
}

TEST_F(ConverterTest, TargetNeverSetOrClosedIsReportedNotWritten) {
  frmMole& mole = app.form<frmMole>();
  mole.Text1.setText("5");
  mole.Command1.click();
  ConverterDialog& temp = openFor(kDialogs.at("frmtemp1"), target.Text1);
  app.unload(target);
  temp.Text1.setText("100");
  temp.Command1.click();  // the sanitizers catch any write through the old field
  EXPECT_EQ(services.messageTexts(), (std::vector<std::string>{"Error 5609", "Error 4567"}));
  EXPECT_NE(app.find<frmMole>(), nullptr);
  EXPECT_NE(app.find<frmtemp1>(), nullptr);
}

// The figure arrives in the unit that the field's list shows; the exhaust row
// takes none while it holds a vapour fraction.
TEST_F(ConverterTest, SteamLinksWriteInTheUnitTheFieldShows) {
  struct Link {
    const char* list;
    int unit;
    const char *label, *dialog, *option, *input, *field;
    const char* written;  // hand-calculated via the base unit; nullptr: no converter opens
  };
  const Link links[] = {
      {"Combo2", 1, "Label9", "frmtemp1", "Option1", "400", "Text1", "400"},  // °C
      {"Combo3", 2, "Label8", "frmpress", "Option4", "1", "Text2", "1.01"},   // 14.6959/14.5038
      {"Combo4", 5, "Label10", "frmMass", "Option3", "3", "Text3", "2.95"},   // 6613.86 lb/h/2240
      {"Combo21", 1, "Label50", "frmtemp1", "Option2", "671.67", "Text22", "99.82"},  // 211.67 °F
      {"Combo1", 1, "Label50", "frmtemp1", nullptr, nullptr, "Text22", nullptr},      // Condensing
  };
  auto& steam = app.form<steam_turbine::frmstm>();
  for (const Link& l : links) {
    SCOPED_TRACE(std::string(l.label) + " " + l.list);
    static_cast<runtime::ComboBox*>(steam.findControl(l.list))->setListIndex(l.unit);
    auto* field = static_cast<TextBox*>(steam.findControl(l.field));
    field->setText("5");
    static_cast<runtime::Label*>(steam.findControl(l.label))->click();
    if (l.written == nullptr) {
      EXPECT_FALSE(isLoaded(l.dialog));
      EXPECT_EQ(field->text(), "5");
      continue;
    }
    ASSERT_TRUE(isLoaded(l.dialog));
    ConverterDialog* dialog = &kDialogs.at(l.dialog).open(app);
    dialog->Text1.setText(l.input);
    option(*dialog, l.option).setValue(true);
    dialog->Command1.click();
    EXPECT_EQ(field->text(), l.written);
    EXPECT_TRUE(services.messages.empty());
  }
}

TEST_F(ConverterTest, ShownAgainKeepsInputAndSelectionAndWritesToTheLastTarget) {
  ConverterDialog& first = openFor(kDialogs.at("frmtemp1"), target.Text1);
  first.Text1.setText("0");
  option(first, "Option3").setValue(true);
  ConverterDialog& again = openFor(kDialogs.at("frmtemp1"), target.Text2);
  EXPECT_EQ(&again, &first);
  EXPECT_EQ(again.Text1.text(), "0");
  EXPECT_TRUE(option(again, "Option3").value());
  EXPECT_FALSE(option(again, "Option1").value());
  again.Command1.click();
  EXPECT_EQ(target.Text1.text(), "");
  EXPECT_EQ(target.Text2.text(), "-459.67");

  frmtemp1& fresh = app.form<frmtemp1>();  // built anew after the transfer
  EXPECT_EQ(fresh.Text1.text(), "");
  EXPECT_TRUE(option(fresh, "Option1").value());
  EXPECT_FALSE(option(fresh, "Option3").value());
}

}  // namespace
}  // namespace corvasine::shell
