#include "text/reg_exp_engine.h"

#include <unicode/regex.h>

#include <algorithm>

namespace quillmark {
namespace {

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

// The engine on ICU's regular expressions.
class IcuRegExpEngine final : public RegExpEngine {
 public:
  [[nodiscard]] std::optional<RegExpMatches> Execute(std::u16string_view subject) const override {
    return Search(*this, subject);
  }
};

}  // namespace

std::shared_ptr<RegExpEngine> CreatePlatformRegExpEngine() {
  return std::make_shared<IcuRegExpEngine>();
}

}  // namespace quillmark
