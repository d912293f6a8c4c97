// On Windows a name is refused for characters and device names that no file
// system there takes, the Program Files and temporary folders are no place
// for a user's file, and a rename fails while another program holds the file
// open without sharing its deletion, as virus scanners and indexers do for a
// moment after a file is written.
#include <windows.h>

#include <array>
#include <string>

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

// The folder with its short names made long, as a path named by GetTempPathW
// may hold them, and a separator at the end.
std::wstring LongFolder(std::wstring folder) {
  if (folder.empty()) return folder;
  std::wstring longer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetLongPathNameW(folder.c_str(), longer.data(), static_cast<DWORD>(longer.size()));
    if (length == 0) break;  // not there: compared as named
    if (length < longer.size()) {
      folder.assign(longer.data(), length);
      break;
    }
    longer.resize(length);
  }
  if (folder.back() != L'\\' && folder.back() != L'/') folder.push_back(L'\\');
  return folder;
}

std::wstring Environment(const wchar_t* name) {
  std::wstring value(MAX_PATH, L'\0');
  const DWORD length =
      ::GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
  value.resize(length < value.size() ? length : 0);
  return value;
}

std::wstring TemporaryFolder() {
  std::wstring value(MAX_PATH + 1, L'\0');
  const DWORD length = ::GetTempPathW(static_cast<DWORD>(value.size()), value.data());
  value.resize(length < value.size() ? length : 0);
  return value;
}

// Whether the folder is `outer` or lies inside it, case aside as Windows
// compares names.
bool Inside(const std::wstring& folder, const std::wstring& outer) {
  return !outer.empty() && folder.size() >= outer.size() &&
         ::CompareStringOrdinal(folder.c_str(), static_cast<int>(outer.size()), outer.c_str(),
                                static_cast<int>(outer.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

bool PlatformKeepsNoExportsIn(const std::filesystem::path& folder) {
  const std::wstring named = LongFolder(folder.lexically_normal().wstring());
  const std::array<std::wstring, 4> kept{Environment(L"ProgramFiles"),
                                         Environment(L"ProgramFiles(x86)"),
                                         Environment(L"ProgramW6432"), TemporaryFolder()};
  for (const std::wstring& outer : kept) {
    if (Inside(named, LongFolder(outer))) return true;
  }
  return false;
}

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
