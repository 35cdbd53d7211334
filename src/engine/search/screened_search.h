#pragma once
// A grid search that finds exactly the trial the straightforward search
// finds, without computing every trial in long double.
//
// The straightforward search computes each trial's sum of squares in long
// double and keeps the first trial, in index order, whose sum is the
// smallest. Here every trial is first screened: its sum is computed in
// double, on vector registers, together with a bound `margin` on how far
// that sum can be from the long double one. A trial whose screened sum minus
// its margin is above the screened sum plus margin of some other trial
// cannot be the smallest, so only the few trials that could are computed in
// long double, and the smallest of those wins, the lower index on a tie.
//
// A trial the screen cannot judge (a line it could not draw, a NaN, an
// overflow) is always computed in long double, so the screen only ever
// saves work and never decides a result. The screen's order of visiting
// the trials does not matter either.

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace quarlin {

// How far a screened sum of squares can be from the long double sum: the
// summation error of up to N terms in double, and `deltaF`, a bound on each
// calculated frequency's error, carried through SS = sum d^2.
struct ScreenMargin {
  int N = 0;
  double deltaF = 1e-10;

  double Of(double ss) const {
    const double summation = (N + 16) * 2.3e-16 * ss;
    return summation + 2.0 * std::sqrt(N * ss) * deltaF + N * deltaF * deltaF;
  }
};

// What the screen says of one trial. `judged` false: compute it in full.
// A screen may stop summing once `SS - margin` is above the limit it was
// given; the partial sum it returns is then enough to rule the trial out.
struct ScreenedSS {
  double SS = 0;
  bool judged = true;
};

inline ScreenedSS NotJudged() {
  return {0.0, false};
}

// Whether a (partial) screened sum rules its trial out against `limit`, the
// smallest upper bound of the trials screened so far.
inline bool RuledOut(const ScreenMargin& margin, double ss, double limit) {
  return ss - margin.Of(ss) > limit;
}

// The ranks 1..N in the order a screen sums them: every 16th rank first,
// then the ranks half-way between, and so on, so that any leading part of
// the sum already spans the whole sample and a poor trial shows early. The
// sums themselves do not depend on the order, beyond rounding.
inline std::vector<int> ScreenOrder(int N) {
  constexpr int kStride = 16;
  constexpr int kPhases[kStride] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};
  std::vector<int> order;
  order.reserve(N);
  for (int phase : kPhases) {
    for (int r = phase + 1; r <= N; r += kStride) order.push_back(r);
  }
  return order;
}

// Searches that follow a first one over the same trials and share the work
// of each trial with it (the pairs of FitPaired): the first search's screen
// screens the followers' trials too, each against its own limit, and keeps
// their sums for the followers' searches, which then only look them up.
class FollowerScreens {
 public:
  FollowerScreens(int followers, int trials, const ScreenMargin& margin)
      : margin_(margin),
        kept_(followers, std::vector<ScreenedSS>(trials)),
        limits_(followers, std::numeric_limits<double>::infinity()) {}

  // Screens follower f's trial t with `screen(limit)`.
  template <class Screen>
  void Take(int f, int t, Screen&& screen) {
    const ScreenedSS s = screen(limits_[f]);
    kept_[f][t] = s;
    if (s.judged && std::isfinite(s.SS)) limits_[f] = std::min(limits_[f], s.SS + margin_.Of(s.SS));
  }

  ScreenedSS Kept(int f, int t) const { return kept_[f][t]; }

 private:
  ScreenMargin margin_;
  std::vector<std::vector<ScreenedSS>> kept_;
  std::vector<double> limits_;
};

struct ScreenedChoice {
  int trial = -1;  // -1: no trial could be completed
  long double SS = 0;
  int exactTrials = 0;  // how many trials were computed in long double
};

// Trials 0..trials-1. `screen(t, limit)` returns a ScreenedSS; `exact(t,
// bound)` returns the long double sum of trial t, or nothing when the trial
// cannot be completed or its sum is certainly above `bound` (it may give up
// early, as BoundedSumOfSquares does). Trials whose sum is not below
// `ceiling` never win, as in the straightforward search.
template <class Screen, class Exact>
ScreenedChoice ScreenedSearch(int trials, const ScreenMargin& margin, long double ceiling,
                              Screen&& screen, Exact&& exact) {
  constexpr double kForced = -std::numeric_limits<double>::infinity();
  struct Candidate {
    double low;
    int trial;
  };
  std::vector<Candidate> candidates;
  double limit = std::numeric_limits<double>::infinity();
  const auto visit = [&](int t) {
    const ScreenedSS s = screen(t, limit);
    if (!s.judged || !std::isfinite(s.SS)) {
      candidates.push_back({kForced, t});
      return;
    }
    const double m = margin.Of(s.SS);
    if (s.SS - m > limit) return;
    limit = std::min(limit, s.SS + m);
    candidates.push_back({s.SS - m, t});
  };
  // Coarse to fine: a sparse pass over the whole grid finds a good trial
  // early, and the limit it sets lets most other trials stop their sums
  // after a few points. The order decides nothing but the time taken.
  int stride = 1;
  while (stride * 4 < trials) stride *= 4;
  for (int t = 0; t < trials; t += stride) visit(t);
  for (int previous = stride; previous > 1; previous = stride) {
    stride = previous / 4;
    for (int t = 0; t < trials; t += stride) {
      if (t % previous != 0) visit(t);
    }
  }
  // The judged trials first, the most promising first, so that the
  // smallest sum is found early and lets the others stop their sums soon;
  // the unjudged ones after them, in index order.
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    const bool aForced = a.low == kForced, bForced = b.low == kForced;
    if (aForced != bForced) return bForced;
    return a.low < b.low || (a.low == b.low && a.trial < b.trial);
  });

  ScreenedChoice choice;
  long double best = ceiling;
  for (const Candidate& c : candidates) {
    if (c.low != kForced && (c.low > limit || (choice.trial >= 0 && c.low > best))) continue;
    ++choice.exactTrials;
    const std::optional<long double> ss = exact(c.trial, best);
    if (!ss) continue;
    // The straightforward search keeps the first trial of equal sums.
    const bool wins = *ss < best || (choice.trial >= 0 && *ss == best && c.trial < choice.trial);
    if (wins) {
      best = *ss;
      choice.trial = c.trial;
      choice.SS = *ss;
    }
  }
  // The limit stands on the screened sums of trials that were themselves
  // computed in full above. Should one of them have failed there (a line
  // that long double could not draw), the limit proves nothing, and the
  // whole grid is computed in full instead.
  const bool limitHeld = choice.trial >= 0 ? choice.SS <= limit : !std::isfinite(limit);
  if (limitHeld) return choice;
  ScreenedChoice full;
  best = ceiling;
  for (int t = 0; t < trials; ++t) {
    ++full.exactTrials;
    const std::optional<long double> ss = exact(t, best);
    if (ss && *ss < best) {
      best = *ss;
      full.trial = t;
      full.SS = *ss;
    }
  }
  return full;
}

}  // namespace quarlin
