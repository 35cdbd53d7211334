// Fits computed ahead when the system gives fewer threads than asked for:
// the run goes on with those it got, or on the calling thread alone.
#include "engine/driver/parallel_fits.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

#include "engine/catalogue/distribution_table.h"
#include "engine/model/sample.h"

namespace quarlin {
namespace {

// Every fit is marked with its code, so that a result handed to the wrong
// code shows.
class MarkedFits : public CandidateFits {
 public:
  FitResult Regression(const Sample&, const RegressionMember& m) const override {
    return Marked(m.code);
  }
  FitResult OwnFormula(const Sample&, int code) const override { return Marked(code); }
  StudentFits Student(const Sample&) const override {
    return {Marked(kStudentOneDf), Marked(kStudentTwoDf)};
  }
  NormalFit Normal(const Sample&, int code) const override {
    NormalFit fit;
    fit.code = code;
    fit.fitted = true;
    fit.SAD = code + 0.25L;
    return fit;
  }
  FitResult Composite(const Sample&, int code) const override { return Marked(code); }

 private:
  static FitResult Marked(int code) {
    FitResult r;
    r.code = code;
    r.fitted = true;
    r.SAD = code + 0.5L;
    return r;
  }
};

// Starts `granted` threads, then fails as the system does when it has no
// more to give; counts the threads asked for in `asked`.
ThreadStart ScarceThreads(int granted, int& asked) {
  return [granted, &asked](std::function<void()> work) {
    if (asked++ >= granted) throw std::system_error(EAGAIN, std::generic_category());
    return std::thread(std::move(work));
  };
}

class ScarceThreadsTest : public testing::TestWithParam<int> {};

TEST_P(ScarceThreadsTest, EveryFitIsStillHandedOverUnderItsOwnCode) {
  std::vector<long double> values;
  for (int i = 1; i <= 12; ++i) values.push_back(3.0L + i);
  const Sample sample = RankValues(values);
  const MarkedFits inner;
  const std::vector<int> codes = FitSequence(true);
  int asked = 0;
  const ParallelFits ahead(inner, sample, codes, 4, ScarceThreads(GetParam(), asked));
  EXPECT_EQ(asked, GetParam() + 1);
  for (const int code : codes) {
    const DistributionRow& row = RowOf(code);
    switch (row.kind) {
      case DistributionKind::RegressionMember:
        EXPECT_EQ(ahead.Regression(sample, *row.regression).SAD, code + 0.5L) << code;
        break;
      case DistributionKind::NormalMember:
        EXPECT_EQ(ahead.Normal(sample, code).SAD, code + 0.25L) << code;
        break;
      case DistributionKind::Student: {
        const StudentFits student = ahead.Student(sample);
        EXPECT_EQ(student.oneDf.code, kStudentOneDf);
        EXPECT_EQ(student.twoDf.code, kStudentTwoDf);
        break;
      }
      case DistributionKind::SimpleComposite:
      case DistributionKind::GeneralizedComposite:
        EXPECT_EQ(ahead.Composite(sample, code).SAD, code + 0.5L) << code;
        break;
      case DistributionKind::OwnFormulaFamily:
      case DistributionKind::NameOnly:
        EXPECT_EQ(ahead.OwnFormula(sample, code).SAD, code + 0.5L) << code;
        break;
    }
  }
}

// None, one and all but one of the four threads asked for.
INSTANTIATE_TEST_SUITE_P(Granted, ScarceThreadsTest, testing::Values(0, 1, 3));

}  // namespace
}  // namespace quarlin
