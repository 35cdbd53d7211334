#include "engine/driver/composite_listing.h"

namespace quarlin {
namespace {

// Name lines as users' earlier list files have them: the double blanks of
// codes 11 and 13, code 11's trailing blank and "generalizd" belong to them.
const std::array<CompositeListing, 22>& Listings() {
  static const std::array<CompositeListing, 22> listings{{
      {7, " Composite Gumbel distribution mirrored", {" 7 done"}},
      {8, " Composite logistic distribution", {" 8 done"}},
      {9, " Composite Gumbel distribution", {" 9 done"}},
      {10, " Gumbel mirrored + Logistic distribution", {" 10 done"}},
      {11, " Gumbel mirrored  + Gumbel standard distribution ", {" 11 done"}},
      {12, " Gumbel + Logistic distribution", {" 12 done"}},
      {13, " Gumbel + Gumbel Mirrored  distribution", {" 13 done"}},
      {14, " Logistic + Gumbel mirrored distribution", {" 14 done"}},
      {15, " Logistic + Gumbel distribution", {" 15 done"}},
      {16, " Gumbel + Poisson distribution", {" 16 done"}},
      {17, " Gumbel mirrored + Poisson distribution", {" 17 done"}},
      {18, " Logistic + Poisson distribution", {" 18 done"}},
      {70, " Composite generalizd logistic distribution", {" 70 done"}},
      {71, " Composite generalized Gumbel distribution", {" 71 done"}},
      {72, " Composite generalized exponential (Poisson) distribution", {" 72 done"}},
      {74, " Composite mirrored Gumbel distribution generalized", {" 74 done"}},
      {80, " Generalized logistic + Gumbel distribution", {" 80 done", " Progress 20% ....."}},
      {81, " Generalized Logistic + Poisson distribution", {" 81 done"}},
      {82, " Generalized Gumbel + logistic distribution", {" 82 done ....."}},
      {83, " Generalized Gumbel + Poisson distribution", {" 83 done"}},
      {84, " Generalized Poisson + logistic distribution", {" 84 done", " Progress 60% ....."}},
      {85, " Generalized Poisson + Gumbel distribution", {" 85 done"}},
  }};
  return listings;
}

}  // namespace

const CompositeListing& CompositeListingOf(int code) {
  static const CompositeListing none;
  for (const CompositeListing& listing : Listings())
    if (listing.code == code) return listing;
  return none;
}

}  // namespace quarlin
