// Emoji completion as the user types, over each edition's comment editor
// control: the same table for every edition.
#include <gtest/gtest.h>

#include <string>

#include "editor/scintilla_comment_editor.h"
#include "editor/scintilla_messages.h"
#include "tests/editor/scintilla_host.h"

namespace quillmark {
namespace {

using Key = testing::ScintillaHost::Key;

// Types a script: text, with {Enter}, {Tab}, {Esc}, {Down} and {Up} pressed
// as keys and {Undo} as the editor's undo.
void Play(testing::ScintillaHost& host, std::string_view script) {
  const std::pair<std::string_view, Key> keys[] = {{"{Enter}", Key::Enter},
                                                   {"{Tab}", Key::Tab},
                                                   {"{Esc}", Key::Escape},
                                                   {"{Down}", Key::Down},
                                                   {"{Up}", Key::Up}};
  while (!script.empty()) {
    const std::size_t brace = script.find('{', script.front() == '{' ? 1 : 0);
    const std::string_view step =
        script.substr(0, script.front() == '{' ? script.find('}') + 1 : brace);
    script.remove_prefix(step.size());
    if (step == "{Undo}") {
      host.Direct().Send(sci::kUndo);
      continue;
    }
    bool pressed = false;
    for (const auto& [name, key] : keys) {
      if (step == name) {
        host.Press(key);
        pressed = true;
      }
    }
    if (!pressed) host.Type(step);
  }
}

TEST(EmojiCompletionSuite, TypedBracketsAndKeys) {
  const struct {
    const char* script;
    const char* document;
    bool listOpen;
  } cases[] = {
      {"[wx", "[wx", true},
      {"[wx{Enter}", "[微笑]", false},
      {"[WX{Tab}", "[微笑]", false},
      {"【微{Enter}", "[微笑]", false},
      {"ab[weixiao{Enter}cd", "ab[微笑]cd", false},
      {"[tiaop{Enter}", "[调皮]", false},
      {"[hx{Down}{Enter}", "[憨笑]", false},
      {"[hx{Down}{Up}{Enter}", "[害羞]", false},
      {"[wx{Esc}", "[wx", false},
      {"[wx{Enter}{Undo}", "[wx", false},
      {"[1]", "[1]", false},
      {"[{Enter}", "[\r\n", false},
      {"[no{Enter}", "[no\r\n", false},
      {"【注】", "【注】", false},
      {"[weixiao]", "[weixiao]", false},
      {"[wx{Enter}[wx{Enter}", "[微笑][微笑]", false},
  };
  for (const auto& c : cases) {
    const std::unique_ptr<testing::ScintillaHost> host = testing::MakeScintillaHost();
    const ScintillaCommentEditor editor(host->Direct(), [] {});
    Play(*host, c.script);
    EXPECT_EQ(std::string(editor.GetText(editor.GetTextLength())), c.document) << c.script;
    EXPECT_EQ(host->Direct().Send(sci::kAutoCActive) != 0, c.listOpen) << c.script;
    // Typing goes on behind a completed code.
    EXPECT_EQ(host->Direct().Send(sci::kGetCurrentPos), editor.GetTextLength()) << c.script;
  }
}

}  // namespace
}  // namespace quillmark
