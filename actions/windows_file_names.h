#pragma once

#include <string_view>

namespace quillmark {

// Whether Windows refuses the name (UTF-8, without folder) for a file: an
// empty name; one holding a control character or any of < > : " / \ | ? *
// (a colon would name a stream of another file); a reserved device name such
// as CON, NUL, COM1 or LPT9, with or without an extension; or a name ending
// in a dot or a space, which Windows would silently drop.
bool WindowsRefusesFileName(std::string_view utf8Name);

}  // namespace quillmark
