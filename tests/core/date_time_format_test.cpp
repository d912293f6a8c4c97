#include "actions/date_time_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quillmark {
namespace {

constexpr bool kTwentyFourHour = true;
constexpr bool kTwelveHour = false;

class DateTimeFormatTest : public ::testing::Test {
 protected:
  static std::string Utf8(const Text& gbk) { return GbkToUtf8(gbk); }
};

const double k20240315At143025 = AutomationDateFrom(2024, 3, 15, 14, 30, 25);

TEST_F(DateTimeFormatTest, WholeTableOnA24HourLocale) {
  const char* const expected[6][4] = {
      {"2024年03月15日 14时30分25秒", "2024-03-15 14:30:25", "2024/03/15 14/30/25",
       "20240315143025"},
      {"2024年03月15日", "2024-03-15", "2024/03/15", "20240315"},
      {"03月15日", "03-15", "03/15", "0315"},
      {"14时30分25秒", "14:30:25", "14/30/25", "143025"},
      {"14时30分", "14:30", "14/30", "1430"},
      {"30分25秒", "30:25", "30/25", "3025"},
  };
  for (int kind = 0; kind < 6; ++kind) {
    for (int style = 0; style < 4; ++style) {
      EXPECT_EQ(Utf8(FormatDateTime(k20240315At143025, style, kind, kTwentyFourHour)),
                expected[kind][style])
          << "kind " << kind << " style " << style;
    }
  }
}

TEST_F(DateTimeFormatTest, OutOfRangeStylesAndKinds) {
  for (const int style : {-1, 4, 99}) {
    EXPECT_EQ(Utf8(FormatDateTime(k20240315At143025, style, TimeOnly, kTwentyFourHour)),
              "14时30分25秒")
        << style;
  }
  for (const int kind : {-1, 6, 1000}) {
    EXPECT_EQ(Utf8(FormatDateTime(k20240315At143025, DashColon, kind, kTwentyFourHour)),
              "2024-03-15 14:30:25")
        << kind;
  }
}

TEST_F(DateTimeFormatTest, TwelveHourLocale) {
  EXPECT_EQ(FormatDateTime(k20240315At143025, Compact, TimeOnly, kTwelveHour), "023025");
  EXPECT_EQ(
      FormatDateTime(AutomationDateFrom(2024, 3, 15, 0, 5, 9), Compact, TimeOnly, kTwelveHour),
      "120509");
  EXPECT_EQ(FormatDateTime(k20240315At143025, DashColon, MinuteSecond, kTwelveHour), "30:25");
  EXPECT_EQ(FormatDateTime(k20240315At143025, Compact, HourMinute, kTwelveHour), "0230");
  EXPECT_EQ(FormatDateTime(k20240315At143025, Compact, HourMinute), "0230") << "the default";
}

TEST_F(DateTimeFormatTest, LocaleClockSettingReadsAsTwentyFourHourOnlyWhenItIsOne) {
  EXPECT_TRUE(IsTwentyFourHourSetting("1"));
  for (const char* setting : {"0", "", "    ", " 1", "2"}) {
    EXPECT_FALSE(IsTwentyFourHourSetting(setting)) << "'" << setting << "'";
  }
}

TEST_F(DateTimeFormatTest, PatternsOfTwoBytesOrFewerGiveEmptyParts) {
  EXPECT_EQ(FormatWithPatterns(k20240315At143025, "dd", "HH:mm"), "14:30");
  EXPECT_EQ(FormatWithPatterns(k20240315At143025, "yyyy", "ss"), "2024");
  EXPECT_EQ(FormatWithPatterns(k20240315At143025, "", ""), "");
  EXPECT_EQ(FormatWithPatterns(k20240315At143025, "", "hh:mm", /*force24Hour=*/true), "14:30");
  EXPECT_EQ(FormatWithPatterns(k20240315At143025, "", "hh 'h' mm"), "02 'h' 30")
      << "other characters are copied";
}

TEST_F(DateTimeFormatTest, DoubleByteCharactersAreStepped) {
  // 0xB8 0x68 is one GBK character whose trail byte is 'h'.
  const std::string pattern = "\xB8hh:mm";
  const std::optional<CalendarTime> calendar = CalendarFromAutomationDate(k20240315At143025);
  ASSERT_TRUE(calendar.has_value());
  EXPECT_EQ(FormatTimePicture(*calendar, pattern, false), "\xB8hh:30")
      << "the lone h after the character is no hour field";
}

TEST_F(DateTimeFormatTest, ValuesThatAreNotDatesGiveEmptyText) {
  for (const double value :
       {std::nan(""), std::numeric_limits<double>::infinity(), -700000.0, 2958466.0, 1e300}) {
    EXPECT_EQ(FormatDateTime(value), "") << value;
  }
  EXPECT_FALSE(FormatDateTime().empty()) << "now";
}

TEST(AutomationDate, CalendarConversion) {
  const auto at = [](double value) { return CalendarFromAutomationDate(value).value(); };
  EXPECT_EQ(at(0.0), (CalendarTime{1899, 12, 6, 30, 0, 0, 0, 0})) << "a Saturday";
  EXPECT_EQ(at(2.5), (CalendarTime{1900, 1, 1, 1, 12, 0, 0, 0}));
  EXPECT_EQ(at(-1.25), (CalendarTime{1899, 12, 5, 29, 6, 0, 0, 0}))
      << "before the epoch the fraction is still the time of day";
  EXPECT_EQ(at(-0.5).hour, 12);
  EXPECT_EQ(at(45366.0 + 0.51 / 86400).second, 1) << "past half a second rounds up";
  EXPECT_EQ(at(45366.0 + 0.49 / 86400).second, 0);
  EXPECT_EQ(at(45366.0 + 86399.6 / 86400), (CalendarTime{2024, 3, 6, 16, 0, 0, 0, 0}))
      << "rounding to midnight moves to the next day";
  EXPECT_EQ(at(-657434.0).year, 100);
  EXPECT_EQ(at(2958465.99998).year, 9999);
  EXPECT_FALSE(CalendarFromAutomationDate(2958465.999999999).has_value()) << "rounds past 9999";
  EXPECT_EQ(AutomationDateFrom(2024, 3, 15, 14, 30, 25),
            45366.0 + (14 * 3600 + 30 * 60 + 25) / 86400.0);
  EXPECT_EQ(AutomationDateFrom(1899, 12, 29, 6, 0, 0), -1.25);
}

}  // namespace
}  // namespace quillmark
