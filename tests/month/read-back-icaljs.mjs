// Reads a month's .ics back with Mozilla's ical.js and writes what it read as JSON, in the
// shape that read-back.py writes. Usage: node read-back-icaljs.mjs ICAL_JS CALENDAR, where
// ICAL_JS is the library's dist/ical.js unpacked from its tarball. Exits 3 when it is missing.
import { readFileSync } from "node:fs";
import { pathToFileURL } from "node:url";

const [libraryPath, calendarPath] = process.argv.slice(2);

let ICAL;
try {
    ICAL = (await import(pathToFileURL(libraryPath).href)).default;
} catch (error) {
    console.error(`ical.js is missing: ${error.message}`);
    process.exit(3);
}

const two = (n) => String(n).padStart(2, "0");

// A date as a date; a time in UTC as the instant, "+00:00"; a floating time as it stands.
// A time in a named zone is turned into UTC, so that every reader gives the same instant.
function timeText(time) {
    if (!time) return null;
    const date = `${String(time.year).padStart(4, "0")}-${two(time.month)}-${two(time.day)}`;
    if (time.isDate) return date;
    const floating = time.zone === ICAL.Timezone.localTimezone || !time.zone;
    const at = floating ? time : time.convertToZone(ICAL.Timezone.utcTimezone);
    const clock = `${two(at.hour)}:${two(at.minute)}:${two(at.second)}`;
    if (floating) return `${date}T${clock}`;
    return `${String(at.year).padStart(4, "0")}-${two(at.month)}-${two(at.day)}T${clock}+00:00`;
}

// Text of a property that ical.js knows, or of an X- property, which it leaves as written:
// calendars read X-WR-CALNAME and its kind as TEXT, so its escapes are undone here.
function text(component, name) {
    const property = component.getFirstProperty(name);
    if (!property) return "";
    const value = String(property.getFirstValue());
    if (property.type !== "unknown") return value;
    return value.replace(/\\([\\;,nN])/g, (_, c) => (c === "n" || c === "N" ? "\n" : c));
}

// Before the start ("-PT10M") or at a moment, written as every reader writes a moment.
function triggerText(alarm) {
    const trigger = alarm.getFirstPropertyValue("trigger");
    return trigger instanceof ICAL.Time ? timeText(trigger) : String(trigger ?? "");
}

const calendar = new ICAL.Component(ICAL.parse(readFileSync(calendarPath, "utf8")));
const events = calendar.getAllSubcomponents("vevent").map((event) => {
    const start = event.getFirstPropertyValue("dtstart");
    const geo = event.getFirstPropertyValue("geo");
    return {
        uid: text(event, "uid"),
        stamp: timeText(event.getFirstPropertyValue("dtstamp")),
        start: timeText(start),
        end: timeText(event.getFirstPropertyValue("dtend")),
        summary: text(event, "summary"),
        description: text(event, "description"),
        location: text(event, "location"),
        geo: geo ? [Number(geo[0]), Number(geo[1])] : null,
        transp: text(event, "transp"),
        busy: text(event, "x-microsoft-cdo-busystatus"),
        alarms: event
            .getAllSubcomponents("valarm")
            .map((alarm) => `${triggerText(alarm)} ${text(alarm, "action")}`),
        allDay: Boolean(start && start.isDate),
    };
});
process.stdout.write(
    JSON.stringify({
        version: text(calendar, "version"),
        method: text(calendar, "method"),
        name: text(calendar, "x-wr-calname"),
        description: text(calendar, "x-wr-caldesc"),
        events,
    }),
);
