#pragma once
// Calls a function when a widget receives one kind of event (a press, the
// focus coming or going), for the handlers Qt has no signal for. The event
// then goes on to the widget.

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>
#include <vector>

namespace quarlin::ui {

class EventWatcher : public QObject {
 public:
  EventWatcher(QObject* watched, QEvent::Type type, std::function<void()> handler)
      : QObject(watched), type_(type), handler_(std::move(handler)) {
    watched->installEventFilter(this);
  }

 public:
  // From now on the handler is not called: a window that is being taken
  // down stops its watchers before its widgets lose their focus.
  void Stop() { handler_ = nullptr; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (handler_ && event->type() == type_) handler_();
    return false;
  }

 private:
  QEvent::Type type_;
  std::function<void()> handler_;
};

// Owned by `watched`.
inline EventWatcher* Watch(QObject* watched, QEvent::Type type, std::function<void()> handler) {
  return new EventWatcher(watched, type, std::move(handler));
}

// Silences a window's widgets while it is taken down: Qt hides the window
// and moves the focus from its base-class destructor, when the window's own
// handlers are no longer there to answer.
template <typename Window>
void SilenceChildren(Window* window, const std::vector<EventWatcher*>& watchers) {
  for (EventWatcher* watcher : watchers) watcher->Stop();
  for (QWidget* child : window->template findChildren<QWidget*>()) child->blockSignals(true);
}

}  // namespace quarlin::ui
