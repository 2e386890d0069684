#!/usr/bin/env python3
"""Runs every example of the guides in docs/ (templates and projects) and compares its output
with the text the guide shows, so the guides cannot go stale. An example is a marker line

    <!-- glyphwright-cli ARGS... -->

followed by a fenced block holding what the command writes to standard output (run from the
repository's root; CP437 output shown as UTF-8). ARGS ending in "2>&1" show standard error
after it. With --update the blocks are rewritten.

usage: tests/cli/guide_examples.py path/to/glyphwright-cli [--update]
"""
import os
import re
import shlex
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GUIDES = [os.path.join(ROOT, "docs", name) for name in ("templates.md", "projects.md")]
EXAMPLE = re.compile(r"<!-- glyphwright-cli (.*?) -->\n```[a-z]*\n(.*?)```\n", re.S)


def run(cli, arguments):
    with_errors = arguments.endswith(" 2>&1")
    command = arguments[: -len(" 2>&1")] if with_errors else arguments
    result = subprocess.run([cli] + shlex.split(command), cwd=ROOT, capture_output=True, timeout=60)
    if result.returncode not in (0, 1):
        raise RuntimeError(f"glyphwright-cli {arguments}: exit {result.returncode}: {result.stderr.decode()}")
    # render and normalize write the DOS code page; check and export --utf8 write UTF-8.
    encoding = "cp437" if command.startswith(("render", "normalize")) else "utf-8"
    shown = result.stdout.decode(encoding)
    if with_errors:
        shown += result.stderr.decode("utf-8")
    return shown.replace("\r\n", "\n")


def main():
    cli = os.path.abspath(sys.argv[1])
    update = "--update" in sys.argv[2:]
    failures, count = [], 0

    def replace(match):
        nonlocal count
        count += 1
        actual = run(cli, match.group(1))
        if actual != match.group(2):
            failures.append(match.group(1))
        fence = match.group(0).split("\n")[1]
        return f"<!-- glyphwright-cli {match.group(1)} -->\n{fence}\n{actual}```\n"

    for guide in GUIDES:
        text = open(guide, encoding="utf-8").read()
        updated = EXAMPLE.sub(replace, text)
        if update:
            open(guide, "w", encoding="utf-8").write(updated)
    if failures and not update:
        for arguments in failures:
            print(f"FAIL guide example differs: glyphwright-cli {arguments}")
    print(f"guide examples: {count - len(failures)} passed, {len(failures)} failed")
    return 1 if failures and not update else 0


if __name__ == "__main__":
    sys.exit(main())
