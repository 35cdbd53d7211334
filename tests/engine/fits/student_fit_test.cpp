#include <gtest/gtest.h>

#include "engine/fits/own_formula_fits.h"

namespace quarlin {
namespace {

// Data 1..6: mean 3.5, standard deviation sqrt(3.5) = 1.8708287; the values
// of the two laws were worked out by hand from T = (x - 3.5)/1.8708287.
TEST(StudentFitTest, UsesMeanAndStandardDeviationOfData) {
  const StudentFits fits = FitStudent(RankValues({4, 1, 6, 2, 5, 3}));
  ASSERT_TRUE(fits.oneDf.fitted);
  ASSERT_TRUE(fits.twoDf.fitted);
  EXPECT_EQ(fits.oneDf.code, 62);
  EXPECT_EQ(fits.twoDf.code, 63);
  EXPECT_NEAR(fits.oneDf.params.student.mean, 3.5, 1e-12);
  EXPECT_NEAR(fits.oneDf.params.student.sd, 1.8708286933869707, 1e-12);
  EXPECT_NEAR(fits.twoDf.params.student.sd, 1.8708286933869707, 1e-12);
  const double one[] = {0.20449258373860885, 0.2848773827738499, 0.41687101425940487,
                        0.5831289857405951,  0.7151226172261501, 0.7955074162613911};
  const double two[] = {0.15659859012827748, 0.25340151904196406, 0.40715233091147407,
                        0.5928476690885259,  0.7465984809580359,  0.8434014098717225};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_NEAR(fits.oneDf.Fcalc[i], one[i - 1], 1e-12) << i;
    EXPECT_NEAR(fits.twoDf.Fcalc[i], two[i - 1], 1e-12) << i;
  }
  EXPECT_NEAR(fits.oneDf.SAD, 0.14834551626785103, 1e-12);
  EXPECT_NEAR(fits.twoDf.SAD, 0.1349466232068215, 1e-12);
  EXPECT_EQ(fits.Better().code, 63);
}

TEST(StudentFitTest, EqualSumsKeepOneDegreeOfFreedom) {
  StudentFits fits;
  fits.oneDf.code = 62;
  fits.twoDf.code = 63;
  fits.oneDf.fitted = fits.twoDf.fitted = true;
  fits.oneDf.SAD = fits.twoDf.SAD = 0.25L;
  EXPECT_EQ(fits.Better().code, 62);
  fits.oneDf.SAD = 0.2500001L;
  EXPECT_EQ(fits.Better().code, 63);
}

TEST(StudentFitTest, DataWithoutVariationFitNeither) {
  const StudentFits fits = FitStudent(RankValues({2, 2, 2, 2, 2, 2}));
  EXPECT_FALSE(fits.oneDf.fitted);
  EXPECT_FALSE(fits.twoDf.fitted);
}

}  // namespace
}  // namespace quarlin
