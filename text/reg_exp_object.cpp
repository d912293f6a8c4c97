#include "text/reg_exp_object.h"

namespace quillmark {
namespace {

// "#引号" in GBK.
constexpr std::string_view kQuoteEscape = "#\xD2\xFD\xBA\xC5";

bool IsGbkLeadByte(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= 0x81 && value <= 0xFE;
}

}  // namespace

Text ReplaceQuoteEscapes(std::string_view gbkPattern) {
  Text result;
  result.reserve(gbkPattern.size());
  std::size_t i = 0;
  while (i < gbkPattern.size()) {
    if (gbkPattern.substr(i).starts_with(kQuoteEscape)) {
      result += '"';
      i += kQuoteEscape.size();
    } else {
      const std::size_t width = IsGbkLeadByte(gbkPattern[i]) && i + 1 < gbkPattern.size() ? 2 : 1;
      result.append(gbkPattern.substr(i, width));
      i += width;
    }
  }
  return result;
}

bool RegExpObject::Create(std::string_view pattern, std::string_view subject, bool caseSensitive,
                          bool multiline, bool global, bool quoteEscape) {
  engine_.reset();
  matches_.reset();
  // The platform's engine was a COM object that needed COM initialised per
  // object; ICU's engine is a plain library and needs no such set-up here.
  engine_ = CreateRegExpEngine();
  subject_ = GbkToUnits(subject);
  if (engine_ == nullptr) return false;
  engine_->ignoreCase = !caseSensitive;
  engine_->multiline = multiline;
  engine_->singleline = true;
  engine_->global = global;
  const std::string_view text = TextOf(pattern);
  engine_->pattern = GbkToUnits(quoteEscape ? std::string_view(ReplaceQuoteEscapes(text)) : text);
  std::optional<RegExpMatches> found = engine_->Execute(subject_);
  if (!found) return false;
  matches_ = std::make_shared<const RegExpMatches>(std::move(*found));
  return true;
}

Text RegExpObject::GetPattern() const {
  return engine_ == nullptr ? Text() : UnitsToGbk(engine_->pattern);
}

Text RegExpObject::Replace(std::string_view replacement) const {
  if (engine_ == nullptr) return {};
  // The engine would search the same subject with the same pattern again; the
  // matches of that search are at hand.
  if (matches_ != nullptr)
    return UnitsToGbk(ReplaceMatches(subject_, *matches_, GbkToUnits(replacement)));
  const std::optional<std::u16string> replaced =
      engine_->Replace(subject_, GbkToUnits(replacement));
  return replaced ? UnitsToGbk(*replaced) : Text();
}

int RegExpObject::MatchCount() const { return matches_ == nullptr ? 0 : matches_->Count(); }

bool RegExpObject::HasMatch(int index) const {
  return matches_ != nullptr && index >= 1 && index <= matches_->Count();
}

int RegExpObject::GbkPositionOf(const TextSpan& span) const {
  if (span.start < 0) return -1;
  return static_cast<int>(
      UnitsToGbk(std::u16string_view(subject_).substr(0, static_cast<std::size_t>(span.start)))
          .size());
}

Text RegExpObject::MatchText(int index, int* position) const {
  const TextSpan span = HasMatch(index) ? matches_->Span(index - 1) : TextSpan();
  if (position != nullptr) *position = GbkPositionOf(span);
  return UnitsToGbk(span.In(subject_));
}

Text RegExpObject::SubmatchText(int matchIndex, int submatchIndex, int* position) const {
  const bool exists =
      HasMatch(matchIndex) && submatchIndex >= 1 && submatchIndex <= matches_->GroupCount();
  const TextSpan span = exists ? matches_->Span(matchIndex - 1, submatchIndex) : TextSpan();
  if (position != nullptr) *position = GbkPositionOf(span);
  return UnitsToGbk(span.In(subject_));
}

int RegExpObject::SubmatchCount() const { return HasMatch(1) ? matches_->GroupCount() : 0; }

}  // namespace quillmark
