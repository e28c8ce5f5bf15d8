#!/usr/bin/env python3
"""Runs two busquery-cli binaries over the same batch of requests drawn from a bus database and
reports whether their answers agree byte for byte. The requests mix line lookups, station
lookups, suggestions, direct and changing routes, picked suggestion lines and texts cut in the
middle of a character, so a change that should not alter any answer is checked on all of them;
on a database with a timetable as many route searches at a time follow, leaving at and arriving
by random days and times.

Usage: compare-answers.py OLD_CLI NEW_CLI DATABASE [COUNT] [SEED]
"""
import datetime
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
    made += timed_requests(rows, names, count, seed)
    out = []
    for r in made:
        text = json.dumps(r, ensure_ascii=False)
        out.append(text.encode("utf-8", "surrogateescape"))
    # A few lines that are not UTF-8 at all, where the request reader speaks.
    out += [b'{"line": "\xe4\xb8"}', b'{"station": "\xc0\xaf"}', b'\xff\xfe']
    return b"\n".join(out) + b"\n"


def timed_requests(rows, names, count, seed):
    """Route searches at a time, leaving and arriving by, when the database has a timetable:
    as many as the other requests, drawn apart from them so that those stay as they were."""
    if not rows.execute("SELECT 1 FROM sqlite_master WHERE name = 'nlntrip'").fetchone():
        return []
    first, last = 20260105, 20260118
    if rows.execute("SELECT 1 FROM sqlite_master WHERE name = 'nsvinfo'").fetchone():
        span = rows.execute("SELECT min(startdate), max(enddate) FROM nsvinfo WHERE weekdays > 0").fetchone()
        if span[0] and span[1]:
            first, last = span
    start = datetime.date(first // 10000, first // 100 % 100, first % 100)
    end = datetime.date(last // 10000, last // 100 % 100, last % 100)
    pick = random.Random(seed + 1)
    made = []
    for _ in range(count):
        # Now and then a day a week past the timetable's, which the search moves into it.
        day = start + datetime.timedelta(days=pick.randrange((end - start).days + 8))
        time = f"{day.isoformat()} {pick.randrange(24):02d}:{pick.randrange(60):02d}"
        key = "arriveBy" if pick.randrange(4) == 0 else "at"
        made.append({"from": pick.choice(names), "to": pick.choice(names), key: time})
    return made


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
    lines = batch.count(b"\n")
    print(f"{lines} requests, {len(answers[0][1])} bytes of answers:",
          "the same" if same else "DIFFERENT")
    if not same:
        for i, (a, b) in enumerate(zip(answers[0][1].split(b"\n"), answers[1][1].split(b"\n"))):
            if a != b:
                print(f"first difference at answer {i + 1}:\n  old {a[:300]!r}\n  new {b[:300]!r}")
                break
    return 0 if same else 1


if __name__ == "__main__":
    sys.exit(main())
