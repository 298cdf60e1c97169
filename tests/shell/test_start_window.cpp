#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/application.h"
#include "shell/frmmain.h"
#include "shell/maker.h"
#include "support/fake_services.h"

namespace corvasine::shell {
namespace {

using runtime::Application;

// Stand-ins for the calculators, which the start window only knows by name.
template <bool Gas>
class Calculator : public runtime::Form {
 public:
  explicit Calculator(Application& app) : Form(app, Gas ? "frmgas" : "frmstm") {}
  void Form_Load() override { ++loads; }
  int loads = 0;
};
using GasWindow = Calculator<true>;
using SteamWindow = Calculator<false>;

class StartWindowTest : public ::testing::Test {
 protected:
  StartWindowTest() {
    app.registerOpener("frmgas", [](Application& a) { a.form<GasWindow>().show(); });
  }
  testing::FakeServices services;
  Application app{services};
};

TEST_F(StartWindowTest, EachCalculatorOpensOnceAndIsRebuiltAfterClosing) {
  app.registerOpener("frmstm", [](Application& a) { a.form<SteamWindow>().show(); });
  frmmain& start = app.form<frmmain>();
  start.cmdgas.click();
  start.cmdgas.click();
  start.cmdsteam.click();
  ASSERT_NE(app.find<GasWindow>(), nullptr);
  EXPECT_EQ(app.find<GasWindow>()->loads, 1);
  EXPECT_TRUE(app.find<GasWindow>()->visible());
  EXPECT_TRUE(app.find<SteamWindow>()->visible());

  app.unload(*app.find<GasWindow>());
  start.cmdgas.click();
  ASSERT_NE(app.find<GasWindow>(), nullptr);
  EXPECT_TRUE(app.find<GasWindow>()->visible());

  app.unload(start);  // the calculators stay open
  EXPECT_NE(app.find<GasWindow>(), nullptr);
  EXPECT_NE(app.find<SteamWindow>(), nullptr);
}

// A calculator that is not part of the build has its button disabled; a press
// that slips through opens nothing and does not fail. Support opens the
// maker's page silently.
TEST_F(StartWindowTest, CalculatorWithoutOpenerHasItsButtonDisabled) {
  frmmain& start = app.form<frmmain>();
  EXPECT_TRUE(start.cmdgas.enabled());
  EXPECT_FALSE(start.cmdsteam.enabled());
  EXPECT_TRUE(start.cmdsupport.enabled());
  start.cmdsteam.click();
  EXPECT_EQ(app.loadedForms().size(), 1u);
  start.cmdsupport.click();
  EXPECT_EQ(services.pagesOpened, std::vector<std::string>{kSupportPage});
  EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace corvasine::shell
