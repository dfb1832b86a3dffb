#!/usr/bin/python3
# Reads findings the way their consumers do: SARIF against the OASIS 2.1.0 schema and the
# fields GitHub code scanning requires; JUnit with junitparser, as GitLab and Jenkins
# read it. Prints what was read, one line per item, or the first fault and exits 1.
import json
import sys


def fail(text):
    print("fault: " + text)
    sys.exit(1)


def sarif(path, schema_path):
    import jsonschema
    with open(path, encoding="utf-8") as f:
        log = json.load(f)
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    errors = sorted(jsonschema.Draft4Validator(schema).iter_errors(log), key=str)
    if errors:
        fail("schema: " + errors[0].message + " at " + "/".join(map(str, errors[0].path)))
    for run in log["runs"]:
        driver = run["tool"]["driver"]
        rules = [rule["id"] for rule in driver.get("rules", [])]
        if not driver.get("name") or not run.get("automationDetails", {}).get("id"):
            fail("a run without a tool name or automationDetails.id")
        print("run", run["automationDetails"]["id"],
              run["invocations"][0]["executionSuccessful"])
        for note in run["invocations"][0].get("toolExecutionNotifications", []):
            print("notification", note["level"], note["message"]["text"])
        for result in run["results"]:
            if result["ruleId"] not in rules or rules[result["ruleIndex"]] != result["ruleId"]:
                fail("result of an unknown rule " + result["ruleId"])
            if not result["message"]["text"] or not result.get("partialFingerprints"):
                fail("result without message or fingerprints")
            location = result["locations"][0]["physicalLocation"]
            region = location.get("region", {})
            print("result", result["ruleId"], result["level"], location["artifactLocation"]["uri"],
                  region.get("startLine", 0), region.get("startColumn", 0),
                  region.get("endLine", region.get("startLine", 0)), region.get("endColumn", 0),
                  list(result["partialFingerprints"].values())[0])


def junit(path):
    from junitparser import JUnitXml, Failure, Error
    xml = JUnitXml.fromfile(path)
    for suite in xml:
        print("suite", suite.name, suite.tests, suite.failures, suite.errors)
        for case in suite:
            problems = [r for r in case.result if isinstance(r, (Failure, Error))]
            float(case.time)
            print("case", case.classname, case.name, case._elem.get("file"),
                  "fails" if problems else "passes",
                  problems[0].message if problems else "")


if __name__ == "__main__":
    if sys.argv[1] == "sarif":
        sarif(sys.argv[2], sys.argv[3])
    else:
        junit(sys.argv[2])
