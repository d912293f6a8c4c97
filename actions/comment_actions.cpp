#include "actions/comment_actions.h"

#include "actions/date_time_format.h"
#include "actions/export_file.h"
#include "controls/control_names.h"
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

void CopyComment(CommentEditor& editor, Desktop& desktop) {
  const TidiedComment cleaned = TidyComment(editor);
  desktop.PutTextOnClipboard(cleaned.gbk, cleaned.utf8);
}

// A composition under way is ended first, so that the input method does not
// carry it into the emptied comment.
void ClearComment(CommentEditor& editor) {
  editor.CommitComposition();
  editor.ClearText();
}

void ClearAccountName(WindowControls& controls) {
  controls.SetControlText(control_names::kAccountNameBox, "");
}

void ExportComment(WindowControls& controls, CommentEditor& editor, Desktop& desktop) {
  const std::string typedName = controls.ControlText(control_names::kAccountNameBox);
  const Text accountName = typedName.empty() ? DefaultAccountName() : Utf8ToGbk(typedName);
  const TidiedComment cleaned = TidyComment(editor);
  desktop.PutTextOnClipboard(cleaned.gbk, cleaned.utf8);
  const bool twentyFourHour = desktop.UsesTwentyFourHourClock();
  // One reading of the clock: two could fall either side of midnight and
  // name the file with one day's date and the next day's time.
  const double now = desktop.Now();
  const Text monthDay = FormatDateTime(now, DashColon, MonthDay, twentyFourHour);
  const int count = CountComments(cleaned.gbk);
  const Text time = FormatDateTime(now, Compact, TimeOnly, twentyFourHour);
  const Text fileName = ExportFileName(monthDay, accountName, count, time);
  // A name that would reach outside the folder, or that the platform refuses,
  // is not written at all, and nothing is made on its account.
  if (!AccountNameFitsFileName(typedName) || !ExportFileNameFits(fileName)) return;
  const std::optional<std::filesystem::path> path = ExportFilePath(
      ExportFolder(desktop.ProgramFolder(), [&desktop] { return desktop.DocumentsFolder(); }),
      fileName);
  if (!path) return;
  WriteExportFile(*path, cleaned.gbk);
  if (controls.IsChecked(control_names::kOpenFolderCheckBox)) desktop.RevealInFolder(*path);
}

}  // namespace quillmark
