#include <Qsci/qsciscintillabase.h>
#include <QInputMethodEvent>

#include <set>

#include "emoji/catalogue.h"
#include "qt/picture_button.h"
#include "tests/qt/gui_fixture.h"

namespace quillmark {
namespace {

using Sci = QsciScintillaBase;

class EmojiPaletteTest : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    View()->setFocus();
  }
  long Send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const {
    return View()->SendScintilla(message, wParam, lParam);
  }
  [[nodiscard]] QWidget* Button(int number) const {
    return ControlNamed(EmojiButtonName(EmojiByNumber(number)));
  }
  void Click(int number) const { QTest::mouseClick(Button(number), Qt::LeftButton); }
};

TEST_F(EmojiPaletteTest, EveryVisibleButtonInsertsItsOwnCode) {
  int clicked = 0;
  for (const Emoji& emoji : EmojiCatalogue()) {
    if (!Button(emoji.number)->isVisible()) continue;
    Editor().SetText("");
    Click(emoji.number);
    std::string expected = "[";
    expected.append(emoji.label).append("]");
    EXPECT_EQ(Document(), expected) << emoji.number;
    EXPECT_EQ(Send(Sci::SCI_GETCURRENTPOS), Editor().GetTextLength()) << "caret behind the code";
    ++clicked;
  }
  EXPECT_EQ(clicked, 94);
}

TEST_F(EmojiPaletteTest, InsertsAtTheCaretAndTypingGoesOnAfterIt) {
  Editor().SetText("abcd");
  Send(Sci::SCI_GOTOPOS, 2);
  Click(1);
  EXPECT_TRUE(View()->hasFocus()) << "the button never takes the focus";
  QTest::keyClicks(View(), "x");
  EXPECT_EQ(Document(), "ab[微笑]xcd");
}

TEST_F(EmojiPaletteTest, CompositionInProgressIsCommittedFirst) {
  Editor().SetText("");
  QList<QInputMethodEvent::Attribute> attributes;
  attributes << QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, 2, 1);
  QInputMethodEvent preedit(QStringLiteral("nihao"), attributes);
  QCoreApplication::sendEvent(View(), &preedit);
  ASSERT_EQ(View()->PendingComposition(), QStringLiteral("nihao"));
  Click(1);
  EXPECT_EQ(Document(), "nihao[微笑]") << "not inside the uncommitted pinyin";
  EXPECT_TRUE(View()->PendingComposition().isEmpty());
}

TEST_F(EmojiPaletteTest, PressInsideReleaseOutsideIsNoClick) {
  Editor().SetText("");
  QWidget* button = Button(1);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 5));
  EXPECT_EQ(Document(), "");
  QTest::mouseClick(button, Qt::RightButton);
  EXPECT_EQ(Document(), "") << "only the left button clicks";
}

TEST_F(EmojiPaletteTest, ButtonsCarryTheirPicturesAndNames) {
  for (const Emoji& emoji : EmojiCatalogue()) {
    const auto* button = qobject_cast<PictureButton*>(Button(emoji.number));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Picture().size(), QSize(24, 24)) << emoji.number;
    if (qApp->devicePixelRatio() > 1) {
      EXPECT_EQ(button->DoubleDensityPicture().size(), QSize(48, 48)) << emoji.number;
      EXPECT_EQ(button->DoubleDensityPicture().deviceIndependentSize(), QSizeF(24, 24));
    } else {
      EXPECT_TRUE(button->DoubleDensityPicture().isNull()) << "not decoded for a 1x screen";
    }
    EXPECT_EQ(button->accessibleName().toStdString(), "[" + std::string(emoji.label) + "]")
        << "named by the code it inserts";
  }
  const auto picture = [this](int number) {
    return qobject_cast<PictureButton*>(Button(number))->Picture().toImage();
  };
  EXPECT_NE(picture(16), picture(51)) << "the two [难过] buttons look different";
  // The picture button and the box that their pictures and labels name.
  EXPECT_EQ(ControlNamed("图形按钮_联系客服")->accessibleName(), QStringLiteral("QQ交谈"));
  EXPECT_EQ(ControlNamed("编辑框_文件名")->accessibleName(), QStringLiteral("公众号"));
}

TEST_F(EmojiPaletteTest, DisabledRadioChangesNothing) {
  QTest::mouseClick(ControlNamed("单选框2_所有表情"), Qt::LeftButton);
  for (const Emoji& emoji : EmojiCatalogue()) {
    EXPECT_EQ(Button(emoji.number)->isVisible(), emoji.set != EmojiSet::MessageOnly);
  }
}

// Counts paint events of the message-only buttons from before the window exists.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && messageOnly_.count(watched->objectName()) != 0) ++paints;
    return false;
  }

 private:
  std::set<QString> messageOnly_ = [] {
    std::set<QString> names;
    for (const int number : EmojiNumbersOf(EmojiSet::MessageOnly)) {
      names.insert(QString::fromStdString(EmojiButtonName(EmojiByNumber(number))));
    }
    return names;
  }();
};

TEST(EmojiPaletteStart, MessageOnlyButtonsAreNeverDrawn) {
  PaintCounter counter;
  qApp->installEventFilter(&counter);
  std::optional<StartedWindow> started = StartMainWindow(MainWindowDescription());
  ASSERT_TRUE(started.has_value());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(started->window.get()));
  started->window->repaint();
  QTest::qWait(20);
  qApp->removeEventFilter(&counter);
  EXPECT_EQ(counter.paints, 0);
  EXPECT_TRUE(started->window->Control("图形按钮1_微笑")->isVisible());
}

TEST(PictureButtonPainting, PictureIsClippedToTheButtonInEveryState) {
  QImage oversized(25, 26, QImage::Format_RGB32);
  oversized.fill(Qt::red);
  for (int y = 0; y < 26; ++y) oversized.setPixel(24, y, qRgb(0, 0, 255));
  for (int x = 0; x < 25; ++x) {
    oversized.setPixel(x, 24, qRgb(0, 255, 0));
    oversized.setPixel(x, 25, qRgb(0, 255, 0));
  }
  PictureButton button;
  button.resize(24, 24);
  button.SetPicture(QPixmap::fromImage(oversized));
  const QImage normal = button.grab().toImage();
  // The clip is the button's 24 logical pixels at any density.
  const auto last = static_cast<int>(24 * button.devicePixelRatioF()) - 1;
  EXPECT_EQ(normal.size(), QSize(last + 1, last + 1));
  EXPECT_EQ(normal.pixel(last, 0), qRgb(255, 0, 0)) << "the right column is cut off";
  EXPECT_EQ(normal.pixel(0, last), qRgb(255, 0, 0)) << "the bottom two rows are cut off";
  button.setDown(true);
  EXPECT_EQ(button.grab().toImage(), normal) << "pressed looks the same";
  EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(button.text().isEmpty());
}

// Run at the screen's own ratio: 1 in the GUI suite, 2 and 1.5 in its runs
// with QT_SCALE_FACTOR. The picture of the ratio is drawn pixel for pixel; in
// between, the double picture resized, never the normal one stretched.
TEST(PictureButtonPainting, DrawsThePictureOfTheScreensDensity) {
  QImage normal(24, 24, QImage::Format_RGB32);
  normal.fill(Qt::red);
  QImage dense(48, 48, QImage::Format_RGB32);
  dense.fill(Qt::blue);
  for (int y = 0; y < 48; ++y) dense.setPixel(0, y, qRgb(0, 255, 0));
  QPixmap doubleDensity = QPixmap::fromImage(dense);
  doubleDensity.setDevicePixelRatio(2);
  PictureButton button;
  button.resize(24, 24);
  button.SetPicture(QPixmap::fromImage(normal), doubleDensity);
  const QImage drawn = button.grab().toImage();
  if (button.devicePixelRatioF() == 2) {
    ASSERT_EQ(drawn.size(), QSize(48, 48));
    EXPECT_EQ(drawn.pixel(0, 10), qRgb(0, 255, 0)) << "one device pixel of green, not scaled";
    EXPECT_EQ(drawn.pixel(1, 10), qRgb(0, 0, 255));
    EXPECT_EQ(drawn.pixel(47, 47), qRgb(0, 0, 255));
  } else if (button.devicePixelRatioF() > 1) {
    const int side = static_cast<int>(24 * button.devicePixelRatioF());
    ASSERT_EQ(drawn.size(), QSize(side, side));
    EXPECT_EQ(drawn.pixel(side - 1, side - 1), qRgb(0, 0, 255)) << "the double picture";
    EXPECT_GT(qGreen(drawn.pixel(0, 10)), 0) << "its green column resized, not dropped";
    EXPECT_LT(qGreen(drawn.pixel(0, 10)), 255) << "blended as a resizing filter blends";
  } else {
    ASSERT_EQ(drawn.size(), QSize(24, 24));
    EXPECT_EQ(drawn.pixel(0, 10), qRgb(255, 0, 0));
  }
}

TEST(PictureButtonPainting, LoadedPictureIsComposedOverTheBackground) {
  const QPixmap missing = LoadButtonPicture(QStringLiteral(":/emoji/pictures/999.png"), Qt::gray);
  EXPECT_TRUE(missing.isNull());
  const QImage picture =
      LoadButtonPicture(QStringLiteral(":/emoji/pictures/1.png"), QColor(1, 2, 3)).toImage();
  ASSERT_EQ(picture.size(), QSize(24, 24));
  EXPECT_EQ(picture.pixel(0, 0), qRgb(1, 2, 3)) << "a transparent corner shows the background";
}

}  // namespace
}  // namespace quillmark
