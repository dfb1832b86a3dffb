#!/usr/bin/python3
# The manual pages say what --help says: every paragraph of each program's help stands
# whole in its rendered page, and the page names the program's version.
import os
import subprocess
import sys


def words(text):
    return " ".join(text.split())


def rendered(page):
    environment = dict(os.environ, MANWIDTH="3000")
    result = subprocess.run(["man", "--nh", "--nj", "-l", page], capture_output=True,
                            text=True, env=environment, check=True)
    return words(result.stdout.replace("\b", ""))


def check(program, page, split):
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    run = lambda option: subprocess.run([program, option], capture_output=True, text=True,
                                        env=environment).stdout
    text = rendered(page)
    paragraphs = [p for p in run("--help").split(split, 1)[-1].split("\n\n") if p.strip()]
    missing = [p.splitlines()[0] for p in paragraphs if words(p) not in text]
    version = run("--version").split()[-1]
    if missing or not paragraphs or version not in text:
        print("FAIL: %s: missing %s, version %s" % (page, missing, version))
        return False
    return True


def main():
    binaries, pages = sys.argv[1], sys.argv[2]
    good = check(os.path.join(binaries, "tarvelo-cli"), os.path.join(pages, "tarvelo-cli.1"),
                 "Commands:\n")
    good &= check(os.path.join(binaries, "tarvelo"), os.path.join(pages, "tarvelo.1"),
                  "Options:\n")
    print("the manual pages agree with --help" if good else "")
    sys.exit(0 if good else 1)


if __name__ == "__main__":
    main()
