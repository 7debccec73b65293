#!/usr/bin/env python3
"""Checks that no file under src/ includes a header from a folder on a higher floor.

A folder may include its own headers and those of folders on lower floors; folders on
the same floor stay independent of each other. Widget code (a ui/ subfolder) may include
the widget code of lower floors; code without widgets includes no ui/ header at all.
Exit status 1 lists every offending include.
"""
import pathlib
import re
import sys

# Lowest first. Keep in step with ARCHITECTURE.md.
FLOORS = {
    "base": 0,
    "storage": 1,
    "registry": 2, "referencedata": 2, "spreadsheet": 2, "update": 2, "legislation": 2,
    "engine": 3,
    "reports": 4, "import": 4, "backup": 4,
    "vouchers": 5,
    "periods": 6,
    "workspace": 7,
    "app": 8,
    "app/main": 9, "app/screens": 9, "cli": 9,
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def folder_of(relative):
    parts = pathlib.PurePosixPath(relative).parts
    if len(parts) >= 2 and f"{parts[0]}/{parts[1]}" in FLOORS:
        return f"{parts[0]}/{parts[1]}"
    return parts[0]


def is_widget_code(relative):
    return "ui" in pathlib.PurePosixPath(relative).parts[:-1]


def main():
    src = pathlib.Path(__file__).resolve().parent.parent / "src"
    problems = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(src).as_posix()
        own = folder_of(relative)
        if own not in FLOORS:
            problems.append(f"{relative}: folder '{own}' has no floor")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = match.group(1)
            if "/" not in target:
                continue
            other = folder_of(target)
            if other not in FLOORS:
                problems.append(f"{relative}:{number}: includes {target} from unknown folder '{other}'")
            elif other != own and FLOORS[other] >= FLOORS[own]:
                problems.append(f"{relative}:{number}: {own} (floor {FLOORS[own]}) includes {target} "
                                f"({other}, floor {FLOORS[other]})")
            elif is_widget_code(target) and not is_widget_code(relative) and own not in ("app/main", "app/screens"):
                problems.append(f"{relative}:{number}: code without widgets includes widget header {target}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
