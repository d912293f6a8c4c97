// Stands in for the chat client in the Windows end-to-end session: registered
// for tencent: links in the test's Wine prefix, it appends the link it is
// given, as UTF-8, to links.txt beside itself.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 2) return 1;
  std::wstring folder(MAX_PATH, L'\0');
  folder.resize(::GetModuleFileNameW(nullptr, folder.data(), MAX_PATH));
  folder.resize(folder.find_last_of(L'\\') + 1);
  const std::wstring link = argv[1];
  std::string utf8(static_cast<std::size_t>(link.size()) * 3, '\0');
  utf8.resize(static_cast<std::size_t>(
      ::WideCharToMultiByte(CP_UTF8, 0, link.c_str(), static_cast<int>(link.size()), utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr)));
  FILE* file = _wfopen((folder + L"links.txt").c_str(), L"ab");
  if (file == nullptr) return 1;
  std::fprintf(file, "%s\n", utf8.c_str());
  std::fclose(file);
  return 0;
}
