#pragma once

#include <filesystem>
#include <string_view>

// The steps of an export that each platform decides for itself: which
// names its file systems take, which folders are no place for one, and how a
// finished file is put in place of another. Implemented once per platform, beside the platform's
// other seams.
namespace quillmark {

// Whether the platform's file systems refuse the name (UTF-8, without folder)
// for a file, so that nothing should be made under it.
bool PlatformRefusesFileName(std::string_view utf8Name);

// Whether the platform keeps its users' files out of the folder whatever the
// rights there: on Windows the Program Files folders, which a program run
// with administrator rights can write, and the user's temporary folder, into
// which a program opened from inside a zip is unpacked and deleted with it.
bool PlatformKeepsNoExportsIn(const std::filesystem::path& folder);

// Renames `from` over `to`, replacing a file of that name, waiting a moment
// for a program that holds either open. False when the platform refused.
bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace quillmark
