#pragma once
// The few computations every fit is made of: least-squares and ratio lines
// of a transformed frequency Ft on a transformed value Xt, and the deviation
// sums between observed and calculated frequencies. Arrays are indexed from
// 1 (element 0 carries nothing), as in Sample.

#include <span>

namespace quarlin {

// Ft = A*Xt + B, with the centroid of the points used.
struct LineFit {
  double A = 0, B = 0;
  double meanF = 0, meanX = 0;
  double SDx = 0;  // set by RegressAll only
};

// Least squares over points 1..N. Returns false and leaves `line` untouched
// when all Xt are equal (no line can be drawn).
bool RegressAll(std::span<const long double> Xt, std::span<const long double> Ft, int N,
                LineFit& line);

// Least squares over points 1..K; SDx is not touched.
bool RegressLower(std::span<const long double> Xt, std::span<const long double> Ft, int K,
                  LineFit& line);

// Line through point 1 and the centroid of points 1..N.
void RatioAll(std::span<const long double> Xt, std::span<const long double> Ft, int N,
              LineFit& line);

// Line through point K and the centroid of points K+1..N; (1000, 1000)
// stands in for the centroid when K = N, slope 100 when the centroid's Xt
// equals Xt[K].
void RatioUpper(std::span<const long double> Xt, std::span<const long double> Ft, int N, int K,
                LineFit& line);

// SS = sum (Fc - Fcalc)^2 over 1..N; with `capAtOne` a deviation larger than
// 1 in absolute value counts as 1.
long double SumOfSquares(std::span<const long double> Fc, std::span<const long double> Fcalc, int N,
                         bool capAtOne = false);

// SAD = sum |Fc - Fcalc| over 1..N.
long double SumOfAbsolute(std::span<const long double> Fc, std::span<const long double> Fcalc,
                          int N);

// 100 * SAD / N, in per cent.
inline double AvAbsDiff(long double SAD, int N) {
  return static_cast<double>(100.0L * SAD / N);
}

}  // namespace quarlin
