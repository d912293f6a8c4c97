#pragma once

#include <filesystem>
#include <string>

#ifdef _WIN32
#include <random>
#else
#include <unistd.h>
#endif

// Folders the core's tests write into, of the test process's own: the suites
// run in parallel, one process a test. On Windows they stand in the working
// folder, as a folder of the user's own (the temporary folder is one that
// exports stay out of), which suites under Wine share across prefixes whose
// process ids can be the same: a random number tells them apart.
namespace quillmark::testing {

inline std::filesystem::path ScratchFolder(const std::string& prefix) {
#ifdef _WIN32
  static const unsigned process = std::random_device{}();
  const std::filesystem::path parent = std::filesystem::current_path();
#else
  const int process = getpid();
  const std::filesystem::path parent = std::filesystem::temp_directory_path();
#endif
  return parent / (prefix + "-" + std::to_string(process));
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
