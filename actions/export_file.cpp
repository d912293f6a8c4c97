#include "actions/export_file.h"

#include <algorithm>
#include <fstream>

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

std::optional<std::filesystem::path> ExportFilePath(const std::filesystem::path& programDirectory,
                                                    std::string_view gbkFileName) {
  const Text fileName = GbkToUtf8(gbkFileName) + ".txt";
  if (TextOf(gbkFileName).size() != gbkFileName.size() ||
      fileName.find_first_of("/\\") != std::string::npos) {
    return std::nullopt;
  }
  return programDirectory / std::filesystem::path(fileName);
}

bool WriteExportFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file.flush());
}

}  // namespace quillmark
