#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The conversion functions of the platform's national-language layer, as the
// program's text operations expect them. Each platform implements them in a
// file of its own (text/icu/ on ICU). Each either measures
// (no output, capacity 0) or converts into an output of the given capacity.
// An input length of -1 converts up to and including the first zero element.
// The result is the number of elements written or needed; 0 means failure:
// an unknown code page, an empty input, or an output too small to hold all of it.
namespace quillmark {

inline constexpr unsigned kAnsiCodePage = 0;  // fixed at GBK, as the program assumes
inline constexpr unsigned kGbkCodePage = 936;
inline constexpr unsigned kUtf8CodePage = 65001;

// Decoding GBK turns a lone lead byte or an invalid double-byte sequence into
// "?"; decoding UTF-8 turns each maximal invalid subpart into U+FFFD.
int MultiByteToWideChar(unsigned codePage, std::uint32_t flags, const char* input, int inputLength,
                        char16_t* output, int outputCapacity);

// Encoding to GBK uses the best-fit mappings and writes one "?" for every
// UTF-16 unit that still has no mapping (a surrogate pair gives "??").
int WideCharToMultiByte(unsigned codePage, std::uint32_t flags, const char16_t* input,
                        int inputLength, char* output, int outputCapacity);

// GBK bytes, without a zero byte among them, straight to UTF-8: the same bytes
// as decoding them to UTF-16 and encoding that, which a platform may do in
// one pass.
std::string DecodeGbkToUtf8(std::string_view bytes);

}  // namespace quillmark
