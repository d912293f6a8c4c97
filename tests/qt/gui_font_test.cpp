#include <QAbstractButton>
#include <QFile>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QMenu>
#include <QRawFont>
#include <QTextLayout>

#include "controls/control_names.h"
#include "qt/comment_font.h"
#include "qt/gui_font.h"
#include "tests/qt/gui_fixture.h"

namespace quillmark::testing {
namespace {

QRawFont BundledCaptionFace() {
  QFile file(QStringLiteral(":/resources/caption_font.otf"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QRawFont(file.readAll(), 12);
}

// The characters of a text that a face has no glyph for.
QString MissingFrom(const QRawFont& face, const QString& text) {
  QString missing;
  for (const char32_t character : text.toUcs4()) {
    if (character != U'\n' && !face.supportsCharacter(character)) {
      missing += QString::fromUcs4(&character, 1);
    }
  }
  return missing;
}

// The glyph runs a text is drawn with in a font.
QList<QGlyphRun> GlyphRuns(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  return layout.glyphRuns();
}

using GuiFontTest = MainWindowTest;

TEST_F(GuiFontTest, CaptionFaceHoldsEveryCharacterTheProgramShows) {
  const QRawFont face = BundledCaptionFace();
  ASSERT_TRUE(face.isValid());
  EXPECT_EQ(face.familyName(), QString::fromUtf8(kCaptionFontFamily));
  QStringList texts{Window().windowTitle(), QStringLiteral("错误"),
                    QStringLiteral("运行时出错!\n载入窗口模板数据段出错!"),
                    QStringLiteral("运行时出错!\n载入启动窗口失败")};
  for (const ElementRecord& record : MainWindowDescription()) {
    texts << QString::fromStdString(record.properties.caption);
  }
  const std::unique_ptr<QMenu> menu = View()->CreateChineseContextMenu();
  for (const QAction* action : menu->actions()) texts << action->text();
  for (const QString& text : texts) {
    EXPECT_EQ(MissingFrom(face, text), QString())
        << text.toStdString() << ": run tools/make_caption_font.sh";
  }
}

TEST_F(GuiFontTest, ControlsDrawTheirCaptionsWithTheCaptionFace) {
  auto* copyButton = qobject_cast<QAbstractButton*>(ControlNamed(control_names::kCopyButton));
  ASSERT_NE(copyButton, nullptr);
  EXPECT_EQ(QFontInfo(copyButton->font()).family(), QString::fromUtf8(kCaptionFontFamily));
  const QList<QGlyphRun> runs = GlyphRuns(copyButton->text(), copyButton->font());
  ASSERT_EQ(runs.size(), 1);
  EXPECT_EQ(runs.front().rawFont().familyName(), QString::fromUtf8(kCaptionFontFamily));
}

TEST_F(GuiFontTest, OtherCharactersFallBackToTheCommentFace) {
  // 博 is in no caption; it comes from the Song face the editor has loaded
  // already, not from some other CJK font found by script.
  const QString text = QStringLiteral("公众号微博");
  const QList<QGlyphRun> runs =
      GlyphRuns(text, ControlNamed(control_names::kAccountNameBox)->font());
  QStringList families;
  qsizetype glyphs = 0;
  for (const QGlyphRun& run : runs) {
    for (const quint32 glyph : run.glyphIndexes()) EXPECT_NE(glyph, 0u) << "no glyph";
    glyphs += run.glyphIndexes().size();
    families << run.rawFont().familyName();
  }
  EXPECT_EQ(glyphs, text.size());
  families.sort();
  QStringList expected{QString::fromUtf8(kCaptionFontFamily),
                       QFontInfo(QFont(QString::fromUtf8(kCommentFontFace))).family()};
  expected.sort();
  EXPECT_EQ(families, expected);
}

}  // namespace
}  // namespace quillmark::testing
