#!/usr/bin/env python3
"""Runs every example of the template authors' guide and compares its output with the text the
guide shows, so the guide cannot go stale. An example is a marker line

    <!-- glyphwright-cli ARGS... -->

followed by a fenced block holding what the command writes to standard output (run from the
repository's root; CP437 output shown as UTF-8). With --update the blocks are rewritten.

usage: tests/cli/guide_examples.py path/to/glyphwright-cli [--update]
"""
import os
import re
import shlex
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GUIDE = os.path.join(ROOT, "docs", "templates.md")
EXAMPLE = re.compile(r"<!-- glyphwright-cli (.*?) -->\n```[a-z]*\n(.*?)```\n", re.S)


def run(cli, arguments):
    result = subprocess.run([cli] + shlex.split(arguments), cwd=ROOT, capture_output=True, timeout=60)
    if result.returncode not in (0, 1):
        raise RuntimeError(f"glyphwright-cli {arguments}: exit {result.returncode}: {result.stderr.decode()}")
    # render writes the DOS code page; check and export --utf8 write UTF-8.
    encoding = "cp437" if arguments.startswith("render") else "utf-8"
    return result.stdout.decode(encoding).replace("\r\n", "\n")


def main():
    cli = os.path.abspath(sys.argv[1])
    update = "--update" in sys.argv[2:]
    text = open(GUIDE, encoding="utf-8").read()
    failures, count = [], 0

    def replace(match):
        nonlocal count
        count += 1
        actual = run(cli, match.group(1))
        if actual != match.group(2):
            failures.append(match.group(1))
        fence = match.group(0).split("\n")[1]
        return f"<!-- glyphwright-cli {match.group(1)} -->\n{fence}\n{actual}```\n"

    updated = EXAMPLE.sub(replace, text)
    if update:
        open(GUIDE, "w", encoding="utf-8").write(updated)
    elif failures:
        for arguments in failures:
            print(f"FAIL guide example differs: glyphwright-cli {arguments}")
    print(f"guide examples: {count - len(failures)} passed, {len(failures)} failed")
    return 1 if failures and not update else 0


if __name__ == "__main__":
    sys.exit(main())
