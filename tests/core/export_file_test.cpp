#include "actions/export_file.h"
#include "actions/platform_files.h"
#include "actions/windows_file_names.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>

#include <cwctype>
#include <fstream>
#include <sstream>

#include "tests/core/scratch_folders.h"

namespace quillmark {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

TEST(ExportFile, CountsOneCommentPerLine) {
  EXPECT_EQ(CountComments(""), 0);
  EXPECT_EQ(CountComments("one"), 1);
  EXPECT_EQ(CountComments("a\r\nb\r\nc"), 3);
  EXPECT_EQ(CountComments("a\r\nb\r\nc\r\n"), 3) << "a final line break adds no comment";
  EXPECT_EQ(CountComments("\n"), 1);
  EXPECT_EQ(CountComments("a\rb"), 1) << "only line feeds count";
}

TEST(ExportFile, NameFromDateAccountCountAndTime) {
  EXPECT_EQ(GbkToUtf8(ExportFileName("03-15", DefaultAccountName(), 3, "143025")),
            "03.15微信留言评论3-143025");
  EXPECT_EQ(GbkToUtf8(ExportFileName("12-01", "   ", 0, "090000")), "12.01   评论0-090000");
}

TEST(ExportFile, AccountNamesThatWouldLeaveTheDirectory) {
  EXPECT_TRUE(AccountNameFitsFileName("公众号 名"));
  EXPECT_TRUE(AccountNameFitsFileName(".."));
  EXPECT_FALSE(AccountNameFitsFileName("../../etc"));
  EXPECT_FALSE(AccountNameFitsFileName("a\\b"));
  EXPECT_FALSE(AccountNameFitsFileName(std::string_view("a\0b", 3)));
}

TEST(ExportFile, NamesWindowsRefuses) {
  for (const std::string_view name :
       {"a:b.txt", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "a\tb", "CON", "con.txt", "NUL .txt",
        "Com1.txt", "LPT9", "COM0", "COM\xC2\xB9.txt", "name.", "name ", ""}) {
    EXPECT_TRUE(WindowsRefusesFileName(name)) << name;
  }
  for (const std::string_view name : {"03.15微信留言评论3-143025.txt", "CONSOLE.txt", "COM10.txt",
                                      "xNUL", ".hidden", "a b.txt", "AUX1"}) {
    EXPECT_FALSE(WindowsRefusesFileName(name)) << name;
  }
}

TEST(ExportFile, PathIsInTheProgramDirectoryInUtf8) {
  const std::optional<fs::path> path =
      ExportFilePath("/opt/quillmark", ExportFileName("03-15", DefaultAccountName(), 3, "143025"));
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(*path, fs::path("/opt/quillmark") / fs::path(u8"03.15微信留言评论3-143025.txt"));
  EXPECT_FALSE(ExportFilePath("/opt/quillmark", "03.15a/b").has_value());
  // A GBK character whose trail byte is 5C is no separator.
  const std::optional<fs::path> trail = ExportFilePath("/opt/quillmark", "\x81\x5C");
  ASSERT_TRUE(trail.has_value());
  EXPECT_EQ(trail->parent_path(), fs::path("/opt/quillmark"));
#ifdef _WIN32
  EXPECT_FALSE(ExportFilePath("C:\\q", Utf8ToGbk("03.15a:b评论1-143025")).has_value())
      << "a colon would name a stream of another file";
#endif
}

class ExportFileWriting : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = testing::ScratchFolder("quillmark-export");
    fs::create_directories(directory_);
  }
  void TearDown() override {
    fs::permissions(directory_, fs::perms::owner_all);
    fs::remove_all(directory_);
  }
  fs::path directory_;
};

TEST_F(ExportFileWriting, WritesExactlyTheBytesAndReplaces) {
  const fs::path path = directory_ / "a.txt";
  ASSERT_TRUE(WriteExportFile(path, "\xCE\xA2\r\nsecond"));
  EXPECT_EQ(ReadBytes(path), "\xCE\xA2\r\nsecond");
  ASSERT_TRUE(WriteExportFile(path, "x"));
  EXPECT_EQ(ReadBytes(path), "x") << "truncated, not appended";
  ASSERT_TRUE(WriteExportFile(path, ""));
  EXPECT_EQ(fs::file_size(path), 0u);
}

#ifndef _WIN32
// A write cut short, here by a file-size limit as a full disk would: the
// older export keeps its bytes and no partial or temporary file is left.
TEST_F(ExportFileWriting, AFailedWriteLeavesTheOlderFileWholeAndNoTemporaryFile) {
  const fs::path path = directory_ / u8"03.15微信留言评论1-143025.txt";
  ASSERT_TRUE(WriteExportFile(path, "older export"));
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit previous = limit;
  limit.rlim_cur = 4096;
  void (*const previousHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  const bool written = WriteExportFile(path, std::string(100000, 'x'));
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(written);
  EXPECT_TRUE(ReadBytes(path) == "older export") << "the older export changed";
  EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 1)
      << "no temporary file is left beside it";
}
#endif

TEST_F(ExportFileWriting, ProgramFolderUnlessItCannotBeWritten) {
  const fs::path documents = directory_ / "home" / "Documents";
  int lookups = 0;
  const auto documentsFolder = [&] {
    ++lookups;
    return documents;
  };
  EXPECT_EQ(ExportFolder(directory_, documentsFolder), directory_);
  EXPECT_FALSE(fs::exists(documents));
  EXPECT_EQ(lookups, 0) << "the desktop is not asked for a folder that is not used";
  EXPECT_EQ(ExportFolder(directory_ / "gone", documentsFolder), documents);
  EXPECT_TRUE(fs::is_directory(documents)) << "made when missing";
  if (testing::ReadOnlyFoldersHoldForUs()) {
    fs::permissions(directory_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(CanWriteInto(directory_));
  }
}

// Folders that a user can write and still never looks in: Windows' Program
// Files (writable to a program run with administrator rights, as an
// installer's finish page runs it) and the temporary folder (where a program
// opened from inside a zip is unpacked, and deleted with it).
TEST_F(ExportFileWriting, WindowsKeepsExportsOutOfProgramFilesAndTheTemporaryFolder) {
  struct Case {
    fs::path folder;
    bool keptOut;
  };
  const fs::path temporary = fs::temp_directory_path();
#ifdef _WIN32
  const fs::path programFiles = _wgetenv(L"ProgramFiles");
  const fs::path programFilesX86 = _wgetenv(L"ProgramFiles(x86)");
  std::wstring shouted = programFiles.wstring();
  for (wchar_t& c : shouted) c = static_cast<wchar_t>(std::towupper(c));
  const Case cases[] = {
      {programFiles / "Quillmark", true},
      {programFiles, true},
      {fs::path(shouted) / "QUILLMARK", true},
      {programFilesX86 / "Quillmark", true},
      {temporary / "Rar$EXa1234.5678", true},
      {fs::path(programFiles.wstring() + L" Tools") / "Quillmark", false},
      {fs::path(L"C:\\Tools\\Quillmark"), false},
      {fs::current_path(), false},
  };
#else
  const Case cases[] = {{temporary / "quillmark", false}, {"/opt/quillmark", false}};
#endif
  for (const Case& test : cases) {
    EXPECT_EQ(PlatformKeepsNoExportsIn(test.folder), test.keptOut) << test.folder;
  }
  // Beside a program unpacked into the temporary folder, writable as it is.
  const fs::path unpacked = temporary / (directory_.filename().string() + "-unpacked");
  fs::create_directories(unpacked);
  const fs::path documents = directory_ / "Documents";
  const fs::path exported = ExportFolder(unpacked, [&] { return documents; });
  fs::remove_all(unpacked);
#ifdef _WIN32
  EXPECT_EQ(exported, documents);
#else
  EXPECT_EQ(exported, unpacked);
#endif
}

TEST_F(ExportFileWriting, ReadOnlyDirectoryFails) {
  if (!testing::ReadOnlyFoldersHoldForUs()) {
    // Make the target unwritable by its being a directory.
    fs::create_directory(directory_ / "taken.txt");
    EXPECT_FALSE(WriteExportFile(directory_ / "taken.txt", "x"));
    return;
  }
  fs::permissions(directory_, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(WriteExportFile(directory_ / "a.txt", "x"));
}

}  // namespace
}  // namespace quillmark
