#include "engine/screen_kernels.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "engine/screen_math.h"

// Built once per vector width; the processor's own is picked at start-up.
#define QUARLIN_VECTOR_CLONES \
  __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#define QUARLIN_INLINE [[gnu::always_inline]] inline

namespace quarlin {
namespace {

constexpr int kLanes = kScreenLanes;
constexpr int kBlock = 64;  // points summed between two looks at the limit

QUARLIN_INLINE ScreenVec Load(const double* p) {
  ScreenVec v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// The last, incomplete vector of an array: lanes past `count` get `fill`.
QUARLIN_INLINE ScreenVec LoadTail(const double* p, int count, double fill) {
  double lanes[kLanes];
  for (int k = 0; k < kLanes; ++k) lanes[k] = k < count ? p[k] : fill;
  return Load(lanes);
}

QUARLIN_INLINE void Store(double* p, ScreenVec v) {
  std::memcpy(p, &v, sizeof v);
}

QUARLIN_INLINE double Total(ScreenVec v) {
  double total = 0;
  for (int k = 0; k < kLanes; ++k) total += v[k];
  return total;
}

QUARLIN_INLINE double Largest(ScreenVec v) {
  double largest = 0;
  for (int k = 0; k < kLanes; ++k) largest = v[k] > largest ? v[k] : largest;
  return largest;
}

QUARLIN_INLINE ScreenVec Abs(ScreenVec v) {
  return v < 0.0 ? -v : v;
}

template <Link link>
QUARLIN_INLINE ScreenVec Curve(ScreenVec z) {
  if constexpr (link == Link::Weibull) return 1.0 - ScreenExp(-ScreenExp(z));
  if constexpr (link == Link::MirroredWeibull) return ScreenExp(-ScreenExp(z));
  if constexpr (link == Link::Poisson) return 1.0 - ScreenExp(-z);
  return ScreenExp(-z);  // mirrored Poisson
}

// The squared deviations of a linked curve, capped at 1.
template <Link link>
struct LinkSquares {
  double A, B;
  QUARLIN_INLINE ScreenVec operator()(ScreenVec Fc, ScreenVec Xt) const {
    ScreenVec d = Abs(Fc - Curve<link>(A * Xt + B));
    d = d > 1.0 ? Splat(1.0) : d;
    return d * d;
  }
};

// exp(-1), the value GevF gives outside the support.
constexpr double kOutsideGev = 0.36787944117144233;

// The squared deviations of the generalized extreme value law over Y = X -
// location, c = Y*K/B. F lies within 0..1, so no deviation reaches the cap
// of 1. A NaN square marks a point too near the end of the support to judge.
struct GevSquares {
  double KOverB, minusInvK;
  QUARLIN_INLINE ScreenVec operator()(ScreenVec Fc, ScreenVec Y) const {
    const ScreenVec c = Y * KOverB;
    const ScreenVec u = 1.0 + c;
    // c is within a few units of its last place of the long double c, so u
    // has the sign long double gives it unless it is about as small as that.
    const auto unsure = Abs(u) <= 1e-13 * (1.0 + Abs(c));
    const ScreenVec inside = ScreenExp(-ScreenExp(ScreenLog(u) * minusInvK));
    const ScreenVec F = u > 0.0 ? inside : Splat(kOutsideGev);
    const ScreenVec d = Fc - F;
    return unsure ? Splat(std::numeric_limits<double>::quiet_NaN()) : d * d;
  }
};

// The sum of squares(Fc, Xt) over n points, in blocks; it stops once the
// partial sum is RuledOut against `limit`. A NaN square never rules its
// trial out and leaves the sum NaN.
template <class Squares>
QUARLIN_INLINE double SumOfSquares(const double* Fc, const double* Xt, int n,
                                   const ScreenMargin& margin, double limit, Squares squares) {
  double ss = 0;
  ScreenVec lanes{};
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    lanes += squares(Load(Fc + i), Load(Xt + i));
    if ((i + kLanes) % kBlock == 0) {
      ss += Total(lanes);
      lanes = ScreenVec{};
      if (RuledOut(margin, ss, limit)) return ss;
    }
  }
  if (i < n) {
    const ScreenVec tail = squares(LoadTail(Fc + i, n - i, 0.0), LoadTail(Xt + i, n - i, 0.0));
    for (int k = 0; k < n - i; ++k) lanes[k] += tail[k];
  }
  return ss + Total(lanes);
}

}  // namespace

QUARLIN_VECTOR_CLONES
ScreenLine ScreenRegress(const double* Xt, const double* FtDev, double meanF, int n) {
  ScreenVec sum{}, largest{};
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    const ScreenVec x = Load(Xt + i);
    sum += x;
    const ScreenVec a = Abs(x);
    largest = a > largest ? a : largest;
  }
  if (i < n) {
    const ScreenVec x = LoadTail(Xt + i, n - i, 0.0);
    sum += x;
    const ScreenVec a = Abs(x);
    largest = a > largest ? a : largest;
  }
  const double maxAbs = Largest(largest);
  const double meanX = Total(sum) / n;

  ScreenVec sxx{}, sxy{};
  for (i = 0; i + kLanes <= n; i += kLanes) {
    const ScreenVec dx = Load(Xt + i) - meanX;
    sxx += dx * dx;
    sxy += Load(FtDev + i) * dx;
  }
  if (i < n) {
    const ScreenVec dx = LoadTail(Xt + i, n - i, meanX) - meanX;
    sxx += dx * dx;
    sxy += LoadTail(FtDev + i, n - i, 0.0) * dx;
  }
  const double Sxx = Total(sxx), Sxy = Total(sxy);
  ScreenLine line;
  // Deviations no larger than the rounding of Xt itself say nothing about
  // the line (the long double search may even find them all equal).
  const double noise = 1e-12 * maxAbs;
  if (!(Sxx > n * noise * noise) || !std::isfinite(Sxx) || !std::isfinite(Sxy)) return line;
  line.A = Sxy / Sxx;
  line.B = meanF - line.A * meanX;
  line.drawn = std::isfinite(line.A) && std::isfinite(line.B);
  return line;
}

QUARLIN_VECTOR_CLONES
double ScreenSumOfSquares(Link link, const double* Fc, const double* Xt, double A, double B, int n,
                          const ScreenMargin& margin, double limit) {
  switch (link) {
    case Link::Weibull:
      return SumOfSquares(Fc, Xt, n, margin, limit, LinkSquares<Link::Weibull>{A, B});
    case Link::MirroredWeibull:
      return SumOfSquares(Fc, Xt, n, margin, limit, LinkSquares<Link::MirroredWeibull>{A, B});
    case Link::Poisson:
      return SumOfSquares(Fc, Xt, n, margin, limit, LinkSquares<Link::Poisson>{A, B});
    case Link::MirroredPoisson:
      return SumOfSquares(Fc, Xt, n, margin, limit, LinkSquares<Link::MirroredPoisson>{A, B});
    default:
      return std::nan("");
  }
}

QUARLIN_VECTOR_CLONES
double ScreenGevSumOfSquares(const double* Fc, const double* Y, double K, double B, int n,
                             const ScreenMargin& margin, double limit) {
  return SumOfSquares(Fc, Y, n, margin, limit, GevSquares{K / B, -1.0 / K});
}

QUARLIN_VECTOR_CLONES
void ScreenLog1pScaled(const double* u, double scale, int n, double* Xt) {
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    const ScreenVec v = Load(u + i) * scale;
    const bool small = Largest(v) < kSmallLog1pAbove && Largest(-v) < kSmallLog1pBelow;
    Store(Xt + i, small ? ScreenLog1pSmall(v) : ScreenLog1p(v));
  }
  if (i < n) {
    const ScreenVec tail = ScreenLog1p(LoadTail(u + i, n - i, 0.0) * scale);
    for (int k = 0; k < n - i; ++k) Xt[i + k] = tail[k];
  }
}

QUARLIN_VECTOR_CLONES
ScreenLine ScreenRatioLine(const double* Xt, double meanF, double rise, int n) {
  ScreenVec sum{}, size{};
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    const ScreenVec x = Load(Xt + i);
    sum += x;
    size += Abs(x);
  }
  if (i < n) {
    const ScreenVec x = LoadTail(Xt + i, n - i, 0.0);
    sum += x;
    size += Abs(x);
  }
  const double meanX = Total(sum) / n;
  const double run = meanX - Xt[0];
  // Each Xt may be off by a few hundred units of its last place, and so may
  // the sum of up to 2500 of them: a run of at least 1% of their size keeps
  // the slope within about 1e-11 of itself.
  const double scale = Total(size) / n + std::fabs(Xt[0]);
  ScreenLine line;
  if (!(std::fabs(run) > 0.01 * scale) || !std::isfinite(scale)) return line;
  line.A = rise / run;
  line.B = meanF - line.A * meanX;
  line.drawn = std::isfinite(line.A) && std::isfinite(line.B);
  return line;
}

QUARLIN_VECTOR_CLONES
void ScreenLog1mExpScaled(const double* v, double scale, int n, double* Xt) {
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    const ScreenVec w = Load(v + i) * scale;
    // Once every e^w is small, Ln(1 - e^w) is one short series.
    const ScreenVec e = ScreenExp(w);
    bool small = true;
    for (int k = 0; k < kLanes; ++k) small &= e[k] < kSmallLog1pBelow;
    Store(Xt + i, small ? ScreenLog1pSmall(-e) : ScreenLog1mExp(w));
  }
  if (i < n) {
    const ScreenVec tail = ScreenLog1mExp(LoadTail(v + i, n - i, -1.0) * scale);
    for (int k = 0; k < n - i; ++k) Xt[i + k] = tail[k];
  }
}

}  // namespace quarlin
