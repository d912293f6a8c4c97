// Copy and export of a 1 MiB comment in the real main window, offscreen:
// editor to clipboard, and editor to file without the reveal.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "actions/automation_date.h"
#include "actions/comment_actions.h"
#include "bench/comment_text.h"
#include "controls/control_names.h"
#include "qt/application.h"
#include "qt/comment_editor_view.h"
#include "tests/qt/desktop_in_folder.h"

namespace {

constexpr std::size_t kOneMiB = 1 << 20;

quillmark::StartedWindow& Window() {
  static quillmark::StartedWindow started =
      quillmark::StartMainWindow(quillmark::MainWindowDescription()).value();
  return started;
}

void CopyComment(benchmark::State& state) {
  const std::string comment = quillmark::bench::MakeComment(kOneMiB);
  quillmark::CommentEditor& editor = Window().window->EditorFrame()->Editor();
  for (auto _ : state) {
    state.PauseTiming();
    editor.SetText(comment);
    state.ResumeTiming();
    quillmark::CopyComment(editor, *Window().desktop);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * comment.size()));
}

void ExportComment(benchmark::State& state) {
  const std::string comment = quillmark::bench::MakeComment(kOneMiB);
  const std::filesystem::path directory =
      std::filesystem::temp_directory_path() / "quillmark-export-benchmark";
  std::filesystem::create_directories(directory);
  quillmark::testing::DesktopInFolder desktop(directory, directory,
                                              quillmark::CurrentAutomationDate());
  quillmark::CommentEditor& editor = Window().window->EditorFrame()->Editor();
  quillmark::MainWindow& window = *Window().window;
  // Unticked, as the reveal is not what is measured.
  window.Control(quillmark::control_names::kOpenFolderCheckBox)->setProperty("checked", false);
  for (auto _ : state) {
    state.PauseTiming();
    editor.SetText(comment);
    state.ResumeTiming();
    quillmark::ExportComment(window, editor, desktop);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * comment.size()));
  std::filesystem::remove_all(directory);
}

BENCHMARK(CopyComment)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ExportComment)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace
