#include "engine/screen_kernels.h"

#include <cmath>
#include <cstring>

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
  static_assert(link == Link::MirroredPoisson || link == Link::Weibull ||
                link == Link::MirroredWeibull || link == Link::Poisson);
  return ScreenExp(-z);
}

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

// NormalCdfHastings in double.
QUARLIN_INLINE ScreenVec NormalCurve(ScreenVec z) {
  const ScreenVec t = 1.0 / (1.0 + 0.23165 * z);
  const ScreenVec P = t * (0.31938 + t * (-0.35656 + t * (1.78148 + t * (-1.82126 + t * 1.33027))));
  const ScreenVec phi = ScreenExp(-z * z / 2.0) * (1.0 / 2.5066282746310002);
  const ScreenVec F = 1.0 - phi * P;
  const auto rejected = (P < 0.0) | (F < 0.0) | !(Abs(F) <= 1.7976931348623157e308);
  return rejected ? ScreenVec{} : F;
}

QUARLIN_INLINE ScreenVec NormalSquares(ScreenVec Fc, ScreenVec x, double M, double inverseS,
                                       bool capAtOne) {
  ScreenVec d = Abs(Fc - NormalCurve((x - M) * inverseS));
  if (capAtOne) d = d > 1.0 ? Splat(1.0) : d;
  return d * d;
}

// GammaF in double. A term that underflows only makes the later ones
// smaller, so the series runs to its end without the early stop.
QUARLIN_INLINE ScreenVec GammaSquares(ScreenVec Fc, ScreenVec X, double inverseTheta, int terms) {
  const ScreenVec x = X * inverseTheta;
  ScreenVec term = ScreenExp(-x);
  ScreenVec sum = terms > 0 ? term : ScreenVec{};
  for (int k = 1; k < terms; ++k) {
    term = term * x / static_cast<double>(k);
    sum += term;
  }
  ScreenVec d = Abs(Fc - (1.0 - sum));
  d = d > 1.0 ? Splat(1.0) : d;
  return d * d;
}

QUARLIN_INLINE ScreenVec HalfExpSquares(bool above, ScreenVec Fc, ScreenVec x, double A, double B) {
  ScreenVec z = A * x + B;
  z = z > 100.0 ? Splat(100.0) : z;
  const ScreenVec half = 0.5 * ScreenExp(z);
  ScreenVec d = Abs(Fc - (above ? 1.0 - half : half));
  d = d > 1.0 ? Splat(1.0) : d;
  return d * d;
}

template <Link link, bool guarded>
QUARLIN_INLINE ScreenVec CurveOf(ScreenVec z) {
  if constexpr (guarded) {
    return GuardedCurve<link>(z);
  } else {
    return Curve<link>(z);
  }
}

template <Link link, bool guarded = false>
QUARLIN_INLINE ScreenVec Squares(ScreenVec Fc, ScreenVec Xt, double A, double B) {
  ScreenVec d = Abs(Fc - CurveOf<link, guarded>(A * Xt + B));
  d = d > 1.0 ? Splat(1.0) : d;
  return d * d;
}

template <Link link, bool guarded = false>
QUARLIN_INLINE double SumOfSquares(const double* Fc, const double* Xt, double A, double B, int n,
                                   const ScreenMargin& margin, double limit) {
  double ss = 0;
  ScreenVec lanes{};
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    lanes += Squares<link, guarded>(Load(Fc + i), Load(Xt + i), A, B);
    if ((i + kLanes) % kBlock == 0) {
      ss += Total(lanes);
      lanes = ScreenVec{};
      if (RuledOut(margin, ss, limit)) return ss;
    }
  }
  if (i < n) {
    const ScreenVec tail =
        Squares<link, guarded>(LoadTail(Fc + i, n - i, 0.0), LoadTail(Xt + i, n - i, 0.0), A, B);
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
      return SumOfSquares<Link::Weibull>(Fc, Xt, A, B, n, margin, limit);
    case Link::MirroredWeibull:
      return SumOfSquares<Link::MirroredWeibull>(Fc, Xt, A, B, n, margin, limit);
    case Link::Poisson:
      return SumOfSquares<Link::Poisson>(Fc, Xt, A, B, n, margin, limit);
    case Link::MirroredPoisson:
      return SumOfSquares<Link::MirroredPoisson>(Fc, Xt, A, B, n, margin, limit);
    default:
      return std::nan("");
  }
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
double ScreenGuardedSumOfSquares(Link link, const double* Fc, const double* Xt, double A, double B,
                                 int n, const ScreenMargin& margin, double limit) {
  switch (link) {
    case Link::Gumbel:
      return SumOfSquares<Link::Gumbel, true>(Fc, Xt, A, B, n, margin, limit);
    case Link::MirroredGumbel:
      return SumOfSquares<Link::MirroredGumbel, true>(Fc, Xt, A, B, n, margin, limit);
    case Link::Logistic:
      return SumOfSquares<Link::Logistic, true>(Fc, Xt, A, B, n, margin, limit);
    case Link::Poisson:
      return SumOfSquares<Link::Poisson, true>(Fc, Xt, A, B, n, margin, limit);
    case Link::MirroredPoisson:
      return SumOfSquares<Link::MirroredPoisson, true>(Fc, Xt, A, B, n, margin, limit);
    default:
      return std::nan("");
  }
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
double ScreenMean(const double* x, int n) {
  ScreenVec sum{};
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) sum += Load(x + i);
  if (i < n) sum += LoadTail(x + i, n - i, 0.0);
  return Total(sum) / n;
}

QUARLIN_VECTOR_CLONES
double ScreenNormalSumOfSquares(const double* Fc, const double* x, double M, double S, int n,
                                bool capAtOne, const ScreenMargin& margin, double limit) {
  const double inverseS = 1.0 / S;
  double ss = 0;
  ScreenVec lanes{};
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    lanes += NormalSquares(Load(Fc + i), Load(x + i), M, inverseS, capAtOne);
    if ((i + kLanes) % kBlock == 0) {
      ss += Total(lanes);
      lanes = ScreenVec{};
      if (RuledOut(margin, ss, limit)) return ss;
    }
  }
  if (i < n) {
    const ScreenVec tail = NormalSquares(LoadTail(Fc + i, n - i, 0.0), LoadTail(x + i, n - i, M), M,
                                         inverseS, capAtOne);
    for (int k = 0; k < n - i; ++k) lanes[k] += tail[k];
  }
  return ss + Total(lanes);
}

QUARLIN_VECTOR_CLONES
double ScreenGammaSumOfSquares(const double* Fc, const double* X, double theta, int terms, int n,
                               const ScreenMargin& margin, double limit) {
  const double inverseTheta = 1.0 / theta;
  double ss = 0;
  ScreenVec lanes{};
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    lanes += GammaSquares(Load(Fc + i), Load(X + i), inverseTheta, terms);
    if ((i + kLanes) % kBlock == 0) {
      ss += Total(lanes);
      lanes = ScreenVec{};
      if (RuledOut(margin, ss, limit)) return ss;
    }
  }
  if (i < n) {
    const ScreenVec tail = GammaSquares(LoadTail(Fc + i, n - i, 0.0), LoadTail(X + i, n - i, 0.0),
                                        inverseTheta, terms);
    for (int k = 0; k < n - i; ++k) lanes[k] += tail[k];
  }
  return ss + Total(lanes);
}

QUARLIN_VECTOR_CLONES
double ScreenHalfExpSumOfSquares(bool above, const double* Fc, const double* x, double A, double B,
                                 int n, double start, const ScreenMargin& margin, double limit) {
  double ss = start;
  if (RuledOut(margin, ss, limit)) return ss;
  ScreenVec lanes{};
  int i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    lanes += HalfExpSquares(above, Load(Fc + i), Load(x + i), A, B);
    if ((i + kLanes) % kBlock == 0) {
      ss += Total(lanes);
      lanes = ScreenVec{};
      if (RuledOut(margin, ss, limit)) return ss;
    }
  }
  if (i < n) {
    const ScreenVec tail =
        HalfExpSquares(above, LoadTail(Fc + i, n - i, 0.0), LoadTail(x + i, n - i, 0.0), A, B);
    for (int k = 0; k < n - i; ++k) lanes[k] += tail[k];
  }
  return ss + Total(lanes);
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

}  // namespace quarlin
