#include "text/reg_exp_engine.h"

#include <unicode/regex.h>

#include <algorithm>

namespace quillmark {
namespace {

std::shared_ptr<RegExpEngine> MakeEngine() { return std::make_shared<RegExpEngine>(); }

RegExpEngineFactory currentFactory = MakeEngine;

// A read-only view of the text, without copying it.
icu::UnicodeString UnicodeOf(std::u16string_view text) {
  return icu::UnicodeString(false, text.data(), static_cast<int32_t>(text.size()));
}

// ICU's ^ and $ also see VT, FF, NEL, LS and PS as line ends, and its $
// matches before a final line end even without Multiline. The engine's own
// anchors know only CR and LF: with Multiline, ^ stands at the start or after
// a CR or LF and $ at the end or before one; without it, at the start and the
// end only. So the anchors are spelled out as look-arounds, leaving escapes,
// \Q...\E quotes and character classes as they are.
std::u16string SpellOutAnchors(std::u16string_view pattern, bool multiline) {
  const std::u16string_view caret = multiline ? uR"((?<![^\r\n]))" : uR"((?<![\s\S]))";
  const std::u16string_view dollar = multiline ? uR"((?![^\r\n]))" : uR"((?![\s\S]))";
  std::u16string spelled;
  spelled.reserve(pattern.size() + 16);
  int classDepth = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char16_t unit = pattern[i];
    if (unit == u'\\' && i + 1 < pattern.size()) {
      const std::size_t quoteEnd = pattern[i + 1] == u'Q' ? pattern.find(u"\\E", i + 2) : i + 1;
      const std::size_t last = quoteEnd == std::u16string_view::npos ? pattern.size() - 1
                               : pattern[i + 1] == u'Q'              ? quoteEnd + 1
                                                                     : quoteEnd;
      spelled += pattern.substr(i, last - i + 1);
      i = last;
    } else if (unit == u'[') {
      ++classDepth;
      spelled += unit;
    } else if (unit == u']' && classDepth > 0) {
      --classDepth;
      spelled += unit;
    } else if (classDepth == 0 && unit == u'^') {
      spelled += caret;
    } else if (classDepth == 0 && unit == u'$') {
      spelled += dollar;
    } else {
      spelled += unit;
    }
  }
  return spelled;
}

// ICU's own multiline anchors, which it searches with much faster, agree with
// the engine's wherever the subject holds no line end but CR and LF and does
// not end in one (ICU's ^ never stands at the very end).
bool IcuMultilineAgrees(std::u16string_view subject) {
  if (!subject.empty() && (subject.back() == u'\r' || subject.back() == u'\n')) return false;
  return std::none_of(subject.begin(), subject.end(), [](char16_t unit) {
    return unit == u'\v' || unit == u'\f' || unit == 0x85 || unit == 0x2028 || unit == 0x2029;
  });
}

std::unique_ptr<icu::RegexPattern> Compile(const RegExpEngine& engine,
                                           std::u16string_view subject) {
  uint32_t flags = 0;
  if (engine.ignoreCase) flags |= UREGEX_CASE_INSENSITIVE;
  if (engine.singleline) flags |= UREGEX_DOTALL;
  const bool icuAnchors = engine.multiline && IcuMultilineAgrees(subject);
  if (icuAnchors) flags |= UREGEX_MULTILINE;
  UParseError where{};
  UErrorCode error = U_ZERO_ERROR;
  const std::u16string pattern =
      icuAnchors ? engine.pattern : SpellOutAnchors(engine.pattern, engine.multiline);
  std::unique_ptr<icu::RegexPattern> compiled(
      icu::RegexPattern::compile(UnicodeOf(pattern), flags, where, error));
  if (U_FAILURE(error)) return nullptr;
  return compiled;
}

TextSpan SpanOf(const icu::RegexMatcher& matcher, int32_t group, UErrorCode& error) {
  const int32_t start = matcher.start(group, error);
  if (start < 0) return {};
  return {start, matcher.end(group, error) - start};
}

std::optional<RegExpMatches> Search(const RegExpEngine& engine, std::u16string_view subject) {
  const std::unique_ptr<icu::RegexPattern> compiled = Compile(engine, subject);
  if (compiled == nullptr) return std::nullopt;
  const icu::UnicodeString input = UnicodeOf(subject);
  UErrorCode error = U_ZERO_ERROR;
  const std::unique_ptr<icu::RegexMatcher> matcher(compiled->matcher(input, error));
  if (U_FAILURE(error)) return std::nullopt;
  RegExpMatches matches(matcher->groupCount());
  while (matcher->find(error) && U_SUCCESS(error)) {
    for (int32_t group = 0; group <= matches.GroupCount(); ++group) {
      matches.Add(SpanOf(*matcher, group, error));
    }
    if (!engine.global) break;
  }
  if (U_FAILURE(error)) return std::nullopt;
  return matches;
}

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

std::optional<RegExpMatches> RegExpEngine::Execute(std::u16string_view subject) const {
  return Search(*this, subject);
}

std::optional<std::u16string> RegExpEngine::Replace(std::u16string_view subject,
                                                    std::u16string_view replacement) const {
  const std::optional<RegExpMatches> matches = Search(*this, subject);
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
  currentFactory = factory != nullptr ? factory : MakeEngine;
  return previous;
}

}  // namespace quillmark
