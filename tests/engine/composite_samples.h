#pragma once
// Samples made of two laws joined at a known break: the datum of rank i is
// the quantile at its own plotting position i/(N+1), taken from the lower
// law up to rank K and from the upper law above it. Both laws give the same
// frequency at the break, so the joined law is continuous there.

#include <cmath>
#include <vector>

#include "engine/links.h"
#include "engine/regression_members.h"
#include "engine/sample.h"

namespace quarlin::testing {

// F = link(A*x^E + B).
struct Law {
  Link link = Link::Gumbel;
  long double A = 0, B = 0;
};

// The slope sign for which the link's F rises with x.
inline long double RisingSign(Link link) {
  return link == Link::Logistic || link == Link::MirroredGumbel ? -1.0L : 1.0L;
}

inline long double Quantile(const Law& law, long double F, long double E) {
  return std::pow((LinkFt(law.link, F) - law.B) / law.A, 1.0L / E);
}

// The law of `link` with slope magnitude `slope` that takes the frequency
// Fb at xBreak.
inline Law ThroughBreak(Link link, long double slope, long double xBreak, long double Fb,
                        long double E) {
  const long double A = RisingSign(link) * slope;
  return {link, A, LinkFt(link, Fb) - A * std::pow(xBreak, E)};
}

// The law of `link` without intercept that takes the frequency Fb at xBreak.
inline Law ThroughOriginAndBreak(Link link, long double xBreak, long double Fb) {
  return {link, LinkFt(link, Fb) / xBreak, 0};
}

// Ranks 1..K from `lower`, K+1..N from `upper`, both in x^E.
inline Sample JoinedSample(int N, int K, const Law& lower, const Law& upper, long double E) {
  std::vector<long double> values;
  for (int i = 1; i <= N; ++i) {
    const long double F = static_cast<long double>(i) / (N + 1);
    values.push_back(Quantile(i <= K ? lower : upper, F, E));
  }
  return RankValues(values);
}

// True when every datum is positive and finite and the quantiles kept their
// order, so that the plotting positions are the laws' own frequencies.
inline bool FollowsItsLaws(const Sample& s) {
  for (int i = 1; i <= s.N; ++i) {
    if (!(s.X[i] > 0) || !std::isfinite(s.X[i]) || s.SerialOf[i] != i) return false;
    if (i > 1 && !(s.X[i] > s.X[i - 1])) return false;
  }
  return true;
}

// The smallest SAD of the single-line distributions on `s`.
inline long double BestSingleLineSad(const Sample& s) {
  long double best = INFINITY;
  for (int code : {3, 4, 5, 6, 51, 52, 53, 54, 55, 57, 60, 64, 65, 66}) {
    const FitResult fit = FitRegressionMember(s, *RegressionMemberOf(code));
    if (fit.fitted && fit.SAD < best) best = fit.SAD;
  }
  return best;
}

}  // namespace quarlin::testing
