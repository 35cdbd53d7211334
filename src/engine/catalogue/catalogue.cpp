#include "engine/catalogue/catalogue.h"

#include "engine/catalogue/distribution_table.h"
#include "engine/catalogue/own_formulas.h"

namespace quarlin {

std::string ListName(int code) {
  const DistributionRow* row = FindRow(code);
  return row ? std::string(row->listName) : std::string();
}

bool HasFunction(int code) {
  const DistributionRow* row = FindRow(code);
  return row && row->HasFunction();
}

bool HasInverse(int code) {
  const DistributionRow* row = FindRow(code);
  return row && row->HasInverse();
}

std::optional<Predictor> LinePredictor(int code, const LinearParams& line) {
  const DistributionRow* row = FindRow(code);
  if (!row || !row->regression) return std::nullopt;
  return MemberLine(*row->regression, line);
}

void ApplyStoredGuards(int code, FittedParams& params) {
  if (code == kAdjustedFisk) params.fisk.B = GuardedFiskScale(params.fisk.B);
}

std::optional<Evaluation> Evaluate(int code, long double Y, const FittedParams& params,
                                   EvalSite site) {
  const DistributionRow* row = FindRow(code);
  if (!row || !row->HasFunction()) return std::nullopt;
  return row->forward(*row, Y, params, site);
}

std::optional<long double> Invert(int code, long double F, const FittedParams& params,
                                  Member member) {
  const DistributionRow* row = FindRow(code);
  if (!row || !row->HasInverse()) return std::nullopt;
  return row->inverse(*row, F, params, member);
}

}  // namespace quarlin
