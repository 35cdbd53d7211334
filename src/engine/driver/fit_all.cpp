#include "engine/driver/fit_all.h"

#include <map>
#include <vector>

#include "engine/catalogue/composite_members.h"
#include "engine/driver/choice.h"
#include "engine/driver/composite_eligibility.h"
#include "engine/driver/composite_listing.h"
#include "engine/driver/parallel_fits.h"
#include "engine/fits/generalized_composite.h"
#include "engine/fits/normal_family.h"
#include "engine/fits/regression_members.h"
#include "engine/fits/simple_composite.h"
#include "engine/fits/special_fits.h"
#include "engine/model/kernels.h"

namespace quarlin {
namespace {

// The order of fitting of a best-of-all run; 0 marks the place of the
// simple composites, 1 that of the generalised ones (only when wanted).
constexpr int kSimpleComposites = 0;
constexpr int kGeneralizedComposites = 1;
const std::vector<int> kFitOrder{3,
                                 4,
                                 5,
                                 6,
                                 kSimpleComposites,
                                 31,
                                 34,
                                 36,
                                 32,
                                 51,
                                 52,
                                 53,
                                 54,
                                 69,
                                 55,
                                 68,
                                 73,
                                 kGeneralizedComposites,
                                 56,
                                 57,
                                 58,
                                 35,
                                 33,
                                 59,
                                 60,
                                 61,
                                 62,
                                 64,
                                 65,
                                 66,
                                 67,
                                 20,
                                 21,
                                 22,
                                 23,
                                 24,
                                 25,
                                 26};

struct SpecialListing {
  int code;
  const char* nameLine;
  const char* progressLine;  // empty: the fit shows none
};

const std::vector<SpecialListing> kSpecialListings{
    {31, " Burr distribution generalized", " 31 done"},
    {32, " Dagum distribution generalized", " 32 done"},
    {33, " Fisher-Tippett type 3 mirrorered", " 33 done"},
    {34, " Gompertz distribution generalized", " 34 done"},
    {35, " Frechet (Fisher-Tippet Type 2) mirrored", " 59 done"},
    {36, " Kumaraswamy distribution", " 36 done"},
    {56, " Adjusted Fisk distribution", ""},
    {58, " Frechet (Fisher-Tippet Type 2) distribution", " 58 done"},
    {59, " Fisher-Tippett type 3 distribution", " progressing ..."},
    {61, " Gamma (Erlang) distribution", " Advancing ..."},
    {67, " GEV distribution", " 67 done"},
    {68, " Laplace distribution (standard)", " 68 done"},
    {69, " Generalized Rayleigh distribution", " 69 done ..."},
    {73, " Generalized Laplace distribution", " 73 done"},
};

const SpecialListing* SpecialListingOf(int code) {
  for (const auto& l : kSpecialListings)
    if (l.code == code) return &l;
  return nullptr;
}

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
      if (IsNormalFamilyCode(code)) {
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
    outcome_.spreadS = NormalSpread(20);
    return outcome_;
  }

  FitAllOutcome FitPreferred(int code) {
    Fit(code);
    outcome_.ChosenCode = code == 62 ? student_.Better().code : code;
    const auto it = candidates_.find(outcome_.ChosenCode);
    if (it == candidates_.end() || !it->second.fitted) {
      outcome_.ChosenCode = 0;
      return outcome_;
    }
    outcome_.chosen = it->second;
    if (IsNormalFamilyCode(code)) outcome_.spreadS = it->second.params.normal.S;
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

  void Fit(int code) {
    if (IsNormalFamilyCode(code)) return FitNormal(code);
    if (IsComposite(code)) return FitComposite(code);
    if (const auto member = RegressionMemberOf(code)) return FitRegression(*member);
    if (code == 62) return FitStudentPair();
    FitSpecial(code);
  }

  void FitRegression(const RegressionMember& m) {
    FitResult r = fits_.Regression(s_, m);
    progress_.Line(m.progressLine);
    if (r.fitted) {
      const bool exponentOne = m.scale == Scale::Power && r.params.line.E == 1.0;
      if (!exponentOne) List(m.listName, r);
      if (exponentOne && m.exponentOneExcluded) r.SAD = kKeptOutOfChoiceSad;
      if (m.setsSpread) outcome_.spreadS = kSpreadFactor / r.params.line.A;
    }
    candidates_[m.code] = std::move(r);
  }

  void FitSpecial(int code) {
    FitResult r = fits_.Special(s_, code);
    for (const auto& line : r.extraProgress) progress_.Line(line);
    const SpecialListing& listing = *SpecialListingOf(code);
    if (*listing.progressLine) progress_.Line(listing.progressLine);
    if (r.fitted) {
      // Kumaraswamy searches its exponent with the guards of the E search, so
      // like those members it is not listed when the exponent falls back to 1.
      const bool exponentOne = code == 36 && r.params.kumaraswamy.A == 1.0;
      if (!exponentOne) List(listing.nameLine, r);
      if (code == 36) outcome_.spreadS = kSpreadFactor / r.params.kumaraswamy.B;
    }
    candidates_[code] = std::move(r);
  }

  void FitComposite(int code) {
    FitResult r = fits_.Composite(s_, code);
    const CompositeListing& listing = CompositeListingOf(code);
    for (const auto& line : listing.progressLines) progress_.Line(line);
    if (r.fitted) List(listing.nameLine, r);
    candidates_[code] = std::move(r);
  }

  void FitStudentPair() {
    student_ = fits_.Student(s_);
    progress_.Line(" 62 done");
    const FitResult& better = student_.Better();
    if (better.fitted)
      List(better.code == 62 ? " Student distribution with 1 d.f."
                             : " Student distribution with 2 d.f.",
           better);
    candidates_[62] = student_.oneDf;
    candidates_[63] = student_.twoDf;
  }

  void FitNormal(int code) {
    NormalFit fit = fits_.Normal(s_, code);
    if (!fit.fitted) return;
    progress_.Line(NormalProgressLine(code));
    const bool rankingAll = list_ != nullptr || request_.PrefCode == kBestOfAll;
    FitResult r;
    r.code = code;
    r.fitted = true;
    r.params.normal = fit.params;
    r.SAD = NormalSadSlot(fit, rankingAll);
    if (NormalHasListEntry(fit, rankingAll)) List(NormalListName(code), fit.SAD);
    r.Fcalc = std::move(fit.Fcalc);
    candidates_[code] = std::move(r);
  }

  // The members of the normal family in the best-of-all sequence, with the
  // lines that the sequence shows between them.
  void FitNormalInSequence(int code) {
    FitNormal(code);
    if (code == 22) progress_.Line(" Still working ......");
    if (code == 23 && s_.N > 500) progress_.Line(" Progressing ......");
    if (code == 25) progress_.Line(" Iterations ....");
    if (code == 26 && s_.N > 200 && request_.FitStarted) progress_.Line(" Continuing .....");
  }

  double NormalSpread(int code) {
    const auto it = candidates_.find(code);
    return it == candidates_.end() ? 0.0 : it->second.params.normal.S;
  }

  void List(const std::string& nameLine, const FitResult& r) { List(nameLine, r.SAD); }
  void List(const std::string& nameLine, long double SAD) {
    if (list_) list_->Add(nameLine, AvAbsDiff(SAD, s_.N));
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

FitResult CandidateFits::Special(const Sample& s, int code) const {
  return FitSpecialFamily(s, code);
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
  static const std::map<std::string, int> kSpecial{{"39", 36}, {"62", 62}, {"90", 74}};
  if (const auto it = kSpecial.find(text); it != kSpecial.end()) return it->second;
  const std::vector<std::pair<int, int>> ranges{{3, 18},  {20, 26}, {31, 35},
                                                {51, 61}, {64, 73}, {80, 85}};
  if (text.empty() || text.size() > 2 ||
      text.find_first_not_of("0123456789") != std::string::npos || text[0] == '0')
    return 0;
  const int code = std::stoi(text);
  for (const auto& [low, high] : ranges)
    if (code >= low && code <= high) return code;
  return 0;
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
  if (code == 0) return {};
  return driver.FitPreferred(code);
}

}  // namespace quarlin
