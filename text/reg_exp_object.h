#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "text/conversion.h"
#include "text/reg_exp_engine.h"

namespace quillmark {

// Regular expressions over GBK texts: one engine, the matches of its last
// search and that search's subject. Indexes are 1-based; positions are 0-based
// GBK byte offsets into the subject.
class RegExpObject {
 public:
  RegExpObject() = default;
  // The copy shares the engine and the matches and holds its own subject.
  RegExpObject(const RegExpObject& other) = default;
  RegExpObject& operator=(const RegExpObject& other) = default;
  RegExpObject(RegExpObject&&) noexcept = default;
  RegExpObject& operator=(RegExpObject&&) noexcept = default;
  ~RegExpObject() = default;

  // Searches `subject` with a fresh engine. True when the search ran, whether or
  // not anything matched; false when there is no engine or the pattern does not
  // compile. With `quoteEscape` every "#引号" in the pattern stands for '"'.
  bool Create(std::string_view pattern, std::string_view subject, bool caseSensitive = false,
              bool multiline = true, bool global = true, bool quoteEscape = false);

  [[nodiscard]] Text GetPattern() const;
  // The subject of the last search with its matches replaced; empty without an engine.
  [[nodiscard]] Text Replace(std::string_view replacement = {}) const;
  [[nodiscard]] int MatchCount() const;
  [[nodiscard]] Text MatchText(int index, int* position = nullptr) const;
  [[nodiscard]] Text SubmatchText(int matchIndex, int submatchIndex, int* position = nullptr) const;
  // The number of submatches of the first match.
  [[nodiscard]] int SubmatchCount() const;

 private:
  [[nodiscard]] bool HasMatch(int index) const;
  [[nodiscard]] int GbkPositionOf(const TextSpan& span) const;

  std::shared_ptr<RegExpEngine> engine_;
  std::shared_ptr<const RegExpMatches> matches_;
  std::u16string subject_;
};

// The pattern with every "#引号" replaced by a double quote, stepping over
// double-byte GBK characters so that no trail byte starts a false match.
Text ReplaceQuoteEscapes(std::string_view gbkPattern);

}  // namespace quillmark
