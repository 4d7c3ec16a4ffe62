#!/usr/bin/python3
"""The figure DxfExportBench compares with: a general-purpose Python DXF library (ezdxf) writing a
LINE/TEXT mix of a given count into a file, from a new document to the file on disk.

usage: ezdxf_line_text.py [--count N] [--text-share S] [--r12] [--repeat K]

The defaults are the mix of the 10,000-element export: 276,866 entities, 6.2 % of them TEXT, on
layers of a default export. Prints the best of K runs: seconds, entities per second and
megabytes per second.
"""
import argparse
import os
import tempfile
import time

import ezdxf

LAYERS = ["TRAVI_ESTRADOSSO", "TRAVI_INTRADOSSO", "PERIM_PILASTRI", "TRATTEGGIO_SOLETTE", "TESTO_TRAVI"]


def write(count, text_share, dxfversion, path):
    doc = ezdxf.new(dxfversion)
    for name in LAYERS:
        doc.layers.add(name)
    space = doc.modelspace()
    text_every = max(1, round(1 / text_share)) if text_share > 0 else count + 1
    for i in range(count):
        x, y = float(i % 1000) * 25.0, float(i // 1000) * 25.0
        layer = LAYERS[i % len(LAYERS)]
        if i % text_every == 0:
            space.add_text("T%d 30x50" % i, dxfattribs={"layer": layer, "height": 20.0, "insert": (x, y)})
        else:
            space.add_line((x, y), (x + 500.0, y + 12.5), dxfattribs={"layer": layer})
    doc.saveas(path)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--count", type=int, default=276866)
    parser.add_argument("--text-share", type=float, default=0.062)
    parser.add_argument("--r12", action="store_true")
    parser.add_argument("--repeat", type=int, default=3)
    args = parser.parse_args()
    version = "R12" if args.r12 else "R2000"
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "lines.dxf")
        best = None
        for _ in range(args.repeat):
            start = time.perf_counter()
            write(args.count, args.text_share, version, path)
            elapsed = time.perf_counter() - start
            best = elapsed if best is None else min(best, elapsed)
        size = os.path.getsize(path)
    print(f"ezdxf {ezdxf.__version__} {version}: {args.count} entities in {best:.3f} s, "
          f"{args.count / best:,.0f} entities/s, {size / 1e6 / best:.1f} MB/s ({size / 1e6:.1f} MB)")


if __name__ == "__main__":
    main()
