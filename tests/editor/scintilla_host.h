#pragma once

#include <memory>

#include "editor/scintilla_comment_editor.h"

namespace quillmark::testing {

// One Scintilla control of the edition under test, 656 by 208 pixels as in
// the main window, for the shared editor suite. Each edition's test program
// defines MakeScintillaHost.
class ScintillaHost {
 public:
  ScintillaHost() = default;
  ScintillaHost(const ScintillaHost&) = delete;
  ScintillaHost& operator=(const ScintillaHost&) = delete;
  virtual ~ScintillaHost() = default;

  [[nodiscard]] virtual ScintillaDirect Direct() = 0;
};

std::unique_ptr<ScintillaHost> MakeScintillaHost();

}  // namespace quillmark::testing
