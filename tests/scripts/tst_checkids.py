#!/usr/bin/env python3
"""Runs scripts/check-ids on small planted trees: ids written as numbers must be reported with file and
line, text numbers, sizes and quantities must not, and a tree that names its ids must pass silently."""

import os
import subprocess
import sys
import tempfile

TABLES = {
    "host/otn/otnpid.h": "namespace PID {\nconstexpr int LOS = 101;\nconstexpr int LINE_RATE = 11141;\n}\n",
    "host/otn/otnpid.cpp": "const int MAPPING[2] = {12006, 12007};\n",
    "host/otn/otniid.h": "namespace nsIID {\nconstexpr int SUMMARY = 405;\n}\n",
    "host/otn/otniid.cpp": "const int ODU_AIS[2] = {117, 118};\n",
    "host/otn/globalpid.h": "constexpr int BIDIRECTIONAL_PERFORMANCE = 265;\n",
}

CLEAN = """#include "host/otn/otnpid.h"
// 11141 in a comment, "12006" in a string
constexpr int uiTextScan = 5086;
constexpr double frameBits = 4 * 4080 * 8;
void f(Page *page, const WidgetText &texts, int port)
{
    page->setWindowTitle(texts.getUiText(4206) + QStringLiteral("101"));
    page->setFixedSize(290, 165);
    const int sid = nsSID::otnSid(port, PID::LINE_RATE);
    const int none = nsSID::otnSid(port, 0);
    const QColor grey(255, 255, 255);
}
"""

CASES = [
    # name, files, expected exit, texts the report must hold, texts it must not hold
    ("names only", {"client/page.cpp": CLEAN}, 0, [], ["page.cpp"]),
    ("a parameter id", {"client/page.cpp": CLEAN + "int g(int p) { return nsSID::otnSid(p, 12006); }\n"}, 1,
     ["client/page.cpp:13: 12006"], []),
    ("a group", {"simulator/rules.cpp": "constexpr int lockGroup = 0x050000;\n"}, 1, ["simulator/rules.cpp:1: 0x050000"],
     []),
    ("a counter of the tables, and a number that is none",
     {"client/counters.cpp": "const int ids[] = {405,\n 255};\n"}, 1, ["client/counters.cpp:1: 405"],
     ["counters.cpp:2"]),
    ("a small id in an id's place",
     {"client/factory.cpp": "Page *create(int pageId)\n{\n    switch (pageId) {\n    case 34:\n        return nullptr;\n"
                            "    }\n    return nullptr;\n}\nenum StimuliId { LaneSkew = 19 };\n"
                            "int t(int level) { switch (level) { case 3: return 1; } return 0; }\n"}, 1,
     ["client/factory.cpp:4: 34", "client/factory.cpp:9: 19"], ["factory.cpp:10"]),
]


def main(script):
    failures = 0
    for name, files, expected_exit, texts, absent in CASES:
        with tempfile.TemporaryDirectory() as root:
            for path, text in {**TABLES, **files}.items():
                os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
                with open(os.path.join(root, path), "w") as source:
                    source.write(text)
            run = subprocess.run([sys.executable, script, root], capture_output=True, text=True)
        report = run.stdout + run.stderr
        missing = [text for text in texts if text not in report]
        unwanted = [text for text in absent if text in report]
        if run.returncode != expected_exit or missing or unwanted:
            failures += 1
            print(f"FAIL {name}: exit {run.returncode} (expected {expected_exit}), missing {missing}, "
                  f"unwanted {unwanted}\n{report}")
        else:
            print(f"PASS {name}")
    print(f"{len(CASES) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
