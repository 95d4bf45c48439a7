// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the real `velmorant` binary in a folder of its own that holds copies of the data files,
// and keeps what it wrote to standard output and standard error.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace velmorant::testing_support {

namespace fs = std::filesystem;

inline std::string ReadWhole(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The lines of a text, without CR LF or LF.
inline std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

inline std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

struct CommandResult {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

class CommandFolder {
  public:
    // A fresh folder named after the test, with the program's data files.
    explicit CommandFolder(const std::string& name)
        : folder_(fs::temp_directory_path() /
                  ("velmorant-" + name + "-" + std::to_string(::getpid()))) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        for (const char* file : {"VELMORANT.DAT", "QVSKYTEMP.DAT", "CALL3.TXT"}) {
            fs::copy_file(fs::path(VELMORANT_DATA) / file, folder_ / file);
        }
    }
    ~CommandFolder() { fs::remove_all(folder_); }
    CommandFolder(const CommandFolder&) = delete;
    CommandFolder& operator=(const CommandFolder&) = delete;

    const fs::path& Path() const { return folder_; }

    // `velmorant COMMAND --dir FOLDER ARGS...`.
    // (Without --dir for a command that takes none; after `shellPrefix`, e.g. a ulimit.)
    CommandResult Run(const std::string& command, const std::vector<std::string>& args,
                      bool inFolder = true, const std::string& shellPrefix = "") const {
        std::string line = shellPrefix + Quoted(VELMORANT_EXECUTABLE) + " " + command;
        if (inFolder) {
            line += " --dir " + Quoted(folder_.string());
        }
        for (const std::string& arg : args) {
            line += " " + Quoted(arg);
        }
        line += " >" + Quoted((folder_ / "stdout").string()) + " 2>" +
                Quoted((folder_ / "stderr").string());
        CommandResult result;
        const int status = std::system(line.c_str());
        result.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.Out = ReadWhole(folder_ / "stdout");
        result.Err = ReadWhole(folder_ / "stderr");
        return result;
    }

  private:
    fs::path folder_;
};

}  // namespace velmorant::testing_support
