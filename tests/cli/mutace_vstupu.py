#!/usr/bin/env python3
"""Mutations of the example files fed to every reader of lineon-cli: the project files in both
formats, both survey layouts, the settings file and the options file, each through the commands
that read it. Line-level mutations (lines dropped, doubled, swapped, cut, joined, repeated past the
tables' capacity, line ends changed, a byte order mark, the whole file in UTF-8) and field-level
ones (a field replaced by an empty one, "nan", a huge or tiny number, a byte outside code page 1250,
a character it lacks, ";" or "#", a nudged number; fields dropped, doubled, swapped).

Seeded: run i of seed s always makes the same input. It stops after --seconds and fails on a
signal, a sanitizer report, a hang, a peak memory over --peak-mb, an exit status other than 0, 1
or 2, a temporary file left behind, an exit 0 that replaced a file with one that holds no data, and
a failed command that changed a previous file (a failed compute may have written its earlier
outputs whole, never the one that failed). Failing inputs are kept under --keep.

usage: mutace_vstupu.py --cli lineon-cli --examples examples/ [--seed 15] [--seconds 60]
                        [--peak-mb 64] [--timeout 10] [--keep DIR]"""

import argparse
import os
import random
import re
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from beh_cli import spustit  # noqa: E402

PREDCHOZI_PROJEKT = b"P\xf8edchoz\xed;1.000;2.000;3.000;4.000;0.000;0.000;300;Ano;\r\n#\r\n"
PREDCHOZI_VYSTUP = b"p\xf8edchoz\xed v\xfdstup\r\n"
VYSTUPY = ("podprof.csv", "situace.dxf", "podprof.dxf")

ZAJIMAVE = [b"", b"0", b"-0", b"nan", b"inf", b"-inf", b"1e308", b"-1e308", b"1e-320", b"0x1A", b"9" * 400,
            b"-1", b"2147483648", b"-2147483649", b"1,5", b" 12.5 ", b"#", b";", b"Ano", b"Ne", b"TRUE", b"\x98",
            b"\x00", b"\x8a\xf8", "日本".encode(), b"\xef\xbb\xbf", b"a" * 200, b"1000000001", b"-999999999.99",
            b"0.004", b"\t", b"\r", b"=", b"1000", b"11", b"2000", b"100000", b"\xc5\x99"]

NASTAVENI = ["200", "100", "100", " 1.00000000000000E+0000", " 1.00000000000000E+0000", " 2.00000000000000E+0000",
             "10", "170", "500", "100", "5000", "1000", "400", "s", "s", "d", "v", "o", "Š", "0", "Kanalizace", "1",
             "/tmp/", "3", "Novák", "Svoboda", "Dvořák", "CZ", "1", "0", "1", "ka", "kb", "kc", "kd", "ke", "p", "n",
             "n", "m", "DŠ", "P", "FALSE", "FALSE", "hydrant", "soupe"]

VOLBY = ["# volby výpočtu", "tabcheck=1", "ramcheck=1", "matField=Kamenina ř", "DelkoveMeritko=200",
         "VyskoveMeritko=100", "ZobrazeniKryti=1", "psantxtcheck=1", "Sitcheck=1", "profcheck=1",
         "KodKrizeni1=ka", "AvBox=1", "mercombo=Dvořák", "zakEdit=Z-2024/ř7", "RadioButton2=1", "UmisteniX=5000"]


def cp1250(text):
    return text.encode("cp1250")


def semena(examples, cli, pracovni):
    """The files each kind of input starts from."""
    def cist(nazev):
        with open(os.path.join(examples, nazev), "rb") as f:
            return f.read()
    csv = [cist(n) for n in ("kanalizace.csv", "vodovod.csv", "osa_komunikace.csv")]
    dat = []
    for i, obsah in enumerate(csv):
        vstup, cil = os.path.join(pracovni, f"s{i}.csv"), os.path.join(pracovni, f"s{i}.dat")
        with open(vstup, "wb") as f:
            f.write(obsah)
        beh = spustit(cli, ["convert", vstup, cil], 30)
        if beh.status != 0:
            raise SystemExit("cannot make the line-format seed: " + beh.stderr)
        with open(cil, "rb") as f:
            dat.append(f.read())
    zamereni = cist("zamereni_kanalizace.txt")
    # The second layout: three characters of prefix, decimal commas, a minus before X.
    typ2 = b""
    for radek in zamereni.split(b"\r\n"):
        polozky = radek.split()
        if len(polozky) >= 4 and re.fullmatch(rb"[0-9.]+", polozky[1]):
            typ2 += b"xx " + polozky[1].replace(b".", b",") + b" -" + polozky[2].replace(b".", b",") + b" " \
                    + polozky[3].replace(b".", b",") + b"\r\n"
    return {"csv": csv, "dat": dat, "txt1": [zamereni], "txt2": [typ2],
            "nastav": [cp1250("\r\n".join(NASTAVENI) + "\r\n")], "volby": ["\n".join(VOLBY).encode() + b"\n"]}


ODDELOVACE = {"csv": b";", "txt1": b" ", "txt2": b" ", "volby": b"="}


def mutovat_pole(rng, radek, druh):
    oddelovac = ODDELOVACE.get(druh)
    pole = radek.split(oddelovac) if oddelovac else [radek]
    i = rng.randrange(len(pole))
    volba = rng.randrange(6)
    if volba == 0:
        pole[i] = rng.choice(ZAJIMAVE)
    elif volba == 1:
        try:
            cislo = float(pole[i].strip())
            pole[i] = repr(rng.choice([cislo + 0.004, cislo * 10, cislo * 1e6, -cislo, 0.0, cislo + 1e9,
                                       cislo / 3])).encode()
        except ValueError:
            pole[i] = rng.choice(ZAJIMAVE)
    elif volba == 2 and len(pole) > 1:
        del pole[i]
    elif volba == 3:
        pole.insert(i, pole[i])
    elif volba == 4:
        j = rng.randrange(len(pole))
        pole[i], pole[j] = pole[j], pole[i]
    else:
        pole[i] = pole[i] + rng.choice(ZAJIMAVE)
    return (oddelovac or b"").join(pole)


def mutovat(rng, data, druh, vsechna):
    radky = data.split(b"\n")
    for _ in range(rng.randint(1, 4)):
        if not radky:
            radky = [b""]
        i = rng.randrange(len(radky))
        volba = rng.randrange(16)
        if volba <= 5:
            konec = radky[i].endswith(b"\r")
            radky[i] = mutovat_pole(rng, radky[i].rstrip(b"\r"), druh) + (b"\r" if konec else b"")
        elif volba == 6:
            del radky[i]
        elif volba == 7:
            radky.insert(i, radky[i])
        elif volba == 8:
            j = rng.randrange(len(radky))
            radky[i], radky[j] = radky[j], radky[i]
        elif volba == 9:
            radky[i] = radky[i][:rng.randrange(len(radky[i]) + 1)]
        elif volba == 10 and i + 1 < len(radky):
            radky[i:i + 2] = [radky[i].rstrip(b"\r") + radky[i + 1]]
        elif volba == 11:
            radky.insert(i, rng.choice([b"", b"\r", b"#\r", b"x" * 70000 + b"\r"]))
        elif volba == 12:
            # Past the capacity of the tables and the coordinate list.
            radky[i:i + 1] = [radky[i]] * rng.choice([2, 100, 5001, 6000])
        elif volba == 13:
            ciziRadky = rng.choice(rng.choice(list(vsechna.values()))).split(b"\n")
            radky.insert(i, rng.choice(ciziRadky))
        elif volba == 14:
            radky = radky[:i]
        else:
            radky.insert(i, bytes(rng.randrange(256) for _ in range(rng.randint(1, 12))))
    vysledek = b"\n".join(radky)
    celek = rng.randrange(12)
    if celek == 0:
        vysledek = vysledek.replace(b"\r\n", b"\n")
    elif celek == 1:
        vysledek = vysledek.replace(b"\r\n", b"\r")
    elif celek == 2:
        vysledek = b"\xef\xbb\xbf" + vysledek
    elif celek == 3:
        vysledek = vysledek.decode("cp1250", "replace").encode("utf-8")
    elif celek == 4:
        vysledek = vysledek[:rng.randrange(len(vysledek) + 1)]
    return vysledek


def prikazy(rng, druh, vstup, dobry_projekt, dobre_zamereni, cil, vystup):
    """The commands that read an input of this kind, one picked at random."""
    druhSite = ["--kind", rng.choice(["1", "2", "3"])] if rng.random() < 0.5 else []
    rovina = ["--plane", str(rng.choice([-5, 0, 230, 240, 2147483647]))] if rng.random() < 0.2 else []
    moznosti = {
        "csv": [["convert", vstup, cil], ["compute", vstup, "--out", vystup] + druhSite + rovina],
        "dat": [["convert", vstup, cil, "--in-format", "dat"],
                ["compute", vstup, "--format", "dat", "--out", vystup] + druhSite],
        "txt1": [["import", vstup, "--type", "1", "--list", "--save", cil] + druhSite],
        # Points of the second layout carry no code: the automatic conversion makes no row of them.
        "txt2": [["import", vstup, "--type", "2", "--list"], ["import", vstup, "--type", "2", "--list", "--save", cil]],
        "nastav": [["convert", dobry_projekt, cil, "--settings", vstup],
                   ["import", dobre_zamereni, "--settings", vstup, "--save", cil],
                   ["compute", dobry_projekt, "--settings", vstup, "--out", vystup]],
        "volby": [["compute", dobry_projekt, "--options", vstup, "--out", vystup] + druhSite,
                  ["import", dobre_zamereni, "--options", vstup, "--save", cil]],
    }
    return rng.choice(moznosti[druh])


def drzi_data(projekt):
    """Whether a table-format project holds a row with data: a text or a number other than 0."""
    for radek in projekt.split(b"\r\n"):
        if radek == b"#":
            continue
        for pole in radek.split(b";"):
            try:
                if float(pole) != 0:
                    return True
            except ValueError:
                if pole.strip():
                    return True
    return False


def cely_vystup(obsah):
    """A drawing that ends with its EOF, or a written profile that ends with its line end (the
    options file may give the outputs any names)."""
    if obsah.startswith(b"  0\r\nSECTION\r\n"):
        return obsah.endswith(b"0\r\nEOF\r\n")
    return obsah.startswith(b"Ozn.;") and obsah.endswith(b"\r\n")


def obsah(cesta):
    try:
        with open(cesta, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


def overit(beh, argumenty, cil, vystup, peak_mb):
    """What is wrong with one run, if anything."""
    chyby = []
    if beh.hang:
        return ["hang"]
    if beh.signal is not None:
        return [f"signal {beh.signal}"]
    if beh.sanitizer_report():
        chyby.append("sanitizer report")
    if peak_mb and beh.peak_mb > peak_mb:
        chyby.append(f"peak memory {beh.peak_mb:.1f} MB")
    if beh.status not in (0, 1, 2):
        chyby.append(f"exit status {beh.status}")
    for adresar in (os.path.dirname(cil), vystup):
        for nazev in os.listdir(adresar):
            if nazev.startswith(".~"):
                chyby.append("temporary file left: " + nazev)
    novy = obsah(cil)
    prikaz = argumenty[0]
    if prikaz == "convert" or (prikaz == "import" and "--save" in argumenty):
        if beh.status != 0 and novy != PREDCHOZI_PROJEKT:
            chyby.append("a failed command changed the previous project file")
        if beh.status == 0 and novy != PREDCHOZI_PROJEKT and not drzi_data(novy or b""):
            chyby.append("exit 0 replaced the project file with one that holds no data")
    if prikaz == "compute":
        zmenene = [n for n in os.listdir(vystup) if obsah(os.path.join(vystup, n)) != PREDCHOZI_VYSTUP]
        for nazev in zmenene:
            if not cely_vystup(obsah(os.path.join(vystup, nazev))):
                chyby.append(f"{nazev} is not a whole file")
        if beh.status != 0:
            for nazev in re.findall(r"Soubor „([^“]*)“ nelze", beh.stderr):
                if os.path.dirname(nazev) == vystup.rstrip("/") and os.path.basename(nazev) in zmenene:
                    chyby.append("the failed output changed: " + nazev)
        if beh.status == 0 and "podprof.csv" in zmenene and \
                obsah(os.path.join(vystup, "podprof.csv")).count(b"\r\n") < 3:
            chyby.append("exit 0 with a written profile of no line")
    return chyby


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--examples", required=True)
    parser.add_argument("--seed", type=int, default=15)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--peak-mb", type=float, default=64)
    parser.add_argument("--timeout", type=float, default=10)
    parser.add_argument("--keep", default=None)
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="lineon-mutace-") as koren:
        pevne = os.path.join(koren, "pevne")
        os.mkdir(pevne)
        vsechna = semena(args.examples, args.cli, pevne)
        dobry_projekt = os.path.join(args.examples, "kanalizace.csv")
        dobre_zamereni = os.path.join(args.examples, "zamereni_kanalizace.txt")
        druhy = sorted(vsechna)
        konec = time.monotonic() + args.seconds
        behu, selhani = 0, 0
        pocty = {}
        while time.monotonic() < konec and selhani < 10:
            rng = random.Random(f"{args.seed}:{behu}")
            druh = druhy[behu % len(druhy)]
            pracovni = os.path.join(koren, "beh")
            shutil.rmtree(pracovni, ignore_errors=True)
            vystup = os.path.join(pracovni, "vystup") + "/"
            os.makedirs(vystup)
            vstup = os.path.join(pracovni, {"csv": "vstup.csv", "dat": "vstup.dat"}.get(druh, "vstup.txt"))
            with open(vstup, "wb") as f:
                f.write(mutovat(rng, rng.choice(vsechna[druh]), druh, vsechna))
            cil = os.path.join(pracovni, "cil.csv")
            with open(cil, "wb") as f:
                f.write(PREDCHOZI_PROJEKT)
            for nazev in VYSTUPY:
                with open(os.path.join(vystup, nazev), "wb") as f:
                    f.write(PREDCHOZI_VYSTUP)
            argumenty = prikazy(rng, druh, vstup, dobry_projekt, dobre_zamereni, cil, vystup)
            beh = spustit(args.cli, argumenty, args.timeout)
            pocty[(druh, beh.status)] = pocty.get((druh, beh.status), 0) + 1
            chyby = overit(beh, argumenty, cil, vystup, args.peak_mb)
            if chyby:
                selhani += 1
                print(f"FAIL run {behu} of seed {args.seed} ({druh}): {'; '.join(chyby)}")
                print("     lineon-cli " + " ".join(argumenty))
                print("     " + beh.stderr[-3000:].replace("\n", "\n     "))
                if args.keep:
                    kam = os.path.join(args.keep, f"{args.seed}-{behu}")
                    shutil.copytree(pracovni, kam, dirs_exist_ok=True)
                    print("     kept in " + kam)
            behu += 1
        celkem = {status: sum(p for (_, s), p in pocty.items() if s == status) for _, status in pocty}
        print(f"{behu} runs of seed {args.seed} in {args.seconds:.0f} s, {selhani} failed; "
              + ", ".join(f"status {s} × {p}" for s, p in sorted(celkem.items(), key=lambda x: str(x[0]))))
        for (druh, status), pocet in sorted(pocty.items(), key=lambda p: (p[0][0], str(p[0][1]))):
            print(f"  {druh}: status {status} × {pocet}")
        return 1 if selhani else 0


if __name__ == "__main__":
    sys.exit(main())
