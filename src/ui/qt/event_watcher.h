#pragma once
// Calls a function when a widget receives one kind of event (a press, the
// focus coming or going), for the handlers Qt has no signal for. The event
// then goes on to the widget.

#include <QEvent>
#include <QObject>
#include <functional>

namespace quarlin::ui {

class EventWatcher : public QObject {
 public:
  EventWatcher(QObject* watched, QEvent::Type type, std::function<void()> handler)
      : QObject(watched), type_(type), handler_(std::move(handler)) {
    watched->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == type_) handler_();
    return false;
  }

 private:
  QEvent::Type type_;
  std::function<void()> handler_;
};

// Owned by `watched`.
inline void Watch(QObject* watched, QEvent::Type type, std::function<void()> handler) {
  new EventWatcher(watched, type, std::move(handler));
}

}  // namespace quarlin::ui
