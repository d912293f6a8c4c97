#include "text/ecmascript_reg_exp_engine.h"

#include <regex>
#include <string>

namespace quillmark {
namespace {

// The library's regular expressions work on wchar_t, whose UTF-16 units (or,
// where it is wider, the same units widened) index the subject one for one.
// Its multiline anchors see only LF and CR as line ends, as the program's do.
std::wstring Widened(std::u16string_view units) { return {units.begin(), units.end()}; }

class EcmaScriptRegExpEngine final : public RegExpEngine {
 public:
  [[nodiscard]] std::optional<RegExpMatches> Execute(std::u16string_view subject) const override {
    std::wregex expression;
    try {
      auto flags = std::regex_constants::ECMAScript;
      if (ignoreCase) flags |= std::regex_constants::icase;
      if (multiline) flags |= std::regex_constants::multiline;
      expression.assign(Widened(pattern), flags);
    } catch (const std::regex_error&) {
      return std::nullopt;
    }
    const std::wstring text = Widened(subject);
    RegExpMatches matches(static_cast<int>(expression.mark_count()));
    for (auto match = std::wsregex_iterator(text.begin(), text.end(), expression);
         match != std::wsregex_iterator(); ++match) {
      for (std::size_t group = 0; group < match->size(); ++group) {
        const auto& part = (*match)[group];
        matches.Add(part.matched ? TextSpan{static_cast<std::int32_t>(match->position(group)),
                                            static_cast<std::int32_t>(part.length())}
                                 : TextSpan{});
      }
      if (!global) break;
    }
    return matches;
  }
};

}  // namespace

std::shared_ptr<RegExpEngine> CreateEcmaScriptRegExpEngine() {
  return std::make_shared<EcmaScriptRegExpEngine>();
}

}  // namespace quillmark
