#pragma once
// The run pipeline's own progress lines, between the lines of the fits. A
// front end that tells its user how far a run is reads them back.

namespace quarlin {

inline constexpr const char* kSavingDataLine = " Saving data .....";
inline constexpr const char* kCalculatingLine = " Calculating .....";
inline constexpr const char* kProgress75Line = " Progress 75% ....";
inline constexpr const char* kAlmostDoneLine = " Almost done ...";
inline constexpr const char* kFilingResultsLine = " Filing results ..";

}  // namespace quarlin
