// This edition's code page 936 against the Windows functions' own, unit by
// unit and sequence by sequence: the table that the Windows edition's layer
// wrote under Wine (tools/code_page_table/).
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "text/code_page_layer.h"

#ifndef QUILLMARK_CODE_PAGE_TABLE
#error "QUILLMARK_CODE_PAGE_TABLE names the folder of the reference table"
#endif

namespace quillmark {
namespace {

std::vector<std::uint16_t> ReadTable(const char* name) {
  std::ifstream file(std::string(QUILLMARK_CODE_PAGE_TABLE) + "/" + name, std::ios::binary);
  std::vector<std::uint16_t> values;
  char pair[2];
  while (file.read(pair, 2)) {
    values.push_back(static_cast<std::uint16_t>(static_cast<std::uint8_t>(pair[0]) |
                                                static_cast<std::uint8_t>(pair[1]) << 8));
  }
  return values;
}

std::string Hex(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", value);
  return text;
}

// The units or sequences that differ, named, at most a screenful of them.
void ExpectNoDifference(const std::vector<std::string>& differences, const char* what) {
  std::string named;
  for (std::size_t i = 0; i < differences.size() && i < 40; ++i) named += differences[i] + " ";
  EXPECT_TRUE(differences.empty()) << differences.size() << " " << what << " differ: " << named;
}

TEST(CodePageTable, EveryUnitEncodesAsTheWindowsFunctionsDo) {
  const std::vector<std::uint16_t> reference = ReadTable("encode.bin");
  ASSERT_EQ(reference.size(), 0x10000u);
  std::vector<std::string> differences;
  for (std::uint32_t unit = 0; unit <= 0xFFFF; ++unit) {
    const auto source = static_cast<char16_t>(unit);
    char bytes[4] = {};
    const int count = WideCharToMultiByte(kGbkCodePage, 0, &source, 1, bytes, 4);
    const auto lead = static_cast<std::uint8_t>(bytes[0]);
    const unsigned ours = count == 2   ? (lead << 8 | static_cast<std::uint8_t>(bytes[1]))
                          : count == 1 ? lead
                                       : 0xFFFF;
    if (ours != reference[unit]) {
      differences.push_back("U+" + Hex(unit) + ":" + Hex(ours) + "/" + Hex(reference[unit]));
    }
  }
  ExpectNoDifference(differences, "units (ours/Windows)");
}

TEST(CodePageTable, EverySequenceDecodesAsTheWindowsFunctionsDo) {
  const std::vector<std::uint16_t> reference = ReadTable("decode.bin");
  ASSERT_EQ(reference.size(), 256u + 126u * 191u);
  std::vector<std::string> differences;
  const auto check = [&](const std::string& bytes, std::uint16_t expected, unsigned name) {
    char16_t units[4] = {};
    const int count = MultiByteToWideChar(kGbkCodePage, 0, bytes.data(),
                                          static_cast<int>(bytes.size()), units, 4);
    const unsigned ours = count == 1 ? units[0] : 0xFFFF;
    if (ours != expected) differences.push_back(Hex(name) + ":" + Hex(ours) + "/" + Hex(expected));
  };
  std::size_t at = 0;
  for (int byte = 0; byte <= 0xFF; ++byte, ++at) {
    if (byte < 0x81 || byte > 0xFE)
      check(std::string(1, static_cast<char>(byte)), reference[at], byte);
  }
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail, ++at) {
      // A lead byte before 7F, which cannot trail: the Windows functions (as
      // Wine has them) take the DEL into the "?", ICU keeps it after the "?".
      // Each edition keeps its platform's answer, as for 81 20.
      if (trail == 0x7F) continue;
      check({static_cast<char>(lead), static_cast<char>(trail)}, reference[at],
            static_cast<unsigned>(lead << 8 | trail));
    }
  }
  ExpectNoDifference(differences, "sequences (ours/Windows)");
}

}  // namespace
}  // namespace quillmark
