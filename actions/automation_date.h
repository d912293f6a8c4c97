#pragma once

#include <cstdint>
#include <optional>

// Automation dates, the program's date-time values: days since midnight of
// 30 December 1899, the fraction being the time of day.
namespace quillmark {

// The calendar record the formatting works from, field for field as the
// platform's SYSTEMTIME.
struct CalendarTime {
  std::uint16_t year = 0;
  std::uint16_t month = 0;
  std::uint16_t dayOfWeek = 0;  // 0 Sunday
  std::uint16_t day = 0;
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  std::uint16_t milliseconds = 0;

  bool operator==(const CalendarTime&) const = default;
};

// The calendar time of an automation date, rounded to the nearest second.
// Negative values count back from 1899-12-30 with the fraction still the time
// of day. Nothing for values outside the years 100 to 9999, or not numbers.
std::optional<CalendarTime> CalendarFromAutomationDate(double value);

// The automation date of a calendar date and time of day.
double AutomationDateFrom(int year, int month, int day, int hour, int minute, int second);

// The current local date and time, to the whole second.
double CurrentAutomationDate();

}  // namespace quillmark
