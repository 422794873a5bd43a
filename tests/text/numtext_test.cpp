#include "text/numeric_fault.h"
#include "text/numtext.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace lw {
namespace {

TEST(ReadNumber, LeadingNumberWithBlanksSignAndExponent) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},        {"abc", 0},      {"48.5", 48.5},  {" 4 8 . 5 ", 48.5}, {"-12.25", -12.25},
        {"+7", 7},      {"1E-05", 1e-5}, {"2.5e3", 2500}, {"1D2", 100},        {"12abc", 12},
        {"3.5.5", 3.5}, {"48,5", 48},    {".5", 0.5},     {"5.", 5},           {".", 0},
        {"-", 0},       {"1E", 1},       {"1E+", 1},      {"0571666", 571666}, {"\t9\r\n", 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        EXPECT_DOUBLE_EQ(readNumber(c.text), c.value) << c.text;
    }
}

// The grid procedures read one character as a digit by itself.
// Digits with a point somewhere, as lists hold them: correctly rounded, as
// from_chars reads them, with leading and trailing zeros and up to and past
// fifteen digits.
TEST(ReadNumber, PlainDigitsAreReadCorrectlyRounded) {
    std::mt19937_64 random(16);
    std::uniform_int_distribution<int> length(1, 18), digit(0, 9);
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        const int n = length(random);
        for (int k = 0; k < n; ++k)
            text += static_cast<char>('0' + (k == 0 && i % 3 == 0 ? 0 : digit(random)));
        text.insert(static_cast<std::size_t>(std::uniform_int_distribution<int>(0, n)(random)),
                    ".");
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        if (text == ".")
            expected = 0;
        ASSERT_EQ(readNumber(text), expected) << text;
        // A letter that cannot continue the number ends it ("32U").
        ASSERT_EQ(readNumber(text + "U5"), expected) << text;
        ASSERT_EQ(readNumber(text + "-5"), expected) << text;
        // The list's plain reader gives the same value, and ends before what
        // follows; a point needs a digit on either side.
        text += " 1";
        PlainDigits number;
        const char* const end = text.data() + text.size();
        const char* const stop = readPlainDigitsAt(text.data(), end, number);
        const std::size_t point = text.find('.');
        if (point == 0 || text[point + 1] == ' ') {
            ASSERT_EQ(stop, nullptr) << text;
            continue;
        }
        ASSERT_EQ(stop, end - 2) << text;
        ASSERT_EQ(number.value, expected) << text;
        ASSERT_EQ(number.digitsBeforePoint, point) << text;
    }
}

TEST(ReadNumber, OneCharacterIsItsDigitOrZero) {
    for (int c = 1; c < 256; ++c) {
        const bool digit = c >= '0' && c <= '9';
        EXPECT_EQ(readNumber(std::string(1, static_cast<char>(c))), digit ? c - '0' : 0) << c;
    }
}

TEST(ReadNumber, HugeTextsReadAsInfinityWithoutFault) {
    std::string digits(400, '9');
    EXPECT_TRUE(std::isinf(readNumber(digits)));
    EXPECT_TRUE(std::isinf(readNumber("-" + digits)));
    EXPECT_LT(readNumber("-" + digits), 0);
    EXPECT_TRUE(std::isinf(readNumber("1E400")));
    EXPECT_TRUE(std::isinf(readNumber("1E99999999999999999999999")));
    EXPECT_EQ(readNumber("1E-400"), 0.0);
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_TRUE(std::isinf(readNumber("0.0001E99999")));
}

TEST(PlainText, FifteenDigitsNoTrailingZerosLeadingBlank) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {48.5, " 48.5"},
        {-33.9, "-33.9"},
        {0, " 0"},
        {-0.0, " 0"},
        {48, " 48"},
        {1.0 / 3.0, " 0.333333333333333"},
        {49.99885961234567, " 49.9988596123457"},
        {1e-5, " 1E-05"},
        {1.5e-6, " 1.5E-06"},
        {0.0001, " 0.0001"},
        {1e15, " 1E+15"},
        {123456789012345.0, " 123456789012345"},
        {-5539110.4, "-5539110.4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        EXPECT_EQ(plainText(c.value), c.text) << c.value;
    }
    EXPECT_EQ(plainTextTrimmed(48.5), "48.5");
}

TEST(PlainText, RoundTripsThroughTheReaderToFifteenDigits) {
    for (double v : {49.99885961, 9.99879796, -33.900000001, 273.54, 5539110.123456, 1e-7}) {
        double back = readNumber(plainText(v));
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << v;
    }
}

TEST(ZahlFormat, FixedDecimalsHalfAwayFromZero) {
    struct Case {
        const char* text;
        int n;
        const char* out;
    } cases[] = {
        {"48.5", 6, "48.500000"},      {"7", 2, "7.00"},       {"", 6, "0.000000"},
        {" 48.5", 6, "48.500000"},     {"59.996", 2, "60.00"}, {"0.125", 2, "0.13"},
        {"2.675", 2, "2.68"},          {"2.5", 0, "3"},        {"-2.5", 0, "-3"},
        {"9.9999999", 6, "10.000000"}, {"5.12", 2, "5.12"},    {"1E-05", 6, "0.000010"},
        {"3", 20, "3.00000000000000"}, {"0.4", 0, "0"},        {"99.5", 0, "100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        EXPECT_EQ(ZahlFormat(c.text, c.n), c.out) << c.text << " n=" << c.n;
    }
}

TEST(ZahlFormat, NeverEndsInAPoint) {
    for (const char* t : {"0", "1.5", "123.456", "-7.9"})
        EXPECT_NE(ZahlFormat(t, 0).back(), '.');
}

TEST(FixedDecimals, LocaleSeparatorAndNonFiniteFault) {
    EXPECT_EQ(fixedDecimals(3577453.78, 2, ","), "3577453,78");
    EXPECT_EQ(fixedDecimals(-3577453.785, 3, "\u066B"), "-3577453\u066B785"); // two bytes
    EXPECT_EQ(fixedDecimals(0.5, 1, "\u066B"), "0\u066B5");
    EXPECT_THROW(fixedDecimals(INFINITY, 2), NumericFault);
    EXPECT_THROW(fixedDecimals(NAN, 2), NumericFault);
}

// The value's 15 significant digits as printf rounds them, cut by hand to n
// decimals (half away from zero on those digits): the rule the output
// procedures write by, against the program's integer arithmetic.
std::string fixedByHand(double value, int n) {
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    std::string digits = std::string(1, text[0]) + std::string(text + 2, 14);
    const int exponent = std::atoi(std::strchr(text, 'e') + 1);
    const int keep = exponent + 1 + n;
    std::string scaled = "0";
    if (keep >= 15)
        scaled = digits + std::string(static_cast<std::size_t>(keep - 15), '0');
    else if (keep >= 0)
        scaled =
            std::to_string(std::stoull("0" + digits.substr(0, static_cast<std::size_t>(keep))) +
                           (digits[static_cast<std::size_t>(keep)] >= '5' ? 1 : 0));
    scaled.erase(0, std::min(scaled.find_first_not_of('0'), scaled.size() - 1));
    if (scaled.size() < static_cast<std::size_t>(n + 1))
        scaled.insert(0, static_cast<std::size_t>(n + 1) - scaled.size(), '0');
    const std::string sign =
        value < 0 && scaled.find_first_not_of('0') != std::string::npos ? "-" : "";
    if (n == 0)
        return sign + scaled;
    const std::size_t cut = scaled.size() - static_cast<std::size_t>(n);
    return sign + scaled.substr(0, cut) + "." + scaled.substr(cut);
}

TEST(FixedDecimals, FifteenDigitsCutByHandOnRandomValues) {
    std::mt19937_64 random(15);
    std::uniform_real_distribution<double> exponent(-9, 15), mantissa(1, 10);
    std::uniform_int_distribution<int> decimals(0, 14);
    for (int i = 0; i < 200000; ++i) {
        double value = mantissa(random) * std::pow(10.0, std::floor(exponent(random)));
        // Halves and nines, where the rounding carries: coordinates end on them.
        if (i % 4 == 1)
            value = std::round(value * 1000) / 1000 + 0.0005;
        if (i % 4 == 2)
            value = std::nextafter(std::floor(value) + 1, 0.0);
        if (i % 2 == 1)
            value = -value;
        const int n = decimals(random);
        ASSERT_EQ(fixedDecimals(value, n), fixedByHand(value, n)) << value << " n=" << n;
    }
}

// Gauss-Krueger output is rounded to the centimetre: a slot text that ends on
// an exact half cent goes up, as the user would round it by hand.
TEST(Runden, GaussKruegerCentTieGoesUp) {
    const struct {
        const char *slot, *shown;
    } cases[] = {{" 3571686.385", "3571686.39"},
                 {" 5540758.785", "5540758.79"},
                 {" 3571686.375", "3571686.38"},
                 {" 3571686.384", "3571686.38"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        EXPECT_EQ(plainTextTrimmed(Runden(readNumber(c.slot), 2)), c.shown) << c.slot;
    }
}

TEST(Runden, HalvesAwayFromZero) {
    EXPECT_EQ(Runden(-1.5, 0), -2);
    EXPECT_EQ(Runden(1.5, 0), 2);
    EXPECT_EQ(Runden(-2.5, 0), -3);
    EXPECT_EQ(Runden(0, 2), 0);
    EXPECT_EQ(Runden(571594.63, 0), 571595);
    EXPECT_DOUBLE_EQ(Runden(3571686.386, 2), 3571686.39);
    EXPECT_DOUBLE_EQ(Runden(9.9999944, 6), 9.999994);
}

TEST(RoundHalfEven, TiesGoToEven) {
    EXPECT_EQ(roundHalfEvenWhole(500000.5), 500000);
    EXPECT_EQ(roundHalfEvenWhole(500001.5), 500002);
    EXPECT_EQ(roundHalfEvenWhole(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.5, 0), 2);
    EXPECT_DOUBLE_EQ(roundHalfEven(59.999999994, 6), 60.0);
    EXPECT_DOUBLE_EQ(roundHalfEven(59.9999988, 6), 59.999999);
}

TEST(ReadNumberSingle, HoldsTheValueAsFloat) {
    EXPECT_EQ(readNumberSingle("84"), 84.0f);
    EXPECT_EQ(readNumberSingle("83.9999999999"), 84.0f); // single precision rounds up
    EXPECT_TRUE(std::isinf(readNumberSingle("1E300")));
    EXPECT_TRUE(std::isinf(readNumberSingle("-1E300")));
}

TEST(NumericFaults, IntegerConversionAndNonFiniteValues) {
    EXPECT_EQ(toInt16(32.5), 32);
    EXPECT_EQ(toInt16(33.5), 34);
    EXPECT_THROW(toInt16(40000), NumericFault);
    EXPECT_THROW(toInt16(NAN), NumericFault);
    EXPECT_THROW(finite(INFINITY), NumericFault);
}

TEST(TextHelpers, CommaToPointAndTrim) {
    std::string s = "48,25,1";
    commaToPoint(s);
    EXPECT_EQ(s, "48.25.1");
    EXPECT_EQ(trimBlanks("  0571666 "), "0571666");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(integerText(571595), "571595");
    EXPECT_EQ(integerText(-0.0), "0");
}

// ---- The number texts against the C library's correctly rounded forms ----
//
// readNumber, plainText and integerText take shortcuts for the common texts
// (an exact 53-bit integer with a power of ten, an exact 128-bit scaling, an
// integer writer); the C library's strtod and "%.15G" / "%.0f" round exactly,
// so every result must equal theirs bit for bit and character for character.

std::string printfText(const char* format, double value) {
    char buf[512];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Values at the edges of the shortcuts, and some drawn the same way every run:
// any bit pattern, coordinate magnitudes, and exact ties at the 15th digit
// ((2R + 1) / 2^(k + 1) with R of 15 digits).
std::vector<double> edgeAndDrawnValues() {
    std::vector<double> values = {DBL_MIN,
                                  DBL_MAX,
                                  DBL_TRUE_MIN,
                                  1e-8,
                                  std::nextafter(1e-8, 0.0),
                                  1e15,
                                  std::nextafter(1e15, 0.0),
                                  999999999999999.5,
                                  99999.99999999995,
                                  0.0001,
                                  std::nextafter(0.0001, 0.0),
                                  0.5,
                                  123456789012345.5,
                                  0.30000000000000004,
                                  9.999999999999995e-5,
                                  5900419.2,
                                  3570296.99,
                                  1e22,
                                  1e23,
                                  2.5e-310};
    std::mt19937_64 rng(2026);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 50000; ++i) {
        values.push_back(std::bit_cast<double>(rng()));
        values.push_back((unit(rng) - 0.5) * std::pow(10.0, static_cast<int>(rng() % 30) - 12));
        const int k = static_cast<int>(rng() % 23);
        const double low = 1e14 / std::pow(10.0, k), high = 1e15 / std::pow(10.0, k);
        double odd = std::floor((low + unit(rng) * (high - low)) * std::ldexp(1.0, k + 1));
        odd += std::fmod(odd, 2.0) == 0 ? 1 : 0;
        values.push_back(std::ldexp(odd, -(k + 1)));
    }
    for (std::size_t i = 0, n = values.size(); i < n; ++i)
        values.push_back(-values[i]);
    return values;
}

TEST(NumberTexts, PlainTextIsTheFifteenDigitGeneralForm) {
    int differences = 0;
    for (double v : edgeAndDrawnValues()) {
        if (!std::isfinite(v) || v == 0)
            continue;
        const std::string expected = printfText("%.15G", v);
        std::string assigned = "old text of another length";
        assignPlainText(assigned, v);
        if (plainTextTrimmed(v) != expected || assigned != (v > 0 ? " " : "") + expected) {
            ADD_FAILURE() << printfText("%.17g", v) << ": " << plainTextTrimmed(v) << " not "
                          << expected;
            if (++differences == 10)
                return;
        }
    }
}

TEST(NumberTexts, IntegerTextRoundsHalfToEven) {
    const double edges[] = {9007199254740991.0,
                            9007199254740992.0,
                            -9007199254740992.0,
                            1e300,
                            0.5,
                            1.5,
                            2.5,
                            -2.5,
                            -0.4,
                            -0.0,
                            571666,
                            -1};
    for (double v : edges) {
        std::string expected = printfText("%.0f", v);
        EXPECT_EQ(integerText(v), expected == "-0" ? "0" : expected) << v;
    }
    for (double v : edgeAndDrawnValues()) {
        if (!std::isfinite(v) || std::fabs(v) > 1e30)
            continue;
        std::string expected = printfText("%.0f", std::trunc(v));
        ASSERT_EQ(integerText(std::trunc(v)), expected == "-0" ? "0" : expected) << v;
    }
}

TEST(NumberTexts, ReaderRoundsAsStrtod) {
    // Shortcut edges: 15 and 16 significant digits, powers of ten 22 and 23
    // away, leading zeros, zero with a sign, ties of the last binary digit.
    const char* texts[] = {"999999999999999",
                           "9999999999999999",
                           "9007199254740993",
                           "123456789012345e7",
                           "123456789012345e8",
                           "123456789012345e-22",
                           "1234567890123456e-22",
                           "1e22",
                           "1e23",
                           "1e-22",
                           "1e-23",
                           "0.000000000000000000000001",
                           "000000000000000000000012.5",
                           "-0",
                           "-0.0e5",
                           "+0",
                           "4.9406564584124654e-324",
                           "2.2250738585072011e-308",
                           "1.7976931348623157e308",
                           "0.1",
                           "2.5",
                           "1.00000000000000005"};
    for (const char* text : texts)
        EXPECT_TRUE(sameBits(readNumber(text), std::strtod(text, nullptr))) << text;
    // The same number with blanks anywhere.
    EXPECT_TRUE(sameBits(readNumber(" - 1 2 3 . 4 5 e - 1 "), -12.345));
    int differences = 0;
    std::mt19937_64 rng(7);
    for (double v : edgeAndDrawnValues()) {
        if (!std::isfinite(v))
            continue;
        const std::string text =
            printfText(("%." + std::to_string(rng() % 17 + 1) + "g").c_str(), v);
        const double expected = std::strtod(text.c_str(), nullptr);
        if (std::isfinite(expected) && !sameBits(readNumber(text), expected)) {
            ADD_FAILURE() << text << " read as " << printfText("%.17g", readNumber(text));
            if (++differences == 10)
                return;
        }
    }
}

// The numeric hand-over between procedures must give the very value their
// text hand-over gave, bit for bit, or a displayed digit could change.
TEST(NumberTexts, Round15IsThePlainTextReadBack) {
    std::vector<double> values = edgeAndDrawnValues();
    for (double v : {0.0, -0.0, 1e-8, -1e-8, 9.99999999999999e14, 48.1373932, -11.5755747})
        values.push_back(v);
    // Degrees and metres as the stages hand them on, and their neighbours.
    std::mt19937_64 rng(15);
    std::uniform_real_distribution<double> degrees(-360, 360), metres(0, 1e7);
    for (int i = 0; i < 200000; ++i) {
        const double d = degrees(rng), m = metres(rng);
        values.insert(values.end(), {d, std::nextafter(d, 1e9), m, std::nextafter(m, 0.0)});
    }
    int differences = 0;
    for (double v : values) {
        if (std::isnan(v))
            continue;
        if (!sameBits(round15(v), readNumber(plainText(v)))) {
            ADD_FAILURE() << printfText("%.17g", v) << ": " << printfText("%.17g", round15(v));
            if (++differences == 10)
                return;
        }
    }
}

} // namespace
} // namespace lw
