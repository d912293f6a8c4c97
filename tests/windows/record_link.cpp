// Stands in for the chat client in the Windows end-to-end session: registered
// for tencent: links in the test's Wine prefix, it appends the link it is
// given, as UTF-8, to links.txt beside itself.
#include <windows.h>

#include <fstream>

#include "win32/wide_text.h"
#include "win32/win32_desktop.h"

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 2) return 1;
  std::ofstream links(quillmark::win32::ProgramFile().parent_path() / "links.txt",
                      std::ios::binary | std::ios::app);
  links << quillmark::win32::Narrow(argv[1]) << '\n';
  return links ? 0 : 1;
}
