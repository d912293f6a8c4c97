// 1000 clicks on emoji buttons of the real main window, offscreen, through
// QTest: the time per click and the resident memory that the run adds beyond
// the document's own text.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTest>

#include <cstdio>
#include <fstream>
#include <string>

#include <Qsci/qsciscintillabase.h>

#include "emoji/catalogue.h"
#include "qt/application.h"
#include "qt/comment_editor_view.h"

namespace {

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

std::vector<QWidget*> VisibleEmojiButtons(const quillmark::MainWindow& window) {
  std::vector<QWidget*> buttons;
  for (const quillmark::Emoji& emoji : quillmark::EmojiCatalogue()) {
    QWidget* button = window.Control(quillmark::EmojiButtonName(emoji));
    if (button != nullptr && button->isVisible()) buttons.push_back(button);
  }
  return buttons;
}

// The main window as the program starts it, once it is shown.
std::optional<quillmark::StartedWindow> ShownMainWindow(benchmark::State& state) {
  std::optional<quillmark::StartedWindow> started =
      quillmark::StartMainWindow(quillmark::MainWindowDescription());
  if (!started || !QTest::qWaitForWindowExposed(started->window.get())) {
    state.SkipWithError("the window was not shown");
    return std::nullopt;
  }
  return started;
}

void EmptyTheDocument(quillmark::CommentEditorFrame& editor) {
  editor.Editor().ClearText();
  editor.View()->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
  QApplication::processEvents();
}

// The first click of the process also makes the emoji codes and, with them,
// the code page tables; registered first so that nothing has made them yet.
void FirstEmojiClick(benchmark::State& state) {
  std::optional<quillmark::StartedWindow> started = ShownMainWindow(state);
  if (!started) return;
  QWidget* button = VisibleEmojiButtons(*started->window).front();
  for (auto _ : state) QTest::mouseClick(button, Qt::LeftButton);
}
BENCHMARK(FirstEmojiClick)->Iterations(1)->Unit(benchmark::kMillisecond);

// Clicks through the visible emoji buttons in turn, with Enter after every
// `clicksPerLine` clicks. A first round of the same clicks warms the caches;
// the memory figure is what the timed round adds on top of it.
void ClickEmojiButtons(benchmark::State& state) {
  std::optional<quillmark::StartedWindow> started = ShownMainWindow(state);
  if (!started) return;
  const auto clicksPerLine = static_cast<std::size_t>(state.range(0));
  const bool repaintEachClick = state.range(1) != 0;
  const std::vector<QWidget*> buttons = VisibleEmojiButtons(*started->window);
  quillmark::CommentEditorFrame& editor = *started->window->EditorFrame();
  editor.View()->setFocus();
  const auto click = [&](std::size_t index) {
    QTest::mouseClick(buttons[index % buttons.size()], Qt::LeftButton);
    if ((index + 1) % clicksPerLine == 0) QTest::keyClick(editor.View(), Qt::Key_Return);
    if (repaintEachClick) QApplication::processEvents();
  };
  for (std::size_t index = 0; index < 1000; ++index) click(index);
  EmptyTheDocument(editor);
  const long residentBefore = ResidentKiB();
  std::size_t clicks = 0;
  for (auto _ : state) click(clicks++);
  QApplication::processEvents();
  const double documentKiB = static_cast<double>(editor.Editor().GetTextLength()) / 1024;
  const long residentGrowth = ResidentKiB() - residentBefore;
  state.counters["document_KiB"] = documentKiB;
  state.counters["resident_growth_KiB"] = static_cast<double>(residentGrowth);
  std::printf(
      "%zu clicks, Enter after every %zu: document %.1f KiB, resident memory grew %ld KiB\n",
      clicks, clicksPerLine, documentKiB, residentGrowth);
}

// A comment of lines of ten emoji, and the worst case: all in one wrapped line;
// each also with the window repainted after every click, as a user sees it.
BENCHMARK(ClickEmojiButtons)
    ->ArgNames({"per_line", "repaint"})
    ->ArgsProduct({{10, 1000}, {0, 1}})
    ->Iterations(1000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
