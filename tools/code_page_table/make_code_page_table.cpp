// Writes code page 936 as the Windows edition's conversion layer has it, the
// reference that both editions' tests check their layers against:
//   encode.bin  every UTF-16 unit (0000 to FFFF) as GBK, one little-endian
//               16-bit value each: a byte, or lead << 8 | trail;
//   decode.bin  every byte that is not a lead byte (00 to FF), then every pair
//               of a lead byte (81 to FE) and a trail byte (40 to FE), as the
//               one UTF-16 unit it decodes to, or FFFF where it gives another
//               number of units.
// Usage, under Wine or on Windows: make_code_page_table OUTPUT_DIR
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "text/code_page_layer.h"

namespace {

std::uint16_t Encode(char16_t unit) {
  char bytes[4] = {};
  const int count = quillmark::WideCharToMultiByte(quillmark::kGbkCodePage, 0, &unit, 1, bytes, 4);
  const auto lead = static_cast<std::uint8_t>(bytes[0]);
  if (count == 2)
    return static_cast<std::uint16_t>(lead << 8 | static_cast<std::uint8_t>(bytes[1]));
  return count == 1 ? lead : 0xFFFF;
}

std::uint16_t Decode(const std::string& bytes) {
  char16_t units[4] = {};
  const int count = quillmark::MultiByteToWideChar(quillmark::kGbkCodePage, 0, bytes.data(),
                                                   static_cast<int>(bytes.size()), units, 4);
  return count == 1 ? units[0] : 0xFFFF;
}

bool Write(const std::string& path, const std::vector<std::uint16_t>& values) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  for (const std::uint16_t value : values) {
    const unsigned char pair[2] = {static_cast<unsigned char>(value & 0xFF),
                                   static_cast<unsigned char>(value >> 8)};
    std::fwrite(pair, 1, 2, file);
  }
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  std::vector<std::uint16_t> encoded;
  for (std::uint32_t unit = 0; unit <= 0xFFFF; ++unit) {
    encoded.push_back(Encode(static_cast<char16_t>(unit)));
  }
  std::vector<std::uint16_t> decoded;
  for (int byte = 0; byte <= 0xFF; ++byte) {
    const bool lead = byte >= 0x81 && byte <= 0xFE;
    decoded.push_back(lead ? 0xFFFF : Decode(std::string(1, static_cast<char>(byte))));
  }
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      decoded.push_back(Decode({static_cast<char>(lead), static_cast<char>(trail)}));
    }
  }
  const std::string folder = argv[1];
  return Write(folder + "/encode.bin", encoded) && Write(folder + "/decode.bin", decoded) ? 0 : 1;
}
