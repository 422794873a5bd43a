// The notation table is constexpr in its header; this file checks at compile
// time what the rest of the program relies on.
#include "model/notations.h"

#include "model/all_notations.h"

namespace lw {
namespace {

constexpr bool codesRunFromOne() {
    for (std::size_t i = 0; i < kNotations.size(); ++i)
        if (kNotations[i].code != static_cast<int>(i + 1))
            return false;
    return true;
}
static_assert(codesRunFromOne(), "notations in code order 1, 2, 3 ...");

constexpr bool geographicOnesHaveFourHemispheres() {
    for (const Notation& n : kNotations)
        if ((n.paste == PasteForm::Geographic) != (n.hemisphereOptions.size() == 4))
            return false;
    return true;
}
static_assert(geographicOnesHaveFourHemispheres(), "N, S, E, W for every geographic notation");

constexpr bool everyInputFieldInOneMask() {
    for (const Notation& a : kNotations)
        for (Element e : a.inputFields)
            if (notationOfInputField(e) != &a)
                return false;
    return true;
}
static_assert(everyInputFieldInOneMask(), "an input field belongs to one mask");

constexpr bool marksFitTheOutputFields() {
    for (const Notation& n : kNotations)
        if (!n.outputMarks.empty() && n.outputMarks.size() != n.outputFields.size())
            return false;
    return true;
}
static_assert(marksFitTheOutputFields(), "one mark per output field, or none");

// AusgabeReset empties the output masks in code order.
constexpr bool outputFieldsInResetOrder() {
    std::size_t next = 0;
    for (const Notation& n : kNotations)
        for (Element e : n.outputFields)
            if (next >= kOutputFields.size() || kOutputFields[next++] != e)
                return false;
    return next == kOutputFields.size();
}
static_assert(outputFieldsInResetOrder(), "kOutputFields is every output mask in code order");

// The list of every notation holds each notation an ellipsoid offers, group
// by group, in code order, and nothing else; its rows are the headings and
// lines in that order.
constexpr bool listHoldsEveryOfferedNotation() {
    std::size_t next = 0;
    for (const AllNotationsGroup& group : kAllNotationsGroups)
        for (const Notation& n : kNotations)
            // (By the bits, not offersNotation: a pointer test is no constant
            // expression to GCC under the undefined-behaviour sanitizer.)
            if ((n.ellipsoids & ellipsoidBit(group.ellipsoid)) != 0) {
                if (next >= kAllNotationsLines.size())
                    return false;
                const AllNotationsLine& line = kAllNotationsLines[next++];
                if (std::string_view(line.ellipsoid) != group.ellipsoid || line.format != n.code)
                    return false;
            }
    return next == kAllNotationsLines.size();
}
static_assert(listHoldsEveryOfferedNotation(), "one list line per offered notation, in order");

constexpr bool listRowsInReadingOrder() {
    std::size_t row = 0, line = 0;
    for (const AllNotationsGroup& group : kAllNotationsGroups) {
        if (kAllNotationsRows[row++] != group.heading)
            return false;
        while (line < kAllNotationsLines.size() &&
               std::string_view(kAllNotationsLines[line].ellipsoid) == group.ellipsoid)
            if (kAllNotationsRows[row++] != kAllNotationsLines[line++].field)
                return false;
    }
    return row == kAllNotationsRows.size() && line == kAllNotationsLines.size();
}
static_assert(listRowsInReadingOrder(), "kAllNotationsRows: each heading, then its lines");

} // namespace
} // namespace lw
