#pragma once

#include <filesystem>
#include <string>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

// Folders the core's tests write into, of the test process's own: the suites
// run in parallel, one process a test.
namespace quillmark::testing {

inline std::filesystem::path ScratchFolder(const std::string& prefix) {
#ifdef _WIN32
  const int process = _getpid();
#else
  const int process = getpid();
#endif
  return std::filesystem::temp_directory_path() / (prefix + "-" + std::to_string(process));
}

// Whether taking away a folder's write permission keeps this process from
// making files in it: not for root, which writes anywhere, nor on Windows,
// which ignores a folder's read-only attribute. Tests then use a folder that
// is not there instead.
inline bool ReadOnlyFoldersHoldForUs() {
#ifdef _WIN32
  return false;
#else
  return geteuid() != 0;
#endif
}

}  // namespace quillmark::testing
