// Student distributions with 1 (62) and 2 (63) degrees of freedom: no search,
// the help variable T = (X - mean)/sd with the mean and standard deviation
// of the data.

#include <cmath>
#include <numbers>
#include <utility>

#include "engine/special_fits.h"
#include "engine/special_search.h"

namespace quarlin {

const FitResult& StudentFits::Better() const {
  return twoDf.fitted && (!oneDf.fitted || twoDf.SAD < oneDf.SAD) ? twoDf : oneDf;
}

StudentFits FitStudent(const Sample& s) {
  StudentFits fits{NotFitted(62), NotFitted(63)};
  LineFit plain;
  if (!RegressAll(s.X, s.Fc, s.N, plain)) return fits;

  FittedParams params;
  params.student.mean = plain.meanX;
  params.student.sd = plain.SDx;
  auto one = PointArray(s);
  auto two = PointArray(s);
  for (int r = 1; r <= s.N; ++r) {
    const long double T = (s.X[r] - params.student.mean) / params.student.sd;
    one[r] = 0.5L + std::atan(T) / std::numbers::pi_v<long double>;
    two[r] = 0.5L * (1.0L + T / std::sqrt(T * T + 2.0L));
  }
  fits.oneDf = FinishFit(62, s, params, std::move(one));
  fits.twoDf = FinishFit(63, s, params, std::move(two));
  return fits;
}

}  // namespace quarlin
