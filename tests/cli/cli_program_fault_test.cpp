// A fault that no check foresaw (an exception from deep inside a run): the
// command says so on stderr, removes the run's temporary files and lock,
// keeps an earlier run's files and exits with 1, instead of ending in
// std::terminate.
#include <gtest/gtest.h>

#include <cerrno>
#include <iostream>
#include <new>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "cli/command_line.h"
#include "cli/run_command.h"
#include "data/run_doubles.h"
#include "data/run_session.h"
#include "data/temp_dir.h"

namespace quarlin::testing_support {
namespace {

const std::string kRunNotFinished =
    " The run was not finished and its temporary files were removed.\n";

struct FaultCase {
  std::string name;
  std::string step;  // where the engine throws
  std::exception_ptr fault;
  std::string words;  // how the message renders the fault
};

void PrintTo(const FaultCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<FaultCase> FaultCases() {
  return {
      {"TableLogicError", "FitAll",
       std::make_exception_ptr(std::logic_error("no distribution row for code 99")),
       "no distribution row for code 99."},
      {"ThreadNotStarted", "FitAll",
       std::make_exception_ptr(std::system_error(EAGAIN, std::generic_category())),
       "Resource temporarily unavailable."},
      {"OutOfMemoryInTheReport", "WriteReport", std::make_exception_ptr(std::bad_alloc()),
       "std::bad_alloc."},
      {"UnknownInTheFinalAnalysis", "FinalAnalysis", std::make_exception_ptr(7),
       "An exception of unknown type."},
  };
}

class ProgramFaultTest : public testing::TestWithParam<FaultCase> {
 protected:
  ProgramFaultTest() {
    std::string column;
    for (int i = 1; i <= 12; ++i) column += std::to_string(10 + (i * 37) % 89) + ".5\n";
    WriteAll(dir / "v.csv", column);
    for (const char* extension : {".inp", ".out", ".aux", ".Lst"})
      WriteAll(dir / (std::string("res") + extension), std::string("earlier ") + extension);
    steps.throwAt = GetParam().step;
    steps.fault = GetParam().fault;
  }

  // Only the input and the earlier run's files, as they were.
  void ExpectEarlierRunOnly() const {
    EXPECT_EQ(dir.Names(),
              (std::set<std::string>{"v.csv", "res.inp", "res.out", "res.aux", "res.Lst"}));
    for (const char* extension : {".inp", ".out", ".aux", ".Lst"})
      EXPECT_EQ(ReadAll(dir / (std::string("res") + extension)),
                std::string("earlier ") + extension);
  }

  std::string Message() const {
    return "A program error occurred. " + GetParam().words + kRunNotFinished;
  }

  TempDir dir;
  Events events;
  StopRequest stop;
  FakeEngineSteps steps{events, stop};
  RunSession session{steps};
};

TEST_P(ProgramFaultTest, RunCommandTellsTheFaultAndKeepsTheEarlierRun) {
  RunOptions options;
  options.input = (dir / "v.csv").string();
  options.output = (dir / "res").string();
  options.quiet = true;
  std::ostringstream out, err;
  EXPECT_EQ(RunCommand(options, session, out, err), 1);
  EXPECT_EQ(out.str(), "");
  const std::string message = Message();
  ASSERT_GE(err.str().size(), message.size()) << err.str();
  EXPECT_EQ(err.str().substr(err.str().size() - message.size()), message) << err.str();
  ExpectEarlierRunOnly();
}

// Through the command line, one input and several: the single-input path
// has no batch around it to catch for it.
TEST_P(ProgramFaultTest, CommandLineExitsWithOne) {
  const std::string v = (dir / "v.csv").string(), res = (dir / "res").string();
  std::vector<std::string> words{"quarlin-cli", "run", v, "--output", res, "--quiet"};
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
  std::ostringstream err;
  std::streambuf* const cerr = std::cerr.rdbuf(err.rdbuf());
  const int status =
      RunCommandLine(static_cast<int>(argv.size()), argv.data(), "quarlin-cli", session);
  std::cerr.rdbuf(cerr);
  EXPECT_EQ(status, 1);
  const std::string message = Message();
  ASSERT_GE(err.str().size(), message.size()) << err.str();
  EXPECT_EQ(err.str().substr(err.str().size() - message.size()), message) << err.str();
  ExpectEarlierRunOnly();
}

INSTANTIATE_TEST_SUITE_P(Faults, ProgramFaultTest, testing::ValuesIn(FaultCases()),
                         [](const auto& info) { return info.param.name; });

// Whatever escapes a subcommand (calc, graph, distributions, run) ends as a
// message and exit status 1; a status the command gives passes through.
TEST(CommandOrFaultTest, TurnsAnEscapingFaultIntoStatusOne) {
  std::ostringstream err;
  EXPECT_EQ(CommandOrFault([] { return 2; }, err), 2);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(CommandOrFault([]() -> int { throw std::out_of_range("vector::_M_range_check"); }, err),
            1);
  EXPECT_EQ(err.str(), "A program error occurred. vector::_M_range_check.\n");
  err.str("");
  EXPECT_EQ(CommandOrFault([]() -> int { throw std::runtime_error("Disk gone!"); }, err), 1);
  EXPECT_EQ(err.str(), "A program error occurred. Disk gone!\n");
  err.str("");
  EXPECT_EQ(CommandOrFault([]() -> int { throw 7; }, err), 1);
  EXPECT_EQ(err.str(), "A program error occurred. An exception of unknown type.\n");
}

}  // namespace
}  // namespace quarlin::testing_support
