#pragma once
// Every node of the date tree is named by one integer, its node code:
// year * 416 + month * 32 + day, with the parts that do not apply set to 0.
// 416 = 13 * 32, so a month up to 12 and a day up to 31 never spill over.

#include <QString>

namespace NodeCode {

struct Parts {
    int year = 0, month = 0, day = 0;
};

constexpr int Encode(int year, int month = 0, int day = 0)
{
    return year * 416 + month * 32 + day;
}
inline Parts Decode(int code)
{
    return {code / 416, code % 416 / 32, code % 416 % 32};
}

enum class Level { Root, Year, Month, Day };
Level LevelOf(int code);

// Names in the language of the program's texts (English: as below).
// "January".."December"; month 1..12.
QString MonthName(int month);
// "Mo".."Su" for a Qt day of week (1 = Monday .. 7 = Sunday).
QString WeekdayAbbrev(int qtDayOfWeek);
// The weekday abbreviation of a calendar day, worked out where it is shown
// rather than kept with the day.
QString WeekdayAbbrev(int year, int month, int day);
// A day as the tree and the month's overview name it: "5. Fr".
QString DayCaption(int year, int month, int day);
// The heading over a day's appointments: "Fr 5.January 2024"; each
// language orders and punctuates the pieces its own way.
QString DayHeading(int year, int month, int day);

} // namespace NodeCode
