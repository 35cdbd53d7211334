#include "data/stored_values.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "common/number_text.h"
#include "data/input_file.h"
#include "data/messages.h"
#include "engine/analysis/report_analysis.h"

namespace quarlin {
namespace {

constexpr long double kMaterialShare = 0.001L;  // of the range
constexpr int kLeastSteps = 10;                 // of the X field's last decimal

}  // namespace

ReductionEffect ReductionEffectOf(const std::vector<long double>& entered) {
  ReductionEffect effect;
  if (entered.empty()) return effect;
  std::set<long double> before, after;
  for (const long double v : entered) {
    const long double stored = StoredValue(v);
    before.insert(v);
    after.insert(stored);
    effect.largestMove = std::max(effect.largestMove, std::fabs(stored - v));
  }
  effect.distinctEntered = static_cast<int>(before.size());
  effect.distinctStored = static_cast<int>(after.size());
  effect.range = *before.rbegin() - *before.begin();
  return effect;
}

bool ChangesMaterially(const ReductionEffect& effect) {
  return effect.distinctStored < effect.distinctEntered ||
         (effect.range > 0 && effect.largestMove > kMaterialShare * effect.range);
}

std::optional<std::string> ReductionWarning(const std::vector<long double>& entered) {
  const ReductionEffect effect = ReductionEffectOf(entered);
  if (!ChangesMaterially(effect)) return std::nullopt;
  std::string what;
  if (effect.distinctStored < effect.distinctEntered)
    what = std::to_string(effect.distinctEntered) + " different values become " +
           std::to_string(effect.distinctStored);
  else
    what = "a value moves by " + General(static_cast<double>(effect.largestMove)) +
           ", more than 0.1% of the range of the data";
  return ReductionWarningMessage(what);
}

std::optional<std::string> IndistinctValuesRefusal(const std::vector<long double>& entered) {
  if (entered.empty()) return std::nullopt;
  long double lowest = 0, highest = 0;
  for (size_t i = 0; i < entered.size(); ++i) {
    long double stored = StoredValue(entered[i]);
    if (stored == 0) stored = 0.001L;
    lowest = i == 0 ? stored : std::min(lowest, stored);
    highest = i == 0 ? stored : std::max(highest, stored);
  }
  const int d = XDecimals(highest);
  const long double least = kLeastSteps * std::pow(10.0L, -d);
  // Equal values are the run's own case of no variation. The steps are
  // counted with a margin for the binary form of decimal values (1.01 - 1
  // may come out a hair below 0.01).
  const long double steps = (highest - lowest) * std::pow(10.0L, d);
  if (highest == lowest || steps >= kLeastSteps * (1 - 1e-9L)) return std::nullopt;
  return IndistinctValuesMessage(d, Fix(least, 0, std::max(d - 1, 0)));
}

}  // namespace quarlin
