"""The calculator's number rules, written independently for the reference
scripts: a box read as a number (ParseNumber), a figure shown (NumberText, at
most 15 significant digits, point separator, exponent from 1E+15 and below
1E-04) and rounding half to even with the tie judged on that 15-digit decimal
(RoundHalfEven)."""

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

def NumberText(x):
    # C's %.15g has the same digits and the same switch to the exponent form.
    return "0" if chk(x) == 0 else ("%.15g" % x).replace("e", "E")

def RoundHalfEven(x, n):
    if chk(x) == 0:
        return x
    d = Decimal("%.14e" % x)
    if d.adjusted() + 1 + n >= 15:
        return x
    return float(d.quantize(Decimal(1).scaleb(-n), rounding=ROUND_HALF_EVEN))

N = NumberText
R = RoundHalfEven
