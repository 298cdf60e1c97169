// The reference figures of reference/steam_reference.py, typed into the real
// window: every derived box after the typing and, for the cases, the message,
// the exhaust flow and the result text of Evaluate, character by character.

#include <gtest/gtest.h>

#include <sstream>

#include "runtime/number.h"
#include "steam_turbine/reference_cases.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

// "Text1=500 Combo2=1" as name and text pairs, in order.
std::vector<std::pair<std::string, std::string>> assignments(const std::string& line) {
  std::vector<std::pair<std::string, std::string>> pairs;
  std::istringstream words(line);
  std::string word;
  while (words >> word) {
    const std::size_t eq = word.find('=');
    pairs.emplace_back(word.substr(0, eq), word.substr(eq + 1));
  }
  return pairs;
}

class ReferenceWindowTest : public SteamWindowTest {
 protected:
  void type(frmstm& f, const std::string& line) {
    for (const auto& [name, text] : assignments(line)) {
      runtime::Control* c = f.findControl(name);
      ASSERT_NE(c, nullptr) << name;
      if (auto* box = dynamic_cast<runtime::TextBox*>(c))
        box->setText(text);
      else if (auto* list = dynamic_cast<runtime::ComboBox*>(c))
        list->setListIndex(static_cast<int>(runtime::ParseNumber(text)));
      else if (auto* check = dynamic_cast<runtime::CheckBox*>(c))
        check->setValue(static_cast<int>(runtime::ParseNumber(text)));
    }
  }
};

TEST_F(ReferenceWindowTest, EveryReferenceBlockTypedIntoTheWindow) {
  const std::vector<testing::SteamReferenceCase> blocks =
      testing::readSteamReference(CORVASINE_STEAM_REFERENCE_DIR "/steam_reference.txt");
  ASSERT_GE(blocks.size(), 15u);
  int cases = 0;
  for (const testing::SteamReferenceCase& block : blocks) {
    SCOPED_TRACE(block.name);
    frmstm& f = window();
    services.messages.clear();
    type(f, block.typed);
    for (const auto& [name, text] : block.shown) {
      auto* box = dynamic_cast<runtime::TextBox*>(f.findControl(name));
      ASSERT_NE(box, nullptr) << name;
      EXPECT_EQ(box->text(), text) << name;
    }
    if (block.evaluated) {
      ++cases;
      const std::string before = f.results.text();
      f.cmdresult.click();
      if (block.message == "-") {
        EXPECT_TRUE(services.messages.empty());
      } else {
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, block.message);
      }
      if (block.text24 != "-") {
        EXPECT_EQ(f.Text24.text(), block.text24);
      }
      EXPECT_EQ(f.results.text(), block.results == "-" ? before : block.results);
      EXPECT_EQ(f.cmdresult.caption(), "Evaluate Performance");
      EXPECT_TRUE(f.cmdresult.enabled());
    }
    services.answers = {runtime::MessageAnswer::Yes};
    app.unload(f);
  }
  EXPECT_GE(cases, 6);
}

}  // namespace
}  // namespace corvasine::steam_turbine
