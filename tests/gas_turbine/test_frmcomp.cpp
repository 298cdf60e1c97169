#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <string>
#include <vector>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/gas_test_support.h"
#include "runtime/number.h"
#include "runtime/text.h"

namespace corvasine::gas {
namespace {

using runtime::MessageAnswer;

const std::string kQuestion =
    std::string("question|Corvasine - Fuel composition|") + kNormalizeQuestion;
std::string error(const char* text) {
  return std::string("error|Corvasine - Fuel composition|") + text;
}

class FuelComposition : public FrmgasTest {
 protected:
  // Opens the dialog on the given composition (everything else 0).
  frmcomp& openWith(const Composition& composition) {
    setComposition(composition);
    return app.form<frmcomp>();
  }
  bool dialogOpen() const { return app.find<frmcomp>() != nullptr; }
};

TEST_F(FuelComposition, LoadShowsTheCompositionAndBoxesKeepTheLastNumber) {
  auto& dialog = openWith({{1, 85.5}, {2, 10}, {5, 12.25}});
  EXPECT_EQ(dialog.Text1.text(), "85.5");
  EXPECT_EQ(dialog.Text3.text(), "0");
  EXPECT_EQ(dialog.Text17.text(), "107.75");
  EXPECT_FALSE(dialog.Text17.enabled());
  dialog.setFocus(dialog.Text5);  // selects the whole text
  EXPECT_EQ(dialog.Text5.selStart(), 0);
  EXPECT_EQ(dialog.Text5.selLength(), 5);
  typeInto(dialog, "Text1=47.75 Text2=40");
  EXPECT_EQ(dialog.Text17.text(), "100");
  for (const char* text : {"", "4x"}) {
    dialog.Text2.setText(text);
    EXPECT_EQ(gasState().fuelComp[2], 40.0);
    EXPECT_EQ(dialog.Text17.text(), "100");
  }
  dialog.Text2.setText("39.99951");
  EXPECT_EQ(dialog.Text17.text(), "100");  // 99.99951 shown to 3 decimals
  typeInto(dialog, "Text1=1e308 Text2=1e308");
  EXPECT_EQ(dialog.Text17.text(), "");  // beyond the double range: no total
}

// Transfer with the gas window open and the question answered as given: the
// messages, then the figures the gas window receives (hand calculations from
// the dialog's tables) or, on a refusal, the dialog, composition and window as they were.
struct TransferCase {
  const char* name;
  Composition composition;
  MessageAnswer answer;
  bool asks;
  const char* error;            // the error shown, or nullptr
  const char* sent;             // "MW HHV LHV", or "" when nothing is transferred
  const char* text7 = nullptr;  // typed over the propane box first
};
class Transfer : public FuelComposition, public ::testing::WithParamInterface<TransferCase> {};

TEST_P(Transfer, ShowsItsMessagesThenTransfersOrLeavesAll) {
  const TransferCase& c = GetParam();
  frmgas& gas = window();
  gas.Text1.setText("59");
  auto& dialog = openWith(c.composition);
  if (c.text7 != nullptr) dialog.Text7.setText(c.text7);
  const auto before = gasState().fuelComp;
  services.answers.push_back(c.answer);
  dialog.Command1.click();
  std::vector<std::string> messages;
  if (c.asks) messages.push_back(kQuestion);
  if (c.error != nullptr) messages.push_back(error(c.error));
  EXPECT_EQ(shownMessages(services), messages);
  EXPECT_EQ(app.find<frmgas>(), &gas);
  EXPECT_EQ(gas.Text1.text(), "59");
  const std::vector<std::string> sent = runtime::SplitText(c.sent, " ");
  if (sent.size() < 3) {
    ASSERT_TRUE(dialogOpen());
    EXPECT_EQ(gasState().fuelComp, before);
    EXPECT_EQ(gas.Text12.text(), "");
    if (c.text7 != nullptr) {  // the box without a number takes the focus
      EXPECT_EQ(dialog.activeControl(), &dialog.Text7);
      EXPECT_EQ(dialog.Text7.selLength(), static_cast<int>(dialog.Text7.text().size()));
    }
    return;
  }
  EXPECT_FALSE(dialogOpen());
  EXPECT_EQ(gas.Text12.text(), sent[0]);
  EXPECT_EQ(gas.Text9.text(), sent[1]);
  EXPECT_EQ(gas.Text8.text(), sent[2]);
  EXPECT_EQ(gas.Text14.text(), sent[2]);  // the lower heating value list at Btu/scf
  if (!c.asks) {
    EXPECT_EQ(gasState().fuelComp, before);  // not normalised
  }
}

// Each share rounds to 0 at 4 decimals in the first pass: the total stays 0
// however long the scaling runs.
Composition tinyShares() {
  Composition c;
  for (std::size_t i = 1; i <= 16; ++i) c[i] = 4e-5;
  return c;
}

constexpr auto kNo = MessageAnswer::No;
constexpr auto kYes = MessageAnswer::Yes;

const TransferCase kTransferCases[] = {
    {"Methane", {{1, 100}}, kNo, false, nullptr, "16.04 1011.02 910.4"},
    {"Ethane", {{2, 100}}, kNo, false, nullptr, "30.07 1766.76 1615.83"},
    // MW (16.042·80 + 44.01·10 + 28.016·5 + 18.016·5) / 100 = 19.5362;
    // HHV 1011.018877·0.8; LHV 910.3993518·0.8 − 50.28813913·0.05.
    {"InertsAndWater",
     {{1, 80}, {13, 10}, {14, 5}, {16, 5}},
     kNo,
     false,
     nullptr,
     "19.54 808.82 725.81"},
    // The edges of the band, unscaled: 1011.018877 × 0.999995 = 1011.0138.
    {"Band99p9995", {{1, 99.9995}}, kNo, false, nullptr, "16.04 1011.01 910.39"},
    {"Band100p0004", {{1, 100.0004}}, kNo, false, nullptr, "16.04 1011.02 910.4"},
    {"Asks99p9994", {{1, 99.9994}}, kNo, true, nullptr, ""},
    {"Asks100p001", {{1, 100.001}}, kNo, true, nullptr, ""},
    // Normalised to 50/50: MW (16.042 + 30.068) / 2 = 23.055, a tie that
    // goes to the even 23.06; HHV (1011.018877 + 1766.757462) / 2;
    // LHV (910.3993518 + 1615.828174) / 2.
    {"Normalised", {{1, 45}, {2, 45}}, kYes, true, nullptr, "23.06 1388.89 1263.11"},
    // Totals that scaling can never bring to 100.
    {"Empty", {}, kYes, true, kEmptyCompositionMessage, ""},
    {"Negative", {{1, 20}, {2, -25}}, kYes, true, kEmptyCompositionMessage, ""},
    {"RoundsAway", tinyShares(), kYes, true, kNormalizeFailedMessage, ""},
    {"BeyondTheDoubleRange", {{1, 1e308}, {2, 1e308}}, kYes, false, kSumTooLargeMessage, ""},
    // A box without a number: the total still shows the last value that
    // parsed, so neither the transfer nor the normalisation may go on.
    {"CommaInABox", {{1, 100}}, kYes, false, kComponentNotNumberMessage, "", "0,5"},
    {"EmptyBoxBeforeNormalising", {{1, 90}}, kYes, false, kComponentNotNumberMessage, "", ""}};

INSTANTIATE_TEST_SUITE_P(Compositions, Transfer, ::testing::ValuesIn(kTransferCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A gas window made by the transfer gets the components the dialog edits;
// O2 and argon (17, 18) stay as its load cleared them, 0, 19 and 20 as they were.
TEST_F(FuelComposition, TransferIntoANewGasWindowRestoresOnlyTheDialogsComponents) {
  auto& dialog = openWith({{1, 100}});
  auto& comp = gasState().fuelComp;
  comp[0] = 1;
  comp[17] = 4;
  comp[18] = 2;
  comp[19] = 3;
  dialog.Command1.click();
  ASSERT_NE(app.find<frmgas>(), nullptr);
  EXPECT_EQ(app.find<frmgas>()->Text12.text(), "16.04");
  EXPECT_EQ(comp[1], 100.0);
  EXPECT_EQ(comp[17], 0.0);
  EXPECT_EQ(comp[18], 0.0);
  EXPECT_EQ(comp[0], 1.0);
  EXPECT_EQ(comp[19], 3.0);
}

TEST_F(FuelComposition, MassBasedHeatingValueUsesTheRoundedMolarMass) {
  auto& gas = window();
  gas.Combo4.setListIndex(1);  // Btu/lb
  openWith({{1, 100}}).Command1.click();
  // 910.4 × 379.4884 / 16.04 = 21539.0424 (hand calculation)
  EXPECT_EQ(gas.Text14.text(), "21539.04");
}

TEST_F(FuelComposition, FailedTransferLeavesNoPartialSumsForTheNextTry) {
  // Sums to 100, but n-hexane's heating value times 1E+306 overflows.
  auto& dialog = openWith({{1, -1e306}, {12, 1e306}, {16, 100}});
  dialog.Command1.click();
  EXPECT_TRUE(services.messages.empty());
  EXPECT_TRUE(dialogOpen());
  EXPECT_EQ(dialog.mixMW, 0.0);
  EXPECT_EQ(app.find<frmgas>(), nullptr);

  typeInto(dialog, "Text1=0 Text12=0");
  dialog.Command1.click();
  auto* gas = app.find<frmgas>();
  ASSERT_NE(gas, nullptr);
  EXPECT_EQ(gas->Text12.text(), "18.02");  // pure water
}

// Whatever the start, the scaling ends inside the band with the shares in
// their proportions, within the drift of the 4-decimal rounding of each pass.
TEST(Normalise, EndsInTheBandInProportion) {
  for (const Composition& start :
       {Composition{{1, 88.1}, {2, 5.3}, {4, 1.2}, {13, 1.4}, {14, 2.1}, {15, 0.3}},
        Composition{{1, 150}, {2, 50}}, Composition{{1, 1}}}) {
    std::array<double, 21> comp{};
    for (const auto& [index, share] : start) comp[index] = share;
    const double total = std::accumulate(comp.begin(), comp.end(), 0.0);
    ASSERT_TRUE(normalizeFuelComp(comp, total, kMaxNormalizePasses).inBand) << total;
    double sum = 0.0;
    for (std::size_t i = 1; i <= 16; ++i) sum += comp[i];
    EXPECT_GT(sum, 99.999);
    EXPECT_LT(sum, 100.001);
    for (const auto& [index, share] : start)
      EXPECT_NEAR(comp[index], share / total * 100.0, 0.05) << total << " component " << index;
  }
}

}  // namespace
}  // namespace corvasine::gas
