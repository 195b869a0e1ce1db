#!/usr/bin/python3
"""Draws a DXF file into a picture with ezdxf's drawing add-on and matplotlib.

    render_dxf.py DXF PNG [--dpi N] [--light] [--window XMIN YMIN XMAX YMAX]

The drawing is read in the code page its header declares (1250 in our files) and drawn on the dark background
of a CAD program's model space, or on white with --light. --window shows only that part of the
drawing, in the file's own coordinates (the site plan holds -Y, -X of the national grid).
"""

import argparse
import logging
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

import ezdxf  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402
from ezdxf.addons.drawing.properties import LayoutProperties  # noqa: E402

WIDTH_INCHES = 12


def render(dxf_path, png_path, dpi, light, window):
    doc = ezdxf.readfile(dxf_path)
    msp = doc.modelspace()
    figure = plt.figure()
    axes = figure.add_axes([0, 0, 1, 1])
    context = RenderContext(doc)
    layout_properties = LayoutProperties.from_layout(msp)
    if light:
        layout_properties.set_colors("#ffffff")
    backend = MatplotlibBackend(axes, adjust_figure=False)
    Frontend(context, backend).draw_layout(msp, finalize=True, layout_properties=layout_properties)
    if window:
        xmin, ymin, xmax, ymax = window
        axes.set_xlim(xmin, xmax)
        axes.set_ylim(ymin, ymax)
    xmin, xmax = axes.get_xlim()
    ymin, ymax = axes.get_ylim()
    axes.set_aspect("equal")
    figure.set_size_inches(WIDTH_INCHES, WIDTH_INCHES * abs(ymax - ymin) / abs(xmax - xmin))
    figure.savefig(png_path, dpi=dpi, facecolor=layout_properties.background_color)
    plt.close(figure)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("dxf")
    parser.add_argument("png")
    parser.add_argument("--dpi", type=int, default=150)
    parser.add_argument("--light", action="store_true", help="white background")
    parser.add_argument("--window", type=float, nargs=4, metavar=("XMIN", "YMIN", "XMAX", "YMAX"))
    arguments = parser.parse_args(argv[1:])
    # The style fonts of our drawings are not installed here; matplotlib falls back to its own.
    logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)
    render(arguments.dxf, arguments.png, arguments.dpi, arguments.light, arguments.window)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
