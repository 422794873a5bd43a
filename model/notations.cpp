// The notation table is constexpr in its header; this file checks at compile
// time what the rest of the program relies on.
#include "model/notations.h"

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

} // namespace
} // namespace lw
