#pragma once
// Parameter slots of the distributions, one member struct per family. A fit
// fills the member of its own family; the parameter file writes and reads
// the same slots. The slots carry the letters of the formula the report
// prints, which are often not those of the fit: where a letter misleads, its
// comment says what the slot holds. The letters stay, the parameter file
// names them.

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

// Codes 31 (Burr) and 32 (Dagum): F = 1 - exp(E*ln(B/(Y^A + B)) + D) (Dagum
// without the 1 -), fitted as a line of Ln(1 - Fc) (Ln Fc) on the trial
// transform Ln(K^E/(X^E + K^E)).
struct BurrParams {
  double B = 0;  // K^A, the scale raised to the exponent
  double A = 0;  // the exponent (the fit's E)
  double E = 0;  // the slope of the fit's line
  double K = 0;  // the scale
  double D = 0;  // the intercept of the fit's line
};

// Code 34: F = 1 - exp(A*(exp(B*Z^E) - 1)), Z = Y + 1 when `flag` is set,
// else Y; fitted as a ratio line of Ln(1 - Fc) on exp(q*Z^p) - 1.
struct GompertzParams {
  bool flag = false;  // 1 was added to every datum (all data below 1)
  double B = 0;       // the fit's q
  double E = 1;       // the fit's p
  double A = 0;       // the slope of the ratio line
};

// Code 36: F = 1 - (1 - (Y/M)^A)^B, fitted as a ratio line of Ln(1 - Fc) on
// Ln(1 - (X/U)^E).
struct KumaraswamyParams {
  double M = 0;  // the upper end U
  double A = 0;  // the exponent E (after the exponent guards)
  double B = 0;  // the slope of the ratio line
};

// Code 56.
struct FiskParams {
  double A = 0, B = 0;
};

// Code 61. The report's formula calls a A and b B, and the parameter file
// keeps them in the shared pair A, B.
struct GammaParams {
  double a = 0;  // the scale theta
  double b = 0;  // the order n, the number of terms of the sum
};

// Codes 62, 63.
struct StudentParams {
  double mean = 0, sd = 0;
};

// Code 67. A and B are its own, not the shared slope and intercept.
struct GevParams {
  double K = 0;  // the shape
  double A = 0;  // the location
  double B = 0;  // the scale
  bool boundCorrected = false;
};

// Codes 68 and 73 (68 has E1 = E2 = 1). The report prints L as B and the
// reciprocals of D1 and D2 as A1 and A2.
struct LaplaceParams {
  double L = 0;   // the centre; for 73 in the lower side's scale Y^E1
  double D1 = 0;  // the divisor below L: 1/slope of the lower line
  double D2 = 0;  // the divisor above L: -1/slope of the upper line
  double E1 = 1, E2 = 1;
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
