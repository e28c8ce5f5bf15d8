#!/usr/bin/env python3
"""Runs two busquery-cli binaries over the same batch of requests drawn from a bus database and
reports whether their answers agree byte for byte. The requests mix line lookups, station
lookups, suggestions, direct and changing routes, picked suggestion lines and texts cut in the
middle of a character, so a change that should not alter any answer is checked on all of them.

Usage: compare-answers.py OLD_CLI NEW_CLI DATABASE [COUNT] [SEED]
"""
import json
import random
import sqlite3
import subprocess
import sys


def requests(database, count, seed):
    rows = sqlite3.connect(database)
    lines = [r[0] for r in rows.execute("SELECT lnna FROM nlninfo")]
    stations = rows.execute("SELECT stna, rdna, near FROM nstinfo").fetchall()
    names = [s[0] for s in stations]
    pick = random.Random(seed)

    def part(text):
        data = text.encode()
        cut = pick.randrange(len(data) + 1) if data else 0
        # Cut anywhere, also inside a character: the answer to a broken text must not change either.
        return data[:cut].decode("utf-8", "surrogateescape")

    made = []
    for _ in range(count):
        kind = pick.randrange(8)
        if kind == 0:
            made.append({"line": part(pick.choice(lines))})
        elif kind == 1:
            made.append({"station": part(pick.choice(names))})
        elif kind == 2:
            made.append({"suggest": part(pick.choice(stations)[pick.randrange(3)] or "")})
        elif kind == 3:
            made.append({"from": pick.choice(names), "to": pick.choice(names)})
        elif kind == 4:
            made.append({"from": part(pick.choice(names)), "to": part(pick.choice(names))})
        elif kind == 5:
            s = pick.choice(stations)
            made.append({"from": s[0][:1], "to": pick.choice(names), "pick": f"{s[0]}[{s[1]}]{{{s[2]}}}"})
        elif kind == 6:
            made.append({"line": pick.choice(lines)[:2], "station": pick.choice(names)[:2]})
        else:
            made.append({"station": pick.choice(names)[-1:]})
    out = []
    for r in made:
        text = json.dumps(r, ensure_ascii=False)
        out.append(text.encode("utf-8", "surrogateescape"))
    # A few lines that are not UTF-8 at all, where the request reader speaks.
    out += [b'{"line": "\xe4\xb8"}', b'{"station": "\xc0\xaf"}', b'\xff\xfe']
    return b"\n".join(out) + b"\n"


def main():
    old, new, database = sys.argv[1:4]
    count = int(sys.argv[4]) if len(sys.argv) > 4 else 5000
    seed = int(sys.argv[5]) if len(sys.argv) > 5 else 12
    batch = requests(database, count, seed)
    answers = []
    for cli in (old, new):
        run = subprocess.run([cli, "--db", database, "batch"], input=batch, capture_output=True)
        answers.append((run.returncode, run.stdout, run.stderr))
    same = answers[0] == answers[1]
    print(f"{count + 3} requests, {len(answers[0][1])} bytes of answers:",
          "the same" if same else "DIFFERENT")
    if not same:
        for i, (a, b) in enumerate(zip(answers[0][1].split(b"\n"), answers[1][1].split(b"\n"))):
            if a != b:
                print(f"first difference at answer {i + 1}:\n  old {a[:300]!r}\n  new {b[:300]!r}")
                break
    return 0 if same else 1


if __name__ == "__main__":
    sys.exit(main())
