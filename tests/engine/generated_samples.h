#pragma once
// Random samples of the kinds of data the searches meet, the same on every
// machine: the variates come from the raw generator output, not from the
// standard library's distributions.

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/sample.h"

namespace quarlin::testing {

enum class SampleKind {
  Positive,     // Gumbel, location 100, scale 20
  WithZeros,    // exponential with every fifth value a zero stored as 0.001
  ShiftedUp,    // normal around 0 moved up as negative data are: X - min + 0.0001
  BelowOne,     // uniform between 0.02 and 0.98
  HeavyTailed,  // log-normal, median 1000, log-sd 1.5
  // All 100 but the largest, one unit of the last place above: some of the
  // searches' trial transforms round it back and cannot draw a line.
  NearlyEqual,
};

inline std::string KindName(SampleKind kind) {
  switch (kind) {
    case SampleKind::Positive:
      return "Positive";
    case SampleKind::WithZeros:
      return "WithZeros";
    case SampleKind::ShiftedUp:
      return "ShiftedUp";
    case SampleKind::BelowOne:
      return "BelowOne";
    case SampleKind::HeavyTailed:
      return "HeavyTailed";
    case SampleKind::NearlyEqual:
      return "NearlyEqual";
  }
  return "";
}

inline Sample GeneratedSample(SampleKind kind, int N) {
  std::mt19937 generator(7u + 1000u * static_cast<unsigned>(kind) + static_cast<unsigned>(N));
  auto uniform = [&] { return (generator() + 0.5L) / 4294967296.0L; };
  auto normal = [&] {
    const long double u = uniform(), v = uniform();
    return std::sqrt(-2.0L * std::log(u)) * std::cos(6.283185307179586476925L * v);
  };
  std::vector<long double> values;
  for (int i = 0; i < N; ++i) {
    switch (kind) {
      case SampleKind::Positive:
        values.push_back(100.0L - 20.0L * std::log(-std::log(uniform())));
        break;
      case SampleKind::WithZeros:
        values.push_back(i % 5 == 0 ? 0.001L : -10.0L * std::log(uniform()));
        break;
      case SampleKind::ShiftedUp:
        values.push_back(5.0L * normal());
        break;
      case SampleKind::BelowOne:
        values.push_back(0.02L + 0.96L * uniform());
        break;
      case SampleKind::HeavyTailed:
        values.push_back(1000.0L * std::exp(1.5L * normal()));
        break;
      case SampleKind::NearlyEqual:
        values.push_back(i + 1 < N ? 100.0L : std::nextafter(100.0L, 200.0L));
        break;
    }
  }
  if (kind == SampleKind::ShiftedUp) {
    long double least = values[0];
    for (long double v : values) least = std::fmin(least, v);
    for (long double& v : values) v = v - least + 0.0001L;
  }
  return RankValues(values);
}

}  // namespace quarlin::testing
