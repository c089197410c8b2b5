#!/usr/bin/env python3
"""Reads a month's .ics or .csv back with a reader that is not the program's, and
writes what it read as JSON. Exits 3 when python3-icalendar is missing."""
import csv
import datetime
import json
import sys


def time_text(event, name):
    """A date as a date, a time with a zone as its instant in UTC, a floating time as it stands:
    the form every reader of the tests writes."""
    if name not in event:
        return None
    value = event.decoded(name)
    if isinstance(value, datetime.datetime) and value.tzinfo is not None:
        value = value.astimezone(datetime.timezone.utc)
    return value.isoformat()


def trigger_text(alarm):
    """Before the start ("-PT10M") or at a moment, written as every reader writes a moment."""
    if "TRIGGER" not in alarm:
        return ""
    if isinstance(alarm.decoded("TRIGGER"), datetime.datetime):
        return time_text(alarm, "TRIGGER")
    return str(alarm["TRIGGER"].to_ical(), "ascii")


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
        start = event.decoded("DTSTART") if "DTSTART" in event else None
        events.append({
            "uid": str(event.get("UID", "")),
            "stamp": time_text(event, "DTSTAMP"),
            "start": time_text(event, "DTSTART"),
            "end": time_text(event, "DTEND"),
            "summary": str(event.get("SUMMARY", "")),
            "description": str(event.get("DESCRIPTION", "")),
            "location": str(event.get("LOCATION", "")),
            "geo": [geo.latitude, geo.longitude] if geo is not None else None,
            "transp": str(event.get("TRANSP", "")),
            "busy": str(event.get("X-MICROSOFT-CDO-BUSYSTATUS", "")),
            "alarms": [trigger_text(alarm) + " " + str(alarm.get("ACTION", ""))
                       for alarm in event.walk("VALARM")],
            "allDay": isinstance(start, datetime.date)
            and not isinstance(start, datetime.datetime),
        })
    return {"version": str(calendar["VERSION"]), "method": str(calendar.get("METHOD", "")),
            "name": str(calendar.get("X-WR-CALNAME", "")),
            "description": str(calendar.get("X-WR-CALDESC", "")), "events": events}


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
