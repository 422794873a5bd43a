#include "conversion/result_display.h"

#include "procedures/angletext.h"
#include "text/numeric_fault.h"
#include "text/numtext.h"

#include <algorithm>
#include <cmath>

#include <string>
#include <string_view>

namespace lw {
namespace {

// What tells a latitude from a longitude on the screen.
struct Axis {
    char positive;      // hemisphere letter for a value without "-"
    char negative;      // hemisphere letter for a value with "-"
    std::size_t digits; // degrees are zero-padded to this many digits
};
constexpr Axis kLatitude{'N', 'S', 2};
constexpr Axis kLongitude{'E', 'W', 3};

// Decimals shown for degrees and minutes, and for seconds.
constexpr int kAngleDecimals = 6;
constexpr int kSecondsDecimals = 2;

// Takes a leading "-" off the text; true when there was one.
bool takeSign(std::string& text) {
    if (text.empty() || text.front() != '-')
        return false;
    text.erase(0, 1);
    return true;
}

// Degrees with leading zeros up to the axis's width. A text that is already
// wider, or empty, has no place in the mask and gives an empty number part.
std::string paddedDegrees(const std::string& digits, const Axis& axis) {
    if (digits.empty() || digits.size() > axis.digits)
        return std::string();
    return std::string(axis.digits - digits.size(), '0') + digits;
}

std::string hemisphere(bool negative, const Axis& axis) {
    return std::string(1, negative ? axis.negative : axis.positive);
}

// Decimal degrees: the number with six decimals, degrees padded, letter
// first. `negative` chooses the letter; `number` is the rest of the text.
std::string decimalDegreesText(bool negative, double number, const Axis& axis) {
    std::string t = ZahlFormat(number, kAngleDecimals);
    // Characters before the decimal point: the degrees as ZahlFormat wrote them.
    std::size_t point = t.find('.');
    std::string degrees = point == std::string::npos ? t : t.substr(0, point);
    std::string padded = paddedDegrees(degrees, axis);
    std::string number6 = padded.empty() ? std::string() : padded + t.substr(degrees.size());
    return hemisphere(negative, axis) + number6;
}

// The same for a text: a leading "-" chooses the letter.
std::string decimalDegreesText(std::string text, const Axis& axis) {
    const bool negative = takeSign(text);
    return decimalDegreesText(negative, readNumber(text), axis);
}

// Adds one to a whole-number text of digits (degrees or minutes), keeping at
// least `width` digits.
std::string plusOne(const std::string& digits, std::size_t width) {
    std::string next = integerText(readNumber(digits) + 1);
    if (next.size() < width)
        next.insert(0, width - next.size(), '0');
    return next;
}

struct ShownAngle {
    std::string degrees, minutes, seconds;
};

// Degrees/minutes/seconds as the mask shows them. Seconds just below the
// carry threshold of DezimalNachGMS (59.995 up to 59.999999) would read
// "60.00" after rounding to two decimals, a value the input check refuses:
// they are shown as "0.00" of the next minute, and 60 minutes as "00" of the
// next degree.
ShownAngle dmsText(const std::string& degreesSlot, const std::string& minutesSlot, double seconds,
                   const Axis& axis) {
    std::string degrees = degreesSlot;
    bool negative = takeSign(degrees);
    ShownAngle shown{degrees, minutesSlot, ZahlFormat(seconds, kSecondsDecimals)};
    if (shown.seconds == "60.00") {
        shown.seconds = "0.00";
        shown.minutes = plusOne(shown.minutes, 2);
        if (shown.minutes == "60") {
            shown.minutes = "00";
            shown.degrees = plusOne(shown.degrees, 1);
        }
    }
    shown.degrees = hemisphere(negative, axis) + paddedDegrees(shown.degrees, axis);
    return shown;
}

void writeDecimal(CalcScreen& screen, Element field, const std::string& text, const Axis& axis) {
    screen.setText(field, decimalDegreesText(text, axis));
}

// A value as the stages hand it on: "-0" is south or west, as its text.
void writeDecimal(CalcScreen& screen, Element field, double value, const Axis& axis) {
    screen.setText(field, decimalDegreesText(std::signbit(value), std::fabs(value), axis));
}

// Signed degrees and minutes as DezimalNachGM writes them, into the mask.
void showDegreesMinutes(CalcScreen& screen, std::string degrees, const std::string& minutes,
                        const Axis& axis, Element degreesField, Element minutesField) {
    bool negative = takeSign(degrees);
    screen.setText(degreesField, hemisphere(negative, axis) + paddedDegrees(degrees, axis));
    screen.setText(minutesField, ZahlFormat(minutes, kAngleDecimals));
}

void showDegreesMinutesSeconds(CalcScreen& screen, const AngleParts& parts, const Axis& axis,
                               Element degreesField, Element minutesField, Element secondsField) {
    ShownAngle shown = dmsText(parts.degrees, parts.minutes, parts.secondsValue, axis);
    screen.setText(degreesField, shown.degrees);
    screen.setText(minutesField, shown.minutes);
    screen.setText(secondsField, shown.seconds);
}

// Slots 1 to 3 as DezimalNachGM uses them: decimal degrees in, signed degrees
// and minutes out.
ProcedureOutcome writeDegreesMinutes(CalcScreen& screen, Arbeitsvariablen& calc,
                                     const std::string& text, const Axis& axis,
                                     Element degreesField, Element minutesField) {
    calc.strArg1 = text;
    calc.strArg2.clear();
    calc.strArg3.clear();
    ProcedureOutcome outcome = DezimalNachGM(calc.strArg1, calc.strArg2, calc.strArg3, screen);
    showDegreesMinutes(screen, calc.strArg2, calc.strArg3, axis, degreesField, minutesField);
    return outcome;
}

// The same for a value, without the slots.
ProcedureOutcome writeDegreesMinutes(CalcScreen& screen, double value, const Axis& axis,
                                     Element degreesField, Element minutesField) {
    AngleParts parts;
    ProcedureOutcome outcome;
    try {
        parts = degreesMinutesOf(value);
    } catch (const NumericFault&) {
        outcome = ProcedureOutcome::computationError(screen);
    }
    showDegreesMinutes(screen, parts.degrees, parts.minutes, axis, degreesField, minutesField);
    return outcome;
}

// Slots 1 to 4 as DezimalNachGMS uses them.
ProcedureOutcome writeDegreesMinutesSeconds(CalcScreen& screen, Arbeitsvariablen& calc,
                                            const std::string& text, const Axis& axis,
                                            Element degreesField, Element minutesField,
                                            Element secondsField) {
    calc.strArg1 = text;
    calc.strArg2.clear();
    calc.strArg3.clear();
    calc.strArg4.clear();
    ProcedureOutcome outcome =
        DezimalNachGMS(calc.strArg1, calc.strArg2, calc.strArg3, calc.strArg4, screen);
    showDegreesMinutesSeconds(screen,
                              {calc.strArg2, calc.strArg3, calc.strArg4, readNumber(calc.strArg4)},
                              axis, degreesField, minutesField, secondsField);
    return outcome;
}

// A whole number of degrees or minutes with at least `width` digits (at
// most 3), written to `out`; returns how many characters. None when it needs
// more than `most` (a degree wider than its field).
std::size_t writeWholeDigits(char* out, double whole, std::size_t width, std::size_t most) {
    if (!(whole < 1000))
        return 0;
    auto w = static_cast<unsigned>(whole);
    const std::size_t n = w >= 100 ? 3 : w >= 10 ? 2 : 1;
    if (n > most)
        return 0;
    // Written from the right: the digits, then zeros up to the width.
    const std::size_t length = std::max(width, n);
    for (std::size_t i = length; i > 0; --i, w /= 10)
        out[i - 1] = static_cast<char>('0' + w % 10);
    return length;
}

// The same as the slots' texts give, from the numbers, written into the
// caller's texts: false where the value faults (the texts then as they were).
bool writeDmsTexts(double value, const Axis& axis, std::string& degrees, std::string& minutes,
                   std::string& seconds) {
    DmsNumbers n;
    try {
        n = dmsNumbersOf(value);
        assignFixedDecimals(seconds, n.seconds, kSecondsDecimals);
    } catch (const NumericFault&) {
        return false;
    }
    if (seconds == "60.00") { // as dmsText carries
        seconds = "0.00";
        n.minutes += 1;
        if (n.minutes == 60) {
            n.minutes = 0;
            n.degrees += 1;
        }
    }
    // Each text put together on the stack and assigned once.
    char text[4];
    text[0] = n.negative ? axis.negative : axis.positive;
    degrees.assign(text, 1 + writeWholeDigits(text + 1, n.degrees, axis.digits, axis.digits));
    minutes.assign(text, writeWholeDigits(text, n.minutes, 2, 2));
    return true;
}

// The same into the mask: what a list of points writes for every line,
// without the texts no field shows.
ProcedureOutcome writeDegreesMinutesSeconds(CalcScreen& screen, double value, const Axis& axis,
                                            Element degreesField, Element minutesField,
                                            Element secondsField) {
    std::string degrees, minutes, seconds;
    if (!writeDmsTexts(value, axis, degrees, minutes, seconds)) {
        ProcedureOutcome outcome = ProcedureOutcome::computationError(screen);
        showDegreesMinutesSeconds(screen, AngleParts{}, axis, degreesField, minutesField,
                                  secondsField);
        return outcome;
    }
    screen.setText(degreesField, degrees);
    screen.setText(minutesField, minutes);
    screen.setText(secondsField, seconds);
    return ProcedureOutcome::done();
}

} // namespace

void BreiteDezAusgeben(CalcScreen& screen, const std::string& lat) {
    writeDecimal(screen, Element::texBreiteAUS, lat, kLatitude);
}

void LaengeDezAusgeben(CalcScreen& screen, const std::string& lon) {
    writeDecimal(screen, Element::texLaengeAUS, lon, kLongitude);
}

ProcedureOutcome BreiteGMAusgeben(CalcScreen& screen, ProgramState& state, const std::string& lat) {
    return writeDegreesMinutes(screen, state.calc, lat, kLatitude, Element::texBreiteGradAUS,
                               Element::texBreiteMinuteAUS);
}

ProcedureOutcome LaengeGMAusgeben(CalcScreen& screen, ProgramState& state, const std::string& lon) {
    return writeDegreesMinutes(screen, state.calc, lon, kLongitude, Element::texLaengeGradAUS,
                               Element::texLaengeMinuteAUS);
}

ProcedureOutcome BreiteGMSAusgeben(CalcScreen& screen, ProgramState& state,
                                   const std::string& lat) {
    return writeDegreesMinutesSeconds(screen, state.calc, lat, kLatitude, Element::texBGradAUS,
                                      Element::texBMinuteAUS, Element::texBSekundeAUS);
}

ProcedureOutcome LaengeGMSAusgeben(CalcScreen& screen, ProgramState& state,
                                   const std::string& lon) {
    return writeDegreesMinutesSeconds(screen, state.calc, lon, kLongitude, Element::texLGradAUS,
                                      Element::texLMinuteAUS, Element::texLSekundeAUS);
}

void BreiteDezAusgeben(CalcScreen& screen, double lat) {
    writeDecimal(screen, Element::texBreiteAUS, lat, kLatitude);
}

void LaengeDezAusgeben(CalcScreen& screen, double lon) {
    writeDecimal(screen, Element::texLaengeAUS, lon, kLongitude);
}

ProcedureOutcome BreiteGMAusgeben(CalcScreen& screen, double lat) {
    return writeDegreesMinutes(screen, lat, kLatitude, Element::texBreiteGradAUS,
                               Element::texBreiteMinuteAUS);
}

ProcedureOutcome LaengeGMAusgeben(CalcScreen& screen, double lon) {
    return writeDegreesMinutes(screen, lon, kLongitude, Element::texLaengeGradAUS,
                               Element::texLaengeMinuteAUS);
}

bool writeLatitudeDms(double lat, std::string& degrees, std::string& minutes,
                      std::string& seconds) {
    return writeDmsTexts(lat, kLatitude, degrees, minutes, seconds);
}

bool writeLongitudeDms(double lon, std::string& degrees, std::string& minutes,
                       std::string& seconds) {
    return writeDmsTexts(lon, kLongitude, degrees, minutes, seconds);
}

ProcedureOutcome BreiteGMSAusgeben(CalcScreen& screen, double lat) {
    return writeDegreesMinutesSeconds(screen, lat, kLatitude, Element::texBGradAUS,
                                      Element::texBMinuteAUS, Element::texBSekundeAUS);
}

ProcedureOutcome LaengeGMSAusgeben(CalcScreen& screen, double lon) {
    return writeDegreesMinutesSeconds(screen, lon, kLongitude, Element::texLGradAUS,
                                      Element::texLMinuteAUS, Element::texLSekundeAUS);
}

} // namespace lw
