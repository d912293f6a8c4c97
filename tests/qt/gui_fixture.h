#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

#include <ostream>

#include "qt/application.h"
#include "qt/comment_editor_view.h"

// Failure messages show a QString as its text rather than as raw units.
inline void PrintTo(const QString& text, std::ostream* stream) { *stream << text.toStdString(); }

namespace quillmark::testing {

// The real main window, started as the program starts it, shown and active.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::optional<StartedWindow> started = StartMainWindow(MainWindowDescription());
    ASSERT_TRUE(started.has_value());
    started_ = std::move(*started);
    started_.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(started_.window.get()));
  }

  [[nodiscard]] MainWindow& Window() const { return *started_.window; }
  [[nodiscard]] CommentEditor& Editor() const { return started_.window->EditorFrame()->Editor(); }
  [[nodiscard]] CommentEditorView* View() const { return started_.window->EditorFrame()->View(); }
  [[nodiscard]] QWidget* ControlNamed(std::string_view name) const {
    return started_.window->Control(name);
  }
  [[nodiscard]] Text Document() const { return Editor().GetText(Editor().GetTextLength()); }

 private:
  StartedWindow started_;
};

}  // namespace quillmark::testing
