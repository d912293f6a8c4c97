#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The regular-expression engine behind RegExpObject: a pattern, its options and
// the searches, all on UTF-16, in the manner of a scripting-language RegExp.
// Each platform implements the searches; replacement is shared.
namespace quillmark {

// Where a match or a group lies in the subject, in UTF-16 units.
struct TextSpan {
  std::int32_t start = -1;  // -1 when a group took no part in the match
  std::int32_t length = 0;

  [[nodiscard]] std::size_t End() const {
    return static_cast<std::size_t>(start) + static_cast<std::size_t>(length);
  }
  [[nodiscard]] std::u16string_view In(std::u16string_view subject) const {
    return start < 0
               ? std::u16string_view()
               : subject.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
  }
};

// The matches of one search: for each match its span and then one span per
// group of the pattern, kept flat because a long comment has many matches.
class RegExpMatches {
 public:
  explicit RegExpMatches(int groupCount = 0) : groupCount_(groupCount) {}

  [[nodiscard]] int Count() const {
    return static_cast<int>(spans_.size() / static_cast<std::size_t>(groupCount_ + 1));
  }
  [[nodiscard]] int GroupCount() const { return groupCount_; }
  // 0-based match index; group 0 is the whole match, groups count from 1.
  [[nodiscard]] TextSpan Span(int match, int group = 0) const {
    const auto stride = static_cast<std::size_t>(groupCount_) + 1;
    return spans_[static_cast<std::size_t>(match) * stride + static_cast<std::size_t>(group)];
  }
  void Add(const TextSpan& span) { spans_.push_back(span); }

 private:
  int groupCount_;
  std::vector<TextSpan> spans_;
};

// One platform's engine. The pattern and options are set before a search.
class RegExpEngine {
 public:
  RegExpEngine() = default;
  RegExpEngine(const RegExpEngine&) = delete;
  RegExpEngine& operator=(const RegExpEngine&) = delete;
  virtual ~RegExpEngine() = default;

  bool ignoreCase = false;
  bool multiline = false;
  bool singleline = false;  // a dot also matches line breaks
  bool global = false;
  std::u16string pattern;

  // Every match (or only the first without `global`); nothing when the pattern
  // does not compile. Line anchors see only CR and LF as line ends.
  [[nodiscard]] virtual std::optional<RegExpMatches> Execute(std::u16string_view subject) const = 0;

  // The subject with the matches replaced; nothing when the pattern does not compile.
  [[nodiscard]] std::optional<std::u16string> Replace(std::u16string_view subject,
                                                      std::u16string_view replacement) const;
};

// The subject with the given matches of it replaced. The replacement
// understands $$, $&, $`, $' and $1 to $99.
std::u16string ReplaceMatches(std::u16string_view subject, const RegExpMatches& matches,
                              std::u16string_view replacement);

// The engine of the platform the program is built for, from the file of its
// own beside the platform's other text services; nothing when it cannot be made.
std::shared_ptr<RegExpEngine> CreatePlatformRegExpEngine();

// Makes the engine for each search, the platform's unless a test puts another
// in place or makes it fail to exist, as an engine that cannot be created
// does. Returns the factory it replaced.
using RegExpEngineFactory = std::shared_ptr<RegExpEngine> (*)();
std::shared_ptr<RegExpEngine> CreateRegExpEngine();
RegExpEngineFactory SetRegExpEngineFactory(RegExpEngineFactory factory);

}  // namespace quillmark
