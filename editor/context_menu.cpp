#include "editor/context_menu.h"

#include "editor/scintilla_messages.h"

namespace quillmark {

std::vector<ContextMenuItem> CommentContextMenu(const ScintillaDirect& scintilla,
                                                bool clipboardHoldsText) {
  const bool writable = scintilla.Send(sci::kGetReadOnly) == 0;
  const bool selected = scintilla.Send(sci::kGetSelectionEmpty) == 0;
  return {
      {"撤消", sci::kUndo, writable && scintilla.Send(sci::kCanUndo) != 0},
      {"重复", sci::kRedo, writable && scintilla.Send(sci::kCanRedo) != 0},
      {},
      {"剪切", sci::kCut, writable && selected},
      {"复制", sci::kCopy, selected},
      {"粘贴", sci::kPaste, writable && clipboardHoldsText},
      {"删除", sci::kClear, writable && selected},
      {},
      {"选择全部", sci::kSelectAll, true},
  };
}

}  // namespace quillmark
