// SPDX-License-Identifier: GPL-3.0-or-later
// `velmorant track`: one frame of the real-time display, run as a user runs it, in a folder of
// its own holding the shipped defaults and sky table.

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct Output {
    int Status = -1;
    std::string Text;  // standard output, or standard error with `errors`
};

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

class TrackCommand : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("velmorant-track-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        for (const char* name : {"VELMORANT.DAT", "QVSKYTEMP.DAT", "CALL3.TXT"}) {
            fs::copy_file(fs::path(VELMORANT_DATA) / name, folder_ / name);
        }
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs `velmorant <arguments> --dir <folder>`; standard output, or standard error when
    // `errors` is set.
    Output Run(const std::string& arguments, bool errors = false) const {
        const std::string command = ShellQuote(VELMORANT_EXECUTABLE) + " " + arguments + " --dir " +
                                    ShellQuote(folder_.string()) +
                                    (errors ? " 2>&1 >/dev/null" : " 2>/dev/null");
        Output output;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        std::size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.Text.append(buffer, read);
        }
        const int status = ::pclose(pipe);
        output.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return output;
    }

    fs::path folder_;
};

// The "name: value" lines of the text form.
std::map<std::string, std::string> Lines(const std::string& text) {
    std::map<std::string, std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const auto colon = line.find(": ");
        EXPECT_NE(colon, std::string::npos) << line;
        lines[line.substr(0, colon)] = line.substr(colon + 2);
    }
    return lines;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

// The text form's angles are the planning report's for the same minute: the report line of
// 18:37 at one-minute steps, the frame 25 s into that minute.
TEST_F(TrackCommand, TextAnglesEqualThePlanningReportLineOfTheSameMinute) {
    const Output report =
        Run("plan --start 2016-03-16 --set txtIncrementMinutes=1 --set txtOutputLines=0 "
            "--output -");
    ASSERT_EQ(report.Status, 0);
    const auto at = report.Text.find("\n1837 ");
    ASSERT_NE(at, std::string::npos);
    const std::vector<std::string> line =
        Words(report.Text.substr(at + 1, report.Text.find('\n', at + 1) - at - 1));
    ASSERT_GE(line.size(), 7u);

    const Output frame = Run("track --at 2016-03-16T18:37:25Z");
    ASSERT_EQ(frame.Status, 0);
    auto items = Lines(frame.Text);
    EXPECT_EQ(items["utc"], "2016-03-16T18:37:25Z");
    EXPECT_EQ(items["object"], "Moon");
    EXPECT_EQ(items["home_locator"], "JN58td");
    EXPECT_EQ(items["home_azimuth"], line[2]);
    EXPECT_EQ(items["home_elevation"], line[3]);
    EXPECT_EQ(items["dx_azimuth"], line[5]);
    EXPECT_EQ(items["dx_elevation"], line[6]);
    EXPECT_EQ(items["band"], "144");
    EXPECT_EQ(items["echo_doppler"].substr(items["echo_doppler"].size() - 3), " Hz");
}

// JSON: one object, unrounded numbers with units in their keys, agreeing with the text form.
TEST_F(TrackCommand, JsonIsOneObjectWithUnitsInTheKeys) {
    const std::string at = " --at 2031-01-01T00:00:30Z --set cboBand=10368";
    const Output json = Run("track --format json" + at);
    ASSERT_EQ(json.Status, 0);
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.Text), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    ASSERT_TRUE(document.isObject());
    const QJsonObject frame = document.object();
    for (const char* key : {"home_azimuth_deg",
                            "home_elevation_deg",
                            "dx_azimuth_deg",
                            "dx_elevation_deg",
                            "polarization_offset_deg",
                            "degradation_db",
                            "sky_temperature_k",
                            "gha_deg",
                            "declination_deg",
                            "topocentric_gha_deg",
                            "topocentric_declination_deg",
                            "band_mhz",
                            "echo_doppler_hz",
                            "dx_doppler_hz",
                            "echo_spread_hz",
                            "dx_spread_hz",
                            "echo_doppler_rate_hz_per_min",
                            "echo_delay_s",
                            "sun_moon_angle_deg",
                            "subpoint_latitude_deg",
                            "subpoint_longitude_east_deg"}) {
        EXPECT_TRUE(frame.value(key).isDouble()) << key;
    }
    EXPECT_EQ(frame.value("object").toString().toStdString(), "Moon");
    EXPECT_EQ(frame.value("band_mhz").toDouble(), 10368);
    // At 10 GHz the echo shift reaches kilohertz; the text form rounds it to whole hertz.
    auto text = Lines(Run("track" + at).Text);
    const double echo = frame.value("echo_doppler_hz").toDouble();
    EXPECT_EQ(text["echo_doppler"], std::to_string(std::lround(echo)) + " Hz");
    // The echo figures: the text rounds what JSON holds (a spread of some 100 Hz at 10 GHz, a
    // delay of some 2.5 s).
    char spread[32];
    std::snprintf(spread, sizeof spread, "%.1f Hz", frame.value("echo_spread_hz").toDouble());
    EXPECT_EQ(text["echo_spread"], spread);
    EXPECT_GT(frame.value("echo_spread_hz").toDouble(), 10);
    EXPECT_NEAR(frame.value("echo_delay_s").toDouble(), 2.5, 0.15);
    EXPECT_EQ(text["echo_delay"].substr(0, 2), "2.");
    EXPECT_EQ(text["subpoint_latitude"].empty(), false);
    EXPECT_NEAR(frame.value("subpoint_latitude_deg").toDouble(),
                frame.value("declination_deg").toDouble(), 1e-12);
}

// Another object than the Moon: the echo figures are the Moon's and stay null (blank in the
// text); the Sun-Moon angle is the Moon's and the Sun's whatever the antenna follows.
TEST_F(TrackCommand, EchoFiguresAreTheMoonsAndTheSunMoonAngleAlwaysShows) {
    const std::string at = " --at 2031-01-01T00:00:30Z --set cboCelestial=Cassiopeia\\ A";
    const Output json = Run("track --format json" + at);
    ASSERT_EQ(json.Status, 0) << json.Text;
    const QJsonObject other =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.Text)).object();
    for (const char* key :
         {"echo_spread_hz", "dx_spread_hz", "echo_doppler_rate_hz_per_min", "echo_delay_s"}) {
        EXPECT_TRUE(other.value(key).isNull()) << key;
    }
    const QJsonObject moon =
        QJsonDocument::fromJson(
            QByteArray::fromStdString(Run("track --format json --at 2031-01-01T00:00:30Z").Text))
            .object();
    EXPECT_DOUBLE_EQ(other.value("sun_moon_angle_deg").toDouble(),
                     moon.value("sun_moon_angle_deg").toDouble());
    auto text = Lines(Run("track" + at).Text);
    EXPECT_EQ(text["echo_spread"], "");
    EXPECT_EQ(text["sun_moon_angle"].empty(), false);
}

// --home and --dx place stations as plan's do: a locator through the calculation button, a
// callsign through the lookup, which must find it exactly.
TEST_F(TrackCommand, StationsNamedByLocatorAndCallsign) {
    const std::string at = " --at 2016-03-16T18:37:25Z";
    auto frame = Lines(Run("track --home JN58td --dx DK3VX" + at).Text);
    EXPECT_EQ(frame["home_callsign"], "");
    EXPECT_EQ(frame["home_locator"], "JN58td");
    EXPECT_EQ(frame["dx_callsign"], "DK3VX");
    EXPECT_EQ(frame["dx_locator"], "JO40hg");
    const Output missing = Run("track --dx NO1SUCH" + at, true);
    EXPECT_EQ(missing.Status, 2);
    EXPECT_NE(missing.Text.find("--dx NO1SUCH"), std::string::npos) << missing.Text;
}

TEST_F(TrackCommand, ABadInstantOrARefusedSetUpExitsWithStatusTwo) {
    struct Case {
        const char* Arguments;
        const char* Message;  // a part of what standard error says
    };
    const Case cases[] = {
        {"track --at 2016-02-30T12:00:00Z", "is not a UTC time"},
        {"track --at 2016-03-16T24:00:00Z", "is not a UTC time"},
        {"track --at 2016-03-16 12:00:00", "the instant 2016-03-16 is not"},
        {"track --format xml", "--format takes text or json"},
        {"track --set txtNoDefaults=1", "txtNoDefaults"},
        {"track --set txtNoise=-5", "Input"},
    };
    for (const Case& c : cases) {
        const Output output = Run(c.Arguments, true);
        EXPECT_EQ(output.Status, 2) << c.Arguments;
        EXPECT_NE(output.Text.find(c.Message), std::string::npos) << c.Arguments << "\n"
                                                                  << output.Text;
    }
    fs::remove(folder_ / "QVSKYTEMP.DAT");
    const Output missing = Run("track --at 2016-03-16T18:00:00Z", true);
    EXPECT_EQ(missing.Status, 2);
    EXPECT_NE(missing.Text.find("QVSKYTEMP.DAT"), std::string::npos) << missing.Text;
}

}  // namespace
