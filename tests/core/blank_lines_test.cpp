#include "text/blank_lines.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/core/blank_line_rule.h"
#include "tests/core/each_reg_exp_engine.h"
#include "tests/core/test_bytes.h"
#include "text/reg_exp_engine.h"

namespace quillmark {
namespace {

using RemoveBlankLinesTest = testing::WithEachRegExpEngine;

using testing::Hex;

using testing::ExpectedByTheByteRule;

TEST_P(RemoveBlankLinesTest, CasesOfTheCleanUp) {
  const struct {
    std::string input;
    std::string expected;
  } cases[] = {
      {"a\r\n\r\nb", "a\r\nb"},
      {"a\r\n\r\n\r\nb", "a\r\nb"},
      {"\r\na", "a"},
      {"\r\n\r\na", "\na"},
      {"a\r\n", "a"},
      {"a\r\n\r\n", "a\r"},
      {"a\n\nb", "a\nb"},
      {"a\r\rb", "a\rb"},
      {"a\r\n \r\nb", "a\r\n \r\nb"},
      {"\r\n", ""},
      {"\r\n\r\n", ""},
      {"\r", ""},
      {"\n", ""},
      {"", ""},
      {"one\r\ntwo\r\nthree", "one\r\ntwo\r\nthree"},
      // Form feeds, vertical tabs and NEL end no line here.
      {"a\n\fb", "a\n\fb"},
      {"a\v\r\nb", "a\v\r\nb"},
      {"a\f\rb", "a\f\rb"},
  };
  for (const auto& [input, expected] : cases) {
    EXPECT_EQ(Hex(RemoveBlankLines(input)), Hex(expected)) << "input " << Hex(input);
  }
}

TEST_P(RemoveBlankLinesTest, EveryShortTextFollowsTheByteRule) {
  static constexpr char kAlphabet[] = {'a', '\r', '\n', '\f'};
  int cases = 0;
  int expectedCases = 0;
  for (int length = 0; length <= GetParam().longestText; ++length) {
    int combinations = 1;
    for (int i = 0; i < length; ++i) combinations *= 4;
    expectedCases += combinations;
    for (int code = 0; code < combinations; ++code) {
      std::string text;
      for (int i = 0, rest = code; i < length; ++i, rest /= 4) text += kAlphabet[rest % 4];
      ASSERT_EQ(Hex(RemoveBlankLines(text)), Hex(ExpectedByTheByteRule(text)))
          << "input " << Hex(text);
      ++cases;
    }
  }
  EXPECT_EQ(cases, expectedCases);
  EXPECT_GE(cases, 1365) << "every text of up to five bytes at least";
}

TEST_P(RemoveBlankLinesTest, ChineseTextsFollowTheByteRule) {
  // GBK pieces whose trail bytes could be mistaken for ASCII if split.
  static const std::string kPieces[] = {"\xCE\xA2", "\xD0\xA6", "\x81\x40", "\xFE\x7E",
                                        "\xA1\xA1", "[",        "]",        " ",
                                        "\r",       "\n",       "\r\n"};
  std::mt19937 random(936);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) - 1);
  std::uniform_int_distribution<int> length(0, 60);
  for (int round = 0; round < GetParam().randomRounds; ++round) {
    std::string text;
    for (int i = length(random); i > 0; --i) text += kPieces[pick(random)];
    ASSERT_EQ(Hex(RemoveBlankLines(text)), Hex(ExpectedByTheByteRule(text))) << Hex(text);
  }
}

TEST_P(RemoveBlankLinesTest, IsEmptyWhenTheEngineCannotBeCreated) {
  const RegExpEngineFactory previous =
      SetRegExpEngineFactory([] { return std::shared_ptr<RegExpEngine>(); });
  EXPECT_EQ(RemoveBlankLines("a\r\n\r\nb"), "");
  SetRegExpEngineFactory(previous);
  EXPECT_EQ(RemoveBlankLines("a\r\n\r\nb"), "a\r\nb");
}

INSTANTIATE_TEST_SUITE_P(Engines, RemoveBlankLinesTest, testing::EachRegExpEngine(),
                         testing::EngineName);

}  // namespace
}  // namespace quillmark
