#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "text/code_page_layer.h"

// Conversions between the program's GBK texts, UTF-16 and the editor's UTF-8,
// always by way of UTF-16. Every operation is a pure function.
namespace quillmark {

// A zero-terminated byte string: its content ends at the first zero byte.
using Text = std::string;
// A counted buffer of bytes without terminator; UTF-16 is held little-endian.
using ByteSet = std::vector<std::uint8_t>;

// The text that a byte string stands for: its bytes up to the first zero byte.
std::string_view TextOf(std::string_view bytes);

// The number of units before the first zero unit, never looking past `limit`
// units; `limit` when there is no zero unit among them.
int BoundedStringLength(const char16_t* units, int limit);

// GBK text to UTF-16 ending in one zero unit; the empty set for an empty text.
ByteSet GbkToUtf16(std::string_view text);
// UTF-16 up to its first zero unit (or all of it) to UTF-8, without terminator.
ByteSet Utf16ToUtf8Bytes(std::span<const std::uint8_t> bytes);
ByteSet GbkToUtf8Bytes(std::string_view text);

// Text in `codePage` to UTF-16: the units, a zero unit, possibly more zero units.
ByteSet TextToUtf16(std::string_view text, unsigned codePage = kUtf8CodePage);
// UTF-16 up to its first zero unit to a text in `codePage`.
Text Utf16ToText(std::span<const std::uint8_t> bytes, unsigned codePage = kAnsiCodePage);

Text Utf8ToGbk(std::string_view text);
Text GbkToUtf8(std::string_view text);

// The same conversions on in-memory UTF-16 strings, for the regular-expression
// engine, which works on UTF-16.
std::u16string GbkToUnits(std::string_view text);
Text UnitsToGbk(std::u16string_view units);

}  // namespace quillmark
