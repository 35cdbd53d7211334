// The bundled example series, run again: every file a run writes must be
// the one committed beside the series, to the character, but for the folder
// that the files name.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fixtures/scoped_locale.h"

namespace {

namespace fs = std::filesystem;

const std::string kProgram = std::string(QUARLIN_BIN_DIR) + "/quarlin-cli";
const fs::path kData = fs::path(QUARLIN_SOURCE_DIR) / "Data";

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The lines that name a file keep only its name: the folder is where the
// files were made, which differs between checkouts.
std::string WithoutFolder(const std::string& text) {
  std::string result;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    std::string line = text.substr(start, end - start);
    for (const char* label : {" Filename: ", " Name of input file used: "}) {
      const size_t slash = line.rfind('/');
      if (line.rfind(label, 0) == 0 && slash != std::string::npos)
        line = label + std::string("<folder>") + line.substr(slash);
    }
    result += line;
    start = end;
  }
  return result;
}

struct Example {
  const char* name;
  const char* title1;
  const char* title2;
};

class ExampleTest : public testing::TestWithParam<Example> {
 protected:
  ExampleTest() : dir_(fs::temp_directory_path() / ("quarlin-example-" + Name())) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~ExampleTest() override { fs::remove_all(dir_); }
  std::string Name() const { return GetParam().name; }
  fs::path dir_;
};

TEST_P(ExampleTest, RunReproducesTheCommittedFiles) {
  const Example& e = GetParam();
  fs::copy_file(kData / (Name() + ".csv"), dir_ / (Name() + ".csv"));
  const std::string command = "cd '" + dir_.string() + "' && " +
                              quarlin::testing_support::LocaleAssignments() + " '" + kProgram +
                              "' run " + Name() + ".csv --title1 '" + e.title1 + "' --title2 '" +
                              e.title2 + "' --quiet >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
  for (const char* extension : {".inp", ".out", ".aux", ".Lst"}) {
    const fs::path committed = kData / (Name() + extension);
    ASSERT_TRUE(fs::exists(committed)) << committed;
    EXPECT_EQ(WithoutFolder(ReadAll(dir_ / (Name() + extension))),
              WithoutFolder(ReadAll(committed)))
        << Name() << extension;
  }
}

// The titles are those of scripts/make-examples.sh, which wrote the files.
INSTANTIATE_TEST_SUITE_P(
    Data, ExampleTest,
    testing::Values(
        Example{"portpirie", "Annual maximum sea levels at Port Pirie, South Australia, 1923-1987",
                "m"},
        Example{"precip", "Average annual precipitation of 70 US and Puerto Rico cities", "inches"},
        Example{"Nile", "Annual flow of the river Nile at Aswan, 1871-1970", "10^8 m^3"},
        Example{"rivers", "Lengths of 141 major North American rivers", "miles"},
        Example{"sleep", "Increase in hours of sleep of 10 patients under two drugs", "hours"},
        Example{"lossalae_Loss", "Indemnity payments of general liability claims", "USD"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
