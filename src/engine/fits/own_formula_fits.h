#pragma once
// The families that are not fitted by a plain linearisation with an exponent
// search but by grid searches of their own, one header each. Each fit is a
// pure function of the ranked sample: it fills its family's member of
// FittedParams, the calculated frequencies Fcalc[1..N] (raw, before the
// evaluation's clamps) and SAD, and hands back the progress lines that fall
// inside the fit. The driver owns the closing progress line, the list entry
// and the order.
//
// A fit reports `fitted = false` when no trial of its search could be
// completed (every trial line undefined or overflowing); such a candidate is
// neither listed nor chosen. A trial whose line cannot be drawn is skipped
// and never stops the run.

#include "engine/fits/bound_fit.h"
#include "engine/fits/burr_fit.h"
#include "engine/fits/fisk_fit.h"
#include "engine/fits/gamma_fit.h"
#include "engine/fits/gev_fit.h"
#include "engine/fits/gompertz_fit.h"
#include "engine/fits/kumaraswamy_fit.h"
#include "engine/fits/laplace_fit.h"
#include "engine/fits/paired_fits.h"
#include "engine/fits/rayleigh_fit.h"
#include "engine/fits/student_fit.h"

namespace quarlin {

// The fit of any own-formula code except the Student pair (31, 32, 33, 34, 35,
// 36, 56, 58, 59, 61, 67, 68, 69, 73), the Fit... functions being its Fast
// mode. Reference sums every trial of the searches in full; it gives the
// same result and is kept for the tests and the benchmarks. Any other code
// gives an unfitted result.
FitResult FitOwnFormulaFamily(const Sample& sample, int code, SearchMode mode = SearchMode::Fast);

}  // namespace quarlin
