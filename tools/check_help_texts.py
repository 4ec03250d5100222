#!/usr/bin/env python3
"""Checks the help texts under resources/help and the list of kinds of
material: memo line counts (content split on "\\n"), no CR, the fixed
headings and tables the windows rely on. Exits 1 on the first list of
problems."""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
HELP = os.path.join(ROOT, 'resources', 'help')

COUNTS = {
    'TAideMenu.txt': 24, 'TAideDurete1.txt': 17, 'TAideResistance1.txt': 27,
    'TAideElasticite1.txt': 35, 'TAidePropChim.txt': 27,
    'TAidePropMeca.txt': 97, 'TAideAlliageDesignation1.txt': 297,
    'TAideDesignation1-head.txt': 73,
}


def memo_lines(name):
    with open(os.path.join(HELP, name), encoding='utf-8', newline='') as f:
        text = f.read()
    return text, text.split('\n')


def main():
    problems = []
    for name, count in COUNTS.items():
        text, lines = memo_lines(name)
        if '\r' in text:
            problems.append('%s: CR characters' % name)
        if len(lines) != count:
            problems.append('%s: %d memo lines, want %d' % (name, len(lines), count))

    # Designation help: 73 head lines + 1030 kinds + 1 blank = 1104.
    with open(os.path.join(ROOT, 'data', 'kinds-of-material.txt'), encoding='ascii') as f:
        kinds = f.read().split('\n')
    if kinds[-1] != '':
        problems.append('kinds-of-material.txt: no final LF')
    kinds = kinds[:-1]
    _, head = memo_lines('TAideDesignation1-head.txt')
    if len(head) + len(kinds) + 1 != 1104:
        problems.append('designation help: %d lines, want 1104' % (len(head) + len(kinds) + 1))
    if head[9] != '' or head[72] != '':
        problems.append('designation help: lines 10 and 73 must be blank')
    toc = [l for l in head[:9] if l]
    if len(toc) != 8 or not all(l.startswith('\t\t\t') and l[3] != '\t' for l in toc):
        problems.append('designation help: table of contents must be 8 titles after three tabs')

    _, alliage = memo_lines('TAideAlliageDesignation1.txt')
    toc = [l for l in alliage[:10] if l]
    if len(toc) != 8 or not all(l.startswith('\t' * 5 + '  ') for l in toc):
        problems.append('alliage help: table of contents must be 8 titles after five tabs and two spaces')
    if alliage[167] != '  Organisms       Country  Zip      Town            Phone          Facsimil  ':
        problems.append('alliage help: line 168 is not the organisms header')
    if alliage[168] != '  ' + '-' * 75 + '  ':
        problems.append('alliage help: line 169 is not the 75-dash rule')
    abbrev = [l for l in alliage[56:165]]
    if not any(l.startswith('  AFNOR         French Association of NORmalisation') for l in abbrev):
        problems.append('alliage help: AFNOR row missing from section 7')
    if not alliage[244].startswith('  8- Significance of the symbols, abbreviations'):
        problems.append('alliage help: line 245 is not the heading of section 8')
    sym = [l for l in alliage[246:296]]
    if len(sym) != 50 or not all(re.match(r'^  \S.{0,20}\s+\S', l) and l[24] != ' ' for l in sym):
        problems.append('alliage help: section 8 must hold 50 entries padded to 22 characters')

    _, meca = memo_lines('TAidePropMeca.txt')
    if meca[:3] != ['', '', '']:
        problems.append('mechanical help: must start with three blank lines')
    if not all(l == '' or l.startswith('   ') for l in meca):
        problems.append('mechanical help: text lines must be indented by three spaces')

    for p in problems:
        print(p)
    print('%d problems' % len(problems))
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
