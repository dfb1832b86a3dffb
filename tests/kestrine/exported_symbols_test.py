#!/usr/bin/python3
# The library exports exactly the functions its header declares: nothing of the C++
# runtime or the store leaks out, and no documented function is left unexported.
#   exported_symbols_test.py LIBRARY HEADER
import re
import subprocess
import sys


def declared(header):
    text = open(header, encoding="utf-8").read()
    # Comments may mention calls; only declarations count.
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    return set(re.findall(r"KESTRINE_API\s[^;(]*?KESTRINE_CALL\s+(\w+)\s*\(", text))


def exported(library):
    listing = subprocess.run(["nm", "-D", "--defined-only", library], capture_output=True,
                             text=True, check=True).stdout
    symbols = set()
    for line in listing.splitlines():
        fields = line.split()
        # The version script's node name shows as an absolute symbol; it is no export.
        if len(fields) == 3 and fields[1] != "A":
            symbols.add(fields[2])
    return symbols


def main():
    library, header = sys.argv[1], sys.argv[2]
    functions, symbols = declared(header), exported(library)
    if len(functions) < 9:
        print("FAIL: only %d functions found in %s" % (len(functions), header))
        return 1
    if functions != symbols:
        print("FAIL: exported but not declared: %s" % sorted(symbols - functions))
        print("FAIL: declared but not exported: %s" % sorted(functions - symbols))
        return 1
    print("%d exports, each declared in the header" % len(symbols))
    return 0


if __name__ == "__main__":
    sys.exit(main())
