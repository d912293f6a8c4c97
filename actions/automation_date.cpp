#include "actions/automation_date.h"

#include <cmath>
#include <ctime>

namespace quillmark {
namespace {

constexpr double kFirstDay = -657434.0;         // 0100-01-01
constexpr double kDayAfterLastDay = 2958466.0;  // 10000-01-01
constexpr long kSecondsPerDay = 86400;
constexpr long long kDaysFrom1970To1899Epoch = -25569;

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
long long DaysFromCivil(long long year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

struct CivilDate {
  long long year;
  unsigned month;
  unsigned day;
};

CivilDate CivilFromDays(long long days) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
  const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  return {static_cast<long long>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

}  // namespace

std::optional<CalendarTime> CalendarFromAutomationDate(double value) {
  if (!std::isfinite(value) || value < kFirstDay || value >= kDayAfterLastDay) return std::nullopt;
  const double wholeDays = std::trunc(value);
  long long days = static_cast<long long>(wholeDays);
  auto seconds = static_cast<long>(std::floor(std::fabs(value - wholeDays) * kSecondsPerDay + 0.5));
  if (seconds >= kSecondsPerDay) {
    // Rounded up to midnight: the next calendar day.
    seconds -= kSecondsPerDay;
    ++days;
  }
  const long long daysSince1970 = days + kDaysFrom1970To1899Epoch;
  const CivilDate date = CivilFromDays(daysSince1970);
  if (date.year < 100 || date.year > 9999) return std::nullopt;
  CalendarTime calendar;
  calendar.year = static_cast<std::uint16_t>(date.year);
  calendar.month = static_cast<std::uint16_t>(date.month);
  calendar.day = static_cast<std::uint16_t>(date.day);
  // 1970-01-01 was a Thursday.
  calendar.dayOfWeek = static_cast<std::uint16_t>(((daysSince1970 % 7) + 11) % 7);
  calendar.hour = static_cast<std::uint16_t>(seconds / 3600);
  calendar.minute = static_cast<std::uint16_t>(seconds / 60 % 60);
  calendar.second = static_cast<std::uint16_t>(seconds % 60);
  return calendar;
}

double AutomationDateFrom(int year, int month, int day, int hour, int minute, int second) {
  const long long days =
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
      kDaysFrom1970To1899Epoch;
  const double timeOfDay = static_cast<double>(hour * 3600 + minute * 60 + second) / kSecondsPerDay;
  // Before the epoch the fraction still counts forward from midnight.
  return days >= 0 ? static_cast<double>(days) + timeOfDay : static_cast<double>(days) - timeOfDay;
}

double CurrentAutomationDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);  // the C runtime's thread-safe form, arguments swapped
#else
  localtime_r(&now, &local);
#endif
  return AutomationDateFrom(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                            local.tm_min, local.tm_sec);
}

}  // namespace quillmark
