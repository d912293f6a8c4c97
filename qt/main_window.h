#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <string>
#include <string_view>

#include "controls/window_controls.h"

namespace quillmark {

class CommentEditorFrame;

// The program's only window. Its controls are reached by name.
class MainWindow : public QWidget, public WindowControls {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  void AddControl(QWidget* control);
  [[nodiscard]] QWidget* Control(std::string_view name) const;
  [[nodiscard]] int ControlCount() const { return static_cast<int>(controls_.size()); }
  [[nodiscard]] CommentEditorFrame* EditorFrame() const;

  void SetControlVisible(std::string_view name, bool visible) override;
  [[nodiscard]] bool IsChecked(std::string_view name) const override;
  [[nodiscard]] std::string ControlText(std::string_view name) const override;
  void SetControlText(std::string_view name, std::string_view text) override;

  // Places the frame's top-left corner so that the window stands centred on
  // its screen, measured with the window's outer size.
  void MoveToScreenCentre();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QHash<QString, QWidget*> controls_;
};

}  // namespace quillmark
