#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reference computation of the planning report.

    plan_reference.py SCENARIO_DIR            compute one scenario
    plan_reference.py --all tests/data/plan   every scenario under the folder

A scenario folder holds `args` (the arguments after `plan`, one per line,
without --dir and --output), optionally VELMORANT.DAT and QVSKYTEMP.DAT (else
the files of data/ are used) and `expect`.  The script writes `expected.txt`
(the exact report, CR LF line ends, UTF-8) and rewrites `expect`
(exit status, the stderr text for a refused run, and the flags no-qvskytemp and
report=any).

Independent of the program's own sources: everything follows the written rules
of the planning run.  Standard library only.
"""

import os
import sys

sys.dont_write_bytecode = True          # keep the source folder clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from window import MainWindow                      # noqa: E402
from params import Refused                          # noqa: E402
from run import PlanningRun, BothStationsRefused  # noqa: E402

REPO = os.path.abspath(os.path.join(HERE, "..", ".."))
DATA = os.path.join(REPO, "data")


class ScenarioResult:
    def __init__(self, exit_code, report=None, stderr_key=None, report_any=False):
        self.exit_code = exit_code
        self.report = report
        self.stderr_key = stderr_key
        self.report_any = report_any


def parse_date(text):
    y, m, d = (int(x) for x in text.split("-"))
    return y, m, d


def compute(args, velmorant_dat, sky_dir):
    """Run the emulated `velmorant plan` command; sky_dir holds QVSKYTEMP.DAT (or not)."""
    start = end = None
    sets = []
    i = 0
    while i < len(args):
        a = args[i]
        if a == "--start":
            start = parse_date(args[i + 1]); i += 2
        elif a == "--end":
            end = parse_date(args[i + 1]); i += 2
        elif a == "--set":
            name, _, value = args[i + 1].partition("="); sets.append((name, value)); i += 2
        else:
            raise SystemExit("unknown argument " + a)
    if end is None:
        end = start
    if end < start:
        raise SystemExit("end date before start date: not a scenario of this folder")
    w = MainWindow()
    w.load_defaults(velmorant_dat)
    w.set_dates(start, end)
    for name, value in sets:
        w.set_control(name, value)
    run = PlanningRun(w, sky_dir)
    try:
        run.prepare()
    except Refused as r:
        key = stderr_key_for(r)
        return ScenarioResult(2, stderr_key=key)
    try:
        lines = run.run()
    except BothStationsRefused:
        return ScenarioResult(2, stderr_key="Display Selection")
    return ScenarioResult(0, report="".join(line + "\r\n" for line in lines))


def stderr_key_for(refusal):
    msg = refusal.message
    if "QVSKYTEMP.DAT" in msg:
        import re
        m = re.search(r"record \d+", msg)
        if m and "not a number" in msg:
            return m.group(0)
        return "QVSKYTEMP.DAT"
    if "Increment" in msg:
        return "Increment"
    if "Lines per output page" in msg:
        return "Lines per output page"
    return refusal.title


def read_flags(folder):
    flags = []
    path = os.path.join(folder, "expect")
    if os.path.exists(path):
        with open(path) as f:
            for line in f:
                line = line.strip()
                if line == "no-qvskytemp":
                    flags.append(line)
    return flags


def do_scenario(folder):
    with open(os.path.join(folder, "args")) as f:
        args = [line.rstrip("\r\n") for line in f if line.rstrip("\r\n") != ""]
    flags = read_flags(folder)
    dat = os.path.join(folder, "VELMORANT.DAT")
    if not os.path.exists(dat):
        dat = os.path.join(DATA, "VELMORANT.DAT")
    if "no-qvskytemp" in flags:
        sky_dir = os.path.join(folder, "__no_sky_file__")
    elif os.path.exists(os.path.join(folder, "QVSKYTEMP.DAT")):
        sky_dir = folder
    else:
        sky_dir = DATA
    result = compute(args, dat, sky_dir)
    expect = ["exit=%d" % result.exit_code]
    if result.stderr_key:
        expect.append("stderr=" + result.stderr_key)
    if result.report_any:
        expect.append("report=any")
    expect.extend(flags)
    with open(os.path.join(folder, "expect"), "w", newline="\n") as f:
        f.write("\n".join(expect) + "\n")
    out = os.path.join(folder, "expected.txt")
    if result.exit_code == 0:
        with open(out, "wb") as f:
            f.write(result.report.encode("utf-8"))
    elif os.path.exists(out):
        os.remove(out)
    n = result.report.count("\r\n") if result.report is not None else 0
    print("%-40s exit=%d lines=%d %s" % (os.path.basename(folder.rstrip("/")), result.exit_code,
                                         n, result.stderr_key or ""))


def main(argv):
    if len(argv) == 3 and argv[1] == "--all":
        root = argv[2]
        for name in sorted(os.listdir(root)):
            folder = os.path.join(root, name)
            if os.path.isfile(os.path.join(folder, "args")):
                do_scenario(folder)
    elif len(argv) == 2:
        do_scenario(argv[1])
    else:
        print(__doc__)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
