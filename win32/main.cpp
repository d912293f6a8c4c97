#include <windows.h>

#include "win32/application.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
  return quillmark::win32::RunQuillmark(quillmark::MainWindowDescription());
}
