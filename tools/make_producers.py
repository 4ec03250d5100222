#!/usr/bin/env python3
"""Rebuilds the standards-body rows of data/producers.tsv from
data/standards-bodies.tsv, so that a body's address is kept in one place.

Usage: tools/make_producers.py [COMPANIES.txt]
Without argument the producer rows already in data/producers.tsv are kept
and only the standards-body rows are rebuilt. COMPANIES.txt (first import)
holds one producer a line: name|country|town|web site, the facts taken from
the producer's own web site."""
import csv
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Standards bodies whose documents the catalogue uses, with their web site.
BODY_WEB = {
    'AFNOR': 'afnor.org', 'DIN': 'din.de', 'BSI': 'bsigroup.com', 'ASTM': 'astm.org',
    'SAE': 'sae.org', 'ISO': 'iso.org', 'CEN': 'cencenelec.eu', 'JSA': 'jsa.or.jp',
    'UNI': 'uni.com', 'AENOR': 'aenor.com', 'SIS': 'sis.se', 'NEN': 'nen.nl',
    'SNV': 'snv.ch', 'ASI': 'austrian-standards.at', 'DS': 'ds.dk', 'SFS': 'sfs.fi',
    'SN': 'standard.no', 'ASME': 'asme.org', 'AWS': 'aws.org', 'AA': 'aluminum.org',
    'CDA': 'copper.org', 'ASM': 'asminternational.org', 'MPIF': 'mpif.org',
    'API': 'api.org', 'RR': 'rolls-royce.com', 'ASD-STAN': 'asd-stan.org',
    'CTIF': 'ctif.com', 'KTA': 'kta-gs.de', 'VDEh': 'vdeh.de', 'SA': 'standards.org.au',
    'CSA': 'csagroup.org', 'BIS': 'bis.gov.in', 'SAC': 'sac.gov.cn', 'GOST R': 'rst.gov.ru',
    'KSA': 'ksa.or.kr', 'ABNT': 'abnt.org.br', 'SABS': 'sabs.co.za', 'TSE': 'tse.org.tr',
    'PKN': 'pkn.pl', 'MSZT': 'mszt.hu', 'NBN': 'nbn.be', 'HZN': 'hzn.hr', 'LR': 'lr.org',
    'DNV': 'dnv.com', 'BV': 'bureauveritas.com', 'ABS': 'eagle.org', 'NK': 'classnk.or.jp',
    'RINA': 'rina.org', 'NACE': 'ampp.org', 'EDF': 'edf.fr', 'BDG': 'bdguss.de',
    'TÜV': 'tuev-verband.de', 'ESA': 'esa.int',
}

HEAD = ['name', 'country', 'zip', 'town', 'phone', 'fax', 'web', 'source']


def body_row(name):
    return any(name.endswith('(%s)' % a) for a in BODY_WEB)


def main(companies=None):
    rows = []
    if companies:
        with open(companies, encoding='utf-8') as f:
            for line in f:
                line = line.rstrip('\n')
                if not line or line.startswith('#'):
                    continue
                name, country, town, web = line.split('|')
                rows.append([name, country, '', town, '', '', web,
                             web + ' (head office town and web site)'])
    else:
        with open(os.path.join(ROOT, 'data', 'producers.tsv'), encoding='utf-8') as f:
            old = [l.rstrip('\n').split('\t') for l in f][1:]
        rows = [r for r in old if not body_row(r[0]) and r[6] not in ('dinmedia.de', 'stahleisen.de')]
    with open(os.path.join(ROOT, 'data', 'standards-bodies.tsv'), encoding='utf-8', newline='') as f:
        for b in csv.DictReader(f, delimiter='\t', quoting=csv.QUOTE_NONE):
            if b['abbrev'] not in BODY_WEB:
                continue
            rows.append(['%s (%s)' % (b['name'], b['abbrev']), b['country'], b['zip'],
                         b['town'], b['phone'], b['fax'], BODY_WEB[b['abbrev']], b['source']])
    rows.append(['DIN Media GmbH (ex Beuth Verlag, sales of DIN standards)', 'De', '', 'Berlin',
                 '', '', 'dinmedia.de', 'dinmedia.de (head office town and web site)'])
    rows.append(['Verlag Stahleisen GmbH (SEW material sheets, Stahl-Eisen-Liste)',
                 'De', '', 'Düsseldorf', '', '', 'stahleisen.de',
                 'stahleisen.de (head office town and web site)'])
    names = [r[0] for r in rows]
    assert len(names) == len(set(names)), 'duplicate producer'
    for r in rows:
        assert len(r) == 8 and all('\t' not in c and '\n' not in c for c in r), r
    with open(os.path.join(ROOT, 'data', 'producers.tsv'), 'w', encoding='utf-8', newline='') as f:
        f.write('\t'.join(HEAD) + '\n')
        for r in rows:
            f.write('\t'.join(r) + '\n')
    print(len(rows), 'producers')


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else None)
