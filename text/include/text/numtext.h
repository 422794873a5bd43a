// The text-number rules of Lagewandler.
//
// Coordinates travel through the program as texts, and every procedure reads
// and writes them with the rules below. They decide the results to the last
// displayed digit, so there is exactly one implementation of each, here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lw {

// Leading-number reader: reads the leading number of a text. Blanks (and tabs
// and line breaks) are ignored anywhere, "." is the only decimal separator, an
// optional sign may lead, an exponent ("1E-05", "2.5e3", "1D2") is accepted.
// Reading stops at the first character that cannot continue the number; an
// empty or non-numeric text reads as 0. Magnitudes beyond the double range read
// as +-infinity (a 400-digit text does not fault), so the range checks refuse them.
double readNumber(std::string_view text);

// A number of digits with at most one point between them (no sign, no
// blank, a digit on either side of the point), as list lines mostly hold
// them: its value as readNumber reads its text, and how many digits stand
// before its point (all of them without a point).
struct PlainDigits {
    double value = 0;
    std::size_t digitsBeforePoint = 0;
};
// Reads such a number from `p` on; returns where it ends, or nullptr when no
// digit starts it or no digit follows its point. What follows is the caller's.
const char* readPlainDigitsAt(const char* p, const char* end, PlainDigits& number);

// The value the plain text of `value` reads back as, readNumber(plainText(value)),
// without the text: a number handed from one procedure to the next as text
// is this value at the other end.
double round15(double value);

// Plain conversion of a number to text: at most 15 significant digits, "." as
// decimal separator, no trailing zeros, exponent form ("1E-05", "1E+15") for
// magnitudes below 0.0001 or from 1E+15 on, a leading blank for values >= 0 and
// "-" for negative values. Non-finite values give "NaN"/" Inf"/"-Inf"; callers
// check finiteness before they convert (see numeric_fault.h).
std::string plainText(double value);

// The same into `out`, which keeps its capacity (no allocation once it has room).
void assignPlainText(std::string& out, double value);

// The same without the leading blank.
std::string plainTextTrimmed(double value);

// Plain conversion of a whole number held in a double, as the programs' integer
// texts are written ("0571666", zone digits): no blank, no decimals.
std::string integerText(double wholeValue);
// The same appended to `out`.
void appendIntegerText(std::string& out, double wholeValue);

// Writes the decimal digits of `value` (no sign, no leading zero) to end
// before `end`, which has room for 20; returns where they begin.
char* writeDigitsBefore(char* end, std::uint64_t value);

// Fixed-decimal text with n decimals (n clamped to 0..14), rounded half away
// from zero on the value's 15-significant-digit decimal form, at least one
// integer digit, no thousands separators; `decimalSeparator` stands between the
// integer and the decimal digits (n = 0 gives no separator).
std::string fixedDecimals(double value, int n, std::string_view decimalSeparator = ".");
// The same into `out`, which keeps its room (no allocation once it has it).
void assignFixedDecimals(std::string& out, double value, int n,
                         std::string_view decimalSeparator = ".");

// Runden: 10^n * value, plus half the sign of the value, truncated toward zero,
// divided by 10^n; halves round away from zero as far as the product is exact.
double Runden(double value, int n);

// Rounding to n decimals, ties to even (as a scaled nearest-even rounding).
double roundHalfEven(double value, int n);

// Rounding to a whole number, ties to even.
double roundHalfEvenWhole(double value);

// ZahlFormat: the numeric value of the text with exactly n decimals (n above 14
// gives 14), "." as decimal separator, never ending in ".".
std::string ZahlFormat(std::string_view text, int n);
// The same for the text's value.
std::string ZahlFormat(double value, int n);

// Reads a text's leading number and holds it in single precision, as the band
// and zone lookups do; the comparisons then run on that float.
float readNumberSingle(std::string_view text);
// The value so held: the text's number as readNumberSingle keeps it.
float singlePrecision(double value);

// Replaces every "," by "." (the caller's text changes).
void commaToPoint(std::string& text);

// Removes leading and trailing blanks.
std::string trimBlanks(std::string_view text);

} // namespace lw
