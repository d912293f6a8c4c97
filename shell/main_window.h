#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <string_view>

namespace quillmark {

class CommentEditor;

// The program's only window. Its controls are reached by name.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  void AddControl(QWidget* control);
  [[nodiscard]] QWidget* Control(std::string_view name) const;
  [[nodiscard]] int ControlCount() const { return static_cast<int>(controls_.size()); }

  void SetControlVisible(std::string_view name, bool visible) const;
  [[nodiscard]] bool IsChecked(std::string_view name) const;
  [[nodiscard]] QString ControlText(std::string_view name) const;
  void SetControlText(std::string_view name, const QString& text) const;
  [[nodiscard]] CommentEditor* Editor() const;

  // Places the frame's top-left corner so that the window stands centred on
  // its screen, measured with the window's outer size.
  void MoveToScreenCentre();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QHash<QString, QWidget*> controls_;
};

}  // namespace quillmark
