// Fuzzes the whole calculation: an arbitrary job (every ellipsoid pair and
// format pair), arbitrary field texts or key sequences, then "Berechnung".
// After the run either no output field holds anything new, or every written
// output field has the shape of its notation and no non-number in it; the
// list of every notation writes its lines only, none garbled.
//
// Input layout: byte 0 input format, byte 1 output format, byte 2 start and
// target ellipsoid, byte 3 option states; the rest are field texts separated
// by 0x1F, a text starting with 0x1E being typed as key presses.
#include "conversion/driver.h"
#include "fuzz_invariants.h"
#include "fuzz_support.h"
#include "geodesy/grid_letters.h"
#include "model/job.h"
#include "model/screen.h"
#include "support/fake_screen.h"
#include "validation/field_events.h"
#include "validation/validators.h"

#include <cstdint>
#include <regex>
#include <string>
#include <vector>

namespace {

using lw::Element;

struct Shape {
    Element field;
    std::regex pattern;
};

const std::vector<Shape>& outputShapes(int format) {
    static const std::string band = "[" + std::string(lw::kBandLetters) + "]";
    static const std::vector<std::vector<Shape>> shapes = {
        {{Element::texBreiteAUS, std::regex("[NS][0-9]{2}\\.[0-9]{6}")},
         {Element::texLaengeAUS, std::regex("[EW][0-9]{3}\\.[0-9]{6}")}},
        {{Element::texBreiteGradAUS, std::regex("[NS][0-9]{2}")},
         {Element::texBreiteMinuteAUS, std::regex("[0-9]{1,2}\\.[0-9]{6}")},
         {Element::texLaengeGradAUS, std::regex("[EW][0-9]{3}")},
         {Element::texLaengeMinuteAUS, std::regex("[0-9]{1,2}\\.[0-9]{6}")}},
        {{Element::texBGradAUS, std::regex("[NS][0-9]{2}")},
         {Element::texBMinuteAUS, std::regex("[0-9]{2}")},
         {Element::texBSekundeAUS, std::regex("[0-9]{1,2}\\.[0-9]{2}")},
         {Element::texLGradAUS, std::regex("[EW][0-9]{3}")},
         {Element::texLMinuteAUS, std::regex("[0-9]{2}")},
         {Element::texLSekundeAUS, std::regex("[0-9]{1,2}\\.[0-9]{2}")}},
        {{Element::texZone2, std::regex("[0-6][0-9]" + band)},
         {Element::texRechts2, std::regex("0[0-9]{6}")},
         {Element::texHoch2, std::regex("[0-9]{7}")}},
        {{Element::texMilUTM,
          std::regex("[0-6][0-9]" + band + "  [A-Z]{2}  ([0-9]{2}\\.){4}[0-9]{2}|" + "[0-6][0-9]" +
                     band + "  [A-Z]{2}  [0-9]{10}")}},
        {{Element::texREFAUS, std::regex("[0-6][0-9]" + band + "  [A-Z]{2}  [0-9]{10}|" +
                                         "[0-6][0-9]" + band + " [A-Z]{2} ([0-9]{2}){0,5}")}},
        {{Element::texGKRechtsAUS, std::regex("[1-9][0-9]{6}([.,][0-9]{1,2})?")},
         {Element::texGKHochAUS, std::regex("[1-9][0-9]{6}([.,][0-9]{1,2})?")},
         {Element::texMeridianAUS, std::regex("E0[01][0-9]°")}},
        // The zone (1 to 60) in the easting's millions, both to the centimetre.
        {{Element::texAmtOstAUS, std::regex("[1-6]?[0-9][0-9]{6}\\.[0-9]{2}")},
         {Element::texAmtNordAUS, std::regex("[0-9]{1,7}\\.[0-9]{2}")}},
    };
    return shapes[static_cast<std::size_t>(format - 1)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    lw::test::FakeScreen screen;
    lw::ProgramState state;
    int in = 1 + data[0] % 8;
    // The top sixteen values of byte 1 ask for the list of every notation.
    const bool list = data[1] >= 0xF0;
    int out = list ? lw::kAlleSchreibweisen : 1 + data[1] % 8;
    const char* names[] = {lw::kGRS80, lw::kBessel, lw::kHayford};
    state.job.StartEllipsoid = names[data[2] % 3];
    state.job.ZielEllipsoid = names[(data[2] / 3) % 3];
    state.job.FormatEIN = static_cast<std::uint8_t>(in);
    state.job.FormatAUS = static_cast<std::uint8_t>(out);
    if (data[3] & 1)
        screen.check(Element::optDezS, Element::optDezN);
    if (data[3] & 2)
        screen.check(Element::optDezW, Element::optDezE);
    if (data[3] & 4)
        screen.check(Element::optGMS, Element::optGMN);
    if (data[3] & 8)
        screen.check(Element::optGMW, Element::optGME);
    if (data[3] & 16)
        screen.check(Element::optGradS, Element::optGradN);
    if (data[3] & 32)
        screen.check(Element::optGradW, Element::optGradE);
    if (data[3] & 64)
        screen.check(Element::optSechs, Element::optDrei);
    if (in == 7)
        lw::GKLimitsSetzen(screen, state.calc); // as the Gauss-Krueger mask sets them up

    lw::fuzz::fillFields(screen, state, in,
                         std::string(reinterpret_cast<const char*>(data) + 4, size - 4));
    if (in == 4)
        lw::onLostFocus(screen, state, Element::texZone);

    screen.clearLog();
    lw::comRechnenClick(screen, state);

    if (list) {
        // The list writes its own rows only, never an output mask; a line
        // with a value (enabled) holds no non-number.
        for (Element e : lw::kAllNotationsRows)
            if (screen.isEnabled(e))
                lw::fuzz::require(!lw::fuzz::looksGarbled(screen.text(e)), "garbled list line",
                                  screen.text(e));
        for (Element e : lw::kOutputFields)
            lw::fuzz::require(screen.text(e).empty(), "output mask written by the list",
                              std::string(lw::elementName(e)));
        return 0;
    }
    bool anyWritten = false;
    for (Element e : lw::kOutputFields) {
        std::string t = screen.text(e);
        lw::fuzz::require(!lw::fuzz::looksGarbled(t), "garbled output", t);
        anyWritten = anyWritten || !t.empty();
    }
    if (!anyWritten)
        return 0;
    // Something was written: it must be the whole output mask of the job's
    // output format, each field in its notation's shape.
    for (const Shape& s : outputShapes(out)) {
        std::string t = screen.text(s.field);
        // Gauss-Krueger to Gauss-Krueger in the same strip shows the accepted
        // input texts as the user typed them (e.g. "5540518." or "3571686.125").
        if (s.field == Element::texGKRechtsAUS && t == screen.text(Element::texGKRechts))
            continue;
        if (s.field == Element::texGKHochAUS && t == screen.text(Element::texGKHoch))
            continue;
        lw::fuzz::require(std::regex_match(t, s.pattern), "output not in its notation's shape",
                          std::string(lw::elementName(s.field)) + "=" + t);
    }
    return 0;
}
