#!/usr/bin/env python3
"""Runs scripts/check-layers on small planted trees: a backward include (quoted or in angle brackets), an
include through a wall, a cycle and an unused allowance must fail, naming the file and line or the row;
the same tree without them must pass, reaching lower layers through the closure of the rows."""

import os
import subprocess
import sys
import tempfile

TABLE = """# Architecture

| Folder | May include |
|---|---|
| `host/base` | nothing |
| `host/top` | `host/base`{top} |
| `app` | `host/top` |
| `client/p` | `host/top` |
{extra}
| Folder | Never includes |
|---|---|
| `client` | `host/base`, `app` |
"""

GOOD = {
    "host/base/base.h": '#pragma once\n\n#include <QObject>\n',
    "host/base/base.cpp": '#include "base.h"\n',
    "host/top/top.h": '#pragma once\n\n#include "host/base/base.h"\n',
    # host/base only through the closure of app's row
    "app/main.cpp": '#include "host/top/top.h"\n#include <host/base/base.h>\n#include "ui_main.h"\n',
    "client/p/p.cpp": '#include <host/top/top.h>\n',
}

CASES = [
    # name, extra table rows, files replaced or added, expected exit, texts the report must hold
    ("clean tree", "", {}, 0, ["every include follows the layer table"]),
    ("backward include", "",
     {"host/base/base.cpp": '#include "base.h"\n\n#include "host/top/top.h"\n'}, 1,
     ["host/base/base.cpp:3", "host/base may not include host/top"]),
    ("backward include in angle brackets", "",
     {"host/top/top.cpp": '#include "top.h"\n#include <app/main.h>\n', "app/main.h": "#pragma once\n"}, 1,
     ["host/top/top.cpp:2", "host/top may not include app"]),
    ("include through a wall", "",
     {"client/p/p.cpp": '#include <host/top/top.h>\n#include "host/base/base.h"\n'}, 1,
     ["client/p/p.cpp:2", "client never includes host/base"]),
    ("unused allowance", "| `host/side` | `host/top` |\n", {"host/side/side.h": '#pragma once\n'}, 1,
     ["host/side may include host/top, but no include of host/side does"]),
    ("folder without a row", "", {"simulator/link.cpp": '#include "host/base/base.h"\n'}, 1,
     ["simulator/link.cpp", "simulator has no row"]),
    ("include of no file", "", {"host/top/top.cpp": '#include "host/top/missing.h"\n'}, 1,
     ["host/top/top.cpp:1", "missing.h"]),
    ("include cycle", "| `host/side` | `host/top` |\n",
     {"host/side/side.h": '#pragma once\n#include "host/top/top.h"\n',
      "host/top/top.cpp": '#include "top.h"\n#include "host/side/side.h"\n'}, 1,
     ["host/top/top.cpp:2", "host/top may not include host/side",
      "include cycle between host/side, host/top: host/side -> host/top at host/side/side.h:2"]),
    ("cycle in the table", "| `host/side` | `host/top` |\n",
     {"@top": ", `host/side`", "host/side/side.h": '#pragma once\n#include "host/top/top.h"\n'}, 1,
     ["layer table: cycle between host/side, host/top"]),
]


def plant(root, extra, files):
    files = dict(files)
    top = files.pop("@top", "")     # more folders host/top may include
    os.makedirs(os.path.join(root, "docs"))
    with open(os.path.join(root, "docs", "architecture.md"), "w") as doc:
        doc.write(TABLE.format(extra=extra, top=top))
    for path, text in {**GOOD, **files}.items():
        os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
        with open(os.path.join(root, path), "w") as source:
            source.write(text)
def main(script):
    failures = 0
    for name, extra, files, expected_exit, texts in CASES:
        with tempfile.TemporaryDirectory() as root:
            plant(root, extra, files)
            run = subprocess.run([sys.executable, script, root], capture_output=True, text=True)
        report = run.stdout + run.stderr
        missing = [text for text in texts if text not in report]
        if run.returncode != expected_exit or missing:
            failures += 1
            print(f"FAIL {name}: exit {run.returncode} (expected {expected_exit}), missing {missing}\n{report}")
        else:
            print(f"PASS {name}")
    print(f"{len(CASES) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
