// On Linux every byte but the separator and zero may stand in a name, a
// folder the user can write is the user's, and a rename replaces its target
// whoever holds it open.
#include "actions/platform_files.h"

namespace quillmark {

bool PlatformRefusesFileName(std::string_view /*utf8Name*/) { return false; }

bool PlatformKeepsNoExportsIn(const std::filesystem::path& /*folder*/) { return false; }

bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return !error;
}

}  // namespace quillmark
