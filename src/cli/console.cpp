#include "cli/console.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace quarlin {
namespace {

// " 31 done" and the like: the code of the fit just done, 0 for other lines.
int FitDone(const std::string& text) {
  constexpr std::string_view kDone = " done";
  if (text.size() <= kDone.size() ||
      std::string_view(text).substr(text.size() - kDone.size()) != kDone)
    return 0;
  const std::string number = text.substr(0, text.size() - kDone.size());
  if (number.find_first_not_of(" 0123456789") != std::string::npos) return 0;
  return number.find_first_of("0123456789") == std::string::npos ? 0 : std::stoi(number);
}

}  // namespace

ProgressStyle ErrorStreamStyle() {
  return isatty(fileno(stderr)) ? ProgressStyle::InPlace : ProgressStyle::Lines;
}

void ConsoleProgress::Line(const std::string& text) {
  if (quiet_) return;
  if (style_ == ProgressStyle::Lines) {
    err_ << text << '\n';
    return;
  }
  std::string shown = text;
  const int code = FitDone(text);
  const auto at = std::find(fits_.begin(), fits_.end(), code);
  if (code != 0 && at != fits_.end())
    shown +=
        " (" + std::to_string(at - fits_.begin() + 1) + " of " + std::to_string(fits_.size()) + ")";
  // Blanks wipe what is left of a longer line before.
  const size_t width = shown.size();
  if (shown.size() < width_) shown.append(width_ - shown.size(), ' ');
  err_ << '\r' << shown << std::flush;
  width_ = width;
}

void ConsoleProgress::EndLine() {
  if (width_ == 0) return;
  err_ << '\n' << std::flush;
  width_ = 0;
}

}  // namespace quarlin
