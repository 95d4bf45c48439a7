// SPDX-License-Identifier: GPL-3.0-or-later
// The command line every headless command reads through the same reader: --help and
// `velmorant help COMMAND` on standard output, unknown options and missing values refused.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/command_options.h"
#include "tests/app/command_fixture.h"

namespace {

using velmorant::testing_support::CommandFolder;
using velmorant::testing_support::CommandResult;

// Every command in the program's table, so that a new command is held to the same answers.
TEST(CommandLine, EveryCommandAnswersHelpAndRefusesAnUnknownOption) {
    const CommandFolder folder("command-line");
    for (const velmorant::CommandOptions& command : velmorant::HeadlessCommands()) {
        const std::string name(command.Command);
        SCOPED_TRACE(name);
        const std::string usageLine = "usage: velmorant " + name;
        const CommandResult help = folder.Run(name, {"--help"}, false);
        EXPECT_EQ(help.Exit, 0);
        EXPECT_EQ(help.Out.rfind(usageLine, 0), 0u) << help.Out;
        EXPECT_EQ(help.Err, "");
        const CommandResult asked = folder.Run("help", {name}, false);
        EXPECT_EQ(asked.Exit, 0);
        EXPECT_EQ(asked.Out, help.Out);
        EXPECT_EQ(asked.Err, "");
        const CommandResult bogus = folder.Run(name, {"--bogus"}, false);
        EXPECT_EQ(bogus.Exit, 2);
        EXPECT_NE(bogus.Err.find("velmorant " + name + ": unknown option --bogus\n\n" + usageLine),
                  std::string::npos)
            << bogus.Err;
        EXPECT_EQ(bogus.Out, "");
    }
}

struct LineCase {
    std::string Command;
    std::vector<std::string> Args;
    int Exit;
    std::string Out;  // what standard output starts with
    std::string Err;  // a part of standard error
};

TEST(CommandLine, AnswersAndRefusalsAsAUserExpects) {
    const LineCase cases[] = {
        {"help", {}, 0, "VELMORANT Version", ""},
        {"--help", {}, 0, "VELMORANT Version", ""},
        {"help", {"nosuch"}, 2, "", "velmorant: unknown command nosuch"},
        // --help anywhere, even after a fault.
        {"plan", {"--bogus", "--help"}, 0, "usage: velmorant plan", ""},
        {"track",
         {"--follow", "--at", "2026-01-01T00:00:00Z", "--help"},
         0,
         "usage: velmorant track",
         ""},
        {"plan", {"--start"}, 2, "", "velmorant plan: option --start needs a value"},
        {"rotate", {"--rotator", "127.0.0.1:4533", "--az"}, 2, "", "option --az needs a value"},
        {"plan", {"--start", "2026-01-01", "stray"}, 2, "", "unexpected argument stray"},
        // --name=VALUE reaches the command's own check of the value; a flag takes none.
        {"windows", {"--days=0"}, 2, "", "--days takes a whole number from 1"},
        {"track", {"--follow=yes"}, 2, "", "option --follow takes no value"},
        // A value that looks like an option is the option's value.
        {"lookup", {"DL1ABC", "--browse", "--file"}, 2, "", "--browse takes next or prev"},
    };
    const CommandFolder folder("command-line-cases");
    for (const LineCase& c : cases) {
        const CommandResult result = folder.Run(c.Command, c.Args, false);
        SCOPED_TRACE(c.Command + (c.Args.empty() ? "" : " " + c.Args.front()));
        EXPECT_EQ(result.Exit, c.Exit) << result.Err;
        EXPECT_EQ(result.Out.rfind(c.Out, 0), 0u) << result.Out;
        if (c.Err.empty()) {
            EXPECT_EQ(result.Err, "");
        } else {
            EXPECT_NE(result.Err.find(c.Err), std::string::npos) << result.Err;
        }
    }
}

}  // namespace
