#include "text/conversion.h"

#include <algorithm>
#include <memory>

namespace quillmark {
namespace {

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

int AsInt(std::size_t size) { return static_cast<int>(std::min<std::size_t>(size, INT32_MAX)); }

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

ByteSet GbkToUtf16(std::string_view text) {
  const std::string terminated(TextOf(text));
  if (terminated.empty()) return {};
  const int size = MultiByteToWideChar(kAnsiCodePage, 0, terminated.c_str(), -1, nullptr, 0);
  std::u16string units(static_cast<std::size_t>(size), u'\0');
  MultiByteToWideChar(kGbkCodePage, 0, terminated.c_str(), -1, units.data(), size);
  return BytesOf(units);
}

ByteSet Utf16ToUtf8Bytes(std::span<const std::uint8_t> bytes) {
  const std::u16string units = UnitsOf(bytes);
  const int limit = AsInt(units.size());
  const int count = BoundedStringLength(units.data(), limit);
  const StagingBlock block = EncodeToHeapBlock(units.data(), count, kUtf8CodePage);
  if (block.bytes == nullptr) return {};
  return ByteSet(block.bytes.get(), block.bytes.get() + block.size);
}

ByteSet GbkToUtf8Bytes(std::string_view text) { return Utf16ToUtf8Bytes(GbkToUtf16(text)); }

ByteSet TextToUtf16(std::string_view text, unsigned codePage) {
  const std::string terminated(TextOf(text));
  // The units are counted in the ANSI code page whatever the code page asked for.
  // Where that count falls short of what `codePage` needs (invalid UTF-8 such as
  // C0 80, one GBK pair but two U+FFFD), the need is used, so nothing is cut off.
  const int measure = MultiByteToWideChar(kAnsiCodePage, 0, terminated.c_str(), -1, nullptr, 0);
  std::u16string units(static_cast<std::size_t>(measure), u'\0');
  if (MultiByteToWideChar(codePage, 0, terminated.c_str(), -1, units.data(), measure) == 0) {
    const int need = MultiByteToWideChar(codePage, 0, terminated.c_str(), -1, nullptr, 0);
    if (need > measure) {
      units.assign(static_cast<std::size_t>(need), u'\0');
      MultiByteToWideChar(codePage, 0, terminated.c_str(), -1, units.data(), need);
    }
  }
  return BytesOf(units);
}

Text Utf16ToText(std::span<const std::uint8_t> bytes, unsigned codePage) {
  std::u16string units = UnitsOf(bytes);
  units.resize(static_cast<std::size_t>(BoundedStringLength(units.data(), AsInt(units.size()))));
  if (units.empty()) return {};
  const int measure = WideCharToMultiByte(kAnsiCodePage, 0, units.c_str(), -1, nullptr, 0);
  // Twice the ANSI measure holds any UTF-8 result but one: U+20AC is a single
  // GBK byte (80) and three UTF-8 bytes, so a run of euro signs needs more.
  int capacity = 2 * measure;
  Text buffer(static_cast<std::size_t>(capacity), ' ');
  if (WideCharToMultiByte(codePage, 0, units.c_str(), -1, buffer.data(), capacity) == 0) {
    const int need = WideCharToMultiByte(codePage, 0, units.c_str(), -1, nullptr, 0);
    if (need > capacity) {
      capacity = need;
      buffer.assign(static_cast<std::size_t>(capacity), ' ');
      WideCharToMultiByte(codePage, 0, units.c_str(), -1, buffer.data(), capacity);
    }
  }
  return Text(TextOf(buffer));
}

Text Utf8ToGbk(std::string_view text) {
  return Utf16ToText(TextToUtf16(text, kUtf8CodePage), kGbkCodePage);
}

Text GbkToUtf8(std::string_view text) {
  return Utf16ToText(TextToUtf16(text, kGbkCodePage), kUtf8CodePage);
}

std::u16string GbkToUnits(std::string_view text) {
  std::u16string units = UnitsOf(GbkToUtf16(text));
  if (!units.empty()) units.pop_back();  // the terminating zero unit
  return units;
}

Text UnitsToGbk(std::u16string_view units) {
  if (units.empty()) return {};
  const int size =
      WideCharToMultiByte(kGbkCodePage, 0, units.data(), AsInt(units.size()), nullptr, 0);
  Text gbk(static_cast<std::size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, units.data(), AsInt(units.size()), gbk.data(), size);
  return gbk;
}

}  // namespace quillmark
