<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn_IN">
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &quot;%1&quot;; see horavela --help</source>
        <translation>ಅನಿರೀಕ್ಷಿತ ಆರ್ಗ್ಯುಮೆಂಟ್ &quot;%1&quot;; horavela --help ನೋಡಿ</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 ಅನ್ನು ಎರಡು ಬಾರಿ ನೀಡಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 ಗೆ ಒಂದು ಮೌಲ್ಯ ಬೇಕು</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone (missing --%1)</source>
        <translation>--place ನೀಡಿ, ಅಥವಾ --lat, --lon ಮತ್ತು --zone ನೀಡಿ (--%1 ಕಾಣೆಯಾಗಿದೆ)</translation>
    </message>
    <message>
        <source>--lat &quot;%1&quot; is not a latitude in decimal degrees</source>
        <translation>--lat &quot;%1&quot; ದಶಮಾಂಶ ಡಿಗ್ರಿಗಳಲ್ಲಿನ ಅಕ್ಷಾಂಶವಲ್ಲ</translation>
    </message>
    <message>
        <source>--lon &quot;%1&quot; is not a longitude in decimal degrees</source>
        <translation>--lon &quot;%1&quot; ದಶಮಾಂಶ ಡಿಗ್ರಿಗಳಲ್ಲಿನ ರೇಖಾಂಶವಲ್ಲ</translation>
    </message>
    <message>
        <source>--zone &quot;%1&quot; is neither a zone of this system&apos;s time-zone data nor hours:minutes such as -5:-30</source>
        <translation>--zone &quot;%1&quot; ಈ ವ್ಯವಸ್ಥೆಯ ಸಮಯ ವಲಯ ದತ್ತಾಂಶದ ವಲಯವೂ ಅಲ್ಲ, -5:-30 ರಂತಹ ಗಂಟೆ:ನಿಮಿಷವೂ ಅಲ್ಲ</translation>
    </message>
    <message>
        <source>--place &quot;%1&quot; is not &quot;CITY, STATE, COUNTRY&quot;</source>
        <translation>--place &quot;%1&quot; &quot;CITY, STATE, COUNTRY&quot; ರೂಪದಲ್ಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>the places database cannot be read</source>
        <translation>ಸ್ಥಳಗಳ ಡೇಟಾಬೇಸ್ ಅನ್ನು ಓದಲಾಗುವುದಿಲ್ಲ</translation>
    </message>
    <message>
        <source>no place called &quot;%1&quot; in the places database</source>
        <translation>ಸ್ಥಳಗಳ ಡೇಟಾಬೇಸ್‌ನಲ್ಲಿ &quot;%1&quot; ಎಂಬ ಸ್ಥಳವಿಲ್ಲ</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>ಕನಿಷ್ಠ %1</translation>
    </message>
    <message>
        <source>the zone of %1, %2, is not in this system&apos;s time-zone data</source>
        <translation>%1 ರ ಸಮಯ ವಲಯ, %2, ಈ ವ್ಯವಸ್ಥೆಯ ಸಮಯ ವಲಯ ದತ್ತಾಂಶದಲ್ಲಿ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>--language &quot;%1&quot; is not one of en, hi, bn, te, mr, ta, gu, kn, ml, pa and or</source>
        <translation>--language &quot;%1&quot; ಎಂಬುದು en, hi, bn, te, mr, ta, gu, kn, ml, pa ಮತ್ತು or ಇವುಗಳಲ್ಲಿ ಒಂದಲ್ಲ</translation>
    </message>
    <message>
        <source>--month YYYY-MM is needed; see horavela --help</source>
        <translation>--month YYYY-MM ಅಗತ್ಯವಿದೆ; horavela --help ನೋಡಿ</translation>
    </message>
    <message>
        <source>--month &quot;%1&quot; is not a month such as 2025-03</source>
        <translation>--month &quot;%1&quot; 2025-03 ರಂತಹ ತಿಂಗಳಲ್ಲ</translation>
    </message>
    <message>
        <source>--months &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>--months &quot;%1&quot; 1 ರಿಂದ 12 ರವರೆಗಿನ ಸಂಖ್ಯೆಯಲ್ಲ</translation>
    </message>
    <message>
        <source>the months must lie from 1901-01 to 2050-12</source>
        <translation>ತಿಂಗಳುಗಳು 1901-01 ರಿಂದ 2050-12 ರೊಳಗೆ ಇರಬೇಕು</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone, not both</source>
        <translation>--place ನೀಡಿ, ಅಥವಾ --lat, --lon ಮತ್ತು --zone ನೀಡಿ, ಎರಡನ್ನೂ ಅಲ್ಲ</translation>
    </message>
    <message>
        <source>standard output cannot be written</source>
        <translation>ಪ್ರಮಾಣಿತ ಔಟ್‌ಪುಟ್‌ಗೆ ಬರೆಯಲಾಗುವುದಿಲ್ಲ</translation>
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
        <translation>ಬಳಕೆ: horavela --month YYYY-MM (--place &quot;CITY[, STATE], COUNTRY&quot; |
                --lat=DEGREES --lon=DEGREES --zone=ZONE) [OPTIONS]

ಒಂದು ಸ್ಥಳದಲ್ಲಿ ಒಂದು ತಿಂಗಳ ಪ್ರತಿ ದಿನದ ರಾಹುಕಾಲ, ಯಮಗಂಡ ಮತ್ತು ಗುಳಿಕ ಕಾಲವನ್ನು,
ತಿಂಗಳ ಕಿಟಕಿ ಉಳಿಸುವಂತೆಯೇ, ಯಾವುದೇ ಕಿಟಕಿಯನ್ನು ತೆರೆಯದೆ ಬರೆಯುತ್ತದೆ.

  --month YYYY-MM    ಮೊದಲ ತಿಂಗಳು, 1901-01 ರಿಂದ 2050-12 ರವರೆಗೆ
  --months N         ಎಷ್ಟು ತಿಂಗಳು, 1 ರಿಂದ 12 (ಪೂರ್ವನಿಯೋಜಿತ 1)
  --place TEXT       ಸ್ಥಳಗಳ ಡೇಟಾಬೇಸ್‌ನ ಒಂದು ಸ್ಥಳ: &quot;Pune, Maharashtra, India&quot;,
                     &quot;Pune, India&quot; ಅಥವಾ &quot;Pune&quot;; ಅದರ ಸಮಯ ವಲಯ ದಿನಾಂಕಕ್ಕೆ ಅನುಗುಣವಾಗಿರುತ್ತದೆ
  --lat DEGREES      ದಶಮಾಂಶ ಡಿಗ್ರಿಗಳಲ್ಲಿ ಅಕ್ಷಾಂಶ, ಉತ್ತರ ಧನಾತ್ಮಕ: 18.52
  --lon DEGREES      ದಶಮಾಂಶ ಡಿಗ್ರಿಗಳಲ್ಲಿ ರೇಖಾಂಶ, ಪೂರ್ವ ಧನಾತ್ಮಕ: -74.0 ಎಂದರೆ ಪಶ್ಚಿಮ
                     (ಎರಡನ್ನೂ ಹತ್ತಿರದ ನಿಮಿಷಕ್ಕೆ ಪೂರ್ಣಾಂಕಗೊಳಿಸಲಾಗುತ್ತದೆ)
  --zone ZONE        ಸಮಯ ವಲಯದ ಹೆಸರು, Asia/Kolkata, ಅದರ ಅಂತರ ದಿನಾಂಕಕ್ಕೆ ಅನುಗುಣವಾಗಿರುತ್ತದೆ;
                     ಅಥವಾ ಮುಖ್ಯ ಕಿಟಕಿ ತೆಗೆದುಕೊಳ್ಳುವಂತೆ ಸಾರ್ವತ್ರಿಕ ಸಮಯಕ್ಕಿಂತ ಹಿಂದಿರುವ
                     ಗಂಟೆ:ನಿಮಿಷ, -5:-30 (ಒಂದು ಗಂಟೆಗಿಂತ ಕಡಿಮೆ ಮುಂದಿದ್ದರೆ: -0:-19)
  --format FORMAT    text (ಪೂರ್ವನಿಯೋಜಿತ), csv, ics (ಕ್ಯಾಲೆಂಡರ್) ಅಥವಾ pdf (ತಿಂಗಳ ಕಿಟಕಿಯ
                     ಪುಟಗಳು, --out ಜೊತೆ ಮಾತ್ರ)
  --periods LIST     ಕ್ಯಾಲೆಂಡರ್‌ನ ಘಟನೆಗಳು: rahu, yamaganda ಮತ್ತು gulika ಗಳಲ್ಲಿ ಯಾವುದಾದರೂ,
                     ಅಲ್ಪವಿರಾಮದಿಂದ ಬೇರ್ಪಡಿಸಿ (ಪೂರ್ವನಿಯೋಜಿತ rahu); --format ics ಜೊತೆ ಮಾತ್ರ
  --alarm MINUTES    ಕ್ಯಾಲೆಂಡರ್‌ನ ಜ್ಞಾಪನೆ, ಪ್ರತಿ ಅವಧಿಗೆ 1 ರಿಂದ 1440 ನಿಮಿಷ ಮೊದಲು,
                     ಅಥವಾ none (ಪೂರ್ವನಿಯೋಜಿತ 10); --format ics ಜೊತೆ ಮಾತ್ರ
  --out FILE         FILE ಅನ್ನು ಪೂರ್ತಿಯಾಗಿ ಬರೆಯುತ್ತದೆ, ಇಲ್ಲವೇ ಏನನ್ನೂ ಇಲ್ಲ; ಇಲ್ಲದಿದ್ದರೆ ಪ್ರಮಾಣಿತ ಔಟ್‌ಪುಟ್
  --language CODE    ಪಠ್ಯ ಮತ್ತು ಕ್ಯಾಲೆಂಡರ್‌ನ ಭಾಷೆ: en, hi, bn, te, mr,
                     ta, gu, kn, ml, pa ಅಥವಾ or (ಪೂರ್ವನಿಯೋಜಿತ: ಕಿಟಕಿಯಲ್ಲಿ ಆಯ್ಕೆಮಾಡಿದ
                     ಭಾಷೆ, ಇಲ್ಲದಿದ್ದರೆ ಡೆಸ್ಕ್‌ಟಾಪ್‌ನ ಭಾಷೆ)
  -h, --help         ಈ ಸಹಾಯವನ್ನು ತೋರಿಸುತ್ತದೆ
  --version          ಪ್ರೋಗ್ರಾಂನ ಆವೃತ್ತಿಯನ್ನು ತೋರಿಸುತ್ತದೆ

ಪ್ರತಿ ಆಯ್ಕೆಯು ತನ್ನ ಮೌಲ್ಯವನ್ನು --name value ಅಥವಾ --name=value ಆಗಿ ಪಡೆಯುತ್ತದೆ.
ನಿರ್ಗಮನ ಸ್ಥಿತಿ: 0 ಮುಗಿದಿದೆ, 2 ತಪ್ಪು ಇನ್‌ಪುಟ್, 1 ಫೈಲ್ ಅಥವಾ ಸ್ಥಳಗಳ ಡೇಟಾಬೇಸ್ ವಿಫಲವಾಗಿದೆ.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>ಅಪರಿಚಿತ ಆಯ್ಕೆ %1</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 ಯಾವುದೇ ಮೌಲ್ಯವನ್ನು ತೆಗೆದುಕೊಳ್ಳುವುದಿಲ್ಲ</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; holds a line break or another control character</source>
        <translation>--%1 &quot;%2&quot; ನಲ್ಲಿ ಸಾಲು ವಿರಾಮ ಅಥವಾ ಬೇರೆ ನಿಯಂತ್ರಣ ಅಕ್ಷರವಿದೆ</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; has a space before or after it</source>
        <translation>--%1 &quot;%2&quot; ರ ಮುಂದೆ ಅಥವಾ ಹಿಂದೆ ಖಾಲಿ ಜಾಗವಿದೆ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches %2 places (%3); name the state and the country</source>
        <translation>&quot;%1&quot; ಗೆ %2 ಸ್ಥಳಗಳು ಹೊಂದುತ್ತವೆ (%3); ರಾಜ್ಯ ಮತ್ತು ದೇಶವನ್ನು ಹೆಸರಿಸಿ</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; is not text, csv, ics or pdf</source>
        <translation>--format &quot;%1&quot; ಎಂಬುದು text, csv, ics ಅಥವಾ pdf ಅಲ್ಲ</translation>
    </message>
    <message>
        <source>--format pdf needs --out FILE: a PDF is not written to standard output</source>
        <translation>--format pdf ಗೆ --out FILE ಬೇಕು: PDF ಅನ್ನು ಪ್ರಮಾಣಿತ ಔಟ್‌ಪುಟ್‌ಗೆ ಬರೆಯಲಾಗುವುದಿಲ್ಲ</translation>
    </message>
    <message>
        <source>--%1 chooses what the calendar holds: give it with --format ics</source>
        <translation>--%1 ಕ್ಯಾಲೆಂಡರ್‌ನಲ್ಲಿ ಏನಿರಬೇಕೆಂದು ಆಯ್ಕೆಮಾಡುತ್ತದೆ: ಅದನ್ನು --format ics ಜೊತೆ ನೀಡಿ</translation>
    </message>
    <message>
        <source>--periods &quot;%1&quot; is not a comma-separated list of rahu, yamaganda and gulika, each at most once</source>
        <translation>--periods &quot;%1&quot; ಎಂಬುದು rahu, yamaganda ಮತ್ತು gulika ಗಳ ಅಲ್ಪವಿರಾಮದಿಂದ ಬೇರ್ಪಟ್ಟ ಪಟ್ಟಿಯಲ್ಲ, ಪ್ರತಿಯೊಂದೂ ಹೆಚ್ಚೆಂದರೆ ಒಮ್ಮೆ</translation>
    </message>
    <message>
        <source>--alarm &quot;%1&quot; is neither none nor a number of minutes from 1 to 1440</source>
        <translation>--alarm &quot;%1&quot; ಎಂಬುದು none ಅಲ್ಲ, 1 ರಿಂದ 1440 ರವರೆಗಿನ ನಿಮಿಷಗಳ ಸಂಖ್ಯೆಯೂ ಅಲ್ಲ</translation>
    </message>
    <message>
        <source>the PDF cannot be drawn</source>
        <translation>PDF ಅನ್ನು ರಚಿಸಲಾಗುವುದಿಲ್ಲ</translation>
    </message>
</context>
<context>
    <name>DegreesMinutes</name>
    <message>
        <source>N</source>
        <extracomment>North, after a latitude&apos;s degrees and minutes: 18° 31′ N</extracomment>
        <translation>ಉ</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, after a latitude&apos;s degrees and minutes: 33° 52′ S</extracomment>
        <translation>ದ</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, after a longitude&apos;s degrees and minutes: 73° 51′ E</extracomment>
        <translation>ಪೂ</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, after a longitude&apos;s degrees and minutes: 74° 0′ W</extracomment>
        <translation>ಪ</translation>
    </message>
</context>
<context>
    <name>HomeTray</name>
    <message>
        <source>Open Horavela</source>
        <translation>Horavela ಅನ್ನು ತೆರೆ</translation>
    </message>
    <message>
        <source>Rahu Kaal of the Month...</source>
        <translation>ತಿಂಗಳ ರಾಹುಕಾಲ...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>ಜ್ಞಾಪನೆಗಳು...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>ನಿರ್ಗಮಿಸು</translation>
    </message>
    <message>
        <source>Horavela goes on running in the system tray, and its reminders still come. To end it, choose &quot;Quit&quot; in the menu of its icon there.</source>
        <translation>Horavela ಸಿಸ್ಟಮ್ ಟ್ರೇಯಲ್ಲಿ ಚಾಲನೆಯಲ್ಲೇ ಇರುತ್ತದೆ, ಅದರ ಜ್ಞಾಪನೆಗಳೂ ಬರುತ್ತಲೇ ಇರುತ್ತವೆ. ಅದನ್ನು ಪೂರ್ತಿಯಾಗಿ ನಿಲ್ಲಿಸಲು, ಅಲ್ಲಿ ಅದರ ಐಕಾನ್‌ನ ಮೆನುವಿನಲ್ಲಿ &quot;ನಿರ್ಗಮಿಸು&quot; ಆಯ್ಕೆಮಾಡಿ.</translation>
    </message>
</context>
<context>
    <name>MonthFiles</name>
    <message>
        <source>%1 %2: %3 to %4 local time (UTC%5)</source>
        <translation>%1 %2: ಸ್ಥಳೀಯ ಸಮಯ %3 ರಿಂದ %4 ರವರೆಗೆ (UTC%5)</translation>
    </message>
</context>
<context>
    <name>MonthPages</name>
    <message>
        <source>Sunrise and sunset are worked out to the minute by the almanac method, for the moment the sun&apos;s centre lies 50 minutes of arc below the horizon (its upper edge meeting the horizon, allowing for refraction), at this place and in its time zone; each period is one eighth of the daylight between them.</source>
        <translation>ಸೂರ್ಯೋದಯ ಮತ್ತು ಸೂರ್ಯಾಸ್ತವನ್ನು ಪಂಚಾಂಗ ವಿಧಾನದಲ್ಲಿ ನಿಮಿಷದವರೆಗೆ ಲೆಕ್ಕಹಾಕಲಾಗಿದೆ: ಸೂರ್ಯನ ಕೇಂದ್ರವು ದಿಗಂತದಿಂದ 50 ಕೋನ ನಿಮಿಷಗಳಷ್ಟು ಕೆಳಗಿರುವ ಕ್ಷಣಕ್ಕೆ (ವಕ್ರೀಭವನವನ್ನು ಗಣನೆಗೆ ತೆಗೆದುಕೊಂಡರೆ, ಅದರ ಮೇಲಿನ ಅಂಚು ದಿಗಂತವನ್ನು ಮುಟ್ಟುವ ಕ್ಷಣ), ಈ ಸ್ಥಳದಲ್ಲಿ ಮತ್ತು ಅದರ ಸಮಯ ವಲಯದಲ್ಲಿ; ಪ್ರತಿ ಅವಧಿಯು ಅವುಗಳ ನಡುವಿನ ಹಗಲಿನ ಎಂಟನೇ ಒಂದು ಭಾಗ.</translation>
    </message>
</context>
<context>
    <name>MonthTexts</name>
    <message>
        <source>Rahu Kaal</source>
        <translation>ರಾಹುಕಾಲ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>ಯಮಗಂಡ</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <translation>ಗುಳಿಕ ಕಾಲ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>ವಾರ</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>ಸೂರ್ಯೋದಯ</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>ಸೂರ್ಯಾಸ್ತ</translation>
    </message>
    <message>
        <source>No time zone is known for this day</source>
        <translation>ಈ ದಿನಕ್ಕೆ ಯಾವುದೇ ಸಮಯ ವಲಯ ತಿಳಿದಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <translation>ದಿನವಿಡೀ ಸೂರ್ಯ ದಿಗಂತದ ಮೇಲೆ</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <translation>ದಿನವಿಡೀ ಸೂರ್ಯ ದಿಗಂತದ ಕೆಳಗೆ</translation>
    </message>
    <message>
        <source>This day did not happen here: the clocks skipped it</source>
        <translation>ಈ ದಿನ ಇಲ್ಲಿ ಬರಲೇ ಇಲ್ಲ: ಗಡಿಯಾರಗಳು ಇದನ್ನು ದಾಟಿಬಿಟ್ಟವು</translation>
    </message>
    <message>
        <source>%1 did not happen at this place: its clocks skipped it.</source>
        <extracomment>A day that the place&apos;s clocks jumped over, as Samoa&apos;s did on 30 December 2011.</extracomment>
        <translation>%1 ಈ ಸ್ಥಳದಲ್ಲಿ ಬರಲೇ ಇಲ್ಲ: ಇಲ್ಲಿನ ಗಡಿಯಾರಗಳು ಆ ದಿನವನ್ನು ದಾಟಿಬಿಟ್ಟವು.</translation>
    </message>
</context>
<context>
    <name>NowAndNextTexts</name>
    <message>
        <source>%1 now, until %2</source>
        <extracomment>The period on now and when it ends: &quot;Rahu Kaal now, until 4:59 PM&quot;.</extracomment>
        <translation>%1 ಈಗ, %2 ರವರೆಗೆ</translation>
    </message>
    <message>
        <source>Next: %1 tomorrow, %2 to %3</source>
        <extracomment>The next period, which starts tomorrow: &quot;Next: Yamaganda tomorrow, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>ಮುಂದಿನದು: ನಾಳೆ %1, %2 ರಿಂದ %3 ರವರೆಗೆ</translation>
    </message>
    <message>
        <source>Next: %1, %2 to %3</source>
        <extracomment>The next period, later today: &quot;Next: Yamaganda, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>ಮುಂದಿನದು: %1, %2 ರಿಂದ %3 ರವರೆಗೆ</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun up all day</source>
        <extracomment>Said where the sun stays up, as at Longyearbyen in June: &quot;No periods today: sun up all day&quot;.</extracomment>
        <translation>ನಾಳೆ ಯಾವುದೇ ಕಾಲವಿಲ್ಲ: ದಿನವಿಡೀ ಸೂರ್ಯ ದಿಗಂತದ ಮೇಲೆ</translation>
    </message>
    <message>
        <source>No periods today: sun up all day</source>
        <translation>ಇಂದು ಯಾವುದೇ ಕಾಲವಿಲ್ಲ: ದಿನವಿಡೀ ಸೂರ್ಯ ದಿಗಂತದ ಮೇಲೆ</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun down all day</source>
        <extracomment>Said where the sun stays down, as at Longyearbyen in December: &quot;No periods tomorrow: sun down all day&quot;.</extracomment>
        <translation>ನಾಳೆ ಯಾವುದೇ ಕಾಲವಿಲ್ಲ: ದಿನವಿಡೀ ಸೂರ್ಯ ದಿಗಂತದ ಕೆಳಗೆ</translation>
    </message>
    <message>
        <source>No periods today: sun down all day</source>
        <translation>ಇಂದು ಯಾವುದೇ ಕಾಲವಿಲ್ಲ: ದಿನವಿಡೀ ಸೂರ್ಯ ದಿಗಂತದ ಕೆಳಗೆ</translation>
    </message>
    <message>
        <source>No periods tomorrow: the clocks here skip that day</source>
        <extracomment>Samoa&apos;s clocks skipped 30 December 2011: the day after 29 December was 31 December.</extracomment>
        <translation>ನಾಳೆ ಯಾವುದೇ ಕಾಲವಿಲ್ಲ: ಇಲ್ಲಿನ ಗಡಿಯಾರಗಳು ಆ ದಿನವನ್ನು ದಾಟಿಬಿಡುತ್ತವೆ</translation>
    </message>
    <message>
        <source>No periods: the place&apos;s time zone is not known</source>
        <extracomment>Said where the place&apos;s clock time is not known, so its periods cannot be given.</extracomment>
        <translation>ಯಾವುದೇ ಕಾಲವಿಲ್ಲ: ಈ ಸ್ಥಳದ ಸಮಯ ವಲಯ ತಿಳಿದಿಲ್ಲ</translation>
    </message>
    <message>
        <source>%1 starts now (%2)</source>
        <extracomment>A reminder as the period starts, with the place&apos;s name: &quot;Rahu Kaal starts now (Pune)&quot;.</extracomment>
        <translation>%1 ಈಗ ಆರಂಭ (%2)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute (%3)</source>
        <extracomment>A reminder a minute before: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute (Pune)&quot;.</extracomment>
        <translation>%1 %2 ಕ್ಕೆ ಆರಂಭ, 1 ನಿಮಿಷದಲ್ಲಿ (%3)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes (%4)</source>
        <extracomment>A reminder some minutes before: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes (Pune)&quot;.</extracomment>
        <translation>%1 %2 ಕ್ಕೆ ಆರಂಭ, %3 ನಿಮಿಷಗಳಲ್ಲಿ (%4)</translation>
    </message>
    <message>
        <source>%1 starts now</source>
        <extracomment>A reminder as the period starts, at a place without a name: &quot;Rahu Kaal starts now&quot;.</extracomment>
        <translation>%1 ಈಗ ಆರಂಭ</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute</source>
        <extracomment>A reminder a minute before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute&quot;.</extracomment>
        <translation>%1 %2 ಕ್ಕೆ ಆರಂಭ, 1 ನಿಮಿಷದಲ್ಲಿ</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes</source>
        <extracomment>A reminder some minutes before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes&quot;.</extracomment>
        <translation>%1 %2 ಕ್ಕೆ ಆರಂಭ, %3 ನಿಮಿಷಗಳಲ್ಲಿ</translation>
    </message>
</context>
<context>
    <name>PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>ಸ್ಥಳಗಳು</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>ರದ್ದುಮಾಡು (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ಮತ್ತೆಮಾಡು (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ಕತ್ತರಿಸು (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ನಕಲಿಸು (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ಅಂಟಿಸು (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ಅಳಿಸು</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆರಿಸು</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ರದ್ದುಗೊಳಿಸು</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ಉಳಿಸು</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ಹೌದು (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ಇಲ್ಲ (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>ನಕಲಿಸು (&amp;C)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆರಿಸು</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>The Rahu Kaal period: its start, then its end, as date and time.</extracomment>
        <translation>%1 ರಿಂದ %2 ರವರೆಗೆ</translation>
    </message>
    <message>
        <source>Rahukal Period (day)</source>
        <translation>ರಾಹುಕಾಲ (ಹಗಲು)</translation>
    </message>
    <message>
        <source>Rahukal Period (night before)</source>
        <translation>ರಾಹುಕಾಲ (ಹಿಂದಿನ ರಾತ್ರಿ)</translation>
    </message>
    <message>
        <source>Rahukal Period (night after)</source>
        <translation>ರಾಹುಕಾಲ (ಮುಂದಿನ ರಾತ್ರಿ)</translation>
    </message>
    <message>
        <source>The Chosen Time Period is in Rahu Kaal</source>
        <translation>ಆಯ್ಕೆಮಾಡಿದ ಸಮಯ ರಾಹುಕಾಲದಲ್ಲಿದೆ</translation>
    </message>
    <message>
        <source>The Chosen Time Period is not in Rahu Kaal</source>
        <translation>ಆಯ್ಕೆಮಾಡಿದ ಸಮಯ ರಾಹುಕಾಲದಲ್ಲಿ ಇಲ್ಲ</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 ಅನ್ನು ಉಳಿಸಲಾಗಲಿಲ್ಲ: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>ಫೈಲ್ ಹೆಸರು ನೀಡಿಲ್ಲ</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>ಅದು ಒಂದು ಫೋಲ್ಡರ್</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>ಆ ಫೋಲ್ಡರ್ ಅಸ್ತಿತ್ವದಲ್ಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe)</source>
        <translation>ಅದು ಒಂದು FIFO (ಹೆಸರಿನ ಪೈಪ್)</translation>
    </message>
    <message>
        <source>it is a character device</source>
        <translation>ಅದು ಒಂದು ಕ್ಯಾರೆಕ್ಟರ್ ಸಾಧನ</translation>
    </message>
    <message>
        <source>it is a block device</source>
        <translation>ಅದು ಒಂದು ಬ್ಲಾಕ್ ಸಾಧನ</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>ಅದು ಒಂದು ಸಾಕೆಟ್</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ಅದು ಸಾಮಾನ್ಯ ಫೈಲ್ ಅಲ್ಲ</translation>
    </message>
    <message>
        <source>it is another user&apos;s link to a file that is not theirs</source>
        <translation>ಅದು ಬೇರೊಬ್ಬ ಬಳಕೆದಾರರ ಲಿಂಕ್, ಅವರದಲ್ಲದ ಫೈಲ್‌ಗೆ ಕರೆದೊಯ್ಯುತ್ತದೆ</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation>ಅನ್ವಯವು ಈಗಾಗಲೇ ಚಾಲನೆಯಲ್ಲಿದೆ</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>ಅಲಾಸ್ಕಾ/ಹವಾಯಿ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>ಅಲಾಸ್ಕಾ/ಹವಾಯಿ ಪ್ರಮಾಣಿತ ಸಮಯ,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>ಅಲಾಸ್ಕಾ/ಹವಾಯಿ ಯುದ್ಧಕಾಲದ ಸಮಯ,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>ಅಟ್ಲಾಂಟಿಕ್ ಪ್ರಮಾಣಿತ ಸಮಯ,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>ಅಟ್ಲಾಂಟಿಕ್ ಯುದ್ಧಕಾಲದ ಸಮಯ,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ಕೇಂದ್ರ ಆಸ್ಟ್ರೇಲಿಯಾ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ಕೇಂದ್ರ ಆಸ್ಟ್ರೇಲಿಯಾ ಪ್ರಮಾಣಿತ ಸಮಯ,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ಪೂರ್ವ ಆಸ್ಟ್ರೇಲಿಯಾ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ಪೂರ್ವ ಆಸ್ಟ್ರೇಲಿಯಾ ಪ್ರಮಾಣಿತ ಸಮಯ,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ಪಶ್ಚಿಮ ಆಸ್ಟ್ರೇಲಿಯಾ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ಪಶ್ಚಿಮ ಆಸ್ಟ್ರೇಲಿಯಾ ಪ್ರಮಾಣಿತ ಸಮಯ,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>ಅಜೋರ್ಸ್ ಸಮಯ, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>ಬಾಗ್ದಾದ್ ಸಮಯ, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>ಬೇರಿಂಗ್ ಪ್ರಮಾಣಿತ ಸಮಯ,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ಬ್ರೆಜಿಲ್ ವಲಯ 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ಬ್ರಿಟಿಷ್ ದ್ವಿಗುಣ ಬೇಸಿಗೆ ಸಮಯ,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ಬ್ರಿಟಿಷ್ ಬೇಸಿಗೆ ಸಮಯ,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ಬ್ರಿಟಿಷ್ ಯುದ್ಧಕಾಲದ ಸಮಯ,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>ಕೇಂದ್ರ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>ಕೇಂದ್ರ ಯುರೋಪಿಯನ್ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>ಕೇಂದ್ರ ಯುರೋಪಿಯನ್ ಸಮಯ,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>ಕೇಂದ್ರ ಪ್ರಮಾಣಿತ ಸಮಯ,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>ಕೇಂದ್ರ ಯುದ್ಧಕಾಲದ ಸಮಯ,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>ಚೀನಾ ಕರಾವಳಿ ಸಮಯ,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>ಪೂರ್ವ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>ಪೂರ್ವ ಯುರೋಪಿಯನ್ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>ಪೂರ್ವ ಯುರೋಪಿಯನ್ ಸಮಯ,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>ಪೂರ್ವ ಪ್ರಮಾಣಿತ ಸಮಯ,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>ಪೂರ್ವ ಯುದ್ಧಕಾಲದ ಸಮಯ,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ಗ್ರೀನ್‌ವಿಚ್ ಸರಾಸರಿ ಸಮಯ,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>ಗುವಾಮ್ ಪ್ರಮಾಣಿತ ಸಮಯ,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>ಹವಾಯಿ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>ಹವಾಯಿ ಪ್ರಮಾಣಿತ ಸಮಯ,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>ಹವಾಯಿ ಯುದ್ಧಕಾಲದ ಸಮಯ,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>ಭಾರತೀಯ ಸಮಯ, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>ಅಂತರರಾಷ್ಟ್ರೀಯ ದಿನಾಂಕ ರೇಖೆ ಪೂರ್ವ,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>ಅಂತರರಾಷ್ಟ್ರೀಯ ದಿನಾಂಕ ರೇಖೆ ಪಶ್ಚಿಮ,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ಇರಾನ್ ಸಮಯ, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>ಜಪಾನ್ ಪ್ರಮಾಣಿತ ಸಮಯ,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>ಜಾವಾ ಸಮಯ, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>ಮಧ್ಯ ಯುರೋಪಿಯನ್ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>ಮಧ್ಯ ಯುರೋಪಿಯನ್ ಸಮಯ,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>ಮೊಲುಕ್ಕಾಸ್ ಸಮಯ, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>ಪರ್ವತ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>ಪರ್ವತ ಪ್ರಮಾಣಿತ ಸಮಯ,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>ಪರ್ವತ ಯುದ್ಧಕಾಲದ ಸಮಯ,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>ನ್ಯೂಜಿಲೆಂಡ್ ಪ್ರಮಾಣಿತ ಬೇಸಿಗೆ ಸಮಯ,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>ನ್ಯೂಜಿಲೆಂಡ್ ಪ್ರಮಾಣಿತ ಸಮಯ,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>ನ್ಯೂಜಿಲೆಂಡ್ ಬೇಸಿಗೆ ಸಮಯ,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>ನ್ಯೂಜಿಲೆಂಡ್ ಸಮಯ,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>ನ್ಯೂಫೌಂಡ್‌ಲ್ಯಾಂಡ್ ಪ್ರಮಾಣಿತ ಸಮಯ,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>ನೋಮ್ ಸಮಯ, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>ಉತ್ತರ ಸುಮಾತ್ರಾ ಸಮಯ,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>ಪೆಸಿಫಿಕ್ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>ಪೆಸಿಫಿಕ್ ಪ್ರಮಾಣಿತ ಸಮಯ,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>ಪೆಸಿಫಿಕ್ ಯುದ್ಧಕಾಲದ ಸಮಯ,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>ದಕ್ಷಿಣ ಆಸ್ಟ್ರೇಲಿಯಾ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>ದಕ್ಷಿಣ ಆಸ್ಟ್ರೇಲಿಯಾ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>ದಕ್ಷಿಣ ಆಸ್ಟ್ರೇಲಿಯಾ ಪ್ರಮಾಣಿತ ಸಮಯ,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>ದಕ್ಷಿಣ ಆಸ್ಟ್ರೇಲಿಯಾ ಪ್ರಮಾಣಿತ ಸಮಯ,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>ದಕ್ಷಿಣ ಸುಮಾತ್ರಾ ಸಮಯ,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>ಸಾರ್ವತ್ರಿಕ ಸಮಯ, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>ಸೋವಿಯತ್ ವಲಯ 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>ಸೋವಿಯತ್ ವಲಯ 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>ಸೋವಿಯತ್ ವಲಯ 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>ಸೋವಿಯತ್ ವಲಯ 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>ಸೋವಿಯತ್ ವಲಯ 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>ಪಶ್ಚಿಮ ಆಫ್ರಿಕಾ ಸಮಯ,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>ಯುಕಾನ್ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>ಯುಕಾನ್ ಪ್ರಮಾಣಿತ ಸಮಯ,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>ಯುಕಾನ್ ಯುದ್ಧಕಾಲದ ಸಮಯ,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>ZoneRules</name>
    <message>
        <source>%1: not in this system&apos;s time-zone data</source>
        <translation>%1: ಈ ವ್ಯವಸ್ಥೆಯ ಸಮಯ ವಲಯ ದತ್ತಾಂಶದಲ್ಲಿ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2 ರಿಂದ %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1 ರಂದು</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>The zone&apos;s standard offset, given for a date that does not exist.</extracomment>
        <translation>ಪ್ರಮಾಣಿತ</translation>
    </message>
    <message>
        <source>%1: %2 %3 (in %4: %5)</source>
        <extracomment>&quot;America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 November)&quot;</extracomment>
        <translation>%1: %3 %2 (%4 ರಲ್ಲಿ: %5)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. It is preferable to do all important and good tasks in the time before or after the Rahu Kaal. Copyright © the Horavela authors. All rights reserved.</source>
        <translation>Horavela ರಾಹುಕಾಲವನ್ನು ಲೆಕ್ಕಹಾಕುತ್ತದೆ. ರಾಹುಕಾಲವು ದಿನದಲ್ಲಿ ಶುಭ ಕಾರ್ಯಗಳನ್ನು ಮಾಡದ ಅಶುಭ ಅವಧಿ. ಎಲ್ಲ ಮುಖ್ಯ ಮತ್ತು ಶುಭ ಕಾರ್ಯಗಳನ್ನು ರಾಹುಕಾಲದ ಮೊದಲು ಅಥವಾ ನಂತರ ಮಾಡುವುದು ಉತ್ತಮ. ಕೃತಿಸ್ವಾಮ್ಯ © Horavela ಲೇಖಕರು. ಎಲ್ಲ ಹಕ್ಕುಗಳನ್ನು ಕಾಯ್ದಿರಿಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>ಮನೆಯಿಂದಲೇ ವ್ಯಾಪಾರ ಅವಕಾಶ. ನಿಮ್ಮದೇ ಇಂಟರ್ನೆಟ್ ವ್ಯಾಪಾರ ಆರಂಭಿಸಿ ಆನ್‌ಲೈನ್‌ನಲ್ಲಿ ಹಣ ಗಳಿಸಿ. ಈ ಸಾಫ್ಟ್‌ವೇರ್ ಅನ್ನು ಸಂಪೂರ್ಣವಾಗಿ ನಿಮ್ಮ ಜಾಲತಾಣದ ಬ್ರ್ಯಾಂಡ್‌ನೊಂದಿಗೆ ಪಡೆಯಿರಿ.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗೆ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ಸರಿ (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>ರಾಹುಕಾಲ ಮತ್ತು ಇನ್ನಷ್ಟು ವಿಷಯಗಳಿಗಾಗಿ ನಮ್ಮ ಚರ್ಚಾ ತಾಣಕ್ಕೆ ಭೇಟಿ ನೀಡಿ</translation>
    </message>
    <message>
        <source>Horavela Result</source>
        <translation>Horavela ಫಲಿತಾಂಶ</translation>
    </message>
    <message>
        <source>Chosen Date</source>
        <translation>ಆಯ್ಕೆಮಾಡಿದ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Chosen Time</source>
        <translation>ಆಯ್ಕೆಮಾಡಿದ ಸಮಯ</translation>
    </message>
    <message>
        <source>The Chosen Time Period is Not in Rahu Kaal</source>
        <translation>ಆಯ್ಕೆಮಾಡಿದ ಸಮಯ ರಾಹುಕಾಲದಲ್ಲಿ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Rahukal Period</source>
        <translation>ರಾಹುಕಾಲದ ಅವಧಿ</translation>
    </message>
    <message>
        <source>Rahu Kal is an inauspicious time period in a day when favorable tasks are not performed.</source>
        <translation>ರಾಹುಕಾಲವು ದಿನದಲ್ಲಿ ಶುಭ ಕಾರ್ಯಗಳನ್ನು ಮಾಡದ ಅಶುಭ ಅವಧಿ.</translation>
    </message>
    <message>
        <source>*Do all important and good tasks in the time before or after the Rahu Kal.</source>
        <translation>*ಎಲ್ಲ ಮುಖ್ಯ ಮತ್ತು ಶುಭ ಕಾರ್ಯಗಳನ್ನು ರಾಹುಕಾಲದ ಮೊದಲು ಅಥವಾ ನಂತರ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ನಿರ್ಗಮಿಸು (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>ಹಿಂದಕ್ಕೆ (&amp;B)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ನಿಮ್ಮ ಜಾಲತಾಣಕ್ಕಾಗಿ ಈ ಸಾಫ್ಟ್‌ವೇರ್ ಅನ್ನು ಸಹ-ಬ್ರ್ಯಾಂಡ್ ಮಾಡಿ. ನಿಮ್ಮ ಜಾಲತಾಣಕ್ಕೆ ನಿಷ್ಠೆ ಮತ್ತು ಸಂದರ್ಶಕರನ್ನು ಹೆಚ್ಚಿಸಿ. ನಿಮ್ಮ ಜಾಲತಾಣದ ಹೆಸರು ಮತ್ತು ಲಿಂಕ್ ಅನ್ನು ಇಲ್ಲಿ ಇರಿಸಿ. ವಿವರಗಳಿಗೆ &quot;ಸಹಾಯ&quot; ನೋಡಿ.    ಸಹ-ಬ್ರ್ಯಾಂಡಿಂಗ್ ಕುರಿತು ಹೆಚ್ಚಿನ ಮಾಹಿತಿಗಾಗಿ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ಮನೆಯಿಂದಲೇ ವ್ಯಾಪಾರ ಅವಕಾಶ. ನಿಮ್ಮದೇ ಇಂಟರ್ನೆಟ್ ವ್ಯಾಪಾರ ಆರಂಭಿಸಿ ಆನ್‌ಲೈನ್‌ನಲ್ಲಿ ಹಣ ಗಳಿಸಿ. ಈ ಸಾಫ್ಟ್‌ವೇರ್ ಅನ್ನು ಸಂಪೂರ್ಣವಾಗಿ ನಿಮ್ಮ ಜಾಲತಾಣದ ಬ್ರ್ಯಾಂಡ್‌ನೊಂದಿಗೆ ಪಡೆಯಿರಿ. ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗೆ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>Sun Rise Time On</source>
        <translation>ಸೂರ್ಯೋದಯದ ಸಮಯ</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>ಸೂರ್ಯಾಸ್ತದ ಸಮಯ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ಫೈಲ್ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ಸಹಾಯ (&amp;H)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>ತಿಂಗಳ ರಾಹುಕಾಲ (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ನಿರ್ಗಮಿಸು (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ಆನ್‌ಲೈನ್ ಸಹಾಯ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ನಮ್ಮ ಜಾಲತಾಣಕ್ಕೆ ಭೇಟಿ ನೀಡಿ (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>ಸಾಫ್ಟ್‌ವೇರ್ ಅಪ್‌ಡೇಟ್ ಪರಿಶೀಲಿಸಿ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>ಸಾಫ್ಟ್‌ವೇರ್ ಕುರಿತು (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>ದೇಣಿಗೆ ನೀಡಿ (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ಆನ್‌ಲೈನ್‌ನಲ್ಲಿ ಹಣ ಗಳಿಸಿ (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmLanguage</name>
    <message>
        <source>&amp;Language of Horavela:</source>
        <translation>Horavela ಭಾಷೆ (&amp;L):</translation>
    </message>
    <message>
        <source>Language of Horavela</source>
        <translation>Horavela ಭಾಷೆ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ಸರಿ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ರದ್ದುಗೊಳಿಸು (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>ರಾಹುಕಾಲ ಮತ್ತು ಇನ್ನಷ್ಟು ವಿಷಯಗಳಿಗಾಗಿ ನಮ್ಮ ಚರ್ಚಾ ತಾಣಕ್ಕೆ ಭೇಟಿ ನೀಡಿ</translation>
    </message>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. Do all important and good tasks in the time before or after the Rahu Kaal.</source>
        <translation>Horavela ರಾಹುಕಾಲವನ್ನು ಲೆಕ್ಕಹಾಕುತ್ತದೆ. ರಾಹುಕಾಲವು ದಿನದಲ್ಲಿ ಶುಭ ಕಾರ್ಯಗಳನ್ನು ಮಾಡದ ಅಶುಭ ಅವಧಿ. ಎಲ್ಲ ಮುಖ್ಯ ಮತ್ತು ಶುಭ ಕಾರ್ಯಗಳನ್ನು ರಾಹುಕಾಲದ ಮೊದಲು ಅಥವಾ ನಂತರ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>ನಿಮ್ಮ ಹೆಸರು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Enter Date</source>
        <translation>ದಿನಾಂಕ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>ದಿನ</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>ವರ್ಷ</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>ಸಮಯ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ಗಂಟೆ</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>ಸೆಕೆಂಡ್</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>ನಿಮ್ಮ ಸಮಯ ವಲಯ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>ನಿಮಿ.</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>ವಲಯ ಸಹಾಯ</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>ಅಕ್ಷಾಂಶ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>ಡಿಗ್ರಿ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ಉತ್ತರ</translation>
    </message>
    <message>
        <source>South</source>
        <translation>ದಕ್ಷಿಣ</translation>
    </message>
    <message>
        <source>Enter Longitude</source>
        <translation>ರೇಖಾಂಶ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>ಪೂರ್ವ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>ಪಶ್ಚಿಮ</translation>
    </message>
    <message>
        <source>Enter Your City Name</source>
        <translation>ನಿಮ್ಮ ನಗರದ ಹೆಸರು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>ನಿಮ್ಮ ರಾಜ್ಯದ ಹೆಸರು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>ನಿಮ್ಮ ದೇಶದ ಹೆಸರು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>ಅಕ್ಷಾಂಶ &amp;&amp; ರೇಖಾಂಶ ತಿಳಿಯಲು ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Is the Chosen Period in Rahul Kaal?</source>
        <translation>ಆಯ್ಕೆಮಾಡಿದ ಸಮಯ ರಾಹುಕಾಲದಲ್ಲಿದೆಯೇ?</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ನಿಮ್ಮ ಜಾಲತಾಣಕ್ಕಾಗಿ ಈ ಸಾಫ್ಟ್‌ವೇರ್ ಅನ್ನು ಸಹ-ಬ್ರ್ಯಾಂಡ್ ಮಾಡಿ. ನಿಮ್ಮ ಜಾಲತಾಣಕ್ಕೆ ನಿಷ್ಠೆ ಮತ್ತು ಸಂದರ್ಶಕರನ್ನು ಹೆಚ್ಚಿಸಿ. ನಿಮ್ಮ ಜಾಲತಾಣದ ಹೆಸರು ಮತ್ತು ಲಿಂಕ್ ಅನ್ನು ಇಲ್ಲಿ ಇರಿಸಿ. ವಿವರಗಳಿಗೆ &quot;ಸಹಾಯ&quot; ನೋಡಿ.    ಸಹ-ಬ್ರ್ಯಾಂಡಿಂಗ್ ಕುರಿತು ಹೆಚ್ಚಿನ ಮಾಹಿತಿಗಾಗಿ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ಮನೆಯಿಂದಲೇ ವ್ಯಾಪಾರ ಅವಕಾಶ. ನಿಮ್ಮದೇ ಇಂಟರ್ನೆಟ್ ವ್ಯಾಪಾರ ಆರಂಭಿಸಿ ಆನ್‌ಲೈನ್‌ನಲ್ಲಿ ಹಣ ಗಳಿಸಿ. ಈ ಸಾಫ್ಟ್‌ವೇರ್ ಅನ್ನು ಸಂಪೂರ್ಣವಾಗಿ ನಿಮ್ಮ ಜಾಲತಾಣದ ಬ್ರ್ಯಾಂಡ್‌ನೊಂದಿಗೆ ಪಡೆಯಿರಿ. ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗೆ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ಫೈಲ್ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ಸಹಾಯ (&amp;H)</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>ಈಗಿನ ಸಮಯಕ್ಕೆ ಹೊಂದಿಸು (&amp;N)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>ತಿಂಗಳ ರಾಹುಕಾಲ (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ನಿರ್ಗಮಿಸು (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ಆನ್‌ಲೈನ್ ಸಹಾಯ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ನಮ್ಮ ಜಾಲತಾಣಕ್ಕೆ ಭೇಟಿ ನೀಡಿ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ಸಾಫ್ಟ್‌ವೇರ್ ಅಪ್‌ಡೇಟ್ ಪರಿಶೀಲಿಸಿ (&amp;U)</translation>
    </message>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>ಅನ್ವಯದ ಭಾಷೆ ಬದಲಿಸು (&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>ಸಾಫ್ಟ್‌ವೇರ್ ಕುರಿತು (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>ದೇಣಿಗೆ ನೀಡಿ (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ಆನ್‌ಲೈನ್‌ನಲ್ಲಿ ಹಣ ಗಳಿಸಿ (&amp;O)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>ಮನೆಯ ಸ್ಥಳವಾಗಿ ಉಳಿಸು (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Forget Home Place</source>
        <translation>ಮನೆಯ ಸ್ಥಳವನ್ನು ಮರೆತುಬಿಡು (&amp;F)</translation>
    </message>
    <message>
        <source>Show in the System &amp;Tray</source>
        <translation>ಸಿಸ್ಟಮ್ ಟ್ರೇಯಲ್ಲಿ ತೋರಿಸು (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>ಜ್ಞಾಪನೆಗಳು (&amp;R)...</translation>
    </message>
    <message>
        <source>Start with the &amp;Desktop</source>
        <translation>ಡೆಸ್ಕ್‌ಟಾಪ್ ಜೊತೆಗೆ ಆರಂಭಿಸು (&amp;D)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>&lt;&lt; Pre&amp;vious Month</source>
        <translation>&lt;&lt; ಹಿಂದಿನ ತಿಂಗಳು (&amp;V)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>ಹಿಂದಿನ ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>&amp;Next Month &gt;&gt;</source>
        <translation>ಮುಂದಿನ ತಿಂಗಳು (&amp;N) &gt;&gt;</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>ಮುಂದಿನ ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>Rahu Kaal, Yamaganda and Gulika Kaal of Each Day</source>
        <translation>ಪ್ರತಿ ದಿನದ ರಾಹುಕಾಲ, ಯಮಗಂಡ ಮತ್ತು ಗುಳಿಕ ಕಾಲ</translation>
    </message>
    <message>
        <source>Save to &amp;Calendar...</source>
        <translation>ಕ್ಯಾಲೆಂಡರ್‌ಗೆ ಉಳಿಸು (&amp;C)...</translation>
    </message>
    <message>
        <source>Save to Calendar</source>
        <translation>ಕ್ಯಾಲೆಂಡರ್‌ಗೆ ಉಳಿಸು</translation>
    </message>
    <message>
        <source>Saves the periods as events of a calendar file (.ics)</source>
        <translation>ಅವಧಿಗಳನ್ನು ಕ್ಯಾಲೆಂಡರ್ ಫೈಲ್‌ನ (.ics) ಘಟನೆಗಳಾಗಿ ಉಳಿಸುತ್ತದೆ</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>CSV ಆಗಿ ಉಳಿಸು (&amp;S)...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV ಆಗಿ ಉಳಿಸು</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file for a spreadsheet</source>
        <translation>ಕೋಷ್ಟಕವನ್ನು ಸ್ಪ್ರೆಡ್‌ಶೀಟ್‌ಗಾಗಿ CSV ಫೈಲ್ ಆಗಿ ಉಳಿಸುತ್ತದೆ</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>ಮುದ್ರಿಸು (&amp;P)...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ಮುದ್ರಿಸು</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF ಆಗಿ ಉಳಿಸು (&amp;D)...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF ಆಗಿ ಉಳಿಸು</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
</context>
<context>
    <name>frmPlaceSearch</name>
    <message>
        <source>Places found. Choose the one you mean and press Use This Place: its latitude, longitude and time zone go into the main window. The time zone is the one in force at the date and time chosen there, in hours and minutes behind universal time.</source>
        <translation>ಕಂಡುಬಂದ ಸ್ಥಳಗಳು. ನೀವು ಉದ್ದೇಶಿಸಿದ ಸ್ಥಳವನ್ನು ಆರಿಸಿ &quot;ಈ ಸ್ಥಳವನ್ನು ಬಳಸು&quot; ಒತ್ತಿ: ಅದರ ಅಕ್ಷಾಂಶ, ರೇಖಾಂಶ ಮತ್ತು ಸಮಯ ವಲಯ ಮುಖ್ಯ ಕಿಟಕಿಗೆ ಹೋಗುತ್ತವೆ. ಸಮಯ ವಲಯವು ಅಲ್ಲಿ ಆಯ್ಕೆಮಾಡಿದ ದಿನಾಂಕ ಮತ್ತು ಸಮಯದಲ್ಲಿ ಜಾರಿಯಲ್ಲಿರುವುದು, ಸಾರ್ವತ್ರಿಕ ಸಮಯಕ್ಕಿಂತ ಎಷ್ಟು ಗಂಟೆ ಮತ್ತು ನಿಮಿಷ ಹಿಂದಿದೆ ಎಂಬಂತೆ.</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>ಕಂಡುಬಂದ ಸ್ಥಳಗಳು</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>ಅಕ್ಷಾಂಶ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>ರೇಖಾಂಶ</translation>
    </message>
    <message>
        <source>Time zone (hours, minutes)</source>
        <translation>ಸಮಯ ವಲಯ (ಗಂಟೆ, ನಿಮಿಷ)</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>GeoNames (geonames.org) ನಿಂದ ಸ್ಥಳಗಳು, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Use This Place</source>
        <translation>ಈ ಸ್ಥಳವನ್ನು ಬಳಸು (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>ಜಾಲದಲ್ಲಿ ಹುಡುಕು (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>ಮುಚ್ಚು (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>ಜ್ಞಾಪನೆಗಳು</translation>
    </message>
    <message>
        <source>minutes before</source>
        <translation>ನಿಮಿಷ ಮೊದಲು</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ಸರಿ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ರದ್ದುಗೊಳಿಸು (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>ಸಮಯ ವಲಯಗಳು</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>ನಿರ್ಗಮಿಸು (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>horavela::SaveMonthDialog</name>
    <message>
        <source>Periods in the Calendar</source>
        <translation>ಕ್ಯಾಲೆಂಡರ್‌ನಲ್ಲಿ ಅವಧಿಗಳು</translation>
    </message>
    <message>
        <source>&amp;Rahu Kaal</source>
        <translation>ರಾಹುಕಾಲ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Yamaganda</source>
        <translation>ಯಮಗಂಡ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Gulika Kaal</source>
        <translation>ಗುಳಿಕ ಕಾಲ (&amp;G)</translation>
    </message>
    <message>
        <source>R&amp;emind Me</source>
        <translation>ನನಗೆ ನೆನಪಿಸು (&amp;E)</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> ನಿಮಿಷ ಮೊದಲು</translation>
    </message>
    <message>
        <source>Minutes before each period</source>
        <translation>ಪ್ರತಿ ಅವಧಿಗೆ ಎಷ್ಟು ನಿಮಿಷ ಮೊದಲು</translation>
    </message>
    <message>
        <source>&amp;Months from the shown one:</source>
        <translation>ತೋರಿಸಿದ ತಿಂಗಳಿಂದ ತಿಂಗಳುಗಳು (&amp;M):</translation>
    </message>
</context>
<context>
    <name>horavela::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 ಗೆ ಭೇಟಿ ನೀಡಿ</translation>
    </message>
</context>
<context>
    <name>horavela::frmLanguage</name>
    <message>
        <source>System language</source>
        <translation>ವ್ಯವಸ್ಥೆಯ ಭಾಷೆ</translation>
    </message>
</context>
<context>
    <name>horavela::frmMain</name>
    <message>
        <source>Please Enter a Number in the Hour and Minute of the Time Zone</source>
        <translation>ದಯವಿಟ್ಟು ಸಮಯ ವಲಯದ ಗಂಟೆ ಮತ್ತು ನಿಮಿಷದಲ್ಲಿ ಸಂಖ್ಯೆಯನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>The sun does not rise or does not set at this place on %1, so Rahu Kaal cannot be calculated.</source>
        <translation>%1 ರಂದು ಈ ಸ್ಥಳದಲ್ಲಿ ಸೂರ್ಯ ಉದಯಿಸುವುದಿಲ್ಲ ಅಥವಾ ಅಸ್ತಮಿಸುವುದಿಲ್ಲ, ಆದ್ದರಿಂದ ರಾಹುಕಾಲವನ್ನು ಲೆಕ್ಕಹಾಕಲು ಸಾಧ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>ದಯವಿಟ್ಟು ಹೆಸರು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ಡಿಗ್ರಿಯಲ್ಲಿ 0 ರಿಂದ 179 ರ ನಡುವಿನ ಮೌಲ್ಯವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ನಿಮಿಷದಲ್ಲಿ 0 ರಿಂದ 59 ರ ನಡುವಿನ ಮೌಲ್ಯವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ಡಿಗ್ರಿಯಲ್ಲಿ 0 ರಿಂದ 89 ರ ನಡುವಿನ ಮೌಲ್ಯವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ನಿಮಿಷದಲ್ಲಿ 0 ರಿಂದ 59 ರ ನಡುವಿನ ಮೌಲ್ಯವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>ದಯವಿಟ್ಟು ಸರಿಯಾದ ದಿನಾಂಕವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>ಸಂಖ್ಯೆಗಳನ್ನು ಮಾತ್ರ ಸ್ವೀಕರಿಸಲಾಗುತ್ತದೆ</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷರಗಳನ್ನು ಮಾತ್ರ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>ದಯವಿಟ್ಟು ನಗರವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>ದಯವಿಟ್ಟು ರಾಜ್ಯವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>ದಯವಿಟ್ಟು ದೇಶವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>This year, %1, is not in the Year list (%2 to %3), so the date and time are left as they were.</source>
        <translation>ಈ ವರ್ಷ, %1, ವರ್ಷಗಳ ಪಟ್ಟಿಯಲ್ಲಿ (%2 ರಿಂದ %3) ಇಲ್ಲ, ಆದ್ದರಿಂದ ದಿನಾಂಕ ಮತ್ತು ಸಮಯವನ್ನು ಹಿಂದಿನಂತೆಯೇ ಬಿಡಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>The settings could not be read, so the program starts without the home place.</source>
        <translation>ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ಓದಲಾಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಪ್ರೋಗ್ರಾಂ ಮನೆಯ ಸ್ಥಳವಿಲ್ಲದೆ ಆರಂಭವಾಗುತ್ತಿದೆ.</translation>
    </message>
    <message>
        <source>The home place kept in the settings is not a valid place, so the program starts without it.</source>
        <translation>ಸೆಟ್ಟಿಂಗ್‌ಗಳಲ್ಲಿ ಇರಿಸಿದ ಮನೆಯ ಸ್ಥಳ ಸರಿಯಾದ ಸ್ಥಳವಲ್ಲ, ಆದ್ದರಿಂದ ಪ್ರೋಗ್ರಾಂ ಅದಿಲ್ಲದೆ ಆರಂಭವಾಗುತ್ತಿದೆ.</translation>
    </message>
    <message>
        <source>The settings could not be written, so the home place is as it was.</source>
        <translation>ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ಬರೆಯಲಾಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಮನೆಯ ಸ್ಥಳ ಮೊದಲಿನಂತೆಯೇ ಇದೆ.</translation>
    </message>
    <message>
        <source>This desktop has no system tray, so Horavela cannot show its icon there. Reminders still come while Horavela is open.</source>
        <translation>ಈ ಡೆಸ್ಕ್‌ಟಾಪ್‌ನಲ್ಲಿ ಸಿಸ್ಟಮ್ ಟ್ರೇ ಇಲ್ಲ, ಆದ್ದರಿಂದ Horavela ತನ್ನ ಐಕಾನ್ ಅನ್ನು ಅಲ್ಲಿ ತೋರಿಸಲು ಸಾಧ್ಯವಿಲ್ಲ. ಆದರೂ, Horavela ತೆರೆದಿರುವವರೆಗೆ ಜ್ಞಾಪನೆಗಳು ಬರುತ್ತಲೇ ಇರುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>The settings could not be written, so the tray icon is as it was.</source>
        <translation>ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ಬರೆಯಲಾಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಟ್ರೇ ಐಕಾನ್ ಮೊದಲಿನಂತೆಯೇ ಇದೆ.</translation>
    </message>
    <message>
        <source>The desktop&apos;s list of programs to start could not be changed.</source>
        <translation>ಡೆಸ್ಕ್‌ಟಾಪ್ ಜೊತೆಗೆ ಆರಂಭವಾಗುವ ಪ್ರೋಗ್ರಾಂಗಳ ಪಟ್ಟಿಯನ್ನು ಬದಲಾಯಿಸಲಾಗಲಿಲ್ಲ.</translation>
    </message>
</context>
<context>
    <name>horavela::frmMonth</name>
    <message>
        <source>Time Zone: %1</source>
        <translation>ಸಮಯ ವಲಯ: %1</translation>
    </message>
    <message>
        <source>Rahu Kaal, %1</source>
        <translation>ರಾಹುಕಾಲ, %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ಇಂದು</translation>
    </message>
    <message>
        <source>Rahu Kaal %1-%2</source>
        <extracomment>A file&apos;s suggested name: &quot;Rahu Kaal 2025-03&quot;.</extracomment>
        <translation>ರಾಹುಕಾಲ %1-%2</translation>
    </message>
    <message>
        <source>, %1 months</source>
        <extracomment>Follows a file&apos;s suggested name: &quot;Rahu Kaal 2025-03, 3 months&quot;.</extracomment>
        <translation>, %1 ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>ಕ್ಯಾಲೆಂಡರ್ (*.ics)</translation>
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
        <translation>ತಿಂಗಳನ್ನು ಮುದ್ರಿಸಲಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>ಮುದ್ರಣ ಲಭ್ಯವಿಲ್ಲ: %1.</translation>
    </message>
</context>
<context>
    <name>horavela::frmPlaceSearch</name>
    <message>
        <source>%1; latitude %2; longitude %3; time zone %4</source>
        <translation>%1; ಅಕ್ಷಾಂಶ %2; ರೇಖಾಂಶ %3; ಸಮಯ ವಲಯ %4</translation>
    </message>
</context>
<context>
    <name>horavela::frmReminders</name>
    <message>
        <source>Minutes before %1</source>
        <extracomment>The spin box&apos;s name for a screen reader: &quot;Minutes before Rahu Kaal&quot;.</extracomment>
        <translation>%1 ಆರಂಭಕ್ಕೆ ಎಷ್ಟು ನಿಮಿಷ ಮೊದಲು</translation>
    </message>
    <message>
        <source>The settings could not be written, so the reminders are as they were.</source>
        <translation>ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ಬರೆಯಲಾಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಜ್ಞಾಪನೆಗಳು ಮೊದಲಿನಂತೆಯೇ ಇವೆ.</translation>
    </message>
</context>
</TS>
