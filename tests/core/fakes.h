#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "actions/desktop.h"
#include "controls/window_controls.h"
#include "editor/comment_editor.h"
#include "window/window_description.h"

// In-memory stand-ins for the three things the operations reach: the window's
// controls, the comment editor and the desktop.
namespace quillmark::testing {

// The controls of a description in their state at creation.
class FakeControls final : public WindowControls {
 public:
  struct State {
    bool visible = true;
    bool checked = false;
    std::string text;
  };

  explicit FakeControls(const WindowDescription& description = MainWindowDescription()) {
    for (const ElementRecord& record : description) {
      controls[record.name] = {record.visible, record.properties.checked, {}};
    }
  }
  void SetControlVisible(std::string_view name, bool visible) override {
    if (State* state = Find(name)) state->visible = visible;
  }
  [[nodiscard]] bool IsChecked(std::string_view name) const override {
    const auto found = controls.find(std::string(name));
    return found != controls.end() && found->second.checked;
  }
  [[nodiscard]] std::string ControlText(std::string_view name) const override {
    const auto found = controls.find(std::string(name));
    return found != controls.end() ? found->second.text : std::string();
  }
  void SetControlText(std::string_view name, std::string_view text) override {
    if (State* state = Find(name)) state->text = text;
  }

  std::map<std::string, State, std::less<>> controls;

 private:
  State* Find(std::string_view name) {
    const auto found = controls.find(name);
    return found != controls.end() ? &found->second : nullptr;
  }
};

// A document with a caret, and a composition that the input method has not
// committed yet.
class FakeEditor final : public CommentEditor {
 public:
  [[nodiscard]] long GetTextLength() const override { return static_cast<long>(document.size()); }
  [[nodiscard]] Text GetText(long n) const override {
    return Text(TextOf(document.substr(0, static_cast<std::size_t>(std::max(n, 0L)))));
  }
  void SetText(std::string_view text) override {
    document = TextOf(text);
    caret = 0;
  }
  void ClearText() override { SetText(""); }
  void AddTextAtCaret(std::string_view text, long length = -1) override {
    if (length < -1) return;
    std::string_view inserted = TextOf(text);
    if (length != -1) inserted = inserted.substr(0, static_cast<std::size_t>(length));
    document.insert(caret, inserted);
    caret += inserted.size();
  }
  void ConfigureCommentEditor() override { ++configured; }
  void CommitComposition() override {
    const std::string composed = std::exchange(composition, {});
    AddTextAtCaret(composed);
  }

  std::string document;
  std::size_t caret = 0;
  std::string composition;
  int configured = 0;
};

// A desktop at a fixed time in a folder of the test's choosing, recording
// what it is asked to do.
class FakeDesktop final : public Desktop {
 public:
  struct ClipboardText {
    std::string gbk;
    std::string utf8;
    bool operator==(const ClipboardText&) const = default;
  };

  void PutTextOnClipboard(std::string_view gbk, std::string_view utf8) override {
    clipboard.push_back({std::string(gbk), std::string(utf8)});
  }
  bool RevealInFolder(const std::filesystem::path& file) override {
    revealed.push_back(file);
    return true;
  }
  void OpenUri(std::string_view uri) override { opened.emplace_back(uri); }
  [[nodiscard]] std::filesystem::path ProgramFolder() const override { return programFolder; }
  [[nodiscard]] std::filesystem::path DocumentsFolder() const override { return documentsFolder; }
  [[nodiscard]] double Now() const override { return now; }
  [[nodiscard]] bool UsesTwentyFourHourClock() const override { return twentyFourHourClock; }

  std::filesystem::path programFolder;
  std::filesystem::path documentsFolder;
  double now = 0;
  bool twentyFourHourClock = true;
  std::vector<ClipboardText> clipboard;
  std::vector<std::filesystem::path> revealed;
  std::vector<std::string> opened;
};

}  // namespace quillmark::testing
