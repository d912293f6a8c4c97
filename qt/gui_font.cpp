#include "qt/gui_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include "qt/comment_font.h"

namespace quillmark {

void UseDefaultGuiFont() {
  static const bool registered =
      QFontDatabase::addApplicationFont(QStringLiteral(":/resources/caption_font.otf")) != -1;
  QFont font(QString::fromUtf8(kCommentFontFace), kGuiFontPoints);
  if (registered) {
    font.setFamilies({QString::fromUtf8(kCaptionFontFamily), QString::fromUtf8(kCommentFontFace)});
  }
  QApplication::setFont(font);
}

}  // namespace quillmark
