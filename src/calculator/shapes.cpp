#include "calculator/shapes.h"

#include <cmath>

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
    case 7:
    case 74:
      return {M, M};
    case 8:
    case 70:
      return {L, L};
    case 9:
    case 71:
      return {G, G};
    case 72:
      return {Q, Q};
    case 10:
      return {M, L};
    case 11:
      return {M, G};
    case 12:
    case 82:
      return {G, L};
    case 13:
      return {G, M};
    case 14:
      return {L, M};
    case 15:
    case 80:
      return {L, G};
    case 16:
    case 83:
      return {G, Q};
    case 17:
      return {M, Q};
    case 18:
    case 81:
      return {L, Q};
    case 84:
      return {Q, L};
    case 85:
      return {Q, G};
    default:
      return {G, G};
  }
}

}  // namespace quarlin
