#include "qt/event_wiring.h"

#include <QAbstractButton>
#include <QMouseEvent>

#include <functional>

#include "window/start_up.h"

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

void Wire(QWidget* control, EventKind event, std::function<void()> handler) {
  if (event == EventKind::Click) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      QObject::connect(button, &QAbstractButton::clicked, button, std::move(handler));
    }
  } else if (event == EventKind::LeftButtonPress) {
    control->installEventFilter(new LeftButtonPressFilter(control, std::move(handler)));
  }
}

}  // namespace

void WireEvents(const MainWindow& window, const WindowDescription& description,
                Operations& operations) {
  ForEachEventHandler(
      description, operations,
      [&window](const ElementRecord& record, EventKind event, std::function<void()> handler) {
        if (QWidget* control = window.Control(record.name)) {
          Wire(control, event, std::move(handler));
        }
      });
}

}  // namespace quillmark
