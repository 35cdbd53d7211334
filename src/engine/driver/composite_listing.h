#pragma once
// How the composites appear in a best-of-all run: the order in which they
// are fitted and what each one writes into the ranked list and the progress
// lines.

#include <array>
#include <string>
#include <vector>

namespace quarlin {

// Fitted after code 6, in this order.
inline constexpr std::array<int, 12> kSimpleCompositeOrder{7,  8,  9,  10, 11, 12,
                                                           13, 14, 15, 16, 17, 18};
// Fitted after code 73, in this order.
inline constexpr std::array<int, 10> kGeneralizedCompositeOrder{70, 71, 72, 74, 80,
                                                                81, 82, 83, 84, 85};

struct CompositeListing {
  int code = 0;
  // The name line of the ranked list, blanks and spelling exactly as listed.
  const char* nameLine = "";
  // Shown in this order once the fit is done.
  std::vector<std::string> progressLines;
};

// The listing of a composite code; for any other code a listing with code 0,
// an empty name line and no progress lines.
const CompositeListing& CompositeListingOf(int code);

}  // namespace quarlin
