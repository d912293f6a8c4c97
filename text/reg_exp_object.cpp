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

int RegExpObject::MatchCount() const {
  return matches_ == nullptr ? 0 : static_cast<int>(matches_->size());
}

const RegExpMatch* RegExpObject::MatchAt(int index) const {
  if (matches_ == nullptr || index < 1 || index > MatchCount()) return nullptr;
  return &(*matches_)[static_cast<std::size_t>(index - 1)];
}

int RegExpObject::GbkPositionOf(int unitIndex) const {
  if (unitIndex < 0) return -1;
  return static_cast<int>(
      UnitsToGbk(std::u16string_view(subject_).substr(0, static_cast<std::size_t>(unitIndex)))
          .size());
}

Text RegExpObject::MatchText(int index, int* position) const {
  const RegExpMatch* match = MatchAt(index);
  if (position != nullptr) *position = match == nullptr ? -1 : GbkPositionOf(match->firstIndex);
  return match == nullptr ? Text() : UnitsToGbk(match->value);
}

Text RegExpObject::SubmatchText(int matchIndex, int submatchIndex, int* position) const {
  const RegExpMatch* match = MatchAt(matchIndex);
  const bool exists = match != nullptr && submatchIndex >= 1 &&
                      submatchIndex <= static_cast<int>(match->submatches.size());
  if (!exists) {
    if (position != nullptr) *position = -1;
    return {};
  }
  const RegExpSubmatch& submatch = match->submatches[static_cast<std::size_t>(submatchIndex - 1)];
  if (position != nullptr) *position = GbkPositionOf(submatch.firstIndex);
  return UnitsToGbk(submatch.value);
}

int RegExpObject::SubmatchCount() const {
  const RegExpMatch* first = MatchAt(1);
  return first == nullptr ? 0 : static_cast<int>(first->submatches.size());
}

}  // namespace quillmark
