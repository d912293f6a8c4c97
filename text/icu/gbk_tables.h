#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillmark {

// Code page 936 as lookup tables, read once from ICU's converter: the same
// bytes and units as converting with it, without its per-call overhead.
class GbkTables {
 public:
  static const GbkTables& Get();

  // Both write at most `capacity` elements and return how many the whole input
  // needs, so that a call with no room measures.
  std::size_t Decode(std::string_view bytes, char16_t* out, std::size_t capacity) const;
  std::size_t Encode(std::u16string_view units, char* out, std::size_t capacity) const;
  // Decodes and writes each unit straight on as UTF-8; `out` must have room
  // for Utf8Length(bytes) bytes.
  std::size_t DecodeToUtf8(std::string_view bytes, char* out) const;
  std::size_t Utf8Length(std::string_view bytes) const;

 private:
  GbkTables();

  // The unit of the GBK character at `at`, which moves past it: "?" for a lead
  // byte without a trail byte after it. Inlined into every loop, where a call
  // per character would halve the decoders' speed.
  [[gnu::always_inline]] char16_t NextUnit(const std::uint8_t*& at, const std::uint8_t* end) const {
    const std::uint8_t byte = *at++;
    if (byte < 0x80) return byte;
    if (byte == 0x80 || byte == 0xFF) return single_[byte];
    if (at == end || *at < 0x40 || *at == 0x7F || *at == 0xFF) return u'?';
    const std::uint8_t trail = *at++;
    return pairs_[static_cast<std::size_t>(byte - 0x81) * kTrailsPerLead + (trail - 0x40)];
  }
  template <bool kWrite>
  std::size_t DecodeToUtf8Into(std::string_view bytes, char* out) const;
  template <bool kChecked>
  std::size_t DecodeInto(std::string_view bytes, char16_t* out, std::size_t capacity) const;

  static constexpr std::size_t kLeadCount = 0xFE - 0x81 + 1;
  static constexpr std::size_t kTrailsPerLead = 0xFF - 0x40;  // trail bytes 40 to FE

  std::array<char16_t, 256> single_{};
  std::vector<char16_t> pairs_;         // by (lead - 81) and (trail - 40)
  std::vector<std::uint16_t> encoded_;  // by unit: a byte, or lead << 8 | trail
};

}  // namespace quillmark
