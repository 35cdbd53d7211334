#pragma once
// The double-precision loops that screen the trials of a search (see
// screened_search.h): transforms, least-squares lines and sums of squares
// over 0-based arrays of n points, built for whatever vector width the
// processor has.

#include "engine/model/links.h"
#include "engine/search/screened_search.h"

namespace quarlin {

struct ScreenLine {
  double A = 0, B = 0;
  bool drawn = false;  // false: too little variation in Xt to judge the line in double
};

// Least squares of Ft on Xt; Ft is given as its deviations from its mean
// `meanF`, which are the same for every trial.
ScreenLine ScreenRegress(const double* Xt, const double* FtDev, double meanF, int n);

// The sum of (Fc - LinkF(link, A*Xt + B))^2 with deviations capped at 1, in
// blocks; it stops once the partial sum is RuledOut against `limit`. For the
// Weibull, mirrored Weibull, Poisson and mirrored Poisson shapes.
double ScreenSumOfSquares(Link link, const double* Fc, const double* Xt, double A, double B, int n,
                          const ScreenMargin& margin, double limit);

// The sum of (Fc - F)^2 of the generalized extreme value law with shape K
// (not 0) and scale B over Y = X - location: F = exp(-(1 + c)^(-1/K)) with
// c = Y*K/B, and exp(-1) where 1 + c is not positive, as GevF has it. It
// stops as ScreenSumOfSquares does. NaN when a point lies so near the end of
// the support that double cannot tell on which side long double puts it.
double ScreenGevSumOfSquares(const double* Fc, const double* Y, double K, double B, int n,
                             const ScreenMargin& margin, double limit);

// Xt[i] = Ln(1 + u[i]*scale).
void ScreenLog1pScaled(const double* u, double scale, int n, double* Xt);

// The same with the guarded shapes the composites' searches use
// (GuardedLinkF): Gumbel, mirrored Gumbel, logistic, Poisson and mirrored
// Poisson.
double ScreenGuardedSumOfSquares(Link link, const double* Fc, const double* Xt, double A, double B,
                                 int n, const ScreenMargin& margin, double limit);

// The sum of (Fc - NormalCdfHastings((x - M)/S))^2, the same formula with
// the same guards; with `capAtOne` a deviation beyond 1 counts as 1.
double ScreenNormalSumOfSquares(const double* Fc, const double* x, double M, double S, int n,
                                bool capAtOne, const ScreenMargin& margin, double limit);

// The sum of (Fc - GammaF(X; theta, terms))^2: F = 1 - exp(-x) times the
// first `terms` terms of the series of exp(x), x = X/theta, deviations
// capped at 1.
double ScreenGammaSumOfSquares(const double* Fc, const double* X, double theta, int terms, int n,
                               const ScreenMargin& margin, double limit);

// `start` plus the sum of (Fc - F)^2 over the half-exponential curve of the
// Laplace laws, F = 0.5 exp(min(100, A*x + B)) below the location or
// F = 1 - 0.5 exp(min(100, A*x + B)) above it, deviations capped at 1.
double ScreenHalfExpSumOfSquares(bool above, const double* Fc, const double* x, double A, double B,
                                 int n, double start, const ScreenMargin& margin, double limit);

// out[i] = exp(scale*x[i]) - 1, for arguments where the difference keeps
// enough digits (its absolute error is that of exp).
void ScreenExpMinusOneScaled(const double* x, double scale, int n, double* out);

// Y[i] = Ln(1 + u), u = powers[i]/kPowE, for data in rank order (so that
// neighbours have like u): a vector of large u takes Ln u + Ln(1 + 1/u)
// with Ln u = E*lnX[i] - lnKPowE and 1/u = inversePowers[i]*kPowE, a vector
// of small u the short series, any other a table logarithm. With `mirror`
// also mirror[i] = Ln(1 + 1/u) = Y[i] - Ln u, the Dagum transform of the
// same trial, taken where it keeps its digits.
void ScreenBurrTransform(const double* powers, const double* inversePowers, const double* lnX,
                         double E, double kPowE, double lnKPowE, int n, double* Y,
                         double* mirror = nullptr);

// out[i] = exp(scale*x[i]).
void ScreenExpScaled(const double* x, double scale, int n, double* out);

// The mean of x[0..n-1].
double ScreenMean(const double* x, int n);

// The line through point 0 and the centroid of all n points; Ft is given by
// its mean `meanF` and `rise` = meanF - Ft[0], which are the same for every
// trial. Not drawn when the centroid lies so near point 0, measured against
// the size of the Xt, that the rounding of the Xt could move the slope by
// more than about 1e-11 of itself.
ScreenLine ScreenRatioLine(const double* Xt, double meanF, double rise, int n);

// Xt[i] = Ln(1 - exp(v[i]*scale)) for v[i]*scale < 0, keeping the precision
// of the result both where exp is near 1 and where it is tiny.
void ScreenLog1mExpScaled(const double* v, double scale, int n, double* Xt);

}  // namespace quarlin
