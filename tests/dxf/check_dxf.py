#!/usr/bin/python3
"""Opens DXF files (2000 or R12) with an independent reader (ezdxf) and audits them.

usage: check_dxf.py PATH...   (a folder stands for every *.dxf file in it)

Fails when no file is found, when a file is neither DXF 2000 nor R12, when reading it raises or logs a
warning, when the audit reports an error or had to fix anything, or when a layer record carries a
name that is empty, holds a character no layer name may hold, or is another record's name (the
audit looks at the layers of entities only, and the reader keeps one record of a name).
"""
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


def faults_of(path, collector):
    collector.messages.clear()
    try:
        doc = ezdxf.readfile(str(path))
    except Exception as error:  # any failure to read is the fault reported
        return [f"not read: {error}"]
    faults = [f"read: {message}" for message in collector.messages]
    if doc.dxfversion not in WRITTEN_VERSIONS:
        faults.append(f"version {doc.dxfversion}, not AC1015 (DXF 2000) or AC1009 (R12)")
    faults += layer_faults(doc)
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
