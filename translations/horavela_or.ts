<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="or_IN">
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &quot;%1&quot;; see horavela --help</source>
        <translation>ଅପ୍ରତ୍ୟାଶିତ ଆର୍ଗୁମେଣ୍ଟ &quot;%1&quot;; horavela --help ଦେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 ଦୁଇଥର ଦିଆଯାଇଛି</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 ପାଇଁ ଏକ ମୂଲ୍ୟ ଆବଶ୍ୟକ</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone (missing --%1)</source>
        <translation>--place ଦିଅନ୍ତୁ, କିମ୍ବା --lat, --lon ଓ --zone ଦିଅନ୍ତୁ (--%1 ନାହିଁ)</translation>
    </message>
    <message>
        <source>--lat &quot;%1&quot; is not a latitude in decimal degrees</source>
        <translation>--lat &quot;%1&quot; ଦଶମିକ ଡିଗ୍ରୀରେ ଏକ ଅକ୍ଷାଂଶ ନୁହେଁ</translation>
    </message>
    <message>
        <source>--lon &quot;%1&quot; is not a longitude in decimal degrees</source>
        <translation>--lon &quot;%1&quot; ଦଶମିକ ଡିଗ୍ରୀରେ ଏକ ଦ୍ରାଘିମା ନୁହେଁ</translation>
    </message>
    <message>
        <source>--zone &quot;%1&quot; is neither a zone of this system&apos;s time-zone data nor hours:minutes such as -5:-30</source>
        <translation>--zone &quot;%1&quot; ଏହି ସିଷ୍ଟମର ସମୟ କ୍ଷେତ୍ର ତଥ୍ୟରେ ଥିବା କୌଣସି କ୍ଷେତ୍ର ନୁହେଁ, -5:-30 ପରି ଘଣ୍ଟା:ମିନିଟ ମଧ୍ୟ ନୁହେଁ</translation>
    </message>
    <message>
        <source>--place &quot;%1&quot; is not &quot;CITY, STATE, COUNTRY&quot;</source>
        <translation>--place &quot;%1&quot; &quot;CITY, STATE, COUNTRY&quot; (ସହର, ରାଜ୍ୟ, ଦେଶ) ରୂପରେ ନାହିଁ</translation>
    </message>
    <message>
        <source>the places database cannot be read</source>
        <translation>ସ୍ଥାନ ଡାଟାବେସ ପଢ଼ାଯାଇପାରୁନାହିଁ</translation>
    </message>
    <message>
        <source>no place called &quot;%1&quot; in the places database</source>
        <translation>ସ୍ଥାନ ଡାଟାବେସରେ &quot;%1&quot; ନାମରେ କୌଣସି ସ୍ଥାନ ନାହିଁ</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>ଅତି କମରେ %1</translation>
    </message>
    <message>
        <source>the zone of %1, %2, is not in this system&apos;s time-zone data</source>
        <translation>%1ର ସମୟ କ୍ଷେତ୍ର, %2, ଏହି ସିଷ୍ଟମର ସମୟ କ୍ଷେତ୍ର ତଥ୍ୟରେ ନାହିଁ</translation>
    </message>
    <message>
        <source>--language &quot;%1&quot; is not one of en, hi, bn, te, mr, ta, gu, kn, ml, pa and or</source>
        <translation>--language &quot;%1&quot; en, hi, bn, te, mr, ta, gu, kn, ml, pa ଓ or ମଧ୍ୟରୁ କୌଣସିଟି ନୁହେଁ</translation>
    </message>
    <message>
        <source>--month YYYY-MM is needed; see horavela --help</source>
        <translation>--month YYYY-MM ଆବଶ୍ୟକ; horavela --help ଦେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>--month &quot;%1&quot; is not a month such as 2025-03</source>
        <translation>--month &quot;%1&quot; 2025-03 ପରି ଏକ ମାସ ନୁହେଁ</translation>
    </message>
    <message>
        <source>--months &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>--months &quot;%1&quot; 1ରୁ 12 ମଧ୍ୟରେ ଏକ ସଂଖ୍ୟା ନୁହେଁ</translation>
    </message>
    <message>
        <source>the months must lie from 1901-01 to 2050-12</source>
        <translation>ମାସଗୁଡ଼ିକ 1901-01ରୁ 2050-12 ମଧ୍ୟରେ ହେବା ଆବଶ୍ୟକ</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone, not both</source>
        <translation>--place ଦିଅନ୍ତୁ, କିମ୍ବା --lat, --lon ଓ --zone ଦିଅନ୍ତୁ, ଉଭୟ ନୁହେଁ</translation>
    </message>
    <message>
        <source>standard output cannot be written</source>
        <translation>ଷ୍ଟାଣ୍ଡାର୍ଡ ଆଉଟପୁଟରେ ଲେଖାଯାଇପାରୁନାହିଁ</translation>
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
        <translation>ବ୍ୟବହାର: horavela --month YYYY-MM (--place &quot;CITY[, STATE], COUNTRY&quot; |
                --lat=DEGREES --lon=DEGREES --zone=ZONE) [OPTIONS]

କୌଣସି ସ୍ଥାନ ପାଇଁ ମାସର ପ୍ରତ୍ୟେକ ଦିନର ରାହୁକାଳ, ଯମଗଣ୍ଡ ଓ ଗୁଳିକ କାଳ ଲେଖେ,
ମାସ ୱିଣ୍ଡୋ ଯେପରି ସଂରକ୍ଷଣ କରେ ସେହିପରି, କୌଣସି ୱିଣ୍ଡୋ ନ ଖୋଲି।

  --month YYYY-MM    ପ୍ରଥମ ମାସ, 1901-01ରୁ 2050-12 ପର୍ଯ୍ୟନ୍ତ
  --months N         କେତେ ମାସ, 1ରୁ 12 (ଡିଫଲ୍ଟ 1)
  --place TEXT       ସ୍ଥାନ ଡାଟାବେସର ଏକ ସ୍ଥାନ: &quot;Pune, Maharashtra, India&quot;,
                     &quot;Pune, India&quot; କିମ୍ବା &quot;Pune&quot;; ଏହାର ସମୟ କ୍ଷେତ୍ର ତାରିଖ ଅନୁସାରେ ଚାଲେ
  --lat DEGREES      ଦଶମିକ ଡିଗ୍ରୀରେ ଅକ୍ଷାଂଶ, ଉତ୍ତର ଧନାତ୍ମକ: 18.52
  --lon DEGREES      ଦଶମିକ ଡିଗ୍ରୀରେ ଦ୍ରାଘିମା, ପୂର୍ବ ଧନାତ୍ମକ: -74.0 ଅର୍ଥ ପଶ୍ଚିମ
                     (ଦୁଇଟିଯାକ ନିକଟତମ ମିନିଟକୁ ପୂର୍ଣ୍ଣ କରାଯାଏ)
  --zone ZONE        ସମୟ କ୍ଷେତ୍ରର ନାମ, Asia/Kolkata, ଯାହାର ଅଫସେଟ ତାରିଖ ଅନୁସାରେ ଚାଲେ;
                     କିମ୍ବା ସାର୍ବଜନୀନ ସମୟଠାରୁ କେତେ ଘଣ୍ଟା:ମିନିଟ ପଛରେ, ମୁଖ୍ୟ
                     ୱିଣ୍ଡୋ ପରି, -5:-30 (ଏକ ଘଣ୍ଟାରୁ କମ୍ ଆଗରେ ଥିଲେ: -0:-19)
  --format FORMAT    text (ଡିଫଲ୍ଟ), csv, ics (ଏକ କ୍ୟାଲେଣ୍ଡର) କିମ୍ବା pdf (ମାସ ୱିଣ୍ଡୋର
                     ପୃଷ୍ଠାଗୁଡ଼ିକ, କେବଳ --out ସହିତ)
  --periods LIST     କ୍ୟାଲେଣ୍ଡରର ଘଟଣା: rahu, yamaganda ଓ gulika ମଧ୍ୟରୁ ଯେକୌଣସି,
                     କମା ଦ୍ୱାରା ଅଲଗା (ଡିଫଲ୍ଟ rahu); କେବଳ --format ics ସହିତ
  --alarm MINUTES    କ୍ୟାଲେଣ୍ଡରର ସ୍ମାରକ, ପ୍ରତ୍ୟେକ ଅବଧିର 1ରୁ 1440 ମିନିଟ ପୂର୍ବରୁ,
                     କିମ୍ବା none (ଡିଫଲ୍ଟ 10); କେବଳ --format ics ସହିତ
  --out FILE         FILE ଲେଖେ, ସମ୍ପୂର୍ଣ୍ଣ କିମ୍ବା ଆଦୌ ନୁହେଁ; ନଚେତ୍ ଷ୍ଟାଣ୍ଡାର୍ଡ ଆଉଟପୁଟ
  --language CODE    ଲେଖା ଓ କ୍ୟାଲେଣ୍ଡରର ଭାଷା: en, hi, bn, te, mr,
                     ta, gu, kn, ml, pa କିମ୍ବା or (ଡିଫଲ୍ଟ: ୱିଣ୍ଡୋରେ ବଛାଯାଇଥିବା
                     ଭାଷା, ନଚେତ୍ ଡେସ୍କଟପର ଭାଷା)
  -h, --help         ଏହି ସାହାଯ୍ୟ ଦେଖାଏ
  --version          ପ୍ରୋଗ୍ରାମର ସଂସ୍କରଣ ଦେଖାଏ

ପ୍ରତ୍ୟେକ ଅପସନ ତାର ମୂଲ୍ୟ --name value କିମ୍ବା --name=value ରୂପରେ ନିଏ।
ପ୍ରସ୍ଥାନ ସ୍ଥିତି: 0 ସମ୍ପନ୍ନ, 2 ଭୁଲ ଇନପୁଟ, 1 ଫାଇଲ କିମ୍ବା ସ୍ଥାନ ଡାଟାବେସ ବିଫଳ।
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>ଅଜଣା ଅପସନ %1</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 କୌଣସି ମୂଲ୍ୟ ନିଏ ନାହିଁ</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; holds a line break or another control character</source>
        <translation>--%1 &quot;%2&quot;ରେ ଧାଡ଼ି ବିରତି କିମ୍ବା ଅନ୍ୟ ନିୟନ୍ତ୍ରଣ ଅକ୍ଷର ଅଛି</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; has a space before or after it</source>
        <translation>--%1 &quot;%2&quot;ର ଆଗରେ କିମ୍ବା ପଛରେ ଖାଲି ସ୍ଥାନ ଅଛି</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches %2 places (%3); name the state and the country</source>
        <translation>&quot;%1&quot; ସହ %2ଟି ସ୍ଥାନ ମେଳ ଖାଉଛି (%3); ରାଜ୍ୟ ଓ ଦେଶର ନାମ ଦିଅନ୍ତୁ</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; is not text, csv, ics or pdf</source>
        <translation>--format &quot;%1&quot; text, csv, ics କିମ୍ବା pdf ମଧ୍ୟରୁ କୌଣସିଟି ନୁହେଁ</translation>
    </message>
    <message>
        <source>--format pdf needs --out FILE: a PDF is not written to standard output</source>
        <translation>--format pdf ପାଇଁ --out FILE ଆବଶ୍ୟକ: PDF ଷ୍ଟାଣ୍ଡାର୍ଡ ଆଉଟପୁଟରେ ଲେଖାଯାଏ ନାହିଁ</translation>
    </message>
    <message>
        <source>--%1 chooses what the calendar holds: give it with --format ics</source>
        <translation>--%1 କ୍ୟାଲେଣ୍ଡରରେ କ&apos;ଣ ରହିବ ତାହା ବାଛେ: ଏହାକୁ --format ics ସହିତ ଦିଅନ୍ତୁ</translation>
    </message>
    <message>
        <source>--periods &quot;%1&quot; is not a comma-separated list of rahu, yamaganda and gulika, each at most once</source>
        <translation>--periods &quot;%1&quot; rahu, yamaganda ଓ gulikaର କମା ଦ୍ୱାରା ଅଲଗା ତାଲିକା ନୁହେଁ, ଯେଉଁଥିରେ ପ୍ରତ୍ୟେକଟି ଅତି ବେଶିରେ ଥରେ ଥାଏ</translation>
    </message>
    <message>
        <source>--alarm &quot;%1&quot; is neither none nor a number of minutes from 1 to 1440</source>
        <translation>--alarm &quot;%1&quot; none ନୁହେଁ, କିମ୍ବା 1ରୁ 1440 ମଧ୍ୟରେ ମିନିଟର ସଂଖ୍ୟା ମଧ୍ୟ ନୁହେଁ</translation>
    </message>
    <message>
        <source>the PDF cannot be drawn</source>
        <translation>PDF ତିଆରି କରାଯାଇପାରୁନାହିଁ</translation>
    </message>
</context>
<context>
    <name>DegreesMinutes</name>
    <message>
        <source>N</source>
        <extracomment>North, after a latitude&apos;s degrees and minutes: 18° 31′ N</extracomment>
        <translation>ଉ</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, after a latitude&apos;s degrees and minutes: 33° 52′ S</extracomment>
        <translation>ଦ</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, after a longitude&apos;s degrees and minutes: 73° 51′ E</extracomment>
        <translation>ପୂ</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, after a longitude&apos;s degrees and minutes: 74° 0′ W</extracomment>
        <translation>ପ</translation>
    </message>
</context>
<context>
    <name>HomeTray</name>
    <message>
        <source>Open Horavela</source>
        <translation>Horavela ଖୋଲନ୍ତୁ</translation>
    </message>
    <message>
        <source>Rahu Kaal of the Month...</source>
        <translation>ମାସର ରାହୁକାଳ...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>ସ୍ମାରକ...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>ପ୍ରସ୍ଥାନ</translation>
    </message>
    <message>
        <source>Horavela goes on running in the system tray, and its reminders still come. To end it, choose &quot;Quit&quot; in the menu of its icon there.</source>
        <translation>Horavela ସିଷ୍ଟମ ଟ୍ରେରେ ଚାଲୁ ରହେ, ଏବଂ ଏହାର ସ୍ମାରକ ଆସୁଥାଏ। ଏହାକୁ ସମ୍ପୂର୍ଣ୍ଣ ବନ୍ଦ କରିବାକୁ, ସେଠାରେ ଏହାର ଆଇକନର ମେନୁରେ &quot;ପ୍ରସ୍ଥାନ&quot; ବାଛନ୍ତୁ।</translation>
    </message>
</context>
<context>
    <name>MonthFiles</name>
    <message>
        <source>%1 %2: %3 to %4 local time (UTC%5)</source>
        <translation>%1 %2: ସ୍ଥାନୀୟ ସମୟ %3ରୁ %4 ପର୍ଯ୍ୟନ୍ତ (UTC%5)</translation>
    </message>
</context>
<context>
    <name>MonthPages</name>
    <message>
        <source>Sunrise and sunset are worked out to the minute by the almanac method, for the moment the sun&apos;s centre lies 50 minutes of arc below the horizon (its upper edge meeting the horizon, allowing for refraction), at this place and in its time zone; each period is one eighth of the daylight between them.</source>
        <translation>ସୂର୍ଯ୍ୟୋଦୟ ଓ ସୂର୍ଯ୍ୟାସ୍ତ ପାଞ୍ଜି ପଦ୍ଧତିରେ ମିନିଟ ପର୍ଯ୍ୟନ୍ତ ଗଣନା କରାଯାଇଛି, ଯେଉଁ ମୁହୂର୍ତ୍ତରେ ସୂର୍ଯ୍ୟଙ୍କ କେନ୍ଦ୍ର ଦିଗ୍‌ବଳୟଠାରୁ 50 କଳା ତଳେ ଥାଏ (ପ୍ରତିସରଣ ଧରି ସେତେବେଳେ ତାଙ୍କ ଉପର ଧାର ଦିଗ୍‌ବଳୟକୁ ଛୁଏଁ), ଏହି ସ୍ଥାନରେ ଓ ଏହାର ସମୟ କ୍ଷେତ୍ରରେ; ପ୍ରତ୍ୟେକ ଅବଧି ଏ ଦୁଇଟି ମଧ୍ୟରେ ଥିବା ଦିବାଲୋକର ଏକ-ଅଷ୍ଟମାଂଶ।</translation>
    </message>
</context>
<context>
    <name>MonthTexts</name>
    <message>
        <source>Rahu Kaal</source>
        <translation>ରାହୁକାଳ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>ଯମଗଣ୍ଡ</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <translation>ଗୁଳିକ କାଳ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>ତାରିଖ</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>ବାର</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>ସୂର୍ଯ୍ୟୋଦୟ</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>ସୂର୍ଯ୍ୟାସ୍ତ</translation>
    </message>
    <message>
        <source>No time zone is known for this day</source>
        <translation>ଏହି ଦିନ ପାଇଁ କୌଣସି ସମୟ କ୍ଷେତ୍ର ଜଣା ନାହିଁ</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <translation>ଦିନସାରା ସୂର୍ଯ୍ୟ ଦିଗ୍‌ବଳୟ ଉପରେ</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <translation>ଦିନସାରା ସୂର୍ଯ୍ୟ ଦିଗ୍‌ବଳୟ ତଳେ</translation>
    </message>
    <message>
        <source>This day did not happen here: the clocks skipped it</source>
        <translation>ଏହି ଦିନ ଏଠାରେ ଆସିନଥିଲା: ଘଡ଼ିଗୁଡ଼ିକ ଏହାକୁ ଡେଇଁଗଲେ</translation>
    </message>
    <message>
        <source>%1 did not happen at this place: its clocks skipped it.</source>
        <extracomment>A day that the place&apos;s clocks jumped over, as Samoa&apos;s did on 30 December 2011.</extracomment>
        <translation>%1 ଏହି ସ୍ଥାନରେ ଆସିନଥିଲା: ଏଠାର ଘଡ଼ିଗୁଡ଼ିକ ସେହି ଦିନକୁ ଡେଇଁଗଲେ।</translation>
    </message>
</context>
<context>
    <name>NowAndNextTexts</name>
    <message>
        <source>%1 now, until %2</source>
        <extracomment>The period on now and when it ends: &quot;Rahu Kaal now, until 4:59 PM&quot;.</extracomment>
        <translation>%1 ଏବେ, %2 ପର୍ଯ୍ୟନ୍ତ</translation>
    </message>
    <message>
        <source>Next: %1 tomorrow, %2 to %3</source>
        <extracomment>The next period, which starts tomorrow: &quot;Next: Yamaganda tomorrow, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>ପରବର୍ତ୍ତୀ: ଆସନ୍ତାକାଲି %1, %2 ରୁ %3 ପର୍ଯ୍ୟନ୍ତ</translation>
    </message>
    <message>
        <source>Next: %1, %2 to %3</source>
        <extracomment>The next period, later today: &quot;Next: Yamaganda, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>ପରବର୍ତ୍ତୀ: %1, %2 ରୁ %3 ପର୍ଯ୍ୟନ୍ତ</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun up all day</source>
        <extracomment>Said where the sun stays up, as at Longyearbyen in June: &quot;No periods today: sun up all day&quot;.</extracomment>
        <translation>ଆସନ୍ତାକାଲି କୌଣସି କାଳ ନାହିଁ: ଦିନସାରା ସୂର୍ଯ୍ୟ ଦିଗ୍‌ବଳୟ ଉପରେ</translation>
    </message>
    <message>
        <source>No periods today: sun up all day</source>
        <translation>ଆଜି କୌଣସି କାଳ ନାହିଁ: ଦିନସାରା ସୂର୍ଯ୍ୟ ଦିଗ୍‌ବଳୟ ଉପରେ</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun down all day</source>
        <extracomment>Said where the sun stays down, as at Longyearbyen in December: &quot;No periods tomorrow: sun down all day&quot;.</extracomment>
        <translation>ଆସନ୍ତାକାଲି କୌଣସି କାଳ ନାହିଁ: ଦିନସାରା ସୂର୍ଯ୍ୟ ଦିଗ୍‌ବଳୟ ତଳେ</translation>
    </message>
    <message>
        <source>No periods today: sun down all day</source>
        <translation>ଆଜି କୌଣସି କାଳ ନାହିଁ: ଦିନସାରା ସୂର୍ଯ୍ୟ ଦିଗ୍‌ବଳୟ ତଳେ</translation>
    </message>
    <message>
        <source>No periods tomorrow: the clocks here skip that day</source>
        <extracomment>Samoa&apos;s clocks skipped 30 December 2011: the day after 29 December was 31 December.</extracomment>
        <translation>ଆସନ୍ତାକାଲି କୌଣସି କାଳ ନାହିଁ: ଏଠାର ଘଡ଼ିଗୁଡ଼ିକ ସେହି ଦିନକୁ ଡେଇଁଯାଆନ୍ତି</translation>
    </message>
    <message>
        <source>No periods: the place&apos;s time zone is not known</source>
        <extracomment>Said where the place&apos;s clock time is not known, so its periods cannot be given.</extracomment>
        <translation>କୌଣସି କାଳ ନାହିଁ: ଏହି ସ୍ଥାନର ସମୟ କ୍ଷେତ୍ର ଜଣା ନାହିଁ</translation>
    </message>
    <message>
        <source>%1 starts now (%2)</source>
        <extracomment>A reminder as the period starts, with the place&apos;s name: &quot;Rahu Kaal starts now (Pune)&quot;.</extracomment>
        <translation>%1 ଏବେ ଆରମ୍ଭ (%2)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute (%3)</source>
        <extracomment>A reminder a minute before: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute (Pune)&quot;.</extracomment>
        <translation>%1 %2 ରେ ଆରମ୍ଭ, 1 ମିନିଟରେ (%3)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes (%4)</source>
        <extracomment>A reminder some minutes before: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes (Pune)&quot;.</extracomment>
        <translation>%1 %2 ରେ ଆରମ୍ଭ, %3 ମିନିଟରେ (%4)</translation>
    </message>
    <message>
        <source>%1 starts now</source>
        <extracomment>A reminder as the period starts, at a place without a name: &quot;Rahu Kaal starts now&quot;.</extracomment>
        <translation>%1 ଏବେ ଆରମ୍ଭ</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute</source>
        <extracomment>A reminder a minute before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute&quot;.</extracomment>
        <translation>%1 %2 ରେ ଆରମ୍ଭ, 1 ମିନିଟରେ</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes</source>
        <extracomment>A reminder some minutes before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes&quot;.</extracomment>
        <translation>%1 %2 ରେ ଆରମ୍ଭ, %3 ମିନିଟରେ</translation>
    </message>
</context>
<context>
    <name>PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>ସ୍ଥାନ</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>ପୂର୍ବାବସ୍ଥାକୁ ଫେରାନ୍ତୁ (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ପୁନଃ କରନ୍ତୁ (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>କାଟନ୍ତୁ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>କପି କରନ୍ତୁ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ପେଷ୍ଟ କରନ୍ତୁ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ବିଲୋପ କରନ୍ତୁ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ସବୁ ଚୟନ କରନ୍ତୁ</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ଠିକ ଅଛି</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ବାତିଲ କରନ୍ତୁ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ବନ୍ଦ କରନ୍ତୁ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ସଂରକ୍ଷଣ କରନ୍ତୁ</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ହଁ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ନାହିଁ (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>କପି କରନ୍ତୁ (&amp;C)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ସବୁ ଚୟନ କରନ୍ତୁ</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>The Rahu Kaal period: its start, then its end, as date and time.</extracomment>
        <translation>%1ରୁ %2 ପର୍ଯ୍ୟନ୍ତ</translation>
    </message>
    <message>
        <source>Rahukal Period (day)</source>
        <translation>ରାହୁକାଳ (ଦିନ)</translation>
    </message>
    <message>
        <source>Rahukal Period (night before)</source>
        <translation>ରାହୁକାଳ (ପୂର୍ବ ରାତି)</translation>
    </message>
    <message>
        <source>Rahukal Period (night after)</source>
        <translation>ରାହୁକାଳ (ପରବର୍ତ୍ତୀ ରାତି)</translation>
    </message>
    <message>
        <source>The Chosen Time Period is in Rahu Kaal</source>
        <translation>ଚୟନିତ ସମୟ ରାହୁକାଳରେ ପଡ଼ୁଛି</translation>
    </message>
    <message>
        <source>The Chosen Time Period is not in Rahu Kaal</source>
        <translation>ଚୟନିତ ସମୟ ରାହୁକାଳରେ ପଡ଼ୁନାହିଁ</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 ସଂରକ୍ଷଣ କରାଯାଇପାରିଲା ନାହିଁ: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>କୌଣସି ଫାଇଲ ନାମ ଦିଆଯାଇନାହିଁ</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>ଏହା ଏକ ଫୋଲ୍ଡର</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>ଫୋଲ୍ଡରଟି ନାହିଁ</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe)</source>
        <translation>ଏହା ଏକ FIFO (ନାମିତ ପାଇପ)</translation>
    </message>
    <message>
        <source>it is a character device</source>
        <translation>ଏହା ଏକ କ୍ୟାରେକ୍ଟର ଡିଭାଇସ</translation>
    </message>
    <message>
        <source>it is a block device</source>
        <translation>ଏହା ଏକ ବ୍ଲକ ଡିଭାଇସ</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>ଏହା ଏକ ସକେଟ</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ଏହା ସାଧାରଣ ଫାଇଲ ନୁହେଁ</translation>
    </message>
    <message>
        <source>it is another user&apos;s link to a file that is not theirs</source>
        <translation>ଏହା ଅନ୍ୟ ଜଣେ ଉପଯୋଗକର୍ତ୍ତାଙ୍କ ଲିଙ୍କ, ଯାହା ତାଙ୍କର ନୁହେଁ ଏପରି ଫାଇଲକୁ ନେଇଯାଏ</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation>ଆପ୍ଲିକେସନଟି ପୂର୍ବରୁ ଚାଲୁଛି</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>ଆଲାସ୍କା/ହାୱାଇ ଦିବାଲୋକ ସମୟ,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>ଆଲାସ୍କା/ହାୱାଇ ମାନକ ସମୟ,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>ଆଲାସ୍କା/ହାୱାଇ ଯୁଦ୍ଧକାଳୀନ ସମୟ,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>ଆଟଲାଣ୍ଟିକ ମାନକ ସମୟ,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>ଆଟଲାଣ୍ଟିକ ଯୁଦ୍ଧକାଳୀନ ସମୟ,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ଅଷ୍ଟ୍ରେଲୀୟ କେନ୍ଦ୍ରୀୟ ଦିବାଲୋକ ସମୟ,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ଅଷ୍ଟ୍ରେଲୀୟ କେନ୍ଦ୍ରୀୟ ମାନକ ସମୟ,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ଅଷ୍ଟ୍ରେଲୀୟ ପୂର୍ବାଞ୍ଚଳ ଦିବାଲୋକ ସମୟ,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ଅଷ୍ଟ୍ରେଲୀୟ ପୂର୍ବାଞ୍ଚଳ ମାନକ ସମୟ,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ଅଷ୍ଟ୍ରେଲୀୟ ପଶ୍ଚିମାଞ୍ଚଳ ଦିବାଲୋକ ସମୟ,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ଅଷ୍ଟ୍ରେଲୀୟ ପଶ୍ଚିମାଞ୍ଚଳ ମାନକ ସମୟ,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>ଆଜୋରସ ସମୟ, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>ବାଗଦାଦ ସମୟ, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>ବେରିଂ ମାନକ ସମୟ,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ବ୍ରାଜିଲ କ୍ଷେତ୍ର 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ବ୍ରିଟିଶ ଦ୍ୱିଗୁଣ ଗ୍ରୀଷ୍ମକାଳୀନ ସମୟ,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ବ୍ରିଟିଶ ଗ୍ରୀଷ୍ମକାଳୀନ ସମୟ,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ବ୍ରିଟିଶ ଯୁଦ୍ଧକାଳୀନ ସମୟ,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>କେନ୍ଦ୍ରୀୟ ଦିବାଲୋକ ସମୟ,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>ମଧ୍ୟ ୟୁରୋପୀୟ ଦିବାଲୋକ ସମୟ,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>ମଧ୍ୟ ୟୁରୋପୀୟ ସମୟ,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>କେନ୍ଦ୍ରୀୟ ମାନକ ସମୟ,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>କେନ୍ଦ୍ରୀୟ ଯୁଦ୍ଧକାଳୀନ ସମୟ,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>ଚୀନ ଉପକୂଳ ସମୟ,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>ପୂର୍ବାଞ୍ଚଳ ଦିବାଲୋକ ସମୟ,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>ପୂର୍ବ ୟୁରୋପୀୟ ଦିବାଲୋକ ସମୟ,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>ପୂର୍ବ ୟୁରୋପୀୟ ସମୟ,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>ପୂର୍ବାଞ୍ଚଳ ମାନକ ସମୟ,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>ପୂର୍ବାଞ୍ଚଳ ଯୁଦ୍ଧକାଳୀନ ସମୟ,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ଗ୍ରୀନୱିଚ ମଧ୍ୟମାନ ସମୟ,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>ଗୁଆମ ମାନକ ସମୟ,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>ହାୱାଇ ଦିବାଲୋକ ସମୟ,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>ହାୱାଇ ମାନକ ସମୟ,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>ହାୱାଇ ଯୁଦ୍ଧକାଳୀନ ସମୟ,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>ଭାରତୀୟ ସମୟ, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>ଆନ୍ତର୍ଜାତିକ ତାରିଖ ରେଖା ପୂର୍ବ,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>ଆନ୍ତର୍ଜାତିକ ତାରିଖ ରେଖା ପଶ୍ଚିମ,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ଇରାନ ସମୟ, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>ଜାପାନ ମାନକ ସମୟ,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>ଜାଭା ସମୟ, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>ମଧ୍ୟ ୟୁରୋପୀୟ ଦିବାଲୋକ ସମୟ,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>ମଧ୍ୟ ୟୁରୋପୀୟ ସମୟ,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>ମୋଲୁକାସ ସମୟ, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>ପାର୍ବତ୍ୟ ଦିବାଲୋକ ସମୟ,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>ପାର୍ବତ୍ୟ ମାନକ ସମୟ,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>ପାର୍ବତ୍ୟ ଯୁଦ୍ଧକାଳୀନ ସମୟ,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>ନ୍ୟୁଜିଲ୍ୟାଣ୍ଡ ମାନକ ଗ୍ରୀଷ୍ମକାଳୀନ ସମୟ,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>ନ୍ୟୁଜିଲ୍ୟାଣ୍ଡ ମାନକ ସମୟ,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>ନ୍ୟୁଜିଲ୍ୟାଣ୍ଡ ଗ୍ରୀଷ୍ମକାଳୀନ ସମୟ,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>ନ୍ୟୁଜିଲ୍ୟାଣ୍ଡ ସମୟ,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>ନ୍ୟୁଫାଉଣ୍ଡଲ୍ୟାଣ୍ଡ ମାନକ ସମୟ,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>ନୋମ ସମୟ, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>ଉତ୍ତର ସୁମାତ୍ରା ସମୟ,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>ପ୍ରଶାନ୍ତ ମହାସାଗରୀୟ ଦିବାଲୋକ ସମୟ,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>ପ୍ରଶାନ୍ତ ମହାସାଗରୀୟ ମାନକ ସମୟ,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>ପ୍ରଶାନ୍ତ ମହାସାଗରୀୟ ଯୁଦ୍ଧକାଳୀନ ସମୟ,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>ଦକ୍ଷିଣ ଅଷ୍ଟ୍ରେଲିଆ ଦିବାଲୋକ ସମୟ,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>ଦକ୍ଷିଣ ଅଷ୍ଟ୍ରେଲିଆ ଦିବାଲୋକ ସମୟ,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>ଦକ୍ଷିଣ ଅଷ୍ଟ୍ରେଲିଆ ମାନକ ସମୟ,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>ଦକ୍ଷିଣ ଅଷ୍ଟ୍ରେଲିଆ ମାନକ ସମୟ,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>ଦକ୍ଷିଣ ସୁମାତ୍ରା ସମୟ,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>ସାର୍ବଜନୀନ ସମୟ, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>ସୋଭିଏତ ସଂଘ କ୍ଷେତ୍ର 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>ସୋଭିଏତ ସଂଘ କ୍ଷେତ୍ର 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>ସୋଭିଏତ ସଂଘ କ୍ଷେତ୍ର 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>ସୋଭିଏତ ସଂଘ କ୍ଷେତ୍ର 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>ସୋଭିଏତ ସଂଘ କ୍ଷେତ୍ର 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>ପଶ୍ଚିମ ଆଫ୍ରିକା ସମୟ,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>ୟୁକନ ଦିବାଲୋକ ସମୟ,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>ୟୁକନ ମାନକ ସମୟ,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>ୟୁକନ ଯୁଦ୍ଧକାଳୀନ ସମୟ,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>ZoneRules</name>
    <message>
        <source>%1: not in this system&apos;s time-zone data</source>
        <translation>%1: ଏହି ସିଷ୍ଟମର ସମୟ କ୍ଷେତ୍ର ତଥ୍ୟରେ ନାହିଁ</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2ଠାରୁ %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1ରେ</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>The zone&apos;s standard offset, given for a date that does not exist.</extracomment>
        <translation>ମାନକ</translation>
    </message>
    <message>
        <source>%1: %2 %3 (in %4: %5)</source>
        <extracomment>&quot;America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 November)&quot;</extracomment>
        <translation>%1: %3 %2 (%4ରେ: %5)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. It is preferable to do all important and good tasks in the time before or after the Rahu Kaal. Copyright © the Horavela authors. All rights reserved.</source>
        <translation>Horavela ରାହୁକାଳ ଗଣନା କରେ। ରାହୁକାଳ ଦିନର ଏକ ଅଶୁଭ ଅବଧି, ଯେତେବେଳେ ଶୁଭ କାମ କରାଯାଏ ନାହିଁ। ସମସ୍ତ ଗୁରୁତ୍ୱପୂର୍ଣ୍ଣ ଓ ଶୁଭ କାର୍ଯ୍ୟ ରାହୁକାଳର ପୂର୍ବରୁ କିମ୍ବା ପରେ କରିବା ଭଲ। କପିରାଇଟ © Horavela ଲେଖକଗଣ। ସର୍ବସ୍ୱତ୍ୱ ସଂରକ୍ଷିତ।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>ଘରୁ ବ୍ୟବସାୟର ସୁଯୋଗ। ଆପଣଙ୍କର ଇଣ୍ଟରନେଟ ବ୍ୟବସାୟ ଆରମ୍ଭ କରନ୍ତୁ ଏବଂ ଅନଲାଇନରେ ଆୟ କରନ୍ତୁ। ଏହି ସଫ୍ଟୱେୟାରକୁ ସମ୍ପୂର୍ଣ୍ଣ ଭାବେ ଆପଣଙ୍କ ୱେବସାଇଟର ବ୍ରାଣ୍ଡରେ ନିଅନ୍ତୁ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>ବେଶୀ ସୂଚନା ଦେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ଠିକ ଅଛି (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>ରାହୁକାଳ ଓ ଅଧିକ ବିଷୟରେ ଆଲୋଚନା ପାଇଁ ଆମ ସାଇଟକୁ ଆସନ୍ତୁ</translation>
    </message>
    <message>
        <source>Horavela Result</source>
        <translation>Horavela ଫଳାଫଳ</translation>
    </message>
    <message>
        <source>Chosen Date</source>
        <translation>ଚୟନିତ ତାରିଖ</translation>
    </message>
    <message>
        <source>Chosen Time</source>
        <translation>ଚୟନିତ ସମୟ</translation>
    </message>
    <message>
        <source>The Chosen Time Period is Not in Rahu Kaal</source>
        <translation>ଚୟନିତ ସମୟ ରାହୁକାଳରେ ପଡ଼ୁନାହିଁ</translation>
    </message>
    <message>
        <source>Rahukal Period</source>
        <translation>ରାହୁକାଳ ଅବଧି</translation>
    </message>
    <message>
        <source>Rahu Kal is an inauspicious time period in a day when favorable tasks are not performed.</source>
        <translation>ରାହୁକାଳ ଦିନର ଏକ ଅଶୁଭ ଅବଧି, ଯେତେବେଳେ ଶୁଭ କାର୍ଯ୍ୟ କରାଯାଏ ନାହିଁ।</translation>
    </message>
    <message>
        <source>*Do all important and good tasks in the time before or after the Rahu Kal.</source>
        <translation>*ସମସ୍ତ ଗୁରୁତ୍ୱପୂର୍ଣ୍ଣ ଓ ଶୁଭ କାର୍ଯ୍ୟ ରାହୁକାଳର ପୂର୍ବରୁ କିମ୍ବା ପରେ କରନ୍ତୁ।</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ପ୍ରସ୍ଥାନ (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>ପଛକୁ ଫେରନ୍ତୁ (&amp;B)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ଆପଣଙ୍କ ସାଇଟ ପାଇଁ ଏହି ସଫ୍ଟୱେୟାରକୁ କୋ-ବ୍ରାଣ୍ଡ କରନ୍ତୁ। ଆପଣଙ୍କ ସାଇଟ ପ୍ରତି ବିଶ୍ୱାସ ଓ ଭିଜିଟର ବଢ଼ାନ୍ତୁ। ଆପଣଙ୍କ ସାଇଟର ନାମ ଓ ଲିଙ୍କ ଏଠାରେ ଦିଅନ୍ତୁ। ବିସ୍ତୃତ ବିବରଣୀ ପାଇଁ &quot;ସାହାଯ୍ୟ&quot; ଦେଖନ୍ତୁ।    କୋ-ବ୍ରାଣ୍ଡିଂ ବିଷୟରେ ଅଧିକ ଜାଣିବାକୁ ଏଠାରେ କ୍ଲିକ କରନ୍ତୁ।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ଘରୁ ବ୍ୟବସାୟର ସୁଯୋଗ। ନିଜର ଇଣ୍ଟରନେଟ ବ୍ୟବସାୟ ଆରମ୍ଭ କରନ୍ତୁ ଏବଂ ଅନଲାଇନରେ ଆୟ କରନ୍ତୁ। ଏହି ସଫ୍ଟୱେୟାରକୁ ସମ୍ପୂର୍ଣ୍ଣ ଭାବେ ଆପଣଙ୍କ ୱେବସାଇଟର ବ୍ରାଣ୍ଡରେ ନିଅନ୍ତୁ। ଅଧିକ ବିବରଣୀ ପାଇଁ ଏଠାରେ କ୍ଲିକ କରନ୍ତୁ।</translation>
    </message>
    <message>
        <source>Sun Rise Time On</source>
        <translation>ସୂର୍ଯ୍ୟୋଦୟ ସମୟ</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>ସୂର୍ଯ୍ୟାସ୍ତ ସମୟ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ଫାଇଲ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ସାହାଯ୍ୟ (&amp;H)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>ମାସର ରାହୁକାଳ (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ପ୍ରସ୍ଥାନ (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ଅନଲାଇନ ସାହାଯ୍ୟ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ଆମ ୱେବସାଇଟ ଦେଖନ୍ତୁ (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>ସଫ୍ଟୱେୟାର ଅପଡେଟ ଖୋଜନ୍ତୁ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>ସଫ୍ଟୱେୟାର ବିଷୟରେ (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>ଦାନ କରନ୍ତୁ (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ଅନଲାଇନରେ ଆୟ କରନ୍ତୁ (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmLanguage</name>
    <message>
        <source>&amp;Language of Horavela:</source>
        <translation>Horavelaର ଭାଷା (&amp;L):</translation>
    </message>
    <message>
        <source>Language of Horavela</source>
        <translation>Horavelaର ଭାଷା</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ଠିକ ଅଛି (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ବାତିଲ କରନ୍ତୁ (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>ରାହୁକାଳ ଓ ଅଧିକ ବିଷୟରେ ଆଲୋଚନା ପାଇଁ ଆମ ସାଇଟକୁ ଆସନ୍ତୁ</translation>
    </message>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. Do all important and good tasks in the time before or after the Rahu Kaal.</source>
        <translation>Horavela ରାହୁକାଳ ଗଣନା କରେ। ରାହୁକାଳ ଦିନର ଏକ ଅଶୁଭ ଅବଧି, ଯେତେବେଳେ ଶୁଭ କାର୍ଯ୍ୟ କରାଯାଏ ନାହିଁ। ସମସ୍ତ ଗୁରୁତ୍ୱପୂର୍ଣ୍ଣ ଓ ଶୁଭ କାର୍ଯ୍ୟ ରାହୁକାଳର ପୂର୍ବରୁ କିମ୍ବା ପରେ କରନ୍ତୁ।</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>ଆପଣଙ୍କ ନାମ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>Enter Date</source>
        <translation>ତାରିଖ ଦିଅନ୍ତୁ</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ମାସ</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>ଦିନ</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>ବର୍ଷ</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>ସମୟ ଦିଅନ୍ତୁ</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ଘଣ୍ଟା</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>ମିନିଟ</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>ସେକେଣ୍ଡ</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>ଆପଣଙ୍କ ସମୟ କ୍ଷେତ୍ର ଦିଅନ୍ତୁ</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>ମିନିଟ</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>ସାହାଯ୍ୟ</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>ଅକ୍ଷାଂଶ ଦିଅନ୍ତୁ</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>ଡିଗ୍ରୀ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ଉତ୍ତର</translation>
    </message>
    <message>
        <source>South</source>
        <translation>ଦକ୍ଷିଣ</translation>
    </message>
    <message>
        <source>Enter Longitude</source>
        <translation>ଦ୍ରାଘିମା ଦିଅନ୍ତୁ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>ପୂର୍ବ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>ପଶ୍ଚିମ</translation>
    </message>
    <message>
        <source>Enter Your City Name</source>
        <translation>ଆପଣଙ୍କ ସହରର ନାମ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>ଆପଣଙ୍କ ରାଜ୍ୟର ନାମ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>ଆପଣଙ୍କ ଦେଶର ନାମ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>ଅକ୍ଷାଂଶ &amp;&amp; ଦ୍ରାଘିମା ଜାଣିବାକୁ ଏଠାରେ କ୍ଲିକ କରନ୍ତୁ</translation>
    </message>
    <message>
        <source>Is the Chosen Period in Rahul Kaal?</source>
        <translation>ଚୟନିତ ସମୟ କ&apos;ଣ ରାହୁକାଳରେ ପଡ଼ୁଛି?</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ଆପଣଙ୍କ ସାଇଟ ପାଇଁ ଏହି ସଫ୍ଟୱେୟାରକୁ କୋ-ବ୍ରାଣ୍ଡ କରନ୍ତୁ। ଆପଣଙ୍କ ସାଇଟ ପ୍ରତି ବିଶ୍ୱାସ ଓ ଭିଜିଟର ବଢ଼ାନ୍ତୁ। ଆପଣଙ୍କ ସାଇଟର ନାମ ଓ ଲିଙ୍କ ଏଠାରେ ଦିଅନ୍ତୁ। ବିସ୍ତୃତ ବିବରଣୀ ପାଇଁ &quot;ସାହାଯ୍ୟ&quot; ଦେଖନ୍ତୁ।    କୋ-ବ୍ରାଣ୍ଡିଂ ବିଷୟରେ ଅଧିକ ଜାଣିବାକୁ ଏଠାରେ କ୍ଲିକ କରନ୍ତୁ।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ଘରୁ ବ୍ୟବସାୟର ସୁଯୋଗ। ନିଜର ଇଣ୍ଟରନେଟ ବ୍ୟବସାୟ ଆରମ୍ଭ କରନ୍ତୁ ଏବଂ ଅନଲାଇନରେ ଆୟ କରନ୍ତୁ। ଏହି ସଫ୍ଟୱେୟାରକୁ ସମ୍ପୂର୍ଣ୍ଣ ଭାବେ ଆପଣଙ୍କ ୱେବସାଇଟର ବ୍ରାଣ୍ଡରେ ନିଅନ୍ତୁ। ଅଧିକ ବିବରଣୀ ପାଇଁ ଏଠାରେ କ୍ଲିକ କରନ୍ତୁ।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ଫାଇଲ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ସାହାଯ୍ୟ (&amp;H)</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>ବର୍ତ୍ତମାନ ସମୟ ବସାନ୍ତୁ (&amp;N)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>ମାସର ରାହୁକାଳ (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ପ୍ରସ୍ଥାନ (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ଅନଲାଇନ ସାହାଯ୍ୟ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ଆମ ୱେବସାଇଟ ଦେଖନ୍ତୁ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ସଫ୍ଟୱେୟାର ଅପଡେଟ ଖୋଜନ୍ତୁ (&amp;U)</translation>
    </message>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>ଆପର ଭାଷା ବଦଳାନ୍ତୁ (&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>ସଫ୍ଟୱେୟାର ବିଷୟରେ (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>ଦାନ କରନ୍ତୁ (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ଅନଲାଇନରେ ଆୟ କରନ୍ତୁ (&amp;O)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>ଘର ସ୍ଥାନ ଭାବେ ସଞ୍ଚୟ କରନ୍ତୁ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Forget Home Place</source>
        <translation>ଘର ସ୍ଥାନ ଭୁଲିଯାଆନ୍ତୁ (&amp;F)</translation>
    </message>
    <message>
        <source>Show in the System &amp;Tray</source>
        <translation>ସିଷ୍ଟମ ଟ୍ରେରେ ଦେଖାନ୍ତୁ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>ସ୍ମାରକ (&amp;R)...</translation>
    </message>
    <message>
        <source>Start with the &amp;Desktop</source>
        <translation>ଡେସ୍କଟପ ସହିତ ଆରମ୍ଭ କରନ୍ତୁ (&amp;D)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>&lt;&lt; Pre&amp;vious Month</source>
        <translation>&lt;&lt; ପୂର୍ବ ମାସ (&amp;V)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>ପୂର୍ବ ମାସ</translation>
    </message>
    <message>
        <source>&amp;Next Month &gt;&gt;</source>
        <translation>ପରବର୍ତ୍ତୀ ମାସ (&amp;N) &gt;&gt;</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>ପରବର୍ତ୍ତୀ ମାସ</translation>
    </message>
    <message>
        <source>Rahu Kaal, Yamaganda and Gulika Kaal of Each Day</source>
        <translation>ପ୍ରତିଦିନର ରାହୁକାଳ, ଯମଗଣ୍ଡ ଓ ଗୁଳିକ କାଳ</translation>
    </message>
    <message>
        <source>Save to &amp;Calendar...</source>
        <translation>କ୍ୟାଲେଣ୍ଡରରେ ସଂରକ୍ଷଣ (&amp;C)...</translation>
    </message>
    <message>
        <source>Save to Calendar</source>
        <translation>କ୍ୟାଲେଣ୍ଡରରେ ସଂରକ୍ଷଣ</translation>
    </message>
    <message>
        <source>Saves the periods as events of a calendar file (.ics)</source>
        <translation>ଅବଧିଗୁଡ଼ିକୁ ଏକ କ୍ୟାଲେଣ୍ଡର ଫାଇଲରେ (.ics) ଇଭେଣ୍ଟ ଭାବେ ସଂରକ୍ଷଣ କରେ</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>CSV ଭାବେ ସଂରକ୍ଷଣ (&amp;S)...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV ଭାବେ ସଂରକ୍ଷଣ</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file for a spreadsheet</source>
        <translation>ସାରଣୀକୁ ସ୍ପ୍ରେଡସିଟ ପାଇଁ ଏକ CSV ଫାଇଲ ଭାବେ ସଂରକ୍ଷଣ କରେ</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>ମୁଦ୍ରଣ (&amp;P)...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ମୁଦ୍ରଣ</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF ଭାବେ ସଂରକ୍ଷଣ (&amp;D)...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF ଭାବେ ସଂରକ୍ଷଣ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ବନ୍ଦ କରନ୍ତୁ</translation>
    </message>
</context>
<context>
    <name>frmPlaceSearch</name>
    <message>
        <source>Places found. Choose the one you mean and press Use This Place: its latitude, longitude and time zone go into the main window. The time zone is the one in force at the date and time chosen there, in hours and minutes behind universal time.</source>
        <translation>ମିଳିଥିବା ସ୍ଥାନ। ଆପଣ ଯାହା ଚାହୁଁଛନ୍ତି ତାହା ବାଛି &quot;ଏହି ସ୍ଥାନ ବ୍ୟବହାର କରନ୍ତୁ&quot; ଦବାନ୍ତୁ: ଏହାର ଅକ୍ଷାଂଶ, ଦ୍ରାଘିମା ଓ ସମୟ କ୍ଷେତ୍ର ମୁଖ୍ୟ ୱିଣ୍ଡୋକୁ ଯିବ। ସମୟ କ୍ଷେତ୍ରଟି ସେଠାରେ ବଛାଯାଇଥିବା ତାରିଖ ଓ ସମୟରେ ଲାଗୁ ଥିବା କ୍ଷେତ୍ର, ସାର୍ବଜନୀନ ସମୟଠାରୁ କେତେ ଘଣ୍ଟା ଓ ମିନିଟ ପଛରେ, ସେହି ଭାବେ ଲେଖାଯାଇଛି।</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>ମିଳିଥିବା ସ୍ଥାନ</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ସ୍ଥାନ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>ଅକ୍ଷାଂଶ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>ଦ୍ରାଘିମା</translation>
    </message>
    <message>
        <source>Time zone (hours, minutes)</source>
        <translation>ସମୟ କ୍ଷେତ୍ର (ଘଣ୍ଟା, ମିନିଟ)</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>GeoNames (geonames.org)ରୁ ସ୍ଥାନ ତଥ୍ୟ, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Use This Place</source>
        <translation>ଏହି ସ୍ଥାନ ବ୍ୟବହାର କରନ୍ତୁ (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>ୱେବରେ ଖୋଜନ୍ତୁ (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>ବନ୍ଦ କରନ୍ତୁ (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>ସ୍ମାରକ</translation>
    </message>
    <message>
        <source>minutes before</source>
        <translation>ମିନିଟ ପୂର୍ବରୁ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ଠିକ ଅଛି (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ବାତିଲ କରନ୍ତୁ (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>ସମୟ କ୍ଷେତ୍ର</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>ବନ୍ଦ କରନ୍ତୁ (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>horavela::SaveMonthDialog</name>
    <message>
        <source>Periods in the Calendar</source>
        <translation>କ୍ୟାଲେଣ୍ଡରରେ ଅବଧିଗୁଡ଼ିକ</translation>
    </message>
    <message>
        <source>&amp;Rahu Kaal</source>
        <translation>ରାହୁକାଳ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Yamaganda</source>
        <translation>ଯମଗଣ୍ଡ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Gulika Kaal</source>
        <translation>ଗୁଳିକ କାଳ (&amp;G)</translation>
    </message>
    <message>
        <source>R&amp;emind Me</source>
        <translation>ମନେ ପକାଇ ଦିଅନ୍ତୁ (&amp;E)</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> ମିନିଟ ପୂର୍ବରୁ</translation>
    </message>
    <message>
        <source>Minutes before each period</source>
        <translation>ପ୍ରତ୍ୟେକ ଅବଧିର କେତେ ମିନିଟ ପୂର୍ବରୁ</translation>
    </message>
    <message>
        <source>&amp;Months from the shown one:</source>
        <translation>ଦେଖାଯାଉଥିବା ମାସଠାରୁ କେତେ ମାସ (&amp;M):</translation>
    </message>
</context>
<context>
    <name>horavela::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 ଦେଖନ୍ତୁ</translation>
    </message>
</context>
<context>
    <name>horavela::frmLanguage</name>
    <message>
        <source>System language</source>
        <translation>ସିଷ୍ଟମ ଭାଷା</translation>
    </message>
</context>
<context>
    <name>horavela::frmMain</name>
    <message>
        <source>Please Enter a Number in the Hour and Minute of the Time Zone</source>
        <translation>ଦୟାକରି ସମୟ କ୍ଷେତ୍ରର ଘଣ୍ଟା ଓ ମିନିଟରେ ଏକ ସଂଖ୍ୟା ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>The sun does not rise or does not set at this place on %1, so Rahu Kaal cannot be calculated.</source>
        <translation>%1ରେ ଏହି ସ୍ଥାନରେ ସୂର୍ଯ୍ୟ ଉଦୟ ହୁଅନ୍ତି ନାହିଁ କିମ୍ବା ଅସ୍ତ ହୁଅନ୍ତି ନାହିଁ, ତେଣୁ ରାହୁକାଳ ଗଣନା କରାଯାଇପାରିବ ନାହିଁ।</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>ଦୟାକରି ନାମ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>ଦୟାକରି ଦ୍ରାଘିମାର ଡିଗ୍ରୀରେ 0ରୁ 179 ମଧ୍ୟରେ ଏକ ମୂଲ୍ୟ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>ଦୟାକରି ଦ୍ରାଘିମାର ମିନିଟରେ 0ରୁ 59 ମଧ୍ୟରେ ଏକ ମୂଲ୍ୟ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>ଦୟାକରି ଅକ୍ଷାଂଶର ଡିଗ୍ରୀରେ 0ରୁ 89 ମଧ୍ୟରେ ଏକ ମୂଲ୍ୟ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>ଦୟାକରି ଅକ୍ଷାଂଶର ମିନିଟରେ 0ରୁ 59 ମଧ୍ୟରେ ଏକ ମୂଲ୍ୟ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>ଦୟାକରି ଠିକ୍ ତାରିଖ ଦିଅନ୍ତୁ</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>କେବଳ ସଂଖ୍ୟା ଗ୍ରହଣୀୟ</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>ଦୟାକରି କେବଳ ଅକ୍ଷର ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>ଦୟାକରି ସହରର ନାମ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>ଦୟାକରି ରାଜ୍ୟର ନାମ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>ଦୟାକରି ଦେଶର ନାମ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <source>This year, %1, is not in the Year list (%2 to %3), so the date and time are left as they were.</source>
        <translation>ଏହି ବର୍ଷ, %1, ବର୍ଷ ତାଲିକାରେ (%2ରୁ %3) ନାହିଁ, ତେଣୁ ତାରିଖ ଓ ସମୟ ପୂର୍ବପରି ରଖାଗଲା।</translation>
    </message>
    <message>
        <source>The settings could not be read, so the program starts without the home place.</source>
        <translation>ସେଟିଂସ ପଢ଼ାଯାଇପାରିଲା ନାହିଁ, ତେଣୁ ପ୍ରୋଗ୍ରାମ ଘର ସ୍ଥାନ ବିନା ଆରମ୍ଭ ହେଉଛି।</translation>
    </message>
    <message>
        <source>The home place kept in the settings is not a valid place, so the program starts without it.</source>
        <translation>ସେଟିଂସରେ ରଖାଯାଇଥିବା ଘର ସ୍ଥାନ ଏକ ସଠିକ ସ୍ଥାନ ନୁହେଁ, ତେଣୁ ପ୍ରୋଗ୍ରାମ ତାହା ବିନା ଆରମ୍ଭ ହେଉଛି।</translation>
    </message>
    <message>
        <source>The settings could not be written, so the home place is as it was.</source>
        <translation>ସେଟିଂସ ଲେଖାଯାଇପାରିଲା ନାହିଁ, ତେଣୁ ଘର ସ୍ଥାନ ପୂର୍ବ ପରି ଅଛି।</translation>
    </message>
    <message>
        <source>This desktop has no system tray, so Horavela cannot show its icon there. Reminders still come while Horavela is open.</source>
        <translation>ଏହି ଡେସ୍କଟପରେ ସିଷ୍ଟମ ଟ୍ରେ ନାହିଁ, ତେଣୁ Horavela ସେଠାରେ ନିଜର ଆଇକନ ଦେଖାଇପାରିବ ନାହିଁ। ତଥାପି, Horavela ଖୋଲା ଥିବା ପର୍ଯ୍ୟନ୍ତ ସ୍ମାରକ ଆସୁଥିବ।</translation>
    </message>
    <message>
        <source>The settings could not be written, so the tray icon is as it was.</source>
        <translation>ସେଟିଂସ ଲେଖାଯାଇପାରିଲା ନାହିଁ, ତେଣୁ ଟ୍ରେ ଆଇକନ ପୂର୍ବ ପରି ଅଛି।</translation>
    </message>
    <message>
        <source>The desktop&apos;s list of programs to start could not be changed.</source>
        <translation>ଡେସ୍କଟପ ସହିତ ଆରମ୍ଭ ହେଉଥିବା ପ୍ରୋଗ୍ରାମଗୁଡ଼ିକର ତାଲିକା ବଦଳାଯାଇପାରିଲା ନାହିଁ।</translation>
    </message>
</context>
<context>
    <name>horavela::frmMonth</name>
    <message>
        <source>Time Zone: %1</source>
        <translation>ସମୟ କ୍ଷେତ୍ର: %1</translation>
    </message>
    <message>
        <source>Rahu Kaal, %1</source>
        <translation>ରାହୁକାଳ, %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ଆଜି</translation>
    </message>
    <message>
        <source>Rahu Kaal %1-%2</source>
        <extracomment>A file&apos;s suggested name: &quot;Rahu Kaal 2025-03&quot;.</extracomment>
        <translation>ରାହୁକାଳ %1-%2</translation>
    </message>
    <message>
        <source>, %1 months</source>
        <extracomment>Follows a file&apos;s suggested name: &quot;Rahu Kaal 2025-03, 3 months&quot;.</extracomment>
        <translation>, %1 ମାସ</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>କ୍ୟାଲେଣ୍ଡର (*.ics)</translation>
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
        <translation>ମାସଟି ମୁଦ୍ରଣ କରାଯାଇପାରିଲା ନାହିଁ।</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>ମୁଦ୍ରଣ ଉପଲବ୍ଧ ନାହିଁ: %1।</translation>
    </message>
</context>
<context>
    <name>horavela::frmPlaceSearch</name>
    <message>
        <source>%1; latitude %2; longitude %3; time zone %4</source>
        <translation>%1; ଅକ୍ଷାଂଶ %2; ଦ୍ରାଘିମା %3; ସମୟ କ୍ଷେତ୍ର %4</translation>
    </message>
</context>
<context>
    <name>horavela::frmReminders</name>
    <message>
        <source>Minutes before %1</source>
        <extracomment>The spin box&apos;s name for a screen reader: &quot;Minutes before Rahu Kaal&quot;.</extracomment>
        <translation>%1 ଆରମ୍ଭର କେତେ ମିନିଟ ପୂର୍ବରୁ</translation>
    </message>
    <message>
        <source>The settings could not be written, so the reminders are as they were.</source>
        <translation>ସେଟିଂସ ଲେଖାଯାଇପାରିଲା ନାହିଁ, ତେଣୁ ସ୍ମାରକ ପୂର୍ବ ପରି ଅଛି।</translation>
    </message>
</context>
</TS>
