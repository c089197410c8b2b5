// The picker's fixed list of named zones, in the order the user sees them.
// The hour and minute values count west of Greenwich as positive, as the main
// window's zone boxes do, so each carries its listed offset with the opposite
// sign; the entry text is only shown, never read.
#pragma once

#include <QtGlobal>
#include <array>

namespace horavela {

struct TimeZoneRow {
    const char* text;
    int hour;
    int minute;
};

inline constexpr std::array<TimeZoneRow, 71> TimeZoneRows{{
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Alaska/Hawaii Daylight Time,AHDT,-9.0"), 9, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Alaska/Hawaii Standard Time,AHST,-10.0"), 10, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Alaska/Hawaii War Time,AHWT,-9.0"), 9, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Atlantic Standard Time,AST,-4.0"), 4, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Atlantic War Time,AWT,-3.0"), 3, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Australian Central Daylight Time,ACDT,+10.5"), -10, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Australian Central Standard Time,ACST,+9.5"), -9, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Australian Eastern Daylight Time,AEDT,+11.0"), -11, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Australian Eastern Standard Time,AEST,+10.0"), -10, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Australian Western Daylight Time,AWDT,+9.0"), -9, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Australian Western Standard Time,AWST,+8.0"), -8, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Azores Time, AT, -2.0"), 2, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Baghdad Time, BAT, +3.0"), -3, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Bering Standard Time,BET,-11.0"), 11, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Brazil Zone 2,BZT2,-3.0"), 3, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "British Double Summer Time,BDST,+2.0"), -2, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "British Summer Time,BST,+1.0"), -1, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "British War Time,BWT,+2.0"), -2, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Central Daylight Time,CDT,-5.0"), 5, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Central European Daylight,CED,+2.0"), -2, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Central European Time,CET,+1.0"), -1, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Central Standard Time,CST,-6.0"), 6, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Central War Time,CWT,-5.0"), 5, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "China Coast Time,CCT,+8.0"), -8, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Eastern Daylight Time,EDT,-4.0"), 4, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Eastern European Daylight Time,EED,+3.0"), -3, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Eastern European Time,EET,+2.0"), -2, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Eastern Standard Time,EST,-5.0"), 5, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Eastern War Time,EWT,-4.0"), 4, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Greenwich Mean Time,GMT,0.0"), 0, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Guam Standard Time,GST,+10.0"), -10, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Hawaiian Daylight Time,HDT,-9.5"), 9, 30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Hawaiian Standard Time,HST,-10.5"), 10, 30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Hawaiian War Time,HWT,-9.5"), 9, 30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Indian Time, IST, +5.3"), -5, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Int'l Date Line East,IDLE,+12.0"), -12, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Int'l Date Line West,IDLW,-12.0"), 12, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Iran Time, IT, +3.5"), -3, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Japan Standard Time,JST,+9.0"), -9, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Java Time, JT, +7.5"), -7, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Middle European Daylight Time,MED,+2.0"), -2, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Middle European Time,MET,+1.0"), -1, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Moluccas Time, MT, +8.5"), -8, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Mountain Daylight Time,MDT,-6.0"), 6, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Mountain Standard Time,MST,-7.0"), 7, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Mountain War Time,MWT,-6.0"), 6, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "New Zealand Std Summer Time,NZST,+13.0"), -13, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "New Zealand Std Time,NZT,+12.0"), -12, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "New Zealand Summer Time,NZS,+12.5"), -12, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "New Zealand Time,NZ,+11.5"), -11, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Newfoundland Standard Time,NST,-3.5"), 3, 30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Nome Time, NT, -11.0"), 11, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "North Sumatra Time,NST,+6.5"), -6, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Pacific Daylight Time,PDT,-7.0"), 7, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Pacific Standard Time,PST,-8.0"), 8, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Pacific War Time,PWT,-7.0"), 7, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "South Australia Daylight Time,SAD,+10.5"), -10, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "South Australia Daylight Time,SDT,+10.5"), -10, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "South Australia Standard Time,SAST,+9.5"), -9, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "South Australia Standard Time,SAT,+9.5"), -9, -30},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "South Sumatra Time,SST,+7.0"), -7, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Universal Time, UT, 0.0"), 0, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "USSR Zone 10,UZ10,+11.0"), -11, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "USSR Zone 3,USZ3,+4.0"), -4, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "USSR Zone 4,USZ4,+5.0"), -5, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "USSR Zone 5,USZ5,+6.0"), -6, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "USSR Zone 6,USZ6,+7.0"), -7, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "West Africa Time,WAT,-1.0"), 1, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Yukon Daylight Time,YDT,-8.0"), 8, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Yukon Standard Time,YST,-9.0"), 9, 0},
    {QT_TRANSLATE_NOOP("TimeZoneTable", "Yukon War Time,YWT,-8.0"), 8, 0},
}};

} // namespace horavela
