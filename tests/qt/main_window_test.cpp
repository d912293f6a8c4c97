#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextLayout>
#include <QTimer>

#include <set>

#include "qt/picture_button.h"
#include "qt/window_builder.h"
#include "tests/qt/gui_fixture.h"

namespace quillmark {
namespace {

using testing::MainWindowTest;

struct ExpectedControl {
  const char* name;
  const char* className;
  int left, top, width, height;  // in the main window's client area
  const char* caption;
  bool enabled;
  bool tabStop;
  int checked;  // -1 when the control has no check state
};

// The side panel and editor as the window layout table gives them.
const ExpectedControl kControls[] = {
    {"代码编辑框", "quillmark::CommentEditorFrame", 8, 8, 656, 208, "", true, true, -1},
    {"分组框1", "QGroupBox", 496, 223, 168, 304, "", true, false, -1},
    {"单选框1_留言表情", "QRadioButton", 504, 231, 152, 27, "留言区表情", true, true, 1},
    {"单选框2_所有表情", "QRadioButton", 504, 260, 152, 27, "微信消息表情", false, true, 0},
    {"标签1", "QLabel", 504, 296, 152, 27, "(部分表情不能在留言区显示，请注意使用）", true, false,
     -1},
    {"按钮1_复制文本", "QPushButton", 504, 331, 72, 31, "复制留言", true, true, -1},
    {"按钮3_清空留言", "QPushButton", 577, 331, 72, 31, "清空留言", true, true, -1},
    {"透明标签1", "QLabel", 504, 374, 40, 24, "公众号：", true, false, -1},
    {"编辑框_文件名", "QLineEdit", 552, 374, 96, 24, "", true, true, -1},
    {"选择框_打开TXT文件位置", "QCheckBox", 504, 409, 126, 16, "打开TXT文档目录", true, true, 1},
    {"按钮2_导出TXT", "QPushButton", 504, 438, 144, 46, "导出TXT文本", true, true, -1},
    {"图形按钮_联系客服", "quillmark::PictureButton", 536, 494, 77, 22, "", true, false, -1},
};

QString CaptionOf(const QWidget* control) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (const auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
  if (const auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
  return {};
}

TEST_F(MainWindowTest, EveryPanelControlStandsAsTheLayoutTableSays) {
  for (const ExpectedControl& expected : kControls) {
    SCOPED_TRACE(expected.name);
    const QWidget* control = ControlNamed(expected.name);
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), expected.className);
    EXPECT_EQ(QRect(control->mapTo(&Window(), QPoint(0, 0)), control->size()),
              QRect(expected.left, expected.top, expected.width, expected.height));
    EXPECT_EQ(CaptionOf(control).toUtf8().toStdString(), expected.caption) << "caption bytes";
    EXPECT_TRUE(control->isVisible());
    EXPECT_EQ(control->isEnabled(), expected.enabled);
    EXPECT_EQ((control->focusPolicy() & Qt::TabFocus) != 0, expected.tabStop);
    if (expected.checked >= 0) {
      EXPECT_EQ(qobject_cast<const QAbstractButton*>(control)->isChecked(), expected.checked == 1);
    }
  }
  EXPECT_EQ(ControlNamed("分组框1"), ControlNamed("按钮2_导出TXT")->parentWidget())
      << "the side panel's controls live inside the group box";
}

TEST_F(MainWindowTest, PanelControlsHaveTheirKindProperties) {
  const auto* warning = qobject_cast<QLabel*>(ControlNamed("标签1"));
  EXPECT_TRUE(warning->wordWrap());
  EXPECT_EQ(warning->alignment(), Qt::AlignLeft | Qt::AlignTop);
  QTextLayout layout(warning->text(), warning->font());
  layout.beginLayout();
  qreal top = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(152);
    line.setPosition(QPointF(0, top));
    top += line.height();
  }
  layout.endLayout();
  ASSERT_EQ(layout.lineCount(), 2) << "the caption wraps within the label's width";
  EXPECT_LE(layout.boundingRect().bottom(), 27) << "both lines lie inside the label";
  EXPECT_LE(warning->heightForWidth(152), 27);
  const auto* caption = qobject_cast<QLabel*>(ControlNamed("透明标签1"));
  EXPECT_FALSE(caption->wordWrap());
  EXPECT_FALSE(caption->autoFillBackground());
  EXPECT_EQ(caption->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
  for (const char* name : {"按钮1_复制文本", "按钮3_清空留言", "按钮2_导出TXT"}) {
    const auto* button = qobject_cast<QPushButton*>(ControlNamed(name));
    EXPECT_FALSE(button->isDefault() || button->autoDefault()) << name;
  }
  const auto* service = qobject_cast<PictureButton*>(ControlNamed("图形按钮_联系客服"));
  EXPECT_EQ(service->Picture().size(), QSize(77, 22));
  EXPECT_EQ(service->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindowTest, EmojiButtonsStandInTheirGridPlaces) {
  // Row tops and first numbers of the palette, top row first.
  const int rowTops[] = {224, 258, 297, 337, 374, 416, 456, 496};
  const int rowFirst[] = {106, 1, 16, 31, 46, 61, 76, 91};
  const std::set<int> messageOnly = {17, 25, 36, 44, 54, 59, 60, 62,  70,  72,  73,  74,  87,
                                     88, 89, 91, 92, 97, 98, 99, 100, 101, 102, 103, 104, 105};
  int found = 0;
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 15; ++column) {
      const int number = rowFirst[row] + column;
      const QList<QWidget*> matches = Window().findChildren<QWidget*>(
          QRegularExpression(QStringLiteral("^图形按钮%1_").arg(number)));
      ASSERT_EQ(matches.size(), 1) << number;
      const QWidget* button = matches.front();
      SCOPED_TRACE(button->objectName().toStdString());
      EXPECT_EQ(button->parentWidget(), &Window());
      EXPECT_EQ(button->geometry(),
                QRect((row >= 6 ? 16 : 15) + 32 * column, rowTops[row], 24, 24));
      EXPECT_EQ(button->isVisible(), messageOnly.count(number) == 0);
      EXPECT_TRUE(button->isEnabled());
      // The palette's one keyboard stop starts on the top-left emoji.
      EXPECT_EQ(button->focusPolicy(), number == 106 ? Qt::TabFocus : Qt::NoFocus);
      EXPECT_TRUE(qobject_cast<const QAbstractButton*>(button)->text().isEmpty());
      EXPECT_TRUE(button->toolTip().isEmpty());
      ++found;
    }
  }
  EXPECT_EQ(found, 120);
  EXPECT_EQ(Window().ControlCount(), 132);
}

TEST_F(MainWindowTest, WindowIsFixedCentredAndTitled) {
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Velmora - Quillmark v4.0"));
  EXPECT_EQ(Window().size(), QSize(680, 536));
  EXPECT_EQ(Window().minimumSize(), Window().maximumSize()) << "not resizable";
  const Qt::WindowFlags flags = Window().windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(Window().pos(), QPoint((screen.width() - 686) / 2, (screen.height() - 565) / 2));
  EXPECT_FALSE(Window().windowIcon().isNull());
  EXPECT_EQ(Window().windowIcon().availableSizes().value(0), QSize(32, 32));
  EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral("4.0.1.0"));
  EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("Velmora"));
}

TEST_F(MainWindowTest, MaximiseRequestsLeaveTheSizeAlone) {
  Window().showMaximized();
  QTest::qWait(50);
  EXPECT_EQ(Window().size(), QSize(680, 536));
  Window().showNormal();
}

TEST_F(MainWindowTest, DisabledRadioRaisesNothing) {
  auto* messageRadio = qobject_cast<QRadioButton*>(ControlNamed("单选框2_所有表情"));
  QTest::mouseClick(messageRadio, Qt::LeftButton);
  EXPECT_FALSE(messageRadio->isChecked());
  EXPECT_TRUE(Window().IsChecked("单选框1_留言表情"));
  EXPECT_FALSE(Window().Control("图形按钮17_酷")->isVisible());
}

TEST_F(MainWindowTest, ReCheckingTheCommentRadioChangesNothing) {
  QTest::mouseClick(ControlNamed("单选框1_留言表情"), Qt::LeftButton);
  EXPECT_TRUE(Window().IsChecked("单选框1_留言表情"));
  EXPECT_FALSE(Window().Control("图形按钮17_酷")->isVisible());
  EXPECT_TRUE(Window().Control("图形按钮112_生病")->isVisible());
}

// What a fatal start-up box showed, read while it is open, then dismissed.
struct ShownBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

struct FatalRun {
  int exitCode;
  ShownBox box;
};

FatalRun RunWithDescription(const WindowDescription& description) {
  auto shown = std::make_shared<ShownBox>();
  QTimer::singleShot(0, [shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    *shown = {box->windowTitle(), box->text(), box->icon()};
    box->accept();
  });
  const int exitCode = RunQuillmark(*qApp, description);
  return {exitCode, *shown};
}

TEST(StartUpFailure, UnreadableDescriptionEndsWithTheFatalBox) {
  WindowDescription broken = MainWindowDescription();
  broken[5].name = broken[4].name;
  const FatalRun run = RunWithDescription(broken);
  EXPECT_EQ(run.exitCode, -1);
  EXPECT_EQ(run.box.title, QStringLiteral("错误"));
  EXPECT_EQ(run.box.icon, QMessageBox::Critical);
  EXPECT_TRUE(run.box.text.startsWith(QStringLiteral("运行时出错!")));
  EXPECT_TRUE(run.box.text.endsWith(QStringLiteral("载入窗口模板数据段出错!")));
}

TEST(StartUpFailure, WindowThatCannotBeCreatedEndsWithTheFatalBox) {
  WindowDescription unbuildable = MainWindowDescription();
  unbuildable[3].kind = static_cast<ElementKind>(99);
  const FatalRun run = RunWithDescription(unbuildable);
  EXPECT_EQ(run.exitCode, -1);
  EXPECT_EQ(run.box.title, QStringLiteral("错误"));
  EXPECT_EQ(run.box.icon, QMessageBox::Critical);
  EXPECT_EQ(run.box.text, QStringLiteral("运行时出错!\n载入启动窗口失败"));
}

}  // namespace
}  // namespace quillmark
