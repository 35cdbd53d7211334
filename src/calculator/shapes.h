#pragma once
// The four shapes the calculator's linear and composite codes are built
// from, forward and inverse: Gumbel G(v) = exp(-exp(-v)), mirrored Gumbel
// M(v) = 1 - exp(-exp(-v)), logistic L(v) = 1/(1 + exp(v)) and Poisson
// Q(v) = 1 - exp(-v).

namespace quarlin {

enum class Shape { G, M, L, Q };

struct BranchShapes {
  Shape lower;
  Shape upper;
};

double ShapeF(Shape shape, double v);
// v with ShapeF(shape, v) = f.
double ShapeInverse(Shape shape, double f);

// The lower and upper branch of a composite code (7-18, 70-72, 74, 80-85).
BranchShapes CompositeShapes(int code);

}  // namespace quarlin
