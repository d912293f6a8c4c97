#pragma once

#include <string>
#include <string_view>

// The program's UTF-8 texts as the wide-character (W) functions take them,
// so that what the user sees does not hang on the system's ANSI code page.
namespace quillmark::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace quillmark::win32
