#!/usr/bin/env python3
"""Reads a month's file back with a reader of its own, not the program's.

Usage: read-back.py ics FILE | read-back.py csv FILE

Writes what it read as JSON on standard output: for a calendar, its
PRODID and VERSION and each event's properties (times as ISO 8601 in
universal time, alarms as their triggers); for a table, its rows as lists
of cells. Exits 3 when the calendar reader (python3-icalendar) is missing,
so the caller can say it skipped.
"""
import csv
import json
import sys


def read_calendar(path):
    try:
        import icalendar
    except ImportError:
        print("python3-icalendar is missing", file=sys.stderr)
        sys.exit(3)
    with open(path, "rb") as file:
        calendar = icalendar.Calendar.from_ical(file.read())
    events = []
    for event in calendar.walk("VEVENT"):
        geo = event.get("GEO")
        events.append({
            "uid": str(event["UID"]),
            "stamp": event.decoded("DTSTAMP").isoformat(),
            "start": event.decoded("DTSTART").isoformat(),
            "end": event.decoded("DTEND").isoformat(),
            "summary": str(event["SUMMARY"]),
            "description": str(event["DESCRIPTION"]),
            "location": str(event["LOCATION"]),
            "geo": [geo.latitude, geo.longitude] if geo is not None else None,
            "transp": str(event["TRANSP"]),
            "busy": str(event["X-MICROSOFT-CDO-BUSYSTATUS"]),
            "alarms": [str(alarm["TRIGGER"].to_ical(), "ascii") + " " + str(alarm["ACTION"])
                       for alarm in event.walk("VALARM")],
        })
    return {"version": str(calendar["VERSION"]), "prodid": str(calendar["PRODID"]),
            "events": events}


def read_table(path):
    with open(path, newline="", encoding="utf-8", errors="strict") as file:
        return {"rows": list(csv.reader(file, strict=True))}


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("ics", "csv"):
        print(__doc__, file=sys.stderr)
        return 2
    kind, path = sys.argv[1], sys.argv[2]
    result = read_calendar(path) if kind == "ics" else read_table(path)
    json.dump(result, sys.stdout, ensure_ascii=False)
    return 0


if __name__ == "__main__":
    sys.exit(main())
