#include <QApplication>

#include "qt/application.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  quillmark::DescribeApplication(application);
  return quillmark::RunQuillmark(application, quillmark::MainWindowDescription());
}
