#include "text/blank_lines.h"

#include "text/reg_exp_object.h"

namespace quillmark {

std::optional<Text> TryRemoveBlankLines(std::string_view gbkText) {
  static constexpr std::string_view kBlankLineBreaks = R"((?:^\r|\n$))";
  RegExpObject regExp;
  std::string_view text = TextOf(gbkText);
  if (text.starts_with("\r\n")) text.remove_prefix(2);
  if (text.ends_with("\r\n")) text.remove_suffix(2);
  if (!regExp.Create(kBlankLineBreaks, text)) return std::nullopt;
  return regExp.Replace();
}

Text RemoveBlankLines(std::string_view gbkText) {
  return TryRemoveBlankLines(gbkText).value_or(Text());
}

}  // namespace quillmark
