#include "text/blank_lines.h"

#include "text/reg_exp_object.h"

namespace quillmark {

Text RemoveBlankLines(std::string_view gbkText) {
  static constexpr std::string_view kBlankLineBreaks = R"((?:^\r|\n$))";
  RegExpObject regExp;
  std::string_view text = TextOf(gbkText);
  if (text.starts_with("\r\n")) text.remove_prefix(2);
  if (text.ends_with("\r\n")) text.remove_suffix(2);
  regExp.Create(kBlankLineBreaks, text);
  return regExp.Replace();
}

}  // namespace quillmark
