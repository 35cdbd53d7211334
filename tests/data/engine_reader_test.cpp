#include "data/engine_reader.h"

#include <gtest/gtest.h>

#include "data/input_file.h"
#include "data/messages.h"
#include "temp_dir.h"

namespace quarlin {
namespace {

using testing_support::TempDir;
using testing_support::WriteAll;

class EngineReaderTest : public testing::Test {
 protected:
  // Writes `values` as an input file and reads it back with the engine reader.
  Status Read(const std::vector<long double>& values) {
    RunState written;
    written.FileName = (dir_ / "e.inp").string();
    written.Title1 = title1_;
    written.Title2 = "units";
    written.Values = values;
    written.Removed.assign(values.size(), 0);
    written.NrOfData = static_cast<int>(values.size());
    EXPECT_TRUE(WriteInputFile(written).ok());
    state_.FileName = written.FileName;
    return ReadEngineData(state_, engine_);
  }

  TempDir dir_;
  std::string title1_ = "title";
  RunState state_;
  EngineData engine_;
};

TEST_F(EngineReaderTest, RanksWithStableTiesAndFileSerials) {
  ASSERT_TRUE(Read({5.0L, 2.0L, 5.0L, 1.0L, 2.0L, 9.0L}).ok());
  const Sample& s = engine_.sample;
  ASSERT_EQ(s.N, 6);
  EXPECT_EQ(s.X, (std::vector<long double>{0, 1, 2, 2, 5, 5, 9}));
  EXPECT_EQ(s.SerialOf, (std::vector<int>{0, 4, 2, 5, 1, 3, 6}));
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(s.Fc[i], static_cast<long double>(i) / 7);
  EXPECT_EQ(s.C, 0.0001);
  EXPECT_FALSE(s.HighShift);
  EXPECT_EQ(state_.NrOfData, 6);
  EXPECT_EQ(state_.SortedValues, s.X);
  EXPECT_EQ(engine_.EngTitle1, "title");
  EXPECT_EQ(engine_.EngTitle2, "units");
  EXPECT_EQ(engine_.LowLimit, -1000000.0);
}

TEST_F(EngineReaderTest, ZeroEntersAsOneThousandthAndCountsForTheMinimum) {
  ASSERT_TRUE(Read({3.0L, 0.0L, 2.0L, 4.0L, 5.0L, 6.0L}).ok());
  EXPECT_EQ(engine_.sample.X[1], 0.001L);
  EXPECT_EQ(engine_.sample.SerialOf[1], 2);
  EXPECT_EQ(engine_.sample.C, 0.0001);
  EXPECT_EQ(state_.SortedValues[1], 0.001L);
}

TEST_F(EngineReaderTest, NegativeMinimumMovesTheDataUp) {
  ASSERT_TRUE(Read({-2.5L, 4.0L, 1.0L, -1.0L, 3.0L, 2.0L}).ok());
  const Sample& s = engine_.sample;
  EXPECT_EQ(s.C, -2.5);
  EXPECT_EQ(s.X[1], -2.5L + 2.5L + 0.0001L);
  EXPECT_EQ(s.X[6], 4.0L + 2.5L + 0.0001L);
  EXPECT_FALSE(s.HighShift) << "no left shift after an upward one";
  EXPECT_EQ(state_.SortedValues[1], -2.5L) << "the ranked data stay unshifted";
}

TEST_F(EngineReaderTest, LeftShiftOnlyWhenTheLargestIsBelowFourTenThousandths) {
  ASSERT_TRUE(Read({0.00011L, 0.00012L, 0.00013L, 0.00021L, 0.00035L, 0.00039L}).ok());
  const Sample& s = engine_.sample;
  EXPECT_TRUE(s.HighShift);
  // The values enter as the file's text read in double precision.
  const long double first = 0.00011;
  EXPECT_EQ(s.C, static_cast<double>(0.75L * first));
  EXPECT_EQ(s.X[1], first - s.C);
  EXPECT_EQ(s.X[6], static_cast<long double>(0.00039) - s.C);

  ASSERT_TRUE(Read({0.00011L, 0.00012L, 0.00013L, 0.00021L, 0.00035L, 0.0004L}).ok());
  EXPECT_FALSE(engine_.sample.HighShift);
  EXPECT_EQ(engine_.sample.C, 0.0001);
}

TEST_F(EngineReaderTest, TitlesAreCutAtSeventyTwoCharacters) {
  title1_ = std::string(72, 'a') + "bcd";
  ASSERT_TRUE(Read({1, 2, 3, 4, 5, 6}).ok());
  EXPECT_EQ(engine_.EngTitle1, std::string(72, 'a'));
}

TEST_F(EngineReaderTest, DataEndAtTheFirstBlankLine) {
  WriteAll(dir_ / "b.inp",
           " a\r\n b\r\n\r\n T1\r\n T2\r\n\r\n Filename: x\r\n n\r\n t\r\n"
           " Composite distributions are allowed\r\n\r\n ------------------\r\n"
           " Serial    Variable\r\n ------------------\r\n    1       3.00\r\n"
           "    2       1.00\r\n      \r\n    3       2.00\r\n");
  state_.FileName = (dir_ / "b.inp").string();
  ASSERT_TRUE(ReadEngineData(state_, engine_).ok());
  EXPECT_EQ(engine_.sample.N, 2);
  EXPECT_EQ(engine_.EngTitle1, "T1");
}

TEST_F(EngineReaderTest, UnreadableValueLeavesEverythingAsItWas) {
  ASSERT_TRUE(Read({1, 2, 3, 4, 5, 6}).ok());
  WriteAll(dir_ / "bad.inp",
           " a\r\n b\r\n\r\n T1\r\n T2\r\n\r\n x\r\n n\r\n t\r\n c\r\n\r\n -\r\n"
           " Serial    Variable\r\n -\r\n    1       3.00\r\n    2       x.00\r\n");
  state_.FileName = (dir_ / "bad.inp").string();
  const Status status = ReadEngineData(state_, engine_);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.message(), "A program error occurred.Real numbers in the inputfile \"" +
                                  state_.FileName +
                                  "\" are invalid (line 16 holds \"    2       x.00\")");
  EXPECT_EQ(engine_.sample.N, 6);
  EXPECT_EQ(state_.NrOfData, 6);
}

TEST(RankAndShift, EmptySample) {
  const Sample s = RankAndShift({}, {});
  EXPECT_EQ(s.N, 0);
  EXPECT_FALSE(s.HighShift);
}

}  // namespace
}  // namespace quarlin
