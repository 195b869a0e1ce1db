#!/usr/bin/python3
"""Reads back with poppler's tools the PDF files that `lineon-cli compute --pdf` makes of every example.

    check_pdf.py --cli LINEON_CLI --examples DIR [--out DIR]

For each example project (in its network kind), run in an empty directory with the default scales:

- `pdfinfo` of "podprof.pdf" and "situace.pdf" gives one page whose size is the extents of the DXF
  file beside it ($EXTMIN, $EXTMAX) at the drawing's scale, to 0.5 mm: 1000/H mm per unit for the
  profile (H from the height of its texts on "TEXTY", H × 0.002), 1000/M for the site plan (M
  from its descriptions on "POPIS", 1 mm of paper high);
- `pdftotext` finds every text of the DXF file in the PDF, the Czech captions and the point labels
  among them;
- with --pdf-a3 every page is A3 landscape and carries its sheet number "list i/n".

With --out the pages are also drawn by `pdftoppm` into that directory, for the README.
Exits with 1 at the first difference.
"""

import argparse
import pathlib
import re
import subprocess
import sys
import tempfile

KINDS = {"kanalizace": "1", "vodovod": "2", "osa_komunikace": "3"}
MM_PER_PT = 25.4 / 72


def fail(message):
    raise SystemExit("FAIL: " + message)


def run(command, cwd=None):
    result = subprocess.run(command, capture_output=True, encoding="utf-8", timeout=300, cwd=cwd)
    if result.returncode != 0:
        fail(f"{' '.join(map(str, command))} exits with {result.returncode}: {result.stderr}")
    return result.stdout


def dxf(path):
    """The extents and the texts (layer, height, string) of one of our DXF files."""
    lines = path.read_bytes().decode("cp1250").split("\r\n")
    pairs = list(zip(lines[0::2], lines[1::2]))
    header = {}
    for i, (code, value) in enumerate(pairs):
        if code.strip() == "9" and value in ("$EXTMIN", "$EXTMAX"):
            header[value] = (float(pairs[i + 1][1]), float(pairs[i + 2][1]))
    texts = []
    entity = None
    for code, value in pairs[pairs.index(("  2", "ENTITIES")):]:
        code = code.strip()
        if code == "0":
            if entity and entity.get("0") == "TEXT":
                texts.append((entity["8"], float(entity["40"]), entity["1"]))
            entity = {"0": value}
        elif entity is not None and code not in entity:
            entity[code] = value
    return header, texts


def pages(pdf):
    info = run(["pdfinfo", "-f", "1", "-l", "100000", str(pdf)])
    sizes = re.findall(r"Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts", info)
    return [(float(w) * MM_PER_PT, float(h) * MM_PER_PT) for w, h in sizes]


def check_drawing(pdf, dxf_path, layer, unit_of_height):
    header, texts = dxf(dxf_path)
    heights = [h for l, h, _ in texts if l == layer]
    if not heights:
        fail(f"{dxf_path}: no text on {layer}")
    mm_per_unit = unit_of_height / heights[0]
    (x1, y1), (x2, y2) = header["$EXTMIN"], header["$EXTMAX"]
    width, height = (x2 - x1) * mm_per_unit, (y2 - y1) * mm_per_unit
    sizes = pages(pdf)
    if len(sizes) != 1:
        fail(f"{pdf}: {len(sizes)} pages, one expected")
    if abs(sizes[0][0] - width) > 0.5 or abs(sizes[0][1] - height) > 0.5:
        fail(f"{pdf}: page {sizes[0][0]:.2f} x {sizes[0][1]:.2f} mm, the extents at scale are {width:.2f} x {height:.2f} mm")
    # pdftotext breaks a slanted text into pieces where its letters step across lines; without
    # blanks every text still stands whole.
    found = "".join(run(["pdftotext", "-raw", str(pdf), "-"]).split())
    for _, _, text in texts:
        if "".join(text.split()) not in found:
            fail(f"{pdf}: pdftotext does not find the text \"{text}\" of {dxf_path.name}")
    print(f"ok {pdf.parent.name}/{pdf.name}: {width:.1f} x {height:.1f} mm, {len(texts)} texts")
    return found


def check_sheets(pdf):
    sizes = pages(pdf)
    if any(abs(w - 420) > 0.5 or abs(h - 297) > 0.5 for w, h in sizes):
        fail(f"{pdf}: a page that is not A3 landscape: {sizes}")
    found = run(["pdftotext", "-raw", str(pdf), "-"])
    for i in range(1, len(sizes) + 1):
        if len(sizes) > 1 and f"list {i}/{len(sizes)}" not in found:
            fail(f"{pdf}: sheet {i} lacks its number")
    print(f"ok {pdf.parent.name}/{pdf.name}: {len(sizes)} A3 sheets")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--examples", required=True, type=pathlib.Path)
    parser.add_argument("--out", type=pathlib.Path)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as tmp:
        for name, kind in KINDS.items():
            out = pathlib.Path(tmp) / name
            out.mkdir()
            project = args.examples / f"{name}.csv"
            run([args.cli, "compute", str(project), "--kind", kind, "--out", str(out), "--pdf"], cwd=out)
            profile = check_drawing(out / "podprof.pdf", out / "podprof.dxf", "TEXTY", 0.002 * 1000)
            check_drawing(out / "situace.pdf", out / "situace.dxf", "POPIS", 1.0)
            if name == "kanalizace":
                for caption in ("OZNAČENÍŠACHET", "KÓTADNA", "Š7-Dvůr"):
                    if caption not in profile:
                        fail(f"{name}: pdftotext does not find \"{caption}\"")
            if args.out:
                args.out.mkdir(parents=True, exist_ok=True)
                run(["pdftoppm", "-r", "40", "-png", "-singlefile", str(out / "podprof.pdf"), str(args.out / f"{name}-podprof")])
            sheets = pathlib.Path(tmp) / (name + "-a3")
            sheets.mkdir()
            run([args.cli, "compute", str(project), "--kind", kind, "--out", str(sheets), "--pdf-a3"], cwd=sheets)
            check_sheets(sheets / "podprof.pdf")
            check_sheets(sheets / "situace.pdf")
    return 0


if __name__ == "__main__":
    sys.exit(main())
