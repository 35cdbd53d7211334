#pragma once
// Composite distributions: two members joined at a break point, the lower
// ("s") member below it and the upper ("g") member above it.

#include <optional>

#include "engine/model/fitted_params.h"
#include "engine/model/predictor.h"

namespace quarlin {

enum class Member { Lower, Upper };

// The links of both members. Codes 7-18 have members in Y itself; the
// generalized composites (70-72, 74, 80-85) in Y^Es and Y^Eg.
struct CompositeShape {
  Link lower = Link::Gumbel;
  Link upper = Link::Gumbel;
  bool generalized = false;
};

// The shape of a composite code; nothing for other codes.
std::optional<CompositeShape> CompositeShapeOf(int code);

inline bool IsComposite(int code) {
  return CompositeShapeOf(code).has_value();
}

// At a data point the rank decides: ranks up to the break index K are lower.
inline Member MemberAtRank(int rank, int K) {
  return rank <= K ? Member::Lower : Member::Upper;
}

// At any other value the break point decides: above P is upper, P itself lower.
inline Member MemberAtValue(long double Y, double P) {
  return Y > P ? Member::Upper : Member::Lower;
}

// The predictor of one member with its fitted slots.
Predictor MemberPredictor(const CompositeShape& shape, const CompositeParams& params,
                          Member member);

}  // namespace quarlin
