// The status text of a run from the lines the run shows.
#include "ui/control/run_status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarlin::ui {
namespace {

struct StatusCase {
  std::string name;
  std::string preference;
  bool composites;
  std::vector<std::string> lines;
  std::string status;  // after the last line
};

class RunStatusTest : public testing::TestWithParam<StatusCase> {};

TEST_P(RunStatusTest, TellsHowFarTheRunIs) {
  RunStatus status(GetParam().preference, GetParam().composites);
  for (const auto& line : GetParam().lines) status.Line(line);
  EXPECT_EQ(status.Text(), GetParam().status);
}

// A best-of-all run without composites fits 36 distributions; the batch
// command numbers their lines the same way (" 31 done (5 of 36)").
INSTANTIATE_TEST_SUITE_P(
    Lines, RunStatusTest,
    testing::Values(
        StatusCase{"NothingYet", "1", false, {}, "A run is under way."},
        StatusCase{"Saving",
                   "1",
                   false,
                   {" Saving data ....."},
                   "A run is under way: the data are being saved."},
        StatusCase{"NoFitYet",
                   "1",
                   false,
                   {" Saving data .....", " Calculating ....."},
                   "A run is under way: 0 of 36 distributions fitted."},
        StatusCase{"FirstFits",
                   "1",
                   false,
                   {" Calculating .....", " 3 done", " 4 done"},
                   "A run is under way: 2 of 36 distributions fitted."},
        // Not every fit's line names its code: 6 shows " please wait ...".
        StatusCase{
            "LinesOfOtherWords",
            "1",
            false,
            {" Calculating .....", " 3 done", " 4 done", " 5 done", " please wait ...", " 31 done"},
            "A run is under way: 5 of 36 distributions fitted."},
        // Lines between the fits are no fits.
        StatusCase{
            "LinesBetweenFits",
            "1",
            false,
            {" Calculating .....", " 90 done", " 91 done", " 92 done", " Still working ......"},
            "A run is under way: 32 of 36 distributions fitted."},
        // The adjusted Fisk distribution (56) shows no line: it is counted
        // with the Weibull distribution after it.
        StatusCase{"FitWithoutALine",
                   "1",
                   false,
                   {" Calculating .....", " 73 done", " 57 done"},
                   "A run is under way: 18 of 36 distributions fitted."},
        // A fit that found nothing shows no line; the next one counts it.
        StatusCase{"SkippedFit",
                   "1",
                   false,
                   {" Calculating .....", " 3 done", " 5 done"},
                   "A run is under way: 3 of 36 distributions fitted."},
        // A line of an earlier fit, once more, takes nothing back.
        StatusCase{"NoStepBack",
                   "1",
                   false,
                   {" Calculating .....", " 3 done", " 4 done", " 5 done", " 3 done"},
                   "A run is under way: 3 of 36 distributions fitted."},
        // With the 12 simple and 10 generalized composites; 73 is fitted
        // once, as a single distribution.
        StatusCase{
            "Composites",
            "1",
            true,
            {" Calculating .....", " 3 done", " 4 done", " 5 done", " please wait ...", " 8 done"},
            "A run is under way: 6 of 58 distributions fitted."},
        StatusCase{"Preferred",
                   "57",
                   false,
                   {" Calculating ....."},
                   "A run is under way: the preferred distribution is being fitted."},
        StatusCase{"PreferredFitted",
                   "57",
                   false,
                   {" Calculating .....", " 57 done"},
                   "A run is under way: the preferred distribution is fitted."},
        StatusCase{"PreferredCompositeFitted",
                   "8",
                   true,
                   {" Calculating .....", " 8 done"},
                   "A run is under way: the preferred distribution is fitted."},
        StatusCase{"Report",
                   "1",
                   false,
                   {" Calculating .....", " 3 done", " Progress 75% ...."},
                   "A run is under way: the report is being written."},
        StatusCase{"ManyData",
                   "57",
                   false,
                   {" Calculating .....", " 57 done", " Progress 75% ....", " Almost done ..."},
                   "A run is under way: the report is being written."},
        StatusCase{"Filing",
                   "1",
                   false,
                   {" Progress 75% ....", " Filing results .."},
                   "A run is under way: the results are being filed."}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quarlin::ui
