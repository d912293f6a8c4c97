#include "text/reg_exp_object.h"

#include <gtest/gtest.h>

#include "tests/core/each_reg_exp_engine.h"
#include "tests/core/test_bytes.h"

namespace quillmark {
namespace {

using RegExpObjectTest = testing::WithEachRegExpEngine;

const std::string kQuoteEscapeGbk = "#\xD2\xFD\xBA\xC5";  // "#引号"

TEST_P(RegExpObjectTest, CreateDefaultsToIgnoreCaseMultilineAndGlobal) {
  RegExpObject regExp;
  ASSERT_TRUE(regExp.Create("^b", "B1\nb2\nc"));
  EXPECT_EQ(regExp.MatchCount(), 2) << "case-insensitive, ^ after every line break, all matches";
  EXPECT_EQ(regExp.Replace("x"), "x1\nx2\nc");

  ASSERT_TRUE(regExp.Create("^b", "B1\nb2", /*caseSensitive=*/true, /*multiline=*/false));
  EXPECT_EQ(regExp.MatchCount(), 0);
  ASSERT_TRUE(regExp.Create("b", "b b b", false, true, /*global=*/false));
  EXPECT_EQ(regExp.MatchCount(), 1);
  EXPECT_EQ(regExp.Replace(""), " b b") << "without Global only the first match is replaced";
}

TEST_P(RegExpObjectTest, QuoteEscapeSearchesForADoubleQuote) {
  RegExpObject regExp;
  ASSERT_TRUE(regExp.Create(kQuoteEscapeGbk, "say \"hi\" " + kQuoteEscapeGbk, false, true, true,
                            /*quoteEscape=*/true));
  EXPECT_EQ(regExp.MatchCount(), 2);
  EXPECT_EQ(regExp.GetPattern(), "\"");
  ASSERT_TRUE(regExp.Create(kQuoteEscapeGbk, "say \"hi\" " + kQuoteEscapeGbk));
  EXPECT_EQ(regExp.MatchCount(), 1);
  EXPECT_EQ(regExp.MatchText(1), kQuoteEscapeGbk);
}

TEST_P(RegExpObjectTest, QuoteEscapeStepsOverDoubleByteCharacters) {
  // 0xA3 0x23 is one GBK character whose trail byte is '#'; it must not start
  // an escape together with the "引号" after it.
  const std::string pattern = "\xA3\x23\xD2\xFD\xBA\xC5";
  EXPECT_EQ(ReplaceQuoteEscapes(pattern), pattern);
  EXPECT_EQ(ReplaceQuoteEscapes("a" + kQuoteEscapeGbk + "b" + kQuoteEscapeGbk), "a\"b\"");
}

TEST_P(RegExpObjectTest, PatternThatMatchesNothingStillRuns) {
  RegExpObject regExp;
  ASSERT_TRUE(regExp.Create("zzz", "abc"));
  EXPECT_EQ(regExp.MatchCount(), 0);
  EXPECT_EQ(regExp.Replace("x"), "abc");
  EXPECT_EQ(regExp.MatchText(1), "");
}

TEST_P(RegExpObjectTest, PatternThatDoesNotCompileFails) {
  RegExpObject regExp;
  EXPECT_FALSE(regExp.Create("(", "abc"));
  EXPECT_EQ(regExp.MatchCount(), 0);
  EXPECT_EQ(regExp.Replace("x"), "");
  EXPECT_EQ(regExp.GetPattern(), "(");
}

TEST_P(RegExpObjectTest, WithoutAnEngineEverythingIsEmpty) {
  RegExpObject never;
  EXPECT_EQ(never.Replace("x"), "") << "not the subject";
  EXPECT_EQ(never.GetPattern(), "");
  EXPECT_EQ(never.MatchCount(), 0);
  EXPECT_EQ(never.SubmatchCount(), 0);

  const RegExpEngineFactory previous =
      SetRegExpEngineFactory([] { return std::shared_ptr<RegExpEngine>(); });
  RegExpObject failing;
  EXPECT_FALSE(failing.Create("a", "abc"));
  EXPECT_EQ(failing.Replace(""), "");
  SetRegExpEngineFactory(previous);
}

TEST_P(RegExpObjectTest, ReplacementSyntax) {
  RegExpObject regExp;
  ASSERT_TRUE(regExp.Create("(\\w)(\\d)", "a1 b2"));
  EXPECT_EQ(regExp.Replace("$2$1"), "1a 2b");
  EXPECT_EQ(regExp.Replace("<$&>"), "<a1> <b2>");
  EXPECT_EQ(regExp.Replace("$$"), "$ $");
  EXPECT_EQ(regExp.Replace("$3"), "$3 $3") << "no such group: taken literally";
  ASSERT_TRUE(regExp.Create("b", "abc"));
  EXPECT_EQ(regExp.Replace("[$`|$']"), "a[a|c]c");
}

TEST_P(RegExpObjectTest, MatchesAndSubmatchesWithGbkPositions) {
  RegExpObject regExp;
  const std::string subject = "\xCE\xA2\xD0\xA6 ab12 cd34";  // "微笑 ab12 cd34"
  ASSERT_TRUE(regExp.Create("([a-z]+)(\\d+)", subject));
  ASSERT_EQ(regExp.MatchCount(), 2);
  EXPECT_EQ(regExp.SubmatchCount(), 2);
  int position = 0;
  EXPECT_EQ(regExp.MatchText(1, &position), "ab12");
  EXPECT_EQ(position, 5) << "two double-byte characters and a space";
  EXPECT_EQ(regExp.MatchText(2, &position), "cd34");
  EXPECT_EQ(position, 10);
  EXPECT_EQ(regExp.SubmatchText(2, 2, &position), "34");
  EXPECT_EQ(position, 12);
  EXPECT_EQ(regExp.SubmatchText(1, 1), "ab");
  EXPECT_EQ(regExp.MatchText(3, &position), "");
  EXPECT_EQ(position, -1);
  EXPECT_EQ(regExp.SubmatchText(1, 3), "");
  EXPECT_EQ(regExp.MatchText(0), "") << "indexes are 1-based";
}

TEST_P(RegExpObjectTest, CopySharesMatchesAndKeepsItsSubject) {
  RegExpObject original;
  ASSERT_TRUE(original.Create("a", "banana"));
  const RegExpObject copy = original;
  ASSERT_TRUE(original.Create("n", "nnn"));
  EXPECT_EQ(copy.MatchCount(), 3);
  EXPECT_EQ(copy.Replace("o"), "bonono") << "the copy keeps the engine and subject it had";
  EXPECT_EQ(original.Replace("o"), "ooo");
}

TEST_P(RegExpObjectTest, AnchorsSeeOnlyCrAndLf) {
  RegExpObject regExp;
  ASSERT_TRUE(regExp.Create("^x", "a\fx\vx\rx"));
  EXPECT_EQ(regExp.MatchCount(), 1) << "only after the CR";
  ASSERT_TRUE(regExp.Create("a$", "a\n", false, /*multiline=*/false));
  EXPECT_EQ(regExp.MatchCount(), 0) << "without Multiline $ is the very end";
  ASSERT_TRUE(regExp.Create("[$^]", "^$"));
  EXPECT_EQ(regExp.MatchCount(), 2) << "class members stay literal";
  ASSERT_TRUE(regExp.Create("\\$", "a$b"));
  EXPECT_EQ(regExp.MatchText(1), "$") << "an escaped dollar stays literal";
}

TEST_P(RegExpObjectTest, EmptyMatchesAtEveryLineStart) {
#ifdef _WIN32
  if (std::string(GetParam().name) == "Platform") {
    GTEST_SKIP() << "Wine's VBScript.RegExp does not return from a global search for empty matches";
  }
#endif
  RegExpObject regExp;
  ASSERT_TRUE(regExp.Create("^", "a\nb"));
  EXPECT_EQ(regExp.MatchCount(), 2);
  ASSERT_TRUE(regExp.Create("^", "a\n"));
  EXPECT_EQ(regExp.MatchCount(), 2) << "also at the very end, after the last line break";
}

#ifndef _WIN32
// ICU's own \Q...\E quotes, which the anchors it is given are spelled around.
TEST(IcuRegExpEngine, QuotedAnchorsStayLiteral) {
  RegExpObject regExp;
  ASSERT_TRUE(regExp.Create("\\Q^$\\E", "x^$"));
  EXPECT_EQ(regExp.MatchText(1), "^$");
}
#endif

TEST_P(RegExpObjectTest, BlankLinePatternSemantics) {
  RegExpObject regExp;
  ASSERT_TRUE(regExp.Create("(?:^\\r|\\n$)", "a\r\n\r\nb\n\n"));
  EXPECT_EQ(regExp.MatchCount(), 4);
  EXPECT_EQ(regExp.Replace(), "a\r\nb");
}

INSTANTIATE_TEST_SUITE_P(Engines, RegExpObjectTest, testing::EachRegExpEngine(),
                         testing::EngineName);

}  // namespace
}  // namespace quillmark
