#pragma once

#include <filesystem>

namespace quillmark {

// True when the path names an existing file or folder.
bool PathExists(const std::filesystem::path& path);

// Opens the folder that holds the path, with the item selected, through the
// desktop's file manager. False when the path does not exist or the desktop
// reported a failure.
bool RevealInFolder(const std::filesystem::path& path, bool renameRequest = false);

}  // namespace quillmark
