#include "qt/event_wiring.h"

#include <QAbstractButton>
#include <QMouseEvent>

#include <functional>

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
      if (std::function<void()> handler = operations.HandlerFor(binding.operation, record)) {
        Wire(control, binding, std::move(handler));
      }
    }
  }
}

}  // namespace quillmark
