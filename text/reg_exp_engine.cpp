#include "text/reg_exp_engine.h"

namespace quillmark {
namespace {

RegExpEngineFactory currentFactory = CreatePlatformRegExpEngine;

bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

// One match of a search, as the replacement sees it.
struct MatchInSubject {
  std::u16string_view subject;
  const RegExpMatches& matches;
  int index;

  [[nodiscard]] TextSpan Whole() const { return matches.Span(index); }
  [[nodiscard]] std::u16string_view Group(int group) const {
    return matches.Span(index, group).In(subject);
  }
};

// Expands "$n" or "$nn" at the start of `digits` (the text after the "$"); the
// two-digit form only where the pattern has that many groups. Returns the units
// used, 0 when no group of the pattern is named.
std::size_t ExpandGroup(std::u16string& out, std::u16string_view digits,
                        const MatchInSubject& match) {
  if (digits.empty() || !IsDigit(digits[0])) return 0;
  const int groups = match.matches.GroupCount();
  int group = digits[0] - u'0';
  std::size_t used = 1;
  if (digits.size() > 1 && IsDigit(digits[1]) && group * 10 + (digits[1] - u'0') <= groups) {
    group = group * 10 + (digits[1] - u'0');
    used = 2;
  }
  if (group == 0 || group > groups) return 0;
  out += match.Group(group);
  return used;
}

// Expands the sequence that follows a "$" of the replacement. Returns the units
// used, 0 when the "$" stands for itself.
std::size_t ExpandDollar(std::u16string& out, std::u16string_view rest,
                         const MatchInSubject& match) {
  if (rest.empty()) return 0;
  const TextSpan whole = match.Whole();
  switch (rest[0]) {
    case u'$':
      out += u'$';
      return 1;
    case u'&':
      out += whole.In(match.subject);
      return 1;
    case u'`':
      out += match.subject.substr(0, static_cast<std::size_t>(whole.start));
      return 1;
    case u'\'':
      out += match.subject.substr(whole.End());
      return 1;
    default:
      return ExpandGroup(out, rest, match);
  }
}

// Appends the replacement for one match, expanding its $ sequences.
void AppendExpanded(std::u16string& out, std::u16string_view replacement,
                    const MatchInSubject& match) {
  if (replacement.find(u'$') == std::u16string_view::npos) {
    out += replacement;
    return;
  }
  for (std::size_t i = 0; i < replacement.size(); ++i) {
    const std::size_t used =
        replacement[i] == u'$' ? ExpandDollar(out, replacement.substr(i + 1), match) : 0;
    if (used == 0) out += replacement[i];
    i += used;
  }
}

}  // namespace

std::optional<std::u16string> RegExpEngine::Replace(std::u16string_view subject,
                                                    std::u16string_view replacement) const {
  const std::optional<RegExpMatches> matches = Execute(subject);
  if (!matches) return std::nullopt;
  return ReplaceMatches(subject, *matches, replacement);
}

std::u16string ReplaceMatches(std::u16string_view subject, const RegExpMatches& matches,
                              std::u16string_view replacement) {
  std::u16string result;
  result.reserve(subject.size());
  std::size_t copied = 0;
  for (int index = 0; index < matches.Count(); ++index) {
    const TextSpan whole = matches.Span(index);
    result += subject.substr(copied, static_cast<std::size_t>(whole.start) - copied);
    AppendExpanded(result, replacement, {subject, matches, index});
    copied = whole.End();
  }
  result += subject.substr(copied);
  return result;
}

std::shared_ptr<RegExpEngine> CreateRegExpEngine() { return currentFactory(); }

RegExpEngineFactory SetRegExpEngineFactory(RegExpEngineFactory factory) {
  const RegExpEngineFactory previous = currentFactory;
  currentFactory = factory != nullptr ? factory : CreatePlatformRegExpEngine;
  return previous;
}

}  // namespace quillmark
