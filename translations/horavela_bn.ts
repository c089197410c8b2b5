<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_IN">
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &quot;%1&quot;; see horavela --help</source>
        <translation>অপ্রত্যাশিত আর্গুমেন্ট &quot;%1&quot;; horavela --help দেখুন</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 দুবার দেওয়া হয়েছে</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1-এর একটি মান দরকার</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone (missing --%1)</source>
        <translation>--place দিন, অথবা --lat, --lon ও --zone দিন (--%1 নেই)</translation>
    </message>
    <message>
        <source>--lat &quot;%1&quot; is not a latitude in decimal degrees</source>
        <translation>--lat &quot;%1&quot; দশমিক ডিগ্রিতে কোনো অক্ষাংশ নয়</translation>
    </message>
    <message>
        <source>--lon &quot;%1&quot; is not a longitude in decimal degrees</source>
        <translation>--lon &quot;%1&quot; দশমিক ডিগ্রিতে কোনো দ্রাঘিমাংশ নয়</translation>
    </message>
    <message>
        <source>--zone &quot;%1&quot; is neither a zone of this system&apos;s time-zone data nor hours:minutes such as -5:-30</source>
        <translation>--zone &quot;%1&quot; এই সিস্টেমের সময় অঞ্চলের তথ্যে থাকা কোনো অঞ্চল নয়, -5:-30-এর মতো ঘণ্টা:মিনিটও নয়</translation>
    </message>
    <message>
        <source>--place &quot;%1&quot; is not &quot;CITY, STATE, COUNTRY&quot;</source>
        <translation>--place &quot;%1&quot; &quot;CITY, STATE, COUNTRY&quot; (শহর, রাজ্য, দেশ) আকারে নেই</translation>
    </message>
    <message>
        <source>the places database cannot be read</source>
        <translation>স্থানের ডেটাবেস পড়া যাচ্ছে না</translation>
    </message>
    <message>
        <source>no place called &quot;%1&quot; in the places database</source>
        <translation>স্থানের ডেটাবেসে &quot;%1&quot; নামে কোনো স্থান নেই</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>অন্তত %1</translation>
    </message>
    <message>
        <source>the zone of %1, %2, is not in this system&apos;s time-zone data</source>
        <translation>%1-এর সময় অঞ্চল, %2, এই সিস্টেমের সময় অঞ্চলের তথ্যে নেই</translation>
    </message>
    <message>
        <source>--language &quot;%1&quot; is not one of en, hi, bn, te, mr, ta, gu, kn, ml, pa and or</source>
        <translation>--language &quot;%1&quot; en, hi, bn, te, mr, ta, gu, kn, ml, pa ও or-এর কোনোটি নয়</translation>
    </message>
    <message>
        <source>--month YYYY-MM is needed; see horavela --help</source>
        <translation>--month YYYY-MM দরকার; horavela --help দেখুন</translation>
    </message>
    <message>
        <source>--month &quot;%1&quot; is not a month such as 2025-03</source>
        <translation>--month &quot;%1&quot; 2025-03-এর মতো কোনো মাস নয়</translation>
    </message>
    <message>
        <source>--months &quot;%1&quot; is not a number from 1 to 12</source>
        <translation>--months &quot;%1&quot; 1 থেকে 12-এর মধ্যে কোনো সংখ্যা নয়</translation>
    </message>
    <message>
        <source>the months must lie from 1901-01 to 2050-12</source>
        <translation>মাসগুলি 1901-01 থেকে 2050-12-এর মধ্যে হতে হবে</translation>
    </message>
    <message>
        <source>give --place, or --lat, --lon and --zone, not both</source>
        <translation>--place দিন, অথবা --lat, --lon ও --zone দিন, দুটোই নয়</translation>
    </message>
    <message>
        <source>standard output cannot be written</source>
        <translation>স্ট্যান্ডার্ড আউটপুটে লেখা যাচ্ছে না</translation>
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
        <translation>ব্যবহার: horavela --month YYYY-MM (--place &quot;CITY[, STATE], COUNTRY&quot; |
                --lat=DEGREES --lon=DEGREES --zone=ZONE) [OPTIONS]

কোনো স্থানের জন্য এক মাসের প্রতিটি দিনের রাহুকাল, যমগণ্ড ও গুলিক কাল লেখে,
মাসের উইন্ডো যেভাবে সংরক্ষণ করে সেভাবেই, কোনো উইন্ডো না খুলে।

  --month YYYY-MM    প্রথম মাস, 1901-01 থেকে 2050-12 পর্যন্ত
  --months N         কত মাস, 1 থেকে 12 (ডিফল্ট 1)
  --place TEXT       স্থানের ডেটাবেসের একটি স্থান: &quot;Pune, Maharashtra, India&quot;,
                     &quot;Pune, India&quot; বা &quot;Pune&quot;; তার সময় অঞ্চল তারিখ অনুযায়ী চলে
  --lat DEGREES      দশমিক ডিগ্রিতে অক্ষাংশ, উত্তর ধনাত্মক: 18.52
  --lon DEGREES      দশমিক ডিগ্রিতে দ্রাঘিমাংশ, পূর্ব ধনাত্মক: -74.0 মানে পশ্চিম
                     (দুটিই নিকটতম মিনিটে পূর্ণ করা হয়)
  --zone ZONE        সময় অঞ্চলের নাম, Asia/Kolkata, যার অফসেট তারিখ অনুযায়ী চলে;
                     অথবা সার্বজনীন সময়ের চেয়ে কত ঘণ্টা:মিনিট পিছিয়ে, প্রধান
                     উইন্ডোর মতো, -5:-30 (এক ঘণ্টার কম এগিয়ে থাকলে: -0:-19)
  --format FORMAT    text (ডিফল্ট), csv, ics (একটি ক্যালেন্ডার) বা pdf (মাসের উইন্ডোর
                     পাতাগুলি, কেবল --out-সহ)
  --periods LIST     ক্যালেন্ডারের ঘটনা: rahu, yamaganda ও gulika-র যেকোনোটি,
                     কমা দিয়ে আলাদা (ডিফল্ট rahu); কেবল --format ics-সহ
  --alarm MINUTES    ক্যালেন্ডারের অনুস্মারক, প্রতিটি সময়কালের 1 থেকে 1440 মিনিট আগে,
                     অথবা none (ডিফল্ট 10); কেবল --format ics-সহ
  --out FILE         FILE লেখে, পুরোটা অথবা কিছুই নয়; নইলে স্ট্যান্ডার্ড আউটপুট
  --language CODE    লেখা ও ক্যালেন্ডারের ভাষা: en, hi, bn, te, mr,
                     ta, gu, kn, ml, pa বা or (ডিফল্ট: উইন্ডোতে বেছে নেওয়া
                     ভাষা, নইলে ডেস্কটপের ভাষা)
  -h, --help         এই সাহায্য দেখায়
  --version          প্রোগ্রামের সংস্করণ দেখায়

প্রতিটি অপশনের মান দেওয়া যায় --name value বা --name=value রূপে।
প্রস্থান অবস্থা: 0 সম্পন্ন, 2 ভুল ইনপুট, 1 ফাইল বা স্থানের ডেটাবেসে ব্যর্থতা।
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>অজানা অপশন %1</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 কোনো মান নেয় না</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; holds a line break or another control character</source>
        <translation>--%1 &quot;%2&quot;-তে লাইন ব্রেক বা অন্য কোনো নিয়ন্ত্রণ অক্ষর আছে</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; has a space before or after it</source>
        <translation>--%1 &quot;%2&quot;-এর আগে বা পরে ফাঁকা জায়গা আছে</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches %2 places (%3); name the state and the country</source>
        <translation>&quot;%1&quot; %2টি স্থানের সঙ্গে মেলে (%3); রাজ্য ও দেশের নাম দিন</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; is not text, csv, ics or pdf</source>
        <translation>--format &quot;%1&quot; text, csv, ics বা pdf কোনোটিই নয়</translation>
    </message>
    <message>
        <source>--format pdf needs --out FILE: a PDF is not written to standard output</source>
        <translation>--format pdf-এর জন্য --out FILE দরকার: PDF স্ট্যান্ডার্ড আউটপুটে লেখা হয় না</translation>
    </message>
    <message>
        <source>--%1 chooses what the calendar holds: give it with --format ics</source>
        <translation>--%1 ঠিক করে ক্যালেন্ডারে কী থাকবে: এটি --format ics-সহ দিন</translation>
    </message>
    <message>
        <source>--periods &quot;%1&quot; is not a comma-separated list of rahu, yamaganda and gulika, each at most once</source>
        <translation>--periods &quot;%1&quot; rahu, yamaganda ও gulika-র কমা দিয়ে আলাদা তালিকা নয়, যেখানে প্রতিটি বড়জোর একবার থাকে</translation>
    </message>
    <message>
        <source>--alarm &quot;%1&quot; is neither none nor a number of minutes from 1 to 1440</source>
        <translation>--alarm &quot;%1&quot; none নয়, 1 থেকে 1440-এর মধ্যে মিনিটের কোনো সংখ্যাও নয়</translation>
    </message>
    <message>
        <source>the PDF cannot be drawn</source>
        <translation>PDF তৈরি করা যাচ্ছে না</translation>
    </message>
</context>
<context>
    <name>DegreesMinutes</name>
    <message>
        <source>N</source>
        <extracomment>North, after a latitude&apos;s degrees and minutes: 18° 31′ N</extracomment>
        <translation>উঃ</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>South, after a latitude&apos;s degrees and minutes: 33° 52′ S</extracomment>
        <translation>দঃ</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, after a longitude&apos;s degrees and minutes: 73° 51′ E</extracomment>
        <translation>পূঃ</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, after a longitude&apos;s degrees and minutes: 74° 0′ W</extracomment>
        <translation>পঃ</translation>
    </message>
</context>
<context>
    <name>HomeTray</name>
    <message>
        <source>Open Horavela</source>
        <translation>Horavela খুলুন</translation>
    </message>
    <message>
        <source>Rahu Kaal of the Month...</source>
        <translation>মাসের রাহুকাল...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>অনুস্মারক...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>প্রস্থান</translation>
    </message>
    <message>
        <source>Horavela goes on running in the system tray, and its reminders still come. To end it, choose &quot;Quit&quot; in the menu of its icon there.</source>
        <translation>Horavela সিস্টেম ট্রেতে চলতে থাকে, আর তার অনুস্মারকও আসতে থাকে। এটি পুরোপুরি বন্ধ করতে, সেখানে তার আইকনের মেনুতে &quot;প্রস্থান&quot; বেছে নিন।</translation>
    </message>
</context>
<context>
    <name>MonthFiles</name>
    <message>
        <source>%1 %2: %3 to %4 local time (UTC%5)</source>
        <translation>%1 %2: স্থানীয় সময় %3 থেকে %4 (UTC%5)</translation>
    </message>
</context>
<context>
    <name>MonthPages</name>
    <message>
        <source>Sunrise and sunset are worked out to the minute by the almanac method, for the moment the sun&apos;s centre lies 50 minutes of arc below the horizon (its upper edge meeting the horizon, allowing for refraction), at this place and in its time zone; each period is one eighth of the daylight between them.</source>
        <translation>সূর্যোদয় ও সূর্যাস্ত পঞ্জিকার পদ্ধতিতে মিনিট পর্যন্ত গণনা করা হয়েছে, সেই মুহূর্ত ধরে যখন সূর্যের কেন্দ্র দিগন্তের 50 কলা নিচে থাকে (প্রতিসরণ ধরলে তখন তার উপরের প্রান্ত দিগন্ত ছোঁয়), এই স্থানে ও এর সময় অঞ্চলে; প্রতিটি সময়কাল এদের মধ্যবর্তী দিনের আলোর এক-অষ্টমাংশ।</translation>
    </message>
</context>
<context>
    <name>MonthTexts</name>
    <message>
        <source>Rahu Kaal</source>
        <translation>রাহুকাল</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>যমগণ্ড</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <translation>গুলিক কাল</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>তারিখ</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>বার</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>সূর্যোদয়</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>সূর্যাস্ত</translation>
    </message>
    <message>
        <source>No time zone is known for this day</source>
        <translation>এই দিনের কোনো সময় অঞ্চল জানা নেই</translation>
    </message>
    <message>
        <source>Sun up all day</source>
        <translation>সারাদিন সূর্য দিগন্তের উপরে</translation>
    </message>
    <message>
        <source>Sun down all day</source>
        <translation>সারাদিন সূর্য দিগন্তের নিচে</translation>
    </message>
    <message>
        <source>This day did not happen here: the clocks skipped it</source>
        <translation>এই দিনটি এখানে আসেনি: ঘড়ি দিনটি পেরিয়ে গেছে</translation>
    </message>
    <message>
        <source>%1 did not happen at this place: its clocks skipped it.</source>
        <extracomment>A day that the place&apos;s clocks jumped over, as Samoa&apos;s did on 30 December 2011.</extracomment>
        <translation>%1 এই স্থানে আসেনি: এখানকার ঘড়ি দিনটি পেরিয়ে গেছে।</translation>
    </message>
</context>
<context>
    <name>NowAndNextTexts</name>
    <message>
        <source>%1 now, until %2</source>
        <extracomment>The period on now and when it ends: &quot;Rahu Kaal now, until 4:59 PM&quot;.</extracomment>
        <translation>%1 এখন, %2 পর্যন্ত</translation>
    </message>
    <message>
        <source>Next: %1 tomorrow, %2 to %3</source>
        <extracomment>The next period, which starts tomorrow: &quot;Next: Yamaganda tomorrow, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>পরবর্তী: %1 আগামীকাল, %2 থেকে %3</translation>
    </message>
    <message>
        <source>Next: %1, %2 to %3</source>
        <extracomment>The next period, later today: &quot;Next: Yamaganda, 9:43 AM to 11:13 AM&quot;.</extracomment>
        <translation>পরবর্তী: %1, %2 থেকে %3</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun up all day</source>
        <extracomment>Said where the sun stays up, as at Longyearbyen in June: &quot;No periods today: sun up all day&quot;.</extracomment>
        <translation>আগামীকাল কোনো কাল নেই: সারাদিন সূর্য দিগন্তের উপরে</translation>
    </message>
    <message>
        <source>No periods today: sun up all day</source>
        <translation>আজ কোনো কাল নেই: সারাদিন সূর্য দিগন্তের উপরে</translation>
    </message>
    <message>
        <source>No periods tomorrow: sun down all day</source>
        <extracomment>Said where the sun stays down, as at Longyearbyen in December: &quot;No periods tomorrow: sun down all day&quot;.</extracomment>
        <translation>আগামীকাল কোনো কাল নেই: সারাদিন সূর্য দিগন্তের নিচে</translation>
    </message>
    <message>
        <source>No periods today: sun down all day</source>
        <translation>আজ কোনো কাল নেই: সারাদিন সূর্য দিগন্তের নিচে</translation>
    </message>
    <message>
        <source>No periods tomorrow: the clocks here skip that day</source>
        <extracomment>Samoa&apos;s clocks skipped 30 December 2011: the day after 29 December was 31 December.</extracomment>
        <translation>আগামীকাল কোনো কাল নেই: এখানকার ঘড়ি দিনটি পেরিয়ে যায়</translation>
    </message>
    <message>
        <source>No periods: the place&apos;s time zone is not known</source>
        <extracomment>Said where the place&apos;s clock time is not known, so its periods cannot be given.</extracomment>
        <translation>কোনো কাল নেই: এই স্থানের সময় অঞ্চল জানা নেই</translation>
    </message>
    <message>
        <source>%1 starts now (%2)</source>
        <extracomment>A reminder as the period starts, with the place&apos;s name: &quot;Rahu Kaal starts now (Pune)&quot;.</extracomment>
        <translation>%1 এখন শুরু (%2)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute (%3)</source>
        <extracomment>A reminder a minute before: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute (Pune)&quot;.</extracomment>
        <translation>%1 শুরু %2-এ, ১ মিনিট পরে (%3)</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes (%4)</source>
        <extracomment>A reminder some minutes before: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes (Pune)&quot;.</extracomment>
        <translation>%1 শুরু %2-এ, %3 মিনিট পরে (%4)</translation>
    </message>
    <message>
        <source>%1 starts now</source>
        <extracomment>A reminder as the period starts, at a place without a name: &quot;Rahu Kaal starts now&quot;.</extracomment>
        <translation>%1 এখন শুরু</translation>
    </message>
    <message>
        <source>%1 starts at %2, in 1 minute</source>
        <extracomment>A reminder a minute before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 1 minute&quot;.</extracomment>
        <translation>%1 শুরু %2-এ, ১ মিনিট পরে</translation>
    </message>
    <message>
        <source>%1 starts at %2, in %3 minutes</source>
        <extracomment>A reminder some minutes before, at a place without a name: &quot;Rahu Kaal starts at 3:29 PM, in 10 minutes&quot;.</extracomment>
        <translation>%1 শুরু %2-এ, %3 মিনিট পরে</translation>
    </message>
</context>
<context>
    <name>PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>স্থান</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>পূর্বাবস্থায় ফেরান (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>পুনরায় করুন (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>পেস্ট করুন (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছে ফেলুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>হ্যাঁ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন (&amp;C)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>The Rahu Kaal period: its start, then its end, as date and time.</extracomment>
        <translation>%1 থেকে %2</translation>
    </message>
    <message>
        <source>Rahukal Period (day)</source>
        <translation>রাহুকাল (দিন)</translation>
    </message>
    <message>
        <source>Rahukal Period (night before)</source>
        <translation>রাহুকাল (আগের রাত্রি)</translation>
    </message>
    <message>
        <source>Rahukal Period (night after)</source>
        <translation>রাহুকাল (পরের রাত্রি)</translation>
    </message>
    <message>
        <source>The Chosen Time Period is in Rahu Kaal</source>
        <translation>নির্বাচিত সময়টি রাহুকালের মধ্যে পড়েছে</translation>
    </message>
    <message>
        <source>The Chosen Time Period is not in Rahu Kaal</source>
        <translation>নির্বাচিত সময়টি রাহুকালের মধ্যে পড়েনি</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 সংরক্ষণ করা গেল না: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>কোনো ফাইলের নাম দেওয়া হয়নি</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>এটি একটি ফোল্ডার</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>ফোল্ডারটি নেই</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe)</source>
        <translation>এটি একটি FIFO (নামযুক্ত পাইপ)</translation>
    </message>
    <message>
        <source>it is a character device</source>
        <translation>এটি একটি ক্যারেক্টার ডিভাইস</translation>
    </message>
    <message>
        <source>it is a block device</source>
        <translation>এটি একটি ব্লক ডিভাইস</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>এটি একটি সকেট</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>এটি সাধারণ ফাইল নয়</translation>
    </message>
    <message>
        <source>it is another user&apos;s link to a file that is not theirs</source>
        <translation>এটি অন্য ব্যবহারকারীর একটি লিংক, যা এমন ফাইলের দিকে নিয়ে যায় যা তাঁর নয়</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation>অ্যাপ্লিকেশনটি আগে থেকেই চলছে</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>আলাস্কা/হাওয়াই দিবালোক সময়,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>আলাস্কা/হাওয়াই মানক সময়,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>আলাস্কা/হাওয়াই যুদ্ধকালীন সময়,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>অতলান্তিক মানক সময়,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>অতলান্তিক যুদ্ধকালীন সময়,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>অস্ট্রেলীয় মধ্যাঞ্চলীয় দিবালোক সময়,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>অস্ট্রেলীয় মধ্যাঞ্চলীয় মানক সময়,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>অস্ট্রেলীয় পূর্বাঞ্চলীয় দিবালোক সময়,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>অস্ট্রেলীয় পূর্বাঞ্চলীয় মানক সময়,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>অস্ট্রেলীয় পশ্চিমাঞ্চলীয় দিবালোক সময়,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>অস্ট্রেলীয় পশ্চিমাঞ্চলীয় মানক সময়,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>অ্যাজোরেস সময়, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>বাগদাদ সময়, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>বেরিং মানক সময়,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ব্রাজিল অঞ্চল 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ব্রিটিশ দ্বিগুণ গ্রীষ্মকালীন সময়,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ব্রিটিশ গ্রীষ্মকালীন সময়,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ব্রিটিশ যুদ্ধকালীন সময়,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>মধ্যাঞ্চলীয় দিবালোক সময়,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>মধ্য ইউরোপীয় দিবালোক সময়,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>মধ্য ইউরোপীয় সময়,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>মধ্যাঞ্চলীয় মানক সময়,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>মধ্যাঞ্চলীয় যুদ্ধকালীন সময়,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>চীন উপকূল সময়,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>পূর্বাঞ্চলীয় দিবালোক সময়,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>পূর্ব ইউরোপীয় দিবালোক সময়,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>পূর্ব ইউরোপীয় সময়,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>পূর্বাঞ্চলীয় মানক সময়,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>পূর্বাঞ্চলীয় যুদ্ধকালীন সময়,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>গ্রিনিচ মান সময়,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>গুয়াম মানক সময়,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>হাওয়াই দিবালোক সময়,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>হাওয়াই মানক সময়,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>হাওয়াই যুদ্ধকালীন সময়,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>ভারতীয় সময়, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>আন্তর্জাতিক তারিখরেখা পূর্ব,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>আন্তর্জাতিক তারিখরেখা পশ্চিম,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ইরান সময়, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>জাপান মানক সময়,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>জাভা সময়, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>মধ্য ইউরোপীয় দিবালোক সময়,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>মধ্য ইউরোপীয় সময়,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>মোলুক্কাস সময়, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>পার্বত্য অঞ্চলীয় দিবালোক সময়,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>পার্বত্য অঞ্চলীয় মানক সময়,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>পার্বত্য অঞ্চলীয় যুদ্ধকালীন সময়,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>নিউজিল্যান্ড মানক গ্রীষ্মকালীন সময়,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>নিউজিল্যান্ড মানক সময়,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>নিউজিল্যান্ড গ্রীষ্মকালীন সময়,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>নিউজিল্যান্ড সময়,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>নিউফাউন্ডল্যান্ড মানক সময়,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>নোম সময়, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>উত্তর সুমাত্রা সময়,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>প্রশান্ত মহাসাগরীয় দিবালোক সময়,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>প্রশান্ত মহাসাগরীয় মানক সময়,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>প্রশান্ত মহাসাগরীয় যুদ্ধকালীন সময়,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>দক্ষিণ অস্ট্রেলিয়া দিবালোক সময়,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>দক্ষিণ অস্ট্রেলিয়া দিবালোক সময়,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>দক্ষিণ অস্ট্রেলিয়া মানক সময়,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>দক্ষিণ অস্ট্রেলিয়া মানক সময়,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>দক্ষিণ সুমাত্রা সময়,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>সার্বজনীন সময়, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>সোভিয়েত ইউনিয়ন অঞ্চল 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>সোভিয়েত ইউনিয়ন অঞ্চল 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>সোভিয়েত ইউনিয়ন অঞ্চল 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>সোভিয়েত ইউনিয়ন অঞ্চল 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>সোভিয়েত ইউনিয়ন অঞ্চল 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>পশ্চিম আফ্রিকা সময়,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>ইউকন দিবালোক সময়,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>ইউকন মানক সময়,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>ইউকন যুদ্ধকালীন সময়,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>ZoneRules</name>
    <message>
        <source>%1: not in this system&apos;s time-zone data</source>
        <translation>%1: এই সিস্টেমের সময় অঞ্চলের তথ্যে নেই</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2 থেকে %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1 তারিখে</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>The zone&apos;s standard offset, given for a date that does not exist.</extracomment>
        <translation>মানক</translation>
    </message>
    <message>
        <source>%1: %2 %3 (in %4: %5)</source>
        <extracomment>&quot;America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 November)&quot;</extracomment>
        <translation>%1: %3 %2 (%4 সালে: %5)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. It is preferable to do all important and good tasks in the time before or after the Rahu Kaal. Copyright © the Horavela authors. All rights reserved.</source>
        <translation>Horavela রাহুকাল গণনা করে। রাহুকাল দিনের একটি অশুভ সময়কাল, যখন শুভ কাজ করা হয় না। সব গুরুত্বপূর্ণ ও শুভ কাজ রাহুকালের আগে বা পরে করাই ভালো। কপিরাইট © Horavela-র লেখকগণ। সর্বস্বত্ব সংরক্ষিত।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>ঘরে বসে ব্যবসার সুযোগ। নিজের ইন্টারনেট ব্যবসা শুরু করুন এবং অনলাইনে আয় করুন। এই সফটওয়্যারটি পুরোপুরি আপনার ওয়েবসাইটের ব্র্যান্ডে নিন।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>বিস্তারিত জানতে এখানে ক্লিক করুন</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ঠিক আছে (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>রাহুকাল ও আরও অনেক কিছু নিয়ে আলোচনার জন্য আমাদের সাইটে আসুন</translation>
    </message>
    <message>
        <source>Horavela Result</source>
        <translation>Horavela-র ফলাফল</translation>
    </message>
    <message>
        <source>Chosen Date</source>
        <translation>নির্বাচিত তারিখ</translation>
    </message>
    <message>
        <source>Chosen Time</source>
        <translation>নির্বাচিত সময়</translation>
    </message>
    <message>
        <source>The Chosen Time Period is Not in Rahu Kaal</source>
        <translation>নির্বাচিত সময়টি রাহুকালের মধ্যে পড়েনি</translation>
    </message>
    <message>
        <source>Rahukal Period</source>
        <translation>রাহুকালের সময়কাল</translation>
    </message>
    <message>
        <source>Rahu Kal is an inauspicious time period in a day when favorable tasks are not performed.</source>
        <translation>রাহুকাল দিনের একটি অশুভ সময়কাল, যখন শুভ কাজ করা হয় না।</translation>
    </message>
    <message>
        <source>*Do all important and good tasks in the time before or after the Rahu Kal.</source>
        <translation>*সব গুরুত্বপূর্ণ ও শুভ কাজ রাহুকালের আগে বা পরে করুন।</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>প্রস্থান (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>ফিরে যান (&amp;B)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>আপনার সাইটের জন্য এই সফটওয়্যারটি কো-ব্র্যান্ড করুন। আপনার সাইটের প্রতি আস্থা ও ভিজিটর বাড়ান। আপনার সাইটের নাম ও লিংক এখানে দিন। বিস্তারিত জানতে &quot;সাহায্য&quot; দেখুন।    কো-ব্র্যান্ডিং সম্পর্কে আরও জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ঘরে বসে ব্যবসার সুযোগ। নিজের ইন্টারনেট ব্যবসা শুরু করুন এবং অনলাইনে আয় করুন। এই সফটওয়্যারটি পুরোপুরি আপনার ওয়েবসাইটের ব্র্যান্ডে নিন। বিস্তারিত জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>Sun Rise Time On</source>
        <translation>সূর্যোদয়ের সময়</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>সূর্যাস্তের সময়</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সাহায্য (&amp;H)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>মাসের রাহুকাল (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>প্রস্থান (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>অনলাইন সাহায্য (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>আমাদের ওয়েবসাইট দেখুন (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>সফটওয়্যার আপডেট খুঁজুন (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>সফটওয়্যার পরিচিতি (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>দান করুন (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>অনলাইনে আয় করুন (&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmLanguage</name>
    <message>
        <source>&amp;Language of Horavela:</source>
        <translation>Horavela-র ভাষা (&amp;L):</translation>
    </message>
    <message>
        <source>Language of Horavela</source>
        <translation>Horavela-র ভাষা</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ঠিক আছে (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>বাতিল (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Visit our discussion site for Rahu Kaal and more</source>
        <translation>রাহুকাল ও আরও অনেক কিছু নিয়ে আলোচনার জন্য আমাদের সাইটে আসুন</translation>
    </message>
    <message>
        <source>Horavela calculates the Rahu Kaal. Rahu Kaal is an inauspicious time period in a day when favorable tasks are not performed. Do all important and good tasks in the time before or after the Rahu Kaal.</source>
        <translation>Horavela রাহুকাল গণনা করে। রাহুকাল দিনের একটি অশুভ সময়কাল, যখন শুভ কাজ করা হয় না। সব গুরুত্বপূর্ণ ও শুভ কাজ রাহুকালের আগে বা পরে করুন।</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>আপনার নাম লিখুন</translation>
    </message>
    <message>
        <source>Enter Date</source>
        <translation>তারিখ দিন</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>মাস</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>দিন</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>বছর</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>সময় দিন</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ঘণ্টা</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>মিনিট</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>সেকেন্ড</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>আপনার সময় অঞ্চল দিন</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>মিনিট</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>সাহায্য</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>অক্ষাংশ দিন</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>ডিগ্রি</translation>
    </message>
    <message>
        <source>North</source>
        <translation>উত্তর</translation>
    </message>
    <message>
        <source>South</source>
        <translation>দক্ষিণ</translation>
    </message>
    <message>
        <source>Enter Longitude</source>
        <translation>দ্রাঘিমাংশ দিন</translation>
    </message>
    <message>
        <source>East</source>
        <translation>পূর্ব</translation>
    </message>
    <message>
        <source>West</source>
        <translation>পশ্চিম</translation>
    </message>
    <message>
        <source>Enter Your City Name</source>
        <translation>আপনার শহরের নাম লিখুন</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>আপনার রাজ্যের নাম লিখুন</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>আপনার দেশের নাম লিখুন</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>অক্ষাংশ &amp;&amp; দ্রাঘিমাংশ জানতে এখানে ক্লিক করুন</translation>
    </message>
    <message>
        <source>Is the Chosen Period in Rahul Kaal?</source>
        <translation>নির্বাচিত সময় কি রাহুকালে পড়ে?</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>আপনার সাইটের জন্য এই সফটওয়্যারটি কো-ব্র্যান্ড করুন। আপনার সাইটের প্রতি আস্থা ও ভিজিটর বাড়ান। আপনার সাইটের নাম ও লিংক এখানে দিন। বিস্তারিত জানতে &quot;সাহায্য&quot; দেখুন।    কো-ব্র্যান্ডিং সম্পর্কে আরও জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ঘরে বসে ব্যবসার সুযোগ। নিজের ইন্টারনেট ব্যবসা শুরু করুন এবং অনলাইনে আয় করুন। এই সফটওয়্যারটি পুরোপুরি আপনার ওয়েবসাইটের ব্র্যান্ডে নিন। বিস্তারিত জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সাহায্য (&amp;H)</translation>
    </message>
    <message>
        <source>Set to &amp;Now</source>
        <translation>এখনকার সময় বসান (&amp;N)</translation>
    </message>
    <message>
        <source>Rahu Kaal of the &amp;Month...</source>
        <translation>মাসের রাহুকাল (&amp;M)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>প্রস্থান (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>অনলাইন সাহায্য (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>আমাদের ওয়েবসাইট দেখুন (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>সফটওয়্যার আপডেট খুঁজুন (&amp;U)</translation>
    </message>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>অ্যাপের ভাষা বদলান (&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>সফটওয়্যার পরিচিতি (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>দান করুন (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>অনলাইনে আয় করুন (&amp;O)</translation>
    </message>
    <message>
        <source>Save as &amp;Home Place</source>
        <translation>বাড়ির স্থান হিসেবে রাখুন (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Forget Home Place</source>
        <translation>বাড়ির স্থান ভুলে যান (&amp;F)</translation>
    </message>
    <message>
        <source>Show in the System &amp;Tray</source>
        <translation>সিস্টেম ট্রেতে দেখান (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>অনুস্মারক (&amp;R)...</translation>
    </message>
    <message>
        <source>Start with the &amp;Desktop</source>
        <translation>ডেস্কটপের সঙ্গে চালু করুন (&amp;D)</translation>
    </message>
</context>
<context>
    <name>frmMonth</name>
    <message>
        <source>&lt;&lt; Pre&amp;vious Month</source>
        <translation>&lt;&lt; আগের মাস (&amp;V)</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>আগের মাস</translation>
    </message>
    <message>
        <source>&amp;Next Month &gt;&gt;</source>
        <translation>পরের মাস (&amp;N) &gt;&gt;</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>পরের মাস</translation>
    </message>
    <message>
        <source>Rahu Kaal, Yamaganda and Gulika Kaal of Each Day</source>
        <translation>প্রতিদিনের রাহুকাল, যমগণ্ড ও গুলিক কাল</translation>
    </message>
    <message>
        <source>Save to &amp;Calendar...</source>
        <translation>ক্যালেন্ডারে সংরক্ষণ (&amp;C)...</translation>
    </message>
    <message>
        <source>Save to Calendar</source>
        <translation>ক্যালেন্ডারে সংরক্ষণ</translation>
    </message>
    <message>
        <source>Saves the periods as events of a calendar file (.ics)</source>
        <translation>সময়কালগুলি একটি ক্যালেন্ডার ফাইলে (.ics) ইভেন্ট হিসেবে সংরক্ষণ করে</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>CSV হিসেবে সংরক্ষণ (&amp;S)...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>Saves the table as a CSV file for a spreadsheet</source>
        <translation>সারণিটি স্প্রেডশিটের জন্য একটি CSV ফাইল হিসেবে সংরক্ষণ করে</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>মুদ্রণ (&amp;P)...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>মুদ্রণ</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF হিসেবে সংরক্ষণ (&amp;D)...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
</context>
<context>
    <name>frmPlaceSearch</name>
    <message>
        <source>Places found. Choose the one you mean and press Use This Place: its latitude, longitude and time zone go into the main window. The time zone is the one in force at the date and time chosen there, in hours and minutes behind universal time.</source>
        <translation>পাওয়া স্থানগুলি। আপনি যেটি চান সেটি বেছে নিয়ে &quot;এই স্থান ব্যবহার করুন&quot; টিপুন: তার অক্ষাংশ, দ্রাঘিমাংশ ও সময় অঞ্চল প্রধান উইন্ডোতে বসবে। সময় অঞ্চলটি সেখানে বেছে নেওয়া তারিখ ও সময়ে যেটি চালু, সেটিই; সার্বজনীন সময়ের চেয়ে কত ঘণ্টা ও মিনিট পিছিয়ে, সেভাবে লেখা।</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>পাওয়া স্থান</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>স্থান</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>অক্ষাংশ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>দ্রাঘিমাংশ</translation>
    </message>
    <message>
        <source>Time zone (hours, minutes)</source>
        <translation>সময় অঞ্চল (ঘণ্টা, মিনিট)</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>স্থানের তথ্য GeoNames (geonames.org) থেকে, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Use This Place</source>
        <translation>এই স্থান ব্যবহার করুন (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>ওয়েবে খুঁজুন (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>বন্ধ করুন (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>অনুস্মারক</translation>
    </message>
    <message>
        <source>minutes before</source>
        <translation>মিনিট আগে</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ঠিক আছে (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>বাতিল (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>সময় অঞ্চল</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>বন্ধ করুন (&amp;Q)</translation>
    </message>
</context>
<context>
    <name>horavela::SaveMonthDialog</name>
    <message>
        <source>Periods in the Calendar</source>
        <translation>ক্যালেন্ডারে যে সময়কালগুলি থাকবে</translation>
    </message>
    <message>
        <source>&amp;Rahu Kaal</source>
        <translation>রাহুকাল (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Yamaganda</source>
        <translation>যমগণ্ড (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Gulika Kaal</source>
        <translation>গুলিক কাল (&amp;G)</translation>
    </message>
    <message>
        <source>R&amp;emind Me</source>
        <translation>মনে করিয়ে দিন (&amp;E)</translation>
    </message>
    <message>
        <source> minutes before</source>
        <translation> মিনিট আগে</translation>
    </message>
    <message>
        <source>Minutes before each period</source>
        <translation>প্রতিটি সময়কালের কত মিনিট আগে</translation>
    </message>
    <message>
        <source>&amp;Months from the shown one:</source>
        <translation>দেখানো মাস থেকে কত মাস (&amp;M):</translation>
    </message>
</context>
<context>
    <name>horavela::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 দেখুন</translation>
    </message>
</context>
<context>
    <name>horavela::frmLanguage</name>
    <message>
        <source>System language</source>
        <translation>সিস্টেমের ভাষা</translation>
    </message>
</context>
<context>
    <name>horavela::frmMain</name>
    <message>
        <source>Please Enter a Number in the Hour and Minute of the Time Zone</source>
        <translation>অনুগ্রহ করে সময় অঞ্চলের ঘণ্টা ও মিনিটে একটি সংখ্যা লিখুন</translation>
    </message>
    <message>
        <source>The sun does not rise or does not set at this place on %1, so Rahu Kaal cannot be calculated.</source>
        <translation>%1 তারিখে এই স্থানে সূর্য ওঠে না বা অস্ত যায় না, তাই রাহুকাল গণনা করা যায় না।</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>অনুগ্রহ করে নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের ডিগ্রিতে 0 থেকে 179-এর মধ্যে একটি মান লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের মিনিটে 0 থেকে 59-এর মধ্যে একটি মান লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের ডিগ্রিতে 0 থেকে 89-এর মধ্যে একটি মান লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের মিনিটে 0 থেকে 59-এর মধ্যে একটি মান লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>অনুগ্রহ করে সঠিক তারিখ দিন</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>শুধু সংখ্যা লেখা যাবে</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>অনুগ্রহ করে শুধু অক্ষর লিখুন</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>অনুগ্রহ করে শহরের নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>অনুগ্রহ করে রাজ্যের নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>অনুগ্রহ করে দেশের নাম লিখুন</translation>
    </message>
    <message>
        <source>This year, %1, is not in the Year list (%2 to %3), so the date and time are left as they were.</source>
        <translation>এই বছর, %1, বছরের তালিকায় (%2 থেকে %3) নেই, তাই তারিখ ও সময় আগের মতোই রাখা হল।</translation>
    </message>
    <message>
        <source>The settings could not be read, so the program starts without the home place.</source>
        <translation>সেটিংস পড়া যায়নি, তাই প্রোগ্রাম বাড়ির স্থান ছাড়াই শুরু হচ্ছে।</translation>
    </message>
    <message>
        <source>The home place kept in the settings is not a valid place, so the program starts without it.</source>
        <translation>সেটিংসে রাখা বাড়ির স্থানটি সঠিক স্থান নয়, তাই প্রোগ্রাম সেটি ছাড়াই শুরু হচ্ছে।</translation>
    </message>
    <message>
        <source>The settings could not be written, so the home place is as it was.</source>
        <translation>সেটিংস লেখা যায়নি, তাই বাড়ির স্থান আগের মতোই আছে।</translation>
    </message>
    <message>
        <source>This desktop has no system tray, so Horavela cannot show its icon there. Reminders still come while Horavela is open.</source>
        <translation>এই ডেস্কটপে কোনো সিস্টেম ট্রে নেই, তাই Horavela সেখানে তার আইকন দেখাতে পারে না। তবুও, Horavela খোলা থাকা পর্যন্ত অনুস্মারক আসতে থাকবে।</translation>
    </message>
    <message>
        <source>The settings could not be written, so the tray icon is as it was.</source>
        <translation>সেটিংস লেখা যায়নি, তাই ট্রে আইকন আগের মতোই আছে।</translation>
    </message>
    <message>
        <source>The desktop&apos;s list of programs to start could not be changed.</source>
        <translation>ডেস্কটপের সঙ্গে চালু হওয়া প্রোগ্রামের তালিকা বদলানো গেল না।</translation>
    </message>
</context>
<context>
    <name>horavela::frmMonth</name>
    <message>
        <source>Time Zone: %1</source>
        <translation>সময় অঞ্চল: %1</translation>
    </message>
    <message>
        <source>Rahu Kaal, %1</source>
        <translation>রাহুকাল, %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>আজ</translation>
    </message>
    <message>
        <source>Rahu Kaal %1-%2</source>
        <extracomment>A file&apos;s suggested name: &quot;Rahu Kaal 2025-03&quot;.</extracomment>
        <translation>রাহুকাল %1-%2</translation>
    </message>
    <message>
        <source>, %1 months</source>
        <extracomment>Follows a file&apos;s suggested name: &quot;Rahu Kaal 2025-03, 3 months&quot;.</extracomment>
        <translation>, %1 মাস</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>ক্যালেন্ডার (*.ics)</translation>
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
        <translation>মাসটি মুদ্রণ করা গেল না।</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <translation>মুদ্রণ করা সম্ভব নয়: %1।</translation>
    </message>
</context>
<context>
    <name>horavela::frmPlaceSearch</name>
    <message>
        <source>%1; latitude %2; longitude %3; time zone %4</source>
        <translation>%1; অক্ষাংশ %2; দ্রাঘিমাংশ %3; সময় অঞ্চল %4</translation>
    </message>
</context>
<context>
    <name>horavela::frmReminders</name>
    <message>
        <source>Minutes before %1</source>
        <extracomment>The spin box&apos;s name for a screen reader: &quot;Minutes before Rahu Kaal&quot;.</extracomment>
        <translation>%1 শুরুর কত মিনিট আগে</translation>
    </message>
    <message>
        <source>The settings could not be written, so the reminders are as they were.</source>
        <translation>সেটিংস লেখা যায়নি, তাই অনুস্মারকগুলি আগের মতোই আছে।</translation>
    </message>
</context>
</TS>
