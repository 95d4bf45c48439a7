// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/locator.h"

#include <cmath>
#include <ostream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

// A station's values as the window shows them after a press: whole numbers.
struct Shown {
    std::string Locator;
    int LatDeg, LatMin, LatSec;
    std::string LatDir;
    int LonDeg, LonMin, LonSec;
    std::string LonDir;

    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Shown& s) {
    return os << '"' << s.Locator << "\" " << s.LatDeg << ' ' << s.LatMin << ' ' << s.LatSec << ' '
              << s.LatDir << ", " << s.LonDeg << ' ' << s.LonMin << ' ' << s.LonSec << ' '
              << s.LonDir;
}

Shown Show(const LocatorFields& f) {
    auto whole = [](float v) { return static_cast<int>(std::floor(v)); };
    return {f.Locator,       whole(f.LatDeg), whole(f.LatMin), whole(f.LatSec), f.LatDir,
            whole(f.LonDeg), whole(f.LonMin), whole(f.LonSec), f.LonDir};
}

LocatorFields Fields(std::string locator, float latDeg, float latMin, float latSec,
                     std::string latDir, float lonDeg, float lonMin, float lonSec,
                     std::string lonDir) {
    return {std::move(locator), latDeg, latMin, latSec, std::move(latDir), lonDeg, lonMin, lonSec,
            std::move(lonDir)};
}

// Coordinates that any locator entry overwrites.
LocatorFields Any(std::string locator) {
    return Fields(std::move(locator), 12, 34, 56, "S", 100, 20, 30, "W");
}

struct PressCase {
    const char* Name;
    LocatorFields Before;
    LocatorOutcome Outcome;
    Shown After;
};

void PrintTo(const PressCase& c, std::ostream* os) {
    *os << c.Name;
}

std::string CaseName(const testing::TestParamInfo<PressCase>& info) {
    return info.param.Name;
}

class CalculationButtonTest : public testing::TestWithParam<PressCase> {};

TEST_P(CalculationButtonTest, Press) {
    const PressCase& c = GetParam();
    LocatorFields fields = c.Before;
    EXPECT_EQ(CalculateStationLocator(fields), c.Outcome);
    EXPECT_EQ(Show(fields), c.After);
}

constexpr LocatorOutcome kConverted = LocatorOutcome::Converted;
constexpr LocatorOutcome kPole = LocatorOutcome::Pole;
constexpr LocatorOutcome kMissing = LocatorOutcome::MissingInput;
constexpr LocatorOutcome kMalformed = LocatorOutcome::Malformed;
constexpr LocatorOutcome kOutOfRange = LocatorOutcome::OutOfRange;

INSTANTIATE_TEST_SUITE_P(
    WorkedResults, CalculationButtonTest,
    testing::Values(
        PressCase{
            "Locator", Any("JN58td"), kConverted, {"JN58td", 48, 8, 45, "N", 11, 37, 30, "E"}},
        PressCase{"FourCharactersLowerCase",
                  Any("jn58"),
                  kConverted,
                  {"JN58mm", 48, 31, 15, "N", 11, 2, 30, "E"}},
        PressCase{
            "TwoCharacters", Any("JN"), kConverted, {"JN55mm", 45, 31, 15, "N", 11, 2, 30, "E"}},
        PressCase{"Coordinates",
                  Fields("", 48, 8, 45, "N", 11, 37, 30, "E"),
                  kConverted,
                  {"JN58td", 48, 8, 45, "N", 11, 37, 30, "E"}},
        // Minutes and seconds of both coordinates are ignored.
        PressCase{"DecimalDegrees",
                  Fields("", 48.1f, 30, 30, "N", 11.6f, 30, 30, "E"),
                  kConverted,
                  {"JN58tc", 48, 6, 15, "N", 11, 37, 30, "E"}},
        PressCase{"WestLongitude",
                  Fields("", 41, 42, 0, "N", 72, 43, 0, "W"),
                  kConverted,
                  {"FN31pq", 41, 41, 15, "N", 72, 42, 30, "W"}},
        PressCase{"SouthEast",
                  Fields("", 33, 51, 0, "S", 151, 12, 0, "E"),
                  kConverted,
                  {"QF56od", 33, 51, 15, "S", 151, 12, 30, "E"}},
        PressCase{"EastAntimeridianIsFieldA",
                  Fields("", 0, 0, 1, "N", 180, 0, 0, "E"),
                  kConverted,
                  {"AJ00aa", 0, 1, 15, "N", 179, 57, 30, "W"}},
        PressCase{"NorthPole",
                  Fields("", 90, 0, 0, "N", 10, 0, 0, "E"),
                  kPole,
                  {"N POLE", 90, 0, 0, "N", 10, 0, 0, "E"}},
        PressCase{"AllZero",
                  Fields("", 0, 0, 0, "S", 0, 0, 0, "W"),
                  kMissing,
                  {"", 0, 0, 0, "S", 0, 0, 0, "W"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    LocatorEntries, CalculationButtonTest,
    testing::Values(
        PressCase{
            "MixedCase", Any("jN58Td"), kConverted, {"JN58td", 48, 8, 45, "N", 11, 37, 30, "E"}},
        PressCase{"TwoCharactersLowerCase",
                  Any("fn"),
                  kConverted,
                  {"FN55mm", 45, 31, 15, "N", 68, 57, 30, "W"}},
        // Blanks around a locator are dropped.
        PressCase{
            "Blanks", Any(" JN58td "), kConverted, {"JN58td", 48, 8, 45, "N", 11, 37, 30, "E"}},
        // Anything but 2, 4 or 6 characters of the Maidenhead form is refused and changes
        // nothing: an eight-character entry, letters past R or X, a letter for a digit.
        PressCase{"EightCharacters",
                  Any("JN58td12"),
                  kMalformed,
                  {"JN58td12", 12, 34, 56, "S", 100, 20, 30, "W"}},
        PressCase{
            "FieldPastR", Any("zz99zz"), kMalformed, {"zz99zz", 12, 34, 56, "S", 100, 20, 30, "W"}},
        PressCase{"SubsquarePastX",
                  Any("JN58ty"),
                  kMalformed,
                  {"JN58ty", 12, 34, 56, "S", 100, 20, 30, "W"}},
        PressCase{"LetterForDigit",
                  Any("JNx8td"),
                  kMalformed,
                  {"JNx8td", 12, 34, 56, "S", 100, 20, 30, "W"}},
        // The largest letters of each pair: the north-east corner of the grid.
        PressCase{"NorthEastCorner",
                  Any("rr99xx"),
                  kConverted,
                  {"RR99xx", 89, 58, 45, "N", 179, 57, 30, "E"}},
        PressCase{"OneCharacter", Any("j"), kMalformed, {"j", 12, 34, 56, "S", 100, 20, 30, "W"}},
        PressCase{
            "ThreeCharacters", Any("jn5"), kMalformed, {"jn5", 12, 34, 56, "S", 100, 20, 30, "W"}},
        PressCase{"FiveCharacters",
                  Any("jn58t"),
                  kMalformed,
                  {"jn58t", 12, 34, 56, "S", 100, 20, 30, "W"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    CoordinateEntries, CalculationButtonTest,
    testing::Values(
        // 4 42 30 N lies on the line between subsquare rows q and r: A = (90 + lat) / 10 is
        // computed in double and rounded when stored, and so is A' = 10 (A - floor(A)); the
        // product 24 x frac(A') then falls just below 17 (row q). In single precision
        // throughout it would reach 17 (row r).
        PressCase{"SubsquareRowBoundary",
                  Fields("", 4, 42, 30, "N", 10, 0, 0, "E"),
                  kConverted,
                  {"JJ54aq", 4, 41, 15, "N", 10, 2, 30, "E"}},
        // A fraction in one degree value is enough: the longitude minutes are ignored too.
        PressCase{"OneDecimalDegree",
                  Fields("", 48, 8, 45, "N", 11.6f, 0, 0, "E"),
                  kConverted,
                  {"JN58ta", 48, 1, 15, "N", 11, 37, 30, "E"}},
        PressCase{"LatitudeFractionOnly",
                  Fields("", 48.1f, 0, 0, "N", 11, 36, 0, "E"),
                  kConverted,
                  {"JN58mc", 48, 6, 15, "N", 11, 2, 30, "E"}},
        // 40 05 N is the southern edge of subsquare row c, 40 20 E the western edge of column
        // e; the single-precision sums fall just short of both, into b and d.
        PressCase{"SubsquareEdgesInSinglePrecision",
                  Fields("", 40, 5, 0, "N", 40, 20, 0, "E"),
                  kConverted,
                  {"LN00db", 40, 3, 45, "N", 40, 17, 30, "E"}},
        // Only exactly "S" and "E" count as south and east.
        PressCase{"LowerCaseLettersAreNorthAndWest",
                  Fields("", 33, 51, 0, "s", 151, 12, 0, "e"),
                  kConverted,
                  {"BM43ju", 33, 51, 15, "N", 151, 12, 30, "W"}},
        PressCase{"WestAntimeridian",
                  Fields("", 10, 0, 0, "S", 180, 0, 0, "W"),
                  kConverted,
                  {"AI00aa", 9, 58, 45, "S", 179, 57, 30, "W"}},
        // A negative degree value is the other hemisphere.
        PressCase{"NegativeLatitude",
                  Fields("", -41, -42, 0, "N", 72, 43, 0, "W"),
                  kConverted,
                  {"FE38ph", 41, 41, 15, "S", 72, 42, 30, "W"}},
        PressCase{"SouthPole",
                  Fields("", 90, 0, 0, "S", 0, 0, 0, "E"),
                  kPole,
                  {"S POLE", 90, 0, 0, "S", 0, 0, 0, "E"}},
        PressCase{"SouthPoleFromNegativeNorth",
                  Fields("", -90, 0, 0, "N", 100, 0, 0, "E"),
                  kPole,
                  {"S POLE", -90, 0, 0, "N", 100, 0, 0, "E"}},
        PressCase{"DecimalPoleKeepsTheFraction",
                  Fields("", 90, 0, 0, "N", 10.5f, 0, 0, "E"),
                  kPole,
                  {"N POLE", 90, 0, 0, "N", 10, 0, 0, "E"}},
        // A pole text is no locator: the press works from the coordinates.
        PressCase{"PoleTextIsReplaced",
                  Fields("N POLE", 48, 8, 45, "N", 11, 37, 30, "E"),
                  kConverted,
                  {"JN58td", 48, 8, 45, "N", 11, 37, 30, "E"}},
        PressCase{"PoleTextStaysAtThePole",
                  Fields("S POLE", 90, 0, 0, "N", 0, 0, 0, "W"),
                  kPole,
                  {"N POLE", 90, 0, 0, "N", 0, 0, 0, "W"}},
        PressCase{"PoleTextWithoutCoordinates",
                  Fields("S POLE", 0, 0, 0, "N", 0, 0, 0, "E"),
                  kMissing,
                  {"S POLE", 0, 0, 0, "N", 0, 0, 0, "E"}},
        PressCase{"NegativeSum",
                  Fields("", -10, 0, 0, "N", 0, 0, 0, "E"),
                  kMissing,
                  {"", -10, 0, 0, "N", 0, 0, 0, "E"}},
        PressCase{"LatitudeBeyond90",
                  Fields("", 91, 0, 0, "N", 10, 0, 0, "E"),
                  kOutOfRange,
                  {"", 91, 0, 0, "N", 10, 0, 0, "E"}},
        PressCase{"LatitudeOneSecondBeyond90",
                  Fields("", 90, 0, 1, "S", 10, 0, 0, "E"),
                  kOutOfRange,
                  {"", 90, 0, 1, "S", 10, 0, 0, "E"}},
        PressCase{"NegativeLatitudeBeyond90",
                  Fields("", -91, 0, 0, "N", 100, 0, 0, "W"),
                  kOutOfRange,
                  {"", -91, 0, 0, "N", 100, 0, 0, "W"}},
        PressCase{"LongitudeOneSecondBeyond180",
                  Fields("", 10, 0, 0, "N", 180, 0, 1, "E"),
                  kOutOfRange,
                  {"", 10, 0, 0, "N", 180, 0, 1, "E"}},
        PressCase{"DecimalLongitudeBeyond180",
                  Fields("", 10, 0, 0, "N", 180.5f, 0, 0, "W"),
                  kOutOfRange,
                  {"", 10, 0, 0, "N", 180, 0, 0, "W"}},
        // The range is checked before the pole: a pole with a wrong longitude is refused.
        PressCase{"PoleWithLongitudeBeyond180",
                  Fields("N POLE", 90, 0, 0, "N", 200, 0, 0, "E"),
                  kOutOfRange,
                  {"N POLE", 90, 0, 0, "N", 200, 0, 0, "E"}}),
    CaseName);

// Refused entries leave every value exactly as it was, fractions included.
TEST(ConvertLocator, RefusalsChangeNothing) {
    const LocatorFields entries[] = {
        Fields("", 0, 0, 0, "N", 0, 0, 0, "E"),
        Fields("", -10.25f, 0.5f, 0, "x", 0, 0, 0, ""),
        Fields("JN58t", 1.5f, 2.5f, 3.5f, "N", 4.5f, 5.5f, 6.5f, "W"),
        Fields("", 95.5f, 2.5f, 3.5f, "N", 4.5f, 5.5f, 6.5f, "W"),
    };
    for (const LocatorFields& before : entries) {
        LocatorFields fields = before;
        EXPECT_NE(CalculateStationLocator(fields), kConverted) << before.Locator;
        EXPECT_EQ(fields.Locator, before.Locator);
        EXPECT_EQ(fields.LatDeg, before.LatDeg);
        EXPECT_EQ(fields.LatMin, before.LatMin);
        EXPECT_EQ(fields.LatSec, before.LatSec);
        EXPECT_EQ(fields.LatDir, before.LatDir);
        EXPECT_EQ(fields.LonDeg, before.LonDeg);
        EXPECT_EQ(fields.LonMin, before.LonMin);
        EXPECT_EQ(fields.LonSec, before.LonSec);
        EXPECT_EQ(fields.LonDir, before.LonDir);
    }
}

// Within a float's step of a field's or square's edge the singles round onto the edge: the
// locator is that of the edge, never a character past R or 9.
TEST(ConvertLocator, APositionRoundingOntoAnEdgeTakesTheEdgesLocator) {
    struct EdgeCase {
        LocatorFields Entry;
        LocatorOutcome Outcome;
        const char* Locator;
    };
    const EdgeCase cases[] = {
        // 90 N less 0.03": A rounds to 18, the pole.
        {Fields("", 90, 0, -0.0312595367f, "", 0, 0, 0, ""), kPole, "N POLE"},
        {Fields("", 89.99999f, 0, 0, "N", 10, 0, 0, "E"), kPole, "N POLE"},
        // 179.99999 E: E rounds to 18, which is 180 W again, field A.
        {Fields("", 10, 0, 0, "N", 179.99999f, 0, 0, "E"), kConverted, "AK00aa"},
    };
    for (const EdgeCase& c : cases) {
        LocatorFields pressed = c.Entry;
        EXPECT_EQ(CalculateStationLocator(pressed), c.Outcome) << c.Locator;
        EXPECT_EQ(pressed.Locator, c.Locator);
        if (c.Outcome == kConverted) {
            EXPECT_TRUE(IsLocatorText(pressed.Locator));
        }
    }
}

// Single passes: what each direction alone leaves behind.
TEST(ConvertLocator, CoordinatesToLocatorChangesOnlyTheLocator) {
    LocatorFields fields = Fields("", 48.1f, 30, 30, "N", 11.6f, 30, 30, "E");
    EXPECT_EQ(ConvertLocator(fields), kConverted);
    EXPECT_EQ(fields.Locator, "JN58tc");
    EXPECT_EQ(fields.LatDeg, 48.1f);
    EXPECT_EQ(fields.LatMin, 30);
    EXPECT_EQ(fields.LonDeg, 11.6f);
    EXPECT_EQ(fields.LonSec, 30);
    EXPECT_EQ(fields.LatDir, "N");
    EXPECT_EQ(fields.LonDir, "E");
}

TEST(ConvertLocator, ShortLocatorsGiveTheSouthWestCornerOfSubsquareMm) {
    LocatorFields four = Any("jn58");
    EXPECT_EQ(ConvertLocator(four), kConverted);
    EXPECT_EQ(Show(four), (Shown{"JN58mm", 48, 30, 0, "N", 11, 0, 0, "E"}));
    LocatorFields two = Any("jn");
    EXPECT_EQ(ConvertLocator(two), kConverted);
    EXPECT_EQ(Show(two), (Shown{"JN55mm", 45, 30, 0, "N", 11, 0, 0, "E"}));
}

TEST(ConvertLocator, SubsquareCentresFallOnQuarterMinutes) {
    // A subsquare centre lies on a quarter minute of latitude and a half minute of longitude,
    // so the seconds come out exact; in double precision rounding never pushes them towards
    // 60. Checked over the whole usual alphabet.
    for (char field = 'A'; field <= 'R'; ++field) {
        for (char square = '0'; square <= '9'; ++square) {
            for (char sub = 'a'; sub <= 'x'; ++sub) {
                LocatorFields f = Any(std::string{field, field, square, square, sub, sub});
                ASSERT_EQ(ConvertLocator(f), kConverted);
                EXPECT_TRUE(f.LatSec == 15 || f.LatSec == 45) << f.Locator << ' ' << f.LatSec;
                EXPECT_EQ(f.LonSec, 30) << f.Locator;
            }
        }
    }
}

TEST(MessageFor, TextsAndTitles) {
    const LocatorMessage missing = MessageFor(kMissing);
    EXPECT_EQ(missing.Text, "Enter either Coordinates or Locator");
    EXPECT_EQ(missing.Title, "Input Required");
    EXPECT_EQ(MessageFor(kMalformed).Title, "Input Required");
    EXPECT_NE(MessageFor(kMalformed).Text.find("JN58td"), std::string::npos);
    EXPECT_EQ(MessageFor(kOutOfRange).Title, "Input Required");
    EXPECT_FALSE(MessageFor(kOutOfRange).Text.empty());
    for (LocatorOutcome quiet : {kConverted, kPole}) {
        EXPECT_TRUE(MessageFor(quiet).Text.empty());
        EXPECT_TRUE(MessageFor(quiet).Title.empty());
    }
}

}  // namespace
}  // namespace velmorant
