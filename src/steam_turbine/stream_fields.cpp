// The stream-field handlers of the steam window: each typed temperature and
// pressure is converted into °F and psia and stored, and the group's
// saturation temperature, superheat, entropy and enthalpy follow from the
// water and steam property library. Entropy and enthalpy are computed for
// superheated steam only; wet steam and water show 0. Every handler ends
// silently at the first box that does not hold a number, keeping what it
// wrote before.

#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "shell/unit_factors.h"
#include "steam_properties/water_steam.h"
#include "steam_turbine/frmstm.h"
#include "steam_turbine/library_units.h"

namespace corvasine::steam_turbine {

using runtime::checked;
using runtime::NumberText;
using runtime::RoundHalfEven;
using runtime::RuntimeError;
using runtime::shownNumber;
using runtime::silently;
using shell::kPercent;

namespace {

constexpr int kSaturationDecimals = 2;

// The saturation temperature at p (psia), in °F or, for any other position of
// the temperature list, in °C; 2 decimals.
double saturationShown(double psia, int temperatureUnit) {
  const double kelvin = steam::tSatW(checked(psia / kLibraryPsiPerBar));
  if (temperatureUnit == 0)
    return RoundHalfEven(checked(fahrenheitFromKelvin(kelvin)), kSaturationDecimals);
  return RoundHalfEven(checked(kelvin - kKelvinAtZeroCelsius), kSaturationDecimals);
}

}  // namespace

// The derived boxes show nothing that the typed boxes do not give: without a
// temperature no superheat, entropy or enthalpy, without a pressure no
// saturation temperature either.
void frmstm::temperatureChanged(const StreamBoxes& g) {
  const auto k = static_cast<std::size_t>(g.group);
  const int unit = g.temperatureUnit->listIndex();
  try {
    state_.streamTemp[k] = shell::temperatureToF(shownNumber(*g.temperature), unit);
  } catch (const RuntimeError&) {
    emptyBoxes({g.superheat, g.entropy, g.enthalpy});
    return;
  }
  if (!runtime::holdsNumber(*g.pressure)) {
    emptyBoxes({g.saturation, g.superheat, g.entropy, g.enthalpy});
    return;
  }
  try {
    // The superheat is the difference of the two numbers as shown, first
    // against the saturation box as it stands, then against the new one.
    const auto showSuperheat = [&] {
      const double superheat = checked(shownNumber(*g.temperature) - shownNumber(*g.saturation));
      g.superheat->setText(superheat >= 0.0 ? NumberText(superheat) : "0");
    };
    showSuperheat();
    if (shownNumber(*g.pressure) > 0.0) {
      g.saturation->setText(NumberText(saturationShown(state_.streamPress[k], unit)));
    } else {
      g.saturation->setText("0");
    }
    showSuperheat();

    if (shownNumber(*g.superheat) > 0.0) {
      const double bar = checked(state_.streamPress[k] / kLibraryPsiPerBar);
      const double kelvin = checked(kelvinFromFahrenheit(state_.streamTemp[k]));
      state_.streamEntropy[k] = RoundHalfEven(
          checked(steam::entropyW(kelvin, bar) * kBtuPerLbFPerKJPerKgK), kEntropyDecimals);
      state_.streamEnthalpy[k] = RoundHalfEven(
          checked(steam::enthalpyW(kelvin, bar) * kBtuPerLbPerKJPerKg), kEnthalpyDecimals);
    } else {
      state_.streamEntropy[k] = 0.0;
      state_.streamEnthalpy[k] = 0.0;
    }
    g.entropy->setText(
        NumberText(entropyShown(state_.streamEntropy[k], g.entropyUnit->listIndex())));
    g.enthalpy->setText(
        NumberText(enthalpyShown(state_.streamEnthalpy[k], g.enthalpyUnit->listIndex())));
  } catch (const RuntimeError&) {
    emptyBoxes({g.superheat, g.entropy, g.enthalpy});
  }
}

void frmstm::pressureChanged(const StreamBoxes& g) {
  const auto k = static_cast<std::size_t>(g.group);
  try {
    state_.streamPress[k] =
        shell::pressureToPsia(shownNumber(*g.pressure), g.pressureUnit->listIndex());
    // Stored in °F whatever the list shows; shown in the list's unit.
    const double satF =
        state_.streamPress[k] > 0.0 ? saturationShown(state_.streamPress[k], 0) : 0.0;
    const double satShown =
        g.temperatureUnit->listIndex() == 0
            ? satF
            : RoundHalfEven(checked(celsiusFromFahrenheit(satF)), kSaturationDecimals);
    g.saturation->setText(NumberText(satShown));
  } catch (const RuntimeError&) {
    emptyBoxes({g.saturation, g.superheat, g.entropy, g.enthalpy});
    return;
  }
  temperatureChanged(g);
}

void frmstm::emptyBoxes(std::initializer_list<runtime::TextBox*> boxes) {
  for (runtime::TextBox* box : boxes) box->setText("");
}

void frmstm::wetExhaust() {
  silently([this] {
    const auto k = static_cast<std::size_t>(kExhaust);
    Text26.setText("0");
    if (!runtime::holdsNumber(Text23)) {
      emptyBoxes({&Text25, &Text27, &Text28});
      return;
    }
    if (shownNumber(Text23) > 0.0) {
      Text25.setText(NumberText(saturationShown(state_.streamPress[k], Combo21.listIndex())));
    } else {
      Text25.setText("0");
    }
    if (!runtime::holdsNumber(Text22)) {
      emptyBoxes({&Text27, &Text28});
      return;
    }
    state_.vaporFraction = shownNumber(Text22);
    const double x = state_.vaporFraction;
    if (x <= 0.0 || x >= kPercent) {
      state_.streamEntropy[k] = 0.0;
      state_.streamEnthalpy[k] = 0.0;
    } else {
      // Each call gets a fresh copy of the pressure: the library may move it
      // near the critical point, and the stored pressure must stay.
      const double stored = state_.streamPress[k];
      const auto bar = [stored] { return checked(stored / kLibraryPsiPerBar); };
      double p = bar();
      const double sVapour = steam::entropySatVapPW(p);
      p = bar();
      const double sLiquid = steam::entropySatLiqPW(p);
      state_.streamEntropy[k] = RoundHalfEven(
          checked((x * sVapour + (kPercent - x) * sLiquid) / kPercent * kBtuPerLbFPerKJPerKgK),
          kEntropyDecimals);
      p = bar();
      const double hVapour = steam::enthalpySatVapPW(p);
      p = bar();
      const double hLiquid = steam::enthalpySatLiqPW(p);
      state_.streamEnthalpy[k] = RoundHalfEven(
          checked((x * hVapour + (kPercent - x) * hLiquid) / kPercent * kBtuPerLbPerKJPerKg),
          kEnthalpyDecimals);
    }
    Text27.setText(NumberText(entropyShown(state_.streamEntropy[k], Combo18.listIndex())));
    Text28.setText(NumberText(enthalpyShown(state_.streamEnthalpy[k], Combo17.listIndex())));
  });
}

void frmstm::Text1_Change() { temperatureChanged(boxes(kInlet)); }
void frmstm::Text8_Change() { temperatureChanged(boxes(kInduction)); }
void frmstm::Text21_Change() { temperatureChanged(boxes(kExtraction)); }

void frmstm::Text22_Change() {
  if (turbineType() == 0)
    temperatureChanged(boxes(kExhaust));
  else
    wetExhaust();
}

void frmstm::Text2_Change() { pressureChanged(boxes(kInlet)); }
void frmstm::Text9_Change() { pressureChanged(boxes(kInduction)); }
void frmstm::Text20_Change() { pressureChanged(boxes(kExtraction)); }

void frmstm::Text23_Change() {
  if (turbineType() == 0) {
    pressureChanged(boxes(kExhaust));
    return;
  }
  try {
    state_.streamPress[kExhaust] = shell::pressureToPsia(shownNumber(Text23), Combo20.listIndex());
  } catch (const RuntimeError&) {
    Text26.setText("0");
    emptyBoxes({&Text25, &Text27, &Text28});
    return;
  }
  wetExhaust();
}

}  // namespace corvasine::steam_turbine
