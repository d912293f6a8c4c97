#include "win32/win32_desktop.h"

#include <shlwapi.h>

#include <cstring>
#include <string>

#include "actions/automation_date.h"
#include "actions/date_time_format.h"
#include "win32/wide_text.h"

namespace quillmark::win32 {
namespace {

constexpr LCID kChinesePrc = 0x0804;
constexpr ULONGLONG kLongestClipboardHold = 500;  // milliseconds

// A movable global block holding the bytes, as the clipboard takes them over.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
  if (block == nullptr) return nullptr;
  std::memcpy(::GlobalLock(block), bytes, size);
  ::GlobalUnlock(block);
  return block;
}

// Chat clients, input methods and remote-desktop clipboard hooks often hold
// the clipboard for a moment; a copy waits that out rather than being lost.
bool OpenClipboardWithin(HWND owner, ULONGLONG milliseconds) {
  const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
  while (::OpenClipboard(owner) == 0) {
    if (::GetTickCount64() >= deadline) return false;
    ::Sleep(10);
  }
  return true;
}

void PutOnClipboard(UINT format, HGLOBAL block) {
  if (block != nullptr && ::SetClipboardData(format, block) == nullptr) ::GlobalFree(block);
}

}  // namespace

// CF_TEXT carries the GBK bytes; CF_UNICODETEXT and CF_LOCALE beside it keep
// a paste into a Unicode program right whatever the keyboard's language.
void Win32Desktop::PutTextOnClipboard(std::string_view gbk, std::string_view utf8) {
  if (!OpenClipboardWithin(owner_, kLongestClipboardHold)) return;
  ::EmptyClipboard();
  const std::string ansi(gbk);
  PutOnClipboard(CF_TEXT, GlobalCopy(ansi.c_str(), ansi.size() + 1));
  const std::wstring wide = Widen(utf8);
  PutOnClipboard(CF_UNICODETEXT, GlobalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)));
  PutOnClipboard(CF_LOCALE, GlobalCopy(&kChinesePrc, sizeof kChinesePrc));
  ::CloseClipboard();
}

const ShellLibrary* Win32Desktop::Shell() const {
  if (!shell_) shell_ = std::make_unique<ShellLibrary>();
  return shell_->Loaded() ? shell_.get() : nullptr;
}

bool Win32Desktop::RevealInFolder(const std::filesystem::path& file) {
  const ShellLibrary* shell = Shell();
  if (shell == nullptr || !::PathFileExistsW(file.c_str())) return false;
  PIDLIST_ABSOLUTE item = shell->createItem(file.c_str());
  if (item == nullptr) return false;
  const HRESULT result = shell->openFolderAndSelectItems(item, 0, nullptr, 0);
  shell->freeItem(item);
  return SUCCEEDED(result);
}

void Win32Desktop::OpenUri(std::string_view uri) {
  const ShellLibrary* shell = Shell();
  if (shell == nullptr) return;
  // The shell may show what it has to say over such a window, when there is one.
  HWND owner = ::FindWindowExW(nullptr, nullptr, nullptr, L"Microsoft Internet Explorer");
  shell->execute(owner, L"open", Widen(uri).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::filesystem::path ProgramFile() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return {path};
    }
    path.resize(path.size() * 2);
  }
}

std::filesystem::path Win32Desktop::ProgramFolder() const { return ProgramFile().parent_path(); }

std::filesystem::path Win32Desktop::DocumentsFolder() const {
  const ShellLibrary* shell = Shell();
  if (shell == nullptr) return {};
  PWSTR folder = nullptr;
  std::filesystem::path documents;
  if (SUCCEEDED(shell->knownFolderPath(FOLDERID_Documents, KF_FLAG_CREATE, nullptr, &folder))) {
    documents = folder;
  }
  ::CoTaskMemFree(folder);
  return documents;
}

double Win32Desktop::Now() const { return CurrentAutomationDate(); }

bool Win32Desktop::UsesTwentyFourHourClock() const {
  wchar_t setting[8]{};
  const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_ITIME, setting, 8);
  return IsTwentyFourHourSetting(Narrow(std::wstring_view(setting, length > 0 ? length - 1 : 0)));
}

}  // namespace quillmark::win32
