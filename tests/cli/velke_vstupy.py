#!/usr/bin/env python3
"""Every reader of lineon-cli given an input of a few hundred megabytes: generated here, one at a
time, deleted after its run. Each run must end by itself with its status, within a bound that only
a hang passes, and without more than 64 MB of peak memory: the readers hold one buffer and one line
of a file, and stop or count once a format has no use for more.

usage: velke_vstupy.py --cli build/bin/lineon-cli --examples examples/ [--mb 256] [--peak-mb 64]"""

import argparse
import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from beh_cli import spustit  # noqa: E402

MB = 1024 * 1024


def zapsat(cesta, zacatek, opakovany, velikost, konec=b""):
    """`zacatek`, then `opakovany` over and over up to `velikost` bytes, then `konec`."""
    kus = opakovany * max(1, (4 * MB) // len(opakovany))
    with open(cesta, "wb") as soubor:
        soubor.write(zacatek)
        zapsano = len(zacatek)
        while zapsano < velikost:
            soubor.write(kus)
            zapsano += len(kus)
        soubor.write(konec)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--examples", required=True)
    parser.add_argument("--mb", type=int, default=256)
    parser.add_argument("--peak-mb", type=float, default=64)
    parser.add_argument("--timeout", type=float, default=120)
    args = parser.parse_args()
    velikost = args.mb * MB
    projekt = os.path.join(args.examples, "kanalizace.csv")
    zamereni = os.path.join(args.examples, "zamereni_kanalizace.txt")
    with open(projekt, "rb") as f:
        body_projektu = f.read()
    body_projektu = body_projektu[:body_projektu.index(b"#\r\n")]
    bod = b"4001      744812.407    1043526.144   245.794  s1\r\n"

    with tempfile.TemporaryDirectory(prefix="lineon-velke-") as adresar:
        vstup = os.path.join(adresar, "vstup")
        vystup = os.path.join(adresar, "vystup") + "/"
        os.mkdir(vystup)
        cil = os.path.join(adresar, "cil.csv")
        # (what, how the file is made, the command after lineon-cli, the status it must end with)
        pripady = [
            ("options file of comments", lambda: zapsat(vstup, b"", b"# komentar " + b"x" * 50 + b"\n", velikost),
             ["compute", projekt, "--options", vstup, "--out", vystup], 0),
            ("options file of settings", lambda: zapsat(vstup, b"", b"matField=PVC\n", velikost),
             ["compute", projekt, "--options", vstup, "--out", vystup], 0),
            ("options file of one line", lambda: zapsat(vstup, b"matField=", b"x", velikost),
             ["compute", projekt, "--options", vstup, "--out", vystup], 2),
            ("survey of points", lambda: zapsat(vstup, b"", bod, velikost),
             ["import", vstup, "--list", "--save", cil], 0),
            ("survey in UTF-8 of points", lambda: zapsat(vstup, b"\xef\xbb\xbf", bod.replace(b"s1", b"\xc5\x99"),
                                                         velikost),
             ["import", vstup, "--list"], 0),
            ("survey without one point", lambda: zapsat(vstup, b"", b"; pozn\xe1mka bez sou\xf8adnic\r\n", velikost),
             ["import", vstup, "--save", cil], 1),
            ("survey of the second layout", lambda: zapsat(vstup, b"", b"xx 744812,407 -1043526,144 245,794\r\n",
                                                           velikost),
             ["import", vstup, "--type", "2", "--list"], 0),
            ("survey of one line", lambda: zapsat(vstup, b"1 744812.407 1043526.144 245.794 ", b"s", velikost),
             ["import", vstup, "--list"], 0),
            ("project of points", lambda: zapsat(vstup, b"", body_projektu, velikost),
             ["compute", vstup, "--out", vystup], 2),
            ("project with empty lines after its connections",
             lambda: zapsat(vstup, body_projektu + b"#\r\n", b"\r\n", velikost),
             ["compute", vstup, "--out", vystup], 0),
            ("project in the line format", lambda: zapsat(vstup, b"", b"S1\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n300\r\nAno\r\n",
                                                          velikost),
             ["convert", vstup, cil, "--in-format", "dat"], 2),
            ("project of one line", lambda: zapsat(vstup, b"S1;", b"1", velikost),
             ["convert", vstup, cil], 2),
            ("settings file followed by more", lambda: zapsat(vstup, b"200\r\n" * 46, b"x" * 60 + b"\r\n", velikost),
             ["convert", projekt, cil, "--settings", vstup], 0),
            ("settings file of one line", lambda: zapsat(vstup, b"", b"7", velikost),
             ["convert", projekt, cil, "--settings", vstup], 0),
        ]
        selhani = 0
        for nazev, vytvorit, argumenty, ocekavany in pripady:
            vytvorit()
            mb = os.path.getsize(vstup) / MB
            beh = spustit(args.cli, argumenty, args.timeout)
            os.remove(vstup)
            chyby = []
            if beh.hang:
                chyby.append(f"did not end within {args.timeout:.0f} s")
            elif beh.signal is not None:
                chyby.append(f"ended by signal {beh.signal}")
            elif beh.status != ocekavany:
                chyby.append(f"status {beh.status}, expected {ocekavany}")
            if args.peak_mb and beh.peak_mb > args.peak_mb:
                chyby.append(f"peak memory {beh.peak_mb:.1f} MB over {args.peak_mb:.0f} MB")
            if beh.sanitizer_report():
                chyby.append("sanitizer report")
            print(f"{'FAIL' if chyby else 'ok  '} {nazev}: {mb:.0f} MB in {beh.seconds:.2f} s, "
                  f"peak {beh.peak_mb:.1f} MB, status {beh.status}; {'; '.join(chyby)}")
            if chyby:
                selhani += 1
                print("     " + " ".join(argumenty) + "\n     " + beh.stderr[:2000].replace("\n", "\n     "))
        print(f"{len(pripady) - selhani} of {len(pripady)} large inputs passed")
        return 1 if selhani else 0


if __name__ == "__main__":
    sys.exit(main())
