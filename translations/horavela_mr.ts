<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr_IN">
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &quot;%1&quot;; see horavela --help</source>
        <translation>अनपेक्षित आर्ग्युमेंट &quot;%1&quot;; horavela --help पाहा</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 दोनदा दिला आहे</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 साठी मूल्य आवश्यक आहे</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone (missing --%1)</source>
        <translation>--place द्या, किंवा --lat, --lon आणि --zone (--%1 दिलेला नाही)</translation>
    </message>
    <message>
        <source>--lat &quot;%1&quot; is not a latitude in decimal degrees</source>
        <translation>--lat &quot;%1&quot; हा दशांश अंशांमधील अक्षांश नाही</translation>
    </message>
    <message>
        <source>--lon &quot;%1&quot; is not a longitude in decimal degrees</source>
        <translation>--lon &quot;%1&quot; हा दशांश अंशांमधील रेखांश नाही</translation>
    </message>
    <message>
        <source>--zone &quot;%1&quot; is neither a zone of this system&apos;s time-zone data nor hours:minutes such as -5:-30</source>
        <translation>--zone &quot;%1&quot; हे या सिस्टमच्या वेळ क्षेत्र डेटामधील क्षेत्रही नाही आणि -5:-30 सारखे तास:मिनिटेही नाही</translation>
    </message>
    <message>
        <source>--place &quot;%1&quot; is not &quot;CITY, STATE, COUNTRY&quot;</source>
        <translation>--place &quot;%1&quot; हे &quot;CITY, STATE, COUNTRY&quot; या स्वरूपात नाही</translation>
    </message>
    <message>
        <source>the places database cannot be read</source>
        <translation>ठिकाणांचा डेटाबेस वाचता येत नाही</translation>
    </message>
    <message>
        <source>no place called &quot;%1&quot; in the places database</source>
        <translation>ठिकाणांच्या डेटाबेसमध्ये &quot;%1&quot; नावाचे ठिकाण नाही</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>किमान %1</translation>
    </message>
    <message>
        <source>the zone of %1, %2, is not in this system&apos;s time-zone data</source>
        <translation>%1 चे वेळ क्षेत्र, %2, या सिस्टमच्या वेळ क्षेत्र डेटामध्ये नाही</translation>
    </message>
    <message>
        <source>--language &quot;%1&quot; is not one of en, hi, bn, te, mr, ta, gu, kn, ml, pa and or</source>
        <translation>--language &quot;%1&quot; हे en, hi, bn, te, mr, ta, gu, kn, ml, pa आणि or यांपैकी नाही</translation>
    </message>
    <message>
        <source>--month YYYY-MM is needed; see horavela --help</source>
        <translation>--month YYYY-MM आवश्यक आहे; horavela --help पाहा</translation>
    </message>
    <message>
        <source>--month &quot;%1&quot; is not a month such as 2025-03</source>
        <translation>--month &quot;%1&quot; हा 2025-03 सारखा महिना नाही</translation>
    </message>
    <message>
        <source>--months &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>--months &quot;%1&quot; ही 1 ते 12 मधील संख्या नाही</translation>
    </message>
    <message>
        <source>the months must lie from 1901-01 to 2050-12</source>
        <translation>महिने 1901-01 ते 2050-12 या दरम्यान असले पाहिजेत</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone, not both</source>
        <translation>--place द्या, किंवा --lat, --lon आणि --zone; दोन्ही नाही</translation>
    </message>
    <message>
        <source>standard output cannot be written</source>
        <translation>मानक आउटपुटवर लिहिता येत नाही</translation>
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
        <translation>वापर: horavela --month YYYY-MM (--place &quot;CITY[, STATE], COUNTRY&quot; |
                --lat=DEGREES --lon=DEGREES --zone=ZONE) [OPTIONS]

एखाद्या ठिकाणी महिन्याच्या प्रत्येक दिवसाचा राहुकाळ, यमगंड आणि गुलिक काळ, महिन्याची
विंडो ते जसे जतन करते तसेच, कोणतीही विंडो न उघडता लिहितो.

  --month YYYY-MM    पहिला महिना, 1901-01 ते 2050-12
  --months N         किती महिने, 1 ते 12 (डीफॉल्ट 1)
  --place TEXT       ठिकाणांच्या डेटाबेसमधील ठिकाण: &quot;Pune, Maharashtra, India&quot;,
                     &quot;Pune, India&quot; किंवा &quot;Pune&quot;; त्याचे वेळ क्षेत्र तारखेनुसार ठरते
  --lat DEGREES      दशांश अंशांमध्ये अक्षांश, उत्तर धन: 18.52
  --lon DEGREES      दशांश अंशांमध्ये रेखांश, पूर्व धन: -74.0 म्हणजे पश्चिम
                     (दोन्ही जवळच्या मिनिटापर्यंत पूर्णांकित)
  --zone ZONE        वेळ क्षेत्राचे नाव, Asia/Kolkata, ज्याचा फरक तारखेनुसार ठरतो; किंवा
                     वैश्विक वेळेच्या मागे तास:मिनिटे, मुख्य विंडो घेते तशी,
                     -5:-30 (एका तासापेक्षा कमी पुढे असलेला फरक: -0:-19)
  --format FORMAT    text (डीफॉल्ट), csv, ics (कॅलेंडर) किंवा pdf (महिन्याच्या विंडोची
                     पाने, फक्त --out सह)
  --periods LIST     कॅलेंडरमधील घटना: rahu, yamaganda आणि gulika पैकी कोणतेही,
                     स्वल्पविरामाने वेगळे (डीफॉल्ट rahu); फक्त --format ics सह
  --alarm MINUTES    कॅलेंडरचे स्मरणपत्र, प्रत्येक कालावधीच्या 1 ते 1440 मिनिटे आधी,
                     किंवा none (डीफॉल्ट 10); फक्त --format ics सह
  --out FILE         FILE लिहा, पूर्ण किंवा अजिबात नाही; अन्यथा मानक आउटपुट
  --language CODE    मजकूर आणि कॅलेंडरची भाषा: en, hi, bn, te, mr,
                     ta, gu, kn, ml, pa किंवा or (डीफॉल्ट: विंडोमध्ये निवडलेली
                     भाषा, अन्यथा डेस्कटॉपची)
  -h, --help         ही मदत दाखवा
  --version          प्रोग्रामची आवृत्ती दाखवा

प्रत्येक पर्याय आपले मूल्य --name value किंवा --name=value असे घेतो.
निर्गमन स्थिती: 0 पूर्ण, 2 चुकीचे इनपुट, 1 फाइल किंवा ठिकाणांचा डेटाबेस अयशस्वी.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>अज्ञात पर्याय %1</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 कोणतेही मूल्य घेत नाही</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; holds a line break or another control character</source>
        <translation>--%1 &quot;%2&quot; मध्ये ओळ-खंड किंवा दुसरे नियंत्रण अक्षर आहे</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; has a space before or after it</source>
        <translation>--%1 &quot;%2&quot; च्या आधी किंवा नंतर रिकामी जागा आहे</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches %2 places (%3); name the state and the country</source>
        <translation>&quot;%1&quot; शी %2 ठिकाणे जुळतात (%3); राज्य आणि देशाचे नाव द्या</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; is not text, csv, ics or pdf</source>
        <translation>--format &quot;%1&quot; हे text, csv, ics किंवा pdf नाही</translation>
    </message>
    <message>
        <source>--format pdf needs --out FILE: a PDF is not written to standard output</source>
        <translation>--format pdf साठी --out FILE आवश्यक आहे: PDF मानक आउटपुटवर लिहिली जात नाही</translation>
    </message>
    <message>
        <source>--%1 chooses what the calendar holds: give it with --format ics</source>
        <translation>--%1 कॅलेंडरमध्ये काय असेल ते निवडतो: तो --format ics सह द्या</translation>
    </message>
    <message>
        <source>--periods &quot;%1&quot; is not a comma-separated list of rahu, yamaganda and gulika, each at most once</source>
        <translation>--periods &quot;%1&quot; ही rahu, yamaganda आणि gulika ची स्वल्पविरामाने वेगळी यादी नाही, ज्यात प्रत्येक जास्तीत जास्त एकदा असेल</translation>
    </message>
    <message>
        <source>--alarm &quot;%1&quot; is neither none nor a number of minutes from 1 to 1440</source>
        <translation>--alarm &quot;%1&quot; हे none नाही, 1 ते 1440 मधील मिनिटांची संख्याही नाही</translation>
    </message>
    <message>
        <source>the PDF cannot be drawn</source>
        <translation>PDF तयार करता येत नाही</translation>
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
        <translation>Horavela उघडा</translation>
    </message>
    <message>
        <source>Rahu Kaal of the Month...</source>
        <translation>महिन्याचा राहुकाळ...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>स्मरणपत्रे...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>बाहेर पडा</translation>
    </message>
    <message>
        <source>Horavela goes on running in the system tray, and its reminders still come. To end it, choose &quot;Quit&quot; in the menu of its icon there.</source>
        <translation>Horavela सिस्टम ट्रेमध्ये चालू राहते, आणि त्याची स्मरणपत्रे येत राहतात. ते पूर्णपणे बंद करण्यासाठी, तिथे त्याच्या आयकॉनच्या मेनूमध्ये &quot;बाहेर पडा&quot; निवडा.</translation>
    </message>
</context>
<context>
    <name>MonthFiles</name>
    <message>
        <source>%1 %2: %3 to %4 local time (UTC%5)</source>
        <translation>%1 %2: स्थानिक वेळ %3 ते %4 (UTC%5)</translation>
    </message>
</context>
<context>
    <name>MonthPages</name>
    <message>
        <source>Sunrise and sunset are worked out to the minute by the almanac method, for the moment the sun&apos;s centre lies 50 minutes of arc below the horizon (its upper edge meeting the horizon, allowing for refraction), at this place and in its time zone; each period is one eighth of the daylight between them.</source>
        <translation>सूर्योदय आणि सूर्यास्त पंचांगाच्या पद्धतीने मिनिटापर्यंत काढले आहेत, ज्या क्षणी सूर्याचे केंद्र क्षितिजाखाली 50 कला असते त्या क्षणासाठी (अपवर्तन लक्षात घेऊन, त्याची वरची कडा क्षितिजाला टेकते), या ठिकाणी आणि त्याच्या वेळ क्षेत्रात; प्रत्येक कालावधी त्यांच्यामधील दिनमानाचा आठवा भाग आहे.</translation>
    </message>
</context>
<context>
    <name>MonthTexts</name>
    <message>
        <source>Rahu Kaal</source>
        <translation>राहुकाळ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>यमगंड</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <translation>गुलिक काळ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>तारीख</translation>
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
        <translation>या दिवसाचे वेळ क्षेत्र माहीत नाही</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <translation>दिवसभर सूर्य क्षितिजावर</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <translation>दिवसभर सूर्य क्षितिजाखाली</translation>
    </message>
    <message>
        <source>This day did not happen here: the clocks skipped it</source>
        <translation>हा दिवस येथे आलाच नाही: घड्याळांनी तो वगळला</translation>
    </message>
    <message>
        <source>%1 did not happen at this place: its clocks skipped it.</source>
        <extracomment>A day that the place&apos;s clocks jumped over, as Samoa&apos;s did on 30 December 2011.</extracomment>
        <translation>%1 या ठिकाणी आलाच नाही: येथील घड्याळांनी तो दिवस वगळला.</translation>
    </message>
</context>
<context>
    <name>NowAndNextTexts</name>
    <message>
        <source>%1 now, until %2</source>
        <extracomment>The period on now and when it ends: &quot;Rahu Kaal now, until 4:59 PM&quot;.</extracomment>
        <translation>%1 आता, %2 पर्यंत</translation>
    </message>
    <message>
        <source>Next: %1 tomorrow, %2 to %3</source>
        <extracomment>The next period, which starts tomorrow: &quot;Next: Yamaganda tomorrow, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>पुढील: उद्या %1, %2 ते %3</translation>
    </message>
    <message>
        <source>Next: %1, %2 to %3</source>
        <extracomment>The next period, later today: &quot;Next: Yamaganda, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>पुढील: %1, %2 ते %3</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun up all day</source>
        <extracomment>Said where the sun stays up, as at Longyearbyen in June: &quot;No periods today: sun up all day&quot;.</extracomment>
        <translation>उद्या कोणताही काळ नाही: दिवसभर सूर्य क्षितिजावर</translation>
    </message>
    <message>
        <source>No periods today: sun up all day</source>
        <translation>आज कोणताही काळ नाही: दिवसभर सूर्य क्षितिजावर</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun down all day</source>
        <extracomment>Said where the sun stays down, as at Longyearbyen in December: &quot;No periods tomorrow: sun down all day&quot;.</extracomment>
        <translation>उद्या कोणताही काळ नाही: दिवसभर सूर्य क्षितिजाखाली</translation>
    </message>
    <message>
        <source>No periods today: sun down all day</source>
        <translation>आज कोणताही काळ नाही: दिवसभर सूर्य क्षितिजाखाली</translation>
    </message>
    <message>
        <source>No periods tomorrow: the clocks here skip that day</source>
        <extracomment>Samoa&apos;s clocks skipped 30 December 2011: the day after 29 December was 31 December.</extracomment>
        <translation>उद्या कोणताही काळ नाही: येथील घड्याळे तो दिवस वगळतात</translation>
    </message>
    <message>
        <source>No periods: the place&apos;s time zone is not known</source>
        <extracomment>Said where the place&apos;s clock time is not known, so its periods cannot be given.</extracomment>
        <translation>कोणताही काळ नाही: या ठिकाणाचे वेळ क्षेत्र माहीत नाही</translation>
    </message>
    <message>
        <source>%1 starts now (%2)</source>
        <extracomment>A reminder as the period starts, with the place&apos;s name: &quot;Rahu Kaal starts now (Pune)&quot;.</extracomment>
        <translation>%1 आता सुरू (%2)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute (%3)</source>
        <extracomment>A reminder a minute before: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute (Pune)&quot;.</extracomment>
        <translation>%1 %2 वाजता सुरू, १ मिनिटात (%3)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes (%4)</source>
        <extracomment>A reminder some minutes before: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes (Pune)&quot;.</extracomment>
        <translation>%1 %2 वाजता सुरू, %3 मिनिटांत (%4)</translation>
    </message>
    <message>
        <source>%1 starts now</source>
        <extracomment>A reminder as the period starts, at a place without a name: &quot;Rahu Kaal starts now&quot;.</extracomment>
        <translation>%1 आता सुरू</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute</source>
        <extracomment>A reminder a minute before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute&quot;.</extracomment>
        <translation>%1 %2 वाजता सुरू, १ मिनिटात</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes</source>
        <extracomment>A reminder some minutes before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes&quot;.</extracomment>
        <translation>%1 %2 वाजता सुरू, %3 मिनिटांत</translation>
    </message>
</context>
<context>
    <name>PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>ठिकाणे</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करा (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>पुन्हा करा (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>कापा (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिकटवा (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटवा</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सर्व निवडा</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक आहे</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करा</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>जतन करा</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>होय (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नाही (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करा (&amp;C)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सर्व निवडा</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>The Rahu Kaal period: its start, then its end, as date and time.</extracomment>
        <translation>%1 ते %2</translation>
    </message>
    <message>
        <source>Rahukal Period (day)</source>
        <translation>राहुकाळाचा कालावधी (दिवस)</translation>
    </message>
    <message>
        <source>Rahukal Period (night before)</source>
        <translation>राहुकाळाचा कालावधी (आधीची रात्र)</translation>
    </message>
    <message>
        <source>Rahukal Period (night after)</source>
        <translation>राहुकाळाचा कालावधी (नंतरची रात्र)</translation>
    </message>
    <message>
        <source>The Chosen Time Period is in Rahu Kaal</source>
        <translation>निवडलेली वेळ राहुकाळात आहे</translation>
    </message>
    <message>
        <source>The Chosen Time Period is not in Rahu Kaal</source>
        <translation>निवडलेली वेळ राहुकाळात नाही</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 जतन करता आली नाही: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>फाइलचे नाव दिलेले नाही</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>हे फोल्डर आहे</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>फोल्डर अस्तित्वात नाही</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe)</source>
        <translation>हे FIFO (नामित पाइप) आहे</translation>
    </message>
    <message>
        <source>it is a character device</source>
        <translation>हे कॅरेक्टर डिव्हाइस आहे</translation>
    </message>
    <message>
        <source>it is a block device</source>
        <translation>हे ब्लॉक डिव्हाइस आहे</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>हे सॉकेट आहे</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ही सामान्य फाइल नाही</translation>
    </message>
    <message>
        <source>it is another user&apos;s link to a file that is not theirs</source>
        <translation>हा दुसऱ्या वापरकर्त्याचा दुवा आहे, जो त्याच्या मालकीच्या नसलेल्या फाइलकडे नेतो</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम आधीच चालू आहे</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>अलास्का/हवाई सूर्यप्रकाश वेळ,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>अलास्का/हवाई प्रमाण वेळ,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>अलास्का/हवाई युद्धकालीन वेळ,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>अटलांटिक प्रमाण वेळ,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>अटलांटिक युद्धकालीन वेळ,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>मध्य ऑस्ट्रेलिया सूर्यप्रकाश वेळ,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>मध्य ऑस्ट्रेलिया प्रमाण वेळ,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>पूर्व ऑस्ट्रेलिया सूर्यप्रकाश वेळ,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>पूर्व ऑस्ट्रेलिया प्रमाण वेळ,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>पश्चिम ऑस्ट्रेलिया सूर्यप्रकाश वेळ,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>पश्चिम ऑस्ट्रेलिया प्रमाण वेळ,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>अ‍ॅझोरेस वेळ, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>बगदाद वेळ, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>बेरिंग प्रमाण वेळ,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ब्राझील क्षेत्र 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ब्रिटिश दुहेरी उन्हाळी वेळ,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ब्रिटिश उन्हाळी वेळ,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ब्रिटिश युद्धकालीन वेळ,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>केंद्रीय सूर्यप्रकाश वेळ,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>मध्य युरोपियन सूर्यप्रकाश वेळ,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>मध्य युरोपियन वेळ,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>केंद्रीय प्रमाण वेळ,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>केंद्रीय युद्धकालीन वेळ,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>चीन किनारी वेळ,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>पूर्व सूर्यप्रकाश वेळ,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>पूर्व युरोपियन सूर्यप्रकाश वेळ,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>पूर्व युरोपियन वेळ,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>पूर्व प्रमाण वेळ,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>पूर्व युद्धकालीन वेळ,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ग्रीनिच प्रमाण वेळ,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>गुआम प्रमाण वेळ,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>हवाई सूर्यप्रकाश वेळ,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>हवाई प्रमाण वेळ,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>हवाई युद्धकालीन वेळ,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>भारतीय वेळ, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>आंतरराष्ट्रीय वाररेषा पूर्व,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>आंतरराष्ट्रीय वाररेषा पश्चिम,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>इराण वेळ, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>जपान प्रमाण वेळ,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>जावा वेळ, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>मध्य युरोपियन सूर्यप्रकाश वेळ,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>मध्य युरोपियन वेळ,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>मोलुक्का वेळ, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>पर्वतीय सूर्यप्रकाश वेळ,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>पर्वतीय प्रमाण वेळ,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>पर्वतीय युद्धकालीन वेळ,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>न्यूझीलंड प्रमाण उन्हाळी वेळ,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>न्यूझीलंड प्रमाण वेळ,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>न्यूझीलंड उन्हाळी वेळ,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>न्यूझीलंड वेळ,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>न्यूफाउंडलंड प्रमाण वेळ,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>नोम वेळ, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>उत्तर सुमात्रा वेळ,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>पॅसिफिक सूर्यप्रकाश वेळ,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>पॅसिफिक प्रमाण वेळ,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>पॅसिफिक युद्धकालीन वेळ,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया सूर्यप्रकाश वेळ,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया सूर्यप्रकाश वेळ,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया प्रमाण वेळ,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया प्रमाण वेळ,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>दक्षिण सुमात्रा वेळ,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>वैश्विक वेळ, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>सोव्हिएत संघ क्षेत्र 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>सोव्हिएत संघ क्षेत्र 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>सोव्हिएत संघ क्षेत्र 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>सोव्हिएत संघ क्षेत्र 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>सोव्हिएत संघ क्षेत्र 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>पश्चिम आफ्रिका वेळ,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>युकॉन सूर्यप्रकाश वेळ,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>युकॉन प्रमाण वेळ,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>युकॉन युद्धकालीन वेळ,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>ZoneRules</name>
    <message>
        <source>%1: not in this system&apos;s time-zone data</source>
        <translation>%1: या सिस्टमच्या वेळ क्षेत्र डेटामध्ये नाही</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2 पासून %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1 रोजी</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>The zone&apos;s standard offset, given for a date that does not exist.</extracomment>
        <translation>प्रमाण</translation>
    </message>
    <message>
        <source>%1: %2 %3 (in %4: %5)</source>
        <extracomment>&quot;America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 November)&quot;</extracomment>
        <translation>%1: %3 %2 (%4 मध्ये: %5)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. It is preferable to do all important and good tasks in the time before or after the Rahu Kaal. Copyright © the Horavela authors. All rights reserved.</source>
        <translation>Horavela राहुकाळाची गणना करते. राहुकाळ हा दिवसातील एक अशुभ कालावधी आहे, ज्यात शुभ कामे केली जात नाहीत. सर्व महत्त्वाची आणि शुभ कामे राहुकाळाच्या आधी किंवा नंतरच्या वेळेत करणे श्रेयस्कर आहे. कॉपीराइट © Horavela चे लेखक. सर्व हक्क राखीव.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घरबसल्या व्यवसायाची संधी. तुमचा स्वतःचा इंटरनेट व्यवसाय सुरू करा आणि ऑनलाइन पैसे कमवा. हे सॉफ्टवेअर तुमच्या वेबसाइटच्या पूर्ण ब्रँडिंगसह मिळवा.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक माहितीसाठी येथे क्लिक करा</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक आहे (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>राहुकाळ आणि इतर विषयांवरील चर्चेसाठी आमच्या साइटला भेट द्या</translation>
    </message>
    <message>
        <source>Horavela Result</source>
        <translation>Horavela निकाल</translation>
    </message>
    <message>
        <source>Chosen Date</source>
        <translation>निवडलेली तारीख</translation>
    </message>
    <message>
        <source>Chosen Time</source>
        <translation>निवडलेली वेळ</translation>
    </message>
    <message>
        <source>The Chosen Time Period is Not in Rahu Kaal</source>
        <translation>निवडलेली वेळ राहुकाळात नाही</translation>
    </message>
    <message>
        <source>Rahukal Period</source>
        <translation>राहुकाळाचा कालावधी</translation>
    </message>
    <message>
        <source>Rahu Kal is an inauspicious time period in a day when favorable tasks are not performed.</source>
        <translation>राहुकाळ हा दिवसातील एक अशुभ कालावधी आहे, ज्यात शुभ कामे केली जात नाहीत.</translation>
    </message>
    <message>
        <source>*Do all important and good tasks in the time before or after the Rahu Kal.</source>
        <translation>*सर्व महत्त्वाची आणि शुभ कामे राहुकाळाच्या आधी किंवा नंतरच्या वेळेत करा.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहेर पडा (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>मागे (&amp;B)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>हे सॉफ्टवेअर तुमच्या साइटसाठी को-ब्रँड करा. तुमच्या साइटशी लोकांची आपुलकी आणि ट्रॅफिक वाढवा. तुमच्या साइटचे नाव आणि लिंक येथे ठेवा. तपशिलांसाठी &quot;मदत&quot; पाहा.    को-ब्रँडिंगविषयी अधिक माहितीसाठी येथे क्लिक करा.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घरबसल्या व्यवसायाची संधी. तुमचा स्वतःचा इंटरनेट व्यवसाय सुरू करा आणि ऑनलाइन पैसे कमवा. हे सॉफ्टवेअर तुमच्या वेबसाइटच्या पूर्ण ब्रँडिंगसह मिळवा. अधिक माहितीसाठी येथे क्लिक करा.</translation>
    </message>
    <message>
        <source>Sun Rise Time On</source>
        <translation>सूर्योदयाची वेळ</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>सूर्यास्ताची वेळ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>मदत (&amp;H)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>महिन्याचा राहुकाळ (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहेर पडा (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन मदत (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>आमची वेबसाइट पाहा (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>सॉफ्टवेअर अपडेट तपासा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ्टवेअरविषयी (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>देणगी द्या (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन पैसे कमवा (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmLanguage</name>
    <message>
        <source>&amp;Language of Horavela:</source>
        <translation>Horavela ची भाषा (&amp;L):</translation>
    </message>
    <message>
        <source>Language of Horavela</source>
        <translation>Horavela ची भाषा</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक आहे (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करा (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>राहुकाळ आणि इतर विषयांवरील चर्चेसाठी आमच्या साइटला भेट द्या</translation>
    </message>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. Do all important and good tasks in the time before or after the Rahu Kaal.</source>
        <translation>Horavela राहुकाळाची गणना करते. राहुकाळ हा दिवसातील एक अशुभ कालावधी आहे, ज्यात शुभ कामे केली जात नाहीत. सर्व महत्त्वाची आणि शुभ कामे राहुकाळाच्या आधी किंवा नंतरच्या वेळेत करा.</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>तुमचे नाव प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Enter Date</source>
        <translation>तारीख प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>महिना</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>दिवस</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>वेळ प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>तास</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>मिनिट</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>सेकंद</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>तुमचे वेळ क्षेत्र प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>मिनिट</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>वेळ क्षेत्र मदत</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>अक्षांश प्रविष्ट करा</translation>
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
        <translation>रेखांश प्रविष्ट करा</translation>
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
        <translation>तुमच्या शहराचे नाव प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>तुमच्या राज्याचे नाव प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>तुमच्या देशाचे नाव प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश &amp;&amp; रेखांश शोधण्यासाठी येथे क्लिक करा</translation>
    </message>
    <message>
        <source>Is the Chosen Period in Rahul Kaal?</source>
        <translation>निवडलेली वेळ राहुकाळात आहे का?</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>हे सॉफ्टवेअर तुमच्या साइटसाठी को-ब्रँड करा. तुमच्या साइटशी लोकांची आपुलकी आणि ट्रॅफिक वाढवा. तुमच्या साइटचे नाव आणि लिंक येथे ठेवा. तपशिलांसाठी &quot;मदत&quot; पाहा.    को-ब्रँडिंगविषयी अधिक माहितीसाठी येथे क्लिक करा.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घरबसल्या व्यवसायाची संधी. तुमचा स्वतःचा इंटरनेट व्यवसाय सुरू करा आणि ऑनलाइन पैसे कमवा. हे सॉफ्टवेअर तुमच्या वेबसाइटच्या पूर्ण ब्रँडिंगसह मिळवा. अधिक माहितीसाठी येथे क्लिक करा.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>मदत (&amp;H)</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>आताची वेळ घ्या (&amp;N)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>महिन्याचा राहुकाळ (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहेर पडा (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन मदत (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>आमची वेबसाइट पाहा (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ्टवेअर अपडेट तपासा (&amp;U)</translation>
    </message>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>प्रोग्रामची भाषा बदला (&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ्टवेअरविषयी (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>देणगी द्या (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन पैसे कमवा (&amp;O)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>घरचे ठिकाण म्हणून जतन करा (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Forget Home Place</source>
        <translation>घरचे ठिकाण विसरा (&amp;F)</translation>
    </message>
    <message>
        <source>Show in the System &amp;Tray</source>
        <translation>सिस्टम ट्रेमध्ये दाखवा (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>स्मरणपत्रे (&amp;R)...</translation>
    </message>
    <message>
        <source>Start with the &amp;Desktop</source>
        <translation>डेस्कटॉपसोबत सुरू करा (&amp;D)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>&lt;&lt; Pre&amp;vious Month</source>
        <translation>&lt;&lt; मागील महिना (&amp;V)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>मागील महिना</translation>
    </message>
    <message>
        <source>&amp;Next Month &gt;&gt;</source>
        <translation>पुढील महिना (&amp;N) &gt;&gt;</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>पुढील महिना</translation>
    </message>
    <message>
        <source>Rahu Kaal, Yamaganda and Gulika Kaal of Each Day</source>
        <translation>प्रत्येक दिवसाचा राहुकाळ, यमगंड आणि गुलिक काळ</translation>
    </message>
    <message>
        <source>Save to &amp;Calendar...</source>
        <translation>कॅलेंडरमध्ये जतन करा (&amp;C)...</translation>
    </message>
    <message>
        <source>Save to Calendar</source>
        <translation>कॅलेंडरमध्ये जतन करा</translation>
    </message>
    <message>
        <source>Saves the periods as events of a calendar file (.ics)</source>
        <translation>कालावधी कॅलेंडर फाइलमध्ये (.ics) इव्हेंट म्हणून जतन करते</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>CSV म्हणून जतन करा (&amp;S)...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV म्हणून जतन करा</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file for a spreadsheet</source>
        <translation>तक्ता स्प्रेडशीटसाठी CSV फाइल म्हणून जतन करते</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>प्रिंट करा (&amp;P)...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करा</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF म्हणून जतन करा (&amp;D)...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF म्हणून जतन करा</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
</context>
<context>
    <name>frmPlaceSearch</name>
    <message>
        <source>Places found. Choose the one you mean and press Use This Place: its latitude, longitude and time zone go into the main window. The time zone is the one in force at the date and time chosen there, in hours and minutes behind universal time.</source>
        <translation>सापडलेली ठिकाणे. तुम्हाला हवे असलेले ठिकाण निवडा आणि &quot;हे ठिकाण वापरा&quot; दाबा: त्याचे अक्षांश, रेखांश आणि वेळ क्षेत्र मुख्य विंडोमध्ये भरले जातात. वेळ क्षेत्र म्हणजे तेथे निवडलेल्या तारखेला आणि वेळेला लागू असलेले क्षेत्र, वैश्विक वेळेच्या मागे तास आणि मिनिटांमध्ये.</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>सापडलेली ठिकाणे</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ठिकाण</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>रेखांश</translation>
    </message>
    <message>
        <source>Time zone (hours, minutes)</source>
        <translation>वेळ क्षेत्र (तास, मिनिटे)</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>ठिकाणे GeoNames (geonames.org) कडून, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Use This Place</source>
        <translation>हे ठिकाण वापरा (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>वेबवर शोधा (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करा (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>स्मरणपत्रे</translation>
    </message>
    <message>
        <source>minutes before</source>
        <translation>मिनिटे आधी</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक आहे (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करा (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>वेळ क्षेत्रे</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बाहेर पडा (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>horavela::SaveMonthDialog</name>
    <message>
        <source>Periods in the Calendar</source>
        <translation>कॅलेंडरमधील कालावधी</translation>
    </message>
    <message>
        <source>&amp;Rahu Kaal</source>
        <translation>राहुकाळ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Yamaganda</source>
        <translation>यमगंड (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Gulika Kaal</source>
        <translation>गुलिक काळ (&amp;G)</translation>
    </message>
    <message>
        <source>R&amp;emind Me</source>
        <translation>मला आठवण करून द्या (&amp;E)</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> मिनिटे आधी</translation>
    </message>
    <message>
        <source>Minutes before each period</source>
        <translation>प्रत्येक कालावधीच्या किती मिनिटे आधी</translation>
    </message>
    <message>
        <source>&amp;Months from the shown one:</source>
        <translation>दाखवलेल्या महिन्यापासून किती महिने (&amp;M):</translation>
    </message>
</context>
<context>
    <name>horavela::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 ला भेट द्या</translation>
    </message>
</context>
<context>
    <name>horavela::frmLanguage</name>
    <message>
        <source>System language</source>
        <translation>सिस्टमची भाषा</translation>
    </message>
</context>
<context>
    <name>horavela::frmMain</name>
    <message>
        <source>Please Enter a Number in the Hour and Minute of the Time Zone</source>
        <translation>कृपया वेळ क्षेत्राच्या तास आणि मिनिटांमध्ये संख्या प्रविष्ट करा</translation>
    </message>
    <message>
        <source>The sun does not rise or does not set at this place on %1, so Rahu Kaal cannot be calculated.</source>
        <translation>%1 रोजी या ठिकाणी सूर्योदय किंवा सूर्यास्त होत नाही, त्यामुळे राहुकाळाची गणना करता येत नाही.</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाव प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>कृपया रेखांशाच्या अंशांमध्ये 0 ते 179 दरम्यानचे मूल्य प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>कृपया रेखांशाच्या मिनिटांमध्ये 0 ते 59 दरम्यानचे मूल्य प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>कृपया अक्षांशाच्या अंशांमध्ये 0 ते 89 दरम्यानचे मूल्य प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>कृपया अक्षांशाच्या मिनिटांमध्ये 0 ते 59 दरम्यानचे मूल्य प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>कृपया योग्य तारीख प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>फक्त संख्या स्वीकारल्या जातात</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>कृपया फक्त अक्षरे प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य प्रविष्ट करा</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश प्रविष्ट करा</translation>
    </message>
    <message>
        <source>This year, %1, is not in the Year list (%2 to %3), so the date and time are left as they were.</source>
        <translation>हे वर्ष, %1, वर्षांच्या यादीत (%2 ते %3) नाही, म्हणून तारीख आणि वेळ आहेत तशीच ठेवली आहेत.</translation>
    </message>
    <message>
        <source>The settings could not be read, so the program starts without the home place.</source>
        <translation>सेटिंग्ज वाचता आल्या नाहीत, म्हणून प्रोग्राम घरच्या ठिकाणाशिवाय सुरू होत आहे.</translation>
    </message>
    <message>
        <source>The home place kept in the settings is not a valid place, so the program starts without it.</source>
        <translation>सेटिंग्जमध्ये ठेवलेले घरचे ठिकाण योग्य ठिकाण नाही, म्हणून प्रोग्राम त्याशिवाय सुरू होत आहे.</translation>
    </message>
    <message>
        <source>The settings could not be written, so the home place is as it was.</source>
        <translation>सेटिंग्ज लिहिता आल्या नाहीत, म्हणून घरचे ठिकाण पूर्वीसारखेच आहे.</translation>
    </message>
    <message>
        <source>This desktop has no system tray, so Horavela cannot show its icon there. Reminders still come while Horavela is open.</source>
        <translation>या डेस्कटॉपवर सिस्टम ट्रे नाही, म्हणून Horavela तिथे आपला आयकॉन दाखवू शकत नाही. तरीही, Horavela उघडे असेपर्यंत स्मरणपत्रे येत राहतील.</translation>
    </message>
    <message>
        <source>The settings could not be written, so the tray icon is as it was.</source>
        <translation>सेटिंग्ज लिहिता आल्या नाहीत, म्हणून ट्रे आयकॉन पूर्वीसारखाच आहे.</translation>
    </message>
    <message>
        <source>The desktop&apos;s list of programs to start could not be changed.</source>
        <translation>डेस्कटॉपसोबत सुरू होणाऱ्या प्रोग्रामची यादी बदलता आली नाही.</translation>
    </message>
</context>
<context>
    <name>horavela::frmMonth</name>
    <message>
        <source>Time Zone: %1</source>
        <translation>वेळ क्षेत्र: %1</translation>
    </message>
    <message>
        <source>Rahu Kaal, %1</source>
        <translation>राहुकाळ, %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>आज</translation>
    </message>
    <message>
        <source>Rahu Kaal %1-%2</source>
        <extracomment>A file&apos;s suggested name: &quot;Rahu Kaal 2025-03&quot;.</extracomment>
        <translation>राहुकाळ %1-%2</translation>
    </message>
    <message>
        <source>, %1 months</source>
        <extracomment>Follows a file&apos;s suggested name: &quot;Rahu Kaal 2025-03, 3 months&quot;.</extracomment>
        <translation>, %1 महिने</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>कॅलेंडर (*.ics)</translation>
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
        <translation>महिना प्रिंट करता आला नाही.</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>प्रिंटिंग उपलब्ध नाही: %1.</translation>
    </message>
</context>
<context>
    <name>horavela::frmPlaceSearch</name>
    <message>
        <source>%1; latitude %2; longitude %3; time zone %4</source>
        <translation>%1; अक्षांश %2; रेखांश %3; वेळ क्षेत्र %4</translation>
    </message>
</context>
<context>
    <name>horavela::frmReminders</name>
    <message>
        <source>Minutes before %1</source>
        <extracomment>The spin box&apos;s name for a screen reader: &quot;Minutes before Rahu Kaal&quot;.</extracomment>
        <translation>%1 सुरू होण्याच्या किती मिनिटे आधी</translation>
    </message>
    <message>
        <source>The settings could not be written, so the reminders are as they were.</source>
        <translation>सेटिंग्ज लिहिता आल्या नाहीत, म्हणून स्मरणपत्रे पूर्वीसारखीच आहेत.</translation>
    </message>
</context>
</TS>
