// The progress lines of the batch command, as a log and as a terminal sees them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/console.h"

namespace {

using quarlin::ConsoleDialogs;
using quarlin::ConsoleProgress;
using quarlin::ProgressStyle;

const std::vector<std::string> kRun = {" Saving data .....", " 3 done",           " 4 done",
                                       " please wait ...",   " 10 done",          " 5 done",
                                       " 69 done ...",       " Filing results .."};

std::string Shown(ProgressStyle style, bool quiet = false) {
  std::ostringstream err;
  {
    ConsoleProgress progress(err, quiet, style, {3, 4, 5});
    for (const auto& line : kRun) progress.Line(line);
  }
  return err.str();
}

TEST(ConsoleProgress, LogsGetEveryLineAsItIs) {
  EXPECT_EQ(Shown(ProgressStyle::Lines),
            " Saving data .....\n 3 done\n 4 done\n please wait ...\n 10 done\n 5 done\n"
            " 69 done ...\n Filing results ..\n");
}

TEST(ConsoleProgress, TerminalRewritesOneLine) {
  // A fit's line tells where the fit is in the run's order; a fit outside it
  // gets no count; blanks wipe the longer line before.
  EXPECT_EQ(Shown(ProgressStyle::InPlace),
            "\r Saving data .....\r 3 done (1 of 3)  \r 4 done (2 of 3)\r please wait ...\r"
            " 10 done        \r 5 done (3 of 3)\r 69 done ...    \r Filing results ..\n");
}

TEST(ConsoleProgress, QuietShowsNothingInEitherStyle) {
  EXPECT_EQ(Shown(ProgressStyle::Lines, true), "");
  EXPECT_EQ(Shown(ProgressStyle::InPlace, true), "");
}

TEST(ConsoleProgress, MessageAndTheEndStartOnAFreshLine) {
  std::ostringstream err;
  {
    ConsoleProgress progress(err, false, ProgressStyle::InPlace, {3, 4});
    ConsoleDialogs dialogs(err, "x.inp", &progress);
    progress.Line(" 3 done");
    dialogs.Message("Left shift applied");
    progress.Line(" 4 done");
  }
  EXPECT_EQ(err.str(), "\r 3 done (1 of 2)\nLeft shift applied\n\r 4 done (2 of 2)\n");
}

}  // namespace
