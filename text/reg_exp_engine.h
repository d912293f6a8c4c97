#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The regular-expression engine behind RegExpObject: a pattern, its options and
// the searches, all on UTF-16, in the manner of a scripting-language RegExp.
namespace quillmark {

struct RegExpSubmatch {
  std::u16string value;
  int firstIndex = -1;  // -1 when the group took no part in the match
};

struct RegExpMatch {
  std::u16string value;
  int firstIndex = 0;  // in UTF-16 units from the start of the subject
  std::vector<RegExpSubmatch> submatches;
};

using RegExpMatches = std::vector<RegExpMatch>;

class RegExpEngine {
 public:
  bool ignoreCase = false;
  bool multiline = false;
  bool singleline = false;  // a dot also matches line breaks
  bool global = false;
  std::u16string pattern;

  // Every match (or only the first without `global`); nothing when the pattern
  // does not compile.
  std::optional<RegExpMatches> Execute(const std::u16string& subject) const;

  // The subject with the matches replaced. The replacement understands $$, $&,
  // $`, $' and $1 to $99. Nothing when the pattern does not compile.
  std::optional<std::u16string> Replace(const std::u16string& subject,
                                        const std::u16string& replacement) const;
};

// The subject with the given matches of it replaced, as RegExpEngine::Replace does.
std::u16string ReplaceMatches(const std::u16string& subject, const RegExpMatches& matches,
                              const std::u16string& replacement);

// Makes the engine for each search; a test may make it fail to exist, as an
// engine that cannot be created does. Returns the factory it replaced.
using RegExpEngineFactory = std::shared_ptr<RegExpEngine> (*)();
std::shared_ptr<RegExpEngine> CreateRegExpEngine();
RegExpEngineFactory SetRegExpEngineFactory(RegExpEngineFactory factory);

}  // namespace quillmark
