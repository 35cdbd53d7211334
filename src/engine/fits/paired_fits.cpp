#include "engine/fits/paired_fits.h"

#include "engine/fits/bound_fit.h"
#include "engine/fits/burr_fit.h"

namespace quarlin {

int PairedCode(int code) {
  switch (code) {
    case 59:
      return 33;
    case 58:
      return 35;
    case 31:
      return 32;
  }
  return 0;
}

PairedFits FitPaired(const Sample& sample, int code, SearchMode mode) {
  if (code == 31) return BurrPairSearch(sample, mode);
  return BoundPairSearch(sample, code, mode);
}

}  // namespace quarlin
