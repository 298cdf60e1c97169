// The input handlers of the gas window: each change handler converts its box
// from the unit its list shows into the base unit and stores it; the unit
// lists re-run their box's handler so the same number is read in the new
// unit. A change handler ends silently at the first step that fails (a text
// that is not a number, an arithmetic fault), keeping what it stored before.

#include "gas_turbine/frmgas.h"
#include "gas_turbine/gas_kernels.h"
#include "gas_turbine/gas_unit_rules.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {

namespace {

// Above this site altitude, ft, the barometric polynomial is not used.
constexpr double kAltitudeLimitFt = 16400.0;
// Relative humidity, %, that the water content is computed for: strictly inside.
constexpr double kHumidityLowPercent = 0.0;
constexpr double kHumidityHighPercent = 100.001;
// Ambient temperatures, °F, outside which the water content is not computed.
constexpr double kHumidityColdF = 32.0;
constexpr double kHumidityHotF = 125.0;
constexpr int kInletPressDecimals = 2;
constexpr int kWaterContentDecimals = 4;

constexpr const char* kOutOfRange = "OOR";
constexpr const char* kTemperatureOutOfRange = "Temp OOR";

}  // namespace

using runtime::checked;
using runtime::holdsNumber;
using runtime::NumberText;
using runtime::RoundHalfEven;
using runtime::shownNumber;
using runtime::silently;

void frmgas::refreshWaterContent() {
  const double rh = shownNumber(Text4);
  if (!(rh > kHumidityLowPercent && rh < kHumidityHighPercent)) return;
  if (input_.ambientTemp <= kHumidityColdF || input_.ambientTemp >= kHumidityHotF) {
    Text5.setText(kTemperatureOutOfRange);
    return;
  }
  const double ratio = checked(HumidRatio(input_.ambientTemp, input_.inletPress, rh / 100.0));
  Text5.setText(NumberText(RoundHalfEven(ratio, kWaterContentDecimals)));
}

void frmgas::Text1_Change() {
  silently([this] {
    input_.ambientTemp = shell::kTemperatureUnits.toBase(shownNumber(Text1), cmbtemp.listIndex());
    refreshWaterContent();
  });
}

void frmgas::Text2_Change() {
  silently([this] {
    input_.siteAltitude = shell::kHeightUnits.toBase(shownNumber(Text2), cmdsite.listIndex());
    if (input_.siteAltitude >= kAltitudeLimitFt) {
      Text3.setText(kOutOfRange);
    } else {
      input_.inletPress = RoundHalfEven(checked(interp(input_.siteAltitude)), kInletPressDecimals);
      Text3.setText(psiaDisplayText(input_.inletPress, cmdpress1.listIndex()));
      // A dP typed before the altitude would leave the final inlet pressure
      // on the old altitude.
      if (holdsNumber(Text6)) refreshFinalInletPress();
    }
    refreshWaterContent();
  });
}

void frmgas::Text4_Change() {
  silently([this] { refreshWaterContent(); });
}

// A drop that leaves no pressure keeps the final inlet pressure as it was.
void frmgas::refreshFinalInletPress() {
  const double inletPressInWC = checked(input_.inletPress * shell::kInWCPerPsi);
  if (input_.inletDrop >= 0.0 && inletPressInWC > input_.inletDrop) {
    input_.finalInletPress = RoundHalfEven(
        input_.inletPress - input_.inletDrop / shell::kInWCPerPsi, kInletPressDecimals);
  }
  Text7.setText(psiaDisplayText(input_.finalInletPress, Combo3.listIndex()));
}

void frmgas::Text6_Change() {
  silently([this] {
    input_.inletDrop = shell::kLowPressureUnits.toBase(shownNumber(Text6), Combo2.listIndex());
    refreshFinalInletPress();
  });
}

void frmgas::Text8_Change() {
  silently([this] {
    Text14.setText(heatingValueDisplayText(Text8.text(), Text12.text(), Combo4.listIndex()));
  });
}

void frmgas::Text9_Change() {
  silently([this] {
    Text13.setText(heatingValueDisplayText(Text9.text(), Text12.text(), Combo5.listIndex()));
  });
}

void frmgas::Text10_Change() {
  silently([this] {
    input_.exhaustTemp = shell::kTemperatureUnits.toBase(shownNumber(Text10), Combo11.listIndex());
  });
}

void frmgas::Text15_Change() {
  if (input_.balanceMode != kBalanceExhaustFlow) return;  // the O2 target is read at evaluation
  silently([this] {
    input_.exhaustFlow = shell::kMolarFlowUnits.toBase(shownNumber(Text15), Combo13.listIndex());
  });
}

void frmgas::Text16_Change() {
  silently([this] {
    input_.fuelFlow = shell::kMolarFlowUnits.toBase(shownNumber(Text16), Combo8.listIndex());
  });
}

void frmgas::Text18_Change() {
  silently([this] {
    input_.fuelTemp = shell::kTemperatureUnits.toBase(shownNumber(Text18), Combo6.listIndex());
  });
}

void frmgas::Text19_Change() {
  silently([this] {
    input_.compDischTemp = shell::kTemperatureUnits.toBase(shownNumber(Text19), Combo9.listIndex());
  });
}

void frmgas::Text20_Change() {
  silently([this] {
    input_.compDischPress = shell::kPressureUnits.toBase(shownNumber(Text20), Combo10.listIndex());
  });
}

void frmgas::balancetype_Click() {
  silently([this] {
    if (balancetype.listIndex() == 0) {
      input_.balanceMode = kBalanceExhaustO2;
      Combo13.setVisible(false);
    } else {
      Combo13.setVisible(true);
      input_.balanceMode = kBalanceExhaustFlow;
    }
    Text15_Change();
    show();
    setFocus(Text15);
  });
}

void frmgas::Check1_Click() { Text25.setEnabled(Check1.value() != 0); }

}  // namespace corvasine::gas
