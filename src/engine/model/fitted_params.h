#pragma once
// Parameter slots of the distributions, one member struct per family. A fit
// fills the member of its own family; the parameter file writes and reads
// the same slots.

namespace quarlin {

// Codes 3-6, 51-55, 57, 60, 64-66: F of the linear predictor A*Y^E + B
// (E = 1 where the family has no exponent).
struct LinearParams {
  double A = 0, B = 0, E = 1;
};

// Codes 33, 35, 58, 59: Frechet / Fisher-Tippett with a lower or upper bound C.
struct BoundParams {
  double A = 0, B = 0, C = 0;
  bool boundWarning = false;  // a datum fell beyond the bound
};

// Codes 31 (Burr) and 32 (Dagum).
struct BurrParams {
  double B = 0, A = 0, E = 0, K = 0, D = 0;
};

// Code 34: Z = Y + 1 when `flag` is set, else Y.
struct GompertzParams {
  bool flag = false;
  double B = 0, E = 1, A = 0;
};

// Code 36.
struct KumaraswamyParams {
  double M = 0, A = 0, B = 0;
};

// Code 56.
struct FiskParams {
  double A = 0, B = 0;
};

// Code 61: scale a and order b.
struct GammaParams {
  double a = 0, b = 0;
};

// Codes 62, 63.
struct StudentParams {
  double mean = 0, sd = 0;
};

// Code 67: shape K, location A, scale B.
struct GevParams {
  double K = 0, A = 0, B = 0;
  bool boundCorrected = false;
};

// Codes 68 and 73 (68 has E1 = E2 = 1).
struct LaplaceParams {
  double L = 0, D1 = 0, D2 = 0, E1 = 1, E2 = 1;
};

// Code 69.
struct RayleighParams {
  double E = 1, S = 0;
};

// Codes 20-26: normal of the transformed value x (X, ln X, sqrt X, X^2, X^E).
struct NormalParams {
  double M = 0, S = 0;    // the mean and standard deviation used by F
  double M0 = 0, S0 = 0;  // plain mean and standard deviation
  double E = 1;           // exponent of code 26
};

// Codes 7-18 (Es = Eg = 1) and 70-72, 74, 80-85: two members joined at the
// break point P; points of rank <= K belong to the lower (s) member.
struct CompositeParams {
  double As = 0, Bs = 0, Es = 1;
  double Ag = 0, Bg = 0, Eg = 1;
  double P = 0;
  int K = 0;
};

struct FittedParams {
  LinearParams line;
  BoundParams bound;
  BurrParams burr;
  GompertzParams gompertz;
  KumaraswamyParams kumaraswamy;
  FiskParams fisk;
  GammaParams gamma;
  StudentParams student;
  GevParams gev;
  LaplaceParams laplace;
  RayleighParams rayleigh;
  NormalParams normal;
  CompositeParams composite;
};

}  // namespace quarlin
