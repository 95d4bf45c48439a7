// SPDX-License-Identifier: GPL-3.0-or-later
// Runs `velmorant plan` for every scenario folder of tests/data/plan and compares the report with
// the expected one byte for byte. The expected reports were computed independently from the
// written rules (see tests/data/plan/README.md).

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> ReadLines(const fs::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The scenario's `expect` file: key=value lines, and bare flags.
std::multimap<std::string, std::string> ReadExpect(const fs::path& file) {
    std::multimap<std::string, std::string> expect;
    for (const auto& line : ReadLines(file)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            expect.emplace(line, "");
        } else {
            expect.emplace(line.substr(0, equals), line.substr(equals + 1));
        }
    }
    return expect;
}

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

// The first line where two reports differ, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream e(expected);
    std::istringstream a(actual);
    std::string le;
    std::string la;
    for (int line = 1;; ++line) {
        const bool moreE = static_cast<bool>(std::getline(e, le));
        const bool moreA = static_cast<bool>(std::getline(a, la));
        if (!moreE && !moreA) {
            return "reports have equal lines but differ in bytes";
        }
        if (le != la || moreE != moreA) {
            return "line " + std::to_string(line) + "\n expected: [" + (moreE ? le : "<end>") +
                   "]\n   actual: [" + (moreA ? la : "<end>") + "]";
        }
    }
}

class PlanScenario : public testing::TestWithParam<std::string> {};

TEST_P(PlanScenario, ReproducesTheIndependentReport) {
    const fs::path scenario = fs::path(VELMORANT_SCENARIOS) / GetParam();
    const fs::path work = fs::temp_directory_path() /
                          ("velmorant-plan-" + GetParam() + "-" + std::to_string(::getpid()));
    fs::remove_all(work);
    fs::create_directories(work);
    const auto expect = ReadExpect(scenario / "expect");

    for (const char* name : {"VELMORANT.DAT", "QVSKYTEMP.DAT"}) {
        const fs::path own = scenario / name;
        if (fs::exists(own)) {
            fs::copy_file(own, work / name);
        } else if (!(std::string(name) == "QVSKYTEMP.DAT" && expect.count("no-qvskytemp"))) {
            fs::copy_file(fs::path(VELMORANT_DATA) / name, work / name);
        }
    }
    // A refused run must leave an earlier report as it was.
    const std::string earlier = "an earlier report\r\n";
    { std::ofstream(work / "VELMORANT.TXT", std::ios::binary) << earlier; }

    std::string command = ShellQuote(VELMORANT_EXECUTABLE) + " plan";
    for (const auto& arg : ReadLines(scenario / "args")) {
        command += " " + ShellQuote(arg);
    }
    command +=
        " --dir " + ShellQuote(work.string()) + " 2>" + ShellQuote((work / "stderr").string());
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << command;
    const int exitCode = WEXITSTATUS(status);
    const std::string stderrText = ReadFile(work / "stderr");

    const auto exitLine = expect.find("exit");
    ASSERT_NE(exitLine, expect.end()) << "scenario without exit= line";
    EXPECT_EQ(exitCode, std::stoi(exitLine->second)) << command << "\n" << stderrText;
    for (auto [it, end] = expect.equal_range("stderr"); it != end; ++it) {
        EXPECT_NE(stderrText.find(it->second), std::string::npos)
            << "standard error lacks [" << it->second << "]: " << stderrText;
    }

    const std::string report = ReadFile(work / "VELMORANT.TXT");
    if (fs::exists(scenario / "expected.txt")) {
        const std::string expected = ReadFile(scenario / "expected.txt");
        EXPECT_TRUE(report == expected) << FirstDifference(expected, report);
    } else if (!expect.count("report")) {
        EXPECT_EQ(report, earlier) << "a refused run changed the report";
    }
    if (!HasFailure()) {
        fs::remove_all(work);
    }
}

std::vector<std::string> Scenarios() {
    std::vector<std::string> names;
    if (!fs::exists(VELMORANT_SCENARIOS)) {
        return names;
    }
    for (const auto& entry : fs::directory_iterator(VELMORANT_SCENARIOS)) {
        if (fs::exists(entry.path() / "args")) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, PlanScenario, testing::ValuesIn(Scenarios()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

}  // namespace
