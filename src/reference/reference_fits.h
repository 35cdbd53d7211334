#pragma once
// The straightforward computation of a best-of-all run, kept to measure the
// product against and to check that it chooses the same: every grid search
// sums every trial in full (SearchMode::Reference), and the caller fits on
// one thread (FitAllRequest::threads = kReferenceThreads). The product never
// uses it.

#include "engine/driver/fit_all.h"

namespace quarlin {

// The thread count that goes with ReferenceFits: each candidate fitted when
// its turn comes, none ahead.
inline constexpr int kReferenceThreads = 1;

// Student() stays the product's: the pair has no search to sum in full.
class ReferenceFits : public CandidateFits {
 public:
  FitResult Regression(const Sample& s, const RegressionMember& m) const override;
  FitResult OwnFormula(const Sample& s, int code) const override;
  NormalFit Normal(const Sample& s, int code) const override;
  FitResult Composite(const Sample& s, int code) const override;
};

}  // namespace quarlin
