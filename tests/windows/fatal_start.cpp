// The Windows start-up on a description that cannot be read, for
// fatal_start_under_wine.sh: the fatal box, then exit code -1.
#include <windows.h>

#include "win32/application.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
  return quillmark::win32::RunQuillmark({});
}
