#!/usr/bin/env python3
"""Compares the dialogs report's pixel rectangles and too-long verdicts with Windows'
own dialog manager, as Wine runs it.

Reports every dialog of every corpus script with build/bin/tarvelo-cli (JSON), builds
the same dialogs in Wine from templates in memory (oracle.cpp, built with mingw-w64),
and prints how many control rectangles, text sizes and verdicts agree, per face and
per kind of control; --details writes each disagreement as a JSON line.

    tools/wine_dialogs/compare.py [--build build] [--corpus ../shared/corpus]
        [--faces all|shell] [--details FILE] [--only SCRIPT]
    tools/wine_dialogs/compare.py --script FILE --language N --expectations OUT

The second form builds the dialogs of one script in Wine and writes Windows' figures
for them to OUT, as tests/data/wine_dialogs/expected.json holds them for the test
that checks the report against them without Wine.

Needs wine, mingw-w64 and xvfb-run (tools/setup.sh installs them). The Wine prefix is
made once per run in a temporary folder, with Wine's own fonts and the substitutes
Windows sets for the dialog faces.
"""
import argparse
import collections
import json
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

# The faces whose metrics the program's fonts reproduce (the figures the issue names).
SHELL_FACES = {"ms shell dlg", "ms shell dlg 2", "ms sans serif", "microsoft sans serif",
               "tahoma", ""}
# Controls that size themselves: Windows changes their rectangle after creation.
SELF_SIZING = {"combobox", "listbox", "msctls_updown32", "icon"}


def run(command, **kwargs):
    return subprocess.run(command, check=True, **kwargs)


def build_oracle(work):
    run(["x86_64-w64-mingw32-windres", os.path.join(HERE, "oracle.rc"), "-O", "coff", "-o",
         os.path.join(work, "oracle_res.o")], cwd=HERE)
    exe = os.path.join(work, "oracle.exe")
    run(["x86_64-w64-mingw32-g++", "-O1", "-std=c++17", "-static", "-o", exe,
         os.path.join(HERE, "oracle.cpp"), os.path.join(work, "oracle_res.o"), "-lcomctl32",
         "-lgdi32", "-luser32"])
    return exe


def make_prefix(work):
    env = dict(os.environ, WINEPREFIX=os.path.join(work, "prefix"), WINEDEBUG="-all")
    run(["wine", "wineboot", "--init"], env=env, stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
    run(["wineserver", "-w"], env=env)
    fonts = os.path.join(env["WINEPREFIX"], "drive_c", "windows", "Fonts")
    for name in os.listdir("/usr/share/wine/fonts"):
        shutil.copy(os.path.join("/usr/share/wine/fonts", name), fonts)
    key = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes"
    for face in ("MS Shell Dlg", "Microsoft Sans Serif"):
        run(["wine", "reg", "add", key, "/v", face, "/d", "MS Sans Serif", "/f"], env=env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    run(["wineserver", "-w"], env=env)
    return env


def escape(text):
    return (text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")
            .replace("\r", "\\r"))


def decode(text):
    """A script literal's escapes as the resource compiler stores them."""
    out, i = [], 0
    simple = {"n": "\n", "r": "\r", "t": "\t", "a": "\a", "\\": "\\", '"': '"'}
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            n = text[i + 1]
            if n in simple:
                out.append(simple[n])
                i += 2
                continue
            if n in "01234567":
                j = i + 1
                while j < len(text) and j < i + 4 and text[j] in "01234567":
                    j += 1
                out.append(chr(int(text[i + 1:j], 8)))
                i = j
                continue
            if n in "xX":
                j = i + 2
                while j < len(text) and j < i + 6 and text[j] in "0123456789abcdefABCDEF":
                    j += 1
                if j > i + 2:
                    out.append(chr(int(text[i + 2:j], 16)))
                    i = j
                    continue
        out.append(c)
        i += 1
    return "".join(out)


def shell_font(dialog):
    """Windows draws a DIALOGEX with DS_SHELLFONT in "MS Shell Dlg" with "MS Shell Dlg 2";
    Wine does not, so the oracle is given the face Windows takes."""
    words = set(dialog.get("styles", []))
    shell = "DS_SHELLFONT" in words or {"DS_SETFONT", "DS_FIXEDSYS"} <= words
    face = dialog["font"]["requested"]
    if dialog.get("extended") and shell and face.strip().lower() == "ms shell dlg":
        return "MS Shell Dlg 2"
    return face


def oracle_lines(dialogs):
    lines = []
    for dialog in dialogs:
        font = dialog["font"]
        rect = dialog["rect"]
        has_font = bool(font.get("statement", True))
        lines.append("\t".join([
            "DIALOG", escape(dialog["key"]), "1" if dialog.get("extended") else "0",
            "|".join(dialog.get("styles", [])), "|".join(dialog.get("exStyles", [])),
            str(rect["x"]), str(rect["y"]), str(rect["width"]), str(rect["height"]),
            "1" if has_font else "0", str(font["points"]), str(font.get("weight", 0)),
            str(font.get("italic", 0)), str(font.get("charset", 1)), escape(shell_font(dialog)),
            "x"]))
        for control in dialog["controls"]:
            r = control["rect"]
            lines.append("\t".join([
                "CONTROL", control.get("keyword", ""), escape(control.get("windowClass", "")),
                "|".join(control.get("styles", [])), "|".join(control.get("exStyles", [])),
                str(r["x"]), str(r["y"]), str(r["width"]), str(r["height"]),
                escape(decode(control["text"]))]))
        lines.append("END")
    return "\n".join(lines) + "\n"


def corpus_scripts(corpus):
    with open(os.path.join(corpus, "MANIFEST.tsv"), encoding="utf-8") as manifest:
        rows = [line.rstrip("\n").split("\t") for line in manifest][1:]
    return [row[0] for row in rows if row and row[0].lower().endswith((".rc", ".rc2"))]


def languages(cli, path):
    out = subprocess.run([cli, "languages", path], capture_output=True, text=True)
    found = [line.split()[0] for line in out.stdout.splitlines() if line.strip()]
    return found or ["-1"]


def report(cli, path, language):
    out = subprocess.run([cli, "report", "--source", path, "--source-language", language,
                          "--format", "json", "--setting", "1"], capture_output=True)
    if out.returncode not in (0, 1) or not out.stdout:
        return None
    return json.loads(out.stdout)


def kind_of(control):
    keyword = control.get("keyword", "").upper()
    cls = control.get("windowClass", "") if keyword == "CONTROL" else keyword
    if keyword == "ICON" or "SS_ICON" in control.get("styles", []):
        return "icon"
    return cls.lower()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--corpus", default=os.path.join(os.path.dirname(ROOT), "shared",
                                                         "corpus"))
    parser.add_argument("--faces", choices=["all", "shell"], default="shell")
    parser.add_argument("--details")
    parser.add_argument("--only", help="one corpus script")
    parser.add_argument("--script", help="one script outside the corpus")
    parser.add_argument("--language", default="1033")
    parser.add_argument("--expectations", help="where to write Wine's figures for --script")
    args = parser.parse_args()
    cli = os.path.join(args.build, "bin", "tarvelo-cli")
    if not os.path.exists(cli):
        sys.exit(f"no {cli}: build first")
    if not os.path.isdir(args.corpus):
        sys.exit(f"no corpus at {args.corpus}")

    dialogs = []
    if args.script:
        data = report(cli, args.script, args.language)
        for index, dialog in enumerate(data["dialogs"] if data else []):
            dialog["key"] = dialog["identifier"]
            dialogs.append(dialog)
    for name in [] if args.script else corpus_scripts(args.corpus):
        if args.only and name != args.only:
            continue
        path = os.path.join(args.corpus, name)
        for language in languages(cli, path):
            data = report(cli, path, language)
            if not data:
                continue
            for index, dialog in enumerate(data["dialogs"]):
                dialog["key"] = f"{name}|{language}|{index}"
                face = dialog["font"]["requested"].strip().lower()
                if not dialog["font"].get("statement", True):
                    face = ""
                if args.faces == "shell" and face not in SHELL_FACES:
                    continue
                dialogs.append(dialog)

    with tempfile.TemporaryDirectory(prefix="tarvelo-wine-") as work:
        exe = build_oracle(work)
        env = make_prefix(work)
        listing = os.path.join(work, "dialogs.txt")
        with open(listing, "w", encoding="utf-8") as out:
            out.write(oracle_lines(dialogs))
        result = subprocess.run(["xvfb-run", "-a", "wine", exe, listing], env=env,
                                capture_output=True, cwd=work)
        answers = {}
        for line in result.stdout.decode("utf-8", "replace").splitlines():
            if line.startswith("{"):
                item = json.loads(line)
                answers[item["dialog"]] = item
        subprocess.run(["wineserver", "-k"], env=env)

    if args.expectations:
        write_expectations(dialogs, answers, args.expectations)
    compare(dialogs, answers, args.details)


def write_expectations(dialogs, answers, path):
    """Windows' figures per dialog: base units, and per control its window and, for a
    text it measured, the room, the size and whether it was broken into lines."""
    out = []
    for dialog in dialogs:
        wine = answers[dialog["key"]]
        controls = []
        for control, theirs in zip(dialog["controls"], wine["controls"]):
            item = {"identifier": control["identifier"], "rect": theirs["rect"]}
            if "need" in theirs:
                item.update(room=theirs["room"], need=theirs["need"], wrapped=theirs["wrapped"])
            controls.append(item)
        out.append({"identifier": dialog["identifier"], "baseUnits": wine["baseUnits"],
                    "controls": controls})
    # One control a line, so that a change of Windows' figures reads as a diff.
    dialogs_text = []
    for dialog in out:
        lines = ",\n".join("   " + json.dumps(c, ensure_ascii=False) for c in dialog["controls"])
        dialogs_text.append(f' {{"identifier": {json.dumps(dialog["identifier"])}, '
                            f'"baseUnits": {json.dumps(dialog["baseUnits"])}, "controls": [\n'
                            f'{lines}\n ]}}')
    with open(path, "w", encoding="utf-8") as file:
        file.write("[\n" + ",\n".join(dialogs_text) + "\n]\n")


def latin(text):
    """Texts Wine's copies of the dialog faces can draw: they hold Latin letters only, so
    other scripts fall back to whatever Wine finds and their widths say nothing."""
    return all(ord(c) < 0x250 or c in "\u2013\u2014\u2018\u2019\u201c\u201d\u2026\u2122\u20ac"
               for c in text)


def verdict(room, need, wrapped):
    return need[0] > room[0] or (wrapped and need[1] > room[1])


def compare(dialogs, answers, details_path):
    counts = collections.Counter()
    by_kind = collections.defaultdict(collections.Counter)
    details = open(details_path, "w", encoding="utf-8") if details_path else None
    units = collections.Counter()
    for dialog in dialogs:
        wine = answers.get(dialog["key"])
        if not wine or "controls" not in wine:
            counts["dialogs missing"] += 1
            continue
        counts["dialogs"] += 1
        ours_units = (dialog["baseUnits"]["x"], dialog["baseUnits"]["y"])
        same_units = ours_units == tuple(wine["baseUnits"])
        units["same" if same_units else "different"] += 1
        if not same_units:
            font = dialog["font"]
            units[f"  {font['requested']} {font['points']}: ours {ours_units}, "
                  f"Wine {tuple(wine['baseUnits'])}"] += 1
        for control, theirs in zip(dialog["controls"], wine["controls"]):
            if theirs is None or theirs.get("standIn"):
                continue
            kind = kind_of(control)
            p = control["pixels"]
            ours = [p["x"], p["y"], p["width"], p["height"]]
            same = ours == theirs["rect"]
            counts["controls"] += 1
            counts["rect same"] += same
            by_kind[kind]["controls"] += 1
            by_kind[kind]["rect same"] += same
            if kind not in SELF_SIZING:
                counts["fixed controls"] += 1
                counts["fixed rect same"] += same
            if details and not same:
                details.write(json.dumps({"dialog": dialog["key"], "control": control["identifier"],
                                          "kind": kind, "ours": ours, "wine": theirs["rect"]},
                                         ensure_ascii=False) + "\n")
            if "need" not in theirs or not control.get("room") or not same:
                continue
            if not latin(decode(control["text"])):
                counts["texts not latin"] += 1
                continue
            room = [control["room"]["width"], control["room"]["height"]]
            need = [control["textSize"]["width"], control["textSize"]["height"]]
            wrapped = control.get("wrapped", False)
            size_same = need == theirs["need"] and room == theirs["room"]
            ours_verdict = any(f["kind"] == "tooLong" for f in control["findings"])
            theirs_verdict = verdict(theirs["room"], theirs["need"], theirs["wrapped"])
            counts["texts"] += 1
            counts["text same"] += size_same
            counts["verdict same"] += ours_verdict == theirs_verdict
            by_kind[kind]["texts"] += 1
            by_kind[kind]["verdict same"] += ours_verdict == theirs_verdict
            if details and (not size_same or ours_verdict != theirs_verdict):
                details.write(json.dumps({"dialog": dialog["key"], "control": control["identifier"],
                                          "text": control["text"], "ours": [room, need, wrapped,
                                                                            ours_verdict],
                                          "wine": [theirs["room"], theirs["need"],
                                                   theirs["wrapped"], theirs_verdict]},
                                         ensure_ascii=False) + "\n")
    if details:
        details.close()

    def pct(a, b):
        return f"{100.0 * a / b:.1f} %" if b else "-"

    print(f"dialogs compared: {counts['dialogs']} (missing {counts['dialogs missing']}); "
          f"base units same: {units['same']}, different: {units['different']}")
    for key, count in units.items():
        if key.startswith("  "):
            print(f"{key} ({count} dialogs)")
    print(f"rectangles: {counts['rect same']} of {counts['controls']} the same "
          f"({pct(counts['rect same'], counts['controls'])}); without controls that size "
          f"themselves {counts['fixed rect same']} of {counts['fixed controls']} "
          f"({pct(counts['fixed rect same'], counts['fixed controls'])})")
    print(f"text sizes: {counts['text same']} of {counts['texts']} "
          f"({pct(counts['text same'], counts['texts'])}); verdicts: {counts['verdict same']} "
          f"of {counts['texts']} ({pct(counts['verdict same'], counts['texts'])}); "
          f"left out: {counts['texts not latin']} texts in other scripts")
    for kind, c in sorted(by_kind.items(), key=lambda item: -item[1]["controls"]):
        if c["controls"] != c["rect same"] or c["texts"] != c["verdict same"]:
            print(f"  {kind}: {c['rect same']} of {c['controls']} rectangles the same, "
                  f"{c['verdict same']} of {c['texts']} verdicts")


if __name__ == "__main__":
    main()
