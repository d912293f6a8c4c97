#pragma once

#include <filesystem>
#include <string_view>

namespace quillmark {

// What the operations ask of the desktop around the window.
class Desktop {
 public:
  Desktop() = default;
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;
  virtual ~Desktop() = default;

  // The cleaned comment as plain text, in both of its forms: the GBK bytes
  // and the same characters in UTF-8. Failures are silent.
  virtual void PutTextOnClipboard(std::string_view gbk, std::string_view utf8) = 0;
  // Opens the folder that holds the file, with the file selected. False when
  // the file does not exist or the desktop reported a failure.
  virtual bool RevealInFolder(const std::filesystem::path& file) = 0;
  // Hands a link to whatever the desktop runs for its scheme.
  virtual void OpenUri(std::string_view uri) = 0;
  // The folder that holds the running program.
  [[nodiscard]] virtual std::filesystem::path ProgramFolder() const = 0;
  // The user's documents folder, which need not exist yet.
  [[nodiscard]] virtual std::filesystem::path DocumentsFolder() const = 0;
  // The current local date and time as an automation date.
  [[nodiscard]] virtual double Now() const = 0;
  // Whether the user's locale shows hours on the 24-hour clock.
  [[nodiscard]] virtual bool UsesTwentyFourHourClock() const = 0;
};

}  // namespace quillmark
