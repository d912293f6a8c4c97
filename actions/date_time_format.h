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
// the current local time is formatted. Hours follow the locale's clock, which
// the caller reads from the desktop. Empty when the value is not a date.
Text FormatDateTime(std::optional<double> value = std::nullopt, int style = UnitChars,
                    int kind = DateAndTime, bool twentyFourHourClock = false);

// The date part and the time part directly after it; a pattern of two bytes
// or fewer gives an empty part.
Text FormatWithPatterns(double value, std::string_view datePattern, std::string_view timePattern,
                        bool force24Hour = false);

// The pictures of the platform's date and time formatting: in a date pattern
// yyyy, MM and dd, in a time pattern hh (12-hour clock), HH, mm and ss; every
// other character, double-byte GBK characters whole, is copied.
Text FormatDatePicture(const CalendarTime& calendar, std::string_view pattern);
Text FormatTimePicture(const CalendarTime& calendar, std::string_view pattern, bool force24Hour);

// The locale's clock setting as the platform's locale query writes it
// (LOCALE_ITIME): true when it reads as 1, the 24-hour clock. A setting that
// could not be read, or reads as anything else, is the 12-hour clock.
bool IsTwentyFourHourSetting(std::string_view setting);

}  // namespace quillmark
