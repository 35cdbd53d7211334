#pragma once
// Exponential and logarithm in double precision on whole vectors of eight
// values, written with the compiler's vector types and without branches, so
// that they run as vector instructions of whatever width the processor
// has. The searches use them only to screen trials: every trial that could
// win is computed again in long double, so these need to be accurate to
// about 1e-14, well inside the screens' margins, not correctly rounded.
//
// Domain: ScreenExp takes any argument (below -708 it gives about 3e-308
// instead of 0, above 709 about 8e307 instead of infinity; both are as good
// as their limits for a frequency; NaN stays NaN), and so does ScreenExpm1.
// ScreenLog takes positive normal numbers; 0 gives -infinity and anything
// else outside the domain gives NaN, which makes the trial one that is
// computed in full.

#include <cstdint>
#include <limits>

namespace quarlin {

// Every function here is inlined into the vector loop that calls it, built
// for that loop's processor. An out-of-line copy would be built for the
// plainest processor, and a 64-byte vector passed between the two would be
// passed differently on either side.
#define QUARLIN_SCREEN_INLINE [[gnu::always_inline]] inline

inline constexpr int kScreenLanes = 8;
using ScreenVec = double __attribute__((vector_size(kScreenLanes * sizeof(double))));
using ScreenBits = std::int64_t __attribute__((vector_size(kScreenLanes * sizeof(double))));

QUARLIN_SCREEN_INLINE ScreenVec Splat(double x) {
  return ScreenVec{} + x;
}

// Lane k of the result is entry index[k] (0 to 15) of the table made of
// `low` then `high`. Clang's shuffle takes constant indices only, so it
// picks lane by lane; GCC's takes them at run time.
QUARLIN_SCREEN_INLINE ScreenVec PickLanes(ScreenVec low, ScreenVec high, ScreenBits index) {
#if defined(__clang__)
  ScreenVec picked{};
  for (int k = 0; k < kScreenLanes; ++k) {
    const int entry = static_cast<int>(index[k] & 15);
    picked[k] = entry < kScreenLanes ? low[entry] : high[entry - kScreenLanes];
  }
  return picked;
#else
  return __builtin_shuffle(low, high, index);
#endif
}

QUARLIN_SCREEN_INLINE ScreenVec ScreenExp(ScreenVec x) {
  constexpr double kLog2e = 1.4426950408889634;
  constexpr double kLn2Hi = 6.93147180369123816490e-01;
  constexpr double kLn2Lo = 1.90821492927058770002e-10;
  constexpr double kShifter = 6755399441055744.0;  // 1.5 * 2^52: rounds to an integer
  x = x < -708.0 ? Splat(-708.0) : x;
  x = x > 709.0 ? Splat(709.0) : x;
  const ScreenVec t = x * kLog2e + kShifter;
  const ScreenVec k = t - kShifter;
  const ScreenVec r = (x - k * kLn2Hi) - k * kLn2Lo;  // |r| <= 0.35
  // Taylor series of e^r to r^11: the first omitted term is below 7e-15
  // of the value, far inside what the screens' margins allow for.
  ScreenVec p = Splat(1.0 / 39916800.0);
  p = p * r + 1.0 / 3628800.0;
  p = p * r + 1.0 / 362880.0;
  p = p * r + 1.0 / 40320.0;
  p = p * r + 1.0 / 5040.0;
  p = p * r + 1.0 / 720.0;
  p = p * r + 1.0 / 120.0;
  p = p * r + 1.0 / 24.0;
  p = p * r + 1.0 / 6.0;
  p = p * r + 0.5;
  p = p * r + 1.0;
  p = p * r + 1.0;
  // The low bits of t hold k + 1.5 * 2^52; moved into the exponent field
  // they make 2^k.
  const ScreenBits n = (ScreenBits)t - 0x4338000000000000LL;
  const ScreenBits scaleBits = (n + 1023) << 52;
  return p * (ScreenVec)scaleBits;
}

// e^w - 1 for |w| < kSmallExpm1, by its series to w^14: the first omitted
// term is below 3e-19 of the value.
inline constexpr double kSmallExpm1 = 0.35;

QUARLIN_SCREEN_INLINE ScreenVec ScreenExpm1Small(ScreenVec w) {
  ScreenVec p = Splat(1.0 / 87178291200.0);
  p = p * w + 1.0 / 6227020800.0;
  p = p * w + 1.0 / 479001600.0;
  p = p * w + 1.0 / 39916800.0;
  p = p * w + 1.0 / 3628800.0;
  p = p * w + 1.0 / 362880.0;
  p = p * w + 1.0 / 40320.0;
  p = p * w + 1.0 / 5040.0;
  p = p * w + 1.0 / 720.0;
  p = p * w + 1.0 / 120.0;
  p = p * w + 1.0 / 24.0;
  p = p * w + 1.0 / 6.0;
  p = p * w + 0.5;
  p = p * w + 1.0;
  return p * w;
}

// e^w - 1, accurate also for small w. Beyond the series' range e^w is at
// least 0.35 away from 1, so subtracting 1 costs at most a few units of
// the last place.
QUARLIN_SCREEN_INLINE ScreenVec ScreenExpm1(ScreenVec w) {
  const auto small = (w < kSmallExpm1) & (w > -kSmallExpm1);
  return small ? ScreenExpm1Small(w) : ScreenExp(w) - 1.0;
}

// 2 atanh(s), |s| < 0.172, by its series to s^17: the first omitted term
// is below 1e-15 of the value.
QUARLIN_SCREEN_INLINE ScreenVec TwiceAtanh(ScreenVec s) {
  const ScreenVec s2 = s * s;
  ScreenVec p = Splat(1.0 / 17.0);
  p = p * s2 + 1.0 / 15.0;
  p = p * s2 + 1.0 / 13.0;
  p = p * s2 + 1.0 / 11.0;
  p = p * s2 + 1.0 / 9.0;
  p = p * s2 + 1.0 / 7.0;
  p = p * s2 + 1.0 / 5.0;
  p = p * s2 + 1.0 / 3.0;
  return 2.0 * s + 2.0 * s * s2 * p;
}

QUARLIN_SCREEN_INLINE ScreenVec ScreenLog(ScreenVec x) {
  constexpr double kLn2Hi = 6.93147180369123816490e-01;
  constexpr double kLn2Lo = 1.90821492927058770002e-10;
  constexpr std::int64_t kMantissa = (std::int64_t{1} << 52) - 1;
  constexpr std::int64_t kOne = std::int64_t{1023} << 52;
  constexpr std::int64_t kMagic = std::int64_t{0x433} << 52;  // 2^52
  const ScreenBits bits = (ScreenBits)x;
  const ScreenBits mantissaBits = (bits & kMantissa) | kOne;
  ScreenVec m = (ScreenVec)mantissaBits;  // [1, 2)
  // The biased exponent field as a double, by the same shifting trick.
  const ScreenBits exponentBits = ((bits >> 52) & 0x7ff) | kMagic;
  ScreenVec k = (ScreenVec)exponentBits - (4503599627370496.0 + 1023.0);
  const auto high = m > 1.4142135623730951;
  m = high ? m * 0.5 : m;
  k = high ? k + 1.0 : k;
  // Ln m = 2 atanh(s), s = (m-1)/(m+1), |s| < 0.172.
  const ScreenVec value = (k * kLn2Hi + TwiceAtanh((m - 1.0) / (m + 1.0))) + k * kLn2Lo;
  const auto normal =
      (x >= std::numeric_limits<double>::min()) & (x <= std::numeric_limits<double>::max());
  const ScreenVec outside = x == 0.0 ? Splat(-std::numeric_limits<double>::infinity())
                                     : Splat(std::numeric_limits<double>::quiet_NaN());
  return normal ? value : outside;
}

// Ln x to within about 2e-16 in absolute terms (not relative: near x = 1
// the value itself is small), without a division: the leading four bits of
// the mantissa pick c from a table, and Ln m = Ln c + Ln(1 + r), r = m/c - 1,
// |r| < 0.031, by its series to r^10. For positive normal x; the callers
// keep to that domain.
QUARLIN_SCREEN_INLINE ScreenVec ScreenLogAbsolute(ScreenVec x) {
  constexpr double kLn2 = 0.6931471805599453;
  constexpr std::int64_t kMantissa = (std::int64_t{1} << 52) - 1;
  constexpr std::int64_t kOne = std::int64_t{1023} << 52;
  constexpr std::int64_t kMagic = std::int64_t{0x433} << 52;  // 2^52
  // 1/c for c = 1 + j/16 + 1/32, and Ln c taken as -Ln of that double.
  const ScreenVec inverseLow{0.9696969696969697, 0.9142857142857143, 0.8648648648648649,
                             0.8205128205128205, 0.7804878048780488, 0.7441860465116279,
                             0.7111111111111111, 0.6808510638297872};
  const ScreenVec inverseHigh{0.6530612244897959, 0.6274509803921569, 0.6037735849056604,
                              0.5818181818181818, 0.5614035087719298, 0.5423728813559322,
                              0.5245901639344263, 0.5079365079365079};
  const ScreenVec lnLow{0.03077165866675366, 0.08961215868968717, 0.14518200984449783,
                        0.19782574332991992, 0.2478361639045812,  0.2954642128938359,
                        0.3409265869705932,  0.38441169891033206};
  const ScreenVec lnHigh{0.42608439531090014, 0.46608972992459924, 0.5045560107523953,
                         0.5415972824327444,  0.5773153650348236,  0.6118015411059929,
                         0.6451379613735847,  0.6773988235918061};
  const ScreenBits bits = (ScreenBits)x;
  const ScreenBits mantissaBits = (bits & kMantissa) | kOne;
  const ScreenVec m = (ScreenVec)mantissaBits;  // [1, 2)
  const ScreenBits exponentBits = ((bits >> 52) & 0x7ff) | kMagic;
  const ScreenVec k = (ScreenVec)exponentBits - (4503599627370496.0 + 1023.0);
  const ScreenBits j = (bits >> 48) & 15;
  const ScreenVec r = m * PickLanes(inverseLow, inverseHigh, j) - 1.0;
  ScreenVec p = Splat(-1.0 / 10.0);
  p = p * r + 1.0 / 9.0;
  p = p * r - 1.0 / 8.0;
  p = p * r + 1.0 / 7.0;
  p = p * r - 1.0 / 6.0;
  p = p * r + 1.0 / 5.0;
  p = p * r - 1.0 / 4.0;
  p = p * r + 1.0 / 3.0;
  p = p * r - 1.0 / 2.0;
  p = p * r + 1.0;
  return k * kLn2 + (PickLanes(lnLow, lnHigh, j) + r * p);
}

// Ln(1 + u), accurate also for small u: the rounding error of w = 1 + u is
// taken back as a first-order correction, lost/w. That correction is at
// most half a unit of w, so 1/w needs no precision: 2 - w stands in for it
// where w < 2, and beyond, where the correction is below a unit in the last
// place of Ln w, it is left out.
QUARLIN_SCREEN_INLINE ScreenVec ScreenLog1p(ScreenVec u) {
  const ScreenVec w = 1.0 + u;
  const ScreenVec lost = (w - 1.0) - u;
  const ScreenVec inverse = w < 2.0 ? 2.0 - w : ScreenVec{};
  return ScreenLog(w) - lost * inverse;
}

// Ln(1 + u) for -kSmallLog1pBelow < u < kSmallLog1pAbove, where
// 2 atanh(u/(2+u)) converges as fast as ScreenLog's own series, with one
// division instead of two.
inline constexpr double kSmallLog1pAbove = 0.41;
inline constexpr double kSmallLog1pBelow = 0.29;

QUARLIN_SCREEN_INLINE ScreenVec ScreenLog1pSmall(ScreenVec u) {
  return TwiceAtanh(u / (2.0 + u));
}

// Ln(1 - e^w) for w < 0, accurate both where e^w is near 1 and where it is
// tiny. Near 0 it is Ln(-(e^w - 1)); below -Ln 2, Ln(1 + u) of u = -e^w with
// the rounding of 1 + u taken back, as ScreenLog1p does. From 0 up it gives
// -infinity or NaN.
QUARLIN_SCREEN_INLINE ScreenVec ScreenLog1mExp(ScreenVec w) {
  constexpr double kLn2 = 0.6931471805599453;
  const ScreenVec e = ScreenExp(w);
  const auto small = (w < kSmallExpm1) & (w > -kSmallExpm1);
  const ScreenVec em1 = small ? ScreenExpm1Small(w) : e - 1.0;
  const auto far = w < -kLn2;
  const ScreenVec q = far ? 1.0 - e : -em1;
  const ScreenVec lost = far ? (q - 1.0) + e : Splat(0.0);
  return ScreenLog(q) - lost / q;
}

}  // namespace quarlin
