#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "text/conversion.h"

// The export file: its name from date, account name, count and time, its
// folder, and its bytes.
namespace quillmark {

// "微信留言" in GBK: the account name of an export with an empty name box.
const Text& DefaultAccountName();

// The number of comments, one per line: the line feeds, plus one when the
// last byte is not a line feed; 0 for the empty text.
int CountComments(std::string_view gbkText);

// month "." day, account name, "评论", count, "-", six-digit time (GBK), from
// the month-day text ("03-15": month first two bytes, day last two).
Text ExportFileName(std::string_view monthDay, std::string_view gbkAccountName, int count,
                    std::string_view time);

// Whether an account name, as the name box holds it (UTF-8), can stand in a
// file name: a path separator or a zero character would reach outside it.
bool AccountNameFitsFileName(std::string_view utf8AccountName);

// Whether the file name (GBK, without ".txt") can be written as it stands:
// it holds no separator that would leave the folder, and the platform takes
// it. Asked before anything is made for an export.
bool ExportFileNameFits(std::string_view gbkFileName);

// The file's path in the program directory: the GBK name shown to the file
// system in UTF-8, with ".txt". Nothing when the name does not fit.
std::optional<std::filesystem::path> ExportFilePath(const std::filesystem::path& programDirectory,
                                                    std::string_view gbkFileName);

// Whether a new file can be made in the folder: tried rather than guessed, as
// permissions, read-only mounts and access lists all have a say.
bool CanWriteInto(const std::filesystem::path& folder);

// The folder an export goes into: the program's folder where the user can
// write there and the platform keeps users' files there, as beside a program
// in a folder of the user's own; otherwise, as for an installed program or
// one run from inside a zip, the documents folder, made when missing. The
// documents folder is looked up only then: asking the desktop for it can load
// libraries and make folders.
std::filesystem::path ExportFolder(const std::filesystem::path& programFolder,
                                   const std::function<std::filesystem::path()>& documentsFolder);

// Writes exactly the bytes as the file's new content, whole or not at all:
// into a temporary file beside it first, flushed to the disk, then renamed
// over the name. On any failure the temporary file is removed, an older file
// of the name keeps its bytes, and the result is false.
bool WriteExportFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quillmark
