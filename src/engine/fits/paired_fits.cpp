#include "engine/fits/paired_fits.h"

#include "engine/catalogue/codes.h"
#include "engine/fits/bound_fit.h"
#include "engine/fits/burr_fit.h"

namespace quarlin {

int PairedCode(int code) {
  switch (code) {
    case kFisherTippett3:
      return kMirroredFisherTippett3;
    case kFrechet:
      return kMirroredFrechet;
    case kBurr:
      return kDagum;
  }
  return 0;
}

PairedFits FitPaired(const Sample& sample, int code, SearchMode mode) {
  if (code == kBurr) return BurrPairSearch(sample, mode);
  return BoundPairSearch(sample, code, mode);
}

}  // namespace quarlin
