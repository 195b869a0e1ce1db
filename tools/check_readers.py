#!/usr/bin/python3
"""Opens our drawings in the programs engineers open them with, and checks that every text reads right.

    check_readers.py --cli LINEON_CLI --examples DIR --golden DIR

The drawings are the golden profiles of the test suite and the profile and site plan that
`lineon-cli compute` makes of every example project. Each one is read by

- ezdxf, without telling it the encoding: the header must make it decode the texts as code page
  1250, and every TEXT must read as the file's bytes decoded as code page 1250;
- GDAL's ogr2ogr, converting the drawing to CSV: the same texts, in the same order;
- LibreCAD's dxf2pdf (headless), which must print the drawing to a PDF without a word on its error
  output beyond its usual start-up lines.

Every point label of the project a drawing was made from (Czech letters such as "ř", "ě", "ů",
"Š") must be among its texts. Exits with 1 when a reader fails to open a file, prints an error, or
reads a text otherwise.
"""

import argparse
import csv
import os
import pathlib
import subprocess
import sys
import tempfile

import ezdxf

ENCODING = "cp1250"
TIMEOUT = 120  # seconds; LibreCAD waits for ever on a file it cannot read
# What dxf2pdf prints on every start, also when all goes well.
LIBRECAD_NOISE = ("RS_DEBUG::setLevel", "QStandardPaths: XDG_RUNTIME_DIR", "Printing ")


def file_texts(path):
    """The string of every TEXT entity, in file order, decoded from the file's own bytes."""
    lines = path.read_bytes().decode(ENCODING).split("\r\n")
    texts = []
    in_text = False
    for code, value in zip(lines[0::2], lines[1::2]):
        code = code.strip()
        if code == "0":
            in_text = value == "TEXT"
        elif code == "1" and in_text:
            texts.append(value)
    return texts


def point_labels(project):
    """The labels of the point rows of a project in the table format (.csv)."""
    labels = []
    for line in project.read_bytes().decode(ENCODING).split("\r\n"):
        if line.startswith("#"):
            break
        label = line.split(";")[0]
        if label:
            labels.append(label[:12])
    return labels


def read_with_ezdxf(path, expected):
    doc = ezdxf.readfile(path)
    if doc.encoding != ENCODING:
        return [f"ezdxf decodes the file as {doc.encoding}, not {ENCODING}"]
    texts = [entity.dxf.text for entity in doc.modelspace().query("TEXT")]
    return compare("ezdxf", texts, expected)


def read_with_gdal(path, expected, workdir):
    target = workdir / (path.stem + ".csv")
    result = subprocess.run(["ogr2ogr", "-f", "CSV", str(target), str(path)], capture_output=True,
                            text=True, timeout=TIMEOUT, env=dict(os.environ, CPL_LOG_ERRORS="ON"))
    problems = []
    if result.returncode != 0 or result.stderr.strip():
        problems.append(f"ogr2ogr exits with {result.returncode}: {result.stderr.strip()}")
    if not target.exists():
        return problems + ["ogr2ogr wrote no CSV"]
    with target.open(encoding="utf-8", newline="") as stream:
        texts = [row["Text"] for row in csv.DictReader(stream) if row["Text"]]
    return problems + compare("GDAL", texts, [text for text in expected if text])


def print_with_librecad(path, workdir):
    copy = workdir / path.name
    copy.write_bytes(path.read_bytes())
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=str(workdir))
    try:
        result = subprocess.run(["librecad", "dxf2pdf", copy.name], cwd=workdir, capture_output=True, text=True,
                                timeout=TIMEOUT, env=environment)
    except subprocess.TimeoutExpired:
        return [f"librecad dxf2pdf does not end within {TIMEOUT} s"]
    output = result.stdout + result.stderr
    noise = [line for line in output.splitlines() if line.strip() and not line.startswith(LIBRECAD_NOISE)]
    problems = []
    if result.returncode != 0 or noise:
        problems.append(f"librecad dxf2pdf exits with {result.returncode}: " + " | ".join(noise))
    pdf = copy.with_suffix(".pdf")
    if not pdf.exists() or pdf.stat().st_size == 0:
        problems.append("librecad dxf2pdf wrote no PDF")
    return problems


def compare(reader, texts, expected):
    if texts == expected:
        return []
    wrong = [f"{e!r} read as {t!r}" for e, t in zip(expected, texts) if e != t][:5]
    return [f"{reader} reads {len(texts)} texts, the file holds {len(expected)}: " + ", ".join(wrong)]


def check(path, labels, workdir):
    expected = file_texts(path)
    problems = [f"the point label {label!r} is not among the texts" for label in labels if label not in expected]
    problems += read_with_ezdxf(path, expected)
    problems += read_with_gdal(path, expected, workdir)
    problems += print_with_librecad(path, workdir)
    return problems


def drawings(arguments, workdir):
    """Pairs of a drawing and the project it was made from."""
    examples = pathlib.Path(arguments.examples)
    golden = pathlib.Path(arguments.golden)
    pairs = []
    for path in sorted(golden.glob("*.dxf")):
        stem = path.name.split("_")[0]
        pairs.append((path, next(examples.glob(stem + "*.csv"))))
    for project in sorted(examples.glob("*.csv")):
        out = workdir / ("compute-" + project.stem)
        out.mkdir()
        result = subprocess.run([arguments.cli, "compute", str(project), "--out", str(out)], capture_output=True,
                                text=True, timeout=TIMEOUT)
        if result.returncode != 0:
            raise SystemExit(f"FAIL: lineon-cli compute {project} exits with {result.returncode}: {result.stderr}")
        pairs += [(out / "podprof.dxf", project), (out / "situace.dxf", project)]
    return pairs


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--examples", required=True)
    parser.add_argument("--golden", required=True)
    arguments = parser.parse_args()
    failed = 0
    with tempfile.TemporaryDirectory() as temporary:
        workdir = pathlib.Path(temporary)
        pairs = drawings(arguments, workdir)
        for index, (path, project) in enumerate(pairs):
            scratch = workdir / f"read-{index}"
            scratch.mkdir()
            problems = check(path, point_labels(project), scratch)
            print(("FAIL " if problems else "ok   ") + str(path))
            for problem in problems:
                print("    " + problem)
            failed += bool(problems)
    print(f"{len(pairs)} drawings read by ezdxf, GDAL and LibreCAD, {failed} failed")
    return 1 if failed or not pairs else 0


if __name__ == "__main__":
    sys.exit(main())
