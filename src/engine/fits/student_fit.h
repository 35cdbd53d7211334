#pragma once
// Student's distribution with 1 (62) and 2 (63) degrees of freedom.
#include "engine/model/fit_result.h"
#include "engine/model/sample.h"

namespace quarlin {

// Both with student = {mean, sd} of the data. Each enters the choice with
// its own SAD; only Better() is listed (and reported when the pair is
// preferred).
struct StudentFits {
  FitResult oneDf;  // code 62
  FitResult twoDf;  // code 63
  // 63 only when its SAD is strictly smaller: equal sums keep 62.
  const FitResult& Better() const;
};
StudentFits FitStudent(const Sample& sample);

}  // namespace quarlin
