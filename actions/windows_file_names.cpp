#include "actions/windows_file_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace quillmark {
namespace {

bool HoldsRefusedCharacter(std::string_view name) {
  return std::any_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 ||
           std::string_view(R"(<>:"/\|?*)").find(c) != std::string_view::npos;
  });
}

// The device names stand for devices in every folder, whatever follows the
// first dot and whatever spaces precede it.
bool IsDeviceName(std::string_view name) {
  std::string stem(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  std::transform(stem.begin(), stem.end(), stem.begin(), [](char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  });
  static constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end()) return true;
  if (!stem.starts_with("COM") && !stem.starts_with("LPT")) return false;
  // A digit, or a superscript one, two or three in UTF-8.
  const std::string_view number = std::string_view(stem).substr(3);
  return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\xC2\xB9" ||
         number == "\xC2\xB2" || number == "\xC2\xB3";
}

}  // namespace

bool WindowsRefusesFileName(std::string_view utf8Name) {
  return utf8Name.empty() || HoldsRefusedCharacter(utf8Name) || IsDeviceName(utf8Name) ||
         utf8Name.back() == '.' || utf8Name.back() == ' ';
}

}  // namespace quillmark
