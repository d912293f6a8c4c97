#pragma once

#include <string>
#include <string_view>

namespace quillmark {

// The main window's controls as the operations reach them: by name, through
// whatever toolkit draws them. Texts are UTF-8. A name that the window does not
// hold is ignored and reads as unchecked and empty.
class WindowControls {
 public:
  WindowControls() = default;
  WindowControls(const WindowControls&) = delete;
  WindowControls& operator=(const WindowControls&) = delete;
  virtual ~WindowControls() = default;

  virtual void SetControlVisible(std::string_view name, bool visible) = 0;
  // A radio button's or check box's checked state.
  [[nodiscard]] virtual bool IsChecked(std::string_view name) const = 0;
  // An edit box's content.
  [[nodiscard]] virtual std::string ControlText(std::string_view name) const = 0;
  virtual void SetControlText(std::string_view name, std::string_view text) = 0;
};

}  // namespace quillmark
