#pragma once

#include <memory>
#include <string_view>

#include "editor/scintilla_comment_editor.h"

namespace quillmark::testing {

// One Scintilla control of the edition under test, 656 by 208 pixels as in
// the main window, inside the edition's comment editor control, for the
// shared editor suites. Each edition's test program
// defines MakeScintillaHost.
class ScintillaHost {
 public:
  ScintillaHost() = default;
  ScintillaHost(const ScintillaHost&) = delete;
  ScintillaHost& operator=(const ScintillaHost&) = delete;
  virtual ~ScintillaHost() = default;

  [[nodiscard]] virtual ScintillaDirect Direct() = 0;

  // Keys as the user presses them, through the edition's own event path, to
  // a control wired as the comment editor is: characters typed one by one,
  // and the keys that choose in or close the completion list.
  enum class Key { Enter, Tab, Escape, Down, Up };
  virtual void Type(std::string_view utf8) = 0;
  virtual void Press(Key key) = 0;
};

std::unique_ptr<ScintillaHost> MakeScintillaHost();

}  // namespace quillmark::testing
