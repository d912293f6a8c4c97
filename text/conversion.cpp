#include "text/conversion.h"

#include <algorithm>
#include <memory>

namespace quillmark {
namespace {

int AsInt(std::size_t size) { return static_cast<int>(std::min<std::size_t>(size, INT32_MAX)); }

ByteSet BytesOf(std::u16string_view units) {
  ByteSet bytes(units.size() * 2);
  for (std::size_t i = 0; i < units.size(); ++i) {
    bytes[2 * i] = static_cast<std::uint8_t>(units[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<std::uint8_t>(units[i] >> 8);
  }
  return bytes;
}

std::u16string UnitsOf(std::span<const std::uint8_t> bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
  return units;
}

std::u16string_view BeforeFirstZeroUnit(std::u16string_view units) {
  return units.substr(
      0, static_cast<std::size_t>(BoundedStringLength(units.data(), AsInt(units.size()))));
}

// Units of `content` in a code page, not counting a terminator.
std::size_t UnitsNeeded(unsigned codePage, std::string_view content) {
  if (content.empty()) return 0;
  return static_cast<std::size_t>(
      MultiByteToWideChar(codePage, 0, content.data(), AsInt(content.size()), nullptr, 0));
}

// Units decoded from a text's content, which holds no zero byte and so
// decodes to no zero unit. No code page gives more units than bytes.
class DecodedUnits {
 public:
  DecodedUnits(std::string_view content, unsigned codePage)
      : units_(std::make_unique_for_overwrite<char16_t[]>(content.size())) {
    if (content.empty()) return;
    size_ = static_cast<std::size_t>(MultiByteToWideChar(
        codePage, 0, content.data(), AsInt(content.size()), units_.get(), AsInt(content.size())));
  }
  [[nodiscard]] std::u16string_view View() const { return {units_.get(), size_}; }

 private:
  std::unique_ptr<char16_t[]> units_;
  std::size_t size_ = 0;
};

std::u16string DecodeText(std::string_view text, unsigned codePage) {
  const std::string_view content = TextOf(text);
  std::u16string units(content.size(), u'\0');
  if (content.empty()) return units;
  units.resize(static_cast<std::size_t>(MultiByteToWideChar(
      codePage, 0, content.data(), AsInt(content.size()), units.data(), AsInt(units.size()))));
  return units;
}

std::size_t BytesNeeded(unsigned codePage, std::u16string_view units) {
  if (units.empty()) return 0;
  return static_cast<std::size_t>(
      WideCharToMultiByte(codePage, 0, units.data(), AsInt(units.size()), nullptr, 0));
}

// Units without a zero unit as a text in `codePage`, written in one pass into a
// buffer that holds the whole result: for GBK its measured size, for UTF-8
// three bytes a unit, the most it can take. (Twice the ANSI measure would not always
// do: U+20AC is one GBK byte, 80, and three UTF-8 bytes.)
Text EncodeUnits(std::u16string_view units, unsigned codePage) {
  if (units.empty()) return {};
  const std::size_t longest =
      codePage == kUtf8CodePage ? units.size() * 3 : BytesNeeded(codePage, units);
  Text text(longest, '\0');
  const int written = WideCharToMultiByte(codePage, 0, units.data(), AsInt(units.size()),
                                          text.data(), AsInt(longest));
  text.resize(static_cast<std::size_t>(written));
  return text;
}

// Converts one text to another code page by way of UTF-16.
Text Recode(std::string_view text, unsigned from, unsigned to) {
  return EncodeUnits(DecodedUnits(TextOf(text), from).View(), to);
}

// The UTF-16 byte set of a text: its units, a zero unit, and as many further
// zero units as the ANSI measure has beyond what the code page needed. Where
// that measure falls short (invalid UTF-8 such as C0 80: one GBK pair but two
// U+FFFD), the set is sized by the need instead, so nothing is cut off.
ByteSet UnitsWithMeasuredTerminator(std::string_view text, unsigned codePage) {
  std::u16string units = DecodeText(text, codePage);
  const std::size_t measure = UnitsNeeded(kAnsiCodePage, TextOf(text)) + 1;
  units.resize(std::max(measure, units.size() + 1), u'\0');
  return BytesOf(units);
}

struct StagingBlock {
  std::unique_ptr<char[]> bytes;
  int size = 0;
};

// UTF-8 of exactly `count` units, staged in a zero-filled block of its own size.
StagingBlock EncodeToHeapBlock(const char16_t* units, int count, unsigned codePage) {
  StagingBlock block;
  block.size = WideCharToMultiByte(codePage, 0, units, count, nullptr, 0);
  if (block.size <= 0) return {};
  block.bytes = std::make_unique<char[]>(static_cast<std::size_t>(block.size));
  WideCharToMultiByte(codePage, 0, units, count, block.bytes.get(), block.size);
  return block;
}

}  // namespace

std::string_view TextOf(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

int BoundedStringLength(const char16_t* units, int limit) {
  if (units == nullptr || limit <= 0) return 0;
  const char16_t* end = std::find(units, units + limit, u'\0');
  return static_cast<int>(end - units);
}

ByteSet GbkToUtf16(std::string_view text) {
  if (TextOf(text).empty()) return {};
  return UnitsWithMeasuredTerminator(text, kGbkCodePage);
}

ByteSet Utf16ToUtf8Bytes(std::span<const std::uint8_t> bytes) {
  const std::u16string units = UnitsOf(bytes);
  const int count = BoundedStringLength(units.data(), AsInt(units.size()));
  const StagingBlock block = EncodeToHeapBlock(units.data(), count, kUtf8CodePage);
  if (block.bytes == nullptr) return {};
  return ByteSet(block.bytes.get(), block.bytes.get() + block.size);
}

ByteSet GbkToUtf8Bytes(std::string_view text) { return Utf16ToUtf8Bytes(GbkToUtf16(text)); }

ByteSet TextToUtf16(std::string_view text, unsigned codePage) {
  return UnitsWithMeasuredTerminator(text, codePage);
}

Text Utf16ToText(std::span<const std::uint8_t> bytes, unsigned codePage) {
  return EncodeUnits(BeforeFirstZeroUnit(UnitsOf(bytes)), codePage);
}

// The composed conversions skip the byte-set form: its extra zero units end
// at the first zero unit anyway.
Text Utf8ToGbk(std::string_view text) { return Recode(text, kUtf8CodePage, kGbkCodePage); }

// Each unit goes on to UTF-8 as soon as it is decoded, without a buffer of
// all the units in between: the same bytes, sooner.
Text GbkToUtf8(std::string_view text) { return DecodeGbkToUtf8(TextOf(text)); }

std::u16string GbkToUnits(std::string_view text) { return DecodeText(text, kGbkCodePage); }

Text UnitsToGbk(std::u16string_view units) {
  return EncodeUnits(BeforeFirstZeroUnit(units), kGbkCodePage);
}

}  // namespace quillmark
