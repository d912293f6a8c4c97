#include "qt/window_builder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <map>

#include "emoji/catalogue.h"
#include "emoji/picture_density.h"
#include "qt/comment_editor_view.h"
#include "qt/picture_button.h"

namespace quillmark {
namespace {

QString CaptionOf(const ElementRecord& record) {
  return QString::fromStdString(record.properties.caption);
}

QWidget* MakePushButton(const ElementRecord& record, QWidget* parent) {
  auto* button = new QPushButton(CaptionOf(record), parent);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QWidget* MakeCheckBox(const ElementRecord& record, QWidget* parent) {
  auto* box = new QCheckBox(CaptionOf(record), parent);
  box->setChecked(record.properties.checked);
  return box;
}

QWidget* MakeRadioButton(const ElementRecord& record, QWidget* parent) {
  auto* radio = new QRadioButton(CaptionOf(record), parent);
  radio->setChecked(record.properties.checked);
  return radio;
}

QWidget* MakeLabel(const ElementRecord& record, QWidget* parent, bool wraps) {
  auto* label = new QLabel(CaptionOf(record), parent);
  label->setWordWrap(wraps);
  // A wrapped caption is drawn from the label's top edge; one line is centred.
  label->setAlignment(Qt::AlignLeft | (wraps ? Qt::AlignTop : Qt::AlignVCenter));
  label->setAutoFillBackground(false);
  return label;
}

QWidget* MakePictureButton(const ElementRecord& record, QWidget* parent, const QColor& background) {
  auto* button = new PictureButton(parent);
  const QString path = QStringLiteral(":/") + QString::fromStdString(record.properties.picture);
  // The 2x pictures only where a screen is denser than 1x: decoding them
  // costs start-up time and memory that a 1x desktop never gets back.
  QPixmap doubleDensity;
  if (ChoosePicture(qApp->devicePixelRatio()).doubleArtwork) {
    doubleDensity = LoadButtonPicture(DoubleDensityPath(path), background);
    doubleDensity.setDevicePixelRatio(2);
  }
  button->SetPicture(LoadButtonPicture(path, background), doubleDensity);
  return button;
}

QWidget* MakeControl(const ElementRecord& record, QWidget* parent, const QColor& background) {
  switch (record.kind) {
    case ElementKind::PushButton:
      return MakePushButton(record, parent);
    case ElementKind::CheckBox:
      return MakeCheckBox(record, parent);
    case ElementKind::RadioButton:
      return MakeRadioButton(record, parent);
    case ElementKind::EditBox:
      return new QLineEdit(parent);
    case ElementKind::Label:
      return MakeLabel(record, parent, true);
    case ElementKind::TransparentLabel:
      return MakeLabel(record, parent, false);
    case ElementKind::GroupBox:
      return new QGroupBox(parent);
    case ElementKind::PictureButton:
      return MakePictureButton(record, parent, background);
    case ElementKind::CodeEditBox:
      return new CommentEditorFrame(parent);
    case ElementKind::Window:
      break;
  }
  return nullptr;
}

void ApplyCommonProperties(QWidget* control, const ElementRecord& record) {
  control->setObjectName(QString::fromStdString(record.name));
  if (!record.properties.accessibleName.empty()) {
    control->setAccessibleName(QString::fromStdString(record.properties.accessibleName));
  }
  control->setGeometry(record.left, record.top, record.width, record.height);
  control->setEnabled(!record.disabled);
  if (record.kind != ElementKind::CodeEditBox) {
    control->setFocusPolicy(record.tabStop ? Qt::StrongFocus : Qt::NoFocus);
  }
  control->setVisible(record.visible);
}

void SetUpWindow(MainWindow& window, const ElementRecord& record) {
  window.setWindowTitle(CaptionOf(record));
  window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                        Qt::WindowCloseButtonHint);
  // The description gives the outer size; Qt sizes the client area.
  window.setFixedSize(record.width - 2 * kWindowFrameWidth,
                      record.height - 2 * kWindowFrameWidth - kWindowCaptionHeight);
  QIcon icon(QStringLiteral(":/resources/quillmark.png"));
  icon.addFile(QStringLiteral(":/resources/quillmark@2x.png"));
  window.setWindowIcon(icon);
  window.setAttribute(Qt::WA_QuitOnClose);
}

}  // namespace

std::unique_ptr<MainWindow> CreateMainWindow(const WindowDescription& description) {
  if (description.empty() || description.front().kind != ElementKind::Window) return nullptr;
  auto window = std::make_unique<MainWindow>();
  SetUpWindow(*window, description.front());
  const QColor background = window->palette().color(QPalette::Window);
  std::map<std::uint32_t, QWidget*> built{{description.front().id, window.get()}};
  for (std::size_t i = 1; i < description.size(); ++i) {
    const ElementRecord& record = description[i];
    const auto parent = built.find(record.parent);
    if (parent == built.end()) return nullptr;
    QWidget* control = MakeControl(record, parent->second, background);
    if (control == nullptr) return nullptr;
    ApplyCommonProperties(control, record);
    window->AddControl(control);
    built.emplace(record.id, control);
  }
  return window;
}

}  // namespace quillmark
