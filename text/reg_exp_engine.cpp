#include "text/reg_exp_engine.h"

#include <unicode/regex.h>

namespace quillmark {
namespace {

std::shared_ptr<RegExpEngine> MakeEngine() { return std::make_shared<RegExpEngine>(); }

RegExpEngineFactory currentFactory = MakeEngine;

icu::UnicodeString UnicodeOf(const std::u16string& text) {
  return icu::UnicodeString(text.data(), static_cast<int32_t>(text.size()));
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

// Appends the replacement for one match, expanding its $ sequences.
void AppendExpanded(std::u16string& out, const std::u16string& replacement,
                    const std::u16string& subject, const RegExpMatch& match) {
  const auto matchEnd = static_cast<std::size_t>(match.firstIndex) + match.value.size();
  for (std::size_t i = 0; i < replacement.size(); ++i) {
    const char16_t unit = replacement[i];
    const char16_t next = i + 1 < replacement.size() ? replacement[i + 1] : u'\0';
    if (unit != u'$' || next == u'\0') {
      out += unit;
    } else if (next == u'$') {
      out += u'$', ++i;
    } else if (next == u'&') {
      out += match.value, ++i;
    } else if (next == u'`') {
      out.append(subject, 0, static_cast<std::size_t>(match.firstIndex)), ++i;
    } else if (next == u'\'') {
      out.append(subject, matchEnd), ++i;
    } else if (next >= u'0' && next <= u'9') {
      std::size_t group = next - u'0';
      std::size_t used = 1;
      const char16_t third = i + 2 < replacement.size() ? replacement[i + 2] : u'\0';
      if (third >= u'0' && third <= u'9' && group * 10 + (third - u'0') <= match.submatches.size()) {
        group = group * 10 + (third - u'0');
        used = 2;
      }
      if (group == 0 || group > match.submatches.size()) {
        out += unit;  // not a group of this pattern: taken literally
      } else {
        out += match.submatches[group - 1].value;
        i += used;
      }
    } else {
      out += unit;
    }
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
  std::u16string result;
  result.reserve(subject.size());
  std::size_t copied = 0;
  for (const RegExpMatch& match : *matches) {
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
