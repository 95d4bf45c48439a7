// SPDX-License-Identifier: GPL-3.0-or-later
// The bash completion the package installs: it offers exactly the commands and options the
// program's tables hold, and bash completes with it.

#include <cstdio>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/command_options.h"
#include "tests/app/command_fixture.h"

namespace {

using velmorant::testing_support::LinesOf;
using velmorant::testing_support::Quoted;
using velmorant::testing_support::ReadWhole;
using Words = std::set<std::string>;

Words WordsOf(const std::string& text) {
    Words words;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        words.insert(word);
    }
    return words;
}

// The script's option list of each command: its lines `command) echo "--a --b" ;;`.
std::map<std::string, Words> ScriptOptions(const std::string& script) {
    const std::regex line(R"re(^\s*([a-z]+)\) echo "([^"]*)" ;;$)re");
    std::map<std::string, Words> options;
    for (const std::string& text : LinesOf(script)) {
        std::smatch match;
        if (std::regex_match(text, match, line)) {
            options[match[1]] = WordsOf(match[2]);
        }
    }
    return options;
}

// The words of the script's first line that holds `marker`, up to `end` (`|` between words).
Words ScriptWordsBefore(const std::string& script, const std::string& marker, char end) {
    for (const std::string& line : LinesOf(script)) {
        if (line.find(marker) != std::string::npos) {
            std::string words = line.substr(0, line.find(end));
            std::erase(words, '|');
            return WordsOf(words);
        }
    }
    return {};
}

TEST(ShellCompletion, OffersTheOptionsOfTheProgramsTables) {
    const std::string script = ReadWhole(VELMORANT_COMPLETION);
    ASSERT_FALSE(script.empty());
    std::map<std::string, Words> expected;
    Words commands{"help"};
    Words flags{"--help"};
    for (const velmorant::CommandOptions& command : velmorant::HeadlessCommands()) {
        Words& options = expected[std::string(command.Command)];
        options.insert("--help");
        for (const velmorant::OptionEntry& option : command.Options) {
            options.emplace(option.Name);
            if (!option.TakesValue) {
                flags.emplace(option.Name);
            }
        }
        commands.emplace(command.Command);
    }
    EXPECT_EQ(ScriptOptions(script), expected);
    const std::string listed = "local commands=\"";
    const auto from = script.find(listed) + listed.size();
    EXPECT_EQ(WordsOf(script.substr(from, script.find('"', from) - from)), commands);
    // After a flag another option may follow; after any other option its value does.
    EXPECT_EQ(ScriptWordsBefore(script, "# the flags", ')'), flags);
}

// What bash offers for the words typed so far (the last one being completed).
std::string Completed(const std::string& typed) {
    const std::string line = "bash -c " + Quoted("source " + Quoted(VELMORANT_COMPLETION) +
                                                 "; COMP_WORDS=(velmorant " + typed +
                                                 "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
                                                 "_velmorant; echo \"${COMPREPLY[*]}\"");
    std::FILE* pipe = ::popen(line.c_str(), "r");
    std::string out;
    for (int c = 0; pipe != nullptr && (c = std::fgetc(pipe)) != EOF;) {
        out += static_cast<char>(c);
    }
    if (pipe != nullptr) {
        ::pclose(pipe);
    }
    return out;
}

TEST(ShellCompletion, BashCompletesCommandsOptionsAndValues) {
    const struct {
        std::string Typed;
        std::string Offered;
    } cases[] = {
        {"ca", "calendar\n"},
        {"help r", "rotate\n"},
        {"track --follow --r", "--rotator --rig\n"},
        {"track --format ''", "text json\n"},
        {"windows --format c", "csv\n"},
        {"track --rig ''", "\n"},
        {"lookup DL1ABC --browse ''", "next prev\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Completed(c.Typed), c.Offered) << c.Typed;
    }
}

}  // namespace
