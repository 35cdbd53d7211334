#include "engine/search/screen_kernels.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "engine/search/screen_math.h"

// Built once per vector width; the processor's own is picked at start-up.
// Clang checks how a vector would be passed to the helpers below before it
// inlines them, and refuses a 64-byte vector passed between a caller with
// 512-bit registers and a helper without; it builds the 256-bit and the
// plain copies only.
#if defined(__clang__)
#define QUARLIN_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define QUARLIN_VECTOR_CLONES \
  __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#endif
#define QUARLIN_INLINE [[gnu::always_inline]] inline

namespace quarlin {
namespace {

constexpr int kLanes = kScreenLanes;
constexpr int kBlock = 32;  // points summed between two looks at the limit

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
  static_assert(link == Link::MirroredPoisson || link == Link::Weibull ||
                link == Link::MirroredWeibull || link == Link::Poisson);
  return ScreenExp(-z);
}

// GuardedLinkF in double.
template <Link link>
QUARLIN_INLINE ScreenVec GuardedCurve(ScreenVec z) {
  if constexpr (link == Link::Gumbel || link == Link::MirroredGumbel) {
    z = z < -8.0 ? Splat(-8.0) : z;
    z = z > 8.0 ? Splat(8.0) : z;
    const ScreenVec F = ScreenExp(-ScreenExp(-z));
    if constexpr (link == Link::Gumbel) return F;
    return 1.0 - F;
  }
  if constexpr (link == Link::Logistic) return 1.0 / (1.0 + ScreenExp(z));
  static_assert(link == Link::Gumbel || link == Link::MirroredGumbel || link == Link::Logistic ||
                link == Link::Poisson || link == Link::MirroredPoisson);
  // A saturated exponent gives 8, a deviation that counts as 1.
  if constexpr (link == Link::MirroredPoisson) return -z >= 8.0 ? Splat(8.0) : ScreenExp(-z);
  return -z >= 8.0 ? Splat(8.0) : 1.0 - ScreenExp(-z);
}

QUARLIN_INLINE ScreenVec CappedSquare(ScreenVec d) {
  d = Abs(d);
  d = d > 1.0 ? Splat(1.0) : d;
  return d * d;
}

// The squared deviations of a guarded linked curve, capped at 1.
template <Link link>
struct GuardedLinkSquares {
  double A, B;
  QUARLIN_INLINE ScreenVec operator()(ScreenVec Fc, ScreenVec Xt) const {
    return CappedSquare(Fc - GuardedCurve<link>(A * Xt + B));
  }
};

// NormalCdfHastings in double, with its guards.
QUARLIN_INLINE ScreenVec NormalCurve(ScreenVec z) {
  const ScreenVec t = 1.0 / (1.0 + 0.23165 * z);
  const ScreenVec P = t * (0.31938 + t * (-0.35656 + t * (1.78148 + t * (-1.82126 + t * 1.33027))));
  const ScreenVec phi = ScreenExp(-z * z / 2.0) * (1.0 / 2.5066282746310002);
  const ScreenVec F = 1.0 - phi * P;
  const auto rejected = (P < 0.0) | (F < 0.0) | !(Abs(F) <= 1.7976931348623157e308);
  return rejected ? ScreenVec{} : F;
}

struct NormalSquares {
  double M, inverseS;
  bool capAtOne;
  QUARLIN_INLINE ScreenVec operator()(ScreenVec Fc, ScreenVec x) const {
    const ScreenVec d = Fc - NormalCurve((x - M) * inverseS);
    return capAtOne ? CappedSquare(d) : d * d;
  }
};

// GammaF in double. A term that underflows only makes the later ones
// smaller, so the series runs to its end without the early stop.
struct GammaSquares {
  double inverseTheta;
  int terms;
  QUARLIN_INLINE ScreenVec operator()(ScreenVec Fc, ScreenVec X) const {
    const ScreenVec x = X * inverseTheta;
    ScreenVec term = ScreenExp(-x);
    ScreenVec sum = terms > 0 ? term : ScreenVec{};
    for (int k = 1; k < terms; ++k) {
      term = term * x / static_cast<double>(k);
      sum += term;
    }
    return CappedSquare(Fc - (1.0 - sum));
  }
};

// The Laplace halves, with their exponent cap of 100.
struct HalfExpSquares {
  bool above;
  double A, B;
  QUARLIN_INLINE ScreenVec operator()(ScreenVec Fc, ScreenVec x) const {
    ScreenVec z = A * x + B;
    z = z > 100.0 ? Splat(100.0) : z;
    const ScreenVec half = 0.5 * ScreenExp(z);
    return CappedSquare(Fc - (above ? 1.0 - half : half));
  }
};

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
                                   const ScreenMargin& margin, double limit, Squares squares,
                                   double start = 0.0) {
  double ss = start;
  if (RuledOut(margin, ss, limit)) return ss;
  // The whole vectors in rounds of kBlock/kLanes, each round taking vectors
  // from across the array, so that the first rounds already span the data
  // and a poor trial is ruled out early.
  constexpr int kPerRound = kBlock / kLanes;
  const int vectors = n / kLanes;
  const int rounds = vectors / kPerRound;
  for (int r = 0; r < rounds; ++r) {
    ScreenVec lanes{};
    for (int k = 0; k < kPerRound; ++k) {
      const int i = (r + k * rounds) * kLanes;
      lanes += squares(Load(Fc + i), Load(Xt + i));
    }
    ss += Total(lanes);
    if (RuledOut(margin, ss, limit)) return ss;
  }
  ScreenVec lanes{};
  int i = rounds * kPerRound * kLanes;
  for (; i + kLanes <= n; i += kLanes) lanes += squares(Load(Fc + i), Load(Xt + i));
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
  // Deviations from the mean carry the rounding of Xt itself, about 1e-16
  // of its size; when they are below a thousandth of that size, the slope
  // may be out by more than the margin allows (and the long double search
  // may even find all Xt equal), so the trial is left to long double.
  const double floor = 1e-3 * maxAbs;
  if (!(Sxx > n * floor * floor) || !std::isfinite(Sxx) || !std::isfinite(Sxy)) return line;
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

QUARLIN_VECTOR_CLONES
double ScreenGuardedSumOfSquares(Link link, const double* Fc, const double* Xt, double A, double B,
                                 int n, const ScreenMargin& margin, double limit) {
  switch (link) {
    case Link::Gumbel:
      return SumOfSquares(Fc, Xt, n, margin, limit, GuardedLinkSquares<Link::Gumbel>{A, B});
    case Link::MirroredGumbel:
      return SumOfSquares(Fc, Xt, n, margin, limit, GuardedLinkSquares<Link::MirroredGumbel>{A, B});
    case Link::Logistic:
      return SumOfSquares(Fc, Xt, n, margin, limit, GuardedLinkSquares<Link::Logistic>{A, B});
    case Link::Poisson:
      return SumOfSquares(Fc, Xt, n, margin, limit, GuardedLinkSquares<Link::Poisson>{A, B});
    case Link::MirroredPoisson:
      return SumOfSquares(Fc, Xt, n, margin, limit,
                          GuardedLinkSquares<Link::MirroredPoisson>{A, B});
    default:
      return std::nan("");
  }
}

QUARLIN_VECTOR_CLONES
double ScreenNormalSumOfSquares(const double* Fc, const double* x, double M, double S, int n,
                                bool capAtOne, const ScreenMargin& margin, double limit) {
  return SumOfSquares(Fc, x, n, margin, limit, NormalSquares{M, 1.0 / S, capAtOne});
}

QUARLIN_VECTOR_CLONES
double ScreenGammaSumOfSquares(const double* Fc, const double* X, double theta, int terms, int n,
                               const ScreenMargin& margin, double limit) {
  return SumOfSquares(Fc, X, n, margin, limit, GammaSquares{1.0 / theta, terms});
}

QUARLIN_VECTOR_CLONES
double ScreenHalfExpSumOfSquares(bool above, const double* Fc, const double* x, double A, double B,
                                 int n, double start, const ScreenMargin& margin, double limit) {
  return SumOfSquares(Fc, x, n, margin, limit, HalfExpSquares{above, A, B}, start);
}

QUARLIN_VECTOR_CLONES
void ScreenExpScaled(const double* x, double scale, int n, double* out) {
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) Store(out + i, ScreenExp(Load(x + i) * scale));
  if (i < n) {
    const ScreenVec tail = ScreenExp(LoadTail(x + i, n - i, 0.0) * scale);
    for (int k = 0; k < n - i; ++k) out[i + k] = tail[k];
  }
}

QUARLIN_VECTOR_CLONES
void ScreenExpMinusOneScaled(const double* x, double scale, int n, double* out) {
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) Store(out + i, ScreenExp(Load(x + i) * scale) - 1.0);
  if (i < n) {
    const ScreenVec tail = ScreenExp(LoadTail(x + i, n - i, 0.0) * scale) - 1.0;
    for (int k = 0; k < n - i; ++k) out[i + k] = tail[k];
  }
}

QUARLIN_VECTOR_CLONES
double ScreenMean(const double* x, int n) {
  ScreenVec sum{};
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) sum += Load(x + i);
  if (i < n) sum += LoadTail(x + i, n - i, 0.0);
  return Total(sum) / n;
}

QUARLIN_VECTOR_CLONES
void ScreenBurrTransform(const double* powers, const double* inversePowers, const double* lnX,
                         double E, double kPowE, double lnKPowE, int n, double* Y, double* mirror) {
  // Beyond u = 64, Ln(1 + v) with v = 1/u <= 1/64 is its series to v^8:
  // the first omitted term is below 1e-17 of Ln u.
  constexpr double kLargeU = 64.0;
  const double inverseK = 1.0 / kPowE;
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    const ScreenVec u = Load(powers + i) * inverseK;
    const ScreenVec lnU = Load(lnX + i) * E - lnKPowE;
    bool large = true, small = true;
    for (int k = 0; k < kLanes; ++k) {
      large &= u[k] >= kLargeU;
      small &= u[k] < kSmallLog1pAbove && u[k] > -kSmallLog1pBelow;
    }
    if (large) {
      const ScreenVec v = Load(inversePowers + i) * kPowE;
      ScreenVec p = Splat(-1.0 / 8.0);
      p = p * v + 1.0 / 7.0;
      p = p * v - 1.0 / 6.0;
      p = p * v + 1.0 / 5.0;
      p = p * v - 1.0 / 4.0;
      p = p * v + 1.0 / 3.0;
      p = p * v - 1.0 / 2.0;
      p = p * v + 1.0;
      const ScreenVec overU = v * p;
      Store(Y + i, lnU + overU);
      if (mirror) Store(mirror + i, overU);
      continue;
    }
    // The rounding of 1 + u costs at most half a unit of it, about 1e-16
    // of Y's spread, which is all the screen needs.
    const ScreenVec y = small ? ScreenLog1pSmall(u) : ScreenLogAbsolute(1.0 + u);
    Store(Y + i, y);
    if (mirror) Store(mirror + i, y - lnU);
  }
  if (i < n) {
    const ScreenVec u = LoadTail(powers + i, n - i, 0.0) * inverseK;
    const ScreenVec y = ScreenLog1p(u);
    const ScreenVec lnU = LoadTail(lnX + i, n - i, 0.0) * E - lnKPowE;
    for (int k = 0; k < n - i; ++k) {
      Y[i + k] = y[k];
      if (mirror) mirror[i + k] = y[k] - lnU[k];
    }
  }
}

}  // namespace quarlin
