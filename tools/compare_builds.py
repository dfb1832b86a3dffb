#!/usr/bin/env python3
"""Compares what two builds of tarvelo-cli write, byte for byte.

Runs the same commands with the binaries of build A and of build B, each in a folder
of its own holding copies of the inputs, and compares every file the commands leave
there and everything they print. The cases:

  - the generated benchmark script with its German target: translate (without and
    then with the companion files in place), pseudo, report, check, export to CSV,
    PO and XLIFF, and a memory learnt from the task and exported as TMX;
  - every pair of the corpus's PAIRS.tsv, translated twice;
  - a new target of every script of the corpus, in the language of its first
    LANGUAGE statement.

The corpus is only read: its files are copied out before anything runs.

    tools/compare_builds.py BIN_A BIN_B [--corpus ../shared/corpus] [--scale 1]

BIN_A and BIN_B are folders holding tarvelo-cli and generate_scripts (a build's bin).
Prints each difference and exits 1 when there is any.
"""
import argparse
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile


def run(binary, arguments, folder):
    """Exit status and output of one command, run in folder."""
    done = subprocess.run([binary] + arguments, cwd=folder, capture_output=True,
                          env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), timeout=600)
    return done.returncode, done.stdout, done.stderr


def files_of(folder):
    found = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            found[os.path.relpath(path, folder)] = path
    return found


def same_but_folder(path_a, folder_a, path_b, folder_b):
    """Whether two files are equal once their own folder's name is taken out of them
    (exports name the scripts they came from), in UTF-8 and UTF-16."""
    if filecmp.cmp(path_a, path_b, shallow=False):
        return True
    contents = []
    for path, folder in ((path_a, folder_a), (path_b, folder_b)):
        with open(path, "rb") as file:
            data = file.read()
        for encoding in ("utf-8", "utf-16-le"):
            data = data.replace(folder.encode(encoding), "FOLDER".encode(encoding))
        contents.append(data)
    return contents[0] == contents[1]


class Comparison:
    def __init__(self, bin_a, bin_b, work):
        self.bins = (bin_a, bin_b)
        self.work = work
        self.cases = 0
        self.differences = []

    def folders(self, name, inputs):
        """Two fresh folders, each holding copies of inputs (relative name -> path)."""
        made = []
        for side in ("a", "b"):
            folder = os.path.join(self.work, side, name)
            os.makedirs(folder, exist_ok=True)
            for relative, path in inputs.items():
                os.makedirs(os.path.dirname(os.path.join(folder, relative)), exist_ok=True)
                shutil.copyfile(path, os.path.join(folder, relative))
            made.append(folder)
        return made

    def commands(self, name, inputs, command_list):
        """Runs each command in both folders, then compares what they print and leave."""
        self.cases += 1
        folders = self.folders(name, inputs)
        for arguments in command_list:
            # The folder's own name is no difference.
            results = [tuple(part.replace(f.encode(), b"FOLDER") if isinstance(part, bytes)
                             else part for part in run(os.path.join(b, "tarvelo-cli"),
                                                       arguments, f))
                       for b, f in zip(self.bins, folders)]
            if results[0] != results[1]:
                self.differences.append(f"{name}: {' '.join(arguments[:1])} printed or "
                                        f"ended differently ({results[0][0]} / {results[1][0]})")
        a, b = (files_of(f) for f in folders)
        for relative in sorted(set(a) | set(b)):
            if relative not in a or relative not in b:
                self.differences.append(f"{name}: {relative} written by one build only")
            elif not same_but_folder(a[relative], folders[0], b[relative], folders[1]):
                self.differences.append(f"{name}: {relative} differs")


def task_arguments(source, source_language, target, target_language, new=False):
    return ["--source", source, "--source-language", str(source_language),
            "--new-target" if new else "--target", target,
            "--target-language", str(target_language)]


def generated_case(comparison, bin_a, scale):
    folder = os.path.join(comparison.work, "generated")
    subprocess.run([os.path.join(bin_a, "generate_scripts"), folder, str(scale)], check=True,
                   capture_output=True)
    inputs = {name: os.path.join(folder, name) for name in os.listdir(folder)}
    task = task_arguments("source.rc", 1033, "target.rc", 1031)
    comparison.commands("generated", inputs, [
        ["translate"] + task + ["--out", "out.rc"],
        ["translate"] + task + ["--out", "out.rc"],
        ["translate"] + task + ["--regenerate-dialogs", "--out", "regenerated.rc"],
        ["pseudo"] + task_arguments("source.rc", 1033, "pseudo.rc", 1031, new=True),
        ["report"] + task + ["--format", "json"],
        ["check"] + task,
        ["export"] + task + ["--format", "csv", "--out", "out.csv"],
        ["export"] + task + ["--format", "po", "--out", "out.po"],
        ["export"] + task + ["--format", "xliff", "--out", "out.xlf"],
        ["learn"] + task + ["--tm", "tm"],
        ["tm-export", "--tm", "tm", "--source-language", "1033", "--target-language", "1031",
         "--out", "out.tmx"],
    ])


def pair_cases(comparison, corpus):
    with open(os.path.join(corpus, "PAIRS.tsv"), encoding="utf-8") as table:
        rows = [line.rstrip("\n").split("\t") for line in table][1:]
    for number, row in enumerate(rows):
        if len(row) < 4:
            continue
        source, target, source_language, target_language = row[:4]
        inputs = {"source/" + os.path.basename(source): os.path.join(corpus, source)}
        if target == "(same file)":
            # Both languages in one script, which is its own target.
            target_name = "source/" + os.path.basename(source)
        else:
            target_name = "target/" + os.path.basename(target)
            inputs[target_name] = os.path.join(corpus, target)
        task = task_arguments("source/" + os.path.basename(source), source_language,
                              target_name, target_language)
        comparison.commands(f"pair{number}", inputs,
                            [["translate"] + task, ["translate"] + task])


def first_language(binary, script):
    code, out, _ = run(binary, ["languages", script], os.path.dirname(script))
    words = out.decode("utf-8", "replace").split()
    return words[0] if code == 0 and words else "1033"


def new_target_cases(comparison, corpus):
    scripts = sorted(os.path.join(root, name) for root, _, names in os.walk(corpus)
                     for name in names if name.lower().endswith((".rc", ".rc2")))
    binary = os.path.join(comparison.bins[0], "tarvelo-cli")
    for number, script in enumerate(scripts):
        language = first_language(binary, script)
        inputs = {"source/" + os.path.basename(script): script}
        task = task_arguments("source/" + os.path.basename(script), language, "new.rc", 1031,
                              new=True)
        comparison.commands(f"new{number}", inputs, [["translate"] + task])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("bin_a")
    parser.add_argument("bin_b")
    parser.add_argument("--corpus", default=os.path.join(os.path.dirname(__file__), "..", "..",
                                                         "shared", "corpus"))
    parser.add_argument("--scale", type=int, default=1)
    parser.add_argument("--keep", metavar="FOLDER", help="work in FOLDER and leave it there")
    args = parser.parse_args()
    bin_a, bin_b = os.path.abspath(args.bin_a), os.path.abspath(args.bin_b)
    corpus = os.path.abspath(args.corpus)
    if args.keep:
        shutil.rmtree(args.keep, ignore_errors=True)
        os.makedirs(args.keep)
    with (tempfile.TemporaryDirectory(prefix="tarvelo-compare-") if not args.keep
          else open(os.devnull)) as temporary:
        work = args.keep or temporary
        comparison = Comparison(bin_a, bin_b, work)
        generated_case(comparison, bin_a, args.scale)
        if os.path.isdir(corpus):
            pair_cases(comparison, corpus)
            new_target_cases(comparison, corpus)
        for difference in comparison.differences:
            print(difference)
        print(f"{comparison.cases} cases compared, {len(comparison.differences)} differences")
        return 1 if comparison.differences else 0


if __name__ == "__main__":
    sys.exit(main())
