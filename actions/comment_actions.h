#pragma once

#include "actions/desktop.h"
#include "controls/window_controls.h"
#include "editor/comment_editor.h"
#include "text/conversion.h"

namespace quillmark {

// The comment without its blank lines, in both of its forms.
struct TidiedComment {
  Text gbk;
  Text utf8;
};

// The tidying that copy and export share: the comment without its blank lines
// goes back into the editor and is returned. When the clean-up cannot run, the
// comment stays as it was rather than being emptied.
TidiedComment TidyComment(CommentEditor& editor);

// Tidies the comment and puts it on the clipboard.
void CopyComment(CommentEditor& editor, Desktop& desktop);

// Empties the comment, as one undo step.
void ClearComment(CommentEditor& editor);

// Empties the account-name box.
void ClearAccountName(WindowControls& controls);

// Tidies and copies the comment, writes it as a GBK file named from the date,
// the account name, the comment count and the time into the program's folder
// (or, where the user cannot write there, the documents folder), and shows the
// file when the open-folder box is checked. Shows no message.
void ExportComment(WindowControls& controls, CommentEditor& editor, Desktop& desktop);

}  // namespace quillmark
