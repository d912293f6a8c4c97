#include "text/reg_exp_engine.h"

#include <unicode/regex.h>

namespace quillmark {
namespace {

std::shared_ptr<RegExpEngine> MakeEngine() { return std::make_shared<RegExpEngine>(); }

RegExpEngineFactory currentFactory = MakeEngine;

// A read-only view of the text, without copying it.
icu::UnicodeString UnicodeOf(const std::u16string& text) {
  return icu::UnicodeString(false, text.data(), static_cast<int32_t>(text.size()));
}

std::u16string Utf16Of(const icu::UnicodeString& text) {
  return std::u16string(text.getBuffer(), static_cast<std::size_t>(text.length()));
}

std::unique_ptr<icu::RegexPattern> Compile(const RegExpEngine& engine) {
  uint32_t flags = 0;
  if (engine.ignoreCase) flags |= UREGEX_CASE_INSENSITIVE;
  if (engine.multiline) flags |= UREGEX_MULTILINE;
  if (engine.singleline) flags |= UREGEX_DOTALL;
  UParseError where{};
  UErrorCode error = U_ZERO_ERROR;
  std::unique_ptr<icu::RegexPattern> compiled(
      icu::RegexPattern::compile(UnicodeOf(engine.pattern), flags, where, error));
  if (U_FAILURE(error)) return nullptr;
  return compiled;
}

RegExpMatch MatchAt(icu::RegexMatcher& matcher, UErrorCode& error) {
  RegExpMatch match;
  match.value = Utf16Of(matcher.group(error));
  match.firstIndex = matcher.start(error);
  for (int32_t group = 1; group <= matcher.groupCount(); ++group) {
    RegExpSubmatch submatch;
    submatch.firstIndex = matcher.start(group, error);
    if (submatch.firstIndex >= 0) submatch.value = Utf16Of(matcher.group(group, error));
    match.submatches.push_back(std::move(submatch));
  }
  return match;
}

std::optional<RegExpMatches> Search(const RegExpEngine& engine, const std::u16string& subject) {
  const std::unique_ptr<icu::RegexPattern> compiled = Compile(engine);
  if (compiled == nullptr) return std::nullopt;
  const icu::UnicodeString input = UnicodeOf(subject);
  UErrorCode error = U_ZERO_ERROR;
  const std::unique_ptr<icu::RegexMatcher> matcher(compiled->matcher(input, error));
  if (U_FAILURE(error)) return std::nullopt;
  RegExpMatches matches;
  while (matcher->find(error) && U_SUCCESS(error)) {
    matches.push_back(MatchAt(*matcher, error));
    if (!engine.global) break;
  }
  if (U_FAILURE(error)) return std::nullopt;
  return matches;
}

bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

// Expands "$n" or "$nn" at the start of `digits` (the text after the "$"); the
// two-digit form only where the pattern has that many groups. Returns the units
// used, 0 when no group of the pattern is named.
std::size_t ExpandGroup(std::u16string& out, std::u16string_view digits, const RegExpMatch& match) {
  if (digits.empty() || !IsDigit(digits[0])) return 0;
  const std::size_t groups = match.submatches.size();
  std::size_t group = digits[0] - u'0';
  std::size_t used = 1;
  if (digits.size() > 1 && IsDigit(digits[1]) && group * 10 + (digits[1] - u'0') <= groups) {
    group = group * 10 + (digits[1] - u'0');
    used = 2;
  }
  if (group == 0 || group > groups) return 0;
  out += match.submatches[group - 1].value;
  return used;
}

// Expands the sequence that follows a "$" of the replacement. Returns the units
// used, 0 when the "$" stands for itself.
std::size_t ExpandDollar(std::u16string& out, std::u16string_view rest,
                         const std::u16string& subject, const RegExpMatch& match) {
  if (rest.empty()) return 0;
  const auto matchStart = static_cast<std::size_t>(match.firstIndex);
  switch (rest[0]) {
    case u'$':
      out += u'$';
      return 1;
    case u'&':
      out += match.value;
      return 1;
    case u'`':
      out.append(subject, 0, matchStart);
      return 1;
    case u'\'':
      out.append(subject, matchStart + match.value.size());
      return 1;
    default:
      return ExpandGroup(out, rest, match);
  }
}

// Appends the replacement for one match, expanding its $ sequences.
void AppendExpanded(std::u16string& out, std::u16string_view replacement,
                    const std::u16string& subject, const RegExpMatch& match) {
  for (std::size_t i = 0; i < replacement.size(); ++i) {
    const std::size_t used =
        replacement[i] == u'$' ? ExpandDollar(out, replacement.substr(i + 1), subject, match) : 0;
    if (used == 0) out += replacement[i];
    i += used;
  }
}

}  // namespace

std::optional<RegExpMatches> RegExpEngine::Execute(const std::u16string& subject) const {
  return Search(*this, subject);
}

std::optional<std::u16string> RegExpEngine::Replace(const std::u16string& subject,
                                                    const std::u16string& replacement) const {
  const std::optional<RegExpMatches> matches = Search(*this, subject);
  if (!matches) return std::nullopt;
  return ReplaceMatches(subject, *matches, replacement);
}

std::u16string ReplaceMatches(const std::u16string& subject, const RegExpMatches& matches,
                              const std::u16string& replacement) {
  std::u16string result;
  result.reserve(subject.size());
  std::size_t copied = 0;
  for (const RegExpMatch& match : matches) {
    result.append(subject, copied, static_cast<std::size_t>(match.firstIndex) - copied);
    AppendExpanded(result, replacement, subject, match);
    copied = static_cast<std::size_t>(match.firstIndex) + match.value.size();
  }
  result.append(subject, copied);
  return result;
}

std::shared_ptr<RegExpEngine> CreateRegExpEngine() { return currentFactory(); }

RegExpEngineFactory SetRegExpEngineFactory(RegExpEngineFactory factory) {
  const RegExpEngineFactory previous = currentFactory;
  currentFactory = factory != nullptr ? factory : MakeEngine;
  return previous;
}

}  // namespace quillmark
