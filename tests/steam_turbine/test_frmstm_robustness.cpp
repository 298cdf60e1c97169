// Random use of the steam window: texts in every box, unit and type picks,
// check boxes, clipboard, New, evaluations, saves and opens of random files.
// Nothing may crash or hang, only the system's own messages may appear, no
// box may show a number that is not finite, and a result is only ever
// computed from typed boxes that hold numbers.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "runtime/number.h"
#include "steam_turbine/steam_window_support.h"
#include "support/random_picks.h"

namespace corvasine::steam_turbine {
namespace {

using runtime::MessageAnswer;

class SteamRandomUse : public SteamWindowTest, protected corvasine::testing::RandomPicks {
 protected:
  SteamRandomUse() : RandomPicks(20261207) {}
};

TEST_F(SteamRandomUse, NoCrashNoHangOnlyOwnMessages) {
  const std::set<std::string> allowed = {"Check your values",
                                         "Exhaust flow must be positive value",
                                         "Recheck your values... Calculation aborted.",
                                         "Wrong values",
                                         "Error importing data.",
                                         "Error exporting data.",
                                         "Are you sure to quit?"};
  frmstm& f = window();
  std::vector<runtime::ComboBox*> lists;
  std::vector<runtime::TextBox*> boxes;
  for (runtime::Control* c : f.controls()) {
    if (auto* list = dynamic_cast<runtime::ComboBox*>(c)) lists.push_back(list);
    if (auto* box = dynamic_cast<runtime::TextBox*>(c)) boxes.push_back(box);
  }
  struct Field {
    runtime::TextBox* box;
    double lo, hi;
  };
  const std::vector<Field> fields = {{&f.inlet.temperature, 600, 1000},
                                     {&f.inlet.pressure, 300, 1500},
                                     {&f.inlet.flow, 50, 500},
                                     {&f.induction.temperature, 500, 800},
                                     {&f.induction.pressure, 100, 400},
                                     {&f.induction.flow, 5, 60},
                                     {&f.extraction.temperature, 450, 700},
                                     {&f.extraction.pressure, 80, 300},
                                     {&f.extraction.flow, 5, 60},
                                     {&f.exhaust.temperature, 250, 600},
                                     {&f.exhaust.pressure, 1, 200}};
  const auto typeWorkableCase = [&] {
    for (runtime::ComboBox* list : lists) list->setListIndex(0);
    for (auto [box, text] :
         std::vector<std::pair<runtime::TextBox*, const char*>>{{&f.inlet.temperature, "900"},
                                                                {&f.inlet.pressure, "900"},
                                                                {&f.inlet.flow, "250"},
                                                                {&f.exhaust.temperature, "500"},
                                                                {&f.exhaust.pressure, "150"}})
      box->setText(text);
  };
  const auto typedHoldNumbers = [&] {
    std::vector<runtime::TextBox*> typed{&f.inlet.temperature, &f.inlet.pressure, &f.inlet.flow,
                                         &f.exhaust.temperature, &f.exhaust.pressure};
    if (f.Check1.value() == 1)
      typed.insert(typed.end(),
                   {&f.induction.temperature, &f.induction.pressure, &f.induction.flow});
    if (f.Check2.value() == 1)
      typed.insert(typed.end(),
                   {&f.extraction.temperature, &f.extraction.pressure, &f.extraction.flow});
    for (runtime::TextBox* box : typed)
      if (!runtime::IsNumber(box->text())) return false;
    return true;
  };

  int results = 0;
  for (int step = 0; step < 800; ++step) {
    if (step % 80 == 0) typeWorkableCase();
    services.answers.assign(4, MessageAnswer::No);
    switch (pick(10)) {
      case 0:
      case 1:
      case 2: {
        const Field& field = anyOf(fields);
        field.box->setText(pick(4) == 0 ? randomText() : figure(field.lo, field.hi));
        break;
      }
      case 3: {
        runtime::ComboBox* list = anyOf(lists);
        if (pick(2) == 0) {
          list->setListIndex(pick(static_cast<int>(list->items().size()) + 1) - 1);
        } else {
          f.setFocus(*list);
          f.setFocus(*anyOf(fields).box);
        }
        break;
      }
      case 4:
        (pick(2) ? f.Check1 : f.Check2).setValue(pick(3));
        break;
      case 5: {
        const std::size_t shown = services.messages.size();
        const bool wasTyped = typedHoldNumbers();
        f.cmdresult.click();
        if (services.messages.size() == shown) {
          ++results;
          EXPECT_TRUE(wasTyped) << "a result from a box without a number";
          EXPECT_EQ(f.results.text().rfind("Power: ", 0), 0u) << f.results.text();
        }
        EXPECT_EQ(f.cmdresult.caption(), "Evaluate Performance");
        EXPECT_TRUE(f.cmdresult.enabled());
        break;
      }
      case 6: {
        runtime::TextBox* box = anyOf(fields).box;
        f.setFocus(*box);
        box->setSelection(pick(6), pick(6));
        services.clipboard = randomText();
        f.clickMenuItem(pick(2) == 0 ? "m_cut" : "m_paste");
        break;
      }
      case 7: {
        const std::string name = path("random.qvds");
        if (pick(2) == 0) {
          std::string line;
          for (int k = 0; k < 10 + pick(8); ++k) line += (k ? "^" : "") + randomText();
          writeFile("random.qvds", line + (pick(2) ? "\r\n" : ""));
        } else {
          services.fileDialogAnswers.push_back(name);
          f.clickMenuItem("m_save");
        }
        services.fileDialogAnswers.push_back(name);
        f.clickMenuItem("m_open");
        break;
      }
      case 8:
        f.clickMenuItem("m_new");
        break;
      default:
        f.inlet.saturation.unit.click();  // a converter may write into the window
        break;
    }
    services.fileDialogAnswers.clear();
    for (runtime::TextBox* box : boxes) {
      if (!runtime::IsNumber(box->text())) continue;
      EXPECT_TRUE(std::isfinite(runtime::ParseNumber(box->text()))) << box->name();
    }
  }
  EXPECT_GT(results, 0);
  ASSERT_EQ(app.find<frmstm>(), &f);
  for (const auto& m : services.messages) EXPECT_EQ(allowed.count(m.text), 1u) << m.text;
}

}  // namespace
}  // namespace corvasine::steam_turbine
