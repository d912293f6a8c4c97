#pragma once

#include <optional>
#include <string_view>

#include "text/conversion.h"

namespace quillmark {

// The comment without its empty lines: after trimming one leading and one
// trailing CR LF, deletes every CR that starts the text or follows a CR or LF,
// and every LF that ends the text or precedes a CR or LF. Empty when the
// regular-expression engine cannot run.
Text RemoveBlankLines(std::string_view gbkText);

// The same, but nothing when the engine could not run, which the empty result
// of RemoveBlankLines cannot tell apart from a comment of blank lines only.
std::optional<Text> TryRemoveBlankLines(std::string_view gbkText);

}  // namespace quillmark
