#include "validation/zone_limits.h"

#include "geodesy/grid_letters.h"
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

// Seven-digit text of a northing in whole metres, leading zeros included.
using NorthingText = std::array<char, 7>;
constexpr NorthingText sevenDigits(int metres) {
    NorthingText text{};
    for (std::size_t i = text.size(); i-- > 0; metres /= 10)
        text[i] = static_cast<char>('0' + metres % 10);
    return text;
}

// The band borders as texts, the northern ones and their southern mirrors.
using BorderTexts = std::array<NorthingText, kBandBorderNorthingsM.size()>;
constexpr BorderTexts kNorthBorderTexts = [] {
    BorderTexts texts{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = sevenDigits(kBandBorderNorthingsM[i]);
    return texts;
}();
constexpr BorderTexts kSouthBorderTexts = [] {
    BorderTexts texts{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = sevenDigits(southernBorderNorthingM(i));
    return texts;
}();
constexpr std::string_view northBorder(std::size_t i) {
    return {kNorthBorderTexts[i].data(), kNorthBorderTexts[i].size()};
}
constexpr std::string_view southBorder(std::size_t i) {
    return {kSouthBorderTexts[i].data(), kSouthBorderTexts[i].size()};
}

// Extreme eastings and northings of each band's points within its 6° zone.
// The northing maxima of bands N to W and the minima of D to M lie where the
// band borders meet the zone's edge: they are the grid's border northings.
// clang-format off
constexpr std::array<BandRow, kBandLetters.size()> kBandRows = {{
    {'C', {"0396567", "0603433", "1116915", "2011066"}},
    {'D', {"0353305", "0646695", southBorder(8), "2902985"}},
    {'E', {"0312929", "0687071", southBorder(7), "3793919"}},
    {'F', {"0276225", "0723775", southBorder(6), "4683699"}},
    {'G', {"0243901", "0756099", southBorder(5), "5572242"}},
    {'H', {"0216577", "0783423", southBorder(4), "6459563"}},
    {'J', {"0194773", "0805227", southBorder(3), "7345772"}},
    {'K', {"0178901", "0821099", southBorder(2), "8231064"}},
    {'L', {"0169257", "0830743", southBorder(1), "9115701"}},
    {'M', {"0166022", "0833978", southBorder(0), "9999999"}},
    {'N', {"0166021", "0833979", "0000000", northBorder(0)}},
    {'P', {"0169256", "0830744", "0884299", northBorder(1)}},
    {'Q', {"0178900", "0821100", "1768936", northBorder(2)}},
    {'R', {"0194773", "0805227", "2654228", northBorder(3)}},
    {'S', {"0216577", "0783423", "3540437", northBorder(4)}},
    {'T', {"0243900", "0756100", "4427758", northBorder(5)}},
    {'U', {"0276224", "0723776", "5316301", northBorder(6)}},
    {'V', {"0312929", "0687071", "6206081", northBorder(7)}},
    {'W', {"0353305", "0646695", "7097015", northBorder(8)}},
    {'X', {"0396567", "0603433", "7988934", "9329004"}},
}};
// clang-format on

constexpr bool rowsFollowTheBandLetters() {
    for (std::size_t i = 0; i < kBandRows.size(); ++i)
        if (kBandRows[i].band != kBandLetters[i])
            return false;
    return true;
}
static_assert(rowsFollowTheBandLetters());

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

ZoneLeaving leaveZoneField(std::string_view zone) {
    using refusal::Refusal;
    // Only the characters are checked here; the length waits for the check
    // on "Berechnung", so that a half-typed zone can be left.
    if (!refusal::charInSet(utf8::nthChar(zone, 1), refusal::kZoneFirstChars))
        return {Refusal({Step::Sound, Step::Reset, Step::Message, Step::Focus},
                        std::string(refusal::kZoneFirstCharMessage), Element::texZone),
                {}};
    if (!refusal::charInSet(utf8::nthChar(zone, 2), refusal::kDigits))
        return {Refusal({Step::Sound, Step::Message, Step::Reset, Step::Focus},
                        std::string(refusal::kZoneSecondCharMessage), Element::texZone),
                {}};
    const std::string band = utf8::lastChar(zone);
    if (!refusal::charInSet(band, kBandLetters))
        return {Refusal({Step::Sound, Step::Message, Step::Reset, Step::Focus},
                        std::string(refusal::kBandLetterMessage), Element::texZone),
                {}};
    return {std::nullopt, zoneLimits(band, readNumber(utf8::leftChars(zone, 2)))};
}

void storeZoneLimits(const ZoneLimits& limits, Arbeitsvariablen& calc) {
    calc.strRechtsMin = limits.rechtsMin;
    calc.strRechtsMax = limits.rechtsMax;
    calc.strHochMin = limits.hochMin;
    calc.strHochMax = limits.hochMax;
}

void ZoneUndLimitsPruefen(CalcScreen& screen, ProgramState& state) {
    const ZoneLeaving leaving = leaveZoneField(screen.text(Element::texZone));
    if (leaving.refusal) {
        refusal::carryOut(screen, *leaving.refusal);
        return;
    }
    Arbeitsvariablen& calc = state.calc;
    if (leaving.limits)
        storeZoneLimits(*leaving.limits, calc);
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
    screen.AusgabeReset();
    screen.selectAll(enteredField);
}

} // namespace lw
