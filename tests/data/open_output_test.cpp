#include "data/open_output.h"

#include <gtest/gtest.h>

#include "data/messages.h"
#include "temp_dir.h"

namespace quarlin {
namespace {

using testing_support::TempDir;
using testing_support::WriteAll;

class RecordingDialogs : public Dialogs {
 public:
  void Message(const std::string& text) override { messages.push_back(text); }
  bool Question(const std::string&) override { return false; }
  std::optional<std::string> ChooseSaveFile(const std::vector<FileFilter>&) override { return {}; }
  std::optional<std::string> ChooseOpenFile(const std::vector<FileFilter>&) override { return {}; }
  std::vector<std::string> messages;
};

struct AuxCase {
  std::string name;
  std::optional<std::string> aux;  // nullopt: no *.aux
  int code;
  bool hint;  // the calculator hint is shown
};

class OpenOutputTest : public testing::TestWithParam<AuxCase> {
 protected:
  TempDir dir_;
  RecordingDialogs dialogs_;
};

TEST_P(OpenOutputTest, ReadsTheCodeFromTheParameterFile) {
  WriteAll(dir_ / "s.out", " RESULTS\r\n\r\n end\r\n");
  if (GetParam().aux) WriteAll(dir_ / "s.aux", *GetParam().aux);
  RunState state;
  state.AuxCode = 99;
  state.FileName = (dir_ / "s.out").string();
  const auto lines = OpenOutput(state, dialogs_);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{" RESULTS", "", " end"}));
  EXPECT_EQ(state.AuxCode, GetParam().code);
  EXPECT_EQ(state.FileName, (dir_ / "s.out").string());
  EXPECT_EQ(dialogs_.messages,
            GetParam().hint ? std::vector<std::string>{kNoAuxMessage} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    AuxFiles, OpenOutputTest,
    testing::Values(
        AuxCase{"Header", " Parameters for internal use, do not remove.\r\n57\r\n 1.0\r\n", 57,
                false},
        AuxCase{"OlderWithoutHeader", "   61\r\n 1.0\r\n", 61, false},
        AuxCase{"Missing", std::nullopt, 0, true},
        AuxCase{"Unreadable", " Parameters for internal use, do not remove.\r\nabc\r\n", 0, true},
        AuxCase{"Empty", "", 0, true}),
    [](const auto& info) { return info.param.name; });

TEST(OpenOutput, MissingOutputIsReported) {
  TempDir dir;
  RecordingDialogs dialogs;
  RunState state;
  state.FileName = (dir / "s.out").string();
  EXPECT_FALSE(OpenOutput(state, dialogs));
  EXPECT_EQ(dialogs.messages,
            std::vector<std::string>{"The file \"" + state.FileName +
                                     "\" could not be opened.  It may be damaged,  not created due "
                                     "to inadequate input data,  or in use by another program"});
}

}  // namespace
}  // namespace quarlin
