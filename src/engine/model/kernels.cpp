#include "engine/model/kernels.h"

#include <cmath>

namespace quarlin {
namespace {

struct Centroid {
  long double meanF = 0, meanX = 0;
};

Centroid MeanOf(std::span<const long double> Xt, std::span<const long double> Ft, int first,
                int last) {
  long double sumF = 0, sumX = 0;
  for (int i = first; i <= last; ++i) {
    sumF += Ft[i];
    sumX += Xt[i];
  }
  const int count = last - first + 1;
  return {sumF / count, sumX / count};
}

// A running sum of equal values divided by their count rarely gives the
// value back exactly, so Sxx alone would let data without variation through
// as a line with a meaningless slope. The values are compared directly.
bool AllEqual(std::span<const long double> Xt, int first, int last, long double value) {
  for (int i = first; i <= last; ++i)
    if (Xt[i] != value) return false;
  return true;
}

// Least squares over points 1..count; false when no line can be drawn.
bool Regress(std::span<const long double> Xt, std::span<const long double> Ft, int count,
             LineFit& line, long double& Sxx) {
  if (count < 1) return false;
  const Centroid c = MeanOf(Xt, Ft, 1, count);
  Sxx = 0;
  long double Sxy = 0;
  for (int i = 1; i <= count; ++i) {
    const long double dx = Xt[i] - c.meanX;
    Sxx += dx * dx;
    Sxy += (Ft[i] - c.meanF) * dx;
  }
  if (!(Sxx > 0) || AllEqual(Xt, 2, count, Xt[1])) return false;
  const double A = static_cast<double>(Sxy / Sxx);
  line.A = A;
  line.B = static_cast<double>(c.meanF - A * c.meanX);
  line.meanF = static_cast<double>(c.meanF);
  line.meanX = static_cast<double>(c.meanX);
  return true;
}

}  // namespace

bool RegressAll(std::span<const long double> Xt, std::span<const long double> Ft, int N,
                LineFit& line) {
  long double Sxx = 0;
  if (!Regress(Xt, Ft, N, line, Sxx)) return false;
  line.SDx = static_cast<double>(std::sqrt(Sxx / (N - 1)));
  return true;
}

bool RegressLower(std::span<const long double> Xt, std::span<const long double> Ft, int K,
                  LineFit& line) {
  long double Sxx = 0;
  return Regress(Xt, Ft, K, line, Sxx);
}

void RatioAll(std::span<const long double> Xt, std::span<const long double> Ft, int N,
              LineFit& line) {
  const Centroid c = MeanOf(Xt, Ft, 1, N);
  const double A = static_cast<double>((c.meanF - Ft[1]) / (c.meanX - Xt[1]));
  line.A = A;
  line.B = static_cast<double>(c.meanF - A * c.meanX);
  line.meanF = static_cast<double>(c.meanF);
  line.meanX = static_cast<double>(c.meanX);
}

void RatioUpper(std::span<const long double> Xt, std::span<const long double> Ft, int N, int K,
                LineFit& line) {
  constexpr long double kNoUpperPoints = 1000;
  constexpr double kFlatSlope = 100;
  const Centroid c = K >= N ? Centroid{kNoUpperPoints, kNoUpperPoints} : MeanOf(Xt, Ft, K + 1, N);
  // Upper points all at Xt[K] give a centroid that misses Xt[K] by a
  // rounding error; they are as flat as an exact hit.
  const bool flat = c.meanX == Xt[K] || (K < N && AllEqual(Xt, K + 1, N, Xt[K]));
  const double A = flat ? kFlatSlope : static_cast<double>((c.meanF - Ft[K]) / (c.meanX - Xt[K]));
  line.A = A;
  line.B = static_cast<double>(c.meanF - A * c.meanX);
  line.meanF = static_cast<double>(c.meanF);
  line.meanX = static_cast<double>(c.meanX);
}

long double SumOfSquares(std::span<const long double> Fc, std::span<const long double> Fcalc, int N,
                         bool capAtOne) {
  long double ss = 0;
  for (int i = 1; i <= N; ++i) {
    long double d = Fc[i] - Fcalc[i];
    if (capAtOne && std::fabs(d) > 1) d = 1;
    ss += d * d;
  }
  return ss;
}

long double SumOfAbsolute(std::span<const long double> Fc, std::span<const long double> Fcalc,
                          int N) {
  long double sad = 0;
  for (int i = 1; i <= N; ++i) sad += std::fabs(Fc[i] - Fcalc[i]);
  return sad;
}

}  // namespace quarlin
