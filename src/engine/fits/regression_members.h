#pragma once
// The regression members: a line Ft = A*Xt + B through the transformed
// points, where Xt is X, ln X or X^E with E found by a search over the
// trial exponents (codes 3-6, 51-55, 57, 60, 64-66).

#include <optional>
#include <string>

#include "engine/catalogue/distribution_table.h"
#include "engine/model/fit_result.h"
#include "engine/model/links.h"
#include "engine/model/predictor.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

// The member of a regression code, as its row holds it; nothing for other
// codes.
std::optional<RegressionMember> RegressionMemberOf(int code);

// The calculated frequency at z = A*Xt + B as the exponent search takes it:
// the link with its saturation guards.
long double SearchValue(const RegressionMember& member, long double z);

// The calculated frequency the fit hands on: as in the search, except that
// the exponential forms take the raw value held within 0.001..0.999.
long double FinalValue(const RegressionMember& member, long double z);

// Fits the member: the exponent search where it has one, then the final
// line, the calculated frequencies and SAD. Not fitted when the final line
// cannot be drawn (all transformed values equal).
FitResult FitRegressionMember(const Sample& sample, const RegressionMember& member,
                              SearchMode mode = SearchMode::Fast);

}  // namespace quarlin
