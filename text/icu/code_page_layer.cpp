#include "text/code_page_layer.h"

#include <unicode/ustring.h>

#include <cstring>
#include <string_view>

#include "text/icu/gbk_tables.h"

namespace quillmark {
namespace {

bool IsGbk(unsigned codePage) { return codePage == kAnsiCodePage || codePage == kGbkCodePage; }

bool IsKnown(unsigned codePage) { return IsGbk(codePage) || codePage == kUtf8CodePage; }

// The platform's result: the count written or needed, or 0 when the output was
// given and is too small.
int ResultOf(std::size_t needed, int capacity) {
  if (needed > static_cast<std::size_t>(INT32_MAX)) return 0;
  if (capacity > 0 && needed > static_cast<std::size_t>(capacity)) return 0;
  return static_cast<int>(needed);
}

std::size_t DecodeUtf8(std::string_view bytes, char16_t* out, int capacity) {
  int32_t needed = 0;
  UErrorCode error = U_ZERO_ERROR;
  u_strFromUTF8WithSub(out, capacity, &needed, bytes.data(), static_cast<int32_t>(bytes.size()),
                       0xFFFD, nullptr, &error);
  return static_cast<std::size_t>(needed);
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// UTF-8 of UTF-16, a lone surrogate becoming U+FFFD. Writes at most `capacity`
// bytes and returns how many the whole input needs.
template <bool kChecked>
std::size_t EncodeUtf8Into(std::u16string_view units, char* out, std::size_t capacity) {
  std::size_t needed = 0;
  const auto put = [&](char32_t byte) {
    if (!kChecked || needed < capacity) out[needed] = static_cast<char>(byte);
    ++needed;
  };
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t point = units[i];
    if (point < 0x80) {
      put(point);
    } else if (point < 0x800) {
      put(0xC0 | point >> 6);
      put(0x80 | (point & 0x3F));
    } else if (IsHighSurrogate(point) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      point = 0x10000 + ((point - 0xD800) << 10) + (units[++i] - 0xDC00);
      put(0xF0 | point >> 18);
      put(0x80 | ((point >> 12) & 0x3F));
      put(0x80 | ((point >> 6) & 0x3F));
      put(0x80 | (point & 0x3F));
    } else {
      if (IsHighSurrogate(point) || IsLowSurrogate(point)) point = 0xFFFD;
      put(0xE0 | point >> 12);
      put(0x80 | ((point >> 6) & 0x3F));
      put(0x80 | (point & 0x3F));
    }
  }
  return needed;
}

std::size_t Utf8Length(std::u16string_view units) {
  std::size_t needed = 0;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t unit = units[i];
    if (unit < 0x80) {
      needed += 1;
    } else if (unit < 0x800) {
      needed += 2;
    } else if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      needed += 4;
      ++i;
    } else {
      needed += 3;
    }
  }
  return needed;
}

std::size_t EncodeUtf8(std::u16string_view units, char* out, int capacity) {
  if (capacity == 0) return Utf8Length(units);
  const auto room = static_cast<std::size_t>(capacity);
  // Three bytes per unit is the most UTF-16 can need.
  return room >= units.size() * 3 ? EncodeUtf8Into<false>(units, out, room)
                                  : EncodeUtf8Into<true>(units, out, room);
}

}  // namespace

int MultiByteToWideChar(unsigned codePage, std::uint32_t /*flags*/, const char* input,
                        int inputLength, char16_t* output, int outputCapacity) {
  if (!IsKnown(codePage) || input == nullptr || inputLength == 0 || inputLength < -1) return 0;
  if (outputCapacity < 0 || (outputCapacity > 0 && output == nullptr)) return 0;
  const std::string_view bytes(
      input, inputLength == -1 ? std::strlen(input) + 1 : static_cast<std::size_t>(inputLength));
  const std::size_t needed =
      IsGbk(codePage)
          ? GbkTables::Get().Decode(bytes, output, static_cast<std::size_t>(outputCapacity))
          : DecodeUtf8(bytes, output, outputCapacity);
  return ResultOf(needed, outputCapacity);
}

int WideCharToMultiByte(unsigned codePage, std::uint32_t /*flags*/, const char16_t* input,
                        int inputLength, char* output, int outputCapacity) {
  if (!IsKnown(codePage) || input == nullptr || inputLength == 0 || inputLength < -1) return 0;
  if (outputCapacity < 0 || (outputCapacity > 0 && output == nullptr)) return 0;
  const std::u16string_view units(input, inputLength == -1
                                             ? std::char_traits<char16_t>::length(input) + 1
                                             : static_cast<std::size_t>(inputLength));
  const std::size_t needed =
      IsGbk(codePage)
          ? GbkTables::Get().Encode(units, output, static_cast<std::size_t>(outputCapacity))
          : EncodeUtf8(units, output, outputCapacity);
  return ResultOf(needed, outputCapacity);
}

std::string DecodeGbkToUtf8(std::string_view bytes) {
  const GbkTables& tables = GbkTables::Get();
  std::string utf8(tables.Utf8Length(bytes), '\0');
  tables.DecodeToUtf8(bytes, utf8.data());
  return utf8;
}

}  // namespace quillmark
