#!/usr/bin/env python3
"""Reads a month's .ics or .csv back with a reader that is not the program's, and
writes what it read as JSON. Exits 3 when python3-icalendar is missing."""
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
    return {"version": str(calendar["VERSION"]), "method": str(calendar.get("METHOD", "")),
            "name": str(calendar.get("X-WR-CALNAME", "")), "events": events}


def read_table(path):
    with open(path, newline="", encoding="utf-8", errors="strict") as file:
        return {"rows": list(csv.reader(file, strict=True))}


def main():
    kind, path = sys.argv[1:]
    json.dump(read_calendar(path) if kind == "ics" else read_table(path), sys.stdout,
              ensure_ascii=False)
    return 0


if __name__ == "__main__":
    sys.exit(main())
