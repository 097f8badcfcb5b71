#!/usr/bin/env python3
"""Checks that every row of a score sheet ("Aktuell.skt") is a whole game:
either passed in, or a game type with a declarer (none in Ramsch) and a
settled value. Prints one line per fault and exits 1 when there is any.

    python3 scripts/check-sheet.py SHEET
"""
import sys
import xml.etree.ElementTree as ET


def main(path):
    root = ET.parse(path).getroot()
    rows = root.findall('./Spiele/Spiel')
    faults = []
    for n, row in enumerate(rows, 1):
        kind = int(row.get('TR', '0'))
        fields = [int(v) for v in row.get('STR', '-1 0 0 0').split()]
        declarer, value = fields[0], fields[3]
        given_up = row.get('ALSP_AUFGEGEBEN') == '1'
        if kind == 0:
            continue  # passed in
        if not 1 <= kind <= 8:
            faults.append('row %d: game type %d' % (n, kind))
        elif kind != 8 and not 0 <= declarer <= 2:
            faults.append('row %d: no declarer' % n)
        elif value == 0 and not given_up:
            faults.append('row %d: no value' % n)
    for fault in faults:
        print(fault)
    print('%s: %d rows, %s' % (path, len(rows), 'all complete games' if not faults else '%d faulty' % len(faults)))
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
