#include "engine/fits/regression_members.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "engine/fits/normal_family.h"
#include "engine/model/kernels.h"
#include "engine/search/bounded_sum.h"
#include "engine/search/exponent_grid.h"
#include "engine/search/screen_kernels.h"
#include "engine/search/search_start.h"

namespace quarlin {
namespace {

// z of the line at Xt; code 6 has no intercept.
long double Predictor(const RegressionMember& m, const LineFit& line, long double Xt) {
  return m.ratioLine ? line.A * Xt : line.A * Xt + line.B;
}

void FillCalculated(const RegressionMember& m, const LineFit& line,
                    const std::vector<long double>& Xt, int N, std::vector<long double>& Fcalc,
                    bool final) {
  for (int i = 1; i <= N; ++i) {
    const long double z = Predictor(m, line, Xt[i]);
    Fcalc[i] = final ? FinalValue(m, z) : SearchValue(m, z);
  }
}

// Whether the screen has the member's curve.
bool Screenable(const RegressionMember& m) {
  return !m.ratioLine &&
         (m.link == Link::Gumbel || m.link == Link::MirroredGumbel || m.link == Link::Logistic ||
          m.link == Link::Poisson || m.link == Link::MirroredPoisson);
}

// The index (0-based, from trial 2) that SearchExponent's tables give, with
// the trials screened in double first.
int ScreenedExponentTrial(const Sample& s, const RegressionMember& m,
                          const std::vector<long double>& Ft, const std::vector<long double>& lnX,
                          std::vector<long double>& Xt) {
  const int N = s.N;
  std::vector<double> lnXs(N), Fc(N), FtDev(N), Xs(N);
  long double sumFt = 0;
  for (int i = 1; i <= N; ++i) sumFt += Ft[i];
  const long double meanFt = sumFt / N;
  for (int i = 1; i <= N; ++i) {
    lnXs[i - 1] = static_cast<double>(lnX[i]);
    Fc[i - 1] = static_cast<double>(s.Fc[i]);
    FtDev[i - 1] = static_cast<double>(Ft[i] - meanFt);
  }
  const ScreenMargin margin{N};
  const auto screen = [&](int t, double limit) {
    ScreenExpScaled(lnXs.data(), ExponentOfTrial(t + 2), N, Xs.data());
    const ScreenLine line = ScreenRegress(Xs.data(), FtDev.data(), static_cast<double>(meanFt), N);
    if (!line.drawn) return NotJudged();
    return ScreenedSS{
        ScreenGuardedSumOfSquares(m.link, Fc.data(), Xs.data(), line.A, line.B, N, margin, limit)};
  };
  const auto exact = [&](int t, long double bound) -> std::optional<long double> {
    const double E = ExponentOfTrial(t + 2);
    for (int i = 1; i <= N; ++i) Xt[i] = std::exp(E * lnX[i]);
    LineFit line;
    if (!RegressAll(Xt, Ft, N, line)) return std::nullopt;
    const BoundedSum sum =
        BoundedSumOfSquares(s.Fc, N, true, static_cast<double>(bound),
                            [&](int i) { return SearchValue(m, Predictor(m, line, Xt[i])); });
    return static_cast<double>(sum.SS);
  };
  return ScreenedSearch(kExponentTrials - 1, margin, kSearchStart, screen, exact).trial;
}

// The exponent with the smallest SS over trials 2..280 (the first trial
// only starts the search), after the exponent guards. A trial whose
// transformed values do not vary has no line and takes no part. Each trial
// is bounded by the smallest SS before it, so a losing one stops early.
double SearchExponent(const Sample& s, const RegressionMember& m,
                      const std::vector<long double>& Ft, std::vector<long double>& Xt,
                      SearchMode mode) {
  const int N = s.N;
  std::vector<long double> lnX(N + 1);
  for (int i = 1; i <= N; ++i) lnX[i] = std::log(s.X[i]);
  if (ExitsEarly(mode) && Screenable(m)) {
    const int best = ScreenedExponentTrial(s, m, Ft, lnX, Xt);
    return best < 0 ? 1.0 : GuardExponent(ExponentOfTrial(best + 2));
  }
  // Trial 1's SS takes no part in the choice, so it is not summed.
  std::array<double, kExponentTrials> ss{};
  ss[0] = std::numeric_limits<double>::infinity();
  double bound = kSearchStart;
  for (int k = 2; k <= kExponentTrials; ++k) {
    const double E = ExponentOfTrial(k);
    for (int i = 1; i <= N; ++i) Xt[i] = std::exp(E * lnX[i]);
    LineFit line;
    if (!RegressAll(Xt, Ft, N, line)) {
      ss[k - 1] = std::numeric_limits<double>::infinity();
      continue;
    }
    const BoundedSum sum = BoundedSumOfSquares(
        s.Fc, N, true, bound, [&](int i) { return SearchValue(m, Predictor(m, line, Xt[i])); },
        ExitsEarly(mode));
    ss[k - 1] = static_cast<double>(sum.SS);
    if (ss[k - 1] < bound) bound = ss[k - 1];
  }
  const int best = FirstMinimum(std::span<const double>(ss).subspan(1), kSearchStart);
  return best < 0 ? 1.0 : GuardExponent(ExponentOfTrial(best + 2));
}

}  // namespace

long double SearchValue(const RegressionMember& m, long double z) {
  return GuardedLinkF(m.link, z);
}

long double FinalValue(const RegressionMember& m, long double z) {
  if (!m.finalGuards) return SearchValue(m, z);
  // The search's saturation only caps a deviation; a point beyond it lies
  // far below 0 (or far above 1), so the raw value decides.
  const long double F = LinkF(m.link, z);
  if (F <= 0.0L) return 0.001L;
  if (F > 0.999L) return 0.999L;
  return F;
}

std::optional<RegressionMember> RegressionMemberOf(int code) {
  const DistributionRow* row = FindRow(code);
  return row ? row->regression : std::nullopt;
}

FitResult FitRegressionMember(const Sample& s, const RegressionMember& m, SearchMode mode) {
  const int N = s.N;
  FitResult result;
  result.code = m.code;
  std::vector<long double> Ft(N + 1), Xt(N + 1), Fcalc(N + 1);
  for (int i = 1; i <= N; ++i) Ft[i] = LinkFt(m.link, s.Fc[i]);

  const double E = m.scale == Scale::Power ? SearchExponent(s, m, Ft, Xt, mode) : 1.0;
  for (int i = 1; i <= N; ++i) Xt[i] = ScaledValue(m.scale, s.X[i], E);
  LineFit line;
  if (m.ratioLine) {
    RatioAll(Xt, Ft, N, line);
  } else if (!RegressAll(Xt, Ft, N, line)) {
    return result;
  }
  FillCalculated(m, line, Xt, N, Fcalc, true);
  result.fitted = true;
  result.params.line = {line.A, m.ratioLine ? 0.0 : line.B, E};
  result.SAD = SumOfAbsolute(s.Fc, Fcalc, N);
  result.Fcalc = std::move(Fcalc);
  return result;
}

}  // namespace quarlin
