#pragma once

#include <filesystem>
#include <vector>

#include "qt/qt_desktop.h"

namespace quillmark::testing {

// The program's own desktop, with the program's and the documents folder and
// the time of the caller's choosing; it records what each reveal answered.
class DesktopInFolder : public QtDesktop {
 public:
  DesktopInFolder(std::filesystem::path folder, std::filesystem::path documents, double now)
      : folder_(std::move(folder)), documents_(std::move(documents)), now_(now) {}
  [[nodiscard]] std::filesystem::path ProgramFolder() const override { return folder_; }
  [[nodiscard]] std::filesystem::path DocumentsFolder() const override { return documents_; }
  [[nodiscard]] double Now() const override { return now_; }
  bool RevealInFolder(const std::filesystem::path& file) override {
    reveals.push_back(QtDesktop::RevealInFolder(file));
    return reveals.back();
  }

  std::vector<bool> reveals;

 private:
  std::filesystem::path folder_;
  std::filesystem::path documents_;
  double now_;
};

}  // namespace quillmark::testing
