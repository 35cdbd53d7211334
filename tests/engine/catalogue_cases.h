#pragma once
// Parameter sets and closed forms of every code with a function, shared by
// the forward and the round-trip tests. The closed forms are written out here
// with the standard library, independently of the catalogue's own code.

#include <cmath>
#include <functional>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include "engine/fitted_params.h"

namespace quarlin::testing {

using ClosedForm = std::function<long double(const FittedParams&, long double)>;

struct CodeCase {
  std::string label;
  int code = 0;
  FittedParams params;
  std::vector<long double> Ys;  // inside the support, where 0 < F < 1
  ClosedForm F;
};

inline void PrintTo(const CodeCase& c, std::ostream* os) {
  *os << c.label;
}

inline constexpr long double kPiL = std::numbers::pi_v<long double>;

// The normal approximation with its short constants, clamped to 0.
inline long double HastingsOracle(long double z) {
  const long double t = 1.0L / (1.0L + 0.23165L * z);
  const long double P = 0.31938L * t - 0.35656L * t * t + 1.78148L * std::pow(t, 3) -
                        1.82126L * std::pow(t, 4) + 1.33027L * std::pow(t, 5);
  const long double F = 1.0L - std::exp(-z * z / 2.0L) / std::sqrt(2.0L * kPiL) * P;
  return (P < 0.0L || F < 0.0L) ? 0.0L : F;
}

inline FittedParams Line(double A, double B, double E = 1) {
  FittedParams p;
  p.line = {A, B, E};
  return p;
}

inline FittedParams Bound(double A, double B, double C) {
  FittedParams p;
  p.bound.A = A;
  p.bound.B = B;
  p.bound.C = C;
  return p;
}

inline FittedParams Normal(double M, double S, double E = 1) {
  FittedParams p;
  p.normal.M = M;
  p.normal.S = S;
  p.normal.E = E;
  return p;
}

inline FittedParams Laplace(double L, double D1, double D2, double E1, double E2) {
  FittedParams p;
  p.laplace = {L, D1, D2, E1, E2};
  return p;
}

inline FittedParams Burr(double A, double K, double E, double D) {
  FittedParams p;
  p.burr = {std::pow(K, A), A, E, K, D};  // B = K^A as the fit leaves it
  return p;
}

inline std::vector<CodeCase> SingleFormulaCases() {
  using P = const FittedParams&;
  using L = long double;
  const auto wLower = [](P p, L Y) { return (Y - p.bound.C) / std::exp(-p.bound.B / p.bound.A); };
  const auto wUpper = [](P p, L Y) { return (p.bound.C - Y) / std::exp(-p.bound.B / p.bound.A); };
  const auto hastings = [](P p, L x) { return HastingsOracle((x - p.normal.M) / p.normal.S); };
  FittedParams fisk, gamma, student, gevPositive, gevNegative, rayleigh, kumaraswamy, gompertz,
      gompertzPlusOne;
  fisk.fisk = {2.5, 3.0};
  gamma.gamma = {1.5, 3.2};
  student.student = {5.0, 2.0};
  gevPositive.gev = {0.2, 3.0, 1.5, false};
  gevNegative.gev = {-0.3, 3.0, 1.5, false};
  rayleigh.rayleigh = {1.5, 4.0};
  kumaraswamy.kumaraswamy = {10.0, 1.5, 2.0};
  gompertz.gompertz = {false, 0.3, 1.2, -0.5};
  gompertzPlusOne.gompertz = {true, 0.3, 1.2, -0.5};

  return {
      {"code3",
       3,
       Line(0.8, -1.2, 1.3),
       {2, 3.5, 6},
       [](P p, L Y) { return 1 - std::exp(-(p.line.A * std::pow(Y, p.line.E) + p.line.B)); }},
      {"code4",
       4,
       Line(1.5, -3),
       {0.5, 2, 4},
       [](P p, L Y) { return std::exp(-std::exp(-(p.line.A * Y + p.line.B))); }},
      {"code5",
       5,
       Line(1.5, -3),
       {0.5, 2, 4},
       [](P p, L Y) { return 1 - std::exp(-std::exp(-(p.line.A * Y + p.line.B))); }},
      {"code6_intercept_unused",
       6,
       Line(0.4, 7),
       {0.5, 2, 6},
       [](P p, L Y) { return 1 - std::exp(-p.line.A * Y); }},
      {"code20", 20, Normal(5, 2), {3, 5, 8}, [=](P p, L Y) { return hastings(p, Y); }},
      {"code21", 21, Normal(5, 2), {3, 5, 8}, [=](P p, L Y) { return hastings(p, Y); }},
      {"code22",
       22,
       Normal(1.5, 0.6),
       {2, 4.5, 9},
       [=](P p, L Y) { return hastings(p, std::log(Y)); }},
      {"code23",
       23,
       Normal(1.5, 0.6),
       {2, 4.5, 9},
       [=](P p, L Y) { return hastings(p, std::log(Y)); }},
      {"code24",
       24,
       Normal(2.2, 0.5),
       {2, 5, 9},
       [=](P p, L Y) { return hastings(p, std::sqrt(Y)); }},
      {"code25", 25, Normal(30, 20), {3, 5, 7}, [=](P p, L Y) { return hastings(p, Y * Y); }},
      {"code26",
       26,
       Normal(3, 1.2, 0.7),
       {2, 5, 9},
       [=](P p, L Y) { return hastings(p, std::pow(Y, p.normal.E)); }},
      {"code31",
       31,
       Burr(2, 3, 1.5, -0.1),
       {1, 3, 6},
       [](P p, L Y) {
         const auto& b = p.burr;
         return 1 - std::exp(b.E * std::log(b.B / (std::pow(Y, b.A) + b.B)) + b.D);
       }},
      {"code32",
       32,
       Burr(-2, 3, 1.5, -0.05),
       {1, 3, 8},
       [](P p, L Y) {
         const auto& b = p.burr;
         return std::exp(b.E * std::log(b.B / (std::pow(Y, b.A) + b.B)) + b.D);
       }},
      {"code33",
       33,
       Bound(1.6, -1.5, 10),
       {2, 6, 9.5},
       [=](P p, L Y) { return 1 - std::exp(-std::pow(wUpper(p, Y), p.bound.A)); }},
      {"code34",
       34,
       gompertz,
       {0.5, 2, 4},
       [](P p, L Y) {
         const auto& g = p.gompertz;
         return 1 - std::exp(g.A * (std::exp(g.B * std::pow(Y, g.E)) - 1));
       }},
      {"code34_plus_one",
       34,
       gompertzPlusOne,
       {0.2, 0.5, 0.9},
       [](P p, L Y) {
         const auto& g = p.gompertz;
         return 1 - std::exp(g.A * (std::exp(g.B * std::pow(Y + 1, g.E)) - 1));
       }},
      {"code35",
       35,
       Bound(1.6, -1.5, 0.5),
       {1, 2.5, 6},
       [=](P p, L Y) { return 1 - std::exp(-std::pow(wLower(p, Y), p.bound.A)); }},
      {"code36",
       36,
       kumaraswamy,
       {1, 4, 8},
       [](P p, L Y) {
         const auto& k = p.kumaraswamy;
         return 1 - std::pow(1 - std::pow(Y / k.M, k.A), k.B);
       }},
      {"code51",
       51,
       Line(1.1, -2, 0.7),
       {0.5, 3, 8},
       [](P p, L Y) {
         return std::exp(-std::exp(-(p.line.A * std::pow(Y, p.line.E) + p.line.B)));
       }},
      {"code52",
       52,
       Line(1.1, -2, 0.7),
       {0.5, 3, 8},
       [](P p, L Y) {
         return 1 - std::exp(-std::exp(-(p.line.A * std::pow(Y, p.line.E) + p.line.B)));
       }},
      {"code53",
       53,
       Line(-1.2, 3),
       {1, 2.5, 4},
       [](P p, L Y) { return 1 / (1 + std::exp(p.line.A * Y + p.line.B)); }},
      {"code54",
       54,
       Line(-2, 1.5),
       {0.5, 2, 5},
       [](P p, L Y) { return 1 / (1 + std::exp(p.line.A * std::log(Y) + p.line.B)); }},
      {"code55",
       55,
       Line(-0.9, 2, 1.4),
       {0.5, 2, 4},
       [](P p, L Y) { return 1 / (1 + std::exp(p.line.A * std::pow(Y, p.line.E) + p.line.B)); }},
      {"code56",
       56,
       fisk,
       {1, 3, 7},
       [](P p, L Y) { return 1 - 1 / (1 + std::pow(Y / p.fisk.B, p.fisk.A)); }},
      {"code57",
       57,
       Line(1.8, -2.2),
       {0.5, 3, 6},
       [](P p, L Y) {
         const L c = std::exp(-p.line.B / p.line.A);
         return 1 - std::exp(-std::pow(Y / c, p.line.A));
       }},
      {"code58",
       58,
       Bound(1.6, -1.5, 0.5),
       {1, 2.5, 6},
       [=](P p, L Y) { return std::exp(-std::pow(wLower(p, Y), p.bound.A)); }},
      {"code59",
       59,
       Bound(1.6, -1.5, 10),
       {2, 6, 9.5},
       [=](P p, L Y) { return std::exp(-std::pow(wUpper(p, Y), p.bound.A)); }},
      {"code60",
       60,
       Line(1.8, -2.2),
       {0.5, 3, 6},
       [](P p, L Y) {
         const L c = std::exp(-p.line.B / p.line.A);
         return std::exp(-std::pow(Y / c, p.line.A));
       }},
      {"code61",
       61,
       gamma,
       {0.5, 3, 8},
       [](P p, L Y) {
         const L x = Y / p.gamma.a;  // b = 3.2: three terms
         return 1 - std::exp(-x) * (1 + x + x * x / 2);
       }},
      {"code62",
       62,
       student,
       {1, 5, 9},
       [](P p, L Y) { return 0.5L + std::atan((Y - p.student.mean) / p.student.sd) / kPiL; }},
      {"code63",
       63,
       student,
       {1, 5, 9},
       [](P p, L Y) {
         const L T = (Y - p.student.mean) / p.student.sd;
         return 0.5L * (1 + T / std::sqrt(2 + T * T));
       }},
      {"code64",
       64,
       Line(0.7, -2),
       {0.5, 3, 7},
       [](P p, L Y) { return 0.5L + std::atan(p.line.A * Y + p.line.B) / kPiL; }},
      {"code65",
       65,
       Line(0.7, -2, 1.2),
       {0.5, 3, 7},
       [](P p, L Y) {
         return 0.5L + std::atan(p.line.A * std::pow(Y, p.line.E) + p.line.B) / kPiL;
       }},
      {"code66",
       66,
       Line(0.5, 0.2, 0.9),
       {0.5, 2, 6},
       [](P p, L Y) { return std::exp(-(p.line.A * std::pow(Y, p.line.E) + p.line.B)); }},
      {"code67_positive_shape",
       67,
       gevPositive,
       {1, 3, 8},
       [](P p, L Y) {
         const auto& g = p.gev;
         return std::exp(-std::pow(1 + g.K * (Y - g.A) / g.B, -1 / g.K));
       }},
      {"code67_negative_shape",
       67,
       gevNegative,
       {1, 3, 6},
       [](P p, L Y) {
         const auto& g = p.gev;
         return std::exp(-std::pow(1 + g.K * (Y - g.A) / g.B, -1 / g.K));
       }},
      {"code68",
       68,
       Laplace(4, 1.5, 2.5, 1, 1),
       {1, 3.5, 4.5, 8},
       [](P p, L Y) {
         const auto& l = p.laplace;
         return Y < l.L ? 0.5L * std::exp((Y - l.L) / l.D1)
                        : 1 - 0.5L * std::exp(-(Y - l.L) / l.D2);
       }},
      {"code69",
       69,
       rayleigh,
       {0.5, 2, 5},
       [](P p, L Y) { return 1 - std::exp(-std::pow(Y, p.rayleigh.E) / p.rayleigh.S); }},
      {"code73",
       73,
       Laplace(4, 1.5, 2.5, 1.2, 0.9),
       {1.5, 3, 6, 9},
       [](P p, L Y) {
         const auto& l = p.laplace;
         const L lower = std::pow(Y, l.E1);
         if (lower <= l.L) return 0.5L * std::exp((lower - l.L) / l.D1);
         return 1 - 0.5L * std::exp(-(std::pow(Y, l.E2) - l.L) / l.D2);
       }},
  };
}

// The four member shapes of the composites, written out.
inline long double GumbelOracle(long double z) {
  return std::exp(-std::exp(-z));
}
inline long double MirroredGumbelOracle(long double z) {
  return 1 - std::exp(-std::exp(-z));
}
inline long double LogisticOracle(long double z) {
  return 1 / (1 + std::exp(z));
}
inline long double PoissonOracle(long double z) {
  return 1 - std::exp(-z);
}

struct CompositeCase {
  int code = 0;
  long double (*lower)(long double) = nullptr;
  long double (*upper)(long double) = nullptr;
  bool generalized = false;
};

inline void PrintTo(const CompositeCase& c, std::ostream* os) {
  *os << "code" << c.code;
}

inline std::vector<CompositeCase> CompositeCases() {
  const auto G = GumbelOracle, M = MirroredGumbelOracle, L = LogisticOracle, Q = PoissonOracle;
  return {
      {7, M, M, false},  {8, L, L, false},  {9, G, G, false},  {10, M, L, false}, {11, M, G, false},
      {12, G, L, false}, {13, G, M, false}, {14, L, M, false}, {15, L, G, false}, {16, G, Q, false},
      {17, M, Q, false}, {18, L, Q, false}, {70, L, L, true},  {71, G, G, true},  {72, Q, Q, true},
      {74, M, M, true},  {80, L, G, true},  {81, L, Q, true},  {82, G, L, true},  {83, G, Q, true},
      {84, Q, L, true},  {85, Q, G, true},
  };
}

// Break at P = 3 after rank K = 10; both members keep their predictor
// positive on their own side so that the Poisson members stay inside (0, 1).
inline FittedParams CompositeParamsForTest() {
  FittedParams p;
  p.composite = {1.2, -0.5, 0.8, 0.6, -0.5, 1.1, 3.0, 10};
  return p;
}

}  // namespace quarlin::testing
