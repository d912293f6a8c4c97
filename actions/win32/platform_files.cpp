// On Windows a name is refused for characters and device names that no file
// system there takes, and a rename fails while another program holds the file
// open without sharing its deletion, as virus scanners and indexers do for a
// moment after a file is written.
#include <windows.h>

#include "actions/platform_files.h"
#include "actions/windows_file_names.h"

namespace quillmark {
namespace {

constexpr ULONGLONG kLongestHold = 1000;  // milliseconds
constexpr DWORD kPause = 20;

// A held source is a sharing violation; a held target comes back as access
// denied, as does a pending deletion of either.
bool HeldByAnotherProgram(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED;
}

}  // namespace

bool PlatformRefusesFileName(std::string_view utf8Name) { return WindowsRefusesFileName(utf8Name); }

bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  const ULONGLONG deadline = ::GetTickCount64() + kLongestHold;
  while (::MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
    if (!HeldByAnotherProgram(::GetLastError()) || ::GetTickCount64() >= deadline) return false;
    ::Sleep(kPause);
  }
  return true;
}

}  // namespace quillmark
