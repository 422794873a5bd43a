#include "conversion/notation_rows.h"

#include "model/notations.h"

#include <array>

namespace lw {
namespace {

// Gauss-Krueger output takes the whole run (it writes the locale's decimal
// separator and may copy the input), and so do the UTM and degrees-minutes
// inputs.
constexpr std::array kRows = {
    NotationRows{kGradDezimal, decimalInput, decimalOutput, decimalPlainInput, decimalPlainOutput},
    NotationRows{kGradMinuten, degreesMinutesInput, degreesMinutesOutput, nullptr,
                 degreesMinutesPlainOutput},
    NotationRows{kGradMinSek, degreesMinutesSecondsInput, degreesMinutesSecondsOutput, nullptr,
                 degreesMinutesSecondsPlainOutput},
    NotationRows{kUTMzivil, utmCivilInput, utmCivilOutput, nullptr, utmCivilPlainOutput},
    NotationRows{kUTMmil, utmMilitaryInput, utmMilitaryOutput, nullptr, utmMilitaryPlainOutput},
    NotationRows{kUTMref, utmReferenceInput, utmReferenceOutput, nullptr, utmReferencePlainOutput},
    NotationRows{kGaussKrueger, gaussKruegerInput, gaussKruegerOutput, gaussKruegerPlainInput,
                 nullptr},
    NotationRows{kUTMamtlich, amtlichInput, amtlichOutput, nullptr, amtlichPlainOutput},
};
static_assert(inNotationOrder(kRows),
              "one row of the conversion for each notation, in table order");

} // namespace

const NotationRows* notationRowsOf(int format) {
    return rowOfNotation(kRows, format);
}

} // namespace lw
