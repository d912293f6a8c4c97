#pragma once

#include <memory>

#include "text/reg_exp_engine.h"

namespace quillmark {

// An engine that needs nothing outside the C++ library: its ECMAScript
// regular expressions, multiline, with the anchors seeing only CR and LF as
// line ends. Windows falls back to it where its own engine, an optional
// feature, cannot be created, so that copy and export still clean the comment.
std::shared_ptr<RegExpEngine> CreateEcmaScriptRegExpEngine();

}  // namespace quillmark
