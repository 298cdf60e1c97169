"""The calculator's number rules, written independently for the reference
scripts: a box read as a number (ParseNumber), a figure shown (NumberText, at
most 15 significant digits, point separator) and rounding half to even with
the tie judged on that 15-digit decimal (RoundHalfEven)."""

import math
import re
from decimal import ROUND_HALF_EVEN, Decimal

class RunError(Exception):
    """A run-time error: unreadable number or an infinite/undefined result."""

def chk(x):
    if not math.isfinite(x):
        raise RunError("arithmetic fault")
    return x

_NUMBER = re.compile(r"[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\Z")

def ParseNumber(text):
    s = text.strip(" \t")
    if not _NUMBER.match(s) or math.isinf(float(s)):
        raise RunError("type mismatch or overflow")
    return float(s)

def IsNumber(text):
    try:
        return ParseNumber(text) is not None
    except RunError:
        return False

def _digits15(magnitude):
    """Digits of magnitude to 15 significant digits and the exponent of the first."""
    mant, exp = ("%.14e" % magnitude).split("e")
    return mant.replace(".", ""), int(exp)

def NumberText(x):
    if chk(x) == 0:
        return "0"
    digits, exp = _digits15(abs(x))
    digits = digits.rstrip("0") or "0"
    sign = "-" if x < 0 else ""
    if exp >= 15 or exp < -4:
        text = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
        return sign + text + ("E-" if exp < 0 else "E+") + "%02d" % abs(exp)
    if exp < 0:
        return sign + "0." + "0" * (-exp - 1) + digits
    whole = exp + 1
    if len(digits) <= whole:
        return sign + digits + "0" * (whole - len(digits))
    return sign + digits[:whole] + "." + digits[whole:]

def RoundHalfEven(x, n):
    if chk(x) == 0:
        return x
    d = Decimal("%.14e" % x)
    if d.adjusted() + 1 + n >= 15:
        return x
    return float(d.quantize(Decimal(1).scaleb(-n), rounding=ROUND_HALF_EVEN))

N = NumberText
R = RoundHalfEven
