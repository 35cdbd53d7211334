#include "engine/catalogue/composite_members.h"

namespace quarlin {

std::optional<CompositeShape> CompositeShapeOf(int code) {
  constexpr Link G = Link::Gumbel, M = Link::MirroredGumbel, L = Link::Logistic, Q = Link::Poisson;
  switch (code) {
    case 7:
      return CompositeShape{M, M, false};
    case 8:
      return CompositeShape{L, L, false};
    case 9:
      return CompositeShape{G, G, false};
    case 10:
      return CompositeShape{M, L, false};
    case 11:
      return CompositeShape{M, G, false};
    case 12:
      return CompositeShape{G, L, false};
    case 13:
      return CompositeShape{G, M, false};
    case 14:
      return CompositeShape{L, M, false};
    case 15:
      return CompositeShape{L, G, false};
    case 16:
      return CompositeShape{G, Q, false};
    case 17:
      return CompositeShape{M, Q, false};
    case 18:
      return CompositeShape{L, Q, false};
    case 70:
      return CompositeShape{L, L, true};
    case 71:
      return CompositeShape{G, G, true};
    case 72:
      return CompositeShape{Q, Q, true};
    case 74:
      return CompositeShape{M, M, true};
    case 80:
      return CompositeShape{L, G, true};
    case 81:
      return CompositeShape{L, Q, true};
    case 82:
      return CompositeShape{G, L, true};
    case 83:
      return CompositeShape{G, Q, true};
    case 84:
      return CompositeShape{Q, L, true};
    case 85:
      return CompositeShape{Q, G, true};
    default:
      return std::nullopt;
  }
}

Predictor MemberPredictor(const CompositeShape& shape, const CompositeParams& params,
                          Member member) {
  const Scale scale = shape.generalized ? Scale::Power : Scale::Plain;
  if (member == Member::Lower) {
    return Predictor{shape.lower, scale, params.As, params.Bs, shape.generalized ? params.Es : 1.0};
  }
  return Predictor{shape.upper, scale, params.Ag, params.Bg, shape.generalized ? params.Eg : 1.0};
}

}  // namespace quarlin
