#!/usr/bin/env python3
"""Fails when an include in src/ runs upward or sideways between the layers.

A folder may include its own headers and those of the folders below it. The computing folders
of one level (calc, convert, dxf, written, gis, kontrola) do not include each other; the painting of drawings with Qt
(malba) lies between the commands and the two programs (ui, cli), which do not include each other. Prints every folder with the folders it includes."""
import pathlib
import re
import sys

VRSTVY = {
    'zaklad': 0,
    'data': 1,
    'calc': 2, 'convert': 2, 'dxf': 2, 'written': 2, 'gis': 2, 'kontrola': 2,
    'profile': 3,
    'prikazy': 4,
    'malba': 5,
    'ui': 6, 'cli': 6,
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/[^"]+"', re.M)


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else 'src')
    chyby = []
    graf = {}
    for soubor in sorted(src.rglob('*')):
        if soubor.suffix not in ('.h', '.cpp'):
            continue
        slozka = soubor.relative_to(src).parts[0]
        if slozka not in VRSTVY:
            chyby.append(f'{soubor}: folder "{slozka}" belongs to no layer')
            continue
        for cil in INCLUDE.findall(soubor.read_text(encoding='utf-8')):
            if cil == slozka:
                continue
            graf.setdefault(slozka, set()).add(cil)
            if cil not in VRSTVY or VRSTVY[cil] >= VRSTVY[slozka]:
                chyby.append(f'{soubor}: includes {cil}/, which is not below {slozka}/')
    for slozka in sorted(VRSTVY, key=lambda s: (VRSTVY[s], s)):
        print(f'{slozka}/ -> ' + ', '.join(f'{c}/' for c in sorted(graf.get(slozka, ()), key=lambda c: (VRSTVY.get(c, 9), c))))
    for chyba in chyby:
        print(chyba, file=sys.stderr)
    return 1 if chyby else 0


if __name__ == '__main__':
    sys.exit(main())
