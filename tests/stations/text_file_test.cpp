#include "stations/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace velmorant {
namespace {

namespace fs = std::filesystem;

// A fresh empty folder per test, removed afterwards.
class TextFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / (std::string("velmorant-text-file-") + info->name() +
                                               "-" + std::to_string(std::random_device()()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
};

// Every byte value, CR and LF in all combinations: nothing is translated.
std::string AllBytes() {
    std::string text = "DL1ABC,JO62qm,x\r\nLF\nCR\r\r\n";
    for (int c = 0; c < 256; ++c) {
        text += static_cast<char>(c);
    }
    return text;
}

TEST_F(TextFileTest, WritesAndReadsBackEveryByte) {
    const fs::path file = folder_ / "CALL3.TXT";
    ASSERT_TRUE(ReplaceTextFile(file, AllBytes()));
    EXPECT_EQ(ReadTextFile(file), AllBytes());
    ASSERT_TRUE(ReplaceTextFile(file, "short\r\n"));
    EXPECT_EQ(ReadTextFile(file), "short\r\n");
    ASSERT_TRUE(ReplaceTextFile(file, ""));
    EXPECT_EQ(ReadTextFile(file), "");
    // Nothing is left beside it.
    EXPECT_FALSE(fs::exists(folder_ / "CALL3.TXT.tmp"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, ReadsNothingFromAMissingFileOrAFolder) {
    EXPECT_EQ(ReadTextFile(folder_ / "CALL3.TXT"), std::nullopt);
    EXPECT_EQ(ReadTextFile(folder_), std::nullopt);
}

TEST_F(TextFileTest, AFailedWriteLeavesTheFileWhole) {
    const fs::path file = folder_ / "CALL3.TXT";
    ASSERT_TRUE(ReplaceTextFile(file, AllBytes()));
    // A folder under the temporary name cannot be opened for writing, not even by root.
    fs::create_directory(folder_ / "CALL3.TXT.tmp");
    EXPECT_FALSE(ReplaceTextFile(file, "the new text\r\n"));
    EXPECT_EQ(ReadTextFile(file), AllBytes());
    // The folder was not ours: it stays.
    EXPECT_TRUE(fs::is_directory(folder_ / "CALL3.TXT.tmp"));
}

TEST_F(TextFileTest, AFailedRenameLeavesNoTemporaryFile) {
    // A non-empty folder where the file should be: the temporary file is written but cannot
    // take its place.
    const fs::path file = folder_ / "CALL3.TXT";
    fs::create_directories(file / "inside");
    EXPECT_FALSE(ReplaceTextFile(file, "text\r\n"));
    EXPECT_TRUE(fs::is_directory(file / "inside"));
    EXPECT_FALSE(fs::exists(folder_ / "CALL3.TXT.tmp"));
}

TEST_F(TextFileTest, AMissingFolderIsAFailure) {
    EXPECT_FALSE(ReplaceTextFile(folder_ / "missing" / "CALL3.TXT", "text\r\n"));
    EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

TEST_F(TextFileTest, ALeftoverTemporaryFileIsOverwritten) {
    const fs::path file = folder_ / "CALL3.TXT";
    ASSERT_TRUE(ReplaceTextFile(folder_ / "CALL3.TXT.tmp", "a long leftover of an earlier write"));
    ASSERT_TRUE(ReplaceTextFile(file, "new\r\n"));
    EXPECT_EQ(ReadTextFile(file), "new\r\n");
    EXPECT_FALSE(fs::exists(folder_ / "CALL3.TXT.tmp"));
}

}  // namespace
}  // namespace velmorant
