#!/usr/bin/env python3
"""Writes resources/help/TAidePropMeca.txt, the help of the mechanical
properties window (97 memo lines, text indented by three spaces)."""
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
I = '   '

intro = [
    "Products evolve, and the supplier's choice always prevails over his own",
    "products: ask the stated supplier for updated information.",
    "",
    "Three asterisks *** mark mechanical characteristics that are very variable",
    "and depend on the conditions of use.",
    "",
    "The absence of data means that the information is unreliable or cannot be",
    "communicated. Equal minimal and maximal data are average values.",
    "",
    "Rm (tensile strength) and Rp0.2 % (yield strength) are given in MPa (N/mm²).",
    "They are measured at ambient temperature on a product in the tempered,",
    "normalized, annealed or delivery state; the other values are usually those",
    "of heat-treated products or test pieces.",
    "",
    "Hardnesses are given in HB (Brinell), HRC (Rockwell C) or HV (Vickers) as",
    "maximum values; a minimal hardness is preceded by \">\".",
    "",
]

# symbol, meaning (EN 10027-1 / EN 10083 / EN 10088 / EN 515 / EN 1173 /
# ASTM B601 / AMS usage)
symbols = [
    ("+A", "annealing of softening"),
    ("+AC", "annealed to obtain spheroidized carbides"),
    ("+AR", "as rolled"),
    ("+AT", "solution annealed"),
    ("+C", "cold work hardened"),
    ("+CR", "cold rolled"),
    ("+FP", "treated to a ferrite-pearlite structure and hardness range"),
    ("+H", "with hardenability requirements"),
    ("+LC", "skin passed (light cold drawn or rolled)"),
    ("+M", "thermomechanically rolled"),
    ("+N", "normalised"),
    ("+NT", "normalised and tempered"),
    ("+P", "precipitation hardened"),
    ("+Q", "quenched"),
    ("+QA", "air quenched"),
    ("+QO", "oil quenched"),
    ("+QT", "quenched and tempered"),
    ("+QW", "water quenched"),
    ("+S", "treated for cold shearing"),
    ("+SR", "stress relieved"),
    ("+T", "tempered"),
    ("+TH", "treated to a hardness range"),
    ("+U", "untreated"),
    ("1D", "hot rolled, heat treated, pickled (stainless sheet)"),
    ("2B", "cold rolled, heat treated, pickled, skin passed"),
    ("2D", "cold rolled, heat treated, pickled"),
    ("2H", "work hardened (stainless sheet and strip)"),
    ("2R", "cold rolled, bright annealed"),
    ("ann.", "annealed"),
    ("c.d", "cold drawn"),
    ("c.r", "cold rolled"),
    ("h.f", "hot finished"),
    ("h.r", "hot rolled"),
    ("forg.", "forged"),
    ("SA", "Solution Annealed"),
    ("ST", "Solution Treated"),
    ("STA", "Solution Treated and Aged"),
    ("MA", "Mill Annealed (titanium)"),
    ("Cond.A", "condition A, solution treated (PH stainless steels)"),
    ("H900", "solution treated and aged at 482 C (900 F)"),
    ("H1025", "solution treated and aged at 552 C (1025 F)"),
    ("H1150", "solution treated and aged at 621 C (1150 F)"),
    ("F", "as fabricated, as cast (aluminium, magnesium)"),
    ("O", "annealed (aluminium, magnesium)"),
    ("H1x", "strain-hardened only"),
    ("H2x", "strain-hardened and partially annealed"),
    ("H3x", "strain-hardened and stabilized"),
    ("W", "solution heat-treated, unstable temper"),
    ("T3", "solution heat-treated, cold worked, naturally aged"),
    ("T4", "solution heat-treated and naturally aged"),
    ("T5", "cooled from hot working or casting and artificially aged"),
    ("T6", "solution heat-treated and artificially aged"),
    ("T651", "T6, stress relieved by stretching"),
    ("T7", "solution heat-treated and overaged (stabilized)"),
    ("T8", "solution heat-treated, cold worked, artificially aged"),
    ("M", "as manufactured (copper alloys)"),
    ("R", "followed by the minimum tensile strength (copper alloys)"),
    ("O60", "soft annealed (copper alloys)"),
    ("H02", "half hard (copper alloys)"),
    ("H04", "hard (copper alloys)"),
]

castings = [
    ("Y20", "S F", "F", "sand casted (no heat-treatment)"),
    ("Y23", "S T6", "T6", "sand casted, solution treated, artificially aged"),
    ("Y24", "S T4", "T4", "sand casted, solution treated, naturally aged"),
    ("Y25", "S T5", "T5", "sand casted, stabilized"),
    ("Y30", "K F", "F", "permanent mould (no heat-treatment)"),
    ("Y33", "K T6", "T6", "permanent mould, solution treated, artificially aged"),
    ("Y34", "K T4", "T4", "permanent mould, solution treated, naturally aged"),
    ("Y35", "K T5", "T5", "permanent mould, stabilized"),
    ("Y40", "D F", "F", "under pressure (die cast, no heat-treatment)"),
]


def build():
    lines = ['', '', '']
    lines += [I + l if l else '' for l in intro]
    lines += [I + '1- Symbols', '']
    for sym, meaning in symbols:
        lines.append(I + '%-6s' % sym + '\t' + meaning)  # tab stop at column 16
    lines += ['', I + '2 - Heat-treatment for aluminium castings', '']
    lines.append(I + '%-14s%-12s%-8s%s' % ('NF A57-702', 'EN 1706', 'A.A', 'Meaning'))
    lines.append(I + '-' * 74)
    for nf, en, aa, meaning in castings:
        lines.append(I + '%-14s%-12s%-8s%s' % (nf, en, aa, meaning))
    lines.append('')
    return lines


if __name__ == '__main__':
    lines = build()
    assert len(symbols) == 60 and len(castings) == 9
    assert len(lines) == 97, len(lines)
    path = os.path.join(ROOT, 'resources', 'help', 'TAidePropMeca.txt')
    with open(path, 'w', encoding='utf-8', newline='') as f:
        f.write('\n'.join(lines))
