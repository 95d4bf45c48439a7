// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "stations/file_replacement.h"
#include "tests/stations/file_size_limit.h"

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
    // The names in a folder, to see that nothing was left beside a file.
    static std::set<std::string> Names(const fs::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
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

fs::perms Mode(const fs::path& file) {
    return fs::status(file).permissions() & fs::perms::mask;
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
    EXPECT_EQ(Names(folder_), std::set<std::string>{"CALL3.TXT"});
}

TEST_F(TextFileTest, ReadsNothingFromAMissingFileOrAFolder) {
    EXPECT_EQ(ReadTextFile(folder_ / "CALL3.TXT"), std::nullopt);
    EXPECT_EQ(ReadTextFile(folder_), std::nullopt);
}

TEST_F(TextFileTest, AFailedWriteLeavesTheFileWholeAndSaysWhy) {
    const fs::path file = folder_ / "CALL3.TXT";
    ASSERT_TRUE(ReplaceTextFile(file, AllBytes()));
    WriteResult result;
    {
        FileSizeLimit limit(4096);
        result = WriteTextFile(file, std::string(100000, 'x'));
    }
    EXPECT_EQ(result.Outcome, WriteResult::Kind::Failed);
    EXPECT_EQ(result.Reason, "File too large");
    EXPECT_EQ(ReadTextFile(file), AllBytes());
    EXPECT_EQ(Names(folder_), std::set<std::string>{"CALL3.TXT"});
}

TEST_F(TextFileTest, AFolderInThePlaceOfTheFileIsRefused) {
    const fs::path file = folder_ / "CALL3.TXT";
    fs::create_directories(file / "inside");
    const WriteResult result = WriteTextFile(file, "text\r\n");
    EXPECT_EQ(result.Outcome, WriteResult::Kind::Failed);
    EXPECT_EQ(result.Reason, "Is a directory");
    EXPECT_TRUE(fs::is_directory(file / "inside"));
    EXPECT_EQ(Names(folder_), std::set<std::string>{"CALL3.TXT"});
}

TEST_F(TextFileTest, AMissingFolderIsAFailure) {
    const WriteResult result = WriteTextFile(folder_ / "missing" / "CALL3.TXT", "text\r\n");
    EXPECT_EQ(result.Reason, "No such file or directory");
    EXPECT_FALSE(ReplaceTextFile(folder_ / "missing" / "CALL3.TXT", "text\r\n"));
    EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

TEST_F(TextFileTest, OtherFilesBesideItAreLeftAlone) {
    // Leftovers of the fixed temporary name of earlier versions, and a name like our own
    // temporary files: none of them is ours, none stands in the way.
    const fs::path file = folder_ / "CALL3.TXT";
    fs::create_directory(folder_ / "CALL3.TXT.tmp");
    ASSERT_TRUE(ReplaceTextFile(folder_ / "CALL3.TXT.AbC123", "someone else's"));
    ASSERT_TRUE(ReplaceTextFile(file, "new\r\n"));
    EXPECT_EQ(ReadTextFile(file), "new\r\n");
    EXPECT_TRUE(fs::is_directory(folder_ / "CALL3.TXT.tmp"));
    EXPECT_EQ(ReadTextFile(folder_ / "CALL3.TXT.AbC123"), "someone else's");
    EXPECT_EQ(Names(folder_).size(), 3u);
}

TEST_F(TextFileTest, KeepsThePermissionBitsAndRefusesAReadOnlyFile) {
    // Only the owner's write bit decides, so that root is refused like anyone else.
    struct Case {
        fs::perms Mode;
        bool Written;
    };
    using P = fs::perms;
    const Case cases[] = {
        {P::owner_read | P::owner_write, true},
        {P::owner_read | P::owner_write | P::group_read | P::others_read, true},
        {P::owner_all | P::group_read | P::group_exec, true},
        {P::owner_write, true},
        {P::owner_read | P::group_read | P::others_read, false},
        {P::owner_read | P::group_write | P::others_write, false},
        {P::none, false},
    };
    const fs::path file = folder_ / "VELMORANT.DAT";
    for (const Case& c : cases) {
        const auto mode = static_cast<unsigned>(c.Mode);
        SCOPED_TRACE(mode);
        fs::remove(file);
        ASSERT_TRUE(ReplaceTextFile(file, "old\r\n"));
        fs::permissions(file, c.Mode);
        const WriteResult result = WriteTextFile(file, "new\r\n");
        EXPECT_EQ(Mode(file), c.Mode);
        EXPECT_EQ(Names(folder_), std::set<std::string>{"VELMORANT.DAT"});
        fs::permissions(file, P::owner_read | P::owner_write);
        if (c.Written) {
            EXPECT_TRUE(result.Written()) << result.Reason;
            EXPECT_EQ(ReadTextFile(file), "new\r\n");
        } else {
            EXPECT_EQ(result.Outcome, WriteResult::Kind::ReadOnly);
            EXPECT_EQ(result.Reason, kReadOnlyReason);
            EXPECT_EQ(ReadTextFile(file), "old\r\n");
        }
    }
}

TEST_F(TextFileTest, WritesThroughSymbolicLinks) {
    // The file lives elsewhere; the folder holds links to it: a relative one, an absolute one
    // and a link to a link. Each stays a link, and the temporary file goes beside the file.
    fs::create_directories(folder_ / "elsewhere");
    const fs::path target = folder_ / "elsewhere" / "QVAZEL.DAT";
    ASSERT_TRUE(ReplaceTextFile(target, "old\r\n"));
    fs::create_directories(folder_ / "links");
    fs::create_symlink("../elsewhere/QVAZEL.DAT", folder_ / "links" / "relative");
    fs::create_symlink(target, folder_ / "links" / "absolute");
    fs::create_symlink("relative", folder_ / "links" / "chained");
    for (const char* name : {"relative", "absolute", "chained"}) {
        SCOPED_TRACE(name);
        const fs::path link = folder_ / "links" / name;
        ASSERT_TRUE(ReplaceTextFile(link, std::string(name) + "\r\n"));
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(ReadTextFile(target), std::string(name) + "\r\n");
    }
    EXPECT_EQ(Names(folder_ / "elsewhere"), std::set<std::string>{"QVAZEL.DAT"});
    EXPECT_EQ(Names(folder_ / "links").size(), 3u);

    // A link to a file not yet there creates the file; a loop of links is a failure.
    fs::create_symlink("new.txt", folder_ / "links" / "dangling");
    ASSERT_TRUE(ReplaceTextFile(folder_ / "links" / "dangling", "new\r\n"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "links" / "dangling"));
    EXPECT_EQ(ReadTextFile(folder_ / "links" / "new.txt"), "new\r\n");
    fs::create_symlink("loop", folder_ / "links" / "loop");
    EXPECT_EQ(WriteTextFile(folder_ / "links" / "loop", "x").Outcome, WriteResult::Kind::Failed);
}

// What a file descriptor holds now (a FIFO's or pipe's buffered bytes), without waiting.
std::string Drain(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
}

TEST_F(TextFileTest, ReplacesOnlyARegularFileAndWritesAnyOtherTargetInPlace) {
    // A device, a FIFO or an open descriptor's name is written as it is: renaming a file over it
    // would put a plain file in place of the device or throw away the log behind the descriptor.
    struct Case {
        const char* Name;
        // Makes the target in `folder`; the name to write to, or nothing when the system
        // refuses (mknod without the right to make devices).
        std::function<std::optional<fs::path>(const fs::path& folder)> Make;
        WriteResult::Kind Outcome;
        std::string Reason;
        // Checks what the target is and holds afterwards.
        std::function<void(const fs::path& folder)> Check;
    };
    const std::string text = "new\r\n";
    std::vector<int> descriptors;  // the test's own ends of FIFOs, pipes and the log
    const auto keep = [&](int fd) {
        descriptors.push_back(fd);
        return fd;
    };
    const auto device = [](unsigned minor) {
        return [minor](const fs::path& folder) -> std::optional<fs::path> {
            const fs::path node = folder / "node";
            if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, minor)) != 0) {
                return std::nullopt;
            }
            return node;
        };
    };
    const auto stillADevice = [](unsigned minor) {
        return [minor](const fs::path& folder) {
            struct stat status {};
            ASSERT_EQ(::stat((folder / "node").c_str(), &status), 0);
            EXPECT_TRUE(S_ISCHR(status.st_mode));
            EXPECT_EQ(status.st_rdev, makedev(1, minor));
        };
    };
    using K = WriteResult::Kind;
    const Case cases[] = {
        {"regular file",
         [](const fs::path& folder) -> std::optional<fs::path> {
             EXPECT_TRUE(ReplaceTextFile(folder / "out", "old\r\n"));
             return folder / "out";
         },
         K::Written, "",
         [&](const fs::path& folder) { EXPECT_EQ(ReadTextFile(folder / "out"), text); }},
        {"link to a regular file",
         [](const fs::path& folder) -> std::optional<fs::path> {
             EXPECT_TRUE(ReplaceTextFile(folder / "real", "old\r\n"));
             fs::create_symlink("real", folder / "link");
             return folder / "link";
         },
         K::Written, "",
         [&](const fs::path& folder) {
             EXPECT_TRUE(fs::is_symlink(folder / "link"));
             EXPECT_EQ(ReadTextFile(folder / "real"), text);
         }},
        {"FIFO with a reader",
         [&](const fs::path& folder) -> std::optional<fs::path> {
             EXPECT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
             keep(::open((folder / "fifo").c_str(), O_RDONLY | O_NONBLOCK));
             return folder / "fifo";
         },
         K::Written, "",
         [&](const fs::path& folder) {
             EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
             EXPECT_EQ(Drain(descriptors.back()), text);
         }},
        {"device node like /dev/full", device(7), K::Failed, "No space left on device",
         stillADevice(7)},
        {"device node like /dev/null", device(3), K::Written, "", stillADevice(3)},
        {"pipe as standard output",
         [&](const fs::path&) -> std::optional<fs::path> {
             int ends[2];
             EXPECT_EQ(::pipe(ends), 0);
             keep(ends[0]);
             return "/proc/self/fd/" + std::to_string(keep(ends[1]));
         },
         K::Written, "", [&](const fs::path&) { EXPECT_EQ(Drain(descriptors[0]), text); }},
        {"log opened for appending",
         [&](const fs::path& folder) -> std::optional<fs::path> {
             EXPECT_TRUE(ReplaceTextFile(folder / "log", "earlier line\n"));
             const int fd = keep(::open((folder / "log").c_str(), O_WRONLY | O_APPEND));
             return "/proc/self/fd/" + std::to_string(fd);
         },
         K::Written, "",
         [&](const fs::path& folder) {
             EXPECT_EQ(ReadTextFile(folder / "log"), "earlier line\n" + text);
         }},
        {"read-only file",
         [](const fs::path& folder) -> std::optional<fs::path> {
             EXPECT_TRUE(ReplaceTextFile(folder / "out", "old\r\n"));
             fs::permissions(folder / "out", fs::perms::owner_read);
             return folder / "out";
         },
         K::ReadOnly, kReadOnlyReason,
         [](const fs::path& folder) { EXPECT_EQ(ReadTextFile(folder / "out"), "old\r\n"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const fs::path folder = folder_ / c.Name;
        fs::create_directories(folder);
        const auto target = c.Make(folder);
        if (!target) {
            std::printf("[ SKIPPED  ] %s: mknod refused (%s)\n", c.Name, std::strerror(errno));
            continue;
        }
        const std::set<std::string> before = Names(folder);
        const WriteResult result = WriteTextFile(*target, text);
        EXPECT_EQ(result.Outcome, c.Outcome) << result.Reason;
        EXPECT_EQ(result.Reason, c.Reason);
        c.Check(folder);
        EXPECT_EQ(Names(folder), before);  // nothing made, nothing left beside it
        for (const int fd : descriptors) {
            ::close(fd);
        }
        descriptors.clear();
    }
}

TEST_F(TextFileTest, AnAbandonedReplacementLeavesNothing) {
    const fs::path file = folder_ / "VELMORANT.TXT";
    ASSERT_TRUE(ReplaceTextFile(file, "the earlier report\r\n"));
    {
        FileReplacement replacement(file);
        ASSERT_TRUE(replacement.IsOpen());
        replacement.Write("half a report");
        EXPECT_EQ(Names(folder_).size(), 2u);
        EXPECT_EQ(replacement.TemporaryFile().parent_path(), folder_);
    }
    EXPECT_EQ(ReadTextFile(file), "the earlier report\r\n");
    EXPECT_EQ(Names(folder_), std::set<std::string>{"VELMORANT.TXT"});
}

TEST_F(TextFileTest, ReadersNeverSeeAPartFileWhileTwoWritersRace) {
    // Two writers replace one file with texts of different lengths for about a second while a
    // reader keeps reading it: it must always find one of the two texts whole.
    const fs::path file = folder_ / "QVAZEL.DAT";
    const std::string texts[2] = {std::string(150000, 'a') + "\r\n", std::string(70000, 'b')};
    ASSERT_TRUE(ReplaceTextFile(file, texts[0]));
    std::atomic<bool> stop{false};
    std::atomic<int> failedWrites{0};
    std::atomic<int> writes{0};
    auto writer = [&](const std::string& text) {
        while (!stop) {
            if (!ReplaceTextFile(file, text)) {
                ++failedWrites;
            }
            ++writes;
        }
    };
    std::thread first(writer, texts[0]);
    std::thread second(writer, texts[1]);
    int reads = 0;
    int torn = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (std::chrono::steady_clock::now() < end) {
        const auto text = ReadTextFile(file);
        if (!text || (*text != texts[0] && *text != texts[1])) {
            ++torn;
        }
        ++reads;
    }
    stop = true;
    first.join();
    second.join();
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    EXPECT_EQ(failedWrites, 0) << "of " << writes << " writes";
    EXPECT_GT(writes, 2);
    EXPECT_EQ(Names(folder_), std::set<std::string>{"QVAZEL.DAT"});
}

}  // namespace
}  // namespace velmorant
