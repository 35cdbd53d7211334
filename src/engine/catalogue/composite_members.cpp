#include "engine/catalogue/composite_members.h"

#include "engine/catalogue/distribution_table.h"

namespace quarlin {

std::optional<CompositeShape> CompositeShapeOf(int code) {
  const DistributionRow* row = FindRow(code);
  return row ? row->composite : std::nullopt;
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
