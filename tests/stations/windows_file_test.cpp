// SPDX-License-Identifier: GPL-3.0-or-later
// The careful writer and the lock beside CALL3.TXT with Windows' own means: file attributes,
// ReplaceFileW, a process of its own holding the lock.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "stations/file_lock.h"
#include "stations/file_replacement.h"
#include "stations/text_file.h"

namespace velmorant {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

// A running program, ended (as a crash would end it) when the test is done with it.
class ChildProcess {
  public:
    explicit ChildProcess(std::wstring commandLine) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &info_)) {
            ::CloseHandle(info_.hThread);
        } else {
            info_.hProcess = nullptr;
        }
    }
    ~ChildProcess() {
        if (info_.hProcess != nullptr) {
            Kill();
            ::CloseHandle(info_.hProcess);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    // Ends it outright, and waits until the system has let go of what it held.
    void Kill() {
        ::TerminateProcess(info_.hProcess, 9);
        ::WaitForSingleObject(info_.hProcess, INFINITE);
    }

  private:
    PROCESS_INFORMATION info_{};
};

// The folder of this test program: lock_holder.exe is built beside it.
fs::path ProgramFolder() {
    std::wstring name(32768, L'\0');
    name.resize(::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size())));
    return fs::path(name).parent_path();
}

class WindowsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / (std::string("velmorant-windows-") + info->name() +
                                               "-" + std::to_string(std::random_device()()));
        fs::create_directories(folder_);
        file_ = folder_ / "QVAZEL.DAT";
        ASSERT_TRUE(ReplaceTextFile(file_, "old\r\n"));
    }
    void TearDown() override {
        for (const auto& entry : fs::directory_iterator(folder_)) {
            ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    DWORD Attributes() const { return ::GetFileAttributesW(file_.c_str()); }
    // The names in the folder, to see that nothing was left beside the file.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }
    fs::path folder_;
    fs::path file_;
};

TEST_F(WindowsFileTest, ReplacingKeepsTheAttributesOfTheOldFile) {
    ASSERT_TRUE(::SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(WriteTextFile(file_, "new\r\n").Written());
    EXPECT_EQ(ReadTextFile(file_), "new\r\n");
    EXPECT_NE(Attributes() & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(Names(), std::vector<std::string>{"QVAZEL.DAT"});  // no temporary file left beside it
}

TEST_F(WindowsFileTest, AReadOnlyFileIsRefusedAndLeftAsItWas) {
    ASSERT_TRUE(::SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_READONLY));
    const WriteResult result = WriteTextFile(file_, "new\r\n");
    EXPECT_EQ(result.Outcome, WriteResult::Kind::ReadOnly);
    EXPECT_EQ(ReadTextFile(file_), "old\r\n");
    EXPECT_NE(Attributes() & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(Names(), std::vector<std::string>{"QVAZEL.DAT"});
}

// A reader (a rotator controller polling QVAZEL.DAT) that has the file open without letting it
// be deleted holds the replacement up for a moment: the writer waits for it rather than fail.
TEST_F(WindowsFileTest, AReaderHoldingTheFileOpenDelaysTheReplacementRatherThanFailsIt) {
    const HANDLE reader =
        ::CreateFileW(file_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    std::thread closer([reader] {
        std::this_thread::sleep_for(milliseconds(300));
        ::CloseHandle(reader);
    });
    const WriteResult result = WriteTextFile(file_, "new\r\n");
    closer.join();
    EXPECT_TRUE(result.Written()) << result.Reason;
    EXPECT_EQ(ReadTextFile(file_), "new\r\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"QVAZEL.DAT"});
}

// A writer that ended between writing its temporary file and putting it in place leaves the
// old file whole; the next writer removes what the dead one left, never a live writer's file.
TEST_F(WindowsFileTest, AWriterThatDiedLeavesTheOldFileAndItsTemporaryIsSweptAway) {
    ChildProcess ended(L"cmd.exe /c exit 0");
    ASSERT_TRUE(ended.Started());
    ended.Kill();
    const fs::path deadWriters = folder_ / ("QVAZEL.DAT." + std::to_string(ended.Id()) + ".a1B2c3");
    const fs::path liveWriters =
        folder_ / ("QVAZEL.DAT." + std::to_string(::GetCurrentProcessId()) + ".a1B2c3");
    for (const fs::path& temporary : {deadWriters, liveWriters}) {
        ASSERT_TRUE(ReplaceTextFile(temporary, "half a ne"));
    }
    EXPECT_EQ(ReadTextFile(file_), "old\r\n");

    EXPECT_TRUE(WriteTextFile(file_, "new\r\n").Written());
    EXPECT_EQ(ReadTextFile(file_), "new\r\n");
    EXPECT_FALSE(fs::exists(deadWriters));
    EXPECT_TRUE(fs::exists(liveWriters));
}

TEST_F(WindowsFileTest, AnAbandonedReplacementLeavesTheOldFileAlone) {
    {
        FileReplacement replacement(file_);
        ASSERT_TRUE(replacement.IsOpen());
        replacement.Write("new\r\n");
        EXPECT_EQ(Names().size(), 2u);
    }
    EXPECT_EQ(ReadTextFile(file_), "old\r\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"QVAZEL.DAT"});
}

// Another copy of the program holds the lock: this one waits as long as it was told and then
// gives up (the operator is told the file is busy); once the holder dies the lock is free.
TEST_F(WindowsFileTest, ALockHeldByAnotherProcessIsWaitedForAndFreedWhenItDies) {
    const fs::path list = folder_ / "CALL3.TXT";
    const fs::path held = folder_ / "held";
    ChildProcess holder(L"\"" + (ProgramFolder() / "lock_holder.exe").wstring() + L"\" \"" +
                        list.wstring() + L"\" \"" + held.wstring() + L"\"");
    ASSERT_TRUE(holder.Started());
    for (int i = 0; i < 1000 && !fs::exists(held); ++i) {
        std::this_thread::sleep_for(milliseconds(10));
    }
    ASSERT_TRUE(fs::exists(held));

    const auto start = Clock::now();
    EXPECT_FALSE(FileLock::Acquire(list, milliseconds(300)).has_value());
    EXPECT_GE(Clock::now() - start, milliseconds(300));

    holder.Kill();
    EXPECT_TRUE(FileLock::Acquire(list, milliseconds(0)).has_value());
}

}  // namespace
}  // namespace velmorant
