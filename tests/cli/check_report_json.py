#!/usr/bin/env python3
"""The JSON report of every example, in both languages, against the schema and against the
text report of the same module: the same tables, cell texts and numbers, curve points and
messages. Each example is saved showing the module it is an example of.

usage: check_report_json.py KELVORA_CLI EXAMPLES_DIR SCHEMA
"""
import copy
import json
import os
import pathlib
import re
import subprocess
import sys
import tempfile

import jsonschema

# A copied cell that shows a number: decimal comma or point, then one unit or nothing.
NUMBER = re.compile(r"(-?\d+(?:[.,]\d+)?)(?: (\S+))?")
COPYING = ("table", "graph", "text")
PREFIX = "kelvora-cli: "


class Check:
    def __init__(self):
        self.failures = []

    def expect(self, condition, where, what):
        if not condition:
            self.failures.append(f"{where}: {what}")
        return condition


def run(cli, document, options, home):
    # A Czech locale: numbers must keep their point whatever the user's locale.
    env = dict(os.environ, XDG_CONFIG_HOME=home, LC_ALL="cs_CZ.UTF-8")
    done = subprocess.run([cli, "report", str(document), *options], env=env, capture_output=True, timeout=120)
    if done.returncode != 0:
        raise SystemExit(f"{document.name} {' '.join(options)}: exit {done.returncode}\n{done.stderr.decode()}")
    return done.stdout.decode(), done.stderr.decode()


def schema_errors(validator, report):
    return [f"/{'/'.join(map(str, e.absolute_path))}: {e.message}" for e in validator.iter_errors(report)]


def check_table(check, where, block, table, english):
    lines = block.split("\n")
    check.expect(lines[0] == table["name"], where, f"name {table['name']!r}, copied {lines[0]!r}")
    rows = [table["header"]] + [[r["label"]] + [c["text"] for c in r["cells"]] for r in table["rows"]]
    if not check.expect(len(lines) - 1 == len(rows), where, f"{len(rows)} rows, copied {len(lines) - 1}"):
        return
    for i, (line, row) in enumerate(zip(lines[1:], rows)):
        shown = line.split("\t")
        if not check.expect(len(shown) == len(row), f"{where} row {i}", f"{row} against {shown}"):
            continue
        for j, (copied, text) in enumerate(zip(shown, row)):
            here = f"{where} row {i} column {j}"
            if j + 1 < len(row):
                copied = copied.rstrip(" ")  # padded to the column
                text = text.rstrip(" ")
            if i == 0 or j == 0:
                check.expect(copied == text, here, f"{text!r}, copied {copied!r}")
                continue
            # A Czech copy gives the first point of a value a comma; an English one keeps it.
            expected = text if english else text.replace(".", ",", 1)
            check.expect(copied == expected, here, f"{text!r}, copied {copied!r}")
            cell = table["rows"][i - 1]["cells"][j - 1]
            number = NUMBER.fullmatch(copied)
            if number:
                value = float(number[1].replace(",", "."))
                check.expect(cell.get("value") == value and cell.get("unit") == (number[2] or ""), here,
                             f"{cell} for {copied!r}")
            else:
                check.expect("value" not in cell, here, f"{cell} has a number, copied {copied!r}")


def same_number(point, shown):
    try:
        number = float(shown)
    except ValueError:
        return False
    if point is None:
        return number != number or number in (float("inf"), float("-inf"))
    decimals = len(shown.partition(".")[2])
    return abs(point - number) <= 0.5 * 10 ** -decimals + 1e-6 * abs(number)


def check_graph(check, where, block, graph):
    # The copied values stand in rows after a title cell: x, then y, for each curve.
    rows = [line.split("\t")[1:] for line in block.split("\n") if "\t" in line]
    # A legend entry without points (the bare object's value) copies its name only.
    curves = [curve for curve in graph["curves"] if curve["points"]]
    if not check.expect(len(rows) == 2 * len(curves), where, f"{len(curves)} curves, copied {len(rows)} rows"):
        return
    for k, curve in enumerate(curves):
        points = curve["points"]
        for axis in (0, 1):
            shown = rows[2 * k + axis]
            here = f"{where} curve {k} {'xy'[axis]}"
            if check.expect(len(shown) == len(points), here, f"{len(points)} points, copied {len(shown)}"):
                for point, text in zip(points, shown):
                    check.expect(same_number(point[axis], text), here, f"{point[axis]}, copied {text!r}")


def check_against_text(check, where, report, text, stderr):
    blocks = text.rstrip("\n").split("\n\n") if text else []
    items = [item for item in report["items"] if item["type"] in COPYING]
    if not check.expect(len(blocks) == len(items), where, f"{len(items)} copied items, text has {len(blocks)}"):
        return
    for n, (block, item) in enumerate(zip(blocks, items)):
        here = f"{where} item {n} ({item['type']})"
        if item["type"] == "table":
            check_table(check, here, block, item, report["language"] == "en")
        elif item["type"] == "graph":
            check_graph(check, here, block, item)
        else:
            check.expect(block == item["text"].rstrip("\n"), here, f"{item['text']!r}, copied {block!r}")
    said = [line[len(PREFIX):] for line in stderr.splitlines() if line.startswith(PREFIX)]
    check.expect(report["messages"] == said, where, f"messages {report['messages']}, stderr {said}")


def main(cli, examples, schema_file):
    schema = json.loads(pathlib.Path(schema_file).read_text(encoding="utf-8"))
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    check = Check()
    # The Czech examples and their English twins.
    documents = sorted(pathlib.Path(examples).glob("*.vtp")) + sorted(pathlib.Path(examples).glob("en/*.vtp"))
    check.expect(documents, examples, "no examples")
    with tempfile.TemporaryDirectory() as home:
        for document in documents:
            for english in (False, True):
                where = f"{document.relative_to(examples)} ({'en' if english else 'cs'})"
                language = ["--english"] if english else []
                text, text_err = run(cli, document, language, home)
                out, json_err = run(cli, document, [*language, "--format", "json"], home)
                report = json.loads(out)
                errors = schema_errors(validator, report)
                for error in errors:
                    check.expect(False, where, f"schema: {error}")
                if errors:
                    continue
                # A twin keeps its report in English.
                shown = "en" if english or document.parent.name == "en" else "cs"
                check.expect(report["language"] == shown, where, report["language"])
                check.expect(json_err == text_err, where, f"stderr {json_err!r}, with text {text_err!r}")
                check_against_text(check, where, report, text, json_err)

                # The schema itself refuses a number written as a Czech text.
                spoilt = copy.deepcopy(report)
                cells = [c for i in spoilt["items"] if i["type"] == "table" for r in i["rows"] for c in r["cells"]]
                valued = [c for c in cells if "value" in c]
                if valued:
                    valued[0]["value"] = valued[0]["text"].replace(".", ",")
                    check.expect(schema_errors(validator, spoilt), where, "the schema takes a value as text")
    for failure in check.failures:
        print(failure)
    print(f"{len(documents)} examples in both languages: {len(check.failures)} faults")
    return 1 if check.failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    sys.exit(main(*sys.argv[1:]))
