#pragma once

#include <string_view>
#include <vector>

#include "editor/scintilla_comment_editor.h"

namespace quillmark {

// One item of the comment editor's context menu: its caption and the
// Scintilla message that it sends; a separator has neither.
struct ContextMenuItem {
  std::string_view caption;  // UTF-8
  unsigned int message = 0;
  bool enabled = false;

  [[nodiscard]] bool IsSeparator() const { return message == 0; }
};

// The items in the order a right click shows them, each enabled by the
// document's state at this moment; whether the clipboard holds text is the
// desktop's to say.
std::vector<ContextMenuItem> CommentContextMenu(const ScintillaDirect& scintilla,
                                                bool clipboardHoldsText);

}  // namespace quillmark
