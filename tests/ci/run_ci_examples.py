#!/usr/bin/python3
# Runs the GitHub Actions and GitLab CI jobs of doc/continuous-integration.md, as the
# file writes them (the install steps aside), on a repository with a pull request that
# breaks a translation, and checks what each job leaves: its status, the SARIF and the
# JUnit report as their consumers read them.
import os
import re
import shutil
import subprocess
import sys
import tempfile

import yaml

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
CONSUMER = os.path.join(SOURCE, "tests/data/findings/consume_findings.py")
SCHEMA = os.path.join(SOURCE, "tests/data/findings/sarif-schema-2.1.0.json")
BROKEN = ("%d Dateien nach %s kopiert.", "Dateien nach %s kopiert.")


def fail(text):
    print("FAIL: " + text)
    sys.exit(1)


def jobs_of_the_document():
    with open(os.path.join(SOURCE, "doc/continuous-integration.md"), encoding="utf-8") as f:
        blocks = re.findall(r"```yaml\n(.*?)```", f.read(), re.S)
    if len(blocks) != 2:
        fail("the document should hold two YAML jobs, not %d" % len(blocks))
    return yaml.safe_load(blocks[0]), yaml.safe_load(blocks[1])


def git(repo, *arguments):
    return subprocess.run(["git", "-C", repo] + list(arguments), check=True,
                          capture_output=True, text=True).stdout.strip()


def make_repository(root):
    """A repository whose main branch holds good translations, a bare origin of it,
    and a branch that breaks the German one; returns the clone and main's commit."""
    work = os.path.join(root, "work")
    shutil.copytree(os.path.join(SOURCE, "tests/data/ci/repo"), work)
    subprocess.run(["git", "init", "-q", "-b", "main", work], check=True)
    git(work, "add", "-A")
    git(work, "commit", "-q", "-m", "Translations")
    base = git(work, "rev-parse", "HEAD")
    subprocess.run(["git", "clone", "-q", "--bare", work, os.path.join(root, "origin.git")],
                   check=True)
    git(work, "remote", "add", "origin", os.path.join(root, "origin.git"))
    git(work, "checkout", "-q", "-b", "change")
    return work, base


def change_german(work, old, new):
    path = os.path.join(work, "l10n/app_de.rc")
    with open(path, encoding="latin-1") as f:
        text = f.read()
    with open(path, "w", encoding="latin-1", newline="") as f:
        f.write(text.replace(old, new))
    git(work, "commit", "-q", "-am", "Change the German texts")
    return text.splitlines().index(next(l for l in text.splitlines() if old in l)) + 1


def shell(script, cwd, env):
    # GitHub runs a step's script with bash -eo pipefail; GitLab stops at the first
    # failing line of its script the same way.
    return subprocess.run(["bash", "--noprofile", "--norc", "-eo", "pipefail", "-c", script],
                          cwd=cwd, env=env, capture_output=True, text=True)


def github_job(workflow, work, env, base):
    on = workflow.get("on", workflow.get(True))
    if "**/*.rc" not in on["pull_request"]["paths"]:
        fail("the workflow does not run for changed scripts")
    steps = workflow["jobs"]["tarvelo"]["steps"]
    status, out = 0, None
    for step in steps:
        if "run" not in step or step.get("name", "").startswith("Install"):
            continue
        step_env = dict(env)
        for name, value in step.get("env", {}).items():
            step_env[name] = value.replace("${{ github.event.pull_request.base.sha }}", base)
        result = shell(step["run"], work, step_env)
        status = result.returncode
        out = re.search(r"--out (\S+)", step["run"]).group(1)
        if status not in (0, 1):
            fail("the GitHub step failed: " + result.stderr)
    upload = next(s for s in steps if "upload-sarif" in s.get("uses", ""))
    if upload["with"]["sarif_file"] != out or upload.get("if") != "always()":
        fail("the upload does not take the check's file whatever its status")
    return status, os.path.join(work, out)


def gitlab_job(pipeline, work, env):
    job = pipeline["tarvelo"]
    if job["artifacts"]["when"] != "always":
        fail("the JUnit report is not kept when the job fails")
    env = dict(env, CI_MERGE_REQUEST_TARGET_BRANCH_NAME="main")
    result = shell("\n".join(job["script"]), work, env)
    if result.returncode not in (0, 1):
        fail("the GitLab script failed: " + result.stderr)
    report = job["artifacts"]["reports"]["junit"]
    if "--out " + report not in job["script"][-1]:
        fail("the job keeps another file than the check writes")
    return result.returncode, os.path.join(work, report)


def consumed(*arguments):
    result = subprocess.run(["/usr/bin/python3", CONSUMER] + list(arguments), capture_output=True,
                            text=True)
    if result.returncode != 0:
        fail("the consumer did not read the file: " + result.stdout + result.stderr)
    return result.stdout.splitlines()


def main():
    binaries = os.path.abspath(sys.argv[1])
    github, gitlab = jobs_of_the_document()
    with tempfile.TemporaryDirectory() as root:
        env = dict(os.environ, HOME=root, PATH=binaries + os.pathsep + os.environ["PATH"],
                   GIT_AUTHOR_NAME="T", GIT_AUTHOR_EMAIL="t@example.org",
                   GIT_COMMITTER_NAME="T", GIT_COMMITTER_EMAIL="t@example.org")
        os.environ.update({k: env[k] for k in ("HOME", "GIT_AUTHOR_NAME", "GIT_AUTHOR_EMAIL",
                                               "GIT_COMMITTER_NAME", "GIT_COMMITTER_EMAIL")})
        work, base = make_repository(root)
        line = change_german(work, *BROKEN)

        status, sarif = github_job(github, work, env, base)
        if status != 1:
            fail("the GitHub job passed a broken format specification")
        read = consumed("sarif", sarif, SCHEMA)
        expected = ["run tarvelo-check/l10n/app_de.rc/ True"]
        if read[0:1] != expected or [l for l in read if l.startswith("run ")] != expected:
            fail("SARIF should hold the changed German task only: %s" % read)
        results = [l.split() for l in read if l.startswith("result ")]
        if [r[1:5] for r in results] != [["format-specification", "error", "l10n/app_de.rc",
                                          str(line)]]:
            fail("SARIF should hold one error on line %d: %s" % (line, read))

        status, junit = gitlab_job(gitlab, work, env)
        if status != 1:
            fail("the GitLab job passed a broken format specification")
        cases = consumed("junit", junit)
        failing = [c for c in cases if c.startswith("case ") and " fails " in c]
        if len(failing) != 1 or "l10n/app_de.rc:STRINGTABLE:IDS_COPIED" not in failing[0]:
            fail("JUnit should fail the German IDS_COPIED only: %s" % cases)

        change_german(work, BROKEN[1], BROKEN[0])
        if github_job(github, work, env, base)[0] != 0 or gitlab_job(gitlab, work, env)[0] != 0:
            fail("the jobs fail a mended translation")
    print("both jobs ran as the document writes them")


if __name__ == "__main__":
    main()
