// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/degradation.h"

#include <cmath>
#include <cstddef>
#include <optional>

#include "core/common/decimal.h"
#include "core/common/numeric.h"

namespace velmorant {

namespace {

// Scaling of the sky-temperature table's columns when it is loaded.
constexpr double kT144Scale = 0.87;
constexpr double kT432Scale = 0.83;
constexpr int kFieldsPerRecord = 3;

// The distance at which the path loss is counted as 0 dB, km (a close perigee).
constexpr double kReferenceDistanceKm = 356410;
// Spacing of the table's right-ascension keys, hours.
constexpr double kTableStepHours = 0.5;
// Spectral indices of the galactic background: -2.7 from 144 MHz down to 50 MHz and -2.8
// from 432 MHz up to the microwave bands, above the 2.7 K cosmic background.
constexpr double kLowBandIndex = -2.7;
constexpr double kHighBandIndex = -2.8;
constexpr double kCosmicBackgroundK = 2.7;
// The coldest sky: 13 K at 408 MHz scaled with index -2.6 to the band, and 12.45 K in the
// 432 MHz column.
constexpr double kColdSky408K = 13;
constexpr double kColdSkyIndex = 2.6;
constexpr double kColdSky432K = 12.45;

// The bands whose sky is the 432 MHz column scaled to the band's frequency, MHz.
constexpr double kMicrowaveBandsMHz[] = {1296, 2304, 3400, 5760, 10368};

bool IsMicrowaveBand(double bandMHz) {
    for (const double band : kMicrowaveBandsMHz) {
        if (bandMHz == band) {
            return true;
        }
    }
    return false;
}

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}
bool IsLineEnd(char ch) {
    return ch == '\r' || ch == '\n';
}

// Reads the text as a sequence of fields. A field ends at a comma, a blank or a line end;
// blanks and line ends around a comma belong to the separator, so "1, 2" and "1,2" are the
// same two fields, while a second comma in one separator encloses an empty field.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // The next field, or nothing at the end of the text.
    std::optional<std::string_view> Next() {
        SkipSpace();
        if (pos_ >= text_.size()) {
            return std::nullopt;
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !IsBlank(text_[pos_]) &&
               !IsLineEnd(text_[pos_])) {
            ++pos_;
        }
        const std::string_view field = text_.substr(start, pos_ - start);
        SkipSpace();
        if (pos_ < text_.size() && text_[pos_] == ',') {
            ++pos_;
        }
        return field;
    }

  private:
    void SkipSpace() {
        while (pos_ < text_.size() && (IsBlank(text_[pos_]) || IsLineEnd(text_[pos_]))) {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

const char* OrdinalField(int field) {
    static constexpr const char* kNames[kFieldsPerRecord] = {"first", "second", "third"};
    return kNames[field];
}

}  // namespace

std::variant<SkyTemperatureTable, SkyTemperatureError> ParseSkyTemperatures(std::string_view text) {
    SkyTemperatureTable table;
    FieldReader reader(text);
    for (int record = 0; record < kSkyTemperatureRecords; ++record) {
        double values[kFieldsPerRecord] = {};
        for (int field = 0; field < kFieldsPerRecord; ++field) {
            const std::optional<std::string_view> fieldText = reader.Next();
            if (!fieldText) {
                std::string fault = field == 0
                                        ? "missing (the file holds only " + std::to_string(record) +
                                              " of the " + std::to_string(kSkyTemperatureRecords) +
                                              " records)"
                                        : "incomplete (the file ends after its " +
                                              std::string(OrdinalField(field - 1)) + " number)";
                return SkyTemperatureError{record + 1, fault};
            }
            const std::optional<double> value = StrictDecimal(*fieldText);
            if (!value) {
                return SkyTemperatureError{record + 1, "the " + std::string(OrdinalField(field)) +
                                                           " field \"" + std::string(*fieldText) +
                                                           "\" is not a number"};
            }
            // Beyond these the interpolation and the logarithms give infinities or values
            // that are not numbers, which would reach the report.
            // The keys run half an hour past 24 to close the circle.
            const double highest = field == 0 ? 25.0 : 100000.0;
            if (!(*value >= 0.0 && *value <= highest)) {
                return SkyTemperatureError{record + 1,
                                           "the " + std::string(OrdinalField(field)) + " field \"" +
                                               std::string(*fieldText) + "\" lies outside " +
                                               (field == 0 ? "0 to 25 hours" : "0 to 100000 K")};
            }
            values[field] = *value;
        }
        const auto i = static_cast<std::size_t>(record);
        table.RAHours[i] = static_cast<float>(values[0]);
        table.T144[i] = static_cast<float>(values[1] * kT144Scale);
        table.T432[i] = static_cast<float>(values[2] * kT432Scale);
    }
    return table;
}

DegradationResult PathDegradation(const SkyTemperatureTable& table, const MoonDistanceState& state,
                                  double dayFraction, double rightAscensionHours, double bandMHz,
                                  float receiverNoiseK) {
    // Distance at the instant, interpolated between the noon values of the date before and of
    // this date.
    const double noonKm = state.DistanceKm;
    const double distance = (noonKm - state.PreviousDistanceKm) * (dayFraction - 0.5) + noonKm;
    const float pathLoss = static_cast<float>(40 * Log10(distance / kReferenceDistanceKm));

    // First key above the right ascension (0-based index here); the last row when none is.
    std::size_t k = kSkyTemperatureRecords - 1;
    for (std::size_t i = 1; i < kSkyTemperatureRecords; ++i) {
        if (table.RAHours[i] > rightAscensionHours) {
            k = i;
            break;
        }
    }
    const double offsetHours = rightAscensionHours - table.RAHours[k - 1];

    // Linear interpolation in double, truncated down to whole kelvin.
    const double below144 = table.T144[k - 1];
    double t1 = Int((table.T144[k] - below144) / kTableStepHours * offsetHours + below144);
    if (bandMHz == 50) {
        t1 = t1 * std::pow(50.0 / 144.0, kLowBandIndex);
    }
    const double below432 = table.T432[k - 1];
    double t2 = Int((table.T432[k] - below432) / kTableStepHours * offsetHours + below432);
    // The microwave bands scale the part above the cosmic background to their frequency.
    const bool microwave = IsMicrowaveBand(bandMHz);
    if (microwave) {
        t2 = (t2 - kCosmicBackgroundK) / std::pow(432.0 / bandMHz, kHighBandIndex) +
             kCosmicBackgroundK;
    }

    float c1 = static_cast<float>(kColdSky408K * std::pow(408.0 / 144.0, kColdSkyIndex));
    if (bandMHz == 50) {
        c1 = static_cast<float>(kColdSky408K * std::pow(408.0 / 50.0, kColdSkyIndex));
    }
    float c2 = static_cast<float>(kColdSky432K);
    if (microwave) {
        c2 = static_cast<float>((kColdSky432K - kCosmicBackgroundK) /
                                    std::pow(432.0 / bandMHz, kHighBandIndex) +
                                kCosmicBackgroundK);
    }

    const double trx = receiverNoiseK;
    const float d1 = static_cast<float>(pathLoss + 10 * Log10((trx + t1) / (trx + c1)));
    const double d2 = pathLoss + 10 * Log10((trx + t2) / (trx + c2));

    DegradationResult result;
    if (bandMHz == 144 || bandMHz == 50) {
        result.Degradation = d1;
        result.SkyTemperature = t1;
    } else {
        // 220 MHz has no column of its own and uses the 432 MHz one unscaled.
        result.Degradation = static_cast<float>(d2);
        result.SkyTemperature = t2;
    }
    return result;
}

}  // namespace velmorant
