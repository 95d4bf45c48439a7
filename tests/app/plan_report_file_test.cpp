// SPDX-License-Identifier: GPL-3.0-or-later
// `velmorant plan` writing VELMORANT.TXT on a disk that fills up, two runs at once in one
// folder, a run ended by a signal: the earlier report is replaced whole or not at all, and no
// temporary file stays. An output that is a device or a descriptor is written, never replaced.

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <spawn.h>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// The exit status of a shell command line, -1 when it did not exit normally.
int ExitStatus(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// `velmorant plan` in `folder` over some days at one-minute steps: hundreds of kilobytes of
// report, with the increment's text making two runs' reports differ.
std::string PlanCommand(const fs::path& folder, const std::string& lastDay,
                        const std::string& increment) {
    return ShellQuote(VELMORANT_EXECUTABLE) + " plan --start 2016-03-14 --end " + lastDay +
           " --set txtIncrementMinutes=" + increment + " --dir " + ShellQuote(folder.string());
}

class PlanReportFile : public testing::Test {
  protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() / (std::string("velmorant-report-") + info->name() + "-" +
                                             std::to_string(::getpid()));
        fs::remove_all(root_);
        work_ = root_ / "work";
        fs::create_directories(work_);
        for (const char* name : {"VELMORANT.DAT", "QVSKYTEMP.DAT"}) {
            fs::copy_file(fs::path(VELMORANT_DATA) / name, work_ / name);
        }
        WriteFile(work_ / "VELMORANT.TXT", earlier_);
    }
    void TearDown() override {
        if (!HasFailure()) {
            fs::remove_all(root_);
        }
    }

    const std::string earlier_ = "an earlier report\r\n";
    const std::set<std::string> files_ = {"QVSKYTEMP.DAT", "VELMORANT.DAT", "VELMORANT.TXT"};
    fs::path root_;
    fs::path work_;
};

TEST_F(PlanReportFile, AFullDiskLeavesTheEarlierReportAndSaysWhy) {
    // A file-size limit of 64 blocks makes the report's writes fail with EFBIG, as a full disk
    // fails them with ENOSPC; the signal the limit raises is ignored so that the write fails.
    const fs::path stderrFile = root_ / "stderr";
    const std::string command =
        "sh -c " +
        ShellQuote("trap '' XFSZ; ulimit -f 64; exec " + PlanCommand(work_, "2016-03-17", "1")) +
        " 2>" + ShellQuote(stderrFile.string());
    EXPECT_EQ(ExitStatus(command), 2) << command;
    EXPECT_EQ(ReadFile(stderrFile), "File Not Written: The report " +
                                        (work_ / "VELMORANT.TXT").string() +
                                        " could not be written: File too large.\n");
    EXPECT_EQ(ReadFile(work_ / "VELMORANT.TXT"), earlier_);
    EXPECT_EQ(Names(work_), files_);
}

TEST_F(PlanReportFile, AReadOnlyReportIsRefusedAndKeepsItsMode) {
    // The owner took the write permission away to keep the report: it is kept, by root too.
    const fs::path report = work_ / "VELMORANT.TXT";
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read;
    fs::permissions(report, readOnly);
    const fs::path stderrFile = root_ / "stderr";
    EXPECT_EQ(ExitStatus(PlanCommand(work_, "2016-03-14", "60") + " 2>" +
                         ShellQuote(stderrFile.string())),
              2);
    EXPECT_EQ(ReadFile(stderrFile), "File Not Created: The report " + report.string() +
                                        " cannot be created: The file is read-only.\n");
    EXPECT_EQ(fs::status(report).permissions() & fs::perms::mask, readOnly);
    fs::permissions(report, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadFile(report), earlier_);
    EXPECT_EQ(Names(work_), files_);
}

TEST_F(PlanReportFile, AReportThatIsALinkIsWrittenThrough) {
    // VELMORANT.TXT pointing into another folder: the report lands there and the link stays.
    fs::create_directories(root_ / "reports");
    fs::remove(work_ / "VELMORANT.TXT");
    fs::create_symlink("../reports/plan.txt", work_ / "VELMORANT.TXT");
    ASSERT_EQ(ExitStatus(PlanCommand(work_, "2016-03-14", "60")), 0);
    EXPECT_TRUE(fs::is_symlink(work_ / "VELMORANT.TXT"));
    EXPECT_NE(ReadFile(root_ / "reports" / "plan.txt").find("\r\n"), std::string::npos);
    EXPECT_EQ(Names(root_ / "reports"), std::set<std::string>{"plan.txt"});
    EXPECT_EQ(Names(work_), files_);
}

TEST_F(PlanReportFile, TwoRunsAtOnceLeaveOneWholeReport) {
    // The two reports alone, each in a folder of its own.
    std::string expected[2];
    const std::string increments[2] = {"1", "2"};
    for (int i = 0; i < 2; ++i) {
        const fs::path alone = root_ / ("alone" + increments[i]);
        fs::create_directories(alone);
        for (const char* name : {"VELMORANT.DAT", "QVSKYTEMP.DAT"}) {
            fs::copy_file(work_ / name, alone / name);
        }
        ASSERT_EQ(ExitStatus(PlanCommand(alone, "2016-04-13", increments[i])), 0);
        expected[i] = ReadFile(alone / "VELMORANT.TXT");
    }
    ASSERT_NE(expected[0], expected[1]);

    // Then both at once in one folder, three times over.
    for (int round = 0; round < 3; ++round) {
        const std::string both =
            PlanCommand(work_, "2016-04-13", increments[0]) + " & a=$!; " +
            PlanCommand(work_, "2016-04-13", increments[1]) +
            " & b=$!; wait $a; ra=$?; wait $b; rb=$?; [ $ra -eq 0 ] && [ $rb -eq 0 ]";
        const std::string command = "sh -c " + ShellQuote(both);
        EXPECT_EQ(ExitStatus(command), 0) << command;
        const std::string report = ReadFile(work_ / "VELMORANT.TXT");
        EXPECT_TRUE(report == expected[0] || report == expected[1])
            << "a report of " << report.size() << " bytes, neither of " << expected[0].size()
            << " nor of " << expected[1].size();
        EXPECT_EQ(Names(work_), files_);
    }
}

TEST_F(PlanReportFile, AnOutputThatIsNoRegularFileIsWrittenInPlace) {
    // Private device nodes like /dev/null and /dev/full, and standard output appended to a log
    // named through this process's descriptor: each stays what it was.
    struct Case {
        const char* Name;
        unsigned DeviceMinor;  // 0: standard output to the log
        int Exit;
        std::string Stderr;  // after "File Not Written: The report OUTPUT could not be written: "
    };
    const Case cases[] = {
        {"device like /dev/null", 3, 0, ""},
        {"device like /dev/full", 7, 2, "No space left on device.\n"},
        {"standard output appended to a log", 0, 0, ""},
    };
    const fs::path node = root_ / "node";
    const fs::path log = root_ / "log";
    const fs::path stderrFile = root_ / "stderr";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        fs::remove(node);
        std::string output = node.string();
        std::string redirect = " 2>" + ShellQuote(stderrFile.string());
        if (c.DeviceMinor == 0) {
            WriteFile(log, "an earlier line\n");
            output = "/proc/self/fd/1";
            redirect += " >>" + ShellQuote(log.string());
        } else if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, c.DeviceMinor)) != 0) {
            std::printf("[ SKIPPED  ] %s: mknod refused (%s)\n", c.Name, std::strerror(errno));
            continue;
        }
        EXPECT_EQ(ExitStatus(PlanCommand(work_, "2016-03-14", "60") + " --format csv --output " +
                             ShellQuote(output) + redirect),
                  c.Exit);
        EXPECT_EQ(ReadFile(stderrFile), c.Stderr.empty()
                                            ? std::string()
                                            : "File Not Written: The report " + output +
                                                  " could not be written: " + c.Stderr);
        if (c.DeviceMinor == 0) {
            const std::string written = ReadFile(log);
            EXPECT_TRUE(written.starts_with("an earlier line\n")) << written.substr(0, 200);
            EXPECT_GT(written.size(), 1000u);
        } else {
            struct stat status {};
            ASSERT_EQ(::stat(node.c_str(), &status), 0);
            EXPECT_TRUE(S_ISCHR(status.st_mode));
            EXPECT_EQ(status.st_rdev, makedev(1, c.DeviceMinor));
        }
        EXPECT_EQ(Names(work_), files_);
    }
}

// `velmorant plan` over a year at one-minute steps, started directly so that the test holds its
// process id, with the signals it is sent in their default state.
pid_t StartLongPlan(const fs::path& folder, const fs::path& outputs) {
    const std::string program = VELMORANT_EXECUTABLE;
    std::vector<std::string> args = {program, "plan",         "--start", "2016-01-01",
                                     "--end", "2016-12-31",   "--set",   "txtIncrementMinutes=1",
                                     "--dir", folder.string()};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputs.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&defaults, signal);
    }
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return pid;
}

// Whether a temporary report with bytes in it (the writer is well under way) shows in the folder
// within 20 s.
bool TemporaryReportGrows(const fs::path& folder) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < end) {
        for (const std::string& name : Names(folder)) {
            std::error_code error;
            if (name.starts_with("VELMORANT.TXT.") && fs::file_size(folder / name, error) > 0 &&
                !error) {
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

TEST_F(PlanReportFile, ARunEndedByASignalLeavesNoTemporaryFile) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        const pid_t pid = StartLongPlan(work_, root_ / "outputs");
        ASSERT_GT(pid, 0);
        const bool appeared = TemporaryReportGrows(work_);
        ::kill(pid, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(appeared);
        // Ended by the signal itself, as without the clean-up.
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(ReadFile(work_ / "VELMORANT.TXT"), earlier_);
        EXPECT_EQ(Names(work_), files_);
    }
}

TEST_F(PlanReportFile, TheNextRunRemovesTheTemporaryFileOfAKilledWriter) {
    // kill -9 cannot be caught: the writer's process id in the name tells the next run that
    // its file is left over. A live writer's file and names of other shapes stay.
    const pid_t gone = ::fork();
    if (gone == 0) {
        ::_exit(0);
    }
    ASSERT_GT(gone, 0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string stale = "VELMORANT.TXT." + std::to_string(gone) + ".abcdef";
    const std::string live = "VELMORANT.TXT." + std::to_string(::getpid()) + ".abcdef";
    const std::string others[] = {"VELMORANT.TXT." + std::to_string(gone) + ".abcdefg",
                                  "VELMORANT.TXT.0.abcdef", "VELMORANT.TXT.-1.abcdef",
                                  "VELMORANT.TXT.abcdef",
                                  "OTHER.TXT." + std::to_string(gone) + ".abcdef"};
    std::set<std::string> expected = files_;
    for (const std::string& name : others) {
        WriteFile(work_ / name, "not ours");
        expected.insert(name);
    }
    WriteFile(work_ / stale, "half a report");
    WriteFile(work_ / live, "a report being written");
    expected.insert(live);
    ASSERT_EQ(ExitStatus(PlanCommand(work_, "2016-03-14", "60")), 0);
    EXPECT_EQ(Names(work_), expected);
    EXPECT_EQ(ReadFile(work_ / live), "a report being written");
}

TEST_F(PlanReportFile, ValuesOutOfRangeAreRefusedAndKeepTheEarlierReport) {
    struct Case {
        std::string Arguments;       // after "plan"
        std::string StderrStart;     // what the refusal begins with
        std::string SkyRecord = {};  // replaces the first record of QVSKYTEMP.DAT when not empty
    };
    const Case cases[] = {
        {"--start 2016-03-14 --set txtYearStart=abcd", "Input Required: The start year"},
        {"--start 2016-03-14 --set txtYearEnd=", "Input Required: The end year"},
        {"--start 2016-03-14 --set txtYearStart=NaN", "Input Required: The start year"},
        {"--start 0001-01-01 --end 32767-12-31", "velmorant plan: the date 0001-01-01"},
        {"--start 2016-03-14 --set txtLatDegHome=999", "Input Required: The Home latitude"},
        {"--start 2016-03-14 --set txtNoise=-195", "Input Required: The receiver noise"},
        {"--start 2016-03-14 --set txtNoise=4e38", "Input Required: The receiver noise"},
        {"--start 2016-03-14 --set cboCelestial=Cassiopeia\\ A --set txtLonDegHome=1e308",
         "Input Required: The Home longitude"},
        {"--start 2016-03-14 --set txtIncrementMinutes=1441", "Input Required: The Increment"},
        {"--start 2016-03-14", "File Damaged: The file", "0.0,-1000,16"},
        {"--start 2016-03-14", "File Damaged: The file", "0.0,1e308,16"},
    };
    const std::string sky = ReadFile(work_ / "QVSKYTEMP.DAT");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Arguments + " " + c.SkyRecord);
        WriteFile(work_ / "QVSKYTEMP.DAT",
                  c.SkyRecord.empty() ? sky : c.SkyRecord + sky.substr(sky.find('\r')));
        const fs::path stderrFile = root_ / "stderr";
        EXPECT_EQ(ExitStatus(ShellQuote(VELMORANT_EXECUTABLE) + " plan " + c.Arguments + " --dir " +
                             ShellQuote(work_.string()) + " 2>" + ShellQuote(stderrFile.string())),
                  2);
        const std::string printed = ReadFile(stderrFile);
        EXPECT_TRUE(printed.starts_with(c.StderrStart)) << printed;
        EXPECT_EQ(printed.find("nan"), std::string::npos);
        EXPECT_EQ(ReadFile(work_ / "VELMORANT.TXT"), earlier_);
        EXPECT_EQ(Names(work_), files_);
    }
}

}  // namespace
