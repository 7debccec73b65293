#!/usr/bin/env python3
"""Checks that every control name and window name is typed as a string literal once.

Control names are declared as constants in the `*Controls.h` headers and window names in
`base/WindowNames.h`; everything else (models, windows, the command line, tests and benchmarks) uses the
constants, so that a mistyped name fails to compile. This script lists each literal of such a name found
outside its one declaration; comments may quote them. Exit status 1 when any is found.
"""
import pathlib
import re
import subprocess
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
declaration = re.compile(r'inline const QString (\w+) = QStringLiteral\("([^"]+)"\);')
window_names = root / "src/base/WindowNames.h"

declared = {}
for header in sorted(root.glob("src/**/*Controls.h")) + [window_names]:
    for line_no, line in enumerate(header.read_text(encoding="utf-8").splitlines(), 1):
        m = declaration.search(line)
        if m:
            declared.setdefault(m.group(2), []).append(f"{header.relative_to(root)}:{line_no}")

problems = []
for name, places in sorted(declared.items()):
    if len(places) > 1:
        problems.append(f'"{name}" declared {len(places)} times: ' + ", ".join(places))

# A literal is the name alone in quotes, or the name as the key of a CLI step ("NAME=..." / "NAME").
names = "|".join(re.escape(n) for n in sorted(declared, key=len, reverse=True))
literal = re.compile(r'"(' + names + r')(?:=[^"]*)?"')
sources = [p for d in ("src", "tests", "bench") for p in (root / d).rglob("*")
           if p.suffix in (".cpp", ".h") and not p.name.endswith("Controls.h") and p != window_names]
for path in sorted(sources):
    for line_no, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if line.lstrip().startswith("//"):
            continue
        for m in literal.finditer(line):
            problems.append(f'{path.relative_to(root)}:{line_no}: "{m.group(1)}" typed as a literal')

for p in problems:
    print(p)
if problems:
    print(f"{len(problems)} name literal(s) outside their declaration", file=sys.stderr)
    sys.exit(1)
