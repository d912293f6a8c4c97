#include "qt/comment_font.h"

#include <QFont>
#include <QStringList>

namespace quillmark {

void SubstituteCommentFontFace() {
  QFont::insertSubstitutions(
      QString::fromUtf8(kCommentFontFace),
      {QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("Noto Serif CJK SC"),
       QStringLiteral("Noto Sans CJK SC")});
}

}  // namespace quillmark
