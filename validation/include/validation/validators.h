// The input checks run by "Berechnung" before anything is computed. Each
// reports the first problem in German and stops there.
#pragma once

#include "model/germany.h"
#include "model/job.h"
#include "model/screen.h"
#include "text/numtext.h"
#include "validation/refusal.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lw {

// Geographic checks: the verdict is the return value (true = valid).
bool GradDezimalPruefen(CalcScreen& screen);
bool GradMinutenPruefen(CalcScreen& screen);
bool GradMinSekPruefen(CalcScreen& screen);

// UTM and Gauss-Krueger checks: the verdict is state.calc.blnEingabeOK.
// Where a check has a core of its own below, the procedure reads the
// screen's texts, hands them to it and carries out its refusal.
void UTMZivilPruefen(CalcScreen& screen, ProgramState& state);
void UTMMilPruefen(CalcScreen& screen, ProgramState& state);
void UTMRefPruefen(CalcScreen& screen, ProgramState& state);
void GKPruefen(CalcScreen& screen, ProgramState& state);
void UTMAmtlichPruefen(CalcScreen& screen, ProgramState& state);

// The geographic checks' core, for the notation `format` (decimal degrees,
// degrees and minutes, or with seconds): the mask's texts by field, the
// hemisphere chosen (it sets the latitude limit). Empty minutes and seconds
// read as "0", which the fields are to show.
struct Hemisphere {
    bool north = true;
    bool south = false;
};
struct GeographicCheck {
    std::optional<refusal::Refusal> refusal;
    std::vector<std::pair<Element, std::string>> completed;
    // Decimal degrees: latitude and longitude as read, once they have passed.
    std::array<double, 2> decimalDegrees{};
};
GeographicCheck checkGeographic(int format,
                                std::span<const std::pair<Element, std::string_view>> typed,
                                Hemisphere hemisphere);

// Whether decimal degrees pass the check when their texts are digits with at
// most one point (which the check takes), as a list's plain reader hands them on.
bool admitsDecimalDegrees(PlainDigits lat, PlainDigits lon, Hemisphere hemisphere);

// The cores: the first refusal of the texts as typed, or none. The UTM
// civil check compares with the zone limits stored on leaving the zone field.
std::optional<refusal::Refusal> utmCivilRefusal(std::string_view zone, std::string_view easting,
                                                std::string_view northing,
                                                const Arbeitsvariablen& calc);

// The Gauss-Krueger check against Germany's extent for the strip width in
// force (the limits GKLimitsSetzen writes, as numbers):
// its refusal, and the texts the fields are to show where it completes a
// value without a point by ".00" (empty where the text stays as typed).
struct GaussKruegerCheck {
    std::optional<refusal::Refusal> refusal;
    std::string completedRechts, completedHoch;
    double rechtsM = 0, hochM = 0; // as read, once the characters have passed
};
GaussKruegerCheck checkGaussKrueger(std::string_view rechts, std::string_view hoch,
                                    const germany::GaussKruegerExtent& extent);

// Whether Rechtswert and Hochwert pass the check as they stand when their
// texts are digits with at most one point: inside the extent, seven digits
// before the point (a text without a point is completed, nothing else).
bool admitsGaussKrueger(PlainDigits rechts, PlainDigits hoch,
                        const germany::GaussKruegerExtent& extent);

std::optional<refusal::Refusal> utmAmtlichRefusal(std::string_view ostwert,
                                                  std::string_view nordwert);

// The military and reference checks: first a missing zone or square (before
// the Gauss-Krueger zone check), then the rest. The military one completes
// short digit pairs with leading zeros: the texts the fields are to show, up
// to the pair it refuses.
std::optional<refusal::Refusal> gridFieldsMissing(std::string_view zone, std::string_view square,
                                                  Element zoneField, Element squareField);
struct GridCheck {
    std::optional<refusal::Refusal> refusal;
    std::vector<std::pair<Element, std::string>> completed;
};
GridCheck checkUtmMilitary(std::string_view zone, std::string_view square,
                           const std::array<std::string_view, 5>& pairs, const ConversionJob& job);
// An empty reference digit group stands for the square's south-west corner.
std::string_view referenceDigitsOrCorner(std::string_view digits);
std::optional<refusal::Refusal> utmReferenceRefusal(std::string_view zone, std::string_view square,
                                                    std::string_view digits,
                                                    const ConversionJob& job);

// Whether `ostwert` is an Ostwert of UTM amtlich as its check takes it: the
// zone (1 to 60) before the six digits of the easting.
bool isUtmAmtlichOstwert(const std::string& ostwert);

// Whether `value` is a Gauss-Krueger Rechtswert or Hochwert as its check
// takes it: digits with at most one point, seven of them before it.
bool isGaussKruegerValue(const std::string& value);

// Whether the UTM zone number `zone` is one of those covering Germany (31 to
// 33), where German survey offices write UTM amtlich.
bool isGermanUtmZone(int zone);

// Refuses Gauss-Krueger output for UTM input outside the zones covering
// Germany (information box, job loses target and output format, output frames
// hidden). Returns the verdict.
bool GKZonePruefen(CalcScreen& screen, ProgramState& state, const std::string& zone);

// The one place that knows Germany's Gauss-Krueger extent: puts it, for the
// strip width selected on the screen (6° with optSechs, else 3°), into the
// four limit texts of the calculation screen. GKPruefen calls it before its
// range test whenever both texts are filled, so the check always uses the
// limits of the strip width in force.
void GKLimitsSetzen(const CalcScreen& screen, Arbeitsvariablen& calc);

// GKLimitsSetzen, then the limits into the Gauss-Krueger mask's two limit
// labels, maximum over minimum. The calculation screen calls it when it sets
// up the Gauss-Krueger input mask and whenever the strip width changes.
void GKLimitsZeigen(CalcScreen& screen, Arbeitsvariablen& calc);

// Hides every output frame.
void AusgabeRahmenVerbergen(CalcScreen& screen);

// Shape tests shared by the geographic checks.
bool IstDezimalzahl(std::string_view text);
bool IstZweistellig(std::string_view text);
bool IstDreistellig(std::string_view text);

} // namespace lw
