// Fuzzes every input check and the key and focus handlers with arbitrary field
// texts, option states and key sequences, through the recording fake screen.
//
// Input layout: byte 0 picks the input notation (1..7), byte 1 the option
// states, byte 2 the job's output format and ellipsoids; the rest is a list of
// field texts separated by 0x1F; a text starting with 0x1E is played as key
// presses into the field instead of being set.
#include "fuzz_invariants.h"
#include "fuzz_support.h"
#include "model/job.h"
#include "model/screen.h"
#include "support/fake_screen.h"
#include "validation/field_events.h"
#include "validation/validators.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using lw::Element;

void setOptions(lw::test::FakeScreen& screen, std::uint8_t bits) {
    auto pick = [&](int bit, Element a, Element b) {
        if (bits & (1 << bit))
            screen.check(b, a);
    };
    pick(0, Element::optDezN, Element::optDezS);
    pick(1, Element::optDezE, Element::optDezW);
    pick(2, Element::optGMN, Element::optGMS);
    pick(3, Element::optGME, Element::optGMW);
    pick(4, Element::optGradN, Element::optGradS);
    pick(5, Element::optGradE, Element::optGradW);
    pick(6, Element::optDrei, Element::optSechs);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    int format = 1 + data[0] % 8;
    lw::test::FakeScreen screen;
    lw::ProgramState state;
    setOptions(screen, data[1]);
    state.job.FormatEIN = static_cast<std::uint8_t>(format);
    state.job.FormatAUS = static_cast<std::uint8_t>(1 + (data[2] & 7));
    const char* names[] = {lw::kGRS80, lw::kBessel, lw::kHayford};
    state.job.StartEllipsoid = names[(data[2] >> 3) % 3];
    state.job.ZielEllipsoid = names[(data[2] >> 5) % 3];

    lw::fuzz::fillFields(screen, state, format,
                         std::string(reinterpret_cast<const char*>(data) + 3, size - 3));
    if (format == 4)
        lw::onLostFocus(screen, state, Element::texZone); // limits as after leaving the zone

    // Output fields hold an earlier result: a check may only empty them.
    for (Element e : lw::kOutputFields)
        screen.type(e, "alt");
    screen.clearLog();

    bool accepted = false;
    switch (format) {
    case 1:
        accepted = lw::GradDezimalPruefen(screen);
        break;
    case 2:
        accepted = lw::GradMinutenPruefen(screen);
        break;
    case 3:
        accepted = lw::GradMinSekPruefen(screen);
        break;
    case 4:
        lw::UTMZivilPruefen(screen, state);
        accepted = state.calc.blnEingabeOK;
        break;
    case 5:
        lw::UTMMilPruefen(screen, state);
        accepted = state.calc.blnEingabeOK;
        break;
    case 6:
        lw::UTMRefPruefen(screen, state);
        accepted = state.calc.blnEingabeOK;
        break;
    case 7:
        lw::GKPruefen(screen, state);
        accepted = state.calc.blnEingabeOK;
        break;
    case 8:
        lw::UTMAmtlichPruefen(screen, state);
        accepted = state.calc.blnEingabeOK;
        break;
    }

    int critical = 0;
    for (const auto& m : screen.messages) {
        lw::fuzz::require(!m.text.empty(), "empty message");
        if (m.icon == lw::MessageIcon::Critical)
            ++critical;
    }
    if (accepted)
        lw::fuzz::require(critical == 0, "accepted input with an error message");
    else
        lw::fuzz::require(critical <= 1, "more than one error message");
    for (Element e : lw::kOutputFields) {
        std::string t = screen.text(e);
        lw::fuzz::require(t.empty() || t == "alt", "a check wrote output", t);
    }
    return 0;
}
