#pragma once

#include <QObject>

#include "actions/comment_actions.h"
#include "text/conversion.h"

namespace quillmark {

class MainWindow;

// The operations that the main window's events run, one handler at a time.
class Operations : public QObject {
  Q_OBJECT

 public:
  Operations(MainWindow& window, ExportContext exportContext, QObject* parent = nullptr);

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
  ExportContext exportContext_;
};

}  // namespace quillmark
