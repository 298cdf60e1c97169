// Random use of the gas window: texts in every box, unit picks, mode
// switches, clipboard, New, evaluations, saves and opens of random files.
// Nothing may crash or hang, only the system's own messages may appear, and
// no evaluation reports a result computed from a box without a number.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/gas_test_support.h"
#include "runtime/number.h"
#include "support/random_picks.h"

namespace corvasine::gas {
namespace {

using runtime::MessageAnswer;

class RandomUse : public FrmgasTest, protected corvasine::testing::RandomPicks {
 protected:
  RandomUse() : RandomPicks(20240611) {}

  // Whether every box that an evaluation reads, directly or through a stored
  // value, holds a number: the generator efficiency only when ticked.
  static bool evaluatedBoxesHoldNumbers(frmgas& f) {
    std::vector<const runtime::TextBox*> boxes = {&f.Text1,  &f.Text2,  &f.Text4,  &f.Text6,
                                                  &f.Text18, &f.Text16, &f.Text10, &f.Text15,
                                                  &f.Text19, &f.Text20, &f.Text26};
    if (f.Check1.value() != 0) boxes.push_back(&f.Text25);
    return std::all_of(boxes.begin(), boxes.end(),
                       [](const runtime::TextBox* box) { return runtime::IsNumber(box->text()); });
  }
};

TEST_F(RandomUse, NoCrashNoHangOnlyOwnMessages) {
  const std::set<std::string> allowed = {"Check your values",
                                         "Insufficient air.",
                                         "Error importing data.",
                                         "Error exporting data.",
                                         "Your current data will be lost. Do you want to continue?",
                                         kNormalizeQuestion,
                                         kComponentNotNumberMessage,
                                         kEmptyCompositionMessage,
                                         kSumTooLargeMessage,
                                         kNormalizeFailedMessage};
  frmgas& f = window();
  const std::vector<runtime::ComboBox*> lists = {
      &f.cmbtemp, &f.cmdsite, &f.cmdpress1, &f.Combo1,  &f.Combo2,     &f.Combo3,
      &f.Combo4,  &f.Combo5,  &f.Combo6,    &f.Combo7,  &f.Combo8,     &f.Combo9,
      &f.Combo10, &f.Combo11, &f.Combo12,   &f.Combo13, &f.balancetype};

  // A workable case, typed again now and then, so that evaluations get past
  // their first checks; random figures then stay near each box's usual range.
  struct Field {
    runtime::TextBox* box;
    double lo, hi;
  };
  const std::vector<Field> fields = {
      {&f.Text1, -20, 120}, {&f.Text2, 0, 5000},   {&f.Text4, 0, 100},     {&f.Text6, 0, 20},
      {&f.Text18, 40, 200}, {&f.Text17, 100, 400}, {&f.Text16, 500, 1500}, {&f.Text10, 700, 1200},
      {&f.Text11, 0, 20},   {&f.Text15, 10, 18},   {&f.Text19, 500, 900},  {&f.Text20, 100, 300},
      {&f.Text26, 0, 5},    {&f.Text25, 90, 100}};
  const auto typeWorkableCase = [&] {
    for (runtime::ComboBox* list : lists) list->setListIndex(0);
    typeCase(f);
  };

  int evaluations = 0;
  int results = 0;
  int refusals = 0;
  for (int step = 0; step < 600; ++step) {
    if (step % 60 == 0) typeWorkableCase();
    // Questions are answered No, except New now and then.
    services.answers.assign(4, MessageAnswer::No);
    switch (pick(10)) {
      case 0:
      case 1:
      case 2: {
        const Field& field = anyOf(fields);
        field.box->setText(pick(3) == 0 ? randomText() : figure(field.lo, field.hi));
        break;
      }
      case 3: {
        runtime::ComboBox* list = anyOf(lists);
        if (pick(2) == 0) {
          list->setListIndex(pick(static_cast<int>(list->items().size())));
        } else {
          f.setFocus(*list);
          f.setFocus(*anyOf(fields).box);
        }
        break;
      }
      case 4:
        f.Check1.setValue(pick(2));
        break;
      case 5: {
        const std::size_t shown = services.messages.size();
        const std::string resultBefore = f.rich_result.text();
        const bool allNumbers = evaluatedBoxesHoldNumbers(f);
        f.Command2.click();
        evaluations += 1;
        if (services.messages.size() == shown) results += 1;
        // No result may come from a box that does not hold a number.
        if (!allNumbers) {
          EXPECT_EQ(services.messages.size(), shown + 1);
          EXPECT_EQ(services.messages.back().text, "Check your values");
          EXPECT_EQ(f.rich_result.text(), resultBefore);
          refusals += 1;
        }
        break;
      }
      case 6: {  // clipboard on a random box and selection
        runtime::TextBox* box = anyOf(fields).box;
        f.setFocus(*box);
        box->setSelection(pick(6), pick(6));
        services.clipboard = randomText();
        f.clickMenuItem(pick(2) == 0 ? "m_cut" : "m_paste");
        break;
      }
      case 7: {  // a random file, or one saved just now
        const std::string name = path("random.qvdg");
        if (pick(2) == 0) {
          std::string line;
          for (int k = 0; k < 30 + pick(10); ++k) line += (k ? "^" : "") + randomText();
          writeProgramFile("random.qvdg", line + (pick(2) ? "\r\n" : ""));
        } else {
          services.fileDialogAnswers.push_back(name);
          f.clickMenuItem("m_save");
        }
        services.fileDialogAnswers.push_back(pick(5) == 0 ? path("missing.qvdg") : name);
        f.clickMenuItem("m_open");
        break;
      }
      case 8:
        services.answers.assign(1, pick(2) ? MessageAnswer::Yes : MessageAnswer::No);
        f.clickMenuItem("m_new");
        break;
      default:
        if (frmcomp* comp = app.find<frmcomp>()) {
          comp->componentBox(static_cast<std::size_t>(1 + pick(16))).setText(randomText());
        } else {
          gasState().fuelComp[static_cast<std::size_t>(1 + pick(16))] = uniform(0, 100);
        }
        break;
    }
    services.fileDialogAnswers.clear();
  }

  // The fixed seed reaches whole evaluations, not only their early refusals.
  EXPECT_GT(results, 0) << evaluations << " evaluations";
  EXPECT_GT(refusals, 0) << evaluations << " evaluations";
  ASSERT_EQ(app.find<frmgas>(), &f);
  for (const auto& m : services.messages) EXPECT_EQ(allowed.count(m.text), 1u) << m.text;
}

}  // namespace
}  // namespace corvasine::gas
