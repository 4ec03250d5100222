#!/usr/bin/env python3
# Writes resources/help/TAideDesignation1-head.txt (memo lines 1 to 73 of the
# designation help). The kinds of material follow it at run time.
import os
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
T='\t'
R='  '+'-'*75
toc=["1 - MESSAGE: VALUE NO FOUND...","2 - GENERAL","3 - SEEK BY DESIGNATION AFNOR-DIN-UNI",
"4 - SEEK BY DESIGNATION ASTM-ASME","5 - SEEK BY AERONAUTICAL DESIGNATION AMS-DTD-AECMA-MSRR",
"6 - SEEK BY ALLOY","7 - SEEK TUBE BY DESIGNATION","8 - SEEK BY KIND OF MATERIAL"]
L=['']+[T*3+t for t in toc]+['']
secs=[
["  1 - MESSAGE: VALUE NO FOUND...","",
"  When the designation you typed is not in the data base, TALIX shows the",
"  message VALUE NO FOUND... and displays the designation that follows it",
"  in alphanumeric order. This following designation is no guarantee of a",
"  similar material: compare its composition and properties before use.",""],
["  2 - GENERAL","",
"  The names and numbers of standards follow the standardized designations.",
"  Only letters and figures are taken into account: blanks, points, hyphens",
"  and other signs are left out, and small letters become capitals.","",
"  Examples:    35 NCD 16         is typed    35NCD16",
"               1.7335            is typed    17335",
"               Z 2 CN 18.10      is typed    Z2CN1810",""],
["  3 - SEEK BY DESIGNATION AFNOR-DIN-UNI","",
"  Never type a zero after the Z of an AFNOR designation or after the X of a",
"  DIN or UNI designation:  Z 2 CN 18.10 is typed Z2CN1810, not Z02CN1810,",
"  and X 5 CrNi 18-10 is typed X5CRNI1810.",
"  For some stainless and high-speed steels, the AFNOR designation needs a",
"  leading zero on the contents below 10:",
"               Z 8 CD 17.01           is typed    Z8CD1701",
"               Z 85 WDCV 06.05.04.02  is typed    Z85WDCV06050402",""],
["  4 - SEEK BY DESIGNATION ASTM-ASME","",
"  Type the number of the standard followed by the grade, without blank; the",
"  word \"grade\" is abridged to GR:",
"               A182F11   A167GR304   A312TP316   A296CF8M   A234WPA",
"  An ASME designation takes an S before the ASTM code:  SA182F11, SA312TP316.",""],
["  5 - SEEK BY AERONAUTICAL DESIGNATION AMS-DTD-AECMA-MSRR","",
"  AMS, DTD and MSRR numbers are typed after their prefix, without blank:",
"  AMS5643, DTD5070. AECMA numbers are typed after EN or prEN.",""],
["  6 - SEEK BY ALLOY","",
"  The usual name of an alloy is typed after the word ALLOY, without blank:",
"  ALLOY600, ALLOY718, ALLOY20.",""],
["  7 - SEEK TUBE BY DESIGNATION","",
"  Type the international designation of the tube (A213TP316), or the",
"  Werkstoff number followed by the word TUBE:  14571TUBE.",""],
["  8 - SEEK BY KIND OF MATERIAL","",
"  Type one of the kinds of material or applications listed below, as it",
"  is written (blanks and signs are left out): SPRINGSTEEL, NAVALBRASS.",
"  The list is in alphabetical order; use the keys <PgUp> <PgDn> to read it."],
]
body=[]
for s in secs: body+= [R]+s
assert len(body) == 62, len(body)
L+=body+['']
assert len(L)==73,len(L)
open(os.path.join(ROOT, 'resources', 'help', 'TAideDesignation1-head.txt'), 'w', encoding='utf-8', newline='').write('\n'.join(L))
