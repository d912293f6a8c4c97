#include "text/icu/gbk_tables.h"

#include <string>

#include "text/icu/icu_converters.h"

namespace quillmark {
namespace {

bool IsLeadByte(std::uint8_t byte) { return byte >= 0x81 && byte <= 0xFE; }
bool IsTrailByte(std::uint8_t byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }
bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

std::u16string DecodeWithIcu(UConverter* converter, const std::string& bytes) {
  std::u16string units(bytes.size() + 1, u'\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length = ucnv_toUChars(converter, units.data(), static_cast<int32_t>(units.size()),
                                       bytes.data(), static_cast<int32_t>(bytes.size()), &error);
  units.resize(U_SUCCESS(error) ? static_cast<std::size_t>(length) : 0);
  return units;
}

// The encoding of every unit, as a byte or lead << 8 | trail, read from ICU
// in one call: `offsets` names the unit each byte came from, since a unit
// gives one byte or two. Surrogates and units without a mapping stay "?".
std::vector<std::uint16_t> EncodeAllUnits(UConverter* converter) {
  std::u16string units;
  units.reserve(0x10000);
  for (std::uint32_t unit = 0; unit < 0x10000; ++unit) {
    if (!IsSurrogate(static_cast<char16_t>(unit))) units += static_cast<char16_t>(unit);
  }
  std::string bytes(units.size() * 2, '\0');
  std::vector<int32_t> offsets(bytes.size());
  char* target = bytes.data();
  const UChar* source = units.data();
  UErrorCode error = U_ZERO_ERROR;
  ucnv_fromUnicode(converter, &target, bytes.data() + bytes.size(), &source,
                   units.data() + units.size(), offsets.data(), true, &error);
  std::vector<std::uint16_t> encoded(0x10000, '?');
  if (U_FAILURE(error)) return encoded;
  const auto written = static_cast<std::size_t>(target - bytes.data());
  for (std::size_t at = 0; at < written;) {
    std::size_t length = 1;
    while (at + length < written && offsets[at + length] == offsets[at]) ++length;
    const auto lead = static_cast<std::uint8_t>(bytes[at]);
    const char16_t unit = units[static_cast<std::size_t>(offsets[at])];
    // ICU's fallbacks turn the half-width arrows and the half-width white
    // circle (U+FFE9 to U+FFEC, U+FFEE) into the control bytes 1B 18 1A 19 09,
    // a TAB among them, where the Windows functions write "?": no character
    // outside ASCII becomes a control byte.
    if (length == 1) encoded[unit] = unit >= 0x80 && lead < 0x20 ? '?' : lead;
    if (length == 2) {
      encoded[unit] =
          static_cast<std::uint16_t>(lead << 8 | static_cast<std::uint8_t>(bytes[at + 1]));
    }
    at += length;
  }
  return encoded;
}

}  // namespace

const GbkTables& GbkTables::Get() {
  static const GbkTables tables;
  return tables;
}

GbkTables::GbkTables() : pairs_(kLeadCount * kTrailsPerLead, u'?'), encoded_(0x10000, '?') {
  const Converter converter = OpenGbkConverter();
  if (converter == nullptr) return;

  for (int byte = 0; byte < 256; ++byte) {
    if (IsLeadByte(static_cast<std::uint8_t>(byte))) continue;
    const std::u16string unit =
        DecodeWithIcu(converter.get(), std::string(1, static_cast<char>(byte)));
    single_[static_cast<std::size_t>(byte)] = unit.size() == 1 ? unit[0] : u'?';
  }

  // Every pair decodes to exactly one unit, a mapping or "?", so one call
  // decodes them all in order.
  std::string allPairs;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      allPairs += static_cast<char>(lead);
      allPairs += static_cast<char>(IsTrailByte(static_cast<std::uint8_t>(trail)) ? trail : 0x40);
    }
  }
  const std::u16string decoded = DecodeWithIcu(converter.get(), allPairs);
  if (decoded.size() == pairs_.size()) {
    pairs_.assign(decoded.begin(), decoded.end());
  }

  encoded_ = EncodeAllUnits(converter.get());
}

template <bool kChecked>
std::size_t GbkTables::DecodeInto(std::string_view bytes, char16_t* out,
                                  std::size_t capacity) const {
  const auto* at = reinterpret_cast<const std::uint8_t*>(bytes.data());
  const auto* end = at + bytes.size();
  std::size_t needed = 0;
  while (at < end) {
    const char16_t unit = NextUnit(at, end);
    if (!kChecked || needed < capacity) out[needed] = unit;
    ++needed;
  }
  return needed;
}

template <bool kWrite>
std::size_t GbkTables::DecodeToUtf8Into(std::string_view bytes, char* out) const {
  const auto* at = reinterpret_cast<const std::uint8_t*>(bytes.data());
  const auto* end = at + bytes.size();
  std::size_t written = 0;
  while (at < end) {
    const char32_t unit = NextUnit(at, end);
    // Code page 936 maps into the basic plane only, so no unit is a surrogate.
    if (unit < 0x80) {
      if (kWrite) out[written] = static_cast<char>(unit);
      written += 1;
    } else if (unit < 0x800) {
      if (kWrite) {
        out[written] = static_cast<char>(0xC0 | unit >> 6);
        out[written + 1] = static_cast<char>(0x80 | (unit & 0x3F));
      }
      written += 2;
    } else {
      if (kWrite) {
        out[written] = static_cast<char>(0xE0 | unit >> 12);
        out[written + 1] = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        out[written + 2] = static_cast<char>(0x80 | (unit & 0x3F));
      }
      written += 3;
    }
  }
  return written;
}

std::size_t GbkTables::Utf8Length(std::string_view bytes) const {
  return DecodeToUtf8Into<false>(bytes, nullptr);
}

std::size_t GbkTables::DecodeToUtf8(std::string_view bytes, char* out) const {
  return DecodeToUtf8Into<true>(bytes, out);
}

std::size_t GbkTables::Decode(std::string_view bytes, char16_t* out, std::size_t capacity) const {
  // A byte never gives more than one unit, so room for every byte needs no checks.
  return capacity >= bytes.size() ? DecodeInto<false>(bytes, out, capacity)
                                  : DecodeInto<true>(bytes, out, capacity);
}

std::size_t GbkTables::Encode(std::u16string_view units, char* out, std::size_t capacity) const {
  if (capacity == 0) {
    std::size_t needed = 0;
    for (const char16_t unit : units) needed += encoded_[unit] > 0xFF ? 2 : 1;
    return needed;
  }
  std::size_t needed = 0;
  for (const char16_t unit : units) {
    if (unit < 0x80 && needed < capacity) {
      out[needed++] = static_cast<char>(unit);
      continue;
    }
    const std::uint16_t value = encoded_[unit];
    if (value > 0xFF) {
      if (needed + 1 < capacity) {
        out[needed] = static_cast<char>(value >> 8);
        out[needed + 1] = static_cast<char>(value & 0xFF);
      }
      needed += 2;
    } else {
      if (needed < capacity) out[needed] = static_cast<char>(value);
      ++needed;
    }
  }
  return needed;
}

}  // namespace quillmark
