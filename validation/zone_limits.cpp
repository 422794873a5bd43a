#include "validation/zone_limits.h"

#include "text/numtext.h"
#include "text/utf8.h"
#include "validation/refusal.h"

#include <array>
#include <string>

namespace lw {
namespace {

using refusal::Step;

struct BandRow {
    char band;
    ZoneLimits limits;
};

// Extreme eastings and northings of each band's points within its 6° zone.
// clang-format off
constexpr std::array<BandRow, 20> kBandRows = {{
    {'C', {"0396567", "0603433", "1116915", "2011066"}},
    {'D', {"0353305", "0646695", "2008491", "2902985"}},
    {'E', {"0312929", "0687071", "2899533", "3793919"}},
    {'F', {"0276225", "0723775", "3789859", "4683699"}},
    {'G', {"0243901", "0756099", "4679344", "5572242"}},
    {'H', {"0216577", "0783423", "5567931", "6459563"}},
    {'J', {"0194773", "0805227", "6455630", "7345772"}},
    {'K', {"0178901", "0821099", "7342521", "8231064"}},
    {'L', {"0169257", "0830743", "8228746", "9115701"}},
    {'M', {"0166022", "0833978", "9114496", "9999999"}},
    {'N', {"0166021", "0833979", "0000000", "0885504"}},
    {'P', {"0169256", "0830744", "0884299", "1771254"}},
    {'Q', {"0178900", "0821100", "1768936", "2657479"}},
    {'R', {"0194773", "0805227", "2654228", "3544370"}},
    {'S', {"0216577", "0783423", "3540437", "4432069"}},
    {'T', {"0243900", "0756100", "4427758", "5320656"}},
    {'U', {"0276224", "0723776", "5316301", "6210141"}},
    {'V', {"0312929", "0687071", "6206081", "7100467"}},
    {'W', {"0353305", "0646695", "7097015", "7991509"}},
    {'X', {"0396567", "0603433", "7988934", "9329004"}},
}};
// clang-format on

// Zones whose width differs from 6°: 31V ends at 3° E and 32V starts there
// (Norway); in band X the zones 31, 33, 35 and 37 are 9° wide (Svalbard).
// 37X keeps the band's plain easting maximum and northing minimum: its
// central meridian 39° E reaches the band's full extent.
void applyShortenedZone(char band, double zoneNumber, ZoneLimits& limits) {
    if (band == 'V') {
        if (zoneNumber == 31)
            limits.rechtsMax = "0500000";
        if (zoneNumber == 32)
            limits.rechtsMin = "0126050";
    } else if (band == 'X') {
        if (zoneNumber == 33 || zoneNumber == 35 || zoneNumber == 37)
            limits.rechtsMin = "0293364";
        if (zoneNumber == 31 || zoneNumber == 33 || zoneNumber == 35)
            limits.rechtsMax = "0706636";
    }
}

std::string limitsCaption(const std::string& maximum, const std::string& minimum) {
    // The label breaks its line with a single line feed.
    return maximum + " Maximum\n" + minimum + " Minimum";
}

const std::string kZoneFirstMessage = "Sie müssen zuerst die Zone eingeben,\r\nsonst kann ich die "
                                      "gültigen Extremwerte nicht berechnen.";

} // namespace

std::optional<ZoneLimits> zoneLimits(std::string_view band, double zoneNumber) {
    if (band.size() != 1)
        return std::nullopt;
    for (const BandRow& row : kBandRows) {
        if (row.band == band.front()) {
            ZoneLimits limits = row.limits;
            applyShortenedZone(row.band, zoneNumber, limits);
            return limits;
        }
    }
    return std::nullopt;
}

void ZoneUndLimitsPruefen(CalcScreen& screen, ProgramState& state) {
    const std::string zone = screen.text(Element::texZone);
    // Only the characters are checked here; the length waits for the check
    // on "Berechnung", so that a half-typed zone can be left.
    if (!refusal::charInSet(utf8::nthChar(zone, 1), refusal::kZoneFirstChars)) {
        refusal::refuse(screen, {Step::Sound, Step::Reset, Step::Message, Step::Focus},
                        std::string(refusal::kZoneFirstCharMessage), Element::texZone);
        return;
    }
    if (!refusal::charInSet(utf8::nthChar(zone, 2), refusal::kDigits)) {
        refusal::refuse(screen, {Step::Sound, Step::Message, Step::Reset, Step::Focus},
                        std::string(refusal::kZoneSecondCharMessage), Element::texZone);
        return;
    }
    const std::string band = utf8::lastChar(zone);
    if (!refusal::charInSet(band, refusal::kBandLetters)) {
        refusal::refuse(screen, {Step::Sound, Step::Message, Step::Reset, Step::Focus},
                        std::string(refusal::kBandLetterMessage), Element::texZone);
        return;
    }

    Arbeitsvariablen& calc = state.calc;
    if (auto limits = zoneLimits(band, readNumber(utf8::leftChars(zone, 2)))) {
        calc.strRechtsMin = limits->rechtsMin;
        calc.strRechtsMax = limits->rechtsMax;
        calc.strHochMin = limits->hochMin;
        calc.strHochMax = limits->hochMax;
    }
    screen.setText(Element::labLimitsRechts, limitsCaption(calc.strRechtsMax, calc.strRechtsMin));
    screen.setText(Element::labLimitsHoch, limitsCaption(calc.strHochMax, calc.strHochMin));
    screen.setVisible(Element::labLimitsRechts, true);
    screen.setVisible(Element::labLimitsHoch, true);
}

void ZoneZuerstPruefen(CalcScreen& screen, Element enteredField) {
    if (screen.text(Element::texZone).empty()) {
        refusal::refuse(screen, {Step::Sound, Step::Reset, Step::Message, Step::Focus},
                        kZoneFirstMessage, Element::texZone);
        return;
    }
    screen.ausgabeReset();
    screen.selectAll(enteredField);
}

} // namespace lw
