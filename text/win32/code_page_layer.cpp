// The conversion functions on Windows: the platform's own, with code page 936
// named outright. The ANSI code page of the machine is never used, so that a
// Windows whose ANSI code page is not 936 gives the same bytes.
#include "text/code_page_layer.h"

#include <windows.h>

#include <string>

namespace quillmark {
namespace {

unsigned PlatformCodePage(unsigned codePage) {
  return codePage == kAnsiCodePage ? kGbkCodePage : codePage;
}

bool IsKnown(unsigned codePage) {
  return codePage == kAnsiCodePage || codePage == kGbkCodePage || codePage == kUtf8CodePage;
}

}  // namespace

int MultiByteToWideChar(unsigned codePage, std::uint32_t flags, const char* input, int inputLength,
                        char16_t* output, int outputCapacity) {
  if (!IsKnown(codePage)) return 0;
  return ::MultiByteToWideChar(PlatformCodePage(codePage), flags, input, inputLength,
                               reinterpret_cast<wchar_t*>(output), outputCapacity);
}

int WideCharToMultiByte(unsigned codePage, std::uint32_t flags, const char16_t* input,
                        int inputLength, char* output, int outputCapacity) {
  if (!IsKnown(codePage)) return 0;
  return ::WideCharToMultiByte(PlatformCodePage(codePage), flags,
                               reinterpret_cast<const wchar_t*>(input), inputLength, output,
                               outputCapacity, nullptr, nullptr);
}

std::string DecodeGbkToUtf8(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  std::wstring units(bytes.size(), L'\0');
  units.resize(static_cast<std::size_t>(
      ::MultiByteToWideChar(kGbkCodePage, 0, bytes.data(), length, units.data(), length)));
  const int unitCount = static_cast<int>(units.size());
  std::string utf8(units.size() * 3, '\0');
  utf8.resize(static_cast<std::size_t>(
      ::WideCharToMultiByte(kUtf8CodePage, 0, units.data(), unitCount, utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr)));
  return utf8;
}

}  // namespace quillmark
