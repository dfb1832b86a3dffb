#!/usr/bin/env python3
"""Times tarvelo-cli translate against llvm-rc as whole processes, paired.

Generates the benchmark scripts (a source, its German target and the headers the
compiler needs) with build/bin/generate_scripts, then runs, in turn, the
translation of the source with its existing target into another file and the
compilation of the source with llvm-rc. Each run's processor time (user + system,
children included) and peak memory come from the operating system's accounting of
the finished child; the ratio is taken pair by pair and the medians are printed.

tarvelo-cli runs on mimalloc; its documented option MIMALLOC_LARGE_OS_PAGES=1 is set in
the environment of the translation, so that its heap comes in large pages as a user's
batch runs may have it. --small-pages leaves the option out, for the plain default.

    bench/whole_process.py [--build build] [--scale 1] [--runs 11] [--small-pages]
"""
import argparse
import os
import resource
import statistics
import subprocess
import sys
import tempfile


def run(command, cwd, environment=None):
    """The processor seconds and the peak resident kilobytes of one run."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    pid = os.fork()
    if pid == 0:
        os.chdir(cwd)
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 1)
        os.dup2(devnull, 2)
        os.execvpe(command[0], command, environment or os.environ)
    _, status, usage = os.wait4(pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"failed: {' '.join(command)}")
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return cpu, usage.ru_maxrss


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--scale", type=int, default=1)
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--small-pages", action="store_true")
    args = parser.parse_args()
    environment = dict(os.environ)
    if not args.small_pages:
        environment["MIMALLOC_LARGE_OS_PAGES"] = "1"
    binaries = os.path.join(os.path.abspath(args.build), "bin")
    folder = tempfile.mkdtemp(prefix="tarvelo-bench-")
    subprocess.run([os.path.join(binaries, "generate_scripts"), folder, str(args.scale)],
                   check=True)
    sizes = sum(os.path.getsize(os.path.join(folder, name))
                for name in ("source.rc", "target.rc"))
    translate = [os.path.join(binaries, "tarvelo-cli"), "translate", "--source", "source.rc",
                 "--source-language", "1033", "--target", "target.rc",
                 "--target-language", "1031", "--out", "out.rc"]
    compile_ = ["llvm-rc", "/C", "1252", "/FO", "out.res", "source.rc"]
    # One run of each first: companion files appear, caches fill.
    run(translate, folder, environment)
    if args.scale == 1:
        run(compile_, folder)
    ours, theirs, ratios, peaks = [], [], [], []
    for _ in range(args.runs):
        cpu, peak = run(translate, folder, environment)
        ours.append(cpu)
        peaks.append(peak)
        if args.scale == 1:
            reference, _ = run(compile_, folder)
            theirs.append(reference)
            ratios.append(cpu / reference)
    median_peak = statistics.median(peaks) * 1024
    print(f"scripts read: {sizes / 1e6:.1f} MB (source and target); "
          f"{'small' if args.small_pages else 'large'} pages for tarvelo-cli")
    print(f"tarvelo-cli translate: {statistics.median(ours):.3f} s processor time, "
          f"peak {median_peak / 1e6:.0f} MB ({median_peak / sizes:.1f} x the scripts read)")
    if ratios:
        print(f"llvm-rc: {statistics.median(theirs):.3f} s processor time")
        print(f"translate / llvm-rc, paired: median {statistics.median(ratios):.3f}, "
              f"min {min(ratios):.3f}, max {max(ratios):.3f}")


if __name__ == "__main__":
    main()
