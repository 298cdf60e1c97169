#!/usr/bin/env python3
"""Reference figures for a case typed into the gas turbine window in non-base
units, in Exhaust Flow mode with a generator efficiency: the window's unit
rules and derived fields, written out here by hand, then the evaluation
formulas of gas_reference.py.

Run: python3 frmgas_window_case.py > frmgas_window_case.txt
"""

from gas_reference import N, R, composition, evaluate, f_from_c, typed_inlet

# Fuel composition dialog tables: molar mass g/mol and lower heating value Btu/scf.
MW = {1: 16.042, 2: 30.068, 4: 44.094, 7: 58.12, 13: 44.01, 14: 28.016, 15: 34.076}
LHV_DIALOG = {1: 910.3993518, 2: 1615.828174, 4: 2301.36985, 7: 3034.645059, 13: 0.0,
              14: 0.0, 15: 587.6875362}
SHARES = {1: 90.0, 2: 5.0, 4: 1.5, 7: 0.5, 13: 1.0, 14: 1.8, 15: 0.2}

def main():
    # Air inlet: Text1 "18.5" °C, Text2 "0.45" km, Text4 "55" %, Text6 "2.5" inHg.
    ambient = f_from_c(18.5)
    inlet_press, final_press, text5 = typed_inlet(ambient, 0.45 * 3280.84, 55, 2.5 * 13.5951)
    text3_bar = N(R(inlet_press / 14.5038, 4))          # cmdpress1 at "bar"
    text7_atm = N(R(final_press / 14.6959, 4))          # Combo3 at "atm"

    # Fuel: Text18 "40" °C, Text16 "26.4" mmscfd; the dialog's transfer.
    fuel_flow = R(26.4 / 24 * 1000, 4)
    text12 = R(sum(MW[i] * SHARES[i] / 100 for i in sorted(SHARES)), 2)
    text8 = R(sum(LHV_DIALOG[i] * SHARES[i] / 100 for i in sorted(SHARES)), 2)
    text14_kj = N(R(text8 * 379.4884 / text12 * 2.326, 2))  # Combo4 at "kJ/kg"

    # Exhaust: Text10 "540" °C; Exhaust Flow mode, Text15 "43000" kgmol/h.
    exhaust_flow = R(43000 * 2.20462 * 0.3794884, 4)
    # Compressor: Text19 "410" °C, Text20 "16.5" kg/cm2.
    case = {
        "fuel": composition(methane=90, ethane=5, propane=1.5, nbutane=0.5, co2=1, n2=1.8,
                            h2s=0.2),
        "ambient": ambient, "finalInletPress": final_press, "compDischTemp": f_from_c(410),
        "compDischPress": 16.5 * 14.2233, "fuelTemp": f_from_c(40), "fuelFlow": fuel_flow,
        "exhaustTemp": f_from_c(540), "exhaustFlow": exhaust_flow, "Text5": text5,
        "losses": 1.8, "generator": 97.5,
    }
    print("Text3 (bar) %s, Text5 %s, Text7 (atm) %s" % (text3_bar, text5, text7_atm))
    print("Text12 %s, Text8 %s, Text14 (kJ/kg) %s" % (N(text12), N(text8), text14_kj))
    print("fuelFlow %r, exhaustFlow %r" % (fuel_flow, exhaust_flow))
    lines, figures = evaluate(case)
    print("steps %d" % figures["steps"])
    print("\n".join(lines))

if __name__ == "__main__":
    main()
