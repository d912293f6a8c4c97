#pragma once

#include "actions/desktop.h"

namespace quillmark {

// The desktop as Qt reaches it on Linux: the X11 CLIPBOARD selection, the
// freedesktop file manager on the session bus, xdg-open for links, the
// program's and the documents folder and the system locale's clock.
class QtDesktop : public Desktop {
 public:
  // Puts the UTF-8 form as plain text and nothing else, the one form that
  // every program's paste reads here.
  void PutTextOnClipboard(std::string_view gbk, std::string_view utf8) override;
  bool RevealInFolder(const std::filesystem::path& file) override;
  // The desktop's open facility needs no owner window here.
  void OpenUri(std::string_view uri) override;
  [[nodiscard]] std::filesystem::path ProgramFolder() const override;
  // The XDG documents directory.
  [[nodiscard]] std::filesystem::path DocumentsFolder() const override;
  [[nodiscard]] double Now() const override;
  // A locale shows the 24-hour clock when its time format writes hours with H.
  [[nodiscard]] bool UsesTwentyFourHourClock() const override;
};

}  // namespace quillmark
