#pragma once
// The outcome of an operation that a user's data or files can make fail:
// either success or the message to show, word for word.

#include <string>
#include <utility>

namespace quarlin {

class Status {
 public:
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !failed_; }
  const std::string& message() const { return message_; }

 private:
  Status() = default;
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}

  bool failed_ = false;
  std::string message_;
};

}  // namespace quarlin
