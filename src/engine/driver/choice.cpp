#include "engine/driver/choice.h"

#include <array>

#include "engine/catalogue/codes.h"
#include "engine/catalogue/distribution_table.h"

namespace quarlin {
namespace {

// The order of the choice; earlier candidates win equal SADs.
constexpr std::array kCandidateOrder{kNormalOptimized,
                                     kLogNormal,
                                     kLogNormalOptimized,
                                     kRootNormal,
                                     kSquareNormal,
                                     kGeneralizedNormal,
                                     kGeneralizedExponential,
                                     kGumbel,
                                     kMirroredGumbel,
                                     kSimpleExponential,
                                     kBurr,
                                     kDagum,
                                     kGeneralizedGompertz,
                                     kKumaraswamy,
                                     kGeneralizedGumbel,
                                     kGeneralizedMirroredGumbel,
                                     kLogistic,
                                     kLogLogistic,
                                     kGeneralizedLogistic,
                                     kAdjustedFisk,
                                     kWeibull,
                                     kFrechet,
                                     kMirroredFisherTippett3,
                                     kMirroredFrechet,
                                     kFisherTippett3,
                                     kMirroredWeibull,
                                     kStudentOneDf,
                                     kStudentTwoDf,
                                     kCauchy,
                                     kGeneralizedCauchy,
                                     kMirroredPoisson,
                                     kGev,
                                     kLaplace,
                                     kGeneralizedRayleigh,
                                     kGeneralizedLaplace};
static_assert(kCandidateOrder.size() == 35);

long double NormalSlot(const std::map<int, FitResult>& candidates, int code) {
  const auto it = candidates.find(code);
  if (it == candidates.end() || !it->second.fitted || it->second.SAD < 0.001L)
    return kKeptOutOfChoiceSad;
  return it->second.SAD;
}

}  // namespace

Choice ChooseBestNonComposite(const std::map<int, FitResult>& candidates) {
  Choice best{kNormal, NormalSlot(candidates, kNormal)};
  for (int code : kCandidateOrder) {
    long double SAD;
    if (IsNormalFamily(code)) {
      SAD = NormalSlot(candidates, code);
    } else {
      const auto it = candidates.find(code);
      if (it == candidates.end() || !it->second.fitted) continue;
      SAD = it->second.SAD;
    }
    if (SAD < best.SAD) best = {code, SAD};
  }
  return best;
}

}  // namespace quarlin
