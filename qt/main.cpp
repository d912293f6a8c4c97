#include <QApplication>

#include <csignal>
#include <cstdio>

#include "qt/application.h"
#include "qt/display_check.h"

int main(int argc, char* argv[]) {
  // A file-size limit would end the program in the middle of an export; with
  // the signal ignored the write fails instead, and the export cleans up.
  std::signal(SIGXFSZ, SIG_IGN);
  if (const std::optional<std::string> missing = quillmark::MissingDisplay()) {
    std::fprintf(stderr, "%s\n", missing->c_str());
    return 1;
  }
  QApplication application(argc, argv);
  quillmark::DescribeApplication(application);
  return quillmark::RunQuillmark(application, quillmark::MainWindowDescription());
}
