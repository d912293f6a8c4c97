#pragma once

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

namespace quillmark::win32 {

// The shell's functions, loaded when the user first reveals a file or opens
// a link: linked at start-up, shell32 and what it brings with it would cost
// every start time and half a megabyte that most sessions never use.
class ShellLibrary {
 public:
  ShellLibrary();
  ShellLibrary(const ShellLibrary&) = delete;
  ShellLibrary& operator=(const ShellLibrary&) = delete;
  ~ShellLibrary();

  // False when shell32 or one of its functions could not be found.
  [[nodiscard]] bool Loaded() const { return loaded_; }

  decltype(&::ILCreateFromPathW) createItem = nullptr;
  decltype(&::ILFree) freeItem = nullptr;
  decltype(&::SHOpenFolderAndSelectItems) openFolderAndSelectItems = nullptr;
  decltype(&::ShellExecuteW) execute = nullptr;
  decltype(&::SHGetKnownFolderPath) knownFolderPath = nullptr;

 private:
  HMODULE module_;
  bool loaded_ = false;
};

}  // namespace quillmark::win32
