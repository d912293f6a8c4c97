// The operations of the main window's events against in-memory controls,
// editor and desktop: what each click does to the comment, the clipboard,
// the palette and the export folder.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "actions/automation_date.h"
#include "actions/comment_actions.h"
#include "actions/customer_service.h"
#include "controls/control_names.h"
#include "emoji/catalogue.h"
#include "emoji/emoji_palette.h"
#include "tests/core/fakes.h"
#include "tests/core/scratch_folders.h"
#include "text/reg_exp_engine.h"
#include "window/operations.h"

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using testing::FakeControls;
using testing::FakeDesktop;
using testing::FakeEditor;
using Clipboard = std::vector<FakeDesktop::ClipboardText>;

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// The operations as the window's events run them, exporting into a folder of
// the test's own at 2024-03-15 14:30:25.
class OperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = testing::ScratchFolder("quillmark-operations");
    fs::remove_all(home_);
    desktop_.programFolder = home_ / "program";
    desktop_.documentsFolder = home_ / "documents";
    fs::create_directories(desktop_.programFolder);
    desktop_.now = AutomationDateFrom(2024, 3, 15, 14, 30, 25);
    operations_.OnMainWindowCreated();
  }
  void TearDown() override {
    std::error_code gone;
    fs::permissions(desktop_.programFolder, fs::perms::owner_all, gone);
    fs::remove_all(home_);
  }

  // Runs what the named control's first event is bound to.
  void Run(std::string_view name) {
    for (const ElementRecord& record : description_) {
      if (record.name == name) operations_.HandlerFor(record.events.at(0).operation, record)();
    }
  }
  void Export() { Run(control_names::kExportButton); }
  [[nodiscard]] std::vector<fs::path> Files() const {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(desktop_.programFolder)) {
      files.push_back(entry.path());
    }
    return files;
  }
  [[nodiscard]] fs::path Folder() const { return desktop_.programFolder; }
  [[nodiscard]] bool Visible(int number) const {
    return controls_.controls.at(EmojiButtonName(EmojiByNumber(number))).visible;
  }

  fs::path home_;
  const WindowDescription description_ = MainWindowDescription();
  FakeControls controls_{description_};
  FakeEditor editor_;
  FakeDesktop desktop_;
  Operations operations_{controls_, editor_, desktop_};
};

TEST_F(OperationsTest, WindowCreatedConfiguresTheEditorAndHidesTheMessageOnlyEmoji) {
  EXPECT_EQ(editor_.configured, 1);
  for (const Emoji& emoji : EmojiCatalogue()) {
    EXPECT_EQ(Visible(emoji.number), emoji.set != EmojiSet::MessageOnly) << emoji.number;
  }
}

TEST_F(OperationsTest, EveryEmojiButtonInsertsItsOwnCodeAtTheCaret) {
  for (const Emoji& emoji : EmojiCatalogue()) {
    editor_.SetText("ab");
    editor_.caret = 1;
    Run(EmojiButtonName(emoji));
    std::string expected = "a[";
    expected.append(emoji.label).append("]b");
    EXPECT_EQ(editor_.document, expected) << emoji.number;
    EXPECT_EQ(editor_.caret, expected.size() - 1) << "caret behind the code";
  }
  editor_.SetText("");
  Run("图形按钮113_破涕为笑");
  EXPECT_EQ(editor_.GetTextLength(), 14) << "[破涕为笑] in UTF-8";
  Run("图形按钮16_难过");
  Run("图形按钮51_难过");
  EXPECT_EQ(editor_.document, "[破涕为笑][难过][难过]");
}

TEST_F(OperationsTest, CompositionInProgressIsCommittedBeforeAnEmojiOrACopy) {
  editor_.composition = "nihao";
  Run("图形按钮1_微笑");
  EXPECT_EQ(editor_.document, "nihao[微笑]") << "not inside the uncommitted pinyin";
  editor_.composition = "zhong";
  Run(control_names::kCopyButton);
  EXPECT_EQ(editor_.document, "nihao[微笑]zhong");
  EXPECT_EQ(desktop_.clipboard.back().utf8, "nihao[微笑]zhong");
}

TEST_F(OperationsTest, PaletteModeShowsTheSetTheCommentRadioAsksFor) {
  // The message radio is disabled in the product; this is the other half of
  // the switch that its click would run.
  controls_.controls.at(std::string(control_names::kCommentEmojiRadio)).checked = false;
  Run(control_names::kMessageEmojiRadio);
  for (const Emoji& emoji : EmojiCatalogue()) {
    EXPECT_EQ(Visible(emoji.number), emoji.set != EmojiSet::CommentOnly) << emoji.number;
  }
  controls_.controls.at(std::string(control_names::kCommentEmojiRadio)).checked = true;
  Run(control_names::kCommentEmojiRadio);
  for (const Emoji& emoji : EmojiCatalogue()) {
    EXPECT_EQ(Visible(emoji.number), emoji.set != EmojiSet::MessageOnly) << emoji.number;
  }
}

TEST_F(OperationsTest, CopyRemovesBlankLinesInTheEditorAndPutsBothForms) {
  editor_.SetText("first\r\n\r\n\r\nsecond [微笑]\r\n");
  Run(control_names::kCopyButton);
  EXPECT_EQ(editor_.document, "first\r\nsecond [微笑]");
  EXPECT_EQ(desktop_.clipboard,
            (Clipboard{{Utf8ToGbk("first\r\nsecond [微笑]"), "first\r\nsecond [微笑]"}}));
  Run(control_names::kCopyButton);
  EXPECT_EQ(desktop_.clipboard.back().utf8, "first\r\nsecond [微笑]") << "a second copy";
}

TEST_F(OperationsTest, CopyOfAnEmptyCommentAndOfCharactersOutsideGbk) {
  Run(control_names::kCopyButton);
  EXPECT_EQ(desktop_.clipboard, (Clipboard{{"", ""}}));
  editor_.SetText("好😀\r\n");
  Run(control_names::kCopyButton);
  EXPECT_EQ(editor_.document, "好??");
  EXPECT_EQ(desktop_.clipboard.back().utf8, "好??");
}

TEST_F(OperationsTest, CopyKeepsTheCommentWhenTheCleanUpCannotRun) {
  const RegExpEngineFactory previous =
      SetRegExpEngineFactory([] { return std::shared_ptr<RegExpEngine>(); });
  editor_.SetText("keep\r\n\r\nme");
  Run(control_names::kCopyButton);
  SetRegExpEngineFactory(previous);
  EXPECT_EQ(editor_.document, "keep\r\n\r\nme") << "the editor is not emptied";
  EXPECT_EQ(desktop_.clipboard.back().utf8, "keep\r\n\r\nme");
}

TEST_F(OperationsTest, ClearTheCommentAndTheAccountNameAndContactService) {
  editor_.SetText("a comment");
  editor_.composition = "zhong";
  controls_.SetControlText(control_names::kAccountNameBox, "old name");
  Run(control_names::kClearButton);
  Run(control_names::kAccountNameBox);
  Run(control_names::kCustomerServiceButton);
  EXPECT_EQ(editor_.document, "");
  EXPECT_EQ(editor_.composition, "") << "no composition is carried into the empty comment";
  EXPECT_EQ(controls_.ControlText(control_names::kAccountNameBox), "");
  EXPECT_TRUE(desktop_.clipboard.empty()) << "clearing leaves the clipboard";
  EXPECT_EQ(desktop_.opened,
            std::vector<std::string>{
                "tencent://message/?uin=800012345&Site=https://www.example.com/&Menu=yes"});
}

TEST_F(OperationsTest, ExportWritesTheCleanedCommentUnderItsName) {
  editor_.SetText("一\r\n\r\n二\r\n三\r\n");
  Export();
  const fs::path expected = Folder() / u8"03.15微信留言评论3-143025.txt";
  ASSERT_EQ(Files(), std::vector<fs::path>{expected});
  EXPECT_EQ(ReadBytes(expected), Utf8ToGbk("一\r\n二\r\n三"));
  EXPECT_EQ(editor_.document, "一\r\n二\r\n三");
  EXPECT_EQ(desktop_.clipboard, (Clipboard{{Utf8ToGbk("一\r\n二\r\n三"), "一\r\n二\r\n三"}}));
  EXPECT_EQ(desktop_.revealed, std::vector<fs::path>{expected}) << "the box is checked at start";
}

TEST_F(OperationsTest, ExportNamesTheHourByTheLocaleClock) {
  desktop_.twentyFourHourClock = false;
  editor_.SetText("x");
  Export();
  EXPECT_EQ(Files(), std::vector<fs::path>{Folder() / u8"03.15微信留言评论1-023025.txt"});
}

TEST_F(OperationsTest, ExportCountsThreeLinesWithOrWithoutAFinalBreak) {
  controls_.SetControlText(control_names::kAccountNameBox, "号");
  editor_.SetText("a\nb\nc\n");
  Export();
  EXPECT_EQ(ReadBytes(Folder() / u8"03.15号评论3-143025.txt"), "a\nb\nc")
      << "the clean-up drops the final LF";
  editor_.SetText("a\r\nb\r\nc");
  Export();
  EXPECT_EQ(ReadBytes(Folder() / u8"03.15号评论3-143025.txt"), "a\r\nb\r\nc")
      << "a second export in the same second replaces the first";
  EXPECT_EQ(Files().size(), 1u);
}

TEST_F(OperationsTest, ExportOfAnEmptyCommentUnderASpacesName) {
  controls_.SetControlText(control_names::kAccountNameBox, "   ");
  Export();
  const fs::path path = Folder() / u8"03.15   评论0-143025.txt";
  ASSERT_TRUE(fs::exists(path));
  EXPECT_EQ(fs::file_size(path), 0u);
}

TEST_F(OperationsTest, UncheckedBoxRevealsNothing) {
  controls_.controls.at(std::string(control_names::kOpenFolderCheckBox)).checked = false;
  editor_.SetText("x");
  Export();
  EXPECT_EQ(Files().size(), 1u);
  EXPECT_TRUE(desktop_.revealed.empty());
}

TEST_F(OperationsTest, NamesThatLeaveTheFolderOrThePlatformRefusesWriteNothingAnywhere) {
  fs::create_directories(Folder() / "inside");
  std::vector<std::string> names = {"../escape", "inside/x", "a\\b"};
#ifdef _WIN32
  names.insert(names.end(), {"a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"});
#endif
  for (const std::string& name : names) {
    controls_.SetControlText(control_names::kAccountNameBox, name);
    editor_.SetText("text\r\n\r\nmore");
    Export();
    EXPECT_EQ(editor_.document, "text\r\nmore") << name << ": the editor and clipboard are right";
    EXPECT_EQ(desktop_.clipboard.back().utf8, "text\r\nmore");
  }
  EXPECT_EQ(Files(), std::vector<fs::path>{Folder() / "inside"});
  EXPECT_TRUE(fs::is_empty(Folder() / "inside"));
  EXPECT_FALSE(fs::exists(Folder().parent_path() / u8"escape评论2-143025.txt"));
  EXPECT_TRUE(desktop_.revealed.empty());
}

TEST_F(OperationsTest, ExportGoesToTheDocumentsFolderWhereTheProgramFolderIsNotWritable) {
  if (testing::ReadOnlyFoldersHoldForUs()) {
    fs::permissions(desktop_.programFolder, fs::perms::owner_read | fs::perms::owner_exec);
  } else {
    fs::remove(desktop_.programFolder);
  }
  editor_.SetText("installed\r\n");
  Export();
  const fs::path expected = home_ / "documents" / u8"03.15微信留言评论1-143025.txt";
  EXPECT_EQ(ReadBytes(expected), "installed") << "the documents folder is made when missing";
  EXPECT_EQ(desktop_.revealed, std::vector<fs::path>{expected}) << "shown where it went";
}

TEST_F(OperationsTest, ExportThatCannotBeWrittenStaysSilent) {
  fs::create_directories(Folder() / u8"03.15微信留言评论1-143025.txt");  // blocks the file
  editor_.SetText("line\r\n\r\n");
  Export();
  EXPECT_EQ(editor_.document, "line\r");
  EXPECT_EQ(desktop_.clipboard.back().utf8, "line\r");
  EXPECT_EQ(desktop_.revealed.size(), 1u) << "the later steps still run";
}

}  // namespace
}  // namespace quillmark
