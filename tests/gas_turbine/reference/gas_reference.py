#!/usr/bin/env python3
"""Reference figures for the gas turbine tests, computed independently from
the published formulas of the calculator with plain IEEE doubles.

Run: python3 gas_reference.py > gas_reference.txt
"""

import math
import pathlib
import sys

# The number rules are shared with the steam turbine's reference scripts.
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "steam_turbine" / "reference"))
from runtime_numbers import N, R  # noqa: E402

# DIPPR 107 rows A, B, C, D, E, J/(kmol K), by component number.
CP = {
    1: (33300, 79930, 2086.9, 41600, 991.96), 2: (40330, 134220, 2086.9, 41600, 752.87),
    3: (33380, 94790, 1596, 55100, 740.8), 4: (51920, 192450, 1655.5, 73220, 723.6),
    5: (43390, 152000, 1425, 78600, 623.9), 6: (65490, 247760, 1587, 157500, -706.99),
    7: (71320, 243000, 1626.5, 116800, 730.42), 8: (57650, 211500, 1629.9, 128720, 739.1),
    9: (59980, 208460, 1588.4, 129400, 707.3), 10: (74600, 326500, 1545, 192300, 666.7),
    11: (88050, 301100, 1630, 150330, 747.6), 12: (104400, 352300, 1650.2, 189200, 761.6),
    13: (29370, 34540, 1428, 26400, 588), 14: (29110, 8610, 1706.1, 100, 909.79),
    15: (33290, 26090, 913.4, -17980, 949.4), 16: (33360, 26970, 2610.5, 8900, 1169),
    17: (29100, 10040, 2526.5, 9360, 1153.8), 19: (33380, 25860, 932.8, 10880, 423.7),
}
LHV = [0.0, 909.355, 1618.310233, 1499.427288, 2316.676731, 2183.429046, 3005.32324,
       3012.970084, 2859.576646, 2881.716244, 3699.452819, 3708.436446, 4405.148959,
       0.0, 0.0, 587.6875362, 0.0]
# O2 demand, CO2, H2O per mole of component 1..16.
STOICH = [None, (2, 1, 2), (3.5, 2, 3), (3, 2, 2), (5, 3, 4), (4.5, 3, 3), (6.5, 4, 5),
          (6.5, 4, 5), (6, 4, 4), (6, 4, 4), (8, 5, 6), (8, 5, 6), (9.5, 6, 7),
          (0, 1, 0), (0, 0, 0), (1.5, 0, 1), (0, 0, 1)]
AIR_O2, AIR_N2, AIR_AR, AIR_CO2 = 20.95, 78.09, 0.93, 0.03
ARGON_CP = 4.968932661
MOLVOL = 0.3794884

def interp(h):
    return (-9.06640328491781e-29 * h ** 6 + 1.16568636696007e-23 * h ** 5
            - 2.63483248782848e-19 * h ** 4 - 5.22566144078183e-14 * h ** 3
            + 7.81205590996818e-9 * h ** 2 - 0.000531684897035687 * h ** 1
            + 14.6965450413525)

def sat_pressure(t):
    tr = t + 459.67
    if tr <= 491.67:
        lnp = (-10214.165 / tr - 4.8932428 - 0.0053765794 * tr + 1.9202377e-7 * tr ** 2
               + 3.5575832e-10 * tr ** 3 - 9.0344688e-14 * tr ** 4 + 4.1635019 * math.log(tr))
    else:
        lnp = (-10440.397 / tr - 11.29465 - 0.027022355 * tr + 1.289036e-5 * tr ** 2
               - 2.4780681e-9 * tr ** 3 + 6.5459673 * math.log(tr))
    return math.exp(lnp)

def humid_ratio(t, p, rh):
    pw = sat_pressure(t) * rh
    return 0.62198 * pw / (p - pw)

def cp(i, t):
    a, b, c, d, e = CP[i]
    ec, ee = math.exp(c / t), math.exp(e / t)
    x = (c / t) / ((ec - 1 / ec) / 2)  # sinh and cosh as the calculator writes them
    y = (e / t) / ((ee + 1 / ee) / 2)
    return a + b * (x * x) + d * (y * y)

def cp_integral(i, t1, t2, count=None):
    a = (t1 - 32) / 1.8 + 273.15
    b = (t2 - 32) / 1.8 + 273.15
    s, t, steps = 0.0, a, 0
    step = 0.1 if a < b else -0.1  # Cp at the start of each step, either way
    while a != b:
        s = s + step * cp(i, t)
        t = t + step
        steps += 1
        if (t >= b) if step > 0 else (t <= b):
            break
    if count is not None:
        count.append(steps)
    return s * 0.0004299

def air_heat(t1, t2, dry_air, humid_water):
    """Heat of the dry air plus that of its humidity from t1 to t2 (the integrals in this order)."""
    h17, h14, h13, h16 = (cp_integral(i, t1, t2) for i in (17, 14, 13, 16))
    har = (t2 - t1) * ARGON_CP
    dry = ((AIR_N2 * h14 + AIR_O2 * h17 + AIR_AR * har + AIR_CO2 * h13) / 100) * dry_air / MOLVOL
    return dry + h16 * humid_water / MOLVOL

def ex_heat(t, n2_air, n2_fuel, argon, co2_comb, co2_air, water, o2_excess, so2):
    h13, h14, h16, h17, h19 = (cp_integral(i, 77, t) for i in (13, 14, 16, 17, 19))
    har = (t - 77) * ARGON_CP
    return ((n2_air + n2_fuel) * h14 + har * argon + (co2_comb + co2_air) * h13
            + h16 * water + h17 * o2_excess + h19 * so2) / MOLVOL

def evaluate(c):
    """c: dict of base-unit inputs and the figures of the boxes. Returns (lines, figures)."""
    fuel, amb, ff, target = c["fuel"], c["ambient"], c["fuelFlow"], c.get("o2", 0.0)
    t1, t2 = amb + 460, c["compDischTemp"] + 460
    n_poly = 1 / (1 - math.log(t1 / t2) / math.log(c["finalInletPress"] / c["compDischPress"]))
    w_ratio = float(c["Text5"]) * 28.966 / 18.016
    assert target <= 21
    o2_demand, co2_comb, water_comb = (
        sum(fuel[i] * STOICH[i][col] / 100 for i in range(1, 17)) * ff for col in range(3))
    n2_fuel, so2 = fuel[14] / 100 * ff, fuel[15] / 100 * ff

    def flows(a):
        """N2, CO2, Ar, excess O2, humidity, all water and the exhaust total for dry air a."""
        n2, co2, ar = a * AIR_N2 / 100, a * AIR_CO2 / 100, a * AIR_AR / 100
        o2x = a * AIR_O2 / 100 - o2_demand
        hw = a * w_ratio
        wt = hw + water_comb
        return n2, co2, ar, o2x, hw, wt, ar + n2 + co2_comb + wt + co2 + o2x + n2_fuel + so2

    a = stoich_air = o2_demand / AIR_O2 * 100
    n2, co2, ar, o2x, hw, wt, tot = flows(a)
    o2dry, steps, by_o2 = 0.0, 0, "exhaustFlow" not in c
    assert by_o2 or tot <= c["exhaustFlow"], "Insufficient air."
    while (o2dry < target) if by_o2 else (tot < c["exhaustFlow"]):
        a = a * 1.0001
        n2, co2, ar, o2x, hw, wt, tot = flows(a)
        o2dry = o2x / (tot - wt) * 100
        steps += 1
    if by_o2:
        m = (ar * 39.9 + n2 * 28.016 + co2_comb * 44.01 + wt * 18.016 + co2 * 44.01 + o2x * 32.0
             + n2_fuel * 28.016 + so2 * 64.07) / tot
        balance = ("Exhaust Flow: " + N(R(tot, 0)) + " KSCFH ("
                   + N(R(tot / 0.3795 * m * 0.453592 / 1000, 2)) + " Tons/hr)")
    else:
        balance = "Oxygen in Exhaust: " + N(R(o2dry, 2)) + " %"

    fuel_heat = sum(fuel[i] * cp_integral(i, c["fuelTemp"], 77) / 100 for i in range(1, 17))
    inlet = air_heat(amb, 77, a, hw) + fuel_heat * ff / MOLVOL
    exhaust = ex_heat(c["exhaustTemp"], n2, n2_fuel, ar, co2_comb, co2, wt, o2x, so2)
    comb = sum(LHV[i] * fuel[i] / 100 for i in range(1, 17)) * ff * (-1000)
    comp = air_heat(amb, c["compDischTemp"], a, hw)
    air_cp = abs(comp / (a / 0.3794884) / (t2 - t1))
    air_k = air_cp / (air_cp - 1.986)
    poly_eff = (air_k - 1) * n_poly / ((n_poly - 1) * air_k) * 100
    thermal = -(exhaust + inlet + comb)
    assert c["losses"] < 100 and c.get("generator", 0) < 101
    mech = (100 - c["losses"]) * thermal / 100
    electric = c["generator"] * mech / 100 if "generator" in c else None
    power = mech if electric is None else electric
    eff = power / comb * (-100)
    rate = abs(comb * 2544.43 / power)
    def pw(w):
        return N(R(w / 2544.43, 0)) + " hp (" + N(R(w / 2544.43 * 746 / 1000000, 2)) + " MW)"

    lines = ["Fresh air flow: " + N(R(hw + a, 0)) + " KSCFH", balance,
             "Thermal power output: " + pw(thermal), "Mechanical power output: " + pw(mech)]
    if electric is not None:
        lines.append("Electric power output: " + pw(electric))
    lines += ["Thermal Efficiency: " + N(R(eff, 2)) + " %",
              "Heat-rate: " + N(R(rate, 0)) + " BTU/hp-hr (" + N(R(rate / 706.83, 2))
              + " MJ/kW-hr)",
              "Compressor Work: " + pw(comp),
              "Compressor Polytropic Efficiency: " + N(R(poly_eff, 2)) + " %"]
    return lines, {"stoichAir": stoich_air, "steps": steps, "dryAirFlow": a, "o2DryPercent": o2dry}

def composition(**shares):
    names = ("methane ethane ethene propane propene ibutane nbutane ibutene nbutene ipentane "
             "npentane nhexane co2 n2 h2s h2o").split()
    fuel = [0.0] * 21
    for name, share in shares.items():
        fuel[names.index(name) + 1] = share
    return fuel

def f_from_c(x):
    return x * 1.8 + 32

def typed_inlet(ambient, altitude_ft, humidity, drop_inwc):
    """The window's air inlet rules: the inlet pressure at the altitude, the final
    inlet pressure after the drop and the water content shown (Text5)."""
    inlet = R(interp(altitude_ft), 2)
    assert 32 < ambient < 125 and drop_inwc >= 0 and inlet * 27.6799 > drop_inwc
    return inlet, R(inlet - drop_inwc / 27.6799, 2), \
        N(R(humid_ratio(ambient, inlet, humidity / 100), 4))

# Typed in °C, m, mmWC, bar and lbmol/h: Text1 "12.5", Text2 "350", Text4 "65", Text6 "120".
UNITS_INLET = typed_inlet(f_from_c(12.5), 350 * 3.28084, 65, 120 * 0.0393701)

CASES = {
    "methane_o2": {
        "fuel": composition(methane=100), "ambient": 59.0, "finalInletPress": 14.34,
        "compDischTemp": 720, "compDischPress": 220, "fuelTemp": 80, "fuelFlow": 1000,
        "exhaustTemp": 1050, "o2": 15.0, "Text5": "0.0064", "losses": 1.5},
    "natural_gas_flow": {
        "fuel": composition(methane=85, ethane=6, propane=2, co2=2, n2=4.5, h2s=0.5),
        "ambient": 95.0, "finalInletPress": 14.12, "compDischTemp": 780,
        "compDischPress": 235.5, "fuelTemp": 120, "fuelFlow": 1200, "exhaustTemp": 1010,
        "exhaustFlow": 38000, "Text5": "0.0213", "losses": 2.0, "generator": 98.3},
    "units_o2": {
        "fuel": composition(methane=87.9, ethane=4, ethene=0.5, propane=1.5, propene=0.3,
                            ibutane=0.3, nbutane=0.4, ibutene=0.1, nbutene=0.1, ipentane=0.1,
                            npentane=0.1, nhexane=0.1, co2=1.5, n2=2.5, h2s=0.2, h2o=0.4),
        "ambient": f_from_c(12.5), "finalInletPress": UNITS_INLET[1],
        "compDischTemp": f_from_c(395), "compDischPress": 13.2 * 14.5038,  # "395" °C, "13.2" bar
        "fuelTemp": f_from_c(30), "fuelFlow": R(2850 * 0.3794884, 4),  # "30" °C, "2850" lbmol/h
        "exhaustTemp": f_from_c(560), "o2": 14.2, "Text5": UNITS_INLET[2],  # "560" °C
        "losses": 1.2, "generator": 97.8},
}

def main():
    print("# kernels")
    count = []
    up = cp_integral(14, 77, 1000, count)
    down = cp_integral(14, 1000, 77)
    print("cpIntegral(14, 77, 1000) = %r in %d steps" % (up, count[0]))
    print("cpIntegral(14, 1000, 77) = %r; |down| - up = %r" % (down, -down - up))
    print("cpIntegral(14, 77, 77.1) = %r" % cp_integral(14, 77, 77.1))
    print("interp(0) = %r" % interp(0))
    print("SatPressure(32) = %r (ice), SatPressure(32.01) = %r (water)"
          % (sat_pressure(32), sat_pressure(32.01)))
    # The methane case as typed into the window: 59 °F at 0 ft, 60.6 % humidity, 10 inWC.
    _, typed_final, typed_text5 = typed_inlet(59, 0, 60.6, 10)
    assert (typed_final, typed_text5) == (14.34, CASES["methane_o2"]["Text5"])
    print("methane case typed: finalInletPress %r, Text5 %s" % (typed_final, typed_text5))
    print("units case: inletPress %r, finalInletPress %r, Text5 %s" % UNITS_INLET)
    CASES["methane_o2_20.9"] = dict(CASES["methane_o2"], o2=20.9)
    for name, c in CASES.items():
        lines, figures = evaluate(c)
        print("\n# %s" % name)
        print("stoichiometric dryAirFlow %r, %d steps, dryAirFlow %r, o2DryPercent %r"
              % (figures["stoichAir"], figures["steps"], figures["dryAirFlow"],
                 figures["o2DryPercent"]))
        print("\n".join(lines))

if __name__ == "__main__":
    main()
