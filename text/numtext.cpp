#include "text/numtext.h"

#include "text/numeric_fault.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
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
    std::string digits; // exactly 15 digits
    int exponent;
};

Decimal15 toDecimal15(double value) {
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    // buf: "d.dddddddddddddde+XX"
    Decimal15 d;
    d.digits.reserve(15);
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p)
        if (isDigit(*p))
            d.digits.push_back(*p);
    d.exponent = 0;
    if (p < res.ptr)
        std::from_chars(*(p + 1) == '+' ? p + 2 : p + 1, res.ptr, d.exponent);
    return d;
}

} // namespace

double readNumber(std::string_view text) {
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

std::string plainTextTrimmed(double value) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Inf" : "-Inf";
    if (value == 0.0)
        return "0";

    Decimal15 d = toDecimal15(value);
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    // Rounding to 15 digits may carry into a new leading digit (9.99..e4 -> 1e5);
    // %.14e already reports that in the exponent.
    int x = d.exponent;
    std::string out = value < 0 ? "-" : "";

    if (x >= 15 || x < -4) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1, std::string::npos);
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", x < 0 ? '-' : '+', std::abs(x));
        return out + exp;
    }
    if (x < 0)
        return out + "0." + std::string(static_cast<std::size_t>(-x - 1), '0') + digits;

    auto intLen = static_cast<std::size_t>(x + 1);
    if (digits.size() <= intLen)
        return out + digits + std::string(intLen - digits.size(), '0');
    return out + digits.substr(0, intLen) + "." + digits.substr(intLen);
}

std::string plainText(double value) {
    std::string t = plainTextTrimmed(value);
    return (std::isnan(value) || value >= 0) ? " " + t : t;
}

std::string integerText(double wholeValue) {
    if (!std::isfinite(wholeValue))
        return plainTextTrimmed(wholeValue);
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, wholeValue, std::chars_format::fixed, 0);
    std::string s(buf, res.ptr);
    return s == "-0" ? "0" : s;
}

std::string fixedDecimals(double value, int n, std::string_view decimalSeparator) {
    finite(value);
    n = n < 0 ? 0 : (n > 14 ? 14 : n);

    // value x 10^n as a whole decimal number, rounded half away from zero on
    // the 15-digit decimal form of the value.
    std::string scaled = "0";
    if (value != 0.0) {
        Decimal15 d = toDecimal15(value);
        int keep = d.exponent + 1 + n; // digits of d that stand before the cut
        if (keep >= 15) {
            scaled = d.digits + std::string(static_cast<std::size_t>(keep - 15), '0');
        } else if (keep >= 0) {
            scaled = keep == 0 ? "0" : d.digits.substr(0, static_cast<std::size_t>(keep));
            if (d.digits[static_cast<std::size_t>(keep)] >= '5') {
                // add one to the decimal string
                int k = static_cast<int>(scaled.size()) - 1;
                while (k >= 0 && scaled[static_cast<std::size_t>(k)] == '9')
                    scaled[static_cast<std::size_t>(k--)] = '0';
                if (k < 0)
                    scaled.insert(scaled.begin(), '1');
                else
                    ++scaled[static_cast<std::size_t>(k)];
            }
        }
        std::size_t nz = scaled.find_first_not_of('0');
        scaled = nz == std::string::npos ? "0" : scaled.substr(nz);
    }
    bool negative = value < 0 && scaled != "0";

    auto width = static_cast<std::size_t>(n + 1);
    if (scaled.size() < width)
        scaled.insert(0, width - scaled.size(), '0');
    std::string out = negative ? "-" : "";
    if (n == 0)
        return out + scaled;
    std::size_t cut = scaled.size() - static_cast<std::size_t>(n);
    return out + scaled.substr(0, cut) + std::string(decimalSeparator) + scaled.substr(cut);
}

double Runden(double value, int n) {
    double scale = std::pow(10.0, n);
    double t = scale * value;
    double sign = value > 0 ? 1.0 : (value < 0 ? -1.0 : 0.0);
    double r = std::trunc(t + 0.5 * sign);
    return r / scale;
}

double roundHalfEven(double value, int n) {
    double scale = std::pow(10.0, n);
    return std::nearbyint(value * scale) / scale;
}

double roundHalfEvenWhole(double value) {
    return std::nearbyint(value);
}

std::string ZahlFormat(std::string_view text, int n) {
    std::string s = fixedDecimals(readNumber(text), n > 14 ? 14 : n, ",");
    commaToPoint(s);
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    return s;
}

float readNumberSingle(std::string_view text) {
    double d = readNumber(text);
    if (std::isnan(d))
        return NAN;
    if (d > FLT_MAX)
        return INFINITY;
    if (d < -FLT_MAX)
        return -INFINITY;
    return static_cast<float>(d);
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
