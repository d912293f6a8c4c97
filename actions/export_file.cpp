#include "actions/export_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>

#include "actions/platform_files.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quillmark {

const Text& DefaultAccountName() {
  static const Text name = Utf8ToGbk("微信留言");
  return name;
}

int CountComments(std::string_view gbkText) {
  const std::string_view text = TextOf(gbkText);
  if (text.empty()) return 0;
  const auto lineFeeds = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  return lineFeeds + (text.back() != '\n' ? 1 : 0);
}

Text ExportFileName(std::string_view monthDay, std::string_view gbkAccountName, int count,
                    std::string_view time) {
  static const Text kComments = Utf8ToGbk("评论");
  const std::string_view month = monthDay.substr(0, 2);
  const std::string_view day = monthDay.size() >= 2 ? monthDay.substr(monthDay.size() - 2) : "";
  Text name;
  name.append(month).append(".").append(day).append(TextOf(gbkAccountName));
  name.append(kComments).append(std::to_string(count)).append("-").append(time);
  return name;
}

bool AccountNameFitsFileName(std::string_view utf8AccountName) {
  return utf8AccountName.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

bool ExportFileNameFits(std::string_view gbkFileName) {
  const Text fileName = GbkToUtf8(gbkFileName) + ".txt";
  return TextOf(gbkFileName).size() == gbkFileName.size() &&
         fileName.find_first_of("/\\") == std::string::npos && !PlatformRefusesFileName(fileName);
}

std::optional<std::filesystem::path> ExportFilePath(const std::filesystem::path& programDirectory,
                                                    std::string_view gbkFileName) {
  if (!ExportFileNameFits(gbkFileName)) return std::nullopt;
  const Text fileName = GbkToUtf8(gbkFileName) + ".txt";
  // Named from UTF-8 outright: a narrow string would be read in the ANSI code
  // page on Windows.
  return programDirectory / std::filesystem::path(std::u8string(fileName.begin(), fileName.end()));
}

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Windows names files in UTF-16, which its wide open alone reaches.
File OpenForWriting(const std::filesystem::path& path) {
#ifdef _WIN32
  return File(_wfopen(path.c_str(), L"wb"));
#else
  return File(std::fopen(path.c_str(), "wb"));
#endif
}

// A name of its own beside the path, hidden where dot files are.
std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
  std::random_device random;
  const auto token = (static_cast<unsigned long long>(random()) << 32) | random();
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%016llx.part", token);
  // Built as a path, never as a narrow string, which Windows reads in its ANSI
  // code page.
  std::filesystem::path name(".");
  name += path.filename();
  name += suffix;
  return path.parent_path() / name;
}

bool FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

bool WriteWhole(const std::filesystem::path& path, std::string_view bytes) {
  File file = OpenForWriting(path);
  if (file == nullptr) return false;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
    return false;
  }
  if (!FlushToDisk(file.get())) return false;
  return std::fclose(file.release()) == 0;
}

}  // namespace

bool CanWriteInto(const std::filesystem::path& folder) {
  const std::filesystem::path probe = TemporaryBeside(folder / "probe");
  const bool made = OpenForWriting(probe) != nullptr;
  std::error_code error;
  if (made) std::filesystem::remove(probe, error);
  return made;
}

std::filesystem::path ExportFolder(const std::filesystem::path& programFolder,
                                   const std::function<std::filesystem::path()>& documentsFolder) {
  if (!PlatformKeepsNoExportsIn(programFolder) && CanWriteInto(programFolder)) {
    return programFolder;
  }
  std::filesystem::path documents = documentsFolder();
  std::error_code error;
  std::filesystem::create_directories(documents, error);
  return documents;
}

bool WriteExportFile(const std::filesystem::path& path, std::string_view bytes) {
  const std::filesystem::path temporary = TemporaryBeside(path);
  if (WriteWhole(temporary, bytes) && MoveOver(temporary, path)) return true;
  std::error_code error;
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace quillmark
