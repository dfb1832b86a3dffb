#!/usr/bin/python3
# Reads an exchange file as the tools of the trade do and prints its units as JSON
# [[source, target], ...]: translate-toolkit for PO, XLIFF and TMX, Python's csv module
# for the program's tab-separated UTF-16 glossary (its header and blank line left out).
# With a third argument, also writes the file again there as those tools write it.
import csv
import io
import json
import sys

kind, path = sys.argv[1], sys.argv[2]
rewrite = sys.argv[3] if len(sys.argv) > 3 else None

if kind == "csv":
    with open(path, encoding="utf-16", newline="") as f:
        rows = list(csv.reader(io.StringIO(f.read()), delimiter="\t", quotechar='"'))
    units = [[row[0], row[2]] for row in rows[2:]]
    if rewrite:
        with open(rewrite, "w", encoding="utf-16", newline="") as f:
            csv.writer(f, delimiter="\t", quotechar='"', lineterminator="\r\n").writerows(rows)
else:
    from translate.storage import po, tmx, xliff
    store = {"po": po.pofile, "xliff": xliff.xlifffile, "tmx": tmx.tmxfile}[kind]
    with open(path, "rb") as f:
        parsed = store.parsestring(f.read())
    units = [[str(u.source), str(u.target)] for u in parsed.units if not u.isheader()]
    if rewrite:
        with open(rewrite, "wb") as f:
            parsed.serialize(f)
json.dump(units, sys.stdout)
