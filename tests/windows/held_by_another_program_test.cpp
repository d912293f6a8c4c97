// Windows saying no for a moment, or for good: a clipboard that another
// program holds, an export file that a virus scanner holds, a VBScript that
// refuses to search. The holders are this program started again as a helper,
// so that each hold comes from another process, as it does for a user.
#include <windows.h>

#include <gtest/gtest.h>
#include <oaidl.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>

#include "actions/export_file.h"
#include "tests/core/scratch_folders.h"
#include "text/blank_lines.h"
#include "text/win32/vbscript_reg_exp_engine.h"
#include "win32/win32_desktop.h"

namespace quillmark {
namespace {

namespace fs = std::filesystem;

struct WindowDestroyer {
  void operator()(HWND window) const { ::DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

struct HandleCloser {
  void operator()(HANDLE handle) const {
    if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
  }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

// A window of the process's own: the clipboard tells holders apart by window.
UniqueWindow HiddenWindow() {
  return UniqueWindow(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                        ::GetModuleHandleW(nullptr), nullptr));
}

// The helper: "--hold clipboard|PATH MILLISECONDS EVENT" takes the clipboard,
// or opens the file without sharing its deletion, signals the event, holds
// for the time given and lets go.
int HoldAndLetGo(const std::wstring& what, DWORD milliseconds, const std::wstring& event) {
  const UniqueWindow window = HiddenWindow();
  UniqueHandle file;
  if (what == L"clipboard") {
    if (::OpenClipboard(window.get()) == 0) return 1;
  } else {
    file.reset(::CreateFileW(what.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return 1;
  }
  const UniqueHandle ready(::OpenEventW(EVENT_MODIFY_STATE, FALSE, event.c_str()));
  ::SetEvent(ready.get());
  ::Sleep(milliseconds);
  if (what == L"clipboard") ::CloseClipboard();
  return 0;
}

// Another process that holds the clipboard or a file from its construction
// for the given time; its destruction waits for it to end.
class Holder {
 public:
  Holder(const std::wstring& what, DWORD milliseconds) {
    const std::wstring event = L"quillmark-holder-" + std::to_wstring(::GetCurrentProcessId());
    const UniqueHandle ready(::CreateEventW(nullptr, TRUE, FALSE, event.c_str()));
    std::wstring self(MAX_PATH, L'\0');
    self.resize(::GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    std::wstring commandLine = L"\"" + self + L"\" --hold \"" + what + L"\" " +
                               std::to_wstring(milliseconds) + L" " + event;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &started) == 0) {
      return;
    }
    process_.reset(started.hProcess);
    ::CloseHandle(started.hThread);
    holding_ = ::WaitForSingleObject(ready.get(), 20000) == WAIT_OBJECT_0;
  }
  Holder(const Holder&) = delete;
  Holder& operator=(const Holder&) = delete;
  ~Holder() {
    if (process_) ::WaitForSingleObject(process_.get(), 20000);
  }
  [[nodiscard]] bool Holding() const { return holding_; }

 private:
  UniqueHandle process_;
  bool holding_ = false;
};

std::wstring ClipboardUnicodeText() {
  std::wstring text;
  if (::OpenClipboard(nullptr) == 0) return text;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(::GlobalLock(data));
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return text;
}

TEST(HeldByAnotherProgram, ACopyWaitsForTheClipboard) {
  const UniqueWindow owner = HiddenWindow();
  win32::Win32Desktop desktop(owner.get());
  desktop.PutTextOnClipboard("before", "before");
  ASSERT_EQ(ClipboardUnicodeText(), L"before");
  const Holder holder(L"clipboard", 150);
  ASSERT_TRUE(holder.Holding());
  desktop.PutTextOnClipboard("\xC4\xE3\xBA\xC3", "你好");
  EXPECT_EQ(ClipboardUnicodeText(), L"你好");
}

TEST(HeldByAnotherProgram, AnExportReplacesAFileThatAScannerHolds) {
  const fs::path folder = testing::ScratchFolder("quillmark-held");
  fs::create_directories(folder);
  const fs::path path = folder / u8"03.15微信留言评论1-143025.txt";
  ASSERT_TRUE(WriteExportFile(path, "older"));
  {
    const Holder holder(path.wstring(), 300);
    ASSERT_TRUE(holder.Holding());
    EXPECT_TRUE(WriteExportFile(path, "newer"));
  }
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  file.close();
  EXPECT_EQ(bytes.str(), "newer");
  fs::remove_all(folder);
}

// "VBScript.RegExp" as a script lock-down leaves it: created, then refusing
// every call. It lives for the whole program, so counting references is moot.
class RefusingRegExp final : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID /*iid*/, void** object) override {
    *object = this;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*index*/, LCID /*locale*/,
                                        ITypeInfo** /*info*/) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*iid*/, LPOLESTR* /*names*/, UINT count,
                                          LCID /*locale*/, DISPID* ids) override {
    for (UINT i = 0; i < count; ++i) ids[i] = static_cast<DISPID>(i + 1);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID /*id*/, REFIID /*iid*/, LCID /*locale*/, WORD /*flags*/,
                                   DISPPARAMS* /*parameters*/, VARIANT* /*result*/,
                                   EXCEPINFO* /*exception*/, UINT* /*argument*/) override {
    return DISP_E_EXCEPTION;
  }
};

TEST(HeldByAnotherProgram, ARefusedVbScriptSearchStillCleansTheComment) {
  const RegExpEngineFactory previous = SetRegExpEngineFactory([] {
    static RefusingRegExp refusing;
    return MakeVbScriptRegExpEngine(&refusing);
  });
  EXPECT_EQ(TryRemoveBlankLines("a\r\n\r\nb\r\n\r\n\r\nc"), std::optional<Text>("a\r\nb\r\nc"));
  SetRegExpEngineFactory(previous);
}

}  // namespace
}  // namespace quillmark

int wmain(int argc, wchar_t** argv) {
  if (argc == 5 && std::wstring(argv[1]) == L"--hold") {
    return quillmark::HoldAndLetGo(argv[2], std::stoul(argv[3]), argv[4]);
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
