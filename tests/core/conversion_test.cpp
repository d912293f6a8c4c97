#include "text/conversion.h"

#include "text/blank_lines.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/core/test_bytes.h"

namespace quillmark {
namespace {

using testing::Bytes;
using testing::ByteVector;
using testing::Hex;

const std::string kSmileGbk = Bytes({0x5B, 0xCE, 0xA2, 0xD0, 0xA6, 0x5D});  // "[微笑]"
const std::string kSmileUtf8 = Bytes({0x5B, 0xE5, 0xBE, 0xAE, 0xE7, 0xAC, 0x91, 0x5D});

TEST(ByteSetConversion, EmojiCodeBecomesItsEightUtf8Bytes) {
  const ByteSet utf8 = GbkToUtf8Bytes(kSmileGbk);
  EXPECT_EQ(Hex(utf8), Hex(kSmileUtf8));
}

TEST(ByteSetConversion, GbkToUtf16EndsInOneZeroUnit) {
  EXPECT_EQ(Hex(GbkToUtf16(kSmileGbk)), "5B 00 AE 5F 11 7B 5D 00 00 00");
  EXPECT_TRUE(GbkToUtf16("").empty());
  EXPECT_TRUE(GbkToUtf16(std::string_view("\0abc", 4)).empty()) << "a text ends at its first zero";
}

TEST(ByteSetConversion, Utf16ToUtf8StopsAtTheFirstZeroUnitOrTheEnd) {
  EXPECT_EQ(Hex(Utf16ToUtf8Bytes(ByteVector({0x41, 0, 0, 0, 0x42, 0}))), "41");
  // No zero unit at all: every unit is converted, the odd last byte ignored.
  EXPECT_EQ(Hex(Utf16ToUtf8Bytes(ByteVector({0x41, 0, 0xAE, 0x5F, 0x42}))), "41 E5 BE AE");
  EXPECT_TRUE(Utf16ToUtf8Bytes({}).empty());
  EXPECT_TRUE(Utf16ToUtf8Bytes(ByteVector({0, 0, 0x41, 0})).empty());
  // A lone surrogate has no UTF-8 form and becomes U+FFFD.
  EXPECT_EQ(Hex(Utf16ToUtf8Bytes(ByteVector({0x00, 0xD8, 0x41, 0}))), "EF BF BD 41");
}

TEST(TextConversion, TextToUtf16KeepsTheAnsiMeasure) {
  EXPECT_EQ(Hex(TextToUtf16("")), "00 00");
  // "微" is three UTF-8 bytes, measured in GBK as one pair and a single byte:
  // two units, one more than the character needs, left zero.
  EXPECT_EQ(Hex(TextToUtf16(Bytes({0xE5, 0xBE, 0xAE}))), "AE 5F 00 00 00 00");
  EXPECT_EQ(Hex(TextToUtf16("ab", kGbkCodePage)), "61 00 62 00 00 00");
}

TEST(TextConversion, Utf16ToTextEndsAtTheFirstZeroUnit) {
  EXPECT_EQ(Utf16ToText({}), "");
  EXPECT_EQ(Utf16ToText(ByteVector({0, 0})), "");
  EXPECT_EQ(Hex(Utf16ToText(ByteVector({0xAE, 0x5F, 0, 0, 0x41, 0}))), "CE A2");
  EXPECT_EQ(Hex(Utf16ToText(ByteVector({0xAE, 0x5F, 0x41, 0}), kUtf8CodePage)), "E5 BE AE 41");
}

TEST(TextConversion, RoundTripKeepsGbkTextAndLineBreaks) {
  const std::string utf8 = "第一行\r\n[微笑]second\n\r第三 行\r\n\r\n";
  const Text gbk = Utf8ToGbk(utf8);
  EXPECT_EQ(gbk.size(), 33u);
  EXPECT_EQ(GbkToUtf8(gbk), utf8);
  EXPECT_EQ(Utf8ToGbk(kSmileUtf8), kSmileGbk);
  EXPECT_EQ(Utf8ToGbk(""), "");
  EXPECT_EQ(GbkToUtf8(""), "");
}

TEST(TextConversion, CharactersOutsideGbkBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToGbk("a😀b"), "a??b") << "a surrogate pair is two units, two marks";
  EXPECT_EQ(GbkToUtf8(Utf8ToGbk("a😀b")), "a??b");
  EXPECT_EQ(Utf8ToGbk("a\u200Bb"), "a?b") << "default-ignorable characters are not dropped";
  EXPECT_EQ(Hex(Utf8ToGbk("\u00B2")), "32") << "best fit: superscript two";
  EXPECT_EQ(Hex(Utf8ToGbk("\u00C0")), "A8 A4") << "best fit: A grave";
}

TEST(TextConversion, GbkAwkwardCorners) {
  EXPECT_EQ(Hex(GbkToUtf8(Bytes({0x80}))), "E2 82 AC") << "0x80 is the euro sign";
  EXPECT_EQ(Hex(Utf8ToGbk("\u20AC")), "80");
  EXPECT_EQ(GbkToUtf8(Bytes({0x61, 0x81})), "a?") << "lone lead byte at the end";
  EXPECT_EQ(Utf8ToGbk("a\uFFE9\uFFEA\uFFEB\uFFEC\uFFEEb"), "a?????b")
      << "half-width arrows and white circle: no control bytes, no TAB";
  // 81 20 61: a lead byte before a byte that cannot trail. ICU keeps the
  // space after the "?"; the Windows functions (as Wine has them) take the
  // space into the "?". Each edition keeps its platform's answer.
#ifdef _WIN32
  EXPECT_EQ(GbkToUtf8(Bytes({0x81, 0x20, 0x61})), "?a") << "invalid trail byte";
#else
  EXPECT_EQ(GbkToUtf8(Bytes({0x81, 0x20, 0x61})), "? a") << "invalid trail byte";
#endif
  // 0xFF and the user-defined areas map to private-use code points and back.
  for (const std::string& gbk :
       {Bytes({0xFF}), Bytes({0xAA, 0xA1}), Bytes({0xF8, 0xFE}), Bytes({0xA1, 0x40})}) {
    const std::u16string units = GbkToUnits(gbk);
    ASSERT_EQ(units.size(), 1u) << Hex(gbk);
    EXPECT_TRUE(units[0] >= 0xE000 && units[0] <= 0xF8FF)
        << Hex(gbk) << " -> " << static_cast<int>(units[0]);
    EXPECT_EQ(Hex(Utf8ToGbk(GbkToUtf8(gbk))), Hex(gbk));
  }
}

TEST(TextConversion, InvalidUtf8GivesOneReplacementPerMaximalSubpart) {
  EXPECT_EQ(GbkToUtf8(Utf8ToGbk(Bytes({0x61, 0xE5, 0xBE, 0x62}))), "a?b");
  const ByteSet units = TextToUtf16(Bytes({0xC0, 0x80, 0xF0, 0x9F, 0x98}));
  EXPECT_EQ(Hex(units).substr(0, 17), "FD FF FD FF FD FF") << "C0, 80 and the cut-off F0 9F 98";
}

// A text made of random valid characters: ASCII, line breaks, GBK Chinese,
// and (for UTF-8) characters outside the basic plane.
std::string RandomUtf8(std::mt19937& random, bool withAstral) {
  static const std::vector<std::string> kPieces = {"a",  "Z", " ", "\r\n", "\n",     "\r",  "微",
                                                   "笑", "€", "é", "，",   "\u3000", "强壮"};
  std::uniform_int_distribution<std::size_t> pick(0, kPieces.size() + (withAstral ? 1 : 0));
  std::uniform_int_distribution<int> length(0, 40);
  std::string text;
  for (int i = length(random); i > 0; --i) {
    const std::size_t choice = pick(random);
    text += choice < kPieces.size() ? kPieces[choice] : std::string("😀");
  }
  return text;
}

TEST(TextConversion, AnsiMeasureNeverCutsValidText) {
  std::mt19937 random(20261209);
  for (int round = 0; round < 5000; ++round) {
    const std::string utf8 = RandomUtf8(random, round % 2 == 0);
    const Text gbk = Utf8ToGbk(utf8);
    const Text back = GbkToUtf8(gbk);
    std::string expected = utf8;
    for (std::size_t at; (at = expected.find("😀")) != std::string::npos;) {
      expected.replace(at, 4, "??");
    }
    ASSERT_EQ(back, expected) << Hex(utf8);
  }
}

TEST(TextConversion, GbkToUtf8EqualsTheWayThroughUtf16ByteSets) {
  std::mt19937 random(936);
  std::uniform_int_distribution<int> byte(1, 255);
  std::uniform_int_distribution<int> length(0, 64);
  for (int round = 0; round < 20000; ++round) {
    std::string gbk;
    for (int i = length(random); i > 0; --i) gbk += static_cast<char>(byte(random));
    ASSERT_EQ(GbkToUtf8(gbk), Utf16ToText(TextToUtf16(gbk, kGbkCodePage), kUtf8CodePage))
        << Hex(gbk);
  }
}

TEST(TextConversion, RunOfEuroSignsIsNotCutOff) {
  // Twice the GBK length (one byte each) is less than their UTF-8 length.
  const std::string gbk(100, '\x80');
  std::string utf8;
  for (int i = 0; i < 100; ++i) utf8 += "€";
  EXPECT_EQ(GbkToUtf8(gbk), utf8);
}

TEST(TextConversion, UnitsForTheRegularExpressionEngine) {
  EXPECT_EQ(GbkToUnits(kSmileGbk), u"[微笑]");
  EXPECT_EQ(UnitsToGbk(u"[微笑]"), kSmileGbk);
  EXPECT_EQ(GbkToUnits(""), u"");
}

}  // namespace
}  // namespace quillmark

namespace quillmark {
namespace {

// 64 MiB of text with invalid UTF-8, lone GBK lead bytes and a zero byte late
// in it: everything converts in full up to the zero byte and no further.
TEST(TextConversion, LargeAndMalformedInputs) {
  const std::string piece =
      "评论 ok\r\n\xC0\x80\xE5\xBE\x81\r\n\r\n\xFF\x80[微笑]\xF0\x9F\x98\x80\n";
  std::string big;
  big.reserve((64u << 20) + piece.size());
  while (big.size() < (64u << 20)) big += piece;
  const std::size_t zeroAt = big.size() - 3;
  big[zeroAt] = '\0';
  const std::size_t pieces = zeroAt / piece.size();

  const Text gbk = Utf8ToGbk(big);
  const Text onePieceGbk = Utf8ToGbk(piece);
  ASSERT_GE(gbk.size(), pieces * onePieceGbk.size());
  EXPECT_EQ(gbk.find('\0'), std::string::npos);
  EXPECT_EQ(gbk.substr(0, onePieceGbk.size()), onePieceGbk);

  const Text back = GbkToUtf8(gbk);
  EXPECT_EQ(back.find('\0'), std::string::npos);
  EXPECT_GE(back.size(), pieces * GbkToUtf8(onePieceGbk).size());
  const Text cleaned = RemoveBlankLines(gbk);
  EXPECT_LT(cleaned.size(), gbk.size());
  EXPECT_EQ(cleaned.find("\r\n\r\n"), std::string::npos);
  EXPECT_EQ(GbkToUtf8Bytes(gbk.substr(0, 1 << 20)).size(),
            GbkToUtf8(gbk.substr(0, 1 << 20)).size());
}

}  // namespace
}  // namespace quillmark
