#pragma once
// The fit-all driver: fits the candidates in their fixed order, shows a
// progress line after each, lists each in the ranked list and chooses the
// one with the smallest SAD; or fits the one preferred distribution alone.

#include <atomic>
#include <string>
#include <vector>

#include "engine/driver/ranked_list.h"
#include "engine/fits/normal_family.h"
#include "engine/fits/own_formula_fits.h"
#include "engine/fits/regression_members.h"
#include "engine/model/fit_result.h"
#include "engine/model/progress.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

// "1" ranks all distributions and chooses the best.
inline constexpr const char* kBestOfAll = "1";

struct FitAllRequest {
  std::string PrefCode = kBestOfAll;
  bool CompositeWanted = false;
  // Set by the run before the call: the first " Continuing ....." line of a
  // run depends on it.
  bool FitStarted = true;
  // Threads that fit the candidates of a best-of-all run ahead of the
  // driver; 0 takes one per processor, 1 fits each when its turn comes.
  int threads = 0;
  // Looked at before each candidate of a best-of-all run; once it is true
  // (it may be set from another thread) no further candidate is fitted.
  const std::atomic<bool>* stop = nullptr;
};

struct FitAllOutcome {
  // The data have no variation: nothing was fitted and nothing listed.
  bool StopRun = false;
  // The request's stop ended the fits early: nothing was chosen and the
  // list is incomplete.
  bool Cancelled = false;
  // 0 when the preference text names no distribution.
  int ChosenCode = 0;
  // The chosen candidate: its parameters, SAD and calculated frequencies.
  FitResult chosen;
  // The spread the report prints for code 4: 1.28/A of a preferred 4, 5, 36
  // or 51, S of a preferred normal member, S of code 20 after a choice.
  double spreadS = 0;
};

// Composite `code` of either kind: simple (7-18) or generalised (70-72, 74,
// 80-85). Not fitted for any other code.
FitResult FitCompositeFamily(const Sample& sample, int code, SearchMode mode = SearchMode::Fast);

// The fits the driver runs, one entry per kind. The driver only orders
// them, so tests can hand it fits of their own.
class CandidateFits {
 public:
  virtual ~CandidateFits() = default;
  virtual FitResult Regression(const Sample& s, const RegressionMember& m) const {
    return FitRegressionMember(s, m);
  }
  virtual FitResult OwnFormula(const Sample& s, int code) const;
  virtual StudentFits Student(const Sample& s) const { return FitStudent(s); }
  virtual NormalFit Normal(const Sample& s, int code) const { return FitNormalFamily(code, s); }
  virtual FitResult Composite(const Sample& s, int code) const {
    return FitCompositeFamily(s, code);
  }
  // Both fits of a pair that can share its work (59 with 33, 58 with 35,
  // 31 with 32; see FitPaired), for a caller that wants the two at once;
  // here taken one by one from OwnFormula.
  virtual PairedFits Paired(const Sample& s, int code) const {
    return {OwnFormula(s, code), OwnFormula(s, PairedCode(code))};
  }
};

// The fits a run makes: those above, with each pair fitted in one pass.
class ProductFits : public CandidateFits {
 public:
  PairedFits Paired(const Sample& s, int code) const override { return FitPaired(s, code); }
};

// `list` receives the entries of a best-of-all run (it may be null); the
// caller saves it unless the outcome says StopRun or Cancelled.
FitAllOutcome FitAll(const Sample& sample, const FitAllRequest& request, ProgressSink& progress,
                     RankedList* list, const CandidateFits& fits = ProductFits());

// The candidates of a best-of-all run in their order of fitting (62 stands
// for the Student pair).
std::vector<int> FitSequence(bool compositeWanted);

// The code a preference text selects ("39" -> 36, "62" -> 62 for the Student
// pair, "90" -> 74); 0 for texts that select nothing.
int PreferredCode(const std::string& prefCode);

}  // namespace quarlin
