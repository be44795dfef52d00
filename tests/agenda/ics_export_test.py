#!/usr/bin/python3
"""notavex-agenda --ics read by an RFC 5545 reader written elsewhere
(python3-icalendar, with dateutil expanding the rules): from 2008 to 2035 its
events fall on exactly the days on which notavex-agenda --days shows each
message, as often as it shows it. Usage: ics_export_test.py NOTAVEX_AGENDA"""
import collections, datetime, json, re, subprocess, sys, tempfile
from dateutil.rrule import rrulestr
from icalendar import Calendar

TOOL = sys.argv[1]
START = datetime.date(2008, 2, 16)  # 29 February 2008 is the first 229 and a 5th Friday
END = datetime.date(2035, 12, 31)
NEVER = [42, 100, -1, -8, 1332, 230, 200, 431, 1300, 10101]
LONG = "あいうえおかきくけこ" * 4 + "さしすせそ"  # 45 characters
SCHEDULES = [
    [(f"code {c}", [c]) for c in range(42)]
    + [("leap day", [229]), ("year's end", [1231]), ("never", NEVER), ("no dates", [])],
    [("a,b;c\\d", [5, 19]), ("予定表〜返却", [101, 314, 42]), (LONG, [0, 31]), ("twice", [3, 3]), ("twice", [3])],
]


def run(*args):
    done = subprocess.run([TOOL, *args], capture_output=True, check=True)
    return done.stdout, done.stderr.decode()


def settings_file(messages, path):
    lines = [f"MessageNum={len(messages)}"]
    for i, (text, codes) in enumerate(messages):
        lines += [f"{i:02d}Num={len(codes)}", f"{i:02d}00={text}"]
        lines += [f"{i:02d}{k + 1:02d}={code}" for k, code in enumerate(codes)]
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp932"))
    return path


def board_days(path):
    """(day, text) for each line the board shows as today's, overflow included."""
    out, _ = run("--json", "--file", path, "--date", str(START), "--days", str((END - START).days + 1))
    shown = collections.Counter()
    for line in out.decode().splitlines():
        day = json.loads(line)
        texts = [entry["text"] for entry in day["today"]["lines"]]
        texts += re.findall(r"\[\d+件目の今日の予定\]\r\n\u3000(.*?)\r\n", day["overflow"])
        shown.update((datetime.date.fromisoformat(day["date"]), text) for text in texts)
    return shown


def export(path):
    raw, err = run("--ics", "--file", path, "--date", str(START))
    assert raw.endswith(b"\r\n") and b"\n" not in raw.replace(b"\r\n", b""), "lines end in CR LF"
    for line in raw.split(b"\r\n"):
        assert len(line) <= 75, line
        line.decode("utf-8")  # a fold never cuts a character
    return Calendar.from_ical(raw), err


def calendar_days(calendar):
    days = collections.Counter()
    for event in calendar.walk("VEVENT"):
        start = event.decoded("DTSTART")
        rule = rrulestr(event["RRULE"].to_ical().decode(), dtstart=datetime.datetime.combine(start, datetime.time()))
        dates = [d.date() for d in rule.between(datetime.datetime(1, 1, 1), datetime.datetime(END.year, 12, 31), True)]
        assert dates[0] == start, f"DTSTART {start} is no day of {event['RRULE'].to_ical()}"
        days.update((d, str(event["SUMMARY"])) for d in dates)
    return days


def uids(calendar):
    return collections.Counter((str(e["SUMMARY"]), e["RRULE"].to_ical(), e["UID"]) for e in calendar.walk("VEVENT"))


with tempfile.TemporaryDirectory() as folder:
    for schedule in SCHEDULES:
        path = settings_file(schedule, f"{folder}/notavex.ini")
        calendar, err = export(path)
        assert calendar["VERSION"] == "2.0" and calendar["CALSCALE"] == "GREGORIAN", calendar
        assert "Notavex" in calendar["PRODID"], calendar["PRODID"]
        events, now = calendar.walk("VEVENT"), datetime.datetime.now(datetime.timezone.utc)
        assert all(abs(e.decoded("DTSTAMP") - now) < datetime.timedelta(minutes=5) for e in events), "DTSTAMP in UTC"
        assert len(set(e["UID"] for e in events)) == len(events), "UIDs are unique"
        board, exported = board_days(path), calendar_days(calendar)
        missing, extra = sorted(board - exported), sorted(exported - board)
        assert not missing and not extra, f"board only: {missing[:5]}; calendar only: {extra[:5]}"
        # Each code that matches no day is named in a line of its own.
        named = [int(c) for c in re.findall(r"^notavex-agenda: message \d\d \".*\": date code (-?\d+) ", err, re.M)]
        never = [code for _, dates in schedule for code in dates if code in NEVER]
        assert sorted(named) == sorted(never) and err.count("\n") == len(named), err

        # Without its first message every other event keeps its UID.
        fewer, _ = export(settings_file(schedule[1:], f"{folder}/fewer.ini"))
        first = schedule[0][0]
        assert uids(fewer) == collections.Counter({k: n for k, n in uids(calendar).items() if k[0] != first})
        print(f"{len(events)} events; {sum(exported.values())} days of the board agree")
