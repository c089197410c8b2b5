// Reads a month's .ics back with libical and writes what it read as JSON, in the shape that
// read-back.py writes. Usage: read_back_libical CALENDAR. A file that libical reads only in
// part (it marks what it could not read with X-LIC-ERROR) fails, with libical's words.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <cstdio>
#include <libical/ical.h>
#include <memory>

namespace {

// A date as a date, a time with a zone as its instant in UTC, a floating time as it stands:
// the form every reader of the tests writes.
QJsonValue timeText(icaltimetype time) {
    if (icaltime_is_null_time(time))
        return QJsonValue::Null;
    const bool floating = time.zone == nullptr && !icaltime_is_utc(time);
    if (!time.is_date && !floating)
        time = icaltime_convert_to_zone(time, icaltimezone_get_utc_timezone());
    QString text = QString::asprintf("%04d-%02d-%02d", time.year, time.month, time.day);
    if (time.is_date)
        return text;
    text += QString::asprintf("T%02d:%02d:%02d", time.hour, time.minute, time.second);
    return floating ? text : text + QStringLiteral("+00:00");
}

QString utf8(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

// An X- property's text; libical undoes its escapes as for TEXT, as calendars read them.
QString xText(icalcomponent* component, const char* name) {
    for (icalproperty* property = icalcomponent_get_first_property(component, ICAL_X_PROPERTY);
         property; property = icalcomponent_get_next_property(component, ICAL_X_PROPERTY))
        if (qstricmp(icalproperty_get_x_name(property), name) == 0)
            return utf8(icalproperty_get_x(property));
    return {};
}

// The property's text as libical reads it (its escapes undone), or "" when it is missing.
template <typename Get> QString text(icalcomponent* component, icalproperty_kind kind, Get get) {
    icalproperty* property = icalcomponent_get_first_property(component, kind);
    return property ? utf8(get(property)) : QString();
}

QJsonValue time(icalcomponent* event, icalproperty_kind kind, icaltimetype (*get)(icalcomponent*)) {
    return icalcomponent_get_first_property(event, kind) ? timeText(get(event)) : QJsonValue::Null;
}

QJsonArray alarms(icalcomponent* event) {
    QJsonArray found;
    for (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
         alarm; alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
        icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        icalproperty* action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
        QString when;
        if (trigger) {
            const icaltriggertype at = icalproperty_get_trigger(trigger);
            when = icaltime_is_null_time(at.time)
                       ? utf8(icaldurationtype_as_ical_string(at.duration))
                       : timeText(at.time).toString();
        }
        found.append(when + u' ' +
                     (action ? utf8(icalproperty_enum_to_string(icalproperty_get_action(action)))
                             : QString()));
    }
    return found;
}

QJsonObject eventObject(icalcomponent* event) {
    icalproperty* geo = icalcomponent_get_first_property(event, ICAL_GEO_PROPERTY);
    icalproperty* transp = icalcomponent_get_first_property(event, ICAL_TRANSP_PROPERTY);
    icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    QJsonValue where = QJsonValue::Null;
    if (geo) {
        const icalgeotype at = icalproperty_get_geo(geo);
        where = QJsonArray{at.lat, at.lon};
    }
    return {
        {u"uid"_qs, text(event, ICAL_UID_PROPERTY, icalproperty_get_uid)},
        {u"stamp"_qs, time(event, ICAL_DTSTAMP_PROPERTY, icalcomponent_get_dtstamp)},
        {u"start"_qs, time(event, ICAL_DTSTART_PROPERTY, icalcomponent_get_dtstart)},
        {u"end"_qs, time(event, ICAL_DTEND_PROPERTY, icalcomponent_get_dtend)},
        {u"summary"_qs, text(event, ICAL_SUMMARY_PROPERTY, icalproperty_get_summary)},
        {u"description"_qs, text(event, ICAL_DESCRIPTION_PROPERTY, icalproperty_get_description)},
        {u"location"_qs, text(event, ICAL_LOCATION_PROPERTY, icalproperty_get_location)},
        {u"geo"_qs, where},
        {u"transp"_qs,
         transp ? utf8(icalproperty_enum_to_string(icalproperty_get_transp(transp))) : QString()},
        {u"busy"_qs, xText(event, "X-MICROSOFT-CDO-BUSYSTATUS")},
        {u"alarms"_qs, alarms(event)},
        {u"allDay"_qs, start && icalproperty_get_dtstart(start).is_date == 1},
    };
}

// What libical could not read: it keeps going, and marks each such place with X-LIC-ERROR.
QStringList errors(icalcomponent* component) {
    QStringList found;
    for (icalproperty* error = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY);
         error; error = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY))
        found << utf8(icalproperty_get_xlicerror(error));
    for (icalcomponent* inner = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT);
         inner; inner = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT))
        found << errors(inner);
    return found;
}

struct FreeComponent {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: read_back_libical CALENDAR\n", stderr);
        return 2;
    }
    // A fault in the file is reported, never a reason to stop the reader half way.
    icalerror_set_errors_are_fatal(0);
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    const std::unique_ptr<icalcomponent, FreeComponent> calendar(
        icalparser_parse_string(file.readAll().constData()));
    if (!calendar || icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT) {
        std::fputs("libical found no single calendar in the file\n", stderr);
        return 1;
    }
    if (const QStringList found = errors(calendar.get()); !found.isEmpty()) {
        std::fprintf(stderr, "libical could not read all of it:\n%s\n",
                     qPrintable(found.join(u'\n')));
        return 1;
    }

    icalcomponent* root = calendar.get();
    QJsonArray events;
    for (icalcomponent* event = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT))
        events.append(eventObject(event));
    icalproperty* method = icalcomponent_get_first_property(root, ICAL_METHOD_PROPERTY);
    const QJsonObject read{
        {u"version"_qs, text(root, ICAL_VERSION_PROPERTY, icalproperty_get_version)},
        {u"method"_qs,
         method ? utf8(icalproperty_method_to_string(icalproperty_get_method(method))) : QString()},
        {u"name"_qs, xText(root, "X-WR-CALNAME")},
        {u"description"_qs, xText(root, "X-WR-CALDESC")},
        {u"events"_qs, events},
    };
    const QByteArray json = QJsonDocument(read).toJson(QJsonDocument::Compact);
    return std::fwrite(json.constData(), 1, json.size(), stdout) == std::size_t(json.size()) ? 0
                                                                                             : 1;
}
