// The reference figures of reference/steam_reference.py, typed into the real
// window: every derived box after the typing and, for the cases, the message,
// the exhaust flow and the result text of Evaluate, character by character.

#include <gtest/gtest.h>

#include "runtime/number.h"
#include "steam_turbine/reference_cases.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

using ReferenceWindowTest = SteamWindowTest;

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
      EXPECT_EQ(SteamWindowTest::text(f, name), text) << name;
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
        EXPECT_EQ(text(f, "Text24"), block.text24);
      }
      EXPECT_EQ(f.results.text(), block.results == "-" ? before : block.results);
      EXPECT_EQ(f.cmdresult.caption(), "Evaluate Performance");
      EXPECT_TRUE(f.cmdresult.enabled());
    }
    close(f);
  }
  EXPECT_GE(cases, 6);
}

}  // namespace
}  // namespace corvasine::steam_turbine
