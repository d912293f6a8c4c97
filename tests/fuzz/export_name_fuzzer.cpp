// An export file's path from any account name never leaves the program
// directory: either there is no path, or it is a file directly inside it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "actions/export_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillmark;
  const std::string typed(reinterpret_cast<const char*>(data), size);
  if (!AccountNameFitsFileName(typed)) return 0;
  const Text name = ExportFileName("03-15", Utf8ToGbk(typed), 3, "143025");
  const std::filesystem::path directory = "/srv/program";
  const std::optional<std::filesystem::path> path = ExportFilePath(directory, name);
  if (!path) return 0;
  if (path->parent_path() != directory) std::abort();
  if (path->lexically_normal().parent_path() != directory) std::abort();
  const std::string file = path->filename().string();
  if (file == "." || file == ".." || file.find('/') != std::string::npos) std::abort();
  return 0;
}
