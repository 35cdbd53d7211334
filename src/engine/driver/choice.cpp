#include "engine/driver/choice.h"

#include <array>

namespace quarlin {
namespace {

// The order of the choice; earlier candidates win equal SADs.
constexpr std::array<int, 35> kCandidateOrder{21, 22, 23, 24, 25, 26, 3,  4,  5,  6,  31, 32,
                                              34, 36, 51, 52, 53, 54, 55, 56, 57, 58, 33, 35,
                                              59, 60, 62, 63, 64, 65, 66, 67, 68, 69, 73};

long double NormalSlot(const std::map<int, FitResult>& candidates, int code) {
  const auto it = candidates.find(code);
  if (it == candidates.end() || !it->second.fitted || it->second.SAD < 0.001L)
    return kKeptOutOfChoiceSad;
  return it->second.SAD;
}

}  // namespace

Choice ChooseBestNonComposite(const std::map<int, FitResult>& candidates) {
  Choice best{20, NormalSlot(candidates, 20)};
  for (int code : kCandidateOrder) {
    long double SAD;
    if (code >= 20 && code <= 26) {
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
