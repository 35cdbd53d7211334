#pragma once
// The variable in which each member of the normal family (codes 20-26) is
// normal: x = Y (20, 21), ln Y (22, 23), sqrt Y (24), Y^2 (25), Y^E (26).

#include <optional>

#include "engine/catalogue/codes.h"
#include "engine/model/fitted_params.h"

namespace quarlin {

// x of a value Y for a member; Y itself for other codes.
long double NormalVariable(int code, long double Y, double E);

// Y of a member's variable x; nothing for an x that no Y can give (a
// negative x of 24 or 25) or whose root 1/E is not defined (x <= 0 for 26).
std::optional<long double> NormalVariableInverse(int code, long double x, double E);

// F = NormalCdfHastings((x - M)/S) with the member's final M and S.
long double NormalMemberF(int code, long double Y, const NormalParams& p);

}  // namespace quarlin
