<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te_IN">
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &quot;%1&quot;; see horavela --help</source>
        <translation>ఊహించని ఆర్గ్యుమెంట్ &quot;%1&quot;; horavela --help చూడండి</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 రెండుసార్లు ఇవ్వబడింది</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 కు ఒక విలువ అవసరం</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone (missing --%1)</source>
        <translation>--place ఇవ్వండి, లేదా --lat, --lon, --zone ఇవ్వండి (--%1 లేదు)</translation>
    </message>
    <message>
        <source>--lat &quot;%1&quot; is not a latitude in decimal degrees</source>
        <translation>--lat &quot;%1&quot; దశాంశ డిగ్రీలలో అక్షాంశం కాదు</translation>
    </message>
    <message>
        <source>--lon &quot;%1&quot; is not a longitude in decimal degrees</source>
        <translation>--lon &quot;%1&quot; దశాంశ డిగ్రీలలో రేఖాంశం కాదు</translation>
    </message>
    <message>
        <source>--zone &quot;%1&quot; is neither a zone of this system&apos;s time-zone data nor hours:minutes such as -5:-30</source>
        <translation>--zone &quot;%1&quot; ఈ సిస్టమ్ సమయ మండలి డేటాలోని మండలీ కాదు, -5:-30 వంటి గంటలు:నిమిషాలూ కాదు</translation>
    </message>
    <message>
        <source>--place &quot;%1&quot; is not &quot;CITY, STATE, COUNTRY&quot;</source>
        <translation>--place &quot;%1&quot; &quot;CITY, STATE, COUNTRY&quot; రూపంలో లేదు</translation>
    </message>
    <message>
        <source>the places database cannot be read</source>
        <translation>ప్రదేశాల డేటాబేస్‌ను చదవలేము</translation>
    </message>
    <message>
        <source>no place called &quot;%1&quot; in the places database</source>
        <translation>ప్రదేశాల డేటాబేస్‌లో &quot;%1&quot; అనే ప్రదేశం లేదు</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>కనీసం %1</translation>
    </message>
    <message>
        <source>the zone of %1, %2, is not in this system&apos;s time-zone data</source>
        <translation>%1 యొక్క సమయ మండలి, %2, ఈ సిస్టమ్ సమయ మండలి డేటాలో లేదు</translation>
    </message>
    <message>
        <source>--language &quot;%1&quot; is not one of en, hi, bn, te, mr, ta, gu, kn, ml, pa and or</source>
        <translation>--language &quot;%1&quot; అనేది en, hi, bn, te, mr, ta, gu, kn, ml, pa, or లలో ఒకటి కాదు</translation>
    </message>
    <message>
        <source>--month YYYY-MM is needed; see horavela --help</source>
        <translation>--month YYYY-MM అవసరం; horavela --help చూడండి</translation>
    </message>
    <message>
        <source>--month &quot;%1&quot; is not a month such as 2025-03</source>
        <translation>--month &quot;%1&quot; 2025-03 వంటి నెల కాదు</translation>
    </message>
    <message>
        <source>--months &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>--months &quot;%1&quot; 1 నుండి 12 వరకు ఉన్న సంఖ్య కాదు</translation>
    </message>
    <message>
        <source>the months must lie from 1901-01 to 2050-12</source>
        <translation>నెలలు 1901-01 నుండి 2050-12 మధ్య ఉండాలి</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone, not both</source>
        <translation>--place ఇవ్వండి, లేదా --lat, --lon, --zone ఇవ్వండి, రెండూ కాదు</translation>
    </message>
    <message>
        <source>standard output cannot be written</source>
        <translation>ప్రామాణిక అవుట్‌పుట్‌కు రాయలేము</translation>
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
        <translation>వాడుక: horavela --month YYYY-MM (--place &quot;CITY[, STATE], COUNTRY&quot; |
                --lat=DEGREES --lon=DEGREES --zone=ZONE) [OPTIONS]

ఒక ప్రదేశంలో ఒక నెలలోని ప్రతి రోజు రాహుకాలం, యమగండం, గుళిక కాలాలను
నెల విండో భద్రపరిచే విధంగానే, ఏ విండోనూ తెరవకుండా రాస్తుంది.

  --month YYYY-MM    మొదటి నెల, 1901-01 నుండి 2050-12 వరకు
  --months N         ఎన్ని నెలలు, 1 నుండి 12 వరకు (అప్రమేయం 1)
  --place TEXT       ప్రదేశాల డేటాబేస్‌లోని ఒక ప్రదేశం: &quot;Pune, Maharashtra, India&quot;,
                     &quot;Pune, India&quot; లేదా &quot;Pune&quot;; దాని సమయ మండలి తేదీని బట్టి మారుతుంది
  --lat DEGREES      దశాంశ డిగ్రీలలో అక్షాంశం, ఉత్తరం ధనాత్మకం: 18.52
  --lon DEGREES      దశాంశ డిగ్రీలలో రేఖాంశం, తూర్పు ధనాత్మకం: -74.0 అంటే పడమర
                     (రెండూ దగ్గరి నిమిషానికి సవరించబడతాయి)
  --zone ZONE        సమయ మండలి పేరు, Asia/Kolkata, దాని వ్యత్యాసం తేదీని బట్టి మారుతుంది;
                     లేదా ప్రధాన విండో తీసుకునే విధంగా సార్వత్రిక సమయం కంటే వెనుక
                     ఉన్న గంటలు:నిమిషాలు, -5:-30 (గంట కంటే తక్కువ ముందు ఉంటే: -0:-19)
  --format FORMAT    text (అప్రమేయం), csv, ics (క్యాలెండర్) లేదా pdf (నెల విండో
                     పేజీలు, --out తో మాత్రమే)
  --periods LIST     క్యాలెండర్ ఈవెంట్‌లు: rahu, yamaganda, gulika లలో ఏవైనా,
                     కామాలతో వేరు చేసి (అప్రమేయం rahu); --format ics తో మాత్రమే
  --alarm MINUTES    క్యాలెండర్ రిమైండర్, ప్రతి వ్యవధికి 1 నుండి 1440 నిమిషాల ముందు,
                     లేదా none (అప్రమేయం 10); --format ics తో మాత్రమే
  --out FILE         FILE ను పూర్తిగా రాస్తుంది, లేదా అసలు రాయదు; లేకపోతే ప్రామాణిక అవుట్‌పుట్
  --language CODE    పాఠ్యం, క్యాలెండర్ యొక్క భాష: en, hi, bn, te, mr,
                     ta, gu, kn, ml, pa లేదా or (అప్రమేయం: విండోలో ఎంచుకున్నది,
                     లేకపోతే డెస్క్‌టాప్ భాష)
  -h, --help         ఈ సహాయాన్ని చూపుతుంది
  --version          ప్రోగ్రామ్ సంస్కరణను చూపుతుంది

ప్రతి ఐచ్ఛికం తన విలువను --name value లేదా --name=value గా తీసుకుంటుంది.
నిష్క్రమణ స్థితి: 0 పూర్తయింది, 2 తప్పు ఇన్‌పుట్, 1 ఫైలు లేదా ప్రదేశాల డేటాబేస్ విఫలమైంది.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>తెలియని ఐచ్ఛికం %1</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 ఏ విలువనూ తీసుకోదు</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; holds a line break or another control character</source>
        <translation>--%1 &quot;%2&quot; లో లైన్ బ్రేక్ లేదా మరో నియంత్రణ అక్షరం ఉంది</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; has a space before or after it</source>
        <translation>--%1 &quot;%2&quot; ముందు లేదా వెనుక ఖాళీ ఉంది</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches %2 places (%3); name the state and the country</source>
        <translation>&quot;%1&quot; కు %2 ప్రదేశాలు సరిపోలుతున్నాయి (%3); రాష్ట్రం, దేశం పేర్లు ఇవ్వండి</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; is not text, csv, ics or pdf</source>
        <translation>--format &quot;%1&quot; అనేది text, csv, ics లేదా pdf కాదు</translation>
    </message>
    <message>
        <source>--format pdf needs --out FILE: a PDF is not written to standard output</source>
        <translation>--format pdf కు --out FILE అవసరం: PDF ప్రామాణిక అవుట్‌పుట్‌కు రాయబడదు</translation>
    </message>
    <message>
        <source>--%1 chooses what the calendar holds: give it with --format ics</source>
        <translation>--%1 క్యాలెండర్‌లో ఏమి ఉండాలో ఎంచుకుంటుంది: దీన్ని --format ics తో ఇవ్వండి</translation>
    </message>
    <message>
        <source>--periods &quot;%1&quot; is not a comma-separated list of rahu, yamaganda and gulika, each at most once</source>
        <translation>--periods &quot;%1&quot; అనేది rahu, yamaganda, gulika ల కామాలతో వేరైన జాబితా కాదు, ప్రతిదీ గరిష్ఠంగా ఒకసారి</translation>
    </message>
    <message>
        <source>--alarm &quot;%1&quot; is neither none nor a number of minutes from 1 to 1440</source>
        <translation>--alarm &quot;%1&quot; none కాదు, 1 నుండి 1440 వరకు నిమిషాల సంఖ్యా కాదు</translation>
    </message>
    <message>
        <source>the PDF cannot be drawn</source>
        <translation>PDF ను గీయలేము</translation>
    </message>
</context>
<context>
    <name>DegreesMinutes</name>
    <message>
        <source>N</source>
        <extracomment>North, after a latitude&apos;s degrees and minutes: 18° 31′ N</extracomment>
        <translation>ఉ</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, after a latitude&apos;s degrees and minutes: 33° 52′ S</extracomment>
        <translation>ద</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, after a longitude&apos;s degrees and minutes: 73° 51′ E</extracomment>
        <translation>తూ</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, after a longitude&apos;s degrees and minutes: 74° 0′ W</extracomment>
        <translation>ప</translation>
    </message>
</context>
<context>
    <name>HomeTray</name>
    <message>
        <source>Open Horavela</source>
        <translation>Horavela ను తెరువు</translation>
    </message>
    <message>
        <source>Rahu Kaal of the Month...</source>
        <translation>నెల రాహుకాలం...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>రిమైండర్‌లు...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>నిష్క్రమించు</translation>
    </message>
    <message>
        <source>Horavela goes on running in the system tray, and its reminders still come. To end it, choose &quot;Quit&quot; in the menu of its icon there.</source>
        <translation>Horavela సిస్టమ్ ట్రేలో నడుస్తూనే ఉంటుంది, దాని రిమైండర్‌లు కూడా వస్తూనే ఉంటాయి. దాన్ని పూర్తిగా ఆపడానికి, అక్కడ దాని ఐకాన్ మెనూలో &quot;నిష్క్రమించు&quot; ఎంచుకోండి.</translation>
    </message>
</context>
<context>
    <name>MonthFiles</name>
    <message>
        <source>%1 %2: %3 to %4 local time (UTC%5)</source>
        <translation>%1 %2: స్థానిక సమయం %3 నుండి %4 వరకు (UTC%5)</translation>
    </message>
</context>
<context>
    <name>MonthPages</name>
    <message>
        <source>Sunrise and sunset are worked out to the minute by the almanac method, for the moment the sun&apos;s centre lies 50 minutes of arc below the horizon (its upper edge meeting the horizon, allowing for refraction), at this place and in its time zone; each period is one eighth of the daylight between them.</source>
        <translation>సూర్యోదయం, సూర్యాస్తమయం పంచాంగ పద్ధతిలో నిమిషం వరకు లెక్కించబడ్డాయి: సూర్యుని కేంద్రం క్షితిజానికి 50 కోణ నిమిషాలు దిగువన ఉండే క్షణానికి (వక్రీభవనాన్ని లెక్కలోకి తీసుకుంటే, సూర్యుని పై అంచు క్షితిజాన్ని తాకే క్షణం), ఈ ప్రదేశంలో, దాని సమయ మండలిలో; ప్రతి వ్యవధి వాటి మధ్య ఉన్న పగటి కాలంలో ఎనిమిదో వంతు.</translation>
    </message>
</context>
<context>
    <name>MonthTexts</name>
    <message>
        <source>Rahu Kaal</source>
        <translation>రాహుకాలం</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>యమగండం</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <translation>గుళిక కాలం</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>తేదీ</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>వారం</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>సూర్యోదయం</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>సూర్యాస్తమయం</translation>
    </message>
    <message>
        <source>No time zone is known for this day</source>
        <translation>ఈ రోజుకు సమయ మండలి తెలియదు</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <translation>రోజంతా సూర్యుడు దిగంతం పైనే</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <translation>రోజంతా సూర్యుడు దిగంతం కిందే</translation>
    </message>
    <message>
        <source>This day did not happen here: the clocks skipped it</source>
        <translation>ఈ రోజు ఇక్కడ రాలేదు: గడియారాలు దీనిని దాటవేశాయి</translation>
    </message>
    <message>
        <source>%1 did not happen at this place: its clocks skipped it.</source>
        <extracomment>A day that the place&apos;s clocks jumped over, as Samoa&apos;s did on 30 December 2011.</extracomment>
        <translation>%1 ఈ ప్రదేశంలో రాలేదు: ఇక్కడి గడియారాలు ఆ రోజును దాటవేశాయి.</translation>
    </message>
</context>
<context>
    <name>NowAndNextTexts</name>
    <message>
        <source>%1 now, until %2</source>
        <extracomment>The period on now and when it ends: &quot;Rahu Kaal now, until 4:59 PM&quot;.</extracomment>
        <translation>%1 ఇప్పుడు, %2 వరకు</translation>
    </message>
    <message>
        <source>Next: %1 tomorrow, %2 to %3</source>
        <extracomment>The next period, which starts tomorrow: &quot;Next: Yamaganda tomorrow, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>తదుపరి: రేపు %1, %2 నుండి %3 వరకు</translation>
    </message>
    <message>
        <source>Next: %1, %2 to %3</source>
        <extracomment>The next period, later today: &quot;Next: Yamaganda, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>తదుపరి: %1, %2 నుండి %3 వరకు</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun up all day</source>
        <extracomment>Said where the sun stays up, as at Longyearbyen in June: &quot;No periods today: sun up all day&quot;.</extracomment>
        <translation>రేపు కాలాలు లేవు: రోజంతా సూర్యుడు దిగంతం పైనే</translation>
    </message>
    <message>
        <source>No periods today: sun up all day</source>
        <translation>ఈ రోజు కాలాలు లేవు: రోజంతా సూర్యుడు దిగంతం పైనే</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun down all day</source>
        <extracomment>Said where the sun stays down, as at Longyearbyen in December: &quot;No periods tomorrow: sun down all day&quot;.</extracomment>
        <translation>రేపు కాలాలు లేవు: రోజంతా సూర్యుడు దిగంతం కిందే</translation>
    </message>
    <message>
        <source>No periods today: sun down all day</source>
        <translation>ఈ రోజు కాలాలు లేవు: రోజంతా సూర్యుడు దిగంతం కిందే</translation>
    </message>
    <message>
        <source>No periods tomorrow: the clocks here skip that day</source>
        <extracomment>Samoa&apos;s clocks skipped 30 December 2011: the day after 29 December was 31 December.</extracomment>
        <translation>రేపు కాలాలు లేవు: ఇక్కడి గడియారాలు ఆ రోజును దాటవేస్తాయి</translation>
    </message>
    <message>
        <source>No periods: the place&apos;s time zone is not known</source>
        <extracomment>Said where the place&apos;s clock time is not known, so its periods cannot be given.</extracomment>
        <translation>కాలాలు లేవు: ఈ ప్రదేశం సమయ మండలి తెలియదు</translation>
    </message>
    <message>
        <source>%1 starts now (%2)</source>
        <extracomment>A reminder as the period starts, with the place&apos;s name: &quot;Rahu Kaal starts now (Pune)&quot;.</extracomment>
        <translation>%1 ఇప్పుడు మొదలవుతోంది (%2)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute (%3)</source>
        <extracomment>A reminder a minute before: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute (Pune)&quot;.</extracomment>
        <translation>%1 %2కి మొదలవుతుంది, 1 నిమిషంలో (%3)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes (%4)</source>
        <extracomment>A reminder some minutes before: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes (Pune)&quot;.</extracomment>
        <translation>%1 %2కి మొదలవుతుంది, %3 నిమిషాల్లో (%4)</translation>
    </message>
    <message>
        <source>%1 starts now</source>
        <extracomment>A reminder as the period starts, at a place without a name: &quot;Rahu Kaal starts now&quot;.</extracomment>
        <translation>%1 ఇప్పుడు మొదలవుతోంది</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute</source>
        <extracomment>A reminder a minute before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute&quot;.</extracomment>
        <translation>%1 %2కి మొదలవుతుంది, 1 నిమిషంలో</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes</source>
        <extracomment>A reminder some minutes before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes&quot;.</extracomment>
        <translation>%1 %2కి మొదలవుతుంది, %3 నిమిషాల్లో</translation>
    </message>
</context>
<context>
    <name>PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>ప్రదేశాలు</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>చర్యరద్దు (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>పునఃచర్య (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>కత్తిరించు (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>నకలుతీయి (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>అతికించు (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>తొలగించు</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>అన్నీ ఎంచుకో</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>సరే</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>రద్దుచేయి</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>మూసివేయి</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>భద్రపరుచు</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>అవును (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>కాదు (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>నకలుతీయి (&amp;C)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>అన్నీ ఎంచుకో</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>The Rahu Kaal period: its start, then its end, as date and time.</extracomment>
        <translation>%1 నుండి %2 వరకు</translation>
    </message>
    <message>
        <source>Rahukal Period (day)</source>
        <translation>రాహుకాలం (పగలు)</translation>
    </message>
    <message>
        <source>Rahukal Period (night before)</source>
        <translation>రాహుకాలం (ముందటి రాత్రి)</translation>
    </message>
    <message>
        <source>Rahukal Period (night after)</source>
        <translation>రాహుకాలం (తరువాతి రాత్రి)</translation>
    </message>
    <message>
        <source>The Chosen Time Period is in Rahu Kaal</source>
        <translation>ఎంచుకున్న సమయం రాహుకాలంలో ఉంది</translation>
    </message>
    <message>
        <source>The Chosen Time Period is not in Rahu Kaal</source>
        <translation>ఎంచుకున్న సమయం రాహుకాలంలో లేదు</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 ను భద్రపరచలేకపోయాం: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>ఫైలు పేరు ఇవ్వలేదు</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>అది ఒక ఫోల్డర్</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>ఆ ఫోల్డర్ ఉనికిలో లేదు</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe)</source>
        <translation>అది ఒక FIFO (పేరున్న పైప్)</translation>
    </message>
    <message>
        <source>it is a character device</source>
        <translation>అది ఒక క్యారెక్టర్ డివైస్</translation>
    </message>
    <message>
        <source>it is a block device</source>
        <translation>అది ఒక బ్లాక్ డివైస్</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>అది ఒక సాకెట్</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>అది సాధారణ ఫైలు కాదు</translation>
    </message>
    <message>
        <source>it is another user&apos;s link to a file that is not theirs</source>
        <translation>అది మరొక వాడుకరి లింకు, వారిది కాని ఫైలుకు దారితీస్తుంది</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation>ఈ అనువర్తనం ఇప్పటికే నడుస్తోంది</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>అలాస్కా/హవాయి పగటి వెలుతురు సమయం,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>అలాస్కా/హవాయి ప్రామాణిక సమయం,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>అలాస్కా/హవాయి యుద్ధకాల సమయం,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>అట్లాంటిక్ ప్రామాణిక సమయం,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>అట్లాంటిక్ యుద్ధకాల సమయం,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>మధ్య ఆస్ట్రేలియా పగటి వెలుతురు సమయం,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>మధ్య ఆస్ట్రేలియా ప్రామాణిక సమయం,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>తూర్పు ఆస్ట్రేలియా పగటి వెలుతురు సమయం,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>తూర్పు ఆస్ట్రేలియా ప్రామాణిక సమయం,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>పశ్చిమ ఆస్ట్రేలియా పగటి వెలుతురు సమయం,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>పశ్చిమ ఆస్ట్రేలియా ప్రామాణిక సమయం,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>అజోర్స్ సమయం, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>బాగ్దాద్ సమయం, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>బేరింగ్ ప్రామాణిక సమయం,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>బ్రెజిల్ మండలి 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>బ్రిటిష్ ద్వంద్వ వేసవి సమయం,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>బ్రిటిష్ వేసవి సమయం,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>బ్రిటిష్ యుద్ధకాల సమయం,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>సెంట్రల్ పగటి వెలుతురు సమయం,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>సెంట్రల్ యూరోపియన్ పగటి వెలుతురు సమయం,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>సెంట్రల్ యూరోపియన్ సమయం,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>సెంట్రల్ ప్రామాణిక సమయం,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>సెంట్రల్ యుద్ధకాల సమయం,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>చైనా తీర సమయం,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>తూర్పు పగటి వెలుతురు సమయం,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>తూర్పు యూరోపియన్ పగటి వెలుతురు సమయం,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>తూర్పు యూరోపియన్ సమయం,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>తూర్పు ప్రామాణిక సమయం,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>తూర్పు యుద్ధకాల సమయం,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>గ్రీన్‌విచ్ సగటు సమయం,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>గ్వామ్ ప్రామాణిక సమయం,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>హవాయి పగటి వెలుతురు సమయం,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>హవాయి ప్రామాణిక సమయం,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>హవాయి యుద్ధకాల సమయం,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>భారత సమయం, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>అంతర్జాతీయ తేదీ రేఖ తూర్పు,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>అంతర్జాతీయ తేదీ రేఖ పడమర,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ఇరాన్ సమయం, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>జపాన్ ప్రామాణిక సమయం,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>జావా సమయం, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>మధ్య యూరోపియన్ పగటి వెలుతురు సమయం,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>మధ్య యూరోపియన్ సమయం,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>మొలుక్కాస్ సమయం, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>మౌంటెయిన్ పగటి వెలుతురు సమయం,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>మౌంటెయిన్ ప్రామాణిక సమయం,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>మౌంటెయిన్ యుద్ధకాల సమయం,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>న్యూజిలాండ్ ప్రామాణిక వేసవి సమయం,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>న్యూజిలాండ్ ప్రామాణిక సమయం,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>న్యూజిలాండ్ వేసవి సమయం,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>న్యూజిలాండ్ సమయం,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>న్యూఫౌండ్‌ల్యాండ్ ప్రామాణిక సమయం,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>నోమ్ సమయం, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>ఉత్తర సుమత్రా సమయం,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>పసిఫిక్ పగటి వెలుతురు సమయం,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>పసిఫిక్ ప్రామాణిక సమయం,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>పసిఫిక్ యుద్ధకాల సమయం,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>దక్షిణ ఆస్ట్రేలియా పగటి వెలుతురు సమయం,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>దక్షిణ ఆస్ట్రేలియా పగటి వెలుతురు సమయం,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>దక్షిణ ఆస్ట్రేలియా ప్రామాణిక సమయం,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>దక్షిణ ఆస్ట్రేలియా ప్రామాణిక సమయం,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>దక్షిణ సుమత్రా సమయం,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>సార్వత్రిక సమయం, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>సోవియట్ మండలి 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>సోవియట్ మండలి 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>సోవియట్ మండలి 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>సోవియట్ మండలి 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>సోవియట్ మండలి 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>పశ్చిమ ఆఫ్రికా సమయం,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>యుకాన్ పగటి వెలుతురు సమయం,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>యుకాన్ ప్రామాణిక సమయం,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>యుకాన్ యుద్ధకాల సమయం,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>ZoneRules</name>
    <message>
        <source>%1: not in this system&apos;s time-zone data</source>
        <translation>%1: ఈ సిస్టమ్ సమయ మండలి డేటాలో లేదు</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2 నుండి %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1 న</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>The zone&apos;s standard offset, given for a date that does not exist.</extracomment>
        <translation>ప్రామాణికం</translation>
    </message>
    <message>
        <source>%1: %2 %3 (in %4: %5)</source>
        <extracomment>&quot;America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 November)&quot;</extracomment>
        <translation>%1: %3 %2 (%4లో: %5)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. It is preferable to do all important and good tasks in the time before or after the Rahu Kaal. Copyright © the Horavela authors. All rights reserved.</source>
        <translation>Horavela రాహుకాలాన్ని లెక్కిస్తుంది. రాహుకాలం రోజులో శుభకార్యాలు చేయని అశుభ సమయం. ముఖ్యమైన, మంచి పనులన్నీ రాహుకాలానికి ముందు లేదా తర్వాత చేయడం మంచిది. కాపీరైట్ © Horavela రచయితలు. సర్వహక్కులూ ప్రత్యేకించబడ్డాయి.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>ఇంటి నుండే వ్యాపార అవకాశం. మీ సొంత ఇంటర్నెట్ వ్యాపారాన్ని ప్రారంభించి ఆన్‌లైన్‌లో డబ్బు సంపాదించండి. ఈ సాఫ్ట్‌వేర్‌ను పూర్తిగా మీ వెబ్‌సైట్ బ్రాండ్‌తో పొందండి.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>మరిన్ని వివరాలకు ఇక్కడ నొక్కండి</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>సరే (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>రాహుకాలం, ఇంకా మరెన్నో విషయాలపై మా చర్చా సైట్‌ను సందర్శించండి</translation>
    </message>
    <message>
        <source>Horavela Result</source>
        <translation>Horavela ఫలితం</translation>
    </message>
    <message>
        <source>Chosen Date</source>
        <translation>ఎంచుకున్న తేదీ</translation>
    </message>
    <message>
        <source>Chosen Time</source>
        <translation>ఎంచుకున్న సమయం</translation>
    </message>
    <message>
        <source>The Chosen Time Period is Not in Rahu Kaal</source>
        <translation>ఎంచుకున్న సమయం రాహుకాలంలో లేదు</translation>
    </message>
    <message>
        <source>Rahukal Period</source>
        <translation>రాహుకాల వ్యవధి</translation>
    </message>
    <message>
        <source>Rahu Kal is an inauspicious time period in a day when favorable tasks are not performed.</source>
        <translation>రాహుకాలం రోజులో శుభకార్యాలు చేయని అశుభ సమయం.</translation>
    </message>
    <message>
        <source>*Do all important and good tasks in the time before or after the Rahu Kal.</source>
        <translation>*శుభకార్యాలన్నీ రాహుకాలానికి ముందో తర్వాతో చేయండి.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>నిష్క్రమించు (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>వెనుకకు (&amp;B)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ఈ సాఫ్ట్‌వేర్‌ను మీ సైట్ పేరు, లింక్‌తో కో-బ్రాండ్ చేసి విశ్వసనీయత, ట్రాఫిక్ పెంచుకోండి. వివరాలకు &quot;సహాయం&quot; చూడండి లేదా ఇక్కడ నొక్కండి.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ఇంటి నుండే వ్యాపార అవకాశం: ఈ సాఫ్ట్‌వేర్‌ను పూర్తిగా మీ సైట్ బ్రాండ్‌తో పొంది ఆన్‌లైన్‌లో సంపాదించండి. మరిన్ని వివరాలకు ఇక్కడ నొక్కండి.</translation>
    </message>
    <message>
        <source>Sun Rise Time On</source>
        <translation>సూర్యోదయ సమయం</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>సూర్యాస్తమయ సమయం</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ఫైలు (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>సహాయం (&amp;H)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>నెల రాహుకాలం (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>నిష్క్రమించు (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ఆన్‌లైన్ సహాయం (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>మా వెబ్‌సైట్ సందర్శించండి (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>సాఫ్ట్‌వేర్ నవీకరణ కోసం చూడు (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>సాఫ్ట్‌వేర్ గురించి (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>విరాళం ఇవ్వండి (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ఆన్‌లైన్‌లో డబ్బు సంపాదించండి (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmLanguage</name>
    <message>
        <source>&amp;Language of Horavela:</source>
        <translation>Horavela భాష (&amp;L):</translation>
    </message>
    <message>
        <source>Language of Horavela</source>
        <translation>Horavela భాష</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>సరే (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>రద్దుచేయి (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>రాహుకాలం, ఇంకా మరెన్నో విషయాలపై మా చర్చా సైట్‌ను సందర్శించండి</translation>
    </message>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. Do all important and good tasks in the time before or after the Rahu Kaal.</source>
        <translation>Horavela రాహుకాలాన్ని లెక్కిస్తుంది. రాహుకాలం రోజులో శుభకార్యాలు చేయని అశుభ సమయం. ముఖ్యమైన, మంచి పనులన్నీ రాహుకాలానికి ముందు లేదా తర్వాత చేయండి.</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>మీ పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Enter Date</source>
        <translation>తేదీ నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>నెల</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>రోజు</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>సంవత్సరం</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>సమయం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>గంట</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>నిమిషం</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>సెకను</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>మీ సమయ మండలి నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>నిమి.</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>మండలి సహాయం</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>అక్షాంశం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>డిగ్రీ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ఉత్తరం</translation>
    </message>
    <message>
        <source>South</source>
        <translation>దక్షిణం</translation>
    </message>
    <message>
        <source>Enter Longitude</source>
        <translation>రేఖాంశం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>East</source>
        <translation>తూర్పు</translation>
    </message>
    <message>
        <source>West</source>
        <translation>పడమర</translation>
    </message>
    <message>
        <source>Enter Your City Name</source>
        <translation>మీ నగరం పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>మీ రాష్ట్రాన్ని నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>మీ దేశం పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>అక్షాంశం &amp;&amp; రేఖాంశం తెలుసుకోవడానికి ఇక్కడ నొక్కండి</translation>
    </message>
    <message>
        <source>Is the Chosen Period in Rahul Kaal?</source>
        <translation>ఎంచుకున్న సమయం రాహుకాలంలో ఉందా?</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ఈ సాఫ్ట్‌వేర్‌ను మీ సైట్ పేరు, లింక్‌తో కో-బ్రాండ్ చేసి విశ్వసనీయత, ట్రాఫిక్ పెంచుకోండి. వివరాలకు &quot;సహాయం&quot; చూడండి లేదా ఇక్కడ నొక్కండి.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ఇంటి నుండే వ్యాపార అవకాశం: ఈ సాఫ్ట్‌వేర్‌ను పూర్తిగా మీ సైట్ బ్రాండ్‌తో పొంది ఆన్‌లైన్‌లో సంపాదించండి. మరిన్ని వివరాలకు ఇక్కడ నొక్కండి.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ఫైలు (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>సహాయం (&amp;H)</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>ఇప్పటి సమయానికి అమర్చు (&amp;N)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>నెల రాహుకాలం (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>నిష్క్రమించు (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ఆన్‌లైన్ సహాయం (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>మా వెబ్‌సైట్ సందర్శించండి (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>సాఫ్ట్‌వేర్ నవీకరణ కోసం చూడు (&amp;U)</translation>
    </message>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>అనువర్తన భాష మార్చు (&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>సాఫ్ట్‌వేర్ గురించి (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>విరాళం ఇవ్వండి (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ఆన్‌లైన్‌లో డబ్బు సంపాదించండి (&amp;O)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>ఇంటి ప్రదేశంగా భద్రపరచు (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Forget Home Place</source>
        <translation>ఇంటి ప్రదేశాన్ని మరచిపో (&amp;F)</translation>
    </message>
    <message>
        <source>Show in the System &amp;Tray</source>
        <translation>సిస్టమ్ ట్రేలో చూపించు (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>రిమైండర్‌లు (&amp;R)...</translation>
    </message>
    <message>
        <source>Start with the &amp;Desktop</source>
        <translation>డెస్క్‌టాప్‌తో పాటు ప్రారంభించు (&amp;D)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>&lt;&lt; Pre&amp;vious Month</source>
        <translation>&lt;&lt; గత నెల (&amp;V)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>గత నెల</translation>
    </message>
    <message>
        <source>&amp;Next Month &gt;&gt;</source>
        <translation>తదుపరి నెల (&amp;N) &gt;&gt;</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>తదుపరి నెల</translation>
    </message>
    <message>
        <source>Rahu Kaal, Yamaganda and Gulika Kaal of Each Day</source>
        <translation>ప్రతి రోజు రాహుకాలం, యమగండం, గుళిక కాలం</translation>
    </message>
    <message>
        <source>Save to &amp;Calendar...</source>
        <translation>క్యాలెండర్‌లో భద్రపరుచు (&amp;C)...</translation>
    </message>
    <message>
        <source>Save to Calendar</source>
        <translation>క్యాలెండర్‌లో భద్రపరుచు</translation>
    </message>
    <message>
        <source>Saves the periods as events of a calendar file (.ics)</source>
        <translation>వ్యవధులను క్యాలెండర్ ఫైలు (.ics) లో ఈవెంట్‌లుగా భద్రపరుస్తుంది</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>CSV గా భద్రపరుచు (&amp;S)...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV గా భద్రపరుచు</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file for a spreadsheet</source>
        <translation>పట్టికను స్ప్రెడ్‌షీట్ కోసం CSV ఫైలుగా భద్రపరుస్తుంది</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>ముద్రించు (&amp;P)...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ముద్రించు</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF గా భద్రపరుచు (&amp;D)...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF గా భద్రపరుచు</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>మూసివేయి</translation>
    </message>
</context>
<context>
    <name>frmPlaceSearch</name>
    <message>
        <source>Places found. Choose the one you mean and press Use This Place: its latitude, longitude and time zone go into the main window. The time zone is the one in force at the date and time chosen there, in hours and minutes behind universal time.</source>
        <translation>కనుగొన్న ప్రదేశాలు. మీరు అనుకున్న ప్రదేశాన్ని ఎంచుకుని &quot;ఈ ప్రదేశాన్ని వాడు&quot; నొక్కండి: దాని అక్షాంశం, రేఖాంశం, సమయ మండలి ప్రధాన విండోలోకి వెళ్తాయి. సమయ మండలి అంటే అక్కడ ఎంచుకున్న తేదీ, సమయానికి అమలులో ఉన్నది, సార్వత్రిక సమయం కంటే ఎన్ని గంటలు, నిమిషాలు వెనుక ఉందో అలా.</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>కనుగొన్న ప్రదేశాలు</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ప్రదేశం</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>అక్షాంశం</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>రేఖాంశం</translation>
    </message>
    <message>
        <source>Time zone (hours, minutes)</source>
        <translation>సమయ మండలి (గంటలు, నిమిషాలు)</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>GeoNames (geonames.org) నుండి ప్రదేశాలు, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Use This Place</source>
        <translation>ఈ ప్రదేశాన్ని వాడు (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>వెబ్‌లో వెతుకు (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>మూసివేయి (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>జ్ఞాపికలు</translation>
    </message>
    <message>
        <source>minutes before</source>
        <translation>నిమిషాల ముందు</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>సరే (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>రద్దుచేయి (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>సమయ మండలి జాబితా</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>నిష్క్రమించు (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>horavela::SaveMonthDialog</name>
    <message>
        <source>Periods in the Calendar</source>
        <translation>క్యాలెండర్‌లో వ్యవధులు</translation>
    </message>
    <message>
        <source>&amp;Rahu Kaal</source>
        <translation>రాహుకాలం (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Yamaganda</source>
        <translation>యమగండం (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Gulika Kaal</source>
        <translation>గుళిక కాలం (&amp;G)</translation>
    </message>
    <message>
        <source>R&amp;emind Me</source>
        <translation>నాకు గుర్తు చేయి (&amp;E)</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> నిమిషాల ముందు</translation>
    </message>
    <message>
        <source>Minutes before each period</source>
        <translation>ప్రతి వ్యవధికి ఇన్ని నిమిషాల ముందు</translation>
    </message>
    <message>
        <source>&amp;Months from the shown one:</source>
        <translation>చూపిన నెల నుండి నెలలు (&amp;M):</translation>
    </message>
</context>
<context>
    <name>horavela::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 ను సందర్శించండి</translation>
    </message>
</context>
<context>
    <name>horavela::frmLanguage</name>
    <message>
        <source>System language</source>
        <translation>సిస్టమ్ భాష</translation>
    </message>
</context>
<context>
    <name>horavela::frmMain</name>
    <message>
        <source>Please Enter a Number in the Hour and Minute of the Time Zone</source>
        <translation>దయచేసి సమయ మండలి గంట, నిమిషాలలో సంఖ్యను నమోదు చేయండి</translation>
    </message>
    <message>
        <source>The sun does not rise or does not set at this place on %1, so Rahu Kaal cannot be calculated.</source>
        <translation>%1 న ఈ ప్రదేశంలో సూర్యుడు ఉదయించడు లేదా అస్తమించడు, కాబట్టి రాహుకాలాన్ని లెక్కించలేము.</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>దయచేసి పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>దయచేసి రేఖాంశం డిగ్రీలో 0 నుండి 179 మధ్య విలువను నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>దయచేసి రేఖాంశం నిమిషంలో 0 నుండి 59 మధ్య విలువను నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>దయచేసి అక్షాంశం డిగ్రీలో 0 నుండి 89 మధ్య విలువను నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>దయచేసి అక్షాంశం నిమిషంలో 0 నుండి 59 మధ్య విలువను నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>దయచేసి సరైన తేదీని నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>సంఖ్యలు మాత్రమే అంగీకరించబడతాయి</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>దయచేసి అక్షరాలను మాత్రమే నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>దయచేసి నగరాన్ని నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>దయచేసి రాష్ట్రాన్ని నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>దయచేసి దేశాన్ని నమోదు చేయండి</translation>
    </message>
    <message>
        <source>This year, %1, is not in the Year list (%2 to %3), so the date and time are left as they were.</source>
        <translation>ఈ సంవత్సరం, %1, సంవత్సరాల జాబితాలో (%2 నుండి %3 వరకు) లేదు, కాబట్టి తేదీ, సమయం ఇంతకు ముందులాగే ఉంచబడ్డాయి.</translation>
    </message>
    <message>
        <source>The settings could not be read, so the program starts without the home place.</source>
        <translation>అమరికలను చదవలేకపోయాము, కాబట్టి ప్రోగ్రామ్ ఇంటి ప్రదేశం లేకుండా ప్రారంభమవుతోంది.</translation>
    </message>
    <message>
        <source>The home place kept in the settings is not a valid place, so the program starts without it.</source>
        <translation>అమరికలలో ఉంచిన ఇంటి ప్రదేశం సరైన ప్రదేశం కాదు, కాబట్టి ప్రోగ్రామ్ అది లేకుండా ప్రారంభమవుతోంది.</translation>
    </message>
    <message>
        <source>The settings could not be written, so the home place is as it was.</source>
        <translation>అమరికలను వ్రాయలేకపోయాము, కాబట్టి ఇంటి ప్రదేశం మునుపటిలాగే ఉంది.</translation>
    </message>
    <message>
        <source>This desktop has no system tray, so Horavela cannot show its icon there. Reminders still come while Horavela is open.</source>
        <translation>ఈ డెస్క్‌టాప్‌లో సిస్టమ్ ట్రే లేదు, కాబట్టి Horavela తన ఐకాన్‌ను అక్కడ చూపించలేదు. అయినా, Horavela తెరిచి ఉన్నంత వరకు రిమైండర్‌లు వస్తూనే ఉంటాయి.</translation>
    </message>
    <message>
        <source>The settings could not be written, so the tray icon is as it was.</source>
        <translation>అమరికలను వ్రాయలేకపోయాము, కాబట్టి ట్రే ఐకాన్ మునుపటిలాగే ఉంది.</translation>
    </message>
    <message>
        <source>The desktop&apos;s list of programs to start could not be changed.</source>
        <translation>డెస్క్‌టాప్‌తో పాటు ప్రారంభమయ్యే ప్రోగ్రామ్‌ల జాబితాను మార్చలేకపోయాము.</translation>
    </message>
</context>
<context>
    <name>horavela::frmMonth</name>
    <message>
        <source>Time Zone: %1</source>
        <translation>సమయ మండలి: %1</translation>
    </message>
    <message>
        <source>Rahu Kaal, %1</source>
        <translation>రాహుకాలం, %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ఈ రోజు</translation>
    </message>
    <message>
        <source>Rahu Kaal %1-%2</source>
        <extracomment>A file&apos;s suggested name: &quot;Rahu Kaal 2025-03&quot;.</extracomment>
        <translation>రాహుకాలం %1-%2</translation>
    </message>
    <message>
        <source>, %1 months</source>
        <extracomment>Follows a file&apos;s suggested name: &quot;Rahu Kaal 2025-03, 3 months&quot;.</extracomment>
        <translation>, %1 నెలలు</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>క్యాలెండర్ (*.ics)</translation>
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
        <translation>నెలను ముద్రించడం సాధ్యం కాలేదు.</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>ముద్రణ అందుబాటులో లేదు: %1.</translation>
    </message>
</context>
<context>
    <name>horavela::frmPlaceSearch</name>
    <message>
        <source>%1; latitude %2; longitude %3; time zone %4</source>
        <translation>%1; అక్షాంశం %2; రేఖాంశం %3; సమయ మండలి %4</translation>
    </message>
</context>
<context>
    <name>horavela::frmReminders</name>
    <message>
        <source>Minutes before %1</source>
        <extracomment>The spin box&apos;s name for a screen reader: &quot;Minutes before Rahu Kaal&quot;.</extracomment>
        <translation>%1 ప్రారంభానికి ఎన్ని నిమిషాల ముందు</translation>
    </message>
    <message>
        <source>The settings could not be written, so the reminders are as they were.</source>
        <translation>అమరికలను వ్రాయలేకపోయాము, కాబట్టి జ్ఞాపికలు మునుపటిలాగే ఉన్నాయి.</translation>
    </message>
</context>
</TS>
