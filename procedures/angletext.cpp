#include "procedures/angletext.h"

#include "text/numeric_fault.h"
#include "text/numtext.h"

#include <cmath>

namespace lw {
namespace {

// Minutes and seconds carry into the next unit only above this value, not at
// 60: a value that merely displays as 60 after rounding stays below it.
constexpr double kCarryThreshold = 59.999999;

// Whole degrees, "0"-padded to two characters, with the sign in front.
std::string signedPaddedDegrees(double wholeDegrees, bool negative) {
    std::string d = plainTextTrimmed(wholeDegrees);
    if (d.size() == 1)
        d = "0" + d;
    return negative ? "-" + d : d;
}

} // namespace

ProcedureOutcome GMnachDezimal(std::string& degrees, std::string& minutes, MessageSink& messages) {
    commaToPoint(minutes);
    try {
        double d = finite(readNumber(degrees) + readNumber(minutes) / 60.0);
        assignPlainText(degrees, d);
        minutes.clear();
    } catch (const NumericFault&) {
        return ProcedureOutcome::computationError(messages);
    }
    return ProcedureOutcome::done();
}

ProcedureOutcome GMSnachDezimal(std::string& degrees, const std::string& minutes,
                                const std::string& seconds, MessageSink& messages) {
    try {
        double d =
            finite(readNumber(degrees) + readNumber(minutes) / 60.0 + readNumber(seconds) / 3600.0);
        assignPlainText(degrees, d);
    } catch (const NumericFault&) {
        return ProcedureOutcome::computationError(messages);
    }
    return ProcedureOutcome::done();
}

AngleParts degreesMinutesOf(double value) {
    finite(value);
    bool negative = value < 0;
    double a = std::fabs(value);
    double D = std::floor(a);
    double m = (a - D) * 60.0;
    double m6 = roundHalfEven(m, 6);
    if (m6 > kCarryThreshold) {
        m6 = 0;
        D += 1;
    }
    AngleParts parts;
    parts.degrees = signedPaddedDegrees(D, negative);
    parts.minutes = plainTextTrimmed(m6);
    if (parts.minutes.size() == 1)
        parts.minutes = "0" + parts.minutes;
    if (m6 == 0)
        parts.minutes = "0.000000";
    return parts;
}

DmsNumbers dmsNumbersOf(double value) {
    finite(value);
    DmsNumbers n;
    n.negative = value < 0;
    const double a = std::fabs(value);
    n.degrees = std::floor(a);
    const double x = (a - n.degrees) * 60.0;
    n.minutes = std::floor(x);
    n.seconds = (x - n.minutes) * 60.0;
    if (n.seconds > kCarryThreshold) {
        n.seconds = 0;
        n.minutes += 1;
    }
    if (n.minutes > kCarryThreshold) {
        n.minutes = 0;
        n.degrees += 1;
    }
    return n;
}

AngleParts degreesMinutesSecondsOf(double value) {
    const DmsNumbers n = dmsNumbersOf(value);
    AngleParts parts;
    parts.degrees = signedPaddedDegrees(n.degrees, n.negative);
    parts.minutes = plainTextTrimmed(n.minutes);
    if (parts.minutes.size() == 1)
        parts.minutes = "0" + parts.minutes;
    parts.seconds = plainTextTrimmed(n.seconds);
    if (n.seconds < 10)
        parts.seconds = "0" + parts.seconds;
    if (n.seconds == 0)
        parts.seconds = "0.00";
    parts.secondsValue = n.seconds;
    return parts;
}

ProcedureOutcome DezimalNachGM(std::string& text, std::string& degrees, std::string& minutes,
                               MessageSink& messages) {
    commaToPoint(text);
    try {
        AngleParts parts = degreesMinutesOf(readNumber(text));
        degrees = std::move(parts.degrees);
        minutes = std::move(parts.minutes);
    } catch (const NumericFault&) {
        return ProcedureOutcome::computationError(messages);
    }
    return ProcedureOutcome::done();
}

ProcedureOutcome DezimalNachGMS(std::string& text, std::string& degrees, std::string& minutes,
                                std::string& seconds, MessageSink& messages) {
    commaToPoint(text);
    try {
        AngleParts parts = degreesMinutesSecondsOf(readNumber(text));
        degrees = std::move(parts.degrees);
        minutes = std::move(parts.minutes);
        seconds = std::move(parts.seconds);
    } catch (const NumericFault&) {
        return ProcedureOutcome::computationError(messages);
    }
    return ProcedureOutcome::done();
}

} // namespace lw
