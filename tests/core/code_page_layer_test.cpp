#include "text/code_page_layer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/core/test_bytes.h"
#include "text/conversion.h"
#include "text/icu/icu_converters.h"

namespace quillmark {
namespace {

using testing::Hex;

// ICU's converters, called the slow way: what the fast layer must equal.
std::u16string IcuDecode(UConverter* converter, const std::string& bytes) {
  std::u16string units(bytes.size() * 2 + 2, u'\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length = ucnv_toUChars(converter, units.data(), static_cast<int32_t>(units.size()),
                                       bytes.data(), static_cast<int32_t>(bytes.size()), &error);
  units.resize(static_cast<std::size_t>(length));
  return units;
}

// The units with "?" for the five half-width forms that ICU's GBK fallbacks
// turn into control bytes, which the layer writes as "?" as the Windows
// functions do (the code-page table test holds the layer to those).
std::u16string WithoutControlFallbacks(std::u16string units) {
  for (char16_t& unit : units) {
    if ((unit >= 0xFFE9 && unit <= 0xFFEC) || unit == 0xFFEE) unit = u'?';
  }
  return units;
}

std::string IcuEncode(UConverter* converter, const std::u16string& units) {
  std::string bytes(units.size() * 4 + 2, '\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length =
      ucnv_fromUChars(converter, bytes.data(), static_cast<int32_t>(bytes.size()), units.data(),
                      static_cast<int32_t>(units.size()), &error);
  bytes.resize(static_cast<std::size_t>(length));
  return bytes;
}

std::u16string LayerDecode(unsigned codePage, const std::string& bytes) {
  if (bytes.empty()) return {};
  const int needed =
      MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::u16string units(static_cast<std::size_t>(needed), u'\0');
  EXPECT_EQ(MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                                units.data(), needed),
            needed);
  return units;
}

std::string LayerEncode(unsigned codePage, const std::u16string& units) {
  if (units.empty()) return {};
  const int needed =
      WideCharToMultiByte(codePage, 0, units.data(), static_cast<int>(units.size()), nullptr, 0);
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  EXPECT_EQ(WideCharToMultiByte(codePage, 0, units.data(), static_cast<int>(units.size()),
                                bytes.data(), needed),
            needed);
  return bytes;
}

Converter OpenUtf8Converter() {
  UErrorCode error = U_ZERO_ERROR;
  return Converter(ucnv_open("UTF-8", &error));
}

TEST(CodePageLayer, EveryOneAndTwoByteGbkSequenceDecodesAsIcuDoes) {
  const Converter gbk = OpenGbkConverter();
  for (int first = 0; first < 256; ++first) {
    const std::string one(1, static_cast<char>(first));
    ASSERT_EQ(LayerDecode(kGbkCodePage, one), IcuDecode(gbk.get(), one)) << Hex(one);
    for (int second = 0; second < 256; ++second) {
      const std::string two = one + static_cast<char>(second);
      ASSERT_EQ(LayerDecode(kGbkCodePage, two), IcuDecode(gbk.get(), two)) << Hex(two);
    }
  }
}

TEST(CodePageLayer, EveryUnitEncodesToGbkAsIcuDoes) {
  const Converter gbk = OpenGbkConverter();
  for (std::uint32_t unit = 0; unit < 0x10000; ++unit) {
    const std::u16string units(1, static_cast<char16_t>(unit));
    ASSERT_EQ(LayerEncode(kGbkCodePage, units),
              IcuEncode(gbk.get(), WithoutControlFallbacks(units)))
        << unit;
  }
}

TEST(CodePageLayer, RandomTextsConvertAsIcuDoes) {
  const Converter gbk = OpenGbkConverter();
  const Converter utf8 = OpenUtf8Converter();
  std::mt19937 random(65001);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(1, 40);
  std::uniform_int_distribution<int> unitKind(0, 5);
  for (int round = 0; round < 20000; ++round) {
    std::string bytes;
    for (int i = length(random); i > 0; --i) bytes += static_cast<char>(byte(random));
    ASSERT_EQ(LayerDecode(kGbkCodePage, bytes), IcuDecode(gbk.get(), bytes)) << Hex(bytes);
    ASSERT_EQ(LayerDecode(kUtf8CodePage, bytes), IcuDecode(utf8.get(), bytes)) << Hex(bytes);

    std::u16string units;
    for (int i = length(random); i > 0; --i) {
      const int kind = unitKind(random);
      const int value = byte(random) << 8 | byte(random);
      // Surrogates, ASCII and everything else, in about equal shares.
      units += static_cast<char16_t>(kind == 0   ? 0xD800 + (value & 0x7FF)
                                     : kind == 1 ? value & 0x7F
                                                 : value);
    }
    ASSERT_EQ(LayerEncode(kGbkCodePage, units),
              IcuEncode(gbk.get(), WithoutControlFallbacks(units)));
    ASSERT_EQ(LayerEncode(kUtf8CodePage, units), IcuEncode(utf8.get(), units));
  }
}

TEST(CodePageLayer, InvalidUtf8IsReplacedPerMaximalSubpart) {
  const auto replacements = [](const std::string& bytes) {
    return LayerDecode(kUtf8CodePage, bytes).size();
  };
  EXPECT_EQ(replacements("\xC0\x80"), 2u);
  EXPECT_EQ(replacements("\xE0\x80"), 2u) << "E0 needs A0 to BF next";
  EXPECT_EQ(replacements("\xED\xA0\x80"), 3u) << "an encoded surrogate";
  EXPECT_EQ(replacements("\xF0\x9F\x98"), 1u) << "a cut-off four-byte sequence";
  EXPECT_EQ(replacements("\xF4\x90\x80\x80"), 4u) << "beyond U+10FFFF";
  EXPECT_EQ(replacements("\xFF"), 1u);
}

TEST(CodePageLayer, CallShapesOfThePlatformFunctions) {
  char16_t units[8] = {};
  EXPECT_EQ(MultiByteToWideChar(kGbkCodePage, 0, "ab", -1, nullptr, 0), 3) << "with the zero";
  EXPECT_EQ(MultiByteToWideChar(kGbkCodePage, 0, "ab", -1, units, 2), 0) << "too small";
  EXPECT_EQ(MultiByteToWideChar(kGbkCodePage, 0, "ab", -1, units, 8), 3);
  EXPECT_EQ(std::u16string(units), u"ab");
  EXPECT_EQ(MultiByteToWideChar(1252, 0, "ab", -1, units, 8), 0) << "unknown code page";
  EXPECT_EQ(MultiByteToWideChar(kGbkCodePage, 0, "ab", 0, units, 8), 0) << "empty input";
  char bytes[8] = {};
  EXPECT_EQ(WideCharToMultiByte(kUtf8CodePage, 0, u"\u5FAE", -1, nullptr, 0), 4);
  EXPECT_EQ(WideCharToMultiByte(kAnsiCodePage, 0, u"\u5FAE", -1, bytes, 8), 3);
  EXPECT_EQ(Hex(std::string(bytes, 3)), "CE A2 00");
  EXPECT_EQ(BoundedStringLength(u"abc", 2), 2);
  EXPECT_EQ(BoundedStringLength(u"a\0c", 3), 1);
}

}  // namespace
}  // namespace quillmark
