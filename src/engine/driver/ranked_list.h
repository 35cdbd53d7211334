#pragma once
// The ranked list (.Lst): every distribution fitted in a best-of-all run
// with its average absolute difference, in the order of fitting.

#include <filesystem>
#include <string>
#include <vector>

namespace quarlin {

class RankedList {
 public:
  struct Entry {
    std::string nameLine;  // with its leading blank, as listed
    double AvAbsDiff = 0;  // per cent
  };

  // `runFile` is the run's file (any extension); the list lives beside it
  // with the extension ".Lst".
  explicit RankedList(const std::filesystem::path& runFile);

  void Add(const std::string& nameLine, double AvAbsDiff);

  const std::filesystem::path& Path() const { return path_; }
  const std::vector<Entry>& Entries() const { return entries_; }

  // The whole file: the header naming the list file (without its folder),
  // then per entry its name line, " Average = " and an empty line; CR LF.
  std::string Text() const;

  // Writes Text() to Path() atomically; false when it cannot be written.
  bool Save() const;

 private:
  std::filesystem::path path_;
  std::vector<Entry> entries_;
};

}  // namespace quarlin
