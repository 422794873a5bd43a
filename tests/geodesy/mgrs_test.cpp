#include "geodesy/mgrs.h"
#include "geodesy/utm.h"
#include "geodesy_test_support.h"
#include "procedures/procedures.h"
#include "text/numtext.h"

#include <array>
#include <cmath>
#include <ostream>

namespace lw::test {
namespace {

std::string toMil(std::string zone, std::string e, std::string n, RecordingMessages& m) {
    UTMnachMIL(zone, e, n, m);
    return zone;
}

TEST(UtmToMilitary, KnownPointAndReferenceText) {
    RecordingMessages m;
    std::string mil = toMil("32U", "0571666", "5539110", m);
    EXPECT_EQ(mil, "32U  NA  73.19.61.61.60");
    MILnachREF(mil, m);
    EXPECT_EQ(mil, "32U  NA  7166639110");
    EXPECT_TRUE(m.messages.empty());
}

TEST(UtmToMilitary, WrongLengthsAreRefusedAndChangeNothing) {
    const struct {
        const char *e, *n, *text;
    } cases[] = {
        {"057166", "5539110", "Der Rechtswert muss genau 7-stellig sein!"},
        {"05716660", "553911", "Der Rechtswert muss genau 7-stellig sein!"},
        {"0571666", "553911", "Der Hochwert muss genau 7-stellig sein!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        RecordingMessages m;
        std::string zone = "32U", e = c.e, n = c.n;
        UTMnachMIL(zone, e, n, m);
        expectOneCritical(m, c.text);
        EXPECT_EQ(zone + e + n, std::string("32U") + c.e + c.n);
    }
    RecordingMessages m; // blanks around the digits are trimmed
    EXPECT_EQ(toMil("32U", " 0571666 ", "5539110", m), "32U  NA  73.19.61.61.60");
}

TEST(UtmToMilitary, HundredKmDigitZeroFaultsAndNineGivesNoLetter) {
    RecordingMessages m;
    std::string zone = "32U", e = "0071666", n = "5539110";
    UTMnachMIL(zone, e, n, m);
    expectOneCritical(m, kComputationError);
    EXPECT_EQ(zone, "32U");
    // Another character in the digit's place reads as 0 too.
    RecordingMessages letter;
    std::string zone2 = "32U", e2 = "0x71666";
    UTMnachMIL(zone2, e2, n, letter);
    expectOneCritical(letter, kComputationError);

    RecordingMessages quiet;
    EXPECT_EQ(toMil("32U", "0971666", "5539110", quiet), "32U  A  73.19.61.61.60");
    EXPECT_TRUE(quiet.messages.empty());
}

TEST(MilitaryToReference, MissingPairsCountAsZeros) {
    const struct {
        const char *mil, *ref;
    } cases[] = {{"32U  NA  73.19.61", "32U  NA  7160039100"},
                 {"32U  NA  73", "32U  NA  7000030000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        RecordingMessages m;
        std::string t = c.mil;
        MILnachREF(t, m);
        EXPECT_EQ(t, c.ref);
    }
}

TEST(ReferenceToMilitary, DigitGroupsBecomePairs) {
    const struct {
        const char* group;
        std::array<const char*, 5> pairs;
    } cases[] = {
        {"716391", {"73", "19", "61", "00", "00"}},
        {"7166639110", {"73", "19", "61", "61", "60"}},
        {"", {"00", "00", "00", "00", "00"}},
        {"79", {"79", "00", "00", "00", "00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        std::string zone = "32U", letters = "NA", g = c.group, p4 = "x", p5 = "x", p6 = "x",
                    p7 = "x";
        REFnachMIL(g, p4, p5, p6, p7);
        EXPECT_EQ(zone + letters, "32UNA");
        EXPECT_EQ((std::array<std::string, 5>{g, p4, p5, p6, p7}),
                  (std::array<std::string, 5>{c.pairs[0], c.pairs[1], c.pairs[2], c.pairs[3],
                                              c.pairs[4]}))
            << c.group;
    }
}

struct Decoded {
    std::string easting, northing, zone, pair1km, fifth, pair10m, pair1m;
};

Decoded decode(const char* zone, const char* letters, std::array<const char*, 5> pairs,
               RecordingMessages& m) {
    std::string a = zone, b = letters, c = pairs[0], d = pairs[1], e = pairs[2], f = pairs[3],
                g = pairs[4];
    MILnachUTM(a, b, c, d, e, f, g, m);
    return {a, b, c, d, e, f, g};
}

TEST(MilitaryToUtm, KnownPoint) {
    RecordingMessages m;
    const Decoded d = decode("32U", "NA", {"73", "19", "61", "61", "60"}, m);
    EXPECT_EQ(d.easting, "0571666");
    EXPECT_EQ(d.northing, "5539110");
    EXPECT_EQ(d.zone, "32U");
    EXPECT_EQ(d.pair1km + d.fifth + d.pair10m + d.pair1m, "19616160"); // left as they were
    EXPECT_TRUE(m.messages.empty());
}

TEST(MilitaryToUtm, BandIsRederivedFromTheNorthing) {
    const struct {
        double northing;
        bool northern;
        char band;
    } cases[] = {{5320657, true, 'U'},  {5320656, true, 'T'},  {0, true, 'N'},
                 {7991510, true, 'X'},  {9114495, false, 'L'}, {9114496, false, 'M'},
                 {9999999, false, 'M'}, {2008490, false, 'C'}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        EXPECT_EQ(bandOfNorthing(c.northing, c.northern), c.band) << c.northing;
    }

    // Typed as 32T, square NU, 5320657 m: the northing lies in band U.
    RecordingMessages m;
    const Decoded d = decode("32T", "NU", {"72", "00", "06", "05", "07"}, m);
    EXPECT_EQ(d.northing, "5320657");
    EXPECT_EQ(d.zone, "32U");
}

TEST(MilitaryToUtm, InadmissibleLettersAreRefusedWithFehlerMarker) {
    const struct {
        const char *zone, *letters, *text;
    } cases[] = {
        {"32U", "na", "Der 1. Buchstabe des 100km-Quadrates ist nicht zulässig"},
        {"32U", "IA", "Der 1. Buchstabe des 100km-Quadrates ist nicht zulässig"},
        {"32U", "", "Der 1. Buchstabe des 100km-Quadrates ist nicht zulässig"},
        {"32U", "Na", "Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig."},
        {"33U", "NW", "Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig."},
        // A dash in the millions table: no such square in this band.
        {"33M", "WA", "Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig."},
        {"33N", "WL", "Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig."},
        {"33D", "WL", "Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig."},
        {"33Z", "WA", "Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        RecordingMessages m;
        const Decoded d = decode(c.zone, c.letters, {"73", "19", "61", "61", "60"}, m);
        expectOneCritical(m, c.text);
        EXPECT_EQ(d.easting, c.zone);
        EXPECT_EQ(d.northing, c.letters);
        EXPECT_EQ(d.zone, "73");
        EXPECT_EQ(d.fifth, "Fehler");
    }
}

// Band X reaches from 7,989 km to 9,329 km: north of 9,000 km its odd-half
// row letters used to decode 2,000 km too far south (as band W).
TEST(MilitaryToUtm, BandXNorthOfNineThousandKmKeepsMillionsDigitNine) {
    RecordingMessages m;
    std::string zone = "33X", letters = "WM", group = "0203083011", p4, p5, p6, p7;
    REFnachMIL(group, p4, p5, p6, p7);
    const Decoded d =
        decode("33X", "WM", {group.c_str(), p4.c_str(), p5.c_str(), p6.c_str(), p7.c_str()}, m);
    EXPECT_EQ(d.easting, "0502030");
    EXPECT_EQ(d.northing, "9183011");
    EXPECT_EQ(d.zone, "33X");
}

TEST(MilitaryToUtm, BandXSouthernEdgeKeepsMillionsDigitSeven) {
    RecordingMessages m;
    std::string e = "15", n = "72.05", zone = "WGS";
    GeoNachUTM(e, n, zone, m);
    EXPECT_EQ(zone + " " + e + " " + n, "33X 0500000 7994510");
    EXPECT_EQ(toMil(zone, e, n, m), "33X  WV  09.04.05.01.00");
    const Decoded d = decode("33X", "WV", {"09", "04", "05", "01", "00"}, m);
    EXPECT_EQ(d.zone + " " + d.easting + " " + d.northing, "33X 0500000 7994510");
}

// The millions digit of a decoded northing, by band and by the half of the
// row-letter cycle, cell by cell as the table reads ('-': the band has no
// square in that half, refused as a wrong second letter). Band X's second
// half is the one mended cell: 9 (9,0xx km) except row V, 7,9xx km (see the
// two BandX tests above). GeographicLib's decoder never reads this table, so
// only a test like this sees a wrong cell.
struct MillionsCase {
    char band;
    char firstHalf, secondHalf; // millions digit or '-'
};

void PrintTo(const MillionsCase& c, std::ostream* os) {
    *os << "band " << c.band;
}

class MillionsTable : public testing::TestWithParam<MillionsCase> {};

TEST_P(MillionsTable, OneSquarePerBandAndHalfDecodes) {
    const MillionsCase& c = GetParam();
    const std::string zone = std::string("31") + c.band;
    // Odd zone: row "A" is row 0 of the first half, "L" row 0 of the second.
    const struct {
        const char* letters;
        char digit;
    } halves[] = {{"AA", c.firstHalf}, {"AL", c.secondHalf}};
    for (const auto& h : halves) {
        SCOPED_TRACE(zone + " " + h.letters);
        RecordingMessages m;
        const Decoded d = decode(zone.c_str(), h.letters, {"00", "00", "00", "00", "00"}, m);
        if (h.digit == '-') {
            expectOneCritical(m, "Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig.");
        } else {
            EXPECT_TRUE(m.messages.empty());
            EXPECT_EQ(d.northing, std::string(1, h.digit) + "000000");
            EXPECT_EQ(d.easting, "0100000");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BandsCtoX, MillionsTable,
                         testing::Values(MillionsCase{'C', '2', '1'}, MillionsCase{'D', '2', '-'},
                                         MillionsCase{'E', '2', '3'}, MillionsCase{'F', '4', '3'},
                                         MillionsCase{'G', '4', '5'}, MillionsCase{'H', '6', '5'},
                                         MillionsCase{'J', '6', '7'}, MillionsCase{'K', '8', '7'},
                                         MillionsCase{'L', '8', '9'}, MillionsCase{'M', '-', '9'},
                                         MillionsCase{'N', '0', '-'}, MillionsCase{'P', '0', '1'},
                                         MillionsCase{'Q', '2', '1'}, MillionsCase{'R', '2', '3'},
                                         MillionsCase{'S', '4', '3'}, MillionsCase{'T', '4', '5'},
                                         MillionsCase{'U', '6', '5'}, MillionsCase{'V', '6', '7'},
                                         MillionsCase{'W', '7', '7'}, MillionsCase{'X', '8', '9'}),
                         [](const testing::TestParamInfo<MillionsCase>& row) {
                             return std::string(1, row.param.band);
                         });

TEST(GridLetters, BandBordersAreTheGrs80NorthingsWhereTheLatitudesMeetTheZoneEdge) {
    for (std::size_t i = 0; i < kBandBorderNorthingsM.size(); ++i) {
        const double lat = 8.0 * static_cast<double>(i + 1);
        SCOPED_TRACE(testing::Message() << lat << " deg");
        // Zone 31's western edge is Greenwich, 3 deg from its central meridian.
        const GridPoint north = utmForward(lat, 0, 31, ellipsoid::GRS80).value();
        const GridPoint south = utmForward(-lat, 0, 31, ellipsoid::GRS80).value();
        EXPECT_EQ(std::lround(north.northingM), kBandBorderNorthingsM[i]);
        EXPECT_EQ(std::lround(south.northingM), southernBorderNorthingM(i));
    }
}

TEST(GridLetters, OnlyNToXAreNorthernBands) {
    const std::string_view northern = "NPQRSTUVWX";
    for (int c = 0; c < 128; ++c) {
        const char letter = static_cast<char>(c);
        EXPECT_EQ(isNorthernBandLetter(letter), c != 0 && northern.find(letter) != northern.npos)
            << "character " << c;
    }
}

TEST(GridLetters, SquareLetterSetsOfColumnsAndRows) {
    EXPECT_EQ(columnLetters(31), "ABCDEFGH");
    EXPECT_EQ(columnLetters(32), "JKLMNPQR");
    EXPECT_EQ(columnLetters(33), "STUVWXYZ");
    EXPECT_EQ(columnLetters(-1), "");
    EXPECT_EQ(rowLetters(true, false), "ABCDEFGHJK");
    EXPECT_EQ(rowLetters(true, true), "LMNPQRSTUV");
    EXPECT_EQ(rowLetters(false, false), "FGHJKLMNPQ");
    EXPECT_EQ(rowLetters(false, true), "RSTUVABCDE");
    for (char letter : std::string_view("ABCDEFGHJKLMNPQRSTUVWXYZ")) {
        const auto at = std::string_view("ABCDEFGHJKLMNPQRSTUVWXYZ").find(letter);
        EXPECT_EQ(columnDigit(letter), static_cast<int>(at % 8) + 1) << letter;
    }
    for (char notColumn : {'I', 'O', 'a', '\0', '1'})
        EXPECT_FALSE(columnDigit(notColumn)) << static_cast<int>(notColumn);
}

} // namespace
} // namespace lw::test
