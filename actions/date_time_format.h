#pragma once

#include <optional>
#include <string_view>

#include "actions/automation_date.h"
#include "text/conversion.h"

// Dates and times as GBK text, by kind and separator style, with the hours on
// the clock that the user's locale settings choose.
namespace quillmark {

enum DateTimeKind : int {
  DateAndTime = 0,
  DateOnly = 1,
  MonthDay = 2,
  TimeOnly = 3,
  HourMinute = 4,
  MinuteSecond = 5,
};

enum DateTimeStyle : int {
  UnitChars = 0,  // 年 月 日 时 分 秒
  DashColon = 1,
  Slash = 2,
  Compact = 3,
};

// Any kind or style outside its range is taken as the first. Without a value
// the current local time is formatted. Empty when the value is not a date.
Text FormatDateTime(std::optional<double> value = std::nullopt, int style = UnitChars,
                    int kind = DateAndTime);

// The date part and the time part directly after it; a pattern of two bytes
// or fewer gives an empty part.
Text FormatWithPatterns(double value, std::string_view datePattern, std::string_view timePattern,
                        bool force24Hour = false);

// The pictures of the platform's date and time formatting: in a date pattern
// yyyy, MM and dd, in a time pattern hh (12-hour clock), HH, mm and ss; every
// other character, double-byte GBK characters whole, is copied.
Text FormatDatePicture(const CalendarTime& calendar, std::string_view pattern);
Text FormatTimePicture(const CalendarTime& calendar, std::string_view pattern, bool force24Hour);

// True when the user's locale setting for the clock reads as 1: the 24-hour clock.
bool SystemUses24HourClock();

// Reads the locale's clock setting into a text buffer the way the platform's
// locale query does ("1" for the 24-hour clock, "0" for the 12-hour clock);
// a test may put its own in place. Returns the reader it replaced.
using ClockSettingReader = void (*)(char* buffer, int size);
ClockSettingReader SetClockSettingReader(ClockSettingReader reader);

}  // namespace quillmark
