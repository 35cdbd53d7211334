#include "engine/analysis/x_confidence.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/analysis/report_analysis.h"
#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/codes.h"
#include "engine/catalogue/composite_members.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/catalogue/normal_variable.h"
#include "engine/model/normal_cdf.h"
#include "engine/model/real_power.h"
#include "engine/model/shift_units.h"

namespace quarlin {
namespace {

constexpr int kGridSteps = 10000;
constexpr double kGridDivisor = 1000;

// The normal family's inverse by search. The Hastings form is not monotone
// everywhere, so the first grid point above a target is found through the
// running maximum of the frequencies, which is.
class NormalGrid {
 public:
  NormalGrid(int code, const NormalParams& p, double top) : code_(code), E_(p.E), top_(top) {
    runningMax_.resize(kGridSteps + 1);
    long double highest = -1;
    for (int a = 1; a <= kGridSteps; ++a) {
      const long double F = NormalCdfHastings((GridValue(a) - p.M) / p.S);
      if (F > highest) highest = F;
      runningMax_[a] = highest;
    }
  }

  std::optional<long double> Inverse(long double F) const {
    const auto first = std::upper_bound(runningMax_.begin() + 1, runningMax_.end(), F);
    const double x =
        first == runningMax_.end() ? 10 * top_ : GridValue(int(first - runningMax_.begin()));
    const auto Y = NormalVariableInverse(code_, x, E_);
    if (!Y || !(*Y > 0)) return std::nullopt;
    return Y;
  }

 private:
  double GridValue(int a) const { return a * top_ / kGridDivisor; }

  int code_;
  double E_;
  double top_;
  std::vector<long double> runningMax_;
};

// The printed frequencies as fractions strictly inside (0, 1).
struct Targets {
  long double Fk, Fl, Fu;
};

long double Inside(double percent, long double atOrAboveOne, long double atOrBelowZero) {
  const long double F = percent / 100.0L;
  if (F >= 1) return atOrAboveOne;
  if (F <= 0) return atOrBelowZero;
  return F;
}

Targets TargetsOf(const ObservationRow& row) {
  return {Inside(row.Fk, 0.9998L, 0.0002L), Inside(row.Lower, 0.9997L, 0.0003L),
          Inside(row.Upper, 0.9999L, 0.0001L)};
}

// A slope of 0 would leave the inverses without a value.
void GuardSharedSlope(FittedParams& p) {
  constexpr double kSmallest = 1e-13;
  for (double* A : {&p.line.A, &p.bound.A, &p.fisk.A})
    if (std::fabs(*A) < kSmallest) *A = kSmallest;
}

// Code 61 has no inverse: a band of 10% around the observation stands in.
void GammaLimits(XLimitRow& x) {
  const double X = static_cast<double>(x.X);
  x.CalcX = X;
  x.LowerX = X - 0.1 * std::fabs(X);
  x.UpperX = X + 0.1 * std::fabs(X);
}

void KeepNonDecreasing(std::vector<XLimitRow>& rows) {
  for (size_t i = 1; i < rows.size(); ++i) {
    rows[i].UpperX = std::max(rows[i].UpperX, rows[i - 1].UpperX);
    rows[i].LowerX = std::max(rows[i].LowerX, rows[i - 1].LowerX);
  }
}

}  // namespace

double NormalGridTop(int code, std::span<const ObservationRow> rows, double E, Shift shift) {
  double Xmax = 0, Xmin = 10000000;
  for (const ObservationRow& row : rows) {
    const double X = static_cast<double>(EngineUnits(row.X, shift.C, shift.HighShift));
    Xmax = std::max(Xmax, X);
    Xmin = std::min(Xmin, X);
  }
  return static_cast<double>(NormalVariable(code, Xmax + 0.05 * (Xmax - Xmin), E));
}

std::optional<long double> NormalGridInverse(int code, long double F, const NormalParams& p,
                                             double top) {
  return NormalGrid(code, p, top).Inverse(F);
}

XConfidence ComputeXConfidence(std::span<const ObservationRow> rows, int code,
                               const FittedParams& params, Shift shift) {
  XConfidence out;
  out.smallestDatumNegative = shift.C < 0;
  if (rows.empty()) return out;
  out.dX = XDecimals(rows.back().X);
  FittedParams p = params;
  GuardSharedSlope(p);
  std::optional<NormalGrid> grid;
  if (IsNormalFamily(code))
    grid.emplace(code, p.normal, NormalGridTop(code, rows, p.normal.E, shift));

  const double lowestFallback = shift.C < 0 ? 1.1 * shift.C : 0.0;
  for (size_t i = 0; i < rows.size(); ++i) {
    XLimitRow x{rows[i].X, rows[i].serial};
    if (code == kGamma) {
      GammaLimits(x);
      out.rows.push_back(x);
      continue;
    }
    const Member member = MemberAtRank(int(i) + 1, p.composite.K);
    const auto inverse = [&](long double F, double fallback) {
      const auto Y = grid ? grid->Inverse(F) : Invert(code, F, p, member);
      return Y ? static_cast<double>(DataUnits(*Y, shift.C, shift.HighShift)) : fallback;
    };
    const Targets t = TargetsOf(rows[i]);
    const double X = static_cast<double>(x.X);
    x.CalcX = inverse(t.Fk, X);
    x.LowerX = inverse(t.Fl, lowestFallback);
    x.UpperX = inverse(t.Fu, X);
    out.rows.push_back(x);
  }
  KeepNonDecreasing(out.rows);
  out.RX = EfficiencyRX(out.rows);
  return out;
}

PrintedXLimits XLimitsAsPrinted(const XLimitRow& row, bool smallestDatumNegative) {
  PrintedXLimits printed{row.LowerX, row.UpperX};
  if (printed.LowerX < 0 && !smallestDatumNegative) printed.LowerX = 0;
  if (printed.UpperX <= row.CalcX) printed.UpperX = row.CalcX + 0.01 * std::fabs(row.CalcX);
  return printed;
}

double EfficiencyRX(std::span<const XLimitRow> rows) {
  if (rows.empty()) return 0;
  long double sum = 0;
  for (const XLimitRow& row : rows) sum += row.X;
  const long double mean = sum / rows.size();
  long double SSres = 0, SStot = 0;
  for (const XLimitRow& row : rows) {
    SSres += (row.X - row.CalcX) * (row.X - row.CalcX);
    SStot += (row.X - mean) * (row.X - mean);
  }
  if (!(SStot > 0) || !(SSres < SStot)) return 0;
  return std::min(static_cast<double>(std::sqrt(1 - SSres / SStot)), 0.99999);
}

}  // namespace quarlin
