<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &quot;%1&quot;; see horavela --help</source>
        <translation>எதிர்பாராத அளவுரு &quot;%1&quot;; horavela --help பார்க்கவும்</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 இரண்டு முறை கொடுக்கப்பட்டுள்ளது</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 க்கு ஒரு மதிப்பு தேவை</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone (missing --%1)</source>
        <translation>--place அல்லது --lat, --lon, --zone ஆகியவற்றைக் கொடுக்கவும் (--%1 இல்லை)</translation>
    </message>
    <message>
        <source>--lat &quot;%1&quot; is not a latitude in decimal degrees</source>
        <translation>--lat &quot;%1&quot; என்பது தசமப் பாகைகளில் உள்ள அட்சரேகை அல்ல</translation>
    </message>
    <message>
        <source>--lon &quot;%1&quot; is not a longitude in decimal degrees</source>
        <translation>--lon &quot;%1&quot; என்பது தசமப் பாகைகளில் உள்ள தீர்க்கரேகை அல்ல</translation>
    </message>
    <message>
        <source>--zone &quot;%1&quot; is neither a zone of this system&apos;s time-zone data nor hours:minutes such as -5:-30</source>
        <translation>--zone &quot;%1&quot; என்பது இந்தக் கணினியின் நேர மண்டலத் தரவில் உள்ள மண்டலமும் அல்ல, -5:-30 போன்ற மணி:நிமிடமும் அல்ல</translation>
    </message>
    <message>
        <source>--place &quot;%1&quot; is not &quot;CITY, STATE, COUNTRY&quot;</source>
        <translation>--place &quot;%1&quot; என்பது &quot;நகரம், மாநிலம், நாடு&quot; வடிவில் இல்லை</translation>
    </message>
    <message>
        <source>the places database cannot be read</source>
        <translation>இடங்களின் தரவுத்தளத்தைப் படிக்க முடியவில்லை</translation>
    </message>
    <message>
        <source>no place called &quot;%1&quot; in the places database</source>
        <translation>இடங்களின் தரவுத்தளத்தில் &quot;%1&quot; என்ற இடம் இல்லை</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>குறைந்தது %1</translation>
    </message>
    <message>
        <source>the zone of %1, %2, is not in this system&apos;s time-zone data</source>
        <translation>%1 இன் நேர மண்டலம், %2, இந்தக் கணினியின் நேர மண்டலத் தரவில் இல்லை</translation>
    </message>
    <message>
        <source>--language &quot;%1&quot; is not one of en, hi, bn, te, mr, ta, gu, kn, ml, pa and or</source>
        <translation>--language &quot;%1&quot; என்பது en, hi, bn, te, mr, ta, gu, kn, ml, pa, or ஆகியவற்றில் ஒன்று அல்ல</translation>
    </message>
    <message>
        <source>--month YYYY-MM is needed; see horavela --help</source>
        <translation>--month YYYY-MM தேவை; horavela --help பார்க்கவும்</translation>
    </message>
    <message>
        <source>--month &quot;%1&quot; is not a month such as 2025-03</source>
        <translation>--month &quot;%1&quot; என்பது 2025-03 போன்ற மாதம் அல்ல</translation>
    </message>
    <message>
        <source>--months &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>--months &quot;%1&quot; என்பது 1 முதல் 12 வரையிலான எண் அல்ல</translation>
    </message>
    <message>
        <source>the months must lie from 1901-01 to 2050-12</source>
        <translation>மாதங்கள் 1901-01 முதல் 2050-12 வரை இருக்க வேண்டும்</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone, not both</source>
        <translation>--place அல்லது --lat, --lon, --zone ஆகியவற்றைக் கொடுக்கவும், இரண்டையும் அல்ல</translation>
    </message>
    <message>
        <source>standard output cannot be written</source>
        <translation>நிலையான வெளியீட்டில் எழுத முடியவில்லை</translation>
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
        <translation>பயன்பாடு: horavela --month YYYY-MM (--place &quot;நகரம்[, மாநிலம்], நாடு&quot; |
                --lat=DEGREES --lon=DEGREES --zone=ZONE) [OPTIONS]

ஓர் இடத்தில் ஒரு மாதத்தின் ஒவ்வொரு நாளுக்குமான ராகு காலம், எமகண்டம், குளிகை
நேரங்களை, மாதச் சாளரம் சேமிப்பது போலவே, எந்தச் சாளரத்தையும் திறக்காமல் எழுதுகிறது.

  --month YYYY-MM    முதல் மாதம், 1901-01 முதல் 2050-12 வரை
  --months N         எத்தனை மாதங்கள், 1 முதல் 12 வரை (இயல்பு 1)
  --place TEXT       இடங்களின் தரவுத்தளத்தில் உள்ள ஓர் இடம்: &quot;Pune, Maharashtra, India&quot;,
                     &quot;Pune, India&quot; அல்லது &quot;Pune&quot;; அதன் நேர மண்டலம் தேதியைப் பொறுத்தது
  --lat DEGREES      தசமப் பாகைகளில் அட்சரேகை, வடக்கு நேர்மறை: 18.52
  --lon DEGREES      தசமப் பாகைகளில் தீர்க்கரேகை, கிழக்கு நேர்மறை: -74.0 என்பது மேற்கு
                     (இரண்டும் அருகிலுள்ள நிமிடத்துக்கு முழுமையாக்கப்படும்)
  --zone ZONE        நேர மண்டலத்தின் பெயர், Asia/Kolkata, அதன் வேறுபாடு தேதியைப் பொறுத்தது;
                     அல்லது முதன்மைச் சாளரம் ஏற்பது போல, உலக நேரத்துக்குப் பின்னால் உள்ள
                     மணி:நிமிடம், -5:-30 (ஒரு மணிக்கும் குறைவாக முன்னால் இருந்தால்: -0:-19)
  --format FORMAT    text (இயல்பு), csv, ics (நாள்காட்டி) அல்லது pdf (மாதச் சாளரத்தின்
                     பக்கங்கள், --out உடன் மட்டும்)
  --periods LIST     நாள்காட்டியின் நிகழ்வுகள்: rahu, yamaganda, gulika இவற்றில் எதுவும்,
                     காற்புள்ளியால் பிரித்து (இயல்பு rahu); --format ics உடன் மட்டும்
  --alarm MINUTES    நாள்காட்டியின் நினைவூட்டல், ஒவ்வொரு நேரத்துக்கும் 1 முதல் 1440 நிமிடங்கள் முன்,
                     அல்லது none (இயல்பு 10); --format ics உடன் மட்டும்
  --out FILE         FILE-ஐ முழுமையாக எழுதும் அல்லது எதையும் எழுதாது; இல்லையேல் நிலையான வெளியீடு
  --language CODE    உரையின், நாள்காட்டியின் மொழி: en, hi, bn, te, mr,
                     ta, gu, kn, ml, pa அல்லது or (இயல்பு: சாளரத்தில் தேர்ந்தெடுத்த
                     மொழி, இல்லையெனில் டெஸ்க்டாப்பின் மொழி)
  -h, --help         இந்த உதவியைக் காட்டும்
  --version          நிரலின் பதிப்பைக் காட்டும்

ஒவ்வொரு விருப்பமும் தன் மதிப்பை --name value அல்லது --name=value என ஏற்கும்.
வெளியேறும் நிலை: 0 முடிந்தது, 2 தவறான உள்ளீடு, 1 கோப்போ இடங்களின் தரவுத்தளமோ தோல்வியுற்றது.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>அறியப்படாத விருப்பம் %1</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 எந்த மதிப்பையும் ஏற்காது</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; holds a line break or another control character</source>
        <translation>--%1 &quot;%2&quot; இல் வரி முறிவு அல்லது வேறு கட்டுப்பாட்டு எழுத்து உள்ளது</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; has a space before or after it</source>
        <translation>--%1 &quot;%2&quot; இன் முன்னோ பின்னோ இடைவெளி உள்ளது</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches %2 places (%3); name the state and the country</source>
        <translation>&quot;%1&quot; உடன் %2 இடங்கள் பொருந்துகின்றன (%3); மாநிலத்தையும் நாட்டையும் குறிப்பிடவும்</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; is not text, csv, ics or pdf</source>
        <translation>--format &quot;%1&quot; என்பது text, csv, ics, pdf ஆகியவற்றில் ஒன்று அல்ல</translation>
    </message>
    <message>
        <source>--format pdf needs --out FILE: a PDF is not written to standard output</source>
        <translation>--format pdf க்கு --out FILE தேவை: PDF நிலையான வெளியீட்டில் எழுதப்படாது</translation>
    </message>
    <message>
        <source>--%1 chooses what the calendar holds: give it with --format ics</source>
        <translation>--%1 நாள்காட்டியில் என்ன இருக்கும் என்பதைத் தேர்ந்தெடுக்கும்: அதை --format ics உடன் கொடுக்கவும்</translation>
    </message>
    <message>
        <source>--periods &quot;%1&quot; is not a comma-separated list of rahu, yamaganda and gulika, each at most once</source>
        <translation>--periods &quot;%1&quot; என்பது rahu, yamaganda, gulika ஆகியவற்றின் காற்புள்ளியால் பிரிக்கப்பட்ட பட்டியல் அல்ல; ஒவ்வொன்றும் அதிகபட்சம் ஒரு முறை</translation>
    </message>
    <message>
        <source>--alarm &quot;%1&quot; is neither none nor a number of minutes from 1 to 1440</source>
        <translation>--alarm &quot;%1&quot; என்பது none அல்ல, 1 முதல் 1440 வரையிலான நிமிட எண்ணும் அல்ல</translation>
    </message>
    <message>
        <source>the PDF cannot be drawn</source>
        <translation>PDF ஐ வரைய முடியவில்லை</translation>
    </message>
</context>
<context>
    <name>DegreesMinutes</name>
    <message>
        <source>N</source>
        <extracomment>North, after a latitude&apos;s degrees and minutes: 18° 31′ N</extracomment>
        <translation>வ</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, after a latitude&apos;s degrees and minutes: 33° 52′ S</extracomment>
        <translation>தெ</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, after a longitude&apos;s degrees and minutes: 73° 51′ E</extracomment>
        <translation>கி</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, after a longitude&apos;s degrees and minutes: 74° 0′ W</extracomment>
        <translation>மே</translation>
    </message>
</context>
<context>
    <name>HomeTray</name>
    <message>
        <source>Open Horavela</source>
        <translation>Horavela-வைத் திற</translation>
    </message>
    <message>
        <source>Rahu Kaal of the Month...</source>
        <translation>மாதத்தின் ராகு காலம்...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>நினைவூட்டல்கள்...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>வெளியேறு</translation>
    </message>
    <message>
        <source>Horavela goes on running in the system tray, and its reminders still come. To end it, choose &quot;Quit&quot; in the menu of its icon there.</source>
        <translation>Horavela கணினி தட்டில் தொடர்ந்து இயங்குகிறது, அதன் நினைவூட்டல்களும் தொடர்ந்து வரும். அதை முழுவதுமாக நிறுத்த, அங்குள்ள அதன் சின்னத்தின் மெனுவில் &quot;வெளியேறு&quot; என்பதைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
</context>
<context>
    <name>MonthFiles</name>
    <message>
        <source>%1 %2: %3 to %4 local time (UTC%5)</source>
        <translation>%1 %2: உள்ளூர் நேரம் %3 முதல் %4 வரை (UTC%5)</translation>
    </message>
</context>
<context>
    <name>MonthPages</name>
    <message>
        <source>Sunrise and sunset are worked out to the minute by the almanac method, for the moment the sun&apos;s centre lies 50 minutes of arc below the horizon (its upper edge meeting the horizon, allowing for refraction), at this place and in its time zone; each period is one eighth of the daylight between them.</source>
        <translation>சூரிய உதயமும் சூரிய அஸ்தமனமும் பஞ்சாங்க முறைப்படி நிமிடத் துல்லியத்துடன் கணக்கிடப்படுகின்றன: சூரியனின் மையம் அடிவானத்துக்கு 50 கலை (வில் நிமிடங்கள்) கீழே இருக்கும் கணம் (ஒளிவிலகலைக் கணக்கில் கொண்டால், அதன் மேல் விளிம்பு அடிவானத்தைத் தொடும் கணம்), இந்த இடத்திலும் அதன் நேர மண்டலத்திலும். ஒவ்வொரு நேரமும் அவற்றுக்கு இடையிலான பகல் பொழுதின் எட்டில் ஒரு பங்கு.</translation>
    </message>
</context>
<context>
    <name>MonthTexts</name>
    <message>
        <source>Rahu Kaal</source>
        <translation>ராகு காலம்</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>எமகண்டம்</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <translation>குளிகை</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>தேதி</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>கிழமை</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>சூரிய உதயம்</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>சூரிய அஸ்தமனம்</translation>
    </message>
    <message>
        <source>No time zone is known for this day</source>
        <translation>இந்த நாளுக்கான நேர மண்டலம் தெரியவில்லை</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <translation>நாள் முழுவதும் சூரியன் அடிவானத்திற்கு மேலே</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <translation>நாள் முழுவதும் சூரியன் அடிவானத்திற்குக் கீழே</translation>
    </message>
    <message>
        <source>This day did not happen here: the clocks skipped it</source>
        <translation>இந்த நாள் இங்கே வரவில்லை: கடிகாரங்கள் இதைத் தாண்டிவிட்டன</translation>
    </message>
    <message>
        <source>%1 did not happen at this place: its clocks skipped it.</source>
        <extracomment>A day that the place&apos;s clocks jumped over, as Samoa&apos;s did on 30 December 2011.</extracomment>
        <translation>%1 இந்த இடத்தில் வரவில்லை: இங்குள்ள கடிகாரங்கள் அந்த நாளைத் தாண்டிவிட்டன.</translation>
    </message>
</context>
<context>
    <name>NowAndNextTexts</name>
    <message>
        <source>%1 now, until %2</source>
        <extracomment>The period on now and when it ends: &quot;Rahu Kaal now, until 4:59 PM&quot;.</extracomment>
        <translation>%1 இப்போது, %2 வரை</translation>
    </message>
    <message>
        <source>Next: %1 tomorrow, %2 to %3</source>
        <extracomment>The next period, which starts tomorrow: &quot;Next: Yamaganda tomorrow, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>அடுத்து: நாளை %1, %2 முதல் %3 வரை</translation>
    </message>
    <message>
        <source>Next: %1, %2 to %3</source>
        <extracomment>The next period, later today: &quot;Next: Yamaganda, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>அடுத்து: %1, %2 முதல் %3 வரை</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun up all day</source>
        <extracomment>Said where the sun stays up, as at Longyearbyen in June: &quot;No periods today: sun up all day&quot;.</extracomment>
        <translation>நாளை காலங்கள் இல்லை: நாள் முழுவதும் சூரியன் அடிவானத்திற்கு மேலே</translation>
    </message>
    <message>
        <source>No periods today: sun up all day</source>
        <translation>இன்று காலங்கள் இல்லை: நாள் முழுவதும் சூரியன் அடிவானத்திற்கு மேலே</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun down all day</source>
        <extracomment>Said where the sun stays down, as at Longyearbyen in December: &quot;No periods tomorrow: sun down all day&quot;.</extracomment>
        <translation>நாளை காலங்கள் இல்லை: நாள் முழுவதும் சூரியன் அடிவானத்திற்குக் கீழே</translation>
    </message>
    <message>
        <source>No periods today: sun down all day</source>
        <translation>இன்று காலங்கள் இல்லை: நாள் முழுவதும் சூரியன் அடிவானத்திற்குக் கீழே</translation>
    </message>
    <message>
        <source>No periods tomorrow: the clocks here skip that day</source>
        <extracomment>Samoa&apos;s clocks skipped 30 December 2011: the day after 29 December was 31 December.</extracomment>
        <translation>நாளை காலங்கள் இல்லை: இங்குள்ள கடிகாரங்கள் அந்த நாளைத் தாண்டுகின்றன</translation>
    </message>
    <message>
        <source>No periods: the place&apos;s time zone is not known</source>
        <extracomment>Said where the place&apos;s clock time is not known, so its periods cannot be given.</extracomment>
        <translation>காலங்கள் இல்லை: இந்த இடத்தின் நேர மண்டலம் தெரியவில்லை</translation>
    </message>
    <message>
        <source>%1 starts now (%2)</source>
        <extracomment>A reminder as the period starts, with the place&apos;s name: &quot;Rahu Kaal starts now (Pune)&quot;.</extracomment>
        <translation>%1 இப்போது தொடங்குகிறது (%2)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute (%3)</source>
        <extracomment>A reminder a minute before: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute (Pune)&quot;.</extracomment>
        <translation>%1 %2 மணிக்குத் தொடங்கும், 1 நிமிடத்தில் (%3)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes (%4)</source>
        <extracomment>A reminder some minutes before: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes (Pune)&quot;.</extracomment>
        <translation>%1 %2 மணிக்குத் தொடங்கும், %3 நிமிடங்களில் (%4)</translation>
    </message>
    <message>
        <source>%1 starts now</source>
        <extracomment>A reminder as the period starts, at a place without a name: &quot;Rahu Kaal starts now&quot;.</extracomment>
        <translation>%1 இப்போது தொடங்குகிறது</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute</source>
        <extracomment>A reminder a minute before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute&quot;.</extracomment>
        <translation>%1 %2 மணிக்குத் தொடங்கும், 1 நிமிடத்தில்</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes</source>
        <extracomment>A reminder some minutes before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes&quot;.</extracomment>
        <translation>%1 %2 மணிக்குத் தொடங்கும், %3 நிமிடங்களில்</translation>
    </message>
</context>
<context>
    <name>PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>இடங்கள்</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>செயல்தவிர் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>மீண்டும் செய் (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>வெட்டு (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>நகலெடு (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ஒட்டு (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம் (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>நகலெடு (&amp;C)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>The Rahu Kaal period: its start, then its end, as date and time.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Rahukal Period (day)</source>
        <translation>ராகு கால நேரம் (பகல்)</translation>
    </message>
    <message>
        <source>Rahukal Period (night before)</source>
        <translation>ராகு கால நேரம் (முந்தைய இரவு)</translation>
    </message>
    <message>
        <source>Rahukal Period (night after)</source>
        <translation>ராகு கால நேரம் (அடுத்த இரவு)</translation>
    </message>
    <message>
        <source>The Chosen Time Period is in Rahu Kaal</source>
        <translation>தேர்ந்தெடுத்த நேரம் ராகு காலத்தில் உள்ளது</translation>
    </message>
    <message>
        <source>The Chosen Time Period is not in Rahu Kaal</source>
        <translation>தேர்ந்தெடுத்த நேரம் ராகு காலத்தில் இல்லை</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 ஐச் சேமிக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>கோப்புப் பெயர் கொடுக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>அது ஒரு கோப்புறை</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>கோப்புறை இல்லை</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe)</source>
        <translation>அது ஒரு FIFO (பெயரிடப்பட்ட குழாய்)</translation>
    </message>
    <message>
        <source>it is a character device</source>
        <translation>அது ஒரு எழுத்துச் சாதனம்</translation>
    </message>
    <message>
        <source>it is a block device</source>
        <translation>அது ஒரு தொகுதிச் சாதனம்</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>அது ஒரு சாக்கெட்</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>அது வழக்கமான கோப்பு அல்ல</translation>
    </message>
    <message>
        <source>it is another user&apos;s link to a file that is not theirs</source>
        <translation>அது வேறொரு பயனரின் இணைப்பு, அவருடையதல்லாத கோப்புக்கு இட்டுச் செல்கிறது</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation>பயன்பாடு ஏற்கெனவே இயங்கிக்கொண்டிருக்கிறது</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>அலாஸ்கா/ஹவாய் பகலொளி நேரம்,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>அலாஸ்கா/ஹவாய் நிலையான நேரம்,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>அலாஸ்கா/ஹவாய் போர்க்கால நேரம்,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>அட்லாண்டிக் நிலையான நேரம்,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>அட்லாண்டிக் போர்க்கால நேரம்,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>மத்திய ஆஸ்திரேலிய பகலொளி நேரம்,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>மத்திய ஆஸ்திரேலிய நிலையான நேரம்,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>கிழக்கு ஆஸ்திரேலிய பகலொளி நேரம்,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>கிழக்கு ஆஸ்திரேலிய நிலையான நேரம்,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>மேற்கு ஆஸ்திரேலிய பகலொளி நேரம்,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>மேற்கு ஆஸ்திரேலிய நிலையான நேரம்,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>அசோர்ஸ் நேரம், AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>பாக்தாத் நேரம், BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>பெரிங் நிலையான நேரம்,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>பிரேசில் மண்டலம் 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>பிரிட்டிஷ் இரட்டைக் கோடை நேரம்,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>பிரிட்டிஷ் கோடை நேரம்,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>பிரிட்டிஷ் போர்க்கால நேரம்,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>மத்திய பகலொளி நேரம்,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>மத்திய ஐரோப்பிய பகலொளி நேரம்,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>மத்திய ஐரோப்பிய நேரம்,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>மத்திய நிலையான நேரம்,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>மத்திய போர்க்கால நேரம்,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>சீனக் கடற்கரை நேரம்,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>கிழக்கத்திய பகலொளி நேரம்,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>கிழக்கு ஐரோப்பிய பகலொளி நேரம்,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>கிழக்கு ஐரோப்பிய நேரம்,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>கிழக்கத்திய நிலையான நேரம்,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>கிழக்கத்திய போர்க்கால நேரம்,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>கிரீன்விச் சராசரி நேரம்,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>குவாம் நிலையான நேரம்,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>ஹவாய் பகலொளி நேரம்,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>ஹவாய் நிலையான நேரம்,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>ஹவாய் போர்க்கால நேரம்,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>இந்திய நேரம், IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>சர்வதேசத் தேதிக் கோடு கிழக்கு,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>சர்வதேசத் தேதிக் கோடு மேற்கு,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ஈரான் நேரம், IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>ஜப்பான் நிலையான நேரம்,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>ஜாவா நேரம், JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>நடு ஐரோப்பிய பகலொளி நேரம்,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>நடு ஐரோப்பிய நேரம்,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>மொலுக்காஸ் நேரம், MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>மவுண்டன் பகலொளி நேரம்,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>மவுண்டன் நிலையான நேரம்,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>மவுண்டன் போர்க்கால நேரம்,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>நியூசிலாந்து நிலையான கோடை நேரம்,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>நியூசிலாந்து நிலையான நேரம்,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>நியூசிலாந்து கோடை நேரம்,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>நியூசிலாந்து நேரம்,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>நியூஃபவுண்ட்லாந்து நிலையான நேரம்,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>நோம் நேரம், NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>வடக்கு சுமத்ரா நேரம்,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>பசிபிக் பகலொளி நேரம்,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>பசிபிக் நிலையான நேரம்,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>பசிபிக் போர்க்கால நேரம்,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>தெற்கு ஆஸ்திரேலிய பகலொளி நேரம்,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>தெற்கு ஆஸ்திரேலிய பகலொளி நேரம்,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>தெற்கு ஆஸ்திரேலிய நிலையான நேரம்,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>தெற்கு ஆஸ்திரேலிய நிலையான நேரம்,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>தெற்கு சுமத்ரா நேரம்,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>உலக நேரம், UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>சோவியத் ஒன்றிய மண்டலம் 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>சோவியத் ஒன்றிய மண்டலம் 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>சோவியத் ஒன்றிய மண்டலம் 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>சோவியத் ஒன்றிய மண்டலம் 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>சோவியத் ஒன்றிய மண்டலம் 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>மேற்கு ஆப்பிரிக்க நேரம்,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>யூகான் பகலொளி நேரம்,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>யூகான் நிலையான நேரம்,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>யூகான் போர்க்கால நேரம்,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>ZoneRules</name>
    <message>
        <source>%1: not in this system&apos;s time-zone data</source>
        <translation>%1: இந்தக் கணினியின் நேர மண்டலத் தரவில் இல்லை</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2 முதல் %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1 அன்று</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>The zone&apos;s standard offset, given for a date that does not exist.</extracomment>
        <translation>நிலையான</translation>
    </message>
    <message>
        <source>%1: %2 %3 (in %4: %5)</source>
        <extracomment>&quot;America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 November)&quot;</extracomment>
        <translation>%1: %3 %2 (%4 இல்: %5)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. It is preferable to do all important and good tasks in the time before or after the Rahu Kaal. Copyright © the Horavela authors. All rights reserved.</source>
        <translation>Horavela ராகு காலத்தைக் கணக்கிடுகிறது. ராகு காலம் அசுப நேரம்; நல்ல காரியங்களை அதற்கு முன்போ பின்போ செய்வது நல்லது. பதிப்புரிமை © Horavela ஆசிரியர்கள். அனைத்து உரிமைகளும் பாதுகாக்கப்பட்டவை.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>வீட்டிலிருந்தே தொழில் வாய்ப்பு: இந்த மென்பொருளை உங்கள் தளத்தின் பெயரிலேயே பெற்று இணையத்தில் சம்பாதியுங்கள்.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>மேலும் அறிய சொடுக்கவும்</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>சரி (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>ராகு காலம் பற்றியும் மேலும் பலவற்றுக்கும் எங்கள் கலந்துரையாடல் தளத்துக்கு வாருங்கள்</translation>
    </message>
    <message>
        <source>Horavela Result</source>
        <translation>Horavela முடிவு</translation>
    </message>
    <message>
        <source>Chosen Date</source>
        <translation>தேர்ந்தெடுத்த தேதி</translation>
    </message>
    <message>
        <source>Chosen Time</source>
        <translation>தேர்ந்தெடுத்த நேரம்</translation>
    </message>
    <message>
        <source>The Chosen Time Period is Not in Rahu Kaal</source>
        <translation>தேர்ந்தெடுத்த நேரம் ராகு காலத்தில் இல்லை</translation>
    </message>
    <message>
        <source>Rahukal Period</source>
        <translation>ராகு கால நேரம்</translation>
    </message>
    <message>
        <source>Rahu Kal is an inauspicious time period in a day when favorable tasks are not performed.</source>
        <translation>ராகு காலம் என்பது ஒரு நாளில் நல்ல காரியங்கள் செய்யப்படாத அசுப நேரம்.</translation>
    </message>
    <message>
        <source>*Do all important and good tasks in the time before or after the Rahu Kal.</source>
        <translation>*ராகு காலம் தவிர்த்துச் சுப காரியம் செய்க.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>வெளியேறு (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல் (&amp;B)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>உங்கள் தளத்தின் பெயருடன் இம்மென்பொருளை வழங்கி விசுவாசத்தையும் வருகையையும் கூட்டுங்கள். பெயரும் இணைப்பும் இங்கே இடலாம்; விவரங்களுக்கு &quot;உதவி&quot; பார்க்கவும்.    மேலும் அறிய சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>வீட்டிலிருந்தே தொழில் வாய்ப்பு. சொந்த இணையத் தொழில் தொடங்கிச் சம்பாதியுங்கள்; இந்த மென்பொருளை உங்கள் தளத்தின் பெயரிலேயே பெறுங்கள். மேலும் அறிய இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Sun Rise Time On</source>
        <translation>சூரிய உதயம்</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>சூரிய அஸ்தமனம்</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>மாதத்தின் ராகு காலம் (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளம் (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார் (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>நன்கொடை அளி (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் சம்பாதிக்க (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmLanguage</name>
    <message>
        <source>&amp;Language of Horavela:</source>
        <translation>Horavela-வின் மொழி (&amp;L):</translation>
    </message>
    <message>
        <source>Language of Horavela</source>
        <translation>Horavela-வின் மொழி</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>சரி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ரத்துசெய் (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>ராகு காலம் பற்றியும் மேலும் பலவற்றுக்கும் எங்கள் கலந்துரையாடல் தளத்துக்கு வாருங்கள்</translation>
    </message>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. Do all important and good tasks in the time before or after the Rahu Kaal.</source>
        <translation>Horavela ராகு காலத்தைக் கணக்கிடுகிறது. ராகு காலம் நல்ல காரியங்கள் செய்யப்படாத அசுப நேரம். முக்கியமான, நல்ல காரியங்களை ராகு காலத்துக்கு முன்போ பின்போ செய்யுங்கள்.</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>உங்கள் பெயரை உள்ளிடுக</translation>
    </message>
    <message>
        <source>Enter Date</source>
        <translation>தேதியை உள்ளிடுக</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>மாதம்</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>நாள்</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>ஆண்டு</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>நேரத்தை உள்ளிடுக</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>மணி</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>நிமிடம்</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>விநாடி</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>உங்கள் நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>நிமி.</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>உதவி</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Enter Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Enter Your City Name</source>
        <translation>நகரத்தின் பெயர்</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>மாநிலத்தின் பெயர்</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>நாட்டின் பெயர்</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை &amp;&amp; தீர்க்கரேகையைக் கண்டறிய இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Is the Chosen Period in Rahul Kaal?</source>
        <translation>தேர்ந்தெடுத்த நேரம் ராகு காலத்தில் உள்ளதா?</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>உங்கள் தளத்தின் பெயருடன் இம்மென்பொருளை வழங்கி விசுவாசத்தையும் வருகையையும் கூட்டுங்கள். பெயரும் இணைப்பும் இங்கே இடலாம்; விவரங்களுக்கு &quot;உதவி&quot; பார்க்கவும்.    மேலும் அறிய சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>வீட்டிலிருந்தே தொழில் வாய்ப்பு. சொந்த இணையத் தொழில் தொடங்கிச் சம்பாதியுங்கள்; இந்த மென்பொருளை உங்கள் தளத்தின் பெயரிலேயே பெறுங்கள். மேலும் அறிய இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>இப்போதைய நேரத்தை அமை (&amp;N)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>மாதத்தின் ராகு காலம் (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளம் (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார் (&amp;U)</translation>
    </message>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>பயன்பாட்டின் மொழியை மாற்று (&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>நன்கொடை அளி (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் சம்பாதிக்க (&amp;O)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>வீட்டு இடமாகச் சேமி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Forget Home Place</source>
        <translation>வீட்டு இடத்தை மறந்துவிடு (&amp;F)</translation>
    </message>
    <message>
        <source>Show in the System &amp;Tray</source>
        <translation>கணினி தட்டில் காட்டு (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>நினைவூட்டல்கள் (&amp;R)...</translation>
    </message>
    <message>
        <source>Start with the &amp;Desktop</source>
        <translation>டெஸ்க்டாப்புடன் தொடங்கு (&amp;D)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>&lt;&lt; Pre&amp;vious Month</source>
        <translation>&lt;&lt; முந்தைய மாதம் (&amp;V)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>முந்தைய மாதம்</translation>
    </message>
    <message>
        <source>&amp;Next Month &gt;&gt;</source>
        <translation>அடுத்த மாதம் (&amp;N) &gt;&gt;</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>அடுத்த மாதம்</translation>
    </message>
    <message>
        <source>Rahu Kaal, Yamaganda and Gulika Kaal of Each Day</source>
        <translation>ஒவ்வொரு நாளின் ராகு காலம், எமகண்டம், குளிகை</translation>
    </message>
    <message>
        <source>Save to &amp;Calendar...</source>
        <translation>நாள்காட்டியில் சேமி (&amp;C)...</translation>
    </message>
    <message>
        <source>Save to Calendar</source>
        <translation>நாள்காட்டியில் சேமி</translation>
    </message>
    <message>
        <source>Saves the periods as events of a calendar file (.ics)</source>
        <translation>நேரங்களை நாள்காட்டிக் கோப்பின் (.ics) நிகழ்வுகளாகச் சேமிக்கிறது</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>CSV ஆகச் சேமி (&amp;S)...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV ஆகச் சேமி</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file for a spreadsheet</source>
        <translation>அட்டவணையை விரிதாளுக்கான CSV கோப்பாகச் சேமிக்கிறது</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>அச்சிடு (&amp;P)...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>அச்சிடு</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF ஆகச் சேமி (&amp;D)...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
</context>
<context>
    <name>frmPlaceSearch</name>
    <message>
        <source>Places found. Choose the one you mean and press Use This Place: its latitude, longitude and time zone go into the main window. The time zone is the one in force at the date and time chosen there, in hours and minutes behind universal time.</source>
        <translation>கண்டறியப்பட்ட இடங்கள். நீங்கள் குறிக்கும் இடத்தைத் தேர்ந்தெடுத்து &quot;இந்த இடத்தைப் பயன்படுத்து&quot; என்பதை அழுத்துங்கள்: அதன் அட்சரேகை, தீர்க்கரேகை, நேர மண்டலம் ஆகியவை முதன்மைச் சாளரத்தில் இடப்படும். நேர மண்டலம் என்பது அங்கு தேர்ந்தெடுத்த தேதியிலும் நேரத்திலும் நடைமுறையில் உள்ளது; அது உலக நேரத்துக்குப் பின்னால் உள்ள மணி, நிமிடங்களில் காட்டப்படும்.</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>கண்டறியப்பட்ட இடங்கள்</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Time zone (hours, minutes)</source>
        <translation>நேர மண்டலம் (மணி, நிமிடம்)</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>GeoNames (geonames.org) தரும் இடங்கள், CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Use This Place</source>
        <translation>இந்த இடத்தைப் பயன்படுத்து (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>இணையத்தில் தேடு (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>மூடு (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>நினைவூட்டல்கள்</translation>
    </message>
    <message>
        <source>minutes before</source>
        <translation>நிமிடங்கள் முன்</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>சரி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ரத்துசெய் (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>நேர மண்டலங்கள்</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>வெளியேறு (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>horavela::SaveMonthDialog</name>
    <message>
        <source>Periods in the Calendar</source>
        <translation>நாள்காட்டியில் சேர்க்கும் நேரங்கள்</translation>
    </message>
    <message>
        <source>&amp;Rahu Kaal</source>
        <translation>ராகு காலம் (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Yamaganda</source>
        <translation>எமகண்டம் (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Gulika Kaal</source>
        <translation>குளிகை (&amp;G)</translation>
    </message>
    <message>
        <source>R&amp;emind Me</source>
        <translation>நினைவூட்டு (&amp;E)</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> நிமிடங்கள் முன்</translation>
    </message>
    <message>
        <source>Minutes before each period</source>
        <translation>ஒவ்வொரு நேரத்துக்கும் எத்தனை நிமிடங்கள் முன்</translation>
    </message>
    <message>
        <source>&amp;Months from the shown one:</source>
        <translation>காட்டப்படும் மாதத்திலிருந்து மாதங்கள் (&amp;M):</translation>
    </message>
</context>
<context>
    <name>horavela::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1-க்குச் செல்க</translation>
    </message>
</context>
<context>
    <name>horavela::frmLanguage</name>
    <message>
        <source>System language</source>
        <translation>கணினியின் மொழி</translation>
    </message>
</context>
<context>
    <name>horavela::frmMain</name>
    <message>
        <source>Please Enter a Number in the Hour and Minute of the Time Zone</source>
        <translation>நேர மண்டலத்தின் மணியிலும் நிமிடத்திலும் எண்ணை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>The sun does not rise or does not set at this place on %1, so Rahu Kaal cannot be calculated.</source>
        <translation>%1 அன்று இந்த இடத்தில் சூரியன் உதிப்பதில்லை அல்லது அஸ்தமிப்பதில்லை; எனவே ராகு காலத்தைக் கணக்கிட முடியாது.</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>தீர்க்கரேகையின் பாகையில் 0 முதல் 179 வரையிலான மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>தீர்க்கரேகையின் நிமிடத்தில் 0 முதல் 59 வரையிலான மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>அட்சரேகையின் பாகையில் 0 முதல் 89 வரையிலான மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>அட்சரேகையின் நிமிடத்தில் 0 முதல் 59 வரையிலான மதிப்பை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>சரியான தேதியை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>எண்கள் மட்டுமே ஏற்கப்படும்</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>எழுத்துகளை மட்டும் உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>நகரத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>மாநிலத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>நாட்டை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>This year, %1, is not in the Year list (%2 to %3), so the date and time are left as they were.</source>
        <translation>இந்த ஆண்டு, %1, ஆண்டுப் பட்டியலில் (%2 முதல் %3 வரை) இல்லை; எனவே தேதியும் நேரமும் மாற்றப்படவில்லை.</translation>
    </message>
    <message>
        <source>The settings could not be read, so the program starts without the home place.</source>
        <translation>அமைப்புகளைப் படிக்க முடியவில்லை, எனவே நிரல் வீட்டு இடம் இல்லாமல் தொடங்குகிறது.</translation>
    </message>
    <message>
        <source>The home place kept in the settings is not a valid place, so the program starts without it.</source>
        <translation>அமைப்புகளில் வைத்துள்ள வீட்டு இடம் சரியான இடம் அல்ல, எனவே நிரல் அது இல்லாமல் தொடங்குகிறது.</translation>
    </message>
    <message>
        <source>The settings could not be written, so the home place is as it was.</source>
        <translation>அமைப்புகளை எழுத முடியவில்லை, எனவே வீட்டு இடம் முன்பு இருந்தபடியே உள்ளது.</translation>
    </message>
    <message>
        <source>This desktop has no system tray, so Horavela cannot show its icon there. Reminders still come while Horavela is open.</source>
        <translation>இந்த டெஸ்க்டாப்பில் கணினி தட்டு இல்லை, எனவே Horavela அதன் சின்னத்தை அங்கே காட்ட முடியாது. இருப்பினும், Horavela திறந்திருக்கும் வரை நினைவூட்டல்கள் வந்துகொண்டே இருக்கும்.</translation>
    </message>
    <message>
        <source>The settings could not be written, so the tray icon is as it was.</source>
        <translation>அமைப்புகளை எழுத முடியவில்லை, எனவே தட்டுச் சின்னம் முன்பு இருந்தபடியே உள்ளது.</translation>
    </message>
    <message>
        <source>The desktop&apos;s list of programs to start could not be changed.</source>
        <translation>டெஸ்க்டாப்புடன் தொடங்கும் நிரல்களின் பட்டியலை மாற்ற முடியவில்லை.</translation>
    </message>
</context>
<context>
    <name>horavela::frmMonth</name>
    <message>
        <source>Time Zone: %1</source>
        <translation>நேர மண்டலம்: %1</translation>
    </message>
    <message>
        <source>Rahu Kaal, %1</source>
        <translation>ராகு காலம், %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>இன்று</translation>
    </message>
    <message>
        <source>Rahu Kaal %1-%2</source>
        <extracomment>A file&apos;s suggested name: &quot;Rahu Kaal 2025-03&quot;.</extracomment>
        <translation>ராகு காலம் %1-%2</translation>
    </message>
    <message>
        <source>, %1 months</source>
        <extracomment>Follows a file&apos;s suggested name: &quot;Rahu Kaal 2025-03, 3 months&quot;.</extracomment>
        <translation>, %1 மாதங்கள்</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>நாள்காட்டி (*.ics)</translation>
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
        <translation>மாதத்தை அச்சிட முடியவில்லை.</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>அச்சிடும் வசதி இல்லை: %1.</translation>
    </message>
</context>
<context>
    <name>horavela::frmPlaceSearch</name>
    <message>
        <source>%1; latitude %2; longitude %3; time zone %4</source>
        <translation>%1; அட்சரேகை %2; தீர்க்கரேகை %3; நேர மண்டலம் %4</translation>
    </message>
</context>
<context>
    <name>horavela::frmReminders</name>
    <message>
        <source>Minutes before %1</source>
        <extracomment>The spin box&apos;s name for a screen reader: &quot;Minutes before Rahu Kaal&quot;.</extracomment>
        <translation>%1 தொடங்குவதற்கு எத்தனை நிமிடங்கள் முன்</translation>
    </message>
    <message>
        <source>The settings could not be written, so the reminders are as they were.</source>
        <translation>அமைப்புகளை எழுத முடியவில்லை, எனவே நினைவூட்டல்கள் முன்பு இருந்தபடியே உள்ளன.</translation>
    </message>
</context>
</TS>
