#include <QApplication>

#include <csignal>

#include "qt/application.h"

int main(int argc, char* argv[]) {
  // A file-size limit would end the program in the middle of an export; with
  // the signal ignored the write fails instead, and the export cleans up.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication application(argc, argv);
  quillmark::DescribeApplication(application);
  return quillmark::RunQuillmark(application, quillmark::MainWindowDescription());
}
