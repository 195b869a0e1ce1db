#!/usr/bin/python3
"""Reads back with GDAL's own tools the GeoPackage that `lineon-cli compute --gpkg` makes of every example.

    check_gpkg.py --cli LINEON_CLI --examples DIR

For each example project (in its network kind) the file "situace.gpkg" must

- open with `ogrinfo -al -so` and hold the layers body, useky, pripojky and krizeni, each in
  EPSG:5514, with as many features as the project has points, sections, connections with a house
  manhole and crossings (an empty connection row counts for nothing);
- carry every point label of the project unchanged ("Š7-Dvůr", "V4-Kořenná");
- have its first point at easting −Y, northing −X of the project's first row, which
  `gdaltransform -s_srs EPSG:5514 -t_srs EPSG:4326` puts inside the Czech Republic;
- pass GDAL's validate_gpkg.py where the system has it (python3-gdal); otherwise that check is
  skipped with a note.

Exits with 1 at the first difference.
"""

import argparse
import importlib.util
import pathlib
import re
import subprocess
import sys
import tempfile

ENCODING = "cp1250"
KINDS = {"kanalizace": "1", "vodovod": "2", "osa_komunikace": "3"}
CROSSING_CODES = ("ka", "kb", "kc", "kd", "ke")
LATITUDE = (48.5, 51.1)
LONGITUDE = (12.0, 18.9)


def fail(message):
    raise SystemExit("FAIL: " + message)


def run(command):
    result = subprocess.run(command, capture_output=True, encoding="utf-8", timeout=120)
    if result.returncode != 0:
        fail(f"{' '.join(command)} exits with {result.returncode}: {result.stderr}")
    return result.stdout


def expected(project):
    """Labels and first position of the points, and the feature count of every layer."""
    lines = [line for line in project.read_bytes().decode(ENCODING).split("\r\n") if line]
    split = next((i for i, line in enumerate(lines) if line.startswith("#")), len(lines))
    points = [line.split(";") for line in lines[:split]]
    rows = [[field.strip() for field in line.split(";")] for line in lines[split + 1:]]
    filled = [row for row in rows if any(field not in ("", "0", "0.000") for field in row[:9])]
    crossings = [row for row in filled if row[0] in CROSSING_CODES]
    connections = [row for row in filled if row[0] not in CROSSING_CODES and float(row[5] or 0) != 0]
    counts = {"body": len(points), "useky": len(points) - 1, "pripojky": len(connections), "krizeni": len(crossings)}
    return [p[0][:12] for p in points], (float(points[0][1]), float(points[0][2])), counts


def layers(summary):
    """Layer name -> (feature count, EPSG code of the layer's reference system) from `ogrinfo -so`."""
    found = {}
    for block in summary.split("\nLayer name: ")[1:]:
        name = block.split("\n", 1)[0].strip()
        count = re.search(r"^Feature Count: (\d+)$", block, re.M)
        # The reference system's own identifier closes its WKT, after those of its parts.
        codes = re.findall(r'^    ID\["EPSG",(\d+)\]\]$', block, re.M)
        found[name] = (int(count.group(1)) if count else None, codes[-1] if codes else None)
    return found


def validator():
    """GDAL's validate_gpkg.py of this interpreter's GDAL bindings, or None."""
    try:
        modul = importlib.util.find_spec("osgeo_utils.samples.validate_gpkg")
    except ModuleNotFoundError:
        return None
    return modul.origin if modul else None


def check(cli, project, workdir):
    out = workdir / project.stem
    out.mkdir()
    run([cli, "compute", str(project), "--kind", KINDS[project.stem], "--out", str(out), "--gpkg"])
    gpkg = out / "situace.gpkg"
    labels, (y, x), counts = expected(project)

    summary = run(["ogrinfo", "-al", "-so", str(gpkg)])
    found = layers(summary)
    for name, count in counts.items():
        if found.get(name) != (count, "5514"):
            fail(f"{gpkg} layer {name}: {found.get(name)} instead of ({count}, '5514')")

    body = run(["ogrinfo", "-al", "-q", str(gpkg), "body"])
    for label in labels:
        if f"oznaceni (String) = {label}\n" not in body:
            fail(f"{gpkg}: the label {label!r} does not read back")
    first = re.search(r"POINT \((\S+) (\S+)\)", body)
    easting, northing = float(first.group(1)), float(first.group(2))
    if abs(easting + y) > 1e-6 or abs(northing + x) > 1e-6:
        fail(f"{gpkg}: the first point lies at {easting} {northing}, not at -Y -X = {-y} {-x}")
    transformed = subprocess.run(["gdaltransform", "-s_srs", "EPSG:5514", "-t_srs", "EPSG:4326"],
                                 input=f"{easting} {northing}\n", capture_output=True, encoding="utf-8", timeout=60)
    longitude, latitude = (float(v) for v in transformed.stdout.split()[:2])
    if not (LATITUDE[0] <= latitude <= LATITUDE[1] and LONGITUDE[0] <= longitude <= LONGITUDE[1]):
        fail(f"{gpkg}: the first point lands at latitude {latitude}, longitude {longitude}")

    script = validator()
    if script:
        run([sys.executable, script, str(gpkg)])
    print(f"{project.name}: {counts}, first point at {latitude:.5f} N {longitude:.5f} E"
          + ("" if script else " (validate_gpkg.py not installed: not validated)"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--examples", required=True, type=pathlib.Path)
    arguments = parser.parse_args()
    with tempfile.TemporaryDirectory() as workdir:
        for project in sorted(arguments.examples.glob("*.csv")):
            check(arguments.cli, project, pathlib.Path(workdir))
    return 0


if __name__ == "__main__":
    sys.exit(main())
