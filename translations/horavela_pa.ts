<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pa_IN">
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &quot;%1&quot;; see horavela --help</source>
        <translation>ਅਣਕਿਆਸਿਆ ਆਰਗੂਮੈਂਟ &quot;%1&quot;; ਵੇਖੋ horavela --help</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 ਦੋ ਵਾਰ ਦਿੱਤੀ ਗਈ ਹੈ</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 ਲਈ ਮੁੱਲ ਲੋੜੀਂਦਾ ਹੈ</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone (missing --%1)</source>
        <translation>--place ਦਿਓ, ਜਾਂ --lat, --lon ਅਤੇ --zone (--%1 ਨਹੀਂ ਦਿੱਤੀ ਗਈ)</translation>
    </message>
    <message>
        <source>--lat &quot;%1&quot; is not a latitude in decimal degrees</source>
        <translation>--lat &quot;%1&quot; ਦਸ਼ਮਲਵ ਡਿਗਰੀਆਂ ਵਿੱਚ ਅਕਸ਼ਾਂਸ਼ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>--lon &quot;%1&quot; is not a longitude in decimal degrees</source>
        <translation>--lon &quot;%1&quot; ਦਸ਼ਮਲਵ ਡਿਗਰੀਆਂ ਵਿੱਚ ਰੇਖਾਂਸ਼ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>--zone &quot;%1&quot; is neither a zone of this system&apos;s time-zone data nor hours:minutes such as -5:-30</source>
        <translation>--zone &quot;%1&quot; ਨਾ ਤਾਂ ਇਸ ਸਿਸਟਮ ਦੇ ਇਲਾਕਾਈ ਵੇਲਿਆਂ ਦੇ ਡਾਟੇ ਵਿੱਚ ਕੋਈ ਇਲਾਕਾਈ ਵੇਲਾ ਹੈ, ਨਾ ਹੀ -5:-30 ਵਰਗੇ ਘੰਟੇ:ਮਿੰਟ</translation>
    </message>
    <message>
        <source>--place &quot;%1&quot; is not &quot;CITY, STATE, COUNTRY&quot;</source>
        <translation>--place &quot;%1&quot; &quot;ਸ਼ਹਿਰ, ਰਾਜ, ਦੇਸ਼&quot; ਦੇ ਰੂਪ ਵਿੱਚ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>the places database cannot be read</source>
        <translation>ਥਾਵਾਂ ਦਾ ਡਾਟਾਬੇਸ ਪੜ੍ਹਿਆ ਨਹੀਂ ਜਾ ਸਕਦਾ</translation>
    </message>
    <message>
        <source>no place called &quot;%1&quot; in the places database</source>
        <translation>ਥਾਵਾਂ ਦੇ ਡਾਟਾਬੇਸ ਵਿੱਚ &quot;%1&quot; ਨਾਮ ਦੀ ਕੋਈ ਥਾਂ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>ਘੱਟੋ-ਘੱਟ %1</translation>
    </message>
    <message>
        <source>the zone of %1, %2, is not in this system&apos;s time-zone data</source>
        <translation>%1 ਦਾ ਇਲਾਕਾਈ ਵੇਲਾ, %2, ਇਸ ਸਿਸਟਮ ਦੇ ਇਲਾਕਾਈ ਵੇਲਿਆਂ ਦੇ ਡਾਟੇ ਵਿੱਚ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>--language &quot;%1&quot; is not one of en, hi, bn, te, mr, ta, gu, kn, ml, pa and or</source>
        <translation>--language &quot;%1&quot; en, hi, bn, te, mr, ta, gu, kn, ml, pa ਅਤੇ or ਵਿੱਚੋਂ ਕੋਈ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>--month YYYY-MM is needed; see horavela --help</source>
        <translation>--month YYYY-MM ਲੋੜੀਂਦਾ ਹੈ; ਵੇਖੋ horavela --help</translation>
    </message>
    <message>
        <source>--month &quot;%1&quot; is not a month such as 2025-03</source>
        <translation>--month &quot;%1&quot; 2025-03 ਵਰਗਾ ਮਹੀਨਾ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>--months &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>--months &quot;%1&quot; 1 ਤੋਂ 12 ਤੱਕ ਦਾ ਅੰਕ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>the months must lie from 1901-01 to 2050-12</source>
        <translation>ਮਹੀਨੇ 1901-01 ਤੋਂ 2050-12 ਤੱਕ ਹੋਣੇ ਚਾਹੀਦੇ ਹਨ</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone, not both</source>
        <translation>--place ਦਿਓ, ਜਾਂ --lat, --lon ਅਤੇ --zone, ਦੋਵੇਂ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>standard output cannot be written</source>
        <translation>ਸਟੈਂਡਰਡ ਆਊਟਪੁੱਟ ਵਿੱਚ ਲਿਖਿਆ ਨਹੀਂ ਜਾ ਸਕਦਾ</translation>
    </message>
    <message>
        <source>Usage: horavela --month YYYY-MM (--place &quot;CITY[, STATE], COUNTRY&quot; |
                --lat=DEGREES --lon=DEGREES --zone=ZONE) [OPTIONS]

Writes Rahu Kaal, Yamaganda and Gulika Kaal for every day of a month at a place,
as the month window saves them, without opening a window.

  --month YYYY-MM    the first month, from 1901-01 to 2050-12
  --months N         how many months, 1 to 12 (default 1)
  --place TEXT       a place of the places database: &quot;Pune, Maharashtra, India&quot;,
                     &quot;Pune, India&quot; or &quot;Pune&quot;; its zone follows the date
  --lat DEGREES      latitude in decimal degrees, north positive: 18.52
  --lon DEGREES      longitude in decimal degrees, east positive: -74.0 is west
                     (both rounded to the nearest minute)
  --zone ZONE        a zone name, Asia/Kolkata, whose offset follows the date; or
                     hours:minutes behind universal time as the main window takes
                     them, -5:-30 (an offset under an hour ahead: -0:-19)
  --format FORMAT    text (default), csv, ics (a calendar) or pdf (the month
                     window&apos;s pages, only with --out)
  --periods LIST     the calendar&apos;s events: rahu, yamaganda and gulika, any of
                     them, comma-separated (default rahu); with --format ics only
  --alarm MINUTES    the calendar&apos;s reminder, 1 to 1440 minutes before each
                     period, or none (default 10); with --format ics only
  --out FILE         write FILE, whole or not at all; else standard output
  --language CODE    the language of the text and the calendar: en, hi, bn, te, mr,
                     ta, gu, kn, ml, pa or or (default: the one chosen in the
                     window, else the desktop&apos;s)
  -h, --help         show this help
  --version          show the program&apos;s version

Each option takes its value as --name value or --name=value.
Exit status: 0 done, 2 bad input, 1 the file or the places database failed.
</source>
        <translation>ਵਰਤੋਂ: horavela --month YYYY-MM (--place &quot;ਸ਼ਹਿਰ[, ਰਾਜ], ਦੇਸ਼&quot; |
                --lat=DEGREES --lon=DEGREES --zone=ZONE) [OPTIONS]

ਕਿਸੇ ਥਾਂ ਲਈ ਮਹੀਨੇ ਦੇ ਹਰ ਦਿਨ ਦਾ ਰਾਹੂ ਕਾਲ, ਯਮਗੰਡ ਅਤੇ ਗੁਲਿਕ ਕਾਲ ਲਿਖਦਾ ਹੈ,
ਜਿਵੇਂ ਮਹੀਨੇ ਵਾਲੀ ਵਿੰਡੋ ਉਹਨਾਂ ਨੂੰ ਸੰਭਾਲਦੀ ਹੈ, ਕੋਈ ਵਿੰਡੋ ਖੋਲ੍ਹੇ ਬਿਨਾਂ।

  --month YYYY-MM    ਪਹਿਲਾ ਮਹੀਨਾ, 1901-01 ਤੋਂ 2050-12 ਤੱਕ
  --months N         ਕਿੰਨੇ ਮਹੀਨੇ, 1 ਤੋਂ 12 (ਮੂਲ 1)
  --place TEXT       ਥਾਵਾਂ ਦੇ ਡਾਟਾਬੇਸ ਦੀ ਕੋਈ ਥਾਂ: &quot;Pune, Maharashtra, India&quot;,
                     &quot;Pune, India&quot; ਜਾਂ &quot;Pune&quot;; ਇਸਦਾ ਇਲਾਕਾਈ ਵੇਲਾ ਤਾਰੀਖ਼ ਅਨੁਸਾਰ ਲਿਆ ਜਾਂਦਾ ਹੈ
  --lat DEGREES      ਦਸ਼ਮਲਵ ਡਿਗਰੀਆਂ ਵਿੱਚ ਅਕਸ਼ਾਂਸ਼, ਉੱਤਰ ਧਨਾਤਮਕ: 18.52
  --lon DEGREES      ਦਸ਼ਮਲਵ ਡਿਗਰੀਆਂ ਵਿੱਚ ਰੇਖਾਂਸ਼, ਪੂਰਬ ਧਨਾਤਮਕ: -74.0 ਪੱਛਮ ਹੈ
                     (ਦੋਵੇਂ ਸਭ ਤੋਂ ਨੇੜਲੇ ਮਿੰਟ ਤੱਕ ਰਾਊਂਡ ਕੀਤੇ ਜਾਂਦੇ ਹਨ)
  --zone ZONE        ਇਲਾਕਾਈ ਵੇਲੇ ਦਾ ਨਾਮ, Asia/Kolkata, ਜਿਸਦਾ ਫ਼ਰਕ ਤਾਰੀਖ਼ ਅਨੁਸਾਰ ਲਿਆ ਜਾਂਦਾ ਹੈ; ਜਾਂ
                     ਵਿਸ਼ਵ-ਵਿਆਪੀ ਸਮੇਂ ਤੋਂ ਪਿੱਛੇ ਘੰਟੇ:ਮਿੰਟ, ਜਿਵੇਂ ਮੁੱਖ ਵਿੰਡੋ ਉਹਨਾਂ ਨੂੰ ਲੈਂਦੀ ਹੈ,
                     -5:-30 (ਇੱਕ ਘੰਟੇ ਤੋਂ ਘੱਟ ਅੱਗੇ ਹੋਵੇ ਤਾਂ: -0:-19)
  --format FORMAT    text (ਮੂਲ), csv, ics (ਕੈਲੰਡਰ) ਜਾਂ pdf (ਮਹੀਨੇ ਵਾਲੀ ਵਿੰਡੋ ਦੇ
                     ਸਫ਼ੇ, ਸਿਰਫ਼ --out ਨਾਲ)
  --periods LIST     ਕੈਲੰਡਰ ਦੀਆਂ ਘਟਨਾਵਾਂ: rahu, yamaganda ਅਤੇ gulika ਵਿੱਚੋਂ ਕੋਈ ਵੀ,
                     ਕਾਮਿਆਂ ਨਾਲ ਵੱਖ (ਮੂਲ rahu); ਸਿਰਫ਼ --format ics ਨਾਲ
  --alarm MINUTES    ਕੈਲੰਡਰ ਦੀ ਯਾਦ-ਦਹਾਨੀ, ਹਰ ਮਿਆਦ ਤੋਂ 1 ਤੋਂ 1440 ਮਿੰਟ ਪਹਿਲਾਂ,
                     ਜਾਂ none (ਮੂਲ 10); ਸਿਰਫ਼ --format ics ਨਾਲ
  --out FILE         FILE ਲਿਖਦਾ ਹੈ, ਪੂਰੀ ਜਾਂ ਬਿਲਕੁਲ ਨਹੀਂ; ਨਹੀਂ ਤਾਂ ਸਟੈਂਡਰਡ ਆਊਟਪੁੱਟ
  --language CODE    ਲਿਖਤ ਅਤੇ ਕੈਲੰਡਰ ਦੀ ਭਾਸ਼ਾ: en, hi, bn, te, mr,
                     ta, gu, kn, ml, pa ਜਾਂ or (ਮੂਲ: ਵਿੰਡੋ ਵਿੱਚ ਚੁਣੀ ਹੋਈ,
                     ਨਹੀਂ ਤਾਂ ਡੈਸਕਟਾਪ ਦੀ)
  -h, --help         ਇਹ ਮਦਦ ਦਿਖਾਉਂਦਾ ਹੈ
  --version          ਪ੍ਰੋਗਰਾਮ ਦਾ ਸੰਸਕਰਣ ਦਿਖਾਉਂਦਾ ਹੈ

ਹਰ ਚੋਣ ਆਪਣਾ ਮੁੱਲ --name value ਜਾਂ --name=value ਵਜੋਂ ਲੈਂਦੀ ਹੈ।
ਬਾਹਰ ਜਾਣ ਦੀ ਸਥਿਤੀ: 0 ਪੂਰਾ ਹੋਇਆ, 2 ਗਲਤ ਇਨਪੁੱਟ, 1 ਫ਼ਾਈਲ ਜਾਂ ਥਾਵਾਂ ਦਾ ਡਾਟਾਬੇਸ ਅਸਫਲ ਰਿਹਾ।
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>ਅਣਜਾਣ ਚੋਣ %1</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 ਕੋਈ ਮੁੱਲ ਨਹੀਂ ਲੈਂਦੀ</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; holds a line break or another control character</source>
        <translation>--%1 &quot;%2&quot; ਵਿੱਚ ਲਾਈਨ ਬ੍ਰੇਕ ਜਾਂ ਕੋਈ ਹੋਰ ਕੰਟਰੋਲ ਅੱਖਰ ਹੈ</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; has a space before or after it</source>
        <translation>--%1 &quot;%2&quot; ਦੇ ਅੱਗੇ ਜਾਂ ਪਿੱਛੇ ਖ਼ਾਲੀ ਥਾਂ ਹੈ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches %2 places (%3); name the state and the country</source>
        <translation>&quot;%1&quot; ਨਾਲ %2 ਥਾਵਾਂ ਮਿਲਦੀਆਂ ਹਨ (%3); ਰਾਜ ਅਤੇ ਦੇਸ਼ ਦਾ ਨਾਂ ਦਿਓ</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; is not text, csv, ics or pdf</source>
        <translation>--format &quot;%1&quot; text, csv, ics ਜਾਂ pdf ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>--format pdf needs --out FILE: a PDF is not written to standard output</source>
        <translation>--format pdf ਲਈ --out FILE ਲੋੜੀਂਦਾ ਹੈ: PDF ਸਟੈਂਡਰਡ ਆਊਟਪੁੱਟ ਵਿੱਚ ਨਹੀਂ ਲਿਖੀ ਜਾਂਦੀ</translation>
    </message>
    <message>
        <source>--%1 chooses what the calendar holds: give it with --format ics</source>
        <translation>--%1 ਚੁਣਦੀ ਹੈ ਕਿ ਕੈਲੰਡਰ ਵਿੱਚ ਕੀ ਹੋਵੇ: ਇਸ ਨੂੰ --format ics ਨਾਲ ਦਿਓ</translation>
    </message>
    <message>
        <source>--periods &quot;%1&quot; is not a comma-separated list of rahu, yamaganda and gulika, each at most once</source>
        <translation>--periods &quot;%1&quot; rahu, yamaganda ਅਤੇ gulika ਦੀ ਕਾਮਿਆਂ ਨਾਲ ਵੱਖ ਕੀਤੀ ਸੂਚੀ ਨਹੀਂ ਹੈ, ਜਿਸ ਵਿੱਚ ਹਰ ਇੱਕ ਵੱਧ ਤੋਂ ਵੱਧ ਇੱਕ ਵਾਰ ਹੋਵੇ</translation>
    </message>
    <message>
        <source>--alarm &quot;%1&quot; is neither none nor a number of minutes from 1 to 1440</source>
        <translation>--alarm &quot;%1&quot; ਨਾ none ਹੈ, ਨਾ 1 ਤੋਂ 1440 ਤੱਕ ਮਿੰਟਾਂ ਦਾ ਅੰਕ</translation>
    </message>
    <message>
        <source>the PDF cannot be drawn</source>
        <translation>PDF ਬਣਾਈ ਨਹੀਂ ਜਾ ਸਕਦੀ</translation>
    </message>
</context>
<context>
    <name>DegreesMinutes</name>
    <message>
        <source>N</source>
        <extracomment>North, after a latitude&apos;s degrees and minutes: 18° 31′ N</extracomment>
        <translation>ਉ</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, after a latitude&apos;s degrees and minutes: 33° 52′ S</extracomment>
        <translation>ਦ</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, after a longitude&apos;s degrees and minutes: 73° 51′ E</extracomment>
        <translation>ਪੂ</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, after a longitude&apos;s degrees and minutes: 74° 0′ W</extracomment>
        <translation>ਪ</translation>
    </message>
</context>
<context>
    <name>HomeTray</name>
    <message>
        <source>Open Horavela</source>
        <translation>Horavela ਖੋਲ੍ਹੋ</translation>
    </message>
    <message>
        <source>Rahu Kaal of the Month...</source>
        <translation>ਮਹੀਨੇ ਦਾ ਰਾਹੂ ਕਾਲ...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>ਯਾਦ-ਦਹਾਨੀਆਂ...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>ਬਾਹਰ ਜਾਓ</translation>
    </message>
    <message>
        <source>Horavela goes on running in the system tray, and its reminders still come. To end it, choose &quot;Quit&quot; in the menu of its icon there.</source>
        <translation>Horavela ਸਿਸਟਮ ਟਰੇ ਵਿੱਚ ਚੱਲਦਾ ਰਹਿੰਦਾ ਹੈ, ਅਤੇ ਇਸ ਦੀਆਂ ਯਾਦ-ਦਹਾਨੀਆਂ ਆਉਂਦੀਆਂ ਰਹਿੰਦੀਆਂ ਹਨ। ਇਸ ਨੂੰ ਪੂਰੀ ਤਰ੍ਹਾਂ ਬੰਦ ਕਰਨ ਲਈ, ਉੱਥੇ ਇਸ ਦੇ ਆਈਕਾਨ ਦੇ ਮੀਨੂ ਵਿੱਚ &quot;ਬਾਹਰ ਜਾਓ&quot; ਚੁਣੋ।</translation>
    </message>
</context>
<context>
    <name>MonthFiles</name>
    <message>
        <source>%1 %2: %3 to %4 local time (UTC%5)</source>
        <translation>%1 %2: ਸਥਾਨਕ ਸਮੇਂ ਅਨੁਸਾਰ %3 ਤੋਂ %4 ਤੱਕ (UTC%5)</translation>
    </message>
</context>
<context>
    <name>MonthPages</name>
    <message>
        <source>Sunrise and sunset are worked out to the minute by the almanac method, for the moment the sun&apos;s centre lies 50 minutes of arc below the horizon (its upper edge meeting the horizon, allowing for refraction), at this place and in its time zone; each period is one eighth of the daylight between them.</source>
        <translation>ਸੂਰਜ ਚੜ੍ਹਨ ਅਤੇ ਸੂਰਜ ਡੁੱਬਣ ਦਾ ਸਮਾਂ ਪੰਚਾਂਗ ਦੀ ਵਿਧੀ ਨਾਲ ਮਿੰਟ ਤੱਕ ਕੱਢਿਆ ਜਾਂਦਾ ਹੈ, ਉਸ ਪਲ ਲਈ ਜਦੋਂ ਸੂਰਜ ਦਾ ਕੇਂਦਰ ਦਿਸਹੱਦੇ ਤੋਂ 50 ਚਾਪ-ਮਿੰਟ ਹੇਠਾਂ ਹੁੰਦਾ ਹੈ (ਅਪਵਰਤਨ ਨੂੰ ਗਿਣ ਕੇ, ਇਸਦਾ ਉਪਰਲਾ ਕਿਨਾਰਾ ਦਿਸਹੱਦੇ ਨੂੰ ਛੂੰਹਦਾ ਹੈ), ਇਸ ਥਾਂ ਤੇ ਅਤੇ ਇਸਦੇ ਇਲਾਕਾਈ ਵੇਲੇ ਵਿੱਚ; ਹਰ ਮਿਆਦ ਇਹਨਾਂ ਦੋਹਾਂ ਵਿਚਕਾਰ ਦਿਨ ਦੇ ਚਾਨਣ ਦਾ ਅੱਠਵਾਂ ਹਿੱਸਾ ਹੈ।</translation>
    </message>
</context>
<context>
    <name>MonthTexts</name>
    <message>
        <source>Rahu Kaal</source>
        <translation>ਰਾਹੂ ਕਾਲ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>ਯਮਗੰਡ</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <translation>ਗੁਲਿਕ ਕਾਲ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>ਤਾਰੀਖ਼</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>ਵਾਰ</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>ਸੂਰਜ ਚੜ੍ਹਨ</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>ਸੂਰਜ ਡੁੱਬਣ</translation>
    </message>
    <message>
        <source>No time zone is known for this day</source>
        <translation>ਇਸ ਦਿਨ ਲਈ ਕੋਈ ਇਲਾਕਾਈ ਵੇਲਾ ਪਤਾ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <translation>ਸਾਰਾ ਦਿਨ ਸੂਰਜ ਦਿਸਹੱਦੇ ਤੋਂ ਉੱਪਰ</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <translation>ਸਾਰਾ ਦਿਨ ਸੂਰਜ ਦਿਸਹੱਦੇ ਤੋਂ ਹੇਠਾਂ</translation>
    </message>
    <message>
        <source>This day did not happen here: the clocks skipped it</source>
        <translation>ਇਹ ਦਿਨ ਇੱਥੇ ਆਇਆ ਹੀ ਨਹੀਂ: ਘੜੀਆਂ ਨੇ ਇਸਨੂੰ ਛੱਡ ਦਿੱਤਾ</translation>
    </message>
    <message>
        <source>%1 did not happen at this place: its clocks skipped it.</source>
        <extracomment>A day that the place&apos;s clocks jumped over, as Samoa&apos;s did on 30 December 2011.</extracomment>
        <translation>%1 ਇਸ ਥਾਂ &apos;ਤੇ ਆਇਆ ਹੀ ਨਹੀਂ: ਇੱਥੋਂ ਦੀਆਂ ਘੜੀਆਂ ਨੇ ਉਹ ਦਿਨ ਛੱਡ ਦਿੱਤਾ।</translation>
    </message>
</context>
<context>
    <name>NowAndNextTexts</name>
    <message>
        <source>%1 now, until %2</source>
        <extracomment>The period on now and when it ends: &quot;Rahu Kaal now, until 4:59 PM&quot;.</extracomment>
        <translation>%1 ਹੁਣ, %2 ਤੱਕ</translation>
    </message>
    <message>
        <source>Next: %1 tomorrow, %2 to %3</source>
        <extracomment>The next period, which starts tomorrow: &quot;Next: Yamaganda tomorrow, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>ਅਗਲਾ: ਕੱਲ੍ਹ %1, %2 ਤੋਂ %3 ਤੱਕ</translation>
    </message>
    <message>
        <source>Next: %1, %2 to %3</source>
        <extracomment>The next period, later today: &quot;Next: Yamaganda, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>ਅਗਲਾ: %1, %2 ਤੋਂ %3 ਤੱਕ</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun up all day</source>
        <extracomment>Said where the sun stays up, as at Longyearbyen in June: &quot;No periods today: sun up all day&quot;.</extracomment>
        <translation>ਕੱਲ੍ਹ ਕੋਈ ਕਾਲ ਨਹੀਂ: ਸਾਰਾ ਦਿਨ ਸੂਰਜ ਦਿਸਹੱਦੇ ਤੋਂ ਉੱਪਰ</translation>
    </message>
    <message>
        <source>No periods today: sun up all day</source>
        <translation>ਅੱਜ ਕੋਈ ਕਾਲ ਨਹੀਂ: ਸਾਰਾ ਦਿਨ ਸੂਰਜ ਦਿਸਹੱਦੇ ਤੋਂ ਉੱਪਰ</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun down all day</source>
        <extracomment>Said where the sun stays down, as at Longyearbyen in December: &quot;No periods tomorrow: sun down all day&quot;.</extracomment>
        <translation>ਕੱਲ੍ਹ ਕੋਈ ਕਾਲ ਨਹੀਂ: ਸਾਰਾ ਦਿਨ ਸੂਰਜ ਦਿਸਹੱਦੇ ਤੋਂ ਹੇਠਾਂ</translation>
    </message>
    <message>
        <source>No periods today: sun down all day</source>
        <translation>ਅੱਜ ਕੋਈ ਕਾਲ ਨਹੀਂ: ਸਾਰਾ ਦਿਨ ਸੂਰਜ ਦਿਸਹੱਦੇ ਤੋਂ ਹੇਠਾਂ</translation>
    </message>
    <message>
        <source>No periods tomorrow: the clocks here skip that day</source>
        <extracomment>Samoa&apos;s clocks skipped 30 December 2011: the day after 29 December was 31 December.</extracomment>
        <translation>ਕੱਲ੍ਹ ਕੋਈ ਕਾਲ ਨਹੀਂ: ਇੱਥੋਂ ਦੀਆਂ ਘੜੀਆਂ ਉਹ ਦਿਨ ਛੱਡ ਦਿੰਦੀਆਂ ਹਨ</translation>
    </message>
    <message>
        <source>No periods: the place&apos;s time zone is not known</source>
        <extracomment>Said where the place&apos;s clock time is not known, so its periods cannot be given.</extracomment>
        <translation>ਕੋਈ ਕਾਲ ਨਹੀਂ: ਇਸ ਥਾਂ ਦਾ ਇਲਾਕਾਈ ਵੇਲਾ ਪਤਾ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>%1 starts now (%2)</source>
        <extracomment>A reminder as the period starts, with the place&apos;s name: &quot;Rahu Kaal starts now (Pune)&quot;.</extracomment>
        <translation>%1 ਹੁਣ ਸ਼ੁਰੂ (%2)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute (%3)</source>
        <extracomment>A reminder a minute before: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute (Pune)&quot;.</extracomment>
        <translation>%1 %2 ਵਜੇ ਸ਼ੁਰੂ, 1 ਮਿੰਟ ਵਿੱਚ (%3)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes (%4)</source>
        <extracomment>A reminder some minutes before: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes (Pune)&quot;.</extracomment>
        <translation>%1 %2 ਵਜੇ ਸ਼ੁਰੂ, %3 ਮਿੰਟਾਂ ਵਿੱਚ (%4)</translation>
    </message>
    <message>
        <source>%1 starts now</source>
        <extracomment>A reminder as the period starts, at a place without a name: &quot;Rahu Kaal starts now&quot;.</extracomment>
        <translation>%1 ਹੁਣ ਸ਼ੁਰੂ</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute</source>
        <extracomment>A reminder a minute before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute&quot;.</extracomment>
        <translation>%1 %2 ਵਜੇ ਸ਼ੁਰੂ, 1 ਮਿੰਟ ਵਿੱਚ</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes</source>
        <extracomment>A reminder some minutes before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes&quot;.</extracomment>
        <translation>%1 %2 ਵਜੇ ਸ਼ੁਰੂ, %3 ਮਿੰਟਾਂ ਵਿੱਚ</translation>
    </message>
</context>
<context>
    <name>PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>ਥਾਵਾਂ</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>ਵਾਪਸ ਲਵੋ (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ਮੁੜ ਕਰੋ (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ਕੱਟੋ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ਕਾਪੀ ਕਰੋ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ਚੇਪੋ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ਹਟਾਓ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ਸਭ ਚੁਣੋ</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ਠੀਕ ਹੈ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ਰੱਦ ਕਰੋ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ਬੰਦ ਕਰੋ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ਸੰਭਾਲੋ</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ਹਾਂ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ਨਹੀਂ (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>ਕਾਪੀ ਕਰੋ (&amp;C)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ਸਭ ਚੁਣੋ</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>The Rahu Kaal period: its start, then its end, as date and time.</extracomment>
        <translation>%1 ਤੋਂ %2</translation>
    </message>
    <message>
        <source>Rahukal Period (day)</source>
        <translation>ਰਾਹੂ ਕਾਲ (ਦਿਨ)</translation>
    </message>
    <message>
        <source>Rahukal Period (night before)</source>
        <translation>ਰਾਹੂ ਕਾਲ (ਪਿਛਲੀ ਰਾਤ)</translation>
    </message>
    <message>
        <source>Rahukal Period (night after)</source>
        <translation>ਰਾਹੂ ਕਾਲ (ਅਗਲੀ ਰਾਤ)</translation>
    </message>
    <message>
        <source>The Chosen Time Period is in Rahu Kaal</source>
        <translation>ਚੁਣਿਆ ਸਮਾਂ ਰਾਹੂ ਕਾਲ ਵਿੱਚ ਹੈ</translation>
    </message>
    <message>
        <source>The Chosen Time Period is not in Rahu Kaal</source>
        <translation>ਚੁਣਿਆ ਸਮਾਂ ਰਾਹੂ ਕਾਲ ਵਿੱਚ ਨਹੀਂ ਹੈ</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 ਸੰਭਾਲੀ ਨਹੀਂ ਜਾ ਸਕੀ: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>ਫ਼ਾਈਲ ਦਾ ਨਾਮ ਨਹੀਂ ਦਿੱਤਾ ਗਿਆ</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>ਇਹ ਇੱਕ ਫ਼ੋਲਡਰ ਹੈ</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>ਫ਼ੋਲਡਰ ਮੌਜੂਦ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe)</source>
        <translation>ਇਹ ਇੱਕ FIFO (ਨਾਮਿਤ ਪਾਈਪ) ਹੈ</translation>
    </message>
    <message>
        <source>it is a character device</source>
        <translation>ਇਹ ਇੱਕ ਕਰੈਕਟਰ ਡਿਵਾਈਸ ਹੈ</translation>
    </message>
    <message>
        <source>it is a block device</source>
        <translation>ਇਹ ਇੱਕ ਬਲਾਕ ਡਿਵਾਈਸ ਹੈ</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>ਇਹ ਇੱਕ ਸਾਕਟ ਹੈ</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ਇਹ ਸਧਾਰਨ ਫ਼ਾਈਲ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>it is another user&apos;s link to a file that is not theirs</source>
        <translation>ਇਹ ਕਿਸੇ ਹੋਰ ਵਰਤੋਂਕਾਰ ਦਾ ਲਿੰਕ ਹੈ, ਜੋ ਅਜਿਹੀ ਫ਼ਾਈਲ ਵੱਲ ਲੈ ਜਾਂਦਾ ਹੈ ਜੋ ਉਸ ਦੀ ਨਹੀਂ ਹੈ</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation>ਐਪਲੀਕੇਸ਼ਨ ਪਹਿਲਾਂ ਹੀ ਚੱਲ ਰਹੀ ਹੈ</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>ਅਲਾਸਕਾ/ਹਵਾਈ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>ਅਲਾਸਕਾ/ਹਵਾਈ ਮਿਆਰੀ ਵੇਲਾ,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>ਅਲਾਸਕਾ/ਹਵਾਈ ਜੰਗੀ ਵੇਲਾ,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>ਅਟਲਾਂਟਿਕ ਮਿਆਰੀ ਵੇਲਾ,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>ਅਟਲਾਂਟਿਕ ਜੰਗੀ ਵੇਲਾ,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ਆਸਟ੍ਰੇਲੀਆਈ ਕੇਂਦਰੀ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ਆਸਟ੍ਰੇਲੀਆਈ ਕੇਂਦਰੀ ਮਿਆਰੀ ਵੇਲਾ,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ਆਸਟ੍ਰੇਲੀਆਈ ਪੂਰਬੀ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ਆਸਟ੍ਰੇਲੀਆਈ ਪੂਰਬੀ ਮਿਆਰੀ ਵੇਲਾ,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ਆਸਟ੍ਰੇਲੀਆਈ ਪੱਛਮੀ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ਆਸਟ੍ਰੇਲੀਆਈ ਪੱਛਮੀ ਮਿਆਰੀ ਵੇਲਾ,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>ਅਜ਼ੋਰਸ ਵੇਲਾ, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>ਬਗ਼ਦਾਦ ਵੇਲਾ, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>ਬੇਰਿੰਗ ਮਿਆਰੀ ਵੇਲਾ,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ਬ੍ਰਾਜ਼ੀਲ ਜ਼ੋਨ 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ਬ੍ਰਿਟਿਸ਼ ਦੂਹਰਾ ਗਰਮੀਆਂ ਦਾ ਵੇਲਾ,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ਬ੍ਰਿਟਿਸ਼ ਗਰਮੀਆਂ ਦਾ ਵੇਲਾ,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ਬ੍ਰਿਟਿਸ਼ ਜੰਗੀ ਵੇਲਾ,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>ਕੇਂਦਰੀ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>ਕੇਂਦਰੀ ਯੂਰਪੀ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>ਕੇਂਦਰੀ ਯੂਰਪੀ ਵੇਲਾ,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>ਕੇਂਦਰੀ ਮਿਆਰੀ ਵੇਲਾ,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>ਕੇਂਦਰੀ ਜੰਗੀ ਵੇਲਾ,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>ਚੀਨ ਤੱਟੀ ਵੇਲਾ,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>ਪੂਰਬੀ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>ਪੂਰਬੀ ਯੂਰਪੀ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>ਪੂਰਬੀ ਯੂਰਪੀ ਵੇਲਾ,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>ਪੂਰਬੀ ਮਿਆਰੀ ਵੇਲਾ,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>ਪੂਰਬੀ ਜੰਗੀ ਵੇਲਾ,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ਗ੍ਰੀਨਵਿਚ ਮੀਨ ਵੇਲਾ,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>ਗੁਆਮ ਮਿਆਰੀ ਵੇਲਾ,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>ਹਵਾਈ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>ਹਵਾਈ ਮਿਆਰੀ ਵੇਲਾ,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>ਹਵਾਈ ਜੰਗੀ ਵੇਲਾ,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>ਭਾਰਤੀ ਵੇਲਾ, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>ਅੰਤਰਰਾਸ਼ਟਰੀ ਤਾਰੀਖ਼ ਰੇਖਾ ਪੂਰਬ,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>ਅੰਤਰਰਾਸ਼ਟਰੀ ਤਾਰੀਖ਼ ਰੇਖਾ ਪੱਛਮ,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ਈਰਾਨ ਵੇਲਾ, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>ਜਪਾਨ ਮਿਆਰੀ ਵੇਲਾ,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>ਜਾਵਾ ਵੇਲਾ, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>ਮੱਧ ਯੂਰਪੀ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>ਮੱਧ ਯੂਰਪੀ ਵੇਲਾ,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>ਮੋਲੂਕਾਸ ਵੇਲਾ, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>ਪਹਾੜੀ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>ਪਹਾੜੀ ਮਿਆਰੀ ਵੇਲਾ,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>ਪਹਾੜੀ ਜੰਗੀ ਵੇਲਾ,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>ਨਿਊਜ਼ੀਲੈਂਡ ਮਿਆਰੀ ਗਰਮੀਆਂ ਦਾ ਵੇਲਾ,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>ਨਿਊਜ਼ੀਲੈਂਡ ਮਿਆਰੀ ਵੇਲਾ,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>ਨਿਊਜ਼ੀਲੈਂਡ ਗਰਮੀਆਂ ਦਾ ਵੇਲਾ,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>ਨਿਊਜ਼ੀਲੈਂਡ ਵੇਲਾ,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>ਨਿਊਫਾਉਂਡਲੈਂਡ ਮਿਆਰੀ ਵੇਲਾ,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>ਨੋਮ ਵੇਲਾ, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>ਉੱਤਰੀ ਸੁਮਾਤਰਾ ਵੇਲਾ,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>ਪੈਸਿਫਿਕ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>ਪੈਸਿਫਿਕ ਮਿਆਰੀ ਵੇਲਾ,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>ਪੈਸਿਫਿਕ ਜੰਗੀ ਵੇਲਾ,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>ਦੱਖਣੀ ਆਸਟ੍ਰੇਲੀਆ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>ਦੱਖਣੀ ਆਸਟ੍ਰੇਲੀਆ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>ਦੱਖਣੀ ਆਸਟ੍ਰੇਲੀਆ ਮਿਆਰੀ ਵੇਲਾ,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>ਦੱਖਣੀ ਆਸਟ੍ਰੇਲੀਆ ਮਿਆਰੀ ਵੇਲਾ,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>ਦੱਖਣੀ ਸੁਮਾਤਰਾ ਵੇਲਾ,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>ਵਿਸ਼ਵ-ਵਿਆਪੀ ਵੇਲਾ, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>ਸੋਵੀਅਤ ਸੰਘ ਜ਼ੋਨ 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>ਸੋਵੀਅਤ ਸੰਘ ਜ਼ੋਨ 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>ਸੋਵੀਅਤ ਸੰਘ ਜ਼ੋਨ 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>ਸੋਵੀਅਤ ਸੰਘ ਜ਼ੋਨ 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>ਸੋਵੀਅਤ ਸੰਘ ਜ਼ੋਨ 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>ਪੱਛਮੀ ਅਫ਼ਰੀਕਾ ਵੇਲਾ,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>ਯੂਕੋਨ ਪ੍ਰਕਾਸ਼ ਵੇਲਾ,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>ਯੂਕੋਨ ਮਿਆਰੀ ਵੇਲਾ,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>ਯੂਕੋਨ ਜੰਗੀ ਵੇਲਾ,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>ZoneRules</name>
    <message>
        <source>%1: not in this system&apos;s time-zone data</source>
        <translation>%1: ਇਸ ਸਿਸਟਮ ਦੇ ਇਲਾਕਾਈ ਵੇਲਿਆਂ ਦੇ ਡਾਟੇ ਵਿੱਚ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2 ਤੋਂ %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1 ਨੂੰ</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>The zone&apos;s standard offset, given for a date that does not exist.</extracomment>
        <translation>ਮਿਆਰੀ</translation>
    </message>
    <message>
        <source>%1: %2 %3 (in %4: %5)</source>
        <extracomment>&quot;America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 November)&quot;</extracomment>
        <translation>%1: %3 %2 (%4 ਵਿੱਚ: %5)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. It is preferable to do all important and good tasks in the time before or after the Rahu Kaal. Copyright © the Horavela authors. All rights reserved.</source>
        <translation>Horavela ਰਾਹੂ ਕਾਲ ਦੀ ਗਣਨਾ ਕਰਦਾ ਹੈ। ਰਾਹੂ ਕਾਲ ਦਿਨ ਦੀ ਇੱਕ ਅਸ਼ੁੱਭ ਮਿਆਦ ਹੈ, ਜਦੋਂ ਸ਼ੁੱਭ ਕੰਮ ਨਹੀਂ ਕੀਤੇ ਜਾਂਦੇ। ਸਾਰੇ ਮਹੱਤਵਪੂਰਨ ਅਤੇ ਚੰਗੇ ਕੰਮ ਰਾਹੂ ਕਾਲ ਤੋਂ ਪਹਿਲਾਂ ਜਾਂ ਬਾਅਦ ਦੇ ਸਮੇਂ ਵਿੱਚ ਕਰਨਾ ਬਿਹਤਰ ਹੈ। ਕਾਪੀਰਾਈਟ © Horavela ਦੇ ਲੇਖਕ। ਸਾਰੇ ਹੱਕ ਰਾਖਵੇਂ ਹਨ।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>ਘਰੋਂ ਕਾਰੋਬਾਰ ਦਾ ਮੌਕਾ। ਆਪਣਾ ਇੰਟਰਨੈੱਟ ਕਾਰੋਬਾਰ ਸ਼ੁਰੂ ਕਰੋ ਅਤੇ ਔਨਲਾਈਨ ਪੈਸੇ ਕਮਾਓ। ਇਹ ਸਾਫ਼ਟਵੇਅਰ ਪੂਰੀ ਤਰ੍ਹਾਂ ਆਪਣੀ ਵੈੱਬਸਾਈਟ ਦੇ ਬ੍ਰਾਂਡ ਨਾਲ ਪ੍ਰਾਪਤ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>ਹੋਰ ਵੇਰਵਿਆਂ ਲਈ ਇੱਥੇ ਕਲਿੱਕ ਕਰੋ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ਠੀਕ ਹੈ (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>ਰਾਹੂ ਕਾਲ ਅਤੇ ਹੋਰ ਬਹੁਤ ਕੁਝ ਲਈ ਸਾਡੀ ਚਰਚਾ ਸਾਈਟ ਵੇਖੋ</translation>
    </message>
    <message>
        <source>Horavela Result</source>
        <translation>Horavela ਨਤੀਜਾ</translation>
    </message>
    <message>
        <source>Chosen Date</source>
        <translation>ਚੁਣੀ ਤਾਰੀਖ਼</translation>
    </message>
    <message>
        <source>Chosen Time</source>
        <translation>ਚੁਣਿਆ ਸਮਾਂ</translation>
    </message>
    <message>
        <source>The Chosen Time Period is Not in Rahu Kaal</source>
        <translation>ਚੁਣਿਆ ਸਮਾਂ ਰਾਹੂ ਕਾਲ ਵਿੱਚ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>Rahukal Period</source>
        <translation>ਰਾਹੂ ਕਾਲ ਦੀ ਮਿਆਦ</translation>
    </message>
    <message>
        <source>Rahu Kal is an inauspicious time period in a day when favorable tasks are not performed.</source>
        <translation>ਰਾਹੂ ਕਾਲ ਦਿਨ ਦੀ ਇੱਕ ਅਸ਼ੁੱਭ ਮਿਆਦ ਹੈ, ਜਦੋਂ ਸ਼ੁੱਭ ਕੰਮ ਨਹੀਂ ਕੀਤੇ ਜਾਂਦੇ।</translation>
    </message>
    <message>
        <source>*Do all important and good tasks in the time before or after the Rahu Kal.</source>
        <translation>*ਸਾਰੇ ਮਹੱਤਵਪੂਰਨ ਅਤੇ ਚੰਗੇ ਕੰਮ ਰਾਹੂ ਕਾਲ ਤੋਂ ਪਹਿਲਾਂ ਜਾਂ ਬਾਅਦ ਦੇ ਸਮੇਂ ਵਿੱਚ ਕਰੋ।</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ਬਾਹਰ ਜਾਓ (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>ਪਿੱਛੇ ਜਾਓ (&amp;B)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ਇਸ ਸਾਫ਼ਟਵੇਅਰ ਨੂੰ ਆਪਣੀ ਸਾਈਟ ਲਈ ਕੋ-ਬ੍ਰਾਂਡ ਕਰੋ। ਆਪਣੀ ਸਾਈਟ ਪ੍ਰਤੀ ਵਫ਼ਾਦਾਰੀ ਅਤੇ ਟ੍ਰੈਫ਼ਿਕ ਵਧਾਓ। ਆਪਣੀ ਸਾਈਟ ਦਾ ਨਾਮ ਅਤੇ ਲਿੰਕ ਇੱਥੇ ਲਗਾਓ। ਵੇਰਵਿਆਂ ਲਈ &quot;ਮਦਦ&quot; ਵੇਖੋ। ਕੋ-ਬ੍ਰਾਂਡਿੰਗ ਬਾਰੇ ਹੋਰ ਜਾਣਕਾਰੀ ਲਈ ਇੱਥੇ ਕਲਿੱਕ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ਘਰੋਂ ਕਾਰੋਬਾਰ ਦਾ ਮੌਕਾ। ਆਪਣਾ ਇੰਟਰਨੈੱਟ ਕਾਰੋਬਾਰ ਸ਼ੁਰੂ ਕਰੋ ਅਤੇ ਔਨਲਾਈਨ ਪੈਸੇ ਕਮਾਓ। ਇਹ ਸਾਫ਼ਟਵੇਅਰ ਪੂਰੀ ਤਰ੍ਹਾਂ ਆਪਣੀ ਵੈੱਬਸਾਈਟ ਦੇ ਬ੍ਰਾਂਡ ਨਾਲ ਪ੍ਰਾਪਤ ਕਰੋ। ਹੋਰ ਵੇਰਵਿਆਂ ਲਈ ਇੱਥੇ ਕਲਿੱਕ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Sun Rise Time On</source>
        <translation>ਸੂਰਜ ਚੜ੍ਹਨ ਦਾ ਸਮਾਂ</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>ਸੂਰਜ ਡੁੱਬਣ ਦਾ ਸਮਾਂ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ਫ਼ਾਈਲ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ਮਦਦ (&amp;H)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>ਮਹੀਨੇ ਦਾ ਰਾਹੂ ਕਾਲ (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ਬਾਹਰ ਜਾਓ (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ਔਨਲਾਈਨ ਮਦਦ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ਸਾਡੀ ਵੈੱਬਸਾਈਟ ਵੇਖੋ (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>ਸਾਫ਼ਟਵੇਅਰ ਅੱਪਡੇਟ ਦੀ ਜਾਂਚ ਕਰੋ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>ਸਾਫ਼ਟਵੇਅਰ ਬਾਰੇ (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>ਦਾਨ ਕਰੋ (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ਔਨਲਾਈਨ ਪੈਸੇ ਕਮਾਓ (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmLanguage</name>
    <message>
        <source>&amp;Language of Horavela:</source>
        <translation>Horavela ਦੀ ਭਾਸ਼ਾ (&amp;L):</translation>
    </message>
    <message>
        <source>Language of Horavela</source>
        <translation>Horavela ਦੀ ਭਾਸ਼ਾ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ਠੀਕ ਹੈ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ਰੱਦ ਕਰੋ (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>ਰਾਹੂ ਕਾਲ ਅਤੇ ਹੋਰ ਬਹੁਤ ਕੁਝ ਲਈ ਸਾਡੀ ਚਰਚਾ ਸਾਈਟ ਵੇਖੋ</translation>
    </message>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. Do all important and good tasks in the time before or after the Rahu Kaal.</source>
        <translation>Horavela ਰਾਹੂ ਕਾਲ ਦੀ ਗਣਨਾ ਕਰਦਾ ਹੈ। ਰਾਹੂ ਕਾਲ ਦਿਨ ਦੀ ਇੱਕ ਅਸ਼ੁੱਭ ਮਿਆਦ ਹੈ, ਜਦੋਂ ਸ਼ੁੱਭ ਕੰਮ ਨਹੀਂ ਕੀਤੇ ਜਾਂਦੇ। ਸਾਰੇ ਮਹੱਤਵਪੂਰਨ ਅਤੇ ਚੰਗੇ ਕੰਮ ਰਾਹੂ ਕਾਲ ਤੋਂ ਪਹਿਲਾਂ ਜਾਂ ਬਾਅਦ ਦੇ ਸਮੇਂ ਵਿੱਚ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>ਆਪਣਾ ਨਾਮ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Enter Date</source>
        <translation>ਤਾਰੀਖ਼ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ਮਹੀਨਾ</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>ਦਿਨ</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>ਸਾਲ</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>ਸਮਾਂ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ਘੰਟਾ</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>ਮਿੰਟ</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>ਸਕਿੰਟ</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>ਇਲਾਕਾਈ ਵੇਲਾ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>ਮਿੰਟ</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>ਜ਼ੋਨ ਮਦਦ</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>ਅਕਸ਼ਾਂਸ਼ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>ਡਿਗਰੀ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ਉੱਤਰ</translation>
    </message>
    <message>
        <source>South</source>
        <translation>ਦੱਖਣ</translation>
    </message>
    <message>
        <source>Enter Longitude</source>
        <translation>ਰੇਖਾਂਸ਼ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>ਪੂਰਬ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>ਪੱਛਮ</translation>
    </message>
    <message>
        <source>Enter Your City Name</source>
        <translation>ਆਪਣੇ ਸ਼ਹਿਰ ਦਾ ਨਾਮ</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>ਆਪਣੇ ਰਾਜ ਦਾ ਨਾਮ</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>ਆਪਣੇ ਦੇਸ਼ ਦਾ ਨਾਮ</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>ਅਕਸ਼ਾਂਸ਼ &amp;&amp; ਰੇਖਾਂਸ਼ ਲੱਭਣ ਲਈ ਇੱਥੇ ਕਲਿੱਕ ਕਰੋ</translation>
    </message>
    <message>
        <source>Is the Chosen Period in Rahul Kaal?</source>
        <translation>ਕੀ ਚੁਣਿਆ ਸਮਾਂ ਰਾਹੂ ਕਾਲ ਵਿੱਚ ਹੈ?</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ਇਸ ਸਾਫ਼ਟਵੇਅਰ ਨੂੰ ਆਪਣੀ ਸਾਈਟ ਲਈ ਕੋ-ਬ੍ਰਾਂਡ ਕਰੋ। ਆਪਣੀ ਸਾਈਟ ਪ੍ਰਤੀ ਵਫ਼ਾਦਾਰੀ ਅਤੇ ਟ੍ਰੈਫ਼ਿਕ ਵਧਾਓ। ਆਪਣੀ ਸਾਈਟ ਦਾ ਨਾਮ ਅਤੇ ਲਿੰਕ ਇੱਥੇ ਲਗਾਓ। ਵੇਰਵਿਆਂ ਲਈ &quot;ਮਦਦ&quot; ਵੇਖੋ। ਕੋ-ਬ੍ਰਾਂਡਿੰਗ ਬਾਰੇ ਹੋਰ ਜਾਣਕਾਰੀ ਲਈ ਇੱਥੇ ਕਲਿੱਕ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ਘਰੋਂ ਕਾਰੋਬਾਰ ਦਾ ਮੌਕਾ। ਆਪਣਾ ਇੰਟਰਨੈੱਟ ਕਾਰੋਬਾਰ ਸ਼ੁਰੂ ਕਰੋ ਅਤੇ ਔਨਲਾਈਨ ਪੈਸੇ ਕਮਾਓ। ਇਹ ਸਾਫ਼ਟਵੇਅਰ ਪੂਰੀ ਤਰ੍ਹਾਂ ਆਪਣੀ ਵੈੱਬਸਾਈਟ ਦੇ ਬ੍ਰਾਂਡ ਨਾਲ ਪ੍ਰਾਪਤ ਕਰੋ। ਹੋਰ ਵੇਰਵਿਆਂ ਲਈ ਇੱਥੇ ਕਲਿੱਕ ਕਰੋ।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ਫ਼ਾਈਲ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ਮਦਦ (&amp;H)</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>ਹੁਣ ਦਾ ਸਮਾਂ ਲਗਾਓ (&amp;N)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>ਮਹੀਨੇ ਦਾ ਰਾਹੂ ਕਾਲ (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ਬਾਹਰ ਜਾਓ (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ਔਨਲਾਈਨ ਮਦਦ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ਸਾਡੀ ਵੈੱਬਸਾਈਟ ਵੇਖੋ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ਸਾਫ਼ਟਵੇਅਰ ਅੱਪਡੇਟ ਦੀ ਜਾਂਚ ਕਰੋ (&amp;U)</translation>
    </message>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>ਐਪਲੀਕੇਸ਼ਨ ਦੀ ਭਾਸ਼ਾ ਬਦਲੋ (&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>ਸਾਫ਼ਟਵੇਅਰ ਬਾਰੇ (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>ਦਾਨ ਕਰੋ (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ਔਨਲਾਈਨ ਪੈਸੇ ਕਮਾਓ (&amp;O)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>ਘਰ ਦੀ ਥਾਂ ਵਜੋਂ ਸੰਭਾਲੋ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Forget Home Place</source>
        <translation>ਘਰ ਦੀ ਥਾਂ ਭੁੱਲ ਜਾਓ (&amp;F)</translation>
    </message>
    <message>
        <source>Show in the System &amp;Tray</source>
        <translation>ਸਿਸਟਮ ਟਰੇ ਵਿੱਚ ਦਿਖਾਓ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>ਯਾਦ-ਦਹਾਨੀਆਂ (&amp;R)...</translation>
    </message>
    <message>
        <source>Start with the &amp;Desktop</source>
        <translation>ਡੈਸਕਟਾਪ ਦੇ ਨਾਲ ਸ਼ੁਰੂ ਕਰੋ (&amp;D)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>&lt;&lt; Pre&amp;vious Month</source>
        <translation>&lt;&lt; ਪਿਛਲਾ ਮਹੀਨਾ (&amp;V)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>ਪਿਛਲਾ ਮਹੀਨਾ</translation>
    </message>
    <message>
        <source>&amp;Next Month &gt;&gt;</source>
        <translation>ਅਗਲਾ ਮਹੀਨਾ (&amp;N) &gt;&gt;</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>ਅਗਲਾ ਮਹੀਨਾ</translation>
    </message>
    <message>
        <source>Rahu Kaal, Yamaganda and Gulika Kaal of Each Day</source>
        <translation>ਹਰ ਦਿਨ ਦਾ ਰਾਹੂ ਕਾਲ, ਯਮਗੰਡ ਅਤੇ ਗੁਲਿਕ ਕਾਲ</translation>
    </message>
    <message>
        <source>Save to &amp;Calendar...</source>
        <translation>ਕੈਲੰਡਰ ਵਿੱਚ ਸੰਭਾਲੋ (&amp;C)...</translation>
    </message>
    <message>
        <source>Save to Calendar</source>
        <translation>ਕੈਲੰਡਰ ਵਿੱਚ ਸੰਭਾਲੋ</translation>
    </message>
    <message>
        <source>Saves the periods as events of a calendar file (.ics)</source>
        <translation>ਮਿਆਦਾਂ ਨੂੰ ਕੈਲੰਡਰ ਫ਼ਾਈਲ (.ics) ਵਿੱਚ ਘਟਨਾਵਾਂ ਵਜੋਂ ਸੰਭਾਲਦਾ ਹੈ</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>CSV ਵਜੋਂ ਸੰਭਾਲੋ (&amp;S)...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV ਵਜੋਂ ਸੰਭਾਲੋ</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file for a spreadsheet</source>
        <translation>ਸਾਰਣੀ ਨੂੰ ਸਪ੍ਰੈਡਸ਼ੀਟ ਲਈ CSV ਫ਼ਾਈਲ ਵਜੋਂ ਸੰਭਾਲਦਾ ਹੈ</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>ਛਾਪੋ (&amp;P)...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ਛਾਪੋ</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF ਵਜੋਂ ਸੰਭਾਲੋ (&amp;D)...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF ਵਜੋਂ ਸੰਭਾਲੋ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ਬੰਦ ਕਰੋ</translation>
    </message>
</context>
<context>
    <name>frmPlaceSearch</name>
    <message>
        <source>Places found. Choose the one you mean and press Use This Place: its latitude, longitude and time zone go into the main window. The time zone is the one in force at the date and time chosen there, in hours and minutes behind universal time.</source>
        <translation>ਮਿਲੀਆਂ ਥਾਵਾਂ। ਜਿਸ ਥਾਂ ਦੀ ਤੁਹਾਨੂੰ ਲੋੜ ਹੈ ਉਹ ਚੁਣੋ ਅਤੇ &quot;ਇਹ ਥਾਂ ਵਰਤੋ&quot; ਦਬਾਓ: ਇਸਦਾ ਅਕਸ਼ਾਂਸ਼, ਰੇਖਾਂਸ਼ ਅਤੇ ਇਲਾਕਾਈ ਵੇਲਾ ਮੁੱਖ ਵਿੰਡੋ ਵਿੱਚ ਚਲੇ ਜਾਣਗੇ। ਇਲਾਕਾਈ ਵੇਲਾ ਉਹ ਹੈ ਜੋ ਉੱਥੇ ਚੁਣੀ ਤਾਰੀਖ਼ ਅਤੇ ਸਮੇਂ ਤੇ ਲਾਗੂ ਹੈ, ਵਿਸ਼ਵ-ਵਿਆਪੀ ਸਮੇਂ ਤੋਂ ਪਿੱਛੇ ਘੰਟਿਆਂ ਅਤੇ ਮਿੰਟਾਂ ਵਿੱਚ।</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>ਮਿਲੀਆਂ ਥਾਵਾਂ</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ਥਾਂ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>ਅਕਸ਼ਾਂਸ਼</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>ਰੇਖਾਂਸ਼</translation>
    </message>
    <message>
        <source>Time zone (hours, minutes)</source>
        <translation>ਇਲਾਕਾਈ ਵੇਲਾ (ਘੰਟੇ, ਮਿੰਟ)</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>ਥਾਵਾਂ GeoNames (geonames.org) ਤੋਂ, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Use This Place</source>
        <translation>ਇਹ ਥਾਂ ਵਰਤੋ (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>ਵੈੱਬ ਤੇ ਖੋਜੋ (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>ਬੰਦ ਕਰੋ (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>ਯਾਦ-ਦਹਾਨੀਆਂ</translation>
    </message>
    <message>
        <source>minutes before</source>
        <translation>ਮਿੰਟ ਪਹਿਲਾਂ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ਠੀਕ ਹੈ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ਰੱਦ ਕਰੋ (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>ਇਲਾਕਾਈ ਵੇਲੇ</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>ਬਾਹਰ ਜਾਓ (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>horavela::SaveMonthDialog</name>
    <message>
        <source>Periods in the Calendar</source>
        <translation>ਕੈਲੰਡਰ ਵਿੱਚ ਮਿਆਦਾਂ</translation>
    </message>
    <message>
        <source>&amp;Rahu Kaal</source>
        <translation>ਰਾਹੂ ਕਾਲ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Yamaganda</source>
        <translation>ਯਮਗੰਡ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Gulika Kaal</source>
        <translation>ਗੁਲਿਕ ਕਾਲ (&amp;G)</translation>
    </message>
    <message>
        <source>R&amp;emind Me</source>
        <translation>ਮੈਨੂੰ ਯਾਦ ਕਰਾਓ (&amp;E)</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> ਮਿੰਟ ਪਹਿਲਾਂ</translation>
    </message>
    <message>
        <source>Minutes before each period</source>
        <translation>ਹਰ ਮਿਆਦ ਤੋਂ ਪਹਿਲਾਂ ਦੇ ਮਿੰਟ</translation>
    </message>
    <message>
        <source>&amp;Months from the shown one:</source>
        <translation>ਦਿਖਾਏ ਗਏ ਮਹੀਨੇ ਤੋਂ ਕਿੰਨੇ ਮਹੀਨੇ (&amp;M):</translation>
    </message>
</context>
<context>
    <name>horavela::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 ਵੇਖੋ</translation>
    </message>
</context>
<context>
    <name>horavela::frmLanguage</name>
    <message>
        <source>System language</source>
        <translation>ਸਿਸਟਮ ਦੀ ਭਾਸ਼ਾ</translation>
    </message>
</context>
<context>
    <name>horavela::frmMain</name>
    <message>
        <source>Please Enter a Number in the Hour and Minute of the Time Zone</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਇਲਾਕਾਈ ਵੇਲੇ ਦੇ ਘੰਟੇ ਅਤੇ ਮਿੰਟ ਵਿੱਚ ਅੰਕ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>The sun does not rise or does not set at this place on %1, so Rahu Kaal cannot be calculated.</source>
        <translation>%1 ਨੂੰ ਇਸ ਥਾਂ ਤੇ ਸੂਰਜ ਨਹੀਂ ਚੜ੍ਹਦਾ ਜਾਂ ਨਹੀਂ ਡੁੱਬਦਾ, ਇਸ ਲਈ ਰਾਹੂ ਕਾਲ ਦੀ ਗਣਨਾ ਨਹੀਂ ਹੋ ਸਕਦੀ।</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਨਾਮ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਰੇਖਾਂਸ਼ ਦੀ ਡਿਗਰੀ ਵਿੱਚ 0 ਤੋਂ 179 ਦੇ ਵਿਚਕਾਰ ਮੁੱਲ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਰੇਖਾਂਸ਼ ਦੇ ਮਿੰਟ ਵਿੱਚ 0 ਤੋਂ 59 ਦੇ ਵਿਚਕਾਰ ਮੁੱਲ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਅਕਸ਼ਾਂਸ਼ ਦੀ ਡਿਗਰੀ ਵਿੱਚ 0 ਤੋਂ 89 ਦੇ ਵਿਚਕਾਰ ਮੁੱਲ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਅਕਸ਼ਾਂਸ਼ ਦੇ ਮਿੰਟ ਵਿੱਚ 0 ਤੋਂ 59 ਦੇ ਵਿਚਕਾਰ ਮੁੱਲ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਸਹੀ ਤਾਰੀਖ਼ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>ਸਿਰਫ਼ ਅੰਕ ਹੀ ਮੰਨੇ ਜਾਂਦੇ ਹਨ</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਸਿਰਫ਼ ਅੱਖਰ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਸ਼ਹਿਰ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਰਾਜ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਦੇਸ਼ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <source>This year, %1, is not in the Year list (%2 to %3), so the date and time are left as they were.</source>
        <translation>ਇਹ ਸਾਲ, %1, ਸਾਲਾਂ ਦੀ ਸੂਚੀ (%2 ਤੋਂ %3) ਵਿੱਚ ਨਹੀਂ ਹੈ, ਇਸ ਲਈ ਤਾਰੀਖ਼ ਅਤੇ ਸਮਾਂ ਪਹਿਲਾਂ ਵਾਂਗ ਹੀ ਰਹਿਣ ਦਿੱਤੇ ਗਏ ਹਨ।</translation>
    </message>
    <message>
        <source>The settings could not be read, so the program starts without the home place.</source>
        <translation>ਸੈਟਿੰਗਾਂ ਪੜ੍ਹੀਆਂ ਨਹੀਂ ਜਾ ਸਕੀਆਂ, ਇਸ ਲਈ ਪ੍ਰੋਗਰਾਮ ਘਰ ਦੀ ਥਾਂ ਤੋਂ ਬਿਨਾਂ ਸ਼ੁਰੂ ਹੋ ਰਿਹਾ ਹੈ।</translation>
    </message>
    <message>
        <source>The home place kept in the settings is not a valid place, so the program starts without it.</source>
        <translation>ਸੈਟਿੰਗਾਂ ਵਿੱਚ ਰੱਖੀ ਘਰ ਦੀ ਥਾਂ ਸਹੀ ਥਾਂ ਨਹੀਂ ਹੈ, ਇਸ ਲਈ ਪ੍ਰੋਗਰਾਮ ਉਸ ਤੋਂ ਬਿਨਾਂ ਸ਼ੁਰੂ ਹੋ ਰਿਹਾ ਹੈ।</translation>
    </message>
    <message>
        <source>The settings could not be written, so the home place is as it was.</source>
        <translation>ਸੈਟਿੰਗਾਂ ਲਿਖੀਆਂ ਨਹੀਂ ਜਾ ਸਕੀਆਂ, ਇਸ ਲਈ ਘਰ ਦੀ ਥਾਂ ਪਹਿਲਾਂ ਵਾਂਗ ਹੀ ਹੈ।</translation>
    </message>
    <message>
        <source>This desktop has no system tray, so Horavela cannot show its icon there. Reminders still come while Horavela is open.</source>
        <translation>ਇਸ ਡੈਸਕਟਾਪ ਵਿੱਚ ਸਿਸਟਮ ਟਰੇ ਨਹੀਂ ਹੈ, ਇਸ ਲਈ Horavela ਉੱਥੇ ਆਪਣਾ ਆਈਕਾਨ ਨਹੀਂ ਦਿਖਾ ਸਕਦਾ। ਫਿਰ ਵੀ, ਜਦੋਂ ਤੱਕ Horavela ਖੁੱਲ੍ਹਾ ਹੈ, ਯਾਦ-ਦਹਾਨੀਆਂ ਆਉਂਦੀਆਂ ਰਹਿਣਗੀਆਂ।</translation>
    </message>
    <message>
        <source>The settings could not be written, so the tray icon is as it was.</source>
        <translation>ਸੈਟਿੰਗਾਂ ਲਿਖੀਆਂ ਨਹੀਂ ਜਾ ਸਕੀਆਂ, ਇਸ ਲਈ ਟਰੇ ਆਈਕਾਨ ਪਹਿਲਾਂ ਵਾਂਗ ਹੀ ਹੈ।</translation>
    </message>
    <message>
        <source>The desktop&apos;s list of programs to start could not be changed.</source>
        <translation>ਡੈਸਕਟਾਪ ਦੇ ਨਾਲ ਸ਼ੁਰੂ ਹੋਣ ਵਾਲੇ ਪ੍ਰੋਗਰਾਮਾਂ ਦੀ ਸੂਚੀ ਬਦਲੀ ਨਹੀਂ ਜਾ ਸਕੀ।</translation>
    </message>
</context>
<context>
    <name>horavela::frmMonth</name>
    <message>
        <source>Time Zone: %1</source>
        <translation>ਇਲਾਕਾਈ ਵੇਲਾ: %1</translation>
    </message>
    <message>
        <source>Rahu Kaal, %1</source>
        <translation>ਰਾਹੂ ਕਾਲ, %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ਅੱਜ</translation>
    </message>
    <message>
        <source>Rahu Kaal %1-%2</source>
        <extracomment>A file&apos;s suggested name: &quot;Rahu Kaal 2025-03&quot;.</extracomment>
        <translation>ਰਾਹੂ ਕਾਲ %1-%2</translation>
    </message>
    <message>
        <source>, %1 months</source>
        <extracomment>Follows a file&apos;s suggested name: &quot;Rahu Kaal 2025-03, 3 months&quot;.</extracomment>
        <translation>, %1 ਮਹੀਨੇ</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>ਕੈਲੰਡਰ (*.ics)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The month could not be printed.</source>
        <translation>ਮਹੀਨਾ ਛਾਪਿਆ ਨਹੀਂ ਜਾ ਸਕਿਆ।</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>ਛਪਾਈ ਉਪਲਬਧ ਨਹੀਂ ਹੈ: %1।</translation>
    </message>
</context>
<context>
    <name>horavela::frmPlaceSearch</name>
    <message>
        <source>%1; latitude %2; longitude %3; time zone %4</source>
        <translation>%1; ਅਕਸ਼ਾਂਸ਼ %2; ਰੇਖਾਂਸ਼ %3; ਇਲਾਕਾਈ ਵੇਲਾ %4</translation>
    </message>
</context>
<context>
    <name>horavela::frmReminders</name>
    <message>
        <source>Minutes before %1</source>
        <extracomment>The spin box&apos;s name for a screen reader: &quot;Minutes before Rahu Kaal&quot;.</extracomment>
        <translation>%1 ਸ਼ੁਰੂ ਹੋਣ ਤੋਂ ਕਿੰਨੇ ਮਿੰਟ ਪਹਿਲਾਂ</translation>
    </message>
    <message>
        <source>The settings could not be written, so the reminders are as they were.</source>
        <translation>ਸੈਟਿੰਗਾਂ ਲਿਖੀਆਂ ਨਹੀਂ ਜਾ ਸਕੀਆਂ, ਇਸ ਲਈ ਯਾਦ-ਦਹਾਨੀਆਂ ਪਹਿਲਾਂ ਵਾਂਗ ਹੀ ਹਨ।</translation>
    </message>
</context>
</TS>
