#pragma once

#include <string_view>

namespace quillmark {

// The one message box of the program: a start-up error that ends it.
void ShowFatalError(std::string_view error);

}  // namespace quillmark
