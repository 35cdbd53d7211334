#include "common/file_lock.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quarlin {
namespace {

namespace fs = std::filesystem;

class FileLockTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quarlin-lock-" +
            std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

// What a second taker gets while the first holds the lock.
struct TakeCase {
  std::string name;
  bool wait;
  bool giveUp;
  FileLock::Outcome outcome;
  int waitingCalls;
};

class SecondTakerTest : public FileLockTest, public testing::WithParamInterface<TakeCase> {};

TEST_P(SecondTakerTest, IsRefusedWhileTheFirstHoldsIt) {
  FileLock first;
  ASSERT_EQ(first.Take(dir_ / "res.lock", false), FileLock::Outcome::Held);
  FileLock second;
  int waiting = 0, asked = 0;
  const auto outcome = second.Take(
      dir_ / "res.lock", GetParam().wait, [&] { ++waiting; },
      [&] { return GetParam().giveUp && ++asked > 2; });
  EXPECT_EQ(outcome, GetParam().outcome);
  EXPECT_EQ(waiting, GetParam().waitingCalls);
}

INSTANTIATE_TEST_SUITE_P(
    Takers, SecondTakerTest,
    testing::Values(TakeCase{"NotWaiting", false, false, FileLock::Outcome::Busy, 0},
                    TakeCase{"WaitingUntilGivenUp", true, true, FileLock::Outcome::Busy, 1}),
    [](const auto& info) { return info.param.name; });

TEST_F(FileLockTest, LettingGoRemovesTheFileAndFreesTheLock) {
  {
    FileLock first;
    ASSERT_EQ(first.Take(dir_ / "res.lock", false), FileLock::Outcome::Held);
    EXPECT_TRUE(fs::exists(dir_ / "res.lock"));
  }
  EXPECT_FALSE(fs::exists(dir_ / "res.lock"));
  FileLock again;
  EXPECT_EQ(again.Take(dir_ / "res.lock", false), FileLock::Outcome::Held);
}

TEST_F(FileLockTest, FolderThatTakesNoFileHasNoLock) {
  FileLock lock;
  EXPECT_EQ(lock.Take(dir_ / "missing" / "res.lock", true), FileLock::Outcome::NoLockFile);
  EXPECT_FALSE(fs::exists(dir_ / "missing"));
}

}  // namespace
}  // namespace quarlin
