#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Byte strings for tests, written as hex so that GBK and UTF-8 are unambiguous.
namespace quillmark::testing {

inline std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (const int value : values) bytes += static_cast<char>(value);
  return bytes;
}

inline std::vector<std::uint8_t> ByteVector(std::initializer_list<int> values) {
  std::vector<std::uint8_t> bytes;
  for (const int value : values) bytes.push_back(static_cast<std::uint8_t>(value));
  return bytes;
}

template <typename Container>
std::string Hex(const Container& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (const auto byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    if (!hex.empty()) hex += ' ';
    hex += kDigits[value >> 4];
    hex += kDigits[value & 0xF];
  }
  return hex;
}

}  // namespace quillmark::testing
