#!/usr/bin/env python3
"""IAPWS-IF97 water and steam (regions 1, 2, 3, saturation line, 2-3 boundary),
written independently for the steam reference figures. Units: K, bar absolute,
kJ/kg, kJ/(kg K); -1 outside a function's range, -2 when the region-3 density
search does not converge. The saturated functions by pressure take a one-element
list: near the critical point they shift the pressure in it, and the caller
keeps the shifted value for its next call, as the calculator does.

Run: python3 if97.py   (prints the comparison with the IF97 verification values)
"""

import math
from functools import partial

# ---------------------------------------------------------------- tables

# Region 1: I, J, n.
REG1 = [
    (0, -2, 0.14632971213167), (0, -1, -0.84548187169114), (0, 0, -0.37563603672040e1),
    (0, 1, 0.33855169168385e1), (0, 2, -0.95791963387872), (0, 3, 0.15772038513228),
    (0, 4, -0.16616417199501e-1), (0, 5, 0.81214629983568e-3), (1, -9, 0.28319080123804e-3),
    (1, -7, -0.60706301565874e-3), (1, -1, -0.18990068218419e-1), (1, 0, -0.32529748770505e-1),
    (1, 1, -0.21841717175414e-1), (1, 3, -0.52838357969930e-4), (2, -3, -0.47184321073267e-3),
    (2, 0, -0.30001780793026e-3), (2, 1, 0.47661393906987e-4), (2, 3, -0.44141845330846e-5),
    (2, 17, -0.72694996297594e-15), (3, -4, -0.31679644845054e-4), (3, 0, -0.28270797985312e-5),
    (3, 6, -0.85205128120103e-9), (4, -5, -0.22425281908000e-5), (4, -2, -0.65171222895601e-6),
    (4, 10, -0.14341729937924e-12), (5, -8, -0.40516996860117e-6), (8, -11, -0.12734301741641e-8),
    (8, -6, -0.17424871230634e-9), (21, -29, -0.68762131295531e-18),
    (23, -31, 0.14478307828521e-19), (29, -38, 0.26335781662795e-22),
    (30, -39, -0.11947622640071e-22), (31, -40, 0.18228094581404e-23),
    (32, -41, -0.93537087292458e-25),
]

# Region 2, ideal-gas part: J0, n0.
REG2_IDEAL = [
    (0, -0.96927686500217e1), (1, 0.10086655968018e2), (-5, -0.56087911283020e-2),
    (-4, 0.71452738081455e-1), (-3, -0.40710498223928), (-2, 0.14240819171444e1),
    (-1, -0.43839511319450e1), (2, -0.28408632460772), (3, 0.21268463753307e-1),
]

# Region 2, residual part: I, J, n.
REG2_RES = [
    (1, 0, -0.17731742473213e-2), (1, 1, -0.17834862292358e-1), (1, 2, -0.45996013696365e-1),
    (1, 3, -0.57581259083432e-1), (1, 6, -0.50325278727930e-1), (2, 1, -0.33032641670203e-4),
    (2, 2, -0.18948987516315e-3), (2, 4, -0.39392777243355e-2), (2, 7, -0.43797295650573e-1),
    (2, 36, -0.26674547914087e-4), (3, 0, 0.20481737692309e-7), (3, 1, 0.43870667284435e-6),
    (3, 3, -0.32277677238570e-4), (3, 6, -0.15033924542148e-2), (3, 35, -0.40668253562649e-1),
    (4, 1, -0.78847309559367e-9), (4, 2, 0.12790717852285e-7), (4, 3, 0.48225372718507e-6),
    (5, 7, 0.22922076337661e-5), (6, 3, -0.16714766451061e-10), (6, 16, -0.21171472321355e-2),
    (6, 35, -0.23895741934104e2), (7, 0, -0.59059564324270e-17), (7, 11, -0.12621808899101e-5),
    (7, 25, -0.38946842435739e-1), (8, 8, 0.11256211360459e-10), (8, 36, -0.82311340897998e1),
    (9, 13, 0.19809712802088e-7), (10, 4, 0.10406965210174e-18),
    (10, 10, -0.10234747095929e-12), (10, 14, -0.10018179379511e-8),
    (16, 29, -0.80882908646985e-10), (16, 50, 0.10693031879409), (18, 57, -0.33662250574171),
    (20, 20, 0.89185845355421e-24), (20, 35, 0.30629316876232e-12),
    (20, 48, -0.42002467698208e-5), (21, 21, -0.59056029685639e-25),
    (22, 53, 0.37826947613457e-5), (23, 39, -0.12768608934681e-14),
    (24, 26, 0.73087610595061e-28), (24, 40, 0.55414715350778e-16),
    (24, 58, -0.94369707241210e-6),
]

# Region 3: I, J, n; row 1 is the coefficient of ln(delta).
REG3 = [
    (0, 0, 0.10658070028513e1), (0, 0, -0.15732845290239e2), (0, 1, 0.20944396974307e2),
    (0, 2, -0.76867707878716e1), (0, 7, 0.26185947787954e1), (0, 10, -0.28080781148620e1),
    (0, 12, 0.12053369696517e1), (0, 23, -0.84566812812502e-2), (1, 2, -0.12654315477714e1),
    (1, 6, -0.11524407806681e1), (1, 15, 0.88521043984318), (1, 17, -0.64207765181607),
    (2, 0, 0.38493460186671), (2, 2, -0.85214708824206), (2, 6, 0.48972281541877e1),
    (2, 7, -0.30502617256965e1), (2, 22, 0.39420536879154e-1), (2, 26, 0.12558408424308),
    (3, 0, -0.27999329698710), (3, 2, 0.13899799569460e1), (3, 4, -0.20189915023570e1),
    (3, 16, -0.82147637173963e-2), (3, 26, -0.47596035734923), (4, 0, 0.43984074473500e-1),
    (4, 2, -0.44476435428739), (4, 4, 0.90572070719733), (4, 26, 0.70522450087967),
    (5, 1, 0.10770512626332), (5, 3, -0.32913623258954), (5, 26, -0.50871062041158),
    (6, 0, -0.22175400873096e-1), (6, 2, 0.94260751665092e-1), (6, 26, 0.16436278447961),
    (7, 2, -0.13503372241348e-1), (8, 26, -0.14834345352472e-1), (9, 2, 0.57922953628084e-3),
    (9, 26, 0.32308904703711e-2), (10, 0, 0.80964802996215e-4), (10, 1, -0.16557679795037e-3),
    (11, 26, -0.44923899061815e-4),
]

REG4 = [None, 0.11670521452767e4, -0.72421316703206e6, -0.17073846940092e2,
        0.12020824702470e5, -0.32325550322333e7, 0.14915108613530e2, -0.48232657361591e4,
        0.40511340542057e6, -0.23855557567849, 0.65017534844798e3]

B23 = [None, 0.34805185628969e3, -0.11671859879975e1, 0.10192970039326e-2,
       0.57254459862746e3, 0.13918839778870e2]

R_SI = 461.526  # J/(kg K), in the specific volume and the density search
R_KJ = 461.526 * 0.001  # kJ/(kg K), one ulp above 0.461526
assert R_KJ == 0.46152600000000005

def pw(base, exponent):  # the C library pow, also for an integer exponent
    return base ** float(exponent)

def series(rows, xs, orders, s=0.0):
    """Sum of n * x**e over the rows (exponents, n), each factor differentiated orders[k]
    times (n * e * (e - 1) * x**(e - 2) ...); added row by row, in table order."""
    for *exponents, n in rows:
        term = n
        for e, x, order in zip(exponents, xs, orders):
            for k in range(order):
                term = term * (e - k)
            term = term * pw(x, e - order)
        s += term
    return s


# ---------------------------------------------------------------- basic equations
# Each gamma or phi with its derivative orders (d_pi or d_delta, d_tau): 0 or 1, 2 in delta.

def gamma1(tau, pi, d_pi=0, d_tau=0):
    return (-1) ** d_pi * series(REG1, (7.1 - pi, tau - 1.222), (d_pi, d_tau))


def gamma2(tau, pi, d_pi=0, d_tau=0):
    ideal = 1 / pi if d_pi else series(REG2_IDEAL, (tau,), (d_tau,), 0.0 if d_tau else math.log(pi))
    return ideal + series(REG2_RES, (pi, tau - 0.5), (d_pi, d_tau))


def phi3(tau, delta, d_delta=0, d_tau=0):
    n = REG3[0][2]  # the ln(delta) term
    first = (0.0 if d_tau else n * math.log(delta) if d_delta == 0
             else n / delta if d_delta == 1 else -n / pw(delta, 2))
    return series(REG3[1:], (delta, tau), (d_delta, d_tau), first)

# ---------------------------------------------------------------- lines

def pSatW(t):
    if t < 273.15 or t > 647.096:
        return -1.0
    n = REG4
    theta = t + n[9] / (t - n[10])
    a = pw(theta, 2) + n[1] * theta + n[2]
    b = n[3] * pw(theta, 2) + n[4] * theta + n[5]
    c = n[6] * pw(theta, 2) + n[7] * theta + n[8]
    return 10 * pw(2 * c / (-b + (pw(b, 2) - 4 * a * c) ** 0.5), 4)

def tSatW(p):
    if p < 0.00611213 or p > 220.64:
        return -1.0
    n = REG4
    beta = (0.1 * p) ** 0.25
    e = pw(beta, 2) + n[3] * beta + n[6]
    f = n[1] * pw(beta, 2) + n[4] * beta + n[7]
    g = n[2] * pw(beta, 2) + n[5] * beta + n[8]
    d = 2 * g / (-f - (pw(f, 2) - 4 * e * g) ** 0.5)
    return 0.5 * (n[10] + d - (pw(n[10] + d, 2) - 4 * (n[9] + n[10] * d)) ** 0.5)

def pBound23(t):
    return -1.0 if t < 623.15 or t > 863.15 else 10 * ((B23[1] + B23[2] * t) + B23[3] * pw(t, 2))

def tBound23(p):
    return -1.0 if p < 165.292 or p > 1000 else B23[4] + ((0.1 * p - B23[5]) / B23[3]) ** 0.5

# ---------------------------------------------------------------- regions
# Region 1 and 2 at (T K, p bar); region 3 at (T K, rho kg/m3).

def _region12(t_star, p_star, g):
    """Volume, entropy and enthalpy of region 1 or 2 from its reducing values (K, MPa)."""
    def volume(t, p):
        tau, pi = t_star / t, 0.1 * p / p_star
        return R_SI * t * pi * g(tau, pi, 1) / (100000 * p)
    def entropy(t, p):
        tau, pi = t_star / t, 0.1 * p / p_star
        return R_KJ * (tau * g(tau, pi, 0, 1) - g(tau, pi))
    def enthalpy(t, p):
        tau, pi = t_star / t, 0.1 * p / p_star
        return R_KJ * t * tau * g(tau, pi, 0, 1)
    return volume, entropy, enthalpy

volume1, entropy1, enthalpy1 = _region12(1386, 16.53, gamma1)
volume2, entropy2, enthalpy2 = _region12(540, 1, gamma2)
def pressure3(t, rho):
    """Region-3 pressure in bar (for the verification only)."""
    delta = rho / 322
    return rho * R_SI * t * delta * phi3(647.096 / t, delta, 1) / 100000
# Without a physical density they give the library's out-of-range value.
def entropy3(t, rho):
    tau, delta = 647.096 / t, rho / 322
    return -1.0 if rho <= 0 else R_KJ * (tau * phi3(tau, delta, 0, 1) - phi3(tau, delta))
def enthalpy3(t, rho):
    tau, delta = 647.096 / t, rho / 322
    return -1.0 if rho <= 0 else R_KJ * t * (tau * phi3(tau, delta, 0, 1)
                                             + delta * phi3(tau, delta, 1))

def densReg3(t, p):
    rho = 100.0 if (t < 647.096 and p < pSatW(t)) else 600.0
    tau = 647.096 / t
    for _ in range(1000):
        delta = rho / 322
        fd = phi3(tau, delta, 1)
        fdd = phi3(tau, delta, 2)
        p_rho = fd * pw(rho, 2) * R_SI * t / 322
        slope = (R_SI * t / 322) * (2 * rho * fd + pw(rho, 2) * fdd / 322)
        rho_new = rho + (100000 * p - p_rho) / slope
        if abs(rho_new - rho) < 5e-6:
            return rho_new
        rho = rho_new
    return -2.0

# ---------------------------------------------------------------- public functions

def _in_region(f1, f2, f3, t, p):
    ps, pb, tb = pSatW(t), pBound23(t), tBound23(p)
    if 273.15 <= t <= 623.15 and ps <= p <= 1000:
        return f1(t, p)
    if ((273.15 <= t <= 623.15 and 0 < p <= ps) or (623.15 <= t <= 863.15 and 0 < p <= pb)
            or (863.15 <= t <= 1073.15 and 0 < p <= 1000)):
        return f2(t, p)
    if 623.15 <= t <= tb and pb <= p <= 1000:
        return f3(t, densReg3(t, p))
    return -1.0

entropyW = partial(_in_region, entropy1, entropy2, entropy3)
enthalpyW = partial(_in_region, enthalpy1, enthalpy2, enthalpy3)

def _sat_by_pressure(liquid, low_fn, reg3_fn, pref):
    p = pref[0]
    lo, hi = pSatW(273.15), pSatW(623.15)
    if lo <= p <= hi:
        t = tSatW(p)  # -1 below its range: no saturation state
        return -1.0 if t == -1.0 else low_fn(t, p)
    if hi < p <= 220.64:
        t = tSatW(p)
        pref[0] = p + 0.00001 if liquid else p - 0.00001
        return reg3_fn(t, densReg3(t, pref[0]))
    return -1.0

entropySatLiqPW = partial(_sat_by_pressure, True, entropy1, entropy3)
entropySatVapPW = partial(_sat_by_pressure, False, entropy2, entropy3)
enthalpySatLiqPW = partial(_sat_by_pressure, True, enthalpy1, enthalpy3)
enthalpySatVapPW = partial(_sat_by_pressure, False, enthalpy2, enthalpy3)

# ---------------------------------------------------------------- verification

def _verify():
    rows = []  # label, computed, published value
    # Tables 5 (region 1) and 15 (region 2): T K, p MPa, v, h, s.
    for region, t, p, *wanted in [
            (1, 300, 3, 0.100215168e-2, 0.115331273e3, 0.392294792),
            (1, 300, 80, 0.971180894e-3, 0.184142828e3, 0.368563852),
            (1, 500, 3, 0.120241800e-2, 0.975542239e3, 0.258041912e1),
            (2, 300, 0.0035, 0.394913866e2, 0.254991145e4, 0.852238967e1),
            (2, 700, 0.0035, 0.923015898e2, 0.333568375e4, 0.101749996e2),
            (2, 700, 30, 0.542946619e-2, 0.263149474e4, 0.517540298e1)]:
        volume = volume1 if region == 1 else volume2
        rows += [("%s%d(%g K, %g MPa)" % (name, region, t, p), f(t, 10 * p), want)
                 for name, f, want in zip("vhs", (volume, enthalpyW, entropyW), wanted)]
    # Table 33 (region 3): T, rho, p MPa, h, s; then the public functions at (T, p).
    for t, rho, p, h, s in [(650, 500, 0.255837018e2, 0.186343019e4, 0.405427273e1),
                            (650, 200, 0.222930643e2, 0.237512401e4, 0.485438792e1),
                            (750, 500, 0.783095639e2, 0.225868845e4, 0.446971906e1)]:
        p3 = pressure3(t, rho)
        rows += [("p3(%g K, %g kg/m3) MPa" % (t, rho), p3 / 10, p),
                 ("h3(%g K, %g kg/m3)" % (t, rho), enthalpy3(t, rho), h),
                 ("s3(%g K, %g kg/m3)" % (t, rho), entropy3(t, rho), s),
                 ("densReg3(%g K, p3) kg/m3" % t, densReg3(t, p3), rho),
                 ("enthalpyW(%g K, p3)" % t, enthalpyW(t, p3), h),
                 ("entropyW(%g K, p3)" % t, entropyW(t, p3), s)]
    rows += [("pSatW(%g K) MPa" % t, pSatW(t) / 10, p)
             for t, p in [(300, 0.353658941e-2), (500, 0.263889776e1), (600, 0.123443146e2)]]
    rows += [("tSatW(%g MPa)" % p, tSatW(10 * p), t)
             for p, t in [(0.1, 0.372755919e3), (1, 0.453035632e3), (10, 0.584149488e3)]]
    rows += [("pBound23(623.15 K) MPa", pBound23(623.15) / 10, 0.165291643e2),
             ("tBound23(100 MPa)", tBound23(1000), 863.15)]
    rel = [abs(got - want) / abs(want) for _, got, want in rows]
    same = [float("%.8e" % got) == float("%.8e" % want) for _, got, want in rows]
    for (name, got, want), r, ok in zip(rows, rel, same):
        print("%-32s %-22r table %-14.9g rel %.1e %s"
              % (name, got, want, r, "ok" if ok else "DIFFERS"))
    print("%d of %d values round to the table's 9 digits; worst relative deviation %.1e"
          % (sum(same), len(rows), max(rel)))
    print("tBound23(pBound23(623.15)) =", tBound23(pBound23(623.15)), "(just below 165.292 bar)")
    # Range ends and the near-critical shift.
    print("tSatW(pSatW(273.15)) =", tSatW(pSatW(273.15)), " tSatW(220.64) =", tSatW(220.64))
    pref = [200.0]  # each call shifts it before its pressure is printed
    print("entropySatLiqPW(200 bar) =", entropySatLiqPW(pref), " pressure after:", pref[0])
    print("entropySatVapPW(same variable) =", entropySatVapPW(pref), " pressure after:", pref[0])

if __name__ == "__main__":
    _verify()
