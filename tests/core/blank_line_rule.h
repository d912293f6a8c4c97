#pragma once

#include <string>

// The rule the blank-line clean-up promises, stated on bytes: after trimming
// one leading and one trailing CR LF, delete every CR that is the first byte
// or follows a CR or LF, and every LF that is the last byte or precedes one.
namespace quillmark::testing {

inline std::string ExpectedByTheByteRule(std::string text) {
  if (text.starts_with("\r\n")) text.erase(0, 2);
  if (text.size() >= 2 && text.ends_with("\r\n")) text.erase(text.size() - 2);
  const auto isBreak = [](char byte) { return byte == '\r' || byte == '\n'; };
  std::string kept;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool crToDelete = text[i] == '\r' && (i == 0 || isBreak(text[i - 1]));
    const bool lfToDelete = text[i] == '\n' && (i + 1 == text.size() || isBreak(text[i + 1]));
    if (!crToDelete && !lfToDelete) kept += text[i];
  }
  return kept;
}

}  // namespace quillmark::testing
