#include "shell/event_wiring.h"

#include <QAbstractButton>
#include <QMouseEvent>

#include <functional>

#include "emoji/catalogue.h"

namespace quillmark {
namespace {

// Runs a handler when the left button goes down over a control, before the
// control itself sees the press, which then still takes its ordinary effect.
class LeftButtonPressFilter : public QObject {
 public:
  LeftButtonPressFilter(QObject* parent, std::function<void()> handler)
      : QObject(parent), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if ((event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      handler_();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> handler_;
};

std::function<void()> HandlerFor(Operation operation, const ElementRecord& record,
                                 Operations& operations) {
  switch (operation) {
    case Operation::CopyComment:
      return [&operations] { operations.CopyComment(); };
    case Operation::ClearComment:
      return [&operations] { operations.ClearComment(); };
    case Operation::ClearAccountName:
      return [&operations] { operations.ClearAccountName(); };
    case Operation::ExportComment:
      return [&operations] { operations.ExportComment(); };
    case Operation::ContactCustomerService:
      return [&operations] { operations.ContactCustomerService(); };
    case Operation::ApplyPaletteMode:
      return [&operations] { operations.ApplyPaletteMode(); };
    case Operation::InsertEmoji: {
      // The code is looked up at the click: making the codes loads the code
      // page tables, which a window that is only looked at never needs.
      const int number = record.properties.emojiNumber;
      return [&operations, number] { operations.InsertEmoji(EmojiCode(EmojiByNumber(number))); };
    }
    case Operation::OnMainWindowCreated:
      break;
  }
  return {};
}

void Wire(QWidget* control, const EventBinding& binding, std::function<void()> handler) {
  if (binding.event == EventKind::Click) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      QObject::connect(button, &QAbstractButton::clicked, button, std::move(handler));
    }
  } else if (binding.event == EventKind::LeftButtonPress) {
    control->installEventFilter(new LeftButtonPressFilter(control, std::move(handler)));
  }
}

}  // namespace

void WireEvents(const MainWindow& window, const WindowDescription& description,
                Operations& operations) {
  for (const ElementRecord& record : description) {
    QWidget* control = window.Control(record.name);
    if (control == nullptr) continue;
    for (const EventBinding& binding : record.events) {
      if (std::function<void()> handler = HandlerFor(binding.operation, record, operations)) {
        Wire(control, binding, std::move(handler));
      }
    }
  }
}

}  // namespace quillmark
