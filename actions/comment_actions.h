#pragma once

#include <filesystem>
#include <functional>

#include "text/conversion.h"

namespace quillmark {

class CommentEditor;
class MainWindow;

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
void CopyComment(CommentEditor& editor);

// Where an export writes and when it happens, given by its caller.
struct ExportContext {
  std::filesystem::path programDirectory;
  std::function<double()> clock;                             // the current automation date
  std::function<bool(const std::filesystem::path&)> reveal;  // shows the file in its folder
};

// Tidies and copies the comment, writes it as a GBK file named from the date,
// the account name, the comment count and the time into the program directory,
// and shows the file when the open-folder box is checked. Shows no message.
void ExportComment(const MainWindow& window, const ExportContext& context);

}  // namespace quillmark
