#!/usr/bin/python3
"""Opens DXF files (2000 or R12) with an independent reader (ezdxf) and audits them.

usage: check_dxf.py PATH...   (a folder stands for every *.dxf file in it)

Fails when no file is found, when a file is neither DXF 2000 nor R12, when reading it raises or logs a
warning, when the audit reports an error or had to fix anything, or when a layer record carries a
name that is empty, holds a character no layer name may hold, or is another record's name (the
audit looks at the layers of entities only, and the reader keeps one record of a name).

Every line must decode strictly in the code page the file declares and hold no control character:
the reader itself lets an undecodable byte through as a stand-in character.

Every DIMENSION must name a block that exists and holds one MTEXT showing the length of its
dimension line (the block's line plus an arrow length at either end) in model centimetres (DXF
units are half centimetres under the style "SC50", centimetres under "SC100"); an aligned one must
measure the same between its definition points. Every INSERT must name a block that exists.
"""
import math
import logging
import pathlib
import sys

import ezdxf
from ezdxf.lldxf import validator

WRITTEN_VERSIONS = ("AC1015", "AC1009")


class Collector(logging.Handler):
    def __init__(self):
        super().__init__(level=logging.WARNING)
        self.messages = []

    def emit(self, record):
        self.messages.append(record.getMessage())


def files_in(arguments):
    files = []
    for argument in arguments:
        path = pathlib.Path(argument)
        files.extend(sorted(path.glob("*.dxf")) if path.is_dir() else [path])
    return files


def layer_faults(doc):
    names = [e.dxf.name for e in doc.entitydb.values() if e.dxftype() == "LAYER"]
    faults = [f'invalid layer name "{n}"' for n in names if not n or not validator.is_valid_layer_name(n)]
    keys = [validator.make_table_key(n) for n in names]
    faults += [f'layer "{n}" written more than once' for n in names if keys.count(validator.make_table_key(n)) > 1]
    return faults


def text_faults(path, encoding):
    faults = []
    lines = path.read_bytes().split(b"\r\n")
    for number, line in enumerate(lines[:-1] if lines[-1] == b"" else lines, 1):
        try:
            text = line.decode(encoding)
        except UnicodeDecodeError:
            faults.append(f"line {number} does not decode in {encoding}: {line!r}")
            continue
        if any(ord(c) < 0x20 or c == "\x7f" for c in text):
            faults.append(f"line {number} holds a control character: {line!r}")
    return faults


DXF_UNITS_PER_CM = {"SC50": 2.0, "SC100": 1.0}


def label_of(value):
    """The label the plan gives a length: one decimal where a tenth is worth showing."""
    fraction = value - int(value)
    return f"{value:.1f}" if 0.1 <= fraction <= 0.9 else f"{value:.0f}"


def block_faults(doc):
    faults = []
    msp = doc.modelspace()
    for insert in msp.query("INSERT"):
        if doc.blocks.get(insert.dxf.name) is None:
            faults.append(f"INSERT of the missing block {insert.dxf.name}")
    for dimension in msp.query("DIMENSION"):
        block = doc.blocks.get(dimension.dxf.geometry)
        if block is None:
            faults.append(f"DIMENSION of the missing block {dimension.dxf.geometry}")
            continue
        texts = [e.plain_text() for e in block if e.dxftype() == "MTEXT"]
        lines = [e for e in block if e.dxftype() == "LINE"]
        arrows = [e for e in block if e.dxftype() == "INSERT"]
        if len(lines) != 1 or len(arrows) != 2:
            faults.append(f"block {block.name} holds {len(lines)} lines and {len(arrows)} arrows")
            continue
        units = DXF_UNITS_PER_CM.get(dimension.dxf.dimstyle, 1.0)
        length = lines[0].dxf.start.distance(lines[0].dxf.end) + 2 * arrows[0].dxf.xscale
        cm = round(length / units, 1)
        if texts != [label_of(cm)]:
            faults.append(f"block {block.name} shows {texts}, its line measures {cm} cm")
        between = dimension.dxf.defpoint2.distance(dimension.dxf.defpoint3)
        if dimension.dimtype == 1 and not math.isclose(between, length, abs_tol=0.01):
            faults.append(f"aligned {block.name}: {between} between its points, {length} along its line")
    return faults


def faults_of(path, collector):
    collector.messages.clear()
    try:
        doc = ezdxf.readfile(str(path))
    except Exception as error:  # any failure to read is the fault reported
        return [f"not read: {error}"]
    faults = [f"read: {message}" for message in collector.messages]
    if doc.dxfversion not in WRITTEN_VERSIONS:
        faults.append(f"version {doc.dxfversion}, not AC1015 (DXF 2000) or AC1009 (R12)")
    faults += text_faults(path, doc.encoding)
    faults += layer_faults(doc)
    faults += block_faults(doc)
    auditor = doc.audit()
    faults += [f"audit error: {e.message}" for e in auditor.errors]
    faults += [f"audit fix: {e.message}" for e in auditor.fixes]
    faults += [f"audit: {message}" for message in collector.messages]
    return faults


def main():
    files = files_in(sys.argv[1:])
    if not files:
        print("no DXF file to check")
        return 1
    collector = Collector()
    logging.getLogger("ezdxf").addHandler(collector)
    failed = 0
    for path in files:
        faults = faults_of(path, collector)
        print(f"{path.name}: {'ok' if not faults else 'FAULTY'}")
        for fault in faults:
            print(f"  {fault}")
        failed += bool(faults)
    print(f"{len(files)} file(s) checked, {failed} faulty")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
