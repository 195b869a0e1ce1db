#!/usr/bin/python3
"""Draws the layers of a GeoPackage of ours into a PNG, for the README.

    render_gpkg.py SITUACE.gpkg OUT.png

Each layer goes through GDAL's ogr2ogr into CSV with its geometry as WKT and is drawn with
matplotlib in the file's own coordinates (EPSG:5514, easting and northing): the sections, the
connections to their house manholes, the points with their labels and the crossings.
"""

import csv
import io
import re
import subprocess
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

STYLE = {
    "useky": dict(color="#1f4e9e", linewidth=2.2, label="useky"),
    "pripojky": dict(color="#2a9d3a", linewidth=1.2, label="pripojky"),
    "body": dict(color="#1f4e9e", marker="o", markersize=6, linestyle="", label="body"),
    "krizeni": dict(color="#d62728", marker="x", markersize=9, markeredgewidth=2, linestyle="", label="krizeni"),
}


def rows(gpkg, layer):
    csv_text = subprocess.run(["ogr2ogr", "-f", "CSV", "/vsistdout/", gpkg, layer, "-lco", "GEOMETRY=AS_WKT"],
                              capture_output=True, check=True, encoding="utf-8").stdout
    return list(csv.DictReader(io.StringIO(csv_text)))


def coordinates(wkt):
    return [tuple(map(float, pair.split())) for pair in re.findall(r"-?[\d.]+ -?[\d.]+", wkt)]


def main():
    gpkg, out = sys.argv[1], sys.argv[2]
    fig, ax = plt.subplots(figsize=(9, 7), dpi=100)
    for layer in ("useky", "pripojky", "body", "krizeni"):
        for k, row in enumerate(rows(gpkg, layer)):
            xy = coordinates(row["WKT"])
            style = dict(STYLE[layer], label=STYLE[layer]["label"] if k == 0 else None)
            ax.plot([p[0] for p in xy], [p[1] for p in xy], **style)
            if layer == "body":
                ax.annotate(row["oznaceni"], xy[0], xytext=(-6, 6), textcoords="offset points", ha="right", fontsize=9)
            elif layer == "pripojky":
                ax.annotate(row["oznaceni_ds"], xy[-1], xytext=(4, -10), textcoords="offset points", fontsize=8,
                            color="#2a7d3a")
            elif layer == "krizeni":
                ax.annotate(row["oznaceni"], xy[0], xytext=(6, -12), textcoords="offset points", fontsize=8,
                            color="#d62728")
    ax.set_aspect("equal")
    ax.set_xlabel("easting = −Y (m), EPSG:5514")
    ax.set_ylabel("northing = −X (m), EPSG:5514")
    ax.ticklabel_format(useOffset=False, style="plain")
    ax.grid(True, color="#dddddd")
    ax.legend(loc="lower right")
    ax.set_title(gpkg.rsplit("/", 1)[-1])
    fig.tight_layout()
    fig.savefig(out)


if __name__ == "__main__":
    main()
