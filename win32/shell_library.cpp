#include "win32/shell_library.h"

namespace quillmark::win32 {
namespace {

template <typename Function>
bool Find(HMODULE module, const char* name, Function& function) {
  // GetProcAddress hands out every function as one type.
  function =
      reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
  return function != nullptr;
}

}  // namespace

ShellLibrary::ShellLibrary()
    : module_(::LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
  loaded_ = module_ != nullptr && Find(module_, "ILCreateFromPathW", createItem) &&
            Find(module_, "ILFree", freeItem) &&
            Find(module_, "SHOpenFolderAndSelectItems", openFolderAndSelectItems) &&
            Find(module_, "ShellExecuteW", execute) &&
            Find(module_, "SHGetKnownFolderPath", knownFolderPath);
}

ShellLibrary::~ShellLibrary() {
  if (module_ != nullptr) ::FreeLibrary(module_);
}

}  // namespace quillmark::win32
