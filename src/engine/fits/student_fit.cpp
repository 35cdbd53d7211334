// Student distributions with 1 (62) and 2 (63) degrees of freedom: no search,
// the help variable T = (X - mean)/sd with the mean and standard deviation
// of the data.

#include "engine/fits/student_fit.h"

#include <utility>

#include "engine/catalogue/codes.h"
#include "engine/catalogue/own_formulas.h"
#include "engine/fits/own_formula_search.h"

namespace quarlin {

const FitResult& StudentFits::Better() const {
  return twoDf.fitted && (!oneDf.fitted || twoDf.SAD < oneDf.SAD) ? twoDf : oneDf;
}

StudentFits FitStudent(const Sample& s) {
  StudentFits fits{NotFitted(kStudentOneDf), NotFitted(kStudentTwoDf)};
  LineFit plain;
  if (!RegressAll(s.X, s.Fc, s.N, plain)) return fits;

  FittedParams params;
  params.student.mean = plain.meanX;
  params.student.sd = plain.SDx;
  auto one = PointArray(s);
  auto two = PointArray(s);
  for (int r = 1; r <= s.N; ++r) {
    one[r] = StudentOneF(s.X[r], params.student);
    two[r] = StudentTwoF(s.X[r], params.student);
  }
  fits.oneDf = FinishFit(kStudentOneDf, s, params, std::move(one));
  fits.twoDf = FinishFit(kStudentTwoDf, s, params, std::move(two));
  return fits;
}

}  // namespace quarlin
