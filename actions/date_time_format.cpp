#include "actions/date_time_format.h"

#include <array>
#include <charconv>
#include <string>

namespace quillmark {
namespace {

constexpr int kStyleCount = 4;

struct PatternRows {
  std::array<Text, kStyleCount> date;
  std::array<Text, kStyleCount> time;
  std::array<Text, kStyleCount> monthDay;
  std::array<Text, kStyleCount> hourMinute;
  std::array<Text, kStyleCount> minuteSecond;
};

std::array<Text, kStyleCount> Row(std::array<std::string_view, kStyleCount> utf8) {
  std::array<Text, kStyleCount> gbk;
  for (std::size_t style = 0; style < utf8.size(); ++style) gbk[style] = Utf8ToGbk(utf8[style]);
  return gbk;
}

// The program's GBK picture patterns, one column per style.
const PatternRows& Patterns() {
  static const PatternRows rows{
      Row({"yyyy年MM月dd日 ", "yyyy-MM-dd ", "yyyy/MM/dd ", "yyyyMMdd"}),
      Row({"hh时mm分ss秒", "hh:mm:ss", "hh/mm/ss", "hhmmss"}),
      Row({"MM月dd日", "MM-dd", "MM/dd", "MMdd"}),
      Row({"hh时mm分", "hh:mm", "hh/mm", "hhmm"}),
      Row({"mm分ss秒", "mm:ss", "mm/ss", "mmss"}),
  };
  return rows;
}

bool IsGbkLeadByte(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= 0x81 && value <= 0xFE;
}

// Width of the GBK character at `at`: two for a lead byte with a byte after it.
std::size_t CharacterWidth(std::string_view text, std::size_t at) {
  return IsGbkLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

std::string Digits(int value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

struct PictureField {
  std::string_view letters;
  int value;
  int width;
};

// Replaces each field's letters with its digits, copying everything else.
template <std::size_t kFields>
Text FormatPicture(std::string_view pattern, const std::array<PictureField, kFields>& fields) {
  Text result;
  std::size_t at = 0;
  while (at < pattern.size()) {
    const PictureField* matched = nullptr;
    for (const PictureField& field : fields) {
      if (pattern.substr(at).starts_with(field.letters)) {
        matched = &field;
        break;
      }
    }
    if (matched != nullptr) {
      result += Digits(matched->value, matched->width);
      at += matched->letters.size();
    } else {
      const std::size_t width = CharacterWidth(pattern, at);
      result.append(pattern.substr(at, width));
      at += width;
    }
  }
  return result;
}

// Without leading and trailing ASCII and full-width (A1 A1) spaces.
Text TrimSpaces(std::string_view pattern) {
  static constexpr std::string_view kFullWidthSpace = "\xA1\xA1";
  while (true) {
    if (pattern.starts_with(' ')) {
      pattern.remove_prefix(1);
    } else if (pattern.starts_with(kFullWidthSpace)) {
      pattern.remove_prefix(kFullWidthSpace.size());
    } else if (pattern.ends_with(' ')) {
      pattern.remove_suffix(1);
    } else if (pattern.ends_with(kFullWidthSpace)) {
      pattern.remove_suffix(kFullWidthSpace.size());
    } else {
      return Text(pattern);
    }
  }
}

// Every "hh" becomes "HH", stepping over double-byte characters.
Text To24HourPattern(std::string_view pattern) {
  Text result;
  std::size_t at = 0;
  while (at < pattern.size()) {
    if (pattern.substr(at).starts_with("hh")) {
      result += "HH";
      at += 2;
    } else {
      const std::size_t width = CharacterWidth(pattern, at);
      result.append(pattern.substr(at, width));
      at += width;
    }
  }
  return result;
}

}  // namespace

Text FormatDatePicture(const CalendarTime& calendar, std::string_view pattern) {
  return FormatPicture(pattern, std::array<PictureField, 3>{{{"yyyy", calendar.year, 4},
                                                             {"MM", calendar.month, 2},
                                                             {"dd", calendar.day, 2}}});
}

Text FormatTimePicture(const CalendarTime& calendar, std::string_view pattern, bool force24Hour) {
  const int twelveHour = calendar.hour % 12 == 0 ? 12 : calendar.hour % 12;
  return FormatPicture(
      pattern, std::array<PictureField, 4>{{{"hh", force24Hour ? calendar.hour : twelveHour, 2},
                                            {"HH", calendar.hour, 2},
                                            {"mm", calendar.minute, 2},
                                            {"ss", calendar.second, 2}}});
}

Text FormatWithPatterns(double value, std::string_view datePattern, std::string_view timePattern,
                        bool force24Hour) {
  const std::optional<CalendarTime> calendar = CalendarFromAutomationDate(value);
  if (!calendar) return {};
  const std::string_view date = TextOf(datePattern);
  const std::string_view time = TextOf(timePattern);
  Text result;
  if (date.size() > 2) result += FormatDatePicture(*calendar, date);
  if (time.size() > 2) result += FormatTimePicture(*calendar, time, force24Hour);
  return result;
}

Text FormatDateTime(std::optional<double> value, int style, int kind, bool twentyFourHourClock) {
  const double when = value.value_or(CurrentAutomationDate());
  const auto column = static_cast<std::size_t>(style >= 0 && style < kStyleCount ? style : 0);
  const PatternRows& rows = Patterns();
  Text datePattern = rows.date[column];
  Text timePattern = rows.time[column];
  if (kind == TimeOnly || kind == HourMinute || kind == MinuteSecond) datePattern.clear();
  if (kind == DateOnly || kind == MonthDay) timePattern.clear();
  if (kind == DateOnly) datePattern = TrimSpaces(datePattern);
  if (kind == MonthDay) datePattern = rows.monthDay[column];
  if (kind == HourMinute) timePattern = rows.hourMinute[column];
  if (kind == MinuteSecond) timePattern = rows.minuteSecond[column];
  if (twentyFourHourClock) timePattern = To24HourPattern(timePattern);
  return FormatWithPatterns(when, datePattern, timePattern, false);
}

bool IsTwentyFourHourSetting(std::string_view setting) {
  int value = 0;
  std::from_chars(setting.data(), setting.data() + setting.size(), value);
  return value == 1;
}

}  // namespace quillmark
