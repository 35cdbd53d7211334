#pragma once
// The sum of squares a search starts from, before any trial: far above the
// sum over any sample, so the first trial that can be summed replaces it.
// The searches whose start differs (Gamma, the break of the generalized
// composites) name their own.

namespace quarlin {

inline constexpr double kSearchStart = 1000000;

}  // namespace quarlin
