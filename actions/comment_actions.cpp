#include "actions/comment_actions.h"

#include "actions/clipboard.h"
#include "actions/date_time_format.h"
#include "actions/export_file.h"
#include "shell/comment_editor.h"
#include "shell/control_names.h"
#include "shell/main_window.h"
#include "text/blank_lines.h"

namespace quillmark {

TidiedComment TidyComment(CommentEditor& editor) {
  editor.CommitComposition();
  const long length = editor.GetTextLength();
  const Text gbk = Utf8ToGbk(editor.GetText(length));
  // Without a working clean-up the comment would come back empty; keeping it
  // as it was loses nothing.
  TidiedComment cleaned{TryRemoveBlankLines(gbk).value_or(gbk), {}};
  cleaned.utf8 = GbkToUtf8(cleaned.gbk);
  editor.SetText(cleaned.utf8);
  return cleaned;
}

void CopyComment(CommentEditor& editor) { PutTextOnClipboard(TidyComment(editor).utf8); }

void ExportComment(const MainWindow& window, const ExportContext& context) {
  const std::string typedName = window.ControlText(control_names::kAccountNameBox).toStdString();
  const Text accountName = typedName.empty() ? DefaultAccountName() : Utf8ToGbk(typedName);
  const TidiedComment cleaned = TidyComment(*window.Editor());
  PutTextOnClipboard(cleaned.utf8);
  const Text monthDay = FormatDateTime(context.clock(), DashColon, MonthDay);
  const int count = CountComments(cleaned.gbk);
  const Text time = FormatDateTime(context.clock(), Compact, TimeOnly);
  const Text fileName = ExportFileName(monthDay, accountName, count, time);
  // A name that would reach outside the program directory is not written at all.
  const std::optional<std::filesystem::path> path =
      AccountNameFitsFileName(typedName) ? ExportFilePath(context.programDirectory, fileName)
                                         : std::nullopt;
  if (!path) return;
  WriteExportFile(*path, cleaned.gbk);
  if (window.IsChecked(control_names::kOpenFolderCheckBox) && context.reveal) {
    context.reveal(*path);
  }
}

}  // namespace quillmark
