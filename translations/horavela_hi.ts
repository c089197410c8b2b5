<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &quot;%1&quot;; see horavela --help</source>
        <translation>अनपेक्षित तर्क &quot;%1&quot;; देखें horavela --help</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 दो बार दिया गया</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 के लिए एक मान चाहिए</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone (missing --%1)</source>
        <translation>--place दें, या --lat, --lon और --zone (--%1 नहीं दिया गया)</translation>
    </message>
    <message>
        <source>--lat &quot;%1&quot; is not a latitude in decimal degrees</source>
        <translation>--lat &quot;%1&quot; दशमलव अंशों में अक्षांश नहीं है</translation>
    </message>
    <message>
        <source>--lon &quot;%1&quot; is not a longitude in decimal degrees</source>
        <translation>--lon &quot;%1&quot; दशमलव अंशों में देशांतर नहीं है</translation>
    </message>
    <message>
        <source>--zone &quot;%1&quot; is neither a zone of this system&apos;s time-zone data nor hours:minutes such as -5:-30</source>
        <translation>--zone &quot;%1&quot; न तो इस सिस्टम के समय क्षेत्र डेटा का कोई क्षेत्र है, न ही -5:-30 जैसे घंटे:मिनट</translation>
    </message>
    <message>
        <source>--place &quot;%1&quot; is not &quot;CITY, STATE, COUNTRY&quot;</source>
        <translation>--place &quot;%1&quot; &quot;CITY, STATE, COUNTRY&quot; के रूप में नहीं है</translation>
    </message>
    <message>
        <source>the places database cannot be read</source>
        <translation>स्थानों का डेटाबेस पढ़ा नहीं जा सकता</translation>
    </message>
    <message>
        <source>no place called &quot;%1&quot; in the places database</source>
        <translation>स्थानों के डेटाबेस में &quot;%1&quot; नाम का कोई स्थान नहीं है</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>कम से कम %1</translation>
    </message>
    <message>
        <source>the zone of %1, %2, is not in this system&apos;s time-zone data</source>
        <translation>%1 का समय क्षेत्र, %2, इस सिस्टम के समय क्षेत्र डेटा में नहीं है</translation>
    </message>
    <message>
        <source>--language &quot;%1&quot; is not one of en, hi, bn, te, mr, ta, gu, kn, ml, pa and or</source>
        <translation>--language &quot;%1&quot; en, hi, bn, te, mr, ta, gu, kn, ml, pa और or में से कोई नहीं है</translation>
    </message>
    <message>
        <source>--month YYYY-MM is needed; see horavela --help</source>
        <translation>--month YYYY-MM आवश्यक है; देखें horavela --help</translation>
    </message>
    <message>
        <source>--month &quot;%1&quot; is not a month such as 2025-03</source>
        <translation>--month &quot;%1&quot; 2025-03 जैसा कोई महीना नहीं है</translation>
    </message>
    <message>
        <source>--months &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>--months &quot;%1&quot; 1 से 12 तक की कोई संख्या नहीं है</translation>
    </message>
    <message>
        <source>the months must lie from 1901-01 to 2050-12</source>
        <translation>महीने 1901-01 से 2050-12 तक के बीच होने चाहिए</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone, not both</source>
        <translation>--place दें, या --lat, --lon और --zone; दोनों नहीं</translation>
    </message>
    <message>
        <source>standard output cannot be written</source>
        <translation>मानक आउटपुट पर लिखा नहीं जा सकता</translation>
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
        <translation>उपयोग: horavela --month YYYY-MM (--place &quot;CITY[, STATE], COUNTRY&quot; |
                --lat=DEGREES --lon=DEGREES --zone=ZONE) [OPTIONS]

किसी स्थान के लिए किसी महीने के हर दिन का राहु काल, यमगण्ड और गुलिक काल
वैसे ही लिखता है जैसे महीने की विंडो उन्हें सहेजती है, कोई विंडो खोले बिना।

  --month YYYY-MM    पहला महीना, 1901-01 से 2050-12 तक
  --months N         कितने महीने, 1 से 12 तक (डिफ़ॉल्ट 1)
  --place TEXT       स्थानों के डेटाबेस का कोई स्थान: &quot;Pune, Maharashtra, India&quot;,
                     &quot;Pune, India&quot; या &quot;Pune&quot;; उसका समय क्षेत्र तारीख़ के अनुसार होता है
  --lat DEGREES      दशमलव अंशों में अक्षांश, उत्तर धनात्मक: 18.52
  --lon DEGREES      दशमलव अंशों में देशांतर, पूर्व धनात्मक: -74.0 पश्चिम है
                     (दोनों निकटतम मिनट तक पूर्णांकित)
  --zone ZONE        समय क्षेत्र का नाम, Asia/Kolkata, जिसका अंतर तारीख़ के अनुसार होता है;
                     या सार्वत्रिक समय से पीछे घंटे:मिनट, जैसे मुख्य विंडो उन्हें लेती है,
                     -5:-30 (एक घंटे से कम आगे का अंतर: -0:-19)
  --format FORMAT    text (डिफ़ॉल्ट), csv, ics (कैलेंडर) या pdf (महीने की विंडो के पृष्ठ,
                     केवल --out के साथ)
  --periods LIST     कैलेंडर की घटनाएँ: rahu, yamaganda और gulika में से कोई भी,
                     अल्पविराम से अलग (डिफ़ॉल्ट rahu); केवल --format ics के साथ
  --alarm MINUTES    कैलेंडर का अनुस्मारक, हर अवधि से 1 से 1440 मिनट पहले,
                     या none (डिफ़ॉल्ट 10); केवल --format ics के साथ
  --out FILE         FILE लिखें, पूरी या बिल्कुल नहीं; अन्यथा मानक आउटपुट
  --language CODE    पाठ और कैलेंडर की भाषा: en, hi, bn, te, mr,
                     ta, gu, kn, ml, pa या or (डिफ़ॉल्ट: विंडो में चुनी गई
                     भाषा, अन्यथा डेस्कटॉप की)
  -h, --help         यह सहायता दिखाएँ
  --version          प्रोग्राम का संस्करण दिखाएँ

हर विकल्प अपना मान --name value या --name=value के रूप में लेता है।
निकास स्थिति: 0 पूरा हुआ, 2 गलत इनपुट, 1 फ़ाइल या स्थानों का डेटाबेस विफल रहा।
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>अज्ञात विकल्प %1</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 कोई मान नहीं लेता</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; holds a line break or another control character</source>
        <translation>--%1 &quot;%2&quot; में पंक्ति विराम या कोई अन्य नियंत्रण वर्ण है</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; has a space before or after it</source>
        <translation>--%1 &quot;%2&quot; के पहले या बाद में रिक्त स्थान है</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches %2 places (%3); name the state and the country</source>
        <translation>&quot;%1&quot; से %2 स्थान मेल खाते हैं (%3); राज्य और देश का नाम दें</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; is not text, csv, ics or pdf</source>
        <translation>--format &quot;%1&quot; text, csv, ics या pdf नहीं है</translation>
    </message>
    <message>
        <source>--format pdf needs --out FILE: a PDF is not written to standard output</source>
        <translation>--format pdf के लिए --out FILE चाहिए: PDF मानक आउटपुट पर नहीं लिखा जाता</translation>
    </message>
    <message>
        <source>--%1 chooses what the calendar holds: give it with --format ics</source>
        <translation>--%1 चुनता है कि कैलेंडर में क्या हो: इसे --format ics के साथ दें</translation>
    </message>
    <message>
        <source>--periods &quot;%1&quot; is not a comma-separated list of rahu, yamaganda and gulika, each at most once</source>
        <translation>--periods &quot;%1&quot; rahu, yamaganda और gulika की अल्पविराम से अलग सूची नहीं है, जिसमें हर एक अधिकतम एक बार हो</translation>
    </message>
    <message>
        <source>--alarm &quot;%1&quot; is neither none nor a number of minutes from 1 to 1440</source>
        <translation>--alarm &quot;%1&quot; न none है, न 1 से 1440 तक मिनटों की कोई संख्या</translation>
    </message>
    <message>
        <source>the PDF cannot be drawn</source>
        <translation>PDF बनाया नहीं जा सकता</translation>
    </message>
</context>
<context>
    <name>DegreesMinutes</name>
    <message>
        <source>N</source>
        <extracomment>North, after a latitude&apos;s degrees and minutes: 18° 31′ N</extracomment>
        <translation>उ</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, after a latitude&apos;s degrees and minutes: 33° 52′ S</extracomment>
        <translation>द</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, after a longitude&apos;s degrees and minutes: 73° 51′ E</extracomment>
        <translation>पू</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, after a longitude&apos;s degrees and minutes: 74° 0′ W</extracomment>
        <translation>प</translation>
    </message>
</context>
<context>
    <name>HomeTray</name>
    <message>
        <source>Open Horavela</source>
        <translation>Horavela खोलें</translation>
    </message>
    <message>
        <source>Rahu Kaal of the Month...</source>
        <translation>महीने का राहु काल...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>अनुस्मारक...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>बाहर निकलें</translation>
    </message>
    <message>
        <source>Horavela goes on running in the system tray, and its reminders still come. To end it, choose &quot;Quit&quot; in the menu of its icon there.</source>
        <translation>Horavela सिस्टम ट्रे में चलता रहता है, और उसके अनुस्मारक आते रहते हैं। इसे पूरी तरह बंद करने के लिए, वहाँ उसके आइकन के मेनू में &quot;बाहर निकलें&quot; चुनें।</translation>
    </message>
</context>
<context>
    <name>MonthFiles</name>
    <message>
        <source>%1 %2: %3 to %4 local time (UTC%5)</source>
        <translation>%1 %2: स्थानीय समय %3 से %4 तक (UTC%5)</translation>
    </message>
</context>
<context>
    <name>MonthPages</name>
    <message>
        <source>Sunrise and sunset are worked out to the minute by the almanac method, for the moment the sun&apos;s centre lies 50 minutes of arc below the horizon (its upper edge meeting the horizon, allowing for refraction), at this place and in its time zone; each period is one eighth of the daylight between them.</source>
        <translation>सूर्योदय और सूर्यास्त पंचांग की विधि से मिनट तक निकाले गए हैं, उस क्षण के लिए जब सूर्य का केंद्र क्षितिज से 50 कला नीचे होता है (अपवर्तन को ध्यान में रखकर, उसका ऊपरी किनारा क्षितिज को छूता है), इस स्थान पर और इसके समय क्षेत्र में; हर अवधि उनके बीच के दिनमान का आठवाँ भाग है।</translation>
    </message>
</context>
<context>
    <name>MonthTexts</name>
    <message>
        <source>Rahu Kaal</source>
        <translation>राहु काल</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>यमगण्ड</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <translation>गुलिक काल</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>दिनांक</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>सूर्योदय</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>सूर्यास्त</translation>
    </message>
    <message>
        <source>No time zone is known for this day</source>
        <translation>इस दिन का समय क्षेत्र ज्ञात नहीं है</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <translation>पूरे दिन सूर्य क्षितिज के ऊपर</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <translation>पूरे दिन सूर्य क्षितिज के नीचे</translation>
    </message>
    <message>
        <source>This day did not happen here: the clocks skipped it</source>
        <translation>यह दिन यहाँ आया ही नहीं: घड़ियाँ इसे लाँघ गईं</translation>
    </message>
    <message>
        <source>%1 did not happen at this place: its clocks skipped it.</source>
        <extracomment>A day that the place&apos;s clocks jumped over, as Samoa&apos;s did on 30 December 2011.</extracomment>
        <translation>%1 इस स्थान पर आया ही नहीं: यहाँ की घड़ियाँ उस दिन को लाँघ गईं।</translation>
    </message>
</context>
<context>
    <name>NowAndNextTexts</name>
    <message>
        <source>%1 now, until %2</source>
        <extracomment>The period on now and when it ends: &quot;Rahu Kaal now, until 4:59 PM&quot;.</extracomment>
        <translation>%1 अभी, %2 तक</translation>
    </message>
    <message>
        <source>Next: %1 tomorrow, %2 to %3</source>
        <extracomment>The next period, which starts tomorrow: &quot;Next: Yamaganda tomorrow, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>अगला: %1 कल, %2 से %3 तक</translation>
    </message>
    <message>
        <source>Next: %1, %2 to %3</source>
        <extracomment>The next period, later today: &quot;Next: Yamaganda, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>अगला: %1, %2 से %3 तक</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun up all day</source>
        <extracomment>Said where the sun stays up, as at Longyearbyen in June: &quot;No periods today: sun up all day&quot;.</extracomment>
        <translation>कल कोई काल नहीं: पूरे दिन सूर्य क्षितिज के ऊपर</translation>
    </message>
    <message>
        <source>No periods today: sun up all day</source>
        <translation>आज कोई काल नहीं: पूरे दिन सूर्य क्षितिज के ऊपर</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun down all day</source>
        <extracomment>Said where the sun stays down, as at Longyearbyen in December: &quot;No periods tomorrow: sun down all day&quot;.</extracomment>
        <translation>कल कोई काल नहीं: पूरे दिन सूर्य क्षितिज के नीचे</translation>
    </message>
    <message>
        <source>No periods today: sun down all day</source>
        <translation>आज कोई काल नहीं: पूरे दिन सूर्य क्षितिज के नीचे</translation>
    </message>
    <message>
        <source>No periods tomorrow: the clocks here skip that day</source>
        <extracomment>Samoa&apos;s clocks skipped 30 December 2011: the day after 29 December was 31 December.</extracomment>
        <translation>कल कोई काल नहीं: यहाँ की घड़ियाँ उस दिन को लाँघ जाती हैं</translation>
    </message>
    <message>
        <source>No periods: the place&apos;s time zone is not known</source>
        <extracomment>Said where the place&apos;s clock time is not known, so its periods cannot be given.</extracomment>
        <translation>कोई काल नहीं: इस स्थान का समय क्षेत्र ज्ञात नहीं है</translation>
    </message>
    <message>
        <source>%1 starts now (%2)</source>
        <extracomment>A reminder as the period starts, with the place&apos;s name: &quot;Rahu Kaal starts now (Pune)&quot;.</extracomment>
        <translation>%1 अभी शुरू (%2)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute (%3)</source>
        <extracomment>A reminder a minute before: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute (Pune)&quot;.</extracomment>
        <translation>%1 %2 पर शुरू, 1 मिनट में (%3)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes (%4)</source>
        <extracomment>A reminder some minutes before: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes (Pune)&quot;.</extracomment>
        <translation>%1 %2 पर शुरू, %3 मिनट में (%4)</translation>
    </message>
    <message>
        <source>%1 starts now</source>
        <extracomment>A reminder as the period starts, at a place without a name: &quot;Rahu Kaal starts now&quot;.</extracomment>
        <translation>%1 अभी शुरू</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute</source>
        <extracomment>A reminder a minute before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute&quot;.</extracomment>
        <translation>%1 %2 पर शुरू, 1 मिनट में</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes</source>
        <extracomment>A reminder some minutes before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes&quot;.</extracomment>
        <translation>%1 %2 पर शुरू, %3 मिनट में</translation>
    </message>
</context>
<context>
    <name>PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>स्थान</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>The Rahu Kaal period: its start, then its end, as date and time.</extracomment>
        <translation>%1 से %2 तक</translation>
    </message>
    <message>
        <source>Rahukal Period (day)</source>
        <translation>राहु काल की अवधि (दिन)</translation>
    </message>
    <message>
        <source>Rahukal Period (night before)</source>
        <translation>राहु काल की अवधि (पिछली रात)</translation>
    </message>
    <message>
        <source>Rahukal Period (night after)</source>
        <translation>राहु काल की अवधि (अगली रात)</translation>
    </message>
    <message>
        <source>The Chosen Time Period is in Rahu Kaal</source>
        <translation>चुना गया समय राहु काल में है</translation>
    </message>
    <message>
        <source>The Chosen Time Period is not in Rahu Kaal</source>
        <translation>चुना गया समय राहु काल में नहीं है</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 सहेजी नहीं जा सकी: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>कोई फ़ाइल नाम नहीं दिया गया</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>यह एक फ़ोल्डर है</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>फ़ोल्डर मौजूद नहीं है</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe)</source>
        <translation>यह एक FIFO (नामित पाइप) है</translation>
    </message>
    <message>
        <source>it is a character device</source>
        <translation>यह एक कैरेक्टर डिवाइस है</translation>
    </message>
    <message>
        <source>it is a block device</source>
        <translation>यह एक ब्लॉक डिवाइस है</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>यह एक सॉकेट है</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>यह एक सामान्य फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>it is another user&apos;s link to a file that is not theirs</source>
        <translation>यह किसी अन्य उपयोगकर्ता का लिंक है, जो ऐसी फ़ाइल की ओर ले जाता है जो उसकी नहीं है</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>अलास्का/हवाई डेलाइट समय,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>अलास्का/हवाई मानक समय,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>अलास्का/हवाई युद्धकालीन समय,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>अटलांटिक मानक समय,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>अटलांटिक युद्धकालीन समय,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>मध्य ऑस्ट्रेलियाई डेलाइट समय,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>मध्य ऑस्ट्रेलियाई मानक समय,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>पूर्वी ऑस्ट्रेलियाई डेलाइट समय,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>पूर्वी ऑस्ट्रेलियाई मानक समय,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>पश्चिमी ऑस्ट्रेलियाई डेलाइट समय,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>पश्चिमी ऑस्ट्रेलियाई मानक समय,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>अज़ोरेस समय, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>बगदाद समय, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>बेरिंग मानक समय,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ब्राज़ील क्षेत्र 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ब्रिटिश दोहरा ग्रीष्मकालीन समय,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ब्रिटिश ग्रीष्मकालीन समय,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ब्रिटिश युद्धकालीन समय,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>केंद्रीय डेलाइट समय,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>मध्य यूरोपीय डेलाइट समय,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>मध्य यूरोपीय समय,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>केंद्रीय मानक समय,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>केंद्रीय युद्धकालीन समय,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>चीन तटीय समय,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>पूर्वी डेलाइट समय,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>पूर्वी यूरोपीय डेलाइट समय,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>पूर्वी यूरोपीय समय,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>पूर्वी मानक समय,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>पूर्वी युद्धकालीन समय,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ग्रीनविच मीन टाइम,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>गुआम मानक समय,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>हवाई डेलाइट समय,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>हवाई मानक समय,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>हवाई युद्धकालीन समय,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>भारतीय समय, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>अंतर्राष्ट्रीय तिथि रेखा पूर्व,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>अंतर्राष्ट्रीय तिथि रेखा पश्चिम,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ईरान समय, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>जापान मानक समय,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>जावा समय, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>मध्य यूरोपीय डेलाइट समय,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>मध्य यूरोपीय समय,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>मोलुक्का समय, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>माउंटेन डेलाइट समय,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>माउंटेन मानक समय,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>माउंटेन युद्धकालीन समय,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>न्यूज़ीलैंड मानक ग्रीष्मकालीन समय,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>न्यूज़ीलैंड मानक समय,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>न्यूज़ीलैंड ग्रीष्मकालीन समय,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>न्यूज़ीलैंड समय,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>न्यूफ़ाउंडलैंड मानक समय,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>नोम समय, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>उत्तरी सुमात्रा समय,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>प्रशांत डेलाइट समय,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>प्रशांत मानक समय,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>प्रशांत युद्धकालीन समय,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>दक्षिणी सुमात्रा समय,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>सार्वत्रिक समय, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>सोवियत संघ क्षेत्र 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>सोवियत संघ क्षेत्र 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>सोवियत संघ क्षेत्र 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>सोवियत संघ क्षेत्र 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>सोवियत संघ क्षेत्र 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>पश्चिम अफ़्रीका समय,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>युकॉन डेलाइट समय,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>युकॉन मानक समय,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>युकॉन युद्धकालीन समय,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>ZoneRules</name>
    <message>
        <source>%1: not in this system&apos;s time-zone data</source>
        <translation>%1: इस सिस्टम के समय क्षेत्र डेटा में नहीं है</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2 से %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1 को</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>The zone&apos;s standard offset, given for a date that does not exist.</extracomment>
        <translation>मानक</translation>
    </message>
    <message>
        <source>%1: %2 %3 (in %4: %5)</source>
        <extracomment>&quot;America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 November)&quot;</extracomment>
        <translation>%1: %3 %2 (%4 में: %5)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. It is preferable to do all important and good tasks in the time before or after the Rahu Kaal. Copyright © the Horavela authors. All rights reserved.</source>
        <translation>Horavela राहु काल की गणना करता है। राहु काल दिन की एक अशुभ अवधि है, जिसमें शुभ कार्य नहीं किए जाते। सभी महत्वपूर्ण और शुभ कार्य राहु काल से पहले या बाद के समय में करना अच्छा है। कॉपीराइट © Horavela के लेखक। सर्वाधिकार सुरक्षित।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर अपनी वेबसाइट के ब्रांड के साथ पूरी तरह तैयार पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>राहु काल और अन्य विषयों पर चर्चा के लिए हमारी साइट देखें</translation>
    </message>
    <message>
        <source>Horavela Result</source>
        <translation>Horavela परिणाम</translation>
    </message>
    <message>
        <source>Chosen Date</source>
        <translation>चुना गया दिनांक</translation>
    </message>
    <message>
        <source>Chosen Time</source>
        <translation>चुना गया समय</translation>
    </message>
    <message>
        <source>The Chosen Time Period is Not in Rahu Kaal</source>
        <translation>चुना गया समय राहु काल में नहीं है</translation>
    </message>
    <message>
        <source>Rahukal Period</source>
        <translation>राहु काल की अवधि</translation>
    </message>
    <message>
        <source>Rahu Kal is an inauspicious time period in a day when favorable tasks are not performed.</source>
        <translation>राहु काल दिन की एक अशुभ अवधि है, जिसमें शुभ कार्य नहीं किए जाते।</translation>
    </message>
    <message>
        <source>*Do all important and good tasks in the time before or after the Rahu Kal.</source>
        <translation>*सभी महत्वपूर्ण और शुभ कार्य राहु काल से पहले या बाद के समय में करें।</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के लिए को-ब्रांड करें। अपनी साइट के प्रति लोगों का जुड़ाव और ट्रैफ़िक बढ़ाएँ। अपनी साइट का नाम और लिंक यहाँ लगाएँ। विवरण के लिए &quot;सहायता&quot; देखें।    को-ब्रांडिंग के बारे में अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर अपनी वेबसाइट के ब्रांड के साथ पूरी तरह तैयार पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Sun Rise Time On</source>
        <translation>सूर्योदय का समय</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>सूर्यास्त का समय</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>महीने का राहु काल (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन पैसे कमाएँ (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmLanguage</name>
    <message>
        <source>&amp;Language of Horavela:</source>
        <translation>Horavela की भाषा (&amp;L):</translation>
    </message>
    <message>
        <source>Language of Horavela</source>
        <translation>Horavela की भाषा</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करें (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>राहु काल और अन्य विषयों पर चर्चा के लिए हमारी साइट देखें</translation>
    </message>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. Do all important and good tasks in the time before or after the Rahu Kaal.</source>
        <translation>Horavela राहु काल की गणना करता है। राहु काल दिन की एक अशुभ अवधि है, जिसमें शुभ कार्य नहीं किए जाते। सभी महत्वपूर्ण और शुभ कार्य राहु काल से पहले या बाद के समय में करें।</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>अपना नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Enter Date</source>
        <translation>दिनांक दर्ज करें</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>महीना</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>समय दर्ज करें</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>सेकंड</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>अपना समय क्षेत्र दर्ज करें</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>अक्षांश दर्ज करें</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Enter Longitude</source>
        <translation>देशांतर दर्ज करें</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Enter Your City Name</source>
        <translation>अपने शहर का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>अपने राज्य का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>अपने देश का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश &amp;&amp; देशांतर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Is the Chosen Period in Rahul Kaal?</source>
        <translation>क्या चुना गया समय राहु काल में है?</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के लिए को-ब्रांड करें। अपनी साइट के प्रति लोगों का जुड़ाव और ट्रैफ़िक बढ़ाएँ। अपनी साइट का नाम और लिंक यहाँ लगाएँ। विवरण के लिए &quot;सहायता&quot; देखें।    को-ब्रांडिंग के बारे में अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर अपनी वेबसाइट के ब्रांड के साथ पूरी तरह तैयार पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>अभी का समय लें (&amp;N)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>महीने का राहु काल (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें (&amp;U)</translation>
    </message>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>प्रोग्राम की भाषा बदलें (&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन पैसे कमाएँ (&amp;O)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>घर का स्थान सहेजें (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Forget Home Place</source>
        <translation>घर का स्थान भूलें (&amp;F)</translation>
    </message>
    <message>
        <source>Show in the System &amp;Tray</source>
        <translation>सिस्टम ट्रे में दिखाएँ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>अनुस्मारक (&amp;R)...</translation>
    </message>
    <message>
        <source>Start with the &amp;Desktop</source>
        <translation>डेस्कटॉप के साथ शुरू करें (&amp;D)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>&lt;&lt; Pre&amp;vious Month</source>
        <translation>&lt;&lt; पिछला महीना (&amp;V)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>पिछला महीना</translation>
    </message>
    <message>
        <source>&amp;Next Month &gt;&gt;</source>
        <translation>अगला महीना (&amp;N) &gt;&gt;</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>अगला महीना</translation>
    </message>
    <message>
        <source>Rahu Kaal, Yamaganda and Gulika Kaal of Each Day</source>
        <translation>हर दिन का राहु काल, यमगण्ड और गुलिक काल</translation>
    </message>
    <message>
        <source>Save to &amp;Calendar...</source>
        <translation>कैलेंडर में सहेजें (&amp;C)...</translation>
    </message>
    <message>
        <source>Save to Calendar</source>
        <translation>कैलेंडर में सहेजें</translation>
    </message>
    <message>
        <source>Saves the periods as events of a calendar file (.ics)</source>
        <translation>अवधियों को कैलेंडर फ़ाइल (.ics) में इवेंट के रूप में सहेजता है</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>CSV के रूप में सहेजें (&amp;S)...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV के रूप में सहेजें</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file for a spreadsheet</source>
        <translation>तालिका को स्प्रेडशीट के लिए CSV फ़ाइल के रूप में सहेजता है</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>प्रिंट करें (&amp;P)...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF के रूप में सहेजें (&amp;D)...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>frmPlaceSearch</name>
    <message>
        <source>Places found. Choose the one you mean and press Use This Place: its latitude, longitude and time zone go into the main window. The time zone is the one in force at the date and time chosen there, in hours and minutes behind universal time.</source>
        <translation>मिले हुए स्थान। जो स्थान आप चाहते हैं उसे चुनें और &quot;यह स्थान लें&quot; दबाएँ: उसका अक्षांश, देशांतर और समय क्षेत्र मुख्य विंडो में भर दिए जाते हैं। समय क्षेत्र वह है जो वहाँ चुने गए दिनांक और समय पर लागू है, सार्वत्रिक समय से पीछे घंटों और मिनटों में।</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>मिले हुए स्थान</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Time zone (hours, minutes)</source>
        <translation>समय क्षेत्र (घंटे, मिनट)</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>स्थान GeoNames (geonames.org) से, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Use This Place</source>
        <translation>यह स्थान लें (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>वेब पर खोजें (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>अनुस्मारक</translation>
    </message>
    <message>
        <source>minutes before</source>
        <translation>मिनट पहले</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करें (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बाहर निकलें (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>horavela::SaveMonthDialog</name>
    <message>
        <source>Periods in the Calendar</source>
        <translation>कैलेंडर में अवधियाँ</translation>
    </message>
    <message>
        <source>&amp;Rahu Kaal</source>
        <translation>राहु काल (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Yamaganda</source>
        <translation>यमगण्ड (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Gulika Kaal</source>
        <translation>गुलिक काल (&amp;G)</translation>
    </message>
    <message>
        <source>R&amp;emind Me</source>
        <translation>मुझे याद दिलाएँ (&amp;E)</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> मिनट पहले</translation>
    </message>
    <message>
        <source>Minutes before each period</source>
        <translation>हर अवधि से कितने मिनट पहले</translation>
    </message>
    <message>
        <source>&amp;Months from the shown one:</source>
        <translation>दिखाए गए महीने से कितने महीने (&amp;M):</translation>
    </message>
</context>
<context>
    <name>horavela::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 पर जाएँ</translation>
    </message>
</context>
<context>
    <name>horavela::frmLanguage</name>
    <message>
        <source>System language</source>
        <translation>सिस्टम की भाषा</translation>
    </message>
</context>
<context>
    <name>horavela::frmMain</name>
    <message>
        <source>Please Enter a Number in the Hour and Minute of the Time Zone</source>
        <translation>कृपया समय क्षेत्र के घंटे और मिनट में संख्या दर्ज करें</translation>
    </message>
    <message>
        <source>The sun does not rise or does not set at this place on %1, so Rahu Kaal cannot be calculated.</source>
        <translation>%1 को इस स्थान पर सूर्योदय या सूर्यास्त नहीं होता, इसलिए राहु काल की गणना नहीं की जा सकती।</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश में 0 से 179 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>कृपया देशांतर के मिनट में 0 से 59 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश में 0 से 89 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>कृपया अक्षांश के मिनट में 0 से 59 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>कृपया सही दिनांक दर्ज करें</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल संख्याएँ स्वीकार की जाती हैं</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>कृपया केवल अक्षर दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश दर्ज करें</translation>
    </message>
    <message>
        <source>This year, %1, is not in the Year list (%2 to %3), so the date and time are left as they were.</source>
        <translation>यह वर्ष, %1, वर्ष की सूची (%2 से %3) में नहीं है, इसलिए दिनांक और समय पहले जैसे ही रखे गए हैं।</translation>
    </message>
    <message>
        <source>The settings could not be read, so the program starts without the home place.</source>
        <translation>सेटिंग्स पढ़ी नहीं जा सकीं, इसलिए प्रोग्राम घर के स्थान के बिना शुरू हो रहा है।</translation>
    </message>
    <message>
        <source>The home place kept in the settings is not a valid place, so the program starts without it.</source>
        <translation>सेटिंग्स में रखा घर का स्थान सही स्थान नहीं है, इसलिए प्रोग्राम उसके बिना शुरू हो रहा है।</translation>
    </message>
    <message>
        <source>The settings could not be written, so the home place is as it was.</source>
        <translation>सेटिंग्स लिखी नहीं जा सकीं, इसलिए घर का स्थान पहले जैसा ही है।</translation>
    </message>
    <message>
        <source>This desktop has no system tray, so Horavela cannot show its icon there. Reminders still come while Horavela is open.</source>
        <translation>इस डेस्कटॉप में सिस्टम ट्रे नहीं है, इसलिए Horavela वहाँ अपना आइकन नहीं दिखा सकता। फिर भी, जब तक Horavela खुला है, अनुस्मारक आते रहेंगे।</translation>
    </message>
    <message>
        <source>The settings could not be written, so the tray icon is as it was.</source>
        <translation>सेटिंग्स लिखी नहीं जा सकीं, इसलिए ट्रे आइकन पहले जैसा ही है।</translation>
    </message>
    <message>
        <source>The desktop&apos;s list of programs to start could not be changed.</source>
        <translation>डेस्कटॉप के साथ शुरू होने वाले प्रोग्रामों की सूची बदली नहीं जा सकी।</translation>
    </message>
</context>
<context>
    <name>horavela::frmMonth</name>
    <message>
        <source>Time Zone: %1</source>
        <translation>समय क्षेत्र: %1</translation>
    </message>
    <message>
        <source>Rahu Kaal, %1</source>
        <translation>राहु काल, %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>आज</translation>
    </message>
    <message>
        <source>Rahu Kaal %1-%2</source>
        <extracomment>A file&apos;s suggested name: &quot;Rahu Kaal 2025-03&quot;.</extracomment>
        <translation>राहु काल %1-%2</translation>
    </message>
    <message>
        <source>, %1 months</source>
        <extracomment>Follows a file&apos;s suggested name: &quot;Rahu Kaal 2025-03, 3 months&quot;.</extracomment>
        <translation>, %1 महीने</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>कैलेंडर (*.ics)</translation>
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
        <translation>महीना प्रिंट नहीं किया जा सका।</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>प्रिंट करना उपलब्ध नहीं है: %1।</translation>
    </message>
</context>
<context>
    <name>horavela::frmPlaceSearch</name>
    <message>
        <source>%1; latitude %2; longitude %3; time zone %4</source>
        <translation>%1; अक्षांश %2; देशांतर %3; समय क्षेत्र %4</translation>
    </message>
</context>
<context>
    <name>horavela::frmReminders</name>
    <message>
        <source>Minutes before %1</source>
        <extracomment>The spin box&apos;s name for a screen reader: &quot;Minutes before Rahu Kaal&quot;.</extracomment>
        <translation>%1 शुरू होने से कितने मिनट पहले</translation>
    </message>
    <message>
        <source>The settings could not be written, so the reminders are as they were.</source>
        <translation>सेटिंग्स लिखी नहीं जा सकीं, इसलिए अनुस्मारक पहले जैसे ही हैं।</translation>
    </message>
</context>
</TS>
