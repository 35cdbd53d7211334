#pragma once
// The engine variable Y against data units. Positive data are not moved (C
// is then 0.0001); data with a negative minimum m were moved up by
// -m + 0.0001 (C = m); after a left shift they were moved down by C.

namespace quarlin {

// The shift constant C of positive data, and how far above 0 data with a
// negative minimum were moved. The slot C is a double; the conversions work
// in long double with this very value.
inline constexpr long double kPositiveShift = 0.0001L;

// Every number a report prints in X goes through here, whichever way the
// data were moved.
inline long double DataUnits(long double Y, double C, bool HighShift) {
  if (HighShift) return Y + C;
  if (C < 0) return Y + C - kPositiveShift;
  return Y;
}

inline long double EngineUnits(long double x, double C, bool HighShift) {
  if (HighShift) return x - C;
  if (C < 0) return x - C + kPositiveShift;
  return x;
}

}  // namespace quarlin
