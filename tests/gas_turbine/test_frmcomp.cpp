#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/frmgas.h"
#include "gas_turbine/gt_units_file.h"
#include "runtime/number.h"
#include "shell/vari.h"
#include "support/fake_services.h"

namespace corvasine::gas {
namespace {

using runtime::MessageAnswer;
using runtime::MessageKind;
using Composition = std::map<std::size_t, double>;  // component index -> mole %

constexpr const char* kTitle = "Corvasine - Fuel composition";
constexpr const char* kQuestion = "Sum is not equal to 100%. Normalize?";

class FuelComposition : public ::testing::Test {
 protected:
  // A units file, so that the gas window opens without its warning.
  FuelComposition() { writeUnitsFile(services.programFolder, "0*0*0*0*0*0*0*0*0*0"); }

  shell::Vari& vari() { return shell::vari(app); }

  // Opens the dialog on the given composition (everything else 0).
  frmcomp& openWith(const Composition& composition) {
    vari().fuelComp.fill(0.0);
    for (const auto& [index, share] : composition) vari().fuelComp[index] = share;
    return app.form<frmcomp>();
  }

  bool dialogOpen() const { return app.find<frmcomp>() != nullptr; }

  testing::FakeServices services;
  runtime::Application app{services};
};

TEST_F(FuelComposition, LoadShowsTheCompositionAndItsTotal) {
  auto& dialog = openWith({{1, 85.5}, {2, 10}, {13, 4.5}});
  EXPECT_EQ(dialog.caption(), "Fuel Gas - Corvasine");
  EXPECT_EQ(dialog.Text1.text(), "85.5");
  EXPECT_EQ(dialog.Text2.text(), "10");
  EXPECT_EQ(dialog.Text3.text(), "0");
  EXPECT_EQ(dialog.Text13.text(), "4.5");
  EXPECT_EQ(dialog.Text17.text(), "100");
  EXPECT_DOUBLE_EQ(dialog.compTotal, 100.0);
  EXPECT_FALSE(dialog.Text17.enabled());
  EXPECT_TRUE(dialog.Command1.isDefault());
  EXPECT_EQ(dialog.Command1.caption(), "&Transfer values and Exit");
}

TEST_F(FuelComposition, BoxesStandInComponentOrderWithTheirCaptions) {
  auto& dialog = openWith({});
  const std::array<const char*, 16> captions = {
      "Methane (CH4):",       "Ethane (C2H6):",     "Ethene (C2H4):",           "Propane (C3H8):",
      "Propene (C3H6):",      "i-Butane (C4H10):",  "n-Butane (C4H10):",        "i-Butene (C4H8):",
      "n-Butene (C4H8):",     "i-Pentane (C5H12):", "n-Pentane (C5H12):",       "n-Hexane (C6H14):",
      "Carbondioxide (CO2):", "Nitrogen (N2):",     "Hydrogen Sulphide (H2S):", "Water (H2O):"};
  int previousTop = -1;
  for (std::size_t n = 1; n <= 16; ++n) {
    const auto& box = dialog.componentBox(n);
    EXPECT_EQ(box.name(), "Text" + std::to_string(n));
    const auto* label =
        dynamic_cast<runtime::Label*>(dialog.findControl("Label" + std::to_string(n)));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->caption(), captions[n - 1]);
    EXPECT_EQ(label->rect().top, box.rect().top);
    EXPECT_GT(box.rect().top, previousTop);
    previousTop = box.rect().top;
  }
  EXPECT_GT(dialog.Text17.rect().top, previousTop);
  EXPECT_GT(dialog.Command1.rect().top, dialog.Text17.rect().top);
  for (const auto* control : dialog.controls()) {
    const auto r = control->rect();
    EXPECT_LE(r.left + r.width, dialog.clientWidth()) << control->name();
    EXPECT_LE(r.top + r.height, dialog.clientHeight()) << control->name();
  }
}

TEST_F(FuelComposition, BoxesTakeNumbersAndKeepTheLastValueOtherwise) {
  auto& dialog = openWith({});
  dialog.Text1.setText("60");
  dialog.Text2.setText("40");
  EXPECT_EQ(dialog.Text17.text(), "100");
  dialog.Text2.setText("");
  EXPECT_EQ(vari().fuelComp[2], 40.0);
  EXPECT_EQ(dialog.Text17.text(), "100");
  dialog.Text2.setText("4x");
  EXPECT_EQ(vari().fuelComp[2], 40.0);
  dialog.Text2.setText("39.99951");
  EXPECT_EQ(dialog.Text17.text(), "100");  // 99.99951 shown to 3 decimals
}

TEST_F(FuelComposition, FocusSelectsTheWholeText) {
  auto& dialog = openWith({{5, 12.25}});
  dialog.setFocus(dialog.Text5);
  EXPECT_EQ(dialog.Text5.selStart(), 0);
  EXPECT_EQ(dialog.Text5.selLength(), 5);
}

// Totals that round to 100 at 3 decimals transfer at once; others ask first.
struct BandCase {
  double methane;
  bool asks;
};
class TransferBand : public FuelComposition, public ::testing::WithParamInterface<BandCase> {};

TEST_P(TransferBand, AsksOnlyOutsideTheBand) {
  auto& dialog = openWith({{1, GetParam().methane}});
  services.answers.push_back(MessageAnswer::No);
  dialog.Command1.click();
  if (GetParam().asks) {
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, kQuestion);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Question);
    EXPECT_EQ(services.messages[0].title, kTitle);
    // No: nothing is transferred and nothing changes.
    EXPECT_TRUE(dialogOpen());
    EXPECT_EQ(app.find<frmgas>(), nullptr);
    EXPECT_EQ(vari().fuelComp[1], GetParam().methane);
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

TEST_F(FuelComposition, PureMethaneTransfersTheTableValuesRounded) {
  auto& dialog = openWith({{1, 100}});
  dialog.Command1.click();
  auto* gas = app.find<frmgas>();
  ASSERT_NE(gas, nullptr);
  EXPECT_EQ(gas->Text12.text(), "16.04");
  EXPECT_EQ(gas->Text9.text(), "1011.02");
  EXPECT_EQ(gas->Text8.text(), "910.4");
  EXPECT_EQ(gas->Text14.text(), "910.4");  // lower heating value list at Btu/scf
  EXPECT_FALSE(dialogOpen());
}

TEST_F(FuelComposition, MassBasedHeatingValueUsesTheRoundedMolarMass) {
  auto& gas = app.form<frmgas>();
  gas.Combo4.setListIndex(1);  // Btu/lb
  auto& dialog = openWith({{1, 100}});
  dialog.Command1.click();
  // 910.4 × 379.4884 / 16.04 = 21539.0424 (hand calculation)
  EXPECT_EQ(gas.Text14.text(), "21539.04");
}

TEST_F(FuelComposition, InertsAddMolarMassAndWaterLowersTheLowerHeatingValue) {
  auto& dialog = openWith({{1, 80}, {13, 10}, {14, 5}, {16, 5}});
  dialog.Command1.click();
  auto* gas = app.find<frmgas>();
  ASSERT_NE(gas, nullptr);
  // MW (16.042·80 + 44.01·10 + 28.016·5 + 18.016·5) / 100 = 19.5362
  EXPECT_EQ(gas->Text12.text(), "19.54");
  // HHV 1011.018877 · 0.8 = 808.8151; LHV 910.3993518 · 0.8 − 50.28813913 · 0.05 = 725.8051
  EXPECT_EQ(gas->Text9.text(), "808.82");
  EXPECT_EQ(gas->Text8.text(), "725.81");
}

TEST_F(FuelComposition, GasWindowMadeByTheTransferKeepsTheComposition) {
  auto& dialog = openWith({{1, 90}, {2, 10}});
  dialog.Command1.click();
  ASSERT_NE(app.find<frmgas>(), nullptr);
  EXPECT_EQ(vari().fuelComp[1], 90.0);
  EXPECT_EQ(vari().fuelComp[2], 10.0);
}

TEST_F(FuelComposition, TransferWritesIntoAnOpenGasWindow) {
  auto& gas = app.form<frmgas>();
  gas.Text1.setText("59");
  auto& dialog = openWith({{2, 100}});
  dialog.Command1.click();
  EXPECT_EQ(&gas, app.find<frmgas>());
  EXPECT_EQ(gas.Text1.text(), "59");
  EXPECT_EQ(gas.Text12.text(), "30.07");
}

TEST_F(FuelComposition, NormalisingAnOvershootEndsInsideTheBandAndTransfers) {
  auto& dialog = openWith({{1, 50}, {2, 50.002}});
  EXPECT_EQ(dialog.Text17.text(), "100.002");
  services.answers.push_back(MessageAnswer::Yes);
  dialog.Command1.click();
  EXPECT_EQ(services.messageTexts(), std::vector<std::string>{kQuestion});
  const double total = vari().fuelComp[1] + vari().fuelComp[2];
  EXPECT_GE(total, 99.999);
  EXPECT_LE(total, 100.001);
  EXPECT_FALSE(dialogOpen());
  EXPECT_NE(app.find<frmgas>(), nullptr);
}

TEST_F(FuelComposition, NormalisingNinetyEndsOnFiftyFifty) {
  auto& dialog = openWith({{1, 45}, {2, 45}});
  services.answers.push_back(MessageAnswer::Yes);
  dialog.Command1.click();
  EXPECT_EQ(vari().fuelComp[1], 50.0);
  EXPECT_EQ(vari().fuelComp[2], 50.0);
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
  const auto before = vari().fuelComp;
  services.answers.push_back(MessageAnswer::Yes);
  dialog.Command1.click();
  const auto& shown = services.messages;
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back().text, GetParam().message);
  EXPECT_EQ(shown.back().kind, MessageKind::Error);
  EXPECT_EQ(shown.back().title, kTitle);
  EXPECT_EQ(vari().fuelComp, before);
  EXPECT_TRUE(dialogOpen());
  EXPECT_EQ(app.find<frmgas>(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Totals, NormaliseRefusal,
    ::testing::Values(RefusalCase{"Empty", {}, kEmptyCompositionMessage},
                      RefusalCase{"Negative", {{1, 20}, {2, -25}}, kEmptyCompositionMessage},
                      // Each share rounds to 0 at 4 decimals in the first pass; the total
                      // stays 0 however long the scaling runs.
                      RefusalCase{"RoundsAway",
                                  {{1, 4e-5},
                                   {2, 4e-5},
                                   {3, 4e-5},
                                   {4, 4e-5},
                                   {5, 4e-5},
                                   {6, 4e-5},
                                   {7, 4e-5},
                                   {8, 4e-5},
                                   {9, 4e-5},
                                   {10, 4e-5},
                                   {11, 4e-5},
                                   {12, 4e-5},
                                   {13, 4e-5},
                                   {14, 4e-5},
                                   {15, 4e-5},
                                   {16, 4e-5}},
                                  kNormalizeFailedMessage}),
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

  dialog.Text1.setText("0");
  dialog.Text12.setText("0");
  dialog.Command1.click();
  auto* gas = app.find<frmgas>();
  ASSERT_NE(gas, nullptr);
  EXPECT_EQ(gas->Text12.text(), "18.02");  // pure water
}

// The scaling passes written out as plainly as they are described, to hold
// the implementation to: restart with a scale factor of 1 while outside the band.
NormalizeResult literalNormalize(std::array<double, 21>& fuelComp, double t) {
  NormalizeResult result;
restart:
  double scaleFactor = 1.0;
  if (t > 100) {
    while (t > 100) {
      ++result.passes;
      scaleFactor += 1e-7;
      t = 0;
      for (int i = 1; i <= 16; ++i) {
        fuelComp[i] = runtime::RoundHalfEven(fuelComp[i] / scaleFactor, 4);
        t += fuelComp[i];
      }
    }
  } else {
    while (t < 100) {
      ++result.passes;
      scaleFactor += 1e-7;
      t = 0;
      for (int i = 1; i <= 16; ++i) {
        fuelComp[i] = runtime::RoundHalfEven(scaleFactor * fuelComp[i], 4);
        t += fuelComp[i];
      }
    }
  }
  if (t > 100.001 || t < 99.999) {
    ++result.restarts;
    goto restart;
  }
  result.inBand = true;
  return result;
}

struct ScalingCase {
  const char* name;
  Composition composition;
  double shownTotal;  // the total as Text17 shows it
};
class NormaliseScaling : public ::testing::TestWithParam<ScalingCase> {};

TEST_P(NormaliseScaling, MatchesThePlainPasses) {
  std::array<double, 21> expected{};
  for (const auto& [index, share] : GetParam().composition) expected[index] = share;
  auto actual = expected;
  const auto literal = literalNormalize(expected, GetParam().shownTotal);
  const auto bounded = normalizeFuelComp(actual, GetParam().shownTotal, kMaxNormalizePasses);
  EXPECT_TRUE(bounded.inBand);
  EXPECT_EQ(bounded.passes, literal.passes);
  EXPECT_EQ(bounded.restarts, literal.restarts);
  EXPECT_EQ(actual, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Compositions, NormaliseScaling,
    ::testing::Values(ScalingCase{"Overshoot", {{1, 50}, {2, 50.002}}, 100.002},
                      ScalingCase{"Ninety", {{1, 45}, {2, 45}}, 90},
                      ScalingCase{"NaturalGas",
                                  {{1, 88.1}, {2, 5.3}, {4, 1.2}, {13, 1.4}, {14, 2.1}, {15, 0.3}},
                                  98.4},
                      ScalingCase{"TwoHundred", {{1, 150}, {2, 50}}, 200},
                      ScalingCase{"OnePercent", {{1, 1}}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NormaliseCounts, OvershootTakesTwentyPassesAndNinetyRestartsOnce) {
  std::array<double, 21> overshoot{};
  overshoot[1] = 50;
  overshoot[2] = 50.002;
  const auto first = normalizeFuelComp(overshoot, 100.002, kMaxNormalizePasses);
  EXPECT_TRUE(first.inBand);
  EXPECT_EQ(first.passes, 20);
  EXPECT_EQ(first.restarts, 0);

  std::array<double, 21> ninety{};
  ninety[1] = 45;
  ninety[2] = 45;
  const auto second = normalizeFuelComp(ninety, 90, kMaxNormalizePasses);
  EXPECT_TRUE(second.inBand);
  EXPECT_EQ(second.restarts, 1);
  EXPECT_EQ(ninety[1], 50.0);
  EXPECT_EQ(ninety[2], 50.0);
}

TEST(NormaliseCounts, StopsAtTheBound) {
  std::array<double, 21> comp{};
  comp[1] = 1;
  const auto result = normalizeFuelComp(comp, 1, 100);
  EXPECT_FALSE(result.inBand);
  EXPECT_EQ(result.passes, 100);
}

}  // namespace
}  // namespace corvasine::gas
