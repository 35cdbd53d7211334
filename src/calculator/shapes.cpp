#include "calculator/shapes.h"

#include <cmath>

#include "engine/catalogue/codes.h"

namespace quarlin {

double ShapeF(Shape shape, double v) {
  switch (shape) {
    case Shape::G:
      return std::exp(-std::exp(-v));
    case Shape::M:
      return 1 - std::exp(-std::exp(-v));
    case Shape::L:
      return 1 / (1 + std::exp(v));
    case Shape::Q:
      return 1 - std::exp(-v);
  }
  return std::nan("");
}

double ShapeInverse(Shape shape, double f) {
  switch (shape) {
    case Shape::G:
      return -std::log(-std::log(f));
    case Shape::M:
      return -std::log(-std::log(1 - f));
    case Shape::L:
      return std::log(1 / f - 1);
    case Shape::Q:
      return -std::log(1 - f);
  }
  return std::nan("");
}

BranchShapes CompositeShapes(int code) {
  using enum Shape;
  switch (code) {
    case kCompositeMirroredGumbel:
    case kCompositeGeneralizedMirroredGumbel:
      return {M, M};
    case kCompositeLogistic:
    case kCompositeGeneralizedLogistic:
      return {L, L};
    case kCompositeGumbel:
    case kCompositeGeneralizedGumbel:
      return {G, G};
    case kCompositeGeneralizedPoisson:
      return {Q, Q};
    case kCompositeMirroredGumbelLogistic:
      return {M, L};
    case kCompositeMirroredGumbelGumbel:
      return {M, G};
    case kCompositeGumbelLogistic:
    case kCompositeGeneralizedGumbelLogistic:
      return {G, L};
    case kCompositeGumbelMirroredGumbel:
      return {G, M};
    case kCompositeLogisticMirroredGumbel:
      return {L, M};
    case kCompositeLogisticGumbel:
    case kCompositeGeneralizedLogisticGumbel:
      return {L, G};
    case kCompositeGumbelPoisson:
    case kCompositeGeneralizedGumbelPoisson:
      return {G, Q};
    case kCompositeMirroredGumbelPoisson:
      return {M, Q};
    case kCompositeLogisticPoisson:
    case kCompositeGeneralizedLogisticPoisson:
      return {L, Q};
    case kCompositeGeneralizedPoissonLogistic:
      return {Q, L};
    case kCompositeGeneralizedPoissonGumbel:
      return {Q, G};
    default:
      return {G, G};
  }
}

}  // namespace quarlin
