// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/file_lock.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <thread>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

class FileLockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / (std::string("velmorant-file-lock-") + info->name() +
                                               "-" + std::to_string(std::random_device()()));
        fs::create_directories(folder_);
        list_ = folder_ / "CALL3.TXT";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
    fs::path list_;
};

TEST_F(FileLockTest, TwoHoldersInOneProcessExcludeEachOther) {
    std::optional<FileLock> first = FileLock::Acquire(list_, milliseconds(0));
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->LockFile(), folder_ / "CALL3.TXT.lock");
    EXPECT_TRUE(fs::is_regular_file(folder_ / "CALL3.TXT.lock"));

    // A busy lock is waited for as long as asked, then given up.
    const auto start = Clock::now();
    EXPECT_FALSE(FileLock::Acquire(list_, milliseconds(150)).has_value());
    EXPECT_GE(Clock::now() - start, milliseconds(150));

    // A moved lock is still held; the lock is free once its last holder is gone.
    FileLock moved = std::move(*first);
    first.reset();
    EXPECT_FALSE(FileLock::Acquire(list_, milliseconds(0)).has_value());
    moved = std::move(FileLock::Acquire(folder_ / "other", milliseconds(0)).value());
    EXPECT_TRUE(FileLock::Acquire(list_, milliseconds(0)).has_value());
}

TEST_F(FileLockTest, AWaitingHolderGetsTheLockOnceItIsReleased) {
    auto first = FileLock::Acquire(list_);
    ASSERT_TRUE(first.has_value());
    std::thread releaser([&first] {
        std::this_thread::sleep_for(milliseconds(200));
        first.reset();
    });
    const auto start = Clock::now();
    const auto second = FileLock::Acquire(list_, milliseconds(5000));
    const auto waited = Clock::now() - start;
    releaser.join();
    EXPECT_TRUE(second.has_value());
    EXPECT_GE(waited, milliseconds(150));
    EXPECT_LT(waited, milliseconds(4000));
}

TEST_F(FileLockTest, AKilledHolderLeavesNoStaleLock) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Another copy of the program: takes the lock and dies holding it.
        auto lock = FileLock::Acquire(list_, milliseconds(0));
        const char byte = lock ? '1' : '0';
        if (::write(ready[1], &byte, 1) != 1) {
            ::_exit(1);
        }
        for (;;) {
            ::pause();
        }
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    EXPECT_EQ(byte, '1');
    EXPECT_FALSE(FileLock::Acquire(list_, milliseconds(50)).has_value());
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(FileLock::Acquire(list_, milliseconds(0)).has_value());
}

TEST_F(FileLockTest, AMissingFolderGivesNoLock) {
    EXPECT_FALSE(FileLock::Acquire(folder_ / "missing" / "CALL3.TXT", milliseconds(0)).has_value());
    EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

}  // namespace
}  // namespace velmorant
