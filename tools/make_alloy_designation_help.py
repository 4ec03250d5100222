#!/usr/bin/env python3
"""Writes resources/help/TAideAlliageDesignation1.txt, the help of the
designations result window (297 memo lines).

The table of standards bodies (memo lines 170 to 242) comes from
data/standards-bodies.tsv; edit that file, not the text, and rerun."""
import csv
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RULE = '  ' + '-' * 75

TOC = ["1- PRINTING ERROR", "2- MESSAGE:  VALUE NO FOUND...",
       "3- WHAT DOES THE YELLOW BAR INDICATE?", "4- EUROPEAN STANDARDS",
       "5- SIMILAR DESIGNATIONS", "6- WARNING AND USE",
       "7- INITIALS, NORM AND INTERNATIONAL STANDARDS",
       "8- SIGNIFICANCE OF THE ABREVIATIONS, SYMBOLS"]

# Sections 1 to 6 (memo lines 11 to 52). The second section carries the
# number 1 as well: that is how the text has always read.
SECTIONS = [
    ["  1 - PRINTING ERROR", "",
     "  After a printing error the software closes. Start it again, search the",
     "  alloy again, then use File, Annotating and then File, Print.", ""],
    ["  1 - MESSAGE:  VALUE NO FOUND...", "",
     "  The designation typed is not in the data base: TALIX shows the",
     "  designation that follows it in alphanumeric order. This following",
     "  designation is no guarantee of a similar material.", ""],
    ["  3 - WHAT DOES THE YELLOW BAR INDICATE?", "",
     "  The yellow bar marks the position of the designation found among the",
     "  designations of the alloy.", ""],
    ["  4 - EUROPEAN STANDARDS", "",
     "  The European standards (EN) give each grade an alphanumeric designation",
     "  (steel name, for example X5CrNi18-10) and a numerical one (material",
     "  number, for example 1.4301). TALIX puts the alphanumeric designations",
     "  in the AFNOR field and the numerical ones in the Werkstoff field.", ""],
    ["  5 - SIMILAR DESIGNATIONS", "",
     "  Similar designations of different standards do not mean the same",
     "  material: compositions and properties may differ. Press F8 (following",
     "  designation) to check the grades that follow.", ""],
    ["  6 - WARNING AND USE", "",
     "  The symbol ~ marks a designation that is similar, not identical:",
     "  consult the suppliers before use. The information between brackets",
     "  gives the standard, the country, the usage, the supplier or a comment,",
     "  for example (ASTM, USA) or (aeronautical).", ""],
]

# Abbreviation, meaning, country code (seat of the body or origin of the
# designation system; blank when it is not one country's).
ABBREVIATIONS = [
    ("AA", "Aluminum Association", "Us"),
    ("ABNT", "Associação Brasileira de Normas Técnicas", "Br"),
    ("ABS", "American Bureau of Shipping", "Us"),
    ("ACI", "Alloy Casting Institute (cast stainless grades)", "Us"),
    ("AECMA", "European Association of Aerospace Manufacturers", "Eu"),
    ("AEROSPACE", "Aerospace series standards (AECMA, now ASD-STAN)", "Eu"),
    ("AFNOR", "French Association of NORmalisation", "Fr"),
    ("AIR", "French aeronautical standard (norme AIR)", "Fr"),
    ("AISI", "American Iron and Steel Institute", "Us"),
    ("ALCAN", "Alcan Aluminium Ltd, producer designation", "Ca"),
    ("AMS", "Aerospace Material Specification (SAE)", "Us"),
    ("ANSI", "American National Standards Institute", "Us"),
    ("API", "American Petroleum Institute", "Us"),
    ("AS", "Australian Standard (Standards Australia)", "Au"),
    ("ASM", "ASM International (American Society for Metals)", "Us"),
    ("ASME", "American Society of Mechanical Engineers", "Us"),
    ("AST", "short form of ASTM met in older documents", "Us"),
    ("ASTM", "American Society for Testing and Materials", "Us"),
    ("ASTM Rm", "ASTM class defined by its tensile strength", "Us"),
    ("ASTM Rp", "ASTM class defined by its yield strength", "Us"),
    ("AUTAAS", "designation met in producers' documents; its issuing", ""),
    ("", "body is not confirmed: ask the supplier", ""),
    ("AWS", "American Welding Society", "Us"),
    ("BAS", "Standard of Bosnia and Herzegovina", "Ba"),
    ("BS", "British Standard", "Gb"),
    ("BSI", "British Standards Institution", "Gb"),
    ("BV", "Bureau Veritas", "Fr"),
    ("CDA", "Copper Development Association", "Us"),
    ("CEN", "European Committee for Standardization", "Eu"),
    ("CSA", "Canadian Standards Association", "Ca"),
    ("CSN", "Czech technical standard (Česká technická norma)", "Cz"),
    ("CTIF", "Centre Technique des Industries de la Fonderie", "Fr"),
    ("DEF STAN", "Defence Standard (UK Ministry of Defence)", "Gb"),
    ("DEF Std", "Defence Standard, older abbreviation", "Gb"),
    ("DIN", "Deutsches Institut für Normung", "De"),
    ("DLIS-KCCD", "Defense Logistics Information Service reference", "Us"),
    ("DNV", "Det Norske Veritas", "No"),
    ("DOD", "Department of Defense", "Us"),
    ("DS", "Dansk Standard", "Dk"),
    ("DTD", "Directorate of Technical Development specification", "Gb"),
    ("ECISS", "European Committee for Iron and Steel Standardization", "Eu"),
    ("EDF", "Électricité de France", "Fr"),
    ("En", "BS 970 steel numbers of 1955 (En series)", "Gb"),
    ("EN", "European Standard (Europäische Norm)", "Eu"),
    ("ESA", "European Space Agency", "Eu"),
    ("EU", "EURONORM number", "Eu"),
    ("EURONORM", "European Coal and Steel Community standard", "Eu"),
    ("FEDERAL", "US Federal Specification (QQ series)", "Us"),
    ("FMV", "Swedish Defence Materiel Administration", "Se"),
    ("GB", "Guobiao, national standard of China", "Cn"),
    ("GE", "General Electric material specification", "Us"),
    ("GL", "Germanischer Lloyd", "De"),
    ("GOST", "Gosudarstvennyy Standart, state standard (USSR, CIS)", "Ru"),
    ("HRN", "Croatian standard (Hrvatska norma)", "Hr"),
    ("IC", "Investment Casting Institute designation", "Us"),
    ("IHA", "designation whose issuing body is not confirmed", ""),
    ("INDRET", "Naval propulsion establishment of Indret (DCN)", "Fr"),
    ("IS", "Indian Standard (Bureau of Indian Standards)", "In"),
    ("ISO", "International Organization for Standardization", "Ch"),
    ("JIS", "Japanese Industrial Standard", "Jp"),
    ("JUS", "Yugoslav standard (Jugoslovenski standard)", "Yu"),
    ("KS", "Korean Industrial Standard", "Kr"),
    ("KIS", "Korean Industrial Standard, older abbreviation", "Kr"),
    ("KTA", "Kerntechnischer Ausschuss (nuclear safety standards)", "De"),
    ("LRS", "Lloyd's Register of Shipping", "Gb"),
    ("LW", "Luftfahrtwerkstoff, German aeronautical material", "De"),
    ("MIL", "US Military Specification or Standard", "Us"),
    ("MILITARY", "US Military Specification", "Us"),
    ("MNC", "Metallnormcentralen, Swedish metal standards", "Se"),
    ("MPIF", "Metal Powder Industries Federation", "Us"),
    ("MSDS", "Material Safety Data Sheet", ""),
    ("MSRR", "Material Specification Rolls-Royce", "Gb"),
    ("MSZ", "Hungarian standard (Magyar Szabvány)", "Hu"),
    ("NBN", "Belgian standard (Bureau de Normalisation)", "Be"),
    ("NCPWB", "National Certified Pipe Welding Bureau", "Us"),
    ("NES", "Naval Engineering Standard (UK Ministry of Defence)", "Gb"),
    ("NF", "Norme Française (AFNOR)", "Fr"),
    ("NFEN", "European Standard published as NF EN", "Fr"),
    ("NK", "Nippon Kaiji Kyokai (ClassNK)", "Jp"),
    ("NORME AIR", "French aeronautical standard (AIR)", "Fr"),
    ("NS", "Norsk Standard", "No"),
    ("ÖNORM", "Austrian standard (Austrian Standards)", "At"),
    ("PN", "Polish standard (Polska Norma)", "Pl"),
    ("RCCM", "AFCEN design and construction rules, nuclear islands", "Fr"),
    ("RINa", "Registro Italiano Navale", "It"),
    ("RWMA", "Resistance Welder Manufacturers' Association", "Us"),
    ("SABS", "South African Bureau of Standards", "Za"),
    ("SAE", "Society of Automotive Engineers (SAE International)", "Us"),
    ("SEL", "Stahl-Eisen-Liste (register of German steels)", "De"),
    ("SEW", "Stahl-Eisen-Werkstoffblatt (VDEh material sheet)", "De"),
    ("SFS", "Finnish standard (Suomen Standardisoimisliitto)", "Fi"),
    ("SIA", "Swiss Society of Engineers and Architects", "Ch"),
    ("SR", "Romanian standard (Standard Român)", "Ro"),
    ("SS / SIS", "Swedish Standard / Swedish Institute for Standards", "Se"),
    ("STAS", "Romanian state standard (Standard de Stat)", "Ro"),
    ("TSE", "Turkish Standards Institution", "Tr"),
    ("TÜV", "Technischer Überwachungsverein", "De"),
    ("UDC", "Universal Decimal Classification", ""),
    ("UNE", "Spanish standard (Una Norma Española)", "Es"),
    ("UNI", "Ente Nazionale Italiano di Unificazione", "It"),
    ("UNS", "Unified Numbering System (SAE and ASTM)", "Us"),
    ("URSS R.S", "Register of Shipping of the USSR", "Ru"),
    ("VAR", "Vacuum Arc Remelted", ""),
    ("VDG", "Verein Deutscher Giessereifachleute (data sheets)", "De"),
    ("VdTÜV", "Verband der Technischen Überwachungs-Vereine", "De"),
    ("VSM", "Verein Schweizerischer Maschinen-Industrieller", "Ch"),
    ("WERKSTOFF N°", "Werkstoffnummer, material number (DIN EN 10027-2)", "De"),
    ("WL", "Werkstoff-Leistungsblatt, German aerospace material", "De"),
    ("WN", "Werkstoffnummer, material number", "De"),
]

# Section 8: abbreviation (padded to 22 characters) and meaning.
SYMBOLS = [
    ("~", "similar designation, not identical"),
    ("analysis", "comparison with analysis only"),
    ("Rm", "comparison with tensile strength"),
    ("Rp", "comparison with yield strength"),
    ("acc.", "according to"),
    ("cf", "compare with, according to"),
    ("rem.", "remainder, balance of the composition"),
    ("min.", "minimum"),
    ("max.", "maximum"),
    ("ann.", "annealed"),
    ("c.d", "cold drawn"),
    ("c.r", "cold rolled"),
    ("h.r", "hot rolled"),
    ("h.f", "hot finished"),
    ("forg.", "forged, forging"),
    ("cast", "casting"),
    ("sand", "sand casting"),
    ("die", "die casting"),
    ("centrif.", "centrifugal casting"),
    ("inv.", "investment casting"),
    ("bar", "bars"),
    ("sheet", "sheet and strip"),
    ("plate", "plate"),
    ("tube", "tubes"),
    ("wire", "wire"),
    ("weld", "welding filler metal"),
    ("AOD", "argon oxygen decarburized"),
    ("EB", "electron beam melted"),
    ("ESR", "electroslag remelted"),
    ("VAR", "vacuum arc remelted"),
    ("VIM", "vacuum induction melted"),
    ("PM", "powder metallurgy"),
    ("HIP", "hot isostatically pressed"),
    ("ELI", "extra low interstitial"),
    ("N", "normalized"),
    ("NT", "normalized and tempered"),
    ("QT", "quenched and tempered"),
    ("SA", "solution annealed"),
    ("ST", "solution treated"),
    ("STA", "solution treated and aged"),
    ("PH", "precipitation hardening"),
    ("CW", "cold worked"),
    ("WS", "work-strengthened"),
    ("HT", "heat treated"),
    ("pr", "draft standard (prEN, prNF)"),
    ("obs.", "obsolete, withdrawn standard"),
    ("aero.", "aeronautical use"),
    ("nucl.", "nuclear use"),
    ("mar.", "marine use"),
    ("elec.", "electrical use"),
]

HEADER = "  Organisms       Country  Zip      Town            Phone          Facsimil  "


def bodies():
    path = os.path.join(ROOT, 'data', 'standards-bodies.tsv')
    with open(path, encoding='utf-8', newline='') as f:
        rows = list(csv.DictReader(f, delimiter='\t', quoting=csv.QUOTE_NONE))
    lines = []
    for r in rows:
        line = '  %-16s%-9s%-9s%-16s%-15s%-15s%s' % (
            r['abbrev'], r['country'], r['zip'], r['town'], r['phone'],
            r['fax'], r['name'])
        lines.append(line)
    return lines


def build():
    L = ['']
    L += ['\t' * 5 + '  ' + t for t in TOC]
    L += ['']
    assert len(L) == 10
    for s in SECTIONS:
        L += [RULE] + s
    assert len(L) == 52, len(L)
    L += ['', RULE,
          '  7- Initials and abbreviations of international norms and standards you may come across:',
          '']
    for abbr, meaning, country in ABBREVIATIONS:
        L.append(('  %-14s%-55s%s' % (abbr, meaning, country)).rstrip())
    assert len(L) == 165, len(L)
    L += ['', ' ', HEADER, RULE + '  ']
    L += bodies()
    assert len(L) == 242, len(L)
    L += ['', RULE]
    L += ['  8- Significance of the symbols, abbreviations', '']
    for abbr, meaning in SYMBOLS:
        L.append('  %-22s%s' % (abbr, meaning))
    L += ['']
    return L


if __name__ == '__main__':
    assert len(ABBREVIATIONS) == 109 and len(SYMBOLS) == 50
    lines = build()
    assert len(lines) == 297, len(lines)
    out = os.path.join(ROOT, 'resources', 'help', 'TAideAlliageDesignation1.txt')
    with open(out, 'w', encoding='utf-8', newline='') as f:
        f.write('\n'.join(lines))
