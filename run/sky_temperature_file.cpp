// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/sky_temperature_file.h"

#include <fstream>
#include <sstream>

namespace velmorant {

std::variant<SkyTemperatureTable, RunMessage> LoadSkyTemperatures(
    const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return RunMessage{"File Not Found",
                          "The file " + file.string() +
                              " is not where expected.  The calculation was not started."};
    }
    std::ostringstream text;
    text << in.rdbuf();
    auto parsed = ParseSkyTemperatures(text.str());
    if (const auto* error = std::get_if<SkyTemperatureError>(&parsed)) {
        std::string where = error->Record > 0 ? ", record " + std::to_string(error->Record) : "";
        return RunMessage{"File Damaged", "The file " + file.string() + " cannot be used" + where +
                                              ": " + error->Fault +
                                              ".  The calculation was not started."};
    }
    return std::get<SkyTemperatureTable>(parsed);
}

}  // namespace velmorant
