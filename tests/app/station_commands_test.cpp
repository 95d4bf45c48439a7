// SPDX-License-Identifier: GPL-3.0-or-later
// `velmorant locator` and `velmorant lookup` as an operator runs them.

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct CommandResult {
    int ExitCode = -1;
    std::string Output;
};

CommandResult RunVelmorant(const std::string& arguments) {
    const std::string command =
        std::string(VELMORANT_EXECUTABLE) + " " + arguments + " 2>/dev/null";
    CommandResult result;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        result.Output += buffer.data();
    }
    const int status = ::pclose(pipe);
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

struct LocatorCase {
    const char* Arguments;
    const char* Printed;
};

// The worked results of one press of the calculation button.
TEST(LocatorCommand, ReproducesTheWorkedConversions) {
    const LocatorCase cases[] = {
        {"JN58td", "JN58td 48 8 45 N 11 37 30 E\n"},
        {"jn58", "JN58mm 48 31 15 N 11 2 30 E\n"},
        {"JN", "JN55mm 45 31 15 N 11 2 30 E\n"},
        {"48 8 45 N 11 37 30 E", "JN58td 48 8 45 N 11 37 30 E\n"},
        {"48.1 0 0 N 11.6 0 0 E", "JN58tc 48 6 15 N 11 37 30 E\n"},
        {"41 42 0 N 72 43 0 W", "FN31pq 41 41 15 N 72 42 30 W\n"},
        {"33 51 0 S 151 12 0 E", "QF56od 33 51 15 S 151 12 30 E\n"},
        {"0 0 1 N 180 0 0 E", "AJ00aa 0 1 15 N 179 57 30 W\n"},
        {"90 0 0 N 10 0 0 E", "N POLE 90 0 0 N 10 0 0 E\n"},
        // On the line between subsquare rows q and r: the steps stored as singles are
        // computed in double.
        {"4 42 30 N 10 0 0 E", "JJ54aq 4 41 15 N 10 2 30 E\n"},
    };
    for (const auto& c : cases) {
        const CommandResult result = RunVelmorant(std::string("locator ") + c.Arguments);
        EXPECT_EQ(result.ExitCode, 0) << c.Arguments;
        EXPECT_EQ(result.Output, c.Printed) << c.Arguments;
    }
}

TEST(LocatorCommand, MessagesExitWithTwo) {
    for (const char* arguments :
         {"0 0 0 N 0 0 0 E", "JN5", "JN58td12", "zz99zz", "95 0 0 N 10 0 0 E", "1 2 3"}) {
        EXPECT_EQ(RunVelmorant(std::string("locator ") + arguments).ExitCode, 2) << arguments;
    }
}

class LookupCommand : public testing::Test {
  protected:
    LookupCommand() {
        folder = fs::temp_directory_path() / ("velmorant-lookup-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        std::ofstream out(folder / "CALL3.TXT", std::ios::binary);
        for (int i = 1; i <= 17; ++i) {
            out << "// comment " << i << "\r\n";
        }
        out << "DL1ABC,JN58td,EME 2M, 4x17el   \r\nG4XYZ,IO91,70cm\r\nZZZZZZ\r\n";
    }
    ~LookupCommand() override { fs::remove_all(folder); }

    CommandResult Lookup(const std::string& arguments) {
        return RunVelmorant("lookup " + arguments + " --file " + (folder / "CALL3.TXT").string());
    }

    fs::path folder;
};

TEST_F(LookupCommand, AnExactMatchPrintsTheStation) {
    const CommandResult result = Lookup("dl1abc");
    EXPECT_EQ(result.ExitCode, 0);
    EXPECT_EQ(result.Output,
              "Exact Match Found - Record # 18\n18\nDL1ABC\nJN58td\nEME 2M, 4x17el\n");
}

TEST_F(LookupCommand, BrowsingAndNotFinding) {
    CommandResult result = Lookup("DL1ABC --browse next");
    EXPECT_EQ(result.ExitCode, 0);
    EXPECT_EQ(result.Output, "Exact Browsed Callsign is at Record # 19\n19\nG4XYZ\nIO91mm\n70cm\n");

    result = Lookup("DL1ABC --browse prev");
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_EQ(result.Output,
              "No callsign found.  Please enter new grid locator and station information "
              "manually.\n0\nDL1ABC\n\n\n");
}

struct FixtureLookup {
    const char* Fixture;    // folder under tests/data/stations
    const char* Arguments;  // after the callsign's quotes
    const char* Printed;
    int ExitCode;
};

constexpr const char* kNotFound =
    "No callsign found.  Please enter new grid locator and station information manually.\n";

// Every outcome of the search through the command, on the station fixtures (their README says
// what each line shows).
TEST(LookupCommandOutcomes, OnTheFixtures) {
    const FixtureLookup cases[] = {
        {"search", "'*'", "Exact Match Found - Record # 4\n4\n3Z9AB\nKO02md\nfirst station\n", 0},
        {"search", "'3Z*'", "Exact Match Found - Record # 4\n4\n3Z9AB\nKO02md\nfirst station\n", 0},
        {"search", "dl1abc",
         "Exact Match Found - Record # 5\n5\nDL1ABC\nJO62mm\nfour-character locator\n", 0},
        {"search", "DL2SHORT",
         "Exact Match Found - Record # 7\n7\nDL2SHORT\nJO62qk\nthe later line of the same "
         "callsign\n",
         0},
        {"search", "G4AB", "", 1},
        {"search", "G4ABC",
         "Exact Match Found - Record # 9\n9\nG4ABC\nIO91vl\nEME 2M 4x17el 1kW, notes with "
         "commas\n",
         0},
        {"search", "K1ABCDEFGHIJKLM",
         "Exact Match Found - Record # 10\n10\nK1ABCDEFGHIJKLM\nFN42aa\na 15-character "
         "callsign\n",
         0},
        // Not in the list, but it shares its first 15 characters with a station that is.
        {"search", "K1ABCDEFGHIJKLMN",
         "Closest callsign found.  Please check callsign, grid locator and station "
         "information.\n10\nK1ABCDEFGHIJKLM\nFN42aa\n\n",
         1},
        {"search", "OH2XYZ",
         "Exact Match Found - Record # 11\n11\nOH2XYZ\nKP20le\nNotes longer than sixty-five "
         "characters are cut there: this text \n",
         0},
        {"search", "PA0ABC",
         "Exact Match Found - Record # 12\n12\nPA0ABC\nJO22ob\nnotes with trailing blanks\n", 0},
        {"search", "W1AW", "", 1},
        {"search", "VK2ABC --browse next", "", 1},
        {"search", "3Z9AB --browse prev", "", 1},
        {"search", "G4ABC --browse next",
         "Exact Browsed Callsign is at Record # 10\n10\nK1ABCDEFGHIJKLM\nFN42aa\na "
         "15-character callsign\n",
         0},
        {"search", "DL2SHORT --browse prev", "\n6\nDL2SHORT\nJO6\n\n", 1},
        {"scan-stops", "SM5ABC", "Exact Match Found - Record # 3\n3\nSM5ABC\n\n\n", 0},
        {"scan-stops", "DL3CC", "Exact Match Found - Record # 5\n5\nDL3CC\nJO3\n\n", 0},
        {"scan-stops", "W1AW", "\n5\nW1AW\n\n\n", 1},
    };
    for (const auto& c : cases) {
        const std::string file =
            std::string(VELMORANT_STATION_FIXTURES) + "/" + c.Fixture + "/CALL3.TXT";
        const CommandResult result =
            RunVelmorant("lookup " + std::string(c.Arguments) + " --file " + file);
        std::string printed = c.Printed;
        if (printed.empty()) {
            // Not found: the message, record 0, the typed callsign, no locator and no notes.
            const std::string typed =
                std::string(c.Arguments).substr(0, std::string(c.Arguments).find(' '));
            printed = std::string(kNotFound) + "0\n" + typed + "\n\n\n";
        }
        EXPECT_EQ(result.Output, printed) << c.Fixture << ": " << c.Arguments;
        EXPECT_EQ(result.ExitCode, c.ExitCode) << c.Fixture << ": " << c.Arguments;
    }
}

TEST_F(LookupCommand, AMissingFileExitsWithTwo) {
    EXPECT_EQ(RunVelmorant("lookup DL1ABC --file " + (folder / "NONE.TXT").string()).ExitCode, 2);
}

}  // namespace

// The about information: the version and the licence, for anyone passing the program on.
TEST(VersionCommand, PrintsTheVersionAndTheLicence) {
    const CommandResult result = RunVelmorant("--version");
    EXPECT_EQ(result.ExitCode, 0);
    EXPECT_EQ(result.Output.rfind("VELMORANT 3.0\n", 0), 0u) << result.Output;
    EXPECT_NE(result.Output.find("License GPL-3.0-or-later"), std::string::npos) << result.Output;
}
