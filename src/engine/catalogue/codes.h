#pragma once
// The distribution codes by name. A code is the key that every stage after
// the fit dispatches on, and the parameter file and users' old reports carry
// the numbers, so the numbers never change. The names follow the list names
// (see distribution_table.cpp). 19, 27-30, 37-50 and 75-79 are not assigned.

namespace quarlin {

inline constexpr int kNoDistribution = 0;

// Names only: nothing produces these codes.
inline constexpr int kGeneralizedLinear = 1;
inline constexpr int kGeneralizedLinearExponential = 2;

inline constexpr int kGeneralizedExponential = 3;
inline constexpr int kGumbel = 4;
inline constexpr int kMirroredGumbel = 5;
inline constexpr int kSimpleExponential = 6;

// Composites of two linear members, lower member first.
inline constexpr int kCompositeMirroredGumbel = 7;
inline constexpr int kCompositeLogistic = 8;
inline constexpr int kCompositeGumbel = 9;
inline constexpr int kCompositeMirroredGumbelLogistic = 10;
inline constexpr int kCompositeMirroredGumbelGumbel = 11;
inline constexpr int kCompositeGumbelLogistic = 12;
inline constexpr int kCompositeGumbelMirroredGumbel = 13;
inline constexpr int kCompositeLogisticMirroredGumbel = 14;
inline constexpr int kCompositeLogisticGumbel = 15;
inline constexpr int kCompositeGumbelPoisson = 16;
inline constexpr int kCompositeMirroredGumbelPoisson = 17;
inline constexpr int kCompositeLogisticPoisson = 18;

// The normal family.
inline constexpr int kNormal = 20;
inline constexpr int kNormalOptimized = 21;
inline constexpr int kLogNormal = 22;
inline constexpr int kLogNormalOptimized = 23;
inline constexpr int kRootNormal = 24;
inline constexpr int kSquareNormal = 25;
inline constexpr int kGeneralizedNormal = 26;

inline constexpr int kBurr = 31;
inline constexpr int kDagum = 32;
inline constexpr int kMirroredFisherTippett3 = 33;
inline constexpr int kGeneralizedGompertz = 34;
inline constexpr int kMirroredFrechet = 35;
inline constexpr int kKumaraswamy = 36;

inline constexpr int kGeneralizedGumbel = 51;
inline constexpr int kGeneralizedMirroredGumbel = 52;
inline constexpr int kLogistic = 53;
inline constexpr int kLogLogistic = 54;
inline constexpr int kGeneralizedLogistic = 55;
inline constexpr int kAdjustedFisk = 56;
inline constexpr int kWeibull = 57;
inline constexpr int kFrechet = 58;
inline constexpr int kFisherTippett3 = 59;
inline constexpr int kMirroredWeibull = 60;
inline constexpr int kGamma = 61;
inline constexpr int kStudentOneDf = 62;
inline constexpr int kStudentTwoDf = 63;
inline constexpr int kCauchy = 64;
inline constexpr int kGeneralizedCauchy = 65;
inline constexpr int kMirroredPoisson = 66;
inline constexpr int kGev = 67;
inline constexpr int kLaplace = 68;
inline constexpr int kGeneralizedRayleigh = 69;

// Composites of two generalized members (Y^Es, Y^Eg), lower member first;
// 73 is no composite.
inline constexpr int kCompositeGeneralizedLogistic = 70;
inline constexpr int kCompositeGeneralizedGumbel = 71;
inline constexpr int kCompositeGeneralizedPoisson = 72;
inline constexpr int kGeneralizedLaplace = 73;
inline constexpr int kCompositeGeneralizedMirroredGumbel = 74;
inline constexpr int kCompositeGeneralizedLogisticGumbel = 80;
inline constexpr int kCompositeGeneralizedLogisticPoisson = 81;
inline constexpr int kCompositeGeneralizedGumbelLogistic = 82;
inline constexpr int kCompositeGeneralizedGumbelPoisson = 83;
inline constexpr int kCompositeGeneralizedPoissonLogistic = 84;
inline constexpr int kCompositeGeneralizedPoissonGumbel = 85;

}  // namespace quarlin
