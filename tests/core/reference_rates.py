#!/usr/bin/env python3
"""Period rates of the solver's test schedules, computed apart from the program.

Each amount and count is first rounded to the 80-bit extended value the C++ literal holds
(64-bit mantissa, to nearest, ties to even); the present value
    sum of a * (1 + i)^-t * (1 - (1 + i)^-n) / i   (t: the counts of the groups before)
is then taken with 50-digit decimals, and the sign change given for each schedule is halved
until the rate is known to 40 digits. Prints one line per schedule: its name and the rate to
25 significant digits.

    python3 tests/core/reference_rates.py
"""

from decimal import Decimal, getcontext
from fractions import Fraction

getcontext().prec = 50


def extended(text):
    """The extended value nearest to the decimal `text`, as an exact fraction."""
    value = Fraction(Decimal(text))
    if value == 0:
        return value
    exponent = 0
    magnitude = abs(value)
    while magnitude >= 2**64:
        magnitude /= 2
        exponent += 1
    while magnitude < 2**63:
        magnitude *= 2
        exponent -= 1
    mantissa = round(magnitude)  # Python rounds halves to even
    result = Fraction(mantissa) * Fraction(2) ** exponent
    return result if value > 0 else -result


def decimal(fraction):
    return Decimal(fraction.numerator) / Decimal(fraction.denominator)


def schedule(*groups):
    return [(decimal(extended(a)), decimal(extended(n))) for a, n in groups]


def present_value(groups, i):
    if i == 0:
        return sum(a * n for a, n in groups)
    log_base = (1 + i).ln()
    total = Decimal(0)
    offset = Decimal(0)
    for a, n in groups:
        total += (-offset * log_base).exp() * a * (1 - (-n * log_base).exp()) / i
        offset += n
    return total


def root(groups, low, high):
    low, high = Decimal(low), Decimal(high)
    f_low = present_value(groups, low)
    assert f_low * present_value(groups, high) < 0, "no sign change in the bracket"
    while high - low > Decimal("1e-40") * max(abs(low), abs(high), Decimal(1)):
        middle = (low + high) / 2
        f_middle = present_value(groups, middle)
        if f_middle == 0:
            return middle
        if (f_middle < 0) == (f_low < 0):
            low, f_low = middle, f_middle
        else:
            high = middle
    return (low + high) / 2


# A dossier of 360 groups, every count its own: the capital once, then 359 runs of payments.
FULL_DOSSIER = [(-100000, 1)] + [(8000 + (g % 7) * 10, Fraction(1024 + g, 1024)) for g in
                                 range(1, 360)]

CASES = [
    ("Loan", schedule(("-200000", "1"), ("2304.69", "180")), "0.009", "0.01"),
    ("LoanAllIn", schedule(("-190884", "1"), ("2393.69", "180")), "0.01", "0.011"),
    ("CalculatorLoan", schedule(("-100000", "1"), ("716.43", "240")), "0.0049", "0.0051"),
    ("LongLoan", schedule(("-250", "1"), ("35", "200")), "0.13", "0.15"),
    ("ThreeHundredSixtyMonths", schedule(("-100000", "1"), ("2001.60", "360")), "0.019", "0.021"),
    ("ManyPaymentsOfOne", schedule(("-65000", "1"), ("1", "65535")), "1e-9", "1e-5"),
    ("EndlessRepayments", schedule(("-100000", "1"), ("716.43", "65535")), "0.007", "0.0072"),
    ("TenfoldRepayment", schedule(("-100", "1"), ("1000", "1")), "8", "10"),
    ("OneSmallRepayment", schedule(("-250", "1"), ("35", "1")), "-0.9", "-0.8"),
    ("ShiftedRepayments",
     schedule(("-250", "1"), ("0", "-0.766667"), ("35", "200")), "0.14", "0.2"),
    ("TwoRatesLower", schedule(("-100", "1"), ("230", "1"), ("-132", "1")), "0.05", "0.15"),
    ("TwoRatesUpper", schedule(("-100", "1"), ("230", "1"), ("-132", "1")), "0.15", "0.25"),
    ("FullDossier", [(Decimal(a), decimal(Fraction(n))) for a, n in FULL_DOSSIER], "0.07", "0.09"),
    ("RepaymentBeforeTheOrigin",
     schedule(("-1000", "1"), ("0", "-40000"), ("1100", "1")), "-3e-6", "-2e-6"),
]

if __name__ == "__main__":
    for name, groups, low, high in CASES:
        print(f"{name} {root(groups, low, high):.24e}")
