#!/usr/bin/env python3
"""Reference figures for the steam turbine tests, computed independently with
plain IEEE doubles and the IF97 functions of if97.py. The window is modelled
as box texts and list positions: typing runs a box's change handler, a pick
its list's handler. The searches are the literal loops (T = T * 1.0001,
x = x - 0.0001); the induction search gives up after 100000 passes, and every
other refusal puts back the result text from before.

Run: python3 steam_reference.py > steam_reference.txt   (about a minute)
"""

import sys

import if97
from runtime_numbers import IsNumber, N, ParseNumber, R, RunError, chk

FAULTS = (RunError, ZeroDivisionError, ValueError, OverflowError)
BTU_PER_KJ, ENTROPY_PER_KJ = 0.429923, 0.238846  # kJ/kg to Btu/lb, kJ/kg.K to Btu/lb.F
PRESS_FACTOR = {0: 1.0, 1: 14.6959, 2: 14.5038}  # to psia; any other position: 14.2233
FLOW_FACTOR = {1: 1, 2: 3600, 3: 2.20462, 4: 7936.64, 5: 2240}  # per 1000 to kpph; 0 is kpph
ENTHALPY_FACTOR = {1: 2.326, 2: 0.555556}  # Btu/lb to the list's unit; 0 is Btu/lb
ABORTED = "Recheck your values... Calculation aborted."

def kelvin(fahrenheit):
    return (fahrenheit - 32) / 1.8 + 273.15
def fahrenheit(k):
    return (k - 273.15) * 1.8 + 32
def bar(psia):  # the pressure variable the property calls take (and may shift)
    return [psia / 14.5]
def efficiency(h_in, h_out, h_isentropic):
    return R(chk((h_out - h_in) / (h_isentropic - h_in) * 100), 2)

# Stream groups 1 inlet, 2 induction, 3 extraction, 4 exhaust: boxes and their lists.
GROUPS = {g: dict(zip(("temp", "tlist", "press", "plist", "flow", "flist", "sat", "sup", "ent",
                       "elist", "enth", "hlist"), row)) for g, row in {
    1: ("Text1", 2, "Text2", 3, "Text3", 4, "Text4", "Text5", "Text6", 5, "Text7", 6),
    2: ("Text8", 11, "Text9", 10, "Text10", 9, "Text11", "Text12", "Text13", 8, "Text14", 7),
    3: ("Text21", 16, "Text20", 15, "Text19", 14, "Text18", "Text17", "Text16", 13, "Text15", 12),
    4: ("Text22", 21, "Text23", 20, "Text24", 19, "Text25", "Text26", "Text27", 18, "Text28", 17)
}.items()}
SHOWN = sorted((b[k] for b in GROUPS.values() for k in ("sat", "sup", "ent", "enth")),
               key=lambda name: int(name[4:]))

# Handlers a typed box or a picked list runs: (method, arguments). Combo1 (the exhaust
# condensing or not) empties Text22 instead.
ON_TYPE, ON_PICK = {}, {}
for _g, _b in GROUPS.items():
    ON_TYPE[_b["temp"]] = ON_PICK[_b["tlist"]] = ("temp_changed", (_g,))
    ON_TYPE[_b["press"]] = ON_PICK[_b["plist"]] = ("press_changed", (_g,))
    ON_PICK[_b["elist"]] = ON_PICK[_b["hlist"]] = ("press_changed", (_g,))
    ON_PICK[_b["flist"]] = ("flows_changed", ())
    if _g != 4:
        ON_TYPE[_b["flow"]] = ("flows_changed", ())

class Message(Exception):
    """The evaluation ends with a message box."""

class Window:
    """A new window (boxes empty, lists at their first entry) with the boxes and lists typed."""
    def __init__(self, typed):
        self.text, self.combo = {}, {i: 0 for i in range(1, 22)}
        self.streamTemp, self.streamPress = [0.0] * 5, [0.0] * 5
        self.streamEntropy, self.streamEnthalpy = [0.0] * 5, [0.0] * 5
        self.inductionOn = self.extractionOn = 0
        self.written = None  # the last text the evaluation wrote to the result box
        self.type(typed)
    def get(self, name):
        return self.text.get(name, "")
    def num(self, name):
        return ParseNumber(self.get(name))
    def run(self, handler):  # with the handlers' silent error exit
        try:
            if handler:
                getattr(self, handler[0])(*handler[1])
        except FAULTS:
            pass
    def set_text(self, name, text):
        self.text[name] = text
        self.run(ON_TYPE.get(name))
    def empty(self, *names):
        for name in names:
            self.set_text(name, "")
    def type(self, typed):
        for name, value in (item.split("=", 1) for item in typed.split()):
            if name.startswith("Combo"):
                self.combo[int(name[5:])] = int(value)
                if name == "Combo1":
                    self.set_text("Text22", "")
                self.run(ON_PICK.get(int(name[5:])))
            elif name.startswith("Check"):
                before = (self.inductionOn, self.extractionOn)
                setattr(self, "inductionOn" if name == "Check1" else "extractionOn",
                        -1 if value == "1" else 0)
                if before != (self.inductionOn, self.extractionOn):
                    self.run(("flows_changed", ()))
            else:
                self.set_text(name, value)
    # -- stream fields
    def temp_changed(self, g):
        b = GROUPS[g]
        if g == 4 and self.combo[1] != 0:  # condensing: Text22 is the vapour share in %
            return self.wet_exhaust()
        if not IsNumber(self.get(b["temp"])):
            return self.empty(b["sup"], b["ent"], b["enth"])
        v = self.num(b["temp"])
        self.streamTemp[g] = v * 1.8 + 32 if self.combo[b["tlist"]] != 0 else v
        if not IsNumber(self.get(b["press"])):
            return self.empty(b["sat"], b["sup"], b["ent"], b["enth"])
        self.show_superheat(b)
        self.show_saturation(g)
        self.show_superheat(b)
        self.streamEntropy[g] = self.streamEnthalpy[g] = 0.0
        if self.num(b["sup"]) > 0:
            t, p = kelvin(self.streamTemp[g]), self.streamPress[g] / 14.5
            self.streamEntropy[g] = R(if97.entropyW(t, p) * ENTROPY_PER_KJ, 4)
            self.streamEnthalpy[g] = R(if97.enthalpyW(t, p) * BTU_PER_KJ, 2)
        self.show_properties(g)
    def show_superheat(self, b):
        superheat = chk(self.num(b["temp"]) - self.num(b["sat"]))
        self.set_text(b["sup"], N(superheat) if superheat >= 0 else "0")
    def show_saturation(self, g):
        """Saturation temperature at the group's pressure, rounded in the list's unit."""
        b = GROUPS[g]
        if self.num(b["press"]) > 0:
            k = if97.tSatW(self.streamPress[g] / 14.5)
            self.set_text(b["sat"], N(R(k - 273.15, 2) if self.combo[b["tlist"]] != 0
                                      else R(fahrenheit(k), 2)))
        else:
            self.set_text(b["sat"], "0")
    def show_properties(self, g):
        b, s, h = GROUPS[g], self.streamEntropy[g], self.streamEnthalpy[g]
        self.set_text(b["ent"], N(R(s * 4.1868, 4)) if self.combo[b["elist"]] == 1 else N(s))
        pos = self.combo[b["hlist"]]
        self.set_text(b["enth"], N(h) if pos == 0 else N(R(h * ENTHALPY_FACTOR[pos], 2)))
    def press_changed(self, g):
        b = GROUPS[g]
        if IsNumber(self.get(b["press"])):
            factor = PRESS_FACTOR.get(self.combo[b["plist"]], 14.2233)
            self.streamPress[g] = chk(self.num(b["press"]) * factor)
        if g == 4 and self.combo[1] != 0:
            return self.wet_exhaust()
        if not IsNumber(self.get(b["press"])):
            return self.empty(b["sat"], b["sup"], b["ent"], b["enth"])
        # Rounded in °F first, then converted for a °C list.
        sat = R(fahrenheit(if97.tSatW(self.streamPress[g] / 14.5)), 2) \
            if self.streamPress[g] > 0 else 0.0
        self.set_text(b["sat"], N(sat) if self.combo[b["tlist"]] == 0 else N(R((sat - 32) / 1.8, 2)))
        self.run(("temp_changed", (g,)))
    def wet_exhaust(self):
        self.set_text("Text26", "0")
        if not IsNumber(self.get("Text23")):
            return self.empty("Text25", "Text27", "Text28")
        self.show_saturation(4)
        if not IsNumber(self.get("Text22")):
            return self.empty("Text27", "Text28")
        vf, p = self.num("Text22"), self.streamPress[4]
        self.streamEntropy[4] = self.streamEnthalpy[4] = 0.0
        def mix(vapour, liquid, factor, digits):
            return R((vf * vapour(bar(p)) + (100 - vf) * liquid(bar(p))) / 100 * factor, digits)
        if 0 < vf < 100:
            self.streamEntropy[4] = mix(if97.entropySatVapPW, if97.entropySatLiqPW,
                                        ENTROPY_PER_KJ, 4)
            self.streamEnthalpy[4] = mix(if97.enthalpySatVapPW, if97.enthalpySatLiqPW,
                                         BTU_PER_KJ, 2)
        self.show_properties(4)
    # -- flows
    def flow(self, g):
        v, pos = self.num(GROUPS[g]["flow"]), self.combo[GROUPS[g]["flist"]]
        return v if pos == 0 else v / 1000 * FLOW_FACTOR[pos]
    def flows(self):
        """Inlet, induction and extraction flow in kpph, each while ticked and a number."""
        return (self.flow(1),
                self.flow(2) if self.inductionOn and IsNumber(self.get("Text10")) else 0.0,
                self.flow(3) if self.extractionOn and IsNumber(self.get("Text19")) else 0.0)
    def flows_changed(self):
        if not IsNumber(self.get("Text3")):
            return self.set_text("Text24", "")
        f3, f10, f19 = self.flows()
        f, pos = chk((f10 + f3) - f19), self.combo[19]
        self.set_text("Text24", N(f if pos == 0 else f * 1000 / FLOW_FACTOR[pos]))
    # -- evaluation
    def evaluable(self):
        """The typed boxes of the groups on hold numbers, their derived ones are above 0
        (the exhaust's flow is not typed, and its superheat Text26 at least 0)."""
        groups = [1, 4] + [2] * bool(self.inductionOn) + [3] * bool(self.extractionOn)
        try:
            return (all(IsNumber(self.get(GROUPS[g][k])) for g in groups
                        for k in ("temp", "press", "flow") if g != 4 or k != "flow")
                    and all(self.num(GROUPS[g][k]) > 0 for g in groups
                            for k in ("sup", "ent", "enth") if g != 4 or k != "sup")
                    and self.num("Text26") >= 0)
        except RunError:
            return False
    def cmdresult_click(self):
        """Returns the message shown, or None."""
        try:
            if not self.evaluable():
                raise Message("Check your values")
            self.evaluate()
            return None
        except Message as m:
            message = str(m)
        except FAULTS:
            message = "Check your values"
        if message != ABORTED:
            self.written = None
        return message
    def isen_cond(self, s, p):
        """Superheated end temperature (K) or wet-end quality at entropy s and p psia; a search
        leaving the property range or hitting an undefined value ends in "Wrong values"."""
        try:
            pa = bar(p)
            t = if97.tSatW(pa[0])
            sc = sg = chk(if97.entropySatVapPW(pa) * ENTROPY_PER_KJ)
            if s > sg:
                while sc < s:
                    t = t * 1.0001
                    if not 273.15 <= t <= 1073.15:
                        raise Message("Wrong values")
                    sc = chk(if97.entropyW(t, pa[0]) * ENTROPY_PER_KJ)
                return t
            x = 1.0
            if s < sg:
                while sc > s:
                    x = x - 0.0001
                    if x < 0:
                        return 0.0
                    sf = if97.entropySatLiqPW(pa) * ENTROPY_PER_KJ
                    sv = if97.entropySatVapPW(pa) * ENTROPY_PER_KJ
                    sc = chk((1 - x) * sf + sv * x)
                return x
            return 0.0
        except FAULTS:
            raise Message("Wrong values")
    def stage_end(self, s, k):
        """Isentropic end at group k's pressure: (hend, Tend, the stage's bar variable)."""
        pk = bar(self.streamPress[k])
        sgk = if97.entropySatVapPW(pk) * ENTROPY_PER_KJ
        if s > sgk:
            tend = self.isen_cond(s, self.streamPress[k])
            return chk(if97.enthalpyW(tend, pk[0]) * BTU_PER_KJ), tend, pk
        # An entropy exactly at saturation ends saturated: quality 1.
        quality = self.isen_cond(s, self.streamPress[k]) if s < sgk else 1.0
        tend = if97.tSatW(pk[0])
        hf = if97.enthalpySatLiqPW(pk) * BTU_PER_KJ
        hg = if97.enthalpySatVapPW(pk) * BTU_PER_KJ
        return chk((1 - quality) * hf + hg * quality), tend, pk
    def evaluate(self):
        """Writes the exhaust flow and reads it back through its text (with extraction it must
        not be negative), then the power and the arrangement's efficiencies."""
        H, ind, ext = self.streamEnthalpy, self.inductionOn, self.extractionOn
        f3, f10, f19 = self.flows()
        if not ind and not ext and self.combo[4] == self.combo[19]:
            self.set_text("Text24", self.get("Text3"))
        else:
            self.flows_changed()
        f24 = self.flow(4)
        if f24 < 0 and ext:
            raise Message("Exhaust flow must be positive value")
        h, pos = self.num("Text28"), self.combo[17]
        h28 = h if pos == 0 else h / ENTHALPY_FACTOR[pos]
        power = f10 * 1000 * H[2] + f3 * 1000 * H[1] if ind else f3 * 1000 * H[1]
        power = (power - f19 * 1000 * H[3] if ext else power) - f24 * 1000 * h28
        power = R(chk(power / 2544.43), 2)
        (H1, H2, H3), S = self.streamEnthalpy[1:4], self.streamEntropy
        if not self.inductionOn and not self.extractionOn:
            effs = [efficiency(H1, h28, self.stage_end(S[1], 4)[0])]
            text = "Efficiency: %s %%" % N(effs[0])
        elif not self.inductionOn:
            his1 = self.stage_end(S[1], 3)[0]
            effs = [efficiency(H1, H3, his1)]
            his2 = self.stage_end(S[3], 4)[0]
            effs += [efficiency(H3, h28, his2), R(chk((f3 * (H1 - H3) + f24 * (H3 - h28)) / (
                f3 * (H1 - his1) + f24 * (H3 - his2)) * 100), 2)]
            text = "Efficiency (1st/2nd Stage): %s & %s %%\r\nOverall Efficiency: %s %%" \
                % tuple(N(e) for e in effs)
        elif not self.extractionOn:
            te, t, _ = self.induction_search(H1, self.stage_end(S[1], 2), f3, f10, f24, h28, 4)
            effs = [R(te, 2)]
            text = "Overall Efficiency: %s %% \r\nTemperature at Induction point: %s \u00b0F" \
                % (N(effs[0]), N(R(fahrenheit(t), 2)))
        else:
            his1, t, p1 = self.stage_end(S[1], 2)
            _, t, his2 = self.induction_search(H1, (his1, t, p1), f3, f10, f10 + f3, H3, 3)
            his3 = self.stage_end(S[3], 4)[0]
            n = (H3 - h28) * (f10 + f3 - f19) + (H2 - H3) * (f10 + f3) + (H1 - H2) * f3
            d = (H2 - his2) * (f10 + f3) + (H1 - his1) * f3 + (f10 + f3 - f19) * (H3 - his3)
            effs = [R(chk(n / d * 100), 2)]
            text = "Efficiency: %s %% \r\nTemperature at Induction point: %s \u00b0F" \
                % (N(effs[0]), N(R(fahrenheit(t), 2)))
        if not (power > 0 and all(0 < e <= 100 for e in effs)):
            raise Message("Check your values")
        self.written = "Power: " + N(power) + " hp\r\n" + text
    def induction_search(self, H1, stage1, f3, f10, mixed_flow, h_out, k):
        """Steps the stage-1 end temperature from stage1 = stage_end(S1, 2) until the
        efficiencies of stage 1 and of stage 2 (from the mixed induction point to h_out
        at group k's pressure) agree. Returns (stage-2 efficiency, T, his2) of the last pass."""
        his1, t, p1 = stage1
        step, e1, e2 = 0.1, 0.0, 0.0
        for passes in range(1, 100001):
            t = t + step
            h1 = if97.enthalpyW(t, p1[0]) * BTU_PER_KJ
            eff1 = chk((h1 - H1) / (his1 - H1) * 100)
            tmix = chk((f3 * fahrenheit(t) + f10 * self.streamTemp[2]) / mixed_flow)
            hmix = if97.enthalpyW(kelvin(tmix), p1[0]) * BTU_PER_KJ
            smix = if97.entropyW(kelvin(tmix), p1[0]) * ENTROPY_PER_KJ
            his2 = self.stage_end(smix, k)[0]
            te = chk((hmix - h_out) / (hmix - his2) * 100)
            d = te - eff1
            step = 0.5 if abs(d) > 5 else (0.1 if abs(d) > 0.5 else 0.01)
            if passes == 1:
                e1, e2 = eff1, te
            g0 = e2 - e1
            if (g0 > 0 and d < 0) or (g0 <= 0 and d > 0) or abs(d) <= 0.05:
                return te, t, his2
            progress = R(chk(100 - d / g0 * 100), 0)
            self.written = "Evaluating: " + N(progress) + " %"
            if progress < 0:
                break
        self.written = "Calculation terminated"
        raise Message(ABORTED)

# ---------------------------------------------------------------- cases

def table(text):
    """(name, typed) rows of a table: "name: typed", continued on indented lines."""
    return [tuple(part.strip() for part in row.split(":", 1))
            for row in text.replace("\n    ", " ").strip().split("\n")]

# Boxes typed and lists picked in order; the fields are shown without an evaluation.
FIELD_EXAMPLES = table("""
inlet 145 psia (10 bar) 500 F: Text1=500 Text2=145
inlet 10 bar 250 C KJ/kg.K KJ/kg: Combo2=1 Combo3=2 Combo5=1 Combo6=1 Text1=250 Text2=10
inlet kcal lists: Combo5=2 Combo6=2 Text1=500 Text2=145
inlet below saturation: Text1=300 Text2=145
inlet above 220.64 bar: Text1=900 Text2=3200
inlet temperature list switched after typing: Text1=100 Text2=14.5 Combo2=1
condensing exhaust 14.5 psia at 90 %: Combo1=1 Text23=14.5 Text22=90
condensing exhaust 1 bar at 50 % C list: Combo1=1 Combo21=1 Combo20=2 Text23=1 Text22=50
condensing exhaust 100 %: Combo1=1 Text23=2 Text22=100
inlet pressure 0: Text1=500 Text2=0
flows lb/h in, kg/h out: Combo4=1 Combo19=3 Text3=100
flow balance, mixed units: Check1=1 Check2=1 Combo4=1 Combo9=3 Combo14=5 Combo19=4 Text3=250000
    Text10=30000 Text19=40
inlet pressure no longer a number: Text1=500 Text2=145 Text2=abc
condensing switch empties the exhaust: Text23=150 Text22=400 Combo1=1
flow balance, induction switched off: Check1=1 Check2=1 Text3=100 Text10=20 Text19=50 Check1=0
flow balance, inlet flow not a number: Check2=1 Text3=100 Text19=10 Text3=1,000
flows per second in, long tons out: Combo4=2 Combo19=5 Text3=100
flows long tons in, per second out: Combo4=5 Combo19=2 Text3=100
inlet temperature emptied: Text1=500 Text2=145 Text1=
extraction pressure no longer a number: Check2=1 Text21=500 Text20=145 Text20=x
condensing exhaust share no longer a number: Combo1=1 Text23=1.5 Text22=92 Text22=9O
condensing exhaust pressure emptied: Combo1=1 Text23=1.5 Text22=92 Text23=
condensing exhaust switched back: Combo1=1 Text23=1.5 Text22=92 Combo1=0
""")

# Evaluated: the first ten give results, then refusals, impossible results and units
# picked after typing.
CASES = table("""
back_pressure: Text1=900 Text2=900 Text3=250 Text22=500 Text23=150
condensing_wet_units: Combo1=1 Combo2=1 Combo3=2 Combo4=3 Combo19=3 Combo20=1 Combo17=1 Combo18=1
    Text1=510 Text2=62 Text3=90000 Text23=0.136 Text22=90
extraction: Check2=1 Text1=950 Text2=1250 Text3=400 Text21=650 Text20=300 Text19=120 Text22=460
    Text23=100
induction: Check1=1 Text1=850 Text2=900 Text3=200 Text8=600 Text9=150 Text10=60 Text22=400
    Text23=60
induction_extraction_units: Check1=1 Check2=1 Combo4=1 Combo9=1 Combo14=1 Combo19=1 Combo17=2
    Text1=900 Text2=1200 Text3=300000 Text8=650 Text9=250 Text10=80000 Text21=450 Text20=80
    Text19=100000 Text22=350 Text23=40
near_critical: Check2=1 Text1=1000 Text2=3000 Text3=300 Text21=950 Text20=2500 Text19=100
    Text22=420 Text23=150
near_critical_wet: Combo1=1 Text1=705 Text2=3000 Text3=300 Text22=96 Text23=2500
induction_units: Check1=1 Combo4=5 Combo9=4 Combo11=1 Combo10=2 Combo6=1 Combo19=3 Text1=850
    Text2=900 Text3=90 Text8=315 Text9=10 Text10=7.5 Text22=400 Text23=60
condensing_extraction: Combo1=1 Check2=1 Text1=950 Text2=1250 Text3=400 Text21=650 Text20=300
    Text19=120 Text23=2 Text22=92
induction_condensing: Combo1=1 Check1=1 Text1=850 Text2=900 Text3=200 Text8=600 Text9=150 Text10=60
    Text23=2.5 Text22=91
check_values_below_saturation: Text1=500 Text2=900 Text3=250 Text22=400 Text23=150
check_values_empty_flow: Text1=900 Text2=900 Text22=500 Text23=150
exhaust_negative_extraction: Check2=1 Text1=950 Text2=1250 Text3=100 Text21=650 Text20=300
    Text19=120 Text22=460 Text23=100
exhaust_negative_induction_extraction: Check1=1 Check2=1 Text1=900 Text2=1200 Text3=100 Text8=650
    Text9=250 Text10=20 Text21=450 Text20=80 Text19=150 Text22=350 Text23=40
recheck_aborted: Check1=1 Text1=850 Text2=900 Text3=200 Text8=1000 Text9=150 Text10=400 Text22=450
    Text23=60
wrong_values: Text1=1000 Text2=100 Text3=250 Text22=1000 Text23=1500
near_limit_efficiency: Text1=750 Text2=600 Text3=100 Text22=418.5 Text23=150
impossible_exhaust_above_inlet_pressure: Text1=750 Text2=600 Text3=100 Text22=1000 Text23=800
impossible_exhaust_hotter_than_inlet: Text1=750 Text2=600 Text3=100 Text22=800 Text23=150
impossible_condensing_efficiency: Text1=750 Text2=600 Text3=100 Combo1=1 Text23=150 Text22=80
impossible_after_induction_search: Check1=1 Text1=850 Text2=900 Text3=200 Text8=600 Text9=150
    Text10=60 Text22=750 Text23=60
exhaust_enthalpy_unit_picked_after_typing: Text1=900 Text2=600 Text3=100 Text22=350 Text23=50
    Combo17=1
exhaust_pressure_unit_picked_after_typing: Text1=900 Text2=600 Text3=100 Text22=350 Text23=50
    Combo20=2
""")

def shown_and_state(w, shown):
    arrays = ("%s=%s" % (a, ",".join(repr(x) for x in getattr(w, a)[1:5]))
              for a in ("streamPress", "streamTemp", "streamEntropy", "streamEnthalpy"))
    return ["shown " + " ".join("%s=%s" % (n, w.get(n)) for n in shown),
            "state %s inductionOn=%d extractionOn=%d"
            % (" ".join(arrays), w.inductionOn, w.extractionOn)]

def main():
    """Prints every figure, or only the cases named on the command line."""
    sys.stdout.reconfigure(encoding="utf-8", newline="\n")
    only = sys.argv[1:]
    if not only:
        print("# Steam turbine reference figures, written by steam_reference.py.")
        print("# field lines: the derived boxes after typing, no evaluation.")
        for name, typed in FIELD_EXAMPLES:
            print("# field " + name, "typed " + typed,
                  *shown_and_state(Window(typed), SHOWN + ["Text24"]), sep="\n")
        print()
    for name, typed in (case for case in CASES if not only or case[0] in only):
        w = Window(typed)
        message = w.cmdresult_click() or "-"
        results = (w.written or "-").replace("\r", "\\r").replace("\n", "\\n")
        boxes = ["%s=%s" % (b, w.get(b)) for b in ("Text3", "Text10", "Text19", "Text28")]
        boxes += ["Combo%d=%d" % (c, w.combo[c]) for c in (4, 9, 14, 19, 17)]
        print("# case " + name, "typed " + typed, *shown_and_state(w, SHOWN),
              "boxes " + " ".join(boxes), "message " + message,
              "Text24 " + (w.get("Text24") or "-"), "results " + results, "", sep="\n", flush=True)

if __name__ == "__main__":
    main()
