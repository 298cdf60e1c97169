#!/usr/bin/env python3
"""Runs every reference script under tests/*/reference/ again and compares
what it prints with the figures stored beside it, so that a stored
expectation can never drift from its script.

A script names its stored file in its "Run:" line ("python3 x.py > x.txt");
otherwise the file beside it with the same name, or the one in STORED_AS.
Every .txt of a reference folder must belong to a script.
"""
import difflib
import pathlib
import re
import subprocess
import sys

# Scripts whose stored figures carry another name and no redirection in "Run:".
STORED_AS = {"if97.py": "if97_verification.txt"}
RUN_LINE = re.compile(r"^Run:\s*python3\s+(\S+\.py)\s*>\s*(\S+\.txt)", re.MULTILINE)


def stored_file(script: pathlib.Path):
    match = RUN_LINE.search(script.read_text())
    if match and match.group(1) == script.name:
        return script.with_name(match.group(2))
    if script.name in STORED_AS:
        return script.with_name(STORED_AS[script.name])
    same = script.with_suffix(".txt")
    return same if same.exists() else None


def main() -> int:
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "tests")
    passed = failed = 0
    claimed = set()
    for script in sorted(root.glob("*/reference/*.py")):
        stored = stored_file(script)
        if stored is None:
            continue  # a module that only serves the other scripts
        claimed.add(stored.resolve())
        run = subprocess.run([sys.executable, script.name], cwd=script.parent,
                             capture_output=True, text=True, encoding="utf-8")
        expected = stored.read_text(encoding="utf-8") if stored.exists() else ""
        if run.returncode == 0 and run.stdout == expected:
            passed += 1
            print(f"ok      {script} -> {stored.name}")
            continue
        failed += 1
        print(f"DIFFERS {script} -> {stored.name} (exit {run.returncode})")
        sys.stdout.writelines(list(difflib.unified_diff(
            expected.splitlines(True), run.stdout.splitlines(True),
            str(stored), "printed now"))[:40])
        if run.stderr:
            print(run.stderr[-2000:])
    for orphan in sorted(root.glob("*/reference/*.txt")):
        if orphan.resolve() not in claimed:
            failed += 1
            print(f"NO SCRIPT for {orphan}")
    print(f"reference figures: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
