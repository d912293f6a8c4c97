#pragma once

#include <memory>

#include "text/reg_exp_engine.h"

struct IDispatch;

namespace quillmark {

// The engine over one "VBScript.RegExp" object, whose reference it takes
// over. A search the object refuses, as script lock-down policies make it do
// while the class still exists, is run by the ECMAScript engine instead.
std::shared_ptr<RegExpEngine> MakeVbScriptRegExpEngine(IDispatch* regExp);

}  // namespace quillmark
