#pragma once

#include <string_view>

#include "text/conversion.h"

namespace quillmark {

// The comment without its empty lines: after trimming one leading and one
// trailing CR LF, deletes every CR that starts the text or follows a CR or LF,
// and every LF that ends the text or precedes a CR or LF. Empty when the
// regular-expression engine cannot run.
Text RemoveBlankLines(std::string_view gbkText);

}  // namespace quillmark
