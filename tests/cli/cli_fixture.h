#pragma once
// Runs the built quarlin-cli in a temporary folder and keeps what it printed.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fixtures/scoped_locale.h"

namespace cli_test {

namespace fs = std::filesystem;

inline const std::string kProgram = std::string(QUARLIN_BIN_DIR) + "/quarlin-cli";
inline const std::string kFixtures = QUARLIN_FIXTURES_DIR;

inline std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteAll(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string Crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

class CliTest : public testing::Test {
 protected:
  CliTest() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "-" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    root_ = fs::temp_directory_path() / ("quarlin-cli-" + name);
    fs::remove_all(root_);
    fs::create_directories(root_ / "work");
    work_ = fs::canonical(root_ / "work");
  }
  ~CliTest() override { fs::remove_all(root_); }

  // Runs `quarlin-cli ARGS` in the work folder under the test locale.
  Outcome Run(const std::string& args) {
    const std::string command = "cd '" + work_.string() + "' && " +
                                quarlin::testing_support::LocaleAssignments() + " '" + kProgram +
                                "' " + args + " >'" + (root_ / "stdout").string() + "' 2>'" +
                                (root_ / "stderr").string() + "'";
    const int raw = std::system(command.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.out = ReadAll(root_ / "stdout");
    outcome.err = ReadAll(root_ / "stderr");
    return outcome;
  }

  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(work_))
      names.insert(entry.path().filename().string());
    return names;
  }

  // The closing message of a run whose files share the base name `base`.
  std::string Finished(const std::string& base) const {
    const std::string path = (work_ / base).string();
    return "The input is saved in " + path +
           ".inp   Calculations were done and the output is "
           "saved in  " +
           path + ".out\n";
  }

  // Progress lines: the pipeline's own first, the fit's in between, then the
  // closing lines.
  static void ExpectFitProgress(const std::string& err, const std::string& head,
                                const std::string& tail) {
    EXPECT_EQ(err.substr(0, head.size()), head) << err;
    ASSERT_GE(err.size(), tail.size());
    EXPECT_EQ(err.substr(err.size() - tail.size()), tail) << err;
    EXPECT_NE(err.find("\n 3 done\n"), std::string::npos) << err;
    EXPECT_NE(err.find("\n 96 done\n"), std::string::npos) << err;
  }

  fs::path root_;
  fs::path work_;
};

}  // namespace cli_test
