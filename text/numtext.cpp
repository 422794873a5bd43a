#include "text/numtext.h"

#include "text/numeric_fault.h"

#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace lw {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Cap on the exponent digits we accumulate: far beyond the double range, and
// small enough that the sum with the digit count cannot overflow.
constexpr long kExponentCap = 100000;

// Magnitude of an out-of-range number text: the decimal exponent of its first
// significant digit. Decides between infinity and zero where from_chars gives up.
long decimalExponent(const std::string& intPart, const std::string& fracPart, long exponent) {
    std::size_t firstNonZero = intPart.find_first_not_of('0');
    if (firstNonZero != std::string::npos)
        return static_cast<long>(intPart.size() - firstNonZero) - 1 + exponent;
    std::size_t z = fracPart.find_first_not_of('0');
    if (z == std::string::npos)
        return -kExponentCap * 4; // all zeros
    return -static_cast<long>(z) - 1 + exponent;
}

// The 15 significant digits and the decimal exponent of |value| (value finite,
// non-zero): |value| ~ d.dddddddddddddd x 10^exponent.
struct Decimal15 {
    std::array<char, 15> digits{};
    int exponent = 0;
};

// The exact 15-digit rounding of a double, as the general formatter gives
// it, without the formatter: |value| x 10^k for the k that leaves 15 digits
// before the point, rounded half to even on its exact value. Covers
// 1E-08 <= |value| < 1E+15, where nearly all coordinates lie.

constexpr std::uint64_t kPowersOfTen[] = {1ULL,
                                          10ULL,
                                          100ULL,
                                          1000ULL,
                                          10000ULL,
                                          100000ULL,
                                          1000000ULL,
                                          10000000ULL,
                                          100000000ULL,
                                          1000000000ULL,
                                          10000000000ULL,
                                          100000000000ULL,
                                          1000000000000ULL,
                                          10000000000000ULL,
                                          100000000000000ULL,
                                          1000000000000000ULL,
                                          10000000000000000ULL,
                                          100000000000000000ULL,
                                          1000000000000000000ULL,
                                          10000000000000000000ULL};

// Exact powers of ten in a double (10^22 is the largest).
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// round(a x 10^k), ties to even, for a >= 0 and 0 <= k <= 22; any number
// from 2^52 on where the product reaches it (the caller wants fewer digits).
// The product is the double t plus its exact error (fma); t rounded to a
// whole number is the answer unless t lies exactly half way, where the
// error's sign decides.
std::uint64_t scaledRounded(double a, int k) {
    constexpr double kTwoTo52 = 4503599627370496.0;
    const double p = kExactPowersOfTen[k];
    const double t = a * p;
    if (!(t < kTwoTo52))
        return static_cast<std::uint64_t>(kTwoTo52);
    double whole = (t + kTwoTo52) - kTwoTo52; // half to even
    const double beyond = t - whole;          // exact: both near each other
    // The error, worked out only where it decides: t exactly half way.
    if (beyond == 0.5 && std::fma(a, p, -t) > 0)
        whole += 1;
    else if (beyond == -0.5 && std::fma(a, p, -t) < 0)
        whole -= 1;
    return static_cast<std::uint64_t>(whole);
}

// "00" to "99", two characters each.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes `count` decimal digits of `number` (leading zeros kept) before `end`,
// two at a time.
void writeDigits(std::uint32_t number, int count, char* end) {
    for (; count >= 2; count -= 2) {
        const std::size_t pair = 2 * static_cast<std::size_t>(number % 100);
        number /= 100;
        end -= 2;
        std::memcpy(end, &kDigitPairs[pair], 2);
    }
    if (count == 1)
        *--end = static_cast<char>('0' + number % 10);
}

// |value| = whole x 10^(exponent - 14) with a 15-digit whole, exactly
// rounded (see Decimal15), for 1E-08 <= |value| < 1E+15; false elsewhere.
// (Inlined: round15 runs it several times for every point of a list.)
[[gnu::always_inline]] inline bool scaledTo15Digits(double value, std::uint64_t& whole,
                                                    int& exponent) {
    const double a = std::fabs(value);
    if (!(a >= 1e-8 && a < 1e15))
        return false;
    const int biasedExponent = static_cast<int>(std::bit_cast<std::uint64_t>(a) >> 52);
    // floor((binary exponent) x log10(2)): floor(log10(a)) or one less; the
    // loop corrects upward, also when the rounding carries into a new leading
    // digit (9.99..e4 -> 1e5).
    exponent = ((biasedExponent - 1023) * 78913) >> 18;
    for (;;) {
        const int k = 14 - exponent;
        if (k < 0 || k > 22)
            return false;
        whole = scaledRounded(a, k);
        if (whole < kPowersOfTen[15])
            return true;
        ++exponent;
    }
}

bool toDecimal15Exact(double value, Decimal15& d) {
    std::uint64_t whole = 0;
    int exponent = 0;
    if (!scaledTo15Digits(value, whole, exponent))
        return false;
    // 15 digits: 7 and 8 in 32-bit steps.
    writeDigits(static_cast<std::uint32_t>(whole / 100000000), 7, d.digits.data() + 7);
    writeDigits(static_cast<std::uint32_t>(whole % 100000000), 8, d.digits.data() + 15);
    d.exponent = exponent;
    return true;
}

Decimal15 toDecimal15(double value) {
    Decimal15 d;
    if (toDecimal15Exact(value, d))
        return d;
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    // buf: "d.dddddddddddddde+XX"
    std::size_t count = 0;
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p)
        if (isDigit(*p) && count < d.digits.size())
            d.digits[count++] = *p;
    d.exponent = 0;
    if (p < res.ptr)
        std::from_chars(*(p + 1) == '+' ? p + 2 : p + 1, res.ptr, d.exponent);
    return d;
}

// The reader for every text: builds the number's normal form and hands it to
// from_chars. readNumber takes a shortcut for the common texts.
double readNumberGeneral(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c))
            s.push_back(c);

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    std::string intPart, fracPart;
    while (i < s.size() && isDigit(s[i]))
        intPart.push_back(s[i++]);
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            fracPart.push_back(s[i++]);
    }
    if (intPart.empty() && fracPart.empty())
        return 0.0;

    long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < s.size() && (s[j] == '-' || s[j] == '+')) {
            expNegative = s[j] == '-';
            ++j;
        }
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) {
                if (exponent < kExponentCap)
                    exponent = exponent * 10 + (s[j] - '0');
                ++j;
            }
            if (expNegative)
                exponent = -exponent;
        }
    }

    std::string normal =
        (intPart.empty() ? "0" : intPart) + "." + fracPart + "e" + std::to_string(exponent);
    double value = 0.0;
    const std::errc ec = std::from_chars(normal.data(), normal.data() + normal.size(), value).ec;
    if (ec == std::errc::result_out_of_range)
        value = decimalExponent(intPart, fracPart, exponent) > 0 ? HUGE_VAL : 0.0;
    else if (ec != std::errc())
        value = 0.0;
    return negative ? -value : value;
}

// The digits of a number without blanks, in tight runs: the integer digits,
// a point, the fraction digits; leading zeros add nothing to `significant`.
// Leaves `p` at the first other character; false when that is a blank, which
// the caller's slower loop then reads past. The mantissa may wrap on a long
// text; `significant` then says so.
bool readUnbrokenDigits(const char*& p, const char* end, std::uint64_t& mantissa, int& significant,
                        int& fractionDigits, bool& anyDigit) {
    auto digitAt = [](const char* q) {
        return static_cast<unsigned>(static_cast<unsigned char>(*q)) - unsigned{'0'};
    };
    const char* const start = p;
    while (p != end && *p == '0')
        ++p;
    const char* const integerSignificant = p;
    while (p != end && digitAt(p) <= 9)
        mantissa = mantissa * 10 + digitAt(p++);
    significant = static_cast<int>(p - integerSignificant);
    bool point = false;
    if (p != end && *p == '.') {
        point = true;
        const char* const fractionStart = ++p;
        if (significant == 0)
            while (p != end && *p == '0')
                ++p;
        const char* const fractionSignificant = p;
        while (p != end && digitAt(p) <= 9)
            mantissa = mantissa * 10 + digitAt(p++);
        fractionDigits = static_cast<int>(p - fractionStart);
        significant += static_cast<int>(p - fractionSignificant);
    }
    anyDigit = (p - start) > (point ? 1 : 0);
    return p == end || !isBlank(*p);
}

// The shortcut: a number of at most 15 significant digits whose decimal
// exponent lies within 22 of its last digit is an exact 53-bit integer times
// or divided by an exact power of ten, and one IEEE operation rounds that
// correctly, as from_chars does. False for any other text.
bool readShortNumber(std::string_view text, double& result) {
    const char* p = text.data();
    const char* const end = p + text.size();
    auto skipBlanks = [&] {
        while (p != end && isBlank(*p))
            ++p;
    };
    skipBlanks();
    bool negative = false;
    if (p != end && (*p == '-' || *p == '+')) {
        negative = *p == '-';
        ++p;
    }
    std::uint64_t mantissa = 0;
    int significant = 0, fractionDigits = 0;
    bool anyDigit = false;
    const char* const digitsStart = p;
    if (!readUnbrokenDigits(p, end, mantissa, significant, fractionDigits, anyDigit)) {
        // Blanks among the digits: character by character. significant
        // counts the digits from the first non-zero one on.
        p = digitsStart;
        mantissa = 0;
        significant = fractionDigits = 0;
        anyDigit = false;
        bool inFraction = false;
        for (; p != end; ++p) {
            const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
            if (digit <= 9) {
                mantissa = mantissa * 10 + digit;
                significant += mantissa != 0 ? 1 : 0;
                fractionDigits += inFraction ? 1 : 0;
                anyDigit = true;
            } else if (*p == '.' && !inFraction) {
                inFraction = true;
            } else if (!isBlank(*p)) {
                break;
            }
        }
    }
    if (significant > 15)
        return false;
    if (!anyDigit) {
        result = 0.0;
        return true;
    }
    int exponent = 0;
    if (p != end && (*p == 'E' || *p == 'e' || *p == 'D' || *p == 'd')) {
        ++p;
        skipBlanks();
        bool expNegative = false;
        if (p != end && (*p == '-' || *p == '+')) {
            expNegative = *p == '-';
            ++p;
        }
        for (; p != end && (isDigit(*p) || isBlank(*p)); ++p) {
            if (isBlank(*p))
                continue;
            if (exponent > 1000)
                return false;
            exponent = exponent * 10 + (*p - '0');
        }
        if (expNegative)
            exponent = -exponent;
    }
    const int scale = exponent - fractionDigits;
    if (scale < -22 || scale > 22)
        return false;
    const auto m = static_cast<double>(mantissa);
    const double value = scale >= 0 ? m * kExactPowersOfTen[scale] : m / kExactPowersOfTen[-scale];
    result = negative ? -value : value;
    return true;
}

} // namespace

double round15(double value) {
    std::uint64_t whole = 0;
    int exponent = 0;
    if (!scaledTo15Digits(value, whole, exponent))
        return readNumber(plainText(value)); // zero, the far ranges, NaN and infinity
    // whole / 10^k in one correctly rounded division, as the reader computes
    // the text's value (it cancels trailing zeros, which changes no quotient).
    const double magnitude = static_cast<double>(whole) / kExactPowersOfTen[14 - exponent];
    return value < 0 ? -magnitude : magnitude;
}

namespace {

// Whether a character after a number's digits ends it: it can neither
// continue the number (a point, an exponent's letter) nor be left out (a
// blank).
bool endsNumber(char c) {
    return !(isBlank(c) || c == '.' || c == 'E' || c == 'e' || c == 'D' || c == 'd');
}

// The commonest text of all: at most 15 digits with at most one point among
// them, up to the character that ends the number. The same value as readShortNumber gives (the
// digits as one whole number over a power of ten), in a loop of its own: a list reads several a
// line.
bool readPlainDigits(std::string_view text, double& result) {
    if (text.empty() || text.size() > 16)
        return false;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int pointAt = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned{'0'};
        if (digit <= 9) {
            mantissa = mantissa * 10 + digit;
            ++digits;
        } else if (text[i] == '.' && pointAt < 0) {
            pointAt = digits;
        } else if (endsNumber(text[i])) {
            break; // "32U": the zone of a UTM text
        } else {
            return false;
        }
    }
    if (digits == 0 || digits > 15)
        return false;
    const int fractionDigits = pointAt < 0 ? 0 : digits - pointAt;
    result = static_cast<double>(mantissa) / kExactPowersOfTen[fractionDigits];
    return true;
}

} // namespace

const char* readPlainDigitsAt(const char* p, const char* const end, PlainDigits& number) {
    auto digitAt = [](const char* q) {
        return static_cast<unsigned>(static_cast<unsigned char>(*q)) - unsigned{'0'};
    };
    const char* const start = p;
    std::uint64_t mantissa = 0;
    while (p != end && digitAt(p) <= 9)
        mantissa = mantissa * 10 + digitAt(p++);
    const auto before = static_cast<std::size_t>(p - start);
    if (before == 0)
        return nullptr;
    std::size_t after = 0;
    if (p != end && *p == '.') {
        const char* const fraction = ++p;
        while (p != end && digitAt(p) <= 9)
            mantissa = mantissa * 10 + digitAt(p++);
        after = static_cast<std::size_t>(p - fraction);
        if (after == 0)
            return nullptr;
    }
    number.digitsBeforePoint = before;
    // The value as readPlainDigits computes it; a longer text (whose mantissa
    // wrapped) goes to the reader.
    number.value = before + after <= 15 ? static_cast<double>(mantissa) / kExactPowersOfTen[after]
                                        : readNumber({start, static_cast<std::size_t>(p - start)});
    return p;
}

double readNumber(std::string_view text) {
    double value = 0.0;
    if (readPlainDigits(text, value) || readShortNumber(text, value))
        return value;
    return readNumberGeneral(text);
}

namespace {

// Room for the longest plain text: "-" 15 digits "." "E-308".
constexpr std::size_t kPlainTextRoom = 32;

std::size_t copied(char* out, std::string_view text) {
    text.copy(out, text.size());
    return text.size();
}

// The plain text of `value` without the leading blank, written to `out`
// (kPlainTextRoom characters); returns its length.
std::size_t writePlainTrimmed(double value, char* out) {
    if (std::isnan(value))
        return copied(out, "NaN");
    if (std::isinf(value))
        return copied(out, value > 0 ? "Inf" : "-Inf");
    if (value == 0.0)
        return copied(out, "0");
    // Whole numbers below 1E+15 (degrees, minutes, metres) are their digits.
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return static_cast<std::size_t>(
            std::to_chars(out, out + kPlainTextRoom, static_cast<std::int64_t>(value)).ptr - out);

    const Decimal15 d = toDecimal15(value);
    std::size_t digitCount = d.digits.size();
    while (digitCount > 1 && d.digits[digitCount - 1] == '0')
        --digitCount;
    const std::string_view digits(d.digits.data(), digitCount);
    // Rounding to 15 digits may carry into a new leading digit (9.99..e4 -> 1e5);
    // the exponent of Decimal15 already says so.
    const int x = d.exponent;
    char* p = out;
    if (value < 0)
        *p++ = '-';

    if (x >= 15 || x < -4) {
        *p++ = digits[0];
        if (digits.size() > 1) {
            *p++ = '.';
            p += copied(p, digits.substr(1));
        }
        *p++ = 'E';
        *p++ = x < 0 ? '-' : '+';
        const int magnitude = std::abs(x);
        if (magnitude >= 100)
            *p++ = static_cast<char>('0' + magnitude / 100);
        *p++ = static_cast<char>('0' + magnitude / 10 % 10);
        *p++ = static_cast<char>('0' + magnitude % 10);
        return static_cast<std::size_t>(p - out);
    }
    if (x < 0) {
        *p++ = '0';
        *p++ = '.';
        for (int i = 0; i < -x - 1; ++i)
            *p++ = '0';
        p += copied(p, digits);
        return static_cast<std::size_t>(p - out);
    }
    const auto intLen = static_cast<std::size_t>(x + 1);
    if (digits.size() <= intLen) {
        p += copied(p, digits);
        for (std::size_t i = digits.size(); i < intLen; ++i)
            *p++ = '0';
        return static_cast<std::size_t>(p - out);
    }
    p += copied(p, digits.substr(0, intLen));
    *p++ = '.';
    p += copied(p, digits.substr(intLen));
    return static_cast<std::size_t>(p - out);
}

// With the leading blank for values >= 0 and NaN.
std::size_t writePlain(double value, char* out) {
    const bool blank = std::isnan(value) || value >= 0;
    if (blank)
        *out = ' ';
    return (blank ? 1 : 0) + writePlainTrimmed(value, blank ? out + 1 : out);
}

} // namespace

std::string plainTextTrimmed(double value) {
    char buf[kPlainTextRoom];
    return std::string(buf, writePlainTrimmed(value, buf));
}

std::string plainText(double value) {
    char buf[kPlainTextRoom + 1];
    return std::string(buf, writePlain(value, buf));
}

void assignPlainText(std::string& out, double value) {
    char buf[kPlainTextRoom + 1];
    out.assign(buf, writePlain(value, buf));
}

namespace {

std::string integerTextGeneral(double wholeValue) {
    if (!std::isfinite(wholeValue))
        return plainTextTrimmed(wholeValue);
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, wholeValue, std::chars_format::fixed, 0);
    std::string s(buf, res.ptr);
    return s == "-0" ? "0" : s;
}

} // namespace

std::string integerText(double wholeValue) {
    std::string text;
    appendIntegerText(text, wholeValue);
    return text;
}

void appendIntegerText(std::string& out, double wholeValue) {
    // A whole number below 2^53 is its 64-bit integer exactly.
    if (std::isfinite(wholeValue) && std::fabs(wholeValue) < 9007199254740992.0 &&
        wholeValue == std::trunc(wholeValue)) {
        char digits[24];
        const auto res =
            std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(wholeValue));
        out.append(digits, res.ptr);
        return;
    }
    out += integerTextGeneral(wholeValue);
}

namespace {

// writeDigitsBefore, inlined where a list writes numbers a line.
[[gnu::always_inline]] inline char* digitsBefore(char* end, std::uint64_t value) {
    auto writePair = [&](std::size_t pair) {
        end -= 2;
        std::memcpy(end, &kDigitPairs[2 * pair], 2);
    };
    for (; value >= 100000000; value /= 100)
        writePair(static_cast<std::size_t>(value % 100));
    // Below 10^8 in 32 bits, whose divisions cost less, four digits a step.
    auto rest = static_cast<std::uint32_t>(value);
    for (; rest >= 10000; rest /= 10000) {
        const std::uint32_t four = rest % 10000;
        writePair(four % 100);
        writePair(four / 100);
    }
    if (rest >= 100) {
        writePair(rest % 100);
        rest /= 100;
    }
    if (rest >= 10)
        writePair(rest);
    else
        *--end = static_cast<char>('0' + rest);
    return end;
}

// The last `count` digits of value (below 10^count), zeros in front: up to
// nine in 32 bits, the rest before them. Out of line, so that the number
// writer around the common case below stays small.
[[gnu::noinline]] void writeManyDigits(char* end, std::uint64_t value, int count) {
    constexpr int kDigits32 = 9;
    if (count <= kDigits32) {
        writeDigits(static_cast<std::uint32_t>(value), count, end);
        return;
    }
    const std::uint64_t low = kPowersOfTen[kDigits32];
    writeDigits(static_cast<std::uint32_t>(value % low), kDigits32, end);
    writeDigits(static_cast<std::uint32_t>(value / low), count - kDigits32, end - kDigits32);
}

// The same, centimetres (the commonest) as one pair in place.
char* writeDigitsPadded(char* end, std::uint64_t value, int count) {
    if (count == 2)
        std::memcpy(end - 2, &kDigitPairs[2 * value], 2);
    else
        writeManyDigits(end, value, count);
    return end - count;
}

} // namespace

char* writeDigitsBefore(char* end, std::uint64_t value) {
    return digitsBefore(end, value);
}

namespace {

// Room for the decimal separator in fixedDecimalsShort's text (a locale's
// is one or two bytes).
constexpr std::size_t kSeparatorRoom = 8;

// fixedDecimals for a value of the usual size: its 15 digits as one whole
// number, cut and rounded by integer division, without the digits as text.
// False where the cut number would not fit 64 bits or the value has no
// exact 15-digit form.
bool fixedDecimalsShort(double value, int n, std::string_view decimalSeparator, std::string& out) {
    std::uint64_t whole = 0;
    int exponent = 0;
    if (value == 0.0 || decimalSeparator.size() > kSeparatorRoom ||
        !scaledTo15Digits(value, whole, exponent))
        return false;
    const int keep = exponent + 1 + n; // digits of the 15 that stand before the cut
    if (keep > 18)
        return false;
    std::uint64_t scaled = 0;
    if (keep >= 15) {
        scaled = whole * kPowersOfTen[keep - 15];
    } else if (keep >= 0) {
        // Half away from zero on the 15-digit form: the first digit cut is 5 or more.
        const std::uint64_t cut = kPowersOfTen[15 - keep];
        scaled = whole / cut + (whole % cut >= cut / 2 ? 1 : 0);
    }
    const bool negative = value < 0 && scaled != 0;
    // The digits written from the right: the decimals, split off by one
    // division and padded with zeros to n, the separator, the whole part.
    char text[24 + 14 + kSeparatorRoom]; // sign and 20 digits, 14 decimals
    char* const end = text + sizeof text;
    char* begin = end;
    if (n > 0) {
        const std::uint64_t unit = kPowersOfTen[n];
        begin = writeDigitsPadded(begin, scaled % unit, n);
        scaled /= unit;
        if (decimalSeparator.size() == 1) {
            *--begin = decimalSeparator.front();
        } else {
            begin -= decimalSeparator.size();
            decimalSeparator.copy(begin, decimalSeparator.size());
        }
    }
    begin = digitsBefore(begin, scaled);
    if (negative)
        *--begin = '-';
    out.assign(begin, static_cast<std::size_t>(end - begin));
    return true;
}

} // namespace

std::string fixedDecimals(double value, int n, std::string_view decimalSeparator) {
    std::string out;
    assignFixedDecimals(out, value, n, decimalSeparator);
    return out;
}

namespace {

std::string fixedDecimalsGeneral(double value, int n, std::string_view decimalSeparator) {

    // value x 10^n as a whole decimal number, rounded half away from zero on
    // the 15-digit decimal form of the value: its digits in a buffer with
    // room in front for a carry and for the zeros before a small fraction
    // (a value near 1E308 with 14 decimals has 323 digits).
    constexpr std::size_t kFrontRoom = 16;
    char buffer[kFrontRoom + 340];
    char* digits = buffer + kFrontRoom;
    std::size_t count = 1;
    digits[0] = '0';
    if (value != 0.0) {
        const Decimal15 d = toDecimal15(value);
        const int keep = d.exponent + 1 + n; // digits of d that stand before the cut
        if (keep >= 15) {
            std::memcpy(digits, d.digits.data(), 15);
            std::memset(digits + 15, '0', static_cast<std::size_t>(keep - 15));
            count = static_cast<std::size_t>(keep);
        } else if (keep >= 0) {
            if (keep > 0) {
                std::memcpy(digits, d.digits.data(), static_cast<std::size_t>(keep));
                count = static_cast<std::size_t>(keep);
            }
            if (d.digits[static_cast<std::size_t>(keep)] >= '5') {
                // add one to the decimal string
                std::size_t k = count;
                while (k > 0 && digits[k - 1] == '9')
                    digits[--k] = '0';
                if (k == 0) {
                    *--digits = '1';
                    ++count;
                } else {
                    ++digits[k - 1];
                }
            }
        }
        while (count > 1 && digits[0] == '0') {
            ++digits;
            --count;
        }
    }
    const bool negative = value < 0 && !(count == 1 && digits[0] == '0');

    const auto width = static_cast<std::size_t>(n + 1);
    for (; count < width; ++count)
        *--digits = '0';
    std::string out;
    out.reserve(count + 1 + decimalSeparator.size());
    if (negative)
        out += '-';
    if (n == 0)
        return out.append(digits, count);
    const std::size_t cut = count - static_cast<std::size_t>(n);
    out.append(digits, cut);
    out += decimalSeparator;
    return out.append(digits + cut, static_cast<std::size_t>(n));
}

} // namespace

void assignFixedDecimals(std::string& out, double value, int n, std::string_view decimalSeparator) {
    finite(value);
    n = n < 0 ? 0 : (n > 14 ? 14 : n);
    if (!fixedDecimalsShort(value, n, decimalSeparator, out))
        out = fixedDecimalsGeneral(value, n, decimalSeparator);
}

namespace {

// 10^n as pow gives it: exact for 0 <= n <= 22, where the table holds it
// without a call to pow (Runden runs a few times for every point of a list).
double powerOfTen(int n) {
    return n >= 0 && n <= 22 ? kExactPowersOfTen[n] : std::pow(10.0, n);
}

} // namespace

double Runden(double value, int n) {
    double scale = powerOfTen(n);
    double t = scale * value;
    double sign = value > 0 ? 1.0 : (value < 0 ? -1.0 : 0.0);
    double r = std::trunc(t + 0.5 * sign);
    return r / scale;
}

double roundHalfEven(double value, int n) {
    double scale = powerOfTen(n);
    return std::nearbyint(value * scale) / scale;
}

double roundHalfEvenWhole(double value) {
    return std::nearbyint(value);
}

std::string ZahlFormat(std::string_view text, int n) {
    return ZahlFormat(readNumber(text), n);
}

std::string ZahlFormat(double value, int n) {
    // With the point at once: the comma the procedure writes becomes one.
    std::string s = fixedDecimals(value, n > 14 ? 14 : n, ".");
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    return s;
}

float singlePrecision(double d) {
    if (std::isnan(d))
        return NAN;
    if (d > FLT_MAX)
        return INFINITY;
    if (d < -FLT_MAX)
        return -INFINITY;
    return static_cast<float>(d);
}

float readNumberSingle(std::string_view text) {
    return singlePrecision(readNumber(text));
}

void commaToPoint(std::string& text) {
    for (char& c : text)
        if (c == ',')
            c = '.';
}

std::string trimBlanks(std::string_view text) {
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return std::string();
    std::size_t e = text.find_last_not_of(' ');
    return std::string(text.substr(b, e - b + 1));
}

} // namespace lw
