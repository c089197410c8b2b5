<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ml_IN">
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &quot;%1&quot;; see horavela --help</source>
        <translation>അപ്രതീക്ഷിത ആർഗ്യുമെന്റ് &quot;%1&quot;; horavela --help കാണുക</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 രണ്ടുതവണ നൽകി</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 ന് ഒരു മൂല്യം വേണം</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone (missing --%1)</source>
        <translation>--place, അല്ലെങ്കിൽ --lat, --lon, --zone എന്നിവ നൽകുക (--%1 ഇല്ല)</translation>
    </message>
    <message>
        <source>--lat &quot;%1&quot; is not a latitude in decimal degrees</source>
        <translation>--lat &quot;%1&quot; ദശാംശ ഡിഗ്രിയിലുള്ള ഒരു അക്ഷാംശമല്ല</translation>
    </message>
    <message>
        <source>--lon &quot;%1&quot; is not a longitude in decimal degrees</source>
        <translation>--lon &quot;%1&quot; ദശാംശ ഡിഗ്രിയിലുള്ള ഒരു രേഖാംശമല്ല</translation>
    </message>
    <message>
        <source>--zone &quot;%1&quot; is neither a zone of this system&apos;s time-zone data nor hours:minutes such as -5:-30</source>
        <translation>--zone &quot;%1&quot; ഈ സിസ്റ്റത്തിന്റെ സമയ മേഖലാ ഡാറ്റയിലെ ഒരു മേഖലയോ -5:-30 പോലുള്ള മണിക്കൂർ:മിനിറ്റോ അല്ല</translation>
    </message>
    <message>
        <source>--place &quot;%1&quot; is not &quot;CITY, STATE, COUNTRY&quot;</source>
        <translation>--place &quot;%1&quot; &quot;നഗരം, സംസ്ഥാനം, രാജ്യം&quot; എന്ന രൂപത്തിലല്ല</translation>
    </message>
    <message>
        <source>the places database cannot be read</source>
        <translation>സ്ഥലങ്ങളുടെ ഡാറ്റാബേസ് വായിക്കാൻ കഴിയുന്നില്ല</translation>
    </message>
    <message>
        <source>no place called &quot;%1&quot; in the places database</source>
        <translation>സ്ഥലങ്ങളുടെ ഡാറ്റാബേസിൽ &quot;%1&quot; എന്ന പേരിൽ ഒരു സ്ഥലവുമില്ല</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>കുറഞ്ഞത് %1</translation>
    </message>
    <message>
        <source>the zone of %1, %2, is not in this system&apos;s time-zone data</source>
        <translation>%1 ന്റെ സമയ മേഖല, %2, ഈ സിസ്റ്റത്തിന്റെ സമയ മേഖലാ ഡാറ്റയിൽ ഇല്ല</translation>
    </message>
    <message>
        <source>--language &quot;%1&quot; is not one of en, hi, bn, te, mr, ta, gu, kn, ml, pa and or</source>
        <translation>--language &quot;%1&quot; en, hi, bn, te, mr, ta, gu, kn, ml, pa, or എന്നിവയിൽ ഒന്നല്ല</translation>
    </message>
    <message>
        <source>--month YYYY-MM is needed; see horavela --help</source>
        <translation>--month YYYY-MM ആവശ്യമാണ്; horavela --help കാണുക</translation>
    </message>
    <message>
        <source>--month &quot;%1&quot; is not a month such as 2025-03</source>
        <translation>--month &quot;%1&quot; 2025-03 പോലുള്ള ഒരു മാസമല്ല</translation>
    </message>
    <message>
        <source>--months &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>--months &quot;%1&quot; 1 മുതൽ 12 വരെയുള്ള ഒരു സംഖ്യയല്ല</translation>
    </message>
    <message>
        <source>the months must lie from 1901-01 to 2050-12</source>
        <translation>മാസങ്ങൾ 1901-01 മുതൽ 2050-12 വരെ ആയിരിക്കണം</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone, not both</source>
        <translation>--place, അല്ലെങ്കിൽ --lat, --lon, --zone എന്നിവ നൽകുക, രണ്ടും കൂടി അല്ല</translation>
    </message>
    <message>
        <source>standard output cannot be written</source>
        <translation>സ്റ്റാൻഡേർഡ് ഔട്ട്പുട്ടിലേക്ക് എഴുതാൻ കഴിയുന്നില്ല</translation>
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
        <translation>ഉപയോഗം: horavela --month YYYY-MM (--place &quot;നഗരം[, സംസ്ഥാനം], രാജ്യം&quot; |
                --lat=DEGREES --lon=DEGREES --zone=ZONE) [OPTIONS]

ഒരു സ്ഥലത്ത് ഒരു മാസത്തിലെ ഓരോ ദിവസത്തെയും രാഹുകാലം, യമഗണ്ഡം, ഗുളികകാലം എന്നിവ,
മാസ വിൻഡോ സംരക്ഷിക്കുന്നതുപോലെ, ഒരു വിൻഡോയും തുറക്കാതെ എഴുതുന്നു.

  --month YYYY-MM    ആദ്യ മാസം, 1901-01 മുതൽ 2050-12 വരെ
  --months N         എത്ര മാസം, 1 മുതൽ 12 വരെ (സ്വതവേ 1)
  --place TEXT       സ്ഥലങ്ങളുടെ ഡാറ്റാബേസിലെ ഒരു സ്ഥലം: &quot;Pune, Maharashtra, India&quot;,
                     &quot;Pune, India&quot; അല്ലെങ്കിൽ &quot;Pune&quot;; അതിന്റെ സമയ മേഖല തീയതിക്കനുസരിച്ച്
  --lat DEGREES      ദശാംശ ഡിഗ്രിയിൽ അക്ഷാംശം, വടക്ക് പോസിറ്റീവ്: 18.52
  --lon DEGREES      ദശാംശ ഡിഗ്രിയിൽ രേഖാംശം, കിഴക്ക് പോസിറ്റീവ്: -74.0 പടിഞ്ഞാറാണ്
                     (രണ്ടും ഏറ്റവും അടുത്ത മിനിറ്റിലേക്ക് റൗണ്ട് ചെയ്യും)
  --zone ZONE        ഒരു സമയ മേഖലയുടെ പേര്, Asia/Kolkata, അതിന്റെ വ്യത്യാസം തീയതിക്കനുസരിച്ച്;
                     അല്ലെങ്കിൽ പ്രധാന വിൻഡോ സ്വീകരിക്കുന്നതുപോലെ സാർവത്രിക സമയത്തിന് പിന്നിലുള്ള
                     മണിക്കൂർ:മിനിറ്റ്, -5:-30 (ഒരു മണിക്കൂറിൽ താഴെ മുന്നിലാണെങ്കിൽ: -0:-19)
  --format FORMAT    text (സ്വതവേ), csv, ics (കലണ്ടർ) അല്ലെങ്കിൽ pdf (മാസ വിൻഡോയുടെ
                     പേജുകൾ, --out ഉള്ളപ്പോൾ മാത്രം)
  --periods LIST     കലണ്ടറിലെ ഇവന്റുകൾ: rahu, yamaganda, gulika എന്നിവയിൽ ഏതും,
                     കോമ കൊണ്ട് വേർതിരിച്ച് (സ്വതവേ rahu); --format ics ഉള്ളപ്പോൾ മാത്രം
  --alarm MINUTES    കലണ്ടറിന്റെ ഓർമ്മപ്പെടുത്തൽ, ഓരോ സമയത്തിനും 1 മുതൽ 1440 മിനിറ്റ് മുമ്പ്,
                     അല്ലെങ്കിൽ none (സ്വതവേ 10); --format ics ഉള്ളപ്പോൾ മാത്രം
  --out FILE         FILE പൂർണമായി എഴുതുന്നു, അല്ലെങ്കിൽ ഒട്ടും എഴുതുന്നില്ല; ഇല്ലെങ്കിൽ സ്റ്റാൻഡേർഡ് ഔട്ട്പുട്ട്
  --language CODE    വാചകത്തിന്റെയും കലണ്ടറിന്റെയും ഭാഷ: en, hi, bn, te, mr,
                     ta, gu, kn, ml, pa അല്ലെങ്കിൽ or (സ്വതവേ: വിൻഡോയിൽ തിരഞ്ഞെടുത്ത
                     ഭാഷ, അല്ലെങ്കിൽ ഡെസ്ക്ടോപ്പിന്റെ ഭാഷ)
  -h, --help         ഈ സഹായം കാണിക്കുന്നു
  --version          പ്രോഗ്രാമിന്റെ പതിപ്പ് കാണിക്കുന്നു

ഓരോ ഓപ്ഷനും അതിന്റെ മൂല്യം --name value അല്ലെങ്കിൽ --name=value ആയി സ്വീകരിക്കുന്നു.
എക്സിറ്റ് നില: 0 പൂർത്തിയായി, 2 തെറ്റായ ഇൻപുട്ട്, 1 ഫയലോ സ്ഥലങ്ങളുടെ ഡാറ്റാബേസോ പരാജയപ്പെട്ടു.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>അറിയാത്ത ഓപ്ഷൻ %1</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 ഒരു മൂല്യവും എടുക്കുന്നില്ല</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; holds a line break or another control character</source>
        <translation>--%1 &quot;%2&quot; ൽ വരി മുറിവോ മറ്റൊരു നിയന്ത്രണ അക്ഷരമോ ഉണ്ട്</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; has a space before or after it</source>
        <translation>--%1 &quot;%2&quot; ന് മുമ്പിലോ പിന്നിലോ ഒഴിഞ്ഞ ഇടമുണ്ട്</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches %2 places (%3); name the state and the country</source>
        <translation>&quot;%1&quot; എന്നതിന് %2 സ്ഥലങ്ങൾ ചേരുന്നു (%3); സംസ്ഥാനവും രാജ്യവും പറയുക</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; is not text, csv, ics or pdf</source>
        <translation>--format &quot;%1&quot; text, csv, ics, pdf എന്നിവയിൽ ഒന്നല്ല</translation>
    </message>
    <message>
        <source>--format pdf needs --out FILE: a PDF is not written to standard output</source>
        <translation>--format pdf ന് --out FILE വേണം: PDF സ്റ്റാൻഡേർഡ് ഔട്ട്പുട്ടിലേക്ക് എഴുതില്ല</translation>
    </message>
    <message>
        <source>--%1 chooses what the calendar holds: give it with --format ics</source>
        <translation>--%1 കലണ്ടറിൽ എന്തുണ്ടാകണമെന്ന് തിരഞ്ഞെടുക്കുന്നു: അത് --format ics നൊപ്പം നൽകുക</translation>
    </message>
    <message>
        <source>--periods &quot;%1&quot; is not a comma-separated list of rahu, yamaganda and gulika, each at most once</source>
        <translation>--periods &quot;%1&quot; rahu, yamaganda, gulika എന്നിവയുടെ കോമ കൊണ്ട് വേർതിരിച്ച പട്ടികയല്ല; ഓരോന്നും പരമാവധി ഒരിക്കൽ</translation>
    </message>
    <message>
        <source>--alarm &quot;%1&quot; is neither none nor a number of minutes from 1 to 1440</source>
        <translation>--alarm &quot;%1&quot; none അല്ല, 1 മുതൽ 1440 വരെയുള്ള മിനിറ്റുകളുടെ സംഖ്യയുമല്ല</translation>
    </message>
    <message>
        <source>the PDF cannot be drawn</source>
        <translation>PDF വരയ്ക്കാൻ കഴിയുന്നില്ല</translation>
    </message>
</context>
<context>
    <name>DegreesMinutes</name>
    <message>
        <source>N</source>
        <extracomment>North, after a latitude&apos;s degrees and minutes: 18° 31′ N</extracomment>
        <translation>വ</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, after a latitude&apos;s degrees and minutes: 33° 52′ S</extracomment>
        <translation>തെ</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, after a longitude&apos;s degrees and minutes: 73° 51′ E</extracomment>
        <translation>കി</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, after a longitude&apos;s degrees and minutes: 74° 0′ W</extracomment>
        <translation>പ</translation>
    </message>
</context>
<context>
    <name>HomeTray</name>
    <message>
        <source>Open Horavela</source>
        <translation>Horavela തുറക്കുക</translation>
    </message>
    <message>
        <source>Rahu Kaal of the Month...</source>
        <translation>മാസത്തെ രാഹുകാലം...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>ഓർമ്മപ്പെടുത്തലുകൾ...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>പുറത്തുകടക്കുക</translation>
    </message>
    <message>
        <source>Horavela goes on running in the system tray, and its reminders still come. To end it, choose &quot;Quit&quot; in the menu of its icon there.</source>
        <translation>Horavela സിസ്റ്റം ട്രേയിൽ പ്രവർത്തിച്ചുകൊണ്ടിരിക്കും, അതിന്റെ ഓർമ്മപ്പെടുത്തലുകളും വന്നുകൊണ്ടിരിക്കും. അത് പൂർണ്ണമായി അവസാനിപ്പിക്കാൻ, അവിടെ അതിന്റെ ഐക്കണിന്റെ മെനുവിൽ &quot;പുറത്തുകടക്കുക&quot; തിരഞ്ഞെടുക്കുക.</translation>
    </message>
</context>
<context>
    <name>MonthFiles</name>
    <message>
        <source>%1 %2: %3 to %4 local time (UTC%5)</source>
        <translation>%1 %2: പ്രാദേശിക സമയം %3 മുതൽ %4 വരെ (UTC%5)</translation>
    </message>
</context>
<context>
    <name>MonthPages</name>
    <message>
        <source>Sunrise and sunset are worked out to the minute by the almanac method, for the moment the sun&apos;s centre lies 50 minutes of arc below the horizon (its upper edge meeting the horizon, allowing for refraction), at this place and in its time zone; each period is one eighth of the daylight between them.</source>
        <translation>സൂര്യോദയവും സൂര്യാസ്തമയവും പഞ്ചാംഗ രീതിയിൽ മിനിറ്റ് കൃത്യതയോടെ കണക്കാക്കുന്നു: സൂര്യന്റെ കേന്ദ്രം ചക്രവാളത്തിന് 50 കല (ആർക്ക് മിനിറ്റ്) താഴെയാകുന്ന നിമിഷം (അപവർത്തനം കണക്കിലെടുത്താൽ, സൂര്യന്റെ മുകൾവക്ക് ചക്രവാളം തൊടുന്ന നിമിഷം), ഈ സ്ഥലത്തും അതിന്റെ സമയ മേഖലയിലും. ഓരോ സമയവും അവയ്ക്കിടയിലുള്ള പകലിന്റെ എട്ടിലൊന്നാണ്.</translation>
    </message>
</context>
<context>
    <name>MonthTexts</name>
    <message>
        <source>Rahu Kaal</source>
        <translation>രാഹുകാലം</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>യമഗണ്ഡം</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <translation>ഗുളികകാലം</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>തീയതി</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>ആഴ്ച</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>സൂര്യോദയം</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>സൂര്യാസ്തമയം</translation>
    </message>
    <message>
        <source>No time zone is known for this day</source>
        <translation>ഈ ദിവസത്തെ സമയ മേഖല അറിയില്ല</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <translation>ദിവസം മുഴുവൻ സൂര്യൻ ചക്രവാളത്തിന് മുകളിൽ</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <translation>ദിവസം മുഴുവൻ സൂര്യൻ ചക്രവാളത്തിന് താഴെ</translation>
    </message>
    <message>
        <source>This day did not happen here: the clocks skipped it</source>
        <translation>ഈ ദിവസം ഇവിടെ ഉണ്ടായില്ല: ഘടികാരങ്ങൾ ഇത് ഒഴിവാക്കി</translation>
    </message>
    <message>
        <source>%1 did not happen at this place: its clocks skipped it.</source>
        <extracomment>A day that the place&apos;s clocks jumped over, as Samoa&apos;s did on 30 December 2011.</extracomment>
        <translation>%1 ഈ സ്ഥലത്ത് ഉണ്ടായില്ല: ഇവിടത്തെ ഘടികാരങ്ങൾ ആ ദിവസം ഒഴിവാക്കി.</translation>
    </message>
</context>
<context>
    <name>NowAndNextTexts</name>
    <message>
        <source>%1 now, until %2</source>
        <extracomment>The period on now and when it ends: &quot;Rahu Kaal now, until 4:59 PM&quot;.</extracomment>
        <translation>%1 ഇപ്പോൾ, %2 വരെ</translation>
    </message>
    <message>
        <source>Next: %1 tomorrow, %2 to %3</source>
        <extracomment>The next period, which starts tomorrow: &quot;Next: Yamaganda tomorrow, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>അടുത്തത്: നാളെ %1, %2 മുതൽ %3 വരെ</translation>
    </message>
    <message>
        <source>Next: %1, %2 to %3</source>
        <extracomment>The next period, later today: &quot;Next: Yamaganda, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>അടുത്തത്: %1, %2 മുതൽ %3 വരെ</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun up all day</source>
        <extracomment>Said where the sun stays up, as at Longyearbyen in June: &quot;No periods today: sun up all day&quot;.</extracomment>
        <translation>നാളെ കാലങ്ങളില്ല: ദിവസം മുഴുവൻ സൂര്യൻ ചക്രവാളത്തിന് മുകളിൽ</translation>
    </message>
    <message>
        <source>No periods today: sun up all day</source>
        <translation>ഇന്ന് കാലങ്ങളില്ല: ദിവസം മുഴുവൻ സൂര്യൻ ചക്രവാളത്തിന് മുകളിൽ</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun down all day</source>
        <extracomment>Said where the sun stays down, as at Longyearbyen in December: &quot;No periods tomorrow: sun down all day&quot;.</extracomment>
        <translation>നാളെ കാലങ്ങളില്ല: ദിവസം മുഴുവൻ സൂര്യൻ ചക്രവാളത്തിന് താഴെ</translation>
    </message>
    <message>
        <source>No periods today: sun down all day</source>
        <translation>ഇന്ന് കാലങ്ങളില്ല: ദിവസം മുഴുവൻ സൂര്യൻ ചക്രവാളത്തിന് താഴെ</translation>
    </message>
    <message>
        <source>No periods tomorrow: the clocks here skip that day</source>
        <extracomment>Samoa&apos;s clocks skipped 30 December 2011: the day after 29 December was 31 December.</extracomment>
        <translation>നാളെ കാലങ്ങളില്ല: ഇവിടത്തെ ഘടികാരങ്ങൾ ആ ദിവസം ഒഴിവാക്കുന്നു</translation>
    </message>
    <message>
        <source>No periods: the place&apos;s time zone is not known</source>
        <extracomment>Said where the place&apos;s clock time is not known, so its periods cannot be given.</extracomment>
        <translation>കാലങ്ങളില്ല: ഈ സ്ഥലത്തെ സമയ മേഖല അറിയില്ല</translation>
    </message>
    <message>
        <source>%1 starts now (%2)</source>
        <extracomment>A reminder as the period starts, with the place&apos;s name: &quot;Rahu Kaal starts now (Pune)&quot;.</extracomment>
        <translation>%1 ഇപ്പോൾ തുടങ്ങുന്നു (%2)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute (%3)</source>
        <extracomment>A reminder a minute before: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute (Pune)&quot;.</extracomment>
        <translation>%1 %2-ന് തുടങ്ങും, 1 മിനിറ്റിനുള്ളിൽ (%3)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes (%4)</source>
        <extracomment>A reminder some minutes before: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes (Pune)&quot;.</extracomment>
        <translation>%1 %2-ന് തുടങ്ങും, %3 മിനിറ്റിനുള്ളിൽ (%4)</translation>
    </message>
    <message>
        <source>%1 starts now</source>
        <extracomment>A reminder as the period starts, at a place without a name: &quot;Rahu Kaal starts now&quot;.</extracomment>
        <translation>%1 ഇപ്പോൾ തുടങ്ങുന്നു</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute</source>
        <extracomment>A reminder a minute before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute&quot;.</extracomment>
        <translation>%1 %2-ന് തുടങ്ങും, 1 മിനിറ്റിനുള്ളിൽ</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes</source>
        <extracomment>A reminder some minutes before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes&quot;.</extracomment>
        <translation>%1 %2-ന് തുടങ്ങും, %3 മിനിറ്റിനുള്ളിൽ</translation>
    </message>
</context>
<context>
    <name>PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>സ്ഥലങ്ങൾ</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>പഴയപടിയാക്കുക (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>വീണ്ടും ചെയ്യുക (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>മുറിക്കുക (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>പകർത്തുക (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ഒട്ടിക്കുക (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>നീക്കം ചെയ്യുക</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>എല്ലാം തിരഞ്ഞെടുക്കുക</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ശരി</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>റദ്ദാക്കുക</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>അടയ്ക്കുക</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>സംരക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>അതെ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>അല്ല (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>പകർത്തുക (&amp;C)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>എല്ലാം തിരഞ്ഞെടുക്കുക</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>The Rahu Kaal period: its start, then its end, as date and time.</extracomment>
        <translation>%1 മുതൽ %2 വരെ</translation>
    </message>
    <message>
        <source>Rahukal Period (day)</source>
        <translation>രാഹുകാല സമയം (പകൽ)</translation>
    </message>
    <message>
        <source>Rahukal Period (night before)</source>
        <translation>രാഹുകാല സമയം (തലേ രാത്രി)</translation>
    </message>
    <message>
        <source>Rahukal Period (night after)</source>
        <translation>രാഹുകാല സമയം (പിറ്റേ രാത്രി)</translation>
    </message>
    <message>
        <source>The Chosen Time Period is in Rahu Kaal</source>
        <translation>തിരഞ്ഞെടുത്ത സമയം രാഹുകാലത്തിലാണ്</translation>
    </message>
    <message>
        <source>The Chosen Time Period is not in Rahu Kaal</source>
        <translation>തിരഞ്ഞെടുത്ത സമയം രാഹുകാലത്തിലല്ല</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 സംരക്ഷിക്കാൻ കഴിഞ്ഞില്ല: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>ഫയലിന്റെ പേര് നൽകിയിട്ടില്ല</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>അതൊരു ഫോൾഡറാണ്</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>ഫോൾഡർ നിലവിലില്ല</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe)</source>
        <translation>അതൊരു FIFO (പേരുള്ള പൈപ്പ്) ആണ്</translation>
    </message>
    <message>
        <source>it is a character device</source>
        <translation>അതൊരു ക്യാരക്ടർ ഡിവൈസാണ്</translation>
    </message>
    <message>
        <source>it is a block device</source>
        <translation>അതൊരു ബ്ലോക്ക് ഡിവൈസാണ്</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>അതൊരു സോക്കറ്റാണ്</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>അതൊരു സാധാരണ ഫയലല്ല</translation>
    </message>
    <message>
        <source>it is another user&apos;s link to a file that is not theirs</source>
        <translation>അത് മറ്റൊരു ഉപയോക്താവിന്റെ ലിങ്കാണ്, അവരുടേതല്ലാത്ത ഫയലിലേക്കാണ് അത് നയിക്കുന്നത്</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation>ആപ്ലിക്കേഷൻ ഇതിനകം പ്രവർത്തിക്കുന്നുണ്ട്</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>അലാസ്ക/ഹവായ് ഡേലൈറ്റ് സമയം,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>അലാസ്ക/ഹവായ് സ്റ്റാൻഡേർഡ് സമയം,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>അലാസ്ക/ഹവായ് യുദ്ധകാല സമയം,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>അറ്റ്‌ലാന്റിക് സ്റ്റാൻഡേർഡ് സമയം,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>അറ്റ്‌ലാന്റിക് യുദ്ധകാല സമയം,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>മധ്യ ഓസ്ട്രേലിയൻ ഡേലൈറ്റ് സമയം,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>മധ്യ ഓസ്ട്രേലിയൻ സ്റ്റാൻഡേർഡ് സമയം,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>കിഴക്കൻ ഓസ്ട്രേലിയൻ ഡേലൈറ്റ് സമയം,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>കിഴക്കൻ ഓസ്ട്രേലിയൻ സ്റ്റാൻഡേർഡ് സമയം,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>പടിഞ്ഞാറൻ ഓസ്ട്രേലിയൻ ഡേലൈറ്റ് സമയം,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>പടിഞ്ഞാറൻ ഓസ്ട്രേലിയൻ സ്റ്റാൻഡേർഡ് സമയം,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>അസോർസ് സമയം, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>ബാഗ്ദാദ് സമയം, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>ബെറിങ് സ്റ്റാൻഡേർഡ് സമയം,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ബ്രസീൽ മേഖല 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ബ്രിട്ടീഷ് ഇരട്ട ഗ്രീഷ്മകാല സമയം,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ബ്രിട്ടീഷ് ഗ്രീഷ്മകാല സമയം,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ബ്രിട്ടീഷ് യുദ്ധകാല സമയം,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>സെൻട്രൽ ഡേലൈറ്റ് സമയം,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>സെൻട്രൽ യൂറോപ്യൻ ഡേലൈറ്റ് സമയം,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>സെൻട്രൽ യൂറോപ്യൻ സമയം,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>സെൻട്രൽ സ്റ്റാൻഡേർഡ് സമയം,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>സെൻട്രൽ യുദ്ധകാല സമയം,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>ചൈന തീര സമയം,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>ഈസ്റ്റേൺ ഡേലൈറ്റ് സമയം,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>കിഴക്കൻ യൂറോപ്യൻ ഡേലൈറ്റ് സമയം,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>കിഴക്കൻ യൂറോപ്യൻ സമയം,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>ഈസ്റ്റേൺ സ്റ്റാൻഡേർഡ് സമയം,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>ഈസ്റ്റേൺ യുദ്ധകാല സമയം,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ഗ്രീൻവിച്ച് മീൻ സമയം,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>ഗ്വാം സ്റ്റാൻഡേർഡ് സമയം,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>ഹവായ് ഡേലൈറ്റ് സമയം,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>ഹവായ് സ്റ്റാൻഡേർഡ് സമയം,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>ഹവായ് യുദ്ധകാല സമയം,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>ഇന്ത്യൻ സമയം, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>അന്താരാഷ്ട്ര ദിനാങ്കരേഖ കിഴക്ക്,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>അന്താരാഷ്ട്ര ദിനാങ്കരേഖ പടിഞ്ഞാറ്,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ഇറാൻ സമയം, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>ജപ്പാൻ സ്റ്റാൻഡേർഡ് സമയം,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>ജാവ സമയം, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>മധ്യ യൂറോപ്യൻ ഡേലൈറ്റ് സമയം,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>മധ്യ യൂറോപ്യൻ സമയം,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>മൊളുക്കാസ് സമയം, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>മൗണ്ടൻ ഡേലൈറ്റ് സമയം,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>മൗണ്ടൻ സ്റ്റാൻഡേർഡ് സമയം,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>മൗണ്ടൻ യുദ്ധകാല സമയം,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>ന്യൂസിലാൻഡ് സ്റ്റാൻഡേർഡ് ഗ്രീഷ്മകാല സമയം,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>ന്യൂസിലാൻഡ് സ്റ്റാൻഡേർഡ് സമയം,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>ന്യൂസിലാൻഡ് ഗ്രീഷ്മകാല സമയം,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>ന്യൂസിലാൻഡ് സമയം,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>ന്യൂഫൗണ്ട്‌ലാൻഡ് സ്റ്റാൻഡേർഡ് സമയം,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>നോം സമയം, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>വടക്കൻ സുമാത്ര സമയം,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>പസഫിക് ഡേലൈറ്റ് സമയം,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>പസഫിക് സ്റ്റാൻഡേർഡ് സമയം,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>പസഫിക് യുദ്ധകാല സമയം,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>ദക്ഷിണ ഓസ്ട്രേലിയ ഡേലൈറ്റ് സമയം,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>ദക്ഷിണ ഓസ്ട്രേലിയ ഡേലൈറ്റ് സമയം,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>ദക്ഷിണ ഓസ്ട്രേലിയ സ്റ്റാൻഡേർഡ് സമയം,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>ദക്ഷിണ ഓസ്ട്രേലിയ സ്റ്റാൻഡേർഡ് സമയം,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>തെക്കൻ സുമാത്ര സമയം,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>സാർവത്രിക സമയം, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>സോവിയറ്റ് യൂണിയൻ മേഖല 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>സോവിയറ്റ് യൂണിയൻ മേഖല 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>സോവിയറ്റ് യൂണിയൻ മേഖല 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>സോവിയറ്റ് യൂണിയൻ മേഖല 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>സോവിയറ്റ് യൂണിയൻ മേഖല 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>പശ്ചിമ ആഫ്രിക്ക സമയം,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>യൂക്കോൺ ഡേലൈറ്റ് സമയം,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>യൂക്കോൺ സ്റ്റാൻഡേർഡ് സമയം,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>യൂക്കോൺ യുദ്ധകാല സമയം,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>ZoneRules</name>
    <message>
        <source>%1: not in this system&apos;s time-zone data</source>
        <translation>%1: ഈ സിസ്റ്റത്തിന്റെ സമയ മേഖലാ ഡാറ്റയിൽ ഇല്ല</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2 മുതൽ %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1 ന്</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>The zone&apos;s standard offset, given for a date that does not exist.</extracomment>
        <translation>സ്റ്റാൻഡേർഡ്</translation>
    </message>
    <message>
        <source>%1: %2 %3 (in %4: %5)</source>
        <extracomment>&quot;America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 November)&quot;</extracomment>
        <translation>%1: %3 %2 (%4 ൽ: %5)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. It is preferable to do all important and good tasks in the time before or after the Rahu Kaal. Copyright © the Horavela authors. All rights reserved.</source>
        <translation>Horavela രാഹുകാലം കണക്കാക്കുന്നു. ശുഭകാര്യങ്ങൾ ചെയ്യാത്ത, ഒരു ദിവസത്തിലെ അശുഭ സമയമാണ് രാഹുകാലം. പ്രധാനപ്പെട്ടതും നല്ലതുമായ എല്ലാ കാര്യങ്ങളും രാഹുകാലത്തിന് മുമ്പോ ശേഷമോ ചെയ്യുന്നതാണ് ഉത്തമം. പകർപ്പവകാശം © Horavela രചയിതാക്കൾ. എല്ലാ അവകാശങ്ങളും നിക്ഷിപ്തം.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>വീട്ടിലിരുന്ന് ഒരു ബിസിനസ് അവസരം. സ്വന്തമായി ഇന്റർനെറ്റ് ബിസിനസ് തുടങ്ങി ഓൺലൈനായി പണം സമ്പാദിക്കൂ. ഈ സോഫ്റ്റ്‌വെയർ പൂർണമായും നിങ്ങളുടെ വെബ്‌സൈറ്റിന്റെ പേരിൽ സ്വന്തമാക്കൂ.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>കൂടുതലായ കാര്യങ്ങളും കാണുക</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ശരി (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>രാഹുകാലത്തെക്കുറിച്ചും മറ്റും അറിയാൻ ഞങ്ങളുടെ ചർച്ചാ സൈറ്റ് സന്ദർശിക്കുക</translation>
    </message>
    <message>
        <source>Horavela Result</source>
        <translation>Horavela ഫലം</translation>
    </message>
    <message>
        <source>Chosen Date</source>
        <translation>തിരഞ്ഞെടുത്ത തീയതി</translation>
    </message>
    <message>
        <source>Chosen Time</source>
        <translation>തിരഞ്ഞെടുത്ത സമയം</translation>
    </message>
    <message>
        <source>The Chosen Time Period is Not in Rahu Kaal</source>
        <translation>തിരഞ്ഞെടുത്ത സമയം രാഹുകാലത്തിലല്ല</translation>
    </message>
    <message>
        <source>Rahukal Period</source>
        <translation>രാഹുകാല സമയം</translation>
    </message>
    <message>
        <source>Rahu Kal is an inauspicious time period in a day when favorable tasks are not performed.</source>
        <translation>ശുഭകാര്യങ്ങൾ ചെയ്യാത്ത, ഒരു ദിവസത്തിലെ അശുഭ സമയമാണ് രാഹുകാലം.</translation>
    </message>
    <message>
        <source>*Do all important and good tasks in the time before or after the Rahu Kal.</source>
        <translation>*പ്രധാനപ്പെട്ടതും നല്ലതുമായ എല്ലാ കാര്യങ്ങളും രാഹുകാലത്തിന് മുമ്പോ ശേഷമോ ചെയ്യുക.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>പുറത്തുകടക്കുക (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>തിരികെ (&amp;B)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ഈ സോഫ്റ്റ്‌വെയർ നിങ്ങളുടെ സൈറ്റിന്റെ പേരിൽ നൽകൂ. വിശ്വസ്തതയും സന്ദർശകരും കൂട്ടൂ. സൈറ്റിന്റെ പേരും ലിങ്കും ഇവിടെ ചേർക്കൂ. വിശദാംശങ്ങൾക്ക് &quot;സഹായം&quot; കാണുക.    കൂടുതലറിയാൻ ക്ലിക്ക് ചെയ്യൂ.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>വീട്ടിലിരുന്ന് ബിസിനസ് അവസരം. സ്വന്തം ഇന്റർനെറ്റ് ബിസിനസ് തുടങ്ങി ഓൺലൈനായി പണം നേടൂ. ഈ സോഫ്റ്റ്‌വെയർ പൂർണമായും നിങ്ങളുടെ വെബ്‌സൈറ്റിന്റെ പേരിലാക്കൂ. കൂടുതലറിയാൻ ക്ലിക്ക് ചെയ്യൂ.</translation>
    </message>
    <message>
        <source>Sun Rise Time On</source>
        <translation>സൂര്യോദയം</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>സൂര്യാസ്തമയം</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ഫയൽ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>സഹായം (&amp;H)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>മാസത്തെ രാഹുകാലം (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>പുറത്തുകടക്കുക (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ഓൺലൈൻ സഹായം (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ഞങ്ങളുടെ വെബ്‌സൈറ്റ് (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>സോഫ്റ്റ്‌വെയർ അപ്ഡേറ്റ് പരിശോധിക്കുക (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>സോഫ്റ്റ്‌വെയറിനെക്കുറിച്ച് (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>സംഭാവന നൽകുക (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ഓൺലൈനായി പണം സമ്പാദിക്കുക (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmLanguage</name>
    <message>
        <source>&amp;Language of Horavela:</source>
        <translation>Horavela യുടെ ഭാഷ (&amp;L):</translation>
    </message>
    <message>
        <source>Language of Horavela</source>
        <translation>Horavela യുടെ ഭാഷ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ശരി (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>റദ്ദാക്കുക (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>രാഹുകാലത്തെക്കുറിച്ചും മറ്റും അറിയാൻ ഞങ്ങളുടെ ചർച്ചാ സൈറ്റ് സന്ദർശിക്കുക</translation>
    </message>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. Do all important and good tasks in the time before or after the Rahu Kaal.</source>
        <translation>Horavela രാഹുകാലം കണക്കാക്കുന്നു. ശുഭകാര്യങ്ങൾ ചെയ്യാത്ത, ഒരു ദിവസത്തിലെ അശുഭ സമയമാണ് രാഹുകാലം. പ്രധാനപ്പെട്ടതും നല്ലതുമായ എല്ലാ കാര്യങ്ങളും രാഹുകാലത്തിന് മുമ്പോ ശേഷമോ ചെയ്യുക.</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>നിങ്ങളുടെ പേര് നൽകുക</translation>
    </message>
    <message>
        <source>Enter Date</source>
        <translation>തീയതി നൽകുക</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>മാസം</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>ദിവസം</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>വർഷം</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>സമയം നൽകുക</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>മണി</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>മിനിറ്റ്</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>സെക്കൻഡ്</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>നിങ്ങളുടെ സമയ മേഖല</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>മിനി.</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>സഹായം</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>അക്ഷാംശം</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>ഡിഗ്രി</translation>
    </message>
    <message>
        <source>North</source>
        <translation>വടക്ക്</translation>
    </message>
    <message>
        <source>South</source>
        <translation>തെക്ക്</translation>
    </message>
    <message>
        <source>Enter Longitude</source>
        <translation>രേഖാംശം</translation>
    </message>
    <message>
        <source>East</source>
        <translation>കിഴക്ക്</translation>
    </message>
    <message>
        <source>West</source>
        <translation>പടിഞ്ഞാറ്</translation>
    </message>
    <message>
        <source>Enter Your City Name</source>
        <translation>നഗരത്തിന്റെ പേര്</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>സംസ്ഥാനത്തിന്റെ പേര്</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>രാജ്യത്തിന്റെ പേര്</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>അക്ഷാംശം &amp;&amp; രേഖാംശം കണ്ടെത്താൻ ഇവിടെ ക്ലിക്ക് ചെയ്യുക</translation>
    </message>
    <message>
        <source>Is the Chosen Period in Rahul Kaal?</source>
        <translation>തിരഞ്ഞെടുത്ത സമയം രാഹുകാലത്തിലാണോ?</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ഈ സോഫ്റ്റ്‌വെയർ നിങ്ങളുടെ സൈറ്റിന്റെ പേരിൽ നൽകൂ. വിശ്വസ്തതയും സന്ദർശകരും കൂട്ടൂ. സൈറ്റിന്റെ പേരും ലിങ്കും ഇവിടെ ചേർക്കൂ. വിശദാംശങ്ങൾക്ക് &quot;സഹായം&quot; കാണുക.    കൂടുതലറിയാൻ ക്ലിക്ക് ചെയ്യൂ.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>വീട്ടിലിരുന്ന് ബിസിനസ് അവസരം. സ്വന്തം ഇന്റർനെറ്റ് ബിസിനസ് തുടങ്ങി ഓൺലൈനായി പണം നേടൂ. ഈ സോഫ്റ്റ്‌വെയർ പൂർണമായും നിങ്ങളുടെ വെബ്‌സൈറ്റിന്റെ പേരിലാക്കൂ. കൂടുതലറിയാൻ ക്ലിക്ക് ചെയ്യൂ.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ഫയൽ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>സഹായം (&amp;H)</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>ഇപ്പോഴത്തെ സമയം ചേർക്കുക (&amp;N)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>മാസത്തെ രാഹുകാലം (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>പുറത്തുകടക്കുക (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ഓൺലൈൻ സഹായം (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ഞങ്ങളുടെ വെബ്‌സൈറ്റ് (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>സോഫ്റ്റ്‌വെയർ അപ്ഡേറ്റ് പരിശോധിക്കുക (&amp;U)</translation>
    </message>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>ആപ്ലിക്കേഷന്റെ ഭാഷ മാറ്റുക (&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>സോഫ്റ്റ്‌വെയറിനെക്കുറിച്ച് (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>സംഭാവന നൽകുക (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ഓൺലൈനായി പണം സമ്പാദിക്കുക (&amp;O)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>വീടിന്റെ സ്ഥലമായി സൂക്ഷിക്കുക (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Forget Home Place</source>
        <translation>വീടിന്റെ സ്ഥലം മറക്കുക (&amp;F)</translation>
    </message>
    <message>
        <source>Show in the System &amp;Tray</source>
        <translation>സിസ്റ്റം ട്രേയിൽ കാണിക്കുക (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>ഓർമ്മപ്പെടുത്തലുകൾ (&amp;R)...</translation>
    </message>
    <message>
        <source>Start with the &amp;Desktop</source>
        <translation>ഡെസ്ക്ടോപ്പിനൊപ്പം തുടങ്ങുക (&amp;D)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>&lt;&lt; Pre&amp;vious Month</source>
        <translation>&lt;&lt; മുൻ മാസം (&amp;V)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>മുൻ മാസം</translation>
    </message>
    <message>
        <source>&amp;Next Month &gt;&gt;</source>
        <translation>അടുത്ത മാസം (&amp;N) &gt;&gt;</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>അടുത്ത മാസം</translation>
    </message>
    <message>
        <source>Rahu Kaal, Yamaganda and Gulika Kaal of Each Day</source>
        <translation>ഓരോ ദിവസത്തെയും രാഹുകാലം, യമഗണ്ഡം, ഗുളികകാലം</translation>
    </message>
    <message>
        <source>Save to &amp;Calendar...</source>
        <translation>കലണ്ടറിൽ സംരക്ഷിക്കുക (&amp;C)...</translation>
    </message>
    <message>
        <source>Save to Calendar</source>
        <translation>കലണ്ടറിൽ സംരക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Saves the periods as events of a calendar file (.ics)</source>
        <translation>സമയങ്ങളെ ഒരു കലണ്ടർ ഫയലിലെ (.ics) ഇവന്റുകളായി സംരക്ഷിക്കുന്നു</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>CSV ആയി സംരക്ഷിക്കുക (&amp;S)...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV ആയി സംരക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file for a spreadsheet</source>
        <translation>പട്ടിക ഒരു സ്പ്രെഡ്ഷീറ്റിനുള്ള CSV ഫയലായി സംരക്ഷിക്കുന്നു</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>പ്രിന്റ് ചെയ്യുക (&amp;P)...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>പ്രിന്റ് ചെയ്യുക</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF ആയി സംരക്ഷിക്കുക (&amp;D)...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF ആയി സംരക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>അടയ്ക്കുക</translation>
    </message>
</context>
<context>
    <name>frmPlaceSearch</name>
    <message>
        <source>Places found. Choose the one you mean and press Use This Place: its latitude, longitude and time zone go into the main window. The time zone is the one in force at the date and time chosen there, in hours and minutes behind universal time.</source>
        <translation>കണ്ടെത്തിയ സ്ഥലങ്ങൾ. ഉദ്ദേശിക്കുന്ന സ്ഥലം തിരഞ്ഞെടുത്ത് &quot;ഈ സ്ഥലം ഉപയോഗിക്കുക&quot; അമർത്തുക: അതിന്റെ അക്ഷാംശം, രേഖാംശം, സമയ മേഖല എന്നിവ പ്രധാന വിൻഡോയിലേക്ക് ചേർക്കും. അവിടെ തിരഞ്ഞെടുത്ത തീയതിയിലും സമയത്തിലും നിലവിലുള്ള സമയ മേഖലയാണ് ഇത്; സാർവത്രിക സമയത്തിന് പിന്നിലുള്ള മണിക്കൂറും മിനിറ്റുമായി കാണിക്കുന്നു.</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>കണ്ടെത്തിയ സ്ഥലങ്ങൾ</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>സ്ഥലം</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>അക്ഷാംശം</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>രേഖാംശം</translation>
    </message>
    <message>
        <source>Time zone (hours, minutes)</source>
        <translation>സമയ മേഖല (മണിക്കൂർ, മിനിറ്റ്)</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>സ്ഥലങ്ങൾ GeoNames (geonames.org) ൽ നിന്ന്, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Use This Place</source>
        <translation>ഈ സ്ഥലം ഉപയോഗിക്കുക (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>വെബിൽ തിരയുക (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>അടയ്ക്കുക (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>ഓർമ്മപ്പെടുത്തലുകൾ</translation>
    </message>
    <message>
        <source>minutes before</source>
        <translation>മിനിറ്റ് മുമ്പ്</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ശരി (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>റദ്ദാക്കുക (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>സമയ മേഖലകൾ</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>പുറത്തുകടക്കുക (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>horavela::SaveMonthDialog</name>
    <message>
        <source>Periods in the Calendar</source>
        <translation>കലണ്ടറിൽ ചേർക്കേണ്ട സമയങ്ങൾ</translation>
    </message>
    <message>
        <source>&amp;Rahu Kaal</source>
        <translation>രാഹുകാലം (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Yamaganda</source>
        <translation>യമഗണ്ഡം (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Gulika Kaal</source>
        <translation>ഗുളികകാലം (&amp;G)</translation>
    </message>
    <message>
        <source>R&amp;emind Me</source>
        <translation>ഓർമ്മിപ്പിക്കുക (&amp;E)</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> മിനിറ്റ് മുമ്പ്</translation>
    </message>
    <message>
        <source>Minutes before each period</source>
        <translation>ഓരോ സമയത്തിനും എത്ര മിനിറ്റ് മുമ്പ്</translation>
    </message>
    <message>
        <source>&amp;Months from the shown one:</source>
        <translation>കാണിക്കുന്ന മാസം മുതൽ എത്ര മാസം (&amp;M):</translation>
    </message>
</context>
<context>
    <name>horavela::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 സന്ദർശിക്കുക</translation>
    </message>
</context>
<context>
    <name>horavela::frmLanguage</name>
    <message>
        <source>System language</source>
        <translation>സിസ്റ്റം ഭാഷ</translation>
    </message>
</context>
<context>
    <name>horavela::frmMain</name>
    <message>
        <source>Please Enter a Number in the Hour and Minute of the Time Zone</source>
        <translation>സമയ മേഖലയുടെ മണിക്കൂറിലും മിനിറ്റിലും ഒരു സംഖ്യ നൽകുക</translation>
    </message>
    <message>
        <source>The sun does not rise or does not set at this place on %1, so Rahu Kaal cannot be calculated.</source>
        <translation>%1 ന് ഈ സ്ഥലത്ത് സൂര്യൻ ഉദിക്കുകയോ അസ്തമിക്കുകയോ ചെയ്യുന്നില്ല, അതിനാൽ രാഹുകാലം കണക്കാക്കാൻ കഴിയില്ല.</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>പേര് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>രേഖാംശത്തിന്റെ ഡിഗ്രിയിൽ 0 മുതൽ 179 വരെയുള്ള ഒരു മൂല്യം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>രേഖാംശത്തിന്റെ മിനിറ്റിൽ 0 മുതൽ 59 വരെയുള്ള ഒരു മൂല്യം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>അക്ഷാംശത്തിന്റെ ഡിഗ്രിയിൽ 0 മുതൽ 89 വരെയുള്ള ഒരു മൂല്യം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>അക്ഷാംശത്തിന്റെ മിനിറ്റിൽ 0 മുതൽ 59 വരെയുള്ള ഒരു മൂല്യം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>ശരിയായ തീയതി നൽകുക</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>സംഖ്യകൾ മാത്രമേ സ്വീകരിക്കൂ</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>അക്ഷരങ്ങൾ മാത്രം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>നഗരം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>സംസ്ഥാനം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>രാജ്യം നൽകുക</translation>
    </message>
    <message>
        <source>This year, %1, is not in the Year list (%2 to %3), so the date and time are left as they were.</source>
        <translation>ഈ വർഷം, %1, വർഷങ്ങളുടെ പട്ടികയിൽ (%2 മുതൽ %3 വരെ) ഇല്ല, അതിനാൽ തീയതിയും സമയവും മാറ്റിയിട്ടില്ല.</translation>
    </message>
    <message>
        <source>The settings could not be read, so the program starts without the home place.</source>
        <translation>ക്രമീകരണങ്ങൾ വായിക്കാനായില്ല, അതിനാൽ പ്രോഗ്രാം വീടിന്റെ സ്ഥലമില്ലാതെ തുടങ്ങുന്നു.</translation>
    </message>
    <message>
        <source>The home place kept in the settings is not a valid place, so the program starts without it.</source>
        <translation>ക്രമീകരണങ്ങളിൽ സൂക്ഷിച്ച വീടിന്റെ സ്ഥലം ശരിയായ സ്ഥലമല്ല, അതിനാൽ പ്രോഗ്രാം അതില്ലാതെ തുടങ്ങുന്നു.</translation>
    </message>
    <message>
        <source>The settings could not be written, so the home place is as it was.</source>
        <translation>ക്രമീകരണങ്ങൾ എഴുതാനായില്ല, അതിനാൽ വീടിന്റെ സ്ഥലം മുമ്പത്തെപ്പോലെ തന്നെയാണ്.</translation>
    </message>
    <message>
        <source>This desktop has no system tray, so Horavela cannot show its icon there. Reminders still come while Horavela is open.</source>
        <translation>ഈ ഡെസ്ക്ടോപ്പിൽ സിസ്റ്റം ട്രേ ഇല്ല, അതിനാൽ Horavela യ്ക്ക് അതിന്റെ ഐക്കൺ അവിടെ കാണിക്കാൻ കഴിയില്ല. എങ്കിലും, Horavela തുറന്നിരിക്കുന്നിടത്തോളം ഓർമ്മപ്പെടുത്തലുകൾ വന്നുകൊണ്ടിരിക്കും.</translation>
    </message>
    <message>
        <source>The settings could not be written, so the tray icon is as it was.</source>
        <translation>ക്രമീകരണങ്ങൾ എഴുതാനായില്ല, അതിനാൽ ട്രേ ഐക്കൺ മുമ്പത്തെപ്പോലെ തന്നെയാണ്.</translation>
    </message>
    <message>
        <source>The desktop&apos;s list of programs to start could not be changed.</source>
        <translation>ഡെസ്ക്ടോപ്പിനൊപ്പം തുടങ്ങുന്ന പ്രോഗ്രാമുകളുടെ പട്ടിക മാറ്റാനായില്ല.</translation>
    </message>
</context>
<context>
    <name>horavela::frmMonth</name>
    <message>
        <source>Time Zone: %1</source>
        <translation>സമയ മേഖല: %1</translation>
    </message>
    <message>
        <source>Rahu Kaal, %1</source>
        <translation>രാഹുകാലം, %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ഇന്ന്</translation>
    </message>
    <message>
        <source>Rahu Kaal %1-%2</source>
        <extracomment>A file&apos;s suggested name: &quot;Rahu Kaal 2025-03&quot;.</extracomment>
        <translation>രാഹുകാലം %1-%2</translation>
    </message>
    <message>
        <source>, %1 months</source>
        <extracomment>Follows a file&apos;s suggested name: &quot;Rahu Kaal 2025-03, 3 months&quot;.</extracomment>
        <translation>, %1 മാസം</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>കലണ്ടർ (*.ics)</translation>
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
        <translation>മാസം പ്രിന്റ് ചെയ്യാൻ കഴിഞ്ഞില്ല.</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>പ്രിന്റിങ് ലഭ്യമല്ല: %1.</translation>
    </message>
</context>
<context>
    <name>horavela::frmPlaceSearch</name>
    <message>
        <source>%1; latitude %2; longitude %3; time zone %4</source>
        <translation>%1; അക്ഷാംശം %2; രേഖാംശം %3; സമയ മേഖല %4</translation>
    </message>
</context>
<context>
    <name>horavela::frmReminders</name>
    <message>
        <source>Minutes before %1</source>
        <extracomment>The spin box&apos;s name for a screen reader: &quot;Minutes before Rahu Kaal&quot;.</extracomment>
        <translation>%1 തുടങ്ങുന്നതിന് എത്ര മിനിറ്റ് മുമ്പ്</translation>
    </message>
    <message>
        <source>The settings could not be written, so the reminders are as they were.</source>
        <translation>ക്രമീകരണങ്ങൾ എഴുതാനായില്ല, അതിനാൽ ഓർമ്മപ്പെടുത്തലുകൾ മുമ്പത്തെപ്പോലെ തന്നെയാണ്.</translation>
    </message>
</context>
</TS>
