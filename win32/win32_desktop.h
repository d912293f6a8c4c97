#pragma once

#include <windows.h>

#include <memory>

#include "actions/desktop.h"
#include "win32/shell_library.h"

namespace quillmark::win32 {

// The desktop as Windows offers it: the clipboard, the shell and the user's
// locale, always through the wide-character functions.
class Win32Desktop final : public Desktop {
 public:
  // The clipboard's owner window.
  explicit Win32Desktop(HWND owner) : owner_(owner) {}
  Win32Desktop(const Win32Desktop&) = delete;
  Win32Desktop& operator=(const Win32Desktop&) = delete;
  ~Win32Desktop() override = default;

  void PutTextOnClipboard(std::string_view gbk, std::string_view utf8) override;
  bool RevealInFolder(const std::filesystem::path& file) override;
  void OpenUri(std::string_view uri) override;
  [[nodiscard]] std::filesystem::path ProgramFolder() const override;
  [[nodiscard]] std::filesystem::path DocumentsFolder() const override;
  [[nodiscard]] double Now() const override;
  [[nodiscard]] bool UsesTwentyFourHourClock() const override;

 private:
  // Null when shell32 cannot be loaded.
  [[nodiscard]] const ShellLibrary* Shell() const;

  HWND owner_;
  mutable std::unique_ptr<ShellLibrary> shell_;
};

// The path of the running program file, however long.
std::filesystem::path ProgramFile();

}  // namespace quillmark::win32
