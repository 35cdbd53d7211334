#include "engine/analysis/observation_table.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace quarlin {
namespace {

constexpr std::string_view kLandmark = " Obs";
constexpr size_t kLinesAfterLandmark = 4;

std::optional<double> NextNumber(std::string_view& text) {
  const size_t start = text.find_first_not_of(" \t\r");
  if (start == std::string_view::npos) return std::nullopt;
  text.remove_prefix(start);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
  const size_t used = static_cast<size_t>(end - text.data());
  if (used < text.size() && text[used] != ' ' && text[used] != '\t' && text[used] != '\r')
    return std::nullopt;
  text.remove_prefix(used);
  return value;
}

std::optional<ObservationRow> ParseRow(std::string_view text) {
  double numbers[7];
  for (double& number : numbers) {
    const auto value = NextNumber(text);
    if (!value) return std::nullopt;
    number = *value;
  }
  const double serial = numbers[1];
  if (serial != std::floor(serial) || std::fabs(serial) > 1e9) return std::nullopt;
  return ObservationRow{
      numbers[0], static_cast<int>(serial), numbers[2], numbers[3], numbers[4], numbers[5],
      numbers[6]};
}

}  // namespace

std::optional<std::vector<ObservationRow>> ParseObservationTable(std::span<const std::string> lines,
                                                                 int N) {
  size_t head = 0;
  while (head < lines.size() && !lines[head].starts_with(kLandmark)) ++head;
  if (N < 0 || head + kLinesAfterLandmark + N >= lines.size()) return std::nullopt;
  std::vector<ObservationRow> rows;
  rows.reserve(N);
  for (int i = 1; i <= N; ++i) {
    const auto row = ParseRow(lines[head + kLinesAfterLandmark + i]);
    if (!row) return std::nullopt;
    rows.push_back(*row);
  }
  return rows;
}

}  // namespace quarlin
