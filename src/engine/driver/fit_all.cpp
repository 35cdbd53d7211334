#include "engine/driver/fit_all.h"

#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue/composite_members.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/driver/choice.h"
#include "engine/driver/composite_eligibility.h"
#include "engine/driver/composite_order.h"
#include "engine/driver/parallel_fits.h"
#include "engine/fits/generalized_composite.h"
#include "engine/fits/normal_family.h"
#include "engine/fits/own_formula_fits.h"
#include "engine/fits/regression_members.h"
#include "engine/fits/simple_composite.h"
#include "engine/model/kernels.h"

namespace quarlin {
namespace {

// The order of fitting of a best-of-all run; 0 marks the place of the
// simple composites, 1 that of the generalised ones (only when wanted).
constexpr int kSimpleComposites = 0;
constexpr int kGeneralizedComposites = 1;
const std::vector<int> kFitOrder{kGeneralizedExponential,
                                 kGumbel,
                                 kMirroredGumbel,
                                 kSimpleExponential,
                                 kSimpleComposites,
                                 kBurr,
                                 kGeneralizedGompertz,
                                 kKumaraswamy,
                                 kDagum,
                                 kGeneralizedGumbel,
                                 kGeneralizedMirroredGumbel,
                                 kLogistic,
                                 kLogLogistic,
                                 kGeneralizedRayleigh,
                                 kGeneralizedLogistic,
                                 kLaplace,
                                 kGeneralizedLaplace,
                                 kGeneralizedComposites,
                                 kAdjustedFisk,
                                 kWeibull,
                                 kFrechet,
                                 kMirroredFrechet,
                                 kMirroredFisherTippett3,
                                 kFisherTippett3,
                                 kMirroredWeibull,
                                 kGamma,
                                 kStudentOneDf,
                                 kCauchy,
                                 kGeneralizedCauchy,
                                 kMirroredPoisson,
                                 kGev,
                                 kNormal,
                                 kNormalOptimized,
                                 kLogNormal,
                                 kLogNormalOptimized,
                                 kRootNormal,
                                 kSquareNormal,
                                 kGeneralizedNormal};

constexpr double kSpreadFactor = 1.28;

class Driver {
 public:
  Driver(const Sample& sample, const FitAllRequest& request, ProgressSink& progress,
         RankedList* list, const CandidateFits& fits)
      : s_(sample),
        request_(request),
        progress_(progress),
        list_(request.PrefCode == kBestOfAll ? list : nullptr),
        fits_(fits) {}

  FitAllOutcome RankAll() {
    for (int code : FitSequence(request_.CompositeWanted)) {
      if (request_.stop && *request_.stop) {
        FitAllOutcome cancelled;
        cancelled.Cancelled = true;
        return cancelled;
      }
      if (IsNormalFamily(code)) {
        FitNormalInSequence(code);
      } else {
        Fit(code);
      }
    }
    const Choice bestNonComposite = ChooseBestNonComposite(candidates_);
    Choice best = bestNonComposite;
    if (request_.CompositeWanted) best = ChooseComposite(best, bestNonComposite);
    outcome_.ChosenCode = best.code;
    outcome_.chosen = candidates_[best.code];
    // Nothing fitted at all (data at the edge of what a double holds).
    if (!outcome_.chosen.fitted) outcome_.ChosenCode = kNoDistribution;
    outcome_.spreadS = NormalSpread(kNormal);
    return outcome_;
  }

  FitAllOutcome FitPreferred(int code) {
    Fit(code);
    outcome_.ChosenCode = code == kStudentOneDf ? student_.Better().code : code;
    const auto it = candidates_.find(outcome_.ChosenCode);
    if (it == candidates_.end() || !it->second.fitted) {
      outcome_.ChosenCode = 0;
      return outcome_;
    }
    outcome_.chosen = it->second;
    if (IsNormalFamily(code)) outcome_.spreadS = it->second.params.normal.S;
    return outcome_;
  }

 private:
  // A composite replaces the best only when it beats both the best so far
  // and the best non-composite and leaves enough points beside its break.
  Choice ChooseComposite(Choice best, const Choice& bestNonComposite) {
    const auto consider = [&](int code) {
      const auto it = candidates_.find(code);
      if (it != candidates_.end() &&
          CompositeEligible(code, it->second, best.SAD, bestNonComposite.SAD, s_.N))
        best = {code, it->second.SAD};
    };
    for (int code : kSimpleCompositeOrder) consider(code);
    for (int code : kGeneralizedCompositeOrder) consider(code);
    return best;
  }

  // A code without a row, or one that nothing fits, is a program error:
  // RowOf and this throw rather than fit something else.
  void Fit(int code) {
    const DistributionRow& row = RowOf(code);
    switch (row.kind) {
      case DistributionKind::NormalMember:
        return FitNormal(row);
      case DistributionKind::SimpleComposite:
      case DistributionKind::GeneralizedComposite:
        return FitComposite(row);
      case DistributionKind::RegressionMember:
        return FitRegression(row);
      case DistributionKind::Student:
        return FitStudentPair();
      case DistributionKind::OwnFormulaFamily:
        return FitOwnFormula(row);
      case DistributionKind::NameOnly:
        break;
    }
    throw std::logic_error("code " + std::to_string(code) + " has no fit");
  }

  void ShowProgress(const DistributionRow& row) {
    for (std::string_view line : row.progressLines)
      if (!line.empty()) progress_.Line(std::string(line));
  }

  // A fit whose score is not a number (sums that overflowed or underflowed)
  // says nothing about the data: it is neither listed nor chosen.
  static void DropUnscored(FitResult& r) {
    if (r.fitted && !std::isfinite(static_cast<double>(r.SAD))) r.fitted = false;
  }

  void FitRegression(const DistributionRow& row) {
    const RegressionMember& m = *row.regression;
    FitResult r = fits_.Regression(s_, m);
    DropUnscored(r);
    ShowProgress(row);
    if (r.fitted) {
      const bool exponentOne = m.scale == Scale::Power && r.params.line.E == 1.0;
      if (!exponentOne) List(row.nameLine, r);
      if (exponentOne && m.exponentOneExcluded) r.SAD = kKeptOutOfChoiceSad;
      if (m.setsSpread) outcome_.spreadS = kSpreadFactor / r.params.line.A;
    }
    candidates_[m.code] = std::move(r);
  }

  void FitOwnFormula(const DistributionRow& row) {
    const int code = row.code;
    FitResult r = fits_.OwnFormula(s_, code);
    DropUnscored(r);
    for (const auto& line : r.extraProgress) progress_.Line(line);
    ShowProgress(row);
    if (r.fitted) {
      // Kumaraswamy searches its exponent with the guards of the E search, so
      // like those members it is not listed when the exponent falls back to 1.
      const bool exponentOne = code == kKumaraswamy && r.params.kumaraswamy.A == 1.0;
      if (!exponentOne) List(row.nameLine, r);
      if (code == kKumaraswamy) outcome_.spreadS = kSpreadFactor / r.params.kumaraswamy.B;
    }
    candidates_[code] = std::move(r);
  }

  void FitComposite(const DistributionRow& row) {
    FitResult r = fits_.Composite(s_, row.code);
    DropUnscored(r);
    ShowProgress(row);
    if (r.fitted) List(row.nameLine, r);
    candidates_[row.code] = std::move(r);
  }

  void FitStudentPair() {
    student_ = fits_.Student(s_);
    DropUnscored(student_.oneDf);
    DropUnscored(student_.twoDf);
    ShowProgress(RowOf(kStudentOneDf));
    const FitResult& better = student_.Better();
    if (better.fitted) List(RowOf(better.code).nameLine, better);
    candidates_[kStudentOneDf] = student_.oneDf;
    candidates_[kStudentTwoDf] = student_.twoDf;
  }

  void FitNormal(const DistributionRow& row) {
    const int code = row.code;
    NormalFit fit = fits_.Normal(s_, code);
    if (!fit.fitted || !std::isfinite(static_cast<double>(fit.SAD))) return;
    ShowProgress(row);
    const bool rankingAll = list_ != nullptr || request_.PrefCode == kBestOfAll;
    FitResult r;
    r.code = code;
    r.fitted = true;
    r.params.normal = fit.params;
    r.SAD = NormalSadSlot(fit, rankingAll);
    if (NormalHasListEntry(fit, rankingAll)) List(row.nameLine, fit.SAD);
    r.Fcalc = std::move(fit.Fcalc);
    candidates_[code] = std::move(r);
  }

  // The members of the normal family in the best-of-all sequence, with the
  // lines that the sequence shows between them.
  void FitNormalInSequence(int code) {
    FitNormal(RowOf(code));
    if (code == kLogNormal) progress_.Line(" Still working ......");
    if (code == kLogNormalOptimized && s_.N > 500) progress_.Line(" Progressing ......");
    if (code == kSquareNormal) progress_.Line(" Iterations ....");
    if (code == kGeneralizedNormal && s_.N > 200 && request_.FitStarted)
      progress_.Line(" Continuing .....");
  }

  double NormalSpread(int code) {
    const auto it = candidates_.find(code);
    return it == candidates_.end() ? 0.0 : it->second.params.normal.S;
  }

  void List(std::string_view nameLine, const FitResult& r) { List(nameLine, r.SAD); }
  void List(std::string_view nameLine, long double SAD) {
    if (list_) list_->Add(std::string(nameLine), AvAbsDiff(SAD, s_.N));
  }

  const Sample& s_;
  const FitAllRequest& request_;
  ProgressSink& progress_;
  RankedList* list_;
  const CandidateFits& fits_;
  std::map<int, FitResult> candidates_;
  StudentFits student_;
  FitAllOutcome outcome_;
};

// Whether the data vary at all: the line of the observed frequencies on the
// untransformed data must be drawable.
bool HasVariation(const Sample& s) {
  LineFit line;
  return RegressAll(s.X, s.Fc, s.N, line);
}

}  // namespace

FitResult CandidateFits::OwnFormula(const Sample& s, int code) const {
  return FitOwnFormulaFamily(s, code);
}

FitResult FitCompositeFamily(const Sample& sample, int code, SearchMode mode) {
  const auto shape = CompositeShapeOf(code);
  if (shape && shape->generalized) return FitGeneralizedComposite(sample, code, mode);
  return FitSimpleComposite(sample, code, mode);
}

std::vector<int> FitSequence(bool compositeWanted) {
  std::vector<int> codes;
  for (int step : kFitOrder) {
    if (step == kSimpleComposites) {
      if (compositeWanted)
        codes.insert(codes.end(), kSimpleCompositeOrder.begin(), kSimpleCompositeOrder.end());
    } else if (step == kGeneralizedComposites) {
      if (compositeWanted)
        codes.insert(codes.end(), kGeneralizedCompositeOrder.begin(),
                     kGeneralizedCompositeOrder.end());
    } else {
      codes.push_back(step);
    }
  }
  return codes;
}

int PreferredCode(const std::string& text) {
  if (text.empty() || text.size() > 2 ||
      text.find_first_not_of("0123456789") != std::string::npos || text[0] == '0')
    return kNoDistribution;
  const int number = std::stoi(text);
  for (const DistributionRow& row : AllRows())
    if (row.preferenceNumber == number) return row.code;
  return kNoDistribution;
}

FitAllOutcome FitAll(const Sample& sample, const FitAllRequest& request, ProgressSink& progress,
                     RankedList* list, const CandidateFits& fits) {
  FitAllOutcome stopped;
  if (!HasVariation(sample)) {
    stopped.StopRun = true;
    return stopped;
  }
  if (request.PrefCode == kBestOfAll) {
    const int threads = request.threads > 0 ? request.threads : DefaultFitThreads();
    if (threads > 1) {
      const ParallelFits ahead(fits, sample, FitSequence(request.CompositeWanted), threads);
      return Driver(sample, request, progress, list, ahead).RankAll();
    }
  }
  Driver driver(sample, request, progress, list, fits);
  if (request.PrefCode == kBestOfAll) return driver.RankAll();
  const int code = PreferredCode(request.PrefCode);
  if (code == kNoDistribution) return {};
  return driver.FitPreferred(code);
}

}  // namespace quarlin
