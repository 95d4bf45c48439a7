// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/defaults/defaults_storage.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

namespace fs = std::filesystem;

class FileStorage : public ::testing::Test {
  protected:
    FileStorage() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder =
            fs::temp_directory_path() / (std::string("velmorant_storage_") + test->name() + "_" +
                                         std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~FileStorage() override { fs::remove_all(folder); }

    void WriteFile(const std::string& text) {
        std::ofstream(folder / "VELMORANT.DAT", std::ios::binary) << text;
    }

    fs::path folder;
};

TEST_F(FileStorage, AMissingFileDoesNotExist) {
    FileDefaultsStorage storage(folder);
    EXPECT_FALSE(storage.Exists());
    EXPECT_FALSE(storage.ReadAll().has_value());
    EXPECT_EQ(fs::path(storage.Location()).filename(), "VELMORANT.DAT");
}

TEST_F(FileStorage, ReplacesTheWholeTextByteForByte) {
    WriteFile("old text that is longer than the new one\r\n");
    FileDefaultsStorage storage(folder);
    ASSERT_TRUE(storage.Exists());
    ASSERT_TRUE(storage.Replace("1,\"a\"\r\n2\r"));
    EXPECT_EQ(storage.ReadAll(), "1,\"a\"\r\n2\r");
    EXPECT_FALSE(fs::exists(folder / "VELMORANT.DAT.tmp"));
    EXPECT_EQ(storage.FailureReason(), "");
}

TEST_F(FileStorage, AFailedReplaceLeavesTheOldFileWholeAndSaysWhy) {
    WriteFile("old\r\n");
    // A file its owner made read-only is refused, for root as well.
    fs::permissions(folder / "VELMORANT.DAT", fs::perms::owner_read);
    FileDefaultsStorage storage(folder);
    EXPECT_FALSE(storage.Replace("new\r\n"));
    EXPECT_EQ(storage.FailureReason(), "The file is read-only");
    fs::permissions(folder / "VELMORANT.DAT", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(storage.ReadAll(), "old\r\n");
    // A missing folder: the system's words.
    FileDefaultsStorage elsewhere(folder / "missing");
    EXPECT_FALSE(elsewhere.Replace("new\r\n"));
    EXPECT_EQ(elsewhere.FailureReason(), "No such file or directory");
}

}  // namespace
}  // namespace velmorant
