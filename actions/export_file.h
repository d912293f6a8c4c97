#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "text/conversion.h"

// The export file: its name from date, account name, count and time, its
// place in the program directory, and its bytes.
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

// The file's path in the program directory: the GBK name shown to the file
// system in UTF-8, with ".txt". Nothing when the name could leave the directory.
std::optional<std::filesystem::path> ExportFilePath(const std::filesystem::path& programDirectory,
                                                    std::string_view gbkFileName);

// Creates or truncates the file and writes exactly the bytes. False on failure.
bool WriteExportFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quillmark
