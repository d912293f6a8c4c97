#pragma once

#include <QObject>

#include "text/conversion.h"

namespace quillmark {

class MainWindow;

// The operations that the main window's events run, one handler at a time.
class Operations : public QObject {
  Q_OBJECT

 public:
  explicit Operations(MainWindow& window, QObject* parent = nullptr);

  void OnMainWindowCreated();
  void CopyComment();
  void ClearComment();
  void ClearAccountName();
  void ExportComment();
  void ContactCustomerService();
  void ApplyPaletteMode();
  void InsertEmoji(const Text& gbkCode);

 private:
  MainWindow& window_;
};

}  // namespace quillmark
