<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu_IN">
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &quot;%1&quot;; see horavela --help</source>
        <translation>અણધાર્યો આર્ગ્યુમેન્ટ &quot;%1&quot;; જુઓ horavela --help</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 બે વાર આપ્યો છે</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 માટે કિંમત જરૂરી છે</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone (missing --%1)</source>
        <translation>--place આપો, અથવા --lat, --lon અને --zone (--%1 ખૂટે છે)</translation>
    </message>
    <message>
        <source>--lat &quot;%1&quot; is not a latitude in decimal degrees</source>
        <translation>--lat &quot;%1&quot; દશાંશ અંશમાં અક્ષાંશ નથી</translation>
    </message>
    <message>
        <source>--lon &quot;%1&quot; is not a longitude in decimal degrees</source>
        <translation>--lon &quot;%1&quot; દશાંશ અંશમાં રેખાંશ નથી</translation>
    </message>
    <message>
        <source>--zone &quot;%1&quot; is neither a zone of this system&apos;s time-zone data nor hours:minutes such as -5:-30</source>
        <translation>--zone &quot;%1&quot; ન તો આ સિસ્ટમના સમય ઝોન ડેટામાંનો કોઈ સમય ઝોન છે, ન તો -5:-30 જેવા કલાક:મિનિટ</translation>
    </message>
    <message>
        <source>--place &quot;%1&quot; is not &quot;CITY, STATE, COUNTRY&quot;</source>
        <translation>--place &quot;%1&quot; &quot;શહેર, રાજ્ય, દેશ&quot; રૂપમાં નથી</translation>
    </message>
    <message>
        <source>the places database cannot be read</source>
        <translation>સ્થળોનો ડેટાબેઝ વાંચી શકાતો નથી</translation>
    </message>
    <message>
        <source>no place called &quot;%1&quot; in the places database</source>
        <translation>સ્થળોના ડેટાબેઝમાં &quot;%1&quot; નામનું કોઈ સ્થળ નથી</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>ઓછામાં ઓછાં %1</translation>
    </message>
    <message>
        <source>the zone of %1, %2, is not in this system&apos;s time-zone data</source>
        <translation>%1 નો સમય ઝોન, %2, આ સિસ્ટમના સમય ઝોન ડેટામાં નથી</translation>
    </message>
    <message>
        <source>--language &quot;%1&quot; is not one of en, hi, bn, te, mr, ta, gu, kn, ml, pa and or</source>
        <translation>--language &quot;%1&quot; en, hi, bn, te, mr, ta, gu, kn, ml, pa અને or માંથી એક પણ નથી</translation>
    </message>
    <message>
        <source>--month YYYY-MM is needed; see horavela --help</source>
        <translation>--month YYYY-MM જરૂરી છે; જુઓ horavela --help</translation>
    </message>
    <message>
        <source>--month &quot;%1&quot; is not a month such as 2025-03</source>
        <translation>--month &quot;%1&quot; 2025-03 જેવો મહિનો નથી</translation>
    </message>
    <message>
        <source>--months &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>--months &quot;%1&quot; 1 થી 12 સુધીની સંખ્યા નથી</translation>
    </message>
    <message>
        <source>the months must lie from 1901-01 to 2050-12</source>
        <translation>મહિના 1901-01 થી 2050-12 સુધીમાં હોવા જોઈએ</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone, not both</source>
        <translation>--place આપો, અથવા --lat, --lon અને --zone, બંને નહીં</translation>
    </message>
    <message>
        <source>standard output cannot be written</source>
        <translation>સ્ટાન્ડર્ડ આઉટપુટમાં લખી શકાતું નથી</translation>
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
        <translation>ઉપયોગ: horavela --month YYYY-MM (--place &quot;શહેર[, રાજ્ય], દેશ&quot; |
                --lat=DEGREES --lon=DEGREES --zone=ZONE) [OPTIONS]

કોઈ સ્થળ માટે મહિનાના દરેક દિવસના રાહુકાળ, યમગંડ અને ગુલિક કાળ લખે છે,
જેમ મહિનાની વિન્ડો તેમને સાચવે છે તેમ, કોઈ વિન્ડો ખોલ્યા વિના.

  --month YYYY-MM    પહેલો મહિનો, 1901-01 થી 2050-12 સુધી
  --months N         કેટલા મહિના, 1 થી 12 (મૂળભૂત 1)
  --place TEXT       સ્થળોના ડેટાબેઝમાંનું કોઈ સ્થળ: &quot;Pune, Maharashtra, India&quot;,
                     &quot;Pune, India&quot; અથવા &quot;Pune&quot;; તેનો સમય ઝોન તારીખ પ્રમાણે લેવાય છે
  --lat DEGREES      દશાંશ અંશમાં અક્ષાંશ, ઉત્તર ધન: 18.52
  --lon DEGREES      દશાંશ અંશમાં રેખાંશ, પૂર્વ ધન: -74.0 એટલે પશ્ચિમ
                     (બંને નજીકની મિનિટ સુધી રાઉન્ડ કરાય છે)
  --zone ZONE        સમય ઝોનનું નામ, Asia/Kolkata, જેનો ઑફસેટ તારીખ પ્રમાણે લેવાય છે; અથવા
                     સાર્વત્રિક સમયથી પાછળના કલાક:મિનિટ, જેમ મુખ્ય વિન્ડો તેમને લે છે,
                     -5:-30 (એક કલાકથી ઓછું આગળ હોય તો: -0:-19)
  --format FORMAT    text (મૂળભૂત), csv, ics (કૅલેન્ડર) અથવા pdf (મહિનાની વિન્ડોનાં
                     પાનાં, ફક્ત --out સાથે)
  --periods LIST     કૅલેન્ડરની ઘટનાઓ: rahu, yamaganda અને gulika માંથી કોઈ પણ,
                     અલ્પવિરામથી અલગ (મૂળભૂત rahu); ફક્ત --format ics સાથે
  --alarm MINUTES    કૅલેન્ડરનું રિમાઇન્ડર, દરેક સમયગાળાના 1 થી 1440 મિનિટ પહેલાં,
                     અથવા none (મૂળભૂત 10); ફક્ત --format ics સાથે
  --out FILE         FILE લખે છે, આખી અથવા બિલકુલ નહીં; નહીં તો સ્ટાન્ડર્ડ આઉટપુટ
  --language CODE    લખાણ અને કૅલેન્ડરની ભાષા: en, hi, bn, te, mr,
                     ta, gu, kn, ml, pa અથવા or (મૂળભૂત: વિન્ડોમાં પસંદ કરેલી,
                     નહીં તો ડેસ્કટૉપની)
  -h, --help         આ મદદ બતાવે છે
  --version          પ્રોગ્રામનું સંસ્કરણ બતાવે છે

દરેક વિકલ્પ તેની કિંમત --name value અથવા --name=value રૂપે લે છે.
બહાર નીકળવાની સ્થિતિ: 0 પૂર્ણ, 2 ખોટું ઇનપુટ, 1 ફાઇલ અથવા સ્થળોનો ડેટાબેઝ નિષ્ફળ.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>અજાણ્યો વિકલ્પ %1</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 કોઈ કિંમત લેતો નથી</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; holds a line break or another control character</source>
        <translation>--%1 &quot;%2&quot; માં લાઇન બ્રેક અથવા બીજો નિયંત્રણ અક્ષર છે</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; has a space before or after it</source>
        <translation>--%1 &quot;%2&quot; ની આગળ કે પાછળ ખાલી જગ્યા છે</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches %2 places (%3); name the state and the country</source>
        <translation>&quot;%1&quot; સાથે %2 સ્થળો મેળ ખાય છે (%3); રાજ્ય અને દેશનું નામ આપો</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; is not text, csv, ics or pdf</source>
        <translation>--format &quot;%1&quot; text, csv, ics કે pdf નથી</translation>
    </message>
    <message>
        <source>--format pdf needs --out FILE: a PDF is not written to standard output</source>
        <translation>--format pdf માટે --out FILE જરૂરી છે: PDF સ્ટાન્ડર્ડ આઉટપુટમાં લખાતી નથી</translation>
    </message>
    <message>
        <source>--%1 chooses what the calendar holds: give it with --format ics</source>
        <translation>--%1 કૅલેન્ડરમાં શું હશે તે પસંદ કરે છે: તેને --format ics સાથે આપો</translation>
    </message>
    <message>
        <source>--periods &quot;%1&quot; is not a comma-separated list of rahu, yamaganda and gulika, each at most once</source>
        <translation>--periods &quot;%1&quot; rahu, yamaganda અને gulika ની અલ્પવિરામથી અલગ યાદી નથી, જેમાં દરેક વધુમાં વધુ એક વાર હોય</translation>
    </message>
    <message>
        <source>--alarm &quot;%1&quot; is neither none nor a number of minutes from 1 to 1440</source>
        <translation>--alarm &quot;%1&quot; none નથી, કે 1 થી 1440 સુધીની મિનિટની સંખ્યા પણ નથી</translation>
    </message>
    <message>
        <source>the PDF cannot be drawn</source>
        <translation>PDF બનાવી શકાતી નથી</translation>
    </message>
</context>
<context>
    <name>DegreesMinutes</name>
    <message>
        <source>N</source>
        <extracomment>North, after a latitude&apos;s degrees and minutes: 18° 31′ N</extracomment>
        <translation>ઉ</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, after a latitude&apos;s degrees and minutes: 33° 52′ S</extracomment>
        <translation>દ</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, after a longitude&apos;s degrees and minutes: 73° 51′ E</extracomment>
        <translation>પૂ</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, after a longitude&apos;s degrees and minutes: 74° 0′ W</extracomment>
        <translation>પ</translation>
    </message>
</context>
<context>
    <name>HomeTray</name>
    <message>
        <source>Open Horavela</source>
        <translation>Horavela ખોલો</translation>
    </message>
    <message>
        <source>Rahu Kaal of the Month...</source>
        <translation>મહિનાનો રાહુકાળ...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>રિમાઇન્ડર...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>બહાર નીકળો</translation>
    </message>
    <message>
        <source>Horavela goes on running in the system tray, and its reminders still come. To end it, choose &quot;Quit&quot; in the menu of its icon there.</source>
        <translation>Horavela સિસ્ટમ ટ્રેમાં ચાલતું રહે છે, અને તેનાં રિમાઇન્ડર આવતાં રહે છે. તેને પૂરેપૂરું બંધ કરવા માટે, ત્યાં તેના આઇકનના મેનૂમાં &quot;બહાર નીકળો&quot; પસંદ કરો.</translation>
    </message>
</context>
<context>
    <name>MonthFiles</name>
    <message>
        <source>%1 %2: %3 to %4 local time (UTC%5)</source>
        <translation>%1 %2: સ્થાનિક સમય મુજબ %3 થી %4 (UTC%5)</translation>
    </message>
</context>
<context>
    <name>MonthPages</name>
    <message>
        <source>Sunrise and sunset are worked out to the minute by the almanac method, for the moment the sun&apos;s centre lies 50 minutes of arc below the horizon (its upper edge meeting the horizon, allowing for refraction), at this place and in its time zone; each period is one eighth of the daylight between them.</source>
        <translation>સૂર્યોદય અને સૂર્યાસ્ત પંચાંગની પદ્ધતિથી મિનિટ સુધી ગણવામાં આવે છે, એ ક્ષણ માટે જ્યારે સૂર્યનું કેન્દ્ર ક્ષિતિજથી 50 કળા (આર્ક-મિનિટ) નીચે હોય (વક્રીભવનને ગણતરીમાં લેતાં, તેની ઉપલી કિનાર ક્ષિતિજને અડે), આ સ્થળે અને તેના સમય ઝોનમાં; દરેક સમયગાળો એ બંને વચ્ચેના દિવસના અજવાળાનો આઠમો ભાગ છે.</translation>
    </message>
</context>
<context>
    <name>MonthTexts</name>
    <message>
        <source>Rahu Kaal</source>
        <translation>રાહુકાળ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>યમગંડ</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <translation>ગુલિક કાળ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>તારીખ</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>વાર</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>સૂર્યોદય</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>સૂર્યાસ્ત</translation>
    </message>
    <message>
        <source>No time zone is known for this day</source>
        <translation>આ દિવસ માટે કોઈ સમય ઝોન જાણીતો નથી</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <translation>આખો દિવસ સૂર્ય ક્ષિતિજ ઉપર</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <translation>આખો દિવસ સૂર્ય ક્ષિતિજ નીચે</translation>
    </message>
    <message>
        <source>This day did not happen here: the clocks skipped it</source>
        <translation>આ દિવસ અહીં આવ્યો જ નહીં: ઘડિયાળો તેને વટાવી ગઈ</translation>
    </message>
    <message>
        <source>%1 did not happen at this place: its clocks skipped it.</source>
        <extracomment>A day that the place&apos;s clocks jumped over, as Samoa&apos;s did on 30 December 2011.</extracomment>
        <translation>%1 આ સ્થળે આવ્યો જ નહીં: અહીંની ઘડિયાળો એ દિવસ વટાવી ગઈ.</translation>
    </message>
</context>
<context>
    <name>NowAndNextTexts</name>
    <message>
        <source>%1 now, until %2</source>
        <extracomment>The period on now and when it ends: &quot;Rahu Kaal now, until 4:59 PM&quot;.</extracomment>
        <translation>%1 હમણાં, %2 સુધી</translation>
    </message>
    <message>
        <source>Next: %1 tomorrow, %2 to %3</source>
        <extracomment>The next period, which starts tomorrow: &quot;Next: Yamaganda tomorrow, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>આગળ: આવતીકાલે %1, %2 થી %3</translation>
    </message>
    <message>
        <source>Next: %1, %2 to %3</source>
        <extracomment>The next period, later today: &quot;Next: Yamaganda, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>આગળ: %1, %2 થી %3</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun up all day</source>
        <extracomment>Said where the sun stays up, as at Longyearbyen in June: &quot;No periods today: sun up all day&quot;.</extracomment>
        <translation>આવતીકાલે કોઈ કાળ નથી: આખો દિવસ સૂર્ય ક્ષિતિજ ઉપર</translation>
    </message>
    <message>
        <source>No periods today: sun up all day</source>
        <translation>આજે કોઈ કાળ નથી: આખો દિવસ સૂર્ય ક્ષિતિજ ઉપર</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun down all day</source>
        <extracomment>Said where the sun stays down, as at Longyearbyen in December: &quot;No periods tomorrow: sun down all day&quot;.</extracomment>
        <translation>આવતીકાલે કોઈ કાળ નથી: આખો દિવસ સૂર્ય ક્ષિતિજ નીચે</translation>
    </message>
    <message>
        <source>No periods today: sun down all day</source>
        <translation>આજે કોઈ કાળ નથી: આખો દિવસ સૂર્ય ક્ષિતિજ નીચે</translation>
    </message>
    <message>
        <source>No periods tomorrow: the clocks here skip that day</source>
        <extracomment>Samoa&apos;s clocks skipped 30 December 2011: the day after 29 December was 31 December.</extracomment>
        <translation>આવતીકાલે કોઈ કાળ નથી: અહીંની ઘડિયાળો એ દિવસ વટાવી જાય છે</translation>
    </message>
    <message>
        <source>No periods: the place&apos;s time zone is not known</source>
        <extracomment>Said where the place&apos;s clock time is not known, so its periods cannot be given.</extracomment>
        <translation>કોઈ કાળ નથી: આ સ્થળનો સમય ઝોન જાણીતો નથી</translation>
    </message>
    <message>
        <source>%1 starts now (%2)</source>
        <extracomment>A reminder as the period starts, with the place&apos;s name: &quot;Rahu Kaal starts now (Pune)&quot;.</extracomment>
        <translation>%1 હમણાં શરૂ (%2)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute (%3)</source>
        <extracomment>A reminder a minute before: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute (Pune)&quot;.</extracomment>
        <translation>%1 %2 વાગ્યે શરૂ, 1 મિનિટમાં (%3)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes (%4)</source>
        <extracomment>A reminder some minutes before: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes (Pune)&quot;.</extracomment>
        <translation>%1 %2 વાગ્યે શરૂ, %3 મિનિટમાં (%4)</translation>
    </message>
    <message>
        <source>%1 starts now</source>
        <extracomment>A reminder as the period starts, at a place without a name: &quot;Rahu Kaal starts now&quot;.</extracomment>
        <translation>%1 હમણાં શરૂ</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute</source>
        <extracomment>A reminder a minute before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute&quot;.</extracomment>
        <translation>%1 %2 વાગ્યે શરૂ, 1 મિનિટમાં</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes</source>
        <extracomment>A reminder some minutes before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes&quot;.</extracomment>
        <translation>%1 %2 વાગ્યે શરૂ, %3 મિનિટમાં</translation>
    </message>
</context>
<context>
    <name>PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>સ્થળો</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>પૂર્વવત્ કરો (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ફરી કરો (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>કાપો (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>નકલ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ચોંટાડો (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>કાઢી નાખો</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>બધું પસંદ કરો</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>બરાબર</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>રદ કરો</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>બંધ કરો</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>સાચવો</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>હા (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ના (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>નકલ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>બધું પસંદ કરો</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>The Rahu Kaal period: its start, then its end, as date and time.</extracomment>
        <translation>%1 થી %2</translation>
    </message>
    <message>
        <source>Rahukal Period (day)</source>
        <translation>રાહુકાળ (દિવસ)</translation>
    </message>
    <message>
        <source>Rahukal Period (night before)</source>
        <translation>રાહુકાળ (પહેલાંની રાત્રિ)</translation>
    </message>
    <message>
        <source>Rahukal Period (night after)</source>
        <translation>રાહુકાળ (પછીની રાત્રિ)</translation>
    </message>
    <message>
        <source>The Chosen Time Period is in Rahu Kaal</source>
        <translation>પસંદ કરેલો સમય રાહુકાળમાં છે</translation>
    </message>
    <message>
        <source>The Chosen Time Period is not in Rahu Kaal</source>
        <translation>પસંદ કરેલો સમય રાહુકાળમાં નથી</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 સાચવી શકાઈ નહીં: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>ફાઇલનું નામ આપ્યું નથી</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>તે ફોલ્ડર છે</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>ફોલ્ડર અસ્તિત્વમાં નથી</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe)</source>
        <translation>તે FIFO (નામવાળી પાઇપ) છે</translation>
    </message>
    <message>
        <source>it is a character device</source>
        <translation>તે કેરેક્ટર ડિવાઇસ છે</translation>
    </message>
    <message>
        <source>it is a block device</source>
        <translation>તે બ્લોક ડિવાઇસ છે</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>તે સૉકેટ છે</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>તે સામાન્ય ફાઇલ નથી</translation>
    </message>
    <message>
        <source>it is another user&apos;s link to a file that is not theirs</source>
        <translation>તે બીજા વપરાશકર્તાની લિંક છે, જે તેમની ન હોય તેવી ફાઇલ તરફ લઈ જાય છે</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation>એપ્લિકેશન પહેલેથી ચાલી રહી છે</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>અલાસ્કા/હવાઈ દિવસ સમય,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>અલાસ્કા/હવાઈ પ્રમાણભૂત સમય,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>અલાસ્કા/હવાઈ યુદ્ધકાલીન સમય,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>એટલાન્ટિક પ્રમાણભૂત સમય,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>એટલાન્ટિક યુદ્ધકાલીન સમય,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ઑસ્ટ્રેલિયન કેન્દ્રીય દિવસ સમય,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ઑસ્ટ્રેલિયન કેન્દ્રીય પ્રમાણભૂત સમય,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ઑસ્ટ્રેલિયન પૂર્વીય દિવસ સમય,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ઑસ્ટ્રેલિયન પૂર્વીય પ્રમાણભૂત સમય,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ઑસ્ટ્રેલિયન પશ્ચિમી દિવસ સમય,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ઑસ્ટ્રેલિયન પશ્ચિમી પ્રમાણભૂત સમય,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>એઝોર્સ સમય, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>બગદાદ સમય, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>બેરિંગ પ્રમાણભૂત સમય,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>બ્રાઝિલ ઝોન 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>બ્રિટિશ બેવડો ગ્રીષ્મ સમય,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>બ્રિટિશ ગ્રીષ્મ સમય,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>બ્રિટિશ યુદ્ધકાલીન સમય,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>કેન્દ્રીય દિવસ સમય,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>કેન્દ્રીય યુરોપિયન દિવસ સમય,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>કેન્દ્રીય યુરોપિયન સમય,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>કેન્દ્રીય પ્રમાણભૂત સમય,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>કેન્દ્રીય યુદ્ધકાલીન સમય,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>ચીન તટીય સમય,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>પૂર્વીય દિવસ સમય,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>પૂર્વ યુરોપિયન દિવસ સમય,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>પૂર્વ યુરોપિયન સમય,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>પૂર્વીય પ્રમાણભૂત સમય,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>પૂર્વીય યુદ્ધકાલીન સમય,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ગ્રીનવિચ મધ્યમ સમય,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>ગુઆમ પ્રમાણભૂત સમય,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>હવાઈ દિવસ સમય,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>હવાઈ પ્રમાણભૂત સમય,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>હવાઈ યુદ્ધકાલીન સમય,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>ભારતીય સમય, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>આંતરરાષ્ટ્રીય તારીખ રેખા પૂર્વ,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>આંતરરાષ્ટ્રીય તારીખ રેખા પશ્ચિમ,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ઈરાન સમય, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>જાપાન પ્રમાણભૂત સમય,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>જાવા સમય, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>મધ્ય યુરોપિયન દિવસ સમય,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>મધ્ય યુરોપિયન સમય,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>મોલુકાસ સમય, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>માઉન્ટન દિવસ સમય,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>માઉન્ટન પ્રમાણભૂત સમય,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>માઉન્ટન યુદ્ધકાલીન સમય,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>ન્યૂઝીલેન્ડ પ્રમાણભૂત ગ્રીષ્મ સમય,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>ન્યૂઝીલેન્ડ પ્રમાણભૂત સમય,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>ન્યૂઝીલેન્ડ ગ્રીષ્મ સમય,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>ન્યૂઝીલેન્ડ સમય,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>ન્યૂફાઉન્ડલેન્ડ પ્રમાણભૂત સમય,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>નોમ સમય, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>ઉત્તર સુમાત્રા સમય,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>પેસિફિક દિવસ સમય,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>પેસિફિક પ્રમાણભૂત સમય,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>પેસિફિક યુદ્ધકાલીન સમય,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>દક્ષિણ ઑસ્ટ્રેલિયા દિવસ સમય,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>દક્ષિણ ઑસ્ટ્રેલિયા દિવસ સમય,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>દક્ષિણ ઑસ્ટ્રેલિયા પ્રમાણભૂત સમય,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>દક્ષિણ ઑસ્ટ્રેલિયા પ્રમાણભૂત સમય,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>દક્ષિણ સુમાત્રા સમય,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>સાર્વત્રિક સમય, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>સોવિયેત સંઘ ઝોન 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>સોવિયેત સંઘ ઝોન 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>સોવિયેત સંઘ ઝોન 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>સોવિયેત સંઘ ઝોન 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>સોવિયેત સંઘ ઝોન 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>પશ્ચિમ આફ્રિકા સમય,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>યુકોન દિવસ સમય,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>યુકોન પ્રમાણભૂત સમય,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>યુકોન યુદ્ધકાલીન સમય,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>ZoneRules</name>
    <message>
        <source>%1: not in this system&apos;s time-zone data</source>
        <translation>%1: આ સિસ્ટમના સમય ઝોન ડેટામાં નથી</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2 થી %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1 ના રોજ</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>The zone&apos;s standard offset, given for a date that does not exist.</extracomment>
        <translation>પ્રમાણભૂત</translation>
    </message>
    <message>
        <source>%1: %2 %3 (in %4: %5)</source>
        <extracomment>&quot;America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 November)&quot;</extracomment>
        <translation>%1: %3 %2 (%4 માં: %5)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. It is preferable to do all important and good tasks in the time before or after the Rahu Kaal. Copyright © the Horavela authors. All rights reserved.</source>
        <translation>Horavela રાહુકાળની ગણતરી કરે છે. રાહુકાળ દિવસનો એક અશુભ સમયગાળો છે, જ્યારે શુભ કાર્યો કરવામાં આવતાં નથી. બધાં મહત્ત્વનાં અને સારાં કાર્યો રાહુકાળ પહેલાં કે પછીના સમયમાં કરવાં વધુ સારું છે. કૉપિરાઇટ © Horavela ના લેખકો. સર્વ હકો સુરક્ષિત.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>ઘરઆધારિત વ્યવસાયની તક. તમારો પોતાનો ઑનલાઇન વ્યવસાય શરૂ કરી કમાણી કરો. આ સૉફ્ટવેર સંપૂર્ણપણે તમારી વેબસાઇટના બ્રાન્ડ સાથે મેળવો.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>વધુ વિગતો જાણવા અહીં ક્લિક કરો</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>બરાબર (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>રાહુકાળ અને વધુ માટે અમારી ચર્ચા સાઇટની મુલાકાત લો</translation>
    </message>
    <message>
        <source>Horavela Result</source>
        <translation>Horavela પરિણામ</translation>
    </message>
    <message>
        <source>Chosen Date</source>
        <translation>પસંદ કરેલી તારીખ</translation>
    </message>
    <message>
        <source>Chosen Time</source>
        <translation>પસંદ કરેલો સમય</translation>
    </message>
    <message>
        <source>The Chosen Time Period is Not in Rahu Kaal</source>
        <translation>પસંદ કરેલો સમય રાહુકાળમાં નથી</translation>
    </message>
    <message>
        <source>Rahukal Period</source>
        <translation>રાહુકાળનો સમયગાળો</translation>
    </message>
    <message>
        <source>Rahu Kal is an inauspicious time period in a day when favorable tasks are not performed.</source>
        <translation>રાહુકાળ દિવસનો એક અશુભ સમયગાળો છે, જ્યારે શુભ કાર્યો કરવામાં આવતાં નથી.</translation>
    </message>
    <message>
        <source>*Do all important and good tasks in the time before or after the Rahu Kal.</source>
        <translation>*બધાં મહત્ત્વનાં અને સારાં કાર્યો રાહુકાળ પહેલાં કે પછીના સમયમાં કરો.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>બહાર નીકળો (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>પાછા જાઓ (&amp;B)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>આ સૉફ્ટવેરને તમારી સાઇટ માટે કો-બ્રાન્ડ કરો. તમારી સાઇટ પ્રત્યે વફાદારી અને ટ્રાફિક વધારો. તમારી સાઇટનું નામ અને લિંક અહીં મૂકો. વિગતો માટે &quot;મદદ&quot; જુઓ. કો-બ્રાન્ડિંગ વિશે વધુ માહિતી માટે અહીં ક્લિક કરો.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ઘરેથી વ્યવસાયની તક. તમારો પોતાનો ઇન્ટરનેટ વ્યવસાય શરૂ કરો અને ઑનલાઇન કમાણી કરો. આ સૉફ્ટવેર સંપૂર્ણપણે તમારી વેબસાઇટના બ્રાન્ડ સાથે મેળવો. વધુ વિગતો માટે અહીં ક્લિક કરો.</translation>
    </message>
    <message>
        <source>Sun Rise Time On</source>
        <translation>સૂર્યોદયનો સમય</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>સૂર્યાસ્તનો સમય</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ફાઇલ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>મદદ (&amp;H)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>મહિનાનો રાહુકાળ (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>બહાર નીકળો (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ઑનલાઇન મદદ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>અમારી વેબસાઇટ જુઓ (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>સૉફ્ટવેર અપડેટ તપાસો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>સૉફ્ટવેર વિશે (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>દાન આપો (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ઑનલાઇન કમાણી કરો (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmLanguage</name>
    <message>
        <source>&amp;Language of Horavela:</source>
        <translation>Horavela ની ભાષા (&amp;L):</translation>
    </message>
    <message>
        <source>Language of Horavela</source>
        <translation>Horavela ની ભાષા</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>બરાબર (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>રદ કરો (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>રાહુકાળ અને વધુ માટે અમારી ચર્ચા સાઇટની મુલાકાત લો</translation>
    </message>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. Do all important and good tasks in the time before or after the Rahu Kaal.</source>
        <translation>Horavela રાહુકાળની ગણતરી કરે છે. રાહુકાળ દિવસનો એક અશુભ સમયગાળો છે, જ્યારે શુભ કાર્યો કરવામાં આવતાં નથી. બધાં મહત્ત્વનાં અને સારાં કાર્યો રાહુકાળ પહેલાં કે પછીના સમયમાં કરો.</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>તમારું નામ દાખલ કરો</translation>
    </message>
    <message>
        <source>Enter Date</source>
        <translation>તારીખ દાખલ કરો</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>મહિનો</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>દિવસ</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>વર્ષ</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>સમય દાખલ કરો</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>કલાક</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>મિનિટ</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>સેકન્ડ</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>સમય ઝોન દાખલ કરો</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>મિનિટ</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>ઝોન મદદ</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>અક્ષાંશ દાખલ કરો</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>અંશ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ઉત્તર</translation>
    </message>
    <message>
        <source>South</source>
        <translation>દક્ષિણ</translation>
    </message>
    <message>
        <source>Enter Longitude</source>
        <translation>રેખાંશ દાખલ કરો</translation>
    </message>
    <message>
        <source>East</source>
        <translation>પૂર્વ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>પશ્ચિમ</translation>
    </message>
    <message>
        <source>Enter Your City Name</source>
        <translation>તમારા શહેરનું નામ</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>તમારા રાજ્યનું નામ</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>તમારા દેશનું નામ</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>અક્ષાંશ &amp;&amp; રેખાંશ શોધવા માટે અહીં ક્લિક કરો</translation>
    </message>
    <message>
        <source>Is the Chosen Period in Rahul Kaal?</source>
        <translation>શું પસંદ કરેલો સમય રાહુકાળમાં છે?</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>આ સૉફ્ટવેરને તમારી સાઇટ માટે કો-બ્રાન્ડ કરો. તમારી સાઇટ પ્રત્યે વફાદારી અને ટ્રાફિક વધારો. તમારી સાઇટનું નામ અને લિંક અહીં મૂકો. વિગતો માટે &quot;મદદ&quot; જુઓ. કો-બ્રાન્ડિંગ વિશે વધુ માહિતી માટે અહીં ક્લિક કરો.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ઘરેથી વ્યવસાયની તક. તમારો પોતાનો ઇન્ટરનેટ વ્યવસાય શરૂ કરો અને ઑનલાઇન કમાણી કરો. આ સૉફ્ટવેર સંપૂર્ણપણે તમારી વેબસાઇટના બ્રાન્ડ સાથે મેળવો. વધુ વિગતો માટે અહીં ક્લિક કરો.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ફાઇલ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>મદદ (&amp;H)</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>અત્યારનો સમય મૂકો (&amp;N)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>મહિનાનો રાહુકાળ (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>બહાર નીકળો (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ઑનલાઇન મદદ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>અમારી વેબસાઇટ જુઓ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>સૉફ્ટવેર અપડેટ તપાસો (&amp;U)</translation>
    </message>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>એપ્લિકેશનની ભાષા બદલો (&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>સૉફ્ટવેર વિશે (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>દાન આપો (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ઑનલાઇન કમાણી કરો (&amp;O)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>ઘરના સ્થળ તરીકે સાચવો (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Forget Home Place</source>
        <translation>ઘરનું સ્થળ ભૂલી જાઓ (&amp;F)</translation>
    </message>
    <message>
        <source>Show in the System &amp;Tray</source>
        <translation>સિસ્ટમ ટ્રેમાં બતાવો (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>રિમાઇન્ડર (&amp;R)...</translation>
    </message>
    <message>
        <source>Start with the &amp;Desktop</source>
        <translation>ડેસ્કટૉપ સાથે શરૂ કરો (&amp;D)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>&lt;&lt; Pre&amp;vious Month</source>
        <translation>&lt;&lt; પાછલો મહિનો (&amp;V)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>પાછલો મહિનો</translation>
    </message>
    <message>
        <source>&amp;Next Month &gt;&gt;</source>
        <translation>આવતો મહિનો (&amp;N) &gt;&gt;</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>આવતો મહિનો</translation>
    </message>
    <message>
        <source>Rahu Kaal, Yamaganda and Gulika Kaal of Each Day</source>
        <translation>દરેક દિવસના રાહુકાળ, યમગંડ અને ગુલિક કાળ</translation>
    </message>
    <message>
        <source>Save to &amp;Calendar...</source>
        <translation>કૅલેન્ડરમાં સાચવો (&amp;C)...</translation>
    </message>
    <message>
        <source>Save to Calendar</source>
        <translation>કૅલેન્ડરમાં સાચવો</translation>
    </message>
    <message>
        <source>Saves the periods as events of a calendar file (.ics)</source>
        <translation>સમયગાળાઓને કૅલેન્ડર ફાઇલ (.ics) માં ઇવેન્ટ તરીકે સાચવે છે</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>CSV તરીકે સાચવો (&amp;S)...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV તરીકે સાચવો</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file for a spreadsheet</source>
        <translation>કોષ્ટકને સ્પ્રેડશીટ માટે CSV ફાઇલ તરીકે સાચવે છે</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>છાપો (&amp;P)...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>છાપો</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF તરીકે સાચવો (&amp;D)...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF તરીકે સાચવો</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>બંધ કરો</translation>
    </message>
</context>
<context>
    <name>frmPlaceSearch</name>
    <message>
        <source>Places found. Choose the one you mean and press Use This Place: its latitude, longitude and time zone go into the main window. The time zone is the one in force at the date and time chosen there, in hours and minutes behind universal time.</source>
        <translation>મળેલાં સ્થળો. તમે જે સ્થળ ઇચ્છો છો તે પસંદ કરો અને &quot;આ સ્થળ વાપરો&quot; દબાવો: તેનાં અક્ષાંશ, રેખાંશ અને સમય ઝોન મુખ્ય વિન્ડોમાં જશે. સમય ઝોન એ છે જે ત્યાં પસંદ કરેલી તારીખ અને સમયે અમલમાં હોય, સાર્વત્રિક સમયથી પાછળના કલાક અને મિનિટમાં.</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>મળેલાં સ્થળો</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>સ્થળ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>અક્ષાંશ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>રેખાંશ</translation>
    </message>
    <message>
        <source>Time zone (hours, minutes)</source>
        <translation>સમય ઝોન (કલાક, મિનિટ)</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>સ્થળો GeoNames (geonames.org) માંથી, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Use This Place</source>
        <translation>આ સ્થળ વાપરો (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>વેબ પર શોધો (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>બંધ કરો (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>રિમાઇન્ડર</translation>
    </message>
    <message>
        <source>minutes before</source>
        <translation>મિનિટ પહેલાં</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>બરાબર (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>રદ કરો (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>સમય ઝોન</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>બહાર નીકળો (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>horavela::SaveMonthDialog</name>
    <message>
        <source>Periods in the Calendar</source>
        <translation>કૅલેન્ડરમાં સમયગાળા</translation>
    </message>
    <message>
        <source>&amp;Rahu Kaal</source>
        <translation>રાહુકાળ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Yamaganda</source>
        <translation>યમગંડ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Gulika Kaal</source>
        <translation>ગુલિક કાળ (&amp;G)</translation>
    </message>
    <message>
        <source>R&amp;emind Me</source>
        <translation>મને યાદ અપાવો (&amp;E)</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> મિનિટ પહેલાં</translation>
    </message>
    <message>
        <source>Minutes before each period</source>
        <translation>દરેક સમયગાળા પહેલાંની મિનિટો</translation>
    </message>
    <message>
        <source>&amp;Months from the shown one:</source>
        <translation>બતાવેલા મહિનાથી કેટલા મહિના (&amp;M):</translation>
    </message>
</context>
<context>
    <name>horavela::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 ની મુલાકાત લો</translation>
    </message>
</context>
<context>
    <name>horavela::frmLanguage</name>
    <message>
        <source>System language</source>
        <translation>સિસ્ટમની ભાષા</translation>
    </message>
</context>
<context>
    <name>horavela::frmMain</name>
    <message>
        <source>Please Enter a Number in the Hour and Minute of the Time Zone</source>
        <translation>કૃપા કરીને સમય ઝોનના કલાક અને મિનિટમાં સંખ્યા દાખલ કરો</translation>
    </message>
    <message>
        <source>The sun does not rise or does not set at this place on %1, so Rahu Kaal cannot be calculated.</source>
        <translation>%1 ના રોજ આ સ્થળે સૂર્યોદય અથવા સૂર્યાસ્ત થતો નથી, તેથી રાહુકાળની ગણતરી થઈ શકતી નથી.</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>કૃપા કરીને નામ દાખલ કરો</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>કૃપા કરીને રેખાંશના અંશમાં 0 થી 179 વચ્ચેની કિંમત દાખલ કરો</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>કૃપા કરીને રેખાંશની મિનિટમાં 0 થી 59 વચ્ચેની કિંમત દાખલ કરો</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>કૃપા કરીને અક્ષાંશના અંશમાં 0 થી 89 વચ્ચેની કિંમત દાખલ કરો</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>કૃપા કરીને અક્ષાંશની મિનિટમાં 0 થી 59 વચ્ચેની કિંમત દાખલ કરો</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>કૃપા કરીને સાચી તારીખ દાખલ કરો</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>ફક્ત સંખ્યાઓ જ સ્વીકારાય છે</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>કૃપા કરીને ફક્ત અક્ષરો દાખલ કરો</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>કૃપા કરીને શહેર દાખલ કરો</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>કૃપા કરીને રાજ્ય દાખલ કરો</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>કૃપા કરીને દેશ દાખલ કરો</translation>
    </message>
    <message>
        <source>This year, %1, is not in the Year list (%2 to %3), so the date and time are left as they were.</source>
        <translation>આ વર્ષ, %1, વર્ષની યાદી (%2 થી %3) માં નથી, તેથી તારીખ અને સમય પહેલાં જેવા જ રાખ્યા છે.</translation>
    </message>
    <message>
        <source>The settings could not be read, so the program starts without the home place.</source>
        <translation>સેટિંગ્સ વાંચી શકાઈ નહીં, તેથી પ્રોગ્રામ ઘરના સ્થળ વિના શરૂ થાય છે.</translation>
    </message>
    <message>
        <source>The home place kept in the settings is not a valid place, so the program starts without it.</source>
        <translation>સેટિંગ્સમાં રાખેલું ઘરનું સ્થળ માન્ય સ્થળ નથી, તેથી પ્રોગ્રામ તેના વિના શરૂ થાય છે.</translation>
    </message>
    <message>
        <source>The settings could not be written, so the home place is as it was.</source>
        <translation>સેટિંગ્સ લખી શકાઈ નહીં, તેથી ઘરનું સ્થળ પહેલાં જેવું જ છે.</translation>
    </message>
    <message>
        <source>This desktop has no system tray, so Horavela cannot show its icon there. Reminders still come while Horavela is open.</source>
        <translation>આ ડેસ્કટૉપમાં સિસ્ટમ ટ્રે નથી, તેથી Horavela ત્યાં પોતાનું આઇકન બતાવી શકતું નથી. તેમ છતાં, Horavela ખુલ્લું હોય ત્યાં સુધી રિમાઇન્ડર આવતાં રહેશે.</translation>
    </message>
    <message>
        <source>The settings could not be written, so the tray icon is as it was.</source>
        <translation>સેટિંગ્સ લખી શકાઈ નહીં, તેથી ટ્રે આઇકન પહેલાં જેવું જ છે.</translation>
    </message>
    <message>
        <source>The desktop&apos;s list of programs to start could not be changed.</source>
        <translation>ડેસ્કટૉપ સાથે શરૂ થતા પ્રોગ્રામની યાદી બદલી શકાઈ નહીં.</translation>
    </message>
</context>
<context>
    <name>horavela::frmMonth</name>
    <message>
        <source>Time Zone: %1</source>
        <translation>સમય ઝોન: %1</translation>
    </message>
    <message>
        <source>Rahu Kaal, %1</source>
        <translation>રાહુકાળ, %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>આજે</translation>
    </message>
    <message>
        <source>Rahu Kaal %1-%2</source>
        <extracomment>A file&apos;s suggested name: &quot;Rahu Kaal 2025-03&quot;.</extracomment>
        <translation>રાહુકાળ %1-%2</translation>
    </message>
    <message>
        <source>, %1 months</source>
        <extracomment>Follows a file&apos;s suggested name: &quot;Rahu Kaal 2025-03, 3 months&quot;.</extracomment>
        <translation>, %1 મહિના</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>કૅલેન્ડર (*.ics)</translation>
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
        <translation>મહિનો છાપી શકાયો નહીં.</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>છાપવાની સુવિધા ઉપલબ્ધ નથી: %1.</translation>
    </message>
</context>
<context>
    <name>horavela::frmPlaceSearch</name>
    <message>
        <source>%1; latitude %2; longitude %3; time zone %4</source>
        <translation>%1; અક્ષાંશ %2; રેખાંશ %3; સમય ઝોન %4</translation>
    </message>
</context>
<context>
    <name>horavela::frmReminders</name>
    <message>
        <source>Minutes before %1</source>
        <extracomment>The spin box&apos;s name for a screen reader: &quot;Minutes before Rahu Kaal&quot;.</extracomment>
        <translation>%1 શરૂ થવાની કેટલી મિનિટ પહેલાં</translation>
    </message>
    <message>
        <source>The settings could not be written, so the reminders are as they were.</source>
        <translation>સેટિંગ્સ લખી શકાઈ નહીં, તેથી રિમાઇન્ડર પહેલાં જેવા જ છે.</translation>
    </message>
</context>
</TS>
