#include "ui/qt/qt_window_thread.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace quarlin::ui {

QtWindowThread::~QtWindowThread() {
  if (worker_) worker_->wait();
}

void QtWindowThread::RunAway(std::function<void()> job, std::function<void()> done) {
  if (worker_) worker_->wait();
  worker_.reset(QThread::create([this, job = std::move(job), done = std::move(done)] {
    job();
    QMetaObject::invokeMethod(&context_, done, Qt::QueuedConnection);
  }));
  worker_->start();
}

void QtWindowThread::Post(std::function<void()> task) {
  QMetaObject::invokeMethod(&context_, std::move(task), Qt::QueuedConnection);
}

void QtWindowThread::Call(std::function<void()> task) {
  if (QThread::currentThread() == context_.thread())
    task();
  else
    QMetaObject::invokeMethod(&context_, std::move(task), Qt::BlockingQueuedConnection);
}

void QtWindowThread::WaitWhileBusy() {
  while (Busy()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    worker_->wait(20);
  }
  QCoreApplication::processEvents();
}

}  // namespace quarlin::ui
