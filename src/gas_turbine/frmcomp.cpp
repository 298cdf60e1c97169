#include "gas_turbine/frmcomp.h"

#include <cmath>

#include "gas_turbine/frmgas.h"
#include "gas_turbine/gas_shared.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {
namespace {

using runtime::IsNumber;
using runtime::MessageAnswer;
using runtime::MessageKind;
using runtime::NumberText;
using runtime::ParseNumber;
using runtime::RoundHalfEven;

constexpr std::size_t kFirst = 1;  // methane
constexpr std::size_t kLast = 16;  // water

// Total that transfers without normalising: strictly inside this band, mole %.
constexpr double kBandLow = 99.999;
constexpr double kBandHigh = 100.001;
constexpr double kTargetTotal = 100.0;  // mole %
constexpr double kScaleStep = 1e-7;     // growth of the scale factor per pass
constexpr int kComponentDecimals = 4;   // components are rounded to this after each pass
constexpr int kTotalDecimals = 3;       // decimals of the total shown in Text17
constexpr int kTransferDecimals = 2;    // decimals of the values sent to the gas window

// Per component, by component index: molar mass g/mol, lower and higher
// heating value Btu/scf at standard conditions. These heating values belong
// to this dialog and the gas window's displays; the evaluation has its own.
struct FuelComponentData {
  double molarMass;
  double lhv;
  double hhv;
};
constexpr std::array<FuelComponentData, 17> kFuelComponents = {{
    {0.0, 0.0, 0.0},                     // (unused index 0)
    {16.042, 910.3993518, 1011.018877},  // methane
    {30.068, 1615.828174, 1766.757462},  // ethane
    {28.052, 1500.393929, 1601.013454},  // ethene
    {44.094, 2301.36985, 2502.6089},     // propane
    {42.078, 2230.300316, 2381.229604},  // propene
    {58.12, 2990.84448, 3242.393292},    // i-butane
    {58.12, 3034.645059, 3286.193872},   // n-butane
    {56.104, 2976.690487, 3177.929538},  // i-butene
    {56.104, 2986.743378, 3187.982428},  // n-butene
    {72.146, 3702.924343, 4004.782918},  // i-pentane
    {72.146, 3894.363136, 4196.221711},  // n-pentane
    {86.169, 4405.631375, 4757.799713},  // n-hexane
    {44.01, 0.0, 0.0},                   // carbon dioxide
    {28.016, 0.0, 0.0},                  // nitrogen
    {34.076, 587.6875362, 637.9972988},  // hydrogen sulphide
    {18.016, -50.28813913, 0.0},         // water: takes heat to evaporate
}};

}  // namespace

NormalizeResult normalizeFuelComp(std::array<double, 21>& comp, double total, long maxPasses) {
  NormalizeResult result;
  double t = total;
  for (;;) {
    double scaleFactor = 1.0;
    if (t > kTargetTotal) {
      while (t > kTargetTotal) {
        if (result.passes >= maxPasses) return result;
        ++result.passes;
        scaleFactor += kScaleStep;
        t = 0.0;
        for (std::size_t i = kFirst; i <= kLast; ++i) {
          comp[i] = RoundHalfEven(comp[i] / scaleFactor, kComponentDecimals);
          t += comp[i];
        }
      }
    } else {
      while (t < kTargetTotal) {
        if (result.passes >= maxPasses) return result;
        ++result.passes;
        scaleFactor += kScaleStep;
        t = 0.0;
        bool allZero = true;
        for (std::size_t i = kFirst; i <= kLast; ++i) {
          comp[i] = RoundHalfEven(scaleFactor * comp[i], kComponentDecimals);
          t += comp[i];
          allZero = allZero && comp[i] == 0.0;
        }
        // Every share has rounded away: no further pass can change anything.
        if (allZero) return result;
      }
    }
    if (!(t > kBandHigh || t < kBandLow)) {
      result.inBand = true;
      return result;
    }
    ++result.restarts;
  }
}

frmcomp::frmcomp(runtime::Application& app)
    : Form(app, "frmcomp"), componentBoxes_{&Text1,  &Text2,  &Text3,  &Text4,  &Text5,  &Text6,
                                            &Text7,  &Text8,  &Text9,  &Text10, &Text11, &Text12,
                                            &Text13, &Text14, &Text15, &Text16} {
  setCaption("Fuel Gas - Corvasine");
  setClientSize(comp_layout::kClientWidth, comp_layout::kClientHeight);
  setClosesOnEscape(true);
  Text17.setEnabled(false);
  Command1.setDefault(true);
  // Every component box shows the new total as it changes and selects its
  // whole text on entry.
  for (runtime::TextBox* box : componentBoxes_) {
    box->onChange = [this] { getTot(); };
    box->onGotFocus = [this, box] { SelectAllText(*box); };
  }
  Command1.onClick = [this] { Command1_Click(); };
}

void frmcomp::Form_Load() {
  mixMW = 0.0;
  mixLHV = 0.0;
  mixHHV = 0.0;
  auto& shared = gasShared(application());
  for (std::size_t n = kFirst; n <= kLast; ++n) {
    shared.compMW[n] = kFuelComponents[n].molarMass;
    lhvTable[n] = kFuelComponents[n].lhv;
    hhvTable[n] = kFuelComponents[n].hhv;
  }
  // Each box's change handler takes the boxes filled so far into the total.
  for (std::size_t n = kFirst; n <= kLast; ++n)
    componentBox(n).setText(NumberText(shared.fuelComp[n]));
}

void frmcomp::getTot() {
  auto& fuelComp = gasShared(application()).fuelComp;
  for (std::size_t n = kFirst; n <= kLast; ++n) {
    const std::string& text = componentBox(n).text();
    if (IsNumber(text)) fuelComp[n] = ParseNumber(text);
  }
  compTotal = 0.0;
  for (std::size_t n = kFirst; n <= kLast; ++n) compTotal += fuelComp[n];
  // A sum beyond the Double range has no text; Command1_Click refuses it.
  Text17.setText(std::isfinite(compTotal) ? NumberText(RoundHalfEven(compTotal, kTotalDecimals))
                                          : std::string());
}

void frmcomp::SelectAllText(runtime::TextBox& box) {
  box.setSelection(0, static_cast<int>(box.text().size()));
}

void frmcomp::Command1_Click() {
  auto& services = application().services();
  auto& fuelComp = gasShared(application()).fuelComp;
  try {
    getTot();
    // The total keeps the last value that parsed of a box that holds no
    // number; neither the check nor the normalisation may use it.
    for (std::size_t n = kFirst; n <= kLast; ++n) {
      if (IsNumber(componentBox(n).text())) continue;
      services.ShowMessage(kComponentNotNumberMessage, MessageKind::Error, kCompositionTitle);
      setFocus(componentBox(n));
      return;
    }
    if (!std::isfinite(compTotal)) {
      services.ShowMessage(kSumTooLargeMessage, MessageKind::Error, kCompositionTitle);
      return;
    }
    const double t = runtime::shownNumber(Text17);
    if (!(kBandLow < t && t < kBandHigh)) {
      if (services.ShowMessage(kNormalizeQuestion, MessageKind::Question, kCompositionTitle) !=
          MessageAnswer::Yes)
        return;
      // Scaling a total of 0 or less never reaches 100.
      if (!(t > 0.0)) {
        services.ShowMessage(kEmptyCompositionMessage, MessageKind::Error, kCompositionTitle);
        return;
      }
      // Scaled on a copy: a normalisation that fails leaves the composition as it was.
      auto scaled = fuelComp;
      if (!normalizeFuelComp(scaled, t, kMaxNormalizePasses).inBand) {
        services.ShowMessage(kNormalizeFailedMessage, MessageKind::Error, kCompositionTitle);
        return;
      }
      fuelComp = scaled;
    }

    // Summed apart and stored only when every figure is good, so that a failed
    // transfer does not leave partial sums for the next try to add to.
    const auto& compMW = gasShared(application()).compMW;
    double sumMW = mixMW;
    double sumLHV = mixLHV;
    double sumHHV = mixHHV;
    for (std::size_t i = kFirst; i <= kLast; ++i) {
      sumMW += compMW[i] * fuelComp[i] / 100;
      sumLHV += lhvTable[i] * fuelComp[i] / 100;
      sumHHV += hhvTable[i] * fuelComp[i] / 100;
    }
    const std::string mwText = NumberText(RoundHalfEven(sumMW, kTransferDecimals));
    const std::string hhvText = NumberText(RoundHalfEven(sumHHV, kTransferDecimals));
    const std::string lhvText = NumberText(RoundHalfEven(sumLHV, kTransferDecimals));
    mixMW = sumMW;
    mixLHV = sumLHV;
    mixHHV = sumHHV;

    // A gas window made here starts a new case and empties the composition;
    // it is to hold the components transferred into it (the ones this dialog
    // edits; the rest stay as its load left them).
    const bool gasWindowOpen = application().find<frmgas>() != nullptr;
    const auto composition = fuelComp;
    auto& gas = application().form<frmgas>();
    if (!gasWindowOpen)
      for (std::size_t i = kFirst; i <= kLast; ++i) fuelComp[i] = composition[i];
    // The molecular weight goes first: the heating-value boxes' handlers divide by it.
    gas.Text12.setText(mwText);
    gas.Text9.setText(hhvText);
    gas.Text8.setText(lhvText);
    application().unload(*this);
  } catch (const runtime::RuntimeError&) {
    // The transfer ends silently; the dialog stays open.
  }
}

}  // namespace corvasine::gas
