#include <gtest/gtest.h>

#include <array>
#include <map>
#include <ostream>
#include <string>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/gas_test_support.h"
#include "runtime/number.h"

namespace corvasine::gas {
namespace {

using runtime::MessageAnswer;

constexpr const char* kQuestion =
    "question|Corvasine - Fuel composition|Sum is not equal to 100%. Normalize?";

class FuelComposition : public FrmgasTest {
 protected:
  // Opens the dialog on the given composition (everything else 0).
  frmcomp& openWith(const Composition& composition) {
    setComposition(composition);
    return app.form<frmcomp>();
  }
  bool dialogOpen() const { return app.find<frmcomp>() != nullptr; }
};

TEST_F(FuelComposition, LoadShowsTheCompositionAndItsTotal) {
  auto& dialog = openWith({{1, 85.5}, {2, 10}, {13, 4.5}});
  EXPECT_EQ(dialog.Text1.text(), "85.5");
  EXPECT_EQ(dialog.Text2.text(), "10");
  EXPECT_EQ(dialog.Text3.text(), "0");
  EXPECT_EQ(dialog.Text13.text(), "4.5");
  EXPECT_EQ(dialog.Text17.text(), "100");
  EXPECT_DOUBLE_EQ(dialog.compTotal, 100.0);
  EXPECT_FALSE(dialog.Text17.enabled());
}

TEST_F(FuelComposition, BoxesTakeNumbersAndKeepTheLastValueOtherwise) {
  auto& dialog = openWith({{5, 12.25}});
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
}

// Totals that round to 100 at 3 decimals transfer at once; others ask first.
struct BandCase {
  double methane;
  bool asks;
};
void PrintTo(const BandCase& c, std::ostream* out) {
  *out << runtime::NumberText(c.methane) << (c.asks ? " % asks" : " % transfers");
}
class TransferBand : public FuelComposition, public ::testing::WithParamInterface<BandCase> {};

TEST_P(TransferBand, AsksOnlyOutsideTheBand) {
  auto& dialog = openWith({{1, GetParam().methane}});
  services.answers.push_back(MessageAnswer::No);
  dialog.Command1.click();
  if (GetParam().asks) {
    EXPECT_EQ(shownMessages(services), std::vector<std::string>{kQuestion});
    // No: nothing is transferred and nothing changes.
    EXPECT_TRUE(dialogOpen());
    EXPECT_EQ(app.find<frmgas>(), nullptr);
    EXPECT_EQ(gasState().fuelComp[1], GetParam().methane);
  } else {
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(dialogOpen());
    EXPECT_NE(app.find<frmgas>(), nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(Edges, TransferBand,
                         ::testing::Values(BandCase{99.999, true}, BandCase{100.001, true},
                                           BandCase{99.9994, true}, BandCase{99.9995, false},
                                           BandCase{100.0004, false}, BandCase{100, false},
                                           BandCase{90, true}));

// Molecular weight, higher and lower heating value sent to the gas window,
// hand-calculated from the dialog's tables and rounded to 2 decimals.
struct Transfer {
  const char* name;
  Composition composition;
  bool gasWindowOpen;  // else the transfer makes it, and it keeps the composition
  const char* mw;
  const char* hhv;
  const char* lhv;
};
class Transferred : public FuelComposition, public ::testing::WithParamInterface<Transfer> {};

TEST_P(Transferred, IntoTheGasWindow) {
  const Transfer& t = GetParam();
  frmgas* opened = t.gasWindowOpen ? &window() : nullptr;
  if (opened != nullptr) opened->Text1.setText("59");
  openWith(t.composition).Command1.click();
  frmgas* gas = app.find<frmgas>();
  ASSERT_NE(gas, nullptr);
  EXPECT_FALSE(dialogOpen());
  EXPECT_EQ(gas->Text12.text(), t.mw);
  EXPECT_EQ(gas->Text9.text(), t.hhv);
  EXPECT_EQ(gas->Text8.text(), t.lhv);
  EXPECT_EQ(gas->Text14.text(), t.lhv);  // the lower heating value list at Btu/scf
  for (const auto& [index, share] : t.composition) EXPECT_EQ(gasState().fuelComp[index], share);
  if (opened != nullptr) {
    EXPECT_EQ(gas, opened);
    EXPECT_EQ(gas->Text1.text(), "59");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Mixtures, Transferred,
    ::testing::Values(Transfer{"Methane", {{1, 100}}, false, "16.04", "1011.02", "910.4"},
                      Transfer{"Ethane", {{2, 100}}, true, "30.07", "1766.76", "1615.83"},
                      // MW (16.042·80 + 44.01·10 + 28.016·5 + 18.016·5) / 100 = 19.5362;
                      // HHV 1011.018877·0.8; LHV 910.3993518·0.8 − 50.28813913·0.05.
                      Transfer{"InertsAndWater",
                               {{1, 80}, {13, 10}, {14, 5}, {16, 5}},
                               false,
                               "19.54",
                               "808.82",
                               "725.81"}),
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
  EXPECT_EQ(comp[1], 100.0);
  EXPECT_EQ(comp[17], 0.0);
  EXPECT_EQ(comp[18], 0.0);
  EXPECT_EQ(comp[0], 1.0);
  EXPECT_EQ(comp[19], 3.0);
}

// A component box that holds no number: the total still shows the last value
// that parsed, so neither the transfer nor the normalisation may go on.
struct UnusableShare {
  const char* name;
  const char* text;
  double methane;  // 100 transfers at once; 90 would be normalised
};

class ShareWithoutNumber : public FuelComposition,
                           public ::testing::WithParamInterface<UnusableShare> {};

TEST_P(ShareWithoutNumber, RefusesAndFocusesTheBox) {
  const UnusableShare& c = GetParam();
  frmgas& gas = window();
  auto& dialog = openWith({{1, c.methane}});
  dialog.Text7.setText(c.text);
  const auto compBefore = gasState().fuelComp;
  dialog.Command1.click();
  EXPECT_EQ(shownMessages(services),
            std::vector<std::string>{std::string("error|Corvasine - Fuel composition|") +
                                     kComponentNotNumberMessage});
  ASSERT_TRUE(dialogOpen());
  EXPECT_EQ(dialog.activeControl(), &dialog.Text7);
  EXPECT_EQ(dialog.Text7.selLength(), static_cast<int>(dialog.Text7.text().size()));
  EXPECT_EQ(gasState().fuelComp, compBefore);
  EXPECT_EQ(gas.Text12.text(), "");  // nothing transferred
}

INSTANTIATE_TEST_SUITE_P(Texts, ShareWithoutNumber,
                         ::testing::Values(UnusableShare{"Comma", "0,5", 100},
                                           UnusableShare{"EmptyBeforeNormalising", "", 90}),
                         [](const ::testing::TestParamInfo<UnusableShare>& info) {
                           return info.param.name;
                         });

TEST_F(FuelComposition, MassBasedHeatingValueUsesTheRoundedMolarMass) {
  auto& gas = window();
  gas.Combo4.setListIndex(1);  // Btu/lb
  openWith({{1, 100}}).Command1.click();
  // 910.4 × 379.4884 / 16.04 = 21539.0424 (hand calculation)
  EXPECT_EQ(gas.Text14.text(), "21539.04");
}

TEST_F(FuelComposition, NormalisingNinetyEndsOnFiftyFiftyAndTransfers) {
  auto& dialog = openWith({{1, 45}, {2, 45}});
  services.answers.push_back(MessageAnswer::Yes);
  dialog.Command1.click();
  EXPECT_EQ(shownMessages(services), std::vector<std::string>{kQuestion});
  EXPECT_EQ(gasState().fuelComp[1], 50.0);
  EXPECT_EQ(gasState().fuelComp[2], 50.0);
  EXPECT_FALSE(dialogOpen());
  auto* gas = app.find<frmgas>();
  ASSERT_NE(gas, nullptr);
  // (16.042 + 30.068) / 2 = 23.055, a tie that goes to the even 23.06
  EXPECT_EQ(gas->Text12.text(), "23.06");
  EXPECT_EQ(gas->Text9.text(), "1388.89");  // (1011.018877 + 1766.757462) / 2
  EXPECT_EQ(gas->Text8.text(), "1263.11");  // (910.3993518 + 1615.828174) / 2
}

// Totals that scaling can never bring to 100: refused with a message, the
// dialog stays open and the composition is left as it was.
struct RefusalCase {
  const char* name;
  Composition composition;
  const char* message;
};
class NormaliseRefusal : public FuelComposition,
                         public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(NormaliseRefusal, LeavesTheCompositionAndTheDialog) {
  auto& dialog = openWith(GetParam().composition);
  const auto before = gasState().fuelComp;
  services.answers.push_back(MessageAnswer::Yes);
  dialog.Command1.click();
  EXPECT_EQ(
      shownMessages(services),
      (std::vector<std::string>{
          kQuestion, std::string("error|Corvasine - Fuel composition|") + GetParam().message}));
  EXPECT_EQ(gasState().fuelComp, before);
  EXPECT_TRUE(dialogOpen());
  EXPECT_EQ(app.find<frmgas>(), nullptr);
}

// Each share rounds to 0 at 4 decimals in the first pass: the total stays 0
// however long the scaling runs.
Composition tinyShares() {
  Composition c;
  for (std::size_t i = 1; i <= 16; ++i) c[i] = 4e-5;
  return c;
}

INSTANTIATE_TEST_SUITE_P(
    Totals, NormaliseRefusal,
    ::testing::Values(RefusalCase{"Empty", {}, kEmptyCompositionMessage},
                      RefusalCase{"Negative", {{1, 20}, {2, -25}}, kEmptyCompositionMessage},
                      RefusalCase{"RoundsAway", tinyShares(), kNormalizeFailedMessage}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FuelComposition, TotalBeyondTheDoubleRangeShowsNoTotalAndAsksNothing) {
  auto& dialog = openWith({{1, 1e308}, {2, 1e308}});
  EXPECT_EQ(dialog.Text17.text(), "");
  dialog.Command1.click();  // an unscripted question would fail the test
  EXPECT_EQ(services.messageTexts(), std::vector<std::string>{kSumTooLargeMessage});
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

std::array<double, 21> shares(const Composition& composition) {
  std::array<double, 21> comp{};
  for (const auto& [index, share] : composition) comp[index] = share;
  return comp;
}

TEST(Normalise, PassesAndRestartsOfTheExamples) {
  auto overshoot = shares({{1, 50}, {2, 50.002}});
  const auto first = normalizeFuelComp(overshoot, 100.002, kMaxNormalizePasses);
  EXPECT_TRUE(first.inBand);
  EXPECT_EQ(first.passes, 20);
  EXPECT_EQ(first.restarts, 0);

  auto onePercent = shares({{1, 1}});
  const auto bounded = normalizeFuelComp(onePercent, 1, 100);
  EXPECT_FALSE(bounded.inBand);
  EXPECT_EQ(bounded.passes, 100);
}

// Whatever the start, the scaling ends inside the band with the shares in
// their proportions, within the drift of the 4-decimal rounding of each pass.
TEST(Normalise, EndsInTheBandInProportion) {
  for (const Composition& start :
       {Composition{{1, 88.1}, {2, 5.3}, {4, 1.2}, {13, 1.4}, {14, 2.1}, {15, 0.3}},
        Composition{{1, 150}, {2, 50}}, Composition{{1, 1}}}) {
    double total = 0.0;
    for (const auto& [index, share] : start) total += share;
    auto comp = shares(start);
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
