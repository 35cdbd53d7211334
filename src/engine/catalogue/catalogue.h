#pragma once
// The catalogue of distributions: for each code its list name, its
// cumulative function F and, where one exists, its inverse, as the code's
// row holds them (distribution_table.h). Evaluation, confidence analysis,
// calculator and graphs all dispatch through here, so that every formula
// lives in one place (the family files beside this one).
//
// Values are in the engine variable Y: the ranked data after the shift. An
// inverse returns Y; adding the shift constant C is the caller's part.

#include <optional>
#include <string>

#include "engine/catalogue/composite_members.h"
#include "engine/model/fitted_params.h"

namespace quarlin {

// The name shown in lists and graph captions; empty for code 0 and for codes
// that are not assigned.
std::string ListName(int code);

// Codes with a cumulative function: all assigned codes except 1 and 2.
bool HasFunction(int code);

// Codes with a closed-form inverse: those with a function except the normal
// family (20-26) and Gamma (61).
bool HasInverse(int code);

// The predictor of a single-line code (a regression member) with its fitted
// slots; nothing for other codes. Code 6 has no intercept: its B is taken as 0.
std::optional<Predictor> LinePredictor(int code, const LinearParams& line);

// Where F is taken. At a data point its rank chooses the composite member
// (ranks up to the break index K are lower) and a datum beyond the bound of
// codes 33, 35, 58 and 59 is reported. At any other value (class limits,
// graph curve, calculator) the break point P chooses the member and the bound
// replacement is silent.
struct EvalSite {
  bool atDataPoint = false;
  int rank = 0;

  static EvalSite DataPoint(int rank) { return {true, rank}; }
  static EvalSite FreeValue() { return {}; }
};

struct Evaluation {
  long double F = 0;
  // Codes 33, 35, 58, 59 at a data point: the datum lies beyond the bound C
  // (below a lower bound for 35 and 58, above an upper one for 33 and 59).
  bool boundWarning = false;
};

// Writes into the stored slots the guards that change them: code 56's scale B
// becomes 0.001 when below 0.001 in absolute value. Evaluate and Invert apply
// the same guards to their own copy; calling this first makes the slots that
// the report and the parameter file show agree with what was evaluated.
void ApplyStoredGuards(int code, FittedParams& params);

// The raw F of a code at Y: no clamping into (0, 1) and no monotone
// correction. Nothing for codes without a function.
std::optional<Evaluation> Evaluate(int code, long double Y, const FittedParams& params,
                                   EvalSite site);

// Y with F(Y) = F, for F in (0, 1). `member` chooses the side of a composite
// and is ignored otherwise. Nothing for codes without an inverse, and where
// the inverse would take a root or logarithm of a quantity that is not
// positive or give a value that is not finite: the caller's fallback applies.
std::optional<long double> Invert(int code, long double F, const FittedParams& params,
                                  Member member);

}  // namespace quarlin
