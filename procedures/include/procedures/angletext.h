// Angle texts: degrees/minutes(/seconds) texts to decimal degrees and back.
// All arguments are texts passed by reference and overwritten with results, as
// the conversion procedures pass them through the argument slots. Each catches
// numeric faults itself: it shows the computation error message and reports the
// failure, leaving arguments not yet overwritten as they were.
#pragma once

#include "procedures/outcome.h"

#include <string>

namespace lw {

// degrees := decimal degrees (plain text with leading blank); minutes := "".
// Replaces "," by "." in the minutes first.
ProcedureOutcome GMnachDezimal(std::string& degrees, std::string& minutes, MessageSink& messages);

// degrees := decimal degrees (plain text with leading blank); the others stay.
ProcedureOutcome GMSnachDezimal(std::string& degrees, const std::string& minutes,
                                const std::string& seconds, MessageSink& messages);

// The typed cores of the two below: the texts they write for a value (the
// seconds only with seconds). A value that is not finite faults
// (NumericFault), where the procedures show the computation error.
struct AngleParts {
    std::string degrees, minutes, seconds;
    // The seconds as a number: its 15 significant digits are those of the
    // seconds text, all that the mask's rounding to two decimals reads.
    double secondsValue = 0;
};
AngleParts degreesMinutesOf(double value);
AngleParts degreesMinutesSecondsOf(double value);

// The numbers behind degreesMinutesSecondsOf's texts: whole degrees and
// minutes, the seconds, each carried as the texts are.
struct DmsNumbers {
    bool negative = false;
    double degrees = 0, minutes = 0, seconds = 0;
};
DmsNumbers dmsNumbersOf(double value);

// Splits decimal degrees into signed, zero-padded degrees and minutes rounded to
// 6 decimals (ties to even, carry above 59.999999).
ProcedureOutcome DezimalNachGM(std::string& text, std::string& degrees, std::string& minutes,
                               MessageSink& messages);

// Splits decimal degrees into signed, zero-padded degrees, two-digit whole
// minutes and full-precision seconds (carry above 59.999999).
ProcedureOutcome DezimalNachGMS(std::string& text, std::string& degrees, std::string& minutes,
                                std::string& seconds, MessageSink& messages);

} // namespace lw
