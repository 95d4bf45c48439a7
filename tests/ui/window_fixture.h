// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/model/main_window/main_window_model.h"

// Fakes for the window's ports and a fixture holding a window built on them.

namespace velmorant::testing_support {

class FakeClock : public Clock {
  public:
    CalendarDate today{2016, 3, 10};
    LocalDateTime Now() const override { return {today.Year, today.Month, today.Day, 12, 0, 0}; }
};

class FakeStorage : public DefaultsStorage {
  public:
    bool exists = true;
    bool refuseWrites = false;
    std::string text;
    int writes = 0;

    bool Exists() const override { return exists; }
    std::optional<std::string> ReadAll() const override {
        return exists ? std::optional<std::string>(text) : std::nullopt;
    }
    bool Replace(std::string_view newText) override {
        if (refuseWrites) {
            return false;
        }
        text = newText;
        ++writes;
        return true;
    }
    std::string Location() const override { return "VELMORANT.DAT"; }
};

class FakePresenter : public MessagePresenter {
  public:
    struct Message {
        std::string Text;
        std::string Title;
    };
    std::vector<Message> shown;
    void ShowMessage(std::string_view text, std::string_view title) override {
        shown.push_back({std::string(text), std::string(title)});
    }
};

// Seventeen comment lines, as the top of a station list holds them.
inline std::string CommentBlock() {
    std::string block;
    for (int i = 1; i <= 17; ++i) {
        block += "// comment line " + std::to_string(i) + "\r\n";
    }
    return block;
}

// Stations on lines 18 to 21, the end line on 22.
// A small station list for the station buttons.
inline const std::string kList = CommentBlock() +
                                 "DL1ABC,JN58td,EME 2M 4x17el\r\n"
                                 "G4XYZ,IO91wm,70cm, dish 3m\r\n"
                                 "K1ABC,FN42,\r\n"
                                 "W1XYZ,FN31pq,1kW\r\n"
                                 "ZZZZZZ\r\n";

// The four lines the window writes with its initial contents.
inline constexpr std::string_view kInitialFile =
    "1,\"\",\"\",\"00\",\"00\",\"00\",\"\",\"00\",\"00\",\"00\",\"\",\"-2\",\"90\"\r\n"
    "1,\"\",\"\",\"00\",\"00\",\"00\",\"\",\"000\",\"00\",\"00\",\"\",\"-2\",\"90\"\r\n"
    "-1,\"(Enter Other Here)\",\"\",\"\",\"\",-1\r\n"
    "\"15\",2,22,\"50\",\"\",0,\"%Systemroot%\\notepad.exe\",0,-1,\"C:\\Program "
    "Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe\",0,360,\"0000\",\"2400\"\r\n";

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        window.Hooks.ControlChanged = [this](std::string_view name) { changed.emplace_back(name); };
        window.Hooks.CloseRunFilesAndHideRealTime = [this] { ++runStops; };
        window.Hooks.ClearRealTimeMap = [this] { ++mapClears; };
        window.Hooks.EndProgram = [this] { ++endRequests; };
        storage.text = kInitialFile;
    }

    // Starts the window with this defaults file.
    void StartWith(std::string_view file) {
        storage.text = file;
        window.Form_Load();
    }

    // Puts the window into the running state as RUN does.
    void PretendRunning() {
        window.RealTimeMode = true;
        window.RealTimeFresh = false;
        window.Show(window.cmdRUN, false);
        window.Show(window.cmdStop, true);
        window.SetCaption(window.cmdRUN, "RUNNING");
    }

    void Set(std::string_view control, std::string_view text) {
        const ActionResult result = window.ApplySetting(control, text);
        ASSERT_TRUE(result.Ok) << result.Error;
    }

    FakeClock clock;
    FakeStorage storage;
    FakePresenter messages;
    MainWindowModel window{clock, storage, messages};
    std::vector<std::string> changed;
    int runStops = 0;
    int mapClears = 0;
    int endRequests = 0;
};

}  // namespace velmorant::testing_support
